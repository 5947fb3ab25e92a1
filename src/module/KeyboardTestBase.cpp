// Shared checks and early endings of the keyboard tests.
#include "module/KeyboardTestBase.h"

#include "components/KeyboardComponent.h"
#include "module/ExecutionContext.h"
#include "module/MessageSink.h"
#include "module/ProgressReporter.h"
#include "module/SystemEventSource.h"
#include "module/TestResult.h"

KeyboardTestBase::KeyboardTestBase(const ObjectId& identifier, uint32_t compromisingEventMask)
    : Test(identifier), m_compromisingEventMask(compromisingEventMask)
{
}

KeyboardTestBase::~KeyboardTestBase() = default;

bool KeyboardTestBase::IsCompromisingEvent(uint32_t systemEvents)
{
    return (systemEvents & m_compromisingEventMask) != 0;
}

bool KeyboardTestBase::HasCompleteExecution(ExecutionContext* execution)
{
    return execution != nullptr && execution->GetProgressReporter() != nullptr
        && execution->GetMessageSink() != nullptr && execution->GetSystemEventSource() != nullptr
        && execution->GetDevice() != nullptr;
}

KeyboardComponent* KeyboardTestBase::KeyboardOf(ExecutionContext* execution)
{
    return execution != nullptr ? dynamic_cast<KeyboardComponent*>(execution->GetDevice()) : nullptr;
}

void KeyboardTestBase::Progress(ExecutionContext* execution, uint8_t percent, const std::string& key)
{
    execution->GetProgressReporter()->ReportProgress(percent, key);
}

void KeyboardTestBase::Message(ExecutionContext* execution, const std::string& text, uint32_t kind)
{
    // The host interface lets a host pass no sink, and the interactive tests can end before their
    // completeness check: such a host gets no message rather than a crash.
    if (MessageSink* sink = execution->GetMessageSink()) {
        sink->AddMessage(text, kind, 0);
    }
}

bool KeyboardTestBase::SystemEventHappened(ExecutionContext* execution)
{
    return IsCompromisingEvent(execution->GetSystemEventSource()->GetSystemEvents());
}

uint32_t KeyboardTestBase::AbortWith(ExecutionContext* execution, const std::string& key)
{
    Progress(execution, 100, key);
    Message(execution, key, Information);
    return Aborted;
}

uint32_t KeyboardTestBase::AbortForCancel(ExecutionContext* execution)
{
    Progress(execution, 100);
    return Aborted;
}
