#pragma once

// What the pager tests share: turning pages with real clicks, and checking
// the page on screen and its print copy.

#include "ScreenTest.h"

#include "GuidePager.h"
#include "MainMenu.h"
#include "NotesPager.h"

namespace terralore::test {

inline const QSizeF kShownSize(11760, 7800);   // a screen page, landscape
inline const QSizeF kPrintedSize(9600, 12990); // a paper page, portrait

// The pagers' entries.
constexpr int Exit = Pager::ExitEntry;
constexpr int Next = Pager::NextEntry;
constexpr int Previous = Pager::PreviousEntry;

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
