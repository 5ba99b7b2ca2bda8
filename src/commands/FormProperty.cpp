#include "commands/FormProperty.h"

#include "commands/SpinValue.h"
#include "dialogs/FormControls.h"
#include "dialogs/FormLook.h"
#include "dialogs/SpinArrows.h"
#include "document/Cp932.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <limits>

using namespace volmar;

namespace {

constexpr int kClientWidth = 352;
constexpr int kClientHeight = 363;
constexpr int kFieldLeft = 15;
constexpr int kFieldHeight = 21;
constexpr int kSpinWidth = 250;
constexpr int kArrowsWidth = 16;

QGroupBox* Group(QWidget* parent, const char* name, const QString& caption, int y, int height) {
    return Place(new QGroupBox(caption, parent), name, 24, y, 295, height);
}

// A spin field with its caption above and its arrows to the right.
QSpinBox* SpinField(QGroupBox* group, const char* name, const char* arrowsName,
                    const QString& caption, int y, SpinRange range) {
    auto* spin = Place(new QSpinBox(group), name, kFieldLeft, y, kSpinWidth, kFieldHeight);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setRange(range.Minimum, range.Maximum);
    spin->setValue(0);
    LabelAbove(*spin, caption);
    Place(new SpinArrows(*spin, group), arrowsName, kFieldLeft + kSpinWidth, y, kArrowsWidth,
          kFieldHeight);
    return spin;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int x) {
    return Place(new QPushButton(caption, parent), name, x, 319, 75, 25);
}

QString ThroughCp932(const QString& text) {
    return FromCp932(ToCp932(text));
}

// A kept size added to a new edge may leave 32 bits; it stops at the bound.
qint32 HoldIn32(qint64 value) {
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

} // namespace

TPropertyForm::TPropertyForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPropertyForm"));
    setWindowTitle(QStringLiteral("プロパティ"));
    setFont(FormFont());
    PlaceForm(*this, kClientWidth, kClientHeight, true);
    SetCaptionOnFrameGroupBoxes(*this);
    CreateControls();
    SetTabOrder();
    EditWidth->setFocus();
}

void TPropertyForm::CreateControls() {
    GroupBox3 = Group(this, "GroupBox3", QStringLiteral("基本"), 15, 67);
    EditWindowName =
        Place(new QLineEdit(GroupBox3), "EditWindowName", kFieldLeft, 33, 268, kFieldHeight);
    LabelAbove(*EditWindowName, QStringLiteral("ウインドウの名前"));

    GroupBox1 = Group(this, "GroupBox1", QStringLiteral("大きさ"), 88, 105);
    EditWidth =
        SpinField(GroupBox1, "EditWidth", "UpDownWidth", QStringLiteral("幅"), 33, kSizeRange);
    EditHeight =
        SpinField(GroupBox1, "EditHeight", "UpDownHeight", QStringLiteral("高さ"), 75, kSizeRange);

    GroupBox2 = Group(this, "GroupBox2", QStringLiteral("位置"), 199, 105);
    EditX = SpinField(GroupBox2, "EditX", "UpDownX", QStringLiteral("X"), 33, kXRange);
    EditY = SpinField(GroupBox2, "EditY", "UpDownY", QStringLiteral("Y"), 75, kYRange);

    Button2 = Button(this, "Button2", QStringLiteral("OK(&O)"), 163);
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    Button1 = Button(this, "Button1", QStringLiteral("キャンセル"), 244);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TPropertyForm::SetTabOrder() {
    QWidget::setTabOrder(EditWidth, EditHeight);
    QWidget::setTabOrder(EditHeight, EditX);
    QWidget::setTabOrder(EditX, EditY);
    QWidget::setTabOrder(EditY, Button1);
    QWidget::setTabOrder(Button1, Button2);
    QWidget::setTabOrder(Button2, EditWindowName);
}

void TPropertyForm::SetCanvas(const CanvasSize& canvas) {
    xRange_ = XRange(canvas);
    yRange_ = YRange(canvas);
    EditX->setRange(xRange_.Minimum, xRange_.Maximum);
    EditY->setRange(yRange_.Minimum, yRange_.Maximum);
}

void TPropertyForm::Fill(const TWindowItem& item) {
    EditHeight->setValue(HoldInRange(qint64(item.Bottom) - item.Top, kSizeRange));
    EditWidth->setValue(HoldInRange(qint64(item.Right) - item.Left, kSizeRange));
    EditY->setValue(HoldInRange(item.Top, yRange_));
    EditX->setValue(HoldInRange(item.Left, xRange_));
    EditWindowName->setText(ThroughCp932(item.Name));
    shown_ = {EditWidth->value(), EditHeight->value(), EditX->value(), EditY->value(),
              EditWindowName->text()};
}

void TPropertyForm::ApplyTo(TWindowItem& item) const {
    const auto kept = [](int value, int shown, qint64 old) {
        return value == shown ? old : qint64(value);
    };
    const qint64 width = kept(EditWidth->value(), shown_.Width, qint64(item.Right) - item.Left);
    const qint64 height = kept(EditHeight->value(), shown_.Height, qint64(item.Bottom) - item.Top);
    const qint32 left = qint32(kept(EditX->value(), shown_.X, item.Left));
    const qint32 top = qint32(kept(EditY->value(), shown_.Y, item.Top));
    item.Left = left;
    item.Top = top;
    item.Right = HoldIn32(left + width);
    item.Bottom = HoldIn32(top + height);
    if (EditWindowName->text() != shown_.Name)
        item.Name = ThroughCp932(EditWindowName->text());
}
