"""The X server as a user sees it: windows, pointer, keyboard, screen and clipboard.

Everything goes through the command-line tools xdotool, import (ImageMagick)
and xclip, each call bounded by a timeout so a stuck tool fails the test
instead of hanging it.
"""

import re
import subprocess

from image import parse_ppm

TOOL_TIMEOUT = 15


def _run(args, timeout=TOOL_TIMEOUT, check=True, text=True):
    done = subprocess.run(args, capture_output=True, timeout=timeout, text=text)
    if check and done.returncode != 0:
        raise RuntimeError(f"{' '.join(args)} failed ({done.returncode}): {done.stderr!r}")
    return done


def xdotool(*args):
    return _run(["xdotool", *[str(a) for a in args]]).stdout


def visible_windows(pid, title=None):
    """Ids of the mapped top-level windows that the process `pid` owns, only
    those titled exactly `title` when it is given."""
    pattern = "" if title is None else "^" + re.escape(title) + "$"
    done = _run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                 "--name", pattern], check=False)
    # xdotool exits with 1 when nothing matches.
    return [int(line) for line in done.stdout.split()]


def window_name(window):
    done = _run(["xdotool", "getwindowname", str(window)], check=False)
    return done.stdout.rstrip("\n") if done.returncode == 0 else None


def pointer():
    """Where the pointer is now, as (x, y)."""
    fields = dict(line.split("=", 1) for line in xdotool("getmouselocation", "--shell").split())
    return int(fields["X"]), int(fields["Y"])


def _move(x, y):
    # `mousemove --sync` waits for the pointer to move, forever when it is
    # already there.
    return [] if pointer() == (x, y) else ["mousemove", "--sync", x, y]


def click(x, y, button=1):
    xdotool(*_move(x, y), "click", button)


def press_and_move(start, end, steps=8):
    """Presses the left button at `start` and moves in steps to `end`, holding it."""
    (x0, y0), (x1, y1) = start, end
    points = []
    for i in range(1, steps + 1):
        point = (x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        if point != (points[-1] if points else start):
            points.append(point)
    moves = [arg for x, y in points for arg in ("mousemove", "--sync", x, y)]
    xdotool(*_move(x0, y0), "mousedown", 1, *moves)


def release():
    xdotool("mouseup", 1)


def key(*names, window=None):
    """Presses and releases each key (xdotool key names, e.g. ctrl+s, Return),
    after giving `window` the focus when one is named."""
    xdotool(*_focus(window), "key", "--delay", 30, *names)


def type_text(text, *then, window=None):
    """Types ASCII text, then presses the keys `then`."""
    xdotool(*_focus(window), "type", "--delay", 20, text)
    if then:
        # `type` takes every remaining word as text, so keys need a call of their own.
        key(*then)


def _focus(window):
    # Without a window manager nothing gives a window the focus but this.
    return [] if window is None else ["windowfocus", "--sync", window]


def screenshot():
    """The whole screen as an Image."""
    done = _run(["import", "-window", "root", "-depth", "8", "ppm:-"], text=False)
    return parse_ppm(done.stdout)


def clipboard_text():
    """The bytes that the clipboard's owner hands out as text, or None when
    there is no owner or no text."""
    done = _run(["xclip", "-o", "-selection", "clipboard"], check=False, text=False)
    return done.stdout if done.returncode == 0 else None
