#include "FieldReader.h"
#include "FileSizeLimit.h"
#include "LineWriter.h"
#include "TestData.h"
#include "WorksheetIndex.h"
#include "WorksheetTitle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace terralore;
using namespace terralore::test;

namespace {

const QByteArray kMissing = "<missing>";

// An index of count titles "Worksheet 1" to "Worksheet count".
QByteArray indexOf(int count, const QString &extra = QString())
{
    QByteArray bytes = " " + QByteArray::number(count + (extra.isEmpty() ? 0 : 1)) + " \r\n";
    for (int i = 1; i <= count; ++i)
        bytes += "Worksheet " + QByteArray::number(i) + "\r\n";
    if (!extra.isEmpty())
        bytes += extra.toLatin1() + "\r\n";
    return bytes;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class WorksheetIndexTest : public QObject {
    Q_OBJECT
    QTemporaryDir *dir = nullptr;
    QString indexPath() const { return dir->filePath(QStringLiteral("track.txt")); }
    void putIndex(const QByteArray &bytes)
    {
        QFile::remove(indexPath());
        if (bytes != kMissing)
            QVERIFY(writeBytes(indexPath(), bytes));
    }

private slots:
    void init()
    {
        dir = new QTemporaryDir;
        QVERIFY(dir->isValid());
    }
    void cleanup()
    {
        delete dir;
        dir = nullptr;
    }

    void add_data();
    void add();
    void addKeepsTheNewTitleInMemory();
    void remove_data();
    void remove();
    void removeLeavesTheQuizFile();
    void removeToZeroThenAddAFirstTitle();
    void rewriteFailureLeavesTheOldFile_data();
    void rewriteFailureLeavesTheOldFile();
    void readOnlyFolderLeavesTheOldFile();
    void storedAndShownTitles_data();
    void storedAndShownTitles();
    void titleRule_data();
    void titleRule();
    void savableTitlesSurviveTheIndex_data();
    void savableTitlesSurviveTheIndex();
    void filePathStaysInTheFolder_data();
    void filePathStaysInTheFolder();
    void linksCannotLeadOutOfTheFolder();
};

void WorksheetIndexTest::add_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("change");
    QTest::addColumn<QByteArray>("after");
    const int added = int(IndexChange::Added), listed = int(IndexChange::AlreadyListed),
              failed = int(IndexChange::Failed), full = int(IndexChange::Full);
    QTest::newRow("count 0 takes a first title as line 2")
        << QByteArray(" 0 \r\n") << "Rocks" << added << QByteArray(" 1 \r\nRocks\r\n");
    QTest::newRow("a new title goes to the end")
        << QByteArray(" 2 \r\nSoil\r\nChalk\r\n") << "Clay" << added << QByteArray(" 3 \r\nSoil\r\nChalk\r\nClay\r\n");
    QTest::newRow("an equal title leaves the file")
        << QByteArray(" 2 \r\nSoil\r\nChalk\r\n") << "Chalk" << listed << QByteArray(" 2 \r\nSoil\r\nChalk\r\n");
    QTest::newRow("letter case makes a new entry")
        << QByteArray(" 1 \r\nChalk\r\n") << "chalk" << added << QByteArray(" 2 \r\nChalk\r\nchalk\r\n");
    QTest::newRow("a longer title is not equal")
        << QByteArray(" 1 \r\nChalk\r\n") << "Chalk 2" << added << QByteArray(" 2 \r\nChalk\r\nChalk 2\r\n");
    QTest::newRow("an equal title in a file without a final line end")
        << QByteArray(" 1 \r\nChalk") << "Chalk" << listed << QByteArray(" 1 \r\nChalk");
    QTest::newRow("a stored comma-escaped title")
        << QByteArray(" 1 \r\nChalk\r\n") << "Sand& silt" << added << QByteArray(" 2 \r\nChalk\r\nSand& silt\r\n");
    QTest::newRow("lines after the count are dropped on a rewrite")
        << QByteArray(" 1 \r\nChalk\r\nstray\r\n") << "Clay" << added << QByteArray(" 2 \r\nChalk\r\nClay\r\n");
    QTest::newRow("a missing index is created") << kMissing << "Rocks" << added << QByteArray(" 1 \r\nRocks\r\n");
    QTest::newRow("count larger than the names fails")
        << QByteArray(" 3 \r\nSoil\r\nChalk\r\n") << "Clay" << failed << QByteArray(" 3 \r\nSoil\r\nChalk\r\n");
    QTest::newRow("a count that is no number fails")
        << QByteArray("lots\r\nSoil\r\n") << "Clay" << failed << QByteArray("lots\r\nSoil\r\n");
    QTest::newRow("an empty file fails") << QByteArray() << "Clay" << failed << QByteArray();
    QTest::newRow("999 titles take a thousandth") << indexOf(999) << "Clay" << added << indexOf(999, "Clay");
    QTest::newRow("1000 titles take no more") << indexOf(1000) << "Clay" << full << indexOf(1000);
    QTest::newRow("1000 titles still know their own") << indexOf(1000) << "Worksheet 1000" << listed << indexOf(1000);
    QTest::newRow("a count above 1000 fails") << indexOf(1001) << "Clay" << failed << indexOf(1001);
}

void WorksheetIndexTest::add()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, title);
    QFETCH(int, change);
    QFETCH(QByteArray, after);
    putIndex(before);
    int count = 0;
    WorksheetNameArray names;
    QCOMPARE(int(addWorksheetTitle(indexPath(), title, count, names)), change);
    QCOMPARE(readFile(indexPath()), after);
    // No temporary file stays behind.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"track.txt"});
}

