#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;

namespace terralore {

class WmfDocument;

// A picture as the screens and the printer see it: a raster image (JPEG, GIF,
// BMP through Qt's readers) or a Windows Metafile played as vectors. Cheap to
// copy (shared, immutable). A missing or damaged file gives a null picture.
class Picture {
public:
    Picture() = default;

    // Loads an absolute (already resolved) path; chooses the reader by content.
    static Picture load(const QString &path);
    static Picture fromData(const QByteArray &bytes);
    static Picture fromImage(const QImage &image);

    bool isNull() const;
    bool isVector() const { return m_wmf != nullptr; }

    // Natural size in twips: rasters at 96 dpi (15 twips a pixel), metafiles
    // from the placeable header's frame and units per inch.
    QSizeF sizeTwips() const;

    // Draws the whole picture stretched into target (device coordinates of
    // the painter). Vectors are played at the painter's resolution.
    void draw(QPainter &painter, const QRectF &target) const;

    const QImage &image() const { return m_image; }
    const WmfDocument *wmf() const { return m_wmf.get(); }

private:
    QImage m_image;
    std::shared_ptr<const WmfDocument> m_wmf;
};

} // namespace terralore
