#pragma once

#include "picture/WmfDocument.h"

#include <QByteArrayView>

#include <memory>

namespace terralore {

// Limits that keep a hostile file from costing unbounded time or memory.
struct WmfLimits {
    static constexpr qsizetype maxRecords = 500'000;
    static constexpr qint64 maxCost = 4'000'000;               // points + characters + scan pairs
    static constexpr qint64 maxImagePixels = 32 * 1024 * 1024; // all bitmaps together
    static constexpr int maxObjects = 16'384;
    static constexpr int maxSavedStates = 256;
};

// Reads placeable and plain Windows Metafiles into a checked record list.
class WmfReader {
public:
    // True if the bytes start like a metafile (placeable key, or a plain
    // header: type 1 or 2, header size 9, version 0x0100 or 0x0300).
    static bool looksLikeWmf(QByteArrayView bytes);

    // The document, or null if the bytes are not a metafile at all. A file
    // damaged after its header gives the records read up to the damage.
    static std::shared_ptr<const WmfDocument> read(const QByteArray &bytes);
};

} // namespace terralore
