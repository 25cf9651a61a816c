#pragma once

// Whether the worksheet folder is whole, for the soak and the kill test: the
// index is a count line followed by exactly that many titles, written as the
// program writes them, each with its quiz file; every other file is a quiz
// of 72 CR LF lines that reads with answer digits 1 to 4, or a built-in quiz
// exactly as shipped.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace terralore::test {

struct FolderReport {
    QStringList problems;  // empty when the folder is whole
    QStringList titles;    // the index's titles as stored
    QStringList leftovers; // what an interrupted save left for the next start to sweep: copies, the lock
};

// The shipped quiz files by name (not the index).
QMap<QString, QByteArray> shippedQuizzes();

FolderReport checkWorksheetFolder(const QString &folder, const QMap<QString, QByteArray> &shipped);

// The index the program writes for these stored titles.
QByteArray indexFileBytes(const QStringList &titles);

} // namespace terralore::test
