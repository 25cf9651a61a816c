#include "Accessibility.h"

#include "Label.h"
#include "OptionGroup.h"
#include "PictureControl.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace terralore {

namespace {

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label) {}

    // Asked each time: the interface may be made before the click is connected.
    QAccessible::Role role() const override
    {
        return label()->actsAsButton() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->Caption();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return label()->actsAsButton() ? QStringList{pressAction()} : QStringList();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && label()->actsAsButton() && label()->isEnabled())
            QMetaObject::invokeMethod(label(), &Label::Click, Qt::QueuedConnection);
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

// A picture: its description is both what it is called and what it shows.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureControl *picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Description)
            return static_cast<PictureControl *>(widget())->description();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessible(label);
    if (auto *picture = qobject_cast<PictureControl *>(object))
        return new PictureAccessible(picture);
    // Named by its accessible name, which the screen keeps up to date.
    if (auto *group = qobject_cast<OptionGroup *>(object))
        return new QAccessibleWidget(group, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(accessibleFor);
    installed = true;
}

void nameAfterCaptions(QWidget *control, std::initializer_list<const Label *> captions)
{
    QStringList names;
    for (const Label *caption : captions)
        names << caption->Caption();
    control->setAccessibleName(names.join(QStringLiteral(", ")));
}

} // namespace terralore
