"""A small HTTP(S) server for the tests, on 127.0.0.1 at a free port.

Serves the files under --root, plus a few paths that misbehave on purpose:
/redirect/N (N redirects, then /page.htm), /status/CODE, /stall (sends
nothing for a minute), /short (claims more bytes than it sends),
/nolength (no Content-Length, the body ends at the close), /echo-headers.
Prints the port on its first line when it is ready.
"""
import argparse
import http.server
import os
import ssl
import sys
import time


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.path
        if path.startswith("/redirect/"):
            n = int(path.split("/")[2])
            self.send_response(302)
            self.send_header("Location", f"/redirect/{n - 1}" if n > 1 else "/page.htm")
            self.end_headers()
            return
        if path.startswith("/status/"):
            self.send_response(int(path.split("/")[2]))
            self.send_header("Content-Length", "5")
            self.end_headers()
            self.wfile.write(b"error")
            return
        if path == "/stall":
            time.sleep(60)
            return
        if path == "/short":
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            self.wfile.write(b"x" * 10)
            return
        if path == "/nolength":
            self.send_response(200)
            self.end_headers()
            self.wfile.write(b"y" * 3000)
            return
        if path == "/echo-headers":
            body = "".join(f"{k}: {v}\n" for k, v in self.headers.items()).encode()
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        super().do_GET()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=".")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    args = parser.parse_args()
    os.chdir(args.root)

    class Server(http.server.ThreadingHTTPServer):
        daemon_threads = True

    server = Server(("127.0.0.1", 0), Handler)
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    sys.exit(0)


if __name__ == "__main__":
    main()
