#include "NotesPager.h"

#include "Module1.h"

using namespace terralore;

TERRALORE_DEFINE_FORM(NotesPager, notesPager)

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

NotesPager::NotesPager() : Pager(QStringLiteral("teacher"), {.image2Left = 0, .image2Top = 0, .counter = ""})
{
    createEntries();
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->Move(9000, 4320, 1800, 1800);
    Picture1->setVisible(false);
    Picture2 = new PictureBox(this, QStringLiteral("Picture2"));
    Picture2->Move(9030, 6240, 1800, 1335);
    // The still logo sits on the acknowledgments page's own blue.
    Picture2->setBackColor(QColor(49, 130, 212));
    Picture2->setVisible(false);
    Timer1 = new Timer(this, "Timer1", 25);
    connect(Timer1, &Timer::Tick, this, &NotesPager::Timer1_Timer);
}

void NotesPager::Form_Load()
{
    Module1::SetUpScreen(*this);
    if (Module1::PageCount == 1) {
        Label1->setVisible(false);
        Label3[NextEntry]->setVisible(false);
        Label3[PreviousEntry]->setVisible(false);
    }
    Module1::PageNumber = 1;
    Label1->setCaption(pageCounter(Module1::PageNumber, Module1::PageCount));
}

void NotesPager::turnPage(int step)
{
    int &page = Module1::PageNumber;
    page += step;
    Label3[step > 0 ? PreviousEntry : NextEntry]->setEnabled(true);
    if (page == Module1::PageCount)
        Label3[NextEntry]->setEnabled(false);
    if (page == 1)
        Label3[PreviousEntry]->setEnabled(false);
    openPage(pageFile(QStringLiteral("wmf\\"), Module1::PageSet, page),
             pageFile(QStringLiteral("wmf2\\"), Module1::PageSet, page));
    Label1->setCaption(pageCounter(page, Module1::PageCount));
}

void NotesPager::Timer1_Timer()
{
    // LogoFrame outlives the screen, so a second opening resumes where it stopped.
    Module1::LogoFrame += 1;
    if (Module1::LogoFrame >= 20)
        Module1::LogoFrame = 0;
    Picture1->LoadPicture(logoFrameFile(Module1::LogoFrame));
    Picture1->setVisible(true);
    Picture2->setVisible(true);
}
