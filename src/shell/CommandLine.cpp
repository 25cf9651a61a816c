#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace terralore {

namespace {

QString versionLine()
{
    return QStringLiteral("Terralore %1").arg(QStringLiteral(TERRALORE_VERSION));
}

StartOptions failure(QString message)
{
    // Qt's messages read as sentences; ours is one line after the program's name.
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    if (!message.isEmpty())
        message[0] = message[0].toLower();
    StartOptions options;
    options.action = StartOptions::Action::Fail;
    options.text = QStringLiteral("terralore: %1 (try --help)").arg(message);
    return options;
}

StartOptions answer(StartOptions::Action action, const QString &text)
{
    StartOptions options;
    options.action = action;
    options.text = text;
    return options;
}

} // namespace

StartOptions parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Rocks, soils and fossils: key facts, quizzes, activities and worksheets."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and leave."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and leave."));
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("Open in a window of the program's size (for projectors)."));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"), QStringLiteral("Fill the screen (the default)."));
    const QCommandLineOption mute(QStringLiteral("mute"), QStringLiteral("Start with the sound off."));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Use DIR as the data folder (pictures, quizzes, saved worksheets)."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption import(QStringLiteral("import"),
                                    QStringLiteral("Make worksheets of a GIFT or Aiken FILE, then leave."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption title(QStringLiteral("title"),
                                   QStringLiteral("With --import: the title for the worksheets (else the file's own)."),
                                   QStringLiteral("TITLE"));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("With --import: replace worksheets of the same title."));
    const QCommandLineOption exportTitle(
        QStringLiteral("export"),
        QStringLiteral("Write the worksheet TITLE to the FILE given after the options, then leave."),
        QStringLiteral("TITLE"));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("With --export: gift or aiken."),
                                    QStringLiteral("FORMAT"));
    parser.addOptions({help, version, window, fullScreen, mute, data, import, title, replace, exportTitle, format});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(help))
        // Qt names the program in the usage line only once an application
        // object exists, and none does yet.
        return answer(
            StartOptions::Action::ShowHelp,
            parser.helpText().replace(QStringLiteral("<executable_name>"), QFileInfo(arguments.value(0)).fileName()));
    if (parser.isSet(version))
        return answer(StartOptions::Action::ShowVersion, versionLine());
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(exportTitle)) {
        if (parser.isSet(import))
            return failure(QStringLiteral("--import and --export exclude each other"));
        const QString kind = parser.value(format).toLower();
        if (kind != QLatin1String("gift") && kind != QLatin1String("aiken"))
            return failure(QStringLiteral("--export needs --format gift or --format aiken"));
        if (files.size() != 1)
            return failure(QStringLiteral("--export needs one file to write"));
    } else if (!files.isEmpty()) {
        return failure(QStringLiteral("unexpected argument '%1'").arg(files.constFirst()));
    } else if (parser.isSet(format)) {
        return failure(QStringLiteral("--format goes with --export"));
    }
    if ((parser.isSet(title) || parser.isSet(replace)) && !parser.isSet(import))
        return failure(QStringLiteral("--title and --replace go with --import"));
    if (parser.isSet(window) && parser.isSet(fullScreen))
        return failure(QStringLiteral("--window and --fullscreen exclude each other"));

    StartOptions options;
    if (parser.isSet(window))
        options.window = StartOptions::Window::Window;
    else if (parser.isSet(fullScreen))
        options.window = StartOptions::Window::FullScreen;
    options.muted = parser.isSet(mute);
    options.dataFolder = parser.value(data);
    if (parser.isSet(data) && options.dataFolder.isEmpty())
        return failure(QStringLiteral("--data needs a folder"));
    if (parser.isSet(import)) {
        options.action = StartOptions::Action::Import;
        options.file = parser.value(import);
        options.title = parser.value(title);
        options.replace = parser.isSet(replace);
    } else if (parser.isSet(exportTitle)) {
        options.action = StartOptions::Action::Export;
        options.title = parser.value(exportTitle);
        options.format = parser.value(format).toLower();
        options.file = files.constFirst();
    }
    return options;
}

int printAnswer(const StartOptions &options)
{
    const bool failed = options.action == StartOptions::Action::Fail;
    std::FILE *stream = failed ? stderr : stdout;
    std::fputs(options.text.toLocal8Bit().constData(), stream);
    if (!options.text.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stream);
    return failed ? 2 : 0;
}

bool opensInWindow(const StartOptions &options)
{
    if (options.window == StartOptions::Window::Default)
        return qEnvironmentVariableIsSet("TERRALORE_WINDOWED");
    return options.window == StartOptions::Window::Window;
}

} // namespace terralore
