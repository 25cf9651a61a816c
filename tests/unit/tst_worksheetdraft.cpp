// The worksheet draft's one check, which the wizard and the import share:
// the first problem in the wizard's words, the same problem in the words
// about a file's question, and the sheet a checked draft saves as.
#include "WorksheetDraft.h"

#include <QTest>

using namespace terralore;

namespace {

// A complete draft: every value written, option B right in each question.
WorksheetDraft completeDraft(const QString &title)
{
    WorksheetDraft draft;
    draft.title = title;
    for (int q = 0; q < 10; ++q) {
        DraftQuestion &question = draft.questions[std::size_t(q)];
        question.text = QStringLiteral("Which rock is number %1?").arg(q + 1);
        question.options = {QStringLiteral("Granite"), QStringLiteral("Basalt"), QStringLiteral("Chalk"),
                            QStringLiteral("Slate")};
        question.rightOptions = {1};
    }
    return draft;
}

} // namespace

class WorksheetDraftTest : public QObject {
    Q_OBJECT

private slots:
    void validateGivesTheFirstProblemInTheWizardsWords_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("question"); // 1 to 10: the question given the values below; 0: none
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<int>>("right");
        QTest::addColumn<int>("alsoEmpty"); // another question left without text; 0: none
        QTest::addColumn<QString>("message");
        const QString ok = QStringLiteral("Where is lava from?");
        const QStringList four{"Granite", "Basalt", "Chalk", "Slate"};
        using L = QList<int>;
        using S = QStringList;
        const QString sixtyOne(61, u'x');
        const QString thirtyOne(31, u'y');

