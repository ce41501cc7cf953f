#!/usr/bin/python3
"""Starts a command on the X display, waits until it shows a window with the
given caption, closes that window as a window manager's close button does
(WM_DELETE_WINDOW), and requires the command to end with status 0 and to write
nothing to standard error.

    close_window.py CAPTION TIMEOUT COMMAND [ARGUMENT...]
"""
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, protocol


def caption_of(x, window):
    name = window.get_full_property(x.intern_atom("_NET_WM_NAME"), x.intern_atom("UTF8_STRING"))
    return name.value.decode("utf-8", "replace") if name else None


def shown_window(x, caption):
    for window in x.screen().root.query_tree().children:
        try:
            if window.get_attributes().map_state == X.IsViewable and caption_of(x, window) == caption:
                return window
        except Exception:  # gone while we looked
            pass
    return None


def main():
    caption, timeout, command = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    x = display.Display()
    with tempfile.TemporaryFile() as output, tempfile.TemporaryFile() as errors:
        process = subprocess.Popen(command, stdout=output, stderr=errors)
        deadline = time.monotonic() + timeout
        window = None
        while window is None and process.poll() is None and time.monotonic() < deadline:
            window = shown_window(x, caption)
            time.sleep(0.1)
        if window is not None:
            protocols = x.intern_atom("WM_PROTOCOLS")
            close = protocol.event.ClientMessage(
                window=window, client_type=protocols,
                data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
            window.send_event(close)
            x.flush()
        try:
            status = process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            process.kill()
            status = "still running 15 s after its window was asked to close"
        errors.seek(0)
        written = errors.read().decode("utf-8", "replace")
        output.seek(0)
        said = output.read().decode("utf-8", "replace").splitlines()[-20:]
    problems = []
    if window is None:
        problems.append(f"no window captioned {caption!r} within {timeout:g} s")
    if status != 0:
        problems.append(f"exit status {status}")
    if written:
        problems.append("standard error:\n" + written)
    if problems:
        print("\n".join(said))
        print(f"FAIL: {' '.join(command)}: " + "; ".join(problems), file=sys.stderr)
        return 1
    print(f"ok - {' '.join(command)} showed {caption!r} and ended when it was closed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
