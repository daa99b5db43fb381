#!/usr/bin/python3
"""The web page on a phone: a touch screen of 360 × 740 at a ratio of 3 held upright and turned,
opened again with no network, brought a second build, and installable.

    phone_test.py SITE_FOLDER SERVER_SCRIPT NAME_CACHE_SCRIPT WORKER_TEMPLATE
"""

import os
import shutil
import subprocess
import sys
import tempfile

from browser import Page, serve, wait_for

SITE, SERVER, NAME_CACHE, WORKER_TEMPLATE = sys.argv[1:5]
UPRIGHT, SIDEWAYS = (360, 740), (740, 360)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what)


# Nothing past the screen's edge, and a fingertip's room for every swatch, button, check box and option.
def fits_the_screen(page, what):
    width, widest, boxes = page.driver.execute_script(
        "const shown = [...document.querySelectorAll('section.window [data-control], .close-box')]"
        "  .filter((e) => e.getClientRects().length).map((e) => { const r = e.getBoundingClientRect();"
        "  return [e.dataset.control ?? 'close', e.className, r.right, Math.min(r.width, r.height)]; });"
        "return [document.documentElement.clientWidth, document.documentElement.scrollWidth, shown];")
    check(widest <= width, "%s: the page %d pixels wide on a screen of %d" % (what, widest, width))
    for name, kind, right, smaller in boxes:
        check(right <= width, "%s: %s past the screen's edge" % (what, name))
        pressed = any(part in kind for part in ("button", "checkbox", "option", "close")) or "sunken" in kind
        check(not pressed or smaller >= 40, "%s: %s only %g pixels across" % (what, name, smaller))


def tooltip(page):
    return page.driver.execute_script("const tip = document.querySelector('.tooltip'); return !tip.hidden && tip.textContent")


def dialog_open(page):
    return page.driver.find_elements("css selector", 'section[role="dialog"]')


def upright_by_taps(page):
    fits_the_screen(page, "the main window")
    page.touch("automat")
    page.touch("p19", dy=-45)  # above the band, within a finger's reach
    wait_for(lambda: page.shown("sipka1"), "band 1 taken by the tap beside it")
    for swatch in ["b1", "b0", "b0", "b2", "b3"]:
        page.touch(swatch)
    check(page.result() == "10 kohm 10", "brown, black, black, red, silver tapped read " + page.result())
    page.touch("p20", lift=False)
    check(wait_for(lambda: tooltip(page), "the held band's name") == "Pásek 2: černá", "the held band: " + tooltip(page))
    page.lift()
    check(not page.shown("sipka2") and tooltip(page), "a long press names the band and selects nothing")
    page.touch("Label20", dx=40, lift=False)  # the palette, beside its last row
    item = wait_for(lambda: page.driver.find_elements("xpath", '//*[@role="menuitem"][.="Zadat hodnotu..."]'), "the menu")
    page.lift()
    page.tap_element(item[0])
    wait_for(lambda: dialog_open(page), "the value dialog")
    page.keys("4k7 1% 50ppm")
    fits_the_screen(page, "the value dialog")
    page.hold_phone(*SIDEWAYS)
    wait_for(lambda: page.driver.execute_script(
        "const at = (name) => document.querySelector(`section.main [data-control=${name}]`).getBoundingClientRect();"
        "return at('Paleta').right < at('Resistor').left"), "the palette beside the drawing")
    page.hold_phone(*UPRIGHT)
    wait_for(lambda: page.driver.execute_script("return document.documentElement.scrollWidth") <= 360, "upright again")
    check(page.field("txtValue") == "4k7 1% 50ppm", "the typed value kept: " + page.field("txtValue"))
    page.touch("cmdCancel")
    check(page.result() == "10 kohm 10", "the resistor kept through the turns: " + page.result())
    page.touch("Info_pr")
    wait_for(lambda: dialog_open(page), "the About dialog")
    fits_the_screen(page, "the About dialog")


def kept_caches(page):
    return page.driver.execute_async_script("caches.keys().then(arguments[0])")


# The page of one build, served on the port, and a second build's copy with a marker and its own worker.
def builds(folder):
    first, second = os.path.join(folder, "first"), os.path.join(folder, "second")
    shutil.copytree(SITE, first)
    shutil.copytree(SITE, second)
    with open(os.path.join(second, "index.html"), "a", encoding="utf-8") as index:
        index.write('<meta name="build" content="second">\n')
    files = sorted(name for name in os.listdir(second) if name != "service_worker.js")
    subprocess.run(["cmake", "-DSITE=" + second, "-DTEMPLATE=" + WORKER_TEMPLATE, "-DOUTPUT=" + second + "/service_worker.js",
                    "-DFILES=" + ",".join(files), "-P", NAME_CACHE], check=True)
    return first, second


def offline_and_updated(folder):
    first, second = builds(folder)
    server, address = serve(first, SERVER)
    page = Page(address, phone=UPRIGHT)
    try:
        wait_for(lambda: page.driver.execute_script("return navigator.serviceWorker.controller !== null"), "the worker")
        errors = page.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        check(errors == [], "installable: %r" % errors)
        old = kept_caches(page)
        server.terminate()
        server.wait()
        page.open()
        for name in ["p19", "b1", "prog"]:
            page.touch(name)
        check(page.result() == "1,99 ohm 10", "the page opened and taken taps with no network: " + page.result())
        server = subprocess.Popen([sys.executable, SERVER, second, address.rsplit(":", 1)[1].strip("/")],
                                  stdout=subprocess.PIPE, text=True)
        server.stdout.readline()
        page.open()
        wait_for(lambda: len(kept_caches(page)) == 1 and kept_caches(page) != old, "the second build's cache alone")
        page.open()
        check(page.driver.find_elements("css selector", 'meta[name="build"]'), "the second build shown")
        check(page.console_errors() == [], "the console: %r" % page.console_errors())
    finally:
        page.quit()
        server.terminate()


def main():
    server, address = serve(SITE, SERVER)
    try:
        page = Page(address, phone=UPRIGHT)
        upright_by_taps(page)
        check(page.console_errors() == [], "the console: %r" % page.console_errors())
        page.quit()
    finally:
        server.terminate()
    with tempfile.TemporaryDirectory() as folder:
        offline_and_updated(folder)
    if failures:
        raise SystemExit("%d checks failed" % len(failures))
    print("every check held")


if __name__ == "__main__":
    main()
