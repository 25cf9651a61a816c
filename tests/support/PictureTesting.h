#pragma once

#include "picture/Picture.h"

#include <QColor>
#include <QImage>

namespace terralore::test {

// Draws a picture into a white image of size.
QImage renderPicture(const Picture &picture, const QSize &size);

// True if the two colours differ by at most tolerance in each channel.
bool near(QColor a, QColor b, int tolerance = 24);

} // namespace terralore::test
