#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"
#include "PictureControl.h"
#include "ReadAloudToggle.h"

#include <functional>

// What the two page readers share: the page shown (pageImage) and its copy kept
// for printing (printCopy), the page counter, and the entries Print, Exit, Next
// Page and Previous Page. Each reader supplies its own page-turning rule.
class Pager : public terralore::Form {
    Q_OBJECT
public:
    // The entry buttons.
    enum Entry { PrintEntry = 0, ExitEntry = 1, NextEntry = 2, PreviousEntry = 3 };

    terralore::Image *pageImage;
    terralore::Image *printCopy;
    terralore::Label *pageCounterLine;
    terralore::ControlArray<terralore::Label> entryButtons;
    ReadAloudToggle *readAloud = nullptr;

    // The text of the page shown.
    QString textToReadAloud() const override;
    // For a screen reader: "Page 2 of 5" where a counter shows, then the
    // page's heading (its first line).
    QString pageAnnouncement() const;
    QString announcedOnOpening() const override { return pageAnnouncement(); }

    // "Page 2 of 5": both numbers with their sign place.
    static QString pageCounterText(int page, int count);

protected:
    struct Design {
        float image2Left, image2Top;
        const char *counter;
    };
    // Creates the two pages and the counter, lowest in the stacking order.
    Pager(const QString &name, const Design &design);
    // Creates the four entries and the reading aloud; a reader calls it once
    // its own lower controls exist, so these lie above everything else on the page.
    void createEntries();

    // Loads both copies of a page, the shown one first, and reads it aloud
    // if that is on; an empty name clears the picture.
    void openPage(const QString &shown, const QString &printed);

    // Next Page is +1, Previous Page -1.
    virtual void turnPage(int step) = 0;

private:
    void onEntryClicked(int entry);
    void printPage();
};
