#include "settings/ColorPicker.h"

#include "dialogs/Dialogs.h"
#include "render/Colors.h"
#include "settings/ColorValues.h"

#include <QPainter>
#include <QPixmap>

namespace volmar {

namespace {

constexpr int kValueRole = Qt::UserRole;
const QSize kSwatchSize(24, 12);

} // namespace

ColorPicker::ColorPicker(Dialogs& dialogs, quint32 defaultBgr, QWidget* parent)
    : QComboBox(parent), dialogs_(dialogs), defaultBgr_(defaultBgr) {
    setIconSize(kSwatchSize);
    setMaxVisibleItems(16);
    AddEntry(0, QStringLiteral("カスタム..."));
    for (const NamedColor& color : StandardColors())
        AddEntry(color.Value, QString::fromUtf8(color.Name));
    for (const NamedColor& color : ExtendedColors())
        AddEntry(color.Value, QString::fromUtf8(color.Name));
    for (const SystemColor& color : SystemColors())
        AddEntry(SystemColorValue(color.Index), QString::fromUtf8(color.Name));
    AddEntry(kColorNone, QStringLiteral("なし"));
    AddEntry(kColorDefault, QStringLiteral("既定"));
    SetSelected(defaultBgr);
    connect(this, &QComboBox::activated, this, &ColorPicker::OnActivated);
}

quint32 ColorPicker::Selected() const {
    return currentData(kValueRole).toUInt();
}

void ColorPicker::SetSelected(quint32 value) {
    for (int i = kCustomIndex + 1; i < count(); ++i) {
        if (itemData(i, kValueRole).toUInt() == value) {
            setCurrentIndex(i);
            previous_ = i;
            return;
        }
    }
    SetCustom(value);
}

void ColorPicker::AddEntry(quint32 value, const QString& name) {
    addItem(Swatch(value), name, QVariant::fromValue(value));
}

void ColorPicker::SetCustom(quint32 value) {
    setItemData(kCustomIndex, QVariant::fromValue(value), kValueRole);
    setItemIcon(kCustomIndex, Swatch(value));
    setCurrentIndex(kCustomIndex);
    previous_ = kCustomIndex;
}

void ColorPicker::OnActivated(int index) {
    if (index != kCustomIndex) {
        previous_ = index;
        return;
    }
    const quint32 shown = DisplayColor(itemData(previous_, kValueRole).toUInt(), defaultBgr_);
    const std::optional<QColor> chosen = dialogs_.ChooseColor(this, ColorFromBgr(shown));
    if (chosen && chosen->isValid())
        SetCustom(BgrFromColor(*chosen));
    else
        setCurrentIndex(previous_);
}

QIcon ColorPicker::Swatch(quint32 value) const {
    QPixmap pixmap(kSwatchSize);
    pixmap.fill(ColorFromBgr(DisplayColor(value, defaultBgr_)));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kSwatchSize.width() - 1, kSwatchSize.height() - 1);
    return QIcon(pixmap);
}

} // namespace volmar
