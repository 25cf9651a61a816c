#pragma once

#include "Pager.h"

// The teachers' guide: five pages named by number, sharing PageNumber with
// the notes pager.
class GuidePager : public Pager {
    Q_OBJECT
public:
    GuidePager();

    terralore::Label *Label2;

protected:
    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void turnPage(int step) override;
};

TERRALORE_DECLARE_FORM(GuidePager, guidePager)
