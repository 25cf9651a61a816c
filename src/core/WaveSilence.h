#pragma once

#include <QByteArray>

namespace terralore {

// A RIFF WAVE file with silence after its sound: the file's own "fmt " chunk
// and one "data" chunk holding its samples (whole frames only) and then the
// given time of silence. Other chunks are left out. Empty when the bytes are
// not a WAVE file with both chunks, or the format is beyond what sound effects use.
QByteArray withSilenceAfter(const QByteArray &wave, int milliseconds);

} // namespace terralore
