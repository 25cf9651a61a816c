// GIFT and Aiken files: a worksheet written out reads back as the same quiz
// file, files in the styles teachers and learning platforms write give the
// worksheets they hold, and a malformed file is refused in words.
#include "FieldReader.h"
#include "LineWriter.h"
#include "QuestionFormats.h"
#include "QuizFile.h"
#include "TestData.h"
#include "WorksheetStore.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using namespace terralore;
using namespace terralore::test;

Q_DECLARE_METATYPE(terralore::QuizSheet)
using QuestionValues = QMap<int, QStringList>;

namespace {

QuizSheet loadedSheet(const QString &path)
{
    FieldReader reader(readFile(path));
    Quiz quiz;
    return loadQuizFile(reader, quiz) ? sheetOfQuiz(quiz) : QuizSheet();
}

// Letters, GIFT's special characters, the comma escape's and the code page's.
QString randomValue(QRandomGenerator &random, int longest)
{
    static const QString characters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 ~=#{}:\\ ,& []%./()->_ é£’€");
    QString value;
    for (int i = random.bounded(1, longest + 1); i > 0; --i)
        value += characters[random.bounded(characters.size())];
    // Files read back trimmed, and an Aiken question cannot begin like an
    // option line ("A. ...") or the answer line.
    if (value.front() == u' ' || value.front().isUpper())
        value.front() = u'x';
    if (value.back() == u' ')
        value.back() = u'x';
    return value;
}

QuizSheet generatedSheet(quint32 seed)
{
    QRandomGenerator random(seed);
    QuizSheet sheet;
    sheet.title = randomValue(random, kTitleLength);
    for (QuizQuestionText &question : sheet.questions) {
        question.text = randomValue(random, kQuestionLength);
        for (QString &option : question.options)
            option = randomValue(random, kOptionLength);
        question.answer = random.bounded(1, 5);
    }
    return sheet;
}

// Values GIFT would otherwise read as markers, weights, feedback or other kinds of question.
QuizSheet markedSheet()
{
    QuizSheet sheet = generatedSheet(0);
    sheet.title = QStringLiteral("Sand, silt & clay");
    sheet.questions[0] = {QStringLiteral("[html]<b>Which</b> is 100% right?"),
                          {QStringLiteral("%100% sure"), QStringLiteral("[plain] text"), QStringLiteral("=~#{}:\\"),
                           QStringLiteral("a -> b")},
                          3};
    sheet.questions[1] = {QStringLiteral("Grant is _____ in the tomb. // so?"),
                          {QStringLiteral("T"), QStringLiteral("%-5%"), QStringLiteral("#1822"), QStringLiteral("{}")},
                          2};
    return sheet;
}

QByteArray quizFileBytes(const QuizSheet &sheet)
{
    LineWriter writer;
    writeQuizFile(writer, sheet);
    return writer.bytes();
}

ImportedWorksheets readFixture(const QString &file, const QString &title)
{
    return readQuestionFile(readFile(fixturesFolder() + u'/' + file), title, QFileInfo(file).completeBaseName());
}

} // namespace

class QuestionFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void writtenSheetsReadBack_data()
    {
        QTest::addColumn<QuizSheet>("sheet");
        const QDir shipped(resourcesFolder() + QStringLiteral("/multiple"));
        for (const QString &file : shipped.entryList({QStringLiteral("*.txt")})) {
            if (file != QLatin1String("track.txt"))
                QTest::newRow(qPrintable(file)) << loadedSheet(shipped.filePath(file));
        }
        for (quint32 seed = 1; seed <= 4; ++seed)
            QTest::addRow("generated, seed %u", seed) << generatedSheet(seed);
        QTest::newRow("marks of GIFT in values") << markedSheet();
    }

    void writtenSheetsReadBack()
    {
        QFETCH(QuizSheet, sheet);
        QVERIFY(!sheet.title.isEmpty());
        // GIFT carries the title in its question names; for Aiken the teacher gives it.
        const std::pair<QByteArray, QString> files[] = {{writeGift(sheet), QString()},
                                                        {writeAiken(sheet), sheet.title}};
        for (const auto &[bytes, title] : files) {
            QVERIFY(bytes.endsWith('\n'));
            const ImportedWorksheets imported = readQuestionFile(bytes, title, QStringLiteral("file name"));
            QCOMPARE(imported.refusal, QString());
            QCOMPARE(imported.sheets.size(), 1);
            QCOMPARE(quizFileLines(imported.sheets.front()), quizFileLines(sheet));
            QCOMPARE(quizFileBytes(imported.sheets.front()), quizFileBytes(sheet));
        }
    }

    void filesGiveTheirWorksheets_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title"); // as the teacher gave it
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("answers"); // every question's, in file order (repeated as needed)
        // Some questions, counted through the file from 1: the text and the options.
        QTest::addColumn<QuestionValues>("questions");

        QTest::newRow("platform GIFT: HTML, weights, feedback")
            << "gift/moodle-export.gift"
            << "" << QStringList{"moodle-export"} << "2134122341"
            << QuestionValues{
                   {3, {"Which rock forms when mud is squeezed & heated?", "Coal", "Flint", "Slate", "Sandstone"}}};
        QTest::newRow("teacher's GIFT: names, escapes, missing word")
            << "gift/teacher.gift"
            << "" << QStringList{"Rocks"} << "2334114323"
            << QuestionValues{{1, {"Chalk is a _____ rock.", "hard", "soft", "shiny", "see-through"}},
                              {4, {"Which is *not* a rock:", "Granite", "Slate", "Flint", "Plastic"}},
                              {5, {"Which set of brackets is curly?", "{ }", "( )", "[ ]", "< >"}},
                              {7,
                               {"Where are fossils found most often?", "In granite", "In lava", "In slate",
                                "In sedimentary rock"}},
                              {10, {"A back\\slash is called a...", "slope", "tilde", "backslash", "hash"}}};
        QTest::newRow("twenty questions in the code page")
            << "gift/twenty.gift"
            << "Fossils" << QStringList{"Fossils 1", "Fossils 2"} << "2341"
            << QuestionValues{{20,
                               {"Fossil question 20: which one’s right?", "Ammonite 20", "Trilobite 20", "Belemnite 20",
                                "Café fossil 20"}}};
        QTest::newRow("platform Aiken") << "aiken/platform.txt"
                                        << "" << QStringList{"platform"} << "1231413241"
                                        << QuestionValues{{3,
                                                           {"What is soil made from?", "Only sand", "Only water",
                                                            "Rock bits, humus and water", "Plastic"}}};
        QTest::newRow("teacher's Aiken: A), two lines, code page")
            << "aiken/teacher.txt"
            << " Soils " << QStringList{"Soils"} << "1231413241"
            << QuestionValues{{3,
                               {"Soil is made from which things?", "Only sand", "Only water",
                                "Rock bits, humus and water", "Plastic"}},
                              {6,
                               {"What is a géologist?", "A scientist who studies rocks", "A tree doctor", "A painter",
                                "A builder"}}};
    }

    void filesGiveTheirWorksheets()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QStringList, titles);
        QFETCH(QString, answers);
        QFETCH(QuestionValues, questions);
        const ImportedWorksheets imported = readFixture(file, title);
        QCOMPARE(imported.refusal, QString());
        QStringList titlesRead;
        QString answersRead;
        QList<QStringList> valuesRead;
        for (const QuizSheet &sheet : imported.sheets) {
            titlesRead << sheet.title;
            for (const QuizQuestionText &q : sheet.questions) {
                answersRead += QString::number(q.answer);
                valuesRead << QStringList{q.text} + QStringList(q.options.begin(), q.options.end());
            }
        }
        QCOMPARE(titlesRead, titles);
        QCOMPARE(answersRead, answers.repeated(valuesRead.size() / answers.size()));
        for (auto [number, values] : questions.asKeyValueRange())
            QCOMPARE(valuesRead.at(number - 1), values);
    }

    void malformedFilesAreRefused_data()
    {
        QTest::addColumn<QString>("refusal");
        const std::pair<const char *, const char *> files[] = {
            {"gift/bad-true-false.gift", "Question 2 is not multiple choice."},
            {"gift/bad-matching.gift", "Question 1 is not multiple choice."},
            {"gift/bad-numeric.gift", "Question 3 is not multiple choice."},
            {"gift/bad-description.gift", "Question 1 is not multiple choice."},
            {"gift/bad-three-options.gift", "Question 1 does not have four options."},
            {"gift/bad-no-right-answer.gift", "Question 2 has no right answer."},
            {"gift/bad-two-right-answers.gift", "Question 1 has more than one right answer."},
            {"gift/bad-no-closing-brace.gift", "Question 2 has no closing brace."},
            {"gift/bad-empty-option.gift", "Option C of Question 1 has no text."},
            {"gift/bad-long-question.gift", "Question 1 is longer than 60 characters."},
            {"gift/bad-picture.gift", "Question 1 holds HTML that cannot be kept as plain text."},
            {"gift/bad-count.gift",
             "The file holds 12 questions. A worksheet takes 10, and a longer file must hold 20, "
             "30 or another multiple of 10."},
            {"gift/bad-long-title.gift", "The title Rocks, soils and the fossils is longer than 25 characters."},
            {"gift/bad-comments-only.gift", "The file holds no questions."},
            {"aiken/bad-five-options.txt", "Question 2 does not have four options."},
            {"aiken/bad-no-answer.txt", "Question 1 has no right answer."},
            {"aiken/bad-two-answers.txt", "Question 1 has more than one right answer."},
            {"aiken/bad-letters.txt", "Question 1 does not list its options as A, B, C and D."},
            {"aiken/bad-long-option.txt", "Option B of Question 2 is longer than 30 characters."},
            {"aiken/bad-character.txt", "Option A of Question 1 cannot contain the character \u2082."},
            {"aiken/bad-no-text.txt", "Question 2 has no text."},
            {"aiken/bad-prose.txt", "The file is not a GIFT or Aiken file."},
        };
        for (const auto &[file, refusal] : files)
            QTest::newRow(file) << QString::fromUtf8(refusal);
    }

    void malformedFilesAreRefused()
    {
        QFETCH(QString, refusal);
        const ImportedWorksheets imported = readFixture(QString::fromLatin1(QTest::currentDataTag()), QString());
        QCOMPARE(imported.refusal, refusal);
        QVERIFY(imported.sheets.isEmpty());
    }
};

QTEST_GUILESS_MAIN(QuestionFormatsTest)
#include "tst_questionformats.moc"
