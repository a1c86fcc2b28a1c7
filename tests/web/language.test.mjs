// English beside Serbian in the browser: lang=en in the address, the
// browser's preferred languages, the SR | EN switch; the page's lang
// attribute, the menu bar, the dialogs and the pictures follow, and the
// pictures equal vorlen-render --lang en.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  canvasHash, chooseFromMenu, drawings, openPage, renderPicture, rgbaHash,
  waitForDrawings,
  servedSiteAndBrowser,
} from "./support.mjs";

const web = servedSiteAndBrowser();

const menuNames = (page) => page.evaluate(() =>
  [...document.querySelectorAll('[role="menubar"] > li > [role="menuitem"]')].map((e) => e.textContent.trim()));
const englishMenus = ["Input Signal", "DFT", "Low-pass Filter", "Decimation", "Interpolation", "Conversion",
  "Ad Hoc Filter", "Help"];
const serbianMenus = ["Odabir ulaznog signla", "DFT", "NF Filtar", "Decimacija", "Interpolacija", "Konverzija",
  "Ad Hoc Filter", "Help"];

test("lang=en gives the English menu bar, page language and pictures", async () => {
  const page = await openPage(web.browser, `${web.server.url}#view=decimation-frequency&M=4&lang=en`);
  assert.deepEqual(await menuNames(page), englishMenus);
  assert.equal(await page.evaluate(() => document.documentElement.lang), "en");
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("decimation-frequency", ["--M", "4", "--lang", "en"])));
  assert.equal(await page.locator("#picture").getAttribute("aria-label"), "Decimation: Frequency Domain");
  // Every dialog in English shows its texts whole.
  for (const [menu, item, title] of [["Input Signal", null, "Input signal generator"],
    ["Low-pass Filter", "Filter Parameters", null], ["Decimation", "Parameter Settings", "Decimator parameters"],
    ["Interpolation", "Parameter Settings", null], ["Conversion", "Rate Converter Parameters", null],
    ["Help", "About Vorlen...", "About Vorlen"]]) {
    await chooseFromMenu(page, menu, item);
    const dialog = title ? page.getByRole("dialog", { name: title }) : page.getByRole("dialog");
    await dialog.waitFor();
    const cut = await dialog.evaluate((element) => [...element.querySelectorAll(".static, .radio, button, .caption")]
      .filter((control) => control.scrollWidth > control.clientWidth + 1 || control.scrollHeight > control.clientHeight + 1)
      .map((control) => control.textContent));
    assert.deepEqual(cut, [], `${menu} ${item ?? ""}`);
    assert.equal(await dialog.getByRole("button", { name: "Close" }).count() > 0 || title === "About Vorlen", true);
    await page.keyboard.press("Escape");
    await dialog.waitFor({ state: "detached" });
  }
  await page.context().close();
});

test("the web.browser's preferred languages choose, else Serbian", async () => {
  for (const [locale, menus, lang] of [["en-GB", englishMenus, "en"], ["de-DE", serbianMenus, "sr-Latn"],
    ["sr-Latn-RS", serbianMenus, "sr-Latn"]]) {
    const page = await openPage(web.browser, web.server.url, { locale });
    assert.deepEqual(await menuNames(page), menus, locale);
    assert.equal(await page.evaluate(() => document.documentElement.lang), lang);
    await page.context().close();
  }
  // The address wins over the web.browser.
  const page = await openPage(web.browser, `${web.server.url}#view=dft&lang=sr`, { locale: "en-US" });
  assert.deepEqual(await menuNames(page), serbianMenus);
  await page.context().close();
});

test("the SR | EN switch turns the page, its picture and its address", async () => {
  const page = await openPage(web.browser, `${web.server.url}#view=conversion-time&L=3`, { locale: "sr" });
  const switchGroup = page.getByRole("group", { name: "Jezik" });
  const before = await drawings(page);
  await switchGroup.getByRole("button", { name: "EN" }).click();
  await waitForDrawings(page, before + 1);
  assert.deepEqual(await menuNames(page), englishMenus);
  assert.equal(await page.getByRole("button", { name: "EN" }).getAttribute("aria-pressed"), "true");
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("conversion-time", ["--L", "3", "--lang", "en"])));
  assert.match(await page.evaluate(() => location.hash), /&lang=en/);
  await page.getByRole("group", { name: "Language" }).getByRole("button", { name: "SR" }).click();
  await waitForDrawings(page, before + 2);
  assert.deepEqual(await menuNames(page), serbianMenus);
  assert.equal(await page.evaluate(() => document.documentElement.lang), "sr-Latn");
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("conversion-time", ["--L", "3"])));
  assert.doesNotMatch(await page.evaluate(() => location.hash), /lang=/);
  await page.context().close();
});
