// The canvas shows exactly what vorlen-render draws, over every view, every
// test signal and parameter sets from the fields' edges to their middles,
// at a device pixel ratio of 1.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  canvasHash, difference, canvasPixels, openPage, renderAll,
  renderPicture, rgbaHash,
  servedSiteAndBrowser,
} from "./support.mjs";

const web = servedSiteAndBrowser();
// One page for every picture, opened by the first test that needs it.
let page;
async function openOnce() {
  page ??= await openPage(web.browser, web.server.url);
}

// Opens a fragment in the page (as a person edits the address) and waits
// for its picture.
async function showFragment(fragment) {
  await openOnce();
  await page.evaluate(async (fragment) => {
    const before = window.vorlen.picture.drawn;
    location.hash = fragment;
    while (window.vorlen.picture.drawn === before) {
      await new Promise((resolve) => setTimeout(resolve, 1));
    }
  }, fragment);
}

const signals = ["cosine", "exponential", "three-cosines", "rectangular", "triangular", "none"];
// Each an option list of vorlen-render; the same texts go into the address.
const parameterSets = [
  {},
  { a: "0.5", M: "4", L: "3" },
  { a: "2.5", df: "0.2", fg: "1.0", M: "2", L: "15" },
  { a: "-0.7", df: "0.035", fg: "3.2", M: "15", L: "1" },
  { a: "0.05", df: "0.0351", fg: "0.3", M: "0", L: "0" },
  { a: "1e3", df: "1", fg: "3.14159265", M: "7", L: "7" },
  { a: "0.999", df: "0.5", fg: "0.01", M: "16", L: "-3" },
];

test("every view of every signal at every parameter set equals vorlen-render", async () => {
  let compared = 0;
  const failures = [];
  for (const signal of signals) {
    for (const set of parameterSets) {
      const options = ["--signal", signal];
      let fragment = `signal=${signal}`;
      for (const [key, value] of Object.entries(set)) {
        options.push(`--${key}=${value}`);
        fragment += `&${key}=${encodeURIComponent(value)}`;
      }
      const pictures = renderAll(options);
      for (const [view, expected] of Object.entries(pictures)) {
        await showFragment(`#view=${view}&${fragment}`);
        if ((await canvasHash(page)) !== rgbaHash(expected)) {
          failures.push(`${view} ${options.join(" ")}: ${difference(await canvasPixels(page), expected)}`);
        }
        compared += 1;
      }
    }
  }
  assert.deepEqual(failures, []);
  assert.equal(compared, signals.length * parameterSets.length * 8);
});

test("the blank view is the background alone", async () => {
  await showFragment("#view=blank");
  assert.equal(await canvasHash(page), rgbaHash(renderPicture("blank")));
});
