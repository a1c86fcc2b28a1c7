// The page: the menu bar, the picture, the dialogs and the address, over
// the core in WebAssembly. The core keeps the workspace; this page keeps
// what it needs to write the address: the view shown, the formula x(n) was
// made with and the texts of the fields.
import { loadCore } from "./core.js";
import { Designer } from "./designer.js";
import { buildDialog, dialogUnits } from "./dialogs.js";
import { buildMenuBar } from "./menubar.js";
import { currentLanguage, preferredLanguage, tr, useLanguage } from "./language.js";
import { menus, viewLabel } from "./menus.js";
import { PictureCanvas } from "./picture.js";
import { fieldKeys, formatFragment, fragmentLanguage, parseFragment } from "./share.js";

const dialogFont = '13px "DejaVu Sans", "Segoe UI", sans-serif';

// The address's text for a field: what was typed, without the blanks the
// fills put in front (the rules skip them).
const fieldText = (text) => text.replace(/^ +/, "");

async function start() {
  const core = await loadCore();
  // The address's language, else the browser's preferred one, else Serbian.
  const asked = fragmentLanguage(location.hash);
  await useLanguage(asked ?? preferredLanguage(), core);
  const { catalogue } = core;
  const views = [...catalogue.views.map((view) => view.name), "polezero"];
  const signals = catalogue.signals;
  const canvas = document.getElementById("picture");
  const picture = new PictureCanvas(canvas, core);
  const notice = document.getElementById("notice");

  // As at the start of the desktop program: nothing drawn, x(n) all zero.
  const state = { view: "blank", signal: "none", fields: {} };

  const say = (text) => {
    notice.textContent = text;
  };
  const designer = new Designer(core, () => core.catalogue.forms.designer,
    document.getElementById("dialogs"), () => writeAddress());
  // The address: the main window's state, or the designer's while it is
  // open.
  const writeAddress = () => {
    const language = { lang: currentLanguage() };
    const shown = designer.isOpen
      ? { ...state, ...language, view: "polezero", events: designer.steps, analysis: designer.panel.isOpen }
      : { ...state, ...language };
    history.replaceState(null, "", formatFragment(shown));
  };

  async function showView(view) {
    state.view = view;
    await picture.show(view);
    canvas.setAttribute("aria-label", viewLabel(view));
    writeAddress();
  }

  // The address's state: the workspace as vorlen-render makes it (fields
  // first, then x(n) from its formula, three cosines unless named), then
  // the view. A fragment that cannot be read changes nothing.
  async function openAddress() {
    if (location.hash.length <= 1) return;
    const { state: wanted, error } = parseFragment(location.hash, views, signals);
    if (error) {
      say(`${tr("Adresa nije procitana:")} ${error}.`);
      return;
    }
    say("");
    core.reset();
    state.fields = {};
    for (const key of fieldKeys) {
      if (wanted.fields[key] === undefined) continue;
      core.store(key, wanted.fields[key]);
      state.fields[key] = wanted.fields[key];
    }
    state.typedA = wanted.fields.a;
    state.signal = wanted.signal ?? "three-cosines";
    core.generate(state.signal);
    designer.close();
    if (wanted.view !== "polezero") {
      await showView(wanted.view);
      return;
    }
    await showView("blank");
    // Opening runs at once; the dialog then stays open while the page goes on.
    designer.open({ steps: wanted.events, analysis: wanted.analysis });
    if (!designer.scriptAccepted) {
      say(tr("Adresa nije procitana: koraci dizajna (events) nisu ispravni."));
    }
  }

  function storeField(param, text) {
    core.store(param, text);
    state.fields[param] = fieldText(text);
    writeAddress();
  }

  function generate(signal) {
    core.generate(signal);
    state.signal = signal;
    // x(n) is made with the a stored now: that text goes to the address.
    state.fields.a = state.typedA;
    writeAddress();
  }

  const dialogs = {
    signal(form, dialog) {
      const edit = dialog.control(form.paramEdit);
      for (const [id, signal] of Object.entries(form.formulas)) {
        dialog.control(Number(id)).addEventListener("click", () => generate(signal));
      }
      edit.addEventListener("input", () => {
        core.store("a", edit.value);
        state.typedA = fieldText(edit.value);
      });
      // Opening picks the three cosines with a as the field shows it.
      dialog.control(Number(Object.keys(form.formulas)
        .find((id) => form.formulas[id] === "three-cosines"))).checked = true;
      edit.value = core.fillText("a");
      core.store("a", edit.value);
      state.typedA = fieldText(edit.value);
      generate("three-cosines");
    },
    params(form, dialog) {
      for (const field of form.fields) {
        const edit = dialog.control(field.editId);
        edit.addEventListener("input", () => storeField(field.param, edit.value));
      }
      if (form.autoWgFactorEdit) {
        const cutoff = form.fields.find((field) => field.param === "fg");
        dialog.control(form.autoWgButton).addEventListener("click", () => {
          const edit = dialog.control(cutoff.editId);
          edit.value = core.autoWg(dialog.control(form.autoWgFactorEdit).value);
          storeField("fg", edit.value);
        });
      }
      // Each fill is a change of its field, stored before the next is filled.
      for (const field of form.fields) {
        const edit = dialog.control(field.editId);
        edit.value = core.fillText(field.param);
        storeField(field.param, edit.value);
      }
    },
  };

  async function runDialog(name) {
    const form = core.catalogue.forms[name];
    const units = dialogUnits(dialogFont, form);
    const dialog = buildDialog(form, units, document.getElementById("dialogs"));
    if (name === "signal") dialogs.signal(form, dialog);
    else if (form.fields) dialogs.params(form, dialog);
    dialog.show();
    await dialog.closed;
  }

  async function run(command) {
    const [kind, name] = command.split(":");
    if (kind === "view") await showView(name);
    else if (kind === "dialog") await runDialog(name);
    else if (kind === "designer") await designer.open();
  }

  const menuBar = buildMenuBar(document.getElementById("menubar"), menus, (command) => {
    say("");
    run(command);
  });

  // SR | EN, outside the menu bar: the menus, the picture and the dialogs
  // opened from now on in that language, and the address with it.
  const switchButtons = [...document.querySelectorAll("#languages button")];
  const showLanguage = () => {
    for (const button of switchButtons) {
      button.setAttribute("aria-pressed", String(button.dataset.lang === currentLanguage()));
    }
    document.getElementById("languages").setAttribute("aria-label", tr("Jezik"));
    canvas.setAttribute("aria-label", viewLabel(state.view));
  };
  for (const button of switchButtons) {
    button.addEventListener("click", async () => {
      if (button.dataset.lang === currentLanguage()) return;
      await useLanguage(button.dataset.lang, core);
      menuBar.relabel();
      await picture.show(state.view);
      showLanguage();
      writeAddress();
    });
  }
  showLanguage();
  window.addEventListener("hashchange", openAddress);
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", () => {
    picture.setScale(Math.max(1, Math.round(window.devicePixelRatio)));
    picture.show(state.view);
  });
  await openAddress();
  if (state.view === "blank" && picture.drawn === 0) await picture.show("blank");
  // Tests and benchmarks drive the page through this; firstPicture is the
  // time from navigation to the first picture, in milliseconds.
  window.vorlen = { core, run, state, picture, designer, firstPicture: performance.now() };
  document.documentElement.dataset.ready = "true";

  if ("serviceWorker" in navigator) {
    navigator.serviceWorker.register("sw.js").catch(() => {});
  }
}

start().catch((error) => {
  document.getElementById("notice").textContent = `${tr("Vorlen nije pokrenut:")} ${error.message}`;
});
