// What the browser tests share: the site served on 127.0.0.1, Debian's
// Chromium driven by playwright-core, and vorlen-render's pictures to
// compare the canvas with.
import assert from "node:assert/strict";
import { spawn, execFileSync } from "node:child_process";
import { createHash } from "node:crypto";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { after, before } from "node:test";
import { fileURLToPath } from "node:url";
import { chromium } from "playwright-core";
import { PNG } from "pngjs";

const root = join(dirname(fileURLToPath(import.meta.url)), "..", "..");
export const site = process.env.VORLEN_SITE ?? join(root, "build-web", "site");
export const renderer = process.env.VORLEN_RENDER ?? join(root, "build", "cli", "vorlen-render");
const browserPath = process.env.VORLEN_CHROMIUM ?? "/usr/bin/chromium";

// Serves the site on a free port; `stop()` ends the server.
export async function serveSite() {
  const server = spawn("node", [join(root, "scripts", "serve-site.mjs"), site, "0"], {
    stdio: ["ignore", "pipe", "inherit"],
  });
  const url = await new Promise((resolve, reject) => {
    let text = "";
    server.stdout.on("data", (chunk) => {
      text += chunk;
      const found = text.match(/http:\/\/127\.0\.0\.1:\d+\//);
      if (found) resolve(found[0]);
    });
    server.on("exit", (code) => reject(new Error(`the server stopped (${code})`)));
  });
  return {
    url,
    stop: () =>
      new Promise((resolve) => {
        server.once("exit", resolve);
        server.kill();
      }),
  };
}

// The site served and a browser, for the tests of one file: started before
// the first, stopped after the last. Read `server` and `browser` of the
// object returned once the tests run.
export function servedSiteAndBrowser() {
  const shared = { server: null, browser: null };
  before(async () => {
    shared.server = await serveSite();
    shared.browser = await launchBrowser();
  });
  after(async () => {
    await shared.browser?.close();
    await shared.server?.stop();
  });
  return shared;
}

// Chromium headless as the design asks: a fresh profile (playwright's
// default), nothing fetched in the background.
export function launchBrowser() {
  return chromium.launch({
    executablePath: browserPath,
    args: ["--no-sandbox", "--disable-background-networking", "--disable-component-update"],
  });
}

// A page at `address` in a fresh context, once the core is loaded: a
// browser that prefers Serbian unless `options` say otherwise, so that the
// page is in Vorlen's own language, as vorlen-render draws without --lang.
export async function openPage(browser, address, options = {}) {
  const context = await browser.newContext({ viewport: { width: 1000, height: 760 }, locale: "sr", ...options });
  const page = await context.newPage();
  await page.goto(address);
  await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
  return page;
}

// The canvas's pixels as a hash, and their count.
export function canvasHash(page, id = "picture") {
  return page.evaluate(async (id) => {
    const canvas = document.getElementById(id);
    const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    const digest = await crypto.subtle.digest("SHA-256", data);
    return [...new Uint8Array(digest)].map((b) => b.toString(16).padStart(2, "0")).join("");
  }, id);
}

// The canvas's pixels, RGBA, for a closer look.
export async function canvasPixels(page, id = "picture") {
  const values = await page.evaluate((id) => {
    const canvas = document.getElementById(id);
    const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    return { width: canvas.width, height: canvas.height, data: Array.from(data) };
  }, id);
  return { ...values, data: Uint8Array.from(values.data) };
}

// A PNG decoded to RGBA (opaque), as the canvas holds it.
export function decodePng(path) {
  const png = PNG.sync.read(readFileSync(path));
  return { width: png.width, height: png.height, data: new Uint8Array(png.data) };
}

export function rgbaHash(image) {
  return createHash("sha256").update(image.data).digest("hex");
}

// vorlen-render's PNG of `command` with `options` (an array of its
// arguments), decoded.
export function renderPicture(command, options = []) {
  const folder = mkdtempSync(join(tmpdir(), "vorlen-web-"));
  try {
    const output = join(folder, "picture.png");
    execFileSync(renderer, [command, ...options, "-o", output]);
    return decodePng(output);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// Every analysis picture vorlen-render's `all` draws with `options`, by
// view name, decoded.
export function renderAll(options = []) {
  const folder = mkdtempSync(join(tmpdir(), "vorlen-web-"));
  try {
    execFileSync(renderer, ["all", ...options, "--out-dir", folder]);
    const pictures = {};
    for (const name of execFileSync("ls", [folder]).toString().split("\n")) {
      if (name.endsWith(".png")) pictures[name.slice(0, -4)] = decodePng(join(folder, name));
    }
    return pictures;
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// Where two pictures of one size differ: the count and the first place.
export function difference(a, b) {
  if (a.width !== b.width || a.height !== b.height) {
    return `sizes differ: ${a.width}x${a.height} against ${b.width}x${b.height}`;
  }
  let count = 0;
  let first = null;
  for (let i = 0; i < a.data.length; i += 4) {
    if (a.data[i] !== b.data[i] || a.data[i + 1] !== b.data[i + 1] ||
        a.data[i + 2] !== b.data[i + 2] || a.data[i + 3] !== b.data[i + 3]) {
      count += 1;
      first ??= `(${(i / 4) % a.width}, ${Math.floor(i / 4 / a.width)})`;
    }
  }
  return count === 0 ? null : `${count} pixels differ, the first at ${first}`;
}

// Runs a menu command the way a person does, by the mouse: the menu by
// name, then the item by name (or the menu alone when it is a command).
export async function chooseFromMenu(page, menuName, itemName) {
  const bar = page.getByRole("menubar");
  await bar.getByRole("menuitem", { name: menuName, exact: true }).click();
  if (itemName) {
    await page.getByRole("menu", { name: menuName }).getByRole("menuitem", { name: itemName, exact: true }).click();
  }
}

// Waits until the canvas has finished `count` drawings in all.
export function waitForDrawings(page, count) {
  return page.waitForFunction((count) => window.vorlen.picture.drawn >= count, count);
}

export const drawings = (page) => page.evaluate(() => window.vorlen.picture.drawn);

// Dark pixels (any channel below 128) of a picture: where its lines and
// text are.
export function darkMask(image) {
  const mask = new Uint8Array(image.width * image.height);
  for (let i = 0; i < mask.length; i += 1) {
    const [r, g, b] = image.data.subarray(i * 4, i * 4 + 3);
    mask[i] = r < 128 || g < 128 || b < 128 ? 1 : 0;
  }
  return mask;
}

// The share of the dark picture pixels of either picture that have a dark
// picture pixel in the other at most one pixel away, a picture pixel being
// a block of `scale` x `scale` pixels, dark when any of them is. Two
// painters of the same shapes at a scale above 1 differ within a picture
// pixel (antialiasing, a glyph's shape at twice its size), not in where
// lines and text stand.
export function darkShare(a, b, scale = 1) {
  assert.deepEqual([a.width, a.height], [b.width, b.height]);
  const width = Math.ceil(a.width / scale);
  const height = Math.ceil(a.height / scale);
  const blocks = (image) => {
    const mask = darkMask(image);
    const result = new Uint8Array(width * height);
    for (let y = 0; y < image.height; y += 1) {
      for (let x = 0; x < image.width; x += 1) {
        if (mask[y * image.width + x]) result[Math.floor(y / scale) * width + Math.floor(x / scale)] = 1;
      }
    }
    return result;
  };
  const near = (mask, x, y) => {
    for (let dy = -1; dy <= 1; dy += 1) {
      for (let dx = -1; dx <= 1; dx += 1) {
        const nx = x + dx;
        const ny = y + dy;
        if (nx >= 0 && ny >= 0 && nx < width && ny < height && mask[ny * width + nx]) return true;
      }
    }
    return false;
  };
  const first = blocks(a);
  const second = blocks(b);
  let matched = 0;
  let total = 0;
  for (let y = 0; y < height; y += 1) {
    for (let x = 0; x < width; x += 1) {
      const i = y * width + x;
      if (first[i]) {
        total += 1;
        matched += near(second, x, y) ? 1 : 0;
      }
      if (second[i]) {
        total += 1;
        matched += near(first, x, y) ? 1 : 0;
      }
    }
  }
  return matched / total;
}
