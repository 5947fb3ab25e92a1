// The login manager's signals on the system bus, turned into system-event bits.
#include "LogindEventSource.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>

#include <unistd.h>

#include <atomic>
#include <utility>

#include "SystemEventMonitor.h"

namespace corvo::hosts {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");

// What the hosts show and record, in the user's language; one context for every source of events.
struct SystemEvents {
    Q_DECLARE_TR_FUNCTIONS(SystemEvents)
};

// The object path of this process's own session: the one its login named, else the one the
// login manager finds for its process id. Empty outside any session (a service, a container).
QString FindOwnSession(QDBusConnection& bus)
{
    std::vector<QDBusMessage> calls;
    const QString sessionId = qEnvironmentVariable("XDG_SESSION_ID");
    if (!sessionId.isEmpty()) {
        calls.push_back(QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface,
                                                       QStringLiteral("GetSession")) << sessionId);
    }
    calls.push_back(QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface,
                                                   QStringLiteral("GetSessionByPID"))
                    << static_cast<uint>(getpid()));
    for (const QDBusMessage& call : calls) {
        const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            const QString path = reply.arguments().first().value<QDBusObjectPath>().path();
            if (!path.isEmpty()) {
                return path;
            }
        }
    }
    return {};
}

} // namespace

LogindEventSource::LogindEventSource(RaiseFunction raise) : m_raise(std::move(raise))
{
    // A connection of our own, so that it goes with this object whatever else the process uses.
    static std::atomic<int> connections{0};
    m_connectionName = QStringLiteral("halvik-system-events-%1").arg(++connections);
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SystemBus, m_connectionName);
    if (!bus.isConnected()) {
        m_problems.push_back(SystemEvents::tr("no system message bus here (%1): a suspend, a screen lock or a user "
                                              "switch during a test goes unseen")
                                 .arg(bus.lastError().message())
                                 .toStdString());
        return;
    }
    // Matched on the service name: only the process that owns it can raise these events.
    bus.connect(kService, kManagerPath, kManagerInterface, QStringLiteral("PrepareForSleep"), this,
                SLOT(OnPrepareForSleep(bool)));
    if (!bus.interface()->isServiceRegistered(kService)) {
        m_problems.push_back(SystemEvents::tr("no login manager (org.freedesktop.login1) on the system bus: a "
                                              "suspend, a screen lock or a user switch during a test goes unseen")
                                 .toStdString());
        return;
    }
    const QString session = FindOwnSession(bus);
    if (session.isEmpty()) {
        m_problems.push_back(SystemEvents::tr("this program runs outside a login session: a screen lock or a user "
                                              "switch during a test goes unseen")
                                 .toStdString());
        return;
    }
    bus.connect(kService, session, kSessionInterface, QStringLiteral("Lock"), this, SLOT(OnLock()));
    bus.connect(kService, session, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(OnSessionPropertiesChanged(QString, QVariantMap, QStringList)));
}

LogindEventSource::~LogindEventSource() = default;

void LogindEventSource::OnPrepareForSleep(bool start)
{
    m_raise(system_events::kSleep, (start ? SystemEvents::tr("the system is about to suspend")
                                          : SystemEvents::tr("the system has resumed from suspend"))
                                       .toStdString());
}

void LogindEventSource::OnLock()
{
    m_raise(system_events::kSessionLocked, SystemEvents::tr("the session was locked").toStdString());
}

void LogindEventSource::OnSessionPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                                   const QStringList&)
{
    if (interface != kSessionInterface) {
        return;
    }
    if (changed.contains(QStringLiteral("LockedHint")) && changed.value(QStringLiteral("LockedHint")).toBool()) {
        m_raise(system_events::kSessionLocked, SystemEvents::tr("the session was locked").toStdString());
    }
    if (changed.contains(QStringLiteral("Active")) && !changed.value(QStringLiteral("Active")).toBool()) {
        m_raise(system_events::kSessionInactive,
                SystemEvents::tr("the session stopped being the active one (a user or terminal switch)").toStdString());
    }
}

} // namespace corvo::hosts
