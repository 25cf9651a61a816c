#pragma once

// A restless class on whatever screen is on top: clicks, drags, typing and
// waits, mixed with purposeful runs (a worksheet saved, a caption dropped, a
// quiz answered), every choice from one seeded generator.

#include "TypedWorksheet.h"

#include "Activity.h"
#include "Buttons.h"
#include "Label.h"
#include "QuizScreen.h"
#include "TextBox.h"
#include "WorksheetTitle.h"

#include <QAbstractButton>
#include <QApplication>

#include <random>

namespace terralore::test {

class Monkey {
public:
    explicit Monkey(unsigned seed) : m_rng(seed) {}

    // Performs one action, or one purposeful run of several; returns the
    // number of user actions it took (a wait counts none).
    int step(Form &top)
    {
        const int roll = random(100);
        if (roll < 45)
            return click(top, roll < 40 ? Qt::LeftButton : Qt::RightButton);
        if (roll < 60)
            return hover(top);
        if (roll < 70)
            return drag(top, pickControl(top), randomPoint(top.client(), 40), 2 + random(6));
        if (roll < 75)
            return typeSomething(top);
        if (roll < 80) {
            // Long enough for the screens' timers: the results' picture and
            // sound, the acknowledgments' logo, the activities' opening sound.
            QTest::qWait(10 + random(250));
            return 0;
        }
        if (top.FormName() == QLatin1String("WorksheetWizard") && random(6) == 0)
            return saveWorksheet();
        if (top.FormName() == QLatin1String("QuizScreen"))
            return answerQuestion(static_cast<QuizScreen &>(top));
        if (auto *activity = dynamic_cast<Activity *>(&top))
            return dropCaption(*activity);
        return click(top, Qt::LeftButton, Pick::Button);
    }

    int random(int below) { return below <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, below - 1)(m_rng)); }

    // After maxPrints presses the print buttons are left alone, so the
    // printer queue is exercised without being flooded.
    int prints = 0;
    int maxPrints = 25;
    int fullSaves = 0;
    QStringList problems;

private:
    enum class Pick { Any, TextBox, Captioned, Button };

    static bool isPrintButton(QWidget *w)
    {
        auto *label = qobject_cast<Label *>(w);
        return label && label->Caption().startsWith(QLatin1String("Print"));
    }

    // What a pupil takes for something to press, and so favours: a label
    // with words on it (framed, for a button) or a button.
    static bool looksPressable(QWidget *w, bool framed)
    {
        if (auto *label = qobject_cast<Label *>(w))
            return !label->Caption().trimmed().isEmpty() && (!framed || label->BorderStyle() == 1);
        return qobject_cast<QAbstractButton *>(w) != nullptr;
    }

    QWidget *pickControl(Form &top, Pick pick = Pick::Any)
    {
        QList<QWidget *> candidates;
        for (QWidget *w : top.client()->findChildren<QWidget *>()) {
            if (!dynamic_cast<Control *>(w) || !w->isVisible() || w->width() <= 0 || w->height() <= 0 ||
                (pick == Pick::TextBox && !qobject_cast<TextBox *>(w)) ||
                (pick == Pick::Captioned && !looksPressable(w, false)) ||
                (pick == Pick::Button && !looksPressable(w, true)) || (isPrintButton(w) && prints >= maxPrints))
                continue;
            candidates << w;
        }
        return candidates.isEmpty() ? nullptr : candidates[random(int(candidates.size()))];
    }

    QPoint randomPoint(QWidget *w, int beyond = 0)
    {
        return {random(w->width() + 2 * beyond) - beyond, random(w->height() + 2 * beyond) - beyond};
    }

    int click(Form &top, Qt::MouseButton button, Pick pick = Pick::Any)
    {
        if (pick == Pick::Any && random(10) < 6)
            pick = Pick::Captioned;
        QWidget *w = pickControl(top, pick);
        if (!w)
            return hover(top);
        if (isPrintButton(w) && button == Qt::LeftButton)
            ++prints;
        const QPoint at = randomPoint(w);
        QTest::mouseMove(w, at);
        QTest::mouseClick(w, button, Qt::NoModifier, at);
        settle();
        return 1;
    }

    int hover(Form &top)
    {
        QTest::mouseMove(top.client(), randomPoint(top.client()));
        settle();
        return 1;
    }

    // Presses on w and lets go at to (in the screen's coordinates), now and
    // then past its edge, as a careless drag goes.
    int drag(Form &top, QWidget *w, QPoint to, int moves)
    {
        if (!w)
            return hover(top);
        QWidget *client = top.client();
        const QPoint grip = randomPoint(w);
        const QPoint from = w->mapTo(client, grip);
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, grip);
        for (int s = 1; s <= moves; ++s)
            QTest::mouseMove(client, from + (to - from) * s / moves);
        QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, to);
        settle();
        return 1;
    }

    int dropCaption(Activity &a)
    {
        const int n = a.captions.count();
        Label *caption = a.captions[random(n)];
        Label *box = a.targetBoxes[random(n)];
        if (!caption || !box || !caption->isVisible())
            return hover(a);
        return drag(a, caption, box->geometry().center(), 4);
    }

    int typeSomething(Form &top)
    {
        // Letters a class types, with the characters that stress the files:
        // commas, quotes, the curly apostrophe, slashes, dots and blanks.
        static const QString keys =
            QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCDEFG 0123456789 ,,&\"'\u2019./\\:?*-");
        auto *box = qobject_cast<TextBox *>(pickControl(top, Pick::TextBox));
        if (!box)
            return click(top, Qt::LeftButton);
        QTest::mouseClick(box, Qt::LeftButton);
        QString text;
        for (int i = random(30); i > 0; --i)
            text += keys[random(int(keys.size()))];
        typeText(box, text);
        const Qt::Key endings[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Home};
        if (const int ending = random(6); ending < 4)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, endings[ending]);
        settle();
        return 1;
    }

    // Picks an answer (or none) and goes on to the next question.
    int answerQuestion(QuizScreen &quiz)
    {
        OptionButton *option = quiz.answerButtons[1 + random(4)];
        if (random(5) != 0)
            QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(6, option->height() / 2));
        QTest::mouseClick(quiz.entryButtons[QuizScreen::NextEntry], Qt::LeftButton);
        settle();
        return 2;
    }

    // A few titles, so saves both add and overwrite; when the program says
    // it saved, the file must hold exactly what was typed.
    int saveWorksheet()
    {
        static const QStringList titles = {QStringLiteral("Soak Rocks"), QStringLiteral("Soak, Fossils"),
                                           QStringLiteral("Soak \u2019Pebbles\u2019"), QStringLiteral("Soak Clay")};
        const QString title = titles[random(int(titles.size()))];
        const QList<TypedQuestion> questions = sampleQuestions(QStringLiteral("v%1").arg(random(1000)));
        WorksheetWizard &w = worksheetWizard();
        const int actions = typeOverWorksheet(w, title, questions);
        fakeServices().messages.clear();
        QTest::mouseClick(w.entryButtons[WorksheetWizard::SaveEntry], Qt::LeftButton);
        settle();
        if (fakeServices().messages.contains(kSaved)) {
            ++fullSaves;
            if (readFile(QStringLiteral("multiple/") + storedWorksheetTitle(title) + QStringLiteral(".txt")) !=
                savedQuizBytes(title, questions))
                problems << QStringLiteral("saved worksheet differs from what was typed: ") + title;
        }
        return actions + 1;
    }

    std::mt19937 m_rng;
};

} // namespace terralore::test
