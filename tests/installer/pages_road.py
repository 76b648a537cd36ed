#!/usr/bin/python3
"""The windowed installer as a user takes it, under Xvfb: a small package
with a licence, a banner, a program that takes a moment and two finish
items is first cancelled on its progress page; Enter must decline a damaged
copy of it and cancel when the destination cannot be written; then it is
installed by pressing
through the main page (destination by Change, language switched to
Русский), the licence page, the progress page and the finish page with the
keyboard (XTest, as a user's keys arrive), as an unprivileged user in a
temporary HOME. The files must
land there and nowhere else; the finish item left checked must be done and
the one unchecked must not. Then the uninstaller, started as the record
says, asks its question and removes it all again.

With --shots DIR every page and dialog is also saved as a PNG there, in the
language LANG names.

usage: pages_road.py SOURCE_DIR BUILD_DIR [--shots DIR] [--lang LANG] [--dpi DPI]
exit 77: cannot be tested here (not root, or no Xvfb)
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

from install_road import owned_by_user

USER = 65534
CRLF = "\r\n"


FAILURE_SHOT = []


def fail(text):
    print("FAIL:", text)
    if FAILURE_SHOT:
        subprocess.run(["import", "-display", FAILURE_SHOT[0], "-window", "root",
                        FAILURE_SHOT[1]], check=False)
    sys.exit(1)


def check(condition, text):
    if not condition:
        fail(text)


def script_text():
    lines = [
        "[Project Name]", "Demo", "",
        "[Install To]", "<Program Files>\\Demo", "",
        "[ProgramVersion]", "2.1", "",
        "[Action]", "Installing Demo", "",
        "[CopyFile]", "100 - demo", "<Destination>\\demo", "",
        "[CopyFile]", "101 - readme.txt", "<Destination>\\docs\\readme.txt", "",
        "[CopyFile]", "102 - pause.sh", "<Destination>\\pause.sh", "",
        # Keeps the progress page up for a moment.
        "[RunAndWaitFile]", "<Destination>\\pause.sh", "", "", "",
        "[CreateIcon]", "<Destination>\\demo", "<DeskTop>\\Demo.lnk", "", "Optional - Demo on the desktop", "",
        "[RunFile]", "<Destination>\\pause.sh", "ran", "Optional - Run Demo now", "",
    ]
    return CRLF.join(lines) + CRLF


class Screen:
    def __init__(self, name, shots):
        self.d = display.Display(name)
        self.root = self.d.screen().root
        self.shots = shots

    def windows(self, text, exact=False):
        found = []
        for w in self.root.query_tree().children:
            try:
                name = w.get_wm_name()
                if isinstance(name, bytes):
                    name = name.decode("utf-8", "replace")
                if name and (text in name if not exact else text == name) and w.get_attributes().map_state == X.IsViewable:
                    found.append(w)
            except Exception:
                pass
        return found

    def wait(self, text, count=1, shape=None, seconds=15, exact=False):
        """The newest viewable window named with text once count of them
        show (shape: only pages, progress pages or finish pages)."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            found = self.windows(text, exact)
            if shape is not None:
                found = [w for w in found if self.shape(w) == shape]
            if len(found) >= count:
                time.sleep(0.3)  # let it paint
                return found[-1]
            time.sleep(0.05)
        fail("no window '%s' (x%d) came" % (text, count))

    def gone(self, window, seconds=15):
        deadline = time.time() + seconds
        while time.time() < deadline:
            try:
                if window.get_attributes().map_state != X.IsViewable:
                    return
            except Exception:
                return
            time.sleep(0.05)
        fail("window stayed")

    def shape(self, w):
        try:
            g = w.get_geometry()
        except Exception:  # gone meanwhile
            return None
        ratio = g.width / g.height
        return "progress" if ratio > 2 else "finish" if ratio > 1.3 else "page"

    def key(self, window, name, shift=False):
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.d.sync()
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        shift_code = self.d.keysym_to_keycode(XK.XK_Shift_L)
        if shift:
            xtest.fake_input(self.d, X.KeyPress, shift_code)
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        if shift:
            xtest.fake_input(self.d, X.KeyRelease, shift_code)
        self.d.sync()

    def name(self, window):
        """The window's title as UTF-8 (python-xlib reads WM_NAME as Latin-1)."""
        name = window.get_wm_name() or ""
        if isinstance(name, str):
            name = name.encode("latin-1", "replace")
        return name.decode("utf-8", "replace")

    def type(self, window, text):
        names = {"/": "slash", ".": "period", "-": "minus", "_": "underscore"}
        for ch in text:
            self.key(window, names.get(ch, ch), shift=ch.isupper() or ch == "_")

    def shot(self, window, name):
        if not self.shots:
            return
        time.sleep(0.2)
        g = window.get_geometry()
        at = window.translate_coords(self.root, 0, 0)
        subprocess.run(["import", "-display", self.d.get_display_name(), "-window", "root",
                        "-crop", "%dx%d+%d+%d" % (g.width, g.height, -at.x, -at.y),
                        os.path.join(self.shots, name + ".png")], check=True)


