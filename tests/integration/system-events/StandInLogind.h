// A private message bus with a stand-in login manager on it, for hosts started with
// DBUS_SYSTEM_BUS_ADDRESS set to Address().
#pragma once

#include <QProcess>
#include <QThread>
#include <QVariantList>

#include <memory>

namespace corvo::testing {

class StandInLogind {
public:
    // Every caller is told it runs in this session.
    static constexpr char kSessionPath[] = "/org/freedesktop/login1/session/c1";

    // Starts dbus-daemon and takes the login manager's name; needs a QCoreApplication.
    StandInLogind();
    ~StandInLogind();

    // Empty unless the bus is up and the name is ours.
    QString Address() const { return m_address; }

    // Sends a signal as the login manager or, with asOwner false, from a process that does not
    // own its name.
    void Emit(const QString& path, const QString& interface, const QString& name,
              const QVariantList& arguments, bool asOwner = true);
    void PrepareForSleep(bool start, bool asOwner = true);
    void SessionPropertyChanged(const QString& property, bool value);

private:
    QProcess m_daemon;
    QString m_address;
    QThread m_methodThread;
    std::unique_ptr<QObject> m_manager;
};

} // namespace corvo::testing
