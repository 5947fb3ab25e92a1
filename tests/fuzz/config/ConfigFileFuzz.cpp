// Fuzz entry: every line of the input through the config line reader, held to std::regex where that is safe.
#include "ConfigLineReference.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

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
    return 0;
}
