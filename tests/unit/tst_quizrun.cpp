// A quiz run followed through answers, going back and on: the question on
// screen, what is chosen, the score, the wrong list and the result handed on.
#include "QuizRun.h"

#include <QTest>

using namespace terralore;

Q_DECLARE_METATYPE(QuizRun::Choice)
Q_DECLARE_METATYPE(WrongQuestion)

namespace {

const QStringList kDigits{"1", "2", "3", "4", "1", "2", "3", "4", "1", "2"};

Quiz quizWith(const QStringList &digits)
{
    Quiz quiz;
    quiz.title = QStringLiteral("Rocks and soils");
    for (int q = 0; q < kQuizQuestions; ++q) {
        QuizQuestion &question = quiz.questions[std::size_t(q)];
        question.text = QStringLiteral("Question text %1").arg(q + 1);
        question.options = {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third"),
                            QStringLiteral("fourth")};
        question.answer = digits.at(q);
    }
    return quiz;
}

// Plays steps on run: A to D choose that option, 0 chooses none, ">" is
// "Next Question", "<" is "Previous Question".
void play(QuizRun &run, const QString &steps)
{
    for (const QChar step : steps) {
        if (step == u'>')
            run.next();
        else if (step == u'<')
            run.previous();
        else if (step == u'0')
            run.choose(QuizRun::Choice::None);
        else
            run.choose(QuizRun::Choice(step.unicode() - u'A' + 1));
    }
}

QList<int> numbersOf(const QList<WrongQuestion> &wrong)
{
    QList<int> numbers;
    for (const WrongQuestion &question : wrong)
        numbers << question.number;
    return numbers;
}

} // namespace

class QuizRunTest : public QObject {
    Q_OBJECT

private slots:
    void answersAndScore_data()
    {
        QTest::addColumn<QStringList>("digits");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("score");
        QTest::addColumn<QList<int>>("wrong");

        QTest::newRow("full marks") << kDigits << "A>B>C>D>A>B>C>D>A>B>" << 10 << true << 10 << QList<int>{};
        QTest::newRow("nothing chosen") << kDigits << ">>>>>>>>>>" << 10 << true << 0
                                        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("2 and 7 wrong") << kDigits << "A>A>C>D>A>B>A>D>A>B>" << 10 << true << 8 << QList<int>{2, 7};
        QTest::newRow("only 10 wrong") << kDigits << "A>B>C>D>A>B>C>D>A>D>" << 10 << true << 9 << QList<int>{10};
        QTest::newRow("changed mind, last choice counts")
            << kDigits << "AB>B>C>D>A>B>C>D>A>B>" << 10 << true << 9 << QList<int>{1};
        QTest::newRow("chosen, then none") << kDigits << "A0>B>C>D>A>B>C>D>A>B>" << 10 << true << 9 << QList<int>{1};
        QTest::newRow("revisited, left blank")
            << kDigits << "A>B><>C>D>A>B>C>D>A>B>" << 10 << true << 9 << QList<int>{2};
        QTest::newRow("revisited, answered again")
            << kDigits << "A>B><B>C>D>A>B>C>D>A>B>" << 10 << true << 10 << QList<int>{};
        QTest::newRow("an answer left backwards is not kept")
            << kDigits << "A>B>C<>>D>A>B>C>D>A>B>" << 10 << true << 8 << QList<int>{2, 3};
        QTest::newRow("back from the last, on again")
            << kDigits << "A>B>C>D>A>B>C>D>A><A>B>" << 10 << true << 10 << QList<int>{};
        QTest::newRow("previous on the first does nothing")
            << kDigits << "<A>B>C>D>A>B>C>D>A>B>" << 10 << true << 10 << QList<int>{};
        QTest::newRow("next after the end does nothing")
            << kDigits << "A>B>C>D>A>B>C>D>A>B>>A<" << 10 << true << 10 << QList<int>{};
        QTest::newRow("half way") << kDigits << "A>B>C" << 2 << false << 3 << QList<int>{4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("digits that name no option")
            << QStringList{"1", "5", "x", " 3", "", "0", "3", "4", "1", "-2"} << "A>B>C>C>A>A>C>D>A>B>" << 10 << true
            << 5 << QList<int>{2, 3, 5, 6, 10};
    }

    void answersAndScore()
    {
        QFETCH(QStringList, digits);
        QFETCH(QString, steps);
        QFETCH(int, current);
        QFETCH(bool, finished);
        QFETCH(int, score);
        QFETCH(QList<int>, wrong);
        QuizRun run(quizWith(digits), QStringLiteral("Terralore"));
        play(run, steps);
        QCOMPARE(run.current(), current);
        QCOMPARE(run.finished(), finished);
        QCOMPARE(run.score(), score);
        QCOMPARE(numbersOf(run.wrong()), wrong);
    }

    void questionOnScreen_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("last");
        QTest::addColumn<QuizRun::Choice>("chosen");

        QTest::newRow("a fresh run") << "" << 0 << "Question text 1" << true << false << QuizRun::Choice::None;
        QTest::newRow("an answer chosen") << "C" << 0 << "Question text 1" << true << false << QuizRun::Choice::C;
        QTest::newRow("the next comes unanswered")
            << "C>" << 1 << "Question text 2" << false << false << QuizRun::Choice::None;
        QTest::newRow("back comes unanswered")
            << "C>D<" << 0 << "Question text 1" << true << false << QuizRun::Choice::None;
        QTest::newRow("the tenth") << ">>>>>>>>>B" << 9 << "Question text 10" << false << true << QuizRun::Choice::B;
        QTest::newRow("finished: nothing to choose")
            << ">>>>>>>>>>A" << 10 << "Question text 10" << false << false << QuizRun::Choice::None;
    }

    void questionOnScreen()
    {
        QFETCH(QString, steps);
        QFETCH(int, current);
        QFETCH(QString, text);
        QFETCH(bool, first);
        QFETCH(bool, last);
        QFETCH(QuizRun::Choice, chosen);
        QuizRun run(quizWith(kDigits), QString());
        play(run, steps);
        QCOMPARE(run.current(), current);
        QCOMPARE(run.question().text, text);
        QCOMPARE(run.onFirst(), first);
        QCOMPARE(run.onLast(), last);
        QCOMPARE(run.chosen(), chosen);
    }

    void resultHandedOn_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("score");
        QTest::addColumn<QList<WrongQuestion>>("wrong");

        QTest::newRow("full marks, the product's heading") << "Terralore"
                                                           << "A>B>C>D>A>B>C>D>A>B>" << 10 << QList<WrongQuestion>{};
        QTest::newRow("a teacher's menu title, 3 and 10 wrong")
            << "Rocks for Year 4"
            << "A>B>D>D>A>B>C>D>A>C>" << 8 << QList<WrongQuestion>{{3, "Question text 3"}, {10, "Question text 10"}};
    }

    void resultHandedOn()
    {
        QFETCH(QString, heading);
        QFETCH(QString, steps);
        QFETCH(int, score);
        QFETCH(QList<WrongQuestion>, wrong);
        QuizRun run(quizWith(kDigits), heading);
        play(run, steps);
        const Result result = run.result();
        QCOMPARE(result.source, Result::Source::Quiz);
        QCOMPARE(result.score, score);
        QCOMPARE(result.outOf, 10);
        QCOMPARE(result.fullMarks(), score == 10);
        QCOMPARE(result.title, QStringLiteral("Rocks and soils"));
        QCOMPARE(result.certificateHeading, heading);
        QCOMPARE(result.wrong, wrong);
    }
};

QTEST_MAIN(QuizRunTest)
#include "tst_quizrun.moc"
