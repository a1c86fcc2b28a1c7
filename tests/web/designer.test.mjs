// The designer in the browser: real mouse, keyboard and touch input against
// vorlen-render polezero --events and --analysis-picture, the context menu
// by role and name, design files in and out, and share links of designs.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import {
  canvasHash, canvasPixels, chooseFromMenu, darkShare, decodePng, openPage, renderer,
  rgbaHash,
  servedSiteAndBrowser,
} from "./support.mjs";

const web = servedSiteAndBrowser();
let folder;
before(async () => {
  folder = mkdtempSync(join(tmpdir(), "vorlen-designer-"));
});
after(async () => {
  rmSync(folder, { recursive: true, force: true });
});

// vorlen-render polezero with these arguments: the client area's and the
// analysis picture's hashes.
function renderDesigner(args) {
  const picture = join(folder, "designer.png");
  const analysis = join(folder, "analysis.png");
  execFileSync(renderer, ["polezero", ...args, "-o", picture, "--analysis-picture", analysis]);
  return { designer: rgbaHash(decodePng(picture)), analysis: rgbaHash(decodePng(analysis)) };
}

const fragment = (page) => page.evaluate(() => location.hash);
const steps = async (page) =>
  decodeURIComponent((await fragment(page)).match(/events=([^&]*)/)?.[1] ?? "");

async function openDesigner(page) {
  await chooseFromMenu(page, "Ad Hoc Filter");
  const dialog = page.getByRole("dialog", { name: "Ad Hoc Projektovanje filtara" });
  await dialog.waitFor();
  const box = await page.locator("#designer").boundingBox();
  // The page pixel at the centre of client pixel (x, y).
  const at = (x, y) => [box.x + x + 0.5, box.y + y + 0.5];
  return { dialog, at };
}

async function click(page, [x, y], modifiers = []) {
  for (const key of modifiers) await page.keyboard.down(key);
  await page.mouse.click(x, y);
  for (const key of modifiers) await page.keyboard.up(key);
}

test("mouse and keyboard gestures draw what the same events draw", async () => {
  const page = await openPage(web.browser, web.server.url, { viewport: { width: 1300, height: 800 } });
  const { dialog, at } = await openDesigner(page);
  await click(page, at(130, 70));
  await dialog.getByRole("radio", { name: "Postavljanje POLOVA" }).click();
  await click(page, at(130, 76));
  await click(page, at(200, 100), ["Shift"]);  // a pair: (200,100) and (200,160)
  // Ctrl+drag, redrawn at every move.
  const drawn = () => page.locator("#designer").getAttribute("data-drawn");
  await page.keyboard.down("Control");
  await page.mouse.move(...at(200, 160));
  await page.mouse.down();
  const before = Number(await drawn());
  await page.mouse.move(...at(190, 170), { steps: 4 });
  assert.ok(Number(await drawn()) >= before + 4, "a redraw at every pointer move");
  await page.mouse.move(...at(180, 180));
  await page.mouse.up();
  await page.keyboard.up("Control");
  // The context menu on a marker: remove it.
  await page.mouse.click(...at(130, 76), { button: "right" });
  const menu = page.getByRole("menu", { name: "Dizajn" });
  await menu.waitFor();
  assert.deepEqual(await menu.locator("li").evaluateAll((items) => items.map((li) =>
    li.role === "separator" ? "-" : `${li.querySelector("span").textContent}|${li.getAttribute("aria-keyshortcuts") ?? ""}`)),
  ["Ponisti|Ctrl+Z", "Ponovi|Ctrl+Y", "-", "Ukloni marker|Delete", "Konjugovani parovi|", "-",
    "Otvori dizajn...|Ctrl+O", "Sacuvaj dizajn...|Ctrl+S", "-", "Kopiraj koeficijente|Ctrl+C", "-",
    "Analiza dizajna...|Ctrl+A"]);
  assert.equal(await menu.getByRole("menuitem", { name: "Ponovi" }).getAttribute("aria-disabled"), "true");
  await menu.getByRole("menuitem", { name: "Ukloni marker" }).click();
  await menu.waitFor({ state: "hidden" });
  // Undo, redo both ways, and Delete at the pointer.
  await page.keyboard.press("Control+z");
  await page.keyboard.press("Control+z");
  await page.keyboard.press("Control+y");
  await page.keyboard.press("Control+Shift+Z");
  await page.mouse.move(...at(130, 70));
  await page.keyboard.press("Delete");
  // Pair mode from the menu, then a plain press places a pair.
  await page.mouse.click(...at(60, 60), { button: "right" });
  await menu.getByRole("menuitemcheckbox", { name: "Konjugovani parovi" }).click();
  await click(page, at(80, 100));
  const expected = "press 130,70;poles;press 130,76;pair 200,100;drag 200,160 180,180;" +
    "remove 130,76;undo;undo;redo;redo;remove 130,70;pairs on;press 80,100";
  assert.equal(await steps(page), expected);
  const rendered = renderDesigner(["--events", expected]);
  assert.equal(await canvasHash(page, "designer"), rendered.designer);
  // Reset draws the circle and axes over what is there; Escape is Reset.
  await page.keyboard.press("Escape");
  assert.equal(await dialog.isVisible(), true, "Escape does not close the designer");
  assert.equal(await canvasHash(page, "designer"), renderDesigner(["--events", `${expected};reset`]).designer);
  // 499 of a kind: the 500th press changes nothing and flashes.
  await page.evaluate(() => {
    const designer = window.vorlen.designer;
    for (let i = 0; i < 499; i += 1) designer.run("press 130,70");
  });
  await click(page, at(130, 70));
  assert.equal(await dialog.evaluate((element) => element.classList.contains("flash")), true);
  await dialog.getByRole("button", { name: "OK" }).click();
  await dialog.waitFor({ state: "detached" });
  // The next opening starts afresh.
  await openDesigner(page);
  assert.equal(await canvasHash(page, "designer"), renderDesigner([]).designer);
  await page.context().close();
});

