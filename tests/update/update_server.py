#!/usr/bin/env python3
"""The update host for the tests: serves files from a folder on 127.0.0.1 only, on a port of the
system's choosing, and logs every request. Beside a served file, NAME.status gives another status
code, NAME.delay makes it wait that many seconds before answering, NAME.trickle sends the body one
byte at a time with that many seconds between bytes, and NAME.redirect answers 302 to the address
it holds. It ends on GET /__quit or after its lifetime, whichever comes first.

  update_server.py start ROOT STATE_DIR [LIFETIME]   # returns once the port is written
  update_server.py stop STATE_DIR
"""
import http.server
import os
import sys
import threading
import time
import urllib.request


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.path.split("?", 1)[0]
        with self.server.log_lock, open(self.server.log_path, "a") as log:
            log.write(f"GET {path}\n")
        if path == "/__quit":
            self.answer(200, b"bye")
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return
        file = os.path.normpath(os.path.join(self.server.root, path.lstrip("/")))
        if not file.startswith(self.server.root):
            return self.answer(403, b"")
        delay = self.sidecar(file, ".delay")
        if delay:
            time.sleep(float(delay))
        redirect = self.sidecar(file, ".redirect")
        if redirect:
            return self.answer(302, b"", {"Location": redirect.strip()})
        status = int(self.sidecar(file, ".status") or 200)
        trickle = float(self.sidecar(file, ".trickle") or 0)
        if os.path.isfile(file):
            with open(file, "rb") as f:
                return self.answer(status, f.read(), trickle=trickle)
        self.answer(404, b"<html><body>Not Found</body></html>")

    def sidecar(self, file, suffix):
        try:
            with open(file + suffix) as f:
                return f.read()
        except OSError:
            return None

    def answer(self, status, body, headers=None, trickle=0):
        try:
            self.send_response(status)
            for k, v in (headers or {}).items():
                self.send_header(k, v)
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "max-age=3600")  # a cache would keep it: the client must not
            self.end_headers()
            if not trickle:
                self.wfile.write(body)
                return
            for i in range(len(body)):
                self.wfile.write(body[i:i + 1])
                self.wfile.flush()
                time.sleep(trickle)
        except OSError:
            pass


def serve(root, state, lifetime):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.root = os.path.abspath(root)
    server.log_path = os.path.join(state, "requests.log")
    server.log_lock = threading.Lock()
    open(server.log_path, "w").close()
    threading.Timer(lifetime, server.shutdown).start()
    with open(os.path.join(state, "port.tmp"), "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(os.path.join(state, "port.tmp"), os.path.join(state, "port"))
    server.serve_forever()
    os._exit(0)


def start(root, state, lifetime):
    os.makedirs(root, exist_ok=True)
    os.makedirs(state, exist_ok=True)
    port_file = os.path.join(state, "port")
    if os.path.exists(port_file):
        os.remove(port_file)
    if os.fork() == 0:
        os.setsid()
        fd = os.open(os.devnull, os.O_RDWR)
        for n in (0, 1, 2):
            os.dup2(fd, n)
        serve(root, state, lifetime)
    for _ in range(100):
        if os.path.exists(port_file):
            return 0
        time.sleep(0.05)
    return 1


def stop(state):
    try:
        with open(os.path.join(state, "port")) as f:
            port = f.read().strip()
        urllib.request.urlopen(f"http://127.0.0.1:{port}/__quit", timeout=5).read()
    except OSError:
        pass
    return 0


if __name__ == "__main__":
    if sys.argv[1] == "start":
        sys.exit(start(sys.argv[2], sys.argv[3], float(sys.argv[4]) if len(sys.argv) > 4 else 600))
    sys.exit(stop(sys.argv[2]))
