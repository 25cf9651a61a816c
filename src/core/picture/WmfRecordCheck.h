#pragma once

#include "picture/WmfDocument.h"

namespace terralore::wmfcheck {

// How much drawing work a record asks for (points, characters, scan pairs;
// at least 1), or -1 if its counts do not fit inside it or it is too short.
// Unknown functions give 0: they are dropped by the reader.
qint64 recordCost(quint16 function, const WmfParams &params);

// Where a bitmap record's DIB starts (in words) and its colour usage; -1 if
// the record carries no DIB.
struct DibPlace {
    qsizetype word = -1;
    int colorUsage = 0;
};
DibPlace dibPlace(quint16 function, const WmfParams &params);

} // namespace terralore::wmfcheck
