#include "Monkey.h"

#include "Activity.h"
#include "Buttons.h"
#include "Control.h"
#include "Form.h"
#include "Label.h"
#include "QuizFile.h"
#include "QuizScreen.h"
#include "ScreenTest.h"
#include "TextBox.h"
#include "TextCodec.h"
#include "WorksheetWizard.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

namespace terralore::test {

namespace {

// Letters a class types, with the characters that stress the files: commas,
// quotes, the curly apostrophe, slashes, dots and blanks.
const QString kKeys = QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCDEFG 0123456789 ,,&\"'\u2019./\\:?*-");

// Titles the purposeful saves use: a few, so saves both add and overwrite.
const QStringList kTitles = {QStringLiteral("Soak Rocks"), QStringLiteral("Soak Soils"),
                             QStringLiteral("Soak, Fossils"), QStringLiteral("Soak \u2019Pebbles\u2019"),
                             QStringLiteral("Soak Clay")};

// Types text key by key; QTest's own typing knows only ASCII keys, so
// other characters go as key events carrying just their text.
void typeText(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

Monkey::Monkey(unsigned seed) : m_rng(seed)
{}

int Monkey::random(int below)
{
    return below <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, below - 1)(m_rng));
}

void Monkey::note(const QString &what, QWidget *w)
{
    QString line = what;
    if (auto *control = dynamic_cast<Control *>(w))
        line += QStringLiteral(" %1.%2(%3)").arg(control->form()->FormName(), control->Name()).arg(control->Index());
    m_recent << line;
    if (m_recent.size() > 12)
        m_recent.removeFirst();
}

bool Monkey::isPrintButton(QWidget *w) const
{
    auto *label = qobject_cast<Label *>(w);
    return label && label->Caption().startsWith(QLatin1String("Print"));
}

// Whether a pupil would take the control for something to press: a label
// with words on it or a button. The monkey favours these, as people do.
bool looksPressable(QWidget *w)
{
    if (auto *label = qobject_cast<Label *>(w))
        return !label->Caption().trimmed().isEmpty();
    return qobject_cast<QAbstractButton *>(w) != nullptr;
}

// A framed label with words on it: the screens' buttons look like this.
bool looksLikeButton(QWidget *w)
{
    auto *label = qobject_cast<Label *>(w);
    return (label && label->BorderStyle() == 1 && looksPressable(w)) || qobject_cast<QAbstractButton *>(w);
}

QWidget *Monkey::pickControl(Form &top, Pick pick)
{
    QList<QWidget *> candidates;
    for (QWidget *w : top.client()->findChildren<QWidget *>()) {
        if (!dynamic_cast<Control *>(w) || !w->isVisible() || w->width() <= 0 || w->height() <= 0)
            continue;
        if ((pick == Pick::TextBox && !qobject_cast<TextBox *>(w)) || (pick == Pick::Captioned && !looksPressable(w)) ||
            (pick == Pick::Button && !looksLikeButton(w)))
            continue;
        if (isPrintButton(w) && prints >= maxPrints)
            continue;
        candidates << w;
    }
    return candidates.isEmpty() ? nullptr : candidates[random(int(candidates.size()))];
}

int Monkey::step(Form &top)
{
    const int roll = random(100);
    if (roll < 40)
        return clickSomething(top, Qt::LeftButton);
    if (roll < 45)
        return clickSomething(top, Qt::RightButton);
    if (roll < 60)
        return hoverSomewhere(top);
    if (roll < 70)
        return dragSomething(top);
    if (roll < 75)
        return typeSomething(top);
    if (roll < 80)
        return wait();
    return purposeful(top);
}

int Monkey::clickSomething(Form &top, Qt::MouseButton button)
{
    QWidget *w = pickControl(top, random(10) < 6 ? Pick::Captioned : Pick::Any);
    if (!w)
        return hoverSomewhere(top);
    if (isPrintButton(w) && button == Qt::LeftButton)
        ++prints;
    const QPoint at(random(w->width()), random(w->height()));
    note(button == Qt::LeftButton ? QStringLiteral("click") : QStringLiteral("right click"), w);
    QTest::mouseMove(w, at);
    QTest::mouseClick(w, button, Qt::NoModifier, at);
    settle();
    return 1;
}

int Monkey::hoverSomewhere(Form &top)
{
    QWidget *client = top.client();
    note(QStringLiteral("move over ") + top.FormName());
    QTest::mouseMove(client, QPoint(random(client->width()), random(client->height())));
    settle();
    return 1;
}

int Monkey::dragSomething(Form &top)
{
    QWidget *w = pickControl(top);
    if (!w)
        return hoverSomewhere(top);
    QWidget *client = top.client();
    const QPoint grip(random(w->width()), random(w->height()));
    const QPoint from = w->mapTo(client, grip);
    // Now and then past the edge of the screen, as a careless drag goes.
    const QPoint to(random(client->width() + 80) - 40, random(client->height() + 80) - 40);
    const int steps = 2 + random(6);
    note(QStringLiteral("drag"), w);
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, grip);
    for (int s = 1; s <= steps; ++s)
        QTest::mouseMove(client, from + (to - from) * s / steps);
    QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, to);
    settle();
    return 1;
}

