"""An FTP server that misbehaves on purpose, one scenario per run.

Prints its port on the first line of standard output; serves one control
connection; logs each command line to --log; exits when done, when the test
stops it, or after a minute.
"""
import argparse
import os
import socket
import struct
import threading
import time


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("scenario")
    ap.add_argument("--log", required=True)
    args = ap.parse_args()
    sc = args.scenario

    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(1)
    print(listener.getsockname()[1], flush=True)
    threading.Timer(60, lambda: os._exit(0)).start()

    conn, _ = listener.accept()
    log = open(args.log, "w")
    buf = b""

    def send(text, bytewise=False):
        data = text.encode()
        if bytewise:
            for i in range(len(data)):
                conn.sendall(data[i:i + 1])
                time.sleep(0.002)
        else:
            conn.sendall(data)

    def read_line():
        nonlocal buf
        while b"\r\n" not in buf:
            chunk = conn.recv(4096)
            if not chunk:
                return None
            buf += chunk
        line, buf = buf.split(b"\r\n", 1)
        text = line.decode("latin-1")
        log.write(text + "\n")
        log.flush()
        return text

    if sc == "silence":
        time.sleep(30)
        return
    bytewise = sc == "bytewise"
    send("220-Welcome\r\n220 Ready\r\n", bytewise)
    data_listener = None
    while True:
        line = read_line()
        if line is None:
            return
        cmd = line.split(" ")[0].upper()
        if cmd == "USER":
            send("230 Logged on straight away\r\n" if sc == "user230" else "331 Password please\r\n", bytewise)
        elif cmd == "PASS":
            if sc == "pass530":
                send("530 Login incorrect.\r\n")
            elif sc == "acct332":
                send("332 Account please\r\n")
            else:
                send("230-Logged on\r\n230-Enjoy\r\n230 OK\r\n", bytewise)
        elif cmd == "ACCT":
            send("332 Still need an account\r\n")
        elif cmd == "MKD":
            if line[4:] == "a":
                send("550 a: File exists\r\n")
            elif line[4:] == "x":
                send("553 Not allowed\r\n")
            else:
                send('257 "%s" created\r\n' % line[4:])
        elif cmd == "TYPE":
            send("200 Type set to I\r\n")
        elif cmd == "PASV":
            data_listener = socket.socket()
            data_listener.bind(("127.0.0.1", 0))
            data_listener.listen(1)
            p = data_listener.getsockname()[1]
            if sc == "pasv-bad":
                send("227 Entering Passive Mode (127,0,0,256,%d,%d)\r\n" % (p // 256, p % 256))
            else:
                # A foreign address: the client must use ours instead.
                send("227 Entering Passive Mode (10,255,0,7,%d,%d)\r\n" % (p // 256, p % 256))
        elif cmd == "PORT":
            n = [int(x) for x in line[5:].split(",")]
            port_target = ("%d.%d.%d.%d" % tuple(n[:4]), n[4] * 256 + n[5])
            send("200 PORT OK\r\n")
        elif cmd == "STOR" and sc == "active-silent":
            # As behind a firewall: the data connection never comes.
            send("150 Opening data connection\r\n")
            time.sleep(20)
            return
        elif cmd == "STOR":
            if data_listener:
                data, _ = data_listener.accept()
            else:
                # A stranger knocks first; the client must not take it.
                stranger = socket.socket()
                stranger.bind(("127.0.0.2", 0))
                try:
                    stranger.connect(port_target)
                except OSError:
                    pass
                time.sleep(0.1)
                data = socket.create_connection(port_target)
            send("150 Go ahead\r\n")
            got = b""
            if sc == "reset":
                got = data.recv(1000)
                data.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
                data.close()
            else:
                while True:
                    chunk = data.recv(65536)
                    if not chunk:
                        break
                    got += chunk
                data.close()
            log.write("DATA %d\n" % len(got))
            log.flush()
            send("226 Transfer complete\r\n")
        else:
            send("200 OK\r\n")


main()
