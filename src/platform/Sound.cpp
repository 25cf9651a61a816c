#include "Sound.h"

#include "BoundedLog.h"
#include "Devices.h"

#include "ResourcePath.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

namespace terralore {

namespace {

QList<PlayedEffect> g_played;

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

// The device and the file's path; nothing when sound is off or the file is missing.
SoundDevice *deviceFor(const QString &relativePath, QString &path)
{
    if (!deviceEnabled() || !QCoreApplication::instance())
        return nullptr;
    path = resolveResource(relativePath);
    return QFileInfo::exists(path) ? soundDevice() : nullptr;
}

} // namespace

void PlayEffect(const QString &relativePath)
{
    appendBounded(g_played, PlayedEffect{relativePath, now()});
    QString path;
    if (SoundDevice *device = deviceFor(relativePath, path))
        device->play(path);
}

void prepareEffect(const QString &relativePath)
{
    QString path;
    if (SoundDevice *device = deviceFor(relativePath, path))
        device->prepare(path);
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
