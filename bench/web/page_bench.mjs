// Speed of the browser page in Debian's Chromium, beside the native
// benchmarks (bench/views_bench, bench/polezero_bench): the time from
// navigation to the first picture, cold; a menu command to its picture on
// the canvas; each view's drawing in WebAssembly at its heaviest setting;
// the designer's press and drag step on the largest design; and the size of
// the site.
// Figures are printed, never asserted.
//
//   scripts/web.sh && node bench/web/page_bench.mjs
//
// It uses tests/web's playwright-core (scripts/web-test.sh installs it).
import { readdirSync, readFileSync, statSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import { launchBrowser, serveSite, site } from "../../tests/web/support.mjs";

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const format = (ms) => `${ms.toFixed(2)} ms`;

function siteSize(folder) {
  let bytes = 0;
  let gzipped = 0;
  for (const name of readdirSync(folder)) {
    const path = join(folder, name);
    if (statSync(path).isDirectory()) {
      const inner = siteSize(path);
      bytes += inner.bytes;
      gzipped += inner.gzipped;
    } else {
      const content = readFileSync(path);
      bytes += content.length;
      gzipped += gzipSync(content, { level: 9 }).length;
    }
  }
  return { bytes, gzipped };
}

const server = await serveSite();
const browser = await launchBrowser();
try {
  // Cold: a fresh context each time, so nothing is cached and no service
  // worker answers.
  const firsts = [];
  for (let run = 0; run < 7; run += 1) {
    const context = await browser.newContext({ locale: "sr" });
    const page = await context.newPage();
    await page.goto(`${server.url}#view=conversion-frequency&L=15`);
    await page.waitForFunction(() => window.vorlen?.firstPicture !== undefined);
    firsts.push(await page.evaluate(() => window.vorlen.firstPicture));
    await context.close();
  }
  console.log(`navigation to the first picture (conversion-frequency, L=15), cold: median ${format(median(firsts))}, ` +
    `slowest ${format(Math.max(...firsts))} of ${firsts.length}`);

  const context = await browser.newContext({ locale: "sr" });
  const page = await context.newPage();
  await page.goto(`${server.url}#view=blank&signal=three-cosines&L=15&M=1&df=0.035`);
  await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
  // A menu command as the menu runs it, to the canvas's pixels: measured in
  // the page from the click to the end of putImageData.
  const views = await page.evaluate(() => window.vorlen.core.catalogue.views.map((v) => v.name));
  console.log("view                      command to canvas   core's drawing alone");
  for (const view of views.filter((name) => name !== "blank")) {
    const result = await page.evaluate(async (view) => {
      const commands = [];
      const draws = [];
      for (let run = 0; run < 101; run += 1) {
        let start = performance.now();
        await window.vorlen.run(`view:${view}`);
        commands.push(performance.now() - start);
        start = performance.now();
        window.vorlen.core.drawOnly(view);
        draws.push(performance.now() - start);
      }
      const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
      return { command: median(commands), draw: median(draws) };
    }, view);
    console.log(`${view.padEnd(26)}${format(result.command).padEnd(20)}${format(result.draw)}`);
  }
  await context.close();

  // The designer, with the designs of bench/polezero_bench.
  const designer = await browser.newContext({ viewport: { width: 1700, height: 900 }, locale: "sr" });
  const designerPage = await designer.newPage();
  await designerPage.goto(`${server.url}#view=polezero&analysis=1`);
  await designerPage.waitForFunction(() => window.vorlen?.designer?.isOpen);
  const figures = await designerPage.evaluate(() => {
    const { core, designer } = window.vorlen;
    const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
    const empty = core.designerSave();
    const designText = (zeros, poles) => {
      const markers = [];
      for (let i = 0; i < zeros + poles; i += 1) {
        markers.push(`{"kind": "${i < zeros ? "zero" : "pole"}", "x": ${40 + (i * 37) % 200}, "y": ${30 + (i * 53) % 200}}`);
      }
      return empty.replace(/"markers": \[\]/, `"markers": [${markers.join(", ")}]`);
    };
    const press = (zeros, poles) => {
      const text = designText(zeros, poles);
      const times = [];
      for (let run = 0; run < 41; run += 1) {
        if (core.designerLoad(text) !== "") throw new Error("the design was refused");
        const start = performance.now();
        core.designerEvents("press 150,100");
        times.push(performance.now() - start);
      }
      return median(times);
    };
    const result = { pressEmpty: press(0, 0), pressFull: press(498, 499) };
    core.designerLoad(designText(499, 499));
    designer.show();
    designer.beginDrag({ x: 40, y: 30 });
    const core_ = [];
    const whole = [];
    for (let run = 0; run < 101; run += 1) {
      const there = run % 2 === 0;
      // The step as the page takes it: the core, then both canvases and the
      // analysis panel's.
      let start = performance.now();
      designer.dragTo({ x: there ? 200 : 60, y: there ? 60 : 200 });
      whole.push(performance.now() - start);
      start = performance.now();
      core.designerDragTo(there ? 100 : 180, there ? 100 : 180);
      core_.push(performance.now() - start);
    }
    designer.finishDrag();
    result.dragCore = median(core_);
    result.dragWhole = median(whole);
    return result;
  });
  console.log(`designer press, empty design: ${format(figures.pressEmpty)}; on 498 + 499 markers: ${format(figures.pressFull)}`);
  console.log(`designer drag step on 499 + 499 markers: the core ${format(figures.dragCore)}; ` +
    `with both pictures and the analysis on their canvases ${format(figures.dragWhole)}`);
  await designer.close();
} finally {
  await browser.close();
  await server.stop();
}
const size = siteSize(site);
console.log(`the site: ${size.bytes} bytes, ${size.gzipped} bytes gzip-compressed`);