int Monkey::typeSomething(Form &top)
{
    auto *box = qobject_cast<TextBox *>(pickControl(top, Pick::TextBox));
    if (!box)
        return clickSomething(top, Qt::LeftButton);
    note(QStringLiteral("type into"), box);
    QTest::mouseClick(box, Qt::LeftButton);
    QString text;
    const int length = random(30);
    for (int i = 0; i < length; ++i)
        text += kKeys[random(int(kKeys.size()))];
    typeText(box, text);
    const Qt::Key endings[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Home};
    const int ending = random(6);
    if (ending < 4)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, endings[ending]);
    settle();
    return 1;
}

int Monkey::wait()
{
    // Long enough for the screens' timers: the results' picture and
    // sound, the acknowledgments' logo, the activities' opening sound.
    note(QStringLiteral("wait"));
    QTest::qWait(10 + random(250));
    return 0;
}

int Monkey::purposeful(Form &top)
{
    if (top.FormName() == QLatin1String("wizard"))
        return random(6) == 0 ? saveWorksheet() : pressButton(top);
    if (top.FormName() == QLatin1String("multiple"))
        return answerQuestion(top);
    if (dynamic_cast<Activity *>(&top))
        return dropCaption(top);
    return pressButton(top);
}

int Monkey::pressButton(Form &top)
{
    QWidget *w = pickControl(top, Pick::Button);
    if (!w)
        return clickSomething(top, Qt::LeftButton);
    if (isPrintButton(w))
        ++prints;
    note(QStringLiteral("press"), w);
    QTest::mouseClick(w, Qt::LeftButton);
    settle();
    return 1;
}

// Picks an answer (or none) and goes on to the next question.
int Monkey::answerQuestion(Form &top)
{
    auto &quiz = static_cast<QuizScreen &>(top);
    OptionButton *option = quiz.answerButtons[1 + random(4)];
    note(QStringLiteral("answer"), option);
    if (random(5) != 0)
        QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(6, option->height() / 2));
    QTest::mouseClick(quiz.entryButtons[1], Qt::LeftButton);
    settle();
    return 2;
}

int Monkey::dropCaption(Form &top)
{
    auto &a = static_cast<Activity &>(top);
    const int n = a.captions.count();
    Label *caption = a.captions[random(n)];
    Label *box = a.targetBoxes[random(n)];
    if (!caption || !box || !caption->isVisible())
        return hoverSomewhere(top);
    QWidget *client = top.client();
    note(QStringLiteral("drop on ") + box->Name() + QString::number(box->Index()), caption);
    const QPoint to = box->geometry().center();
    const QPoint from = caption->mapTo(client, caption->rect().center());
    QTest::mousePress(caption, Qt::LeftButton, Qt::NoModifier, caption->rect().center());
    for (int s = 1; s <= 4; ++s)
        QTest::mouseMove(client, from + (to - from) * s / 4);
    QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, to);
    settle();
    return 1;
}

// Types a complete worksheet into the emptied wizard and saves it; when the
// program says it saved, the file must hold exactly what was typed.
int Monkey::saveWorksheet()
{
    WorksheetWizard &w = worksheetWizard();
    int actions = 0;
    QuizSheet sheet;
    sheet.title = kTitles[random(int(kTitles.size()))];
    note(QStringLiteral("save a worksheet"));
    auto retype = [&](TextBox *box, const QString &text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        typeText(box, text);
        ++actions;
    };
    retype(w.titleBox, sheet.title);
    const int variant = random(1000);
    for (int q = 0; q < kQuizQuestions; ++q) {
        QuizQuestionText &question = sheet.questions[size_t(q)];
        question.text = QStringLiteral("Q%1 v%2: which is it, really?").arg(q + 1).arg(variant);
        retype(w.questionBoxes[q], question.text);
        for (int j = 0; j < 4; ++j) {
            question.options[size_t(j)] = QStringLiteral("Option %1%2").arg(QChar(u'A' + j)).arg(variant);
            retype(w.optionBoxes[4 * q + j], question.options[size_t(j)]);
        }
        question.answer = 1 + random(4);
        for (int j = 0; j < 4; ++j) {
            CheckBox *tick = w.answerTicks[4 * q + j];
            if ((tick->Value() == 1) != (j + 1 == question.answer)) {
                QTest::mouseClick(tick, Qt::LeftButton, Qt::NoModifier, QPoint(6, 10));
                ++actions;
            }
        }
    }
    const qsizetype shownBefore = fakeServices().messages.size();
    QTest::mouseClick(w.entryButtons[1], Qt::LeftButton);
    settle();
    ++actions;
    const QStringList &shown = fakeServices().messages;
    for (qsizetype i = shownBefore; i < shown.size(); ++i) {
        if (shown[i] != QLatin1String("Your worksheet has been saved."))
            continue;
        ++fullSaves;
        QFile file(QStringLiteral("multiple/") + escapeQuizValue(sheet.title) + QStringLiteral(".txt"));
        QByteArray expected;
        for (const QString &line : quizFileLines(sheet))
            expected += encodeWindows1252(line) + "\r\n";
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != expected)
            problems << QStringLiteral("saved worksheet differs from what was typed: ") + sheet.title;
    }
    return actions;
}

} // namespace terralore::test
