// Speed of the browser page in Debian's Chromium, beside the native
// benchmarks (bench/views_bench): the time from navigation to the first
// picture, cold; a menu command to its picture on the canvas; each view's
// drawing in WebAssembly at its heaviest setting; and the size of the site.
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
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(`${server.url}#view=conversion-frequency&L=15`);
    await page.waitForFunction(() => window.vorlen?.firstPicture !== undefined);
    firsts.push(await page.evaluate(() => window.vorlen.firstPicture));
    await context.close();
  }
  console.log(`navigation to the first picture (conversion-frequency, L=15), cold: median ${format(median(firsts))}, ` +
    `slowest ${format(Math.max(...firsts))} of ${firsts.length}`);

  const context = await browser.newContext();
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
} finally {
  await browser.close();
  await server.stop();
}
const size = siteSize(site);
console.log(`the site: ${size.bytes} bytes, ${size.gzipped} bytes gzip-compressed`);
