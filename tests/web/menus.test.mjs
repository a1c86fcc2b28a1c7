// The menu bar by role and name, with the mouse and with the keyboard
// alone; each command draws what vorlen-render draws after the same steps.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  canvasHash, chooseFromMenu, drawings, openPage, renderPicture, rgbaHash,
  waitForDrawings,
  servedSiteAndBrowser,
} from "./support.mjs";

const web = servedSiteAndBrowser();

const expectedMenus = [
  ["Odabir ulaznog signla", []],
  ["DFT", []],
  ["NF Filtar", ["Parametri Filtra", "-", "Filtriranje u frekv. domenu"]],
  ["Decimacija", ["Blok shema decimatora", "-", "Podesavanje parametara", "-", "Vremenski Domen",
    "Frekvencijski Domen"]],
  ["Interpolacija", ["Blok shema interpolatora", "-", "Podesavanje parametara", "-",
    "Vremenski Domen", "Frekvencijski Domen"]],
  ["Konverzija", ["Blok shema konvertora", "-", "Parametri konvertora frekvencije", "-",
    "Vremenski domen", "Frekvencijski domen"]],
  ["Ad Hoc Filter", []],
  ["Help", ["About Vorlen..."]],
];

test("the menu bar has the desktop's menus, items, names and order", async () => {
  const page = await openPage(web.browser, web.server.url);
  const found = await page.evaluate(() =>
    [...document.querySelectorAll('[role="menubar"] > li')].map((li) => [
      // "Konverzija " keeps the desktop's blank; the name is trimmed.
      li.querySelector(':scope > [role="menuitem"]').textContent.trim(),
      [...li.querySelectorAll('[role="menu"] > li')].map((item) =>
        item.role === "separator" ? "-" : item.textContent),
    ]));
  assert.deepEqual(found, expectedMenus);
  // Every item is found by its role and accessible name.
  await chooseFromMenu(page, "Konverzija");
  for (const name of expectedMenus[5][1].filter((name) => name !== "-")) {
    await page.getByRole("menu", { name: "Konverzija" }).getByRole("menuitem", { name, exact: true })
      .waitFor();
  }
  await page.context().close();
});

test("the mouse opens a menu, moves across the bar and runs a command", async () => {
  const page = await openPage(web.browser, web.server.url);
  await chooseFromMenu(page, "Decimacija");
  // Moving over the bar with a menu open opens the next one.
  await page.getByRole("menuitem", { name: "Interpolacija", exact: true }).hover();
  assert.equal(await page.getByRole("menu", { name: "Interpolacija" }).isVisible(), true);
  assert.equal(await page.getByRole("menu", { name: "Decimacija" }).isVisible(), false);
  await page.getByRole("menu", { name: "Interpolacija" })
    .getByRole("menuitem", { name: "Frekvencijski Domen" }).click();
  await waitForDrawings(page, 2);
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("interpolation-frequency", ["--signal", "none"])));
  assert.equal(await page.getByRole("menu", { name: "Interpolacija" }).isVisible(), false);
  assert.equal(await page.locator("#picture").getAttribute("aria-label"), "Interpolacija: Frekvencijski Domen");
  // A title that is a command runs at a click.
  await chooseFromMenu(page, "DFT");
  await waitForDrawings(page, 3);
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("dft", ["--signal", "none"])));
  await page.context().close();
});

test("the keyboard alone reaches every menu: F10, arrows, Enter, Escape", async () => {
  const page = await openPage(web.browser, web.server.url);
  const focused = () => page.evaluate(() => document.activeElement.textContent);
  await page.keyboard.press("F10");
  assert.equal(await focused(), "Odabir ulaznog signla");
  await page.keyboard.press("ArrowLeft");  // wraps to the last menu
  assert.equal(await focused(), "Help");
  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("ArrowRight");
  assert.equal(await focused(), "Decimacija");
  await page.keyboard.press("ArrowDown");
  assert.equal(await focused(), "Blok shema decimatora");
  await page.keyboard.press("ArrowUp");  // wraps, skipping separators
  assert.equal(await focused(), "Frekvencijski Domen");
  // Right moves to the next menu, opened.
  await page.keyboard.press("ArrowRight");
  assert.equal(await focused(), "Blok shema interpolatora");
  await page.keyboard.press("Escape");
  assert.equal(await focused(), "Interpolacija");
  assert.equal(await page.getByRole("menu", { name: "Interpolacija" }).isVisible(), false);
  assert.equal(await page.getByRole("menuitem", { name: "Interpolacija" }).getAttribute("aria-expanded"),
    "false");
  await page.keyboard.press("ArrowLeft");
  await page.keyboard.press("Enter");
  await page.keyboard.press("End");
  assert.equal(await focused(), "Frekvencijski Domen");
  await page.keyboard.press("ArrowUp");
  const before = await drawings(page);
  await page.keyboard.press("Enter");
  await waitForDrawings(page, before + 1);
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("decimation-time", ["--signal", "none"])));
  // A title that is a command runs from the keyboard too.
  await page.keyboard.press("F10");
  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("Enter");
  await waitForDrawings(page, before + 2);
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("dft", ["--signal", "none"])));
  await page.context().close();
});
