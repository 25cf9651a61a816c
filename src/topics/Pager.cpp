#include "Pager.h"

#include "Announcements.h"
#include "LabelButtons.h"
#include "PagePrinting.h"
#include "Services.h"
#include "SpokenText.h"
#include "TextCodec.h"
#include "picture/PageText.h"

using namespace terralore;

namespace {

// The entries, in stacking order.
const LabelButton kEntries[] = {
    {Pager::PrintEntry, 10680, 120, 1125, 495, "Print"},
    {Pager::ExitEntry, 10680, 7920, 1125, 495, "Exit"},
    {Pager::NextEntry, 6720, 7920, 2685, 495, "Next Page"},
    {Pager::PreviousEntry, 1320, 7920, 2685, 495, "Previous Page"},
};

} // namespace

Pager::Pager(const QString &name, const Design &design) : Form(name)
{
    pageImage = new Image(this, QStringLiteral("pageImage"));
    pageImage->moveTwips(120, 0);
    printCopy = new Image(this, QStringLiteral("printCopy"));
    printCopy->moveTwips(design.image2Left, design.image2Top);
    printCopy->setVisible(false);
    pageCounterLine = new Label(this, {.name = "pageCounterLine",
                                       .left = 4200,
                                       .top = 7920,
                                       .width = 2295,
                                       .height = 495,
                                       .caption = QString::fromLatin1(design.counter),
                                       .points = 15.75,
                                       .bold = true,
                                       .fore = QColor(0, 0, 0),
                                       .back = QColor(255, 255, 255),
                                       .backStyle = vbOpaque,
                                       .borderStyle = 1,
                                       .alignment = vbCenter});
}

void Pager::createEntries()
{
    makeLabelButtons(this, entryButtons, std::span(kEntries), &Pager::onEntryClicked, HoverLight::Off);
    entryButtons[PreviousEntry]->setEnabled(false);
    setEscapeButton(entryButtons[ExitEntry]);
    // Between Next Page and Exit.
    readAloud = new ReadAloudToggle(this, 9420, 1245);
}

QString Pager::pageCounterText(int page, int count)
{
    return QStringLiteral("Page") + signPlace(page) + QStringLiteral(" of") + signPlace(count);
}

void Pager::openPage(const QString &shown, const QString &printed)
{
    pageImage->LoadPicture(shown);
    printCopy->LoadPicture(printed);
    readAloud->readIfOn();
}

QString Pager::textToReadAloud() const
{
    return pageText(pageImage->picture());
}

QString Pager::pageAnnouncement() const
{
    const QString text = textToReadAloud();
    const qsizetype end = text.indexOf(QStringLiteral(". "));
    const QString heading = end < 0 ? text : text.left(end + 1);
    return joinSentences({pageCounterLine->Visible() ? pageCounterLine->Caption() : QString(), heading});
}

void Pager::onEntryClicked(int entry)
{
    switch (entry) {
    case PrintEntry:
        printPage();
        break;
    case ExitEntry:
        Unload();
        break;
    case NextEntry:
        turnPage(+1);
        announce(pageAnnouncement());
        break;
    case PreviousEntry:
        turnPage(-1);
        announce(pageAnnouncement());
        break;
    default:
        break;
    }
}

void Pager::printPage()
{
    // Always the hidden print copy of the page on screen. A missing printer
    // or a failed job is reported rather than passed over in silence.
    if (!printPagePicture(services(), printCopy->picture()))
        showMessage(QStringLiteral("There was a problem printing to your printer."));
}
