// The tooltips of what the program draws: under the mouse held still a moment, and above a
// control a finger holds, as the program asks, where the finger would cover one below.
const tooltipDelay = 600;  // ms

const tip = Object.assign(document.createElement("div"), { className: "tooltip", hidden: true });
tip.setAttribute("aria-hidden", "true");
let timer = 0;
// Shown for a finger: it stays once the finger lifts, until the next press.
let held = false;

function hide() {
  clearTimeout(timer);
  tip.hidden = true;
  held = false;
}

function show(text, left, top) {
  tip.textContent = text;
  tip.hidden = false;
  const width = tip.offsetWidth;
  const fitted = Math.min(Math.max(left, window.scrollX), window.scrollX + document.documentElement.clientWidth - width);
  Object.assign(tip.style, { left: `${fitted}px`, top: `${Math.max(top, window.scrollY)}px` });
}

// While its window takes input.
export function listenForTooltips() {
  document.body.append(tip);
  document.addEventListener("pointerover", (event) => {
    if (held || event.pointerType === "touch") {
      return;
    }
    hide();
    const owner = event.target.closest("[data-tooltip]");
    if (owner?.dataset.tooltip && !owner.closest("[inert]")) {
      timer = setTimeout(() => show(owner.dataset.tooltip, event.pageX + 4, event.pageY + 20), tooltipDelay);
    }
  });
  document.addEventListener("pointerout", () => held || hide());
  document.addEventListener("pointerdown", hide);
}

// Centred above the control, as a long press on it asks.
export function showTooltipOf(control) {
  const text = control?.box.dataset.tooltip;
  if (!text) {
    return;
  }
  const box = control.box.getBoundingClientRect();
  show(text, 0, 0);
  const left = box.left + window.scrollX + (box.width - tip.offsetWidth) / 2;
  show(text, left, box.top + window.scrollY - tip.offsetHeight - 8);
  held = true;
}