        QTest::newRow("complete") << "Rocks" << 0 << ok << four << L{1} << 0 << "";
        QTest::newRow("no title") << "" << 0 << ok << four << L{1} << 0
                                  << "You have not chosen a title for your worksheet";
        QTest::newRow("title before the questions")
            << "" << 3 << "" << S{"", "", "", ""} << L{} << 5 << "You have not chosen a title for your worksheet";
        QTest::newRow("title with a slash")
            << "Rocks/Soils" << 0 << ok << four << L{1} << 0
            << "Your worksheet title cannot contain any of these characters: / \\ : * ? \" < > |";
        QTest::newRow("title with a character the file cannot hold")
            << QString::fromUtf8("\u0141upki") << 0 << ok << four << L{1} << 0
            << QString::fromUtf8("Your worksheet title cannot contain the character \u0141.");
        QTest::newRow("title of 26 characters") << "Rocks, soils and fossils 1" << 0 << ok << four << L{1} << 0
                                                << "The title Rocks, soils and fossils 1 is longer than 25 characters.";
        QTest::newRow("title of 25 characters") << "Rocks, soils and fossils!" << 0 << ok << four << L{1} << 0 << "";
        QTest::newRow("question 3 without text")
            << "Rocks" << 3 << "" << four << L{1} << 0 << "You have not completed Question 3";
        QTest::newRow("question 10 without option D") << "Rocks" << 10 << ok << S{"Granite", "Basalt", "Chalk", ""}
                                                      << L{1} << 0 << "You have not completed Question 10";
        QTest::newRow("an empty option before a missing tick")
            << "Rocks" << 4 << ok << S{"Granite", "", "Chalk", "Slate"} << L{} << 0
            << "You have not completed Question 4";
        QTest::newRow("the first question with a problem speaks")
            << "Rocks" << 2 << ok << four << L{0, 3} << 1 << "You have not completed Question 1";
        QTest::newRow("no tick") << "Rocks" << 1 << ok << four << L{} << 6
                                 << "You have not ticked the correct answer for Question 1";
        QTest::newRow("two ticks before a later empty question")
            << "Rocks" << 2 << ok << four << L{0, 3} << 8
            << "You have ticked more than one correct answer for Question 2";
        QTest::newRow("four ticks") << "Rocks" << 9 << ok << four << L{0, 1, 2, 3} << 0
                                    << "You have ticked more than one correct answer for Question 9";
        QTest::newRow("a missing tick before a character")
            << "Rocks" << 5 << QString::fromUtf8("CO\u2082") << four << L{} << 0
            << "You have not ticked the correct answer for Question 5";
        QTest::newRow("a character in the question")
            << "Rocks" << 3 << QString::fromUtf8("Is CO\u2082 a gas?") << four << L{2} << 0
            << QString::fromUtf8("Question 3 cannot contain the character \u2082.");
        QTest::newRow("a character in option B")
            << "Rocks" << 7 << ok << S{"Granite", QString::fromUtf8("Sand \u2192 rock"), "Chalk", "Slate"} << L{0} << 0
            << QString::fromUtf8("Option B of Question 7 cannot contain the character \u2192.");
        QTest::newRow("a character beyond the basic plane")
            << "Rocks" << 1 << ok << S{QString::fromUtf8("A \U0001F48E"), "Basalt", "Chalk", "Slate"} << L{0} << 0
            << QString::fromUtf8("Option A of Question 1 cannot contain the character \U0001F48E.");
        QTest::newRow("the code page's own characters")
            << "Caf\u00e9 rocks" << 2 << QString::fromUtf8("\u00a3 and \u20ac, na\u00efve") << four << L{3} << 0 << "";
        QTest::newRow("question of 61 characters")
            << "Rocks" << 6 << sixtyOne << four << L{1} << 0 << "Question 6 is longer than 60 characters.";
        QTest::newRow("option C of 31 characters")
            << "Rocks" << 8 << ok << S{"Granite", "Basalt", thirtyOne, "Slate"} << L{1} << 0
            << "Option C of Question 8 is longer than 30 characters.";
        QTest::newRow("the length before a character") << "Rocks" << 2 << QString::fromUtf8("\u2082") + sixtyOne << four
                                                       << L{1} << 0 << "Question 2 is longer than 60 characters.";
        QTest::newRow("question of 60, option of 30 characters")
            << "Rocks" << 10 << QString(60, u'x') << S{"Granite", QString(30, u'y'), "Chalk", "Slate"} << L{1} << 0
            << "";
    }

    void validateGivesTheFirstProblemInTheWizardsWords()
    {
        QFETCH(QString, title);
        QFETCH(int, question);
        QFETCH(QString, text);
        QFETCH(QStringList, options);
        QFETCH(QList<int>, right);
        QFETCH(int, alsoEmpty);
        QFETCH(QString, message);
        WorksheetDraft draft = completeDraft(title);
        if (question > 0) {
            DraftQuestion &changed = draft.questions[std::size_t(question - 1)];
            changed.text = text;
            std::copy(options.begin(), options.end(), changed.options.begin());
            changed.rightOptions = right;
        }
        if (alsoEmpty > 0)
            draft.questions[std::size_t(alsoEmpty - 1)].text.clear();
        QCOMPARE(draft.validate(), message);
        QCOMPARE(draft.firstProblem().isNone(), message.isEmpty());
    }

    // The import names a question as its file does; the problem is the same.
    void sentenceNamesTheQuestionAsGiven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<int>>("right");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("sentence");
        using L = QList<int>;
        using S = QStringList;
        const QString ok = QStringLiteral("Where is lava from?");
        const QStringList four{"Granite", "Basalt", "Chalk", "Slate"};
        QTest::newRow("no text") << "" << four << L{1} << int(DraftProblem::Unfinished) << -1
                                 << "Question 4 (line 31) has no text.";
        QTest::newRow("option C without text")
            << ok << S{"Granite", "Basalt", "", "Slate"} << L{1} << int(DraftProblem::Unfinished) << 2
            << "Option C of Question 4 (line 31) has no text.";
        QTest::newRow("no right option") << ok << four << L{} << int(DraftProblem::NoRightOption) << -1
                                         << "Question 4 (line 31) has no right answer.";
        QTest::newRow("two right options") << ok << four << L{1, 2} << int(DraftProblem::SeveralRightOptions) << -1
                                           << "Question 4 (line 31) has more than one right answer.";
        QTest::newRow("long option D") << ok << S{"Granite", "Basalt", "Chalk", QString(31, u'z')} << L{1}
                                       << int(DraftProblem::TooLong) << 3
                                       << "Option D of Question 4 (line 31) is longer than 30 characters.";
        QTest::newRow("long question") << QString(61, u'z') << four << L{1} << int(DraftProblem::TooLong) << -1
                                       << "Question 4 (line 31) is longer than 60 characters.";
        QTest::newRow("a character in the question")
            << QString::fromUtf8("H\u2082O") << four << L{0} << int(DraftProblem::UnwritableCharacter) << -1
            << QString::fromUtf8("Question 4 (line 31) cannot contain the character \u2082.");
        QTest::newRow("complete") << ok << four << L{0} << int(DraftProblem::None) << -1 << "";
    }

    void sentenceNamesTheQuestionAsGiven()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, options);
        QFETCH(QList<int>, right);
        QFETCH(int, kind);
        QFETCH(int, option);
        QFETCH(QString, sentence);
        DraftQuestion question{text, {}, right};
        std::copy(options.begin(), options.end(), question.options.begin());
        const DraftProblem problem = questionProblem(question);
        QCOMPARE(int(problem.kind), kind);
        QCOMPARE(problem.option, option);
        if (!problem.isNone())
            QCOMPARE(problem.sentence(QStringLiteral("Question 4 (line 31)")), sentence);
    }

    void firstProblemTellsWhere_data()
    {
        QTest::addColumn<int>("question"); // 0 to 9
        QTest::addColumn<int>("option");   // 0 to 3, or -1: the text
        QTest::newRow("question 1's text") << 0 << -1;
        QTest::newRow("question 5, option A") << 4 << 0;
        QTest::newRow("question 10, option D") << 9 << 3;
    }

    void firstProblemTellsWhere()
    {
        QFETCH(int, question);
        QFETCH(int, option);
        WorksheetDraft draft = completeDraft(QStringLiteral("Rocks"));
        DraftQuestion &emptied = draft.questions[std::size_t(question)];
        (option < 0 ? emptied.text : emptied.options[std::size_t(option)]).clear();
        const DraftProblem problem = draft.firstProblem();
        QCOMPARE(int(problem.kind), int(DraftProblem::Unfinished));
        QCOMPARE(problem.question, question);
        QCOMPARE(problem.option, option);
    }

    void sheetKeepsTheValuesAndTheRightOption_data()
    {
        QTest::addColumn<int>("question"); // 0 to 9
        QTest::addColumn<int>("right");    // 0 to 3
        QTest::addColumn<int>("answer");   // as the quiz file numbers it
        const struct {
            const char *name;
            int question, right, answer;
        } rows[] = {{"question 1, A", 0, 0, 1},
                    {"question 7, B", 6, 1, 2},
                    {"question 7, C", 6, 2, 3},
                    {"question 10, D", 9, 3, 4}};
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.question << row.right << row.answer;
    }

    void sheetKeepsTheValuesAndTheRightOption()
    {
        QFETCH(int, question);
        QFETCH(int, right);
        QFETCH(int, answer);
        WorksheetDraft draft = completeDraft(QStringLiteral("Rocks, soils"));
        DraftQuestion &changed = draft.questions[std::size_t(question)];
        changed.rightOptions = {right};
        changed.options[3] = QStringLiteral("Marble & more");
        QVERIFY(draft.validate().isEmpty());
        const QuizSheet sheet = draft.sheet();
        QCOMPARE(sheet.title, QStringLiteral("Rocks, soils"));
        QCOMPARE(sheet.questions[std::size_t(question)].answer, answer);
        QCOMPARE(sheet.questions[std::size_t(question)].options[3], QStringLiteral("Marble & more"));
        QCOMPARE(sheet.questions[std::size_t(question)].options[0], QStringLiteral("Granite"));
        QCOMPARE(sheet.questions[question == 4 ? 5 : 4].answer, 2);
        QCOMPARE(sheet.questions[9].text, QStringLiteral("Which rock is number 10?"));
    }
};

QTEST_MAIN(WorksheetDraftTest)
#include "tst_worksheetdraft.moc"
