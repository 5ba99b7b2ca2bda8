#include "app/MainFormFixture.h"
#include "app/ToolBarSeparator.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace volmar::test {
namespace {

using CommandsTest = MainFormTest;

// Describes a menu as its entries' object names, "-" for a separator and
// ">title" for a submenu followed by its entries in brackets.
QString Describe(const QMenu* menu) {
    QStringList parts;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            parts << QStringLiteral("-");
        else if (action->menu())
            parts << QStringLiteral(">%1(%2)").arg(action->text(), Describe(action->menu()));
        else
            parts << action->objectName();
    }
    return parts.join(QLatin1Char(' '));
}

TEST_F(CommandsTest, CommandsCarryCaptionShortcutAndImage) {
    struct Expected {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool image;
    };
    const Expected table[] = {
        {"aacUndo", "元に戻す(&U)", "Ctrl+Z", false},
        {"aacRedo", "やり直し(&R)", "Ctrl+Y", false},
        {"aacNewProject", "新規プロジェクト", "Ctrl+N", true},
        {"aacOpenProject", "プロジェクトを開く", "Ctrl+O", true},
        {"aacSaveAsProject", "プロジェクトに名前をつけて保存", "", true},
        {"aacSaveProject", "プロジェクトの上書き保存", "Ctrl+S", true},
        {"aacCopy", "コピー", "Ctrl+C", true},
        {"aacCut", "切り取り", "Ctrl+X", true},
        {"aacPaste", "貼り付け", "Ctrl+V", true},
        {"aacDelete", "削除", "Del", true},
        {"aacSelectAll", "全て選択", "Ctrl+A", false},
        {"aacViewGridLine", "グリッドガイドの表示", "", false},
        {"aacSnapViewGrid", "グリッドにスナップ", "", false},
        {"aacSnapToWindows", "ウインドウにスナップ", "", false},
        {"aacViewContents", "内容領域の表示", "", false},
        {"aacViewWindowNames", "ウインドウ名の表示", "", false},
        {"aacViewruler", "ルーラーの表示", "", false},
        {"aacSkinChange", "ウインドウスキンの切り替え", "", false},
        {"aacBackgroundChange", "背景画像の切り替え", "", false},
        {"aacBackgroundRemove", "背景画像を外す", "", false},
        {"aacZBack", "背面に移動", "", true},
        {"aacZTop", "前面に移動", "", true},
        {"aacZFullBack", "最背面に移動", "", true},
        {"aacZFullTop", "最前面に移動", "", true},
        {"aacAlignLeft", "左揃え", "", false},
        {"aacAlignRight", "右揃え", "", false},
        {"aacAlignTop", "上揃え", "", false},
        {"aacAlignBottom", "下揃え", "", false},
        {"aacAlignHCenter", "左右中央揃え", "", false},
        {"aacAlignVCenter", "上下中央揃え", "", false},
        {"aacSameWidth", "幅を揃える", "", false},
        {"aacSameHeight", "高さを揃える", "", false},
        {"aacSpaceHorz", "左右に等間隔", "", false},
        {"aacSpaceVert", "上下に等間隔", "", false},
        {"aacSelectProperty", "ウインドウのプロパティ", "F5", true},
        {"aacCodeGen", "コード生成", "", true},
        {"aacCheckCode", "コードの確認", "", false},
        {"aacOption", "環境設定", "", true},
        {"aacHelp", "ヘルプを開く", "F1", true},
    };
    for (const Expected& e : table) {
        auto* action = form->findChild<QAction*>(QLatin1String(e.name));
        ASSERT_NE(action, nullptr) << e.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ(action->shortcut().toString(), QLatin1String(e.shortcut)) << e.name;
        EXPECT_EQ(!action->icon().isNull(), e.image) << e.name;
    }
    EXPECT_EQ(form->aacRedo->shortcuts().value(1).toString(), QStringLiteral("Ctrl+Shift+Z"));
    EXPECT_EQ(form->aacCopy->toolTip(), QStringLiteral("コピー"));
    EXPECT_FALSE(form->MenuVersion->icon().isNull());
    EXPECT_FALSE(form->MenuVersion->icon().pixmap(16, 16).isNull());
}

TEST_F(CommandsTest, MainMenuHasItsEntriesInOrder) {
    QStringList menus;
    for (const QAction* action : form->MainMenu->actions())
        menus << action->text() + QStringLiteral(": ") + Describe(action->menu());
    EXPECT_EQ(menus.join(QLatin1Char('\n')),
              QStringLiteral(
                  "ファイル(&F): aacNewProject - aacOpenProject >最近使ったプロジェクト() "
                  "- aacSaveAsProject "
                  "aacSaveProject - aacProjectSetting - MenuEnd\n"
                  "編集(&E): aacUndo aacRedo - aacCopy aacCut aacPaste aacDelete - aacSelectAll - "
                  ">ズーム(&Z)(aacZoom100 aacZoom200 aacZoom300 - aacZoomIn aacZoomOut) "
                  "aacViewGridLine aacSnapViewGrid aacSnapToWindows aacViewContents "
                  "aacViewWindowNames aacViewruler - aacSkinChange aacBackgroundChange "
                  "aacBackgroundRemove - "
                  ">Zオーダー(aacZBack aacZTop - aacZFullBack aacZFullTop) "
                  ">整列(aacAlignLeft aacAlignRight aacAlignTop aacAlignBottom "
                  "aacAlignHCenter aacAlignVCenter - aacSameWidth aacSameHeight - "
                  "aacSpaceHorz aacSpaceVert)\n"
                  "ツール(&T): aacSelectProperty - aacCodeGen aacCheckCode >コードの形式("
                  "CodeStyleWindow CodeStyleBase - CodeStyleWindowskin CodeStyleDispose) - "
                  "aacOption\n"
                  "ヘルプ(&H): aacHelp MenuVersion"));
    EXPECT_EQ(form->MenuEnd->text(), QStringLiteral("終了"));
    EXPECT_EQ(form->MenuVersion->text(), QStringLiteral("バージョン情報"));
}

