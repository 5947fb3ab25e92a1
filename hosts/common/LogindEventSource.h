// Suspend, lock and session switches as the login manager announces them on the system bus.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvo::hosts {

class LogindEventSource : public QObject {
    Q_OBJECT
public:
    using RaiseFunction = std::function<void(uint32_t bits, const std::string& description)>;

    // Connects to the system bus (DBUS_SYSTEM_BUS_ADDRESS, when set, names it) on the calling
    // thread, whose event loop then delivers the signals.
    explicit LogindEventSource(RaiseFunction raise);
    ~LogindEventSource() override;

    // Empty when suspend, lock and session switches are all watched.
    std::vector<std::string> Problems() const { return m_problems; }
    // The bus connection of the source's own, for its owner to end once the source is gone.
    const QString& ConnectionName() const { return m_connectionName; }

private slots:
    void OnPrepareForSleep(bool start);
    void OnLock();
    void OnSessionPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                    const QStringList& invalidated);

private:
    RaiseFunction m_raise;
    QString m_connectionName;
    std::vector<std::string> m_problems;
};

} // namespace corvo::hosts
