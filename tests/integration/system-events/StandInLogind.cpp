// The stand-in login manager: a dbus-daemon of the test's own, and two connections to it, one
// owning org.freedesktop.login1 and one that does not.
#include "StandInLogind.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace corvo::testing {

namespace {

// Answers on a thread of its own, so a host's calls are served while the test waits blocked.
class Manager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public slots:
    QDBusObjectPath GetSession(const QString&) { return QDBusObjectPath(StandInLogind::kSessionPath); }
    QDBusObjectPath GetSessionByPID(uint) { return QDBusObjectPath(StandInLogind::kSessionPath); }
};

QDBusConnection Connection(bool owner) { return QDBusConnection(owner ? "stand-in-logind" : "stand-in-intruder"); }

} // namespace

StandInLogind::StandInLogind() : m_manager(std::make_unique<Manager>())
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    const QString address = m_daemon.waitForReadyRead(10000) ? QString::fromUtf8(m_daemon.readLine()).trimmed() : "";
    QDBusConnection::connectToBus(address, "stand-in-intruder");
    QDBusConnection owner = QDBusConnection::connectToBus(address, "stand-in-logind");
    m_methodThread.start();
    m_manager->moveToThread(&m_methodThread);
    if (owner.registerObject("/org/freedesktop/login1", m_manager.get(), QDBusConnection::ExportAllSlots) &&
        owner.registerService("org.freedesktop.login1") && Connection(false).isConnected()) {
        m_address = address;
    }
}

StandInLogind::~StandInLogind()
{
    QDBusConnection::disconnectFromBus("stand-in-logind");
    QDBusConnection::disconnectFromBus("stand-in-intruder");
    m_methodThread.quit();
    m_methodThread.wait();
    m_daemon.kill();
    m_daemon.waitForFinished();
}

void StandInLogind::Emit(const QString& path, const QString& interface, const QString& name,
                         const QVariantList& arguments, bool asOwner)
{
    QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
    signal.setArguments(arguments);
    Connection(asOwner).send(signal);
}

void StandInLogind::PrepareForSleep(bool start, bool asOwner)
{
    Emit("/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep", {start}, asOwner);
}

void StandInLogind::SessionPropertyChanged(const QString& property, bool value)
{
    Emit(kSessionPath, "org.freedesktop.DBus.Properties", "PropertiesChanged",
         {"org.freedesktop.login1.Session", QVariantMap{{property, value}}, QStringList()});
}

} // namespace corvo::testing

#include "StandInLogind.moc"
