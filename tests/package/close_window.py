"""Waits for a top-level window whose name holds TEXT, then asks it to close
the way a window manager does (WM_DELETE_WINDOW). Exit 0 when the request
was sent, 1 when no such window came within the time.
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
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    d.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
