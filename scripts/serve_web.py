#!/usr/bin/python3
"""Serves a folder of the web page on 127.0.0.1, .wasm as application/wasm, and prints its address.

    serve_web.py FOLDER [PORT]

PORT 0 (the default) takes a free port; the first line printed is the address.
"""
import functools
import http.server
import sys


class PageHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript", ".webmanifest": "application/manifest+json"}

    def log_message(self, format, *args):
        pass


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    handler = functools.partial(PageHandler, directory=folder)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print("http://127.0.0.1:%d/" % server.server_address[1], flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
