// Tests of the real timer: elapsed time across a tick wrap, tick unit, and sleeps that signals cannot shorten.
#include "MonotonicTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include <pthread.h>

namespace {

using corvo::platform::MonotonicTimer;

struct ElapsedRow {
    const char* name;
    uint32_t earlier;
    uint32_t later;
    double seconds;
};

void PrintTo(const ElapsedRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class TimerElapsed : public testing::TestWithParam<ElapsedRow> {};

TEST_P(TimerElapsed, UnsignedDifferenceInMicroseconds)
{
    MonotonicTimer timer;
    EXPECT_DOUBLE_EQ(timer.ElapsedSeconds(GetParam().earlier, GetParam().later), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TimerElapsed,
    testing::Values(ElapsedRow{"Same", 5000, 5000, 0.0},
                    ElapsedRow{"OneMicrosecond", 0, 1, 0.000001},
                    ElapsedRow{"OneSecond", 1'000'000, 2'000'000, 1.0},
                    ElapsedRow{"AcrossWrap", 0xFFFFFF00u, 0x00000100u, 0.000512},
                    ElapsedRow{"AcrossWrapOneSecond", 0xFFFFFFFFu - 499'999u, 500'000u, 1.0},
                    ElapsedRow{"WrapToZero", 0xFFFFFFFFu, 0u, 0.000001},
                    ElapsedRow{"LongestMeasurable", 0u, 0xFFFFFFFFu, 4294.967295},
                    // A later tick one below the earlier one is a whole wrap period, not -1 us.
                    ElapsedRow{"OneBelowIsAlmostAWrap", 100u, 99u, 4294.967295}));

TEST(MonotonicTimer, TicksAreMicroseconds)
{
    MonotonicTimer timer;
    const uint32_t before = timer.GetTick();
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const uint32_t after = timer.GetTick();
    const double measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double elapsed = timer.ElapsedSeconds(before, after);
    EXPECT_GE(elapsed, 0.030);
    // Both clocks are the monotonic clock; a tick unit of milliseconds or nanoseconds would be off
    // by a factor of a thousand.
    EXPECT_NEAR(elapsed, measured, 0.010);
}

TEST(MonotonicTimer, SleepsAtLeastTheTimeAsked)
{
    MonotonicTimer timer;
    for (const uint32_t milliseconds : {0u, 1u, 25u, 1001u}) {
        const auto start = std::chrono::steady_clock::now();
        timer.Sleep(milliseconds);
        const auto slept = std::chrono::steady_clock::now() - start;
        EXPECT_GE(slept, std::chrono::milliseconds(milliseconds)) << milliseconds << " ms";
    }
}

std::atomic<int> signalsSeen{0};

void CountSignal(int)
{
    signalsSeen.fetch_add(1);
}

// A host's signals arrive on whichever thread they like; a sleep cut short by one would make the
// PS/2 test's settling pauses too short.
TEST(MonotonicTimer, SignalsDoNotShortenASleep)
{
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = CountSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: nanosleep really returns EINTR
    ASSERT_EQ(::sigaction(SIGUSR1, &action, &previous), 0);
    signalsSeen = 0;

    std::atomic<bool> sleeping{false};
    std::atomic<bool> done{false};
    std::chrono::steady_clock::duration slept{};
    std::thread sleeper([&] {
        MonotonicTimer timer;
        sleeping = true;
        const auto start = std::chrono::steady_clock::now();
        timer.Sleep(200);
        slept = std::chrono::steady_clock::now() - start;
        done = true;
    });
    while (!sleeping) {
        std::this_thread::yield();
    }
    while (!done) {
        ::pthread_kill(sleeper.native_handle(), SIGUSR1);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    sleeper.join();
    ::sigaction(SIGUSR1, &previous, nullptr);

    EXPECT_GT(signalsSeen.load(), 2) << "the sleep was not interrupted, so the test proves nothing";
    EXPECT_GE(slept, std::chrono::milliseconds(200));
}

TEST(MonotonicTimer, ExportedTimerIsOneObject)
{
    hwkit::Timer* timer = hwkit::get_timer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer, hwkit::get_timer());
    const uint32_t first = timer->GetTick();
    timer->Sleep(2);
    EXPECT_GE(timer->ElapsedSeconds(first, timer->GetTick()), 0.002);
}

} // namespace
