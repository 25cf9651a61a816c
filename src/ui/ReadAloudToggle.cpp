#include "ReadAloudToggle.h"

#include "Palette.h"

#include "Form.h"
#include "Stage.h"

using namespace terralore;

namespace {

Services &services()
{
    return Stage::instance().services();
}

bool &readAloudSetting()
{
    return Stage::instance().session().readAloud;
}

} // namespace

ReadAloudToggle::ReadAloudToggle(Form *form, float left, float width)
    : CheckBox(form, {.name = "readAloudToggle",
                      .left = left,
                      .top = 8040,
                      .width = width,
                      .height = 285,
                      .caption = QStringLiteral("Read aloud"),
                      .bold = true,
                      .fore = palette::kYellow})
{
    // The screen's own ground shows through; greyed, the caption is grey
    // like a disabled label's.
    setAutoFillBackground(false);
    QPalette greyed = palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        greyed.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    setPalette(greyed);
    setValue(readAloudSetting() ? 1 : 0);
    followSpeech();
    connect(&Stage::instance(), &Stage::speechStateChanged, this, &ReadAloudToggle::followSpeech);
    connect(this, &CheckBox::Click, this, &ReadAloudToggle::onClicked);
}

void ReadAloudToggle::readIfOn()
{
    // A screen reader says it already; read twice, it would be heard twice.
    if (readAloudSetting() && !services().screenReaderRunning())
        form()->readAloud();
}

void ReadAloudToggle::onClicked()
{
    readAloudSetting() = Value() != 0;
    if (readAloudSetting())
        readIfOn();
    else
        services().stopSpeaking();
}

void ReadAloudToggle::followSpeech()
{
    setEnabled(services().speechAvailable());
}
