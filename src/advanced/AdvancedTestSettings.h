// The advanced test's two settings from "config.ini", kept for the whole process.
#pragma once

#include <optional>
#include <string>

namespace corvo::advanced {

struct AdvancedTestSettings {
    int strictMode = 0;               // 0 or 1
    std::optional<int> layoutPage;    // the page a configured layout name selects
};

// Reads section "KEYBOARD" of the file and returns the settings as they now stand. A missing,
// unreadable or unrecognised value keeps what an earlier reading gave (at first strict mode 0 and
// no layout), so one broken line never switches a technician's strict runs back to lenient ones.
AdvancedTestSettings ReadAdvancedTestSettings(const std::string& configPath);
// The same with "config.ini" in the current directory.
AdvancedTestSettings ReadAdvancedTestSettings();

// Forgets every earlier reading; for the tests of the reading itself.
void ResetAdvancedTestSettings();

} // namespace corvo::advanced
