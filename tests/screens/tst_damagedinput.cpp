// Damaged files opened through the screens that read them: the corrupted
// worksheet message where one is due, a quiet skip elsewhere, files unchanged.
#include "AuthoringTest.h"
#include "PagerTesting.h"

#include "FieldReader.h"
#include "PictureTesting.h"
#include "QuizFile.h"
#include "QuizScreen.h"
#include "ResourcePath.h"
#include "ResultsScreen.h"
#include "ScienceHub.h"
#include "TextCodec.h"
#include "WorksheetCatalogue.h"
#include "WorksheetWizard.h"

#include <QDir>
#include <QFileInfo>

using namespace terralore;
using namespace terralore::test;

namespace {

// Quiz files that end before their 72nd field.
const QStringList kUnreadableQuizzes = {"empty.txt",    "title-only.txt", "cut-mid-question.txt",
                                        "71-lines.txt", "binary.txt",     "no-line-ends.txt"};

// Damaged pictures of which the reader still salvages a part (a cut JPEG is
// filled in grey, a metafile plays the records before the damage); every
// other one leaves its control empty.
const QStringList kSalvaged = {"half.jpg", "flipped.wmf",     "forged-header.wmf",   "giant-frame.wmf",
                               "half.wmf", "header-only.wmf", "record-overruns.wmf", "zero-size-record.wmf"};

// Damaged indexes that still give titles; every other one lists nothing.
const QHash<QString, QStringList> kListedTitles = {{"short.txt", {"A", "B"}}, {"commas.txt", {"Sand", "silt"}}};

QString damaged(const QString &kind)
{
    return fixturesFolder() + QStringLiteral("/damaged/") + kind;
}

QByteArray damagedFile(const QString &kind, const QString &file)
{
    return readFile(damaged(kind) + QLatin1Char('/') + file);
}

// One row per file in the folder, so a file added to the corpus is tested too.
void addCorpusRows(const QString &kind, const QStringList &variants = {QString()})
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("variant");
    for (const QString &file : QDir(damaged(kind)).entryList(QDir::Files, QDir::Name))
        for (const QString &variant : variants)
            QTest::newRow(qPrintable(variant.isEmpty() ? file : file + QStringLiteral(", ") + variant))
                << file << variant;
}

Quiz quizIn(const QByteArray &bytes, bool *complete = nullptr)
{
    Quiz quiz;
    FieldReader reader(bytes);
    const bool read = loadQuizFile(reader, quiz);
    if (complete)
        *complete = read;
    return quiz;
}

// What the screen holds is the file's own salvage, the same at every reading,
// never what a buffer held before.
void verifySalvage(const Picture &shown, const QString &file, const QByteArray &bytes)
{
    QCOMPARE(shown.isNull(), !kSalvaged.contains(file));
    if (shown.isNull())
        return;
    QCOMPARE(renderPicture(shown, QSize(160, 120)), renderPicture(Picture::fromData(bytes), QSize(160, 120)));
}

// The quiz screen shows every question of quiz, turned with "Next Question >>".
// Answered, each question gets the option its digit names, and the score
// counts the digits that name an option.
void verifyQuizShown(const Quiz &quiz, bool answer = false)
{
    int fitting = 0;
    QCOMPARE(topForm(), quizScreenIfLoaded());
    QCOMPARE(quizScreen().quizTitle->Caption(), quiz.title);
    for (std::size_t q = 1; q <= 10; ++q) {
        const QuizQuestion &question = quiz.questions[q - 1];
        QCOMPARE(quizScreen().questionText->Caption(), question.text);
        for (int j = 1; j <= 4; ++j)
            QCOMPARE(quizScreen().answerButtons[j]->text(), question.options[std::size_t(j - 1)]);
        const int digit = int(QStringList({"1", "2", "3", "4"}).indexOf(question.answer)) + 1;
        if (answer && digit > 0) {
            click(quizScreen().answerButtons[digit], QPoint(8, quizScreen().answerButtons[digit]->height() / 2));
            ++fitting;
        }
        if (q < 10 || answer)
            click(quizScreen().entryButtons[QuizScreen::NextEntry]);
    }
    if (answer) {
        settle();
        QCOMPARE(topForm(), resultsScreenIfLoaded());
        QCOMPARE(resultsScreen().result().score, fitting);
    }
}

