// The program's windows in the page: the main window, and each dialog as a modal window centred
// on it, the rest of the page inert meanwhile. These and the other modules answer the calls the
// program imports as "page".
import {
  createElement, drawPicture, focusElement, placeElement, setNumber, setText, showFocusMark, snapToDevicePixels,
} from "./page_elements.js";
import { copyText, messageBox, openLink, popupMenu } from "./page_dialogs.js";
import { showTooltipOf } from "./page_tooltips.js";

const windows = new Map();

export function windowNumbered(id) {
  return windows.get(id);
}

// The window that takes the keys: the last dialog opened, else the main window.
export function activeWindow() {
  return [...windows.values()].at(-1);
}

function titleBar(frame, caption, id, host) {
  const bar = document.createElement("div");
  bar.className = "title-bar";
  const title = document.createElement("span");
  title.className = "title";
  title.id = `w${id}title`;
  title.textContent = caption.trim();
  const close = document.createElement("button");
  close.type = "button";
  close.className = "close-box";
  close.setAttribute("aria-label", "Zavřít");
  close.tabIndex = -1;
  close.textContent = "×";
  close.addEventListener("click", () => host.call("pruhomat_close_box", id));
  bar.append(title, close);
  frame.append(bar);
  return title;
}

function openWindow(host, id, owner, dpi, width, height, caption) {
  const frame = document.createElement("section");
  frame.className = owner < 0 ? "window main" : "window dialog";
  const title = titleBar(frame, caption, id, host);
  frame.setAttribute("aria-labelledby", title.id);
  if (owner >= 0) {
    frame.setAttribute("role", "dialog");
    frame.setAttribute("aria-modal", "true");
    windows.forEach((open) => open.frame.setAttribute("inert", ""));
  }
  const client = document.createElement("div");
  client.className = "client";
  client.dataset.window = id;
  const surface = document.createElement("div");
  surface.className = "surface";
  client.append(surface);
  frame.append(client);
  document.getElementById("desktop").append(frame);
  const window = { id, frame, client, surface, controls: new Map(), scale: 1 };
  sizeClient(window, dpi, width, height);
  windows.set(id, window);
  placeWindow(window, owner >= 0 ? windows.get(owner).frame : null);
  return window;
}

// Centred on its owner, or across the page below a margin a small screen goes without, within
// it and on whole pixels, so that the pictures are drawn pixel for pixel.
function placeWindow(placed, owner) {
  const own = placed.frame.getBoundingClientRect();
  const margin = Math.min(40, Math.max(0, Math.floor((innerHeight - own.height) / 2)));
  const width = document.documentElement.clientWidth;
  const around = owner ? owner.getBoundingClientRect() : { left: 0, top: margin - window.scrollY, width, height: own.height };
  const left = Math.max(0, Math.round(around.left + (around.width - own.width) / 2 + window.scrollX));
  const top = Math.max(0, Math.round(around.top + (around.height - own.height) / 2 + window.scrollY));
  Object.assign(placed.frame.style, { left: `${left}px`, top: `${top}px` });
  placed.owner = owner;
  snapToDevicePixels(placed.client);
}

// The program lays a window out in the device's pixels at its density: its surface is laid out
// in them and scaled to CSS pixels as a whole, so that every box starts on a whole device pixel.
function sizeClient(sized, dpi, width, height) {
  sized.scale = dpi / 96;
  Object.assign(sized.client.style, { width: `${width / sized.scale}px`, height: `${height / sized.scale}px` });
  Object.assign(sized.surface.style, { width: `${width}px`, height: `${height}px`, transform: `scale(${1 / sized.scale})` });
  sized.surface.style.setProperty("--scale", sized.scale);
}

function rescaleWindow(id, dpi, width, height) {
  const rescaled = windows.get(id);
  sizeClient(rescaled, dpi, width, height);
  placeWindow(rescaled, rescaled.owner);
}

addEventListener("resize", () => windows.forEach((open) => placeWindow(open, open.owner)));

function closeWindow(id) {
  const closing = windows.get(id);
  if (!closing) {
    return;
  }
  closing.frame.remove();
  windows.delete(id);
  activeWindow()?.frame.removeAttribute("inert");
}

function control(id, index) {
  return windows.get(id)?.controls.get(index);
}

function programEnded() {
  document.getElementById("ended").hidden = false;
  document.getElementById("restart").focus();
}

// The calls the program imports, with its texts and pictures read from its memory.
export function pageImports(host) {
  return {
    openWindow: (id, owner, dpi, width, height, caption, length) =>
      openWindow(host, id, owner, dpi, width, height, host.text(caption, length)),
    rescaleWindow,
    place: (id, index, left, top, width, height) => placeElement(control(id, index), left, top, width, height),
    closeWindow,
    create: (id, index, parent, kind, left, top, width, height) =>
      createElement(windows.get(id), index, parent, kind, left, top, width, height),
    setNumber: (id, index, property, value) => setNumber(control(id, index), property, value),
    setText: (id, index, property, text, length) => setText(control(id, index), property, host.text(text, length)),
    drawPicture: (id, index, pixels, width, height) =>
      drawPicture(control(id, index), host.pixels(pixels, width * height * 4), width, height),
    focus: (id, index) => focusElement(control(id, index)),
    showFocusMark: (id, index, left, top, width, height) => showFocusMark(control(id, index), left, top, width, height),
    showTooltip: (id, index) => showTooltipOf(control(id, index)),
    messageBox: (prompt, length, title, titleLength) =>
      messageBox(host, host.text(prompt, length), host.text(title, titleLength)),
    popupMenu: (id, left, top, items, length) => popupMenu(host, windows.get(id), left, top, host.text(items, length)),
    copyText: (text, length) => copyText(host.text(text, length)),
    openLink: (target, length) => openLink(host.text(target, length)),
    programEnded,
  };
}
