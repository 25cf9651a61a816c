// Silence after a WAVE file's sound, on any bytes: what comes out is empty or
// a WAVE file whose sizes add up, and read again with no silence it comes back
// as it is.
#include "FuzzSupport.h"

#include "WaveSilence.h"

#include <QtEndian>

using namespace terralore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray padded = withSilenceAfter(fuzzBytes(data, size), 20);
    if (padded.isEmpty())
        return 0;
    fuzzCheck(padded.startsWith("RIFF"));
    fuzzCheck(qFromLittleEndian<quint32>(padded.constData() + 4) == quint32(padded.size() - 8));
    fuzzCheck(withSilenceAfter(padded, 0) == padded);
    return 0;
}