void WorksheetIndexTest::addKeepsTheNewTitleInMemory()
{
    putIndex(" 2 \r\nSoil\r\nChalk\r\n");
    int count = 7;
    WorksheetNameArray names;
    QCOMPARE(addWorksheetTitle(indexPath(), QStringLiteral("Clay"), count, names), IndexChange::Added);
    // The count stays as read; the new title waits behind it.
    QCOMPARE(count, 2);
    QCOMPARE(names[1], QStringLiteral("Soil"));
    QCOMPARE(names[2], QStringLiteral("Chalk"));
    QCOMPARE(names[3], QStringLiteral("Clay"));
}

void WorksheetIndexTest::remove_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("change");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("memory");
    const int removed = int(IndexChange::Removed), notListed = int(IndexChange::NotListed),
              failed = int(IndexChange::Failed);
    const QByteArray three(" 3 \r\nSoil\r\nChalk\r\nClay\r\n");
    QTest::newRow("the middle closes up")
        << three << "Chalk" << removed << QByteArray(" 2 \r\nSoil\r\nClay\r\n") << QStringList{"Soil", "Clay"};
    QTest::newRow("the first") << three << "Soil" << removed << QByteArray(" 2 \r\nChalk\r\nClay\r\n")
                               << QStringList{"Chalk", "Clay"};
    QTest::newRow("the last entry") << three << "Clay" << removed << QByteArray(" 2 \r\nSoil\r\nChalk\r\n")
                                    << QStringList{"Soil", "Chalk"};
    QTest::newRow("the only entry leaves the count 0")
        << QByteArray(" 1 \r\nSoil\r\n") << "Soil" << removed << QByteArray(" 0 \r\n") << QStringList{};
    QTest::newRow("of duplicates the last goes")
        << QByteArray(" 3 \r\nSoil\r\nChalk\r\nSoil\r\n") << "Soil" << removed << QByteArray(" 2 \r\nSoil\r\nChalk\r\n")
        << QStringList{"Soil", "Chalk"};
    QTest::newRow("letter case must match")
        << three << "chalk" << notListed << three << QStringList{"Soil", "Chalk", "Clay"};
    QTest::newRow("an unknown title leaves the file")
        << three << "Sand" << notListed << three << QStringList{"Soil", "Chalk", "Clay"};
    QTest::newRow("lines after the count are dropped")
        << QByteArray(" 2 \r\nSoil\r\nChalk\r\nstray\r\n") << "Soil" << removed << QByteArray(" 1 \r\nChalk\r\n")
        << QStringList{"Chalk"};
    QTest::newRow("a missing index is not created") << kMissing << "Soil" << failed << QByteArray() << QStringList{};
    QTest::newRow("count larger than the names fails")
        << QByteArray(" 4 \r\nSoil\r\nChalk\r\n") << "Soil" << failed << QByteArray(" 4 \r\nSoil\r\nChalk\r\n")
        << QStringList{"Soil", "Chalk"};
    QTest::newRow("a thousand titles lose one")
        << indexOf(1000) << "Worksheet 1" << removed
        << QByteArray(indexOf(1000)).replace(" 1000 \r\nWorksheet 1\r\n", " 999 \r\n") << QStringList{};
}

