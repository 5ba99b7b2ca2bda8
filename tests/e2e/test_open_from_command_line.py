"""volmar FILE: the project named on the command line is on the canvas at
start and heads the recent projects; --version and a usage error need no
display, and without one the editor says what is missing; volmar-cli prints
nothing but its own output where no session set XDG_RUNTIME_DIR."""

import os
import subprocess
import tempfile
import unittest

import context
import document
from canvas import Window
from session import EditorSession

START_WINDOWS = [Window("menu", 40, 40, 200, 168), Window("help", 240, 300, 600, 364)]
PROJECT = "start.rsform"


class OpenFromCommandLine(EditorSession):

    @classmethod
    def prepare(cls):
        cls.home.runtime = None  # no session, as in a root shell
        # Beside the home folder the editor starts in, named by a relative path.
        cls.path = os.path.join(cls.home.path, PROJECT)
        with open(cls.path, "wb") as f:
            f.write(document.form_text(START_WINDOWS))

    @classmethod
    def arguments(cls):
        return [PROJECT]

    def test_1_the_project_is_open_at_start(self):
        self.editor.wait_canvas(START_WINDOWS, "the windows of the project named at start")
        self.snapshot("opened-at-start")
        self.done("open")

    def test_2_closing_keeps_it_first_among_the_recent_projects(self):
        self.needs("open")
        self.assertEqual(self.editor.close_confirmed(), 0)
        with open(self.home.settings_file, "rb") as f:
            recent = document.ini_values(f.read(), "RecentFiles")
        self.assertEqual(recent.get("File0"), self.path)

    def test_3_qt_said_nothing_about_the_missing_session(self):
        with open(os.path.join(context.work_root, f"{type(self).__name__}.log")) as f:
            self.assertNotIn("XDG_RUNTIME_DIR", f.read())


class CommandLineWithoutDisplay(unittest.TestCase):
    """As on a server or in CI: no display and no session (XDG_RUNTIME_DIR)."""

    def run_volmar(self, *arguments, program="volmar", platform="xcb"):
        drop = ("DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM")
        env = {k: v for k, v in os.environ.items() if k not in drop}
        if platform:
            env["QT_QPA_PLATFORM"] = platform
        path = context.executable
        if program != "volmar":
            path = os.path.join(os.path.dirname(path), program)
        return subprocess.run([path, *arguments], env=env, capture_output=True,
                              text=True, timeout=20)

    def test_help_and_version_end_with_0_a_usage_error_with_2(self):
        for option, printed in (("--version", "volmar "), ("--help", "Usage: volmar")):
            result = self.run_volmar(option)
            self.assertEqual(result.returncode, 0, option)
            self.assertIn(printed, result.stdout)
        result = self.run_volmar("--bogus")
        self.assertEqual((result.returncode, result.stdout), (2, ""))
        self.assertIn("Unknown option 'bogus'.\n\nUsage: volmar", result.stderr)

    def test_the_editor_names_what_is_missing_in_one_line_and_ends_with_1(self):
        for platform in ("xcb", None):
            result = self.run_volmar(platform=platform)
            self.assertEqual((result.returncode, result.stdout), (1, ""))
            self.assertRegex(result.stderr, r"\Avolmar: no display \(DISPLAY and WAYLAND_DISPLAY "
                                            r"are unset\); [^\n]*xvfb-run -a \S*volmar [^\n]*\n\Z")

    def test_the_cli_prints_only_its_own_version_and_output(self):
        result = self.run_volmar("--version", program="volmar-cli", platform=None)
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        self.assertRegex(result.stdout, r"\Avolmar-cli \d+\.\d+\.\d+\n\Z")
        with tempfile.TemporaryDirectory() as folder:
            project = os.path.join(folder, PROJECT)
            with open(project, "wb") as f:
                f.write(document.form_text(START_WINDOWS))
            result = self.run_volmar("render", project, "-o", os.path.join(folder, "out.png"),
                                     program="volmar-cli", platform=None)
            self.assertEqual((result.returncode, result.stderr), (0, ""))
