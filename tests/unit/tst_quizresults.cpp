#include "QuizResults.h"

#include <QTest>

#include <limits>

using namespace terralore;

class QuizResultsTest : public QObject {
    Q_OBJECT

private slots:
    void scoreLine_data();
    void scoreLine();
    void praiseForEveryScore_data();
    void praiseForEveryScore();
    void soundRow_data();
    void soundRow();
    void soundChoiceSplitsEvenly_data();
    void soundChoiceSplitsEvenly();
    void soundChoiceHoldsStrayNumbers_data();
    void soundChoiceHoldsStrayNumbers();
    void scoring_data();
    void scoring();
    void wrongAnswerCaption_data();
    void wrongAnswerCaption();
    void answerOption_data();
    void answerOption();
};

void QuizResultsTest::scoreLine_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("line");
    QTest::newRow("10 of 10") << 10 << 10 << "Excellent work. You have scored 10 out of 10.";
    QTest::newRow("9 of 10") << 9 << 10 << "Good work. You have scored 9 out of 10.";
    QTest::newRow("8 of 10") << 8 << 10 << "Good work. You have scored 8 out of 10.";
    QTest::newRow("7 of 10") << 7 << 10 << "You have scored 7 out of 10.";
    QTest::newRow("0 of 10") << 0 << 10 << "You have scored 0 out of 10.";
    QTest::newRow("4 of 4") << 4 << 4 << "Excellent work. You have scored 4 out of 4.";
    QTest::newRow("3 of 4") << 3 << 4 << "Good work. You have scored 3 out of 4.";
    QTest::newRow("1 of 3") << 1 << 3 << "Good work. You have scored 1 out of 3.";
    QTest::newRow("0 of 3") << 0 << 3 << "You have scored 0 out of 3.";
    QTest::newRow("0 of 5") << 0 << 5 << "You have scored 0 out of 5.";
}

void QuizResultsTest::scoreLine()
{
    QFETCH(int, score);
    QFETCH(int, count);
    QFETCH(QString, line);
    QCOMPARE(terralore::scoreLine(score, count), line);
}

void QuizResultsTest::praiseForEveryScore_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("praise");
    // The praise follows the gap to the maximum: none, one, two, more.
    const QString praises[] = {"Excellent work. You have scored", "Good work. You have scored",
                               "Good work. You have scored", "You have scored"};
    for (int count : {3, 4, 5, 10})
        for (int score = 0; score <= count; ++score)
            QTest::addRow("%d of %d", score, count) << score << count << praises[std::min(count - score, 3)];
}

void QuizResultsTest::praiseForEveryScore()
{
    QFETCH(int, score);
    QFETCH(int, count);
    QFETCH(QString, praise);
    const QString line = terralore::scoreLine(score, count);
    QVERIFY2(line.startsWith(praise + QLatin1Char(' ')), qPrintable(line));
    QVERIFY(line.endsWith(QStringLiteral(" %1 out of %2.").arg(score).arg(count)));
    QCOMPARE(praiseText(praiseRow(score, count)), praise);
}

void QuizResultsTest::soundRow_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("10") << 10 << QStringList{"wav\\fanf2.wav", "wav\\fanf3.wav"};
    QTest::newRow("9") << 9 << QStringList{"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"};
    QTest::newRow("8") << 8 << QStringList{"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"};
    QTest::newRow("7") << 7 << QStringList{"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"};
    QTest::newRow("6") << 6 << QStringList{"wav\\clap3.wav", "wav\\clown.wav"};
    for (int score : {5, 4, 3, 2, 1, 0, -1, 11})
        QTest::addRow("%d", score) << score << QStringList{};
}

void QuizResultsTest::soundRow()
{
    QFETCH(int, score);
    QFETCH(QStringList, row);
    QCOMPARE(celebrationRow(score), row);
    // The choice never strays outside the row, and is silent without one.
    for (double r : {0.0, 0.3, 0.5, 0.7, 0.999999})
        QCOMPARE(celebrationSound(score, r).isEmpty(), row.isEmpty());
    for (double r : {0.0, 0.3, 0.5, 0.7, 0.999999})
        if (!row.isEmpty())
            QVERIFY(row.contains(celebrationSound(score, r)));
}

