"""A user at an X desktop, for end-to-end tests of the real program: keys
through xdotool, the clipboard through xclip, windows found by their titles.
Every wait is for a condition, with a deadline; none is a fixed pause."""

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


def wait_until(condition, what, idle=pause):
    """The first true value of `condition`; fails with `what` at the deadline.
    `idle` runs between tries: an event loop to pump, say."""
    deadline = time.monotonic() + DEADLINE
    while not (value := condition()):
        time.monotonic() < deadline or fail(what)
        idle()
    return value


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=DEADLINE)
    return result.stdout.strip() if result.returncode == 0 else None


def windows(title):
    """The visible windows with exactly this title."""
    return (run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$") or "").split()


def keys(window, *names):
    """Presses keys in the window once it has the keyboard focus, asked for
    again until it has: keys that come earlier are lost. (The window manager
    marks a window active before its program, such as Wine, takes the focus.)"""
    wait_until(lambda: run("xdotool", "getwindowfocus") == window or run("xdotool", "windowactivate", window) and False,
               f"window {window} never took the keyboard focus")
    run("xdotool", "key", "--clearmodifiers", "--delay", "30", *names) is not None or fail(f"keys {names}")


seen = set()


def new_window(title, idle=pause):
    """The first window with this title not seen before, once it shows: a
    dialog that has just been answered is never taken for the next one."""
    window = wait_until(lambda: next((w for w in windows(title) if w not in seen), None),
                        f"no new window titled {title}", idle)
    seen.add(window)
    return window


def reply(title, text, idle=pause):
    """Types `text` into the next dialog titled `title`, once it shows, and confirms it."""
    keys(new_window(title, idle), *[{".": "period", "-": "minus"}.get(c, c) for c in text], "Return")


def copied(action, idle=pause):
    """What `action` puts on the clipboard, waited for from a sentinel."""
    sentinel = f"sentinel {time.monotonic()}"
    # xclip stays to serve the selection, so its output goes nowhere to wait on
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=sentinel, text=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=DEADLINE, check=True)
    action()
    return wait_until(lambda: (run("xclip", "-o", "-selection", "clipboard") or sentinel).replace(sentinel, ""),
                      "nothing was copied", idle)


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
