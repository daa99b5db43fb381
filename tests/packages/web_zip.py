#!/usr/bin/python3
"""The web page's zip holds the page's files and nothing else, and served from where it is
unpacked it opens in Chromium with the main window and no error.

    web_zip.py ZIP SERVER_SCRIPT BROWSER_FOLDER
"""
import os
import subprocess
import sys
import tempfile
import zipfile

zip_path, server_script, browser_folder = sys.argv[1:4]
sys.path.insert(0, browser_folder)
from browser import Page, serve  # noqa: E402

EXPECTED = sorted(["index.html", "pruhomat.css", "pruhomat.js", "pruhomat.svg", "pruhomat.wasm", "pruhomat.webmanifest",
                   "pruhomat-180.png", "pruhomat-192.png", "pruhomat-512.png", "service_worker.js", "page_dialogs.js",
                   "page_elements.js", "page_events.js", "page_readers.js", "page_tooltips.js", "page_windows.js",
                   "wasi.js"])

with zipfile.ZipFile(zip_path) as archive, tempfile.TemporaryDirectory() as folder:
    names = sorted(archive.namelist())
    if names != EXPECTED:
        raise SystemExit("the zip holds %r" % names)
    archive.extractall(folder)
    server, address = serve(folder, server_script)
    try:
        page = Page(address)
        result = page.result()
        errors = page.console_errors()
        page.quit()
    finally:
        server.terminate()
    if result != "9,99 ohm 10" or errors:
        raise SystemExit("the unpacked page showed %r with the errors %r" % (result, errors))
print("the web page's zip opens as it is, unpacked anywhere")
