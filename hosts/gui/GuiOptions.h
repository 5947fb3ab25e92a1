// The desktop host's command-line options, parsed before any window or module exists.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvo::hosts::gui {

struct GuiOptions {
    bool help = false;
    bool version = false;
    std::optional<std::string> workDirectory;
    std::optional<std::string> modulePath;
    // Tests to start as soon as the window is up: names as the module's help lists them.
    std::optional<std::string> run;
    bool exitWhenDone = false;
};

struct GuiParseResult {
    GuiOptions options;
    std::string error; // empty when the arguments were understood
};

// Options take their value after "=" or as the next argument. Qt's own window-system options
// (-platform, -display, ...) are passed over so QApplication can read them.
GuiParseResult ParseGuiOptions(const std::vector<std::string>& arguments);

extern const char kGuiUsage[];

} // namespace corvo::hosts::gui
