#include "FolderCheck.h"

#include "FieldReader.h"
#include "QuizFile.h"
#include "TestData.h"
#include "TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace terralore::test {

namespace {

// The file's lines, or nothing when it does not end in CR LF or holds a
// bare CR or LF.
std::optional<QList<QByteArray>> crlfLines(const QByteArray &bytes)
{
    if (!bytes.endsWith("\r\n"))
        return std::nullopt;
    QList<QByteArray> lines = bytes.chopped(2).split('\n');
    for (QByteArray &line : lines) {
        if (&line != &lines.last()) {
            if (!line.endsWith('\r'))
                return std::nullopt;
            line.chop(1);
        }
        if (line.contains('\r'))
            return std::nullopt;
    }
    return lines;
}

} // namespace

FolderCheck::FolderCheck(const QString &folder, const QString &shipped) : m_folder(folder)
{
    const QDir dir(shipped);
    for (const QString &name : dir.entryList(QDir::Files))
        if (name.compare(QLatin1String("track.txt"), Qt::CaseInsensitive) != 0)
            m_shipped.insert(name, readFile(dir.filePath(name)));
}

QString FolderCheck::signature() const
{
    QString s;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &f : files)
        s += f.fileName() + QLatin1Char('/') + QString::number(f.size()) + QLatin1Char('/') +
             QString::number(f.lastModified().toMSecsSinceEpoch()) + QLatin1Char('/') +
             QString::number(f.metadataChangeTime().toMSecsSinceEpoch()) + QLatin1Char('\n');
    return s;
}

QStringList FolderCheck::check()
{
    const QString now = signature();
    if (now == m_lastSignature)
        return m_lastProblems;
    ++m_checks;
    m_lastSignature = now;
    QStringList problems;
    const QDir dir(m_folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (!names.contains(QLatin1String("track.txt")))
        problems << QStringLiteral("the index is missing");
    for (const QString &name : names) {
        const QByteArray bytes = readFile(dir.filePath(name));
        if (name == QLatin1String("track.txt"))
            problems << checkIndex(bytes);
        else if (!name.endsWith(QLatin1String(".txt")))
            problems << QStringLiteral("a stray file: ") + name;
        else if (m_shipped.contains(name) && m_shipped.value(name) != bytes)
            problems << QStringLiteral("a built-in quiz changed: ") + name;
        else
            problems << checkQuiz(name, bytes);
    }
    for (const QString &title : std::as_const(m_titles))
        if (!names.contains(title + QStringLiteral(".txt")))
            problems << QStringLiteral("a listed title has no quiz file: ") + title;
    m_lastProblems = problems;
    return problems;
}

QStringList FolderCheck::checkIndex(const QByteArray &bytes)
{
    m_titles.clear();
    const auto lines = crlfLines(bytes);
    if (!lines)
        return {QStringLiteral("the index does not end in CR LF lines")};
    bool ok = false;
    const int count = lines->first().trimmed().toInt(&ok);
    if (!ok || lines->first() != " " + QByteArray::number(count) + " ")
        return {QStringLiteral("the index count line is damaged: ") + QString::fromLatin1(lines->first())};
    if (count != lines->size() - 1)
        return {QStringLiteral("the index count %1 does not match its %2 titles").arg(count).arg(lines->size() - 1)};
    for (qsizetype i = 1; i < lines->size(); ++i)
        m_titles << decodeWindows1252(lines->at(i));
    return {};
}

QStringList FolderCheck::checkQuiz(const QString &name, const QByteArray &bytes) const
{
    const auto lines = crlfLines(bytes);
    if (!lines || lines->size() != kQuizLines)
        return {QStringLiteral("a quiz file is not 72 CR LF lines: ") + name};
    auto reader = FieldReader::open(QDir(m_folder).filePath(name));
    LoadedQuiz quiz;
    if (!reader || !loadQuizFile(*reader, quiz.state()))
        return {QStringLiteral("a quiz file does not read: ") + name};
    for (int q = 1; q <= kQuizQuestions; ++q)
        if (quiz.correctAnswer[q].size() != 1 || quiz.correctAnswer[q][0] < QLatin1Char('1') ||
            quiz.correctAnswer[q][0] > QLatin1Char('4'))
            return {QStringLiteral("a quiz file has a bad answer digit: ") + name};
    return {};
}

} // namespace terralore::test
