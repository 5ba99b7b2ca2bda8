// The window's component tree and its geometry.
#include "app/MainForm.h"
#include "app/PaintBox.h"
#include "app/ScreenFit.h"

#include "canvas/QxGrabSize.h"
#include "canvas/RubberBand.h"
#include "render/JapaneseFonts.h"
#include "render/RulerPainter.h"

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

// PanelBack lies 3 pixels from the left of the scrolled area and leaves a
// white margin right of and below the canvas.
constexpr QPoint kPanelBackPlace(3, 0);
constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 38;

QFont FormFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return volmar::WithJapaneseFallback(font);
}

void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* MakePanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

volmar::PaintBox* MakePaintBox(QWidget* panel, const char* name) {
    auto* box = new volmar::PaintBox(panel);
    box->setObjectName(QLatin1String(name));
    box->setMouseTracking(true);
    return box;
}

// A panel and the paint box that fills it.
void PlacePanel(QWidget* panel, const QRect& geometry, QWidget* box) {
    panel->setGeometry(geometry);
    if (box)
        box->setGeometry(QRect(QPoint(0, 0), geometry.size()));
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
    MakeWhite(content);

    PanelBack = MakePanel(content, "PanelBack");
    MakeWhite(PanelBack);

    rulerXPanel = MakePanel(PanelBack, "rulerXPanel");
    rulerXPaint = MakePaintBox(rulerXPanel, "rulerXPaint");
    rulerYPanel = MakePanel(PanelBack, "rulerYPanel");
    rulerYPaint = MakePaintBox(rulerYPanel, "rulerYPaint");

    WindowEditorBackPanel = MakePanel(PanelBack, "WindowEditorBackPanel");
    MakeWhite(WindowEditorBackPanel);
    // Only a press on the canvas and a left press on a frame give it the
    // focus, by their own handlers; a right press on a frame leaves it alone.
    WindowEditorBackPanel->setFocusPolicy(Qt::TabFocus);
    WindowEditor = MakePaintBox(WindowEditorBackPanel, "WindowEditor");
    WindowEditor->setContextMenuPolicy(Qt::CustomContextMenu);

    LayOutCanvas();
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
    StatusNotice = new QLabel(StatusBar);
    StatusNotice->setObjectName(QStringLiteral("StatusNotice"));
    StatusNotice->hide();
    StatusBar->addPermanentWidget(StatusNotice, 1);
    setStatusBar(StatusBar);
}

void TMainForm::ShowNotice(const QString& text) {
    StatusNotice->setText(text);
    StatusNotice->setToolTip(text);
    StatusNotice->setVisible(!text.isEmpty());
}

void TMainForm::setStatusText(int panel, const QString& text) {
    // The fourth panel never shows text.
    if (panel >= 0 && panel < 3)
        StatusPanels[size_t(panel)]->setText(text);
}

// The rulers run along the canvas's top and left; everything is as large as
// the canvas at the zoom.
void TMainForm::LayOutCanvas() {
    const QSize canvas = Transform().ToScreen(document_.Canvas());
    const int depth = volmar::kRulerDepth;
    const QRect panel(kPanelBackPlace, QSize(depth + canvas.width() + kRightMargin,
                                             depth + canvas.height() + kBottomMargin));
    PanelBack->setGeometry(panel);
    PanelBack->parentWidget()->setFixedSize(panel.right() + 1, panel.bottom() + 1);
    PlacePanel(rulerXPanel, QRect(depth, 0, canvas.width(), depth), rulerXPaint);
    PlacePanel(rulerYPanel, QRect(0, depth, depth, canvas.height()), rulerYPaint);
    PlacePanel(WindowEditorBackPanel, QRect(QPoint(depth, depth), canvas), WindowEditor);
}

// The client area is 706 by 685 below the menu bar, centred on the screen;
// a smaller screen gets a smaller window, wholly on it, and the canvas scrolls.
void TMainForm::PlaceOnScreen() {
    const int menuHeight = menuBar()->sizeHint().height();
    const QSize wanted(kClientSize.width(), kClientSize.height() + menuHeight);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(wanted);
        return;
    }
    const QRect placed =
        volmar::FitOnScreen(wanted, volmar::kDecorationAllowance, screen->availableGeometry());
    resize(placed.size());
    move(placed.topLeft());
}
