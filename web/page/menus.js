// The menu bar: the main window's menus, in order, with the desktop's
// texts (File is left out: a browser tab has no documents). A menu with a
// command and no items runs it when chosen, as on the desktop. Commands:
// "view:NAME" draws a view, "dialog:NAME" opens a dialog, "designer" the
// pole-zero designer.
import { tr } from "./language.js";

export const separator = { separator: true };

export const menus = [
  { name: "Odabir ulaznog signla", command: "dialog:signal" },
  { name: "DFT", command: "view:dft" },
  {
    name: "NF Filtar",
    items: [
      { name: "Parametri Filtra", command: "dialog:lowpass" },
      separator,
      { name: "Filtriranje u frekv. domenu", command: "view:filter-spectrum" },
    ],
  },
  {
    name: "Decimacija",
    items: [
      { name: "Blok shema decimatora", command: "dialog:decimatorDiagram" },
      separator,
      { name: "Podesavanje parametara", command: "dialog:decimator" },
      separator,
      { name: "Vremenski Domen", command: "view:decimation-time" },
      { name: "Frekvencijski Domen", command: "view:decimation-frequency" },
    ],
  },
  {
    name: "Interpolacija",
    items: [
      { name: "Blok shema interpolatora", command: "dialog:interpolatorDiagram" },
      separator,
      { name: "Podesavanje parametara", command: "dialog:interpolator" },
      separator,
      { name: "Vremenski Domen", command: "view:interpolation-time" },
      { name: "Frekvencijski Domen", command: "view:interpolation-frequency" },
    ],
  },
  {
    // The desktop's text, with its blank.
    name: "Konverzija ",
    items: [
      { name: "Blok shema konvertora", command: "dialog:converterDiagram" },
      separator,
      { name: "Parametri konvertora frekvencije", command: "dialog:converter" },
      separator,
      { name: "Vremenski domen", command: "view:conversion-time" },
      { name: "Frekvencijski domen", command: "view:conversion-frequency" },
    ],
  },
  { name: "Ad Hoc Filter", command: "designer" },
  { name: "Help", items: [{ name: "About Vorlen...", command: "dialog:about" }] },
];

// The text alternative of the picture a view draws: where it is in the
// menus, as a person finds it there.
export function viewLabel(view) {
  if (view === "blank") return tr("Prazan prikaz");
  for (const menu of menus) {
    if (menu.command === `view:${view}`) return tr(menu.name).trim();
    for (const item of menu.items ?? []) {
      if (item.command === `view:${view}`) return `${tr(menu.name).trim()}: ${tr(item.name)}`;
    }
  }
  return view;
}
