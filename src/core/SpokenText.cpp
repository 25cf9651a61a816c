#include "SpokenText.h"

namespace terralore {

namespace {

bool attachesToPrevious(QChar first)
{
    return QStringView(u",.:;)!?").contains(first);
}

bool endsSentence(QChar last)
{
    return QStringView(u".!?:;").contains(last);
}

} // namespace

QString joinWords(const QStringList &pieces)
{
    QString line;
    for (const QString &raw : pieces) {
        const QString piece = raw.simplified();
        if (piece.isEmpty())
            continue;
        if (!line.isEmpty() && !line.endsWith(QLatin1Char('(')) && !attachesToPrevious(piece.front()))
            line += QLatin1Char(' ');
        line += piece;
    }
    return line;
}

QString joinSentences(const QStringList &pieces)
{
    QStringList sentences;
    for (const QString &raw : pieces) {
        QString sentence = raw.simplified();
        if (sentence.isEmpty())
            continue;
        if (!endsSentence(sentence.back()))
            sentence += QLatin1Char('.');
        sentences << sentence;
    }
    return sentences.join(QLatin1Char(' '));
}

} // namespace terralore
