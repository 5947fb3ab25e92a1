// A simulated i8042 keyboard controller with a keyboard and a pointing device behind it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "I8042Scenario.h"

namespace corvo::i8042 {

// Status register (read from port 0x64).
inline constexpr uint8_t kStatusOutputFull = 0x01;
inline constexpr uint8_t kStatusInputFull = 0x02;
inline constexpr uint8_t kStatusSystemFlag = 0x04;
inline constexpr uint8_t kStatusLastWriteWasCommand = 0x08;
inline constexpr uint8_t kStatusKeyboardNotLocked = 0x10;
inline constexpr uint8_t kStatusPointerData = 0x20;
inline constexpr uint8_t kStatusTimeoutError = 0x40;
inline constexpr uint8_t kStatusParityError = 0x80;

// Configuration byte (controller commands 0x20 and 0x60).
inline constexpr uint8_t kConfigurationKeyboardInterrupt = 0x01;
inline constexpr uint8_t kConfigurationPointerInterrupt = 0x02;
inline constexpr uint8_t kConfigurationSystemFlag = 0x04;
inline constexpr uint8_t kConfigurationKeyboardClockOff = 0x10;
inline constexpr uint8_t kConfigurationPointerClockOff = 0x20;
inline constexpr uint8_t kConfigurationTranslation = 0x40;

// One port access as the log keeps it.
struct LogEntry {
    uint64_t sequence = 0; // from 1, never reused within one load of a scenario
    Microseconds time = 0;
    bool isWrite = false;
    uint16_t port = 0;
    uint8_t value = 0;
    uint8_t configuration = 0; // after the access
    bool dropped = false;      // a write while bit 1 was set: the controller was not listening
};

// "seq=12 time=0.300000 read port=0x64 value=0x15 config=0x47", with " dropped" after a lost write.
std::string FormatLogEntry(const LogEntry& entry);

// The state machine. Bytes written are acted on at once; bit 1 of the status then stays set for
// the scenario's input delay, and a byte written meanwhile is dropped, so a host that does not wait
// for bit 1 to clear loses bytes here as it would on a real controller. What the devices send
// waits in a queue in time order and enters the one-byte output buffer when its time has come and
// the buffer is empty.
class I8042Simulator {
public:
    // Microseconds from any fixed point; used for a scenario with a real clock.
    using MonotonicClock = std::function<Microseconds()>;

    // The log keeps the newest entries up to this many; sequence numbers keep counting.
    static constexpr std::size_t kLogCapacity = 1 << 20;

    explicit I8042Simulator(I8042Scenario scenario, MonotonicClock realClock = {});

    // Port 0x60 or 0x64; any other port reads 0xFF and is neither acted on nor logged.
    uint8_t Read(uint16_t port);
    void Write(uint16_t port, uint8_t value);

    uint8_t Configuration() const { return m_configuration; }
    Microseconds Now() const;
    const std::deque<LogEntry>& Log() const { return m_log; }
    const I8042Scenario& Scenario() const { return m_scenario; }

private:
    enum class Source { Controller, Keyboard, Pointer };
    enum class Parameter { None, Configuration, KeyboardOutput, PointerOutput, PointerCommand };

    struct OutputByte {
        uint8_t byte = 0;
        Source source = Source::Controller;
        bool parityError = false;
        bool timeoutError = false;
        bool isReply = false;
        Microseconds readyAt = 0;
    };

    struct DeviceState {
        std::vector<uint32_t> ruleUses;
        bool expectsParameter = false;
        std::optional<uint8_t> lastSent;
    };

    void Settle(Microseconds now);
    bool IsHeld(const OutputByte& byte) const;
    bool InputBufferFull(Microseconds now) const;
    uint8_t Status(Microseconds now) const;
    void Enqueue(const OutputByte& byte);
    void ControllerCommand(uint8_t command, Microseconds now);
    void DataByte(uint8_t byte, Microseconds now);
    void DeviceCommand(Device device, uint8_t command, Microseconds now);
    Reply ChooseReply(Device device, uint8_t command);
    Reply BuiltInReply(Device device, uint8_t command) const;
    void Schedule(const Reply& reply, Source source, Microseconds start, bool isReply, bool firstByteAtStart);
    void Record(bool isWrite, uint16_t port, uint8_t value, Microseconds now, bool dropped);
    DeviceState& StateOf(Device device) { return device == Device::Keyboard ? m_keyboard : m_pointer; }

    I8042Scenario m_scenario;
    MonotonicClock m_realClock;
    Microseconds m_realStart = 0;
    Microseconds m_virtualNow = 0;

    uint8_t m_configuration;
    bool m_lastWriteWasCommand = false;
    Microseconds m_inputBusyUntil = 0;
    Parameter m_pendingParameter = Parameter::None;
    std::optional<OutputByte> m_outputBuffer;
    std::vector<OutputByte> m_queue; // ordered by readyAt, first come first served among equals
    uint8_t m_lastDataRead = 0;
    DeviceState m_keyboard;
    DeviceState m_pointer;

    uint64_t m_sequence = 0;
    std::deque<LogEntry> m_log;
};

} // namespace corvo::i8042
