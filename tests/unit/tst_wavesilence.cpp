// Silence after a WAVE file's sound: what is kept, how much silence of which
// value follows, and which files are refused. (The sound reaching a real
// sound server: sound/tst_soundserver.)
#include "WaveSilence.h"

#include <QTest>
#include <QtEndian>

using namespace terralore;

namespace {

QByteArray le16(quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 2);
}

QByteArray le32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// A chunk whose header may declare more than its body holds; odd bodies are padded.
QByteArray chunk(const char *id, const QByteArray &body, qint64 declared = -1)
{
    const QByteArray padding = body.size() % 2 ? QByteArray(1, '\0') : QByteArray();
    return QByteArray(id, 4) + le32(quint32(declared < 0 ? body.size() : declared)) + body + padding;
}

QByteArray format(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 frameBytes = quint16(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * frameBytes) + le16(frameBytes) + le16(bits);
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

const QByteArray kMono16 = format(1, 1, 22050, 16);
const QByteArray kSound("\x10\x20\x30\x40\x50\x60\x70\x7f", 8);

} // namespace

class WaveSilenceTest : public QObject {
    Q_OBJECT

private slots:
    void padded_data()
    {
        QTest::addColumn<QByteArray>("wave");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<QByteArray>("expected");

        // 22,050 frames a second of 2 bytes: 100 ms is 2,205 frames.
        QTest::newRow("16-bit mono, 100 ms")
            << riff(chunk("fmt ", kMono16) + chunk("data", kSound)) << 100
            << riff(chunk("fmt ", kMono16) + chunk("data", kSound + QByteArray(4410, 0)));
        const QByteArray mono8 = format(1, 1, 8000, 8);
        QTest::newRow("8-bit silence is the middle value")
            << riff(chunk("fmt ", mono8) + chunk("data", "\x01\xff")) << 250
            << riff(chunk("fmt ", mono8) + chunk("data", "\x01\xff" + QByteArray(2000, '\x80')));
        QTest::newRow("odd data is padded")
            << riff(chunk("fmt ", mono8) + chunk("data", "\x01\x7f\xff")) << 125
            << riff(chunk("fmt ", mono8) + chunk("data", "\x01\x7f\xff" + QByteArray(1000, '\x80')));
        const QByteArray stereo16 = format(1, 2, 44100, 16);
        QTest::newRow("other chunks are left out")
            << riff(chunk("fmt ", stereo16) + chunk("LIST", "INFOabc") + chunk("fact", le32(2)) + chunk("data", kSound))
            << 10 << riff(chunk("fmt ", stereo16) + chunk("data", kSound + QByteArray(441 * 4, 0)));
        QTest::newRow("data before its format") << riff(chunk("data", kSound) + chunk("fmt ", kMono16)) << 0
                                                << riff(chunk("fmt ", kMono16) + chunk("data", kSound));
        QTest::newRow("cut short: the whole frames there are")
            << riff(chunk("fmt ", stereo16)) + "data" + le32(1000) + kSound.left(7) << 0
            << riff(chunk("fmt ", stereo16) + chunk("data", kSound.left(4)));
        QTest::newRow("size of a stream left open")
            << riff(chunk("fmt ", kMono16)) + "data" + le32(0xFFFFFFFFu) + kSound << 0
            << riff(chunk("fmt ", kMono16) + chunk("data", kSound));
        const QByteArray withExtra = kMono16 + le16(0);
        QTest::newRow("format with its extra size kept") << riff(chunk("fmt ", withExtra) + chunk("data", kSound)) << 0
                                                         << riff(chunk("fmt ", withExtra) + chunk("data", kSound));
        // 24-bit integer samples named by the GUID's first two bytes.
        const QByteArray extensible = format(0xFFFE, 1, 8000, 24) + le16(22) + le16(24) + le32(4) + le16(1) +
                                      QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71", 14);
        QTest::newRow("extensible integer samples")
            << riff(chunk("fmt ", extensible) + chunk("data", kSound.left(6))) << 1
            << riff(chunk("fmt ", extensible) + chunk("data", kSound.left(6) + QByteArray(24, 0)));
        const QByteArray floats = format(3, 1, 1000, 32);
        QTest::newRow("floating-point samples")
            << riff(chunk("fmt ", floats) + chunk("data", kSound)) << 3
            << riff(chunk("fmt ", floats) + chunk("data", kSound + QByteArray(12, 0)));
        QTest::newRow("no time of silence") << riff(chunk("fmt ", kMono16) + chunk("data", kSound)) << -5
                                            << riff(chunk("fmt ", kMono16) + chunk("data", kSound));
        QTest::newRow("empty sound") << riff(chunk("fmt ", kMono16) + chunk("data", {})) << 1
                                     << riff(chunk("fmt ", kMono16) + chunk("data", QByteArray(44, 0)));
    }

    void padded()
    {
        QFETCH(QByteArray, wave);
        QFETCH(int, milliseconds);
        QFETCH(QByteArray, expected);
        QCOMPARE(withSilenceAfter(wave, milliseconds), expected);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("wave");
        const QByteArray data = chunk("data", kSound);
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("header only") << QByteArray("RIFF\x04\x00\x00\x00WAVE", 12);
        QTest::newRow("not RIFF") << QByteArray("RIFX") + le32(100) + "WAVE" + chunk("fmt ", kMono16) + data;
        QTest::newRow("not WAVE") << QByteArray("RIFF") + le32(100) + "AVI " + chunk("fmt ", kMono16) + data;
        QTest::newRow("no format") << riff(data);
        QTest::newRow("no data") << riff(chunk("fmt ", kMono16));
        QTest::newRow("format cut short") << riff(chunk("fmt ", kMono16.left(14)) + data);
        QTest::newRow("format past the end") << riff(data) + "fmt " + le32(16) + kMono16.left(10);
        QTest::newRow("compressed samples") << riff(chunk("fmt ", format(2, 1, 22050, 4)) + data);
        QTest::newRow("no frame size") << riff(chunk("fmt ", format(1, 0, 22050, 16)) + data);
        QTest::newRow("no rate") << riff(chunk("fmt ", format(1, 1, 0, 16)) + data);
        QTest::newRow("rate beyond any effect") << riff(chunk("fmt ", format(1, 1, 4000000, 16)) + data);
        QTest::newRow("frames beyond any effect") << riff(chunk("fmt ", format(1, 64, 22050, 16)) + data);
        QTest::newRow("a chunk declaring 4 GB")
            << riff(chunk("LIST", "abcd", 0xFFFFFFF0u) + chunk("fmt ", kMono16) + data);
    }

    void refused()
    {
        QFETCH(QByteArray, wave);
        QCOMPARE(withSilenceAfter(wave, 500), QByteArray());
    }
};

QTEST_MAIN(WaveSilenceTest)
#include "tst_wavesilence.moc"
