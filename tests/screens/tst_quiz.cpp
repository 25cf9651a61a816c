// A topic quiz taken by clicks: the score and its line on the results, the
// certificate or wrong-answer button, and the wrong-answer list. (Answer
// digits no option matches: the damaged quiz files of tst_damagedinput.)
#include "ActivityTest.h"
#include "QuizDriver.h"

using namespace terralore;
using namespace terralore::test;

class QuizTest : public QObject {
    Q_OBJECT

private slots:
    void init() { freshStart(); }

    void scoreAndWrongAnswers_data()
    {
        QTest::addColumn<QList<int>>("wrong");
        QTest::addColumn<QString>("line");
        QTest::newRow("all right") << QList<int>{} << "Excellent work. You have scored 10 out of 10.";
        QTest::newRow("only 10 wrong") << QList<int>{10} << "Good work. You have scored 9 out of 10.";
        QTest::newRow("2 and 7 wrong") << QList<int>{2, 7} << "Good work. You have scored 8 out of 10.";
        QTest::newRow("1, 2 and 3 wrong") << QList<int>{1, 2, 3} << "You have scored 7 out of 10.";
        QTest::newRow("all wrong") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << "You have scored 0 out of 10.";
    }

    void scoreAndWrongAnswers()
    {
        QFETCH(QList<int>, wrong);
        QFETCH(QString, line);
        const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
        QVERIFY(quiz.ok && openRocksQuiz());
        takeQuiz(quiz, QSet<int>(wrong.cbegin(), wrong.cend()));
        QCOMPARE(topForm(), resultsScreenIfLoaded());
        QCOMPARE(resultsScreen().result().score, 10 - int(wrong.size()));
        QCOMPARE(resultsScreen().scoreLineText->Caption(), line);
        // Full marks ask for a name to print on the certificate.
        const bool full = wrong.isEmpty();
        QCOMPARE(resultsScreen().nameBox->isVisible(), full);
        QCOMPARE(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]->Caption(),
                 full ? QStringLiteral("Print Certificate") : QStringLiteral("Check Wrong Answers"));
        if (full)
            return;
        click(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]);
        QCOMPARE(topForm(), wrongAnswersIfLoaded());
        QCOMPARE(wrongAnswers().quizTitle->Caption(), quiz.title);
        // One block from the top, in question order.
        QStringList expected;
        for (int q : wrong)
            expected << QStringLiteral(" %1. ").arg(q) + quiz.text(q);
        QCOMPARE(shownWrongEntries(), expected);
        for (int j = 0; j < wrong.size(); ++j)
            QVERIFY(wrongAnswers().wrongAnswerLines[j]->isVisible());
    }

    void aRevisitedQuestionStartsBlank_data()
    {
        QTest::addColumn<bool>("answerAgain");
        QTest::newRow("left blank: wrong") << false;
        QTest::newRow("answered again: right") << true;
    }

    void aRevisitedQuestionStartsBlank()
    {
        QFETCH(bool, answerAgain);
        const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
        QVERIFY(openRocksQuiz());
        answerAndGoOn(quiz.digit(1));
        answerAndGoOn(quiz.digit(2));
        click(quizScreen().entryButtons[QuizScreen::PreviousEntry]);
        QCOMPARE(quizScreen().questionNumber->Caption(), QStringLiteral("Question 2"));
        QVERIFY(quizScreen().answerButtons[5]->Value());
        answerAndGoOn(answerAgain ? quiz.digit(2) : 0);
        for (int q = 3; q <= 10; ++q)
            answerAndGoOn(quiz.digit(q));
        QCOMPARE(resultsScreen().result().score, answerAgain ? 10 : 9);
        QCOMPARE(shownWrongEntries(), answerAgain ? QStringList{} : QStringList{QStringLiteral(" 2. ") + quiz.text(2)});
    }

    void eachQuizListsOnlyItsOwnWrongAnswers()
    {
        const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
        QVERIFY(openRocksQuiz());
        takeQuiz(quiz, {1, 2, 3});
        QCOMPARE(shownWrongEntries().size(), 3);
        click(resultsScreen().entryButtons[ResultsScreen::ExitEntry]);
        settle();
        click(scienceHub().entryButtons[Hub::QuizEntry]);
        takeQuiz(quiz, {8});
        QCOMPARE(shownWrongEntries(), QStringList{QStringLiteral(" 8. ") + quiz.text(8)});
        QCOMPARE(wrongAnswers().wrongAnswerLines[1]->Caption(), QString());
        click(resultsScreen().entryButtons[ResultsScreen::ExitEntry]);
        settle();
        click(scienceHub().entryButtons[Hub::QuizEntry]);
        takeQuiz(quiz, {});
        QVERIFY(shownWrongEntries().isEmpty());
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
