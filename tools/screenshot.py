#!/usr/bin/env python3
"""Takes the README's screenshot: the real editor on an X server (normally
Xvfb through xvfb-run) with a throw-away home, a layout opened through the
Open dialog, one window selected so its grab handles show, and the main
window grabbed on its own. With --game-background the canvas shows a
made-up game screen under the windows, snapping to windows is on, and the
selected window is caught in the middle of a move (--move DX,DY) while a
guide holds.

    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \\
        python3 tools/screenshot.py --volmar build/volmar --layout docs/sample.rsform \\
        --select command --out docs/screenshot.png
"""

import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

import context  # noqa: E402
import xsession  # noqa: E402
from canvas import Window  # noqa: E402
from editor import Editor, UserHome  # noqa: E402
from waiting import wait_until  # noqa: E402


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--volmar", required=True, help="the volmar executable")
    parser.add_argument("--layout", required=True, help="the .rsform file to open")
    parser.add_argument("--select", required=True, help="the name of the window to select")
    parser.add_argument("--out", required=True, help="the PNG file to write")
    parser.add_argument("--game-background", action="store_true",
                        help="a made-up game screen under the windows, snapping to windows on")
    parser.add_argument("--move", default="0,0",
                        help="DX,DY: catch the selected window moved by this much, button held")
    return parser.parse_args()


def write_game_background(path):
    """A 640x480 title-screen-like picture: a dusk sky, stars, two mountain
    ranges and a field in a black border 10 pixels wide (where the editor's
    start-up check finds the corners of its dot grid), written as an RGB PNG."""
    width, height = 640, 480
    rows = []
    for y in range(height):
        row = bytearray(b"\0")
        for x in range(width):
            t = y / height
            r, g, b = int(30 + 200 * t), int(20 + 90 * t), int(80 + 40 * (1 - t))
            if (x * 7919 + y * 104729) % 997 == 0 and y < 200:
                r = g = b = 255
            far = 250 + abs((x % 220) - 110) * 0.9
            near = 330 + abs(((x + 90) % 160) - 80) * 0.7
            if y > far:
                r, g, b = 70, 60, 110
            if y > near:
                r, g, b = 40, 50, 70
            if y > 400:
                r, g, b = 40, 100 + (x * 3 + y) % 20, 50
            if not (10 <= x < width - 10 and 10 <= y < height - 10):
                r = g = b = 0
            row += bytes((r, g, b))
        rows.append(bytes(row))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(b"".join(rows))) + chunk(b"IEND", b""))


def prepare_game_background(home, work_root):
    """Puts the picture in the editor's settings, snapping to windows on, and
    has the expected canvases painted over it."""
    picture = os.path.join(work_root, "game-screen.png")
    write_game_background(picture)
    os.makedirs(os.path.dirname(home.settings_file), exist_ok=True)
    with open(home.settings_file, "wb") as f:
        f.write(b"[Editor]\r\nSnapToWindows=1\r\nBackgroundPath=" + picture.encode() + b"\r\n\r\n")
    context.render_options = ["--background", picture]


def guide_shows(editor):
    """A vertical guide line shows below the windows."""
    ox, oy = editor.origin
    row = xsession.screenshot().row(oy + 475, ox, ox + 640)
    return any(row[i:i + 3] == b"\xff\x00\xff" for i in range(0, len(row), 3))


def read_layout(path):
    """The windows of a form text file, back to front (sections 0, 1, ...
    written the way the editor writes them)."""
    sections, current = {}, None
    with open(path, "rb") as f:
        for raw in f.read().decode("cp932").splitlines():
            line = raw.strip()
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1].strip(), {})
            elif current is not None and "=" in line:
                key, value = line.split("=", 1)
                current[key.strip().upper()] = value.strip()
    windows = []
    while str(len(windows)) in sections:
        s = sections[str(len(windows))]
        windows.append(Window(s.get("NAME", ""), int(s["X"]), int(s["Y"]), int(s["R"]), int(s["B"])))
    return windows


def select(windows, name):
    for w in windows:
        if w.name == name:
            w.selected = True
            return w
    raise SystemExit(f"screenshot: the layout holds no window named {name!r}")


def click_point(windows, chosen):
    """A point inside `chosen` that no window in front of it covers and that
    lies clear of its border and label."""
    index = windows.index(chosen)
    for y in range(chosen.bottom - 10, chosen.top + 40, -5):
        for x in range(chosen.left + 10, chosen.right - 10, 5):
            if not any(o.left <= x < o.right and o.top <= y < o.bottom for o in windows[index + 1:]):
                return x, y
    raise SystemExit(f"screenshot: window {chosen.name!r} is covered")


