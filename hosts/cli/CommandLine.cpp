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

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
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
                   || TakeValue(argument, "--workdir=", commandLine.workDirectory, error)) {
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

bool SplitTestList(const std::string& list, std::vector<std::string>& items, std::string& error)
{
    std::string text = Trim(list);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    items.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = Trim(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (item.empty()) {
            error = "empty test name in list '" + list + "'";
            return false;
        }
        items.push_back(item);
        if (comma == std::string::npos) {
            return true;
        }
        start = comma + 1;
    }
}

} // namespace corvo::hosts::cli
