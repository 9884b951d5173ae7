#!/usr/bin/python3
"""Serves the page's site from one folder on 127.0.0.1, with the media types the page needs.

Usage: serve_site.py FOLDER [PORT]. Also imported by the browser tests, which start and stop it.
"""
import functools
import http.server
import sys
import threading


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        '.js': 'text/javascript',
        '.wasm': 'application/wasm',
        '.webmanifest': 'application/manifest+json',
        '.svg': 'image/svg+xml',
        '.woff2': 'font/woff2',
        '.txt': 'text/plain; charset=utf-8',
    }

    def log_message(self, format, *args):
        pass

    def handle(self):
        # A browser that is closed or moves on drops its connections mid-answer: not a fault here.
        try:
            super().handle()
        except (BrokenPipeError, ConnectionResetError):
            pass


class SiteServer:
    """The site on a port of 127.0.0.1 (0: any free one), served from a thread until stop()."""

    def __init__(self, folder, port=0):
        handler = functools.partial(SiteHandler, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
        self.address = f'http://127.0.0.1:{self.httpd.server_address[1]}/'
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join()


if __name__ == '__main__':
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8000
    server = SiteServer(folder, port)
    print(f'Kantrix: {server.address}', flush=True)
    try:
        server.thread.join()
    except KeyboardInterrupt:
        server.stop()