test("touch: a tap places, a finger on a marker drags it, a long press opens the menu", async () => {
  const page = await openPage(web.browser, web.server.url, { viewport: { width: 1300, height: 800 }, hasTouch: true });
  const { at } = await openDesigner(page);
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, points) => cdp.send("Input.dispatchTouchEvent", {
    type, touchPoints: points.map(([x, y]) => ({ x, y })),
  });
  await page.touchscreen.tap(...at(130, 70));
  await page.touchscreen.tap(...at(100, 150));
  // A finger on the marker at (100, 150) that moves drags it, redrawn live.
  const drawn = async () => Number(await page.locator("#designer").getAttribute("data-drawn"));
  await touch("touchStart", [at(100, 150)]);
  const before = await drawn();
  // Each move in a frame of its own: the web.browser joins moves within a frame.
  const frame = () => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
  for (let i = 1; i <= 5; i += 1) {
    await touch("touchMove", [at(100 + 4 * i, 150 - 2 * i)]);
    await frame();
  }
  // The first move stays within the few pixels a tap may wander; every
  // later one redraws.
  assert.ok(await drawn() >= before + 4, `a redraw at every move of the finger: ${await drawn() - before}`);
  await touch("touchEnd", []);
  const script = "press 130,70;press 100,150;drag 100,150 120,140";
  assert.equal(await steps(page), script);
  assert.equal(await canvasHash(page, "designer"), renderDesigner(["--events", script]).designer);
  // The page under the canvas does not move: no touch gesture scrolls it.
  assert.equal(await page.locator("#designer").evaluate((canvas) => getComputedStyle(canvas).touchAction), "none");
  await touch("touchStart", [at(130, 70)]);
  await page.waitForTimeout(700);
  await touch("touchEnd", []);
  const menu = page.getByRole("menu", { name: "Dizajn" });
  await menu.waitFor();
  assert.equal(await menu.getByRole("menuitem", { name: "Ukloni marker" }).getAttribute("aria-disabled"), "false");
  await menu.getByRole("menuitem", { name: "Ukloni marker" }).tap();
  assert.equal(await steps(page), `${script};remove 130,70`);
  await page.context().close();
});

