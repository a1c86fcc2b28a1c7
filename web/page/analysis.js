// The analysis panel: a non-modal window "Analiza dizajna" over the
// designer, with <canvas id="analysis"> (what vorlen-render
// --analysis-picture draws), following every change of the design. Escape
// in it closes it alone; it closes with the designer.
import { analysisHeight, analysisWidth } from "./core.js";
import { tr } from "./language.js";

export class AnalysisPanel {
  constructor(core, host, scale, onChange) {
    this.core = core;
    this.scale = scale;
    this.onChange = onChange;
    const panel = document.createElement("dialog");
    panel.className = "analysis";
    panel.setAttribute("aria-labelledby", "analysis-title");
    const title = document.createElement("div");
    title.className = "titlebar";
    const heading = document.createElement("h2");
    heading.id = "analysis-title";
    heading.textContent = tr("Analiza dizajna");
    const close = document.createElement("button");
    close.type = "button";
    close.className = "closebox";
    close.setAttribute("aria-label", tr("Zatvori"));
    close.textContent = "\u00d7";
    close.addEventListener("click", () => this.close());
    title.append(heading, close);
    const canvas = document.createElement("canvas");
    canvas.id = "analysis";
    canvas.width = analysisWidth * scale;
    canvas.height = analysisHeight * scale;
    canvas.style.width = `${analysisWidth}px`;
    canvas.style.height = `${analysisHeight}px`;
    canvas.role = "img";
    canvas.setAttribute("aria-label",
      tr("Analiza dizajna: amplitudska i fazna karakteristika, grupno kasnjenje, impulsni odziv"));
    panel.append(title, canvas);
    // Focus stays in the panel while a person works in it, so that its
    // keys are its own.
    panel.tabIndex = -1;
    panel.addEventListener("pointerdown", (event) => {
      if (event.target.tagName !== "BUTTON") panel.focus();
    });
    panel.addEventListener("keydown", (event) => {
      if (event.key === "Escape") {
        event.preventDefault();
        event.stopPropagation();
        this.close();
      }
    });
    panel.addEventListener("cancel", (event) => {
      event.preventDefault();
      this.close();
    });
    this.titleBar = title;
    this.draggable(title, panel);
    host.append(panel);
    this.panel = panel;
    this.canvas = canvas;
  }

  get isOpen() {
    return this.panel.open;
  }

  contains(element) {
    return this.panel.contains(element);
  }

  open() {
    if (!this.panel.open) this.panel.show();
    this.show();
    this.panel.focus();
  }

  close() {
    if (!this.panel.open) return;
    this.panel.close();
    this.onChange();
  }

  show() {
    if (!this.panel.open) return;
    this.canvas.getContext("2d").putImageData(this.core.analysisPixels(this.scale), 0, 0);
    this.canvas.dataset.drawn = String(Number(this.canvas.dataset.drawn ?? 0) + 1);
  }

  // The panel moves by its title bar, as a window does.
  draggable(handle, panel) {
    handle.addEventListener("pointerdown", (event) => {
      if (event.target.tagName === "BUTTON") return;
      const box = panel.getBoundingClientRect();
      const dx = event.clientX - box.left;
      const dy = event.clientY - box.top;
      handle.setPointerCapture(event.pointerId);
      const move = (e) => {
        panel.style.left = `${e.clientX - dx}px`;
        panel.style.top = `${e.clientY - dy}px`;
        panel.style.right = "auto";
      };
      handle.addEventListener("pointermove", move);
      handle.addEventListener("pointerup", () => handle.removeEventListener("pointermove", move), { once: true });
    });
  }
}
