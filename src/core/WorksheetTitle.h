#pragma once

#include <QString>
#include <QStringList>

namespace terralore {

// One rule for worksheet titles, shared by the wizard, the index, the file
// names, the catalogue and the deletion.
//
// The author types and sees a title with commas. The index and the quiz
// file's name hold the stored title, in which every comma is written as "&"
// (the quiz file's comma escape), because the index is read field by field
// and a comma would split the title in two. So a title shown in the
// catalogue maps back to exactly the stored title it was listed from, and an
// "&" the author typed comes back as a comma, as it does inside quiz files.

// The stored title for a title as typed or shown (every comma becomes "&").
QString storedWorksheetTitle(const QString &shown);
// The title shown for a stored one (every "&" becomes a comma).
QString shownWorksheetTitle(const QString &stored);

// Why a title typed in the wizard cannot be saved, in words for the author,
// or an empty string when it can. A savable title is a safe file name on
// every platform the program runs on, survives the index's field reading
// unchanged, and names no file the program itself keeps in the folder.
QString worksheetTitleProblem(const QString &title);

// The stored titles of the quizzes built into the topics, whose files lie
// among the worksheets.
QStringList builtInQuizTitles();

// The quiz file of a stored title in folder, or an empty string when the
// title could name a file anywhere else (a separator, "." or "..", a control
// character, a link leading out of the folder) or the folder does not exist.
QString worksheetFilePath(const QString &folder, const QString &storedTitle);

} // namespace terralore
