"""A real vsftpd on loopback for the FTPS tests, with a configuration of its own.

Anonymous users (run as the package's "ftp" user, chrooted into --root) may
write into <root>/up, so none of the machine's users or its own vsftpd set-up
is touched. TLS is required on control and data connections, and every data
connection must resume a TLS session of the log-on (require_ssl_reuse).
Prints its port once vsftpd answers; ends when stopped, or after two minutes.
"""
import argparse
import os
import random
import signal
import socket
import subprocess
import sys
import threading
import time


def greets(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1) as s:
            return s.recv(100).startswith(b"220")
    except OSError:
        return False


def main():
    ap = argparse.ArgumentParser()
    for name in ("--root", "--work", "--cert", "--key"):
        ap.add_argument(name, required=True)
    args = ap.parse_args()
    os.makedirs(os.path.join(args.root, "up"), exist_ok=True)
    os.chmod(args.root, 0o755)  # vsftpd refuses a chroot its user can write to
    os.chmod(os.path.join(args.root, "up"), 0o777)
    empty = os.path.join(args.work, "empty")
    os.makedirs(empty, mode=0o755, exist_ok=True)

    for _ in range(5):  # the free port may be taken before vsftpd binds it
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        low = random.randrange(30000, 60000)
        conf = os.path.join(args.work, "vsftpd.conf")
        with open(conf, "w") as f:
            f.write("\n".join([
                "listen=YES", "listen_ipv6=NO", "listen_address=127.0.0.1",
                "listen_port=%d" % port, "background=NO", "local_enable=NO",
                "anonymous_enable=YES", "no_anon_password=YES", "ftp_username=ftp",
                "anon_root=" + args.root, "write_enable=YES", "anon_upload_enable=YES",
                "anon_mkdir_write_enable=YES", "secure_chroot_dir=" + empty,
                "pasv_min_port=%d" % low, "pasv_max_port=%d" % (low + 100),
                "seccomp_sandbox=NO", "isolate=NO", "isolate_network=NO",
                "ssl_enable=YES", "allow_anon_ssl=YES", "force_anon_logins_ssl=YES",
                "force_anon_data_ssl=YES", "require_ssl_reuse=YES",
                "rsa_cert_file=" + args.cert, "rsa_private_key_file=" + args.key,
                "xferlog_enable=YES", "log_ftp_protocol=YES",
                "vsftpd_log_file=" + os.path.join(args.work, "vsftpd.log"),
                "",
            ]))
        proc = subprocess.Popen(["/usr/sbin/vsftpd", conf])
        deadline = time.time() + 5
        while time.time() < deadline and proc.poll() is None and not greets(port):
            time.sleep(0.05)
        if proc.poll() is None and greets(port):
            break
        proc.kill()
        proc.wait()
    else:
        sys.exit("vsftpd did not start")

    stopping = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stopping.set())
    threading.Timer(120, stopping.set).start()
    print(port, flush=True)
    while not stopping.is_set() and proc.poll() is None:
        stopping.wait(0.2)
    proc.kill()
    proc.wait()
    os._exit(0)


main()
