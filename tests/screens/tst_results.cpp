#include "QuizDriver.h"

#include "QuizResults.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// Bare results background, clear of every control.
const QPoint kBare(40, 450);

// Opens the results as their callers do: the quiz adjusts three controls
// after the load, an activity only sets the score.
void openResults(int score, int count, bool fromQuiz)
{
    Module1::Score = score;
    Module1::QuestionCount = count;
    if (fromQuiz) {
        Module1::CertificateHeading = QStringLiteral("Terralore");
        Welldone().Label6->setVisible(false);
        Welldone().Label5->setVisible(true);
        Welldone().Label3[0]->setVisible(true);
    }
    Welldone().Show();
}

bool chainDone()
{
    WelldoneForm *form = WelldoneIfLoaded();
    return form && !form->Timer1->Enabled() && !form->Timer2->Enabled() && !form->Timer3->Enabled();
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

private slots:
    void initTestCase() { fx = new ScreenFixture; }
    void cleanupTestCase() { delete fx; }
    void init()
    {
        QVERIFY(freshStart(*fx));
        Module1::SoundOn = 1; // as the menu leaves it
    }

    void afterTheQuiz_data();
    void afterTheQuiz();
    void afterAnActivity_data();
    void afterAnActivity();
    void startUpChain();
    void celebrationSound_data();
    void celebrationSound();
    void soundOff();
    void wrongAnswersButton();
    void certificateButtonPlaysNoClick();
    void exitUnloadsTheListToo_data();
    void exitUnloadsTheListToo();
    void hoverHighlight();
};

void ResultsTest::afterTheQuiz_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("line");
    QTest::newRow("10") << 10 << "Excellent work. You have scored 10 out of 10.";
    QTest::newRow("9") << 9 << "Good work. You have scored 9 out of 10.";
    QTest::newRow("8") << 8 << "Good work. You have scored 8 out of 10.";
    QTest::newRow("7") << 7 << "You have scored 7 out of 10.";
    QTest::newRow("6") << 6 << "You have scored 6 out of 10.";
    QTest::newRow("5") << 5 << "You have scored 5 out of 10.";
}

void ResultsTest::afterTheQuiz()
{
    QFETCH(int, score);
    QFETCH(QString, line);
    openResults(score, 10, true);
    WelldoneForm &form = Welldone();
    const bool full = score == 10;
    QCOMPARE(topForm(), &form);
    QCOMPARE(form.Label4->Caption(), QStringLiteral("Well Done!"));
    QCOMPARE(form.Label1->Caption(), line);
    QVERIFY(!form.Label6->Visible());
    QVERIFY(form.Label5->Visible());
    QCOMPARE(form.Label5->Caption(),
             full ? QString()
                  : QStringLiteral("Click the button above to check which questions you answered incorrectly."));
    QVERIFY(form.Label3[0]->Visible());
    QCOMPARE(form.Label3[0]->Caption(),
             full ? QStringLiteral("Print Certificate") : QStringLiteral("Check Wrong Answers"));
    QCOMPARE(form.Text1->Visible(), full);
    QCOMPARE(form.Label2->Visible(), full);
    QCOMPARE(form.Label2->Caption(),
             QStringLiteral("Enter your name in the box above before printing your certificate"));
    QTRY_VERIFY(chainDone());
    QCOMPARE(form.Text1->hasFocus(), full);
    const QStringList row = celebrationRow(score);
    QCOMPARE(playedPaths().size(), row.isEmpty() ? 0 : 1);
    if (!row.isEmpty())
        QVERIFY(row.contains(playedPaths().first()));
}

void ResultsTest::afterAnActivity_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("line");
    QTest::newRow("3 of 4") << 3 << 4 << "Good work. You have scored 3 out of 4.";
    QTest::newRow("4 of 4") << 4 << 4 << "Excellent work. You have scored 4 out of 4.";
    QTest::newRow("0 of 5") << 0 << 5 << "You have scored 0 out of 5.";
    QTest::newRow("5 of 5") << 5 << 5 << "Excellent work. You have scored 5 out of 5.";
    QTest::newRow("1 of 3") << 1 << 3 << "Good work. You have scored 1 out of 3.";
}

void ResultsTest::afterAnActivity()
{
    QFETCH(int, score);
    QFETCH(int, count);
    QFETCH(QString, line);
    openResults(score, count, false);
    WelldoneForm &form = Welldone();
    const bool full = score == count;
    QCOMPARE(form.Label1->Caption(), line);
    // Without full marks: the advice and Exit only.
    QCOMPARE(form.Label6->Visible(), !full);
    QCOMPARE(form.Label6->Caption(), QStringLiteral("Read the Key Facts and try again."));
    QVERIFY(!form.Label5->Visible());
    QCOMPARE(form.Label3[0]->Visible(), full);
    if (full)
        QCOMPARE(form.Label3[0]->Caption(), QStringLiteral("Print Certificate"));
    QCOMPARE(form.Text1->Visible(), full);
    QCOMPARE(form.Label2->Visible(), full);
    QVERIFY(form.Label3[1]->Visible());
    QTRY_VERIFY(chainDone());
    QCOMPARE(form.Text1->hasFocus(), full);
    // Scores below 6 are silent.
    QVERIFY(playedPaths().isEmpty());
}