void WorksheetIndexTest::remove()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, title);
    QFETCH(int, change);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, memory);
    putIndex(before);
    int count = 0;
    WorksheetNameArray names;
    QCOMPARE(int(removeWorksheetTitle(indexPath(), title, count, names)), change);
    QCOMPARE(readFile(indexPath()), after);
    QCOMPARE(QFile::exists(indexPath()), before != kMissing);
    if (!memory.isEmpty() || after == " 0 \r\n") {
        QCOMPARE(count, memory.size());
        for (int i = 0; i < memory.size(); ++i)
            QCOMPARE(names[i + 1], memory[i]);
    }
}

void WorksheetIndexTest::removeLeavesTheQuizFile()
{
    putIndex(" 1 \r\nChalk\r\n");
    const QString quiz = dir->filePath(QStringLiteral("Chalk.txt"));
    QVERIFY(writeBytes(quiz, "Chalk\r\n"));
    int count = 0;
    WorksheetNameArray names;
    QCOMPARE(removeWorksheetTitle(indexPath(), QStringLiteral("Chalk"), count, names), IndexChange::Removed);
    QCOMPARE(readFile(quiz), QByteArray("Chalk\r\n"));
    QCOMPARE(readFile(indexPath()), QByteArray(" 0 \r\n"));
}

void WorksheetIndexTest::removeToZeroThenAddAFirstTitle()
{
    putIndex(" 1 \r\nChalk\r\n");
    int count = 0;
    WorksheetNameArray names;
    QCOMPARE(removeWorksheetTitle(indexPath(), QStringLiteral("Chalk"), count, names), IndexChange::Removed);
    QCOMPARE(count, 0);
    QCOMPARE(addWorksheetTitle(indexPath(), QStringLiteral("Chalk"), count, names), IndexChange::Added);
    QCOMPARE(readFile(indexPath()), QByteArray(" 1 \r\nChalk\r\n"));
}

void WorksheetIndexTest::rewriteFailureLeavesTheOldFile_data()
{
    QTest::addColumn<bool>("adding");
    QTest::newRow("adding") << true;
    QTest::newRow("removing") << false;
}

void WorksheetIndexTest::rewriteFailureLeavesTheOldFile()
{
    QFETCH(bool, adding);
    const QByteArray before = indexOf(40);
    putIndex(before);
    int count = 0;
    WorksheetNameArray names;
    IndexChange change;
    {
        // Room for a few bytes only: the rewrite runs out half-way.
        FileSizeLimit limit(16);
        QVERIFY(limit.ok());
        change = adding ? addWorksheetTitle(indexPath(), QStringLiteral("Clay"), count, names)
                        : removeWorksheetTitle(indexPath(), QStringLiteral("Worksheet 3"), count, names);
    }
    QCOMPARE(change, IndexChange::Failed);
    QCOMPARE(readFile(indexPath()), before);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"track.txt"});
    if (!adding) {
        // Memory follows the file, which still lists the title.
        QCOMPARE(count, 40);
        QCOMPARE(names[3], QStringLiteral("Worksheet 3"));
    }
}

void WorksheetIndexTest::readOnlyFolderLeavesTheOldFile()
{
    if (geteuid() == 0)
        QSKIP("the superuser writes into read-only folders; the file size limit case covers this");
    const QByteArray before = indexOf(3);
    putIndex(before);
    QVERIFY(QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner));
    int count = 0;
    WorksheetNameArray names;
    const IndexChange change = addWorksheetTitle(indexPath(), QStringLiteral("Clay"), count, names);
    QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(change, IndexChange::Failed);
    QCOMPARE(readFile(indexPath()), before);
}

void WorksheetIndexTest::storedAndShownTitles_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Chalk"
                           << "Chalk"
                           << "Chalk";
    QTest::newRow("commas") << "Sand, silt, clay"
                            << "Sand& silt& clay"
                            << "Sand, silt, clay";
    QTest::newRow("an ampersand comes back a comma") << "Rocks & soils"
                                                     << "Rocks & soils"
                                                     << "Rocks , soils";
    QTest::newRow("both") << "A,&B"
                          << "A&&B"
                          << "A,,B";
}

void WorksheetIndexTest::storedAndShownTitles()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(storedWorksheetTitle(typed), stored);
    QCOMPARE(shownWorksheetTitle(stored), shown);
    // What the catalogue shows leads back to the very entry it came from.
    QCOMPARE(storedWorksheetTitle(shown), stored);
}

