"""A real FTP(S) server on loopback for the tests (pyftpdlib).

Prints its port on the first line of standard output; the test stops it,
and it ends by itself after two minutes in any case.
"""
import argparse
import logging
import os
import random
import socket
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)
    ap.add_argument("--user", default="turner")
    ap.add_argument("--password", default="secret")
    ap.add_argument("--cert")
    ap.add_argument("--key")
    ap.add_argument("--host", default="127.0.0.1")
    ap.add_argument("--refuse-port", action="store_true")
    ap.add_argument("--refuse-epsv", action="store_true")
    ap.add_argument("--dead-pasv", action="store_true")
    ap.add_argument("--read-only", action="append", default=[])
    ap.add_argument("--log")
    args = ap.parse_args()

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    for folder in args.read_only:
        os.makedirs(os.path.join(args.root, folder), exist_ok=True)
        authorizer.override_perm(args.user, os.path.join(args.root, folder), "elr", recursive=True)

    base = TLS_FTPHandler if args.cert else FTPHandler
    log = open(args.log, "a") if args.log else None

    class Handler(base):
        def pre_process_command(self, line, cmd, arg):
            if log:
                log.write("PASS\n" if cmd == "PASS" else line + "\n")
                log.flush()
            return super().pre_process_command(line, cmd, arg)

        if args.refuse_port:
            def ftp_PORT(self, line):
                self.respond("502 Active mode is not allowed here.")

        if args.refuse_epsv:
            def ftp_EPSV(self, line):
                self.respond("500 Command not understood.")

        if args.dead_pasv:
            # Names a port that nobody listens on, as a server behind a
            # firewall that blocks its passive ports.
            def ftp_PASV(self, line):
                probe = socket.socket()
                probe.bind(("127.0.0.1", 0))
                port = probe.getsockname()[1]
                probe.close()
                self.respond("227 Entering Passive Mode (127,0,0,1,%d,%d)." % (port // 256, port % 256))

    Handler.authorizer = authorizer
    start = random.randrange(30000, 60000)
    Handler.passive_ports = range(start, start + 200)
    Handler.timeout = 30
    Handler.auth_failed_timeout = 0
    if args.cert:
        Handler.certfile = args.cert
        Handler.keyfile = args.key
        Handler.tls_control_required = True
        Handler.tls_data_required = True

    server = FTPServer((args.host, 0), Handler)
    print(server.socket.getsockname()[1], flush=True)

    threading.Timer(120, lambda: os._exit(0)).start()
    server.serve_forever(timeout=0.2)


main()
