// The window's component tree and its geometry.
#include "app/MainForm.h"
#include "app/PaintBox.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr QSize kClientSize(706, 685);
constexpr int kSelectorHeight = 21;
constexpr int kStatusBarHeight = 19;
constexpr int kStatusPanelWidths[4] = {450, 50, 50, 50};

constexpr QRect kPanelBack(3, 0, 680, 538);
constexpr QRect kRulerX(20, 0, 640, 20);
constexpr QRect kRulerY(0, 20, 20, 480);
constexpr QRect kEditorBack(20, 20, 640, 480);

QFont FormFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* MakePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(geometry);
    return panel;
}

volmar::PaintBox* MakePaintBox(QWidget* panel, const char* name) {
    auto* box = new volmar::PaintBox(panel);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(QRect(QPoint(0, 0), panel->size()));
    box->setMouseTracking(true);
    return box;
}

} // namespace

void TMainForm::BuildLayout() {
    setWindowTitle(QStringLiteral("VOLMAR"));
    setFont(FormFont());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    WindowSelector = new QComboBox(central);
    WindowSelector->setObjectName(QStringLiteral("WindowSelector"));
    WindowSelector->setEditable(false);
    WindowSelector->setFixedHeight(kSelectorHeight);
    QFont bold = font();
    bold.setBold(true);
    WindowSelector->setFont(bold);
    column->addWidget(WindowSelector);

    BackPanel = new QWidget(central);
    BackPanel->setObjectName(QStringLiteral("BackPanel"));
    auto* fill = new QVBoxLayout(BackPanel);
    fill->setContentsMargins(0, 0, 0, 0);
    column->addWidget(BackPanel, 1);

    setCentralWidget(central);
    BuildCanvasArea();
    fill->addWidget(ScrollBox);
    BuildStatusBar();
}

void TMainForm::BuildCanvasArea() {
    ScrollBox = new QScrollArea(BackPanel);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    // Tab still reaches it, but a click on a ruler or on the white margin
    // must not take the keyboard focus away from the canvas panel.
    ScrollBox->setFocusPolicy(Qt::TabFocus);
    MakeWhite(ScrollBox->viewport());

    // The scrolled content: PanelBack with a 3-pixel margin on its left.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("ScrollBoxContent"));
    content->setFixedSize(kPanelBack.right() + 1, kPanelBack.bottom() + 1);
    MakeWhite(content);

    PanelBack = MakePanel(content, "PanelBack", kPanelBack);
    MakeWhite(PanelBack);

    rulerXPanel = MakePanel(PanelBack, "rulerXPanel", kRulerX);
    rulerXPaint = MakePaintBox(rulerXPanel, "rulerXPaint");
    rulerYPanel = MakePanel(PanelBack, "rulerYPanel", kRulerY);
    rulerYPaint = MakePaintBox(rulerYPanel, "rulerYPaint");

    WindowEditorBackPanel = MakePanel(PanelBack, "WindowEditorBackPanel", kEditorBack);
    MakeWhite(WindowEditorBackPanel);
    // Only a press on the canvas and a left press on a frame give it the
    // focus, by their own handlers; a right press on a frame leaves it alone.
    WindowEditorBackPanel->setFocusPolicy(Qt::TabFocus);
    WindowEditor = MakePaintBox(WindowEditorBackPanel, "WindowEditor");
    WindowEditor->setContextMenuPolicy(Qt::CustomContextMenu);

    ScrollBox->setWidget(content);

    for (QWidget* clickable :
         {static_cast<QWidget*>(ScrollBox), ScrollBox->viewport(), content, PanelBack})
        clickable->installEventFilter(this);
}

void TMainForm::BuildStatusBar() {
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setFixedHeight(kStatusBarHeight);
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(StatusBar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(kStatusPanelWidths[i]);
        StatusBar->addWidget(panel);
        StatusPanels[size_t(i)] = panel;
    }
    setStatusBar(StatusBar);
}

void TMainForm::setStatusText(int panel, const QString& text) {
    // The fourth panel never shows text.
    if (panel >= 0 && panel < 3)
        StatusPanels[size_t(panel)]->setText(text);
}

// The client area is 706 by 685 below the menu bar, centred on the screen.
void TMainForm::PlaceOnScreen() {
    const int menuHeight = menuBar()->sizeHint().height();
    resize(kClientSize.width(), kClientSize.height() + menuHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed(QPoint(0, 0), size());
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}
