#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

namespace terralore::test {

// Draws picture bytes (any format Picture reads) into a white image of size.
QImage renderPicture(const QByteArray &bytes, const QSize &size);

// True if the two colours differ by at most tolerance in each channel.
bool near(QColor a, QColor b, int tolerance = 24);

// Bounding box of the pixels for which ink returns true (empty if none).
QRect inkBounds(const QImage &image, const std::function<bool(QRgb)> &ink);
QRect darkBounds(const QImage &image, int threshold = 128);

// How many pixels of the rectangle are close to the colour.
int countNear(const QImage &image, const QRect &area, QColor color, int tolerance = 24);

// The registered stand-in fonts (Wine's Tahoma when installed).
void registerTestFonts();

QString fixturePath(const QString &relative);

} // namespace terralore::test
