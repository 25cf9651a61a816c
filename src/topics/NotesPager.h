#pragma once

#include "Pager.h"
#include "Timer.h"

// The notes pager: a topic's key facts or teacher's notes (PageSet, PageCount
// set by the caller), or the acknowledgments page with the animated logo.
class NotesPager : public Pager {
    Q_OBJECT
public:
    NotesPager();

    terralore::PictureBox *Picture1;
    terralore::PictureBox *Picture2;
    terralore::Timer *Timer1;

protected:
    void Form_Load() override;
    void turnPage(int step) override;

private:
    void Timer1_Timer();
};

TERRALORE_DECLARE_FORM(NotesPager, notesPager)
