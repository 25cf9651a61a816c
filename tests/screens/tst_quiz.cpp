#include "QuizDriver.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// Bare quiz background, clear of every control.
const QPoint kBare(40, 300);

QList<int> buttonStyles()
{
    QList<int> styles;
    multiple().Label3.forEach([&styles](int, Label *l) { styles << l->BackStyle(); });
    return styles;
}

int chosenOption()
{
    for (int i = 1; i <= 5; ++i)
        if (multiple().Option1[i]->Value())
            return i;
    return 0;
}

} // namespace

class QuizTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

private slots:
    void initTestCase() { fx = new ScreenFixture; }
    void cleanupTestCase() { delete fx; }
    void init() { QVERIFY(freshStart(*fx)); }

    void opensOnTheFirstQuestion();
    void buttons_data();
    void buttons();
    void showsEveryQuestionInTurn();
    void allRight();
    void someWrong_data();
    void someWrong();
    void backFromTheLastQuestionAndOnAgain();
    void revisitedQuestionStartsBlank_data();
    void revisitedQuestionStartsBlank();
    void exitDropsTheScore();
    void answerDigitOutsideTheOptions_data();
    void answerDigitOutsideTheOptions();
    void sounds();
    void hoverHighlight();
};

void QuizTest::opensOnTheFirstQuestion()
{
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(quiz.ok);
    Module1::Score = 7;
    multipleForm *form = openRocksQuiz();
    QVERIFY(form);
    QCOMPARE(Module1::Score, 0);
    QCOMPARE(Module1::QuestionCount, 10);
    QCOMPARE(Module1::CurrentQuestion, 1);
    QCOMPARE(form->Label1->Caption(), QStringLiteral("Multiple Choice"));
    QCOMPARE(form->Label6->Caption(), quiz.title);
    QCOMPARE(form->Label4->Caption(), QStringLiteral("Question 1"));
    QCOMPARE(form->Label2->Caption(), quiz.question[1]);
    QCOMPARE(form->Option1[1]->text(), quiz.optionA[1]);
    QCOMPARE(form->Option1[2]->text(), quiz.optionB[1]);
    QCOMPARE(form->Option1[3]->text(), quiz.optionC[1]);
    QCOMPARE(form->Option1[4]->text(), quiz.optionD[1]);
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(form->Option1[i]->BackColor(), QColor(39, 63, 137));
        QCOMPARE(form->Option1[i]->Top(), 5400.0f + 600.0f * float(i - 1));
        QVERIFY(!form->Option1[i]->Value());
    }
    // The no-answer marker: chosen, over the picture, holding the focus.
    OptionButton *none = form->Option1[5];
    QVERIFY(none->Value() && none->Visible());
    QCOMPARE(twipsBox(none), QRectF(form->Picture1->Left() + 240, form->Picture1->Top() + 240, 495, 375));
    QTRY_VERIFY(none->hasFocus());
    QCOMPARE(form->Picture1->BackColor(), QColor(49, 135, 214));
    QVERIFY(!form->Label3[0]->Visible());
    QCOMPARE(form->Label3[1]->Caption(), QStringLiteral("Next Question >>"));
}

void QuizTest::buttons_data()
{
    addLabelButtonColumns();
    QTest::newRow("previous") << 0 << "<< Previous Question" << QRectF(2040, 7920, 3765, 495);
    QTest::newRow("next") << 1 << "Next Question >>" << QRectF(6000, 7920, 3765, 495);
    QTest::newRow("exit") << 2 << "Exit" << QRectF(10560, 7920, 1245, 495);
    QTest::newRow("print") << 3 << "Print Worksheet" << QRectF(7920, 1920, 3045, 495);
}

void QuizTest::buttons()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRectF, box);
    QVERIFY(openRocksQuiz());
    answerAndGoOn(0); // on question 2 every button is shown
    Label *button = multiple().Label3[index];
    QVERIFY(isLabelButton(button, caption, box));
    QVERIFY(button->Visible());
}

