#pragma once

// What the worksheet folder may hold after the save driver was killed: the
// journal's confirmed steps applied in order, and the one step left
// unconfirmed either not done or done, never half done.

#include "SaveScript.h"

#include "FolderCheck.h"
#include "TestData.h"

#include <QDir>
#include <QMap>

#include <optional>

namespace terralore::test {

struct JournalStep {
    int seq = -1;
    bool deletes = false;
    QString title; // as typed in the wizard or shown in the catalogue
    bool done = false;
};

// The steps of a journal in order; an empty optional when a line is not
// whole and well formed (the driver writes each line in one go).
inline std::optional<QList<JournalStep>> readJournal(const QString &path)
{
    QList<JournalStep> steps;
    const QByteArray bytes = readFile(path);
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        return std::nullopt;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        const QList<QByteArray> words = line.split(' ');
        bool ok = false;
        const int seq = words.value(1).toInt(&ok);
        if (words[0] == "intent" && ok && words.size() >= 4 && (words[2] == "save" || words[2] == "delete"))
            steps.append(
                {seq, words[2] == "delete", QString::fromUtf8(line.mid(line.indexOf(words[2]) + words[2].size() + 1))});
        else if (words[0] == "done" && ok && words.size() == 2 && !steps.isEmpty() && steps.last().seq == seq)
            steps.last().done = true;
        else
            return std::nullopt;
    }
    return steps;
}

// How a kill left the step it interrupted, for the report.
enum class KillPoint { BetweenSteps, BeforeWriting, QuizFileOnly, WrittenUnconfirmed, DeletionBefore, DeletionAfter };

inline const char *killPointName(KillPoint point)
{
    switch (point) {
    case KillPoint::BetweenSteps:
        return "outside any save or deletion (typing, changing screens)";
    case KillPoint::BeforeWriting:
        return "in a save, nothing replaced yet";
    case KillPoint::QuizFileOnly:
        return "in a save, quiz file replaced, index not yet";
    case KillPoint::WrittenUnconfirmed:
        return "in a save, everything written, not yet confirmed";
    case KillPoint::DeletionBefore:
        return "in a deletion, index not yet replaced";
    case KillPoint::DeletionAfter:
        return "in a deletion, index replaced, not yet confirmed";
    }
    return "";
}

class FolderModel {
public:
    // The folder as shipped: its quiz files stay as they are, the index is empty.
    FolderModel() : m_shipped(shippedQuizzes()) {}

    void apply(const JournalStep &step)
    {
        const QString stored = storedWorksheetTitle(step.title);
        if (step.deletes) {
            m_index = withoutTitle(m_index, stored);
            return;
        }
        m_versions[quizFileNameFor(step.title)] = step.seq;
        if (!m_index.contains(stored))
            m_index.append(stored);
    }

    // Checks the folder is whole, then against the model with the unconfirmed
    // step, if any, and takes on what the folder shows of that step. An error
    // text, or an empty string when the folder is as it may be.
    QString check(const QString &folder, const JournalStep *pending, KillPoint &point)
    {
        const QDir dir(folder);
        for (const QString &name : std::as_const(m_leftovers))
            if (dir.exists(name))
                return QStringLiteral("a restart did not sweep away ") + name;
        const FolderReport report = checkWorksheetFolder(folder, m_shipped);
        if (!report.problems.isEmpty())
            return report.problems.join(QStringLiteral("; "));
        // A kill before a commit's rename leaves its copy, whole or cut
        // short, under the program's own prefix for the next start to sweep.
        if (!pending && !report.leftovers.isEmpty())
            return QStringLiteral("a copy left outside any save: ") + report.leftovers.join(u' ');
        m_leftovers = report.leftovers;
        for (const QString &name : report.leftovers)
            ++m_leftoversSeen[readFile(dir.filePath(name)).startsWith(' ') ? 1 : 0];

        QMap<QString, QList<QByteArray>> allowed; // file name -> acceptable contents
        for (auto it = m_versions.cbegin(); it != m_versions.cend(); ++it)
            allowed[it.key()] = {quizBytesForSave(it.value())};
        QList<QStringList> indexes = {m_index};
        QString pendingFile;
        if (pending && !pending->deletes) {
            pendingFile = quizFileNameFor(pending->title);
            allowed[pendingFile].append(quizBytesForSave(pending->seq));
            if (!m_index.contains(storedWorksheetTitle(pending->title)))
                indexes.append(m_index + QStringList{storedWorksheetTitle(pending->title)});
        } else if (pending) {
            indexes.append(withoutTitle(m_index, storedWorksheetTitle(pending->title)));
        }
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (name == QLatin1String("track.txt") || m_leftovers.contains(name) || m_shipped.contains(name))
                continue;
            if (!allowed.contains(name))
                return QStringLiteral("a file that no step wrote: ") + name;
            if (!allowed[name].contains(readFile(dir.filePath(name))))
                return name + QStringLiteral(" is neither its old nor its new version");
        }
        for (auto it = m_versions.cbegin(); it != m_versions.cend(); ++it)
            if (!dir.exists(it.key()))
                return QStringLiteral("a saved worksheet is gone: ") + it.key();
        const int which = int(indexes.indexOf(report.titles));
        if (which < 0)
            return QStringLiteral("the index lists %1, expected %2")
                .arg(report.titles.join(u'|'), indexes.first().join(u'|'));

        point = KillPoint::BetweenSteps;
        if (pending && pending->deletes) {
            point = which == 0 ? KillPoint::DeletionBefore : KillPoint::DeletionAfter;
        } else if (pending) {
            const bool replaced = readFile(dir.filePath(pendingFile)) == quizBytesForSave(pending->seq);
            const bool listed = report.titles.contains(storedWorksheetTitle(pending->title));
            point = !replaced ? KillPoint::BeforeWriting
                    : listed  ? KillPoint::WrittenUnconfirmed
                              : KillPoint::QuizFileOnly;
            if (replaced)
                m_versions[pendingFile] = pending->seq;
        }
        m_index = report.titles;
        return {};
    }

    int leftoversSeen(bool ofTheIndex) const { return m_leftoversSeen[ofTheIndex ? 1 : 0]; }

private:
    static QStringList withoutTitle(QStringList titles, const QString &stored)
    {
        const qsizetype last = titles.lastIndexOf(stored);
        if (last >= 0)
            titles.removeAt(last);
        return titles;
    }

    QMap<QString, QByteArray> m_shipped;
    QStringList m_index;                  // stored titles
    QMap<QString, int> m_versions;        // quiz file name -> the step that wrote it
    QStringList m_leftovers;              // commits' copies a kill left, gone after a restart
    std::array<int, 2> m_leftoversSeen{}; // of quiz files, of the index
};

} // namespace terralore::test
