"""Korvid end to end: the real program under a virtual X server, used by
keyboard alone through xdotool, its answers read from the clipboard and
heard through AT-SPI as a screen reader hears them.

    e2e.py PATH/TO/korvid PATH/TO/metadata.env

Runs inside its own D-Bus session (the e2e script starts one)."""

import ctypes
import os
import shlex
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

korvid, metadata = sys.argv[1], sys.argv[2]
with open(metadata, encoding="utf-8") as f:
    names = dict(shlex.split(line)[0].split("=", 1) for line in f if line.strip())
title = names["KORVID_WINDOW_TITLE"]
product = names["KORVID_PRODUCT_NAME"]  # the dialogs' title


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)
    if check and result.returncode != 0:
        fail(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
    return result.stdout.strip()


def pump(seconds, until=lambda: False):
    """Runs the GLib loop AT-SPI events arrive through, until `until` holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not until():
        if not context.iteration(False):
            time.sleep(0.02)
    return until()


def window(name, seconds=10):
    """The visible window with exactly this title, waited for."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = xdotool("search", "--onlyvisible", "--name", f"^{name}$", check=False)
        if found:
            return found.split()[0]
        pump(0.1)
    return None


def no_dialog():
    pump(0.5)
    return not xdotool("search", "--onlyvisible", "--name", f"^{product}$", check=False)


def keys(target, *names):
    xdotool("windowfocus", "--sync", target)
    xdotool("key", "--delay", "30", *names)


def reply(text):
    dialog = window(product, 5) or fail("no prompt")
    xdotool("windowfocus", "--sync", dialog)
    xdotool("type", "--delay", "20", text)
    xdotool("key", "Return")


def clipboard():
    text, previous = None, "\0"
    for _ in range(20):  # until the clipboard settles
        text = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout
        if text == previous:
            break
        previous = text
        pump(0.1)
    return text


def close(window_id):
    """Asks the window to close, as a window manager's close button does."""
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XInternAtom.restype = ctypes.c_ulong
    display = ctypes.c_void_p(x.XOpenDisplay(None))
    protocols = x.XInternAtom(display, b"WM_PROTOCOLS", False)
    delete = x.XInternAtom(display, b"WM_DELETE_WINDOW", False)

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]

    event = ClientMessage(type=33, window=int(window_id), message_type=protocols, format=32)
    event.data[0], event.data[1] = delete, 0
    x.XSendEvent(display, ctypes.c_ulong(int(window_id)), False, 0, ctypes.byref(event))
    x.XCloseDisplay(display)


heard = []


def on_insert(event):
    if event.source and event.source.name == "答案":
        heard.append(event.any_data)


pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen([korvid], env=environment, stderr=subprocess.DEVNULL)
try:
    main = window(title) or fail("the main window did not appear")
    pump(0.5)

    print("free-fall time by keyboard: Space on the first button, 9.8, 20")
    keys(main, "space")
    reply("9.8")
    reply("20")
    no_dialog() or fail("a dialog is left open")
    pump(5, lambda: heard) or fail("no screen reader heard the result")
    heard == ["2.0203052"] or fail(f"a screen reader heard {heard}")

    print("free-fall distance: Tab, Enter, 10, 3")
    keys(main, "Tab", "Return")
    reply("10")
    reply("3")
    no_dialog() or fail("a dialog is left open")
    pump(5, lambda: len(heard) > 1) and heard[1] == "45.0000000" or fail(f"a screen reader heard {heard}")

    print("the last result, and a selection, copied from the answer box")
    keys(main, *["Tab"] * 9)  # from Command2 to the answer box, which selects all it holds
    keys(main, "End", "ctrl+c")
    clipboard() == "45.0000000" or fail(f"Ctrl+C copied {clipboard()!r}")
    keys(main, "End", "shift+Home", "ctrl+c")
    clipboard() == "2.020305245.0000000" or fail(f"Ctrl+C copied {clipboard()!r}")

    print("division by zero: an error box, and the window goes on")
    keys(main, "shift+Tab", "Return")  # back to Command8: gravitation
    reply("0")
    reply("1")
    reply("1")
    box = window(product, 5) or fail("no error message")
    accessible_box = next((a for a in pyatspi.Registry.getDesktop(0)[0] if a.getRole() == pyatspi.ROLE_ALERT), None)
    accessible_box or fail("the error message is not an alert")
    keys(box, "Return")
    no_dialog() or fail("the message box stayed open")
    program.poll() is None or fail("the program ended")

    print("closing the window ends the program")
    close(main)
    program.wait(timeout=10)
    program.returncode == 0 or fail(f"the program exited with {program.returncode}")
    print("PASS")
finally:
    if program.poll() is None:
        program.kill()
