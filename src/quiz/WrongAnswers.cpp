#include "WrongAnswers.h"

#include "Palette.h"

#include "LabelButtons.h"
#include "QuizResults.h"
#include "ResultsScreen.h"
#include "StandardScreen.h"

using namespace terralore;

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

// Its one button.
const LabelButton kExit{1, 10560, 7920, 1245, 495, "Exit"};

} // namespace

WrongAnswers::WrongAnswers() : Form(QStringLiteral("WrongAnswers"))
{
    quizTitle = new Label(this, text("quizTitle", -1, 0, 120, 20.25, kYellow, vbCenter));
    introLine = new Label(this, text("introLine", -1, 240, 960, 15.75, kYellow, vbLeftJustify,
                                     "You answered the following questions incorrectly."));
    for (int i = 0; i <= 9; ++i)
        wrongAnswerLines.add(i, new Label(this, text("wrongAnswerLines", i, 120, 1680 + 600 * float(i), 15.75,
                                                     QColor(255, 255, 255), vbLeftJustify, "", false)));
    tryAgainLine = new Label(
        this, text("tryAgainLine", -1, 0, 7920, 20.25, kYellow, vbCenter, "Read the Key Facts and try again."));
    exitButton = new Label(this, labelButtonDesign(kExit));
    connect(exitButton, &Label::Click, this, &WrongAnswers::onExitClicked);
    setEscapeButton(exitButton);
}

void WrongAnswers::onLoad()
{
    setUpStandardScreen(*this);
}

void WrongAnswers::list(const Result &result)
{
    for (int j = 0; j < result.wrong.size() && wrongAnswerLines.contains(j); ++j) {
        const WrongQuestion &wrong = result.wrong.at(j);
        wrongAnswerLines[j]->setCaption(wrongAnswerCaption(wrong.number, wrong.text));
        wrongAnswerLines[j]->setVisible(true);
    }
    quizTitle->setCaption(result.title);
}

void WrongAnswers::onExitClicked()
{
    if (resultsScreenIfLoaded())
        resultsScreenIfLoaded()->Unload();
    Unload();
}
