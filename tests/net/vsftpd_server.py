"""A real vsftpd on loopback for the FTPS tests, with a configuration of its own.

Anonymous users may write into <root>/up (vsftpd runs them as "nobody"
chrooted into <root>), so nothing of the machine's users or its own vsftpd
set-up is touched. TLS is required on control and data connections, and
data connections must take up the control connection's session
(require_ssl_reuse). Prints its port on the first line of standard output
once it answers; ends with vsftpd when stopped, and after two minutes.
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


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def greets(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1) as s:
            s.settimeout(1)
            return s.recv(100).startswith(b"220")
    except OSError:
        return False


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)  # owned by us, not writable by others
    ap.add_argument("--work", required=True)  # configuration, log, empty chroot folder
    ap.add_argument("--cert", required=True)
    ap.add_argument("--key", required=True)
    args = ap.parse_args()

    up = os.path.join(args.root, "up")
    os.makedirs(up, exist_ok=True)
    os.chmod(args.root, 0o755)
    os.chmod(up, 0o777)
    empty = os.path.join(args.work, "empty")
    os.makedirs(empty, exist_ok=True)
    os.chmod(empty, 0o755)

    proc = None
    for _ in range(5):  # the free port may be taken before vsftpd binds it
        port = free_port()
        low = random.randrange(30000, 60000)
        conf = os.path.join(args.work, "vsftpd.conf")
        with open(conf, "w") as f:
            f.write("\n".join([
                "listen=YES", "listen_ipv6=NO", "listen_address=127.0.0.1",
                "listen_port=%d" % port, "background=NO",
                "anonymous_enable=YES", "local_enable=NO", "no_anon_password=YES",
                "ftp_username=ftp", "anon_root=" + args.root,
                "write_enable=YES", "anon_upload_enable=YES", "anon_mkdir_write_enable=YES",
                "anon_umask=022", "secure_chroot_dir=" + empty,
                "pasv_enable=YES", "pasv_min_port=%d" % low, "pasv_max_port=%d" % (low + 100),
                "connect_from_port_20=NO", "seccomp_sandbox=NO", "isolate=NO",
                "isolate_network=NO",
                "ssl_enable=YES", "allow_anon_ssl=YES", "force_anon_logins_ssl=YES",
                "force_anon_data_ssl=YES", "require_ssl_reuse=YES",
                "rsa_cert_file=" + args.cert, "rsa_private_key_file=" + args.key,
                "xferlog_enable=YES", "vsftpd_log_file=" + os.path.join(args.work, "vsftpd.log"),
                "log_ftp_protocol=YES", "",
            ]))
        proc = subprocess.Popen(["/usr/sbin/vsftpd", conf])
        deadline = time.time() + 5
        while time.time() < deadline and proc.poll() is None and not greets(port):
            time.sleep(0.05)
        if proc.poll() is None and greets(port):
            break
        if proc.poll() is None:
            proc.kill()
        proc.wait()
        proc = None
    if proc is None:
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
