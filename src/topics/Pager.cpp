#include "Pager.h"

#include "LabelButtons.h"
#include "MessageBox.h"
#include "PagePrinting.h"
#include "TextCodec.h"

using namespace terralore;

namespace {

// The entries, in stacking order.
const LabelButton kEntries[] = {
    {Pager::PrintEntry, 10680, 120, 1125, 495, "Print"},
    {Pager::ExitEntry, 10680, 7920, 1125, 495, "Exit"},
    {Pager::NextEntry, 6720, 7920, 2685, 495, "Next Page"},
    {Pager::PreviousEntry, 1320, 7920, 2685, 495, "Previous Page"},
};

Pager::PagePrinter &installedPrinter()
{
    static Pager::PagePrinter printer;
    return printer;
}

} // namespace

Pager::Pager(const QString &name, const Design &design) : Form(name)
{
    Image1 = new Image(this, QStringLiteral("Image1"));
    Image1->Move(120, 0);
    Image2 = new Image(this, QStringLiteral("Image2"));
    Image2->Move(design.image2Left, design.image2Top);
    Image2->setVisible(false);
    Label1 = new Label(this, {.name = "Label1",
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
    makeLabelButtons(this, Label3, std::span(kEntries), &Pager::Label3_Click, nullptr);
    Label3[PreviousEntry]->setEnabled(false);
}

QString Pager::pageCounter(int page, int count)
{
    return QStringLiteral("Page") + signPlace(page) + QStringLiteral(" of") + signPlace(count);
}

void Pager::setPrinter(PagePrinter printer)
{
    installedPrinter() = std::move(printer);
}

void Pager::openPage(const QString &shown, const QString &printed)
{
    Image1->LoadPicture(shown);
    Image2->LoadPicture(printed);
}

void Pager::Label3_Click(int Index)
{
    switch (Index) {
    case PrintEntry:
        Printpage();
        break;
    case ExitEntry:
        Unload();
        break;
    case NextEntry:
        turnPage(+1);
        break;
    case PreviousEntry:
        turnPage(-1);
        break;
    default:
        break;
    }
}

void Pager::Printpage()
{
    // Always the hidden print copy of the page on screen. A missing printer
    // or a failed job is reported rather than passed over in silence.
    const PagePrinter &printer = installedPrinter();
    const bool printed = printer ? printer(Image2->picture()) : printPagePicture(Image2->picture());
    if (!printed)
        MsgBox(QStringLiteral("There was a problem printing to your printer."));
}
