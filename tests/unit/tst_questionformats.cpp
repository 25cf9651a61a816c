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
QString randomValue(QRandomGenerator &random, int longest, int shortest = 1)
{
    static const QString characters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 ~=#{}:\\ ,& []%./()->_ é£’€");
    QString value;
    for (int i = random.bounded(shortest, longest + 1); i > 0; --i)
        value += characters[random.bounded(characters.size())];
    // Files read back trimmed, and an Aiken question cannot begin like an
    // option line ("A. ...") or the answer line, nor be shorter than two
    // bytes (the platforms skip such lines).
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
        question.text = randomValue(random, kQuestionLength, 2);
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
        QTest::newRow("Spanish GIFT: CR LF, categories, HTML, feedback, weights")
            << "gift/ciencias-es.gift"
            << "Rocas" << QStringList{"Rocas"} << "2331314324"
            << QuestionValues{
                   {2, {"¿Cuál de estas rocas es metamórfica?", "Granito", "Arcilla", "Pizarra", "Carbón"}},
                   {3,
                    {"¿De qué está hecho el suelo?", "Solo de arena", "Solo de agua", "Roca, humus y agua",
                     "De plástico"}},
                   {9, {"El agua que cae de las nubes se llama _____.", "nieve carbónica", "lluvia", "lava", "humus"}}};
        QTest::newRow("French Aiken: a byte-order mark, CR LF, A)text, ANSWER: B (text)")
            << "aiken/roches-fr.txt"
            << "" << QStringList{"roches-fr"} << "2134213414"
            << QuestionValues{{1,
                               {"Quelle roche se forme quand la lave refroidit ?", "Le calcaire", "Le basalte",
                                "Le marbre", "Le grès"}},
                              {4,
                               {"Où trouve-t-on le plus souvent des fossiles ?", "Dans le granite", "Dans la lave",
                                "Dans l'ardoise", "Dans les roches sédimentaires"}}};
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
            {"gift/bad-true-false.gift", "Question 2 (line 3) is not multiple choice."},
            {"gift/bad-matching.gift", "Question 1 (line 1) is not multiple choice."},
            {"gift/bad-numeric.gift", "Question 3 (line 5) is not multiple choice."},
            {"gift/bad-description.gift", "Question 1 (line 1) is not multiple choice."},
            {"gift/bad-three-options.gift", "Question 1 (line 1) does not have four options: it has 3."},
            {"gift/bad-no-right-answer.gift", "Question 2 (line 3) has no right answer."},
            {"gift/bad-two-right-answers.gift", "Question 1 (line 1) has more than one right answer."},
            {"gift/bad-no-closing-brace.gift", "Question 2 (line 3) has no closing brace."},
            {"gift/bad-empty-option.gift", "Option C of Question 1 (line 1) has no text."},
            {"gift/bad-long-question.gift", "Question 1 (line 1) is longer than 60 characters."},
            {"gift/bad-picture.gift", "Question 1 (line 1) holds HTML that cannot be kept as plain text."},
            {"gift/bad-count.gift",
             "The file holds 12 questions. A worksheet takes 10, and a longer file must hold 20, "
             "30 or another multiple of 10."},
            {"gift/bad-long-title.gift", "The title Rocks, soils and the fossils is longer than 25 characters."},
            {"gift/bad-comments-only.gift", "The file holds no questions."},
            {"aiken/bad-five-options.txt", "Question 2 (line 8) does not have four options: it has 5."},
            {"aiken/bad-no-answer.txt", "Question 1 (line 1) has no right answer."},
            {"aiken/bad-two-answers.txt", "Question 1 (line 1) has more than one right answer."},
            {"aiken/bad-letters.txt", "Question 1 (line 1) does not list its options as A, B, C and D."},
            {"aiken/bad-long-option.txt", "Option B of Question 2 (line 8) is longer than 30 characters."},
            {"aiken/bad-character.txt", "Option A of Question 1 (line 1) cannot contain the character \u2082."},
            {"aiken/bad-no-text.txt", "Question 2 (line 8) has no text."},
            {"aiken/bad-prose.txt", "The file is not a GIFT or Aiken file."},
            {"aiken/bad-three-options.txt", "Question 1 (line 1) does not have four options: it has 3."},
            {"gift/bad-five-options-es.gift", "Question 2 (line 5) does not have four options: it has 5."},
            {"gift/bad-mixed-types.gift", "Question 2 (Lava rock) is not multiple choice."},
            {"gift/bad-russian.gift", "Question 1 (\u041A\u0430\u043C\u043D\u0438 1) cannot contain the character "
                                      "\u041A."},
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

    // Worksheets keep "&" as a comma: an import that changes a value so says
    // it once, naming the first value changed.
    void anAmpersandBecomingACommaIsTold_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("third"); // question 3, on line 5
        QTest::addColumn<QString>("notice");
        const QString told =
            QStringLiteral("Each \"&\" was changed to a comma, as worksheets keep it; the first was in ");
        QTest::newRow("none") << "Rocks" << QByteArray("Which? {~a =b ~c ~d}") << QString();
        QTest::newRow("in an option") << "Rocks" << QByteArray("Which? {~a =b & c ~c & d ~d}")
                                      << told + QStringLiteral("Option B of Question 3 (line 5).");
        QTest::newRow("in the question, named")
            << "Rocks" << QByteArray("::Salt & pepper:: Salt & pepper? {~a =b & c ~c ~d}")
            << told + QStringLiteral("Question 3 (Salt & pepper).");
        QTest::newRow("in the title first")
            << "Sand & clay" << QByteArray("Which & why? {~a =b ~c ~d}") << told + QStringLiteral("the title.");
    }

    void anAmpersandBecomingACommaIsTold()
    {
        QFETCH(QString, title);
        QFETCH(QByteArray, third);
        QFETCH(QString, notice);
        QByteArray file;
        for (int q = 1; q <= 10; ++q)
            file += (q == 3 ? third : "Question " + QByteArray::number(q) + "? {~a =b ~c ~d}") + "\n\n";
        const ImportedWorksheets imported = readQuestionFile(file, title, QString());
        QCOMPARE(imported.refusal, QString());
        QCOMPARE(imported.notice, notice);
    }

    // Bytes that are no text are no GIFT or Aiken file, whatever braces or
    // capitals happen to lie among them.
    void nonTextIsNoQuestionFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QRandomGenerator random(25);
        QByteArray noise(4096, Qt::Uninitialized);
        for (char &c : noise)
            c = char(random.bounded(256));
        QTest::newRow("random bytes") << noise;
        QByteArray program = QByteArray("\x7f"
                                        "ELF\x02\x01\x01",
                                        7) +
                             QByteArray(57, '\0');
        for (int i = 0; i < 40; ++i)
            program += QByteArray("GLIBC_2.2.5\0{\0}\0.text\0A. init\0ANSWER: \0::main::\0", 46) + QByteArray(20, '\0');
        QTest::newRow("a program") << program;
        const QString aiken = decodeQuestionFile(readFile(fixturesFolder() + QStringLiteral("/aiken/platform.txt")));
        QByteArray littleEndian, bigEndian;
        for (QChar c : aiken) {
            littleEndian += char(c.unicode() & 0xFF);
            littleEndian += char(c.unicode() >> 8);
            bigEndian += char(c.unicode() >> 8);
            bigEndian += char(c.unicode() & 0xFF);
        }
        QTest::newRow("UTF-16 without a byte-order mark, little-endian") << littleEndian;
        QTest::newRow("UTF-16 without a byte-order mark, big-endian") << bigEndian;
    }

    void nonTextIsNoQuestionFile()
    {
        QFETCH(QByteArray, bytes);
        const ImportedWorksheets imported = readQuestionFile(bytes, QString(), QStringLiteral("file"));
        QCOMPARE(imported.refusal, QStringLiteral("The file is not a GIFT or Aiken file."));
    }

    // A control character inside a value stands between words: one blank,
    // or nothing at either end.
    void controlCharactersStandBetweenWords_data()
    {
        QTest::addColumn<QByteArray>("question");
        QTest::addColumn<QString>("text");
        QTest::newRow("a NUL between words")
            << QByteArray("How\0is igneous rock made?", 25) << "How is igneous rock made?";
        QTest::newRow("a NUL beside a blank") << QByteArray("How\0 is it made?", 16) << "How is it made?";
        QTest::newRow("a tab") << QByteArray("How\tis it made?") << "How is it made?";
        QTest::newRow("a bell and a backspace") << QByteArray("How\a\bis it made?") << "How is it made?";
        QTest::newRow("a NUL at the end") << QByteArray("How is it made?\0", 16) << "How is it made?";
    }

    void controlCharactersStandBetweenWords()
    {
        QFETCH(QByteArray, question);
        QFETCH(QString, text);
        QByteArray file;
        for (int q = 1; q <= 10; ++q)
            file += (q == 1 ? question : QByteArray("Question ") + QByteArray::number(q)) +
                    " {~Chalk =Flint ~Slate ~Coal}\n\n";
        const ImportedWorksheets imported = readQuestionFile(file, QStringLiteral("Rocks"), QString());
        QCOMPARE(imported.refusal, QString());
        QCOMPARE(imported.sheets.front().questions[0].text, text);
    }

    // Aiken as the learning platform reads it: the blank after an option's
    // letter is optional, and "ANSWER:" takes the letter that begins it.
    void aikenAsThePlatformReadsIt_data()
    {
        QTest::addColumn<QByteArray>("options"); // and the answer line of question 1
        QTest::addColumn<int>("answer");         // 0: refused
        QTest::addColumn<QString>("optionB");    // or the refusal
        QTest::newRow("A)text") << QByteArray("A)Chalk\nB)Flint\nC)Slate\nD)Coal\nANSWER: B\n") << 2 << "Flint";
        QTest::newRow("A.text") << QByteArray("A.Chalk\nB.Flint\nC.Slate\nD.Coal\nANSWER: B\n") << 2 << "Flint";
        QTest::newRow("A) and a tab") << QByteArray("A)\tChalk\nB)\tFlint\nC)\tSlate\nD)\tCoal\nANSWER: B\n") << 2
                                      << "Flint";
        QTest::newRow("ANSWER: B (text)")
            << QByteArray("A) Chalk\nB) Flint\nC) Slate\nD) Coal\nANSWER: B (Flint)\n") << 2 << "Flint";
        QTest::newRow("ANSWER: C. text") << QByteArray("A) Chalk\nB) Flint\nC) Slate\nD) Coal\nANSWER: C. Slate\n") << 3
                                         << "Flint";
        QTest::newRow("ANSWER: two letters") << QByteArray("A) Chalk\nB) Flint\nC) Slate\nD) Coal\nANSWER: B, C\n") << 0
                                             << "Question 1 (line 1) has more than one right answer.";
        QTest::newRow("ANSWER: B and C") << QByteArray("A) Chalk\nB) Flint\nC) Slate\nD) Coal\nANSWER: B and C\n") << 0
                                         << "Question 1 (line 1) has more than one right answer.";
    }

    void aikenAsThePlatformReadsIt()
    {
        QFETCH(QByteArray, options);
        QFETCH(int, answer);
        QFETCH(QString, optionB);
        QByteArray file = "Which rock is hard?\n" + options + "\n";
        for (int q = 2; q <= 10; ++q)
            file += "Question " + QByteArray::number(q) + "?\nA. Chalk\nB. Flint\nC. Slate\nD. Coal\nANSWER: A\n\n";
        const ImportedWorksheets imported = readQuestionFile(file, QStringLiteral("Rocks"), QString());
        if (answer == 0) {
            QCOMPARE(imported.refusal, optionB);
            return;
        }
        QCOMPARE(imported.refusal, QString());
        QCOMPARE(imported.sheets.front().questions[0].answer, answer);
        QCOMPARE(imported.sheets.front().questions[0].options[1], optionB);
    }

    // What the GIFT export writes where a learning platform would read
    // something else: a weight after "=" (which it never reads there), a
    // matching question for "->", HTML for "<" and ">".
    void giftKeepsValuesAsTyped_data()
    {
        QTest::addColumn<int>("option"); // 0 to 3, or -1 for the question's text
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("written"); // a part of the question's line
        QTest::newRow("a right option beginning with %") << 0 << "%100" << 1 << "{=[plain]%100 ~Flint";
        QTest::newRow("a right option reading as a weight") << 1 << "%50% off" << 2 << "~Chalk =[plain]%50% off ~";
        QTest::newRow("a wrong option beginning with %") << 2 << "%50% off" << 1 << " ~[plain]%50% off ~";
        QTest::newRow("a right first option with an arrow") << 0 << "x -> y" << 1 << "{=[html]x -&gt; y ~Flint";
        QTest::newRow("an arrow in a wrong option") << 3 << "a -> b" << 1 << " ~[html]a -&gt; b}";
        QTest::newRow("angle brackets in the question") << -1 << "Is 5 < 6 > 4?" << 1 << ":: [plain]Is 5 < 6 > 4? {";
        QTest::newRow("a tag in an option, plain as the question") << 3 << "<b>Coal</b>" << 1 << " ~<b>Coal</b>}";
    }

    void giftKeepsValuesAsTyped()
    {
        QFETCH(int, option);
        QFETCH(QString, value);
        QFETCH(int, answer);
        QFETCH(QString, written);
        QuizSheet sheet;
        sheet.title = QStringLiteral("Rocks");
        for (QuizQuestionText &question : sheet.questions)
            question = {QStringLiteral("Which rock?"), {"Chalk", "Flint", "Slate", "Coal"}, 2};
        QuizQuestionText &first = sheet.questions[0];
        (option < 0 ? first.text : first.options[std::size_t(option)]) = value;
        first.answer = answer;
        const QByteArray gift = writeGift(sheet);
        const QString line = QString::fromUtf8(gift.left(gift.indexOf('\n')));
        QVERIFY2(line.contains(written), qPrintable(line));
        QVERIFY2(!gift.contains("=%"), gift.constData());
        const ImportedWorksheets back = readQuestionFile(gift, QString(), QString());
        QCOMPARE(back.refusal, QString());
        QCOMPARE(quizFileLines(back.sheets.front()), quizFileLines(sheet));
    }
};

QTEST_GUILESS_MAIN(QuestionFormatsTest)
#include "tst_questionformats.moc"
