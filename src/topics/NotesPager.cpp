#include "NotesPager.h"

#include "StandardScreen.h"

using namespace terralore;

namespace {

// A page set has at most three pages, lettered a to c.
const char kPageLetters[] = {'a', 'b', 'c'};

// "wmf\key scienceb.wmf" for folder "wmf\", page 2 of "key science"; empty
// outside pages 1 to 3.
QString pageFile(const QString &folder, const QString &set, int page)
{
    if (page < 1 || page > 3)
        return QString();
    return folder + set + QLatin1Char(kPageLetters[page - 1]) + QStringLiteral(".wmf");
}

// "logo\quillmere0007.gif" for frame 7.
QString logoFrameFile(int frame)
{
    const QString stem = frame < 10 ? QStringLiteral("logo\\quillmere000") : QStringLiteral("logo\\quillmere00");
    return stem + QString::number(frame) + QStringLiteral(".gif");
}

} // namespace

NotesPager::NotesPager() : Pager(QStringLiteral("NotesPager"), {.image2Left = 0, .image2Top = 0, .counter = ""})
{
    createEntries();
    animatedLogo = new PictureBox(this, QStringLiteral("animatedLogo"));
    animatedLogo->moveTwips(9000, 4320, 1800, 1800);
    animatedLogo->setVisible(false);
    stillLogo = new PictureBox(this, QStringLiteral("stillLogo"));
    stillLogo->moveTwips(9030, 6240, 1800, 1335);
    // The still logo sits on the acknowledgments page's own blue.
    stillLogo->setBackColor(QColor(49, 130, 212));
    stillLogo->setVisible(false);
    logoTimer = new Timer(this, "logoTimer", 25);
    connect(logoTimer, &Timer::Tick, this, &NotesPager::showNextLogoFrame);
}

void NotesPager::onLoad()
{
    setUpStandardScreen(*this, animatedLogo);
    session().pager.pageNumber = 1;
}

void NotesPager::showPageSet(const QString &stem, int pages)
{
    PagerState &pager = session().pager;
    pager.pageCount = pages;
    pager.pageSet = stem;
    if (pages == 1) {
        pageCounterLine->setVisible(false);
        entryButtons[NextEntry]->setVisible(false);
        entryButtons[PreviousEntry]->setVisible(false);
    }
    pageCounterLine->setCaption(pageCounterText(pager.pageNumber, pages));
    openPage(pageFile(QStringLiteral("wmf\\"), stem, 1), pageFile(QStringLiteral("wmf2\\"), stem, 1));
    Show();
}

void NotesPager::showAcknowledgments()
{
    pageCounterLine->setVisible(false);
    entryButtons[NextEntry]->setVisible(false);
    entryButtons[PreviousEntry]->setVisible(false);
    openPage(QStringLiteral("wmf\\acknowledgments.wmf"), QStringLiteral("wmf2\\acknowledgments.wmf"));
    stillLogo->LoadPicture(QStringLiteral("logo\\quillmere2.bmp"));
    setBackColor(QColor(49, 130, 212));
    logoTimer->setEnabled(true);
    Show();
}

void NotesPager::turnPage(int step)
{
    const PagerState &pager = session().pager;
    int &page = session().pager.pageNumber;
    page += step;
    entryButtons[step > 0 ? PreviousEntry : NextEntry]->setEnabled(true);
    if (page == pager.pageCount)
        entryButtons[NextEntry]->setEnabled(false);
    if (page == 1)
        entryButtons[PreviousEntry]->setEnabled(false);
    openPage(pageFile(QStringLiteral("wmf\\"), pager.pageSet, page),
             pageFile(QStringLiteral("wmf2\\"), pager.pageSet, page));
    pageCounterLine->setCaption(pageCounterText(page, pager.pageCount));
}

void NotesPager::showNextLogoFrame()
{
    // The frame outlives the screen, so a second opening resumes where it stopped.
    int &frame = session().pager.logoFrame;
    frame = frame + 1 >= 20 ? 0 : frame + 1;
    animatedLogo->LoadPicture(logoFrameFile(frame));
    animatedLogo->setVisible(true);
    stillLogo->setVisible(true);
}
