// Fuzz entry: every line of the input through the config line reader, checked against std::regex.
#include "ConfigLineReference.h"

#include "utils/ConfigLineParser.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace corvo::utils::config;

[[noreturn]] void Mismatch(std::string_view line, const char* what, const std::string& expected,
                           const std::string& actual)
{
    std::fprintf(stderr, "config line \"%s\": %s: regex %s, matcher %s\n", reference::Escaped(line).c_str(),
                 what, expected.c_str(), actual.c_str());
    std::abort();
}

void CheckAgainstRegex(const std::string& line)
{
    static const std::vector<std::regex> patterns = [] {
        std::vector<std::regex> compiled;
        for (const reference::PatternPair& pair : reference::PatternPairs()) {
            compiled.emplace_back(pair.pattern);
        }
        return compiled;
    }();
    const std::vector<reference::PatternPair>& pairs = reference::PatternPairs();
    for (std::size_t index = 0; index < pairs.size(); ++index) {
        const bool expected = std::regex_search(line, patterns[index]);
        if (pairs[index].matcher(line) != expected) {
            Mismatch(line, pairs[index].pattern, expected ? "match" : "no match", expected ? "no match" : "match");
        }
    }

    std::smatch match;
    const bool sectionFound = std::regex_search(line, match, reference::SectionPattern());
    const std::optional<std::string_view> section = FindSectionHeader(line);
    if (sectionFound != section.has_value() || (sectionFound && match[1].str() != *section)) {
        Mismatch(line, "section header", sectionFound ? match[1].str() : "none",
                 section ? std::string(*section) : "none");
    }

    const bool entryFound = std::regex_search(line, match, reference::EntryPattern());
    const std::optional<ConfigEntryMatch> entry = FindEntry(line);
    if (entryFound != entry.has_value()
        || (entryFound && (match[1].str() != entry->key || match[2].str() != entry->value))) {
        Mismatch(line, "entry", entryFound ? match[1].str() + " = " + match[2].str() : "none",
                 entry ? std::string(entry->key) + " = " + std::string(entry->value) : "none");
    }

    const reference::LineVerdict expected = reference::ParseWithRegex(line);
    const reference::LineVerdict actual = reference::VerdictOf(ParseConfigLine(line));
    if (expected != actual) {
        Mismatch(line, "line verdict", reference::Describe(expected), reference::Describe(actual));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string line(input.substr(start, end - start));
        // Any length must end in a verdict; only short lines are safe to hand to std::regex.
        const ConfigLine parsed = ParseConfigLine(line);
        if (parsed.kind == ConfigLineKind::Malformed && parsed.error == kConfigOk) {
            Mismatch(line, "malformed without a code", "a code", "0");
        }
        if (line.size() <= reference::kSafeLineLength) {
            CheckAgainstRegex(line);
        }
        start = end + 1;
    }
    return 0;
}
