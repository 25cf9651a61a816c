// The field reader, the code page, the index reader
// and the sweep of what an interrupted save left.
#include "FieldReader.h"
#include "LineWriter.h"
#include "TestData.h"
#include "WorksheetIndex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace terralore;

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    void fields_data();
    void fields();
    void oversizedFilesAreRefused();
    void interruptedCommitsAreSwept_data();
    void interruptedCommitsAreSwept();
    void indexReading_data();
    void indexReading();
};

void FilesTest::fields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("one per line") << QByteArray("Chalk\r\nFlint\r\n") << QStringList{"Chalk", "Flint"};
    QTest::newRow("comma splits a line") << QByteArray("Sand, silt\r\nclay\r\n") << QStringList{"Sand", "silt", "clay"};
    QTest::newRow("leading blanks skipped, trailing kept")
        << QByteArray("   Granite  \r\n\tMarble\r\n") << QStringList{"Granite  ", "Marble"};
    QTest::newRow("blank line is an empty field") << QByteArray("a\r\n \r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("empty line is an empty field") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("bare LF and bare CR end lines") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("comma before line end") << QByteArray("a,\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("quotes are ordinary") << QByteArray("\"Big\" rocks\r\n\"a,b\"\r\n")
                                         << QStringList{"\"Big\" rocks", "\"a", "b\""};
    QTest::newRow("windows-1252 bytes") << QByteArray("Earth\x92s core\r\n")
                                        << QStringList{QString::fromUtf8("Earth’s core")};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void FilesTest::fields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    FieldReader reader(bytes);
    QStringList read;
    QString field;
    while (reader.readField(field))
        read << field;
    QCOMPARE(read, fields);
    QVERIFY(!reader.readField(field));
}

void FilesTest::oversizedFilesAreRefused()
{
    QTemporaryDir dir;
    QFile big(dir.filePath("big.txt"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(FieldReader::kMaxFileSize + 1));
    big.close();
    QVERIFY(!FieldReader::open(big.fileName()));
    QVERIFY(!FieldReader::open(dir.filePath("none.txt")));
    QVERIFY(!FieldReader::open(QString()));
}

void FilesTest::interruptedCommitsAreSwept_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::newRow("a commit's copy") << ".terralore-save-Ab12cDef" << true;
    QTest::newRow("the index") << "track.txt" << false;
    QTest::newRow("a worksheet") << "Granite.txt" << false;
    QTest::newRow("a teacher's backup of the index") << "track.txt.backup" << false;
    QTest::newRow("a teacher's backup of a worksheet") << "Rocks.txt.backup" << false;
    QTest::newRow("six letters after a text file") << "track.txt.wewqLx" << false;
    QTest::newRow("the prefix inside a name") << "My .terralore-save-notes.txt" << false;
}

// What a kill before a commit's rename leaves goes at the next start;
// nothing else in the folder does, however it is named.
void FilesTest::interruptedCommitsAreSwept()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(removeInterruptedCommits(dir.path()), removed ? 1 : 0);
    QCOMPARE(QFile::exists(dir.filePath(name)), !removed);
}

void FilesTest::indexReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("three") << QByteArray(" 3 \r\nA\r\nB\r\nC\r\nD\r\n") << true << 3 << QStringList{"A", "B", "C"};
    QTest::newRow("count above the names") << QByteArray(" 3 \r\nA\r\nB\r\n") << false << 2 << QStringList{"A", "B"};
    QTest::newRow("zero") << QByteArray(" 0 \r\n") << true << 0 << QStringList{};
    QTest::newRow("thousand and one") << QByteArray(" 1001 \r\nA\r\n") << false << -1 << QStringList{};
    QTest::newRow("not a number") << QByteArray("A\r\n") << false << -1 << QStringList{};
}

void FilesTest::indexReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, complete);
    QFETCH(int, count);
    QFETCH(QStringList, names);
    FieldReader reader(bytes);
    int n = -1;
    WorksheetNameArray read;
    QCOMPARE(readWorksheetIndex(reader, n, read), complete);
    QCOMPARE(n, count);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(read[i + 1], names[i]);
}

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
