// The page's events handed to the program: keys to the window that takes them (each key as
// forms::Key numbers it), presses on what the program draws, what the browser's own elements
// report, tooltips under the pointer, the device's pixel ratio as the zoom changes it, and the
// page's size as a phone turns.
import { popupKey } from "./page_dialogs.js";
import { listenForTooltips } from "./page_tooltips.js";
import { activeWindow, windowNumbered } from "./page_windows.js";

const keys = { Tab: 0, ArrowLeft: 1, ArrowRight: 2, ArrowUp: 3, ArrowDown: 4, Home: 5, End: 6, " ": 7, Enter: 8, Escape: 9, ContextMenu: 10, F10: 11 };
const characterKey = 12;
const menuKey = 10;
const longPress = 500;  // ms
const fingerSlop = 10;  // CSS pixels a held finger may wander
const native = "button, input, select";

// Where the pointer is on a window's client area, in the device's pixels the program lays it out in.
function place(client, event) {
  const box = client.getBoundingClientRect();
  const scale = windowNumbered(Number(client.dataset.window))?.scale ?? 1;
  return [Math.floor((event.clientX - box.left) * scale), Math.floor((event.clientY - box.top) * scale)];
}

// The screen's size as the page lays out on it (CSS pixels), not the wider view a phone's
// browser zooms out to while a window is wider than the screen.
export function screenSize() {
  const { clientWidth, clientHeight } = document.documentElement;
  return [clientWidth, clientHeight];
}

function controlOf(target) {
  const element = target.closest?.("[data-index]");
  return element ? [Number(element.dataset.window), Number(element.dataset.index)] : null;
}

function listenToKeys(host) {
  let swallowMenu = false;
  document.addEventListener("keydown", (event) => {
    if (event.isComposing || host.ended) {
      return;
    }
    const taken = popupKey(event) || keyForProgram(host, event);
    if (taken) {
      event.preventDefault();
      event.stopPropagation();
      swallowMenu = event.key === "ContextMenu";
    }
  }, true);
  document.addEventListener("contextmenu", (event) => {
    event.preventDefault();
    const client = event.target.closest(".client");
    if (!swallowMenu && client && event.button === 2) {
      host.call("pruhomat_context_menu", Number(client.dataset.window), ...place(client, event));
    }
    swallowMenu = false;
  });
}

function keyForProgram(host, event) {
  const window = activeWindow();
  let key = keys[event.key];
  let character = 0;
  if (key === undefined) {
    if ([...event.key].length !== 1 || event.altKey || event.metaKey) {
      return false;
    }
    key = characterKey;
    character = (event.ctrlKey ? event.key.toLowerCase() : event.key).codePointAt(0);
  }
  return window ? host.call("pruhomat_key", window.id, key, character, event.ctrlKey ? 1 : 0, event.shiftKey ? 1 : 0) === 1 : false;
}

// A press and its release on what the program draws are its own; its own elements' clicks,
// typing and choices the browser reports. Nothing the program takes moves the browser's focus.
// A finger held still a moment is a long press, as the right button is to a mouse, which the
// program takes instead of the tap.
function listenToPointer(host) {
  let pressed = null;
  let held = 0;
  const letGo = () => clearTimeout(held);
  document.addEventListener("pointerdown", (event) => {
    const client = event.target.closest(".client");
    if (!client || event.button !== 0 || event.target.closest(native)) {
      return;
    }
    const window = Number(client.dataset.window);
    const touch = event.pointerType === "touch";
    if (host.call("pruhomat_pointer_down", window, ...place(client, event), touch ? 1 : 0)) {
      pressed = { window, client, x: event.clientX, y: event.clientY };
      event.preventDefault();
      letGo();
      if (touch) {
        const at = place(client, event);
        held = setTimeout(() => host.call("pruhomat_long_press", window, ...at), longPress);
      }
    }
  });
  document.addEventListener("pointermove", (event) => {
    if (pressed && Math.hypot(event.clientX - pressed.x, event.clientY - pressed.y) > fingerSlop) {
      letGo();
    }
  });
  document.addEventListener("pointercancel", () => {
    letGo();
    pressed = null;
  });
  document.addEventListener("mousedown", (event) => {
    if (event.target.closest(".client") && !event.target.closest(native)) {
      event.preventDefault();
    }
  });
  document.addEventListener("pointerup", (event) => {
    letGo();
    const released = pressed;
    pressed = null;
    if (released) {
      host.call("pruhomat_pointer_up", released.window, ...place(released.client, event));
    }
  });
}

function listenToElements(host) {
  document.addEventListener("click", (event) => {
    const control = event.target.matches(native) ? controlOf(event.target) : null;
    if (control && !event.target.matches("select, input[type=text]")) {
      host.call("pruhomat_clicked", ...control);
    }
  });
  document.addEventListener("input", (event) => {
    const control = controlOf(event.target);
    if (control && event.target.matches("input[type=text]")) {
      host.callWithText("pruhomat_edited", control, event.target.value);
    }
  });
  document.addEventListener("change", (event) => {
    const control = controlOf(event.target);
    if (control && event.target.matches("select")) {
      host.call("pruhomat_chosen", ...control, event.target.selectedIndex);
    }
  });
  document.addEventListener("focusin", (event) => {
    const control = controlOf(event.target);
    if (control && (event.target.matches(native) || event.target.getAttribute("role") === "listbox")) {
      host.call("pruhomat_focused", ...control);
    }
  });
}

// A zoom that changes the device's pixel ratio has every window laid out anew at its density:
// a zoom resizes the page, and a move to another screen changes what the media query matches.
function watchPixelRatio(host) {
  let ratio = window.devicePixelRatio;
  const changed = () => {
    if (window.devicePixelRatio !== ratio) {
      ratio = window.devicePixelRatio;
      host.call("pruhomat_pixel_ratio", ratio);
    }
  };
  // Held, for a query no one holds is collected with its listener.
  let query;
  const watch = () => {
    query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    query.addEventListener("change", () => {
      changed();
      watch();
    }, { once: true });
  };
  watch();
  addEventListener("resize", changed);
}

// Turned, or resized: the program lays its windows out for the page's new shape.
function watchScreen(host) {
  addEventListener("resize", () => host.call("pruhomat_screen", ...screenSize()));
}

export function listen(host) {
  listenToKeys(host);
  listenToPointer(host);
  listenToElements(host);
  listenForTooltips();
  watchPixelRatio(host);
  watchScreen(host);
}
