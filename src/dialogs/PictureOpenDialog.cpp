#include "dialogs/PictureOpenDialog.h"

#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace volmar {

namespace {
constexpr int kPreviewSide = 200;
}

PictureOpenDialog::PictureOpenDialog(QWidget* parent) : QFileDialog(parent) {
    setObjectName(QStringLiteral("OpenPictureDialog"));
    // The preview needs Qt's own dialog: a native one has no room for it.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(Filter());

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("PicturePreview"));
    preview_->setFixedSize(kPreviewSide, kPreviewSide);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(preview_, 0, grid->columnCount(), grid->rowCount(), 1);
    else
        preview_->hide();

    connect(this, &QFileDialog::currentChanged, this, &PictureOpenDialog::ShowPreview);
}

void PictureOpenDialog::ShowPreview(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        preview_->clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (pixmap.width() > kPreviewSide || pixmap.height() > kPreviewSide)
        pixmap = pixmap.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio);
    preview_->setPixmap(pixmap);
}

} // namespace volmar
