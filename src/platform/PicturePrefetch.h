#pragma once

#include "picture/Picture.h"

#include <QString>

#include <optional>

namespace terralore {

// Decodes a picture on a thread of its own ahead of the screen that shows it,
// so that the decoder's start and the decoding overlap other work. The next
// LoadPicture() of the same resource path takes the result instead of reading
// the file again.
void prefetchPicture(const QString &relativePath);

// The prefetched picture for this path, waiting for it if it is still being
// decoded; nothing when none was prefetched. Each prefetch is taken once.
std::optional<Picture> takePrefetchedPicture(const QString &relativePath);

} // namespace terralore
