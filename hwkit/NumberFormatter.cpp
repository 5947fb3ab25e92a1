// The library's number handler: locale-independent texts for numbers shown to the user.
#include "NumberFormatter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string_view>

namespace corvo::platform {

namespace {

template <typename Integer>
std::string IntegerText(Integer value, int base = 10)
{
    std::array<char, 72> buffer{};
    const std::to_chars_result result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, base);
    return std::string(buffer.data(), result.ptr);
}

// Two digits with a leading zero, for the minutes and seconds after a larger unit.
std::string TwoDigits(long long value)
{
    std::string text = IntegerText(value);
    return text.size() < 2 ? "0" + text : text;
}

constexpr std::array<std::string_view, 6> kBinaryUnits = {"KiB", "MiB", "GiB", "TiB", "PiB", "EiB"};

} // namespace

std::string NumberFormatter::FormatUnsigned(uint64_t value) const
{
    return IntegerText(value);
}

std::string NumberFormatter::FormatSigned(int64_t value) const
{
    return IntegerText(value);
}

std::string NumberFormatter::FormatHex(uint64_t value, int minimumDigits) const
{
    std::string digits = IntegerText(value, 16);
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](unsigned char character) { return static_cast<char>(std::toupper(character)); });
    const std::size_t width = static_cast<std::size_t>(std::clamp(minimumDigits, 1, kMaximumHexDigits));
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return "0x" + digits;
}

std::string NumberFormatter::FormatDecimal(double value, int decimals) const
{
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    // The largest double has 309 integer digits; sign, point and decimals fit in the rest.
    std::array<char, 400> buffer{};
    const std::to_chars_result result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                      std::clamp(decimals, 0, kMaximumDecimals));
    std::string text(buffer.data(), result.ptr);
    // "-0.00" tells the reader something that is not there.
    if (!text.empty() && text.front() == '-' &&
        text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string NumberFormatter::FormatPercent(double fraction) const
{
    if (std::isnan(fraction)) {
        fraction = 0.0;
    }
    fraction = std::clamp(fraction, 0.0, 1.0);
    return IntegerText(std::llround(fraction * 100.0)) + "%";
}

std::string NumberFormatter::FormatByteSize(uint64_t bytes) const
{
    if (bytes < 1024) {
        return IntegerText(bytes) + " B";
    }
    // Tenths of a unit in integers: floating point would round 1023.95 KiB differently from the
    // decision to move up a unit.
    for (std::size_t unit = 0; unit < kBinaryUnits.size(); ++unit) {
        const uint64_t divisor = uint64_t{1} << (10 * (unit + 1));
        const uint64_t whole = bytes / divisor;
        const uint64_t scaledRemainder = (bytes % divisor) * 10; // < 10 * 2^60, no overflow
        uint64_t tenths = whole * 10 + scaledRemainder / divisor;
        if ((scaledRemainder % divisor) * 2 >= divisor) {
            ++tenths;
        }
        if (tenths < 10240 || unit + 1 == kBinaryUnits.size()) {
            return IntegerText(tenths / 10) + "." + IntegerText(tenths % 10) + " " + std::string(kBinaryUnits[unit]);
        }
    }
    return {}; // not reached: the last unit always answers
}

std::string NumberFormatter::FormatDuration(double seconds) const
{
    if (!(seconds > 0.0)) {
        seconds = 0.0;
    }
    seconds = std::min(seconds, kLongestDurationSeconds);

    const long long milliseconds = std::llround(seconds * 1000.0);
    if (milliseconds < 1000) {
        return IntegerText(milliseconds) + " ms";
    }
    const long long tenths = std::llround(seconds * 10.0);
    if (tenths < 600) {
        return IntegerText(tenths / 10) + "." + IntegerText(tenths % 10) + " s";
    }
    const long long whole = std::llround(seconds);
    if (whole < 3600) {
        return IntegerText(whole / 60) + " min " + TwoDigits(whole % 60) + " s";
    }
    return IntegerText(whole / 3600) + " h " + TwoDigits(whole % 3600 / 60) + " min " + TwoDigits(whole % 60) + " s";
}

bool NumberFormatter::ParseUnsigned(const std::string& text, uint64_t& value) const
{
    // from_chars alone would accept a leading part ("12abc") and, in some library versions, a
    // sign; only an all-digit text is a number here.
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](unsigned char character) {
            return character >= '0' && character <= '9';
        })) {
        return false;
    }
    uint64_t parsed = 0;
    const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return false;
    }
    value = parsed;
    return true;
}

std::string NumberFormatter::IndexToText(int32_t index) const
{
    return IntegerText(index);
}

} // namespace corvo::platform
