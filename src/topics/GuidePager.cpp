#include "GuidePager.h"

#include "LabelButtons.h"
#include "Module1.h"

using namespace terralore;

TERRALORE_DEFINE_FORM(GuidePager, guidePager)

namespace {

const int kPages = 5;

// "wmf\guide3.wmf" for folder "wmf\", page 3.
QString pageFile(const QString &folder, int page)
{
    return folder + QStringLiteral("guide") + QString::number(page) + QStringLiteral(".wmf");
}

} // namespace

GuidePager::GuidePager()
    : Pager(QStringLiteral("guide"), {.image2Left = 120, .image2Top = -240, .counter = "Page 1 of 5"})
{
    Label2 = new Label(this, {.name = "Label2",
                              .left = 0,
                              .top = 120,
                              .width = 11775,
                              .height = 615,
                              .caption = QString(),
                              .points = 14.25,
                              .fore = QColor(255, 255, 0),
                              .backStyle = vbTransparent,
                              .alignment = vbCenter});
    // The entries lie above the heading, which spans the top edge under Print.
    createEntries();
}

void GuidePager::Form_Load()
{
    Module1::SetUpScreen(*this);
}

void GuidePager::turnPage(int step)
{
    const int page = Module1::PageNumber += step;
    Label2->setCaption(QString());
    openPage(pageFile(QStringLiteral("wmf\\"), page), pageFile(QStringLiteral("wmf2\\"), page));
    Label3[PreviousEntry]->setEnabled(page != 1);
    Label3[NextEntry]->setEnabled(page != kPages);
    Label1->setCaption(pageCounter(page, kPages));
}

void GuidePager::Form_MouseMove(int, int, float, float)
{
    // Only the bare form clears the entries' ground; nothing lights them again.
    setAllTransparent(Label3);
}
