#include "WrongAnswers.h"

#include "Palette.h"

#include "LabelButtons.h"
#include "Module1.h"
#include "ResultsScreen.h"

using namespace terralore;

TERRALORE_DEFINE_FORM(WrongAnswers, wrongAnswers)

namespace {

using namespace terralore::palette;

LabelDesign text(const char *name, int index, float left, float top, double points, const QColor &fore, int alignment,
                 const char *caption = "", bool visible = true)
{
    return {.name = name,
            .index = index,
            .left = left,
            .top = top,
            .width = 12000,
            .height = 540,
            .caption = QString::fromLatin1(caption),
            .points = points,
            .bold = true,
            .fore = fore,
            .backStyle = vbTransparent,
            .alignment = alignment,
            .visible = visible};
}

// The only member of its group.
const LabelButton kExit[] = {{1, 10560, 7920, 1245, 495, "Exit"}};

} // namespace

WrongAnswers::WrongAnswers() : Form(QStringLiteral("Wrong"))
{
    Label6 = new Label(this, text("Label6", -1, 0, 120, 20.25, kYellow, vbCenter));
    Label4 = new Label(this, text("Label4", -1, 240, 960, 15.75, kYellow, vbLeftJustify,
                                  "You answered the following questions incorrectly."));
    for (int i = 0; i <= 9; ++i)
        Label2.add(i, new Label(this, text("Label2", i, 120, 1680 + 600 * float(i), 15.75, QColor(255, 255, 255),
                                           vbLeftJustify, "", false)));
    Label5 =
        new Label(this, text("Label5", -1, 0, 7920, 20.25, kYellow, vbCenter, "Read the Key Facts and try again."));
    makeLabelButtons(this, Label3, std::span(kExit), &WrongAnswers::Label3_Click, nullptr);
}

void WrongAnswers::Form_Load()
{
    Module1::SetUpScreen(*this);
}

void WrongAnswers::Label3_Click(int)
{
    if (resultsScreenIfLoaded())
        resultsScreenIfLoaded()->Unload();
    Unload();
}
