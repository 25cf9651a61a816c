#pragma once

#include "QuestionFormats.h"
#include "WorksheetStore.h"

#include <QString>
#include <QStringList>

namespace terralore {

// Worksheets to and from GIFT and Aiken files, the question formats that
// learning platforms read and write. Shared by the catalogue and the
// command line.

struct ImportResult {
    SaveOutcome outcome = SaveOutcome::Failed;
    QStringList titles;        // the worksheets made, as shown, when Saved
    QString notice;            // what the teacher should know of them, or empty
    QString refusal;           // why nothing was made, in words for the teacher; empty when Declined
    bool titleRefused = false; // the refusal is of the title: another one would do
};

// Makes worksheets of a GIFT or Aiken file through the wizard's own checks
// (the title rule, the boxes' lengths, the code page) and its saving (the
// replace question, the atomic write, the index, the folder's lock). title
// may be empty: the file's own then gives it. All or nothing: a file any of
// whose worksheets is refused, or whose new titles the index has no room
// for, writes none. Only an ordinary file is read, and only so much of it.
ImportResult importWorksheets(const QString &filePath, const QString &title, const ReplaceQuestion &mayReplace,
                              int &count, WorksheetNameArray &names);

// Writes the worksheet of a shown title (listed in the index, or a built-in
// quiz by the title it shows) to filePath, replacing it atomically. An empty
// string on success, else the message for the teacher.
QString exportWorksheet(const QString &shownTitle, QuestionFormat format, const QString &filePath);

} // namespace terralore
