#pragma once

// What the save driver does at each step and what that step writes, shared
// by the driver and the checker: a step's sequence number alone decides
// whether it saves or deletes, under which title, and every byte it saves.

#include "AuthoringTest.h"

#include "WorksheetTitle.h"

#include <QStringList>

namespace terralore::test {

// Few titles, so saves keep overwriting worksheets as well as adding them;
// one with a comma, which the folder and the index hold as "&".
inline const QStringList &scriptTitles()
{
    static const QStringList titles = {
        QStringLiteral("Granite"), QStringLiteral("Chalk and Flint"), QStringLiteral("Sand, silt and clay"),
        QStringLiteral("Fossils"), QStringLiteral("Soil layers"),     QStringLiteral("Volcanoes")};
    return titles;
}

// Every fifth step deletes a worksheet from the catalogue.
inline bool stepDeletes(int seq)
{
    return seq % 5 == 4;
}

// The title a saving step types.
inline QString titleForSave(int seq)
{
    const int n = int(scriptTitles().size());
    return scriptTitles()[(seq * 7 + seq / n) % n];
}

// Which listed title a deleting step picks: slot 1 to listed.
inline int slotForDeletion(int seq, int listed)
{
    return (seq / 5) % listed + 1;
}

// The ten questions a saving step types. Lengths vary with the step, so a
// file cut short or left from another save never matches.
inline QList<TypedQuestion> questionsForSave(int seq)
{
    static const char *const kinds[] = {"hardest", "softest", "oldest", "most common", "made of shells"};
    QList<TypedQuestion> questions;
    for (int q = 1; q <= 10; ++q) {
        const QString tag = QStringLiteral("%1.%2").arg(seq).arg(q);
        questions.append(
            {QStringLiteral("Save %1, question %2: which rock is the %3?")
                 .arg(seq)
                 .arg(q)
                 .arg(QLatin1String(kinds[(seq + q) % 5])),
             {QStringLiteral("Granite ") + tag, QStringLiteral("Chalk"),
              QStringLiteral("Basalt, ") + QString(seq % 7, QLatin1Char('x')), QStringLiteral("Slate ") + tag},
             (seq + q) % 4 + 1});
    }
    return questions;
}

// The quiz file a saving step leaves, byte for byte.
inline QByteArray quizBytesForSave(int seq)
{
    return quizFileBytes(titleForSave(seq), questionsForSave(seq));
}

// The quiz file's name in the worksheet folder for a typed title.
inline QString quizFileNameFor(const QString &typedTitle)
{
    return storedWorksheetTitle(typedTitle) + QStringLiteral(".txt");
}

} // namespace terralore::test
