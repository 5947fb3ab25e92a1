// Watches the machine for events that can spoil a running test and raises them into its execution.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace corvo::hosts {

class HostExecution;

// The bits of the system-event value as our hosts define them. The module tests masks only: the
// automatic tests and open dialogs count any bit of 0x1FB, the interactive tests' own checks any
// bit of 0xFB. docs/system-events.md has the sources and effects of each.
namespace system_events {
constexpr uint32_t kSleep = 0x1;            // about to suspend, or resumed
constexpr uint32_t kSessionLocked = 0x2;
constexpr uint32_t kScreensChanged = 0x4;   // recorded, never compromises a test
constexpr uint32_t kSessionInactive = 0x8;  // a user or terminal switch
constexpr uint32_t kKeyboardPlugged = 0x100; // compromises the automatic tests only
} // namespace system_events

class SystemEventMonitor {
public:
    // Starts the sources on a thread of their own, which runs its event loop whatever the host's
    // main thread does, and returns once each is watching or known to be missing.
    SystemEventMonitor();
    ~SystemEventMonitor();

    SystemEventMonitor(const SystemEventMonitor&) = delete;
    SystemEventMonitor& operator=(const SystemEventMonitor&) = delete;

    // What this machine does not let us watch, one sentence each; empty when everything is.
    std::vector<std::string> Problems() const;

    // Callable from any thread: the event reaches every execution watched at this moment and is
    // dropped when none is.
    void Raise(uint32_t bits, const std::string& description);

    // While it exists, raised events reach the execution and the listener, which is called on the
    // thread that raised the event.
    class Watch {
    public:
        Watch(SystemEventMonitor& monitor, HostExecution& execution,
              std::function<void(const std::string&)> listener = {});
        ~Watch();

        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;

        // The events raised into the run, each once, in the order they first came.
        std::vector<std::string> Seen() const;

    private:
        friend class SystemEventMonitor;
        void Deliver(uint32_t bits, const std::string& description);

        SystemEventMonitor& m_monitor;
        HostExecution& m_execution;
        std::function<void(const std::string&)> m_listener;
        mutable std::mutex m_seenMutex;
        std::vector<std::string> m_seen;
    };

private:
    class SourceThread;

    std::unique_ptr<SourceThread> m_thread;
    std::vector<std::string> m_problems;
    mutable std::mutex m_watchMutex;
    std::vector<Watch*> m_watches;
};

} // namespace corvo::hosts
