#pragma once

// Taking a topic quiz as a pupil does: menu, hub, "Multiple Choice", then
// answers chosen by clicking the option buttons and "Next Question >>".

#include "FieldReader.h"
#include "QuizFile.h"
#include "ScreenTest.h"

#include "MainMenu.h"
#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "ScienceHub.h"
#include "WrongAnswers.h"

#include <QSet>

namespace terralore::test {

inline const QString kRocksQuiz = QStringLiteral("multiple/The Science of Rocks.txt");

// A quiz file as the test data holds it, read with the program's loader.
struct QuizOnDisk : Quiz {
    bool ok = false;

    explicit QuizOnDisk(const QString &path)
    {
        FieldReader reader(readFile(path));
        ok = loadQuizFile(reader, *this);
    }
    // Question q counts from 1.
    const QString &text(int q) const { return questions[std::size_t(q - 1)].text; }
    int digit(int q) const { return questions[std::size_t(q - 1)].answer.toInt(); }
    // An option that is not the right one.
    int wrongOption(int q) const { return digit(q) % 4 + 1; }
};

// From the menu to the rocks quiz, by clicks.
inline QuizScreen *openRocksQuiz()
{
    mainMenu().Show();
    click(mainMenu().entryButtons[MainMenu::ScienceEntry]);
    if (!scienceHubIfLoaded())
        return nullptr;
    click(scienceHub().entryButtons[Hub::QuizEntry]);
    return quizScreenIfLoaded();
}

// Chooses an answer button (0: none) and goes on to the next question.
inline void answerAndGoOn(int option)
{
    QuizScreen &quiz = quizScreen();
    if (option > 0) {
        OptionButton *button = quiz.answerButtons[option];
        click(button, QPoint(8, button->height() / 2));
    }
    click(quiz.entryButtons[QuizScreen::NextEntry]);
    settle();
}

// Answers all ten questions, wrong where listed, right elsewhere.
inline void takeQuiz(const QuizOnDisk &quiz, const QSet<int> &wrong)
{
    for (int q = 1; q <= 10; ++q)
        answerAndGoOn(wrong.contains(q) ? quiz.wrongOption(q) : quiz.digit(q));
}

// The entries of the wrong-answer list that are shown, from the top.
inline QStringList shownWrongEntries()
{
    QStringList entries;
    for (int j = 0; j <= 9; ++j)
        if (wrongAnswers().wrongAnswerLines[j]->Visible())
            entries << wrongAnswers().wrongAnswerLines[j]->Caption();
    return entries;
}

} // namespace terralore::test
