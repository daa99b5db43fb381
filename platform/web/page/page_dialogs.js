// What the program asks of the platform beyond its windows: the message box and the popup menu,
// both modal in the page and answered back when the user has answered, the clipboard and links.
let openPopup = null;

// The key for the open message box or menu, where one is open; true where it took it.
export function popupKey(event) {
  return openPopup ? openPopup.key(event) : false;
}

let returnFocus = null;

// The windows open again as they were: only the last opened takes input.
function closePopup() {
  openPopup?.element.remove();
  openPopup = null;
  const frames = [...document.querySelectorAll(".window")];
  frames.forEach((frame, index) => frame.toggleAttribute("inert", index < frames.length - 1));
  returnFocus?.focus({ preventScroll: true });
}

function modalLayer(element) {
  returnFocus = document.activeElement;
  document.querySelectorAll(".window").forEach((frame) => frame.setAttribute("inert", ""));
  document.body.append(element);
}

// "O Programu...": the prompt, an information sign and OK; Enter, Space or Esc closes it.
export function messageBox(host, prompt, title) {
  const box = document.createElement("section");
  box.className = "message-box";
  box.setAttribute("role", "alertdialog");
  box.setAttribute("aria-modal", "true");
  box.setAttribute("aria-labelledby", "message-title");
  box.setAttribute("aria-describedby", "message-prompt");
  const heading = Object.assign(document.createElement("div"), { className: "title-bar" });
  heading.append(Object.assign(document.createElement("span"), { className: "title", id: "message-title", textContent: title }));
  const body = Object.assign(document.createElement("div"), { className: "message-body" });
  const sign = Object.assign(document.createElement("span"), { className: "information", textContent: "i" });
  sign.setAttribute("aria-hidden", "true");
  body.append(sign, Object.assign(document.createElement("p"), { id: "message-prompt", textContent: prompt }));
  const ok = Object.assign(document.createElement("button"), { type: "button", className: "push", textContent: "OK" });
  const close = () => {
    closePopup();
    host.call("pruhomat_box_closed");
  };
  ok.addEventListener("click", close);
  box.append(heading, body, ok);
  modalLayer(box);
  openPopup = {
    element: box,
    key(event) {
      if (["Enter", "Escape", " "].includes(event.key)) {
        close();
      } else if (event.key === "Tab") {
        ok.focus();
      } else {
        return event.ctrlKey || event.altKey;
      }
      return true;
    },
  };
  ok.focus();
}

function menuKey(items, choose, event) {
  const at = items.indexOf(document.activeElement);
  if (event.key === "ArrowDown" || event.key === "ArrowUp") {
    const step = event.key === "ArrowDown" ? 1 : items.length - 1;
    items[(at + step) % items.length].focus();
  } else if (event.key === "Enter" || event.key === " ") {
    choose(Math.max(at, 0));
  } else if (event.key === "Escape" || event.key === "Tab") {
    choose(-1);
  }
  return true;
}

// Its items at the place the program gives in the window (CSS pixels of its client area); a
// choice, Esc or a click elsewhere answers it.
export function popupMenu(host, window, left, top, lines) {
  const menu = document.createElement("div");
  menu.className = "popup-menu";
  menu.setAttribute("role", "menu");
  const choose = (item) => {
    closePopup();
    host.call("pruhomat_menu_chosen", item);
  };
  const items = lines.split("\n").map((text, index) => {
    const item = Object.assign(document.createElement("div"), { className: "menu-item", textContent: text, tabIndex: -1 });
    item.setAttribute("role", "menuitem");
    item.addEventListener("click", () => choose(index));
    item.addEventListener("pointermove", () => item.focus());
    return item;
  });
  menu.append(...items);
  const client = window.client.getBoundingClientRect();
  const css = (pixels) => pixels / window.scale;
  Object.assign(menu.style, { left: `${client.left + css(left) + scrollX}px`, top: `${client.top + css(top) + scrollY}px` });
  const outside = Object.assign(document.createElement("div"), { className: "popup-layer" });
  outside.addEventListener("pointerdown", (event) => event.target === outside && choose(-1));
  outside.append(menu);
  modalLayer(outside);
  // Within the page's width, as a menu opened by the right edge of a phone's screen.
  const room = scrollX + document.documentElement.clientWidth - menu.offsetWidth;
  menu.style.left = `${Math.max(scrollX, Math.min(menu.offsetLeft, room))}px`;
  openPopup = { element: outside, key: (event) => menuKey(items, choose, event) };
  items[0].focus();
}

// Through the browser's clipboard; where it refuses, a selected text copied the older way.
export function copyText(text) {
  navigator.clipboard?.writeText(text).catch(() => copyBySelection(text)) ?? copyBySelection(text);
}

function copyBySelection(text) {
  const holder = Object.assign(document.createElement("textarea"), { value: text, className: "copy-holder" });
  document.body.append(holder);
  holder.select();
  document.execCommand("copy");
  holder.remove();
}

// A web address in a new tab, the page staying; a mail link to the browser's mail program.
export function openLink(target) {
  if (target.startsWith("mailto:")) {
    window.location.href = target;
  } else if (/^https?:\/\//.test(target)) {
    window.open(target, "_blank", "noopener");
  }
}
