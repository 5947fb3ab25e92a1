// Exit status of a set of results, result names, and the console progress bar.
#include <gtest/gtest.h>

#include "ConsoleReport.h"
#include "TestOutcome.h"
#include "module/TestResult.h"

namespace {

using namespace corvo::hosts;

struct StatusRow {
    std::vector<uint32_t> results;
    int status;
};

class ExitStatusTest : public ::testing::TestWithParam<StatusRow> {};

TEST_P(ExitStatusTest, WorstOutcomeDecides)
{
    EXPECT_EQ(ExitStatusFor(GetParam().results), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ExitStatusTest,
    ::testing::Values(StatusRow{{}, kExitPassed}, StatusRow{{Passed, PassedWithWarnings}, kExitPassed},
                      StatusRow{{Passed, NotRun}, kExitNotRun}, StatusRow{{Aborted, Passed}, kExitNotRun},
                      StatusRow{{NotRun, Failed, Passed}, kExitFailed}, StatusRow{{Failed, InternalError}, kExitError},
                      StatusRow{{InternalError, Failed}, kExitError}, StatusRow{{2u}, kExitError},
                      StatusRow{{77u, Passed}, kExitError}));

TEST(ResultNameTest, EveryCodeHasAWord)
{
    EXPECT_EQ(ResultName(Passed), "passed");
    EXPECT_EQ(ResultName(Failed), "failed");
    EXPECT_EQ(ResultName(NotRun), "not run");
    EXPECT_EQ(ResultName(Aborted), "aborted");
    EXPECT_EQ(ResultName(PassedWithWarnings), "passed with warnings");
    EXPECT_EQ(ResultName(InternalError), "internal error");
    EXPECT_EQ(ResultName(2), "unknown result 2");
}

TEST(ProgressBarTest, FillsInProportionAndClampsAtOneHundred)
{
    EXPECT_EQ(cli::ConsoleReport::Bar(0, 10), "[----------]   0%");
    EXPECT_EQ(cli::ConsoleReport::Bar(35, 10), "[###-------]  35%");
    EXPECT_EQ(cli::ConsoleReport::Bar(100, 10), "[##########] 100%");
    EXPECT_EQ(cli::ConsoleReport::Bar(250, 10), "[##########] 100%");
}

} // namespace
