#!/usr/bin/python3
"""Install, (run,) uninstall: the whole life of an installation as a user
takes it, as an unprivileged user in a temporary HOME.

The package is built with tools/make-setup-package.sh. By default it carries
a small staged set (the lzma tool as the program, the help pages, the
licence, a library in lib/). With --shipped it carries the real staged
TurnPixa (tools/stage-turnpixa.sh), and the installed turnpixa is started
under Xvfb with the system's Qt hidden in a mount namespace: its window must
appear and close cleanly. Then the uninstaller the installation left behind
runs silently, and nothing may be left but the uninstaller, the registry
store and the folders the system owns (and what the program itself wrote
while it ran).

usage: uninstall_road.py SOURCE_DIR BUILD_DIR [--shipped [PACKAGE]]
With PACKAGE, the shipped package already built from BUILD_DIR is used.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

from install_road import check, fail

USER = 65534
AS_USER = ["setpriv", "--reuid=%d" % USER, "--regid=%d" % USER, "--clear-groups"]


def tree(root):
    """Files and folders below root, relative to it."""
    files, folders = set(), set()
    for folder, dirs, names in os.walk(root):
        rel = os.path.relpath(folder, root)
        for d in dirs:
            folders.add(os.path.normpath(os.path.join(rel, d)))
        for n in names:
            files.add(os.path.normpath(os.path.join(rel, n)))
    return files, folders


def run_without_qt(source, program, home, top):
    """Starts the installed program as the user under Xvfb, with the system's
    Qt hidden, and closes its window as a window manager would."""
    script = r'''
set -euo pipefail
program=$1 home=$2 source=$3 top=$4
qtdir=/usr/lib/x86_64-linux-gnu/qt6
[[ -d $qtdir ]] && mount -t tmpfs none "$qtdir"
for f in /usr/lib/x86_64-linux-gnu/libQt6*; do mount --bind /dev/null "$f"; done
if ldd "$program" | grep -E 'not found|/usr/lib/.*libQt6'; then
  echo "FAIL: libraries resolved outside lib/"; exit 1
fi
# A session's runtime folder of its own: without one Qt makes /tmp/runtime-USER,
# which tests running beside this one would take for their user's writes.
mkdir -m 700 "$top/runtime"
chown 65534:65534 "$top/runtime"
xvfb-run -a -s "-screen 0 1280x900x24 -ac" bash -c '
  cd "$2"
  HOME=$2 XDG_RUNTIME_DIR=$4/runtime setpriv --reuid=65534 --regid=65534 --clear-groups "$1" 2>"$4/stderr" & pid=$!
  if ! /usr/bin/python3 "$3/tests/package/close_window.py" TurnPixa 20 "$4/window.png"; then
    kill $pid; echo "FAIL: no TurnPixa window appeared"; cat "$4/stderr"; exit 1
  fi
  for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then kill -9 $pid; echo "FAIL: did not close"; exit 1; fi
  wait $pid || { echo "FAIL: exit status $?"; cat "$4/stderr"; exit 1; }
' _ "$program" "$home" "$source" "$top"
'''
    run = subprocess.run(["unshare", "--mount", "bash", "-c", script, "_", program, home,
                          source, top], capture_output=True, text=True, timeout=90)
    check(run.returncode == 0, "installed turnpixa: %s%s" % (run.stdout, run.stderr))


def main():
    source, build = sys.argv[1:3]
    shipped = "--shipped" in sys.argv[3:]
    prebuilt = sys.argv[4] if shipped and len(sys.argv) > 4 else None
    if os.geteuid() != 0:
        print("needs root to run the installer as another user; skipped")
        return 77
    if shipped and not (shutil.which("unshare") and shutil.which("xvfb-run")):
        print("needs unshare and xvfb-run; skipped")
        return 77
    top = tempfile.mkdtemp(prefix="uninstall-road-")
    try:
        os.chmod(top, 0o755)
        stage = []
        if not shipped:
            stage = [os.path.join(top, "stage")]
            os.makedirs(os.path.join(stage[0], "lib"))
            shutil.copytree(os.path.join(source, "resources/help"),
                            os.path.join(stage[0], "TurnPixa-help"))
            shutil.copy(os.path.join(source, "resources/license.txt"), stage[0])
            shutil.copy(os.path.join(build, "installer/lzma"), os.path.join(stage[0], "turnpixa"))
            with open(os.path.join(stage[0], "lib/libdemo.so.1"), "wb") as f:
                f.write(b"\x7fELF" + bytes(256))
        package = prebuilt or os.path.join(top, "setup-turnpixa")
        if not prebuilt:
            made = subprocess.run([os.path.join(source, "tools/make-setup-package.sh"), build,
                                   package] + stage, capture_output=True, text=True, timeout=600)
            check(made.returncode == 0, "package: " + made.stderr)

        home, tmp = os.path.join(top, "home"), os.path.join(top, "tmp")
        os.makedirs(home)
        os.mkdir(tmp)
        runner = os.path.join(home, "setup-turnpixa")
        shutil.copy(package, runner)
        # Only what the user is given; the top folder stays root's, so that
        # other tests looking for the user's writes in /tmp do not see it.
        for path in (home, tmp, runner):
            os.lchown(path, USER, USER)
        env = {"HOME": home, "TMPDIR": tmp, "PATH": "/usr/bin:/bin"}
        for key in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
            if key in os.environ:
                env[key] = os.environ[key]
        before_files, before_folders = tree(home)

        run = subprocess.run(AS_USER + [runner, "--silent"], env=env, cwd=home,
                             capture_output=True, text=True, timeout=120)
        check(run.returncode == 0, "install exit %d: %s" % (run.returncode, run.stderr))
        dest = os.path.join(home, ".local/opt/TurnPixa")
        data = os.path.join(home, ".local/share/BriskInstaller")
        record = os.path.join(data, "BriskUninstall-TurnPixa.dat")
        text = open(record, "rb").read().decode()
        check("[Install To]\r\n%s\\\r\n" % dest.replace("/", "\\") in text, "record:\n" + text)
        # The uninstaller is the installer without its package.
        uninstaller = os.path.join(data, "BriskUninstall.exe")
        stub = open(uninstaller, "rb").read()
        whole = open(package, "rb").read()
        check(stub[:4] == b"\x7fELF" and len(stub) < len(whole) and whole.startswith(stub),
              "the uninstaller is the stub")
        installed_files, _ = tree(home)

        if shipped:
            run_without_qt(source, os.path.join(dest, "turnpixa"), home, top)
        ran_files, ran_folders = tree(home)

        hklm = open(os.path.join(data, "registry/HKLM.reg")).read()
        m = re.search(r"\tUninstallString\tSTRING\t\"([^\"]+)\" <uninstall>([^\n]+)\n", hklm)
        check(m, "no UninstallString:\n" + hklm)
        check(m.group(1) == uninstaller and m.group(2) == record, m.group(0))
        run = subprocess.run(AS_USER + [m.group(1), "<Silent>", "<uninstall>" + m.group(2)],
                             env=env, cwd=home, capture_output=True, text=True, timeout=60)
        check(run.returncode == 0, "uninstall exit %d: %s" % (run.returncode, run.stderr))

        files, folders = tree(home)
        allowed_files = before_files | {"setup-turnpixa",
                                        ".local/share/BriskInstaller/BriskUninstall.exe",
                                        ".local/share/BriskInstaller/registry/HKLM.reg"}
        allowed_files |= ran_files - installed_files
        check(files <= allowed_files, "left behind: %s" % sorted(files - allowed_files))
        system = {".local", ".local/share", ".local/share/BriskInstaller",
                  ".local/share/BriskInstaller/registry", ".local/share/applications",
                  ".local/opt", ".local/bin", "Desktop"}
        ran_new = {f for f in ran_folders - before_folders
                   if not f.startswith(".local/opt/TurnPixa") and
                   not f.startswith(".local/share/applications/TurnPixa")}
        # The folders holding what the program wrote itself (its settings
        # file beside it) stay with those files.
        for written in ran_files - installed_files:
            parent = os.path.dirname(written)
            while parent:
                ran_new.add(parent)
                parent = os.path.dirname(parent)
        left = folders - before_folders - system - ran_new
        check(not left, "folders left behind: %s (files: %s)" % (sorted(left), sorted(files - before_files)))
        hklm = open(os.path.join(data, "registry/HKLM.reg")).read()
        check("TurnPixa" not in hklm and "turnpixa" not in hklm, "registry:\n" + hklm)
        check(os.listdir(tmp) == [], "temporary files left: %s" % os.listdir(tmp))
        print("installed, %s and uninstalled; left: %s" %
              ("ran" if shipped else "not run", sorted(files - before_files)))
        return 0
    finally:
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
