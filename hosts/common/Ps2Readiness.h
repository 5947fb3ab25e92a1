// Why the PS/2 test can or cannot run on this machine, in the words hosts show beside its result.
#pragma once

#include <string>

namespace corvo::hosts {

struct Ps2KeyboardPresence {
    bool present = false;
    // The platform library's reason, empty when it recorded none.
    std::string reason;
};

// As the module judges it: any of the firmware record's three PS/2 keyboard flags.
Ps2KeyboardPresence DescribePs2Keyboard();

// What keeps the PS/2 test from running: the driver service first (its summary), then a missing
// keyboard; empty when neither does.
std::string Ps2NotRunReason(const std::string& workDirectory);

} // namespace corvo::hosts
