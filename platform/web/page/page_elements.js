// The elements of the controls: made where the program lays them out (CSS pixels) and changed
// property by property as its calls say. Property numbers follow page::Property in
// page_calls.h, element numbers page::Element.
import { tellReader } from "./page_readers.js";

const Element = ["frame", "label", "canvas", "button", "checkbox", "option", "textfield", "list"];
export const Property = {
  Text: 0, Visible: 1, Enabled: 2, Checked: 3, Background: 4, Foreground: 5, FontSize: 6, Items: 7,
  Selected: 8, Role: 9, Name: 10, Heard: 11, State: 12, Tooltip: 13, Border: 14, Align: 15, MaxLength: 16,
  Designer: 17,
};
// The theme's colours the program names, -1 down, in the order of forms::SystemColour.
const systemColours = ["var(--face)", "var(--window)", "var(--text)", "var(--highlight)", "var(--inactive-border)"];
const alignments = ["left", "right", "center"];

function colour(value) {
  return value < 0 ? systemColours[-1 - value] : "#" + value.toString(16).padStart(6, "0");
}

function make(tag, className, parent) {
  const made = document.createElement(tag);
  made.className = className;
  parent.append(made);
  return made;
}

// The part that shows the caption, and the element that is the browser's own, where there are.
function build(kind, box) {
  switch (kind) {
    case "canvas":
      return { canvas: make("canvas", "picture", box) };
    case "button": {
      const button = make("button", "push", box);
      button.type = "button";
      return { captionPart: button, native: button };
    }
    case "checkbox":
    case "option": {
      const input = make("input", "toggle", box);
      input.type = kind === "checkbox" ? "checkbox" : "radio";
      return { captionPart: make("span", "caption", box), native: input };
    }
    case "textfield": {
      const input = make("input", "field", box);
      Object.assign(input, { type: "text", spellcheck: false, autocomplete: "off" });
      return { native: input };
    }
    case "list":
      return { native: make("select", "list", box) };
    default:
      return { captionPart: make("span", "caption", box) };
  }
}

// The box in the device's pixels of the window's density, as its surface is laid out.
export function placeElement(control, left, top, width, height) {
  Object.assign(control.box.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

export function createElement(window, index, parent, kindNumber, left, top, width, height) {
  const kind = Element[kindNumber];
  const container = parent < 0 ? window.surface : window.controls.get(parent).box;
  const box = make(kind === "checkbox" || kind === "option" ? "label" : "div", "control " + kind, container);
  box.id = `w${window.id}c${index}`;
  // The layout lists each container's children front first; the page reads them in that order.
  box.style.zIndex = String(10000 - container.childElementCount);
  const control = { window, index, kind, box, text: "", name: "", role: -1, heard: true, state: 0, ...build(kind, box) };
  for (const part of [box, control.native]) {
    if (part) {
      part.dataset.window = window.id;
      part.dataset.index = index;
    }
  }
  window.controls.set(index, control);
  placeElement(control, left, top, width, height);
}

function setItems(select, lines) {
  const items = lines === "" ? [] : lines.split("\n");
  select.replaceChildren(...items.map((item) => {
    const option = document.createElement("option");
    option.textContent = item;
    return option;
  }));
}

// A typed text is only ever text: textContent and value, never markup.
export function setText(control, property, text) {
  if (property === Property.Text) {
    control.text = text.replaceAll("\r\n", "\n");
    if (control.kind === "textfield") {
      control.native.value = text;
    } else if (control.captionPart) {
      control.captionPart.textContent = control.text;
    }
    tellReader(control);
  } else if (property === Property.Items) {
    setItems(control.native, text);
  } else if (property === Property.Tooltip) {
    control.box.dataset.tooltip = text;
  } else if (property === Property.Designer) {
    control.box.dataset.control = text;
  } else if (property === Property.Name) {
    control.name = text;
    tellReader(control);
  }
}

function setLooks(control, property, value) {
  const { box } = control;
  switch (property) {
    case Property.Visible:
      box.hidden = value === 0;
      break;
    case Property.Background:
      box.style.setProperty("--background", colour(value));
      break;
    case Property.Foreground:
      box.style.color = colour(value);
      break;
    case Property.FontSize:
      box.style.fontSize = `${Math.abs(value)}px`;
      box.style.fontWeight = value < 0 ? "bold" : "normal";
      break;
    case Property.Border:
      box.classList.toggle("sunken", value === 1);
      break;
    case Property.Align:
      box.style.textAlign = alignments[value];
      break;
    default:
      return false;
  }
  return true;
}

export function setNumber(control, property, value) {
  if (setLooks(control, property, value)) {
    return;
  }
  const { native } = control;
  switch (property) {
    case Property.Enabled:
      control.box.classList.toggle("disabled", value === 0);
      if (native) {
        native.disabled = value === 0;
      }
      break;
    case Property.Checked:
      native.checked = value === 1;
      break;
    case Property.Selected:
      native.selectedIndex = value;
      break;
    case Property.MaxLength:
      if (value > 0) {
        native.maxLength = value;
      }
      break;
    case Property.Role:
      control.role = value;
      tellReader(control);
      break;
    case Property.Heard:
      control.heard = value === 1;
      tellReader(control);
      break;
    case Property.State:
      control.state = value;
      tellReader(control);
      break;
    default:
      break;
  }
}

// The picture pixel for pixel from the box's corner.
export function drawPicture(control, rgba, width, height) {
  const { canvas } = control;
  canvas.width = width;
  canvas.height = height;
  canvas.style.width = `${width}px`;
  canvas.style.height = `${height}px`;
  canvas.getContext("2d").putImageData(new ImageData(rgba, width, height), 0, 0);
}

// A window's client area starts on a whole device pixel, where its frame may start between two
// at a ratio of 1,5, so that the browser shows every picture as it is and never blends it.
export function snapToDevicePixels(element) {
  const ratio = window.devicePixelRatio || 1;
  element.style.transform = "";
  const box = element.getBoundingClientRect();
  const shift = (at) => (Math.round(at * ratio) - at * ratio) / ratio;
  const [x, y] = [shift(box.left), shift(box.top)];
  element.style.transform = x || y ? `translate(${x}px, ${y}px)` : "";
}

// The dotted rectangle round the frame's row that has the keyboard; none for an empty one.
export function showFocusMark(control, left, top, width, height) {
  let mark = control.box.querySelector(":scope > .focus-mark");
  if (width <= 0 || height <= 0) {
    mark?.remove();
    return;
  }
  mark ??= make("div", "focus-mark", control.box);
  Object.assign(mark.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

// The keyboard to the browser's own element, or to the box a reader meets as a list.
export function focusElement(control) {
  (control.native ?? control.box).focus({ preventScroll: true });
}
