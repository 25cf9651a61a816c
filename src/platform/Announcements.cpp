#include "Announcements.h"

#include "Stage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace terralore {

namespace {

// A notification whose ancestor is a status bar is spoken without its role
// ("notification") before it, so the strip is a status bar.
class Strip : public QWidget {
public:
    explicit Strip(QWidget *stage) : QWidget(stage), note(new QWidget(this))
    {
        setObjectName(QStringLiteral("announcements"));
        note->setObjectName(QStringLiteral("announcement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    QWidget *note;
    QString text;
};

QPointer<Strip> g_strip;

Strip *strip()
{
    if (!g_strip && Stage::exists())
        g_strip = new Strip(&Stage::instance());
    return g_strip;
}

class StripAccessible : public QAccessibleWidget {
public:
    StripAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && role() == QAccessible::Notification)
            return static_cast<Strip *>(widget()->parentWidget())->text;
        return QString();
    }

    QAccessible::State state() const override
    {
        // Nothing on screen shows it.
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

} // namespace

QWidget *announcementStrip()
{
    return strip();
}

QAccessibleInterface *announcementAccessible(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !g_strip)
        return nullptr;
    if (widget == g_strip)
        return new StripAccessible(widget, QAccessible::StatusBar);
    if (widget == g_strip->note)
        return new StripAccessible(widget, QAccessible::Notification);
    return nullptr;
}

void announce(const QString &text)
{
    if (text.trimmed().isEmpty() || !QAccessible::isActive())
        return;
    Strip *s = strip();
    if (!s)
        return;
    s->text = text;
    // A screen reader speaks a notification when it shows; it is shown
    // afresh for each text, so the same text twice is said twice.
    QAccessibleEvent shown(s->note, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace terralore