# Qt takes a press as the second half of a double-click when it comes within
# the double-click interval of the press before it, and a double-click on a
# window opens its property dialog. Qt reads the interval from an XSETTINGS
# manager (Net/DoubleClickTime) and takes 400 ms without one, as on the fresh
# Xvfb of scripts/screenshot; the margin covers a busy machine's late events.
DOUBLE_CLICK_SECONDS = 0.4
DOUBLE_CLICK_MARGIN = 0.25


def wait_out_double_click(clicked_at):
    """Waits until a press no longer makes a double-click with the click
    that ended at `clicked_at` (time.monotonic())."""
    left = clicked_at + DOUBLE_CLICK_SECONDS + DOUBLE_CLICK_MARGIN - time.monotonic()
    if left > 0:
        time.sleep(left)


def describe_other_windows(editor):
    """What besides the main window shows, for a report: a property dialog
    means the press was taken as a double-click."""
    names = [xsession.window_name(w) for w in editor.visible_windows() if w != editor.main]
    return "other windows shown: " + (", ".join(repr(n) for n in names) if names else "none")


def grab_window(window, path):
    subprocess.run(["import", "-window", str(window), path], check=True, timeout=30)


def take(args, work_root):
    # The status bar shows the opened file's path: a short, fixed one reads
    # better than the layout's place in a checkout.
    layout = os.path.join(work_root, os.path.basename(args.layout))
    shutil.copyfile(args.layout, layout)
    windows = read_layout(layout)
    chosen = select(windows, args.select)
    # The expected canvas comes from volmar-cli beside the editor.
    context.executable = os.path.abspath(args.volmar)
    context.work_root = work_root
    home = UserHome(work_root)
    shots = context.Shots(os.path.join(work_root, "shots"), record=False)
    if args.game_background:
        prepare_game_background(home, work_root)
    editor = Editor(os.path.abspath(args.volmar), home, os.path.join(work_root, "volmar.log"), shots)
    try:
        editor.wait_ready()
        editor.file_dialog("ctrl+o", layout)
        unselected = [Window(w.name, w.left, w.top, w.right, w.bottom) for w in windows]
        editor.wait_canvas(unselected, "the opened layout")
        point = click_point(windows, chosen)
        editor.click_canvas(*point)
        clicked_at = time.monotonic()
        editor.wait_canvas(windows, f"the window {chosen.name!r} selected")
        dx, dy = (int(v) for v in args.move.split(","))
        if (dx, dy) != (0, 0):
            wait_out_double_click(clicked_at)
            editor.press_and_move_on_canvas(point, (point[0] + dx, point[1] + dy))
            wait_until(lambda: guide_shows(editor), 5, "a guide line",
                       lambda: describe_other_windows(editor))
            # The hint window beside the pointer paints a moment later.
            last = {"shot": None}

            def settled():
                shot = xsession.screenshot().data
                same, last["shot"] = shot == last["shot"], shot
                return same

            wait_until(settled, 5, "the screen to settle")
            # Xvfb without a compositor shows the translucent hint as a black box.
            for window in editor.visible_windows():
                if window != editor.main:
                    xsession.xdotool("windowunmap", "--sync", window)
            grab_window(editor.main, args.out)
            xsession.release()
            return
        # Park the pointer off the editor, so no hover effect or ruler mark shows.
        xsession.xdotool("mousemove", "--sync", 1200, 1000)
        editor.wait_canvas(windows, "the canvas after the pointer left")
        wait_until(lambda: xsession.window_name(editor.main) == "VOLMAR", 5, "the main window")
        grab_window(editor.main, args.out)
    finally:
        editor.kill()


FIXED_WORK_ROOT = "/tmp/volmar-screenshot"


def fixed_or_temporary_folder(path):
    """A new folder at `path`, or a temporary one when something is there."""
    try:
        os.mkdir(path)
        return path
    except OSError:
        return tempfile.mkdtemp(prefix="volmar-screenshot-")


def main():
    args = parse_arguments()
    if not os.environ.get("DISPLAY"):
        print("screenshot.py needs an X display (start it under xvfb-run -a)", file=sys.stderr)
        return 2
    work_root = fixed_or_temporary_folder(FIXED_WORK_ROOT)
    try:
        take(args, work_root)
    finally:
        shutil.rmtree(work_root, ignore_errors=True)
    print(f"screenshot: wrote {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
