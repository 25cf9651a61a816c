#include "WorksheetCatalogue.h"

#include "Palette.h"

#include "CataloguePaging.h"
#include "FieldReader.h"
#include "LabelButtons.h"
#include "ResourcePath.h"
#include "StandardScreen.h"
#include "TextCodec.h"
#include "WorksheetIndex.h"
#include "WorksheetTitle.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
constexpr int kPerColumn = 12;

// The title buttons: "Exit", then the title slots, 1 to 12 down the left column and
// 13 to 24 down the right.
LabelDesign titleButtonDesign(int k)
{
    const LabelButton button =
        k == 0
            ? LabelButton{0, 10560, 7920, 1245, 495, "Exit"}
            : LabelButton{
                  k, k <= kPerColumn ? 120.0f : 6120.0f, 720.0f + 600.0f * float((k - 1) % kPerColumn), 5715, 375, ""};
    LabelDesign design = labelButtonDesign(button, k == 0 ? 15.75 : 9.75);
    return design;
}

const LabelButton kPageButtons[] = {
    {WorksheetCatalogue::PreviousPageEntry, 2640, 7920, 3195, 495, "<< Previous Page", false},
    {WorksheetCatalogue::NextPageEntry, 6000, 7920, 3195, 495, "Next Page >>", false},
};

} // namespace

WorksheetCatalogue::WorksheetCatalogue() : Form(QStringLiteral("WorksheetCatalogue"))
{
    heading = new Label(this, {.name = "heading",
                               .width = 12000,
                               .height = 780,
                               .caption = "Worksheets Catalogue",
                               .points = 24,
                               .bold = true,
                               .fore = kYellow,
                               .backStyle = vbTransparent,
                               .alignment = vbCenter});
    const ButtonDesign mode{.name = "editModeTick",
                            .left = 120,
                            .top = 120,
                            .width = 2535,
                            .height = 375,
                            .caption = "Edit Worksheet",
                            .points = 12,
                            .bold = true,
                            .fore = kYellow};
    editModeTick = new CheckBox(this, mode);
    ButtonDesign deleting = mode;
    deleting.name = "deleteModeTick";
    deleting.left = 9240;
    deleting.caption = QStringLiteral("Delete Worksheet");
    deleting.fore = kRed;
    deleteModeTick = new CheckBox(this, deleting);
    connect(editModeTick, &CheckBox::Click, this, &WorksheetCatalogue::onEditModeClicked);
    connect(deleteModeTick, &CheckBox::Click, this, &WorksheetCatalogue::onDeleteModeClicked);

    for (int k = 0; k <= kTitlesPerPage; ++k) {
        auto *label = new Label(this, titleButtonDesign(k));
        titleButtons.add(k, label);
        connect(label, &Label::Click, this, [this, k] { onTitleClicked(k); });
        lightOnHover(label);
    }
    // The page buttons have no hover effect.
    makeLabelButtons(this, pageButtons, kPageButtons, &WorksheetCatalogue::onPageButtonClicked, HoverLight::Off);
    LabelDesign page = labelButtonDesign({-1, 120, 7920, 1995, 495, "Page 1"}, 15.75, kWhite);
    page.name = "pageNumberLine";
    page.fore = kBlue;
    pageNumberLine = new Label(this, page);
}

// Every step of the load goes on past a failure: a missing or damaged index
// lists what was read before it.
void WorksheetCatalogue::onLoad()
{
    setUpStandardScreen(*this);
    WorksheetList &list = session().worksheets;
    if (auto reader = FieldReader::open(worksheetIndexPath()))
        readWorksheetIndex(*reader, list.count, list.names);
    editModeTick->setBackColor(kScreenBlue);
    deleteModeTick->setBackColor(kScreenBlue);
    list.cataloguePage = 0;
    for (int k = 1; k <= kTitlesPerPage; ++k) {
        titleButtons[k]->setVisible(false);
        titleButtons[k]->setFontSize(12);
    }
    const CataloguePageView view = cataloguePageView(0, list.count);
    pageButtons[NextPageEntry]->setVisible(view.next);
    showTitles(view.first, view.last);
}

// Slots from the first entry on take titles first to last, as shown.
void WorksheetCatalogue::showTitles(int first, int last)
{
    for (int i = first; i <= last; ++i) {
        Label *slot = titleButtons[i - first + 1];
        slot->setCaption(shownWorksheetTitle(session().worksheets.names[i]));
        slot->setVisible(true);
    }
}

void WorksheetCatalogue::showPage()
{
    const int p = session().worksheets.cataloguePage;
    for (int k = 1; k <= kTitlesPerPage; ++k) {
        titleButtons[k]->setCaption(QString());
        titleButtons[k]->setVisible(false);
    }
    const CataloguePageView view = cataloguePageView(p, session().worksheets.count);
    pageButtons[PreviousPageEntry]->setVisible(view.previous);
    pageButtons[NextPageEntry]->setVisible(view.next);
    pageNumberLine->setCaption(QStringLiteral("Page") + signPlace(p + 1));
    showTitles(view.first, view.last);
}

void WorksheetCatalogue::onPageButtonClicked(int button)
{
    session().worksheets.cataloguePage += button == PreviousPageEntry ? -1 : 1;
    showPage();
    playClick();
}

// The two modes exclude each other; unticking leaves the other alone.
void WorksheetCatalogue::onEditModeClicked()
{
    if (editModeTick->Value() == 1)
        deleteModeTick->setValue(0);
}

void WorksheetCatalogue::onDeleteModeClicked()
{
    if (deleteModeTick->Value() == 1)
        editModeTick->setValue(0);
}

void WorksheetCatalogue::onBackgroundMouseMove(int, int, float, float)
{
    setAllTransparent(titleButtons);
}
