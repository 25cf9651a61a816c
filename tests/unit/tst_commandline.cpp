#include "CommandLine.h"

#include <QTest>

using namespace terralore;

Q_DECLARE_METATYPE(StartOptions::Action)
Q_DECLARE_METATYPE(StartOptions::Window)

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void windowChoice();
};

void CommandLineTest::parse_data()
{
    using Action = StartOptions::Action;
    using Window = StartOptions::Window;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<Window>("window");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<QString>("dataFolder");
    QTest::addColumn<QStringList>("textHas");

    const auto row = [](const char *name, const QStringList &args, Action action, Window window = Window::Default,
                        bool muted = false, const QString &data = {}, const QStringList &textHas = {}) {
        QTest::newRow(name) << (QStringList{QStringLiteral("terralore")} + args) << action << window << muted << data
                            << textHas;
    };
    // "--window --mute --data DIR" and --version are run in the real program
    // by e2e/e2e_commandline.sh.
    row("nothing", {}, Action::Run);
    row("fullscreen", {"--fullscreen"}, Action::Run, Window::FullScreen);
    row("data, joined", {"--data=class 4"}, Action::Run, Window::Default, false, "class 4");
    row("help", {"--help"}, Action::ShowHelp, Window::Default, false, {},
        {"Usage: ", "--window", "--fullscreen", "--mute", "--data <DIR>", "--version"});
    row("help wins over the rest", {"--mute", "-h"}, Action::ShowHelp, Window::Default, false, {}, {"--window"});
    row("unknown option", {"--window", "--colour"}, Action::Fail, Window::Default, false, {}, {"colour", "--help"});
    row("Qt's own option", {"-platform", "xcb"}, Action::Fail);
    row("data without a folder", {"--data"}, Action::Fail, Window::Default, false, {}, {"--data"});
    row("data with an empty folder", {"--data="}, Action::Fail, Window::Default, false, {}, {"--data"});
    row("a stray argument", {"quiz.txt"}, Action::Fail, Window::Default, false, {}, {"quiz.txt"});
    row("window and fullscreen", {"--window", "--fullscreen"}, Action::Fail, Window::Default, false, {},
        {"--window", "--fullscreen"});
}

void CommandLineTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(StartOptions::Action, action);
    QFETCH(StartOptions::Window, window);
    QFETCH(bool, muted);
    QFETCH(QString, dataFolder);
    QFETCH(QStringList, textHas);

    const StartOptions options = parseCommandLine(arguments);
    QCOMPARE(options.action, action);
    QCOMPARE(options.window, window);
    QCOMPARE(options.muted, muted);
    QCOMPARE(options.dataFolder, dataFolder);
    for (const QString &part : textHas)
        QVERIFY2(options.text.contains(part), qPrintable(options.text));
    if (action == StartOptions::Action::Fail)
        QVERIFY2(!options.text.trimmed().contains(QLatin1Char('\n')), qPrintable(options.text));
}

// TERRALORE_WINDOWED asks for a window unless --fullscreen says otherwise.
void CommandLineTest::windowChoice()
{
    const auto opens = [](const QStringList &arguments) {
        return opensInWindow(parseCommandLine(QStringList{QStringLiteral("terralore")} + arguments));
    };
    qunsetenv("TERRALORE_WINDOWED");
    QVERIFY(!opens({}));
    QVERIFY(opens({"--window"}));
    qputenv("TERRALORE_WINDOWED", "1");
    QVERIFY(opens({}));
    QVERIFY(!opens({"--fullscreen"}));
    qunsetenv("TERRALORE_WINDOWED");
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
