#include "Sound.h"

#include "BoundedLog.h"

#include "ResourcePath.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace terralore {

namespace {

QList<PlayedEffect> g_played;
QHash<QString, QSoundEffect *> g_effects;

bool &deviceEnabled()
{
    static bool enabled = qEnvironmentVariableIsEmpty("TERRALORE_NO_AUDIO");
    return enabled;
}

qint64 now()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

QSoundEffect *effectFor(const QString &path)
{
    auto it = g_effects.find(path);
    if (it != g_effects.end())
        return it.value();
    auto *effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl::fromLocalFile(path));
    g_effects.insert(path, effect);
    return effect;
}

} // namespace

void PlayEffect(const QString &relativePath)
{
    appendBounded(g_played, PlayedEffect{relativePath, now()});
    if (!deviceEnabled() || !QCoreApplication::instance())
        return;
    const QString path = resolveResource(relativePath);
    if (!QFileInfo::exists(path))
        return;
    effectFor(path)->play();
}

namespace Sound {

const QList<PlayedEffect> &played()
{
    return g_played;
}

void clearLog()
{
    g_played.clear();
}

void setDeviceEnabled(bool enabled)
{
    deviceEnabled() = enabled;
}

} // namespace Sound

} // namespace terralore
