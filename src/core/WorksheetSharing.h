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
    QStringList titles; // the worksheets made, as shown, when Saved
    QString refusal;    // why nothing was made, in words for the teacher; empty when Declined
};

// Makes worksheets of a GIFT or Aiken file through the wizard's own checks
// (the title rule, the boxes' lengths, the code page) and its saving (the
// replace question, the atomic write, the index, the folder's lock). title
// may be empty: the file's own then gives it. All or nothing: a file any of
// whose worksheets is refused writes none.
ImportResult importWorksheets(const QString &filePath, const QString &title, const ReplaceQuestion &mayReplace,
                              int &count, WorksheetNameArray &names);

// Writes the worksheet of a shown title to filePath, replacing it
// atomically. An empty string on success, else the message for the teacher.
QString exportWorksheet(const QString &shownTitle, QuestionFormat format, const QString &filePath);

} // namespace terralore
