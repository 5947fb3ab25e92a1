// Fuzz entry: every line through the config line reader, held to std::regex where that is safe, then
// the whole input as a config.ini file.
#include "ConfigLineReference.h"

#include "FuzzSupport.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace corvo::utils::config;
    const std::string input(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string line = input.substr(start, end - start);
        start = end + 1;
        // Any length must end in a verdict; only short lines are safe to hand to std::regex.
        const ConfigLine parsed = ParseConfigLine(line);
        std::string mismatch = parsed.kind == ConfigLineKind::Malformed && parsed.error == kConfigOk
            ? "\"" + reference::Escaped(line) + "\": malformed without a code"
            : std::string();
        if (mismatch.empty() && line.size() <= reference::kSafeLineLength)
            mismatch = reference::Mismatch(line);
        if (!mismatch.empty()) {
            std::fprintf(stderr, "config line %s\n", mismatch.c_str());
            std::abort();
        }
    }
    ConfigData config;
    const ConfigParseResult result = LoadConfig(AsFile(data, size), config);
    const auto lines = std::count(input.begin(), input.end(), '\n') + 1;
    Check(result.opened == 1 && (result.errorCode == kConfigOk) == (result.line == -1), "file read without a verdict");
    Check(result.errorCode == kConfigOk || (result.line >= 1 && result.line <= lines), "stop on a line not in the file");
    for (const auto& [section, entries] : config)
        for (const auto& [key, value] : entries)
            Check(!key.empty() && value.find('\n') == std::string::npos
                      && (section + key).find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos,
                  "entry not as stored");
    return 0;
}
