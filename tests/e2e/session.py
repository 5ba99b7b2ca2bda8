"""A test class that runs one editor session: its steps share one running
editor and run in order, and a step whose groundwork failed is skipped."""

import os
import unittest

import context
import xsession
from editor import Editor, UserHome


class EditorSession(unittest.TestCase):
    editor = None
    finished = None

    @classmethod
    def setUpClass(cls):
        cls.finished = set()
        cls.home = UserHome(context.work_root)
        cls.prepare()
        log = os.path.join(context.work_root, f"{cls.__name__}.log")
        cls.editor = Editor(context.executable, cls.home, log, context.shots, cls.arguments())
        try:
            cls.editor.wait_ready()
        except BaseException:
            cls.editor.kill()
            raise

    @classmethod
    def prepare(cls):
        """Files the session needs before the editor starts."""

    @classmethod
    def arguments(cls):
        """The editor's command line after the program name."""
        return []

    @classmethod
    def tearDownClass(cls):
        if cls.editor is not None:
            cls.editor.kill()

    def needs(self, *steps):
        missing = [s for s in steps if s not in self.finished]
        if missing:
            self.skipTest(f"needs the earlier step(s) {', '.join(missing)}, which did not pass")

    def done(self, step):
        self.finished.add(step)

    def snapshot(self, label):
        """Keeps a screenshot of the moment when recording."""
        if context.shots.record:
            context.shots.keep(xsession.screenshot(), f"{type(self).__name__}-{label}")
