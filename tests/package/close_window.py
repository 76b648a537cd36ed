"""Waits for a top-level window whose name holds TEXT, then asks every
window of the screen to close the way a window manager does
(WM_DELETE_WINDOW), dialogs first, until none is left or the time is up.
Exit 0 when the windows went, 1 when no such window came or they stayed.
usage: close_window.py TEXT SECONDS [SCREENSHOT.png]"""
import subprocess
import sys
import time

from Xlib import X, display, protocol


def find(window, text):
    try:
        name = window.get_wm_name()
        if isinstance(name, bytes):
            name = name.decode("utf-8", "replace")
        if name and text in name and window.get_attributes().map_state == X.IsViewable:
            return window
        for child in window.query_tree().children:
            found = find(child, text)
            if found:
                return found
    except Exception:
        pass
    return None


def main():
    text, seconds = sys.argv[1], float(sys.argv[2])
    d = display.Display()
    deadline = time.time() + seconds
    window = None
    while window is None and time.time() < deadline:
        window = find(d.screen().root, text)
        if window is None:
            time.sleep(0.2)
    if window is None:
        return 1
    if len(sys.argv) > 3:
        time.sleep(1.0)  # let it paint
        subprocess.run(["import", "-window", "root", sys.argv[3]], check=False)
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")

    def close(w):
        event = protocol.event.ClientMessage(window=w, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        w.send_event(event)
        d.flush()

    # A question the program asks at start (a modal dialog) is answered by
    # closing it, as a user would; then the main window.
    deadline = time.time() + seconds
    while time.time() < deadline:
        shown = []
        for w in d.screen().root.query_tree().children:
            try:
                if w.get_attributes().map_state == X.IsViewable and w.get_wm_name():
                    shown.append(w)
            except Exception:
                pass  # gone meanwhile
        if not shown:
            return 0
        dialogs = [w for w in shown if w.id != window.id]
        for w in dialogs or shown:
            close(w)
        time.sleep(0.5)
    return 1

if __name__ == "__main__":
    sys.exit(main())
