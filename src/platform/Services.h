#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace terralore {

class PrintSurface;

enum class MsgButtons { OK, OKCancel };
enum class MsgResult { OK, Cancel };

// What the screens need from outside the stage: message boxes, sound effects,
// speech and the printer. The stage holds one set; tests put in fakes that answer
// messages and record what would be heard and printed.
class Services {
public:
    virtual ~Services() = default;

    // A modal message over the stage, captioned with the program's name.
    virtual MsgResult showMessage(const QString &prompt, MsgButtons buttons) = 0;
    // Starts a WAV file, named relative to the data folder, without blocking.
    // A missing file or no audio device is silent.
    virtual void playEffect(const QString &relativePath) = 0;
    // Readies an effect so that its first play starts at once.
    virtual void prepareEffect(const QString &relativePath) = 0;
    // Reading aloud through the desktop's speech service, in British English
    // where it has a voice for it. Available once its engine is ready; with
    // no engine there is no speech and nothing is said to the user.
    virtual bool speechAvailable() = 0;
    // Speaks text in place of whatever is being spoken; silent when unavailable.
    virtual void speak(const QString &text) = 0;
    virtual void stopSpeaking() = 0;
    // Starts the engine coming up, without waiting for it.
    virtual void prepareSpeech() = 0;
    // Whether a screen reader is on, which then speaks for the screens:
    // they do not read aloud besides it.
    virtual bool screenReaderRunning() = 0;
    // Prints one document on the default printer, without a dialog: the
    // routine draws it and ends it with finish(). False when the printer is
    // missing or the job failed; a failed job is aborted, nothing of it printed.
    virtual bool print(const std::function<void(PrintSurface &)> &document) = 0;
    // The desktop's file dialog over the stage: a file to open, or a name to
    // save under (suggestedPath first). filters are in QFileDialog's form;
    // selectedFilter receives the one chosen for saving. Empty when cancelled.
    virtual QString chooseFileToOpen(const QString &caption, const QString &filters) = 0;
    virtual QString chooseFileToSave(const QString &caption, const QString &suggestedPath, const QString &filters,
                                     QString &selectedFilter) = 0;
};

// The real dialogs, sound device and default printer.
std::unique_ptr<Services> makeDesktopServices();

// Shorthand for the stage's services.
MsgResult showMessage(const QString &prompt, MsgButtons buttons = MsgButtons::OK);

} // namespace terralore
