#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

namespace terralore {

// Little-endian reads from a byte view; out-of-range reads give zero so
// callers that check sizes once cannot overrun through a later slip.
inline quint16 readU16(QByteArrayView bytes, qsizetype at)
{
    if (at < 0 || at + 2 > bytes.size())
        return 0;
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

inline quint32 readU32(QByteArrayView bytes, qsizetype at)
{
    if (at < 0 || at + 4 > bytes.size())
        return 0;
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

inline qint16 readS16(QByteArrayView bytes, qsizetype at)
{
    return qint16(readU16(bytes, at));
}

inline qint32 readS32(QByteArrayView bytes, qsizetype at)
{
    return qint32(readU32(bytes, at));
}

// Appends a little-endian field to bytes being written.
inline void appendU32(QByteArray &bytes, quint32 value)
{
    char field[4];
    qToLittleEndian(value, field);
    bytes.append(field, 4);
}

} // namespace terralore
