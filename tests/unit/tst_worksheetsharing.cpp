// Importing and exporting through the data folder: an import is all or
// nothing, reads only ordinary files and only so much of them, and an
// export says which worksheet it could not find or write.
#include "FolderCheck.h"
#include "QuestionFormats.h"
#include "TestData.h"
#include "WorksheetSharing.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace terralore;
using namespace terralore::test;

namespace {

const QString kFull = QStringLiteral("The catalogue holds 1000 worksheets; delete some before importing more.");
const QString kNotAFile = QStringLiteral("This is a folder, a device or a pipe, not a file of questions.");
const QString kTryTheOther = QStringLiteral("This worksheet cannot be written in that format; try the other one.");
const QString kMissing = QStringLiteral("This worksheet does not exist.");

// count GIFT questions named "Rocks Qn", the second option right.
QByteArray giftQuestions(int count)
{
    QByteArray text;
    for (int q = 1; q <= count; ++q)
        text += "::Rocks Q" + QByteArray::number(q) + ":: Which rock is rock " + QByteArray::number(q) +
                "? {~Chalk =Flint ~Slate ~Coal}\n\n";
    return text;
}

QStringList numbered(int count)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles << QStringLiteral("Worksheet %1").arg(i);
    return titles;
}

// Every file under the data folder with its bytes: a refusal must leave it all as it was.
QMap<QString, QByteArray> everything(const TestData &data)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(data.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(data.path()).relativeFilePath(path), readFile(path));
    }
    return files;
}

// A worksheet of ten plain questions, its first question's text as given.
QByteArray quizFile(const QString &title, const QString &firstQuestion)
{
    QByteArray bytes = title.toLatin1() + "\r\n \r\n";
    for (int q = 1; q <= 10; ++q) {
        bytes += (q == 1 ? firstQuestion.toLatin1() : "Which rock is rock " + QByteArray::number(q) + "?") + "\r\n";
        bytes += "Chalk\r\nFlint\r\nSlate\r\nCoal\r\n2\r\n \r\n";
    }
    return bytes;
}

} // namespace

class WorksheetSharingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<QTemporaryDir> m_outside; // where the teacher's files lie, outside the data folder

    ImportResult import(const QString &path, bool replace = false)
    {
        int count = 0;
        const auto names = std::make_unique<WorksheetNameArray>();
        return importWorksheets(
            path, QString(), [replace](const QString &) { return replace; }, count, *names);
    }

    QString outside(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_outside->filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TestData>();
        QVERIFY(m_data->isValid());
        m_outside = std::make_unique<QTemporaryDir>();
        QVERIFY(m_outside->isValid());
    }

    // Room for every new title is checked before any file is written.
    void importIsAllOrNothing_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("replace");       // the file's title is listed already, and replaced
        QTest::addColumn<QStringList>("titles"); // imported; none when refused for want of room
        QTest::newRow("20 questions, room for 1") << 999 << 20 << false << QStringList{};
        QTest::newRow("10 questions, a full catalogue") << 1000 << 10 << false << QStringList{};
        QTest::newRow("20 questions, room for 2") << 998 << 20 << false << QStringList{"Rocks 1", "Rocks 2"};
        QTest::newRow("a full catalogue, a listed title replaced") << 1000 << 10 << true << QStringList{"Rocks"};
    }

    void importIsAllOrNothing()
    {
        QFETCH(int, listed);
        QFETCH(int, questions);
        QFETCH(bool, replace);
        QFETCH(QStringList, titles);
        QStringList index = numbered(listed);
        if (replace)
            index.last() = QStringLiteral("Rocks");
        QVERIFY(m_data->write(QStringLiteral("multiple/track.txt"), indexFileBytes(index)));
        const QString file = outside(QStringLiteral("rocks.gift"), giftQuestions(questions));
        const auto before = everything(*m_data);
        const ImportResult result = import(file, replace);
        if (titles.isEmpty()) {
            QCOMPARE(result.refusal, kFull);
            QCOMPARE(result.outcome, SaveOutcome::Failed);
            QCOMPARE(everything(*m_data), before);
            return;
        }
        QCOMPARE(result.refusal, QString());
        QCOMPARE(result.titles, titles);
        if (!replace)
            index += titles;
        QCOMPARE(m_data->read(QStringLiteral("multiple/track.txt")), indexFileBytes(index));
        for (const QString &title : titles)
            QVERIFY(QFile::exists(m_data->file(QStringLiteral("multiple/") + title + QStringLiteral(".txt"))));
    }

    // Only so much is read, and only of an ordinary file: a device, a pipe
    // without a writer or a folder is refused at once.
    void onlyOrdinaryFilesAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("an endless device") << "/dev/zero" << kNotAFile;
        QTest::newRow("a link to an endless device") << "link" << kNotAFile;
        QTest::newRow("a folder") << "folder" << kNotAFile;
        QTest::newRow("a pipe without a writer") << "pipe" << kNotAFile;
        QTest::newRow("a file larger than any quiz")
            << "large" << QStringLiteral("The file is too large to hold worksheets.");
        QTest::newRow("a missing file") << "missing" << QStringLiteral("The file could not be read.");
    }

    void onlyOrdinaryFilesAreRead()
    {
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        QString path = m_outside->filePath(kind);
        if (kind.startsWith(u'/'))
            path = kind;
        else if (kind == "link")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "large")
            QVERIFY(!outside(kind, giftQuestions(10) + QByteArray(2 * 1024 * 1024, ' ')).isEmpty());
        const auto before = everything(*m_data);
        const ImportResult result = import(path);
        QCOMPARE(result.refusal, refusal);
        QCOMPARE(result.outcome, SaveOutcome::Failed);
        QCOMPARE(everything(*m_data), before);
    }

    // The export's check reads an Aiken file as a learning platform does: a
    // line that begins with a capital and "." or ")" is an option, blank or
    // not after it, and a line shorter than two bytes is skipped.
    void exportedAikenReadsBackOnThePlatform_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("written");
        QTest::newRow("an ordinary question") << "Which rock is soft?" << true;
        QTest::newRow("initials: U.S.") << "U.S. rocks are old?" << false;
        QTest::newRow("a year: A.D.") << "A.D. 79: which volcano?" << false;
        QTest::newRow("a year: B.C.") << "B.C. means what?" << false;
        QTest::newRow("a bracket after a capital") << "Z)zzz" << false;
        QTest::newRow("one character") << "?" << false;
        QTest::newRow("one digit") << "5" << false;
        QTest::newRow("two characters") << "Hi" << true;
    }

    void exportedAikenReadsBackOnThePlatform()
    {
        QFETCH(QString, question);
        QFETCH(bool, written);
        QVERIFY(m_data->write(QStringLiteral("multiple/track.txt"), indexFileBytes({"Rocks"})));
        QVERIFY(m_data->write(QStringLiteral("multiple/Rocks.txt"), quizFile(QStringLiteral("Rocks"), question)));
        const QString out = m_outside->filePath(QStringLiteral("rocks.txt"));
        QCOMPARE(exportWorksheet(QStringLiteral("Rocks"), QuestionFormat::Aiken, out),
                 written ? QString() : kTryTheOther);
        QCOMPARE(QFile::exists(out), written);
        if (written)
            QVERIFY(readFile(out).startsWith(question.toLatin1() + "\nA. Chalk\n"));
    }

    // A title the catalogue does not list does not exist; the built-in
    // quizzes go by the titles they show.
    void exportFindsTheWorksheet_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("a listed worksheet") << "Rocks" << QString() << QByteArray("::Rocks Q1:: ");
        QTest::newRow("a title not listed") << "Soils" << kMissing << QByteArray();
        QTest::newRow("a file left unlisted") << "Leftover" << kMissing << QByteArray();
        QTest::newRow("a listed title without its file")
            << "Fossils" << QStringLiteral("This worksheet seems to be corrupted.") << QByteArray();
        QTest::newRow("the built-in quiz of rocks")
            << "The Science of Rocks" << QString() << QByteArray("::The Science of Rocks Q1:: ");
        QTest::newRow("the built-in quiz of the Earth, as shown")
            << "The Beginning: the Earth" << QString() << QByteArray("::The Beginning\\: the Earth Q1:: ");
    }

    void exportFindsTheWorksheet()
    {
        QFETCH(QString, title);
        QFETCH(QString, problem);
        QFETCH(QByteArray, firstLine);
        QVERIFY(m_data->write(QStringLiteral("multiple/track.txt"), indexFileBytes({"Rocks", "Fossils"})));
        QVERIFY(m_data->write(QStringLiteral("multiple/Rocks.txt"), quizFile(QStringLiteral("Rocks"), "Which?")));
        QVERIFY(m_data->write(QStringLiteral("multiple/Leftover.txt"), quizFile(QStringLiteral("Leftover"), "Which?")));
        const QString out = m_outside->filePath(QStringLiteral("out.gift"));
        QCOMPARE(exportWorksheet(title, QuestionFormat::Gift, out), problem);
        QCOMPARE(QFile::exists(out), problem.isEmpty());
        if (problem.isEmpty())
            QVERIFY2(readFile(out).startsWith(firstLine), readFile(out).left(60).constData());
    }
};

QTEST_GUILESS_MAIN(WorksheetSharingTest)
#include "tst_worksheetsharing.moc"
