// What the advanced dialog's benchmarks share: a private Xvfb with a QApplication on it, waiting
// inside the event loop, timing and the summary figures.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "EventLoopWait.h"

namespace corvo::advanced_bench {

using Clock = std::chrono::steady_clock;

// The length of the dialog's marking tick, the unit a person's key press is judged in.
inline constexpr double kTickMilliseconds = 32.0;

inline constexpr int kSkip = 77;

double MillisecondsBetween(Clock::time_point start, Clock::time_point end);

// Runs body with a QApplication on a private Xvfb and returns its exit code; kSkip without Xvfb.
// body gets the display name (":N").
int RunOnPrivateXvfb(int argc, char** argv, const std::function<int(const std::string& display)>& body);

using corvo::gui_testing::Wait;
using corvo::gui_testing::WaitFor;

struct Summary {
    std::size_t count = 0;
    double median = 0.0;
    double p90 = 0.0;
    double p99 = 0.0;
    double min = 0.0;
    double max = 0.0;
};

// Nearest-rank percentiles; an empty sample gives zeros.
Summary Summarise(std::vector<double> samples);

// Reads "--name N" style counts; false after printing the usage when an argument is wrong.
bool ParseCountOption(int argc, char** argv, const char* program, const char* name, int& count);

} // namespace corvo::advanced_bench
