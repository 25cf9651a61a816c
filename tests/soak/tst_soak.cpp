// The monkey soak: 10,000 seeded random user actions over every screen, the
// worksheet folder checked after each; run under the sanitizers too.
// TERRALORE_SOAK_ACTIONS and TERRALORE_SOAK_SEED change the length and seed.
#include "Monkey.h"

#include "TitleScreen.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// As the program starts: the title screen over the backdrop.
void start(ScreenFixture &fx)
{
    fx.reset();
    Stage::instance().show();
    titleScreen().Show();
    settle();
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void monkey()
    {
        bool ok = false;
        int wanted = qEnvironmentVariableIntValue("TERRALORE_SOAK_ACTIONS", &ok);
        wanted = ok ? wanted : 10000;
        const auto seed = unsigned(qEnvironmentVariableIntValue("TERRALORE_SOAK_SEED", &ok));
        ScreenFixture fx;
        QVERIFY(fx.data.isValid());
        Monkey monkey(ok ? seed : 20261206);
        // Message boxes get either answer, as a hurried teacher gives them.
        fakeServices().answerer = [&monkey] { return monkey.random(4) == 0 ? MsgResult::Cancel : MsgResult::OK; };
        const QString folder = fx.data.file(QStringLiteral("multiple"));
        const QMap<QString, QByteArray> shipped = shippedQuizzes();
        QMap<QString, int> onTop;
        int actions = 0, restarts = 0;
        start(fx);
        while (actions < wanted) {
            if (Stage::instance().programEnded()) {
                // The pupil pressed Exit; the next one starts the program again.
                ++restarts;
                start(fx);
            }
            Form *top = topForm();
            QVERIFY2(top, qPrintable(QStringLiteral("no screen is showing after %1 actions").arg(actions)));
            ++onTop[top->FormName()];
            actions += monkey.step(*top);
            const FolderReport report = checkWorksheetFolder(folder, shipped);
            QStringList problems = report.problems + monkey.problems;
            for (const QString &name : report.leftovers)
                problems << QStringLiteral("a save's copy left behind: ") + name;
            QVERIFY2(problems.isEmpty(),
                     qPrintable(QStringLiteral("after %1 actions: %2").arg(actions).arg(problems.join(u';'))));
        }
        qInfo("%d actions, %d restarts, %d prints, %d worksheets saved; steps per screen:", actions, restarts,
              monkey.prints, monkey.fullSaves);
        for (auto it = onTop.cbegin(); it != onTop.cend(); ++it)
            qInfo("  %6d %s", it.value(), qPrintable(it.key()));

        if (wanted >= 10000) {
            for (const char *screen :
                 {"TitleScreen", "MainMenu", "ScienceHub", "BeginningHub", "QuizScreen", "ResultsScreen",
                  "WrongAnswers", "ScienceOrdering", "ScienceLabelling", "BeginningOrdering", "BeginningLabelling",
                  "NotesPager", "GuidePager", "WorksheetWizard", "WorksheetCatalogue"})
                QVERIFY2(onTop.contains(QLatin1String(screen)), screen);
            QVERIFY2(monkey.fullSaves > 0, "no worksheet was ever saved");
        }
        // Close everything, so LeakSanitizer sees only what really leaked.
        fx.reset();
        settle();
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