void WorksheetIndexTest::titleRule_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("problem");
    const QString ok;
    const QString chars =
        QStringLiteral("Your worksheet title cannot contain any of these characters: / \\ : * ? \" < > |");
    const QString device =
        QStringLiteral("Your worksheet title cannot be a device name such as CON, PRN, AUX, NUL, COM1 or LPT1.");
    const QString own = QStringLiteral(
        "Your worksheet title is the name of one of the program's own files. Please choose another title.");
    const QString edges = QStringLiteral("Your worksheet title cannot begin or end with a blank.");
    QTest::newRow("plain") << "Chalk and flint" << ok;
    QTest::newRow("comma") << "Sand, silt and clay" << ok;
    QTest::newRow("ampersand") << "Rocks & soils" << ok;
    QTest::newRow("accents and dashes") << QStringLiteral("Caf\u00e9 rocks \u2013 part 2") << ok;
    QTest::newRow("inner dot") << "Rocks 1.5" << ok;
    QTest::newRow("inner blanks") << "a  b" << ok;
    QTest::newRow("longer than a device") << "Console" << ok;
    QTest::newRow("COM10 is no device") << "COM10" << ok;
    QTest::newRow("more than the index") << "Tracking fossils" << ok;
    QTest::newRow("quote-free symbols") << "Rocks (part 1) #2 - 50% [new]" << ok;
    QTest::newRow("empty") << ""
                           << "You have not chosen a title for your worksheet";
    QTest::newRow("blanks only") << "   "
                                 << "Your worksheet title cannot be made of blanks only.";
    QTest::newRow("leading blank") << " Chalk" << edges;
    QTest::newRow("trailing blank") << "Chalk " << edges;
    QTest::newRow("slash") << "Rocks/Soils" << chars;
    QTest::newRow("backslash") << "Rocks\\Soils" << chars;
    QTest::newRow("climbing out") << "../track" << chars;
    QTest::newRow("colon") << "Rocks: part 1" << chars;
    QTest::newRow("star") << "Rocks*" << chars;
    QTest::newRow("question mark") << "Rocks?" << chars;
    QTest::newRow("double quote") << "\"Rocks\"" << chars;
    QTest::newRow("less than") << "a<b" << chars;
    QTest::newRow("greater than") << "a>b" << chars;
    QTest::newRow("bar") << "a|b" << chars;
    QTest::newRow("dot") << "."
                         << "Your worksheet title cannot begin with a full stop.";
    QTest::newRow("dot dot") << ".."
                             << "Your worksheet title cannot begin with a full stop.";
    QTest::newRow("hidden") << ".rocks"
                            << "Your worksheet title cannot begin with a full stop.";
    QTest::newRow("trailing dot") << "Rocks."
                                  << "Your worksheet title cannot end with a full stop.";
    QTest::newRow("tab") << "Rocks\tSoils"
                         << "Your worksheet title cannot contain tabs or other control characters.";
    QTest::newRow("line feed") << "Rocks\nSoils"
                               << "Your worksheet title cannot contain tabs or other control characters.";
    QTest::newRow("delete") << QStringLiteral("Rocks\u007f")
                            << "Your worksheet title cannot contain tabs or other control characters.";
    QTest::newRow("C1 control") << QStringLiteral("Rocks\u0081")
                                << "Your worksheet title cannot contain tabs or other control characters.";
    QTest::newRow("not in the code page") << QStringLiteral("\u0141\u00f3d\u017a rocks")
                                          << QStringLiteral("Your worksheet title cannot contain the character "
                                                            "\u0141.");
    QTest::newRow("emoji") << QStringLiteral("Rocks \U0001F600")
                           << QStringLiteral("Your worksheet title cannot contain the character \U0001F600.");
    QTest::newRow("CON") << "CON" << device;
    QTest::newRow("con") << "con" << device;
    QTest::newRow("PRN") << "Prn" << device;
    QTest::newRow("AUX with a dot") << "aux.rocks" << device;
    QTest::newRow("NUL") << "NUL" << device;
    QTest::newRow("COM1") << "COM1" << device;
    QTest::newRow("com9") << "com9" << device;
    QTest::newRow("LPT1") << "LPT1" << device;
    QTest::newRow("superscript port") << QStringLiteral("COM\u00b9") << device;
    QTest::newRow("the index") << "track" << own;
    QTest::newRow("the index in capitals") << "TRACK" << own;
    QTest::newRow("a built-in quiz") << "The Science of Rocks" << own;
    QTest::newRow("the other built-in quiz") << "the beginning" << own;
}

