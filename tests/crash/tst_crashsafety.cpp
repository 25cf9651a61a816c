// Saving and deleting worksheets survive a kill at any moment: the save
// driver is killed at random, then every file in the folder is checked.
#include "SaveModel.h"

#include <QProcess>
#include <QTest>

#include <algorithm>
#include <random>
#include <thread>

using namespace terralore::test;

namespace {

// The driver's next line on standard output, or an empty one when it ended
// or said nothing for a long time.
QByteArray nextLine(QProcess &driver)
{
    while (!driver.canReadLine()) {
        if (driver.state() != QProcess::Running || !driver.waitForReadyRead(30000))
            return {};
    }
    return driver.readLine().trimmed();
}

} // namespace

class CrashSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void killedAtRandomItLeavesOnlyWholeFiles()
    {
        TestData data;
        QVERIFY(data.isValid());
        const QString folder = data.file(QStringLiteral("multiple"));
        const QString journal = data.file(QStringLiteral("journal.txt"));
        FolderModel model;
        std::mt19937 random(20250611);
        // A running estimate of a step's time from intent to confirmation, so
        // the kill delays spread over the whole of a save or deletion.
        QList<qint64> stepMicros = {4000};
        QMap<QString, int> points;
        qsizetype confirmed = 0;
        int kills = 0;
        int saves = 0;
        // Fewer for a slow (sanitizer) build.
        const int savesWanted = qEnvironmentVariableIntValue("TERRALORE_CRASH_SAVES");

        while (saves < (savesWanted > 0 ? savesWanted : 500)) {
            QProcess driver;
            driver.start(QStringLiteral(TERRALORE_SAVEDRIVER), {data.path(), journal});
            QVERIFY2(driver.waitForStarted(), qPrintable(driver.errorString()));
            QCOMPARE(nextLine(driver), QByteArray("ready"));
            if (random() % 5 == 0) {
                // Anywhere in the next few steps: typing, opening a screen, saving.
                std::this_thread::sleep_for(std::chrono::milliseconds(random() % 150));
            } else {
                // Inside the n-th step from here, some way through it.
                int intents = 1 + int(random() % 3);
                while (intents > 0) {
                    const QByteArray line = nextLine(driver);
                    QVERIFY2(!line.isEmpty(), driver.readAllStandardError().constData());
                    if (line.startsWith("intent "))
                        --intents;
                    else if (line.startsWith("done "))
                        stepMicros.append(line.split(' ').value(2).toLongLong());
                }
                std::sort(stepMicros.begin(), stepMicros.end());
                const qint64 median = stepMicros[stepMicros.size() / 2];
                std::this_thread::sleep_for(std::chrono::microseconds(random() % (median + 1)));
            }
            QVERIFY2(driver.state() == QProcess::Running, driver.readAllStandardError().constData());
            driver.kill();
            QVERIFY(driver.waitForFinished());
            ++kills;

            const auto steps = readJournal(journal);
            QVERIFY2(steps, "the journal holds a line that is not whole");
            const JournalStep *pending = nullptr;
            for (; confirmed < steps->size(); ++confirmed) {
                if (!(*steps)[confirmed].done) {
                    // Only the last step can be unconfirmed: the driver stops at a failure.
                    QCOMPARE(confirmed, steps->size() - 1);
                    pending = &(*steps)[confirmed];
                    break;
                }
                model.apply((*steps)[confirmed]);
            }
            QString point;
            const QString problem = model.check(folder, pending, point);
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("after kill %1 (step %2): %3")
                                                       .arg(kills)
                                                       .arg(pending ? pending->seq : -1)
                                                       .arg(problem)));
            // The unconfirmed step is settled by what the folder shows.
            if (pending)
                ++confirmed;
            ++points[point];
            saves = int(std::count_if(steps->cbegin(), steps->cend(), [](const JournalStep &s) { return !s.deletes; }));
        }
        qInfo("%d kills, %d saves started; median step %lld us", kills, saves, stepMicros[stepMicros.size() / 2]);
        // The kills reached into the saves and deletions themselves.
        QVERIFY(points.value(FolderModel::kQuizFileOnly) > 0);
        QVERIFY(
            std::any_of(points.keyBegin(), points.keyEnd(), [](const QString &p) { return p.contains(u"deletion,"); }));
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
