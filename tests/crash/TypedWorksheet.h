#pragma once

// A whole worksheet typed key by key over what the wizard holds, each box
// emptied first, only the answer ticked (the save driver's and the monkey's).

#include "AuthoringTest.h"

namespace terralore::test {

// QTest's own typing knows only ASCII keys, so other characters go as key
// events carrying just their text.
inline void typeText(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Returns the number of user actions taken: a box typed, a tick clicked.
inline int typeOverWorksheet(WorksheetWizard &w, const QString &title, const QList<TypedQuestion> &questions)
{
    int actions = 0;
    auto retype = [&actions](TextBox *box, const QString &text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        typeText(box, text);
        ++actions;
    };
    retype(w.titleBox, title);
    for (int q = 0; q < 10; ++q) {
        retype(w.questionBoxes[q], questions[q].text);
        for (int j = 0; j < 4; ++j) {
            retype(w.optionBoxes[4 * q + j], questions[q].options[j]);
            CheckBox *box = w.answerTicks[4 * q + j];
            if ((box->Value() == 1) != (j + 1 == questions[q].answer)) {
                tick(box);
                ++actions;
            }
        }
    }
    return actions;
}

// The quiz file a save leaves, in Windows-1252: quizFileBytes writes
// Latin-1, where U+0092 comes out as 0x92, the curly apostrophe.
inline QByteArray savedQuizBytes(QString title, const QList<TypedQuestion> &questions)
{
    return quizFileBytes(title.replace(QChar(0x2019), QChar(0x92)), questions);
}

} // namespace terralore::test
