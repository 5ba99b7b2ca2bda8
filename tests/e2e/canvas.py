"""The design canvas as seen on the screen, and what it should show.

The canvas is 640 by 480 pixels, black with a white dot every 10 pixels
starting at its own (0, 0). Windows are drawn with the built-in skin, as
`volmar-cli render` paints them (the renderer is tested on its own), and a
label at (10, 10) inside the window, whose glyphs are not predicted. A
selected window carries a grab-handle frame, 5 pixels taller than the
window, with a one-pixel outline 2 pixels inside its edge and eight 5-by-5
handle squares.
"""

import os
import subprocess
import tempfile
from dataclasses import dataclass

import context
import document
from image import parse_ppm

WIDTH, HEIGHT = 640, 480
GRID = 10
BACKGROUND = (0, 0, 0)
DOT = (255, 255, 255)
BORDER_WIDTH = 5  # the label is looked for this far inside the right and bottom edges
HANDLE = (255, 0, 0)
MULTI_SELECT = (255, 255, 255)
HANDLE_SIZE = 5
FRAME_EXTRA_HEIGHT = 5
RULER_DEPTH = 20
# Where the name label may be: from (10, 10) inside the window, this many rows.
LABEL_OFFSET = 10
LABEL_ROWS = 24

_WHITE_THEN_BLACK = bytes(DOT + BACKGROUND)


@dataclass
class Window:
    name: str
    left: int
    top: int
    right: int
    bottom: int
    selected: bool = False

    def moved(self, dx, dy):
        return Window(self.name, self.left + dx, self.top + dy,
                      self.right + dx, self.bottom + dy, self.selected)

    def label_box(self):
        """The rectangle (l, t, r, b) where the label may be drawn."""
        return (self.left + LABEL_OFFSET, self.top + LABEL_OFFSET,
                self.right - BORDER_WIDTH,
                min(self.top + LABEL_OFFSET + LABEL_ROWS, self.bottom - BORDER_WIDTH))


def _is_grid_origin(image, x, y):
    def px(dx, dy):
        return image.pixel(x + dx, y + dy)

    corners = [(0, 0), (WIDTH - GRID, 0), (0, HEIGHT - GRID), (WIDTH - GRID, HEIGHT - GRID)]
    return (all(px(cx, cy) == DOT and px(cx + 5, cy + 5) == BACKGROUND for cx, cy in corners)
            and px(1, 1) == BACKGROUND and px(WIDTH - 1, HEIGHT - 1) == BACKGROUND)


