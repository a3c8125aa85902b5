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
Linux in a D-Bus session of its own. Under Wine, KORVID_WINE_WAIT gives the
deadline. Where KORVID_LOGS names a folder, it keeps there what explains a
failure: the program's stderr (Wine's messages with it), the session's own
trace, and, with KORVID_GRAB naming korvid-grab, a picture of the screen as
the session failed."""

import os
import re
import subprocess
import sys
import time

from Xlib import X, display, protocol
from Xlib.ext import xfixes

system, path = sys.argv[1:3]
# seconds: a test that fails ends within ten on Linux; Wine starting a
# program, on a busy machine, is given longer
DEADLINE = 8 if system == "linux" else int(os.environ["KORVID_WINE_WAIT"])


LOGS = os.environ.get("KORVID_LOGS")
trace_file = open(os.path.join(LOGS, "session.log") if LOGS else os.devnull, "w", buffering=1, encoding="utf-8")
started = time.monotonic()


def trace(*what):
    print(f"{time.monotonic() - started:7.2f}", *what, file=trace_file)


def fail(message):
    trace("FAIL:", message)
    if LOGS and os.environ.get("KORVID_GRAB"):
        subprocess.run([os.environ["KORVID_GRAB"], "--screen", os.path.join(LOGS, "screen.png")], timeout=DEADLINE)
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def pause():
    time.sleep(0.02)


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
    trace("keys", window, *names)
    # xdotool's own pause between keys: Wine, on a busy machine, takes a key
    # that follows its modifier too closely without it
    run("xdotool", "key", "--clearmodifiers", *names) is not None or fail(f"keys {names}")


seen = set()


def new_window(name):
    """The first window titled `name` not seen before, once it shows: a
    dialog that has just been answered is never taken for the next one."""
    window = wait_until(lambda: next((w for w in windows(name) if w not in seen), None), f"no new window titled {name}")
    seen.add(window)
    trace("new window", window, name)
    return window


class ClipboardOwner:
    """Tells whether the clipboard's owner has been set since last asked, as
    every copy sets it, even where the program that copies owns it already."""

    def __init__(self):
        self.display = display.Display()
        self.display.xfixes_query_version()
        self.display.xfixes_select_selection_input(self.display.screen().root, self.display.intern_atom("CLIPBOARD"),
                                                   xfixes.XFixesSetSelectionOwnerNotifyMask)
        self.display.sync()

    def set_again(self):
        self.display.sync()  # the events of all the server has done so far
        events = [self.display.next_event() for _ in range(self.display.pending_events())]
        return any(e.type == self.display.extension_event.SetSelectionOwnerNotify[0] and e.owner != X.NONE
                   for e in events)


owner = ClipboardOwner()


def clipboard(text):
    """Puts `text` on the clipboard, as another program does: xclip, which
    stays to serve it, so its output goes nowhere to wait on."""
    owner.set_again()
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text, text=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=DEADLINE, check=True)
    wait_until(owner.set_again, "xclip did not take the clipboard")
    trace("on the clipboard:", text[:20], len(text))


def copied(action, repeatable=False):
    """What `action` copies, read once the clipboard's owner is set again, as a
    copy sets it. (A text of our own put there first, to tell a copy from none,
    would race with the copy: Wine takes such a text in a moment later, and
    then puts it over whatever was copied meanwhile.) Where that can still
    befall a copy, right after a paste, a `repeatable` action, such as Ctrl+C
    alone, is done again each second until it copies."""
    owner.set_again()  # what was set before, gone
    action()
    deadline, again = time.monotonic() + DEADLINE, time.monotonic() + 1
    while not owner.set_again():
        time.monotonic() < deadline or fail("nothing was copied")
        if repeatable and time.monotonic() > again:
            trace("nothing copied yet; again")
            action()
            again = time.monotonic() + 1
        pump()
    text = run("xclip", "-o", "-selection", "clipboard") or ""
    trace("copied:", text[:20], len(text))
    return text


def enter(text):
    """Puts `text` in the next prompt, once it shows, as typing it does: again
    until the prompt holds it, as a key that comes before the prompt has its
    field is lost. A text longer than a line is pasted over its first
    character, as a user pastes it: again until the prompt holds it too, as
    Wine takes in what another program put on the clipboard a moment later.
    Returns the prompt."""
    prompt = new_window(product)
    typed = text if len(text) <= 80 else text[0]

    def holds(wanted):
        return copied(lambda: keys(prompt, "ctrl+a", "ctrl+c"), repeatable=True) == wanted

    wait_until(lambda: keys(prompt, "ctrl+a", *[{".": "period", "-": "minus"}.get(c, c) for c in typed])
               or holds(typed), f"the prompt never held {typed}")
    if typed != text:
        clipboard(text)
        wait_until(lambda: keys(prompt, "ctrl+a", "ctrl+v") or holds(text), "the prompt never held the pasted text")
    return prompt


def reply(text):
    keys(enter(text), "Return")


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


def close(window):
    """Closes a window as its title bar's close button does: the window
    manager is asked to, and asks the window."""
    d = owner.display
    event = protocol.event.ClientMessage(window=d.create_resource_object("window", int(window)),
                                         client_type=d.intern_atom("_NET_CLOSE_WINDOW"), data=(32, [X.CurrentTime, 2, 0, 0, 0]))
    d.screen().root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    d.flush()


def cancel(button_keys, way):
    """Starts a calculation, answers its first prompt and leaves the second
    one `way`, Escape or closed: nothing is appended, and the window goes on."""
    keys(main, *button_keys)
    reply("10")
    prompt = enter("3")
    keys(prompt, way) if way == "Escape" else close(prompt)
    wait_until(lambda: not windows(product), f"the prompt stayed open after {way}")


log = open(os.path.join(LOGS, os.path.basename(path.replace("\\", "/")) + ".log") if LOGS else os.devnull, "wb")
program = subprocess.Popen(command, stderr=log)
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
    cancel(["Return"], "closed")
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
    # (Under Wine, a key that comes before Wine has made the window active
    # again is lost: Alt+F4 again, each few seconds, while the window shows.)
    again = 0

    def ended():
        global again
        if program.poll() is not None:
            return True
        if windows(title) and time.monotonic() > again:
            keys(main, "alt+F4")
            again = time.monotonic() + 3
        return False

    wait_until(ended, "the program did not end")
    program.returncode == 0 or fail(f"the program exited with {program.returncode}")
finally:
    if program.poll() is None:
        program.kill()
