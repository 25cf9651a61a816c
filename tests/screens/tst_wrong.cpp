#include "QuizDriver.h"

using namespace terralore;
using namespace terralore::test;

class WrongTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

private slots:
    void initTestCase() { fx = new ScreenFixture; }
    void cleanupTestCase() { delete fx; }
    void init() { QVERIFY(freshStart(*fx)); }

    void design();
    void entriesFromTheTop_data();
    void entriesFromTheTop();
    void exitClosesTheResultsToo();
    void unloadingDiscardsTheEntries();
};

void WrongTest::design()
{
    WrongForm &form = Wrong();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Caption(), QStringLiteral("Terralore"));
    QCOMPARE(form.Label4->Caption(), QStringLiteral("You answered the following questions incorrectly."));
    QCOMPARE(form.Label5->Caption(), QStringLiteral("Read the Key Facts and try again."));
    QVERIFY(isLabelButton(form.Label3[1], QStringLiteral("Exit"), QRectF(10560, 7920, 1245, 495)));
    QCOMPARE(form.Label2.count(), 10);
    for (int j = 0; j <= 9; ++j) {
        Label *entry = form.Label2[j];
        QVERIFY(!entry->Visible());
        QCOMPARE(twipsBox(entry), QRectF(120, 1680 + 600 * j, 12000, 540));
        QCOMPARE(entry->ForeColor(), QColor(255, 255, 255));
    }
}

void WrongTest::entriesFromTheTop_data()
{
    QTest::addColumn<QList<int>>("wrong");
    QTest::newRow("question 3") << QList<int>{3};
    QTest::newRow("question 10") << QList<int>{10};
    QTest::newRow("3, 5 and 9") << QList<int>{3, 5, 9};
    QTest::newRow("all ten") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

void WrongTest::entriesFromTheTop()
{
    QFETCH(QList<int>, wrong);
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    takeQuiz(quiz, QSet<int>(wrong.cbegin(), wrong.cend()));
    click(Welldone().Label3[0]);
    WrongForm &form = Wrong();
    QCOMPARE(topForm(), &form);
    QCOMPARE(form.Label6->Caption(), quiz.title);
    // One block from the top, in question order, the rest hidden.
    for (int j = 0; j <= 9; ++j) {
        Label *entry = form.Label2[j];
        QCOMPARE(entry->Visible(), j < wrong.size());
        if (j < wrong.size()) {
            const int q = wrong[j];
            QCOMPARE(entry->Caption(), QStringLiteral(" %1. %2").arg(q).arg(quiz.question[std::size_t(q)]));
            QVERIFY(entry->isVisible());
            QCOMPARE(entry->y(), (1680 + 600 * j) / 15);
        }
    }
}

void WrongTest::exitClosesTheResultsToo()
{
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    takeQuiz(quiz, {6});
    click(Welldone().Label3[0]);
    Sound::clearLog();
    click(Wrong().Label3[1]);
    settle();
    QVERIFY(!WrongIfLoaded());
    QVERIFY(!WelldoneIfLoaded());
    QCOMPARE(topForm(), &science());
    QVERIFY(playedPaths().isEmpty());
}

void WrongTest::unloadingDiscardsTheEntries()
{
    const QuizOnDisk quiz(fx->data.file(kRocksQuiz));
    QVERIFY(openRocksQuiz());
    takeQuiz(quiz, {1, 2, 3});
    QCOMPARE(shownWrongEntries().size(), 3);
    click(Welldone().Label3[1]);
    settle();
    // The next quiz, one wrong answer: only its entry is listed.
    click(science().Label3[0]);
    takeQuiz(quiz, {8});
    QCOMPARE(shownWrongEntries(), QStringList{QStringLiteral(" 8. ") + quiz.question[8]});
    QCOMPARE(Wrong().Label2[1]->Caption(), QString());
    click(Welldone().Label3[1]);
    settle();
    // And after full marks the list is empty.
    click(science().Label3[0]);
    takeQuiz(quiz, {});
    QVERIFY(shownWrongEntries().isEmpty());
}

QTEST_MAIN(WrongTest)
#include "tst_wrong.moc"