def find_canvas(image):
    """The screen position of the canvas's (0, 0), or None when no empty
    canvas with its dot grid is on the screen."""
    data = image.data
    pos = data.find(_WHITE_THEN_BLACK)
    while pos >= 0:
        if pos % 3 == 0:
            y, x = divmod(pos // 3, image.width)
            if _is_grid_origin(image, x, y):
                return x, y
        pos = data.find(_WHITE_THEN_BLACK, pos + 1)
    return None


def rulers_shown(image, origin):
    """Whether the horizontal ruler shows above the canvas: hidden, it leaves
    its 20-pixel strip white."""
    ox, oy = origin
    strip = b"".join(image.row(y, ox, ox + WIDTH) for y in range(oy - RULER_DEPTH, oy))
    return strip != b"\xff" * len(strip)


_rendered = {}


def rendered(windows):
    """The canvas volmar-cli paints for `windows` (back to front) with the
    editor's default look, as an Image; kept for the next call."""
    key = tuple((w.name, w.left, w.top, w.right, w.bottom) for w in windows)
    if key not in _rendered:
        cli = os.path.join(os.path.dirname(os.path.abspath(context.executable)), "volmar-cli")
        with tempfile.TemporaryDirectory(dir=context.work_root) as folder:
            layout = os.path.join(folder, "layout.rsform")
            with open(layout, "wb") as f:
                f.write(document.form_text(windows))
            png = os.path.join(folder, "canvas.png")
            subprocess.run([cli, "render", layout, "-o", png, *context.render_options],
                           check=True, timeout=60,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            ppm = subprocess.run(["convert", png, "-depth", "8", "ppm:-"], check=True,
                                 timeout=60, stdout=subprocess.PIPE).stdout
        _rendered[key] = parse_ppm(ppm)
    return _rendered[key]


class _Picture:
    """Expected colours of the canvas, row by row, plus a mask of pixels
    whose colour is not predicted (the name labels)."""

    def __init__(self, windows):
        image = rendered(windows)
        self.rows = [bytearray(image.row(y, 0, WIDTH)) for y in range(HEIGHT)]
        self.masks = [bytearray(WIDTH) for _ in range(HEIGHT)]
        for w in windows:
            self.mask(w.left, w.top, w.right, w.bottom, False)  # it covers earlier labels
            self.mask(*w.label_box(), True)

    def mask(self, left, top, right, bottom, masked):
        left, right = max(left, 0), min(right, WIDTH)
        top, bottom = max(top, 0), min(bottom, HEIGHT)
        if left >= right:
            return
        flag = (b"\x01" if masked else b"\x00") * (right - left)
        for y in range(top, bottom):
            self.masks[y][left:right] = flag

    def fill(self, left, top, right, bottom, colour):
        self.mask(left, top, right, bottom, False)
        left, right = max(left, 0), min(right, WIDTH)
        top, bottom = max(top, 0), min(bottom, HEIGHT)
        if left >= right:
            return
        span = bytes(colour) * (right - left)
        for y in range(top, bottom):
            self.rows[y][left * 3:right * 3] = span

    def frame(self, w, colour, corners_only):
        """The grab-handle frame of a selected window: all eight handles when
        it is the only one selected, the four corners in a multiple selection."""
        left, top = w.left, w.top
        width, height = w.right - w.left, w.bottom - w.top + FRAME_EXTRA_HEIGHT
        self.fill(left + 2, top + 2, left + width - 2, top + 3, colour)
        self.fill(left + 2, top + height - 3, left + width - 2, top + height - 2, colour)
        self.fill(left + 2, top + 2, left + 3, top + height - 2, colour)
        self.fill(left + width - 3, top + 2, left + width - 2, top + height - 2, colour)
        s = HANDLE_SIZE
        xs = (0, width // 2 - 2, width - s)
        ys = (0, height // 2 - 2, height - s)
        for hy in ys:
            for hx in xs:
                middle = hx == xs[1] or hy == ys[1]
                if (hx, hy) != (xs[1], ys[1]) and not (corners_only and middle):
                    self.fill(left + hx, top + hy, left + hx + s, top + hy + s, colour)


def _runs(mask):
    """The [start, end) runs of set bytes in a mask row."""
    start = mask.find(1)
    while start >= 0:
        end = mask.find(0, start)
        end = len(mask) if end < 0 else end
        yield start, end
        start = mask.find(1, end)


def _label_is_drawn(image, origin, w, later):
    """A label needs both its white box and dark grey glyphs (the skin's
    blues do not count). Only checked when no later window covers the
    label's place."""
    l, t, r, b = w.label_box()
    if any(o.left < r and l < o.right and o.top < b and t < o.bottom for o in later):
        return True
    ox, oy = origin
    white = dark = 0
    for y in range(max(t, 0), min(b, HEIGHT)):
        row = image.row(oy + y, ox + max(l, 0), ox + min(r, WIDTH))
        for i in range(0, len(row), 3):
            px = row[i:i + 3]
            white += px == b"\xff\xff\xff"
            dark += max(px) < 100 and max(px) - min(px) < 24
    return white >= 40 and dark >= 10


def compare(image, origin, windows):
    """None when the canvas at `origin` shows exactly `windows` (in z-order,
    back to front); otherwise a description of the first differences."""
    picture = _Picture(windows)
    selected = [w for w in windows if w.selected]
    for w in selected:
        if len(selected) == 1:
            picture.frame(w, HANDLE, corners_only=False)
        else:
            picture.frame(w, MULTI_SELECT, corners_only=True)
    ox, oy = origin
    wrong, first = 0, None
    for y in range(HEIGHT):
        seen = bytearray(image.row(oy + y, ox, ox + WIDTH))
        expected = picture.rows[y]
        for start, end in _runs(picture.masks[y]):
            seen[start * 3:end * 3] = expected[start * 3:end * 3]
        if seen == expected:
            continue
        for x in range(WIDTH):
            if seen[x * 3:x * 3 + 3] != expected[x * 3:x * 3 + 3]:
                wrong += 1
                if first is None:
                    first = (x, y, tuple(seen[x * 3:x * 3 + 3]), tuple(expected[x * 3:x * 3 + 3]))
    if wrong:
        x, y, got, want = first
        return f"{wrong} canvas pixels differ, the first at ({x}, {y}): {got} instead of {want}"
    for i, w in enumerate(windows):
        if not _label_is_drawn(image, origin, w, windows[i + 1:]):
            return f"no name label inside window {w.name!r}"
    return None
