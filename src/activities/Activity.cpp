#include "Activity.h"

#include "Palette.h"

#include "DropGeometry.h"
#include "LabelButtons.h"
#include "Module1.h"
#include "ResultsScreen.h"
#include "Twips.h"

#include <vector>

using namespace terralore;

namespace {

using namespace terralore::palette;

// The same three buttons on every activity screen; "Check Score" shows
// once every caption sits in a box.
const LabelButton kButtons[] = {
    {0, 10560, 7920, 1245, 495, "Exit"},
    {1, 3360, 7920, 2565, 495, "Start Again"},
    {2, 6000, 7920, 2565, 495, "Check Score", false},
};

LabelDesign outlineBox(const char *name, int index, float left, float top, const ActivityLayout &layout)
{
    return {.name = name,
            .index = index,
            .left = left,
            .top = top,
            .width = layout.width,
            .height = layout.height,
            .caption = QString(),
            .backStyle = vbTransparent,
            .borderStyle = 1};
}

std::vector<DropRect> rectsOf(const ControlArray<Label> &boxes)
{
    std::vector<DropRect> rects;
    boxes.forEach([&](int, const Label *box) {
        rects.push_back({box->Left(), box->Top(), box->Width(), box->Height()});
    });
    return rects;
}

std::vector<DropCorner> cornersOf(const ControlArray<Label> &captions)
{
    std::vector<DropCorner> corners;
    captions.forEach([&](int, const Label *caption) { corners.push_back({caption->Left(), caption->Top()}); });
    return corners;
}

} // namespace

Activity::Activity(const QString &name, const ActivityLayout &layout) : Form(name), m_layout(layout)
{}

void Activity::createTargets()
{
    // Each target box is authored holding its caption's text; the load
    // moves the text into the caption and leaves an empty outline.
    for (int i = 0; i < int(m_layout.items.size()); ++i) {
        const ActivityItem &item = m_layout.items[size_t(i)];
        LabelDesign design = outlineBox("Label1", i, item.targetLeft, item.targetTop, m_layout);
        design.caption = QString::fromUtf8(item.caption);
        design.backStyle = vbOpaque;
        Label1.add(i, new Label(this, design));
    }
}

void Activity::createHomes()
{
    for (int i = 0; i < int(m_layout.items.size()); ++i) {
        const ActivityItem &item = m_layout.items[size_t(i)];
        Label4.add(i, new Label(this, outlineBox("Label4", i, item.homeLeft, item.homeTop, m_layout)));
    }
}

void Activity::createCaptions()
{
    for (int i = 0; i < int(m_layout.items.size()); ++i) {
        const ActivityItem &item = m_layout.items[size_t(i)];
        auto *caption = new Label(this, {.name = "Label2",
                                         .index = i,
                                         .left = item.homeLeft,
                                         .top = item.homeTop,
                                         .width = m_layout.width,
                                         .height = m_layout.height,
                                         .caption = QStringLiteral("Label2"),
                                         .points = 11.25,
                                         .bold = true,
                                         .fore = kYellow,
                                         .back = kBlack,
                                         .backStyle = vbOpaque,
                                         .borderStyle = 1,
                                         .alignment = vbCenter});
        Label2.add(i, caption);
        connect(caption, &Label::MouseMove, this,
                [this, i](int b, int s, float x, float y) { Label2_MouseMove(i, b, s, x, y); });
        connect(caption, &Label::MouseUp, this,
                [this, i](int b, int s, float x, float y) { Label2_MouseUp(i, b, s, x, y); });
    }
}

void Activity::createButtons()
{
    makeLabelButtons(this, Label3, std::span(kButtons), &Activity::Label3_Click, &Activity::Label3_MouseMove);
}

Label *Activity::createText(const LabelDesign &design)
{
    return new Label(this, design);
}

void Activity::beginLoad(int questionCount)
{
    Module1::SetUpScreen(*this);
    Module1::QuestionCount = questionCount;
}

void Activity::setUpCaptions()
{
    const int n = Label2.count();
    for (int i = 0; i < n; ++i) {
        Label4[i]->setWidth(Label2[i]->Width());
        Label4[i]->setHeight(Label2[i]->Height());
    }
    for (int i = 0; i < n; ++i) {
        Label2[i]->setCaption(Label1[i]->Caption());
        Label1[i]->setCaption(QString());
        Label1[i]->setBackStyle(vbTransparent);
        Label4[i]->Move(Label2[i]->Left(), Label2[i]->Top());
    }
    for (int i = 0; i < n; ++i) {
        Label2[i]->setVisible(true);
        Label1[i]->setVisible(true);
        Label4[i]->setVisible(true);
    }
}

void Activity::Label2_MouseMove(int Index, int Button, int, float X, float Y)
{
    // The left button alone drags: the caption's centre jumps under the
    // pointer and follows it, unbounded.
    if (Button != vbLeftButton)
        return;
    Label *caption = Label2[Index];
    caption->Move(caption->Left() + X - caption->Width() / 2, caption->Top() + Y - caption->Height() / 2);
}

void Activity::Label2_MouseUp(int Index, int, int, float, float)
{
    Label *caption = Label2[Index];
    const std::vector<DropRect> targets = rectsOf(Label1);
    const SnapResult snap = snapCaption({caption->Left(), caption->Top()}, targets, rectsOf(Label4));
    if (snap.snaps > 0)
        caption->Move(snap.corner.left, snap.corner.top);
    for (int k = 0; k < snap.snaps; ++k)
        Module1::PlayIfSoundOn(QStringLiteral("wav\\thud3.wav"));
    const int PlacedCount = placedCount(cornersOf(Label2), targets);
    if (PlacedCount == Module1::QuestionCount)
        Label3[2]->setVisible(true);
}

void Activity::Label3_Click(int Index)
{
    Module1::Score = 0;
    switch (Index) {
    case 0:
        Unload();
        break;
    case 1:
        Label2.forEach([this](int i, Label *caption) { caption->Move(Label4[i]->Left(), Label4[i]->Top()); });
        Label3[2]->setVisible(false);
        break;
    case 2:
        Module1::Score = scoreOf(cornersOf(Label2), rectsOf(Label1));
        // Over this screen, which stays loaded with its captions in place.
        resultsScreen().Show();
        break;
    default:
        break;
    }
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
}

void Activity::Label3_MouseMove(int Index, int, int, float, float)
{
    setOpaque(Label3, Index);
}

void Activity::Form_MouseMove(int, int, float, float)
{
    setAllTransparent(Label3);
}
