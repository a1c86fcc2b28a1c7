// The dialogs, laid out from the desktop's templates (forms/, through the
// core's catalogue): each control at its box, dialog units turned into
// pixels from the dialog font as the desktop turns them (a quarter of the
// average letter width across, an eighth of the line height down). Every
// dialog is modal and closes by its accept button, Enter, Escape or the
// close box alike: there is no cancel, nothing is undone.
import { tr } from "./language.js";

// The desktop's units: the average width of the 52 letters, rounded to
// whole pixels, over 4; the line height over 8. As on the desktop, a
// dialog grows across with its texts: where a one-line text is wider in
// the page's font than its box, the units widen until it fits, so that
// every text shows whole.
export function dialogUnits(font, form) {
  const context = document.createElement("canvas").getContext("2d");
  context.font = font;
  const letters = context.measureText("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const height = letters.fontBoundingBoxAscent + letters.fontBoundingBoxDescent;
  const units = { x: Math.round(letters.width / 52) / 4, y: height / 8 };
  for (const item of form?.items ?? []) {
    if (!item.text) continue;
    const [, , w, h] = item.box;
    // What a control needs besides its text: a button's border and
    // padding, a radio button's circle, a group caption's gap and inset.
    const extra = { defaultButton: 14, button: 12, firstRadio: 22, radio: 22, group: 20,
      groupCentred: 20, groupRight: 20, static: 2 }[item.kind];
    const oneLine = item.kind !== "static" || h * units.y < 2 * height;
    if (extra === undefined || !oneLine) continue;
    const needed = context.measureText(item.text).width + extra;
    units.x = Math.max(units.x, needed / w);
  }
  return units;
}

// Both corners are converted, so that boxes that touch in units touch in
// pixels.
function toPixels(box, units) {
  const [x, y, w, h] = box;
  const left = Math.round(x * units.x);
  const top = Math.round(y * units.y);
  return {
    left,
    top,
    width: Math.round((x + w) * units.x) - left,
    height: Math.round((y + h) * units.y) - top,
  };
}

// A box in pixels: the item's own when the template is at fixed pixels.
function place(element, box, units, pixels) {
  const r = pixels
    ? { left: pixels[0], top: pixels[1], width: pixels[2], height: pixels[3] }
    : toPixels(box, units);
  Object.assign(element.style, {
    left: `${r.left}px`,
    top: `${r.top}px`,
    width: `${r.width}px`,
    height: `${r.height}px`,
  });
}

let dialogCount = 0;

// The label of an edit: the text to its left on the same row, nearest to it.
function labelOf(edit, items) {
  const [x, y, , h] = edit.box;
  let best = null;
  for (const item of items) {
    if (item.kind !== "static" || !item.text) continue;
    const [ix, iy, iw, ih] = item.box;
    const overlaps = iy < y + h && y < iy + ih;
    if (overlaps && ix + iw <= x + 2 && (!best || ix + iw > best.box[0] + best.box[2])) best = item;
  }
  return best;
}

// Builds the dialog of a form. Returns {dialog, control(id), closed,
// close()} where `closed` is a promise that settles when it closes;
// `show()` opens it. Options: `closeBox` (default true) and `onEscape`,
// what Escape does instead of closing.
export function buildDialog(form, units, host, options = {}) {
  const { closeBox: withCloseBox = true, onEscape } = options;
  const number = ++dialogCount;
  const dialog = document.createElement("dialog");
  dialog.className = "template";
  const title = document.createElement("div");
  title.className = "titlebar";
  const caption = document.createElement("h2");
  caption.id = `dialog-${number}-title`;
  caption.textContent = form.caption;
  const closeBox = document.createElement("button");
  closeBox.type = "button";
  closeBox.className = "closebox";
  closeBox.tabIndex = -1;
  closeBox.setAttribute("aria-label", tr("Zatvori"));
  closeBox.textContent = "\u00d7";
  title.append(caption);
  if (withCloseBox) title.append(closeBox);
  dialog.setAttribute("aria-labelledby", caption.id);

  const client = document.createElement("div");
  client.className = "client";
  place(client, [0, 0, form.width, form.height], units,
    form.pixelWidth ? [0, 0, form.pixelWidth, form.pixelHeight] : undefined);
  client.style.position = "relative";
  client.style.left = client.style.top = "";

  const controls = new Map();
  const labelIds = new Map();
  let radioGroup = "";
  let defaultButton = null;
  form.items.forEach((item, index) => {
    const id = `dialog-${number}-item-${index}`;
    let element;
    switch (item.kind) {
      case "defaultButton":
      case "button":
        element = document.createElement("button");
        element.type = "button";
        element.textContent = item.text;
        if (item.kind === "defaultButton") {
          element.classList.add("default");
          defaultButton = element;
        }
        break;
      case "static":
      case "centredStatic":
        element = document.createElement("div");
        element.className = item.kind === "static" ? "static" : "static centred";
        element.textContent = item.text ?? "";
        labelIds.set(item, id);
        break;
      case "edit":
        element = document.createElement("input");
        element.type = "text";
        element.spellcheck = false;
        element.autocomplete = "off";
        break;
      case "firstRadio":
      case "radio": {
        if (item.kind === "firstRadio") radioGroup = `${id}-group`;
        element = document.createElement("label");
        element.className = "radio";
        const input = document.createElement("input");
        input.type = "radio";
        input.name = radioGroup;
        const text = document.createElement("span");
        text.textContent = item.text;
        element.append(input, text);
        controls.set(item.id, input);
        break;
      }
      case "group":
      case "groupCentred":
      case "groupRight": {
        element = document.createElement("div");
        element.className = `group ${item.kind}`;
        if (item.text) {
          const text = document.createElement("span");
          text.className = "caption";
          text.textContent = item.text;
          element.append(text);
        }
        break;
      }
      case "icon":
      case "picture": {
        element = document.createElement(item.kind === "picture" ? "div" : "span");
        element.className = item.kind;
        const image = document.createElement("img");
        image.src = `art/${item.image}`;
        image.alt = item.kind === "picture" ? form.caption : "";
        element.append(image);
        break;
      }
      case "listBox":
        element = document.createElement("ul");
        element.role = "listbox";
        element.className = "listbox";
        break;
      default:
        return;
    }
    element.id = element.id || id;
    element.classList.add("control");
    place(element, item.box, units, item.pixels);
    if (item.kind === "icon" || item.kind === "picture") {
      element.style.width = element.style.height = "";
    }
    if (!controls.has(item.id) && item.id !== -1) controls.set(item.id, element);
    client.append(element);
  });
  for (const item of form.items) {
    if (item.kind !== "edit") continue;
    const label = labelOf(item, form.items);
    if (label) controls.get(item.id).setAttribute("aria-labelledby", labelIds.get(label));
  }
  dialog.append(title, client);
  host.append(dialog);

  let settle;
  const closed = new Promise((resolve) => (settle = resolve));
  const close = () => {
    if (!dialog.open) return;
    dialog.close();
    dialog.remove();
    settle();
  };
  defaultButton?.addEventListener("click", close);
  closeBox.addEventListener("click", close);
  dialog.addEventListener("cancel", (event) => {
    event.preventDefault();
    if (onEscape) onEscape();
    else close();
  });
  dialog.addEventListener("keydown", (event) => {
    // Escape is handled here, before the browser's own closing of a modal
    // dialog, which would skip the cancel event after a second press.
    if (event.key === "Escape" && !event.defaultPrevented) {
      event.preventDefault();
      if (onEscape) onEscape();
      else close();
    } else if (event.key === "Enter" && event.target.tagName !== "BUTTON") {
      event.preventDefault();
      defaultButton?.click();
    }
  });

  return {
    dialog,
    closed,
    close,
    client,
    control: (id) => controls.get(id),
    show() {
      dialog.showModal();
      // The first control of the template that takes focus, as the desktop
      // focuses it.
      const first = client.querySelector("button, input");
      first?.focus();
    },
  };
}
