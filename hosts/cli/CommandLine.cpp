// Parsing of the command-line host's arguments.
#include "CommandLine.h"

namespace corvo::hosts::cli {

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
