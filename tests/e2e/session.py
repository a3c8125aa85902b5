"""Korvid end to end, as a user meets the real program: on a virtual X
server with a window manager, used by keyboard alone, its answers read from
the clipboard, an error box shown and dismissed, and the window closed. On
Linux, what it tells a screen reader is heard through AT-SPI too; korvid.exe
runs under Wine on its own windows platform, where a message box copies its
text on Ctrl+C.

    session.py linux PATH/TO/korvid
    session.py wine 'PATH\\TO\\korvid.exe'

Runs with DISPLAY set, the names of metadata.env in its environment, and on
Linux in a D-Bus session of its own."""

import os
import subprocess
import sys

from desktop import copied, fail, frame_on_screen, keys, new_window, pause, reply, wait_until, windows

system, path = sys.argv[1:3]
# the window's title, and the application's name, which titles the dialogs
title, product = os.environ["KORVID_WINDOW_TITLE"], os.environ["KORVID_PRODUCT_NAME"]
heard, pump = [], pause
command = [path] if system == "linux" else ["wine", path]

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


def calculate(button_keys, numbers, result):
    keys(main, *button_keys)
    for number in numbers:
        reply(product, number, pump)
    wait_until(lambda: not windows(product), "a prompt stayed open", pump)
    if system == "linux":  # a screen reader hears the new result alone
        wait_until(lambda: heard, f"no screen reader heard {result}", pump)
        heard == [result] or fail(f"a screen reader heard {heard}, not {result}")
        heard.clear()


program = subprocess.Popen(command, stderr=subprocess.DEVNULL)
try:
    main = wait_until(lambda: windows(title), "the main window did not appear", pump)[0]
    if system == "linux":
        korvid = wait_until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == product), None),
                            "Korvid is not on the accessibility bus", pump)
    # Framed by the window manager, the window moves wholly onto the screen.
    # (Keys sent before the window manager has taken the window may be lost.)
    wait_until(lambda: frame_on_screen(main), "the framed window does not lie on the screen", pump)

    # By keyboard: free-fall time, distance and gravitation, from the first button on.
    calculate(["space"], ["9.8", "20"], "2.0203052")
    calculate(["Tab", "Return"], ["10", "3"], "45.0000000")
    calculate(["Tab"] * 8 + ["Return"], ["6371000", "5.972e24", "1"], "9.8174575")

    # The answer box copied whole, as Tab selects it, and its last result.
    text = copied(lambda: keys(main, "Tab", "ctrl+c"), pump)
    text == "2.020305245.00000009.8174575" or fail(f"Ctrl+C copied {text!r}")
    text = copied(lambda: keys(main, "End", "ctrl+c"), pump)
    text == "9.8174575" or fail(f"Ctrl+C copied {text!r}")

    # Division by zero: an error box, and the window goes on.
    keys(main, "shift+Tab", "Return")
    for number in ("0", "1", "1"):
        reply(product, number, pump)
    box = new_window(product, pump)
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

    # Closing the window ends the program.
    keys(main, "alt+F4")
    program.wait(timeout=8)
    program.returncode == 0 or fail(f"the program exited with {program.returncode}")
finally:
    if program.poll() is None:
        program.kill()
