#include "app/ZoomMenu.h"

#include "render/ViewTransform.h"

#include <QAction>
#include <QActionGroup>

namespace volmar {

ZoomMenu::ZoomMenu(QWidget* parent) : QMenu(QStringLiteral("ズーム(&Z)"), parent) {
    setObjectName(QStringLiteral("MenuZoom"));
    auto* group = new QActionGroup(this);
    for (int factor = kMinZoom; factor <= kMaxZoom; ++factor) {
        const QString percent = QString::number(factor * 100);
        QAction* entry = addAction(percent + QStringLiteral(" %"));
        entry->setObjectName(QStringLiteral("aacZoom") + percent);
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, factor] { Q_EMIT ZoomChosen(factor); });
        Factors[size_t(factor - kMinZoom)] = entry;
    }
    addSeparator();
    ZoomIn = addAction(QStringLiteral("拡大(&I)"));
    ZoomIn->setObjectName(QStringLiteral("aacZoomIn"));
    ZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Semicolon),
                          QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(ZoomIn, &QAction::triggered, this, [this] { Q_EMIT ZoomStep(1); });
    ZoomOut = addAction(QStringLiteral("縮小(&O)"));
    ZoomOut->setObjectName(QStringLiteral("aacZoomOut"));
    ZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(ZoomOut, &QAction::triggered, this, [this] { Q_EMIT ZoomStep(-1); });
    ShowZoom(kMinZoom);
}

void ZoomMenu::ShowZoom(int factor) {
    for (int f = kMinZoom; f <= kMaxZoom; ++f)
        Factors[size_t(f - kMinZoom)]->setChecked(f == factor);
    ZoomIn->setEnabled(factor < kMaxZoom);
    ZoomOut->setEnabled(factor > kMinZoom);
}

} // namespace volmar
