#include "QuizDriver.h"

#include "beginning.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// A spot of bare background on both hubs, right of the pictures.
const QPoint kBare(788, 300);

Hub *openHub(const QString &name)
{
    intro0().Show();
    click(intro0().Label2[name == QLatin1String("science") ? 10 : 15]);
    return name == QLatin1String("science") ? static_cast<Hub *>(scienceIfLoaded())
                                            : static_cast<Hub *>(beginningIfLoaded());
}

} // namespace

class HubTest : public QObject {
    Q_OBJECT
    ScreenFixture *fx = nullptr;

private slots:
    void initTestCase() { fx = new ScreenFixture; }
    void cleanupTestCase() { delete fx; }
    void init() { QVERIFY(freshStart(*fx)); }

    void differences_data();
    void differences();
    void entries_data();
    void entries();
    void hoverRules_data();
    void hoverRules();
    void quizOpens_data();
    void quizOpens();
    void brokenQuizFileKeepsTheHub_data();
    void brokenQuizFileKeepsTheHub();
    void damagedQuizFiles_data();
    void damagedQuizFiles();
    void exitBringsBackTheMenu_data();
    void exitBringsBackTheMenu();
    void everyEntryClicks_data();
    void everyEntryClicks();
};

void HubTest::differences_data()
{
    QTest::addColumn<QString>("hub");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QRectF>("titleBox");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QPointF>("pictureAt");
    // The cave is 640 pixels wide: centred, its left is (12000 - 9600) / 2.
    QTest::newRow("science") << "science"
                             << "The Science of Rocks" << QRectF(240, 0, 6000, 900) << QColor(39, 63, 137)
                             << "images\\cave.jpg" << QPointF(1200, 0);
    QTest::newRow("beginning") << "beginning"
                               << "The Beginning: the Earth" << QRectF(120, 0, 6120, 900) << QColor(115, 155, 207)
                               << "images\\science.jpg" << QPointF(0, 360);
}

void HubTest::differences()
{
    QFETCH(QString, hub);
    QFETCH(QString, title);
    QFETCH(QRectF, titleBox);
    QFETCH(QColor, back);
    QFETCH(QString, picture);
    QFETCH(QPointF, pictureAt);
    Hub *form = openHub(hub);
    QVERIFY(form);
    QCOMPARE(topForm(), form);
    QCOMPARE(form->FormName(), hub);
    QCOMPARE(form->Caption(), QStringLiteral("Terralore"));
    QCOMPARE(form->BackColor(), back);
    QCOMPARE(form->Label1->Caption(), title);
    QCOMPARE(twipsBox(form->Label1), titleBox);
    QCOMPARE(form->Label1->FontSize(), 27.75);
    QCOMPARE(form->Label1->BackStyle(), int(vbTransparent));
    QCOMPARE(form->Image1->PictureSource(), picture);
    QVERIFY(!form->Image1->picture().isNull());
    QCOMPARE(QPointF(form->Image1->Left(), form->Image1->Top()), pictureAt);
    // The image takes the picture's own size.
    QCOMPARE(QSizeF(form->Image1->Width(), form->Image1->Height()), form->Image1->picture().sizeTwips());
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
}

void HubTest::entries_data()
{
    addLabelButtonColumns();
    QTest::newRow("0") << 0 << "Multiple Choice" << QRectF(120, 7920, 3195, 495);
    QTest::newRow("1") << 1 << "Labelling Activity" << QRectF(3600, 7920, 3195, 495);
    QTest::newRow("2") << 2 << "Exit" << QRectF(10560, 7920, 1245, 495);
    QTest::newRow("3") << 3 << "Ordering Activity" << QRectF(7080, 7920, 3195, 495);
    QTest::newRow("4") << 4 << "Key Facts" << QRectF(6360, 120, 1995, 495);
    QTest::newRow("5") << 5 << "Teacher's Notes" << QRectF(8640, 120, 3195, 495);
}

void HubTest::entries()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRectF, box);
    for (const char *hub : {"science", "beginning"}) {
        Hub *form = openHub(QLatin1String(hub));
        QVERIFY(form);
        Label *entry = form->Label3[index];
        QVERIFY(isLabelButton(entry, caption, box));
        QCOMPARE(entry->BackStyle(), int(vbOpaque));
        QVERIFY(entry->Visible());
        fx->reset();
    }
}

void HubTest::hoverRules_data()
{
    QTest::addColumn<QString>("hub");
    QTest::addColumn<bool>("pictureResets");
    QTest::newRow("science") << "science" << true;
    QTest::newRow("beginning") << "beginning" << false;
}

