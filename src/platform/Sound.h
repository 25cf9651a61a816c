#pragma once

#include <QList>
#include <QString>

namespace terralore {

struct PlayedEffect {
    QString path; // as the caller named it, e.g. "wav\click.wav"
    qint64 msecs; // monotonic time stamp
};

// Plays a WAV file named relative to the working folder without blocking.
// Each file gets one effect object, created on first use and kept. A missing
// file or no audio device is silent.
void PlayEffect(const QString &relativePath);
// Loads the sound device and readies a file, so that its first play is instant.
void prepareEffect(const QString &relativePath);

namespace Sound {
// Every effect asked for, in order, for tests and benchmarks.
const QList<PlayedEffect> &played();
void clearLog();
// Silences the device (the log still records); set by TERRALORE_NO_AUDIO.
void setDeviceEnabled(bool enabled);
} // namespace Sound

} // namespace terralore
