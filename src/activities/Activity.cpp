#include "Activity.h"

#include "Palette.h"

#include "Announcements.h"
#include "DropGeometry.h"
#include "LabelButtons.h"
#include "ResultsScreen.h"
#include "StandardScreen.h"
#include "Twips.h"

#include <vector>

using namespace terralore;

namespace {

using namespace terralore::palette;

// The same three buttons on every activity screen; "Check Score" shows
// once every caption sits in a box.
const LabelButton kButtons[] = {
    {Activity::ExitEntry, 10560, 7920, 1245, 495, "Exit"},
    {Activity::StartAgainEntry, 3360, 7920, 2565, 495, "Start Again"},
    {Activity::CheckScoreEntry, 6000, 7920, 2565, 495, "Check Score", false},
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
        rects.push_back({box->leftTwips(), box->topTwips(), box->widthTwips(), box->heightTwips()});
    });
    return rects;
}

std::vector<DropCorner> cornersOf(const ControlArray<Label> &captions)
{
    std::vector<DropCorner> corners;
    captions.forEach([&](int, const Label *caption) {
        corners.push_back({caption->leftTwips(), caption->topTwips()});
    });
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
        LabelDesign design = outlineBox("targetBoxes", i, item.targetLeft, item.targetTop, m_layout);
        design.caption = QString::fromUtf8(item.caption);
        design.backStyle = vbOpaque;
        auto *box = new Label(this, design);
        const QString name = QString::fromUtf8(item.boxName);
        box->setAccessibleName(name.left(1).toUpper() + name.mid(1));
        targetBoxes.add(i, box);
    }
}

void Activity::createHomes()
{
    for (int i = 0; i < int(m_layout.items.size()); ++i) {
        const ActivityItem &item = m_layout.items[size_t(i)];
        homeBoxes.add(i, new Label(this, outlineBox("homeBoxes", i, item.homeLeft, item.homeTop, m_layout)));
    }
}

void Activity::createCaptions()
{
    for (int i = 0; i < int(m_layout.items.size()); ++i) {
        const ActivityItem &item = m_layout.items[size_t(i)];
        auto *caption = new Label(this, {.name = "captions",
                                         .index = i,
                                         .left = item.homeLeft,
                                         .top = item.homeTop,
                                         .width = m_layout.width,
                                         .height = m_layout.height,
                                         .caption = QString(),
                                         .points = 11.25,
                                         .bold = true,
                                         .fore = kYellow,
                                         .back = kBlack,
                                         .backStyle = vbOpaque,
                                         .borderStyle = 1,
                                         .alignment = vbCenter});
        captions.add(i, caption);
        caption->setFocusPolicy(Qt::TabFocus);
        caption->setAccessibleDescription(
            QStringLiteral("Space picks it up, the arrow keys carry it over the boxes, Space drops it."));
        connect(caption, &Label::MouseMove, this,
                [this, i](int b, int s, float x, float y) { onCaptionDragged(i, b, s, x, y); });
        connect(caption, &Label::MouseUp, this, [this, i] { onCaptionDropped(i); });
    }
}

void Activity::createButtons()
{
    makeLabelButtons(this, entryButtons, std::span(kButtons), &Activity::onEntryClicked, HoverLight::On);
    setEscapeButton(entryButtons[ExitEntry]);
}

Label *Activity::createText(const LabelDesign &design)
{
    return new Label(this, design);
}

void Activity::beginLoad(int questionCount)
{
    setUpStandardScreen(*this);
    session().progress.questionCount = questionCount;
}

