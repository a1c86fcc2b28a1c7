// The menu bar as the WAI-ARIA menubar pattern has it: one tab stop, F10
// to reach it, Left and Right across the menus, Down or Enter into a menu,
// Up and Down within it, Enter or Space to choose, Escape to close; and the
// mouse as on the desktop (a click opens a menu, moving over the bar while
// one is open opens the next, a click elsewhere closes it). Returns
// relabel(), which shows the names in the current language.
import { tr } from "./language.js";

export function buildMenuBar(bar, menus, run) {
  const labelled = [];  // [element, Serbian name, whether it is a menu's aria-label]
  const tops = [];
  let openIndex = -1;

  const itemsOf = (index) => [...(tops[index].submenu?.querySelectorAll('[role="menuitem"]') ?? [])];

  function close(focusTop = false) {
    if (openIndex < 0) return;
    const top = tops[openIndex];
    top.submenu.hidden = true;
    top.element.setAttribute("aria-expanded", "false");
    const index = openIndex;
    openIndex = -1;
    if (focusTop) focusTopItem(index);
  }

  function focusTopItem(index) {
    tops.forEach((top, i) => (top.element.tabIndex = i === index ? 0 : -1));
    tops[index].element.focus();
  }

  function open(index, focus = "first") {
    close();
    const top = tops[index];
    focusTopItem(index);
    if (!top.submenu) return;
    top.submenu.hidden = false;
    top.element.setAttribute("aria-expanded", "true");
    openIndex = index;
    const items = itemsOf(index);
    if (focus === "first") items[0].focus();
    else if (focus === "last") items[items.length - 1].focus();
  }

  function choose(entry) {
    close();
    // The command runs once the menu is closed and focus is back on the
    // page, as a desktop command runs after its menu has gone.
    document.activeElement?.blur?.();
    run(entry.command);
  }

  function moveTop(index, delta) {
    const next = (index + delta + tops.length) % tops.length;
    if (openIndex >= 0 && tops[next].submenu) open(next);
    else {
      close();
      focusTopItem(next);
    }
  }

  menus.forEach((menu, index) => {
    const li = document.createElement("li");
    li.role = "none";
    const element = document.createElement("span");
    element.role = "menuitem";
    element.textContent = tr(menu.name);
    labelled.push([element, menu.name, false]);
    element.tabIndex = index === 0 ? 0 : -1;
    li.append(element);
    const top = { element, submenu: null, menu };
    if (menu.items) {
      element.setAttribute("aria-haspopup", "menu");
      element.setAttribute("aria-expanded", "false");
      const submenu = document.createElement("ul");
      submenu.role = "menu";
      submenu.setAttribute("aria-label", tr(menu.name));
      labelled.push([submenu, menu.name, true]);
      submenu.hidden = true;
      for (const entry of menu.items) {
        const sub = document.createElement("li");
        if (entry.separator) {
          sub.role = "separator";
        } else {
          sub.role = "none";
          const item = document.createElement("span");
          item.role = "menuitem";
          item.tabIndex = -1;
          item.textContent = tr(entry.name);
          labelled.push([item, entry.name, false]);
          item.addEventListener("click", () => choose(entry));
          item.addEventListener("mouseenter", () => item.focus());
          item.addEventListener("keydown", (event) => onItemKey(event, index, entry));
          sub.append(item);
        }
        submenu.append(sub);
      }
      li.append(submenu);
      top.submenu = submenu;
    }
    element.addEventListener("click", () => {
      if (!menu.items) choose(menu);
      else if (openIndex === index) close(true);
      else open(index, "none");
    });
    element.addEventListener("mouseenter", () => {
      if (openIndex >= 0 && openIndex !== index) {
        if (menu.items) open(index, "none");
        else {
          close();
          focusTopItem(index);
        }
      }
    });
    element.addEventListener("keydown", (event) => onTopKey(event, index));
    tops.push(top);
    bar.append(li);
  });

  function onTopKey(event, index) {
    const top = tops[index];
    switch (event.key) {
      case "ArrowRight": moveTop(index, 1); break;
      case "ArrowLeft": moveTop(index, -1); break;
      case "ArrowDown":
        if (top.submenu) open(index, "first");
        else return;
        break;
      case "ArrowUp":
        if (top.submenu) open(index, "last");
        else return;
        break;
      case "Enter":
      case " ":
        if (top.submenu) open(index, "first");
        else choose(top.menu);
        break;
      case "Home": focusTopItem(0); break;
      case "End": focusTopItem(tops.length - 1); break;
      case "Escape": close(true); break;
      default: return;
    }
    event.preventDefault();
    event.stopPropagation();
  }

  function onItemKey(event, index, entry) {
    const items = itemsOf(index);
    const at = items.indexOf(event.currentTarget);
    switch (event.key) {
      case "ArrowDown": items[(at + 1) % items.length].focus(); break;
      case "ArrowUp": items[(at - 1 + items.length) % items.length].focus(); break;
      case "Home": items[0].focus(); break;
      case "End": items[items.length - 1].focus(); break;
      case "ArrowRight": moveTop(index, 1); break;
      case "ArrowLeft": moveTop(index, -1); break;
      case "Escape": close(true); break;
      case "Enter":
      case " ": choose(entry); break;
      case "Tab": close(); return;
      default: return;
    }
    event.preventDefault();
    event.stopPropagation();
  }

  // F10 reaches the menu bar from anywhere but a dialog, as on the desktop.
  document.addEventListener("keydown", (event) => {
    if (event.key === "F10" && !document.querySelector("dialog[open]")) {
      event.preventDefault();
      close();
      focusTopItem(0);
    }
  });
  document.addEventListener("pointerdown", (event) => {
    if (openIndex >= 0 && !bar.contains(event.target)) close();
  });

  return {
    relabel() {
      for (const [element, name, isLabel] of labelled) {
        if (isLabel) element.setAttribute("aria-label", tr(name));
        else element.textContent = tr(name);
      }
    },
  };
}
