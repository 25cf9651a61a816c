#pragma once

// What the GIFT and Aiken readers and writers share: a question as a file
// gives it, the checks every question passes, the worksheets made of the
// questions, and the layout of the files written.
#include "QuestionFormats.h"

#include <QStringList>

namespace terralore {

struct FileQuestion {
    QString text;
    QStringList options;
    QList<int> right; // the indexes of the options marked right
    // A problem found while reading that makes it no question for a worksheet,
    // as the end of a sentence ("is not multiple choice."), or empty.
    QString problem;
    // Where the file has it, for a teacher to find it by: its name (GIFT's
    // "::name::"), or else the line it begins on, counted from 1.
    QString name;
    int line = 0;
};

struct FileQuestions {
    QList<FileQuestion> questions;
    // GIFT: the title every question's name begins with ("Rocks" for
    // "Rocks Q1", "Rocks Q2"...), or empty.
    QString namePrefix;
};

FileQuestions parseGift(QStringView text);
FileQuestions parseAiken(QStringView text);
// Whether text has the marks of the format: GIFT's braces, names or
// categories; Aiken's option and "ANSWER:" lines.
bool looksLikeGift(QStringView text);
bool looksLikeAiken(QStringView text);

// A value as a worksheet holds it: each line break, tab or other control
// character, with the blanks around it, becomes one blank, and leading and
// trailing blanks are trimmed.
QString worksheetValue(QStringView raw);

// Whether decoded bytes read as text: control characters other than tabs
// and line ends (the NULs of UTF-16 read as UTF-8, a program's bytes) are at
// most a stray one in a hundred characters.
bool looksLikeText(QStringView text);

// The text's lines, whatever ends them (CR LF, CR or LF), without a
// leading byte-order mark.
QList<QStringView> textLines(QStringView text);

// Checks the questions in file order and makes them into worksheets, or
// refuses them all with the first problem found. The worksheets' notice
// names the first value whose "&" becomes a comma.
ImportedWorksheets worksheetsFrom(const QList<FileQuestion> &questions, const QString &title);

// A sheet's questions as a file: each as block writes it (whole lines, the
// last one ending in a line break too), a blank line between them, in UTF-8.
QByteArray questionBlocks(const QuizSheet &sheet, QString (*block)(const QuizSheet &sheet, std::size_t question));

} // namespace terralore