void HubTest::hoverRules()
{
    QFETCH(QString, hub);
    QFETCH(bool, pictureResets);
    Hub *form = openHub(hub);
    QVERIFY(form);
    auto styles = [form] {
        QList<int> s;
        form->Label3.forEach([&s](int, Label *l) { s << l->BackStyle(); });
        return s;
    };
    const QList<int> allOpaque(6, vbOpaque), allClear(6, vbTransparent);
    QCOMPARE(styles(), allOpaque);
    hover(form->client(), kBare);
    QCOMPARE(styles(), allClear);
    hover(form->Label3[4]);
    hover(form->Label3[0]);
    const QList<int> twoLit{vbOpaque, vbTransparent, vbTransparent, vbTransparent, vbOpaque, vbTransparent};
    QCOMPARE(styles(), twoLit);
    // The title changes nothing; the picture clears them only on science.
    hover(form->Label1);
    QCOMPARE(styles(), twoLit);
    hover(form->Image1);
    QCOMPARE(styles(), pictureResets ? allClear : twoLit);
    hover(form->client(), kBare);
    QCOMPARE(styles(), allClear);
}

void HubTest::quizOpens_data()
{
    QTest::addColumn<QString>("hub");
    QTest::addColumn<QString>("quizFile");
    QTest::addColumn<QString>("smallPicture");
    QTest::newRow("science") << "science"
                             << "multiple/The Science of Rocks.txt"
                             << "images\\cavesm.jpg";
    QTest::newRow("beginning") << "beginning"
                               << "multiple/The Beginning.txt"
                               << "images\\sciencesm.jpg";
}

void HubTest::quizOpens()
{
    QFETCH(QString, hub);
    QFETCH(QString, quizFile);
    QFETCH(QString, smallPicture);
    const QuizOnDisk onDisk(fx->data.file(quizFile));
    QVERIFY(onDisk.ok);
    Hub *form = openHub(hub);
    QVERIFY(form);
    // Note how many sounds had played when the quiz came up.
    qsizetype soundsAtShow = -1;
    const auto connection = QObject::connect(&Stage::instance(), &Stage::formShown, [&](Form *shown) {
        if (shown->FormName() == QLatin1String("multiple"))
            soundsAtShow = Sound::played().size();
    });
    click(form->Label3[0]);
    QObject::disconnect(connection);
    QVERIFY(multipleIfLoaded());
    QCOMPARE(topForm(), &multiple());
    QCOMPARE(multiple().Picture1->PictureSource(), smallPicture);
    QVERIFY(!multiple().Picture1->picture().isNull());
    QCOMPARE(multiple().Label5->Caption(), QStringLiteral("Terralore"));
    QCOMPARE(multiple().Label6->Caption(), onDisk.title);
    QCOMPARE(Module1::QuizTitle, onDisk.title);
    for (int q = 1; q <= 10; ++q) {
        QCOMPARE(Module1::QuestionText[std::size_t(q)], onDisk.question[std::size_t(q)]);
        QCOMPARE(Module1::CorrectAnswer[std::size_t(q)], onDisk.correctAnswer[std::size_t(q)]);
    }
    QCOMPARE(multiple().Label2->Caption(), onDisk.question[1]);
    // The hub stays beneath; the click sounds after the quiz is shown.
    QVERIFY(form->isVisible());
    QCOMPARE(soundsAtShow, 1);
    QCOMPARE(playedPaths(), (QStringList{"wav\\click.wav", "wav\\click.wav"}));
}

void HubTest::brokenQuizFileKeepsTheHub_data()
{
    QTest::addColumn<QString>("hub");
    QTest::addColumn<QString>("quizFile");
    QTest::addColumn<int>("keptLines"); // -1: the file is missing
    QTest::newRow("science missing") << "science"
                                     << "multiple/The Science of Rocks.txt" << -1;
    QTest::newRow("beginning missing") << "beginning"
                                       << "multiple/The Beginning.txt" << -1;
    QTest::newRow("science empty") << "science"
                                   << "multiple/The Science of Rocks.txt" << 0;
    QTest::newRow("science cut after question 4") << "science"
                                                  << "multiple/The Science of Rocks.txt" << 30;
    QTest::newRow("beginning without its last line") << "beginning"
                                                     << "multiple/The Beginning.txt" << 71;
}

void HubTest::brokenQuizFileKeepsTheHub()
{
    QFETCH(QString, hub);
    QFETCH(QString, quizFile);
    QFETCH(int, keptLines);
    if (keptLines < 0) {
        QVERIFY(fx->data.remove(quizFile));
    } else {
        const QList<QByteArray> lines = fx->data.read(quizFile).split('\n');
        QVERIFY(fx->data.write(quizFile, lines.mid(0, keptLines).join('\n')));
    }
    Hub *form = openHub(hub);
    QVERIFY(form);
    Sound::clearLog();
    click(form->Label3[0]);
    settle();
    QCOMPARE(shownPrompts(), QStringList{"This worksheet seems to be corrupted."});
    QCOMPARE(MessageBoxes::shown().first().buttons, MsgButtons::OK);
    QVERIFY(!multipleIfLoaded());
    QCOMPARE(topForm(), form);
    QCOMPARE(playedPaths(), QStringList{"wav\\click.wav"});
    // The hub still works: Exit leaves it.
    click(form->Label3[2]);
    settle();
    QCOMPARE(topForm(), &intro0());
}

