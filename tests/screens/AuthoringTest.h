#pragma once

// What the wizard and catalogue tests share: worksheets as the format
// describes them, built line by line, and an index of many titles.

#include "FolderCheck.h"
#include "ScreenTest.h"
#include "TestData.h"
#include "WorksheetCatalogue.h"
#include "WorksheetWizard.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>

namespace terralore::test {

inline const QString kSaved = QStringLiteral("Your worksheet has been saved.");
inline const QString kProblem = QStringLiteral("There was a problem saving your worksheet");
inline const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

// One question of a worksheet as typed: text, options A to D, answer 1 to 4.
struct TypedQuestion {
    QString text;
    QStringList options;
    int answer = 1;
};

// A worksheet of ten distinct questions whose texts carry the title.
inline QList<TypedQuestion> sampleQuestions(const QString &tag)
{
    QList<TypedQuestion> questions;
    for (int q = 1; q <= 10; ++q) {
        const QString n = QString::number(q);
        questions.append(
            {tag + QStringLiteral(" question ") + n,
             {QStringLiteral("A") + n, QStringLiteral("B") + n, QStringLiteral("C") + n, QStringLiteral("D") + n},
             (q - 1) % 4 + 1});
    }
    return questions;
}

// The 72 lines of a quiz file, each ending in CR LF, commas written as "&".
inline QByteArray quizFileBytes(const QString &title, const QList<TypedQuestion> &questions)
{
    auto escaped = [](QString s) { return s.replace(QLatin1Char(','), QLatin1Char('&')).toLatin1() + "\r\n"; };
    QByteArray bytes = escaped(title) + " \r\n";
    for (int q = 0; q < 10; ++q) {
        bytes += escaped(questions[q].text);
        for (const QString &option : questions[q].options)
            bytes += escaped(option);
        bytes += QByteArray::number(questions[q].answer) + "\r\n";
        bytes += " \r\n";
    }
    return bytes;
}

// Types a worksheet as a teacher does: into each box, then a tick click.
inline void typeWorksheet(WorksheetWizard &w, const QString &title, const QList<TypedQuestion> &questions)
{
    QTest::keyClicks(w.titleBox, title);
    for (int q = 0; q < 10; ++q) {
        QTest::keyClicks(w.questionBoxes[q], questions[q].text);
        for (int j = 0; j < 4; ++j)
            QTest::keyClicks(w.optionBoxes[4 * q + j], questions[q].options[j]);
        click(w.answerTicks[4 * q + questions[q].answer - 1], QPoint(6, 10));
    }
}

// A click on a tick box's square, as a teacher ticks it.
inline void tick(CheckBox *box)
{
    click(box, QPoint(8, box->height() / 2));
}

inline QStringList numberedTitles(int count)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles << QStringLiteral("Worksheet %1").arg(i);
    return titles;
}

// An index of these titles and, when withFiles, a quiz file for each.
inline bool putWorksheets(const TestData &data, const QStringList &titles, bool withFiles = true)
{
    bool ok = data.write(QStringLiteral("multiple/track.txt"), indexFileBytes(titles));
    for (int i = 0; withFiles && i < titles.size(); ++i)
        ok = data.write(QStringLiteral("multiple/") + titles[i] + QStringLiteral(".txt"),
                        quizFileBytes(titles[i], sampleQuestions(titles[i]))) &&
             ok;
    return ok;
}

// The worksheet folder as shipped: the two built-in quizzes and an empty
// index, whatever an earlier test left there.
inline bool resetWorksheetFolder(const TestData &data)
{
    QDir folder(data.file(QStringLiteral("multiple")));
    bool ok = folder.removeRecursively() && QDir().mkpath(folder.path());
    const QDir shipped(resourcesFolder() + QStringLiteral("/multiple"));
    for (const QString &name : shipped.entryList(QDir::Files)) {
        ok = QFile::copy(shipped.filePath(name), folder.filePath(name)) && ok;
        QFile(folder.filePath(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return ok;
}

// The files in the worksheet folder with their bytes, to tell that nothing changed.
inline QMap<QString, QByteArray> folderSnapshot(const TestData &data)
{
    QMap<QString, QByteArray> files;
    const QDir dir(data.file(QStringLiteral("multiple")));
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        files.insert(name, data.read(QStringLiteral("multiple/") + name));
    return files;
}

// The captions of the catalogue's visible title slots, in slot order.
inline QStringList visibleTitles()
{
    QStringList titles;
    for (int k = 1; k <= 24; ++k) {
        Label *slot = worksheetCatalogue().titleButtons[k];
        if (slot->isVisible())
            titles << slot->Caption();
    }
    return titles;
}

} // namespace terralore::test
