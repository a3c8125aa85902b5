"""Korvid end to end, as a user meets the real program: on a virtual X
server with a window manager, used by keyboard alone, its answers read from
the clipboard, an error box shown and dismissed, and the window closed. On
Linux, what it tells a screen reader is heard through AT-SPI too; korvid.exe
runs under Wine on its own windows platform, where a message box copies its
text on Ctrl+C.

    session.py linux PATH/TO/korvid METADATA.env
    session.py wine 'PATH\\TO\\korvid.exe' METADATA.env

Runs with DISPLAY set, and on Linux in a D-Bus session of its own."""

import os
import shlex
import subprocess
import sys

from desktop import copied, fail, frame_on_screen, keys, pause, reply, wait_until, windows

system, path, metadata = sys.argv[1:4]
with open(metadata, encoding="utf-8") as f:
    names = dict(shlex.split(line)[0].split("=", 1) for line in f if line.strip())
title = names["KORVID_WINDOW_TITLE"]
product = names["KORVID_PRODUCT_NAME"]  # the application's name, and the dialogs' title
heard, pump = [], pause

if system == "linux":
    import pyatspi
    from gi.repository import GLib

    def pump():  # lets the AT-SPI events that have arrived reach their listeners
        GLib.MainContext.default().iteration(False) or pause()

    def descendants(node):
        for child in filter(None, node):
            yield child
            yield from descendants(child)

    pyatspi.Registry.registerEventListener(
        lambda event: event.source and event.source.name == "答案" and heard.append(event.any_data),
        "object:text-changed:insert")
    command, environment = [path], dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
else:
    command, environment = ["wine", path], os.environ


def calculate(button_keys, numbers, result):
    keys(main, *button_keys)
    for number in numbers:
        reply(product, number, pump)
    wait_until(lambda: not windows(product), "a prompt stayed open", pump)
    if system == "linux":  # a screen reader hears the new result alone
        wait_until(lambda: heard, f"no screen reader heard {result}", pump)
        heard == [result] or fail(f"a screen reader heard {heard}, not {result}")
        heard.clear()


program = subprocess.Popen(command, env=environment, stderr=subprocess.DEVNULL)
try:
    main = wait_until(lambda: windows(title), "the main window did not appear", pump)[0]
    if system == "linux":
        korvid = wait_until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == product), None),
                            "Korvid is not on the accessibility bus", pump)
    # Keys sent before the window manager has taken the window may be lost.
    print("framed by the window manager, the window moves wholly onto the screen")
    wait_until(lambda: frame_on_screen(main), "the framed window does not lie on the screen", pump)

    print("by keyboard: free-fall time, distance and gravitation, from the first button on")
    calculate(["space"], ["9.8", "20"], "2.0203052")
    calculate(["Tab", "Return"], ["10", "3"], "45.0000000")
    calculate(["Tab"] * 8 + ["Return"], ["6371000", "5.972e24", "1"], "9.8174575")

    print("the answer box copied whole, as Tab selects it, and its last result")
    text = copied(lambda: keys(main, "Tab", "ctrl+c"), pump)
    text == "2.020305245.00000009.8174575" or fail(f"Ctrl+C copied {text!r}")
    text = copied(lambda: keys(main, "End", "ctrl+c"), pump)
    text == "9.8174575" or fail(f"Ctrl+C copied {text!r}")

    print("division by zero: an error box, and the window goes on")
    keys(main, "shift+Tab", "Return")
    for number in ("0", "1", "1"):
        reply(product, number, pump)
    box = wait_until(lambda: windows(product), "no error box", pump)[0]
    if system == "linux":
        alert = wait_until(lambda: next((a for a in descendants(korvid) if a.getRole() == pyatspi.ROLE_ALERT), None),
                           "the error box is not an alert", pump)
        message = "\n".join(a.name for a in descendants(alert) if a.getRole() == pyatspi.ROLE_LABEL)
    else:
        message = copied(lambda: keys(box, "ctrl+c"), pump)
    "运行时错误 '11'：\n\n除数为零" in message or fail(f"the error box reads {message!r}")
    keys(box, "Return")
    wait_until(lambda: not windows(product), "the error box stayed open", pump)
    program.poll() is None or fail("the program ended")

    print("closing the window ends the program")
    keys(main, "alt+F4")
    program.wait(timeout=8)
    program.returncode == 0 or fail(f"the program exited with {program.returncode}")
    print("PASS")
finally:
    if program.poll() is None:
        program.kill()
