// The designer's context menu as the WAI-ARIA menu pattern has it: opened
// at the pointer (the right button, the context-menu key, Shift+F10 or a
// long press), Up and Down to move, Enter or Space to choose, Escape to
// close; items that cannot run now are shown disabled.
import { tr } from "./language.js";

export class ContextMenu {
  constructor(entries, host, run) {
    this.run = run;
    this.element = document.createElement("ul");
    this.element.role = "menu";
    this.element.className = "context-menu";
    this.element.setAttribute("aria-label", tr("Dizajn"));
    this.element.hidden = true;
    this.items = new Map();
    for (const entry of entries) {
      const li = document.createElement("li");
      if (entry.separator) {
        li.role = "separator";
      } else {
        li.role = entry.check ? "menuitemcheckbox" : "menuitem";
        li.tabIndex = -1;
        li.dataset.command = entry.command;
        const label = document.createElement("span");
        label.textContent = entry.label;
        li.append(label);
        if (entry.shortcut) {
          const shortcut = document.createElement("span");
          shortcut.className = "shortcut";
          shortcut.textContent = entry.shortcut;
          shortcut.setAttribute("aria-hidden", "true");
          li.append(shortcut);
          li.setAttribute("aria-keyshortcuts", entry.shortcut.replace("Del", "Delete"));
        }
        li.addEventListener("click", () => this.choose(li));
        li.addEventListener("pointerenter", () => li.focus());
        this.items.set(entry.command, li);
      }
      this.element.append(li);
    }
    this.element.addEventListener("keydown", (event) => this.onKey(event));
    this.element.addEventListener("focusout", (event) => {
      if (!this.element.contains(event.relatedTarget)) this.close();
    });
    host.append(this.element);
  }

  get isOpen() {
    return !this.element.hidden;
  }

  // Opens at client pixel `at` of `canvas`; `state` says which commands
  // can run and whether pair mode is on.
  open(at, canvas, state) {
    this.at = at;
    this.returnFocus = canvas;
    for (const [command, li] of this.items) {
      li.setAttribute("aria-disabled", String(!state[command]));
      if (li.role === "menuitemcheckbox") li.setAttribute("aria-checked", String(state.pairsChecked));
    }
    this.element.hidden = false;
    const canvasBox = canvas.getBoundingClientRect();
    const hostBox = this.element.offsetParent?.getBoundingClientRect() ?? { left: 0, top: 0 };
    const menuBox = this.element.getBoundingClientRect();
    const left = Math.min(canvasBox.left + at.x, window.innerWidth - menuBox.width - 2);
    const top = Math.min(canvasBox.top + at.y, window.innerHeight - menuBox.height - 2);
    this.element.style.left = `${Math.max(0, left) - hostBox.left}px`;
    this.element.style.top = `${Math.max(0, top) - hostBox.top}px`;
    this.enabled()[0]?.focus();
  }

  close() {
    if (!this.isOpen) return;
    this.element.hidden = true;
    if (this.element.contains(document.activeElement)) this.returnFocus?.focus();
  }

  enabled() {
    return [...this.items.values()].filter((li) => li.getAttribute("aria-disabled") !== "true");
  }

  choose(li) {
    if (li.getAttribute("aria-disabled") === "true") return;
    this.close();
    this.run(li.dataset.command, this.at);
  }

  onKey(event) {
    const items = this.enabled();
    const at = items.indexOf(document.activeElement);
    switch (event.key) {
      case "ArrowDown": items[(at + 1) % items.length]?.focus(); break;
      case "ArrowUp": items[(at - 1 + items.length) % items.length]?.focus(); break;
      case "Home": items[0]?.focus(); break;
      case "End": items[items.length - 1]?.focus(); break;
      case "Escape": this.close(); break;
      case "Tab": this.close(); break;
      case "Enter":
      case " ":
        if (document.activeElement?.parentElement === this.element) this.choose(document.activeElement);
        break;
      default: return;
    }
    event.preventDefault();
    event.stopPropagation();
  }
}
