// Which keyboard a running test's findings are about, told from what the test reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "KeyboardDevices.h"

namespace corvo::hosts {

// The PS/2 test checks the one PS/2 keyboard. The USB test reports progress i * 100 / n (single
// precision, truncated) before it checks keyboard i of its n USB keyboards, after a first report
// of 0 when it starts, so what it finds until its next report belongs to keyboard i.
// Warnings and failure details are findings about a keyboard; information messages (an abort,
// the device hint after a failure) are about the run and belong to none. Other tests' messages
// belong to none.
//
// Fed in the order the test reports, from the thread that runs it.
class MessageAttribution {
public:
    MessageAttribution(const std::string& testNameKey, const std::vector<KeyboardDevice>& keyboards);

    void Progress(uint8_t percent);
    // The position in the keyboards handed to the constructor; empty when the message concerns
    // no single keyboard.
    std::optional<std::size_t> Message(uint32_t kind) const;

private:
    std::vector<std::size_t> m_candidates; // positions of the keyboards the test checks, in its order
    bool m_perProgressStep = false;
    std::size_t m_reports = 0;
    std::optional<std::size_t> m_current; // into m_candidates
};

} // namespace corvo::hosts
