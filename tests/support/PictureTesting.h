#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace terralore::test {

// Draws picture bytes (any format Picture reads) into a white image of size.
QImage renderPicture(const QByteArray &bytes, const QSize &size);

// True if the two colours differ by at most tolerance in each channel.
bool near(QColor a, QColor b, int tolerance = 24);

// Bounding box of the pixels darker than threshold (empty if none).
QRect darkBounds(const QImage &image, int threshold = 128);

// The registered stand-in fonts (Wine's Tahoma when installed).
void registerTestFonts();

} // namespace terralore::test
