#include "WaveSilence.h"

#include "picture/ByteView.h"

#include <cstring>

namespace terralore {

namespace {

// A chunk's header: its name and the size of its body.
constexpr qint64 kChunkHeader = 8;
// Where the format chunk's fields lie, and the kinds of samples it may name
// (an extensible format names its kind in the first two bytes of a GUID).
enum FormatField : qint64 { TagAt = 0, RateAt = 4, FrameBytesAt = 12, SampleBitsAt = 14, FieldsEnd = 16, KindAt = 24 };
enum SampleKind : quint16 { IntegerSamples = 1, FloatSamples = 3, Extensible = 0xFFFE };
// No sound effect goes beyond 8 channels of 64-bit samples or 384 kHz: the
// silence after it stays a few megabytes at most.
constexpr quint32 kMostFrameBytes = 64;
constexpr quint32 kMostRate = 384000;

// Where a chunk's body starts and how much of it the file holds.
struct Chunk {
    qint64 at = -1;
    qint64 size = 0;
};

} // namespace

QByteArray withSilenceAfter(const QByteArray &wave, int milliseconds)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || std::memcmp(wave.constData() + 8, "WAVE", 4) != 0)
        return {};
    Chunk format;
    Chunk data;
    for (qint64 at = 12; at + kChunkHeader <= wave.size() && (format.at < 0 || data.at < 0);) {
        const qint64 declared = readU32(wave, at + 4);
        const Chunk chunk{at + kChunkHeader, qMin(declared, wave.size() - at - kChunkHeader)};
        const char *id = wave.constData() + at;
        // A format cut short by the end of the file says nothing sure.
        if (format.at < 0 && std::memcmp(id, "fmt ", 4) == 0 && chunk.size == declared)
            format = chunk;
        else if (data.at < 0 && std::memcmp(id, "data", 4) == 0)
            data = chunk;
        at = chunk.at + declared + (declared & 1);
    }
    if (format.at < 0 || data.at < 0 || format.size < FieldsEnd)
        return {};

    quint16 kind = readU16(wave, format.at + TagAt);
    if (kind == Extensible && format.size >= KindAt + 2)
        kind = readU16(wave, format.at + KindAt);
    const quint32 rate = readU32(wave, format.at + RateAt);
    const quint16 frameBytes = readU16(wave, format.at + FrameBytesAt);
    const quint16 sampleBits = readU16(wave, format.at + SampleBitsAt);
    if ((kind != IntegerSamples && kind != FloatSamples) || rate == 0 || rate > kMostRate || frameBytes == 0 ||
        frameBytes > kMostFrameBytes)
        return {};

    const qint64 soundBytes = data.size - data.size % frameBytes;
    const qint64 silenceBytes = qint64(rate) * qMax(milliseconds, 0) / 1000 * frameBytes;
    const qint64 dataBytes = soundBytes + silenceBytes;
    const qint64 riffBytes =
        4 + kChunkHeader + format.size + (format.size & 1) + kChunkHeader + dataBytes + (dataBytes & 1);
    if (riffBytes > qint64(0xFFFFFFFFu))
        return {};

    QByteArray out;
    out.reserve(qsizetype(kChunkHeader + riffBytes));
    out.append("RIFF", 4);
    appendU32(out, quint32(riffBytes));
    out.append("WAVEfmt ", 8);
    appendU32(out, quint32(format.size));
    out.append(wave.constData() + format.at, qsizetype(format.size));
    if (format.size & 1)
        out.append('\0');
    out.append("data", 4);
    appendU32(out, quint32(dataBytes));
    out.append(wave.constData() + data.at, qsizetype(soundBytes));
    // Eight-bit samples are unsigned, their silence is the middle value.
    out.append(qsizetype(silenceBytes), kind == IntegerSamples && sampleBits == 8 ? char(0x80) : '\0');
    if (dataBytes & 1)
        out.append('\0');
    return out;
}

} // namespace terralore
