// Share links: the address's fragment is the state that makes the picture,
// with vorlen-render's names, so that a copied address draws the same
// picture elsewhere:
//   #view=decimation-frequency&signal=cosine&a=0.5&M=4
// view is a command of vorlen-render; signal a formula; a, df, fg, M and L
// the texts of the fields, read by their rules (a is the text x(n) was
// generated with). Values are URL-encoded, keys separated by "&".
export const fieldKeys = ["a", "df", "fg", "M", "L"];
const knownKeys = new Set(["view", "signal", ...fieldKeys, "lang"]);

// The fragment of a state: {view, signal, fields: {a: text, ...}}. Only
// what differs from the start of the program is written.
export function formatFragment(state) {
  const parts = [];
  const add = (key, value) => parts.push(`${key}=${encodeURIComponent(value)}`);
  add("view", state.view);
  if (state.signal !== undefined) add("signal", state.signal);
  for (const key of fieldKeys) {
    if (state.fields[key] !== undefined) add(key, state.fields[key]);
  }
  return `#${parts.join("&")}`;
}

// Reads a fragment (with or without its "#"). Returns {state} or {error}
// with a short reason; views and signals are checked against the lists.
export function parseFragment(fragment, views, signals) {
  const text = fragment.replace(/^#/, "");
  const state = { view: "blank", signal: undefined, fields: {} };
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
    } else if (key === "lang") {
      if (value !== "sr") return { error: `nepoznat jezik '${value}'` };
    } else {
      state.fields[key] = value;
    }
  }
  return { state };
}
