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

// The pagers' entries, by their indexes in Label3.
constexpr int Print = Pager::PrintEntry;
constexpr int Exit = Pager::ExitEntry;
constexpr int Next = Pager::NextEntry;
constexpr int Previous = Pager::PreviousEntry;

// Opens the notes pager as a hub does: the set first, then both copies of
// its first page, then show.
inline NotesPager &openPageSet(int count, const QString &set)
{
    Module1::PageCount = count;
    Module1::PageSet = set;
    notesPager().Image1->LoadPicture(QStringLiteral("wmf\\") + set + QStringLiteral("a.wmf"));
    notesPager().Image2->LoadPicture(QStringLiteral("wmf2\\") + set + QStringLiteral("a.wmf"));
    notesPager().Show();
    return notesPager();
}

// Opens a pager the way its user does: page sets directly, the rest from the menu.
inline Pager &openPager(const QString &which)
{
    if (which == QLatin1String("notes"))
        return openPageSet(2, QStringLiteral("key science"));
    mainMenu().Show();
    click(mainMenu().Label2[which == QLatin1String("guide") ? 20 : 19]);
    if (which == QLatin1String("guide"))
        return guidePager();
    return notesPager();
}

inline void clickEntries(Pager &pager, const QString &clicks)
{
    for (QChar c : clicks)
        click(pager.Label3[c == QLatin1Char('N') ? Next : Previous]);
}

// Both copies of a page: the shown one in Image1 at its own size, the printed
// one in Image2. A missing file or an empty name leaves an empty picture.
inline void verifyPage(const Pager &pager, const QString &shown, const QString &printed, bool present = true)
{
    QCOMPARE(pager.Image1->PictureSource(), shown);
    QCOMPARE(pager.Image2->PictureSource(), printed);
    QCOMPARE(pager.Image1->picture().isNull(), !present);
    QCOMPARE(pager.Image2->picture().isNull(), !present);
    const QSizeF size = present ? kShownSize : QSizeF(0, 0);
    QCOMPARE(QRectF(pager.Image1->Left(), pager.Image1->Top(), pager.Image1->Width(), pager.Image1->Height()),
             QRectF(QPointF(120, 0), size));
    if (present)
        QCOMPARE(pager.Image2->picture().sizeTwips(), kPrintedSize);
    QVERIFY(!pager.Image2->Visible());
}

inline void verifyEntries(const Pager &pager, const QString &counter, bool previous, bool next)
{
    QCOMPARE(pager.Label1->Caption(), counter);
    QCOMPARE(pager.Label3[Previous]->Enabled(), previous);
    QCOMPARE(pager.Label3[Next]->Enabled(), next);
}

} // namespace terralore::test
