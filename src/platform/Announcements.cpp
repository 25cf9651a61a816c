#include "Announcements.h"

#include "Stage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace terralore {

namespace {

// A notification whose ancestor is a status bar is spoken without its role
// ("notification") before it, so the strip is a status bar. A reader reads a
// notification's text as it takes the event from its queue, not as it was
// sent: announcements made in quick succession (a caption picked up and
// carried on at once) each take the next of a few notifications, so none
// is read with the text of the one after it.
class Strip : public QWidget {
public:
    static constexpr int kNotes = 8;

    explicit Strip(QWidget *stage) : QWidget(stage)
    {
        setObjectName(QStringLiteral("announcements"));
        for (int i = 0; i < kNotes; ++i) {
            notes << new QWidget(this);
            notes.last()->setObjectName(QStringLiteral("announcement"));
            texts << QString();
        }
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    QList<QWidget *> notes;
    QStringList texts;
    int next = 0;
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
        if (t != QAccessible::Name || role() != QAccessible::Notification)
            return QString();
        const auto *strip = static_cast<Strip *>(widget()->parentWidget());
        return strip->texts.value(strip->notes.indexOf(widget()));
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
    if (g_strip->notes.contains(widget))
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
    const int at = s->next;
    s->next = (at + 1) % Strip::kNotes;
    s->texts[at] = text;
    // A screen reader speaks a notification when it shows; it is shown
    // afresh for each text, so the same text twice is said twice.
    QAccessibleEvent shown(s->notes[at], QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace terralore
