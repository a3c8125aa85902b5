"""Korvid end to end: the real program under a virtual X server with a real
window manager, used by keyboard alone through xdotool, its answers read
from the clipboard and heard through AT-SPI as a screen reader hears them.

    e2e.py PATH/TO/korvid PATH/TO/metadata.env

Runs inside its own D-Bus session, on a screen just too short for the
framed window where the form places it (the e2e script sets both up)."""

import os
import shlex
import subprocess
import sys

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(__file__))
from desktop import close, copied, fail, frame_on_screen, keys, reply, wait_until, windows  # noqa: E402

korvid, metadata = sys.argv[1], sys.argv[2]
with open(metadata, encoding="utf-8") as f:
    names = dict(shlex.split(line)[0].split("=", 1) for line in f if line.strip())
title = names["KORVID_WINDOW_TITLE"]
product = names["KORVID_PRODUCT_NAME"]  # the application's name, and the dialogs' title


def pump():
    """Lets the AT-SPI events that have arrived reach their listeners."""
    GLib.MainContext.default().iteration(False) or GLib.usleep(20000)


def accessible_korvid():
    return next((app for app in pyatspi.Registry.getDesktop(0) if app and app.name == product), None)


def descendants(node):
    for child in node:
        if child:
            yield child
            yield from descendants(child)


heard = []


def on_insert(event):
    if event.source and event.source.name == "答案":
        heard.append(event.any_data)


pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen([korvid], env=environment, stderr=subprocess.DEVNULL)
try:
    main = wait_until(lambda: windows(title), "the main window did not appear", idle=pump)[0]
    korvid_app = wait_until(accessible_korvid, "Korvid is not on the accessibility bus", idle=pump)

    print("framed by the window manager, the window moves wholly onto the screen")
    wait_until(lambda: frame_on_screen(main), "the framed window does not lie on the screen", idle=pump)

    print("free-fall time by keyboard: Space on the first button, 9.8, 20")
    first = wait_until(lambda: next((a for a in descendants(korvid_app) if a.getState().contains(pyatspi.STATE_FOCUSED)),
                                    None), "nothing has the focus", idle=pump)
    first.name == "自由落体运动时间" or fail(f"the focus starts on {first.name}")
    keys(main, "space")
    reply(product, "9.8", pump)
    reply(product, "20", pump)
    wait_until(lambda: heard, "no screen reader heard the result", idle=pump)
    heard == ["2.0203052"] or fail(f"a screen reader heard {heard}")

    print("free-fall distance: Tab, Enter, 10, 3")
    keys(main, "Tab", "Return")
    reply(product, "10", pump)
    reply(product, "3", pump)
    wait_until(lambda: len(heard) > 1, "no screen reader heard the second result", idle=pump)
    heard[1] == "45.0000000" or fail(f"a screen reader heard {heard}")
    windows(product) and fail("a dialog is left open")

    print("the last result, and a selection, copied from the answer box")
    keys(main, *["Tab"] * 9)  # from Command2 to the answer box, which selects all it holds
    text = copied(lambda: keys(main, "End", "ctrl+c"), pump)
    text == "45.0000000" or fail(f"Ctrl+C copied {text!r}")
    text = copied(lambda: keys(main, "End", "shift+Home", "ctrl+c"), pump)
    text == "2.020305245.0000000" or fail(f"Ctrl+C copied {text!r}")

    print("division by zero: an error box, and the window goes on")
    keys(main, "shift+Tab", "Return")  # back to Command8: gravitation
    for number in ("0", "1", "1"):
        reply(product, number, pump)
    box = wait_until(lambda: windows(product), "no error message", idle=pump)[0]
    alert = wait_until(lambda: next((a for a in descendants(korvid_app) if a.getRole() == pyatspi.ROLE_ALERT), None),
                       "the error message is not an alert", idle=pump)
    message = [a.name for a in descendants(alert) if a.getRole() == pyatspi.ROLE_LABEL]
    "运行时错误 '11'：\n\n除数为零" in message or fail(f"the error message reads {message}")
    keys(box, "Return")
    wait_until(lambda: not windows(product), "the message box stayed open", idle=pump)
    program.poll() is None or fail("the program ended")

    print("closing the window ends the program")
    close(main)
    program.wait(timeout=8)
    program.returncode == 0 or fail(f"the program exited with {program.returncode}")
    print("PASS")
finally:
    if program.poll() is None:
        program.kill()
