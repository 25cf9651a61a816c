#pragma once

#include <QString>

#include <functional>

namespace terralore {

class PrintSurface;

// The printer, the sound device and the speech engine live in libraries of
// their own, loaded on first use: the printing, multimedia and speech stacks
// (CUPS, PulseAudio, speech-dispatcher and their network and bus libraries)
// then cost nothing before the first frame.

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // Prints one document on the default printer, without a dialog: the
    // routine draws it and ends it with finish(). False when the printer is
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

class SpeechDevice {
public:
    // Starting: the engine is still coming up (connecting to the desktop's
    // speech service takes seconds). Unavailable: there is no engine, or it failed.
    enum class State { Starting, Ready, Speaking, Unavailable };

    virtual ~SpeechDevice() = default;
    virtual State state() const = 0;
    // Speaks text in place of whatever is being spoken, without blocking.
    // Text given while the engine starts is spoken once it is ready.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
    // Told of every change of state, on the user-interface thread.
    virtual void setStateListener(std::function<void(State)> listener) = 0;
};

// The devices, loaded on first call; nothing when their library is missing.
PrinterDevice *printerDevice();
SoundDevice *soundDevice();
// The speech engine starts coming up on the first call.
SpeechDevice *speechDevice();

// The names a device library exports its maker under.
inline constexpr char kPrinterDeviceMaker[] = "terraloreMakePrinterDevice";
inline constexpr char kSoundDeviceMaker[] = "terraloreMakeSoundDevice";
inline constexpr char kSpeechDeviceMaker[] = "terraloreMakeSpeechDevice";

} // namespace terralore
