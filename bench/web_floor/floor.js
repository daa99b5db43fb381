// The floor the web page's start-up is measured against: an empty module of the same
// toolchain loaded and called, one canvas painted, marked in the first frame after.
const { instance } = await WebAssembly.instantiateStreaming(fetch("floor.wasm"), {});
instance.exports._initialize();
instance.exports.floor_start();
document.getElementById("canvas").getContext("2d").fillRect(0, 0, 19, 82);
requestAnimationFrame(() => performance.mark("pruhomat-painted"));
