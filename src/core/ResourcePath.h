#pragma once

#include <QString>

namespace terralore {

// Resource paths are written relative to the working folder, with either
// slash and with mixed capitals ("Images\cave.jpg", "images\cave.jpg").
// resolve() splits the path on both slashes and matches every part against
// the folder's entries without regard to case, preferring an exact match.
// Parts that do not exist are kept as written, so the result names the file
// that would be created there.
QString resolveResource(const QString &relativePath);
QString resolveResource(const QString &base, const QString &relativePath);

// The worksheet folder and its index, where teachers' work is kept.
QString worksheetFolder();
QString worksheetIndexPath();

} // namespace terralore