void HubTest::damagedQuizFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("score"); // answering by the shipped digits; -1: not checked
    QTest::newRow("empty") << "empty.txt" << false << -1;
    QTest::newRow("title only") << "title-only.txt" << false << -1;
    QTest::newRow("cut mid question") << "cut-mid-question.txt" << false << -1;
    QTest::newRow("71 lines") << "71-lines.txt" << false << -1;
    QTest::newRow("no line ends") << "no-line-ends.txt" << false << -1;
    QTest::newRow("binary") << "binary.txt" << false << -1;
    QTest::newRow("line feeds only") << "lf-only.txt" << true << 10;
    QTest::newRow("nul bytes in the texts") << "nul-bytes.txt" << true << 10;
    // Answer digits no option matches: every question counts wrong.
    QTest::newRow("digit zero") << "digit-zero.txt" << true << 0;
    QTest::newRow("digit nine") << "digit-nine.txt" << true << 0;
    QTest::newRow("digit word") << "digit-word.txt" << true << 0;
    QTest::newRow("quoted lines") << "quotes.txt" << true << 0;
    QTest::newRow("very long lines") << "very-long-lines.txt" << true << 0;
    QTest::newRow("unescaped commas") << "unescaped-commas.txt" << true << -1;
    QTest::newRow("flipped bits") << "flipped.txt" << true << -1;
}

void HubTest::damagedQuizFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, opens);
    QFETCH(int, score);
    const QuizOnDisk shipped(fx->data.file(kRocksQuiz));
    QVERIFY(fx->data.write(kRocksQuiz, readFile(fixturesFolder() + QStringLiteral("/damaged/quiz/") + file)));
    Hub *form = openHub(QStringLiteral("science"));
    QVERIFY(form);
    click(form->Label3[0]);
    if (!opens) {
        QCOMPARE(shownPrompts(), QStringList{"This worksheet seems to be corrupted."});
        QVERIFY(!multipleIfLoaded());
        QCOMPARE(topForm(), form);
        return;
    }
    QVERIFY(shownPrompts().isEmpty());
    QCOMPARE(topForm(), &multiple());
    QCOMPARE(multiple().Label6->Caption(), Module1::QuizTitle);
    takeQuiz(shipped, {});
    QCOMPARE(topForm(), &Welldone());
    QVERIFY(Module1::Score >= 0 && Module1::Score <= 10);
    if (score >= 0)
        QCOMPARE(Module1::Score, score);
    QCOMPARE(shownWrongEntries().size(), 10 - Module1::Score);
}

void HubTest::exitBringsBackTheMenu_data()
{
    hoverRules_data();
}

void HubTest::exitBringsBackTheMenu()
{
    QFETCH(QString, hub);
    Hub *form = openHub(hub);
    QVERIFY(form);
    click(form->Label3[2]);
    settle();
    QVERIFY(!scienceIfLoaded());
    QVERIFY(!beginningIfLoaded());
    QCOMPARE(topForm(), &intro0());
    QCOMPARE(playedPaths(), (QStringList{"wav\\click.wav", "wav\\click.wav"}));
    // A hub opens afresh from its design state.
    form = openHub(hub);
    QVERIFY(form);
    QCOMPARE(form->Label3[2]->BackStyle(), int(vbOpaque));
}

void HubTest::everyEntryClicks_data()
{
    QTest::addColumn<QString>("hub");
    QTest::addColumn<int>("index");
    for (const char *hub : {"science", "beginning"})
        for (int index = 0; index <= 5; ++index)
            QTest::addRow("%s %d", hub, index) << QString::fromLatin1(hub) << index;
}

void HubTest::everyEntryClicks()
{
    QFETCH(QString, hub);
    QFETCH(int, index);
    Hub *form = openHub(hub);
    QVERIFY(form);
    click(form->Label3[index]);
    QCOMPARE(playedPaths(), (QStringList{"wav\\click.wav", "wav\\click.wav"}));
    // With the sound off nothing plays.
    fx->reset();
    form = openHub(hub);
    Module1::SoundOn = 0;
    Sound::clearLog();
    click(form->Label3[index]);
    QVERIFY(playedPaths().isEmpty());
}

QTEST_MAIN(HubTest)
#include "tst_hubs.moc"
