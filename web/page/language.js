// The page's language: Serbian, the program's own, or English from the
// catalogue po/en.po made into en.json when the site is built. The page's
// own texts are looked up with tr(); the core translates what it draws and
// the dialogs' templates once it is handed the same catalogue.
const names = ["sr", "en"];
let current = "sr";
let english = null;

// The text in the current language: the Serbian text itself when there is
// no translation.
export function tr(serbian) {
  return (current === "en" && english?.[serbian]) || serbian;
}

export const currentLanguage = () => current;

// "sr" or "en" for a language name of the address; null for anything else.
export function languageName(text) {
  return names.includes(text) ? text : null;
}

// The language a browser prefers: the first of its preferred languages
// that Vorlen has, else Serbian.
export function preferredLanguage(preferences = navigator.languages ?? []) {
  for (const preference of preferences) {
    const primary = preference.toLowerCase().split(/[-_]/)[0];
    if (names.includes(primary)) return primary;
  }
  return "sr";
}

// Switches to `name`, loading the English catalogue the first time, and
// hands it to the core. The document's lang follows.
export async function useLanguage(name, core) {
  if (name === "en" && english === null) {
    const response = await fetch("en.json");
    if (!response.ok) throw new Error(`en.json: ${response.status}`);
    english = await response.json();
  }
  current = name;
  core.setLanguage(name, name === "en" ? english : {});
  document.documentElement.lang = name === "en" ? "en" : "sr-Latn";
}
