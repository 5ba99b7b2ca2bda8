"""First session: draw two windows, nudge one, save through the dialog, quit."""

import os

import context
import document
from canvas import Window
from session import EditorSession
from waiting import wait_until

MENU = Window("menu", 20, 20, 220, 140)
HELP = Window("help", 300, 300, 620, 460)
NUDGE = (3, 2)
# "ルーラーの表示", counted up from the top of the Edit menu (it wraps to the
# last entry): 整列, Zオーダー, 背景画像の切り替え, ウインドウスキンの切り替え,
# ルーラーの表示 (背景画像を外す is disabled without a picture and skipped).
RULER_ENTRY = 5


def saved_document():
    """The document as this session leaves it: menu nudged, help where drawn."""
    return [MENU.moved(*NUDGE), HELP]


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def project_path():
    return os.path.join(context.work_root, "layout.rsform")


class DrawSaveClose(EditorSession):

    def test_1_draw_two_windows(self):
        # Presses and releases off the grid: both corners snap down to it.
        self.editor.draw_window((23, 24), (221, 142), "menu", while_dragging=self.hint_is_shown)
        self.editor.draw_window((305, 302), (627, 468), "help")
        self.editor.wait_canvas([MENU, HELP], "two drawn windows")
        self.assertEqual(self.editor.visible_windows(), [self.editor.main],
                         "only the main window stays on the screen after the drags")
        self.done("draw")

    def hint_is_shown(self):
        """The floating size hint follows the pointer during the drag."""
        self.editor.wait_other_window("the size hint during the drag")

    def test_2_select_and_nudge_with_arrow_keys(self):
        self.needs("draw")
        selected = Window(**{**vars(MENU), "selected": True})
        self.editor.click_canvas(150, 100)
        self.editor.wait_canvas([selected, HELP], "menu selected with its frame")
        self.editor.keys_to_main(*(["Right"] * NUDGE[0] + ["Down"] * NUDGE[1]))
        self.editor.wait_canvas([selected.moved(*NUDGE), HELP], "menu nudged right and down")
        self.done("nudge")

    def test_3_save_through_the_dialog(self):
        self.needs("nudge")
        path = project_path()
        self.editor.file_dialog("ctrl+s", path)
        expected = document.form_text(saved_document())
        wait_until(lambda: os.path.exists(path), 5, f"{path} to be written")
        self.assertEqual(read_bytes(path), expected)
        self.done("save")

    def test_4_save_again_writes_the_same_file_without_asking(self):
        self.needs("save")
        path = project_path()
        open(path, "wb").close()  # emptied, so the second write shows
        self.editor.keys_to_main("ctrl+s")
        expected = document.form_text(saved_document())
        # Written at once: a dialog would have waited for a name.
        wait_until(lambda: read_bytes(path) == expected, 5, f"{path} to be written again")

    def test_5_close_asks_and_stores_view_settings(self):
        self.editor.wait_rulers(True, "the rulers shown at the first start")
        self.editor.menu("e", RULER_ENTRY)
        self.editor.wait_rulers(False, "the rulers hidden through the Edit menu")
        self.snapshot("before-close")
        self.assertEqual(self.editor.close_confirmed(), 0)
        values = document.ini_values(read_bytes(self.home.settings_file), "Setting")
        self.assertEqual({key: values.get(key) for key in ("Snap", "ShowGrid", "ShowRuler")},
                         {"Snap": "1", "ShowGrid": "1", "ShowRuler": "0"})
