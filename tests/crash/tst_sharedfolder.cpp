// Eight programs saving and deleting worksheets at once in one folder, as on
// a school's network share: no index entry lost, no file torn, no lock left;
// and with programs killed at random, nothing torn and the lock recovered.
#include "FolderCheck.h"
#include "TestData.h"
#include "WorksheetStore.h"

#include <QProcess>
#include <QTest>

#include <memory>
#include <random>

using namespace terralore::test;

namespace {

constexpr int kPrograms = 8;

std::unique_ptr<QProcess> startProgram(const TestData &data, int program, unsigned seed, int changes)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(TERRALORE_FOLDERDRIVER),
                   {data.path(), QStringLiteral("P%1").arg(program), QString::number(seed), QString::number(changes)});
    return process;
}

// Each title's last change that was reported done, from a program's lines.
void readChanges(QProcess &process, QMap<QString, QString> &lastChange, QStringList &failures)
{
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1String("failed ")))
            failures << text;
        else if (!text.isEmpty())
            lastChange[text.section(u' ', 1)] = text.section(u' ', 0, 0);
    }
}

} // namespace

class SharedFolderTest : public QObject {
    Q_OBJECT
    // One folder for both: the second test checks only what it finds.
    TestData data;

private slots:
    void initTestCase() { QVERIFY(data.isValid()); }

    void eightProgramsLoseNoEntry()
    {
        const QString folder = data.file(QStringLiteral("multiple"));
        const QStringList before = checkWorksheetFolder(folder, shippedQuizzes()).titles;
        std::vector<std::unique_ptr<QProcess>> programs;
        for (int p = 0; p < kPrograms; ++p)
            programs.push_back(startProgram(data, p, 100 + p, 100));
        QMap<QString, QString> lastChange;
        QStringList failures;
        for (auto &program : programs) {
            QVERIFY(program->waitForFinished(300000));
            QCOMPARE(program->exitCode(), 0);
            readChanges(*program, lastChange, failures);
        }
        QCOMPARE(failures, QStringList());
        QStringList expected = before;
        for (auto it = lastChange.cbegin(); it != lastChange.cend(); ++it)
            if (it.value() == QLatin1String("save"))
                expected << it.key();
        const FolderReport report = checkWorksheetFolder(folder, shippedQuizzes());
        QCOMPARE(report.problems, QStringList());
        QCOMPARE(report.leftovers, QStringList());
        QStringList listed = report.titles;
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);
    }

    void killedProgramsTearNothing()
    {
        const QString folder = data.file(QStringLiteral("multiple"));
        std::mt19937 random(20261206);
        std::vector<std::unique_ptr<QProcess>> programs;
        for (int p = 0; p < kPrograms; ++p)
            programs.push_back(startProgram(data, p, random(), 1000));
        for (int kill = 0; kill < 40; ++kill) {
            QTest::qWait(int(random() % 40));
            auto &victim = programs[random() % kPrograms];
            victim->kill();
            QVERIFY(victim->waitForFinished());
            // Under the folder's lock, so that no program changes it while it is read.
            const terralore::WorksheetFolderLock lock(data.file(QStringLiteral("multiple/track.txt")), 30000);
            QVERIFY(lock.isHeld());
            const FolderReport report = checkWorksheetFolder(folder, shippedQuizzes());
            QVERIFY2(report.problems.isEmpty(), qPrintable(report.problems.join(u';')));
            victim = startProgram(data, int(random() % kPrograms), random(), 1000);
        }
        for (auto &program : programs) {
            program->kill();
            program->waitForFinished();
        }
        // The next start takes over a dead program's lock and sweeps its copies.
        const auto next = startProgram(data, 0, 1, 3);
        QVERIFY(next->waitForFinished(60000));
        QMap<QString, QString> lastChange;
        QStringList failures;
        readChanges(*next, lastChange, failures);
        QCOMPARE(failures, QStringList());
        const FolderReport report = checkWorksheetFolder(folder, shippedQuizzes());
        QCOMPARE(report.problems, QStringList());
        QCOMPARE(report.leftovers, QStringList());
    }
};

QTEST_GUILESS_MAIN(SharedFolderTest)
#include "tst_sharedfolder.moc"