void WorksheetIndexTest::titleRule()
{
    QFETCH(QString, title);
    QFETCH(QString, problem);
    QCOMPARE(worksheetTitleProblem(title), problem);
    // Every savable title has a file in the folder.
    if (problem.isEmpty())
        QVERIFY(!worksheetFilePath(dir->path(), storedWorksheetTitle(title)).isEmpty());
}

void WorksheetIndexTest::savableTitlesSurviveTheIndex_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("comma") << "Sand, silt and clay";
    QTest::newRow("ampersand") << "Rocks & soils";
    QTest::newRow("accents") << QStringLiteral("Caf\u00e9 \u20ac5 \u00bd");
    QTest::newRow("quote-like") << QStringLiteral("\u201cRocks\u201d 'n' soils");
    QTest::newRow("inner blanks") << "a   b";
}

// Listed, opened, edited and deleted: the stored title must come back from
// the index exactly, and name a file that opens.
void WorksheetIndexTest::savableTitlesSurviveTheIndex()
{
    QFETCH(QString, title);
    QVERIFY(worksheetTitleProblem(title).isEmpty());
    const QString stored = storedWorksheetTitle(title);
    putIndex(" 1 \r\nChalk\r\n");
    int count = 0;
    WorksheetNameArray names;
    QCOMPARE(addWorksheetTitle(indexPath(), stored, count, names), IndexChange::Added);
    auto reader = FieldReader::open(indexPath());
    QVERIFY(reader);
    QVERIFY(readWorksheetIndex(*reader, count, names));
    QCOMPARE(count, 2);
    QCOMPARE(names[2], stored);
    const QString path = worksheetFilePath(dir->path(), names[2]);
    QVERIFY(writeBytes(path, "x"));
    QCOMPARE(readFile(worksheetFilePath(dir->path(), storedWorksheetTitle(shownWorksheetTitle(names[2])))),
             QByteArray("x"));
    QCOMPARE(removeWorksheetTitle(indexPath(), storedWorksheetTitle(shownWorksheetTitle(names[2])), count, names),
             IndexChange::Removed);
    QCOMPARE(readFile(indexPath()), QByteArray(" 1 \r\nChalk\r\n"));
}

void WorksheetIndexTest::filePathStaysInTheFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("inside");
    QTest::newRow("plain") << "Chalk" << true;
    QTest::newRow("stored comma") << "Sand& silt" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("parent") << "../Chalk" << false;
    QTest::newRow("deeper") << "sub/Chalk" << false;
    QTest::newRow("backslash") << "..\\Chalk" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("line end") << "Chalk\r\n" << false;
}

void WorksheetIndexTest::filePathStaysInTheFolder()
{
    QFETCH(QString, stored);
    QFETCH(bool, inside);
    const QString path = worksheetFilePath(dir->path(), stored);
    QCOMPARE(!path.isEmpty(), inside);
    if (inside)
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(dir->path()).canonicalFilePath());
    QVERIFY(worksheetFilePath(dir->filePath(QStringLiteral("no such folder")), stored).isEmpty());
}

void WorksheetIndexTest::linksCannotLeadOutOfTheFolder()
{
    QTemporaryDir outside;
    QVERIFY(writeBytes(outside.filePath(QStringLiteral("secret.txt")), "secret"));
    QVERIFY(QFile::link(outside.filePath(QStringLiteral("secret.txt")), dir->filePath(QStringLiteral("Out.txt"))));
    QVERIFY(QFile::link(outside.filePath(QStringLiteral("gone.txt")), dir->filePath(QStringLiteral("Dangling.txt"))));
    QVERIFY(writeBytes(dir->filePath(QStringLiteral("Chalk.txt")), "chalk"));
    QVERIFY(QFile::link(dir->filePath(QStringLiteral("Chalk.txt")), dir->filePath(QStringLiteral("Near.txt"))));
    QVERIFY(worksheetFilePath(dir->path(), QStringLiteral("Out")).isEmpty());
    QVERIFY(worksheetFilePath(dir->path(), QStringLiteral("Dangling")).isEmpty());
    QVERIFY(!worksheetFilePath(dir->path(), QStringLiteral("Near")).isEmpty());
    // Through a linked folder the canonical folder is the one checked.
    const QString linkedFolder = outside.filePath(QStringLiteral("linked"));
    QVERIFY(QFile::link(dir->path(), linkedFolder));
    QCOMPARE(QFileInfo(worksheetFilePath(linkedFolder, QStringLiteral("Chalk"))).absolutePath(),
             QFileInfo(dir->path()).canonicalFilePath());
}

QTEST_GUILESS_MAIN(WorksheetIndexTest)
#include "tst_worksheetindex.moc"
