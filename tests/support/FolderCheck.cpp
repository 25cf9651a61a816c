#include "FolderCheck.h"

#include "FieldReader.h"
#include "LineWriter.h"
#include "QuizFile.h"
#include "TestData.h"
#include "TextCodec.h"
#include "WorksheetIndex.h"

#include <QDir>

#include <memory>

namespace terralore::test {

namespace {

const QString kIndex = QStringLiteral("track.txt");

QString quizProblem(const QByteArray &bytes)
{
    const bool crlfOnly = bytes.endsWith("\r\n") && bytes.count('\r') == kQuizLines &&
                          bytes.count('\n') == kQuizLines && bytes.count("\r\n") == kQuizLines;
    if (!crlfOnly)
        return QStringLiteral("a quiz file is not 72 CR LF lines: ");
    Quiz quiz;
    FieldReader reader(bytes);
    if (!loadQuizFile(reader, quiz))
        return QStringLiteral("a quiz file does not read: ");
    for (const QuizQuestion &question : quiz.questions)
        if (!QStringList({"1", "2", "3", "4"}).contains(question.answer))
            return QStringLiteral("a quiz file has a bad answer digit: ");
    return {};
}

} // namespace

QMap<QString, QByteArray> shippedQuizzes()
{
    QMap<QString, QByteArray> files;
    const QDir dir(resourcesFolder() + QStringLiteral("/multiple"));
    for (const QString &name : dir.entryList(QDir::Files))
        if (name.compare(kIndex, Qt::CaseInsensitive) != 0)
            files.insert(name, readFile(dir.filePath(name)));
    return files;
}

QByteArray indexFileBytes(const QStringList &titles)
{
    QByteArray bytes = " " + QByteArray::number(titles.size()) + " \r\n";
    for (const QString &title : titles)
        bytes += encodeWindows1252(title) + "\r\n";
    return bytes;
}

FolderReport checkWorksheetFolder(const QString &folder, const QMap<QString, QByteArray> &shipped)
{
    FolderReport report;
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QByteArray bytes = readFile(dir.filePath(name));
        if (name == kIndex) {
            FieldReader reader(bytes);
            int count = 0;
            auto stored = std::make_unique<WorksheetNameArray>();
            if (readWorksheetIndex(reader, count, *stored))
                for (int i = 1; i <= count; ++i)
                    report.titles << (*stored)[std::size_t(i)];
            if (bytes != indexFileBytes(report.titles))
                report.problems << QStringLiteral("the index is not whole: ") +
                                       QString::fromLatin1(bytes.left(200).toPercentEncoding());
        } else if (name.startsWith(kCommitCopyPrefix) || name == kIndex + QStringLiteral(".lock")) {
            report.leftovers << name;
        } else if (!name.endsWith(QLatin1String(".txt"))) {
            report.problems << QStringLiteral("a stray file: ") + name;
        } else if (shipped.contains(name)) {
            if (shipped.value(name) != bytes)
                report.problems << QStringLiteral("a built-in quiz changed: ") + name;
        } else if (const QString problem = quizProblem(bytes); !problem.isEmpty()) {
            report.problems << problem + name;
        }
    }
    if (!names.contains(kIndex))
        report.problems << QStringLiteral("the index is missing");
    for (const QString &title : std::as_const(report.titles))
        if (!names.contains(title + QStringLiteral(".txt")))
            report.problems << QStringLiteral("a listed title has no quiz file: ") + title;
    return report;
}

} // namespace terralore::test
