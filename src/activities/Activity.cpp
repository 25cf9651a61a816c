#include "Activity.h"

#include "Palette.h"

#include "Announcements.h"
#include "LabelButtons.h"
#include "ResultsScreen.h"
#include "StandardScreen.h"
#include "Twips.h"

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

LabelDesign outlineBox(const char *name, int index, const DropRect &rect)
{
    return {.name = name,
            .index = index,
            .left = rect.left,
            .top = rect.top,
            .width = rect.width,
            .height = rect.height,
            .caption = QString(),
            .backStyle = vbTransparent,
            .borderStyle = 1};
}

} // namespace

Activity::Activity(const QString &name, const ActivityLayout &layout) : Form(name), m_board(layout)
{}

void Activity::createTargets()
{
    for (int i = 0; i < m_board.count(); ++i) {
        auto *box = new Label(this, outlineBox("targetBoxes", i, m_board.targetRect(i)));
        const QString name = m_board.boxName(i);
        box->setAccessibleName(name.left(1).toUpper() + name.mid(1));
        targetBoxes.add(i, box);
    }
}

void Activity::createHomes()
{
    for (int i = 0; i < m_board.count(); ++i)
        homeBoxes.add(i, new Label(this, outlineBox("homeBoxes", i, m_board.homeRect(i))));
}

void Activity::createCaptions()
{
    for (int i = 0; i < m_board.count(); ++i) {
        const DropCorner at = m_board.cornerOf(i);
        auto *caption = new Label(this, {.name = "captions",
                                         .index = i,
                                         .left = at.left,
                                         .top = at.top,
                                         .width = m_board.captionWidth(),
                                         .height = m_board.captionHeight(),
                                         .caption = m_board.captionText(i),
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

void Activity::beginLoad()
{
    setUpStandardScreen(*this);
    session().progress.questionCount = m_board.count();
}

void Activity::showCaption(int caption)
{
    const DropCorner at = m_board.cornerOf(caption);
    captions[caption]->moveTwips(at.left, at.top);
}

void Activity::showCheckScore()
{
    entryButtons[CheckScoreEntry]->setVisible(m_board.isReady());
}

void Activity::onCaptionDragged(int index, int button, int, float x, float y)
{
    // The left button alone drags: the caption's centre jumps under the
    // pointer (x, y from the caption's corner) and follows it, unbounded.
    if (button != vbLeftButton)
        return;
    const DropCorner at = m_board.cornerOf(index);
    m_board.dragTo(index, {at.left + x - m_board.captionWidth() / 2, at.top + y - m_board.captionHeight() / 2});
    showCaption(index);
}

void Activity::onCaptionDropped(int index)
{
    m_carried = -1;
    const DropOutcome outcome = m_board.drop(index);
    showCaption(index);
    for (int k = 0; k < outcome.thuds; ++k)
        playSound(QStringLiteral("wav\\thud3.wav"));
    showCheckScore();
    announceDrop(index, outcome.becameReady);
}

void Activity::announceDrop(int caption, bool becameReady)
{
    const CaptionPlace place = m_board.placeOf(caption);
    QString said = m_board.captionText(caption);
    if (place.kind == CaptionPlace::InBox)
        said += QStringLiteral(" dropped in the ") + m_board.boxName(place.box) + QStringLiteral(".");
    else if (place.kind == CaptionPlace::Home)
        said += QStringLiteral(" is back in its place.");
    else
        said += QStringLiteral(" dropped outside the boxes.");
    if (becameReady)
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
        m_board.startAgain();
        for (int i = 0; i < m_board.count(); ++i)
            showCaption(i);
        showCheckScore();
        break;
    case CheckScoreEntry:
        score = m_board.score();
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