void verifyWizardShown(const Quiz &quiz)
{
    QCOMPARE(topForm(), worksheetWizardIfLoaded());
    // A box holds one line: control characters the file held are gone.
    QCOMPARE(worksheetWizard().titleBox->Text(), singleLineText(quiz.title));
    for (int q = 0; q < 10; ++q) {
        const QuizQuestion &question = quiz.questions[std::size_t(q)];
        QCOMPARE(worksheetWizard().questionBoxes[q]->Text(), singleLineText(question.text));
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(worksheetWizard().optionBoxes[4 * q + j]->Text(),
                     singleLineText(question.options[std::size_t(j)]));
            QCOMPARE(worksheetWizard().answerTicks[4 * q + j]->Value(),
                     question.answer == QString::number(j + 1) ? 1 : 0);
        }
    }
}

// What a screen shows a replaced picture in, and an entry that must still work.
struct PictureOnScreen {
    PictureControl *control = nullptr;
    Form *form = nullptr;
    Label *entry = nullptr;
};

PictureOnScreen openScreenShowing(const QString &target)
{
    mainMenu().Show();
    settle();
    if (target.startsWith(QLatin1String("Images/stair")))
        return {mainMenu().picture, &mainMenu(), mainMenu().entryButtons[MainMenu::ScienceEntry]};
    if (target.startsWith(QLatin1String("Images/cave"))) {
        click(mainMenu().entryButtons[MainMenu::ScienceEntry]);
        return {scienceHub().picture, &scienceHub(), scienceHub().entryButtons[Hub::ExitEntry]};
    }
    click(mainMenu().entryButtons[MainMenu::AcknowledgmentsEntry]); // the acknowledgments, with the logo running
    if (!QTest::qWaitFor([] { return notesPager().animatedLogo->Visible(); }))
        return {};
    // A few frames on, so the timer has gone over damaged frames and on.
    const int first = session().pager.logoFrame;
    if (!QTest::qWaitFor([first] { return (session().pager.logoFrame + 20 - first) % 20 >= 3; }))
        return {};
    return {target.endsWith(QLatin1String(".bmp")) ? notesPager().stillLogo : notesPager().animatedLogo, &notesPager(),
            notesPager().entryButtons[Exit]};
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class DamagedInputTest : public QObject {
    Q_OBJECT
    QStringList replaced; // resource files a row put a damaged file in place of

    bool replace(const QString &relative, const QByteArray &bytes)
    {
        replaced << relative;
        return fixture().data.write(relative, bytes);
    }

private slots:
    void init()
    {
        QVERIFY(QDir::setCurrent(fixture().data.path()));
        fixture().reset();
        QVERIFY(resetWorksheetFolder(fixture().data));
    }
    void cleanup()
    {
        qputenv("TERRALORE_NO_AUDIO", "1");
        QVERIFY(QDir::setCurrent(fixture().data.path()));
        for (const QString &file : std::as_const(replaced))
            QVERIFY(fixture().data.write(file, readFile(resourcesFolder() + QLatin1Char('/') + file)));
        replaced.clear();
    }

    void quizFilesFromTheCatalogue_data() { addCorpusRows(QStringLiteral("quiz"), {"open", "edit"}); }

    // A damaged worksheet in the catalogue, taken as a quiz or edited, after a
    // good one was opened, so anything left over from that would show.
    void quizFilesFromTheCatalogue()
    {
        QFETCH(QString, file);
        QFETCH(QString, variant);
        const bool edit = variant == QLatin1String("edit");
        const QByteArray bytes = damagedFile(QStringLiteral("quiz"), file);
        QVERIFY(putWorksheets(fixture().data, {"Chalk", "Damaged"}));
        QVERIFY(fixture().data.write(QStringLiteral("multiple/Damaged.txt"), bytes));
        bool complete = false;
        const Quiz held = quizIn(bytes, &complete);
        QCOMPARE(complete, !kUnreadableQuizzes.contains(file));
        bool digitsFit = complete;
        for (const QuizQuestion &question : held.questions)
            digitsFit = digitsFit && QStringList({"1", "2", "3", "4"}).contains(question.answer);
        const Quiz good = quizIn(fixture().data.read(QStringLiteral("multiple/Chalk.txt")));

        mainMenu().Show();
        QTRY_VERIFY(!mainMenu().indexTimer->Enabled());
        click(mainMenu().entryButtons[MainMenu::CatalogueEntry]);
        settle();
        click(worksheetCatalogue().titleButtons[1]);
        verifyQuizShown(good);
        quizScreen().Unload();
        settle();
        if (edit)
            click(worksheetCatalogue().editModeTick, QPoint(8, worksheetCatalogue().editModeTick->height() / 2));
        const auto before = folderSnapshot(fixture().data);
        click(worksheetCatalogue().titleButtons[2]);
        QCOMPARE(folderSnapshot(fixture().data), before);
        if (edit ? digitsFit : complete) {
            QVERIFY(shownPrompts().isEmpty());
            edit ? verifyWizardShown(held) : verifyQuizShown(held, true);
            return;
        }
        QCOMPARE(shownPrompts(), QStringList{kCorrupted});
        QCOMPARE(topForm(), &worksheetCatalogue());
        QVERIFY(!quizScreenIfLoaded() && !worksheetWizardIfLoaded());
        // The catalogue goes on: the good worksheet opens, whole.
        click(worksheetCatalogue().titleButtons[1]);
        QCOMPARE(shownPrompts(), QStringList{kCorrupted});
        edit ? verifyWizardShown(good) : verifyQuizShown(good);
        QCOMPARE(folderSnapshot(fixture().data), before);
    }

    void indexFiles_data() { addCorpusRows(QStringLiteral("index")); }

    // A damaged index read by the menu's timer and by the catalogue's load.
    void indexFiles()
    {
        QFETCH(QString, file);
        const QByteArray bytes = damagedFile(QStringLiteral("index"), file);
        QVERIFY(fixture().data.write(QStringLiteral("multiple/track.txt"), bytes));
        const QStringList expected = kListedTitles.value(file);
        mainMenu().Show();
        QTRY_VERIFY(!mainMenu().indexTimer->Enabled());
        QCOMPARE(session().worksheets.count, expected.size());
        for (int i = 1; i <= expected.size(); ++i)
            QCOMPARE(session().worksheets.names[i], expected[i - 1]);
        click(mainMenu().entryButtons[MainMenu::CatalogueEntry]);
        settle();
        QCOMPARE(topForm(), &worksheetCatalogue());
        QCOMPARE(visibleTitles(), expected);
        QVERIFY(!worksheetCatalogue().pageButtons[WorksheetCatalogue::PreviousPageEntry]->isVisible() &&
                !worksheetCatalogue().pageButtons[WorksheetCatalogue::NextPageEntry]->isVisible());
        QVERIFY(shownPrompts().isEmpty());
        QCOMPARE(fixture().data.read(QStringLiteral("multiple/track.txt")), bytes);
    }

    // JPEG, GIF and PNG go through one image reader, BMP first through a check
    // of its rows: one row per way a picture fails, on each screen with pictures.
    void pictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("variant");
        const auto row = [](const char *name, const char *file, const char *target) {
            QTest::newRow(name) << QString::fromLatin1(file) << QString::fromLatin1(target);
        };
        row("a cut JPEG on the menu", "jpeg/half.jpg", "Images/stairholesm.jpg");
        row("a JPEG too large on a hub", "jpeg/huge-frame.jpg", "Images/cave.jpg");
        row("empty GIF logo frames", "gif/empty.gif", "logo/quillmere00%1.gif");
        row("a BMP short of rows as the still logo", "bmp/offset-past-end.bmp", "logo/quillmere2.bmp");
    }

    // A damaged picture where a screen loads one: the screen opens without it.
    void pictures()
    {
        QFETCH(QString, file);
        QFETCH(QString, variant);
        const QByteArray bytes = readFile(damaged(file));
        QStringList targets;
        const bool frames = variant.contains(QLatin1String("%1"));
        for (int frame = 0; frame < (frames ? 20 : 1); ++frame)
            targets << (frames ? variant.arg(frame, 2, 10, QLatin1Char('0')) : variant);
        for (const QString &target : std::as_const(targets))
            QVERIFY(replace(target, bytes));
        const PictureOnScreen shown = openScreenShowing(targets.first());
        QVERIFY(shown.control);
        QCOMPARE(topForm(), shown.form);
        QVERIFY(targets.contains(
            QDir(fixture().data.path()).relativeFilePath(canonical(resolveResource(shown.control->PictureSource())))));
        verifySalvage(shown.control->picture(), QFileInfo(file).fileName(), bytes);
        QVERIFY(shown.control->isVisible());
        Stage::instance().grab(); // the empty picture paints without harm
        QVERIFY(shown.entry->isVisible() && shown.entry->isEnabled());
        click(shown.entry);
        settle();
        QVERIFY(topForm() != shown.form);
        QVERIFY(shownPrompts().isEmpty());
        for (const QString &target : std::as_const(targets))
            QCOMPARE(fixture().data.read(target), bytes);
    }

    void metafilePages_data() { addCorpusRows(QStringLiteral("wmf")); }

    // A damaged page in both page folders, turned to in the guide (every pager
    // loads its pages alike); the pages beside it still show.
    void metafilePages()
    {
        QFETCH(QString, file);
        const QByteArray bytes = damagedFile(QStringLiteral("wmf"), file);
        QVERIFY(replace(QStringLiteral("wmf/guide2.wmf"), bytes) && replace(QStringLiteral("wmf2/guide2.wmf"), bytes));
        mainMenu().Show();
        settle();
        click(mainMenu().entryButtons[MainMenu::GuideEntry]);
        QCOMPARE(topForm(), &guidePager());
        click(guidePager().entryButtons[Next]);
        verifyEntries(guidePager(), QStringLiteral("Page 2 of 5"), true, true);
        QCOMPARE(guidePager().pageImage->PictureSource(), QStringLiteral("wmf\\guide2.wmf"));
        QCOMPARE(guidePager().printCopy->PictureSource(), QStringLiteral("wmf2\\guide2.wmf"));
        verifySalvage(guidePager().pageImage->picture(), file, bytes);
        verifySalvage(guidePager().printCopy->picture(), file, bytes);
        Stage::instance().grab();
        click(guidePager().entryButtons[Previous]);
        verifyPage(guidePager(), QStringLiteral("wmf\\guide1.wmf"), QStringLiteral("wmf2\\guide1.wmf"));
        click(guidePager().entryButtons[Exit]);
        settle();
        QVERIFY(shownPrompts().isEmpty());
        QCOMPARE(fixture().data.read(QStringLiteral("wmf/guide2.wmf")), bytes);
        QCOMPARE(fixture().data.read(QStringLiteral("wmf2/guide2.wmf")), bytes);
    }

    void sounds_data() { addCorpusRows(QStringLiteral("wav")); }

    // A damaged click sound with the sound device on: the menu and the hub go on.
    void sounds()
    {
        QFETCH(QString, file);
        // A folder of its own: the program keeps one player per sound file, so
        // each damaged sound must come under a path not played before.
        TestData own;
        QVERIFY(own.isValid());
        const QByteArray bytes = damagedFile(QStringLiteral("wav"), file);
        QVERIFY(own.write(QStringLiteral("wav/click.wav"), bytes));
        qunsetenv("TERRALORE_NO_AUDIO");
        fakeServices().soundThroughDevice = true;
        mainMenu().Show();
        settle();
        click(mainMenu().entryButtons[MainMenu::ScienceEntry]);
        QTest::qWait(50);
        QCOMPARE(topForm(), &scienceHub());
        click(scienceHub().entryButtons[Hub::ExitEntry]);
        QTest::qWait(50);
        QCOMPARE(topForm(), &mainMenu());
        QCOMPARE(playedPaths(), QStringList(2, QStringLiteral("wav\\click.wav")));
        QVERIFY(shownPrompts().isEmpty());
        QCOMPARE(own.read(QStringLiteral("wav/click.wav")), bytes);
    }
};

QTEST_MAIN(DamagedInputTest)
#include "tst_damagedinput.moc"
