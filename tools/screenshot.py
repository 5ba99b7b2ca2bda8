#!/usr/bin/env python3
"""Takes the README's screenshot: the real editor on an X server (normally
Xvfb through xvfb-run) with a throw-away home, a layout opened through the
Open dialog, one window selected so its grab handles show, and the main
window grabbed on its own.

    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \\
        python3 tools/screenshot.py --volmar build/volmar --layout docs/sample.rsform \\
        --select command --out docs/screenshot.png
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

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
    return parser.parse_args()


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
    editor = Editor(os.path.abspath(args.volmar), home, os.path.join(work_root, "volmar.log"), shots)
    try:
        editor.wait_ready()
        editor.file_dialog("ctrl+o", layout)
        unselected = [Window(w.name, w.left, w.top, w.right, w.bottom) for w in windows]
        editor.wait_canvas(unselected, "the opened layout")
        editor.click_canvas(*click_point(windows, chosen))
        editor.wait_canvas(windows, f"the window {chosen.name!r} selected")
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
