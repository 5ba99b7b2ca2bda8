#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace volmar {

// A picture under the windows: a PNG of any size, drawn at the canvas's
// top-left corner at 1:1 in place of the canvas colour. Its transparency is
// flattened onto the canvas colour, so the picture is made again from the
// file's bytes (kept) when that colour changes. Only the part that can show
// on the canvas is kept as an image.
class BackgroundPicture {
public:
    // No picture.
    BackgroundPicture() = default;
    // Reads and decodes the PNG at path onto the canvas colour (0x00BBGGRR).
    // Raises VolmarError with the message the user sees when the file
    // cannot be read or is no PNG the reader takes.
    static BackgroundPicture Load(const QString& path, quint32 canvasBgr);

    bool IsEmpty() const { return image_.isNull(); }
    const QString& Path() const { return path_; }
    // At most the canvas's size, QImage::Format_RGB32; null without a picture.
    const QImage& Image() const { return image_; }

    // Flattens the picture onto another canvas colour.
    void SetCanvasColour(quint32 canvasBgr);

private:
    void Decode();

    QString path_;
    QByteArray bytes_;
    quint32 colour_ = 0;
    QImage image_;
};

} // namespace volmar
