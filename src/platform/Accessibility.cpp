#include "Accessibility.h"

#include "Announcements.h"
#include "Form.h"
#include "Label.h"
#include "OptionGroup.h"
#include "PictureControl.h"
#include "Stage.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace terralore {

namespace {

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label) {}

    // Asked each time: the interface may be made before the click is connected.
    // A label the keyboard reaches without a click of its own is acted on by
    // keys (a caption picked up and carried): a button to the reader too.
    QAccessible::Role role() const override
    {
        const bool keyed = label()->actsAsButton() || label()->focusPolicy() & Qt::TabFocus;
        return keyed ? QAccessible::Button : QAccessible::StaticText;
    }

    // A box without a caption may be named for what it stands for.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->accessibleName().isEmpty() ? label()->Caption() : label()->accessibleName();
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

// The stage shows readers the screen on top and nothing of those it
// covers, as a pupil sees it, and the announcements' strip.
class StageAccessible : public QAccessibleWidget {
public:
    explicit StageAccessible(Stage *stage) : QAccessibleWidget(stage, QAccessible::Window) {}

    int childCount() const override { return int(exposed().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = exposed();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(exposed().indexOf(child->object())) : -1;
    }

private:
    static QList<QWidget *> exposed()
    {
        QList<QWidget *> children;
        if (QWidget *strip = announcementStrip())
            children << strip;
        if (Form *top = Stage::instance().topForm())
            children << top;
        return children;
    }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (QAccessibleInterface *announcement = announcementAccessible(object))
        return announcement;
    if (Stage::exists() && object == &Stage::instance())
        return new StageAccessible(&Stage::instance());
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessible(label);
    if (auto *picture = qobject_cast<PictureControl *>(object))
        return new PictureAccessible(picture);
    // Named by its accessible name, which the screen keeps up to date.
    if (auto *group = qobject_cast<OptionGroup *>(object))
        return new QAccessibleWidget(group, QAccessible::Grouping);
    return nullptr;
}

QAccessible::UpdateHandler g_nextHandler = nullptr;

// Whether an event comes from a screen that is not on top: one loading out
// of sight (the wizard's fifty-one boxes each move their caret as they are
// made, enough to flood a reader's queue), one filled while hidden, or one
// covered. Readers are told of those screens as they come up on top.
bool fromBeneath(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::ObjectDestroyed || !Stage::exists())
        return false;
    for (QObject *o = event->object(); o; o = o->parent())
        if (auto *form = qobject_cast<Form *>(o))
            return form != Stage::instance().topForm();
    return false;
}

void passOnUnlessFromBeneath(QAccessibleEvent *event)
{
    if (fromBeneath(event))
        return;
    if (g_nextHandler) {
        g_nextHandler(event);
        return;
    }
    // Qt hands an event to the desktop's bridge only while no handler is
    // installed: step aside for it.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOnUnlessFromBeneath);
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(accessibleFor);
        g_nextHandler = QAccessible::installUpdateHandler(passOnUnlessFromBeneath);
    }
    installed = true;
}

void screensChanged()
{
    if (!QAccessible::isActive() || !Stage::exists())
        return;
    QAccessibleEvent reordered(&Stage::instance(), QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}

void nameAfterCaptions(QWidget *control, std::initializer_list<const Label *> captions)
{
    QStringList names;
    for (const Label *caption : captions)
        names << caption->Caption();
    control->setAccessibleName(names.join(QStringLiteral(", ")));
}

} // namespace terralore
