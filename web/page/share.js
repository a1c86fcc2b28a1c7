// Share links: the address's fragment is the state that makes the picture,
// with vorlen-render's names, so that a copied address draws the same
// picture elsewhere:
//   #view=decimation-frequency&signal=cosine&a=0.5&M=4
// view is a command of vorlen-render; signal a formula; a, df, fg, M and L
// the texts of the fields, read by their rules (a is the text x(n) was
// generated with). Values are URL-encoded, keys separated by "&".
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
    if (equals < 0) return { error: `nema vrednosti za '${part}'` };
    const key = part.slice(0, equals);
    let value;
    try {
      value = decodeURIComponent(part.slice(equals + 1));
    } catch {
      return { error: `neispravno kodirana vrednost za '${key}'` };
    }
    if (!knownKeys.has(key)) return { error: `nepoznat kljuc '${key}'` };
    if (seen.has(key)) return { error: `kljuc '${key}' je naveden dvaput` };
    seen.add(key);
    if (key === "view") {
      if (!views.includes(value)) return { error: `nepoznat prikaz '${value}'` };
      state.view = value;
    } else if (key === "signal") {
      if (!signals.includes(value)) return { error: `nepoznat signal '${value}'` };
      state.signal = value;
    } else if (key === "events") {
      state.events = value.split(";").filter((step) => step.trim() !== "");
    } else if (key === "analysis") {
      if (value !== "0" && value !== "1") return { error: `analysis mora biti 0 ili 1, ne '${value}'` };
      state.analysis = value === "1";
    } else if (key === "lang") {
      if (value !== "sr") return { error: `nepoznat jezik '${value}'` };
    } else {
      state.fields[key] = value;
    }
  }
  if (state.view !== "polezero" && (seen.has("events") || seen.has("analysis"))) {
    return { error: "events i analysis idu samo uz view=polezero" };
  }
  return { state };
}