test("design files: open, refusal, save, and the coefficients on the clipboard", async () => {
  const page = await openPage(web.browser, web.server.url, { viewport: { width: 1300, height: 800 } });
  await page.context().grantPermissions(["clipboard-read", "clipboard-write"]);
  const { dialog, at } = await openDesigner(page);
  const design = join(folder, "notch.json");
  execFileSync(renderer, ["polezero", "--events", "press 130,70; press 130,190; poles; press 130,76; press 130,184",
    "-o", join(folder, "notch.png"), "--save-design", design]);
  await click(page, at(60, 200));
  let chooser = page.waitForEvent("filechooser");
  await page.keyboard.press("Control+o");
  await (await chooser).setFiles(design);
  await page.waitForFunction(() => location.hash.includes("undo;redo"));
  assert.equal(await canvasHash(page, "designer"), renderDesigner(["--design", design]).designer);
  // The address rebuilds the same pictures.
  assert.equal(renderDesigner(["--events", await steps(page)]).designer, renderDesigner(["--design", design]).designer);

  const loaded = await canvasHash(page, "designer");
  const bad = join(folder, "bad.json");
  writeFileSync(bad, '{"format": "something else"}');
  chooser = page.waitForEvent("filechooser");
  await page.keyboard.press("Control+o");
  await (await chooser).setFiles(bad);
  const message = page.getByRole("alertdialog", { name: "Otvori dizajn" });
  await message.waitFor();
  assert.match(await message.textContent(), /Datoteka bad\.json nije dizajn: /);
  await page.keyboard.press("Enter");
  await message.waitFor({ state: "detached" });
  assert.equal(await canvasHash(page, "designer"), loaded, "a refused file changes nothing");
  assert.equal(await dialog.isVisible(), true);

  const download = page.waitForEvent("download");
  await page.keyboard.press("Control+s");
  const saved = await (await download).path();
  assert.equal((await download).suggestedFilename(), "dizajn.json");
  assert.equal(readFileSync(saved, "utf8"), readFileSync(design, "utf8"));

  await page.keyboard.press("Control+c");
  await page.waitForFunction(async () => (await navigator.clipboard.readText()).startsWith("b = ["));
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  assert.match(copied, /^b = \[.*\];\na = \[.*\];\ng = .*;\n$/s);
  await page.context().close();
});

test("the analysis panel follows every change, closes alone by Escape and with the designer", async () => {
  const page = await openPage(web.browser, web.server.url, { viewport: { width: 1700, height: 900 } });
  const { dialog, at } = await openDesigner(page);
  await click(page, at(130, 70));
  await page.keyboard.press("Control+a");
  const panel = page.getByRole("dialog", { name: "Analiza dizajna" });
  await panel.waitFor();
  assert.match(await fragment(page), /&analysis=1$/);
  assert.equal(await canvasHash(page, "analysis"), renderDesigner(["--events", "press 130,70"]).analysis);
  await dialog.getByRole("radio", { name: "Postavljanje POLOVA" }).click();
  await click(page, at(130, 76));
  assert.equal(await canvasHash(page, "analysis"),
    renderDesigner(["--events", "press 130,70;poles;press 130,76"]).analysis);
  // A drag step redraws it too.
  await page.keyboard.down("Control");
  await page.mouse.move(...at(130, 76));
  await page.mouse.down();
  await page.mouse.move(...at(150, 90));
  assert.equal(await canvasHash(page, "analysis"),
    renderDesigner(["--events", "press 130,70;poles;press 130,76;drag 130,76 150,90"]).analysis);
  await page.mouse.up();
  await page.keyboard.up("Control");
  await panel.locator("canvas").click();
  await page.keyboard.press("Escape");
  await panel.waitFor({ state: "hidden" });
  assert.equal(await dialog.isVisible(), true, "Escape in the panel leaves the designer open");
  assert.doesNotMatch(await fragment(page), /analysis=1/);
  await page.keyboard.press("Control+a");
  await panel.waitFor();
  await page.keyboard.press("Enter");  // OK: the designer closes, and the panel with it
  await dialog.waitFor({ state: "detached" });
  assert.equal(await panel.count(), 0);
  await page.context().close();
});

