#pragma once

#include <QFileDialog>

class QLabel;

namespace volmar {

// The picture-open dialog of the skin commands: PNG files only, with a
// preview of the file under the cursor. It does not insist on an existing file.
class PictureOpenDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit PictureOpenDialog(QWidget* parent = nullptr);

    static QString Filter() { return QStringLiteral("Windowスキン (*.png)"); }
    QLabel* Preview() const { return preview_; }

private:
    void ShowPreview(const QString& path);

    QLabel* preview_;
};

} // namespace volmar
