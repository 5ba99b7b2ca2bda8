"""The design canvas as seen on the screen, and what it should show.

The canvas is 640 by 480 pixels, black with a white dot every 10 pixels
starting at its own (0, 0). Windows are drawn with the built-in skin: a
5-pixel light blue border around a purple interior, and a label at (10, 10)
inside the window. A selected window carries a grab-handle frame, 5 pixels
taller than the window, with a one-pixel outline 2 pixels inside its edge and
eight 5-by-5 handle squares.
"""

from dataclasses import dataclass

WIDTH, HEIGHT = 640, 480
GRID = 10
BACKGROUND = (0, 0, 0)
DOT = (255, 255, 255)
BORDER = (111, 175, 255)
INTERIOR = (128, 0, 128)
BORDER_WIDTH = 5
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


class _Picture:
    """Expected colours of the canvas, row by row, plus a mask of pixels
    whose colour is not predicted (the name labels)."""

    def __init__(self):
        plain = bytes(BACKGROUND) * WIDTH
        dotted = bytearray(plain)
        for x in range(0, WIDTH, GRID):
            dotted[x * 3:x * 3 + 3] = bytes(DOT)
        self.rows = [bytearray(dotted if y % GRID == 0 else plain) for y in range(HEIGHT)]
        self.masks = [bytearray(WIDTH) for _ in range(HEIGHT)]

    def fill(self, left, top, right, bottom, colour, masked=False):
        left, right = max(left, 0), min(right, WIDTH)
        top, bottom = max(top, 0), min(bottom, HEIGHT)
        if left >= right:
            return
        span = bytes(colour) * (right - left)
        flag = (b"\x01" if masked else b"\x00") * (right - left)
        for y in range(top, bottom):
            self.rows[y][left * 3:right * 3] = span
            self.masks[y][left:right] = flag

    def window(self, w):
        b = BORDER_WIDTH
        self.fill(w.left, w.top, w.right, w.bottom, BORDER)
        self.fill(w.left + b, w.top + b, w.right - b, w.bottom - b, INTERIOR)
        l, t, r, bottom = w.label_box()
        self.fill(l, t, r, bottom, INTERIOR, masked=True)

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
    """A label needs both its white box and dark glyphs. Only checked when no
    later window covers the label's place."""
    l, t, r, b = w.label_box()
    if any(o.left < r and l < o.right and o.top < b and t < o.bottom for o in later):
        return True
    ox, oy = origin
    white = dark = 0
    for y in range(max(t, 0), min(b, HEIGHT)):
        row = image.row(oy + y, ox + max(l, 0), ox + min(r, WIDTH))
        for i in range(0, len(row), 3):
            total = row[i] + row[i + 1] + row[i + 2]
            white += total == 765
            dark += total < 240
    return white >= 40 and dark >= 10


def compare(image, origin, windows):
    """None when the canvas at `origin` shows exactly `windows` (in z-order,
    back to front); otherwise a description of the first differences."""
    picture = _Picture()
    for w in windows:
        picture.window(w)
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
