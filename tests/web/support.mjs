// What the browser tests share: the site served on 127.0.0.1, Debian's
// Chromium driven by playwright-core, and vorlen-render's pictures to
// compare the canvas with.
import { spawn, execFileSync } from "node:child_process";
import { createHash } from "node:crypto";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
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

// Chromium headless as the design asks: a fresh profile (playwright's
// default), nothing fetched in the background.
export function launchBrowser() {
  return chromium.launch({
    executablePath: browserPath,
    args: ["--no-sandbox", "--disable-background-networking", "--disable-component-update"],
  });
}

// A page at `address` in a fresh context, once the core is loaded.
export async function openPage(browser, address, options = {}) {
  const context = await browser.newContext({ viewport: { width: 1000, height: 760 }, ...options });
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
