// The i8042 simulator's state machine: controller commands, the two devices' replies, status and time.
#include "I8042Simulator.h"

#include <chrono>
#include <cstdio>
#include <iterator>
#include <utility>

namespace corvo::i8042 {

namespace {

constexpr uint16_t kDataPort = 0x60;
constexpr uint16_t kStatusCommandPort = 0x64;

constexpr uint8_t kAcknowledge = 0xFA;
constexpr uint8_t kResend = 0xFE;
constexpr Microseconds kSelfTestTime = 500000;

// Device commands that are followed by one parameter byte, which the device acknowledges too.
// Keyboard: 0xED set indicators, 0xF0 scan-code set, 0xF3 typematic rate and delay.
// Pointing device: 0xE8 resolution, 0xF3 sample rate.
constexpr uint8_t kKeyboardCommandsWithParameter[] = {0xED, 0xF0, 0xF3};
constexpr uint8_t kPointerCommandsWithParameter[] = {0xE8, 0xF3};

ReplyItem Byte(uint8_t value)
{
    ReplyItem item;
    item.byte = value;
    return item;
}

ReplyItem Wait(Microseconds duration)
{
    ReplyItem item;
    item.isWait = true;
    item.wait = duration;
    return item;
}

Microseconds SteadyMicroseconds()
{
    return static_cast<Microseconds>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

} // namespace

std::string FormatLogEntry(const LogEntry& entry)
{
    char line[128];
    std::snprintf(line, sizeof line, "seq=%llu time=%llu.%06llu %s port=0x%02x value=0x%02x config=0x%02x%s",
                  static_cast<unsigned long long>(entry.sequence),
                  static_cast<unsigned long long>(entry.time / 1000000),
                  static_cast<unsigned long long>(entry.time % 1000000), entry.isWrite ? "write" : "read",
                  static_cast<unsigned>(entry.port), static_cast<unsigned>(entry.value),
                  static_cast<unsigned>(entry.configuration), entry.dropped ? " dropped" : "");
    return line;
}

I8042Simulator::I8042Simulator(I8042Scenario scenario, MonotonicClock realClock)
    : m_scenario(std::move(scenario)), m_realClock(std::move(realClock)), m_configuration(m_scenario.initialConfiguration)
{
    if (!m_realClock) {
        m_realClock = SteadyMicroseconds;
    }
    if (m_scenario.clock == ClockKind::Real) {
        m_realStart = m_realClock();
    }
    m_keyboard.ruleUses.assign(m_scenario.keyboardRules.size(), 0);
    m_pointer.ruleUses.assign(m_scenario.pointerRules.size(), 0);
    for (const SpontaneousBytes& event : m_scenario.spontaneous) {
        Schedule(event.bytes, event.device == Device::Keyboard ? Source::Keyboard : Source::Pointer, event.time, false, true);
    }
}

Microseconds I8042Simulator::Now() const
{
    if (m_scenario.clock == ClockKind::Real) {
        return m_realClock() - m_realStart;
    }
    return m_virtualNow;
}

uint8_t I8042Simulator::Read(uint16_t port)
{
    if (port != kDataPort && port != kStatusCommandPort) {
        return 0xFF;
    }
    const Microseconds now = Now();
    Settle(now);
    uint8_t value = 0;
    if (port == kStatusCommandPort) {
        value = Status(now);
    } else {
        // With nothing waiting the data port still shows the last byte: the latch keeps it.
        if (m_outputBuffer) {
            m_lastDataRead = m_outputBuffer->byte;
            m_outputBuffer.reset();
            Settle(now);
        }
        value = m_lastDataRead;
    }
    Record(false, port, value, now, false);
    // The host sleeps between status reads; on the virtual clock that sleep is one quantum.
    if (port == kStatusCommandPort && m_scenario.clock == ClockKind::Virtual) {
        m_virtualNow += m_scenario.statusReadQuantum;
    }
    return value;
}

void I8042Simulator::Write(uint16_t port, uint8_t value)
{
    if (port != kDataPort && port != kStatusCommandPort) {
        return;
    }
    const Microseconds now = Now();
    Settle(now);
    if (InputBufferFull(now)) {
        Record(true, port, value, now, true);
        return;
    }
    m_inputBusyUntil = now + m_scenario.inputDelay;
    m_lastWriteWasCommand = port == kStatusCommandPort;
    if (port == kStatusCommandPort) {
        ControllerCommand(value, now);
    } else {
        DataByte(value, now);
    }
    Record(true, port, value, now, false);
}

bool I8042Simulator::InputBufferFull(Microseconds now) const
{
    return m_scenario.inputBufferNeverEmpties || now < m_inputBusyUntil;
}

uint8_t I8042Simulator::Status(Microseconds now) const
{
    uint8_t status = kStatusKeyboardNotLocked;
    if (m_outputBuffer) {
        status |= kStatusOutputFull;
        if (m_outputBuffer->source == Source::Pointer) {
            status |= kStatusPointerData;
        }
        if (m_outputBuffer->timeoutError) {
            status |= kStatusTimeoutError;
        }
        if (m_outputBuffer->parityError) {
            status |= kStatusParityError;
        }
    }
    if (InputBufferFull(now)) {
        status |= kStatusInputFull;
    }
    if (m_configuration & kConfigurationSystemFlag) {
        status |= kStatusSystemFlag;
    }
    if (m_lastWriteWasCommand) {
        status |= kStatusLastWriteWasCommand;
    }
    return status;
}

// A device with its clock switched off cannot send what it has to say on its own; answers to a
// command are never held, because sending the command switched the clock on.
bool I8042Simulator::IsHeld(const OutputByte& byte) const
{
    if (byte.isReply) {
        return false;
    }
    if (byte.source == Source::Keyboard) {
        return (m_configuration & kConfigurationKeyboardClockOff) != 0;
    }
    if (byte.source == Source::Pointer) {
        return (m_configuration & kConfigurationPointerClockOff) != 0;
    }
    return false;
}

void I8042Simulator::Settle(Microseconds now)
{
    if (m_outputBuffer) {
        return;
    }
    for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
        if (it->readyAt > now) {
            break;
        }
        // A held byte keeps its place; a byte of the other device may pass it, not one of its own.
        if (IsHeld(*it)) {
            continue;
        }
        bool behindHeldByteOfSameDevice = false;
        for (auto earlier = m_queue.begin(); earlier != it; ++earlier) {
            if (earlier->source == it->source) {
                behindHeldByteOfSameDevice = true;
                break;
            }
        }
        if (behindHeldByteOfSameDevice) {
            continue;
        }
        m_outputBuffer = *it;
        if (it->source == Source::Keyboard) {
            m_keyboard.lastSent = it->byte;
        } else if (it->source == Source::Pointer) {
            m_pointer.lastSent = it->byte;
        }
        m_queue.erase(it);
        return;
    }
}

void I8042Simulator::Enqueue(const OutputByte& byte)
{
    auto position = m_queue.end();
    while (position != m_queue.begin() && std::prev(position)->readyAt > byte.readyAt) {
        --position;
    }
    m_queue.insert(position, byte);
}

void I8042Simulator::Schedule(const Reply& reply, Source source, Microseconds start, bool isReply, bool firstByteAtStart)
{
    Microseconds time = start;
    bool first = true;
    for (const ReplyItem& item : reply.items) {
        if (item.isWait) {
            time += item.wait;
            continue;
        }
        if (!(first && firstByteAtStart)) {
            time += m_scenario.byteTime;
        }
        first = false;
        OutputByte byte;
        byte.byte = item.byte;
        byte.source = source;
        byte.parityError = item.parityError;
        byte.timeoutError = item.timeoutError;
        byte.isReply = isReply;
        byte.readyAt = time;
        Enqueue(byte);
    }
}

void I8042Simulator::ControllerCommand(uint8_t command, Microseconds now)
{
    // A command cancels a parameter the controller was still waiting for.
    m_pendingParameter = Parameter::None;
    const Microseconds answerAt = now + m_scenario.inputDelay;
    OutputByte answer;
    answer.source = Source::Controller;
    answer.readyAt = answerAt;
    switch (command) {
    case 0x20:
        answer.byte = m_configuration;
        Enqueue(answer);
        break;
    case 0x60:
        m_pendingParameter = Parameter::Configuration;
        break;
    case 0xA7:
        m_configuration |= kConfigurationPointerClockOff;
        break;
    case 0xA8:
        m_configuration &= static_cast<uint8_t>(~kConfigurationPointerClockOff);
        break;
    case 0xA9: // pointing-device interface test: passed
    case 0xAB: // keyboard interface test: passed
        answer.byte = 0x00;
        Enqueue(answer);
        break;
    case 0xAA: // controller self-test: passed
        answer.byte = 0x55;
        Enqueue(answer);
        break;
    case 0xAD:
        m_configuration |= kConfigurationKeyboardClockOff;
        break;
    case 0xAE:
        m_configuration &= static_cast<uint8_t>(~kConfigurationKeyboardClockOff);
        break;
    case 0xD2:
        m_pendingParameter = Parameter::KeyboardOutput;
        break;
    case 0xD3:
        m_pendingParameter = Parameter::PointerOutput;
        break;
    case 0xD4:
        m_pendingParameter = Parameter::PointerCommand;
        break;
    default:
        // Commands this controller does not model are taken and have no effect.
        break;
    }
}

void I8042Simulator::DataByte(uint8_t byte, Microseconds now)
{
    const Parameter parameter = m_pendingParameter;
    m_pendingParameter = Parameter::None;
    OutputByte echoed;
    echoed.byte = byte;
    echoed.readyAt = now + m_scenario.inputDelay;
    switch (parameter) {
    case Parameter::Configuration:
        m_configuration = byte;
        break;
    case Parameter::KeyboardOutput:
        echoed.source = Source::Keyboard;
        echoed.isReply = true;
        Enqueue(echoed);
        break;
    case Parameter::PointerOutput:
        echoed.source = Source::Pointer;
        echoed.isReply = true;
        Enqueue(echoed);
        break;
    case Parameter::PointerCommand:
        m_configuration &= static_cast<uint8_t>(~kConfigurationPointerClockOff);
        DeviceCommand(Device::Pointer, byte, now);
        break;
    case Parameter::None:
        // The byte can only be clocked out to the keyboard with its clock running, so sending it
        // switches the keyboard clock on, and the keyboard's answer comes back.
        m_configuration &= static_cast<uint8_t>(~kConfigurationKeyboardClockOff);
        DeviceCommand(Device::Keyboard, byte, now);
        break;
    }
}

void I8042Simulator::DeviceCommand(Device device, uint8_t command, Microseconds now)
{
    const Source source = device == Device::Keyboard ? Source::Keyboard : Source::Pointer;
    // A new command makes the device drop what it had not yet sent of its last answer.
    for (auto it = m_queue.begin(); it != m_queue.end();) {
        it = it->isReply && it->source == source ? m_queue.erase(it) : std::next(it);
    }
    DeviceState& state = StateOf(device);
    Reply reply;
    if (state.expectsParameter) {
        state.expectsParameter = false;
        reply.items.push_back(Byte(kAcknowledge));
    } else {
        reply = ChooseReply(device, command);
        bool takesParameter = false;
        if (device == Device::Keyboard) {
            for (uint8_t withParameter : kKeyboardCommandsWithParameter) {
                takesParameter = takesParameter || command == withParameter;
            }
        } else {
            for (uint8_t withParameter : kPointerCommandsWithParameter) {
                takesParameter = takesParameter || command == withParameter;
            }
        }
        // Only an acknowledged command waits for its parameter; one answered otherwise was not taken.
        state.expectsParameter = takesParameter && !reply.items.empty() && !reply.items.front().isWait
            && reply.items.front().byte == kAcknowledge;
    }
    Schedule(reply, source, now + m_scenario.inputDelay, true, false);
}

Reply I8042Simulator::ChooseReply(Device device, uint8_t command)
{
    const std::vector<ReplyRule>& rules = device == Device::Keyboard ? m_scenario.keyboardRules : m_scenario.pointerRules;
    std::vector<uint32_t>& uses = StateOf(device).ruleUses;
    // A rule for this very command first, then a rule for any other command, in file order.
    for (bool specific : {true, false}) {
        for (std::size_t i = 0; i < rules.size(); ++i) {
            const bool matches = specific ? rules[i].command == command : !rules[i].command.has_value();
            if (matches && (rules[i].count == 0 || uses[i] < rules[i].count)) {
                ++uses[i];
                return rules[i].reply;
            }
        }
    }
    return BuiltInReply(device, command);
}

Reply I8042Simulator::BuiltInReply(Device device, uint8_t command) const
{
    Reply reply;
    const DeviceState& state = device == Device::Keyboard ? m_keyboard : m_pointer;
    switch (command) {
    case 0xFF: // reset: acknowledge, self-test, 0xAA passed (a pointing device adds its id 0x00)
        reply.items = {Byte(kAcknowledge), Wait(kSelfTestTime), Byte(0xAA)};
        if (device == Device::Pointer) {
            reply.items.push_back(Byte(0x00));
        }
        break;
    case kResend: // send the last byte again; nothing sent yet, nothing to repeat
        if (state.lastSent) {
            reply.items = {Byte(*state.lastSent)};
        }
        break;
    case 0xF2: // identify: an MF2 keyboard, or a standard mouse
        reply.items = {Byte(kAcknowledge)};
        if (device == Device::Keyboard) {
            reply.items.push_back(Byte(0xAB));
            reply.items.push_back(Byte(0x83));
        } else {
            reply.items.push_back(Byte(0x00));
        }
        break;
    case 0xEE: // echo, a keyboard command only
        reply.items = {Byte(device == Device::Keyboard ? 0xEE : kAcknowledge)};
        break;
    default:
        reply.items = {Byte(kAcknowledge)};
        break;
    }
    return reply;
}

void I8042Simulator::Record(bool isWrite, uint16_t port, uint8_t value, Microseconds now, bool dropped)
{
    LogEntry entry;
    entry.sequence = ++m_sequence;
    entry.time = now;
    entry.isWrite = isWrite;
    entry.port = port;
    entry.value = value;
    entry.configuration = m_configuration;
    entry.dropped = dropped;
    if (m_log.size() == kLogCapacity) {
        m_log.pop_front();
    }
    m_log.push_back(entry);
}

} // namespace corvo::i8042
