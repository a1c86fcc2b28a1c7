// Share links: the address's fragment is the state that makes the picture,
// with vorlen-render's names, so that a copied address draws the same
// picture elsewhere:
//   #view=decimation-frequency&signal=cosine&a=0.5&M=4
// view is a command of vorlen-render; signal a formula; a, df, fg, M and L
// the texts of the fields, read by their rules (a is the text x(n) was
// generated with). Values are URL-encoded, keys separated by "&". lang is
// written when the page is in English (Serbian is the default).
import { languageName, tr } from "./language.js";

// A reason with its value: the text in the current language, "%s" replaced.
const reason = (text, value) => tr(text).replace("%s", value);
export const fieldKeys = ["a", "df", "fg", "M", "L"];
const knownKeys = new Set(["view", "signal", ...fieldKeys, "events", "analysis", "lang"]);

// An event script as the address carries it: readable, with the script's
// own ";" and "," as they are and a blank as %20.
const encodeScript = (script) =>
  encodeURIComponent(script).replace(/%3B/g, ";").replace(/%2C/g, ",");

// The fragment of a state: {view, signal, fields: {a: text, ...}} and, for
// the designer (view "polezero"), {events: [steps], analysis: bool}.
export function formatFragment(state) {
  const parts = [];
  const add = (key, value) => parts.push(`${key}=${encodeURIComponent(value)}`);
  add("view", state.view);
  if (state.signal !== undefined) add("signal", state.signal);
  for (const key of fieldKeys) {
    if (state.fields[key] !== undefined) add(key, state.fields[key]);
  }
  if (state.lang === "en") add("lang", "en");
  if (state.view === "polezero") {
    if (state.events.length > 0) parts.push(`events=${encodeScript(state.events.join(";"))}`);
    if (state.analysis) parts.push("analysis=1");
  }
  return `#${parts.join("&")}`;
}

// Reads a fragment (with or without its "#"). Returns {state} or {error}
// with a short reason; views and signals are checked against the lists.
export function parseFragment(fragment, views, signals) {
  const text = fragment.replace(/^#/, "");
  const state = { view: "blank", signal: undefined, fields: {}, events: [], analysis: false };
  const seen = new Set();
  for (const part of text.split("&")) {
    if (part === "") continue;
    const equals = part.indexOf("=");
    if (equals < 0) return { error: reason("nema vrednosti za '%s'", part) };
    const key = part.slice(0, equals);
    let value;
    try {
      value = decodeURIComponent(part.slice(equals + 1));
    } catch {
      return { error: reason("neispravno kodirana vrednost za '%s'", key) };
    }
    if (!knownKeys.has(key)) return { error: reason("nepoznat kljuc '%s'", key) };
    if (seen.has(key)) return { error: reason("kljuc '%s' je naveden dvaput", key) };
    seen.add(key);
    if (key === "view") {
      if (!views.includes(value)) return { error: reason("nepoznat prikaz '%s'", value) };
      state.view = value;
    } else if (key === "signal") {
      if (!signals.includes(value)) return { error: reason("nepoznat signal '%s'", value) };
      state.signal = value;
    } else if (key === "events") {
      state.events = value.split(";").filter((step) => step.trim() !== "");
    } else if (key === "analysis") {
      if (value !== "0" && value !== "1") return { error: reason("analysis mora biti 0 ili 1, ne '%s'", value) };
      state.analysis = value === "1";
    } else if (key === "lang") {
      if (!languageName(value)) return { error: reason("nepoznat jezik '%s'", value) };
      state.lang = value;
    } else {
      state.fields[key] = value;
    }
  }
  if (state.view !== "polezero" && (seen.has("events") || seen.has("analysis"))) {
    return { error: tr("events i analysis idu samo uz view=polezero") };
  }
  return { state };
}

// The language a fragment names with lang, or null: read before the rest,
// so that even a notice about the rest is in that language.
export function fragmentLanguage(fragment) {
  for (const part of fragment.replace(/^#/, "").split("&")) {
    if (part.startsWith("lang=")) return languageName(part.slice(5));
  }
  return null;
}
