#!/usr/bin/python3
"""What a screen reader hears of the Linux program, read through AT-SPI as a reader reads it.

    screen_reader.py PROGRAM LOCALE_DIR

Run inside a D-Bus session of its own (dbus-run-session) on a virtual X server (xvfb-run):
starts the program in Czech, drives it with real keys (XTest, through xdotool) and reads the
accessible tree back after each step.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, LOCALE_DIR = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what)


def wait_for(condition, what, limit=30):
    """Serves the reader's events until the condition holds; a hang has failed."""
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        time.sleep(0.02)
    raise SystemExit("gave up waiting: " + what)


def states(accessible):
    return {pyatspi.stateToString(state) for state in accessible.getState().getStates()}


def shown(accessible):
    """Every object a reader meets under it, depth first, as (role, name, states)."""
    found = []
    for child in accessible:
        found.append((child.getRoleName(), child.name, states(child), child))
        found.extend(shown(child))
    return found


def named(frame, role, name):
    return next((found for found in shown(frame) if found[0] == role and found[1] == name), None)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in desktop if app is not None and app.name == "pruhomat"), None)


def frame_named(title):
    app = application()
    return next((window for window in app if window.name.strip() == title), None) if app else None


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True)


focused_names = []
renamed = []


def on_focus(event):
    if event.detail1 == 1:
        focused_names.append(event.source.name)


def on_name(event):
    renamed.append(event.source.name)


