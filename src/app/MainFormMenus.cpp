// The main menu, the canvas's context menu and the toolbar with its mode buttons.
#include "app/ImageList.h"
#include "app/MainForm.h"
#include "app/ToolBarSeparator.h"
#include "app/ToolBarStyle.h"

#include <QButtonGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kToolBarHeight = 28;
constexpr QSize kToolButtonSize(23, 22);
constexpr int kSeparatorWidth = 8;
constexpr int kModeSeparatorWidth = 9;

} // namespace

QMenu* TMainForm::BuildZOrderMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Zオーダー"), parent);
    menu->addAction(aacZBack);
    menu->addAction(aacZTop);
    menu->addSeparator();
    menu->addAction(aacZFullBack);
    menu->addAction(aacZFullTop);
    return menu;
}

QMenu* TMainForm::BuildArrangeMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("整列"), parent);
    menu->addActions({aacAlignLeft, aacAlignRight, aacAlignTop, aacAlignBottom, aacAlignHCenter,
                      aacAlignVCenter});
    menu->addSeparator();
    menu->addActions({aacSameWidth, aacSameHeight});
    menu->addSeparator();
    menu->addActions({aacSpaceHorz, aacSpaceVert});
    return menu;
}

void TMainForm::BuildMainMenu() {
    MainMenu = menuBar();
    MainMenu->setObjectName(QStringLiteral("MainMenu"));

    QMenu* file = MainMenu->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("MenuFile"));
    file->addAction(aacNewProject);
    file->addSeparator();
    file->addAction(aacOpenProject);
    BuildRecentMenu(file);
    file->addSeparator();
    file->addAction(aacSaveAsProject);
    file->addAction(aacSaveProject);
    file->addSeparator();
    file->addAction(aacProjectSetting);
    file->addSeparator();
    file->addAction(MenuEnd);

    QMenu* edit = MainMenu->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("MenuEdit"));
    edit->addActions({aacUndo, aacRedo});
    edit->addSeparator();
    edit->addActions({aacCopy, aacCut, aacPaste, aacDelete});
    edit->addSeparator();
    edit->addAction(aacSelectAll);
    edit->addSeparator();
    BuildZoomMenu(edit);
    edit->addActions({aacViewGridLine, aacSnapViewGrid, aacSnapToWindows, aacViewContents,
                      aacViewWindowNames, aacViewruler});
    edit->addSeparator();
    edit->addActions({aacSkinChange, aacBackgroundChange, aacBackgroundRemove});
    edit->addSeparator();
    QMenu* zOrder = BuildZOrderMenu(edit);
    zOrder->setObjectName(QStringLiteral("MenuZOrder"));
    edit->addMenu(zOrder);
    QMenu* arrange = BuildArrangeMenu(edit);
    arrange->setObjectName(QStringLiteral("MenuArrange"));
    edit->addMenu(arrange);

    QMenu* tools = MainMenu->addMenu(QStringLiteral("ツール(&T)"));
    tools->setObjectName(QStringLiteral("MenuTool"));
    tools->addAction(aacSelectProperty);
    tools->addSeparator();
    tools->addAction(aacCodeGen);
    tools->addAction(aacCheckCode);
    BuildCodeStyleMenu(tools);
    tools->addSeparator();
    tools->addAction(aacOption);

    QMenu* help = MainMenu->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    help->addAction(aacHelp);
    help->addAction(MenuVersion);
}

void TMainForm::BuildPopupMenu() {
    WindowEditorPopup = new QMenu(this);
    WindowEditorPopup->setObjectName(QStringLiteral("WindowEditorPopup"));
    WindowEditorPopup->addActions({aacCopy, aacCut, aacPaste, aacDelete});
    WindowEditorPopup->addSeparator();
    WindowEditorPopup->addAction(aacSelectAll);
    WindowEditorPopup->addSeparator();
    QMenu* zOrder = BuildZOrderMenu(WindowEditorPopup);
    zOrder->setObjectName(QStringLiteral("PopupZOrder"));
    WindowEditorPopup->addMenu(zOrder);
}

namespace {

QToolButton* MakeModeButton(QWidget* parent, const char* name, int image, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(volmar::ImageListIcon(image));
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// Buttons are raised and of one size, as on the rest of the toolbar.
void ShapeButton(QToolButton* button) {
    button->setAutoRaise(false);
    button->setFixedSize(kToolButtonSize);
}

} // namespace

void TMainForm::BuildToolBar() {
    MainToolBar = new QToolBar(this);
    MainToolBar->setObjectName(QStringLiteral("MainToolBar"));
    auto* style = new volmar::ToolBarStyle;
    style->setParent(MainToolBar);
    MainToolBar->setStyle(style);
    MainToolBar->setMovable(false);
    MainToolBar->setFloatable(false);
    MainToolBar->setIconSize(QSize(16, 16));
    MainToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    MainToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    // The toolbar heads the client area's column, where its height is its own.
    static_cast<QVBoxLayout*>(centralWidget()->layout())->insertWidget(0, MainToolBar);
    MainToolBar->setFixedHeight(kToolBarHeight);

    const auto addCommand = [this](QAction* action) {
        MainToolBar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(MainToolBar->widgetForAction(action)))
            ShapeButton(button);
    };
    const auto addSeparator = [this](int width) {
        MainToolBar->addWidget(new volmar::ToolBarSeparator(width, MainToolBar));
    };

    addCommand(aacNewProject);
    addCommand(aacOpenProject);
    addSeparator(kSeparatorWidth);
    addCommand(aacSaveAsProject);
    addCommand(aacSaveProject);
    addSeparator(kSeparatorWidth);
    addCommand(aacCopy);
    addCommand(aacCut);
    addCommand(aacPaste);
    addCommand(aacDelete);
    addSeparator(kModeSeparatorWidth);

    CheckSelectMode =
        MakeModeButton(MainToolBar, "CheckSelectMode", 0, QStringLiteral("範囲選択モード"));
    CheckWindowMode =
        MakeModeButton(MainToolBar, "CheckWindowMode", 1, QStringLiteral("ウインドウ生成モード"));
    auto* modes = new QButtonGroup(MainToolBar);
    modes->setExclusive(true);
    for (QToolButton* button : {CheckSelectMode, CheckWindowMode}) {
        modes->addButton(button);
        MainToolBar->addWidget(button);
        ShapeButton(button); // after adding: the toolbar flattens the buttons it takes
    }
    CheckWindowMode->setChecked(true);

    addSeparator(kSeparatorWidth);
    addCommand(aacCodeGen);
    addSeparator(kSeparatorWidth);
    addCommand(aacSelectProperty);
    addSeparator(kSeparatorWidth);
    addCommand(aacOption);
    addSeparator(kSeparatorWidth);
    addCommand(aacHelp);
}
