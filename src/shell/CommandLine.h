#pragma once

#include <QString>
#include <QStringList>

namespace terralore {

// What the command line asks for. Reading it needs no display, so help,
// the version and mistakes are answered before any window system is touched.
struct StartOptions {
    // What to do instead of (or before) starting the screens.
    enum class Action {
        Run,         // start the program
        ShowHelp,    // print `text` on standard output and leave
        ShowVersion, // print `text` on standard output and leave
        Fail,        // print `text` (one line) on standard error and leave with code 2
        Import,      // make worksheets of a GIFT or Aiken file, without a display
        Export,      // write a worksheet as GIFT or Aiken, without a display
    };
    enum class Window {
        Default,    // full screen, unless TERRALORE_WINDOWED is set
        Window,     // a normal window of the stage's size
        FullScreen, // full screen, whatever the environment says
    };

    Action action = Action::Run;
    Window window = Window::Default;
    bool muted = false;
    QString dataFolder; // empty: TERRALORE_DATA or the usual choice
    QString text;
    // Import: the file, the title to give (empty: the file's own), and
    // whether a worksheet of that title is replaced.
    // Export: the worksheet's title, the file, and the format "gift" or "aiken".
    QString file;
    QString title;
    bool replace = false;
    QString format;
};

// Reads the program's arguments; arguments[0] is the program's name.
StartOptions parseCommandLine(const QStringList &arguments);

// Prints what a help, version or failure answer says where it belongs and
// returns the program's exit code (0, or 2 for a command line it could not read).
int printAnswer(const StartOptions &options);

// Whether the stage opens as a window: --window, or TERRALORE_WINDOWED
// when neither --window nor --fullscreen was given.
bool opensInWindow(const StartOptions &options);

} // namespace terralore