void QuizTest::showsEveryQuestionInTurn()
{
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    for (int q = 1; q <= 10; ++q) {
        const auto i = std::size_t(q);
        QCOMPARE(Module1::CurrentQuestion, q);
        QCOMPARE(multiple().Label4->Caption(), QStringLiteral("Question %1").arg(q));
        QCOMPARE(multiple().Label2->Caption(), quiz.question[i]);
        QCOMPARE(multiple().Option1[4]->text(), quiz.optionD[i]);
        QCOMPARE(multiple().Label3[0]->Visible(), q > 1);
        QCOMPARE(multiple().Label3[1]->Caption(),
                 q == 10 ? QStringLiteral("Check Score >>") : QStringLiteral("Next Question >>"));
        QCOMPARE(chosenOption(), 5);
        QVERIFY(multiple().Option1[5]->hasFocus());
        if (q < 10)
            answerAndGoOn(quiz.digit(q));
    }
}

void QuizTest::allRight()
{
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    takeQuiz(quiz, {});
    QVERIFY(!multipleIfLoaded());
    QCOMPARE(Module1::Score, 10);
    QCOMPARE(Module1::QuestionCount, 10);
    QCOMPARE(Module1::CertificateHeading, QStringLiteral("Terralore"));
    QCOMPARE(topForm(), &Welldone());
    QVERIFY(science().isVisible());
    QCOMPARE(Welldone().Label1->Caption(), QStringLiteral("Excellent work. You have scored 10 out of 10."));
    QVERIFY(!Welldone().Label6->Visible());
    QVERIFY(Welldone().Label5->Visible());
    QVERIFY(Welldone().Label3[0]->Visible());
    QCOMPARE(Welldone().Label3[0]->Caption(), QStringLiteral("Print Certificate"));
    // The list is loaded, hidden and empty.
    QVERIFY(WrongIfLoaded());
    QVERIFY(!Wrong().isVisible());
    QVERIFY(shownWrongEntries().isEmpty());
    QCOMPARE(Wrong().Label6->Caption(), quiz.title);
}

void QuizTest::someWrong_data()
{
    QTest::addColumn<QList<int>>("wrong");
    QTest::newRow("2 and 7") << QList<int>{2, 7};
    QTest::newRow("only 10") << QList<int>{10};
    QTest::newRow("1, 2 and 3") << QList<int>{1, 2, 3};
    QTest::newRow("all ten") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

void QuizTest::someWrong()
{
    QFETCH(QList<int>, wrong);
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    takeQuiz(quiz, QSet<int>(wrong.cbegin(), wrong.cend()));
    const int score = 10 - int(wrong.size());
    QCOMPARE(Module1::Score, score);
    for (int q = 1; q <= 10; ++q)
        QCOMPARE(Module1::UserAnswer[std::size_t(q)], wrong.contains(q) ? 0 : 1);
    QStringList expected;
    for (int q : wrong)
        expected << QStringLiteral(" %1. ").arg(q) + quiz.question[std::size_t(q)];
    QCOMPARE(shownWrongEntries(), expected);
    for (int j = 0; j < wrong.size(); ++j)
        QCOMPARE(Wrong().Label2[j]->Caption(), expected[j]);
    QCOMPARE(topForm(), &Welldone());
    QVERIFY(Welldone().Label3[0]->Visible());
    QCOMPARE(Welldone().Label3[0]->Caption(), QStringLiteral("Check Wrong Answers"));
    QVERIFY(Welldone().Label1->Caption().endsWith(QStringLiteral(" %1 out of 10.").arg(score)));
}

void QuizTest::backFromTheLastQuestionAndOnAgain()
{
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    for (int q = 1; q <= 9; ++q)
        answerAndGoOn(quiz.digit(q));
    QCOMPARE(multiple().Label3[1]->Caption(), QStringLiteral("Check Score >>"));
    click(multiple().Label3[0]);
    QCOMPARE(Module1::CurrentQuestion, 9);
    QCOMPARE(multiple().Label4->Caption(), QStringLiteral("Question 9"));
    QCOMPARE(multiple().Label2->Caption(), quiz.question[9]);
    QCOMPARE(multiple().Label3[1]->Caption(), QStringLiteral("Next Question >>"));
    answerAndGoOn(quiz.digit(9));
    QCOMPARE(multiple().Label4->Caption(), QStringLiteral("Question 10"));
    QCOMPARE(multiple().Label3[1]->Caption(), QStringLiteral("Check Score >>"));
    // Back to the first question: Previous hides again.
    for (int q = 10; q > 1; --q)
        click(multiple().Label3[0]);
    QCOMPARE(Module1::CurrentQuestion, 1);
    QVERIFY(!multiple().Label3[0]->Visible());
}

void QuizTest::revisitedQuestionStartsBlank_data()
{
    QTest::addColumn<bool>("answerAgain");
    QTest::addColumn<int>("score");
    QTest::newRow("left blank: wrong") << false << 9;
    QTest::newRow("answered again: right") << true << 10;
}

void QuizTest::revisitedQuestionStartsBlank()
{
    QFETCH(bool, answerAgain);
    QFETCH(int, score);
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    answerAndGoOn(quiz.digit(1));
    answerAndGoOn(quiz.digit(2));
    click(multiple().Label3[0]);
    QCOMPARE(Module1::CurrentQuestion, 2);
    QCOMPARE(chosenOption(), 5);
    answerAndGoOn(answerAgain ? quiz.digit(2) : 0);
    for (int q = 3; q <= 10; ++q)
        answerAndGoOn(quiz.digit(q));
    QCOMPARE(Module1::Score, score);
    QCOMPARE(shownWrongEntries(), answerAgain ? QStringList{} : QStringList{QStringLiteral(" 2. ") + quiz.question[2]});
}

void QuizTest::exitDropsTheScore()
{
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    for (int q = 1; q <= 3; ++q)
        answerAndGoOn(quiz.digit(q));
    Sound::clearLog();
    click(multiple().Label3[2]);
    settle();
    QVERIFY(!multipleIfLoaded());
    QCOMPARE(Module1::Score, 0);
    QVERIFY(!WelldoneIfLoaded());
    QVERIFY(!WrongIfLoaded());
    QCOMPARE(topForm(), &science());
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
}

void QuizTest::answerDigitOutsideTheOptions_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<int>("chosen"); // 0: none
    QTest::newRow("0, first option chosen") << "0" << 1;
    QTest::newRow("0, none chosen") << "0" << 0;
    QTest::newRow("5, none chosen") << "5" << 0;
    QTest::newRow("5, last option chosen") << "5" << 4;
    QTest::newRow("letter") << "C" << 3;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("negative") << "-1" << 2;
}

