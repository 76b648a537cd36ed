#!/usr/bin/python3
"""The installer's whole road as a user takes it.

Stages a small set laid out as the shipped one (the program, the help pages,
the licence, a library in lib/), packs it with tools/make-setup-package.sh
(the installer's own packing mode and lzma), checks it with a reader written here from the format
description alone, installs it silently as an unprivileged user in a
temporary HOME, and compares what landed where. Nothing may be written
outside the temporary folders.

usage: install_road.py SOURCE_DIR BUILD_DIR PROGRAM
"""
import lzma
import os
import shutil
import stat
import struct
import subprocess
import sys
import tempfile

MAGIC1, MAGIC2 = 0x03345283, 0x0EFFF343
USER = 65534


def fail(text):
    print("FAIL:", text)
    sys.exit(1)


def check(condition, text):
    if not condition:
        fail(text)


def package_checksum(data):
    total = 0
    for start in range(0, len(data), 65536):
        block = data[start:start + 65536]
        whole = len(block) // 4 * 4
        total += sum(struct.unpack_from("<%dI" % (whole // 4), block))
        total += sum(block[whole:])
    total &= 0xFFFFFFFF
    return total or 1


def read_package(path):
    """Entries {name: bytes} in directory order, checking every field."""
    data = open(path, "rb").read()
    check(len(data) >= 24, "no trailer")
    trailer = data[-24:]
    checksum, tsum, directory, count, m1, m2 = struct.unpack("<6I", trailer)
    check((m1, m2) == (MAGIC1, MAGIC2), "magics")
    signed = sum(b - 256 if b > 127 else b for b in trailer[8:]) & 0xFFFFFFFF
    check(tsum == signed, "trailer sum %d != %d" % (tsum, signed))
    check(checksum == package_checksum(data[:-24]), "package checksum")
    entries = []
    at = directory
    previous_end = None
    for _ in range(count):
        offset, csize, usize, esum, nlen = struct.unpack_from("<4IB", data, at)
        name = data[at + 17:at + 17 + nlen]
        check(nlen >= 2 and name[-1] == 0 and 0 not in name[:-1], "name field")
        at += 17 + nlen
        check(offset + csize <= directory, "entry data past the directory")
        if previous_end is not None:
            check(offset == previous_end, "entries back to back")
        previous_end = offset + csize
        block = data[offset:offset + csize]
        check(sum(block) & 0xFFFFFFFF == esum, "entry checksum of %s" % name)
        props, dictionary, size = struct.unpack_from("<BIQ", block)
        check((props, dictionary) == (0x5D, 0x800000), "lzma header of %s" % name)
        check(size == usize, "header size of %s" % name)
        raw = lzma.decompress(block, format=lzma.FORMAT_ALONE)
        check(len(raw) == usize, "decoded size of %s" % name)
        entries.append((name[:-1].decode(), raw))
    check(at == len(data) - 24, "directory ends at the trailer")
    return entries


def owned_by_user(roots):
    """Entries of the user that sit right in a world-writable folder: the
    only places outside folders given to it where it can start writing.
    (Other tests may run as the same user in folders of their own.)"""
    found = set()
    for root in roots:
        for folder, dirs, files in os.walk(root, onerror=lambda e: None):
            try:
                shared = os.stat(folder).st_mode & 0o002
            except OSError:
                continue
            if not shared:
                continue
            for name in dirs + files:
                path = os.path.join(folder, name)
                try:
                    if os.lstat(path).st_uid == USER:
                        found.add(path)
                except OSError:
                    pass
    return found


def main():
    source, build, program = sys.argv[1:4]
    if os.geteuid() != 0:
        print("needs root to run the installer as another user; skipped")
        return 0
    shared = ["/tmp", "/var/tmp", "/dev/shm"]
    top = tempfile.mkdtemp(prefix="install-road-")
    try:
        os.chmod(top, 0o755)
        before = owned_by_user(shared)
        stage = os.path.join(top, "stage")
        os.makedirs(os.path.join(stage, "lib"))
        shutil.copytree(os.path.join(source, "resources/help"), os.path.join(stage, "TurnPixa-help"))
        shutil.copy(os.path.join(source, "resources/license.txt"), stage)
        shutil.copy(program, os.path.join(stage, "turnpixa"))
        with open(os.path.join(stage, "lib/libdemo.so.1"), "wb") as f:
            f.write(b"\x7fELF" + bytes(range(256)) * 40)
        package = os.path.join(top, "setup-turnpixa")
        subprocess.run([os.path.join(source, "tools/make-setup-package.sh"), build, package,
                        stage], check=True)
        entries = read_package(package)
        names = [n for n, _ in entries]
        check(names[:2] == ["Setup.dat", "Setup.lic"], "reserved entries first: %s" % names)
        script = dict(entries)["Setup.dat"].decode()

        home, tmp = os.path.join(top, "home"), os.path.join(top, "tmp")
        os.mkdir(home)
        os.mkdir(tmp)
        runner = os.path.join(home, "setup-turnpixa")
        shutil.copy(package, runner)
        for path in (home, tmp, runner):
            os.chown(path, USER, USER)
        env = {"HOME": home, "TMPDIR": tmp, "PATH": "/usr/bin:/bin"}
        for key in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
            if key in os.environ:
                env[key] = os.environ[key]
        # A strict umask: the modes installed are the installer's own.
        run = subprocess.run(["setpriv", "--reuid=%d" % USER, "--regid=%d" % USER,
                              "--clear-groups", runner, "--silent"],
                             env=env, cwd=home, capture_output=True, text=True, timeout=60,
                             preexec_fn=lambda: os.umask(0o077))
        check(run.returncode == 0, "install exit %d: %s" % (run.returncode, run.stderr))

        dest = os.path.join(home, ".local/opt/TurnPixa")
        lines = script.split("\r\n")
        copied = 0
        for i, line in enumerate(lines):
            if line != "[CopyFile]":
                continue
            entry, target = lines[i + 1], lines[i + 2]
            check(target.startswith("<Destination>\\"), target)
            path = os.path.join(dest, *target[len("<Destination>\\"):].split("\\"))
            data = dict(entries)[entry]
            check(open(path, "rb").read() == data, "content of " + path)
            program_file = data[:4] == b"\x7fELF" or data[:2] == b"#!"
            mode = stat.S_IMODE(os.stat(path).st_mode)
            check(mode == (0o755 if program_file else 0o644), "mode %o of %s" % (mode, path))
            check(os.stat(path).st_uid == USER, "owner of " + path)
            copied += 1
        for folder in ("", "TurnPixa-help", "lib"):
            mode = stat.S_IMODE(os.stat(os.path.join(dest, folder)).st_mode)
            check(mode == 0o755, "folder mode %o of %s" % (mode, folder))
        check(copied == sum(len(f) for _, _, f in os.walk(stage)), "copied %d files" % copied)
        check(open(os.path.join(dest, "turnpixa"), "rb").read() ==
              open(program, "rb").read(), "program byte for byte")

        apps = os.path.join(home, ".local/share/applications/TurnPixa")
        for name, target in (("TurnPixa.desktop", "turnpixa"),
                             ("TurnPixa Help.desktop", "TurnPixa-help/index.htm")):
            text = open(os.path.join(apps, name)).read()
            check("X-Brisk-Target=%s/%s\n" % (dest, target) in text, name + ":\n" + text)
            check(text.startswith("[Desktop Entry]\nType=Application\n"), name)
        desktop = open(os.path.join(home, "Desktop/TurnPixa.desktop")).read()
        check('Exec="%s/turnpixa"\n' % dest in desktop, desktop)
        check("Exec=xdg-open" in open(os.path.join(apps, "TurnPixa Help.desktop")).read(),
              "help opens in the browser")

        hklm = open(os.path.join(home, ".local/share/BriskInstaller/registry/HKLM.reg")).read()
        app_key = "SOFTWARE\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\turnpixa"
        check("VALUE\t%s\t\tSTRING\t%s/turnpixa\n" % (app_key, dest) in hklm, hklm)
        check("VALUE\t%s\tPath\tSTRING\t%s/\n" % (app_key, dest) in hklm, hklm)
        check("ProgramFilesDir\tSTRING\t%s/.local/opt\n" % home in hklm, hklm)
        link = os.path.join(home, ".local/bin/turnpixa")
        check(os.readlink(link) == os.path.join(dest, "turnpixa"), "application-path link")
        check(not os.path.exists(os.path.join(home, ".local/bin/libdemo.so.1")),
              "libraries get no application path")

        check(os.listdir(tmp) == [], "temporary files left: %s" % os.listdir(tmp))
        outside = owned_by_user(shared) - before
        outside = {p for p in outside if not p.startswith(top + "/")}
        check(not outside, "written outside the temporary folders: %s" % sorted(outside))
        print("installed %d files, %d entries checked" % (copied, len(entries)))
        return 0
    finally:
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
