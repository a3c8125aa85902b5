"""A user at an X desktop, for end-to-end tests of the real program: keys
through xdotool, the clipboard through xclip, windows found by their titles.
Every wait is for a condition, with a deadline; none is a fixed pause."""

import ctypes
import re
import subprocess
import sys
import time

DEADLINE = 8  # seconds; a test that fails ends well within ten


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def wait_until(condition, what, seconds=DEADLINE, idle=lambda: time.sleep(0.02)):
    """The first true value of `condition`; fails with `what` at the deadline.
    `idle` runs between tries (an event loop to pump, say)."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            fail(what)
        idle()


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=DEADLINE)
    return result.stdout.strip() if result.returncode == 0 else None


def windows(title):
    """The visible windows with exactly this title."""
    found = run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$")
    return found.split() if found else []


def keys(target, *names):
    run("xdotool", "windowactivate", "--sync", target) is not None or run("xdotool", "windowfocus", "--sync", target)
    run("xdotool", "key", "--clearmodifiers", "--delay", "30", *names) is not None or fail(f"keys {names}")


def reply(title, text, idle=None):
    """Types `text` into the dialog titled `title` that is about to show, and
    confirms it."""
    dialog = wait_until(lambda: windows(title), f"no dialog titled {title}", idle=idle or (lambda: time.sleep(0.02)))[0]
    run("xdotool", "windowfocus", "--sync", dialog)
    run("xdotool", "type", "--delay", "20", text)
    run("xdotool", "key", "Return")


def copied(action, idle=None):
    """What `action` puts on the clipboard, waited for from a sentinel."""
    sentinel = f"sentinel {time.monotonic()}"
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=sentinel, text=True, timeout=DEADLINE,
                   check=True, stdout=subprocess.DEVNULL)
    action()

    def changed():
        text = run("xclip", "-o", "-selection", "clipboard")
        return text if text not in (None, sentinel) else None
    return wait_until(changed, "nothing was copied", idle=idle or (lambda: time.sleep(0.02)))


def frame_on_screen(window):
    """Whether the window with the frame its window manager drew lies wholly
    on the screen; None until it is framed."""
    info = run("xwininfo", "-id", window) or ""
    left, top, width, height = (int(re.search(label + r":\s+(-?\d+)", info).group(1))
                                for label in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    extents = [int(n) for n in re.findall(r"\d+", (run("xprop", "-id", window, "_NET_FRAME_EXTENTS") or "=")
                                          .split("=")[1])]
    if len(extents) != 4:
        return None
    frame_left, frame_right, frame_top, frame_bottom = extents
    screen_width, screen_height = (int(n) for n in run("xdotool", "getdisplaygeometry").split())
    return (left >= frame_left and top >= frame_top and left + width + frame_right <= screen_width
            and top + height + frame_bottom <= screen_height)


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