void ResultsTest::startUpChain()
{
    openResults(8, 10, true);
    WelldoneForm &form = Welldone();
    // The picture and the sound come a moment after the screen.
    QVERIFY(form.Timer1->Enabled());
    QVERIFY(form.Picture1->picture().isNull());
    QVERIFY(playedPaths().isEmpty());
    QCOMPARE(form.Timer1->Interval(), 1);
    QCOMPARE(form.Timer2->Interval(), 10);
    QCOMPARE(form.Timer3->Interval(), 1);
    QTRY_VERIFY(chainDone());
    QCOMPARE(form.Picture1->PictureSource(), QStringLiteral("images\\talyllynsm.jpg"));
    QVERIFY(!form.Picture1->picture().isNull());
    QCOMPARE(form.Picture1->BackColor(), QColor(49, 135, 214));
    QCOMPARE(form.Label3[0]->BackStyle(), int(vbOpaque));
    QCOMPARE(form.Label3[1]->BackStyle(), int(vbOpaque));
    QCOMPARE(playedPaths().size(), 1);
}

void ResultsTest::celebrationSound_data()
{
    QTest::addColumn<int>("score");
    for (int score = 5; score <= 10; ++score)
        QTest::addRow("%d", score) << score;
}

void ResultsTest::celebrationSound()
{
    // Each opening plays one file of the score's row; over many openings
    // every file of the row turns up and nothing else does.
    QFETCH(int, score);
    const QStringList row = celebrationRow(score);
    QMap<QString, int> heard;
    const int openings = 40;
    for (int i = 0; i < openings; ++i) {
        Sound::clearLog();
        openResults(score, 10, true);
        QVERIFY(QTest::qWaitFor(chainDone));
        const QStringList played = playedPaths();
        QCOMPARE(played.size(), row.isEmpty() ? 0 : 1);
        for (const QString &path : played)
            ++heard[path];
        click(Welldone().Label3[1]);
        settle();
        QVERIFY(!WelldoneIfLoaded());
    }
    const QStringList kinds = heard.keys();
    QCOMPARE(QSet<QString>(kinds.cbegin(), kinds.cend()), QSet<QString>(row.cbegin(), row.cend()));
    // Equal chances: no file takes nearly every opening (with a fair
    // choice this fails about once in a hundred million runs).
    for (int count : heard)
        QVERIFY2(count <= openings * 9 / 10, qPrintable(QString::number(count)));
}

void ResultsTest::soundOff()
{
    Module1::SoundOn = 0;
    openResults(10, 10, true);
    QTRY_VERIFY(chainDone());
    click(Welldone().Label3[1]);
    settle();
    openResults(9, 10, true);
    QTRY_VERIFY(chainDone());
    click(Welldone().Label3[0]);
    click(Welldone().Label3[1]);
    settle();
    QVERIFY(playedPaths().isEmpty());
}

void ResultsTest::wrongAnswersButton()
{
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    takeQuiz(quiz, {4});
    QTRY_VERIFY(chainDone());
    Sound::clearLog();
    click(Welldone().Label3[0]);
    QCOMPARE(topForm(), &Wrong());
    QVERIFY(Welldone().isVisible());
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
}

void ResultsTest::certificateButtonPlaysNoClick()
{
    openResults(10, 10, true);
    QTRY_VERIFY(chainDone());
    Sound::clearLog();
    Welldone().Text1->setFocus();
    QTest::keyClicks(Welldone().Text1, QStringLiteral("Ann"));
    click(Welldone().Label3[0]);
    settle();
    QVERIFY(!playedPaths().contains(QStringLiteral("wav\\click.wav")));
    QCOMPARE(topForm(), &Welldone());
    QCOMPARE(Welldone().Text1->Text(), QStringLiteral("Ann"));
    QVERIFY(!WrongIfLoaded());
}

void ResultsTest::exitUnloadsTheListToo_data()
{
    QTest::addColumn<bool>("listShown");
    QTest::newRow("list hidden") << false;
    QTest::newRow("list shown") << true;
}

void ResultsTest::exitUnloadsTheListToo()
{
    QFETCH(bool, listShown);
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    takeQuiz(quiz, {1, 2});
    QVERIFY(WrongIfLoaded());
    if (listShown) {
        click(Welldone().Label3[0]);
        // The list covers the results; bring them back as a pupil would not,
        // to reach their Exit.
        Welldone().Show();
    }
    Sound::clearLog();
    click(Welldone().Label3[1]);
    settle();
    QVERIFY(!WelldoneIfLoaded());
    QVERIFY(!WrongIfLoaded());
    QCOMPARE(topForm(), &science());
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
}

void ResultsTest::hoverHighlight()
{
    openResults(7, 10, true);
    QTRY_VERIFY(chainDone());
    WelldoneForm &form = Welldone();
    hover(form.client(), kBare);
    QCOMPARE(form.Label3[0]->BackStyle(), int(vbTransparent));
    QCOMPARE(form.Label3[1]->BackStyle(), int(vbTransparent));
    hover(form.Label3[1]);
    QCOMPARE(form.Label3[0]->BackStyle(), int(vbTransparent));
    QCOMPARE(form.Label3[1]->BackStyle(), int(vbOpaque));
    hover(form.Picture1);
    QCOMPARE(form.Label3[1]->BackStyle(), int(vbOpaque));
    hover(form.client(), kBare);
    QCOMPARE(form.Label3[1]->BackStyle(), int(vbTransparent));
}

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
