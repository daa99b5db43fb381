#!/usr/bin/python3
"""The web page's figures, in headless Chromium: its files' size as a browser fetches them
(gzip), its start-up against an empty module of the same toolchain that paints one canvas, and
a click handled with the page brought up to date, timed inside the page.

    web_bench.py SITE FLOOR_SITE SERVER_SCRIPT BROWSER_FOLDER [RUNS]
"""
import gzip
import os
import statistics
import sys

site, floor_site, server_script, browser_folder = sys.argv[1:5]
runs = int(sys.argv[5]) if len(sys.argv) > 5 else 20
sys.path.insert(0, browser_folder)
from browser import Page, serve  # noqa: E402

# A click on band 3, then on a swatch that enters its colour: each pair of presses and releases
# as the pointer makes them, the page's layout brought up to date after each, 200 times over.
CLICKS = """
const press = (name) => {
  const box = document.querySelector(`[data-control="${name}"]`).getBoundingClientRect();
  const at = { clientX: box.left + box.width / 2, clientY: box.top + box.height / 2, button: 0, bubbles: true };
  const target = document.elementFromPoint(at.clientX, at.clientY);
  target.dispatchEvent(new PointerEvent("pointerdown", at));
  target.dispatchEvent(new PointerEvent("pointerup", at));
  document.body.offsetHeight;
};
const times = [];
for (let i = 0; i < 200; ++i) {
  for (const name of ["p39", i % 2 ? "b2" : "b3"]) {
    const start = performance.now();
    press(name);
    times.push(performance.now() - start);
  }
}
times.sort((a, b) => a - b);
return times[times.length >> 1];
"""


def gzip_size(folder):
    return sum(len(gzip.compress(open(os.path.join(folder, name), "rb").read(), 9)) for name in os.listdir(folder))


# Each load a first visit: past the browser's cache and the page's offline copy alike.
def start_up(page, address):
    page.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    page.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    times = []
    for _ in range(runs):
        page.driver.get(address)
        times.append(page.driver.execute_async_script(
            "const done = arguments[0], look = () => { const mark = performance.getEntriesByName('pruhomat-painted')[0];"
            "mark ? done(mark.startTime) : setTimeout(look, 5); }; look();"))
    return statistics.median(times)


def main():
    program_server, program = serve(site, server_script)
    floor_server, floor = serve(floor_site, server_script)
    try:
        page = Page(program)
        program_start = start_up(page, program)
        floor_start = start_up(page, floor)
        page.driver.get(program)
        page.open()
        click = page.driver.execute_script(CLICKS)
        page.quit()
    finally:
        program_server.terminate()
        floor_server.terminate()
    size = gzip_size(site)
    verdict = lambda met: "met" if met else "missed"
    print("page's files, gzip:      %d bytes (target <= 256000)  %s" % (size, verdict(size <= 256000)))
    print("start-up, median of %d:  %.1f ms against the floor's %.1f ms, ratio %.2f (target <= 2)  %s"
          % (runs, program_start, floor_start, program_start / floor_start, verdict(program_start <= 2 * floor_start)))
    print("click, median:           %.3f ms (target < 1 ms)  %s" % (click, verdict(click < 1)))


main()
