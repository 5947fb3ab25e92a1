// Parsing of the desktop host's arguments, and its usage text.
#include "GuiOptions.h"

#include <array>

namespace corvo::hosts::gui {

const char kGuiUsage[] =
    "Usage: HalvikDiagnostics [options]\n"
    "\n"
    "Shows the keyboard module's tests and the keyboards it finds, runs the tests and shows their\n"
    "dialogs, notices, progress and results.\n"
    "\n"
    "Options:\n"
    "  --run <tests>, --run=<tests>   start these tests at once: short or long names as the module's\n"
    "                                 help lists them (p, ps2, u, usb, ...) or the first word of the\n"
    "                                 test's name (keycode), comma-separated\n"
    "  --exit-when-done               with --run: quit when the tests have ended, print the log and\n"
    "                                 the results on standard output, and exit with the status below\n"
    "  --workdir=<folder>             the working folder, where the module looks for config.ini and\n"
    "                                 its driver service (default: the folder of this program in a\n"
    "                                 build tree; <prefix>/lib/halvik-diagnostics once installed)\n"
    "  --module-path=<file>           load the module from this file instead of libkeyboard.so in\n"
    "                                 <build>/lib or <prefix>/lib/halvik-diagnostics\n"
    "  --version                      print the host's and the module's versions\n"
    "  -h, --help                     print this text\n"
    "\n"
    "Ctrl-C, SIGTERM, SIGHUP and SIGQUIT close the window as its close button does.\n"
    "\n"
    "Exit status:\n"
    "  0  every test started with --run passed (warnings included), or the window was closed\n"
    "  1  at least one test failed\n"
    "  2  the command line could not be understood (unknown option or test name)\n"
    "  3  no test failed, but at least one did not run or was aborted\n"
    "  4  error: the module could not be loaded or used, a test reported an internal error, or\n"
    "     standard output could not be written completely\n";

namespace {

// Qt's options that carry a value; QApplication removes them from the arguments itself.
constexpr std::array<const char*, 7> kQtValueOptions = {"-platform", "-display", "-style", "-stylesheet",
                                                        "-qwindowgeometry", "-qwindowtitle", "-session"};
constexpr std::array<const char*, 2> kQtFlagOptions = {"-reverse", "-widgetcount"};

// "--name=value" or "--name value"; false when the argument is not this option.
bool TakeValue(const std::vector<std::string>& arguments, std::size_t& position, const std::string& name,
               std::optional<std::string>& target, std::string& error)
{
    const std::string& argument = arguments[position];
    if (argument == name) {
        if (position + 1 >= arguments.size()) {
            error = "option " + name + " needs a value";
            return true;
        }
        target = arguments[++position];
    } else if (argument.compare(0, name.size() + 1, name + "=") == 0) {
        target = argument.substr(name.size() + 1);
    } else {
        return false;
    }
    if (target->empty()) {
        error = "option " + name + " needs a value";
    }
    return true;
}

} // namespace

GuiParseResult ParseGuiOptions(const std::vector<std::string>& arguments)
{
    GuiParseResult result;
    GuiOptions& options = result.options;
    std::string& error = result.error;
    for (std::size_t position = 0; position < arguments.size() && error.empty(); ++position) {
        const std::string& argument = arguments[position];
        bool qtOption = false;
        for (const char* name : kQtValueOptions) {
            if (argument == name) {
                qtOption = true;
                ++position;
            }
        }
        for (const char* name : kQtFlagOptions) {
            qtOption = qtOption || argument == name;
        }
        if (qtOption) {
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--exit-when-done") {
            options.exitWhenDone = true;
        } else if (TakeValue(arguments, position, "--run", options.run, error)
                   || TakeValue(arguments, position, "--workdir", options.workDirectory, error)
                   || TakeValue(arguments, position, "--module-path", options.modulePath, error)) {
        } else if (!argument.empty() && argument[0] == '-') {
            error = "unknown option '" + argument + "'";
        } else {
            error = "unexpected argument '" + argument + "'";
        }
    }
    if (error.empty() && options.exitWhenDone && !options.run && !options.help && !options.version) {
        error = "--exit-when-done needs tests to run: add --run <tests>";
    }
    return result;
}

} // namespace corvo::hosts::gui
