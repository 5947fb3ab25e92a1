// The library's number handler: locale-independent texts for numbers shown to the user.
#pragma once

#include "platform/hwkit.h"

namespace corvo::platform {

// Texts never depend on the process locale: results are compared and stored by the module, and a
// host that switches LC_NUMERIC must not turn "2.5 s" into "2,5 s" behind its back.
class NumberFormatter final : public ::hwkit::NumberHandler {
public:
    // Beyond this many decimals a double has nothing more to say.
    static constexpr int kMaximumDecimals = 17;
    // A 64-bit value has at most 16 hexadecimal digits; padding stops there.
    static constexpr int kMaximumHexDigits = 16;
    // Longer durations are shown as this many seconds (about 31,700 years), which keeps the
    // arithmetic below in range for any input, infinity included.
    static constexpr double kLongestDurationSeconds = 1e12;

    std::string FormatUnsigned(uint64_t value) const override;
    std::string FormatSigned(int64_t value) const override;
    std::string FormatHex(uint64_t value, int minimumDigits) const override;
    // decimals is clamped to 0..kMaximumDecimals; a result that rounds to zero carries no sign;
    // not-a-number and infinities give "nan", "inf" and "-inf".
    std::string FormatDecimal(double value, int decimals) const override;
    // Clamped to 0..1 first (progress fractions overshoot by rounding); not-a-number gives "0%".
    std::string FormatPercent(double fraction) const override;
    // Below 1 KiB in bytes ("1023 B"), above with one decimal in the largest unit that keeps the
    // figure under 1024 after rounding ("1.0 MiB", never "1024.0 KiB").
    std::string FormatByteSize(uint64_t bytes) const override;
    // Under a second in whole milliseconds, under a minute in tenths of seconds, then whole
    // seconds with minutes and hours; rounding that reaches the next unit moves up to it.
    // Negative and not-a-number durations count as zero.
    std::string FormatDuration(double seconds) const override;
    // On failure value is left as it was.
    bool ParseUnsigned(const std::string& text, uint64_t& value) const override;
    std::string IndexToText(int32_t index) const override;
};

} // namespace corvo::platform
