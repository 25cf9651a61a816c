#pragma once

// Whether the worksheet folder is whole: an index as the program writes it,
// each title with its quiz file, every other file a readable quiz of 72 CR LF
// lines or a built-in quiz as shipped.

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
