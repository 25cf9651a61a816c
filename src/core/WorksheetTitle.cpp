#include "WorksheetTitle.h"

#include "QuizFile.h"
#include "TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace terralore {

namespace {

const QString kBadCharacters = QStringLiteral("/\\:*?\"<>|");

// Names no file of any platform may take, whatever follows a dot.
bool isDeviceName(const QString &title)
{
    static const QStringList devices = {
        QStringLiteral("CON"),       QStringLiteral("PRN"),       QStringLiteral("AUX"),
        QStringLiteral("NUL"),       QStringLiteral("CONIN$"),    QStringLiteral("CONOUT$"),
        QStringLiteral("COM\u00B9"), QStringLiteral("COM\u00B2"), QStringLiteral("COM\u00B3"),
        QStringLiteral("LPT\u00B9"), QStringLiteral("LPT\u00B2"), QStringLiteral("LPT\u00B3"),
    };
    const QString base = title.section(QLatin1Char('.'), 0, 0).trimmed();
    if (devices.contains(base, Qt::CaseInsensitive))
        return true;
    return base.size() == 4 && base.at(3).isDigit() && base.at(3).unicode() < 128 &&
           (base.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) ||
            base.startsWith(QLatin1String("LPT"), Qt::CaseInsensitive));
}

// The index and the two built-in quizzes live in the same folder.
bool isProgramFile(const QString &title)
{
    return title.compare(QLatin1String("track"), Qt::CaseInsensitive) == 0 ||
           builtInQuizTitles().contains(title, Qt::CaseInsensitive);
}

bool hasControlCharacter(const QString &title)
{
    for (QChar c : title) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

QStringList builtInQuizTitles()
{
    return {QStringLiteral("The Science of Rocks"), QStringLiteral("The Beginning")};
}

QString storedWorksheetTitle(const QString &shown)
{
    return escapeQuizValue(shown);
}

QString shownWorksheetTitle(const QString &stored)
{
    return unescapeQuizValue(stored);
}

QString worksheetTitleProblem(const QString &title)
{
    if (title.isEmpty())
        return QStringLiteral("You have not chosen a title for your worksheet");
    if (hasControlCharacter(title))
        return QStringLiteral("Your worksheet title cannot contain tabs or other control characters.");
    if (title.trimmed().isEmpty())
        return QStringLiteral("Your worksheet title cannot be made of blanks only.");
    if (isBlank(title.front()) || isBlank(title.back()))
        return QStringLiteral("Your worksheet title cannot begin or end with a blank.");
    for (QChar c : title) {
        if (kBadCharacters.contains(c))
            return QStringLiteral("Your worksheet title cannot contain any of these characters: / \\ : * ? \" < > |");
    }
    if (title.startsWith(QLatin1Char('.')))
        return QStringLiteral("Your worksheet title cannot begin with a full stop.");
    if (title.endsWith(QLatin1Char('.')))
        return QStringLiteral("Your worksheet title cannot end with a full stop.");
    if (const QString c = firstUnencodableCharacter(title); !c.isEmpty())
        return QStringLiteral("Your worksheet title cannot contain the character ") + c + QStringLiteral(".");
    if (isDeviceName(title))
        return QStringLiteral("Your worksheet title cannot be a device name such as CON, PRN, AUX, NUL, COM1 or LPT1.");
    if (isProgramFile(storedWorksheetTitle(title)))
        return QStringLiteral("Your worksheet title is the name of one of the program's own files. "
                              "Please choose another title.");
    return {};
}

QString worksheetFilePath(const QString &folder, const QString &storedTitle)
{
    if (storedTitle.isEmpty() || storedTitle == QLatin1String(".") || storedTitle == QLatin1String("..") ||
        storedTitle.contains(QLatin1Char('/')) || storedTitle.contains(QLatin1Char('\\')) ||
        hasControlCharacter(storedTitle))
        return {};
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalFolder.isEmpty() || !QFileInfo(canonicalFolder).isDir())
        return {};
    const QString path = canonicalFolder + QLatin1Char('/') + storedTitle + QStringLiteral(".txt");
    const QFileInfo file(path);
    if (QDir::cleanPath(file.absolutePath()) != canonicalFolder)
        return {};
    // A link in the folder must not lead the read or the rewrite elsewhere.
    if (file.isSymLink() || file.exists()) {
        const QString target = file.canonicalFilePath();
        if (target.isEmpty() || QFileInfo(target).absolutePath() != canonicalFolder)
            return {};
    }
    return path;
}

} // namespace terralore
