#pragma once

#include "Pager.h"

// The teachers' guide: five pages named by number, sharing the page number
// with the notes pager.
class GuidePager : public Pager {
    Q_OBJECT
public:
    GuidePager();

    void showFirstPage();

    terralore::Label *heading;

protected:
    void onLoad() override;
    void onBackgroundMouseMove(int button, int shift, float x, float y) override;
    void turnPage(int step) override;
};

TERRALORE_DECLARE_FORM(GuidePager, guidePager)
