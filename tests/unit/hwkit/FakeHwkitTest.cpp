// Tests of the platform library's test double: settable record and path, and the virtual clock.
#include "FakeHwkit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

class FakeHwkit : public testing::Test {
protected:
    void SetUp() override { fakehwkit::Reset(); }
    void TearDown() override { fakehwkit::Reset(); }
};

const unsigned char* RecordBytes()
{
    return reinterpret_cast<const unsigned char*>(hwkit::get_bios());
}

TEST_F(FakeHwkit, StartsWithNoFirmwareFacts)
{
    const hwkit::BiosInformation* record = hwkit::get_bios();
    EXPECT_EQ(record->recordVersion, 1);
    EXPECT_EQ(record->recordSize, sizeof(hwkit::BiosInformation));
    for (std::size_t offset = 8; offset <= 15; ++offset) {
        EXPECT_EQ(RecordBytes()[offset], 0) << "byte " << offset;
    }
    EXPECT_STREQ(record->vendor, fakehwkit::kVendor);
    EXPECT_EQ(hwkit::get_temporary_path(), "");
}

class FakeHwkitFlag : public FakeHwkit, public testing::WithParamInterface<std::size_t> {};

// The module reads the record by byte offset, so a flag set by offset must show at that byte
// of the very record get_bios handed out earlier, and nowhere else.
TEST_P(FakeHwkitFlag, SetsExactlyThatByte)
{
    const std::size_t offset = GetParam();
    const unsigned char* bytes = RecordBytes();
    std::vector<unsigned char> before(bytes, bytes + sizeof(hwkit::BiosInformation));
    fakehwkit::SetFlag(offset, 0x5A);
    EXPECT_EQ(bytes, RecordBytes());
    EXPECT_EQ(bytes[offset], 0x5A);
    EXPECT_EQ(fakehwkit::Flag(offset), 0x5A);
    before[offset] = 0x5A;
    EXPECT_EQ(std::memcmp(before.data(), bytes, before.size()), 0);
}

INSTANTIATE_TEST_SUITE_P(FlagBytes, FakeHwkitFlag, testing::Range<std::size_t>(8, 16));

TEST_F(FakeHwkit, FlagOffsetsOutsideTheFlagBytesAreRejected)
{
    EXPECT_THROW(fakehwkit::SetFlag(7, 1), std::out_of_range);
    EXPECT_THROW(fakehwkit::SetFlag(16, 1), std::out_of_range);
    EXPECT_THROW(fakehwkit::SetFlag(0, 1), std::out_of_range);
    EXPECT_THROW(fakehwkit::Flag(16), std::out_of_range);
    EXPECT_EQ(hwkit::get_bios()->recordVersion, 1);
}

TEST_F(FakeHwkit, ResetUndoesEverything)
{
    fakehwkit::SetFlag(10, 1);
    fakehwkit::SetTemporaryPath("/tmp/somewhere");
    fakehwkit::SetTickAdvance(7);
    hwkit::get_timer()->Sleep(50);
    hwkit::get_timer()->GetTick();
    fakehwkit::Reset();
    EXPECT_EQ(fakehwkit::Flag(10), 0);
    EXPECT_EQ(hwkit::get_temporary_path(), "");
    EXPECT_EQ(fakehwkit::VirtualTimeMicroseconds(), 0u);
    EXPECT_EQ(fakehwkit::SleepCount(), 0u);
    EXPECT_EQ(fakehwkit::TotalSleptMilliseconds(), 0u);
    EXPECT_EQ(fakehwkit::GetTickCount(), 0u);
    const uint32_t first = hwkit::get_timer()->GetTick();
    EXPECT_EQ(hwkit::get_timer()->GetTick() - first, fakehwkit::kDefaultTickAdvanceMicroseconds);
}

TEST_F(FakeHwkit, WholeRecordCanBeReplaced)
{
    hwkit::BiosInformation record{};
    record.recordVersion = 1;
    record.recordSize = sizeof record;
    record.acpiPs2Keyboard = 1;
    std::strcpy(record.productName, "Tern 14 Laptop");
    fakehwkit::SetRecord(record);
    EXPECT_EQ(RecordBytes()[13], 1);
    EXPECT_STREQ(hwkit::get_bios()->productName, "Tern 14 Laptop");
}

TEST_F(FakeHwkit, TemporaryPathAsSet)
{
    fakehwkit::SetTemporaryPath("/tmp/halvik-diagnostics-1000");
    EXPECT_EQ(hwkit::get_temporary_path(), "/tmp/halvik-diagnostics-1000");
}

