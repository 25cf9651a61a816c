// The sound device library: loaded just after the first frame, so the first
// click sounds at once without the multimedia stack delaying the start.
#include "Devices.h"
#include "WaveSilence.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

namespace terralore {
namespace {

// On PulseAudio, Qt 6.4's sound effects hold a stream back until its pre-buffer
// (about 0.2 s) has arrived, and close it as soon as they have handed over the
// last sample, dropping what the server still holds: an effect shorter than the
// pre-buffer never sounds, a longer one loses its end. So every effect is
// played with silence after it, longer than the 250 ms a stream gets from
// PulseAudio when it asks for no latency of its own: the silence is what is lost.
constexpr int kSilenceAfterMs = 500;
// Effects are small; a larger file is not one.
constexpr qint64 kLargestPadded = 16 * 1024 * 1024;

// The file with the silence after it; empty when it is not a WAVE file.
QByteArray paddedSound(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kLargestPadded || !file.open(QIODevice::ReadOnly))
        return {};
    return withSilenceAfter(file.read(kLargestPadded), kSilenceAfterMs);
}

// An effect playing a copy of the file with the silence after it, kept in the
// temporary folder until the effect has loaded it (or failed to). Qt is only
// ever given such a copy: a damaged file (cut short, or lying about its size)
// never finishes loading, and at exit Qt waits for it for ever.
QSoundEffect *makeEffect(const QString &path)
{
    const QByteArray padded = paddedSound(path);
    if (padded.isEmpty())
        return nullptr;
    auto *effect = new QSoundEffect(QCoreApplication::instance());
    auto *copy = new QTemporaryFile(QDir::temp().filePath(QStringLiteral("terralore-sound-XXXXXX.wav")), effect);
    if (!copy->open() || copy->write(padded) != padded.size() || !copy->flush()) {
        delete effect;
        return nullptr;
    }
    copy->close();
    QObject::connect(effect, &QSoundEffect::statusChanged, copy, [effect, copy] {
        if (effect->status() == QSoundEffect::Ready || effect->status() == QSoundEffect::Error)
            copy->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(copy->fileName()));
    return effect;
}

// One effect object per file, created on first use and kept, so playback
// starts at once and never blocks. A file that is not a WAVE file, or cannot
// be copied, is silent.
class SoundEffects : public SoundDevice {
public:
    void play(const QString &path) override
    {
        if (QSoundEffect *effect = effectFor(path))
            effect->play();
    }
    void prepare(const QString &path) override { effectFor(path); }

private:
    QSoundEffect *effectFor(const QString &path)
    {
        auto it = m_effects.constFind(path);
        if (it != m_effects.cend())
            return it.value();
        QSoundEffect *effect = makeEffect(path);
        m_effects.insert(path, effect);
        return effect;
    }

    // Owned by the application object, which outlives every use; null for a silent file.
    QHash<QString, QSoundEffect *> m_effects;
};

} // namespace
} // namespace terralore

extern "C" Q_DECL_EXPORT terralore::SoundDevice *terraloreMakeSoundDevice()
{
    return new terralore::SoundEffects;
}
