#!/usr/bin/python3
"""The web page as a user meets it, in headless Chromium with real pointer and key input.

    page_test.py SITE_FOLDER SERVER_SCRIPT

The core's tests judge the behaviour; these judge the front-end: the road of one resistor, the
zero rule's box, both band counts, the dialogs and their links, the keys, "Konec", the band
pixels at two pixel ratios, what a reader meets, and a page free of errors.
"""

import sys

from selenium.webdriver.common.keys import Keys

from browser import Page, serve, wait_for

SITE, SERVER = sys.argv[1], sys.argv[2]
RED = (0xFF, 0x00, 0x00)
# The red band of a strip: 41 rows of the body, 9 pixels of colour between black edges each.
RED_BAND_PIXELS = 41 * 9
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what)


def road_of_one_resistor(page):
    page.click("automat")
    for swatch in ["b0", "b1", "b0", "b0", "b2", "b3"]:
        page.click(swatch)
    check(page.result() == "10 kohm 10", "brown, black, black, red, silver read " + page.result())


def zero_rule(page):
    page.click("p19")
    page.click("b0")
    box = wait_for(lambda: page.driver.find_elements("css selector", '[role="alertdialog"]'), "the zero rule's box")[0]
    check("Hodnotu '0' nelze v prvním poli použít..." in box.text and "O Programu..." in box.text,
          "the box says " + box.text)
    page.keys(Keys.ENTER)
    wait_for(lambda: not page.driver.find_elements("css selector", '[role="alertdialog"]'), "the box closed")
    check(page.shown("sipka1") and page.shown("p19"), "band 1 stays current and white")


def band_counts(page):
    page.click("band4")
    check(page.shown("p4none") and page.result().startswith("9,99"), "four bands: band 4 empty")
    page.click("prog")
    check(page.result() == "0,99 ohm 10", "four bands read " + page.result())
    page.click("band5")
    check(not page.shown("p4none"), "five bands again")


def about_and_its_links(page):
    page.click("Info_pr")
    dialog = wait_for(lambda: page.driver.find_elements("css selector", 'section[role="dialog"]'), "the About dialog")[0]
    check("Virtuální pruhomat verze 1.0" in dialog.text, "the version line: " + dialog.text)
    tabs = len(page.driver.window_handles)
    page.click("Frame2")
    wait_for(lambda: len(page.driver.window_handles) == tabs + 1, "the home page in a new tab")
    main_tab = page.driver.current_window_handle
    page.driver.switch_to.window(page.driver.window_handles[-1])
    check("/www/zelvotron/Index.htm" in page.driver.current_url, "the new tab opened " + page.driver.current_url)
    page.driver.close()
    page.driver.switch_to.window(main_tab)
    page.keys(Keys.ESCAPE)
    wait_for(lambda: not page.driver.find_elements("css selector", 'section[role="dialog"]'), "Esc closed the dialog")


def value_dialog(page):
    page.chord(Keys.CONTROL, "f")
    wait_for(lambda: page.driver.find_elements("css selector", 'section[role="dialog"]'), "Ctrl+F opened the value dialog")
    page.keys("4K7J")
    wait_for(lambda: page.text("lblPreview1") == "4,7 kΩ ±5 %", "the preview of 4K7J")
    page.keys(Keys.ENTER)
    wait_for(lambda: page.result() == "4,7 kohm 5", "OK drew 4K7J")
    check(page.shown("p32") and page.shown("pp5"), "yellow, violet, red, gold drawn")


def keys_and_clipboard(page):
    page.driver.execute_cdp_cmd("Browser.grantPermissions", {"origin": page.address.rstrip("/"),
                                                             "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    page.keys(Keys.RIGHT, "1", Keys.RIGHT, "0", Keys.RIGHT, "0", Keys.RIGHT, "2", Keys.RIGHT, "s")
    page.chord(Keys.CONTROL, Keys.ENTER)
    check(page.result() == "10 kohm 10", "the keys alone read " + page.result())
    page.chord(Keys.CONTROL, "c")
    copied = wait_for(lambda: page.driver.execute_async_script(
        "navigator.clipboard.readText().then(arguments[0], () => arguments[0](''))"), "the copied result")
    check(copied == "10 kΩ ±10 %", "Ctrl+C copied " + repr(copied))


def ending_and_starting_again(page):
    page.click("Exit_pr")
    restart = wait_for(lambda: page.driver.find_element("id", "restart").is_displayed() and
                       page.driver.find_element("id", "restart"), "the line that the program has ended")
    check(not page.driver.find_elements("css selector", "section.window"), "the window gave way")
    restart.click()
    wait_for(lambda: page.driver.find_elements("css selector", "section.window"), "the program started again")
    check(page.result() == "9,99 ohm 10", "it starts as at every start: " + page.result())


# A zoom that doubles the device's pixel ratio, and so halves the page's size, has the pictures
# drawn anew at twice the pixels.
def zoom(page):
    width = lambda: page.driver.execute_script("return arguments[0].querySelector('canvas').width", page.control("p19"))
    before = width()
    for size in ((1100, 900), (550, 450)):
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": size[0], "height": size[1], "deviceScaleFactor": 2, "mobile": False})
        wait_for(lambda: page.driver.execute_script("return devicePixelRatio") == 2, "the doubled ratio")
    wait_for(lambda: width() == 2 * before, "the band drawn at twice its pixels")
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


# Each swatch, band and the result met once, by name; the result's parts never alone.
def what_a_reader_meets(page):
    heard = page.accessibility_tree()
    names = [name for _, name in heard]
    for name in ["Černá, 0", "Bílá, 9", "Pásek 1: bílá", "Pásek 4: stříbrná", "Pásek 5: stříbrná", "9,99 Ω, 10 %"]:
        check(names.count(name) == 1, "%r met %d times" % (name, names.count(name)))
    check(("option", "Černá, 0") in heard and ("listbox", "Paleta") in heard, "the palette a list box of options")
    check(not any(name in ("Ω", "%", "10") for name in names), "a part of the result met alone")


# Pixel for pixel at each ratio: as the desktops draw a band at 96 and 192 dots per inch, and at
# 1,5 the canvas's own pixels, never blended on the screen.
def band_pixels(address):
    counts = []
    for ratio in (1, 1.5, 2):
        page = Page(address, ratio)
        page.click("p39")
        page.click("b2")
        drawn = page.driver.execute_script(
            "const c = arguments[0].querySelector('canvas'), d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
            "let red = 0; for (let i = 0; i < d.length; i += 4) red += d[i] == 255 && d[i + 1] == 0 && d[i + 2] == 0;"
            "return red;", page.control("p32"))
        counts.append((sum(pixel == RED for pixel in page.screenshot_pixels("p32")), drawn))
        page.quit()
    check(counts[0] == (RED_BAND_PIXELS,) * 2 and counts[2] == (4 * RED_BAND_PIXELS,) * 2 and counts[1][0] == counts[1][1],
          "red band pixels on the screen and drawn at ratios 1, 1,5 and 2: %r" % counts)


def main():
    server, address = serve(SITE, SERVER)
    try:
        page = Page(address)
        for scenario in [what_a_reader_meets, road_of_one_resistor, zero_rule, band_counts, about_and_its_links,
                         value_dialog, keys_and_clipboard, ending_and_starting_again, zoom]:
            page.open()
            scenario(page)
        check(page.console_errors() == [], "the console: %r" % page.console_errors())
        page.quit()
        band_pixels(address)
    finally:
        server.terminate()
    if failures:
        raise SystemExit("%d checks failed" % len(failures))
    print("every check held")


main()
