#pragma once

#include <QString>

namespace terralore {

// What a screen reader says in place of a shipped picture: a short, plain
// description of what a pupil sees in it. Takes the resource path as the
// screens write it ("images\cave.jpg", "wmf2\guide3.wmf"); "" for a path
// that names no shipped picture.
QString pictureDescription(const QString &resourcePath);

} // namespace terralore
