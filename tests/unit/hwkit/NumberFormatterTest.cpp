// Tests of the number handler's texts at their boundaries, and their independence from the locale.
#include "NumberFormatter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <ostream>

namespace {

using corvo::platform::NumberFormatter;

const NumberFormatter kFormatter;

template <typename Value>
struct Row {
    Value value;
    std::string expected;
};

// CTest names each parameter row after what PrintTo prints for it, so rows print their input.
template <typename Value>
void PrintTo(const Row<Value>& row, std::ostream* stream)
{
    *stream << row.value;
}

class IndexToText : public testing::TestWithParam<Row<int32_t>> {};
TEST_P(IndexToText, Decimal)
{
    EXPECT_EQ(kFormatter.IndexToText(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Rows, IndexToText,
                         testing::Values(Row<int32_t>{0, "0"}, Row<int32_t>{1, "1"}, Row<int32_t>{10, "10"},
                                         Row<int32_t>{-1, "-1"},
                                         Row<int32_t>{std::numeric_limits<int32_t>::max(), "2147483647"},
                                         Row<int32_t>{std::numeric_limits<int32_t>::min(), "-2147483648"}));

// The module calls IndexToText through the table of virtual operations; a call through the base
// class must land in the formatter.
TEST(NumberHandlerInterface, IndexToTextThroughTheBase)
{
    const hwkit::NumberHandler& handler = kFormatter;
    EXPECT_EQ(handler.IndexToText(3), "3");
    ASSERT_NE(hwkit::get_number_handler(), nullptr);
    EXPECT_EQ(hwkit::get_number_handler(), hwkit::get_number_handler());
    EXPECT_EQ(hwkit::get_number_handler()->IndexToText(42), "42");
}

TEST(NumberFormatter, IntegersAtTheirLimits)
{
    EXPECT_EQ(kFormatter.FormatUnsigned(0), "0");
    EXPECT_EQ(kFormatter.FormatUnsigned(std::numeric_limits<uint64_t>::max()), "18446744073709551615");
    EXPECT_EQ(kFormatter.FormatSigned(0), "0");
    EXPECT_EQ(kFormatter.FormatSigned(-1), "-1");
    EXPECT_EQ(kFormatter.FormatSigned(std::numeric_limits<int64_t>::max()), "9223372036854775807");
    EXPECT_EQ(kFormatter.FormatSigned(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

struct HexRow {
    uint64_t value;
    int minimumDigits;
    std::string expected;
};
void PrintTo(const HexRow& row, std::ostream* stream)
{
    *stream << std::hex << std::showbase << row.value << std::dec << "_" << row.minimumDigits;
}

class FormatHex : public testing::TestWithParam<HexRow> {};
TEST_P(FormatHex, UpperCaseWithPrefix)
{
    EXPECT_EQ(kFormatter.FormatHex(GetParam().value, GetParam().minimumDigits), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, FormatHex,
    testing::Values(HexRow{0, 0, "0x0"}, HexRow{0, 1, "0x0"}, HexRow{0, 4, "0x0000"}, HexRow{0xAB, 2, "0xAB"},
                    HexRow{0xAB, 1, "0xAB"}, HexRow{0xAB, 4, "0x00AB"}, HexRow{0x1D, -5, "0x1D"},
                    HexRow{0xFEED, 16, "0x000000000000FEED"}, HexRow{0xFEED, 1000, "0x000000000000FEED"},
                    HexRow{std::numeric_limits<uint64_t>::max(), 2, "0xFFFFFFFFFFFFFFFF"}));

struct DecimalRow {
    double value;
    int decimals;
    std::string expected;
};
void PrintTo(const DecimalRow& row, std::ostream* stream)
{
    *stream << row.value << "_" << row.decimals;
}

class FormatDecimal : public testing::TestWithParam<DecimalRow> {};
TEST_P(FormatDecimal, FixedPoint)
{
    EXPECT_EQ(kFormatter.FormatDecimal(GetParam().value, GetParam().decimals), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, FormatDecimal,
    testing::Values(DecimalRow{2.5, 1, "2.5"}, DecimalRow{2.5, 0, "2"}, DecimalRow{3.5, 0, "4"},
                    DecimalRow{1.005, 2, "1.00"}, DecimalRow{0.125, 2, "0.12"}, DecimalRow{2.0, 3, "2.000"},
                    DecimalRow{-1.25, 1, "-1.2"}, DecimalRow{-0.001, 2, "0.00"}, DecimalRow{-0.0, 0, "0"},
                    DecimalRow{-0.006, 2, "-0.01"}, DecimalRow{1.5, -3, "2"},
                    DecimalRow{0.1, 40, "0.10000000000000001"},
                    DecimalRow{1e21, 0, "1000000000000000000000"},
                    DecimalRow{std::nan(""), 2, "nan"},
                    DecimalRow{std::numeric_limits<double>::infinity(), 2, "inf"},
                    DecimalRow{-std::numeric_limits<double>::infinity(), 2, "-inf"}));

TEST(NumberFormatter, LargestDoubleFits)
{
    const std::string text = kFormatter.FormatDecimal(-std::numeric_limits<double>::max(), 17);
    EXPECT_EQ(text.size(), 1u + 309u + 1u + 17u);
    EXPECT_EQ(text.substr(0, 4), "-179");
}

class FormatPercent : public testing::TestWithParam<Row<double>> {};
TEST_P(FormatPercent, WholePercent)
{
    EXPECT_EQ(kFormatter.FormatPercent(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Rows, FormatPercent,
                         testing::Values(Row<double>{0.0, "0%"}, Row<double>{0.42, "42%"}, Row<double>{1.0, "100%"},
                                         Row<double>{0.004, "0%"}, Row<double>{0.005, "1%"},
                                         Row<double>{0.995, "100%"}, Row<double>{0.994, "99%"},
                                         Row<double>{1.7, "100%"}, Row<double>{-0.2, "0%"},
                                         Row<double>{std::nan(""), "0%"},
                                         Row<double>{std::numeric_limits<double>::infinity(), "100%"}));

class FormatByteSize : public testing::TestWithParam<Row<uint64_t>> {};
TEST_P(FormatByteSize, BinaryUnits)
{
    EXPECT_EQ(kFormatter.FormatByteSize(GetParam().value), GetParam().expected);
}
constexpr uint64_t kKiB = 1024;
constexpr uint64_t kMiB = kKiB * 1024;
constexpr uint64_t kEiB = kMiB * kMiB * kMiB;
INSTANTIATE_TEST_SUITE_P(
    Rows, FormatByteSize,
    testing::Values(Row<uint64_t>{0, "0 B"}, Row<uint64_t>{1, "1 B"}, Row<uint64_t>{1023, "1023 B"},
                    Row<uint64_t>{1024, "1.0 KiB"}, Row<uint64_t>{1536, "1.5 KiB"},
                    Row<uint64_t>{1075, "1.0 KiB"},  // 1.0498 KiB rounds down
                    Row<uint64_t>{1076, "1.1 KiB"},  // 1.0508 KiB rounds up
                    Row<uint64_t>{kMiB - 52, "1023.9 KiB"}, Row<uint64_t>{kMiB - 51, "1.0 MiB"},
                    Row<uint64_t>{kMiB - 1, "1.0 MiB"}, Row<uint64_t>{kMiB + kMiB / 2, "1.5 MiB"},
                    Row<uint64_t>{kEiB, "1.0 EiB"},
                    Row<uint64_t>{std::numeric_limits<uint64_t>::max(), "16.0 EiB"}));

class FormatDuration : public testing::TestWithParam<Row<double>> {};
TEST_P(FormatDuration, UnitsByMagnitude)
{
    EXPECT_EQ(kFormatter.FormatDuration(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, FormatDuration,
    testing::Values(Row<double>{0.0, "0 ms"}, Row<double>{0.12, "120 ms"}, Row<double>{0.0004, "0 ms"},
                    Row<double>{0.9994, "999 ms"}, Row<double>{0.9996, "1.0 s"}, Row<double>{1.0, "1.0 s"},
                    Row<double>{2.5, "2.5 s"}, Row<double>{59.94, "59.9 s"}, Row<double>{59.96, "1 min 00 s"},
                    Row<double>{61.0, "1 min 01 s"}, Row<double>{3599.4, "59 min 59 s"},
                    Row<double>{3599.5, "1 h 00 min 00 s"}, Row<double>{3723.0, "1 h 02 min 03 s"},
                    Row<double>{360000.0, "100 h 00 min 00 s"}, Row<double>{-5.0, "0 ms"},
                    Row<double>{std::nan(""), "0 ms"},
                    Row<double>{std::numeric_limits<double>::infinity(), "277777777 h 46 min 40 s"},
                    Row<double>{1e300, "277777777 h 46 min 40 s"}));

struct ParseRow {
    const char* name;
    std::string text;
    bool accepted;
    uint64_t value;
};
void PrintTo(const ParseRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class ParseUnsigned : public testing::TestWithParam<ParseRow> {};
TEST_P(ParseUnsigned, DigitsOnly)
{
    uint64_t value = 777;
    EXPECT_EQ(kFormatter.ParseUnsigned(GetParam().text, value), GetParam().accepted);
    EXPECT_EQ(value, GetParam().accepted ? GetParam().value : 777u) << "a refused text leaves the value alone";
}
INSTANTIATE_TEST_SUITE_P(
    Rows, ParseUnsigned,
    testing::Values(ParseRow{"Zero", "0", true, 0}, ParseRow{"Plain", "42", true, 42},
                    ParseRow{"LeadingZeros", "007", true, 7},
                    ParseRow{"Largest", "18446744073709551615", true, std::numeric_limits<uint64_t>::max()},
                    ParseRow{"OnePastLargest", "18446744073709551616", false, 0},
                    ParseRow{"FarTooLarge", "99999999999999999999", false, 0},
                    ParseRow{"Empty", "", false, 0}, ParseRow{"Minus", "-1", false, 0},
                    ParseRow{"Plus", "+1", false, 0}, ParseRow{"LeadingBlank", " 1", false, 0},
                    ParseRow{"TrailingBlank", "1 ", false, 0}, ParseRow{"TrailingLetters", "12abc", false, 0},
                    ParseRow{"Hexadecimal", "0x10", false, 0}, ParseRow{"Fraction", "1.0", false, 0},
                    ParseRow{"ArabicIndicDigit", "\xd9\xa3", false, 0}));

// A comma as decimal separator in the process locale must not reach the texts.
class CommaPunctuation : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(NumberFormatter, IgnoresTheGlobalCppLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunctuation));
    const std::string decimal = kFormatter.FormatDecimal(2.5, 1);
    const std::string duration = kFormatter.FormatDuration(2.5);
    const std::string bytes = kFormatter.FormatByteSize(1536);
    const std::string big = kFormatter.FormatUnsigned(1234567);
    std::locale::global(previous);

    EXPECT_EQ(decimal, "2.5");
    EXPECT_EQ(duration, "2.5 s");
    EXPECT_EQ(bytes, "1.5 KiB");
    EXPECT_EQ(big, "1234567");
}

TEST(NumberFormatter, IgnoresTheCLocale)
{
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string decimal = kFormatter.FormatDecimal(2.5, 1);
    const std::string duration = kFormatter.FormatDuration(2.5);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(decimal, "2.5") << chosen;
    EXPECT_EQ(duration, "2.5 s") << chosen;
}

} // namespace
