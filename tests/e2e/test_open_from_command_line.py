"""volmar FILE: the project named on the command line is on the canvas at
start and heads the recent projects; --version and a usage error need no
display."""

import os
import subprocess
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


class CommandLineWithoutDisplay(unittest.TestCase):

    def run_volmar(self, *arguments):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["QT_QPA_PLATFORM"] = "xcb"
        return subprocess.run([context.executable, *arguments], env=env, capture_output=True,
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
        result = self.run_volmar()
        self.assertEqual((result.returncode, result.stdout), (1, ""))
        self.assertRegex(result.stderr, r"\Avolmar: no display \(DISPLAY and WAYLAND_DISPLAY "
                                        r"are unset\); [^\n]*xvfb-run -a \S*volmar [^\n]*\n\Z")

    def test_the_cli_without_a_session_prints_only_its_version_and_output(self):
        drop = ("DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM")
        env = {k: v for k, v in os.environ.items() if k not in drop}
        cli = os.path.join(os.path.dirname(context.executable), "volmar-cli")
        sample = os.path.join(os.path.dirname(__file__), "..", "..", "docs", "sample.rsform")
        out = os.path.join(context.work_root, "out.png")
        for arguments, printed in ((["--version"], r"\Avolmar-cli \d+\.\d+\.\d+\n\Z"),
                                   (["render", sample, "-o", out], r"\A\Z")):
            result = subprocess.run([cli, *arguments], env=env, capture_output=True, text=True,
                                    timeout=60)
            self.assertEqual((result.returncode, result.stderr), (0, ""))
            self.assertRegex(result.stdout, printed)
