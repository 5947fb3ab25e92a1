// The command-line host's options, parsed before the module is loaded.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "TestSelection.h"

namespace corvo::hosts::cli {

// An option the host does not know itself: a diagnostic selector such as "-Q", "-Qp,u",
// "--quick" or "--quick=p,u", matched against the module's command names once it is loaded.
struct SelectorOption {
    std::string text;     // as given
    bool longForm = false;
    std::string name;     // "Q" or "quick"
    std::optional<std::string> list; // the chosen tests, when a list follows the name
};

struct CommandLine {
    std::optional<std::string> moduleName; // from -M<name> or --module=<name>
    std::optional<std::string> modulePath; // --module-path=<file>
    std::optional<std::string> workDirectory;
    std::optional<std::string> reportPath; // --report=<file>
    bool help = false;
    bool list = false;
    bool devices = false;
    bool json = false;
    bool version = false;
    std::vector<SelectorOption> selectors;
};

struct ParseResult {
    CommandLine commandLine;
    std::string error; // empty when the arguments were understood
};

ParseResult ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints, and what follows a command line that could not be understood.
extern const char kCliUsage[];

// Test lists are split the way every host splits them.
using corvo::hosts::SplitTestList;

} // namespace corvo::hosts::cli
