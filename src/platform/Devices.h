#pragma once

#include <QString>

#include <functional>

namespace terralore {

class PrintSurface;

// The printer and the sound device live in libraries of their own, loaded on
// first use: the printing and multimedia stacks (CUPS, PulseAudio and their
// network and bus libraries) then cost nothing before the first frame.

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // Prints one document on the default printer, without a dialog: the
    // routine draws it and ends it with EndDoc. False when the printer is
    // missing or the job failed; a failed job is aborted, nothing of it printed.
    virtual bool print(const std::function<void(PrintSurface &)> &document) = 0;
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Starts a WAV file playing without blocking; a new effect may cut off
    // the one playing. Silent when there is no audio device.
    virtual void play(const QString &path) = 0;
    // Readies a file, so its first play starts at once.
    virtual void prepare(const QString &path) = 0;
};

// The devices, loaded on first call; nothing when their library is missing.
PrinterDevice *printerDevice();
SoundDevice *soundDevice();

// The names a device library exports its maker under.
inline constexpr char kPrinterDeviceMaker[] = "terraloreMakePrinterDevice";
inline constexpr char kSoundDeviceMaker[] = "terraloreMakeSoundDevice";

} // namespace terralore
