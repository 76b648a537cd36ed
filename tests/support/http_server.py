#!/usr/bin/python3
"""A small web server for the tests, on 127.0.0.1 at a free port.

    http_server.py FOLDER PORT_FILE [--tls CERT KEY] [--lifetime SECONDS]

Serves the files in FOLDER. A file NAME.mode beside NAME changes how NAME is
sent: "short" claims twice its length and stops half way, "nolength" sends
no Content-Length, "stall" sends the headers and then nothing. Every request
path is appended to FOLDER/requests.log. The port goes to PORT_FILE once the
server listens; the server ends by itself after --lifetime seconds.
"""
import http.server
import os
import ssl
import sys
import threading
import time


def main():
    folder, port_file = sys.argv[1], sys.argv[2]
    tls = None
    lifetime = 60.0
    args = sys.argv[3:]
    while args:
        if args[0] == "--tls":
            tls, args = (args[1], args[2]), args[3:]
        elif args[0] == "--lifetime":
            lifetime, args = float(args[1]), args[2:]
        else:
            sys.exit("unknown argument " + args[0])

    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *a, **kw):
            super().__init__(*a, directory=folder, **kw)

        def log_message(self, *a):
            pass

        def do_GET(self):
            with open(os.path.join(folder, "requests.log"), "a") as log:
                log.write(self.path + "\n")
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
            self.send_header("Connection", "close")
            self.end_headers()
            if mode == "stall":
                time.sleep(lifetime)
                return
            self.wfile.write(body)
            self.wfile.flush()
            self.close_connection = True

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if tls:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(tls[0], tls[1])
        server.socket = context.wrap_socket(server.socket, server_side=True)
    timer = threading.Timer(lifetime, server.shutdown)
    timer.daemon = True
    timer.start()
    with open(port_file + ".tmp", "w") as f:
        f.write(str(server.server_address[1]))
    os.rename(port_file + ".tmp", port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
