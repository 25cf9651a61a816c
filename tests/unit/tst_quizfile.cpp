// The quiz file: how each value loads, and the check before a save that
// only what reads back as typed is written.
#include "FieldReader.h"
#include "LineWriter.h"
#include "QuizFile.h"

#include <QTest>

using namespace terralore;

namespace {

// Ten questions, with commas in every text, and answers 1, 2, 3, 4, 1...
QuizSheet sampleSheet()
{
    QuizSheet sheet;
    sheet.title = QStringLiteral("Sand, silt and clay");
    for (int q = 0; q < kQuizQuestions; ++q) {
        QuizQuestionText &question = sheet.questions[std::size_t(q)];
        question.text = QStringLiteral("Which, of these, is %1?").arg(q + 1);
        for (int o = 0; o < 4; ++o)
            question.options[std::size_t(o)] = QStringLiteral("Option %1,%2").arg(q + 1).arg(o + 1);
        question.answer = (q % 4) + 1;
    }
    return sheet;
}

} // namespace

class QuizFileTest : public QObject {
    Q_OBJECT

private slots:
    void valueRules_data();
    void valueRules();
    void onlyValuesThatReadBackAreWritten_data();
    void onlyValuesThatReadBackAreWritten();
};

void QuizFileTest::valueRules_data()
{
    QTest::addColumn<int>("line");       // 1-based line of the file replaced
    QTest::addColumn<QByteArray>("raw"); // its bytes
    QTest::addColumn<QString>("loaded"); // what the value loads as
    // Line 3 is question 1's text, 4 its option A, 8 its answer digit. How
    // blanks, quotes and code page bytes read is the field reader's (tst_files).
    QTest::newRow("ampersands in an option") << 4 << QByteArray("Sand&silt&clay") << "Sand,silt,clay";
    QTest::newRow("title with ampersand") << 1 << QByteArray("Sand& silt and clay") << "Sand, silt and clay";
    QTest::newRow("digit with a blank before") << 8 << QByteArray(" 2") << "2";
    QTest::newRow("digit not unescaped") << 8 << QByteArray("&") << "&";
    QTest::newRow("empty option") << 7 << QByteArray("") << "";
    // A separator's content is discarded, whatever it holds.
    QTest::newRow("separator with text") << 9 << QByteArray("not a blank") << "";
}

void QuizFileTest::valueRules()
{
    QFETCH(int, line);
    QFETCH(QByteArray, raw);
    QFETCH(QString, loaded);
    LineWriter writer;
    writeQuizFile(writer, sampleSheet());
    QList<QByteArray> lines = writer.bytes().split('\n');
    lines[line - 1] = raw + '\r';
    FieldReader reader(lines.join('\n'));
    Quiz l;
    QVERIFY(loadQuizFile(reader, l));
    const QuizQuestion &first = l.questions[0];
    const QString values[] = {
        l.title,          {},           first.text, first.options[0], first.options[1], first.options[2],
        first.options[3], first.answer, {}};
    QCOMPARE(values[line - 1], loaded);
    // The rest of the quiz is where it belongs.
    QCOMPARE(l.questions[1].text, QStringLiteral("Which, of these, is 2?"));
    QCOMPARE(l.questions[9].answer, QStringLiteral("2"));
}

void QuizFileTest::onlyValuesThatReadBackAreWritten_data()
{
    QTest::addColumn<int>("question"); // -1: the title
    QTest::addColumn<int>("field");    // 0: the question's text, 1 to 4: options A to D
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("readsBack");
    QTest::newRow("commas and ampersands") << -1 << 0 << "Sand, silt & clay" << true;
    QTest::newRow("leading blanks, skipped") << 4 << 2 << "   Flint" << true;
    QTest::newRow("blanks only") << 9 << 4 << "   " << true;
    QTest::newRow("a line break in the title") << -1 << 0 << "Rocks\r\nand soils" << false;
    QTest::newRow("a carriage return in option D") << 9 << 4 << "Slate\r" << false;
    QTest::newRow("a character the code page lacks") << 6 << 1 << QString::fromUtf8("CO\u2082") << false;
}

// The last check before a save: what would not read back as typed never
// reaches the disk.
void QuizFileTest::onlyValuesThatReadBackAreWritten()
{
    QFETCH(int, question);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(bool, readsBack);
    QuizSheet sheet = sampleSheet();
    if (question < 0)
        sheet.title = value;
    else if (field == 0)
        sheet.questions[std::size_t(question)].text = value;
    else
        sheet.questions[std::size_t(question)].options[std::size_t(field - 1)] = value;
    LineWriter writer;
    writeQuizFile(writer, sheet);
    QCOMPARE(quizFileReadsBackAs(writer.bytes(), sheet), readsBack);
    // Nor does a file pass for another worksheet.
    QuizSheet other = sheet;
    other.questions[0].answer = other.questions[0].answer % 4 + 1;
    QVERIFY(!quizFileReadsBackAs(writer.bytes(), other));
}

QTEST_GUILESS_MAIN(QuizFileTest)
#include "tst_quizfile.moc"
