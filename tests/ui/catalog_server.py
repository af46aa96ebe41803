#!/usr/bin/env python3
"""Loopback stand-in for the maker's catalog server, for the live-update tests.

Serves one store file below several folders, each misbehaving in its own way:
  /good/files/database.dta       the store
  /truncated/files/database.dta  announces the whole store, sends half of it, closes
  /garbage/files/database.dta    a success status with bytes that are no store
  /stall/files/database.dta      accepts the request and never answers
  /agent/files/database.dta      the request's User-Agent as the body
  anything else                  404
Prints the port it listens on, then serves until its standard input closes.
"""

import argparse
import http.server
import os
import sys
import threading
import time


def make_handler(store_path):
    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *args):
            pass

        def send_body(self, body, announced=None):
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(body) if announced is None else announced))
            self.end_headers()
            self.wfile.write(body)
            self.wfile.flush()

        def do_GET(self):
            folder, _, rest = self.path.lstrip("/").partition("/")
            if rest != "files/database.dta":
                self.send_error(404)
                return
            if folder == "good":
                with open(store_path, "rb") as f:
                    self.send_body(f.read())
            elif folder == "truncated":
                with open(store_path, "rb") as f:
                    store = f.read()
                self.send_body(store[: len(store) // 2], announced=len(store))
                self.close_connection = True
            elif folder == "garbage":
                self.send_body(b"<html>no catalog here</html>" * 40)
            elif folder == "stall":
                time.sleep(60)
                self.close_connection = True
            elif folder == "agent":
                self.send_body(self.headers.get("User-Agent", "").encode("utf-8"))
            else:
                self.send_error(404)

    return Handler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--store", required=True)
    args = parser.parse_args()

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), make_handler(args.store))
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print(server.server_address[1], flush=True)
    # The test holds our standard input open; when it ends, so do we.
    sys.stdin.read()
    os._exit(0)


if __name__ == "__main__":
    main()
