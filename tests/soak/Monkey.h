#pragma once

// A monkey that uses the program as a restless class would: clicks, right
// clicks, pointer moves, drags, typing and waits on whatever screen is on
// top, mixed with purposeful runs (a whole worksheet typed and saved, a
// caption dropped on a box, a quiz answer given). Every choice comes from
// one seeded generator, so a run can be repeated.

#include <QMap>
#include <QString>
#include <QStringList>

#include <random>

class QWidget;

namespace terralore {
class Form;
}

namespace terralore::test {

class Monkey {
public:
    explicit Monkey(unsigned seed);

    // Performs one action, or one purposeful run of several; returns the
    // number of user actions it took: a click, a pointer move, a drag, a
    // text typed into one box each count once; a wait counts none.
    int step(Form &top);

    // Print buttons pressed so far; after maxPrints they are left alone, so
    // the printer queue is exercised without being flooded.
    int prints = 0;
    int maxPrints = 25;
    // Worksheets the monkey typed in full and saved; the saved texts are
    // checked against the file when the program says it saved.
    int fullSaves = 0;
    QStringList problems;
    // The last actions, to tell how a failure came about.
    QStringList recent() const { return m_recent; }

    int random(int below);

private:
    enum class Pick { Any, TextBox, Captioned, Button };
    QWidget *pickControl(Form &top, Pick pick = Pick::Any);
    int clickSomething(Form &top, Qt::MouseButton button);
    int hoverSomewhere(Form &top);
    int dragSomething(Form &top);
    int typeSomething(Form &top);
    int wait();
    int purposeful(Form &top);
    int pressButton(Form &top);
    int answerQuestion(Form &top);
    int saveWorksheet();
    int dropCaption(Form &top);
    bool isPrintButton(QWidget *w) const;
    void note(const QString &what, QWidget *w = nullptr);

    std::mt19937 m_rng;
    QStringList m_recent;
};

} // namespace terralore::test
