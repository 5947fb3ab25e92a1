// The platform library's test double, where other tests rely on it: flags by byte offset, Reset, the virtual clock.
#include "FakeHwkit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

class FakeHwkit : public testing::Test {
protected:
    void SetUp() override { fakehwkit::Reset(); }
    void TearDown() override { fakehwkit::Reset(); }
};

// Every test starts from Reset; a flag must show at its byte of the record get_bios handed out earlier,
// as the module reads the record by byte offset.
TEST_F(FakeHwkit, FlagsLandInTheRecordInPlaceAndResetUndoesEverything)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(hwkit::get_bios());
    fakehwkit::SetFlag(10, 1);
    EXPECT_EQ(std::vector<int>(bytes + 8, bytes + 16), (std::vector<int>{0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_THROW(fakehwkit::SetFlag(16, 1), std::out_of_range);
    fakehwkit::SetTemporaryPath("/tmp/somewhere");
    fakehwkit::SetTickAdvance(7);
    hwkit::get_timer()->Sleep(50);
    hwkit::get_timer()->GetTick();
    fakehwkit::Reset();
    EXPECT_EQ(bytes[10], 0);
    EXPECT_EQ(bytes[0], hwkit::kBiosInformationVersion) << "record version";
    EXPECT_STREQ(hwkit::get_bios()->vendor, fakehwkit::kVendor);
    EXPECT_EQ(hwkit::get_temporary_path(), "");
    EXPECT_EQ(fakehwkit::VirtualTimeMicroseconds(), 0u);
    EXPECT_EQ(fakehwkit::SleepCount() + fakehwkit::TotalSleptMilliseconds() + fakehwkit::GetTickCount(), 0u);
    const uint32_t first = hwkit::get_timer()->GetTick();
    EXPECT_EQ(hwkit::get_timer()->GetTick() - first, fakehwkit::kDefaultTickAdvanceMicroseconds);
}

// The PS/2 test's quiet phases: a hundred sleeps of 100 ms are ten virtual seconds and no real time.
TEST_F(FakeHwkit, SleepsMoveTheVirtualClockAtOnce)
{
    fakehwkit::SetTickAdvance(0);
    hwkit::Timer* timer = hwkit::get_timer();
    const uint32_t start = timer->GetTick();
    const auto realStart = std::chrono::steady_clock::now();
    for (int attempt = 0; attempt < 100; ++attempt)
        timer->Sleep(100);
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::milliseconds(500));
    EXPECT_DOUBLE_EQ(timer->ElapsedSeconds(start, timer->GetTick()), 10.0);
    EXPECT_EQ(fakehwkit::VirtualTimeMicroseconds(), 10'000'000u);
    EXPECT_EQ(fakehwkit::SleepCount(), 100u);
    EXPECT_EQ(fakehwkit::TotalSleptMilliseconds(), 10'000u);
    fakehwkit::SetTickAdvance(250);
    const uint32_t first = timer->GetTick();
    EXPECT_EQ(timer->GetTick() - first, 250u);
    fakehwkit::AdvanceTime(1'000'000);
    EXPECT_DOUBLE_EQ(timer->ElapsedSeconds(first, timer->GetTick()), 1.0005);
}

// A detector polls the clock without sleeping until its timeout passes; the default step ends it.
TEST_F(FakeHwkit, BusyPollEndsByItself)
{
    hwkit::Timer* timer = hwkit::get_timer();
    const uint32_t start = timer->GetTick();
    int passes = 0;
    while (timer->ElapsedSeconds(start, timer->GetTick()) < 0.1)
        ASSERT_LT(++passes, 1'000'000) << "the virtual clock did not move";
    EXPECT_EQ(passes, 99);
    EXPECT_EQ(fakehwkit::SleepCount(), 0u);
}

} // namespace