// The PS/2 test's quiet phases: a hundred sleeps of 100 ms are ten virtual seconds and no real time.
TEST_F(FakeHwkit, HundredSleepsOfHundredMillisecondsTakeNoRealTime)
{
    fakehwkit::SetTickAdvance(0);
    hwkit::Timer* timer = hwkit::get_timer();
    const uint32_t start = timer->GetTick();
    const auto realStart = std::chrono::steady_clock::now();
    for (int attempt = 0; attempt < 100; ++attempt) {
        timer->Sleep(100);
    }
    const auto realElapsed = std::chrono::steady_clock::now() - realStart;
    EXPECT_DOUBLE_EQ(timer->ElapsedSeconds(start, timer->GetTick()), 10.0);
    EXPECT_EQ(fakehwkit::VirtualTimeMicroseconds(), 10'000'000u);
    EXPECT_EQ(fakehwkit::SleepCount(), 100u);
    EXPECT_EQ(fakehwkit::TotalSleptMilliseconds(), 10'000u);
    EXPECT_LT(realElapsed, std::chrono::milliseconds(500));
}

// A detector polls the clock without sleeping until its timeout passes; the default step ends it.
TEST_F(FakeHwkit, BusyPollEndsByItself)
{
    hwkit::Timer* timer = hwkit::get_timer();
    const uint32_t start = timer->GetTick();
    int passes = 0;
    while (timer->ElapsedSeconds(start, timer->GetTick()) < 0.1) {
        ++passes;
        ASSERT_LT(passes, 1'000'000) << "the virtual clock did not move";
    }
    EXPECT_EQ(passes, 99);
    EXPECT_EQ(fakehwkit::SleepCount(), 0u);
}

TEST_F(FakeHwkit, TickAdvanceIsConfigurable)
{
    hwkit::Timer* timer = hwkit::get_timer();
    fakehwkit::SetTickAdvance(0);
    EXPECT_EQ(timer->GetTick(), timer->GetTick());
    fakehwkit::SetTickAdvance(250);
    const uint32_t first = timer->GetTick();
    EXPECT_EQ(timer->GetTick() - first, 250u);
    fakehwkit::AdvanceTime(1'000'000);
    EXPECT_DOUBLE_EQ(timer->ElapsedSeconds(first, timer->GetTick()), 1.0005);
}

TEST_F(FakeHwkit, ElapsedAcrossTheTickWrap)
{
    fakehwkit::SetTickAdvance(0);
    fakehwkit::SetVirtualTime((uint64_t{1} << 32) - 300);
    hwkit::Timer* timer = hwkit::get_timer();
    const uint32_t before = timer->GetTick();
    timer->Sleep(1);
    const uint32_t after = timer->GetTick();
    EXPECT_GT(before, after) << "the tick must have wrapped for this test to mean anything";
    EXPECT_DOUBLE_EQ(timer->ElapsedSeconds(before, after), 0.001);
    EXPECT_EQ(fakehwkit::VirtualTimeMicroseconds(), (uint64_t{1} << 32) + 700);
}

TEST_F(FakeHwkit, ClockIsSharedSafelyBetweenThreads)
{
    fakehwkit::SetTickAdvance(1);
    constexpr int kThreads = 4;
    constexpr int kSleepsEach = 2000;
    std::vector<std::thread> threads;
    for (int index = 0; index < kThreads; ++index) {
        threads.emplace_back([] {
            hwkit::Timer* timer = hwkit::get_timer();
            for (int sleep = 0; sleep < kSleepsEach; ++sleep) {
                timer->Sleep(1);
                timer->GetTick();
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    constexpr uint64_t kCalls = uint64_t{kThreads} * kSleepsEach;
    EXPECT_EQ(fakehwkit::SleepCount(), kCalls);
    EXPECT_EQ(fakehwkit::TotalSleptMilliseconds(), kCalls);
    EXPECT_EQ(fakehwkit::GetTickCount(), kCalls);
    EXPECT_EQ(fakehwkit::VirtualTimeMicroseconds(), kCalls * 1000 + kCalls);
}

TEST_F(FakeHwkit, NumberHandlerGivesTheIndexText)
{
    hwkit::NumberHandler* handler = hwkit::get_number_handler();
    ASSERT_NE(handler, nullptr);
    EXPECT_EQ(handler->IndexToText(0), "0");
    EXPECT_EQ(handler->IndexToText(12), "12");
    EXPECT_EQ(handler->IndexToText(-3), "-3");
}

} // namespace
