#pragma once

#include "Pager.h"
#include "Timer.h"

// The notes pager: a topic's key facts or teacher's notes, or the
// acknowledgments page with the animated logo.
class NotesPager : public Pager {
    Q_OBJECT
public:
    NotesPager();

    // Shows the first page of a page set: its file stem ("key science") and
    // its number of pages, 1 to 3.
    void showPageSet(const QString &stem, int pages);
    void showAcknowledgments();

    terralore::PictureBox *animatedLogo;
    terralore::PictureBox *stillLogo;
    terralore::Timer *logoTimer;

protected:
    void onLoad() override;
    void turnPage(int step) override;

private:
    void showNextLogoFrame();
};

TERRALORE_DECLARE_FORM(NotesPager, notesPager)
