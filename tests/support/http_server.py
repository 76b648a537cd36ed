#!/usr/bin/python3
"""A small web server for the tests, on 127.0.0.1 at a free port.

    http_server.py FOLDER [--tls CERT KEY] [--lifetime SECONDS] [--log FILE]

Serves the files in FOLDER and prints its port on the first line of its
output once it listens; it ends by itself after --lifetime seconds (60).
With --log every request path is appended to FILE.

A file NAME.mode beside NAME changes how NAME is sent: "short" claims twice
its length and stops half way, "nolength" sends no Content-Length, "stall"
sends the headers and then nothing. A few paths misbehave on their own:
/redirect/N (N redirects, then /page.htm), /status/CODE, /stall (sends
nothing), /short (claims more bytes than it sends), /nolength (no length,
the body ends at the close), /echo-headers (the request's headers).
"""
import http.server
import os
import ssl
import sys
import threading
import time


def main():
    folder = sys.argv[1]
    tls = None
    lifetime = 60.0
    log = None
    args = sys.argv[2:]
    while args:
        if args[0] == "--tls":
            tls, args = (args[1], args[2]), args[3:]
        elif args[0] == "--lifetime":
            lifetime, args = float(args[1]), args[2:]
        elif args[0] == "--log":
            log, args = args[1], args[2:]
        else:
            sys.exit("unknown argument " + args[0])

    class Handler(http.server.SimpleHTTPRequestHandler):
        protocol_version = "HTTP/1.0"

        def __init__(self, *a, **kw):
            super().__init__(*a, directory=folder, **kw)

        def log_message(self, *a):
            pass

        def send_body(self, status, body, length=None):
            self.send_response(status)
            if length is not None:
                self.send_header("Content-Length", str(length))
            self.end_headers()
            self.wfile.write(body)

        def special(self, path):
            """Answers the paths that misbehave on purpose; False for others."""
            if path.startswith("/redirect/"):
                n = int(path.split("/")[2])
                self.send_response(302)
                self.send_header("Location", f"/redirect/{n - 1}" if n > 1 else "/page.htm")
                self.end_headers()
            elif path.startswith("/status/"):
                self.send_body(int(path.split("/")[2]), b"error", 5)
            elif path == "/stall":
                time.sleep(lifetime)
            elif path == "/short":
                self.send_body(200, b"x" * 10, 1000)
            elif path == "/nolength":
                self.send_body(200, b"y" * 3000)
            elif path == "/echo-headers":
                body = "".join(f"{k}: {v}\n" for k, v in self.headers.items()).encode()
                self.send_body(200, body, len(body))
            else:
                return False
            return True

        def do_GET(self):
            if log:
                with open(log, "a") as f:
                    f.write(self.path + "\n")
            if self.special(self.path):
                return
            name = os.path.join(folder, self.path.split("?")[0].lstrip("/"))
            mode_file = name + ".mode"
            if not os.path.isfile(mode_file):
                return super().do_GET()
            mode = open(mode_file).read().strip()
            body = open(name, "rb").read()
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            if mode == "short":
                self.send_header("Content-Length", str(2 * len(body)))
            elif mode != "nolength":
                self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            if mode == "stall":
                time.sleep(lifetime)
                return
            self.wfile.write(body)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if tls:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(tls[0], tls[1])
        server.socket = context.wrap_socket(server.socket, server_side=True)
    timer = threading.Timer(lifetime, server.shutdown)
    timer.daemon = True
    timer.start()
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
