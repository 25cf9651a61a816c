// The screens played with the keyboard alone: Tab in reading order, the
// arrows within a group, Enter and Space, the focus mark, and captions
// carried to their boxes. (Escape on every screen: tst_navigation.)
#include "ActivityTest.h"
#include "AuthoringTest.h"
#include "QuizDriver.h"

#include "FocusMark.h"
#include "Hub.h"

#include <QLineEdit>

#include <functional>

using namespace terralore;
using namespace terralore::test;

namespace {

// What a user would call the focused control: its caption or text, or a
// text box's name.
QString focused()
{
    QWidget *w = QApplication::focusWidget();
    if (auto *label = qobject_cast<Label *>(w))
        return label->Caption();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *control = dynamic_cast<Control *>(w))
        return control->Name() + QString::number(control->Index());
    return QStringLiteral("nothing");
}

using Opener = std::function<void()>;

void openMenu()
{
    mainMenu().Show();
}

void openScienceHub()
{
    openMenu();
    pressKey(Qt::Key_Tab);
    while (focused() != QLatin1String("The Science of Rocks"))
        pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Return);
}

void openQuiz()
{
    openRocksQuiz();
}

FocusMark *mark()
{
    return Stage::instance().findChild<FocusMark *>();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        freshStart();
        QVERIFY(resetWorksheetFolder(fixture().data));
        // A mouse press: the keyboard is not in use until a key is pressed.
        QTest::mouseClick(&Stage::instance(), Qt::LeftButton, {}, QPoint(2, 2));
    }

    void tabWalksInReadingOrder_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QStringList>("stops"); // from the screen's first, round to it again
        const QuizOnDisk quiz(fixture().data.file(kRocksQuiz));
        QTest::newRow("main menu") << Opener(openMenu)
                                   << QStringList{"Sound On",
                                                  "Teachers' Guide",
                                                  "The Beginning: the Earth",
                                                  "The Science of Rocks",
                                                  "Multiple Choice Wizard",
                                                  "Worksheet Catalogue",
                                                  "Acknowledgments",
                                                  "Exit",
                                                  "Sound On"};
        QTest::newRow("hub") << Opener(openScienceHub)
                             << QStringList{"Key Facts",          "Teacher's Notes",   "Multiple Choice",
                                            "Labelling Activity", "Ordering Activity", "Exit",
                                            "Key Facts"};
        QTest::newRow("quiz, first question")
            << Opener([] {
                   openQuiz();
                   pressKey(Qt::Key_Tab); // from the hidden no-answer marker
               })
            // Read aloud sits in the bottom row, left of the entries.
            << QStringList{"Print Worksheet", "Print Answer Key", quiz.questions[0].options[0],
                           "Read aloud",      "Next Question >>", "Exit",
                           "Print Worksheet"};
        QTest::newRow("guide, greyed Previous Page passed by") << Opener([] {
            openMenu();
            click(mainMenu().entryButtons[MainMenu::GuideEntry]);
        }) << QStringList{"Print", "Next Page", "Read aloud", "Exit", "Print"};
        QTest::newRow("wizard") << Opener([] { worksheetWizard().Show(); })
                                << QStringList{"titleBox-1", "questionBoxes0", "optionBoxes0"};
    }

    // Tab goes forward through the stops, Shift+Tab back along the same way.
    void tabWalksInReadingOrder()
    {
        QFETCH(Opener, open);
        QFETCH(QStringList, stops);
        open();
        settle();
        QCOMPARE(focused(), stops[0]);
        for (qsizetype i = 1; i < stops.size(); ++i) {
            pressKey(Qt::Key_Tab);
            QCOMPARE(focused(), stops[i]);
        }
        for (qsizetype i = stops.size() - 2; i >= 0; --i) {
            pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focused(), stops[i]);
        }
    }

    void arrowsMoveWithinAGroup_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("menu, down the column")
            << Opener(openMenu) << "The Beginning: the Earth" << int(Qt::Key_Down) << "Acknowledgments";
        QTest::newRow("menu, across") << Opener(openMenu) << "The Science of Rocks" << int(Qt::Key_Right)
                                      << "Multiple Choice Wizard";
        QTest::newRow("hub, along the foot")
            << Opener(openScienceHub) << "Multiple Choice" << int(Qt::Key_Right) << "Labelling Activity";
        QTest::newRow("sound, chosen as reached") << Opener(openMenu) << "Sound On" << int(Qt::Key_Down) << "Sound Off";
    }

    void arrowsMoveWithinAGroup()
    {
        QFETCH(Opener, open);
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        open();
        settle();
        for (int i = 0; i < 20 && focused() != from; ++i)
            pressKey(Qt::Key_Tab);
        pressKey(key);
        QCOMPARE(focused(), to);
        QCOMPARE(session().soundOn, to != QLatin1String("Sound Off"));
    }

    // The mark shows only once a key is pressed, round the focused control,
    // in white on a black button and black on a white text box, and goes
    // with the next mouse press.
    void focusMarkFollowsTheKeyboardOnly()
    {
        openMenu();
        settle();
        QVERIFY(!mark() || !mark()->isVisible());
        pressKey(Qt::Key_Tab);
        QVERIFY(mark() && mark()->isVisible());
        QWidget *guide = mainMenu().entryButtons[MainMenu::GuideEntry];
        QCOMPARE(QApplication::focusWidget(), guide);
        QCOMPARE(mark()->geometry(), guide->geometry());
        QCOMPARE(mark()->grab().toImage().pixelColor(0, guide->height() / 2), QColor(Qt::white));
        QTest::mouseClick(&Stage::instance(), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!mark()->isVisible());
        QCOMPARE(focusMarkColourOn(Qt::white), QColor(Qt::black));
    }

    void captionsCarriedByKeys_data() { addEveryScreen(); }

    // Space picks a caption up, the arrows carry it to its box, Space drops it
    // with the pointer's thud; Escape takes a carried caption home.
    void captionsCarriedByKeys()
    {
        QFETCH(QString, screen);
        QFETCH(int, n);
        Activity &a = openActivity(screen);
        settle();
        for (int i = 0; i < n; ++i) {
            a.captions[i]->setFocus(Qt::TabFocusReason);
            pressKey(Qt::Key_Space);
            pressKey(Qt::Key_Right);
            pressKey(Qt::Key_Escape);
            QCOMPARE(cornerOf(a.captions[i]), cornerOf(a.homeBoxes[i]));
            QCOMPARE(topForm(), &a);
            pressKey(Qt::Key_Space);
            for (int step = 0; step < n && cornerOf(a.captions[i]) != cornerOf(a.targetBoxes[i]); ++step)
                pressKey(Qt::Key_Right);
            pressKey(Qt::Key_Space);
            QCOMPARE(cornerOf(a.captions[i]), cornerOf(a.targetBoxes[i]));
            QCOMPARE(countOf(kThud), i + 1);
        }
        QWidget *check = a.entryButtons[Activity::CheckScoreEntry];
        QVERIFY(check->isVisible());
        check->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Return);
        QCOMPARE(topForm()->FormName(), QLatin1String("ResultsScreen"));
        QCOMPARE(session().progress.score, n);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