environment = dict(os.environ, LC_ALL="cs_CZ.UTF-8", LOCPATH=LOCALE_DIR)
program = subprocess.Popen([PROGRAM], env=environment)
try:
    main = wait_for(lambda: frame_named("Virtuální Pruhomat"), "the main window on the bus")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")

    # At start: the palette is a list whose selection, the highlighted swatch, has the focus.
    palette = named(main, "list", "Paleta")
    check(palette is not None and "focusable" in palette[2], "the palette is a focusable list")
    items = [found for found in shown(main) if found[0] == "list item"]
    check([item[1] for item in items] == ["Černá, 0", "Hnědá, 1", "Červená, 2", "Oranžová, 3", "Žlutá, 4",
                                          "Zelená, 5", "Modrá, 6", "Fialová, 7", "Šedá, 8", "Bílá, 9"],
          "the ten swatches by name: " + repr([item[1] for item in items]))
    check("focused" in items[0][2] and "selected" in items[0][2], "the first swatch has the focus at start")
    for band, colour in [(1, "bílá"), (2, "bílá"), (3, "bílá"), (4, "stříbrná"), (5, "stříbrná")]:
        check(named(main, "push button", "Pásek %d: %s" % (band, colour)) is not None, "band %d at start" % band)
    check(named(main, "label", "9,99 Ω, 10 %") is not None, "the result at start")
    option = named(main, "radio button", "5 pásků")
    check(option is not None and "checked" in option[2], "five bands chosen")
    check(named(main, "radio button", "4 pásky") is not None, "the four-band option by name")
    group = [relation for relation in option[3].getRelationSet()
             if relation.getRelationType() == pyatspi.RELATION_MEMBER_OF] if option else []
    check(len(group) == 1 and sorted(group[0].getTarget(i).name for i in range(group[0].getNTargets())) ==
          ["4 pásky", "5 pásků"], "the options in one group")
    check(not any(found[1] == "Ω" or found[1] == "%" for found in shown(main)), "the result's parts are one object")

    # Up and Down move the highlight, and the reader hears each swatch.
    key("Down", "Down", "Up")
    wait_for(lambda: focused_names[-3:] == ["Hnědá, 1", "Červená, 2", "Hnědá, 1"],
             "the swatches heard as the highlight moves, heard " + repr(focused_names))

    # A resistor entered with the keys alone, band by band.
    entered = [("4", 1, "žlutá"), ("7", 2, "fialová"), ("0", 3, "černá"), ("1", 4, "hnědá"), ("g", 5, "zlatá")]
    for typed, band, colour in entered:
        key("Right", typed)
        wait_for(lambda: named(main, "push button", "Pásek %d: %s" % (band, colour)),
                 "band %d heard as %s" % (band, colour))
        selected = [found[1] for found in shown(main) if found[1].startswith("Pásek") and "selected" in found[2]]
        check(selected == ["Pásek %d: %s" % (band, colour)], "band %d selected, not %r" % (band, selected))
    key("ctrl+Return")
    wait_for(lambda: named(main, "label", "4,7 kΩ, 5 %"), "the result 4,7 kΩ, 5 %")
    heard = ["Pásek %d: %s" % (band, colour) for _, band, colour in entered] + ["4,7 kΩ, 5 %"]
    wait_for(lambda: all(name in renamed for name in heard), "each band and the result heard as they change, heard " +
             repr(renamed))

    # The value dialog: its field, list and preview named; typed into and closed.
    key("ctrl+f")
    dialog = wait_for(lambda: frame_named("Zadat hodnotu"), "the value dialog on the bus")
    field = wait_for(lambda: named(dialog, "entry", "Hodnota"), "the value field")
    tolerances = named(dialog, "combo box", "Přesnost")
    check(tolerances is not None, "the tolerance list by name")
    items = [(item.name, "selected" in states(item)) for item in tolerances[3]] if tolerances else []
    check(items == [(percent + " %", percent == "5") for percent in
                    ["0,01", "0,02", "0,05", "0,1", "0,25", "0,5", "1", "2", "5", "10", "20"]],
          "the tolerances with the resistor's chosen: " + repr(items))
    check("focused" in field[2], "the value field has the focus")
    subprocess.run(["xdotool", "type", "--delay", "30", "330"], check=True)
    wait_for(lambda: field[3].queryText().getText(0, -1) == "330", "the typed text read back")
    wait_for(lambda: any(found[0] == "label" and found[1].startswith("330 Ω") for found in shown(dialog)),
             "the preview heard")

    # An E96 code: each marking a line of its own, heard whole.
    key("BackSpace", "BackSpace", "BackSpace")
    subprocess.run(["xdotool", "type", "--delay", "30", "01C"], check=True)
    wait_for(lambda: named(dialog, "label", "10 kΩ ±5 %"), "10 kΩ heard for 01C")
    lines = [found[1] for found in shown(dialog) if found[0] == "label"]
    check("kódy SMD: 103, 1002, 01C" in lines, "the SMD codes heard as one line: " + repr(lines))
    check("řady E3, E6, E12, E24, E48, E96, E192" in lines, "the series heard: " + repr(lines))

    # A six-band part: each band heard once, in its list; the drawing one picture named by them.
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "30", "10k 5% 50ppm"], check=True)
    sixth = wait_for(lambda: named(dialog, "combo box", "Pásek 6"), "the sixth band's list")
    wait_for(lambda: [item.name for item in sixth[3] if "selected" in states(item)] == ["červená 50 ppm/K"],
             "the sixth list heard as red, 50 ppm/K")
    pictures = [found[1] for found in shown(dialog) if found[0] == "image"]
    check(pictures == ["Součástka: hnědá, černá, černá, červená, zlatá, červená"], "the drawing one picture: " + repr(pictures))
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "30", "01C"], check=True)
    wait_for(lambda: named(dialog, "label", "10 kΩ ±5 %"), "01C again")
    kept = field[3]
    key("Return")
    wait_for(lambda: frame_named("Zadat hodnotu") is None, "the dialog gone from the bus")

    def defunct():
        try:
            return "defunct" in states(kept)
        except GLib.GError as error:
            # The bridge may have dropped the object: D-Bus says it knows it no more, which is
            # gone as a reader sees it. Any other error is the test's own.
            if "UnknownObject" in str(error) or "UnknownMethod" in str(error):
                return True
            raise
    wait_for(defunct, "the kept field answers that it is defunct")
    wait_for(lambda: named(main, "label", "10 kΩ, 5 %"), "OK drew 10 kΩ, 5 %")
    for band, colour in [(1, "hnědá"), (2, "černá"), (3, "oranžová"), (5, "zlatá")]:
        check(named(main, "push button", "Pásek %d: %s" % (band, colour)) is not None,
              "band %d heard as %s after OK" % (band, colour))

    # Black on the first band: the message box is heard as an alert with its text.
    key("Home", "0")
    alert = wait_for(lambda: next((window for window in application() if window.getRoleName() == "alert"), None),
                     "the message box on the bus")
    check(alert.name == "O Programu...", "the message box by its title, not " + repr(alert.name))
    check(named(alert, "label", "Hodnotu '0' nelze v prvním poli použít...") is not None, "the message box's text")
    wait_for(lambda: focused_names[-1:] == ["OK"], "its button heard")
    key("Return")
    wait_for(lambda: not any(window.getRoleName() == "alert" for window in application()), "the message box closed")
finally:
    program.terminate()
    program.wait(timeout=30)

if failures:
    raise SystemExit("%d checks failed" % len(failures))
print("every check held")
