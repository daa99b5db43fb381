// What a screen reader meets, as ARIA: the role, name and states the program's reader decides
// (role numbers follow forms::ReaderRole, state bits page::ReaderFlags). What a reader passes
// over, a picture behind another or a part read with another control, is hidden from it.
const Roles = ["button", "checkbox", "radio", "textbox", "combobox", "label", "img", "group", "link", "listbox", "option"];
const Flags = { Selected: 1, Checked: 2, Selectable: 4, Focusable: 8, Live: 16 };

function setAttribute(element, name, value) {
  if (!element) {
    return;
  }
  if (value === null || value === undefined) {
    element.removeAttribute(name);
  } else if (element.getAttribute(name) !== value) {
    element.setAttribute(name, value);
  }
}

// The browser's own elements name themselves by their text; a reader's name other than it is
// given as a label.
function tellNative(control) {
  const visible = control.kind === "textfield" || control.kind === "list" ? "" : control.text;
  setAttribute(control.native, "aria-label", control.name && control.name !== visible ? control.name : null);
  if (control.kind === "option") {
    control.native.name = `w${control.window.id}options${control.box.parentElement.id}`;
  }
}

// A list's selected item is where its reader's focus stands.
function tellList(list) {
  const selected = list.box.querySelector(':scope > [role="option"][aria-selected="true"]');
  setAttribute(list.box, "aria-activedescendant", selected ? selected.id : null);
}

// A label the reader hears other than it reads, the result row, is one live text: its visible
// caption is passed over and its whole name said, anew when it changes.
function tellLabel(control, live) {
  setAttribute(control.box, "role", live ? "status" : null);
  setAttribute(control.captionPart, "aria-hidden", live ? "true" : null);
  let spoken = control.box.querySelector(":scope > .spoken");
  if (live) {
    spoken ??= control.box.appendChild(Object.assign(document.createElement("span"), { className: "spoken" }));
    spoken.textContent = control.name;
  } else {
    spoken?.remove();
  }
}

// A picture with no name (a body end) says nothing to a reader.
function tellOwnRole(control) {
  const role = Roles[control.role] === "img" && !control.name ? "none" : Roles[control.role];
  const { box } = control;
  if (role === "label") {
    tellLabel(control, (control.state & Flags.Live) !== 0);
    return;
  }
  setAttribute(box, "role", role ?? null);
  setAttribute(box, "aria-label", control.name || null);
  setAttribute(box, "aria-selected", role === "option" ? String((control.state & Flags.Selected) !== 0) : null);
  setAttribute(box, "tabindex", (control.state & Flags.Focusable) !== 0 ? "-1" : null);
  setAttribute(control.captionPart, "aria-hidden", control.captionPart && control.name ? "true" : null);
  const parent = control.window.controls.get(Number(box.parentElement.dataset.index));
  if (role === "option" && parent) {
    tellList(parent);
  } else if (role === "listbox") {
    tellList(control);
  }
}

export function tellReader(control) {
  if (control.role < 0) {
    return;
  }
  setAttribute(control.box, "aria-hidden", control.heard ? null : "true");
  if (control.native) {
    tellNative(control);
  } else {
    tellOwnRole(control);
  }
}
