#pragma once

// What the save driver does at each step, shared by the driver and the
// checker: a step's number alone decides whether it saves or deletes, under
// which title, and every byte it saves.

#include "TypedWorksheet.h"

#include "WorksheetTitle.h"

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

} // namespace terralore::test
