#pragma once

// The save driver's steps, and what the folder may hold after a kill: the
// confirmed steps done, the unconfirmed one done or not, never half done.

#include "TypedWorksheet.h"

#include "WorksheetTitle.h"

#include <algorithm>
#include <optional>

namespace terralore::test {

// Every fifth step deletes a worksheet from the catalogue.
inline bool stepDeletes(int seq)
{
    return seq % 5 == 4;
}

// Few titles, so saves keep overwriting worksheets as well as adding them;
// one with a comma, which the folder and the index hold as "&".
inline QString titleForSave(int seq)
{
    static const QStringList titles = {
        QStringLiteral("Granite"), QStringLiteral("Chalk and Flint"), QStringLiteral("Sand, silt and clay"),
        QStringLiteral("Fossils"), QStringLiteral("Soil layers"),     QStringLiteral("Volcanoes")};
    return titles[(seq * 7 + seq / 6) % 6];
}

// Lengths vary with the step, so a file cut short or left from another
// save never matches.
inline QList<TypedQuestion> questionsForSave(int seq)
{
    QList<TypedQuestion> questions =
        sampleQuestions(QStringLiteral("Save %1, which rock%2?").arg(seq).arg(QString(seq % 7, QLatin1Char('x'))));
    for (TypedQuestion &q : questions) {
        q.options[2] += QStringLiteral(", basalt");
        q.answer = (q.answer + seq) % 4 + 1;
    }
    return questions;
}

inline QByteArray quizBytesForSave(int seq)
{
    return savedQuizBytes(titleForSave(seq), questionsForSave(seq));
}

inline QString quizFileNameFor(const QString &typedTitle)
{
    return storedWorksheetTitle(typedTitle) + QStringLiteral(".txt");
}

struct JournalStep {
    int seq = -1;
    bool deletes = false;
    QString title; // as typed in the wizard or shown in the catalogue
    bool done = false;
};

// The steps of a journal ("intent <seq> save|delete <title>", then
// "done <seq>") in order; none when a line is not whole and well formed.
inline std::optional<QList<JournalStep>> readJournal(const QString &path)
{
    QList<JournalStep> steps;
    QString text = QString::fromUtf8(readFile(path));
    // A kill inside the write of a line (the kernel may split a write where it
    // crosses a page) leaves the line's start: its step had not begun.
    text.truncate(text.lastIndexOf(u'\n') + 1);
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList words = line.split(u' ');
        bool ok = false;
        const int seq = words.value(1).toInt(&ok);
        if (ok && words.size() >= 4 && words[0] == u"intent" && (words[2] == u"save" || words[2] == u"delete"))
            steps.append({seq, words[2] == u"delete", words.mid(3).join(u' ')});
        else if (ok && words.size() == 2 && words[0] == u"done" && !steps.isEmpty() && steps.last().seq == seq)
            steps.last().done = true;
        else
            return std::nullopt;
    }
    return steps;
}

class FolderModel {
public:
    void apply(const JournalStep &step)
    {
        if (step.deletes) {
            m_index = withoutTitle(m_index, storedWorksheetTitle(step.title));
            return;
        }
        m_versions[quizFileNameFor(step.title)] = step.seq;
        if (!m_index.contains(storedWorksheetTitle(step.title)))
            m_index.append(storedWorksheetTitle(step.title));
    }

    // Checks the folder is whole and matches the model with the unconfirmed
    // step either done or not, then takes on what the folder shows of it.
    // An error text, or empty with where the kill fell in `point`.
    QString check(const QString &folder, const JournalStep *pending, QString &point)
    {
        const QDir dir(folder);
        // The lock has one name: a step killed holding it leaves a new one, not the old one
        // unswept. An empty lock (killed before writing its owner) waits for the next save.
        const auto lockStays = [&](const QString &name) {
            return name.endsWith(QLatin1String(".lock")) && (pending || QFileInfo(dir.filePath(name)).size() == 0);
        };
        for (const QString &name : std::as_const(m_leftovers))
            if (dir.exists(name) && !lockStays(name))
                return QStringLiteral("a restart did not sweep away ") + name;
        const FolderReport report = checkWorksheetFolder(folder, m_shipped);
        if (!report.problems.isEmpty())
            return report.problems.join(QStringLiteral("; "));
        // A kill before a commit's rename leaves its copy under the
        // program's own prefix for the next start to sweep.
        if (!pending && !std::all_of(report.leftovers.cbegin(), report.leftovers.cend(), lockStays))
            return QStringLiteral("a copy left outside any save: ") + report.leftovers.join(u' ');
        m_leftovers = report.leftovers;

        QMap<QString, QList<QByteArray>> allowed; // file name -> acceptable contents
        for (auto it = m_versions.cbegin(); it != m_versions.cend(); ++it)
            allowed[it.key()] = {quizBytesForSave(it.value())};
        QList<QStringList> indexes = {m_index};
        const QString pendingTitle = pending ? storedWorksheetTitle(pending->title) : QString();
        const QString pendingFile = pending && !pending->deletes ? quizFileNameFor(pending->title) : QString();
        if (pending && pending->deletes)
            indexes.append(withoutTitle(m_index, pendingTitle));
        else if (pending) {
            allowed[pendingFile].append(quizBytesForSave(pending->seq));
            if (!m_index.contains(pendingTitle))
                indexes.append(m_index + QStringList{pendingTitle});
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
        const qsizetype which = indexes.indexOf(report.titles);
        if (which < 0)
            return QStringLiteral("the index lists %1, expected %2")
                .arg(report.titles.join(u'|'), indexes.first().join(u'|'));

        point = QStringLiteral("outside any save or deletion");
        if (pending && pending->deletes) {
            point = which == 0 ? QStringLiteral("in a deletion, index not yet replaced")
                               : QStringLiteral("in a deletion, index replaced");
        } else if (pending) {
            const bool replaced = readFile(dir.filePath(pendingFile)) == quizBytesForSave(pending->seq);
            point = !replaced                               ? QStringLiteral("in a save, nothing replaced yet")
                    : !report.titles.contains(pendingTitle) ? kQuizFileOnly
                                                            : QStringLiteral("in a save, everything written");
            if (replaced)
                m_versions[pendingFile] = pending->seq;
        }
        m_index = report.titles;
        return {};
    }

    static inline const QString kQuizFileOnly = QStringLiteral("in a save, quiz file replaced, index not yet");

private:
    static QStringList withoutTitle(QStringList titles, const QString &stored)
    {
        if (const qsizetype last = titles.lastIndexOf(stored); last >= 0)
            titles.removeAt(last);
        return titles;
    }

    const QMap<QString, QByteArray> m_shipped = shippedQuizzes(); // stay as they are
    QStringList m_index;                                          // stored titles
    QMap<QString, int> m_versions;                                // quiz file name -> the step that wrote it
    QStringList m_leftovers;                                      // commits' copies a kill left, gone after a restart
};

} // namespace terralore::test
