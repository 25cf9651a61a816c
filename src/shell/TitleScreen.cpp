#include "TitleScreen.h"

#include "Palette.h"

#include "Backdrop.h"
#include "Stage.h"
#include "StandardScreen.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

// The inner area is 5460 by 6570 twips; the outer size adds the frame.
constexpr float kInnerWidth = 5460;
constexpr float kInnerHeight = 6570;
const QColor kGrey(192, 192, 192);
const QColor kGreen(0, 128, 0);

} // namespace

TitleScreen::TitleScreen() : Form(QStringLiteral("TitleScreen"))
{
    setCaption(QStringLiteral(" "));
    setBackColor(kGrey);
    setWidthTwips(kInnerWidth + 2 * Form::kBorder * 15);
    setHeightTwips(kInnerHeight + (2 * Form::kBorder + Form::kTitleStrip) * 15);

    frame = new Frame(this, "frame", 0, -90, 5480, 6660);
    auto text = [this](LabelDesign d) { return new Label(this, d, frame); };
    titleText = text({.name = "titleText",
                      .left = 60,
                      .top = 360,
                      .width = 5355,
                      .height = 1065,
                      .caption = "Terralore",
                      .face = "Times New Roman",
                      .points = 27.75,
                      .bold = true,
                      .fore = kGreen,
                      .backStyle = vbTransparent,
                      .alignment = vbCenter});
    picture = new PictureBox(this, QStringLiteral("picture"), -1, frame);
    picture->moveTwips(300, 1200, 4800, 3600);
    writtenByLine = text({.name = "writtenByLine",
                          .left = 360,
                          .top = 4980,
                          .width = 4695,
                          .height = 375,
                          .caption = "Written by the Terralore science team",
                          .face = "Times New Roman",
                          .points = 14.25,
                          .fore = kBlue,
                          .backStyle = vbTransparent,
                          .alignment = vbCenter});
    programmedByLine = text({.name = "programmedByLine",
                             .left = 480,
                             .top = 5310,
                             .width = 4455,
                             .height = 375,
                             .caption = "Programmed by the Terralore developers",
                             .face = "Times New Roman",
                             .points = 12,
                             .fore = kBlue,
                             .backStyle = vbTransparent,
                             .alignment = vbCenter});
    editorLine = text({.name = "editorLine",
                       .left = 480,
                       .top = 5640,
                       .width = 4455,
                       .height = 375,
                       .caption = "Series editor: Quillmere Publishing",
                       .face = "Times New Roman",
                       .points = 12,
                       .fore = kBlue,
                       .backStyle = vbTransparent,
                       .alignment = vbCenter});
    okButton = new CommandButton(
        this, {.name = "okButton", .left = 1320, .top = 6000, .width = 1335, .height = 375, .caption = "OK"}, frame);
    exitButton = new CommandButton(
        this, {.name = "exitButton", .left = 2760, .top = 6000, .width = 1335, .height = 375, .caption = "Exit"},
        frame);
    copyrightLine = text({.name = "copyrightLine",
                          .left = 0,
                          .top = 6420,
                          .width = 5415,
                          .height = 255,
                          .caption = "Copyright Quillmere Publishing Ltd. All rights reserved.",
                          .face = "Arial",
                          .points = 8.25,
                          .fore = kGreen,
                          .backStyle = vbTransparent,
                          .alignment = vbCenter});

    connect(okButton, &CommandButton::Click, this, &TitleScreen::onOkClicked);
    connect(exitButton, &CommandButton::Click, this, &TitleScreen::onExitClicked);
    setEscapeButton(exitButton);
}

QString TitleScreen::picturePath()
{
    return QStringLiteral("images\\stairholesm.jpg");
}

void TitleScreen::onLoad()
{
    centreOnStage();
    backdrop().Show();
    picture->LoadPicture(picturePath());
    // Without its picture the screen still comes up, as a standard screen.
    if (picture->picture().isNull())
        setUpStandardScreen(*this, picture);
}

void TitleScreen::onOkClicked()
{
    showHomeScreen();
    Unload();
    playClick();
}

void TitleScreen::onExitClicked()
{
    playClick();
    Stage::instance().endProgram();
}

void TitleScreen::showAsFarewell()
{
    okButton->setCaption(QStringLiteral("Cancel"));
    setEscapeButton(okButton);
    Show();
}
