#pragma once

// What the pager tests share: opening a pager as its callers do, turning its
// pages with real clicks, and checking the page on screen and its print copy.

#include "ScreenTest.h"

#include "GuidePager.h"
#include "MainMenu.h"
#include "NotesPager.h"

namespace terralore::test {

inline const QSizeF kShownSize(11760, 7800);   // a screen page, landscape
inline const QSizeF kPrintedSize(9600, 12990); // a paper page, portrait

// The pagers' entries.
constexpr int Print = Pager::PrintEntry;
constexpr int Exit = Pager::ExitEntry;
constexpr int Next = Pager::NextEntry;
constexpr int Previous = Pager::PreviousEntry;

// Opens the notes pager as a hub does: the set first, then both copies of
// its first page, then show.
inline NotesPager &openPageSet(int count, const QString &set)
{
    notesPager().showPageSet(set, count);
    return notesPager();
}

// Opens a pager the way its user does: page sets directly, the rest from the menu.
inline Pager &openPager(const QString &which)
{
    if (which == QLatin1String("notes"))
        return openPageSet(2, QStringLiteral("key science"));
    mainMenu().Show();
    click(mainMenu().entryButtons[which == QLatin1String("guide") ? 20 : 19]);
    if (which == QLatin1String("guide"))
        return guidePager();
    return notesPager();
}

inline void clickEntries(Pager &pager, const QString &clicks)
{
    for (QChar c : clicks)
        click(pager.entryButtons[c == QLatin1Char('N') ? Next : Previous]);
}

// Both copies of a page: the shown one at its own size, the printed one
// hidden. A missing file or an empty name leaves an empty picture.
inline void verifyPage(const Pager &pager, const QString &shown, const QString &printed, bool present = true)
{
    QCOMPARE(pager.pageImage->PictureSource(), shown);
    QCOMPARE(pager.printCopy->PictureSource(), printed);
    QCOMPARE(pager.pageImage->picture().isNull(), !present);
    QCOMPARE(pager.printCopy->picture().isNull(), !present);
    const QSizeF size = present ? kShownSize : QSizeF(0, 0);
    QCOMPARE(QRectF(pager.pageImage->leftTwips(), pager.pageImage->topTwips(), pager.pageImage->widthTwips(),
                    pager.pageImage->heightTwips()),
             QRectF(QPointF(120, 0), size));
    if (present)
        QCOMPARE(pager.printCopy->picture().sizeTwips(), kPrintedSize);
    QVERIFY(!pager.printCopy->Visible());
}

inline void verifyEntries(const Pager &pager, const QString &counter, bool previous, bool next)
{
    QCOMPARE(pager.pageCounterLine->Caption(), counter);
    QCOMPARE(pager.entryButtons[Previous]->Enabled(), previous);
    QCOMPARE(pager.entryButtons[Next]->Enabled(), next);
}

} // namespace terralore::test