TEST_F(CommandsTest, ContextMenuOffersEditingAndZOrder) {
    auto* popup = Find<QMenu>("WindowEditorPopup");
    EXPECT_EQ(Describe(popup),
              QStringLiteral("aacCopy aacCut aacPaste aacDelete - aacSelectAll - "
                             ">Zオーダー(aacZBack aacZTop - aacZFullBack aacZFullTop)"));
    EXPECT_EQ(Find("WindowEditor")->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(CommandsTest, ToolBarHasButtonsAndSeparatorsInOrder) {
    auto* toolBar = Find<QToolBar>("MainToolBar");
    QStringList items;
    int left = -1;
    for (QAction* action : toolBar->actions()) {
        QWidget* widget = toolBar->widgetForAction(action);
        ASSERT_NE(widget, nullptr);
        EXPECT_GT(widget->x(), left) << "items run left to right";
        left = widget->x();
        if (auto* separator = qobject_cast<volmar::ToolBarSeparator*>(widget)) {
            items << QStringLiteral("|%1").arg(separator->width());
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->width(), 23);
        EXPECT_FALSE(button->autoRaise()) << "buttons are raised, not flat";
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        items << (button->defaultAction() ? button->defaultAction()->objectName()
                                          : button->objectName());
    }
    EXPECT_EQ(items.join(QLatin1Char(' ')),
              QStringLiteral("aacNewProject aacOpenProject |8 aacSaveAsProject aacSaveProject |8 "
                             "aacCopy aacCut aacPaste aacDelete |9 CheckSelectMode "
                             "CheckWindowMode |8 aacCodeGen |8 aacSelectProperty |8 aacOption "
                             "|8 aacHelp"));
}

TEST_F(CommandsTest, ModeButtonsAreExclusiveWithWindowModeFirst) {
    auto* select = Find<QToolButton>("CheckSelectMode");
    auto* window = Find<QToolButton>("CheckWindowMode");
    EXPECT_EQ(select->toolTip(), QStringLiteral("範囲選択モード"));
    EXPECT_EQ(window->toolTip(), QStringLiteral("ウインドウ生成モード"));
    EXPECT_FALSE(select->isChecked());
    EXPECT_TRUE(window->isChecked());

    QTest::mouseClick(window, Qt::LeftButton);
    EXPECT_TRUE(window->isChecked()) << "pressing the button that is down changes nothing";
    EXPECT_FALSE(select->isChecked());

    QTest::mouseClick(select, Qt::LeftButton);
    EXPECT_TRUE(select->isChecked());
    EXPECT_FALSE(window->isChecked());
}

TEST_F(CommandsTest, EnablingFollowsTheSelection) {
    TWindowItem* a = Add(QStringLiteral("a"), 0, 0, 100, 100);
    TWindowItem* b = Add(QStringLiteral("b"), 200, 0, 300, 100);
    const auto state = [this] {
        form->UpdateActions();
        QString s;
        for (QAction* action : {form->aacSelectProperty, form->aacZBack, form->aacZTop,
                                form->aacZFullBack, form->aacZFullTop})
            s += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        s += QLatin1Char(' ');
        for (QAction* action : {form->aacCopy, form->aacCut, form->aacDelete})
            s += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    EXPECT_EQ(state(), QStringLiteral("00000 000"));
    Select({a});
    EXPECT_EQ(state(), QStringLiteral("11111 111"));
    Select({a, b});
    EXPECT_EQ(state(), QStringLiteral("00000 111"));
    Select({});
    EXPECT_EQ(state(), QStringLiteral("00000 000"));

    for (QAction* always : {form->aacNewProject, form->aacOpenProject, form->aacSaveProject,
                            form->aacPaste, form->aacSelectAll, form->aacSkinChange,
                            form->aacCodeGen, form->aacCheckCode, form->aacOption})
        EXPECT_TRUE(always->isEnabled()) << always->objectName().toStdString();
}

TEST_F(CommandsTest, SaveAsNeedsACurrentFileName) {
    form->UpdateActions();
    EXPECT_FALSE(form->aacSaveAsProject->isEnabled());
    form->setCurrentFileName(QStringLiteral("/tmp/a.rsform"));
    form->UpdateActions();
    EXPECT_TRUE(form->aacSaveAsProject->isEnabled());
    form->ClearDocument();
    form->UpdateActions();
    EXPECT_FALSE(form->aacSaveAsProject->isEnabled());
}

TEST_F(CommandsTest, ViewTogglesFlipStateAndCheckMarks) {
    form->UpdateActions();
    EXPECT_TRUE(form->aacViewGridLine->isChecked());
    EXPECT_TRUE(form->aacSnapViewGrid->isChecked());
    EXPECT_TRUE(form->aacViewruler->isChecked());

    form->aacViewGridLine->trigger();
    form->aacSnapViewGrid->trigger();
    EXPECT_FALSE(form->displayState().GridVisible);
    EXPECT_FALSE(form->displayState().Snap);
    form->UpdateActions();
    EXPECT_FALSE(form->aacViewGridLine->isChecked());
    EXPECT_FALSE(form->aacSnapViewGrid->isChecked());

    // A state changed behind the command's back shows at the next update.
    form->setSnap(true);
    form->UpdateActions();
    EXPECT_TRUE(form->aacSnapViewGrid->isChecked());
}

} // namespace
} // namespace volmar::test
