// Parsing of the command-line host's arguments.
#include "CommandLine.h"

namespace corvo::hosts::cli {

const char kCliUsage[] =
    "Usage: HalvikDiagnosticsCLI -M<module> -Q | -Q\"<tests>\" | --quick[=\"<tests>\"] [options]\n"
    "       HalvikDiagnosticsCLI -M<module> --list | --devices | --help\n"
    "\n"
    "Runs the tests of a diagnostics module and reports their results.\n"
    "\n"
    "Options:\n"
    "  -M<module>, --module=<module>  the module to use (default: keyboard, the module this\n"
    "                                 installation carries)\n"
    "  -Q, --quick                    run every test of the module's diagnostic that this host can run\n"
    "  -Q\"<tests>\", --quick=\"<tests>\"\n"
    "                                 run the listed tests: short or long names, or the first word\n"
    "                                 of a test's name (keycode), comma-separated\n"
    "                                 (the module's help lists them: -M<module> --help)\n"
    "  --list                         list the diagnostic and its tests, then exit\n"
    "  --devices                      detect the devices the module can test and list them, then exit\n"
    "  --json                         print the run report (JSON, docs/report.md) on standard output\n"
    "                                 instead of progress and result lines\n"
    "  --report=<file>                also write the run report to a file: JSON, or a printable page\n"
    "                                 when the name ends in .html\n"
    "  --workdir=<folder>             the working folder, where the module looks for config.ini and\n"
    "                                 its driver service (default: the folder of this program in a\n"
    "                                 build tree; <prefix>/lib/halvik-diagnostics once installed)\n"
    "  --module-path=<file>           load the module from this file instead of lib<module>.so in\n"
    "                                 <build>/lib or <prefix>/lib/halvik-diagnostics\n"
    "  --version                      print the host's and the module's versions\n"
    "  -h, --help                     print this text; with -M<module>, print the module's help\n"
    "\n"
    "Interactive tests need a person at a dialog, which this host cannot show: -Q lists them as\n"
    "unavailable and leaves them out of the exit status; named in a list they run and come back\n"
    "\"not run\". Ctrl-C (and SIGTERM, SIGHUP, SIGQUIT) asks the running test to stop; one that has\n"
    "not stopped 5 s later is given up, reported aborted, and the host ends.\n"
    "\n"
    "Exit status:\n"
    "  0  every test that counts passed (warnings included)\n"
    "  1  at least one test failed\n"
    "  2  the command line could not be understood (unknown option, module or test name)\n"
    "  3  no test failed, but at least one did not run or was aborted, or no test counts\n"
    "  4  error: the module could not be loaded or used, a test reported an internal error, or\n"
    "     the report or listing could not be written completely\n";

namespace {

bool TakeValue(const std::string& argument, const std::string& prefix, std::optional<std::string>& target,
               std::string& error)
{
    if (argument.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    const std::string value = argument.substr(prefix.size());
    if (value.empty()) {
        error = "option " + prefix.substr(0, prefix.size() - 1) + " needs a value";
    }
    target = value;
    return true;
}

} // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& arguments)
{
    ParseResult result;
    CommandLine& commandLine = result.commandLine;
    for (const std::string& argument : arguments) {
        std::string& error = result.error;
        if (argument == "--help" || argument == "-h") {
            commandLine.help = true;
        } else if (argument == "--list") {
            commandLine.list = true;
        } else if (argument == "--devices") {
            commandLine.devices = true;
        } else if (argument == "--json") {
            commandLine.json = true;
        } else if (argument == "--version") {
            commandLine.version = true;
        } else if (argument.rfind("-M", 0) == 0) {
            if (argument.size() == 2) {
                error = "option -M needs a module name, as in -Mkeyboard";
            }
            commandLine.moduleName = argument.substr(2);
        } else if (TakeValue(argument, "--module=", commandLine.moduleName, error)
                   || TakeValue(argument, "--module-path=", commandLine.modulePath, error)
                   || TakeValue(argument, "--workdir=", commandLine.workDirectory, error)
                   || TakeValue(argument, "--report=", commandLine.reportPath, error)) {
        } else if (argument.rfind("--", 0) == 0 && argument.size() > 2) {
            SelectorOption selector{argument, true, {}, std::nullopt};
            const auto equals = argument.find('=');
            selector.name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            if (equals != std::string::npos) {
                selector.list = argument.substr(equals + 1);
            }
            commandLine.selectors.push_back(selector);
        } else if (argument.size() >= 2 && argument[0] == '-' && argument[1] != '-') {
            SelectorOption selector{argument, false, argument.substr(1, 1), std::nullopt};
            if (argument.size() > 2) {
                selector.list = argument.substr(2);
            }
            commandLine.selectors.push_back(selector);
        } else {
            error = "unexpected argument '" + argument + "'";
        }
        if (!error.empty()) {
            return result;
        }
    }
    return result;
}

} // namespace corvo::hosts::cli
