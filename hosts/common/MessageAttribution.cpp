// Follows a test's progress to tell which keyboard its warnings and failures are about.
#include "MessageAttribution.h"

#include "module/TestResult.h"

namespace corvo::hosts {

namespace {

// Which tests check which keyboards, and how they say which one they are at.
struct TestedKeyboards {
    const char* testNameKey;
    KeyboardDevice::Kind kind;
    bool perProgressStep;
};

constexpr TestedKeyboards kTestedKeyboards[] = {
    {"PS2_KEYBOARD_TEST", KeyboardDevice::Kind::Ps2, false},
    {"USB_KEYBOARD_TEST", KeyboardDevice::Kind::Usb, true},
};

// The USB test's own arithmetic, so that the host lands on the same numbers.
uint8_t StepPercent(std::size_t position, std::size_t count)
{
    return static_cast<uint8_t>(static_cast<float>(position) * 100.0f / static_cast<float>(count));
}

} // namespace

MessageAttribution::MessageAttribution(const std::string& testNameKey, const std::vector<KeyboardDevice>& keyboards)
{
    for (const TestedKeyboards& tested : kTestedKeyboards) {
        if (testNameKey != tested.testNameKey) {
            continue;
        }
        m_perProgressStep = tested.perProgressStep;
        for (std::size_t position = 0; position < keyboards.size(); ++position) {
            if (keyboards[position].kind == tested.kind) {
                m_candidates.push_back(position);
            }
        }
        // A test of one keyboard is about that keyboard throughout.
        if (!m_perProgressStep && m_candidates.size() == 1) {
            m_current = 0;
        }
    }
}

void MessageAttribution::Progress(uint8_t percent)
{
    if (!m_perProgressStep || m_reports++ == 0) {
        return;
    }
    const std::size_t count = m_candidates.size();
    // Keyboards are checked in order, so the next one to match comes after the current one: with
    // more than a hundred keyboards several share a percentage.
    std::size_t next = m_current ? *m_current + 1 : 0;
    while (next < count && StepPercent(next, count) != percent) {
        ++next;
    }
    m_current = next < count ? std::optional<std::size_t>(next) : std::nullopt;
}

std::optional<std::size_t> MessageAttribution::Message(uint32_t kind) const
{
    if (!m_current || (kind != Warning && kind != FailureDetail)) {
        return std::nullopt;
    }
    return m_candidates[*m_current];
}

} // namespace corvo::hosts