test("share links of designs: the address draws the same pictures, also for 499 + 499 markers", async () => {
  let page = await openPage(web.browser, `${web.server.url}#view=polezero&events=press%20130,70;poles;press%20130,76`);
  assert.equal(await canvasHash(page, "designer"),
    renderDesigner(["--events", "press 130,70; poles; press 130,76"]).designer);
  await page.context().close();

  // The largest design: 499 zeros and 499 poles, loaded from a file.
  const markers = [];
  for (let i = 0; i < 998; i += 1) {
    markers.push(`{"kind": "${i < 499 ? "zero" : "pole"}", "x": ${20 + (i * 7) % 220}, "y": ${20 + Math.floor(i / 32) * 7}}`);
  }
  const big = join(folder, "big.json");
  const template = readFileSync(join(folder, "notch.json"), "utf8");
  writeFileSync(big, template.replace(/"markers": \[[\s\S]*\]/, `"markers": [\n    ${markers.join(",\n    ")}\n  ]`));
  page = await openPage(web.browser, web.server.url, { viewport: { width: 1700, height: 900 } });
  await openDesigner(page);
  const chooser = page.waitForEvent("filechooser");
  await page.keyboard.press("Control+o");
  await (await chooser).setFiles(big);
  await page.waitForFunction(() => location.hash.includes("undo;redo"));
  await page.keyboard.press("Control+a");
  await page.getByRole("dialog", { name: "Analiza dizajna" }).waitFor();
  const address = page.url();
  const pictures = [await canvasHash(page, "designer"), await canvasHash(page, "analysis")];
  const expected = renderDesigner(["--design", big]);
  assert.deepEqual(pictures, [expected.designer, expected.analysis]);
  console.log(`# the address of 499 + 499 markers: ${address.length} characters`);
  const elsewhere = await openPage(web.browser, address, { viewport: { width: 1700, height: 900 } });
  await elsewhere.getByRole("dialog", { name: "Analiza dizajna" }).waitFor();
  assert.deepEqual([await canvasHash(elsewhere, "designer"), await canvasHash(elsewhere, "analysis")], pictures);
  await page.context().close();
  await elsewhere.context().close();

  page = await openPage(web.browser, `${web.server.url}#view=polezero&events=press%20130`);
  assert.equal(await page.locator("#notice").textContent(),
    "Adresa nije procitana: koraci dizajna (events) nisu ispravni.");
  await page.context().close();
});

test("at a device pixel ratio of 2 the designer and its analysis are drawn as --scale 2", async () => {
  const script = "press 130,70;press 130,190;poles;press 130,76;press 130,184;move 130,70";
  const page = await openPage(web.browser, `${web.server.url}#view=polezero&events=${encodeURIComponent(script)}&analysis=1`,
    { viewport: { width: 1700, height: 900 }, deviceScaleFactor: 2 });
  await page.getByRole("dialog", { name: "Analiza dizajna" }).waitFor();
  const designer = await canvasPixels(page, "designer");
  const analysis = await canvasPixels(page, "analysis");
  assert.deepEqual([designer.width, designer.height, analysis.width, analysis.height], [1500, 1036, 1600, 1200]);
  const box = await page.locator("#designer").boundingBox();
  assert.deepEqual([box.width, box.height], [750, 518]);
  const picture = join(folder, "designer2.png");
  const analysisPicture = join(folder, "analysis2.png");
  execFileSync(renderer, ["polezero", "--events", script, "--scale", "2", "-o", picture,
    "--analysis-picture", analysisPicture]);
  for (const [drawn, file] of [[designer, picture], [analysis, analysisPicture]]) {
    const shared = darkShare(drawn, decodePng(file), 2);
    assert.ok(shared > 0.97, `${file}: only ${shared} of the dark pixels are shared`);
  }
  // A press lands where the pointer is, in client pixels.
  await click(page, [box.x + 200.5, box.y + 100.5]);
  assert.match(decodeURIComponent(await fragment(page)), /;press 200,100/);
  await page.context().close();
});