def start_xvfb(dpi):
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-dpi", str(dpi),
                             "-nolisten", "tcp"], pass_fds=(write,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    deadline = time.time() + 20
    while not number.endswith(b"\n") and time.time() < deadline:
        chunk = os.read(read, 16)
        if not chunk:
            break
        number += chunk
    os.close(read)
    if not number.strip():
        xvfb.kill()
        fail("Xvfb did not start")
    return xvfb, ":" + number.decode().strip()


def cancelled_run(screen, run, home):
    """Cancel asked and confirmed while the script runs: the installation is
    said to be incomplete and fails; nothing after the cancel is done."""
    main_page = screen.wait("Demo ")
    screen.key(main_page, "Return")
    screen.key(screen.wait("Demo ", count=2), "Return")
    progress = screen.wait("Demo", shape="progress")
    screen.key(progress, "Escape")
    question = screen.wait("", count=2)
    screen.key(question, "Return")  # Yes
    screen.gone(progress)
    notice = screen.wait("", count=1)
    screen.shot(notice, "5b-cancelled")
    screen.key(notice, "Return")
    try:
        status = run.wait(timeout=20)
    except subprocess.TimeoutExpired:
        fail("the cancelled installer did not end")
    check(status == 1, "cancelled install exit %d" % status)
    check(not os.path.exists(os.path.join(home, "Desktop")), "an icon after the cancel")


def safe_defaults(screen, user, env, package, home, locked):
    """Enter answers the safe choice: No to the damaged-package question,
    Cancel to the disk-full one (an unwritable destination)."""
    damaged = os.path.join(home, "setup-damaged")
    data = bytearray(open(package, "rb").read())
    directory = struct.unpack_from("<I", data, len(data) - 16)[0]
    data[directory - 1] ^= 1  # the last entry's data
    with open(damaged, "wb") as f:
        f.write(data)
    os.chmod(damaged, 0o755)
    run = subprocess.Popen(user + [damaged], env=env, cwd=home, stderr=subprocess.PIPE, text=True)
    screen.key(screen.wait("Installer", exact=True), "Return")
    # No: the package counts as empty, so the script is missing.
    screen.key(screen.wait("Installation", exact=True), "Return")
    check(run.wait(timeout=20) == 1, "damaged package installed")

    run = subprocess.Popen(user + [package, "--installto", locked], env=env, cwd=home,
                           stderr=subprocess.PIPE, text=True)
    screen.key(screen.wait("Demo "), "Return")
    screen.key(screen.wait("Demo ", count=2), "Return")
    question = screen.wait("Installation", exact=True)
    screen.key(question, "Return")
    screen.gone(question)
    # Then only the notice that it is incomplete: a retry would ask again.
    screen.key(screen.wait("Installation", exact=True), "Return")
    try:
        status = run.wait(timeout=10)
    except subprocess.TimeoutExpired:
        fail("Enter on the disk-full question retried")
    check(status == 1, "install into an unwritable folder exit %d" % status)
    check(os.listdir(locked) == [], "written into the unwritable folder")


def shoot_dialogs(screen, build, banner, env):
    """The container and uninstall dialogs, held open by a test program."""
    program = os.path.join(build, "tests/installer/installer_dialogs")
    for kind, title, name in (("container", "Installer", "11-container"),
                              ("uninstall", "Uninstalling Demo", "12-uninstall-dialog")):
        run = subprocess.Popen([program, kind, banner], env=env)
        window = screen.wait(title, exact=True, seconds=10)
        time.sleep(1.0)  # past the first progress step
        screen.shot(window, name)
        check(run.wait(timeout=20) == 0, kind + " dialog program failed")


def main():
    args = sys.argv[1:]
    source, build = args[0], args[1]
    shots = args[args.index("--shots") + 1] if "--shots" in args else None
    lang = args[args.index("--lang") + 1] if "--lang" in args else "en_US.UTF-8"
    dpi = int(args[args.index("--dpi") + 1]) if "--dpi" in args else 96
    if os.geteuid() != 0 or not shutil.which("Xvfb") or not shutil.which("setpriv"):
        print("needs root (to run the installer as another user) and Xvfb; skipped")
        return 77
    if shots:
        os.makedirs(shots, exist_ok=True)
    installer = os.path.join(build, "installer/setup-turnpixa")
    top = tempfile.mkdtemp(prefix="pages-road-")
    xvfb = None
    run = None
    try:
        os.chmod(top, 0o755)
        before = owned_by_user(["/tmp", "/var/tmp", "/dev/shm"])
        work = os.path.join(top, "work")
        os.mkdir(work)
        files = {
            "Setup.dat": script_text().encode(),
            "Setup.lic": ("Demo licence\n\n" + "Use it as you like. " * 60 + "\n").encode(),
            "100 - demo": b"#!/bin/sh\necho demo\n",
            "101 - readme.txt": "Прочти меня\n".encode(),
            "102 - pause.sh": b"#!/bin/sh\n[ \"$1\" = ran ] && touch \"$HOME/ran\"\n"
                              b"sleep ${DEMO_PAUSE:-0.5}\n",
        }
        for name, data in files.items():
            with open(os.path.join(work, name), "wb") as f:
                f.write(data)
        shutil.copy(os.path.join(source, "installer/package/banner.png"),
                    os.path.join(work, "Setup.bmp"))
        package = os.path.join(top, "setup-demo")
        shutil.copy(installer, package)
        for name in ["Setup.dat", "Setup.lic", "Setup.bmp"] + sorted(files)[:3]:
            subprocess.run([installer, '<packthis>"%s"' % os.path.join(work, name),
                            '<packto>"%s"' % package], check=True, capture_output=True)

        home, tmp = os.path.join(top, "home"), os.path.join(top, "tmp")
        os.mkdir(home)
        os.mkdir(tmp)
        runner = os.path.join(home, "setup-demo")
        shutil.copy(package, runner)
        cancel_home = os.path.join(top, "cancel-home")
        os.mkdir(cancel_home)
        os.mkdir(os.path.join(home, "Apps"))
        for path in (home, tmp, runner, cancel_home, os.path.join(home, "Apps")):
            os.chown(path, USER, USER)
        xvfb, name = start_xvfb(dpi)
        screen = Screen(name, shots)
        if shots:
            FAILURE_SHOT.extend([name, os.path.join(shots, "failure.png")])
        env = {"HOME": home, "TMPDIR": tmp, "PATH": "/usr/bin:/bin", "DISPLAY": name,
               "LANG": lang}
        if shots:
            env["DEMO_PAUSE"] = "2"  # time to shoot the cancel question
        user = ["setpriv", "--reuid=%d" % USER, "--regid=%d" % USER, "--clear-groups"]
        # The program the script waits for takes long enough to be cancelled.
        run = subprocess.Popen(user + [runner], env=dict(env, HOME=cancel_home, DEMO_PAUSE="2"),
                               cwd=cancel_home, stderr=subprocess.PIPE, text=True)
        cancelled_run(screen, run, cancel_home)
        if not shots:
            defaults_home, locked = os.path.join(top, "defaults-home"), os.path.join(top, "locked")
            os.mkdir(defaults_home)
            os.mkdir(locked)
            shutil.copy(package, os.path.join(defaults_home, "setup-demo"))
            for path in (defaults_home, os.path.join(defaults_home, "setup-demo")):
                os.chown(path, USER, USER)
            safe_defaults(screen, user, dict(env, HOME=defaults_home),
                          os.path.join(defaults_home, "setup-demo"), defaults_home, locked)
        run = subprocess.Popen(user + [runner], env=env, cwd=home, stderr=subprocess.PIPE,
                               text=True)
        main_page = screen.wait("Demo ")
        screen.shot(main_page, "1-main")
        for _ in range(120):
            screen.key(main_page, "BackSpace")
        if shots:
            # An empty destination is refused with a message.
            screen.key(main_page, "Return")
            box = screen.wait("", count=2)
            screen.shot(box, "2-empty-destination")
            screen.key(box, "Return")
            screen.gone(box)
        # Change, opened on the folder typed: the folder chosen gets the
        # project's folder name appended.
        screen.type(main_page, os.path.join(home, "Apps"))
        screen.key(main_page, "Tab")
        screen.key(main_page, "space")
        chooser = screen.wait("", count=2)  # titled with message 28
        screen.shot(chooser, "1b-change")
        screen.key(chooser, "Return")
        screen.gone(chooser)
        screen.shot(main_page, "1c-changed")
        if not shots:
            # The language list relabels the page: Русский, three down from English.
            screen.key(main_page, "Tab")
            screen.key(main_page, "space")
            time.sleep(0.3)  # the list opens
            for _ in range(3):
                screen.key(main_page, "Down")
            screen.key(main_page, "Return")
            deadline = time.time() + 5
            while screen.name(main_page) != "Demo Установка" and time.time() < deadline:
                time.sleep(0.05)
            check(screen.name(main_page) == "Demo Установка",
                  "caption after choosing Русский: %s" % screen.name(main_page))
        screen.key(main_page, "Return")
        licence = screen.wait("Demo ", count=2)
        screen.shot(licence, "3-licence")
        screen.key(licence, "Return")
        progress = screen.wait("Demo", shape="progress")
        screen.shot(progress, "4-progress")
        if shots:
            # Closing while it runs asks first; No keeps going.
            screen.key(progress, "Escape")
            question = screen.wait("", count=2)
            screen.shot(question, "5-cancel-question")
            screen.key(question, "Escape")
            screen.gone(question)
        finish = screen.wait("Demo", shape="finish")
        hints = progress.get_wm_hints()
        check(hints and hints.flags & (1 << 8), "the finished progress page asks for attention")
        screen.shot(finish, "6-finish")
        # Two items: the desktop icon stays checked, the program is unchecked.
        screen.key(finish, "Down")
        screen.key(finish, "space")
        screen.shot(finish, "7-finish-unchecked")
        screen.key(finish, "Return")
        try:
            status = run.wait(timeout=20)
        except subprocess.TimeoutExpired:
            fail("the installer did not end")
        check(status == 0, "install exit %d: %s" % (status, run.stderr.read()))

        dest = os.path.join(home, "Apps/Demo")
        check(open(os.path.join(dest, "docs/readme.txt"), encoding="utf-8").read() ==
              "Прочти меня\n", "readme installed")
        check(os.access(os.path.join(dest, "demo"), os.X_OK), "program installed")
        check(os.path.exists(os.path.join(home, "Desktop/Demo.desktop")),
              "the checked finish item: the desktop icon")
        time.sleep(0.2)
        check(not os.path.exists(os.path.join(home, "ran")), "the unchecked program ran")
        record = os.path.join(home, ".local/share/BriskInstaller/BriskUninstall-Demo.dat")
        check(os.path.exists(record), "uninstall record")
        check(os.listdir(tmp) == [], "temporary files left: %s" % os.listdir(tmp))

        if shots:
            # Installing again offers to remove the installed version first;
            # Cancel leaves it as it is.
            again = subprocess.Popen(user + [runner], env=env, cwd=home,
                                     stderr=subprocess.PIPE, text=True)
            screen.key(screen.wait("Demo "), "Return")
            screen.key(screen.wait("Demo ", count=2), "Return")
            offer = screen.wait("Demo", exact=True)
            screen.shot(offer, "7b-existing-version")
            screen.key(offer, "Escape")
            screen.key(screen.wait("", count=1), "Return")
            check(again.wait(timeout=20) == 1, "cancelled reinstall")
            check(os.path.exists(record), "the installed version kept")

        # The uninstaller as the installed programs list starts it.
        uninstaller = os.path.join(home, ".local/share/BriskInstaller/BriskUninstall.exe")
        check(os.path.exists(uninstaller), "uninstaller copied out")
        run = subprocess.Popen(user + [uninstaller, "<uninstall>" + record], env=env, cwd=home,
                               stderr=subprocess.PIPE, text=True)
        question = screen.wait("Uninstall")
        screen.shot(question, "8-uninstall-question")
        screen.key(question, "Return")  # Yes
        screen.gone(question)
        if shots:
            # The removal is quick: shoot the dialog when it is caught.
            deadline = time.time() + 2
            while time.time() < deadline:
                dialog = screen.windows("Uninstalling Demo")
                if dialog:
                    try:
                        screen.shot(dialog[0], "9-uninstalling")
                    except Exception:
                        pass
                    break
                time.sleep(0.01)
        done = screen.wait("Uninstall", exact=True)
        screen.shot(done, "10-uninstalled")
        screen.key(done, "Return")
        try:
            status = run.wait(timeout=20)
        except subprocess.TimeoutExpired:
            fail("the uninstaller did not end")
        check(status == 0, "uninstall exit %d: %s" % (status, run.stderr.read()))
        check(not os.path.exists(dest), "destination removed")
        check(os.path.isdir(os.path.join(home, "Apps")), "the chosen parent folder kept")
        check(not os.path.exists(os.path.join(home, "Desktop/Demo.desktop")), "icon removed")

        outside = owned_by_user(["/tmp", "/var/tmp", "/dev/shm"]) - before
        outside = {p for p in outside if not p.startswith(top + "/")}
        check(not outside, "written outside the temporary folders: %s" % sorted(outside))
        if shots:
            shoot_dialogs(screen, build, os.path.join(source, "installer/package/banner.png"),
                          dict(os.environ, DISPLAY=name, LANG=lang))
        print("installed and uninstalled through the pages")
        return 0
    finally:
        if run and run.poll() is None:
            run.kill()
        if xvfb:
            xvfb.kill()
            xvfb.wait()
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
