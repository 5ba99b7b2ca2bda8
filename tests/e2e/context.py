"""What run.py learned from its command line, shared with the test modules."""

import os

executable = None
work_root = None
shots = None
# Options of volmar-cli render for the expected canvas, e.g. a background picture.
render_options = []


class Shots:
    """Keeps screenshots as PNG files in one folder, numbered in order."""

    def __init__(self, folder, record):
        self.folder = folder
        self.record = record
        self.count = 0
        os.makedirs(folder, exist_ok=True)

    def checkpoint(self, image, label):
        """Keeps a screenshot of a passing step, only when recording."""
        if self.record:
            self.keep(image, label)

    def keep(self, image, label):
        self.count += 1
        safe = "".join(c if c.isascii() and c.isalnum() else "-" for c in label)[:60]
        path = os.path.join(self.folder, f"{self.count:02d}-{safe}.png")
        image.save_png(path)
        return path
