// Records what a run reports and forwards it to the host's callbacks.
#include "HostExecution.h"

#include <utility>

#include "module/InputRequest.h"

namespace corvo::hosts {

HostExecution::HostExecution(SystemComponent* device, bool acceptsInputRequests, Callbacks callbacks)
    : m_device(device)
    , m_acceptsInputRequests(acceptsInputRequests)
    , m_callbacks(std::move(callbacks))
    , m_sink(*this)
    , m_reporter(*this)
    , m_eventSource(*this)
{
}

HostExecution::~HostExecution() = default;

SystemComponent* HostExecution::GetDevice() { return m_device; }

MessageSink* HostExecution::GetMessageSink() { return &m_sink; }

ProgressReporter* HostExecution::GetProgressReporter() { return &m_reporter; }

void HostExecution::Reserved4() {}

bool HostExecution::IsCancelRequested() { return m_cancelRequested.load(); }

SystemEventSource* HostExecution::GetSystemEventSource() { return &m_eventSource; }

void HostExecution::RequestCancel() { m_cancelRequested.store(true); }

void HostExecution::RaiseSystemEvents(uint32_t events) { m_systemEvents.fetch_or(events); }

RunRecord HostExecution::Record() const
{
    std::lock_guard<std::mutex> lock(m_recordMutex);
    return m_record;
}

void HostExecution::Abandon()
{
    std::lock_guard<std::mutex> lock(m_callbackMutex);
    m_abandoned.store(true);
}

void HostExecution::Sink::AddMessage(std::string text, uint32_t kind, uint32_t)
{
    ReceivedMessage message{std::move(text), kind};
    {
        std::lock_guard<std::mutex> lock(m_owner.m_recordMutex);
        m_owner.m_record.messages.push_back(message);
    }
    std::lock_guard<std::mutex> lock(m_owner.m_callbackMutex);
    if (m_owner.m_callbacks.onMessage && !m_owner.m_abandoned.load()) {
        m_owner.m_callbacks.onMessage(message);
    }
}

void HostExecution::Reporter::ReportProgress(uint8_t percent, const std::string& text)
{
    ReceivedProgress progress{percent, text};
    {
        std::lock_guard<std::mutex> lock(m_owner.m_recordMutex);
        m_owner.m_record.progress.push_back(progress);
    }
    std::lock_guard<std::mutex> lock(m_owner.m_callbackMutex);
    if (m_owner.m_callbacks.onProgress && !m_owner.m_abandoned.load()) {
        m_owner.m_callbacks.onProgress(progress);
    }
}

void HostExecution::Reporter::RequestInput(InputRequest& request)
{
    {
        std::lock_guard<std::mutex> lock(m_owner.m_recordMutex);
        ++m_owner.m_record.inputRequests;
    }
    // Not under the callback lock: a dialog is served on the thread that may be abandoning the run.
    if (m_owner.m_abandoned.load()) {
        request.answer = 0;
    } else if (m_owner.m_callbacks.onInputRequest) {
        m_owner.m_callbacks.onInputRequest(request);
    } else if (request.requestType == RunDialog) {
        request.answer = 0;
    }
}

void HostExecution::Reporter::Reserved3() {}

bool HostExecution::Reporter::AcceptsInputRequests() { return m_owner.m_acceptsInputRequests; }

uint32_t HostExecution::EventSource::GetSystemEvents() { return m_owner.m_systemEvents.load(); }

} // namespace corvo::hosts
