// The sources' thread and the hand-over of their events to the executions of running tests.
#include "SystemEventMonitor.h"

#include <QDBusConnection>
#include <QThread>

#include <algorithm>
#include <future>
#include <utility>

#include "HostExecution.h"
#include "LogindEventSource.h"
#include "UdevKeyboardWatch.h"

namespace corvo::hosts {

// Creates, runs and destroys the sources on this thread, so their D-Bus receivers and socket
// notifier never depend on an event loop of the host's.
class SystemEventMonitor::SourceThread : public QThread {
public:
    SourceThread(SystemEventMonitor& monitor, std::promise<std::vector<std::string>> problems)
        : m_monitor(monitor), m_problems(std::move(problems))
    {
    }

protected:
    void run() override
    {
        const auto raise = [this](uint32_t bits, const std::string& description) {
            m_monitor.Raise(bits, description);
        };
        QString busConnection;
        {
            LogindEventSource logind(raise);
            busConnection = logind.ConnectionName();
            UdevKeyboardWatch udev(raise);
            std::vector<std::string> problems = logind.Problems();
            for (const std::string& problem : udev.Problems()) {
                problems.push_back(problem);
            }
            m_problems.set_value(std::move(problems));
            exec();
        }
        // Only once the source is gone: ending the connection makes Qt's bus thread drop the
        // source's signal hooks, and while the source was being destroyed that thread read the
        // object as its destructor changed it.
        QDBusConnection::disconnectFromBus(busConnection);
    }

private:
    SystemEventMonitor& m_monitor;
    std::promise<std::vector<std::string>> m_problems;
};

SystemEventMonitor::SystemEventMonitor()
{
    std::promise<std::vector<std::string>> problems;
    std::future<std::vector<std::string>> ready = problems.get_future();
    m_thread = std::make_unique<SourceThread>(*this, std::move(problems));
    m_thread->setObjectName(QStringLiteral("system events"));
    m_thread->start();
    m_problems = ready.get();
}

SystemEventMonitor::~SystemEventMonitor()
{
    m_thread->quit();
    m_thread->wait();
}

std::vector<std::string> SystemEventMonitor::Problems() const { return m_problems; }

void SystemEventMonitor::Raise(uint32_t bits, const std::string& description)
{
    // Held while delivering, so a watch that is going away waits for a delivery in progress.
    std::lock_guard<std::mutex> lock(m_watchMutex);
    for (Watch* watch : m_watches) {
        watch->Deliver(bits, description);
    }
}

SystemEventMonitor::Watch::Watch(SystemEventMonitor& monitor, HostExecution& execution,
                                 std::function<void(const std::string&)> listener)
    : m_monitor(monitor), m_execution(execution), m_listener(std::move(listener))
{
    std::lock_guard<std::mutex> lock(m_monitor.m_watchMutex);
    m_monitor.m_watches.push_back(this);
}

SystemEventMonitor::Watch::~Watch()
{
    std::lock_guard<std::mutex> lock(m_monitor.m_watchMutex);
    auto& watches = m_monitor.m_watches;
    watches.erase(std::remove(watches.begin(), watches.end(), this), watches.end());
}

std::vector<std::string> SystemEventMonitor::Watch::Seen() const
{
    std::lock_guard<std::mutex> lock(m_seenMutex);
    return m_seen;
}

void SystemEventMonitor::Watch::Deliver(uint32_t bits, const std::string& description)
{
    m_execution.RaiseSystemEvents(bits);
    {
        std::lock_guard<std::mutex> lock(m_seenMutex);
        // udev reports a keyboard once for its input device and once for its event node.
        if (std::find(m_seen.begin(), m_seen.end(), description) != m_seen.end()) {
            return;
        }
        m_seen.push_back(description);
    }
    if (m_listener) {
        m_listener(description);
    }
}

} // namespace corvo::hosts
