// Loads the program, compiled to WebAssembly, and starts it in the page: its calls answered by
// the page's modules, the page's events handed to it.
import { listen, screenSize } from "./page_events.js";
import { pageImports } from "./page_windows.js";
import { wasiImports } from "./wasi.js";

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// The regional decimal separator, as the desktops take theirs from the system.
function decimalSeparator() {
  return new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((part) => part.type === "decimal")?.value ?? ",";
}

const host = {
  exports: null,
  busy: false,
  ended: false,
  memory() {
    return this.exports.memory;
  },
  text(pointer, length) {
    return decoder.decode(new Uint8Array(this.exports.memory.buffer, pointer, length));
  },
  pixels(pointer, length) {
    return new Uint8ClampedArray(this.exports.memory.buffer.slice(pointer, pointer + length));
  },
  // One call at a time: an event the program's own call raises (a focus it gives) it knows.
  call(name, ...values) {
    if (this.busy) {
      return 0;
    }
    this.busy = true;
    try {
      return this.exports[name](...values);
    } finally {
      this.busy = false;
    }
  },
  callWithText(name, before, text) {
    const bytes = encoder.encode(text);
    const pointer = this.exports.pruhomat_alloc(Math.max(bytes.length, 1));
    new Uint8Array(this.exports.memory.buffer, pointer, bytes.length).set(bytes);
    const result = this.call(name, ...before, pointer, bytes.length);
    this.exports.pruhomat_free(pointer);
    return result;
  },
  start() {
    this.ended = false;
    document.getElementById("ended").hidden = true;
    this.callWithText("pruhomat_start", [window.devicePixelRatio || 1, ...screenSize()], decimalSeparator());
    requestAnimationFrame(() => performance.mark("pruhomat-painted"));
  },
};

// Anything the page's policy refused is an error of the page's own.
document.addEventListener("securitypolicyviolation", (event) =>
  console.error(`refused by the page's policy: ${event.violatedDirective} ${event.blockedURI}`));

const imports = pageImports(host);
const programEnded = imports.programEnded;
imports.programEnded = () => {
  host.ended = true;
  programEnded();
};
const { instance } = await WebAssembly.instantiateStreaming(fetch("pruhomat.wasm"), {
  page: imports,
  wasi_snapshot_preview1: wasiImports(() => host.memory()),
});
host.exports = instance.exports;
host.exports._initialize();
listen(host);
document.getElementById("restart").addEventListener("click", () => host.start());
host.start();

// Kept for working with no network, its files fetched once the window is painted, not before.
// Where the browser allows no worker, as for a page opened from a file, the page works as it
// is, only not offline.
requestAnimationFrame(() => setTimeout(() => navigator.serviceWorker?.register("service_worker.js")
  .catch((error) => console.warn(`no offline copy: ${error}`))));

// Kept for working with no network, its files fetched once the window is painted, not before.
// Where the browser allows no worker, as for a page opened from a file, the page works as it
// is, only not offline.
requestAnimationFrame(() => setTimeout(() => navigator.serviceWorker?.register("service_worker.js")
  .catch((error) => console.warn(`no offline copy: ${error}`))));
