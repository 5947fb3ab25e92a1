// The number handler's texts at their boundaries, and the real timer's ticks and sleeps.
#include "MonotonicTimer.h"
#include "NumberFormatter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cmath>
#include <csignal>
#include <limits>
#include <thread>

#include <pthread.h>

namespace {

using corvo::platform::MonotonicTimer;
using corvo::platform::NumberFormatter;
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
const NumberFormatter f;

// A row names the call it checks, so a failure says which.
#define TEXT(call, text) Row{#call, f.call, text}
using Row = std::tuple<const char*, std::string, const char*>;

TEST(NumberFormatter, TextsAtTheirBoundaries)
{
    constexpr uint64_t kMiB = 1024 * 1024;
    const Row rows[] = {
        TEXT(IndexToText(0), "0"), TEXT(IndexToText(-1), "-1"), TEXT(IndexToText(INT32_MAX), "2147483647"),
        TEXT(IndexToText(INT32_MIN), "-2147483648"), TEXT(FormatUnsigned(0), "0"),
        TEXT(FormatUnsigned(UINT64_MAX), "18446744073709551615"), TEXT(FormatSigned(-1), "-1"),
        TEXT(FormatSigned(INT64_MAX), "9223372036854775807"), TEXT(FormatSigned(INT64_MIN), "-9223372036854775808"),
        TEXT(FormatHex(0, 0), "0x0"), TEXT(FormatHex(0, 4), "0x0000"), TEXT(FormatHex(0xAB, 1), "0xAB"),
        TEXT(FormatHex(0xAB, 4), "0x00AB"), TEXT(FormatHex(0x1D, -5), "0x1D"),
        TEXT(FormatHex(0xFEED, 16), "0x000000000000FEED"), TEXT(FormatHex(0xFEED, 1000), "0x000000000000FEED"),
        TEXT(FormatHex(UINT64_MAX, 2), "0xFFFFFFFFFFFFFFFF"),
        TEXT(FormatDecimal(2.5, 1), "2.5"), TEXT(FormatDecimal(2.5, 0), "2"), TEXT(FormatDecimal(3.5, 0), "4"),
        TEXT(FormatDecimal(1.005, 2), "1.00"), TEXT(FormatDecimal(0.125, 2), "0.12"), TEXT(FormatDecimal(2.0, 3), "2.000"),
        TEXT(FormatDecimal(-1.25, 1), "-1.2"), TEXT(FormatDecimal(-0.001, 2), "0.00"), TEXT(FormatDecimal(-0.0, 0), "0"),
        TEXT(FormatDecimal(-0.006, 2), "-0.01"), TEXT(FormatDecimal(1.5, -3), "2"),
        TEXT(FormatDecimal(0.1, 40), "0.10000000000000001"), TEXT(FormatDecimal(1e21, 0), "1000000000000000000000"),
        TEXT(FormatDecimal(kNan, 2), "nan"), TEXT(FormatDecimal(kInfinity, 2), "inf"),
        TEXT(FormatDecimal(-kInfinity, 2), "-inf"),
        TEXT(FormatPercent(0.0), "0%"), TEXT(FormatPercent(0.42), "42%"), TEXT(FormatPercent(1.0), "100%"),
        TEXT(FormatPercent(0.004), "0%"), TEXT(FormatPercent(0.005), "1%"), TEXT(FormatPercent(0.994), "99%"),
        TEXT(FormatPercent(0.995), "100%"), TEXT(FormatPercent(1.7), "100%"), TEXT(FormatPercent(-0.2), "0%"),
        TEXT(FormatPercent(kNan), "0%"), TEXT(FormatPercent(kInfinity), "100%"),
        TEXT(FormatByteSize(0), "0 B"), TEXT(FormatByteSize(1023), "1023 B"), TEXT(FormatByteSize(1024), "1.0 KiB"),
        TEXT(FormatByteSize(1536), "1.5 KiB"), TEXT(FormatByteSize(1075), "1.0 KiB"), TEXT(FormatByteSize(1076), "1.1 KiB"),
        TEXT(FormatByteSize(kMiB - 52), "1023.9 KiB"), TEXT(FormatByteSize(kMiB - 51), "1.0 MiB"),
        TEXT(FormatByteSize(kMiB + kMiB / 2), "1.5 MiB"), TEXT(FormatByteSize(kMiB * kMiB * kMiB), "1.0 EiB"),
        TEXT(FormatByteSize(UINT64_MAX), "16.0 EiB"),
        TEXT(FormatDuration(0.0), "0 ms"), TEXT(FormatDuration(0.12), "120 ms"), TEXT(FormatDuration(0.0004), "0 ms"),
        TEXT(FormatDuration(0.9994), "999 ms"), TEXT(FormatDuration(0.9996), "1.0 s"), TEXT(FormatDuration(2.5), "2.5 s"),
        TEXT(FormatDuration(59.94), "59.9 s"), TEXT(FormatDuration(59.96), "1 min 00 s"),
        TEXT(FormatDuration(61.0), "1 min 01 s"), TEXT(FormatDuration(3599.4), "59 min 59 s"),
        TEXT(FormatDuration(3599.5), "1 h 00 min 00 s"), TEXT(FormatDuration(3723.0), "1 h 02 min 03 s"),
        TEXT(FormatDuration(360000.0), "100 h 00 min 00 s"), TEXT(FormatDuration(-5.0), "0 ms"),
        TEXT(FormatDuration(kNan), "0 ms"), TEXT(FormatDuration(kInfinity), "277777777 h 46 min 40 s"),
    };
    for (const auto& [call, actual, expected] : rows)
        EXPECT_EQ(actual, expected) << call;
    const std::string largest = f.FormatDecimal(-std::numeric_limits<double>::max(), 17);
    EXPECT_EQ(largest.size(), 1u + 309u + 1u + 17u);
    EXPECT_EQ(largest.substr(0, 4), "-179");
    // The module calls IndexToText through the table of virtual operations.
    EXPECT_EQ(hwkit::get_number_handler(), hwkit::get_number_handler());
    EXPECT_EQ(hwkit::get_number_handler()->IndexToText(42), "42");
}

TEST(NumberFormatter, ParsesAllDigitTextsOnly)
{
    const std::pair<const char*, uint64_t> accepted[] = {
        {"0", 0}, {"42", 42}, {"007", 7}, {"18446744073709551615", std::numeric_limits<uint64_t>::max()}};
    for (const auto& [text, expected] : accepted) {
        uint64_t value = 777;
        EXPECT_TRUE(f.ParseUnsigned(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    for (const char* text : {"18446744073709551616", "99999999999999999999", "", "-1", "+1", " 1", "1 ", "12abc",
                             "0x10", "1.0", "\xd9\xa3"}) {
        uint64_t value = 777;
        EXPECT_FALSE(f.ParseUnsigned(text, value)) << text;
        EXPECT_EQ(value, 777u) << "a refused text leaves the value alone";
    }
}

TEST(MonotonicTimer, ElapsedIsTheUnsignedTickDifferenceInMicroseconds)
{
    // The last row: a later tick one below the earlier one is a whole wrap period, not -1 us.
    const std::tuple<uint32_t, uint32_t, double> rows[] = {{5000, 5000, 0.0}, {0, 1, 0.000001},
        {1'000'000, 2'000'000, 1.0}, {0xFFFFFF00u, 0x100u, 0.000512}, {0xFFFFFFFFu - 499'999u, 500'000u, 1.0},
        {0xFFFFFFFFu, 0u, 0.000001}, {0u, 0xFFFFFFFFu, 4294.967295}, {100u, 99u, 4294.967295}};
    for (const auto& [earlier, later, seconds] : rows)
        EXPECT_DOUBLE_EQ(MonotonicTimer().ElapsedSeconds(earlier, later), seconds) << earlier << " to " << later;
}

TEST(MonotonicTimer, TicksAreMicrosecondsAndSleepsLastAtLeastTheirTime)
{
    hwkit::Timer* timer = hwkit::get_timer();
    EXPECT_EQ(timer, hwkit::get_timer());
    const uint32_t before = timer->GetTick();
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const double elapsed = timer->ElapsedSeconds(before, timer->GetTick());
    const double measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(elapsed, 0.030);
    // Both are the monotonic clock; milliseconds or nanoseconds would be off by a factor of 1000.
    EXPECT_NEAR(elapsed, measured, 0.010);
    for (const uint32_t milliseconds : {0u, 1u, 25u, 1001u}) {
        const auto sleepStart = std::chrono::steady_clock::now();
        timer->Sleep(milliseconds);
        EXPECT_GE(std::chrono::steady_clock::now() - sleepStart, std::chrono::milliseconds(milliseconds)) << milliseconds;
    }
}

std::atomic<int> signalsSeen{0};

// A host's signals arrive on whichever thread they like; a sleep cut short by one would make the
// PS/2 test's settling pauses too short.
TEST(MonotonicTimer, SignalsDoNotShortenASleep)
{
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = [](int) { signalsSeen.fetch_add(1); };
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: nanosleep really returns EINTR
    ASSERT_EQ(::sigaction(SIGUSR1, &action, &previous), 0);
    std::atomic<bool> done{false};
    const auto start = std::chrono::steady_clock::now();
    std::thread sleeper([&] {
        MonotonicTimer().Sleep(200);
        done = true;
    });
    for (; !done; std::this_thread::sleep_for(std::chrono::milliseconds(10)))
        ::pthread_kill(sleeper.native_handle(), SIGUSR1);
    sleeper.join();
    const auto slept = std::chrono::steady_clock::now() - start;
    ::sigaction(SIGUSR1, &previous, nullptr);
    EXPECT_GT(signalsSeen.load(), 2) << "the sleep was not interrupted, so the test proves nothing";
    EXPECT_GE(slept, std::chrono::milliseconds(200));
}

} // namespace
