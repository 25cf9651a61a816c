#pragma once

#include "ActivityBoard.h"
#include "ControlArray.h"
#include "Form.h"
#include "Label.h"

// The view the four activity screens share over their board: the captions
// drawn where the board has them, pointer and keys turned into board calls, a
// thud for each snap, "Check Score" while the board offers it, and the three
// buttons. A screen creates its parts in its own stacking order (first
// created lies lowest) and runs beginLoad() in its load.
class Activity : public terralore::Form {
    Q_OBJECT
public:
    enum Entry { ExitEntry = 0, StartAgainEntry = 1, CheckScoreEntry = 2 };

    // Opens over the hub, under the hub's topic title.
    void showForTopic(const QString &topic);

    terralore::ControlArray<terralore::Label> targetBoxes;  // target boxes: caption i belongs in box i
    terralore::ControlArray<terralore::Label> captions;     // captions
    terralore::ControlArray<terralore::Label> entryButtons; // Exit, Start Again, Check Score
    terralore::ControlArray<terralore::Label> homeBoxes;    // home boxes
    terralore::Label *topicTitle = nullptr;                 // the topic title, written by the hub

protected:
    Activity(const QString &name, const terralore::ActivityLayout &layout);

    void createTargets();
    void createHomes();
    // Caption 0 first, so a higher index lies above a lower one.
    void createCaptions();
    void createButtons();
    // A text of the screen's own (title, instruction, heading).
    terralore::Label *createText(const terralore::LabelDesign &design);

    // The first load steps of every activity: the screen set-up, then the
    // maximum score, the number of captions.
    void beginLoad();

    void onBackgroundMouseMove(int button, int shift, float x, float y) override;
    // Space or Enter picks the focused caption up, the arrows (or Tab) carry
    // it from box to box, Space or Enter drops it and Escape sends it home.
    bool handleKey(QKeyEvent &key) override;

private:
    void carry(int step);
    // The caption that has the keyboard focus, or -1.
    int focusedCaption() const;
    // Draws the caption where the board has it.
    void showCaption(int caption);
    void showCheckScore();
    void announceDrop(int caption, bool becameReady);

    void onCaptionDragged(int index, int button, int shift, float x, float y);
    void onCaptionDropped(int index);
    void onEntryClicked(int entry);

    terralore::ActivityBoard m_board;
    int m_carried = -1; // the caption carried by keyboard
    int m_aim = -1;     // the box it is over, in reading order
};
