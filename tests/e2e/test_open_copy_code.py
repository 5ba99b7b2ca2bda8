"""Second session: open the saved layout, copy and paste a window, and copy
the generated Ruby out of the code dialog."""

import os

import context
import document
import xsession
from canvas import Window
from editor import CODE_TITLE
from session import EditorSession
from test_draw_save_close import saved_document
from waiting import wait_until

PASTE_OFFSET = 5


def clipboard_becomes(expected, what):
    last = {}

    def holds():
        last["text"] = xsession.clipboard_text()
        return last["text"] == expected

    wait_until(holds, 5, what, lambda: f"the clipboard holds {last['text']!r}")


class OpenCopyPasteCode(EditorSession):

    @classmethod
    def prepare(cls):
        # The layout and the settings the first session leaves behind, written
        # here so that this session stands on its own.
        cls.windows = saved_document()
        cls.path = os.path.join(context.work_root, "reopen.rsform")
        with open(cls.path, "wb") as f:
            f.write(document.form_text(saved_document()))
        os.makedirs(os.path.dirname(cls.home.settings_file), exist_ok=True)
        with open(cls.home.settings_file, "wb") as f:
            f.write(b"[Setting]\r\nShowRuler=0\r\n")

    def test_0_rulers_hidden_as_the_last_run_stored(self):
        self.editor.wait_rulers(False, "the rulers hidden at start")

    def test_1_open_shows_the_windows(self):
        self.editor.file_dialog("ctrl+o", self.path)
        self.editor.wait_canvas(saved_document(), "the opened windows")
        self.done("open")

    def test_2_copy_and_paste_a_window(self):
        self.needs("open")
        menu, help_ = saved_document()
        self.editor.click_canvas(150, 100)
        menu_selected = Window(**{**vars(menu), "selected": True})
        self.editor.wait_canvas([menu_selected, help_], "menu selected")
        self.editor.keys_to_main("ctrl+c")
        clipboard_becomes(document.form_text([menu]), "the copied window on the clipboard")
        self.editor.keys_to_main("ctrl+v")
        pasted = menu_selected.moved(PASTE_OFFSET, PASTE_OFFSET)
        type(self).windows = [menu, help_, pasted]
        clipboard_becomes(document.form_text([pasted]), "the shifted copy on the clipboard")
        self.editor.wait_canvas([menu, help_, pasted], "the pasted window, selected")
        self.done("paste")

    def test_3_code_dialog_text(self):
        self.needs("open")
        self.editor.menu("t", 4)  # コード生成, above コードの確認, コードの形式 and 環境設定
        dialog = self.editor.wait_window(CODE_TITLE, "the code dialog")
        self.snapshot("code-dialog")
        self.editor.keys_to(dialog, "ctrl+a", "ctrl+c")
        clipboard_becomes(document.ruby_code(self.windows), "the generated code on the clipboard")
        self.editor.keys_to(dialog, "Escape")
        self.editor.wait_window_gone(dialog, "the code dialog to close")
        self.done("code")

    def test_4_close_cancelled_then_confirmed(self):
        box = self.editor.ask_to_close("Escape")
        self.editor.wait_window_gone(box, "the cancelled confirmation to close")
        self.editor.wait_canvas(self.windows, "the document kept after キャンセル")
        self.assertTrue(self.editor.running())
        self.assertEqual(self.editor.close_confirmed(), 0)