void QuizResultsTest::soundChoiceSplitsEvenly_data()
{
    QTest::addColumn<int>("score");
    for (int score = 6; score <= 10; ++score)
        QTest::addRow("%d", score) << score;
}

void QuizResultsTest::soundChoiceSplitsEvenly()
{
    // Equal parts of [0, 1) pick each file of the row once.
    QFETCH(int, score);
    const QStringList row = celebrationRow(score);
    const int steps = 6000;
    QMap<QString, int> counts;
    for (int i = 0; i < steps; ++i)
        ++counts[celebrationSound(score, double(i) / steps)];
    QCOMPARE(counts.size(), row.size());
    for (const QString &file : row)
        QCOMPARE(counts.value(file), steps / int(row.size()));
    // The boundaries: the first file just below 1/n, the next one at it.
    const double n = double(row.size());
    QCOMPARE(celebrationSound(score, 1.0 / n - 1e-9), row.first());
    QCOMPARE(celebrationSound(score, 1.0 / n), row.at(1));
}

void QuizResultsTest::soundChoiceHoldsStrayNumbers_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("index");
    QTest::newRow("below zero") << -0.25 << 0;
    QTest::newRow("one") << 1.0 << 2;
    QTest::newRow("far above") << 1e300 << 2;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 2;
}

void QuizResultsTest::soundChoiceHoldsStrayNumbers()
{
    QFETCH(double, random);
    QFETCH(int, index);
    QCOMPARE(celebrationSound(9, random), celebrationRow(9).at(index));
}

void QuizResultsTest::scoring_data()
{
    QTest::addColumn<QList<int>>("wrongQuestions");
    QTest::newRow("all right") << QList<int>{};
    QTest::newRow("2 and 7") << QList<int>{2, 7};
    QTest::newRow("only 10") << QList<int>{10};
    QTest::newRow("only 1") << QList<int>{1};
    QTest::newRow("odd ones") << QList<int>{1, 3, 5, 7, 9};
    QTest::newRow("all wrong") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

void QuizResultsTest::scoring()
{
    QFETCH(QList<int>, wrongQuestions);
    std::array<int, 11> answers{};
    answers.fill(1);
    answers[0] = 0;
    for (int q : wrongQuestions)
        answers[std::size_t(q)] = 0;
    const QuizScoring result = scoreQuiz(answers);
    QCOMPARE(result.score, 10 - int(wrongQuestions.size()));
    QCOMPARE(result.wrong.size(), wrongQuestions.size());
    for (int j = 0; j < wrongQuestions.size(); ++j) {
        QCOMPARE(result.wrong[j].entry, j);
        QCOMPARE(result.wrong[j].question, wrongQuestions[j]);
    }
    // Only 1 counts as right.
    answers[4] = 2;
    QCOMPARE(scoreQuiz(answers).score, result.score - (wrongQuestions.contains(4) ? 0 : 1));
}

void QuizResultsTest::wrongAnswerCaption_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("3") << 3 << "What is chalk made of?"
                       << " 3. What is chalk made of?";
    QTest::newRow("10") << 10 << "Which is oldest?"
                        << " 10. Which is oldest?";
    QTest::newRow("empty text") << 1 << ""
                                << " 1. ";
}

void QuizResultsTest::wrongAnswerCaption()
{
    QFETCH(int, question);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QCOMPARE(terralore::wrongAnswerCaption(question, text), caption);
}

void QuizResultsTest::answerOption_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<int>("option");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("2") << "2" << 2;
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("4") << "4" << 4;
    QTest::newRow("blank around") << " 3 " << 3;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("5, the no-answer marker") << "5" << 0;
    QTest::newRow("negative") << "-1" << 0;
    QTest::newRow("letter") << "B" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("fraction") << "2.5" << 0;
    QTest::newRow("huge") << "99999999999999999999" << 0;
}

void QuizResultsTest::answerOption()
{
    QFETCH(QString, digit);
    QFETCH(int, option);
    QCOMPARE(terralore::answerOption(digit), option);
}

QTEST_GUILESS_MAIN(QuizResultsTest)
#include "tst_quizresults.moc"
