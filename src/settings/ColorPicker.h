#pragma once

#include <QComboBox>

namespace volmar {

class Dialogs;

// A drop-down list of named colours: a custom entry first, then the standard
// colours, the extended colours, the system colours, "none" and "default".
// Picking the custom entry opens the colour chooser; a value that is not in
// the list shows as the custom entry. Values are the stored encodings of
// ColorValues.h and come back unchanged.
class ColorPicker : public QComboBox {
    Q_OBJECT

public:
    // defaultBgr is the colour that the "default" entry paints as.
    ColorPicker(Dialogs& dialogs, quint32 defaultBgr, QWidget* parent = nullptr);

    quint32 Selected() const;
    void SetSelected(quint32 value);

    static constexpr int kCustomIndex = 0;

private:
    void AddEntry(quint32 value, const QString& name);
    void SetCustom(quint32 value);
    void OnActivated(int index);
    QIcon Swatch(quint32 value) const;

    Dialogs& dialogs_;
    quint32 defaultBgr_;
    int previous_ = kCustomIndex;
};

} // namespace volmar
