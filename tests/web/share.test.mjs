// Share links: the address holds the view and the fields after every
// change, opens the same picture in a fresh browser context, and a
// fragment that cannot be read gets a notice while the page keeps working.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  canvasHash, chooseFromMenu, drawings, openPage, renderPicture, rgbaHash,
  waitForDrawings,
  servedSiteAndBrowser,
} from "./support.mjs";

// The address's fragment as the page has it now.
const fragment = (page) => page.evaluate(() => location.hash);

const web = servedSiteAndBrowser();

test("an address with a view and fields draws what vorlen-render draws", async () => {
  const page = await openPage(web.browser, `${web.server.url}#view=decimation-frequency&M=4`);
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("decimation-frequency", ["--M", "4"])));
  assert.equal(await page.locator("#picture").getAttribute("aria-label"),
    "Decimacija: Frekvencijski Domen");
  await page.context().close();
});

test("the address follows every change and opens the same picture elsewhere", async () => {
  const page = await openPage(web.browser, web.server.url);
  assert.equal(await fragment(page), "");
  await chooseFromMenu(page, "Odabir ulaznog signla");
  const signal = page.getByRole("dialog", { name: "Odabir generatora ulaznog signala" });
  await signal.getByRole("textbox", { name: "a=" }).fill("0.3");
  await signal.getByRole("radio", { name: /trougaona/ }).click();
  assert.match(await fragment(page), /signal=triangular&a=0\.3(&|$)/);
  await page.keyboard.press("Escape");
  await chooseFromMenu(page, "Konverzija", "Parametri konvertora frekvencije");
  const converter = page.getByRole("dialog", { name: "Konvertor frekvencije odabiranja" });
  await converter.getByRole("textbox", { name: "Faktor Inerpolacije L:" }).fill("7");
  // Typing is a change: the address has the text at once.
  assert.match(await fragment(page), /&L=7(&|$)/);
  await converter.getByRole("textbox", { name: "Faktor Decimacije M:" }).fill("3");
  await page.keyboard.press("Enter");
  const before = await drawings(page);
  await chooseFromMenu(page, "Konverzija", "Vremenski domen");
  await waitForDrawings(page, before + 1);
  const address = `${web.server.url}${await fragment(page)}`;
  assert.match(new URL(address).hash, /^#view=conversion-time&signal=triangular&a=0\.3&df=0\.10&fg=1\.57&M=3&L=7$/);
  const picture = await canvasHash(page);

  const elsewhere = await openPage(web.browser, address);
  assert.equal(await canvasHash(elsewhere), picture);
  assert.equal(picture, rgbaHash(renderPicture("conversion-time",
    ["--signal", "triangular", "--a", "0.3", "--df", "0.10", "--fg", "1.57", "--M", "3", "--L", "7"])));
  await page.context().close();
  await elsewhere.context().close();
});

test("a fragment that cannot be read gets a notice and changes nothing", async () => {
  const page = await openPage(web.browser, `${web.server.url}#view=dft&signal=cosine&a=0.2`);
  const good = await canvasHash(page);
  const notice = page.locator("#notice");
  for (const [fragment, reason] of [
    ["#view=spectrogram", "nepoznat prikaz 'spectrogram'"],
    ["#view=dft&signal=square", "nepoznat signal 'square'"],
    ["#view=dft&colour=red", "nepoznat kljuc 'colour'"],
    ["#view=dft&M=2&M=3", "kljuc 'M' je naveden dvaput"],
    ["#view=dft&a=%E0%A4%A", "neispravno kodirana vrednost za 'a'"],
    ["#view", "nema vrednosti za 'view'"],
  ]) {
    await page.evaluate((fragment) => (location.hash = fragment), fragment);
    await page.waitForFunction((reason) =>
      document.getElementById("notice").textContent.includes(reason), reason);
    assert.equal(await notice.textContent(), `Adresa nije procitana: ${reason}.`);
    assert.equal(await canvasHash(page), good, fragment);
  }
  // The page keeps working: a command draws and the notice goes.
  const before = await drawings(page);
  await chooseFromMenu(page, "Decimacija", "Vremenski Domen");
  await waitForDrawings(page, before + 1);
  assert.equal(await notice.textContent(), "");
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("decimation-time", ["--signal", "cosine", "--a", "0.2"])));
  await page.context().close();
});
