// Every dialog of the main window: found by role and name, its fields by
// their labels, the field rules on typed text, and every way of closing
// (the accept button, Enter, Escape, the close box); then a command draws
// what vorlen-render draws with the same texts.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  canvasHash, chooseFromMenu, drawings, openPage, renderPicture, rgbaHash,
  waitForDrawings,
  servedSiteAndBrowser,
} from "./support.mjs";

const web = servedSiteAndBrowser();

async function draw(page, menu, item, command, options) {
  const before = await drawings(page);
  await chooseFromMenu(page, menu, item);
  await waitForDrawings(page, before + 1);
  assert.equal(await canvasHash(page), rgbaHash(renderPicture(command, options)),
    `${command} ${options.join(" ")}`);
}

const fillPattern = /^ *-?\d+\.\d\d$/;

test("the signal dialog: opening, formulas, the a= field, Escape", async () => {
  const page = await openPage(web.browser, web.server.url);
  await chooseFromMenu(page, "Odabir ulaznog signla");
  const dialog = page.getByRole("dialog", { name: "Odabir generatora ulaznog signala" });
  await dialog.waitFor();
  assert.equal(await page.evaluate(() => document.activeElement.textContent), "Izlaz");
  const field = dialog.getByRole("textbox", { name: "a=" });
  const fill = await field.inputValue();
  assert.match(fill, fillPattern);
  assert.equal(fill.length, 10);
  // Opening picks the three cosines, with a as the field shows it.
  assert.equal(await dialog.getByRole("radio", { name: /cos\(10\*2\*pi/ }).isChecked(), true);
  await field.fill("0.25");
  await dialog.getByRole("radio", { name: /eksponencijalna/ }).click();
  // a typed after the click leaves x(n) as the click made it.
  await field.fill("0.9");
  await page.keyboard.press("Escape");
  await dialog.waitFor({ state: "detached" });
  await draw(page, "DFT", null, "dft", ["--signal", "exponential", "--a", "0.25"]);
  await page.context().close();
});

test("the decimator's dialog: fills, typed text, Auto wg, Enter", async () => {
  const page = await openPage(web.browser, web.server.url);
  await chooseFromMenu(page, "Decimacija", "Podesavanje parametara");
  const dialog = page.getByRole("dialog", { name: "Parametri decimatora" });
  const df = dialog.getByRole("textbox", { name: "Normalizovana sirina prelazne oblasti df:" });
  const wg = dialog.getByRole("textbox", { name: "Granicna ucestanost propusnog opsega wg:" });
  const factor = dialog.getByRole("textbox", { name: "Faktor Decimacije M:" });
  assert.match(await df.inputValue(), fillPattern);
  assert.match(await wg.inputValue(), fillPattern);
  assert.match(await factor.inputValue(), /^ {9}\d$/);
  await factor.fill("6");
  await dialog.getByRole("button", { name: "Auto wg" }).click();
  assert.equal(await wg.inputValue(), "0.523599");
  // Field rules read every text: "0.5abc" is 0.5.
  await df.fill("0.5abc");
  await df.press("Enter");
  await dialog.waitFor({ state: "detached" });
  await draw(page, "Decimacija", "Frekvencijski Domen", "decimation-frequency",
    ["--signal", "none", "--df", "0.5abc", "--fg", "0.523599", "--M", "6"]);
  await page.context().close();
});

test("the other parameter dialogs: the close box, the accept button, field rules", async () => {
  const page = await openPage(web.browser, web.server.url);
  await chooseFromMenu(page, "NF Filtar", "Parametri Filtra");
  let dialog = page.getByRole("dialog", { name: "Parametri NF filtra" });
  const lowDf = await dialog.getByRole("textbox", { name: /df:$/ }).inputValue();
  await dialog.getByRole("textbox", { name: "Granicna frekvencija propusnog opsega fg:" }).fill("1.5");
  await dialog.getByRole("button", { name: "Zatvori" }).click();
  await dialog.waitFor({ state: "detached" });
  await draw(page, "NF Filtar", "Filtriranje u frekv. domenu", "filter-spectrum",
    ["--signal", "none", "--df", lowDf, "--fg", "1.5"]);

  await chooseFromMenu(page, "Interpolacija", "Podesavanje parametara");
  dialog = page.getByRole("dialog", { name: "Parametri interpolatora" });
  await dialog.getByRole("textbox", { name: "Faktor Inerpolacije L:" }).fill("99");
  await dialog.getByRole("button", { name: "Auto wg" }).click();
  // L is limited to 15 by its rule, but Auto wg reads the text: pi / 15.
  assert.equal(await dialog.getByRole("textbox", { name: /wg:$/ }).inputValue(), "0.209440");
  await dialog.getByRole("button", { name: "Izlaz" }).click();
  await dialog.waitFor({ state: "detached" });
  await draw(page, "Interpolacija", "Vremenski Domen", "interpolation-time",
    ["--signal", "none", "--df", lowDf, "--fg", "0.209440", "--L", "99"]);

  await chooseFromMenu(page, "Konverzija", "Parametri konvertora frekvencije");
  dialog = page.getByRole("dialog", { name: "Konvertor frekvencije odabiranja" });
  assert.equal(await dialog.getByRole("textbox", { name: "Faktor Inerpolacije L:" }).inputValue(),
    "        15");
  await dialog.getByRole("textbox", { name: "Faktor Decimacije M:" }).fill("-4");
  await dialog.getByRole("textbox", { name: "Faktor Inerpolacije L:" }).fill("3");
  const converterFg = await dialog.getByRole("textbox", { name: /fg:$/ }).inputValue();
  await page.keyboard.press("Escape");
  await dialog.waitFor({ state: "detached" });
  await draw(page, "Konverzija", "Frekvencijski domen", "conversion-frequency",
    ["--signal", "none", "--df", lowDf, "--fg", converterFg, "--L", "3", "--M=-4"]);
  await page.context().close();
});

test("the block diagrams and About show their pictures and close", async () => {
  const page = await openPage(web.browser, web.server.url);
  const cases = [
    ["Decimacija", "Blok shema decimatora", "Blok shema decimacije sa celobrojnim faktorom", "Izlaz"],
    ["Interpolacija", "Blok shema interpolatora", "Blok shema Interpolacije sa celobrojnim faktorom", "Izlaz"],
    ["Konverzija", "Blok shema konvertora", "Blok shema konvertora frekvencije odabiranja", "OK"],
    ["Help", "About Vorlen...", "About Vorlen", "Izlaz"],
  ];
  for (const [menu, item, title, button] of cases) {
    await chooseFromMenu(page, menu, item);
    const dialog = page.getByRole("dialog", { name: title });
    await dialog.waitFor();
    const image = dialog.locator("img").first();
    await page.waitForFunction((element) => element.complete && element.naturalWidth > 0,
      await image.elementHandle());
    const width = await image.evaluate((element) => element.naturalWidth);
    assert.equal(width, menu === "Help" ? 32 : 461, title);
    await dialog.getByRole("button", { name: button, exact: true }).click();
    await dialog.waitFor({ state: "detached" });
  }
  await chooseFromMenu(page, "Help", "About Vorlen...");
  const about = page.getByRole("dialog", { name: "About Vorlen" });
  await about.getByText("Vorlen Version 1.0").waitFor();
  await page.keyboard.press("Enter");
  await about.waitFor({ state: "detached" });
  await page.context().close();
});
