#!/usr/bin/env python3
"""The Windows build under Wine, end to end (scripts/test-windows runs it on
Xvfb):

- volmar-cli.exe and the Linux volmar-cli give byte-identical list, format,
  codegen, check and render output for a project with Japanese names, in a
  folder with a Japanese name;
- volmar.exe PROJECT shows the project's windows, and its canvas matches
  what volmar-cli.exe render paints (name labels aside: the editor draws
  text with Windows' font engine);
- the installer installs silently, Wine's registry then opens .rsform files
  with the installed volmar.exe, and the uninstaller takes it all away.

    python3 tests/e2e/windows_session.py --folder F --installer SETUP.EXE --linux-cli CLI
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import canvas  # noqa: E402
import document  # noqa: E402
import xsession  # noqa: E402
from image import parse_ppm  # noqa: E402
from waiting import wait_until  # noqa: E402

ARGS = None
WORK = None
WINDOWS = [
    canvas.Window("メニュー", 20, 30, 220, 190),
    canvas.Window("status", 240, 60, 600, 300),
    canvas.Window("コマンド〜一覧", 100, 320, 420, 440),
]
IPA_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"


def wine(*arguments, **options):
    return subprocess.run(["wine", *arguments], timeout=300, **options)


def windows_path(path):
    return subprocess.run(["winepath", "-w", path], check=True, capture_output=True,
                          text=True).stdout.strip()


def one_font_folder():
    """A folder with IPAGothic alone, and a fontconfig file naming only it,
    so both programs draw names with the same font."""
    folder = os.path.join(WORK, "fonts")
    os.makedirs(folder, exist_ok=True)
    shutil.copy(IPA_FONT, folder)
    config = os.path.join(WORK, "fonts.conf")
    with open(config, "w") as f:
        f.write(f'<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd">'
                f'<fontconfig><dir>{folder}</dir><cachedir>{WORK}/fc-cache</cachedir></fontconfig>')
    return folder, config


def project(windows, name):
    folder = os.path.join(WORK, "画面の設計")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(document.form_text(windows))
    return path


class CommandLine(unittest.TestCase):
    def test_output_is_the_same_on_linux_and_windows(self):
        path = project(WINDOWS, "メニュー画面.rsform")
        fonts, config = one_font_folder()
        linux_env = dict(os.environ, FONTCONFIG_FILE=config, QT_QPA_PLATFORM="offscreen")
        wine_env = dict(os.environ, QT_QPA_FONTDIR=windows_path(fonts))
        cli = os.path.join(ARGS.folder, "volmar-cli.exe")
        for command in ("list", "format", "codegen", "check", "render"):
            with self.subTest(command=command):
                linux_args, wine_args = [command, path], [command, windows_path(path)]
                if command == "render":
                    linux_args += ["-o", os.path.join(WORK, "linux.png")]
                    wine_args += ["-o", windows_path(os.path.join(WORK, "windows.png"))]
                on_linux = subprocess.run([ARGS.linux_cli, *linux_args], capture_output=True,
                                          env=linux_env, timeout=120)
                on_windows = wine(cli, *wine_args, capture_output=True, env=wine_env)
                self.assertEqual(on_windows.returncode, on_linux.returncode, on_windows.stderr)
                self.assertEqual(on_windows.stdout, on_linux.stdout)
        with open(os.path.join(WORK, "linux.png"), "rb") as a, \
                open(os.path.join(WORK, "windows.png"), "rb") as b:
            self.assertEqual(a.read(), b.read(), "the rendered canvases differ")


def windows_render(windows):
    """The canvas volmar-cli.exe paints for `windows`, as an Image."""
    path = project(windows, "render.rsform")
    png = os.path.join(WORK, "render.png")
    wine(os.path.join(ARGS.folder, "volmar-cli.exe"), "render", windows_path(path), "-o",
         windows_path(png), check=True, capture_output=True)
    ppm = subprocess.run(["convert", png, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    return parse_ppm(ppm)


class Editor(unittest.TestCase):
    def test_editor_shows_the_project(self):
        path = project(WINDOWS, "メニュー画面.rsform")
        canvas.rendered = windows_render
        editor = subprocess.Popen(["wine", os.path.join(ARGS.folder, "volmar.exe"),
                                   windows_path(path)],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            last = {}

            def shows():
                shot = xsession.screenshot()
                origin = canvas.find_canvas(shot)
                last["shot"] = shot
                last["diff"] = "no canvas on the screen" if origin is None else \
                    canvas.compare(shot, origin, WINDOWS)
                return last["diff"] is None

            def explain():
                kept = os.path.join(WORK, "editor.png")
                last["shot"].save_png(kept)
                return f"{last['diff']} (screen saved as {kept})"

            wait_until(shows, 120, "the project's windows on the canvas", explain)
            if ARGS.shot:
                last["shot"].save_png(ARGS.shot)
        finally:
            editor.kill()
            subprocess.run(["wineserver", "-k"], timeout=60)


class Installer(unittest.TestCase):
    def test_silent_install_registers_project_files(self):
        wine(ARGS.installer, "/S", check=True)
        query = wine("reg", "query", r"HKCU\Software\Classes\VOLMAR.Project\shell\open\command",
                     capture_output=True, text=True)
        self.assertIn('volmar.exe" "%1"', query.stdout)
        extension = wine("reg", "query", r"HKCU\Software\Classes\.rsform", capture_output=True,
                         text=True)
        self.assertIn("VOLMAR.Project", extension.stdout)
        local = wine("cmd", "/c", "echo %LOCALAPPDATA%", capture_output=True, text=True)
        folder = subprocess.run(["winepath", "-u", local.stdout.strip() + r"\Programs\VOLMAR"],
                                capture_output=True, text=True).stdout.strip()
        self.assertTrue(os.path.isfile(os.path.join(folder, "volmar.exe")), folder)
        wine(os.path.join(folder, "uninstall.exe"), "/S", check=True)
        wait_until(lambda: not os.path.exists(os.path.join(folder, "volmar.exe")), 60,
                   "the uninstaller to remove volmar.exe")
        gone = wine("reg", "query", r"HKCU\Software\Classes\VOLMAR.Project", capture_output=True)
        self.assertNotEqual(gone.returncode, 0)


def main():
    global ARGS, WORK
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--folder", required=True, help="the unpacked Windows folder")
    parser.add_argument("--installer", required=True)
    parser.add_argument("--linux-cli", required=True, help="volmar-cli built for Linux")
    parser.add_argument("--shot", help="keep the editor's screenshot as this PNG file")
    ARGS, rest = parser.parse_known_args()
    WORK = tempfile.mkdtemp(prefix="volmar-wine-")
    try:
        suite = unittest.TestLoader().loadTestsFromModule(sys.modules[__name__])
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
        return 0 if result.wasSuccessful() else 1
    finally:
        shutil.rmtree(WORK, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
