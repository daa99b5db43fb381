"""The web page served on 127.0.0.1 and opened in headless Chromium through WebDriver, with the
page's elements found by their controls' designer names and real pointer and key input."""

import subprocess
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

# As the machine's probe runs Chromium: no connection of its own to anywhere.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--window-size=1100,900"]


def serve(folder, server_script):
    """The page's files served on a free port of 127.0.0.1: the server and its address."""
    server = subprocess.Popen([sys.executable, server_script, folder], stdout=subprocess.PIPE, text=True)
    return server, server.stdout.readline().strip()


def wait_for(condition, what, limit=20):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("gave up waiting: " + what)


class Page:
    def __init__(self, address, ratio=1, phone=None):
        options = Options()
        for flag in CHROMIUM_FLAGS + ["--force-device-scale-factor=%g" % ratio]:
            options.add_argument(flag)
        options.binary_location = "/usr/bin/chromium"
        # The page's regional settings are Czech, as the tests' desktops' are.
        options.add_experimental_option("prefs", {"intl.accept_languages": "cs"})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.address = address
        if phone:
            self.hold_phone(*phone)
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        self.open()

    def hold_phone(self, width, height):
        """A phone's screen of that size in CSS pixels, at a ratio of 3."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})

    def touch(self, name, dx=0, dy=0, lift=True):
        """A finger on the control's centre, moved by so many CSS pixels; lifted at once, or by lift()."""
        self.tap_element(self.control(name), dx, dy, lift)

    def tap_element(self, element, dx=0, dy=0, lift=True):
        x, y = self.driver.execute_script(
            "const r = arguments[0].getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2];", element)
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": "touchStart", "touchPoints": [{"x": x + dx, "y": y + dy}]})
        if lift:
            self.lift()

    def lift(self):
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def open(self):
        self.driver.get(self.address)
        wait_for(lambda: self.driver.find_elements(By.CSS_SELECTOR, '[data-control="vysl"]'), "the main window")
        # Shown: what changes the screen from here on comes after the first frames, as for a user.
        self.driver.execute_async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")

    def quit(self):
        self.driver.quit()

    def control(self, name):
        """The element of the control of that name in the window that takes input."""
        windows = self.driver.find_elements(By.CSS_SELECTOR, "section.window")
        return windows[-1].find_element(By.CSS_SELECTOR, '[data-control="%s"]' % name)

    def shown(self, name):
        return self.driver.execute_script("return !arguments[0].closest('[hidden]')", self.control(name))

    def text(self, name):
        return self.driver.execute_script("return arguments[0].querySelector('.caption, .push')?.textContent ?? ''",
                                          self.control(name))

    def click(self, name):
        ActionChains(self.driver).move_to_element(self.control(name)).click().perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def field(self, name):
        return self.driver.execute_script("return arguments[0].querySelector('input').value", self.control(name))

    def result(self):
        unit = [name for name in ("ohm", "kohm", "mohm") if self.shown(name)]
        return "%s %s %s" % (self.text("vysl"), "".join(unit), self.text("presn"))

    def console_errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]

    def accessibility_tree(self):
        """Every node a reader meets, its role and name; of a text, the text, not its runs."""
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return [(node["role"]["value"], node.get("name", {}).get("value", ""))
                for node in nodes if not node.get("ignored") and node["role"]["value"] != "InlineTextBox"]

    def screenshot_pixels(self, name):
        """The control's box on the screen as (red, green, blue) pixels at the device's ratio."""
        box = self.driver.execute_script(
            "const r = arguments[0].getBoundingClientRect(), k = devicePixelRatio;"
            "return [r.left * k, r.top * k, r.width * k, r.height * k].map(Math.round);", self.control(name))
        raw = subprocess.run(["convert", "png:-", "-crop", "%dx%d+%d+%d" % (box[2], box[3], box[0], box[1]),
                              "-depth", "8", "rgb:-"], input=self.driver.get_screenshot_as_png(),
                             capture_output=True, check=True).stdout
        return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]

