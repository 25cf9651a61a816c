// The sound device library: loaded just after the first frame, so the first
// click sounds at once without the multimedia stack delaying the start.
#include "Devices.h"

#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace terralore {
namespace {

// One effect object per file, created on first use and kept, so playback
// starts at once and never blocks.
class SoundEffects : public SoundDevice {
public:
    void play(const QString &path) override { effectFor(path)->play(); }
    void prepare(const QString &path) override { effectFor(path); }

private:
    QSoundEffect *effectFor(const QString &path)
    {
        auto it = m_effects.find(path);
        if (it != m_effects.end())
            return it.value();
        auto *effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
        m_effects.insert(path, effect);
        return effect;
    }

    // Owned by the application object, which outlives every use.
    QHash<QString, QSoundEffect *> m_effects;
};

} // namespace
} // namespace terralore

extern "C" Q_DECL_EXPORT terralore::SoundDevice *terraloreMakeSoundDevice()
{
    return new terralore::SoundEffects;
}
