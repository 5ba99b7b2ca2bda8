// The WindowSelector combo box: one item per definition, in list order.
#include "app/MainForm.h"

#include <QComboBox>
#include <QSignalBlocker>

void TMainForm::RebuildWindowSelector() {
    {
        const QSignalBlocker blocker(WindowSelector);
        WindowSelector->setUpdatesEnabled(false);
        WindowSelector->clear();
        for (const auto& item : document_)
            WindowSelector->addItem(item->Name, QVariant::fromValue(item.get()));
        WindowSelector->setUpdatesEnabled(true);
    }
    SyncWindowSelector();
}

void TMainForm::SyncWindowSelector() {
    int current = -1;
    TQxGrabSize* frame = FindSelectedFrame();
    if (frame && CountSelected() == 1) {
        // Items are matched by their definition: names need not be unique.
        const TWindowItem* item = FrameItem(frame);
        for (int i = 0; i < WindowSelector->count(); ++i) {
            if (WindowSelector->itemData(i).value<TWindowItem*>() == item) {
                current = i;
                break;
            }
        }
    }
    const QSignalBlocker blocker(WindowSelector);
    WindowSelector->setCurrentIndex(current);
}

void TMainForm::WindowSelectorChange() {
    const int index = WindowSelector->currentIndex();
    if (index < 0)
        return;
    auto* item = WindowSelector->itemData(index).value<TWindowItem*>();
    if (!item)
        return;
    arrangeReference_ = item;
    volmar::ChangeNotifier::Batch batch(document_.Notices());
    SetAllSelected(false);
    document_.SetSelected(item, true);
}
