// Reader of the suite's "config.ini": a two-level dictionary of sections, keys and values.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

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

// The most of config.ini that is read, in bytes. A longer file reads as if it ended with the last
// whole line within the limit.
inline constexpr int64_t kConfigFileSizeLimit = 16 * 1024 * 1024;

// Reads the file into data, stopping at the first malformed line; what was read before stays. Only a
// regular file (or a link to one) is opened, without waiting: a FIFO, a device or a folder is "not
// opened".
ConfigParseResult LoadConfig(const std::string& path, ConfigData& data);

// The value, or the empty text when the section or the key is absent. Names compare exactly.
std::string GetConfigValue(const ConfigData& data, const std::string& section, const std::string& key);

inline constexpr char kConfigFileName[] = "config.ini";
inline constexpr char kSectionKeyboard[] = "KEYBOARD";
inline constexpr char kSectionLanguage[] = "LANGUAGE";
inline constexpr char kKeyDefaultLanguage[] = "DEFAULT_LANGUAGE";
inline constexpr char kKeyAdvancedTestLayout[] = "ADVANCED_TEST_LAYOUT";
inline constexpr char kKeyAdvancedTestStrictMode[] = "ADVANCED_TEST_STRICT_MODE";

// Sections of the suite's shared config.ini that other modules of the suite read. This module reads
// none of them; they are kept so the whole vocabulary of the file is written down in one place.
inline constexpr std::string_view kSuiteSections[] = {
    "GLOBAL", "NETWORK", "SERVICE", "AUDIO", "BATTERY", "DISPLAY", "MOTHERBOARD", "STORAGE", "VIDEO_CARD",
};

// Prefix of the suite's per-test timeouts: the full key appends "_" and the test's name, as in
// "CSAT_TEST_TIMEOUT_MOUSE_CLICK_TEST".
inline constexpr char kKeyCsatTestTimeout[] = "CSAT_TEST_TIMEOUT";

// Keys of the suite's shared config.ini that other modules read; unused here, kept for the same reason
// as kSuiteSections.
inline constexpr std::string_view kSuiteKeys[] = {
    "RUN_TIMES",
    "LOG_FILE_NAME",
    "SAVE_LOG_AUTOMATICALLY",
    "STOP_ON_ERROR",
    "USER_INTERRUPT",
    "DO_NOT_SKIP_TEST",
    "ENABLE_SERVICES",
    "DISABLE_SOUND_NOTICE",
    "ENABLE_SCRIPTS_TAB",
    "ENABLE_SYMPTOMS_TAB",
    "ENABLE_SERVICE_TAB",
    "TAB_ORDER",
    "INTERNAL_MODE",
    "DISABLE_CREATE_EDIT_SCRIPT",
    "CHECK_MB_NAMES",
    "JSON_LOG_FOLDER",
    "ENABLE_POWER_CYCLE_TOOL",
    "ENABLE_DEVICE_LIST",
    "CUSTOM_START_SCRIPT",
    "ENABLE_IMPORT_SCRIPTS",
    "DOWNLOAD_SERVER",
    "UPLOAD_SERVER",
    "LATENCY_SERVER",
    "SHOW_SUMMARY",
    "ENABLE_AUDIO_MULTICHANNEL_TEST",
    "ENABLE_BATTERY_INFO_DATE",
    "ENABLE_CONNECTION_TEST",
    "CSAT_POPUP_TIMEOUT",
    kKeyCsatTestTimeout,
    "DISPLAY_COLORS_ORDER",
    "ENABLE_EXTERNAL_PORTS_TEST",
    "ENABLE_NVME_HEALTH_PREDICTION_TEST",
    "ENABLE_TDR_DETECTION",
};

// The shapes the suite accepts for setting values, as ECMAScript patterns over the whole value. The
// reader itself never applies them: a caller that wants a flag or a number checks the value it got.
struct ConfigValuePattern {
    std::string_view kind;        // what a matching value is
    std::string_view expression;  // ECMAScript pattern, anchored at both ends
};

inline constexpr ConfigValuePattern kFlagValuePattern{"flag", "^[01]$"};
inline constexpr ConfigValuePattern kWholeNumberValuePattern{"whole number", R"(^[\d]+$)"};
// A decimal point is required; a plain whole number does not match.
inline constexpr ConfigValuePattern kDecimalNumberValuePattern{
    "decimal number", R"(^[\-\+]?((\d+\.\d*)|(\d*\.\d+))$)"};

inline constexpr ConfigValuePattern kConfigValuePatterns[] = {
    kFlagValuePattern,
    kWholeNumberValuePattern,
    kDecimalNumberValuePattern,
};

} // namespace corvo::utils::config
