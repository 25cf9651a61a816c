// The monkey soak: thousands of seeded random user actions over every
// screen, with the worksheet folder checked for wholeness after each one.
// Under AddressSanitizer and LeakSanitizer this also proves there is no
// memory fault and no leak. TERRALORE_SOAK_ACTIONS and TERRALORE_SOAK_SEED
// change the length and the seed.
#include "FolderCheck.h"
#include "Monkey.h"
#include "ScreenTest.h"

#include "TitleScreen.h"

#include <QDir>

using namespace terralore;
using namespace terralore::test;

namespace {

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Every screen of the program; the soak must have had each on top.
const QStringList kScreens = {"Titlefrm",     "intro0",  "science",    "beginning",  "multiple",
                              "Welldone",     "Wrong",   "scienceord", "sciencelab", "beginningord",
                              "beginninglab", "teacher", "guide",      "wizard",     "worksheets"};

// The folder's names, sizes and times: the folder is checked again only
// when one of them changed.
QString signature(const QString &folder)
{
    QString s;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        s += QStringLiteral("%1/%2/%3/%4\n")
                 .arg(f.fileName())
                 .arg(f.size())
                 .arg(f.lastModified().toMSecsSinceEpoch())
                 .arg(f.metadataChangeTime().toMSecsSinceEpoch());
    return s;
}

// As the program starts: the title screen over the backdrop.
void start()
{
    Stage::instance().show();
    titleScreen().Show();
    settle();
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void monkey();
};

void SoakTest::monkey()
{
    const int wanted = fromEnvironment("TERRALORE_SOAK_ACTIONS", 10000);
    const auto seed = unsigned(fromEnvironment("TERRALORE_SOAK_SEED", 20261206));
    ScreenFixture fx;
    QVERIFY(fx.data.isValid());
    Monkey monkey(seed);
    // Message boxes get either answer, as a hurried teacher gives them.
    fakeServices().answerer = [&monkey] { return monkey.random(4) == 0 ? MsgResult::Cancel : MsgResult::OK; };
    const QString folder = fx.data.file(QStringLiteral("multiple"));
    const QMap<QString, QByteArray> shipped = shippedQuizzes();
    QString lastSignature;
    FolderReport report;
    int checks = 0;

    fx.reset();
    start();
    QMap<QString, int> onTop;
    int actions = 0, steps = 0, restarts = 0;
    while (actions < wanted) {
        if (Stage::instance().programEnded()) {
            // The pupil pressed Exit; the next one starts the program again.
            ++restarts;
            fx.reset();
            start();
        }
        Form *top = topForm();
        QVERIFY2(top, qPrintable(QStringLiteral("no screen is showing after %1 actions; the last: %2")
                                     .arg(actions)
                                     .arg(monkey.recent().join(QLatin1String(", ")))));
        ++onTop[top->FormName()];
        actions += monkey.step(*top);
        ++steps;
        if (const QString now = signature(folder); now != lastSignature) {
            lastSignature = now;
            report = checkWorksheetFolder(folder, shipped);
            for (const QString &name : std::as_const(report.leftovers))
                report.problems << QStringLiteral("a save's copy left behind: ") + name;
            ++checks;
        }
        const QStringList problems = report.problems + monkey.problems;
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("after %1 actions: %2; the last: %3")
                                .arg(actions)
                                .arg(problems.join(QLatin1String("; ")), monkey.recent().join(QLatin1String(", ")))));
        // Keep the record of shown messages short over a long run.
        if (fakeServices().messages.size() > 200)
            fakeServices().messages.clear();
    }
    qInfo("%d actions in %d steps, seed %u: %d restarts, %d prints, %d worksheets saved, %d folder checks, "
          "%lld titles listed at the end",
          actions, steps, seed, restarts, monkey.prints, monkey.fullSaves, checks, qlonglong(report.titles.size()));
    QStringList on;
    for (auto it = onTop.cbegin(); it != onTop.cend(); ++it)
        on << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("steps per screen: %s", qPrintable(on.join(QLatin1String(", "))));

    if (wanted >= 10000) {
        QStringList missed;
        for (const QString &screen : kScreens)
            if (!onTop.contains(screen))
                missed << screen;
        QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("never reached: ") + missed.join(QLatin1String(", "))));
        QVERIFY2(monkey.fullSaves > 0, "no worksheet was ever saved");
    }
    // Close everything, so LeakSanitizer sees only what really leaked.
    fx.reset();
    settle();
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
