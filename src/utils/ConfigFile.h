// Reader of the suite's "config.ini": a two-level dictionary of sections, keys and values.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace corvo::utils::config {

using ConfigSection = std::map<std::string, std::string>;
// Section name -> (key -> value). Names are stored upper-cased, values as read.
using ConfigData = std::map<std::string, ConfigSection>;

enum ConfigError : int32_t {
    kConfigOk = 0,
    kDuplicateSection = 1,
    kDuplicateKey = 2,
    kOpenBracketTwice = 1001,
    kCloseBracketTwice = 1002,
    kEqualsTwice = 1003,
    kBracketNextToEquals = 1006,
    kUnclosedSection = 1007,
    kUnopenedSection = 1008,
    kReversedBrackets = 1009,
    kNoSyntax = 1010,
    kEmptySection = 1011,
    kMissingKey = 1012,
    kMissingValue = 1014,
};

struct ConfigParseResult {
    int32_t opened = 0;      // 1 when the file could be opened
    int32_t errorCode = 0;   // ConfigError of the first malformed line, 0 when all was read
    int32_t line = -1;       // 1-based number of that line, -1 without an error
    std::string section;     // for duplicate sections and keys: the section concerned
    std::string key;         // for duplicate keys: the key concerned
};

// Reads the file into data, stopping at the first malformed line; what was read before stays.
ConfigParseResult LoadConfig(const std::string& path, ConfigData& data);

// The value, or the empty text when the section or the key is absent. Names compare exactly.
std::string GetConfigValue(const ConfigData& data, const std::string& section, const std::string& key);

inline constexpr char kConfigFileName[] = "config.ini";
inline constexpr char kSectionKeyboard[] = "KEYBOARD";
inline constexpr char kSectionLanguage[] = "LANGUAGE";
inline constexpr char kKeyDefaultLanguage[] = "DEFAULT_LANGUAGE";
inline constexpr char kKeyAdvancedTestLayout[] = "ADVANCED_TEST_LAYOUT";
inline constexpr char kKeyAdvancedTestStrictMode[] = "ADVANCED_TEST_STRICT_MODE";

} // namespace corvo::utils::config
