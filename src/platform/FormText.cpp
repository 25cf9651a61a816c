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

} // namespace

QString Form::textToReadAloud() const
{
    QList<QWidget *> shown;
    for (QWidget *child : client()->findChildren<QWidget *>())
        if (child->isVisibleTo(client()) && !shownText(child).trimmed().isEmpty())
            shown.append(child);
    QStringList texts;
    for (const QWidget *widget : readingOrder(shown))
        texts << shownText(widget);
    return joinSentences(texts);
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
