#include "ScreenReaderStatus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QObject>

namespace terralore {

namespace {

const QString kBus = QStringLiteral("org.a11y.Bus");
const QString kPath = QStringLiteral("/org/a11y/bus");
const QString kStatus = QStringLiteral("org.a11y.Status");
const QString kProperty = QStringLiteral("ScreenReaderEnabled");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

class Watch : public QObject {
    Q_OBJECT
public:
    Watch() : QObject(QCoreApplication::instance())
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        bus.connect(kBus, kPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                    SLOT(changed(QString, QVariantMap, QStringList)));
        QDBusMessage get = QDBusMessage::createMethodCall(kBus, kPath, kProperties, QStringLiteral("Get"));
        get << kStatus << kProperty;
        // Asked once, briefly: a bus that does not answer means no reader.
        const QDBusMessage reply = bus.call(get, QDBus::Block, 500);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            on = reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
    }

    bool on = false;

private slots:
    void changed(const QString &interface, const QVariantMap &properties, const QStringList &)
    {
        if (interface == kStatus && properties.contains(kProperty))
            on = properties.value(kProperty).toBool();
    }
};

} // namespace

bool desktopScreenReaderOn()
{
    if (!QCoreApplication::instance())
        return false;
    static Watch *watch = new Watch;
    return watch->on;
}

} // namespace terralore

#include "ScreenReaderStatus.moc"
