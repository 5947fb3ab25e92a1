// The hosts' execution: device, message sink, progress reporter, cancel request and event source.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "module/ExecutionContext.h"
#include "module/MessageSink.h"
#include "module/ProgressReporter.h"
#include "module/SystemEventSource.h"

namespace corvo::hosts {

struct ReceivedMessage {
    std::string text;
    uint32_t kind = 0;
};

struct ReceivedProgress {
    uint8_t percent = 0;
    std::string text;
};

// Everything a run reported, in the order it arrived.
struct RunRecord {
    std::vector<ReceivedMessage> messages;
    std::vector<ReceivedProgress> progress;
    uint32_t inputRequests = 0;
};

class HostExecution : public ExecutionContext {
public:
    // Called on the thread that runs the test; the host decides how to show them.
    struct Callbacks {
        std::function<void(const ReceivedMessage&)> onMessage;
        std::function<void(const ReceivedProgress&)> onProgress;
        // Serves the request and writes its answer before returning. Without it, dialogs are
        // answered 0 (no verdict) and notices are dropped.
        std::function<void(InputRequest&)> onInputRequest;
    };

    HostExecution(SystemComponent* device, bool acceptsInputRequests, Callbacks callbacks);
    ~HostExecution() override;

    HostExecution(const HostExecution&) = delete;
    HostExecution& operator=(const HostExecution&) = delete;

    SystemComponent* GetDevice() override;
    MessageSink* GetMessageSink() override;
    ProgressReporter* GetProgressReporter() override;
    void Reserved4() override;
    bool IsCancelRequested() override;
    SystemEventSource* GetSystemEventSource() override;

    // Safe from any thread, including a signal handler through CancelFlag().
    void RequestCancel();
    std::atomic<bool>& CancelFlag() { return m_cancelRequested; }
    void RaiseSystemEvents(uint32_t events);

    RunRecord Record() const;

    // For a run the host gives up on while its test still runs: from now on nothing the test
    // sends reaches the callbacks (dialogs get no verdict), so they may refer to what the host
    // frees. Waits for a message or progress callback under way; never call it from one.
    void Abandon();

private:
    class Sink : public MessageSink {
    public:
        explicit Sink(HostExecution& owner) : m_owner(owner) {}
        void AddMessage(std::string text, uint32_t kind, uint32_t reserved) override;

    private:
        HostExecution& m_owner;
    };

    class Reporter : public ProgressReporter {
    public:
        explicit Reporter(HostExecution& owner) : m_owner(owner) {}
        void ReportProgress(uint8_t percent, const std::string& text) override;
        void RequestInput(InputRequest& request) override;
        void Reserved3() override;
        bool AcceptsInputRequests() override;

    private:
        HostExecution& m_owner;
    };

    class EventSource : public SystemEventSource {
    public:
        explicit EventSource(HostExecution& owner) : m_owner(owner) {}
        uint32_t GetSystemEvents() override;

    private:
        HostExecution& m_owner;
    };

    SystemComponent* m_device;
    bool m_acceptsInputRequests;
    Callbacks m_callbacks;
    Sink m_sink;
    Reporter m_reporter;
    EventSource m_eventSource;
    std::atomic<bool> m_cancelRequested{false};
    std::atomic<uint32_t> m_systemEvents{0};
    std::atomic<bool> m_abandoned{false};
    std::mutex m_callbackMutex;
    mutable std::mutex m_recordMutex;
    RunRecord m_record;
};

} // namespace corvo::hosts
