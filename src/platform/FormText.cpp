// The text a screen reads aloud unless it says otherwise.
#include "Form.h"

#include "Label.h"
#include "Services.h"
#include "SpokenText.h"

#include <QAbstractButton>

namespace terralore {

namespace {

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const Label *>(widget))
        return label->Caption();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

// The controls of a screen that show a text, in reading order.
QList<QWidget *> shownTexts(const QWidget *client)
{
    QList<QWidget *> shown;
    for (QWidget *child : client->findChildren<QWidget *>())
        if (child->isVisibleTo(client) && !shownText(child).trimmed().isEmpty())
            shown.append(child);
    return readingOrder(shown);
}

// What a label says without being acted on: a heading, a line of text.
bool isPlainText(const QWidget *widget)
{
    const auto *label = qobject_cast<const Label *>(widget);
    return label && !label->actsAsButton() && !(label->focusPolicy() & Qt::TabFocus);
}

} // namespace

QString Form::shownTextAloud(bool withControls) const
{
    QStringList texts;
    for (const QWidget *widget : shownTexts(client())) {
        if (!withControls && !isPlainText(widget))
            continue;
        // A greyed entry is read as the reader says it: unavailable.
        texts << (widget->isEnabled() ? shownText(widget) : shownText(widget) + QStringLiteral(", unavailable"));
    }
    return joinSentences(texts);
}

QString Form::textToReadAloud() const
{
    return shownTextAloud(true);
}

QString Form::announcedOnOpening() const
{
    for (const QWidget *widget : shownTexts(client()))
        if (isPlainText(widget))
            return static_cast<const Label *>(widget)->Caption();
    return QString();
}

void Form::readAloud() const
{
    if (!services().speechAvailable())
        return;
    const QString text = textToReadAloud();
    if (!text.isEmpty())
        services().speak(text);
}

} // namespace terralore
