#pragma once

// Whether the worksheet folder is whole: the index is a count followed by
// exactly that many titles, each with its quiz file; every quiz file is 72
// CR LF lines that read as a quiz; the built-in quizzes are as shipped; and
// no temporary file is left behind.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace terralore::test {

class FolderCheck {
public:
    // folder: the worksheet folder; shipped: the shipped copy of it.
    FolderCheck(const QString &folder, const QString &shipped);

    // Checks the folder again when any file changed since the last call.
    // Returns the problems found (empty when the folder is whole).
    QStringList check();
    // The titles the index held at the last check.
    const QStringList &titles() const { return m_titles; }
    int checksDone() const { return m_checks; }

private:
    QStringList checkIndex(const QByteArray &bytes);
    QStringList checkQuiz(const QString &name, const QByteArray &bytes) const;
    QString signature() const;

    QString m_folder;
    QMap<QString, QByteArray> m_shipped;
    QString m_lastSignature;
    QStringList m_lastProblems;
    QStringList m_titles;
    int m_checks = 0;
};

} // namespace terralore::test
