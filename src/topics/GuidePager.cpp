#include "GuidePager.h"

#include "LabelButtons.h"
#include "StandardScreen.h"

using namespace terralore;

namespace {

const int kPages = 5;

// "wmf\guide3.wmf" for folder "wmf\", page 3.
QString pageFile(const QString &folder, int page)
{
    return folder + QStringLiteral("guide") + QString::number(page) + QStringLiteral(".wmf");
}

} // namespace

GuidePager::GuidePager()
    : Pager(QStringLiteral("GuidePager"), {.image2Left = 120, .image2Top = -240, .counter = "Page 1 of 5"})
{
    heading = new Label(this, {.name = "heading",
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

void GuidePager::onLoad()
{
    setUpStandardScreen(*this);
}

void GuidePager::showFirstPage()
{
    openPage(pageFile(QStringLiteral("wmf\\"), 1), pageFile(QStringLiteral("wmf2\\"), 1));
    session().pager.pageNumber = 1;
    Show();
}

void GuidePager::turnPage(int step)
{
    const int page = session().pager.pageNumber += step;
    heading->setCaption(QString());
    openPage(pageFile(QStringLiteral("wmf\\"), page), pageFile(QStringLiteral("wmf2\\"), page));
    entryButtons[PreviousEntry]->setEnabled(page != 1);
    entryButtons[NextEntry]->setEnabled(page != kPages);
    pageCounterLine->setCaption(pageCounterText(page, kPages));
}

void GuidePager::onBackgroundMouseMove(int, int, float, float)
{
    // Only the bare form clears the entries' ground; nothing lights them again.
    setAllTransparent(entryButtons);
}
