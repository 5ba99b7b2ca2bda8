"""One run of the real editor under X, driven the way a user drives it."""

import os
import signal
import subprocess

import canvas
import xsession
from waiting import WaitTimeout, wait_until

START_TIMEOUT = 20
UI_TIMEOUT = 10
EXIT_TIMEOUT = 10

MAIN_TITLE = "VOLMAR"
NAME_PROMPT_TITLE = "名前"
CLOSE_TITLE = "終了"
CODE_TITLE = "コード"


class UserHome:
    """A throw-away home folder, so the real settings are never touched."""

    def __init__(self, root):
        self.path = os.path.join(root, "home")
        self.config = os.path.join(self.path, ".config")
        self.runtime = os.path.join(root, "runtime")
        os.makedirs(self.config, exist_ok=True)
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)

    @property
    def settings_file(self):
        return os.path.join(self.config, "kestrel", "volmar", "setting.ini")

    def environment(self):
        env = dict(os.environ)
        env.update(HOME=self.path, XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=self.runtime,
                   QT_QPA_PLATFORM="xcb")
        return env


class Editor:
    """A running volmar: its process, its main window and its canvas on the screen."""

    running_editors = set()  # killed by run.py whatever happens

    def __init__(self, executable, home, log_path, shots, arguments=()):
        self.shots = shots
        self._log = open(log_path, "ab")
        self.process = subprocess.Popen([executable, *arguments], env=home.environment(),
                                        cwd=home.path,
                                        stdout=self._log, stderr=subprocess.STDOUT,
                                        start_new_session=True)
        Editor.running_editors.add(self)
        self.main = None
        self.origin = None

    # --- life -------------------------------------------------------------

    def wait_ready(self):
        """Waits for the main window and for its empty canvas on the screen."""
        self.main = self._wait(lambda: self.find_window(MAIN_TITLE), "the main window to appear",
                               START_TIMEOUT)
        self.origin = self._wait(lambda: canvas.find_canvas(xsession.screenshot()),
                                 "the empty canvas with its dot grid", START_TIMEOUT)

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=EXIT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"volmar still running {timeout} s after it was asked to end")

    def kill(self):
        """Ends the process if it still runs; always safe to call."""
        if self.running():
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(EXIT_TIMEOUT)
        self._log.close()
        Editor.running_editors.discard(self)

    def _wait(self, condition, what, timeout=UI_TIMEOUT):
        """wait_until, keeping a screenshot of the screen when it times out."""
        try:
            return wait_until(condition, timeout, what, self._exit_status)
        except WaitTimeout as timeout_error:
            path = self.shots.keep(xsession.screenshot(), what)
            raise WaitTimeout(f"{timeout_error} (screen saved as {path})") from None

    def _exit_status(self):
        code = self.process.poll()
        return "volmar is running" if code is None else f"volmar exited with {code}"

    # --- windows ----------------------------------------------------------

    def find_window(self, title):
        windows = xsession.visible_windows(self.process.pid, title)
        return windows[0] if windows else None

    def wait_window(self, title, what):
        return self._wait(lambda: self.find_window(title), what)

    def wait_window_gone(self, window, what):
        self._wait(lambda: window not in xsession.visible_windows(self.process.pid), what)

    def visible_windows(self):
        return xsession.visible_windows(self.process.pid)

    def wait_other_window(self, what):
        """A newly shown top-level window that is not the main window and has a
        title (file dialogs carry the toolkit's own title, the hint window the
        application's)."""
        def other():
            for window in xsession.visible_windows(self.process.pid):
                if window != self.main and xsession.window_name(window) not in (None, ""):
                    return window
            return None
        return self._wait(other, what)

    # --- input ------------------------------------------------------------

    def screen_point(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def press_and_move_on_canvas(self, start, end):
        """The first half of a drag: the button stays down at `end`."""
        xsession.press_and_move(self.screen_point(*start), self.screen_point(*end))

    def click_canvas(self, x, y):
        xsession.click(*self.screen_point(x, y))

    def keys_to_main(self, *names):
        """Keys for the main window; after a dialog the focus is on the root
        window, so the main window is given the focus first."""
        xsession.key(*names, window=self.main)

    def keys_to(self, window, *names):
        xsession.key(*names, window=window)

    def type_into(self, window, text, *then):
        xsession.type_text(text, *then, window=window)

    # --- conversations ----------------------------------------------------

    def draw_window(self, start, end, name, while_dragging=None):
        """Drags out a window on the canvas and names it in the prompt;
        while_dragging() runs before the button is released."""
        self.press_and_move_on_canvas(start, end)
        if while_dragging is not None:
            while_dragging()
        xsession.release()
        prompt = self.wait_window(NAME_PROMPT_TITLE, "the name prompt after the drag")
        self.type_into(prompt, name, "Return")
        self.wait_window_gone(prompt, "the name prompt to close")

    def file_dialog(self, shortcut, path):
        """Opens a project file dialog with its shortcut and answers it with a path."""
        self.keys_to_main(shortcut)
        dialog = self.wait_other_window(f"the file dialog after {shortcut}")
        self.type_into(dialog, path, "Return")
        self.wait_window_gone(dialog, "the file dialog to close")

    def menu(self, access_key, ups):
        """Opens a main-menu menu with its access key and picks the entry that
        is `ups` steps up from the top (1 is the last entry: menus wrap)."""
        self.keys_to_main(f"alt+{access_key}", *(["Up"] * ups), "Return")

    def ask_to_close(self, answer):
        """File > 終了, answering the confirmation with a key (Return for OK,
        Escape for キャンセル)."""
        self.menu("f", 1)
        box = self.wait_window(CLOSE_TITLE, "the close confirmation")
        self.keys_to(box, answer)
        return box

    def close_confirmed(self):
        """Ends the program through File > 終了 and OK; returns its exit code."""
        self.ask_to_close("Return")
        return self.wait_exit()

    # --- seeing -----------------------------------------------------------

    def wait_rulers(self, shown, what):
        self._wait(lambda: canvas.rulers_shown(xsession.screenshot(), self.origin) == shown, what)

    def wait_canvas(self, windows, what):
        """Waits until the canvas shows exactly `windows`; on time-out the last
        screenshot is kept and the first differences are reported."""
        last = {}

        def shows():
            last["shot"] = xsession.screenshot()
            last["diff"] = canvas.compare(last["shot"], self.origin, windows)
            return last["diff"] is None

        def explain():
            return f"{last['diff']} (screen saved as {self.shots.keep(last['shot'], what)})"

        wait_until(shows, UI_TIMEOUT, what, explain)
        self.shots.checkpoint(last["shot"], what)
        return last["shot"]
