// The field reader, the code page and the sweep of what an interrupted save
// left. (Damaged files: screens/tst_damagedinput.)
#include "FieldReader.h"
#include "LineWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace terralore;

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    void fields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("comma splits a line")
            << QByteArray("Sand, silt\r\nclay\r\n") << QStringList{"Sand", "silt", "clay"};
        QTest::newRow("leading blanks skipped, trailing kept")
            << QByteArray("   Granite  \r\n\tMarble\r\n") << QStringList{"Granite  ", "Marble"};
        QTest::newRow("blank line is an empty field") << QByteArray("a\r\n \r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("bare LF and bare CR end lines") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
        QTest::newRow("comma before line end") << QByteArray("a,\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("quotes are ordinary")
            << QByteArray("\"Big\" rocks\r\n\"a,b\"\r\n") << QStringList{"\"Big\" rocks", "\"a", "b\""};
        QTest::newRow("windows-1252 bytes")
            << QByteArray("Earth\x92s core\r\n") << QStringList{QString::fromUtf8("Earth’s core")};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void fields()
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

    void interruptedCommitsAreSwept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("a commit's copy") << ".terralore-save-Ab12cDef" << true;
        // (The index and worksheets surviving every start is crash/tst_crashsafety's.)
        QTest::newRow("a teacher's backup of the index") << "track.txt.backup" << false;
        QTest::newRow("a teacher's backup of a worksheet") << "Rocks.txt.backup" << false;
        QTest::newRow("six letters after a text file") << "track.txt.wewqLx" << false;
        QTest::newRow("the prefix inside a name") << "My .terralore-save-notes.txt" << false;
    }

    // What a kill before a commit's rename leaves goes at the next start;
    // nothing else in the folder does, however it is named.
    void interruptedCommitsAreSwept()
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
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
