#pragma once

#include <QMenu>

#include <array>

class QAction;

namespace volmar {

// "ズーム": the canvas at 100 %, 200 % or 300 % as radio entries, then
// zooming in (Ctrl++) and out (Ctrl+-) by one step.
class ZoomMenu : public QMenu {
    Q_OBJECT

public:
    explicit ZoomMenu(QWidget* parent = nullptr);

    // Checks the entry of the factor; raises no ZoomChosen.
    void ShowZoom(int factor);

    std::array<QAction*, 3> Factors{}; // aacZoom100, aacZoom200, aacZoom300
    QAction* ZoomIn = nullptr;         // aacZoomIn
    QAction* ZoomOut = nullptr;        // aacZoomOut

Q_SIGNALS:
    // The user asked for a factor, or for one step in (+1) or out (-1).
    void ZoomChosen(int factor);
    void ZoomStep(int step);
};

} // namespace volmar
