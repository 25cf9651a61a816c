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
    // The modes of a title click, two to a corner above the titles.
    const ButtonDesign mode{.name = "editModeTick",
                            .left = 120,
                            .top = 60,
                            .width = 2535,
                            .height = 330,
                            .caption = "Edit Worksheet",
                            .points = 12,
                            .bold = true,
                            .fore = kYellow};
    editModeTick = new CheckBox(this, mode);
    ButtonDesign exporting = mode;
    exporting.name = "exportModeTick";
    exporting.top = 390;
    exporting.caption = QStringLiteral("Export Worksheet");
    exportModeTick = new CheckBox(this, exporting);
    ButtonDesign deleting = mode;
    deleting.name = "deleteModeTick";
    deleting.left = 9240;
    deleting.caption = QStringLiteral("Delete Worksheet");
    deleting.fore = kRed;
    deleteModeTick = new CheckBox(this, deleting);
    for (CheckBox *tick : {editModeTick, exportModeTick, deleteModeTick})
        connect(tick, &CheckBox::Click, this, [this, tick] { onModeClicked(tick); });
    LabelDesign import = labelButtonDesign({-1, 9240, 390, 2535, 330, "Import Worksheets"}, 12);
    import.name = "importButton";
    importButton = new Label(this, import);
    connect(importButton, &Label::Click, this, &WorksheetCatalogue::onImportClicked);
    lightOnHover(importButton);

    for (int k = 0; k <= kTitlesPerPage; ++k) {
        auto *label = new Label(this, titleButtonDesign(k));
        titleButtons.add(k, label);
        connect(label, &Label::Click, this, [this, k] { onTitleClicked(k); });
        lightOnHover(label);
    }
    // The page buttons have no hover effect.
    makeLabelButtons(this, pageButtons, kPageButtons, &WorksheetCatalogue::onPageButtonClicked, HoverLight::Off);
    setEscapeButton(titleButtons[ExitEntry]);
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
    readIndex();
    for (CheckBox *tick : {editModeTick, exportModeTick, deleteModeTick})
        tick->setBackColor(kScreenBlue);
    list.cataloguePage = 0;
    for (int k = 1; k <= kTitlesPerPage; ++k) {
        titleButtons[k]->setVisible(false);
        titleButtons[k]->setFontSize(12);
    }
    const CataloguePageView view = cataloguePageView(0, list.count);
    pageButtons[NextPageEntry]->setVisible(view.next);
    showTitles(view.first, view.last);
}

// A missing or damaged index lists what was read before the damage.
void WorksheetCatalogue::readIndex()
{
    WorksheetList &list = session().worksheets;
    if (auto reader = FieldReader::open(worksheetIndexPath()))
        readWorksheetIndex(*reader, list.count, list.names);
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

// The modes exclude each other; unticking leaves the others alone.
void WorksheetCatalogue::onModeClicked(CheckBox *mode)
{
    if (mode->Value() != 1)
        return;
    for (CheckBox *tick : {editModeTick, exportModeTick, deleteModeTick}) {
        if (tick != mode)
            tick->setValue(0);
    }
}

void WorksheetCatalogue::onBackgroundMouseMove(int, int, float, float)
{
    setAllTransparent(titleButtons);
    importButton->setBackStyle(vbTransparent);
}