void Activity::setUpCaptions()
{
    const int n = captions.count();
    for (int i = 0; i < n; ++i) {
        homeBoxes[i]->setWidthTwips(captions[i]->widthTwips());
        homeBoxes[i]->setHeightTwips(captions[i]->heightTwips());
    }
    for (int i = 0; i < n; ++i) {
        captions[i]->setCaption(targetBoxes[i]->Caption());
        targetBoxes[i]->setCaption(QString());
        targetBoxes[i]->setBackStyle(vbTransparent);
        homeBoxes[i]->moveTwips(captions[i]->leftTwips(), captions[i]->topTwips());
    }
    for (int i = 0; i < n; ++i) {
        captions[i]->setVisible(true);
        targetBoxes[i]->setVisible(true);
        homeBoxes[i]->setVisible(true);
    }
}

void Activity::onCaptionDragged(int index, int button, int, float x, float y)
{
    // The left button alone drags: the caption's centre jumps under the
    // pointer and follows it, unbounded.
    if (button != vbLeftButton)
        return;
    Label *caption = captions[index];
    caption->moveTwips(caption->leftTwips() + x - caption->widthTwips() / 2,
                       caption->topTwips() + y - caption->heightTwips() / 2);
}

void Activity::onCaptionDropped(int index)
{
    const bool wasReady = entryButtons[CheckScoreEntry]->isVisible();
    m_carried = -1;
    Label *caption = captions[index];
    const std::vector<DropRect> targets = rectsOf(targetBoxes);
    const SnapResult snap = snapCaption({caption->leftTwips(), caption->topTwips()}, targets, rectsOf(homeBoxes));
    if (snap.snaps > 0)
        caption->moveTwips(snap.corner.left, snap.corner.top);
    for (int k = 0; k < snap.snaps; ++k)
        playSound(QStringLiteral("wav\\thud3.wav"));
    if (placedCount(cornersOf(captions), targets) == session().progress.questionCount)
        entryButtons[CheckScoreEntry]->setVisible(true);
    announceDrop(index, wasReady);
}

QString Activity::boxName(int box) const
{
    return QString::fromUtf8(m_layout.items[size_t(box)].boxName);
}

int Activity::boxUnder(int caption) const
{
    int under = -1;
    targetBoxes.forEach([&](int i, const Label *box) {
        if (under < 0 && box->leftTwips() == captions[caption]->leftTwips() &&
            box->topTwips() == captions[caption]->topTwips())
            under = i;
    });
    return under;
}

void Activity::announceDrop(int caption, bool wasReady)
{
    const Label *dropped = captions[caption];
    const Label *home = homeBoxes[caption];
    const int box = boxUnder(caption);
    QString said;
    if (box >= 0)
        said = dropped->Caption() + QStringLiteral(" dropped in the ") + boxName(box) + QStringLiteral(".");
    else if (dropped->leftTwips() == home->leftTwips() && dropped->topTwips() == home->topTwips())
        said = dropped->Caption() + QStringLiteral(" is back in its place.");
    else
        said = dropped->Caption() + QStringLiteral(" dropped outside the boxes.");
    if (!wasReady && entryButtons[CheckScoreEntry]->isVisible())
        said += QStringLiteral(" Every caption is in a box: Check Score is ready.");
    announce(said);
}

void Activity::onEntryClicked(int entry)
{
    int &score = session().progress.score;
    score = 0;
    switch (entry) {
    case ExitEntry:
        Unload();
        break;
    case StartAgainEntry:
        m_carried = -1;
        captions.forEach(
            [this](int i, Label *caption) { caption->moveTwips(homeBoxes[i]->leftTwips(), homeBoxes[i]->topTwips()); });
        entryButtons[CheckScoreEntry]->setVisible(false);
        break;
    case CheckScoreEntry:
        score = scoreOf(cornersOf(captions), rectsOf(targetBoxes));
        // Over this screen, which stays loaded with its captions in place.
        resultsScreen().showForActivity();
        break;
    default:
        break;
    }
    playClick();
}

void Activity::showForTopic(const QString &topic)
{
    topicTitle->setCaption(topic);
    Show();
}

void Activity::onBackgroundMouseMove(int, int, float, float)
{
    setAllTransparent(entryButtons);
}
