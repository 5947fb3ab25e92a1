// What the four keyboard tests share: the completeness check, the system-event mask and the
// common ways a run ends early.
#pragma once

#include <cstdint>
#include <string>

#include "module/Test.h"

class KeyboardComponent;

class KeyboardTestBase : public Test {
public:
    KeyboardTestBase(const ObjectId& identifier, uint32_t compromisingEventMask);
    ~KeyboardTestBase() override;

    virtual bool IsCompromisingEvent(uint32_t systemEvents);
    // The execution and its progress reporter, message sink, system-event source and device
    // are all there, asked in that order.
    virtual bool HasCompleteExecution(ExecutionContext* execution);

protected:
    KeyboardTestBase(const KeyboardTestBase&) = default;

    // The execution's device as the module's keyboard component, or null.
    static KeyboardComponent* KeyboardOf(ExecutionContext* execution);

    static void Progress(ExecutionContext* execution, uint8_t percent, const std::string& key = {});
    // Sends nothing when the execution has no message sink.
    static void Message(ExecutionContext* execution, const std::string& text, uint32_t kind);
    bool SystemEventHappened(ExecutionContext* execution);

    // Reports progress 100 with the key, sends the key as information, and gives Aborted.
    static uint32_t AbortWith(ExecutionContext* execution, const std::string& key);
    // Reports progress 100 with no text and gives Aborted.
    static uint32_t AbortForCancel(ExecutionContext* execution);

private:
    uint32_t m_compromisingEventMask;
};