void QuizTest::answerDigitOutsideTheOptions()
{
    QFETCH(QString, digit);
    QFETCH(int, chosen);
    // Question 4's digit is damaged; the others are as shipped.
    QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QStringList digits;
    for (int q = 1; q <= 10; ++q)
        digits << (q == 4 ? digit : quiz.correctAnswer[std::size_t(q)]);
    QVERIFY(writeRocksQuizWithDigits(fx->data, digits));
    QVERIFY(openRocksQuiz());
    QCOMPARE(Module1::CorrectAnswer[4], digit);
    for (int q = 1; q <= 10; ++q)
        answerAndGoOn(q == 4 ? chosen : quiz.digit(q));
    QCOMPARE(Module1::Score, 9);
    QCOMPARE(shownWrongEntries(), QStringList{QStringLiteral(" 4. ") + quiz.question[4]});
}

void QuizTest::sounds()
{
    QVERIFY(openRocksQuiz());
    Sound::clearLog();
    click(multiple().Option1[2], QPoint(8, 10));
    click(multiple().Option1[5], QPoint(8, 8));
    click(multiple().Label3[1]);
    click(multiple().Label3[0]);
    QCOMPARE(playedPaths(), (QStringList{"wav\\typekey.wav", "wav\\typekey.wav", "wav\\click.wav", "wav\\click.wav"}));
    Module1::SoundOn = 0;
    Sound::clearLog();
    click(multiple().Option1[3], QPoint(8, 10));
    click(multiple().Label3[1]);
    QVERIFY(playedPaths().isEmpty());
}

void QuizTest::hoverHighlight()
{
    QVERIFY(openRocksQuiz());
    answerAndGoOn(0);
    const QList<int> lit(4, vbOpaque), clear(4, vbTransparent);
    QCOMPARE(buttonStyles(), lit);
    hover(multiple().client(), kBare);
    QCOMPARE(buttonStyles(), clear);
    hover(multiple().Label3[2]);
    const QList<int> exitLit{vbTransparent, vbTransparent, vbOpaque, vbTransparent};
    QCOMPARE(buttonStyles(), exitLit);
    // The question text and the answers change nothing.
    hover(multiple().Label2);
    hover(multiple().Option1[1]);
    QCOMPARE(buttonStyles(), exitLit);
    hover(multiple().client(), kBare);
    QCOMPARE(buttonStyles(), clear);
}

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
