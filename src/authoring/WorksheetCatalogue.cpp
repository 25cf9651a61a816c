#include "WorksheetCatalogue.h"

#include "Palette.h"

#include "CataloguePaging.h"
#include "FieldReader.h"
#include "LabelButtons.h"
#include "Module1.h"
#include "ResourcePath.h"
#include "TextCodec.h"
#include "WorksheetIndex.h"
#include "WorksheetTitle.h"

using namespace terralore;

TERRALORE_DEFINE_FORM(WorksheetCatalogue, worksheetCatalogue)

namespace {

using namespace terralore::palette;

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
constexpr int kPerColumn = 12;

// Label2: "Exit", then the title slots, 1 to 12 down the left column and
// 13 to 24 down the right.
LabelDesign label2Design(int k)
{
    const LabelButton button =
        k == 0
            ? LabelButton{0, 10560, 7920, 1245, 495, "Exit"}
            : LabelButton{
                  k, k <= kPerColumn ? 120.0f : 6120.0f, 720.0f + 600.0f * float((k - 1) % kPerColumn), 5715, 375, ""};
    LabelDesign design = labelButtonDesign(button, k == 0 ? 15.75 : 9.75);
    design.name = "Label2";
    return design;
}

const LabelButton kPageButtons[] = {
    {0, 2640, 7920, 3195, 495, "<< Previous Page", false},
    {1, 6000, 7920, 3195, 495, "Next Page >>", false},
};

} // namespace

WorksheetCatalogue::WorksheetCatalogue() : Form(QStringLiteral("worksheets"))
{
    Label1 = new Label(this, {.name = "Label1",
                              .width = 12000,
                              .height = 780,
                              .caption = "Worksheets Catalogue",
                              .points = 24,
                              .bold = true,
                              .fore = kYellow,
                              .backStyle = vbTransparent,
                              .alignment = vbCenter});
    const ButtonDesign mode{.name = "Check1",
                            .left = 120,
                            .top = 120,
                            .width = 2535,
                            .height = 375,
                            .caption = "Edit Worksheet",
                            .points = 12,
                            .bold = true,
                            .fore = kYellow};
    Check1 = new CheckBox(this, mode);
    ButtonDesign deleting = mode;
    deleting.name = "Check2";
    deleting.left = 9240;
    deleting.caption = QStringLiteral("Delete Worksheet");
    deleting.fore = kRed;
    Check2 = new CheckBox(this, deleting);
    connect(Check1, &CheckBox::Click, this, &WorksheetCatalogue::Check1_Click);
    connect(Check2, &CheckBox::Click, this, &WorksheetCatalogue::Check2_Click);

    for (int k = 0; k <= kTitlesPerPage; ++k) {
        auto *label = new Label(this, label2Design(k));
        Label2.add(k, label);
        connect(label, &Label::Click, this, [this, k] { Label2_Click(k); });
        connect(label, &Label::MouseMove, this,
                [this, k](int b, int s, float x, float y) { Label2_MouseMove(k, b, s, x, y); });
    }
    // The page buttons have no hover effect.
    makeLabelButtons(this, Label3, kPageButtons, &WorksheetCatalogue::Label3_Click, nullptr);
    LabelDesign page = labelButtonDesign({-1, 120, 7920, 1995, 495, "Page 1"}, 15.75, kWhite);
    page.name = "Label4";
    page.fore = kBlue;
    Label4 = new Label(this, page);
}

// Every step of the load goes on past a failure: a missing or damaged index
// lists what was read before it.
void WorksheetCatalogue::Form_Load()
{
    Module1::SetUpScreen(*this);
    if (auto reader = FieldReader::open(worksheetIndexPath()))
        readWorksheetIndex(*reader, Module1::WorksheetCount, Module1::WorksheetNames);
    Check1->setBackColor(kScreenBlue);
    Check2->setBackColor(kScreenBlue);
    Module1::CataloguePage = 0;
    for (int k = 1; k <= kTitlesPerPage; ++k) {
        Label2[k]->setVisible(false);
        Label2[k]->setFontSize(12);
    }
    const CataloguePageView view = cataloguePageView(0, Module1::WorksheetCount);
    Label3[1]->setVisible(view.next);
    showTitles(view.first, view.last);
}

// Slots from the first entry on take titles first to last, as shown.
void WorksheetCatalogue::showTitles(int first, int last)
{
    for (int i = first; i <= last; ++i) {
        Label *slot = Label2[i - first + 1];
        slot->setCaption(shownWorksheetTitle(Module1::WorksheetNames[i]));
        slot->setVisible(true);
    }
}

void WorksheetCatalogue::workpage()
{
    const int p = Module1::CataloguePage;
    for (int k = 1; k <= kTitlesPerPage; ++k) {
        Label2[k]->setCaption(QString());
        Label2[k]->setVisible(false);
    }
    const CataloguePageView view = cataloguePageView(p, Module1::WorksheetCount);
    Label3[0]->setVisible(view.previous);
    Label3[1]->setVisible(view.next);
    Label4->setCaption(QStringLiteral("Page") + signPlace(p + 1));
    showTitles(view.first, view.last);
}

void WorksheetCatalogue::Label3_Click(int Index)
{
    Module1::CataloguePage += Index == 0 ? -1 : 1;
    workpage();
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
}

// The two modes exclude each other; unticking leaves the other alone.
void WorksheetCatalogue::Check1_Click()
{
    if (Check1->Value() == 1)
        Check2->setValue(0);
}

void WorksheetCatalogue::Check2_Click()
{
    if (Check2->Value() == 1)
        Check1->setValue(0);
}

void WorksheetCatalogue::Label2_MouseMove(int Index, int, int, float, float)
{
    setOpaque(Label2, Index);
}

void WorksheetCatalogue::Form_MouseMove(int, int, float, float)
{
    setAllTransparent(Label2);
}
