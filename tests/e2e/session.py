"""Korvid end to end, as a user meets the real program: on a virtual X
server with a window manager, used by keyboard alone, its answers read from
the clipboard, a prompt escaped and another closed, an error box shown and
dismissed, and the window closed. On Linux, what it tells a screen reader is
heard through AT-SPI too; korvid.exe runs under Wine on its own windows
platform, where a message box copies its text on Ctrl+C. Every wait is for a
condition, with a deadline; none is a fixed pause.

    session.py linux PATH/TO/korvid
    session.py wine 'PATH\\TO\\korvid.exe'

Runs with DISPLAY set, the names of metadata.env in its environment, and on
Linux in a D-Bus session of its own."""

import os
import re
import subprocess
import sys
import time

DEADLINE = 8  # seconds; a test that fails ends within ten


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def pause():
    time.sleep(0.02)


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


def wait_until(condition, what):
    """The first true value of `condition`, the AT-SPI events pumped between
    tries; fails with `what` at the deadline."""
    deadline = time.monotonic() + DEADLINE
    while not (value := condition()):
        time.monotonic() < deadline or fail(what)
        pump()
    return value


def run(*command):
    """What the command prints, or None where it fails or outlasts the deadline."""
    try:
        result = subprocess.run(command, capture_output=True, text=True, timeout=DEADLINE)
    except subprocess.TimeoutExpired:
        return None
    return result.stdout.strip() if result.returncode == 0 else None


def windows(name):
    """The visible windows titled exactly `name`."""
    return (run("xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(name)}$") or "").split()


def keys(window, *names):
    """Presses keys in the window once it has the keyboard focus, asked for
    again until it has: keys that come earlier are lost. (The window manager
    marks a window active before its program, such as Wine, takes the focus.)"""
    wait_until(lambda: run("xdotool", "getwindowfocus") == window or run("xdotool", "windowactivate", window) and False,
               f"window {window} never took the keyboard focus")
    run("xdotool", "key", "--clearmodifiers", "--delay", "0", *names) is not None or fail(f"keys {names}")


seen = set()


def new_window(name):
    """The first window titled `name` not seen before, once it shows: a
    dialog that has just been answered is never taken for the next one."""
    window = wait_until(lambda: next((w for w in windows(name) if w not in seen), None), f"no new window titled {name}")
    seen.add(window)
    return window


def clipboard(text):
    # xclip stays to serve the selection, so its output goes nowhere to wait on
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text, text=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=DEADLINE, check=True)


def enter(text):
    """Puts `text` in the next prompt, once it shows, as typing it does: again
    until the prompt holds it, as a key that comes before the prompt has its
    field is lost. A text longer than a line is pasted over its first
    character, as a user pastes it. Returns the prompt."""
    prompt = new_window(product)
    typed = text if len(text) <= 80 else text[0]

    def entered():
        keys(prompt, "ctrl+a", *[{".": "period", "-": "minus"}.get(c, c) for c in typed])
        return copied(lambda: keys(prompt, "ctrl+a", "ctrl+c")) == typed

    wait_until(entered, f"the prompt never held {typed}")
    if typed != text:
        clipboard(text)
        keys(prompt, "ctrl+a", "ctrl+v")
    return prompt


def reply(text):
    keys(enter(text), "Return")


def copied(action):
    """What `action` puts on the clipboard, waited for from a sentinel."""
    sentinel = f"sentinel {time.monotonic()}"
    clipboard(sentinel)
    action()
    return wait_until(lambda: (run("xclip", "-o", "-selection", "clipboard") or sentinel).replace(sentinel, ""),
                      "nothing was copied")


def frame_on_screen(window):
    """Whether the window, with the frame its window manager drew, lies wholly
    on the screen's available area; None until it is framed."""
    info = run("xwininfo", "-id", window) or ""
    x, y, width, height = (int(re.search(label + r":\s+(-?\d+)", info)[1])
                           for label in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    extents = re.findall(r"\d+", (run("xprop", "-id", window, "_NET_FRAME_EXTENTS") or "=").split("=")[1])
    if len(extents) != 4:
        return None
    left, right, top, bottom = map(int, extents)
    area_x, area_y, area_width, area_height = map(int, re.findall(r"\d+", run("xprop", "-root", "_NET_WORKAREA"))[:4])
    return (x - left >= area_x and y - top >= area_y and x + width + right <= area_x + area_width
            and y + height + bottom <= area_y + area_height)


def calculate(button_keys, numbers, result):
    keys(main, *button_keys)
    for number in numbers:
        reply(number)
    wait_until(lambda: not windows(product), "a prompt stayed open")
    if system == "linux":  # a screen reader hears the new result alone
        wait_until(lambda: heard, f"no screen reader heard {result}")
        heard == [result] or fail(f"a screen reader heard {heard}, not {result}")
        heard.clear()


def cancel(button_keys, way):
    """Starts a calculation, answers its first prompt and leaves the second
    one `way`: nothing is appended, and the window goes on."""
    keys(main, *button_keys)
    reply("10")
    keys(enter("3"), way)
    wait_until(lambda: not windows(product), f"the prompt stayed open after {way}")


program = subprocess.Popen(command, stderr=subprocess.DEVNULL)
try:
    main = wait_until(lambda: windows(title), "the main window did not appear")[0]
    if system == "linux":
        korvid = wait_until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == product), None),
                            "Korvid is not on the accessibility bus")
    # Framed by the window manager, the window moves wholly onto the screen.
    # (Keys sent before the window manager has taken the window may be lost.)
    wait_until(lambda: frame_on_screen(main), "the framed window does not lie on the screen")

    # By keyboard: free-fall time, distance (its time pasted, longer than a
    # line edit holds by default) and gravitation, from the first button on;
    # distance again, its second prompt escaped, then closed.
    calculate(["space"], ["9.8", "20"], "2.0203052")
    calculate(["Tab", "Return"], ["10", "3" + "0" * 40000 + "e-40000"], "45.0000000")
    cancel(["Return"], "Escape")
    cancel(["Return"], "alt+F4")
    calculate(["Tab"] * 8 + ["Return"], ["6371000", "5.972e24", "1"], "9.8174575")

    # The answer box copied whole, as Tab selects it, and its last result.
    text = copied(lambda: keys(main, "Tab", "ctrl+c"))
    text == "2.020305245.00000009.8174575" or fail(f"Ctrl+C copied {text!r}")
    text = copied(lambda: keys(main, "End", "ctrl+c"))
    text == "9.8174575" or fail(f"Ctrl+C copied {text!r}")

    # Division by zero: an error box, and the window goes on.
    keys(main, "shift+Tab", "Return")
    for number in ("0", "1", "1"):
        reply(number)
    box = new_window(product)
    if system == "linux":
        alert = wait_until(lambda: next((a for a in descendants(korvid) if a.getRole() == pyatspi.ROLE_ALERT), None),
                           "the error box is not an alert")
        message = "\n".join(a.name for a in descendants(alert) if a.getRole() == pyatspi.ROLE_LABEL)
    else:
        message = copied(lambda: keys(box, "ctrl+c"))
    "运行时错误 '11'：\n\n除数为零" in message or fail(f"the error box reads {message!r}")
    keys(box, "Return")
    wait_until(lambda: not windows(product), "the error box stayed open")
    program.poll() is None or fail("the program ended")

    # Closing the window ends the program.
    keys(main, "alt+F4")
    program.wait(timeout=8)
    program.returncode == 0 or fail(f"the program exited with {program.returncode}")
finally:
    if program.poll() is None:
        program.kill()
