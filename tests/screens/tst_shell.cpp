// Start-up, the title screen, the backdrop and the standard screen set-up.
#include "ScreenTest.h"

#include "Grey.h"
#include "Titlefrm.h"
#include "intro0.h"

#include <QGuiApplication>

using namespace terralore;
using namespace terralore::test;

namespace {

// A bare screen with nothing but what the set-up touches.
class PlainForm : public Form {
public:
    PlainForm() : Form(QStringLiteral("plain")) {}
};

class FormWithPicture : public Form {
public:
    FormWithPicture() : Form(QStringLiteral("pictured"))
    {
        box = new PictureBox(this, QStringLiteral("Picture1"));
        box->setBackColor(QColor(1, 2, 3));
    }
    PictureBox *box;
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

private slots:
    void initTestCase() { fx = new ScreenFixture; }
    void cleanupTestCase() { delete fx; }
    void init() { fx->reset(); }
    void cleanup() { Stage::instance().resize(1024, 768); }

    void setUpCentresOnTheDisplay_data();
    void setUpCentresOnTheDisplay();
    void setUpColoursPicture1AndRestoresThePointer();
    void titleScreenComesUpCentredOverTheBackdrop();
    void titleScreenWithoutItsPictureFallsBackToTheStandardSetUp();
    void okShowsTheMenuThenClicks();
    void exitAtStartUpEndsWithoutAClick();
    void exitFromTheMenuClicksAfterTheTitleScreenIsShown();
    void cancelReturnsToTheSameMenu();
};

void ShellTest::setUpCentresOnTheDisplay_data()
{
    QTest::addColumn<QSize>("display");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("1024 by 768") << QSize(1024, 768) << 1680.0f << 1260.0f;
    QTest::newRow("800 by 600") << QSize(800, 600) << 0.0f << 0.0f;
    QTest::newRow("640 by 480 overhangs equally") << QSize(640, 480) << -1200.0f << -900.0f;
    QTest::newRow("1920 by 1080") << QSize(1920, 1080) << 8400.0f << 3600.0f;
}

void ShellTest::setUpCentresOnTheDisplay()
{
    QFETCH(QSize, display);
    QFETCH(float, left);
    QFETCH(float, top);
    Stage::instance().resize(display);
    PlainForm form;
    Module1::SetUpScreen(form);
    QCOMPARE(form.Width(), 12000.0f);
    QCOMPARE(form.Height(), 9000.0f);
    QCOMPARE(form.Left(), left);
    QCOMPARE(form.Top(), top);
    QCOMPARE(form.geometry(), QRect(qRound(left / 15), qRound(top / 15), 800, 600));
    QCOMPARE(form.BackColor(), QColor(39, 63, 137));
    QCOMPARE(form.Caption(), QStringLiteral("Terralore"));
}

void ShellTest::setUpColoursPicture1AndRestoresThePointer()
{
    FormWithPicture form;
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    Module1::SetUpScreen(form);
    QCOMPARE(form.box->BackColor(), QColor(49, 135, 214));
    QVERIFY(!QGuiApplication::overrideCursor());
    PlainForm plain;
    Module1::SetUpScreen(plain);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void ShellTest::titleScreenComesUpCentredOverTheBackdrop()
{
    Titlefrm().Show();
    QVERIFY(GreyIfLoaded());
    QVERIFY(Grey().isVisible());
    QCOMPARE(Grey().geometry(), Stage::instance().rect());
    QCOMPARE(Grey().BackColor(), QColor(48, 133, 214));
    QCOMPARE(topForm(), &Titlefrm());
    QCOMPARE(Titlefrm().Caption(), QStringLiteral(" "));
    QCOMPARE(Titlefrm().Command1->Caption(), QStringLiteral("OK"));
    QCOMPARE(Titlefrm().BackColor(), QColor(192, 192, 192));
    QCOMPARE(Titlefrm().client()->width() * 15, 5460);
    QCOMPARE(Titlefrm().client()->height() * 15, 6570);
    QCOMPARE(Titlefrm().Left(), (15360 - Titlefrm().Width()) / 2);
    QCOMPARE(Titlefrm().Top(), (11520 - Titlefrm().Height()) / 2);
    QVERIFY(!Titlefrm().Picture1->picture().isNull());
    QCOMPARE(Titlefrm().Label4->Caption(), QStringLiteral("Terralore"));
}

void ShellTest::titleScreenWithoutItsPictureFallsBackToTheStandardSetUp()
{
    QVERIFY(fx->data.remove(QStringLiteral("Images/stairholesm.jpg")));
    Titlefrm().Show();
    QCOMPARE(Titlefrm().Width(), 12000.0f);
    QCOMPARE(Titlefrm().Caption(), QStringLiteral("Terralore"));
    QCOMPARE(Titlefrm().Left(), 1680.0f);
    QVERIFY(Titlefrm().Picture1->picture().isNull());
    click(Titlefrm().Command1);
    settle();
    QCOMPARE(topForm(), &intro0());
}

void ShellTest::okShowsTheMenuThenClicks()
{
    Titlefrm().Show();
    int formsShownBeforeSound = -1;
    connect(&Stage::instance(), &Stage::formShown, this, [&](Form *form) {
        if (form == &intro0())
            formsShownBeforeSound = int(Sound::played().size());
    });
    click(Titlefrm().Command1);
    settle();
    disconnect(&Stage::instance(), &Stage::formShown, this, nullptr);
    QCOMPARE(formsShownBeforeSound, 0);
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
    QVERIFY(!TitlefrmIfLoaded());
    QCOMPARE(topForm(), &intro0());
}

void ShellTest::exitAtStartUpEndsWithoutAClick()
{
    Titlefrm().Show();
    click(Titlefrm().Command2);
    QVERIFY(Stage::instance().programEnded());
    QVERIFY(Stage::instance().forms().isEmpty());
    QVERIFY(playedPaths().isEmpty());
    Stage::instance().show();
}

void ShellTest::exitFromTheMenuClicksAfterTheTitleScreenIsShown()
{
    intro0().Show();
    int soundsWhenShown = -1;
    connect(&Stage::instance(), &Stage::formShown, this, [&](Form *form) {
        if (form == TitlefrmIfLoaded())
            soundsWhenShown = int(Sound::played().size());
    });
    click(intro0().Label2[16]);
    disconnect(&Stage::instance(), &Stage::formShown, this, nullptr);
    QCOMPARE(soundsWhenShown, 0);
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
    click(Titlefrm().Command2);
    QVERIFY(Stage::instance().programEnded());
    QCOMPARE(playedPaths(), (QStringList{"wav\\click.wav", "wav\\click.wav"}));
    Stage::instance().show();
}

void ShellTest::cancelReturnsToTheSameMenu()
{
    intro0().Show();
    intro0Form *menu = &intro0();
    click(intro0().Option2, QPoint(8, 8));
    click(intro0().Label2[16]);
    QCOMPARE(topForm(), &Titlefrm());
    // The backdrop came in front of the menu with the title screen.
    QVERIFY(Grey().isVisible());
    const QObjectList layers = Stage::instance().children();
    QVERIFY(layers.indexOf(&Grey()) > layers.indexOf(menu));
    click(Titlefrm().Command1);
    settle();
    QCOMPARE(intro0IfLoaded(), menu);
    QCOMPARE(topForm(), menu);
    QCOMPARE(Module1::SoundOn, 0);
    QVERIFY(intro0().Option2->Value());
    QVERIFY(playedPaths().isEmpty());
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
