// The pole-zero designer: a modal dialog whose client area is the core's
// picture (<canvas id="designer">, what vorlen-render polezero draws), with
// the controls of its template over it; the gestures of the desktop by
// mouse, keyboard and touch; its context menu; design files; and the
// analysis panel. Every change is kept as a step of an event script, so
// that the address can rebuild the same pictures.
import { buildDialog } from "./dialogs.js";
import { AnalysisPanel } from "./analysis.js";
import { ContextMenu } from "./context_menu.js";
import { tr } from "./language.js";
import { pictureScale } from "./picture.js";

const longPressMs = 500;
const touchSlop = 6;  // CSS pixels a finger may wander and still tap

export class Designer {
  // `formOf()` gives the designer's template in the current language.
  constructor(core, formOf, host, onChange) {
    this.core = core;
    this.formOf = formOf;
    this.host = host;
    this.onChange = onChange;  // called after every change of the steps or the panel
    this.steps = [];
    this.dialog = null;
  }

  get isOpen() {
    return this.dialog !== null;
  }

  // Opens the dialog afresh, replays `steps` (an event script's steps) and
  // opens the analysis panel when asked. Resolves when the dialog closes.
  async open({ steps = [], analysis = false } = {}) {
    const { core } = this;
    const form = this.formOf();
    this.form = form;
    // Drawn at the screen's pixels, as the desktop draws on a scaled screen.
    this.scale = pictureScale();
    core.designerOpen(this.scale);
    this.steps = [];
    const dialog = buildDialog(form, null, this.host, { closeBox: false, onEscape: () => this.reset() });
    this.dialog = dialog;
    dialog.dialog.classList.add("designer");
    const canvas = document.createElement("canvas");
    canvas.id = "designer";
    canvas.width = form.pixelWidth * this.scale;
    canvas.height = form.pixelHeight * this.scale;
    canvas.style.width = `${form.pixelWidth}px`;
    canvas.style.height = `${form.pixelHeight}px`;
    canvas.tabIndex = 0;
    canvas.role = "img";
    canvas.setAttribute("aria-label", tr("Z-ravan i amplitudska karakteristika dizajna"));
    dialog.client.prepend(canvas);
    for (const [left, top, width, height] of form.frames) {
      const frame = document.createElement("div");
      frame.className = "frame";
      Object.assign(frame.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
      dialog.client.insertBefore(frame, canvas.nextSibling);
    }
    this.canvas = canvas;
    this.context = canvas.getContext("2d");
    this.lists = [form.cartesian, form.polar].map((id) => dialog.control(id));
    this.lists[0].setAttribute("aria-label", tr("Pozicija u Dekartovim koordinatama"));
    this.lists[1].setAttribute("aria-label", tr("Pozicija u polarnim koordinatama"));
    this.zerosRadio = dialog.control(form.placeZeros);
    this.polesRadio = dialog.control(form.placePoles);
    this.zerosRadio.checked = true;
    this.zerosRadio.addEventListener("click", () => this.run("zeros"));
    this.polesRadio.addEventListener("click", () => this.run("poles"));
    dialog.control(form.reset).addEventListener("click", () => this.reset());
    this.pointer = { x: 0, y: 0 };
    this.menu = new ContextMenu(form.menu, dialog.dialog, (command) => this.command(command));
    this.panel = new AnalysisPanel(core, dialog.dialog, this.scale, () => this.onChange());
    this.listen(canvas, dialog.dialog);

    this.scriptAccepted = steps.length === 0 || this.run(steps.join(";")) >= 0;
    this.show();
    dialog.show();
    if (analysis) this.panel.open();
    this.onChange();
    await dialog.closed;
    this.panel.close();
    this.dialog = null;
    this.onChange();
  }

  close() {
    this.dialog?.close();
  }

  // Runs event-script steps, keeps them (all but pointer moves, which change
  // no picture) and shows the result. A press that finds no room flashes
  // the dialog, as the desktop rings its bell.
  run(script, { keep = true } = {}) {
    const outcome = this.core.designerEvents(script);
    if (outcome < 0) return outcome;
    if (keep) {
      this.steps.push(script);
      this.onChange();
      this.show();
    } else {
      this.showControls();
    }
    if (outcome === 2 || outcome === 3) this.flash();
    return outcome;
  }

  reset() {
    this.finishDrag();
    this.run("reset");
  }

  flash() {
    const element = this.dialog.dialog;
    element.classList.remove("flash");
    void element.offsetWidth;  // restarts the animation
    element.classList.add("flash");
  }

  // Shows the client area, the controls' state and the read-outs, and the
  // analysis when its panel is open.
  show() {
    const pixels = this.core.designerPixels(this.canvas.width, this.canvas.height);
    this.context.putImageData(pixels, 0, 0);
    this.showControls();
    this.panel.show();
    this.canvas.dataset.drawn = String(Number(this.canvas.dataset.drawn ?? 0) + 1);
  }

  showControls() {
    const state = this.core.designerState();
    this.state = state;
    this.zerosRadio.checked = state.placeZeros;
    this.polesRadio.checked = !state.placeZeros;
    [state.cartesian, state.polar].forEach((lines, index) => {
      const list = this.lists[index];
      list.replaceChildren(...lines.map((line) => {
        const option = document.createElement("li");
        option.role = "option";
        option.textContent = line;
        return option;
      }));
    });
  }

  // The client pixel under a pointer event.
  at(event) {
    const box = this.canvas.getBoundingClientRect();
    return {
      x: Math.floor((event.clientX - box.left) * this.form.pixelWidth / box.width),
      y: Math.floor((event.clientY - box.top) * this.form.pixelHeight / box.height),
    };
  }

  // A drag in steps: begun on a marker, redrawn at every move, kept as one
  // "drag" step at the release.
  beginDrag(p) {
    this.finishDrag();
    if (!this.core.designerBeginDrag(p.x, p.y)) return false;
    this.drag = { from: p, to: p };
    return true;
  }

  dragTo(p) {
    this.drag.to = p;
    if (this.core.designerDragTo(p.x, p.y)) this.show();
  }

  finishDrag(p = this.drag?.to) {
    if (!this.drag) return;
    const { from } = this.drag;
    this.drag = null;
    this.core.designerEndDrag(p.x, p.y);
    this.steps.push(`drag ${from.x},${from.y} ${p.x},${p.y}`);
    this.show();
    this.onChange();
  }

  listen(canvas, dialog) {
    let touch = null;  // a finger on the canvas: where it landed, its timer
    canvas.addEventListener("pointerdown", (event) => {
      const p = this.at(event);
      this.pointer = p;
      this.menu.close();
      if (event.pointerType === "touch") {
        touch = { id: event.pointerId, start: p, client: [event.clientX, event.clientY], moved: false };
        touch.timer = setTimeout(() => {
          touch.longPress = true;
          this.menu.open(p, this.canvas, this.menuState(p));
        }, longPressMs);
        canvas.setPointerCapture(event.pointerId);
        event.preventDefault();
        return;
      }
      if (event.button !== 0) return;
      canvas.focus();
      if (event.ctrlKey || event.metaKey) {
        if (this.beginDrag(p)) canvas.setPointerCapture(event.pointerId);
      } else if (event.shiftKey) {
        this.finishDrag();
        this.run(`pair ${p.x},${p.y}`);
      } else {
        this.finishDrag();
        this.run(`press ${p.x},${p.y}`);
      }
      event.preventDefault();
    });
    canvas.addEventListener("pointermove", (event) => {
      const p = this.at(event);
      this.pointer = p;
      if (touch && event.pointerId === touch.id) {
        const far = Math.hypot(event.clientX - touch.client[0], event.clientY - touch.client[1]) > touchSlop;
        if (!touch.moved && far && !touch.longPress) {
          touch.moved = true;
          clearTimeout(touch.timer);
          // A finger that lands on a marker and moves drags it.
          touch.dragging = this.beginDrag(touch.start);
        }
        if (touch.dragging) this.dragTo(p);
        return;
      }
      if (this.drag) {
        if (event.buttons & 1) this.dragTo(p);
        else this.finishDrag(p);
      }
      this.run(`move ${p.x},${p.y}`, { keep: false });
    });
    const release = (event) => {
      const p = this.at(event);
      if (touch && event.pointerId === touch.id) {
        clearTimeout(touch.timer);
        if (touch.dragging) this.finishDrag(p);
        else if (!touch.moved && !touch.longPress && event.type === "pointerup") {
          // A tap places, as a press does.
          this.run(`press ${touch.start.x},${touch.start.y}`);
        }
        touch = null;
        return;
      }
      if (this.drag) this.finishDrag(p);
    };
    canvas.addEventListener("pointerup", release);
    canvas.addEventListener("pointercancel", release);
    canvas.addEventListener("contextmenu", (event) => {
      event.preventDefault();
      if (touch) return;  // a long press opens it by its own timer
      this.finishDrag();
      // From the keyboard there is no position: the pointer's.
      const p = event.button === 2 || event.buttons ? this.at(event) : this.pointer;
      this.menu.open(p, this.canvas, this.menuState(p));
    });
    dialog.addEventListener("keydown", (event) => this.onKey(event));
  }

  onKey(event) {
    if (this.menu.isOpen || this.panel.contains(event.target)) return;
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    const ctrl = event.ctrlKey || event.metaKey;
    let command = null;
    if (ctrl && key === "z") command = event.shiftKey ? "redo" : "undo";
    else if (ctrl && !event.shiftKey && key === "y") command = "redo";
    else if (!ctrl && !event.shiftKey && key === "Delete") command = "remove";
    else if (ctrl && !event.shiftKey && key === "o") command = "open";
    else if (ctrl && !event.shiftKey && key === "s") command = "save";
    else if (ctrl && !event.shiftKey && key === "c") command = "copy";
    else if (ctrl && !event.shiftKey && key === "a") command = "analysis";
    else if (key === "ContextMenu" || (event.shiftKey && key === "F10")) {
      event.preventDefault();
      this.menu.open(this.pointer, this.canvas, this.menuState(this.pointer));
      return;
    }
    if (!command) return;
    event.preventDefault();
    event.stopPropagation();
    this.command(command, this.pointer);
  }

  menuState(p) {
    const state = this.state;
    return {
      undo: state.canUndo,
      redo: state.canRedo,
      remove: this.core.designerMarkerAt(p.x, p.y),
      pairs: true,
      pairsChecked: state.pairs,
      open: true,
      save: true,
      copy: state.zeros + state.poles > 0,
      analysis: true,
    };
  }

  command(command, p = this.menu.at ?? this.pointer) {
    this.finishDrag();
    switch (command) {
      case "undo": this.run("undo"); break;
      case "redo": this.run("redo"); break;
      case "remove": this.run(`remove ${p.x},${p.y}`); break;
      case "pairs": this.run(this.state.pairs ? "pairs off" : "pairs on"); break;
      case "open": this.chooseDesign(); break;
      case "save": this.saveDesign(); break;
      case "copy": this.copyCoefficients(); break;
      case "analysis": this.panel.open(); this.onChange(); break;
      default: break;
    }
  }

  chooseDesign() {
    const input = document.createElement("input");
    input.type = "file";
    input.accept = ".json,application/json";
    input.addEventListener("change", async () => {
      const file = input.files[0];
      if (file) await this.loadDesign(file);
    });
    input.click();
  }

  // A design file from the browser: the same refusals as on the desktop,
  // shown in the page; a refused file leaves the design as it was. No more
  // than the largest design file and a byte is read.
  async loadDesign(file) {
    let text;
    try {
      text = await file.slice(0, 1024 * 1024 + 1).text();
    } catch (error) {
      this.message(tr("Otvori dizajn"),
        tr("Datoteka %s ne moze da se procita: %s").replace("%s", file.name).replace("%s", error.message));
      return;
    }
    const refusal = this.core.designerLoad(text);
    if (refusal) {
      this.message(tr("Otvori dizajn"),
        tr("Datoteka %s nije dizajn: %s").replace("%s", file.name).replace("%s", refusal));
      return;
    }
    this.steps = this.loadedSteps();
    this.show();
    this.onChange();
  }

  // The steps that rebuild a loaded design's pictures: its markers pressed
  // in order, then undone and done again, which draws them on empty
  // canvases as a load does; the placement mode as it was.
  loadedSteps() {
    const markers = this.core.designerMarkers();
    const steps = [];
    let kind = -1;
    for (const [markerKind, x, y] of markers) {
      if (markerKind !== kind) steps.push(markerKind === 0 ? "zeros" : "poles");
      kind = markerKind;
      steps.push(`press ${x},${y}`);
    }
    steps.push(markers.length > 0 ? "undo;redo" : "reset");
    steps.push(this.state.placeZeros ? "zeros" : "poles");
    return steps;
  }

  saveDesign() {
    const url = URL.createObjectURL(new Blob([this.core.designerSave()], { type: "application/json" }));
    const link = document.createElement("a");
    link.href = url;
    link.download = "dizajn.json";
    link.click();
    setTimeout(() => URL.revokeObjectURL(url), 0);
  }

  async copyCoefficients() {
    if (this.state.zeros + this.state.poles === 0) return;
    try {
      await navigator.clipboard.writeText(this.core.designerOctave());
    } catch (error) {
      this.message(tr("Kopiraj koeficijente"), `${tr("Koeficijenti nisu kopirani:")} ${error.message}`);
    }
  }

  // A message over the designer, closed by its button, Enter or Escape.
  message(title, text) {
    const box = document.createElement("dialog");
    box.className = "message";
    box.role = "alertdialog";
    const heading = document.createElement("h2");
    heading.id = `message-${Date.now()}`;
    heading.textContent = title;
    const body = document.createElement("p");
    body.textContent = text;
    const ok = document.createElement("button");
    ok.type = "button";
    ok.textContent = "OK";
    box.setAttribute("aria-labelledby", heading.id);
    box.append(heading, body, ok);
    this.dialog.dialog.append(box);
    const close = () => {
      box.close();
      box.remove();
    };
    ok.addEventListener("click", close);
    box.addEventListener("keydown", (event) => {
      if (event.key === "Escape" || event.key === "Enter") {
        event.preventDefault();
        event.stopPropagation();
        close();
      }
    });
    box.showModal();
    ok.focus();
  }
}
