// The page as a whole: sharp on a screen with twice the pixels, working
// offline after the first visit, installable, and accessible by axe-core's
// rules.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import http from "node:http";
import { createRequire } from "node:module";
import { join } from "node:path";
import {
  canvasHash, canvasPixels, chooseFromMenu, darkMask, darkShare, openPage,
  renderPicture, site,
  serveSite, servedSiteAndBrowser,
} from "./support.mjs";

const web = servedSiteAndBrowser();

test("at a device pixel ratio of 2 the picture has twice the pixels, drawn as --scale 2", async () => {
  const page = await openPage(web.browser, `${web.server.url}#view=decimation-time&M=3`, {
    deviceScaleFactor: 2,
  });
  const drawn = await canvasPixels(page);
  assert.equal(drawn.width, 1600);
  assert.equal(drawn.height, 1200);
  const box = await page.locator("#picture").boundingBox();
  assert.deepEqual([box.width, box.height], [800, 600]);
  const expected = renderPicture("decimation-time", ["--M", "3", "--scale", "2"]);
  // Antialiased edges may differ between two renderers; where lines and
  // text stand may not. Lines two pixels wide and text at twice its size
  // cover four times the dark pixels of scale 1, in the same places.
  const shared = darkShare(drawn, expected, 2);
  assert.ok(shared > 0.97, `only ${shared} of the dark pixels are shared`);
  const a = darkMask(drawn);
  const single = darkMask(renderPicture("decimation-time", ["--M", "3"]));
  const singleCount = single.reduce((sum, v) => sum + v, 0);
  const count = a.reduce((sum, v) => sum + v, 0);
  assert.ok(count > 3 * singleCount && count < 5 * singleCount, `${count} against ${singleCount}`);
  await page.context().close();
});

test("after the first visit the page works with the server stopped", async () => {
  const local = await serveSite();
  const context = await web.browser.newContext({ locale: "sr" });
  const page = await context.newPage();
  await page.goto(`${local.url}#view=dft`);
  await page.waitForFunction(async () => {
    const registration = await navigator.serviceWorker.ready;
    return registration.active?.state === "activated";
  });
  const picture = await canvasHash(page);
  await local.stop();
  await page.goto(`${local.url}#view=dft`);
  await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
  assert.equal(await canvasHash(page), picture);
  await chooseFromMenu(page, "Decimacija", "Blok shema decimatora");
  const image = page.getByRole("dialog").locator("img");
  await page.waitForFunction((element) => element.complete && element.naturalWidth === 461,
    await image.elementHandle());
  await context.close();
});

test("the manifest makes it installable with the program's icons", async () => {
  const manifest = JSON.parse(readFileSync(join(site, "manifest.webmanifest"), "utf8"));
  assert.equal(manifest.name, "Vorlen");
  assert.equal(manifest.display, "standalone");
  assert.equal(manifest.start_url, "./");
  const large = manifest.icons.find((icon) => icon.sizes === "256x256");
  assert.ok(large);
  const png = readFileSync(join(site, large.src));
  assert.equal(png.readUInt32BE(16), 256);  // the width in the PNG header
  const page = await openPage(web.browser, web.server.url);
  assert.equal(await page.locator('link[rel="manifest"]').getAttribute("href"), "manifest.webmanifest");
  await page.context().close();
});

test("axe-core finds no serious or critical violation, with a menu or a dialog open", async () => {
  const require = createRequire(import.meta.url);
  const axe = readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");
  const page = await openPage(web.browser, `${web.server.url}#view=dft`);
  await page.addScriptTag({ content: axe });
  const check = async (state) => {
    const result = await page.evaluate(() => window.axe.run());
    const bad = result.violations.filter((v) => v.impact === "serious" || v.impact === "critical");
    assert.deepEqual(bad.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(", ")}`), [], state);
  };
  await check("the page");
  await chooseFromMenu(page, "Konverzija");
  await check("a menu open");
  await page.keyboard.press("Escape");
  for (const [menu, item] of [["Odabir ulaznog signla"], ["Konverzija", "Parametri konvertora frekvencije"],
    ["Decimacija", "Blok shema decimatora"], ["Help", "About Vorlen..."]]) {
    await chooseFromMenu(page, menu, item);
    await page.getByRole("dialog").waitFor();
    await check(`the dialog of ${item ?? menu}`);
    await page.keyboard.press("Escape");
    await page.getByRole("dialog").waitFor({ state: "detached" });
  }
  await chooseFromMenu(page, "Ad Hoc Filter");
  const designer = page.getByRole("dialog", { name: "Ad Hoc Projektovanje filtara" });
  await designer.waitFor();
  await page.keyboard.press("Control+a");
  await page.getByRole("dialog", { name: "Analiza dizajna" }).waitFor();
  await check("the designer and its analysis");
  await page.locator("#designer").click({ button: "right", position: { x: 30, y: 200 } });
  await page.getByRole("menu", { name: "Dizajn" }).waitFor();
  await check("the designer's context menu");
  await page.context().close();
});

test("the whole site is at most 2 MB, and 800 KB gzip-compressed", async () => {
  const { readdirSync, statSync } = await import("node:fs");
  const { gzipSync } = await import("node:zlib");
  let bytes = 0;
  let gzipped = 0;
  const visit = (folder) => {
    for (const name of readdirSync(folder)) {
      const path = join(folder, name);
      if (statSync(path).isDirectory()) visit(path);
      else {
        const content = readFileSync(path);
        bytes += content.length;
        gzipped += gzipSync(content, { level: 9 }).length;
      }
    }
  };
  visit(site);
  assert.ok(bytes <= 2_000_000, `${bytes} bytes`);
  assert.ok(gzipped <= 800_000, `${gzipped} bytes compressed`);
});

test("the local server answers a bad or escaping path with an error and goes on", async () => {
  const get = (path) => new Promise((resolve, reject) => {
    // Raw paths, as a web.browser would never send them.
    const request = http.request(`${web.server.url}`, { path, method: "GET" }, (response) => {
      response.resume();
      resolve(response.statusCode);
    });
    request.on("error", reject);
    request.end();
  });
  assert.equal(await get("/%E0%A4%A"), 400);
  assert.equal(await get("/a/..%2f..%2f..%2f..%2fetc/passwd"), 403);
  assert.equal(await get("/no-such-file"), 404);
  assert.equal(await get("/vorlen.wasm"), 200);
});
