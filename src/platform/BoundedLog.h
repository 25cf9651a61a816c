#pragma once

#include <QList>

namespace terralore {

// Appends to a record that a long session would otherwise grow without end:
// past twice the limit, the oldest half goes, so appending stays cheap.
template <class T> void appendBounded(QList<T> &log, T entry, qsizetype limit = 4096)
{
    log.append(std::move(entry));
    if (log.size() > 2 * limit)
        log.remove(0, log.size() - limit);
}

} // namespace terralore
