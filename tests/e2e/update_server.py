#!/usr/bin/env python3
"""The maker's update server for the end-to-end tests, on 127.0.0.1.

usage: update_server.py ROOT PORT_FILE LOG_FILE [PORT]
Serves the files under ROOT (always whole, 200, never "not modified"),
answers 404 for anything else, appends "GET /path" to LOG_FILE for every
request, and waits ROOT/.delay seconds (a decimal number, when that file
exists) before it answers. Writes the port it listens on to PORT_FILE.
"""
import http.server
import os
import sys
import time

root, port_file, log_file = sys.argv[1], sys.argv[2], sys.argv[3]
port = int(sys.argv[4]) if len(sys.argv) > 4 else 0


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(log_file, "a") as log:
            log.write("GET %s\n" % self.path)
        try:
            with open(os.path.join(root, ".delay")) as delay:
                time.sleep(float(delay.read().strip() or 0))
        except (OSError, ValueError):
            pass
        path = os.path.normpath(os.path.join(root, self.path.split("?")[0].lstrip("/")))
        if not path.startswith(os.path.abspath(root) + os.sep) or not os.path.isfile(path):
            self.send_error(404)
            return
        with open(path, "rb") as served:
            body = served.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def log_message(self, *args):
        pass


root = os.path.abspath(root)
server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
server.daemon_threads = True
with open(port_file + ".part", "w") as f:
    f.write(str(server.server_address[1]))
os.rename(port_file + ".part", port_file)
server.serve_forever()
