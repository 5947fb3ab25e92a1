// Test double of the platform library: a settable firmware record and temporary path, and a virtual clock.
#include "FakeHwkit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string_view>

#include "MonotonicTimer.h"
#include "NumberFormatter.h"

namespace {

using corvo::platform::MonotonicTimer;

struct State {
    std::mutex mutex;
    hwkit::BiosInformation record{};
    std::string temporaryPath;
    uint64_t nowMicroseconds = 0;
    uint32_t tickAdvanceMicroseconds = fakehwkit::kDefaultTickAdvanceMicroseconds;
    uint64_t sleepCount = 0;
    uint64_t sleptMilliseconds = 0;
    uint64_t getTickCount = 0;
};

unsigned char& FlagByte(State& state, std::size_t offset)
{
    if (offset < 8 || offset > 15)
        throw std::out_of_range("fakehwkit: flag offsets are 8..15, got " + std::to_string(offset));
    return reinterpret_cast<unsigned char*>(&state.record)[offset];
}

void ResetLocked(State& state)
{
    state.record = hwkit::BiosInformation{};
    state.record.recordVersion = hwkit::kBiosInformationVersion;
    state.record.recordSize = sizeof(hwkit::BiosInformation);
    static_assert(sizeof fakehwkit::kVendor <= sizeof state.record.vendor, "vendor text fits the field");
    std::memcpy(state.record.vendor, fakehwkit::kVendor, sizeof fakehwkit::kVendor);
    state.temporaryPath.clear();
    state.nowMicroseconds = state.sleepCount = state.sleptMilliseconds = state.getTickCount = 0;
    state.tickAdvanceMicroseconds = fakehwkit::kDefaultTickAdvanceMicroseconds;
#ifdef FAKE_HWKIT_READ_ENVIRONMENT
    // "9=1,13=1": malformed items are ignored, as a typo must not take the whole test down with an
    // exception thrown from inside the library under a host.
    const char* flags = std::getenv("HALVIK_FAKE_HWKIT_FLAGS");
    for (std::string_view list = flags != nullptr ? flags : ""; !list.empty();) {
        const std::size_t comma = std::min(list.find(','), list.size());
        const std::string item(list.substr(0, comma));
        list.remove_prefix(std::min(comma + 1, list.size()));
        char* end = nullptr;
        const unsigned long offset = std::strtoul(item.c_str(), &end, 10);
        const unsigned long value = *end == '=' ? std::strtoul(end + 1, nullptr, 0) : 0x100;
        if (end != item.c_str() && offset >= 8 && offset <= 15 && value <= 0xFF)
            FlagByte(state, offset) = static_cast<unsigned char>(value);
    }
    if (const char* path = std::getenv("HALVIK_FAKE_HWKIT_TEMPORARY_PATH"))
        state.temporaryPath = path;
    if (const char* advance = std::getenv("HALVIK_FAKE_HWKIT_TICK_ADVANCE_US"))
        state.tickAdvanceMicroseconds = static_cast<uint32_t>(std::strtoul(advance, nullptr, 10));
#endif
}

// Never destroyed, like the real library's objects: code on a worker thread may still call in
// while the process exits.
State& TheState()
{
    static State* const state = [] {
        auto* created = new State();
        ResetLocked(*created);
        return created;
    }();
    return *state;
}

// Runs an action on the state under its lock and returns what the action returns.
template <typename Action>
auto Locked(Action action)
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return action(state);
}

class VirtualTimer final : public hwkit::Timer {
public:
    void Sleep(uint32_t milliseconds) override
    {
        Locked([=](State& state) {
            state.nowMicroseconds += uint64_t{milliseconds} * 1000u;
            state.sleptMilliseconds += milliseconds;
            ++state.sleepCount;
        });
    }
    double ElapsedSeconds(uint32_t from, uint32_t to) override { return MonotonicTimer::TicksToSeconds(from, to); }
    uint32_t GetTick() override
    {
        return Locked([](State& state) {
            const auto tick = static_cast<uint32_t>(state.nowMicroseconds);
            state.nowMicroseconds += state.tickAdvanceMicroseconds;
            ++state.getTickCount;
            return tick;
        });
    }
};

} // namespace

namespace hwkit {

NumberHandler::~NumberHandler() = default;
Timer::~Timer() = default;

const BiosInformation* get_bios() { return &TheState().record; }

NumberHandler* get_number_handler()
{
    // The real formatter: code under test that shows numbers gets the texts users will see.
    static NumberHandler* const handler = new corvo::platform::NumberFormatter();
    return handler;
}

Timer* get_timer()
{
    static Timer* const timer = new VirtualTimer();  // never destroyed, like the handler
    return timer;
}

std::string get_temporary_path() { return Locked([](State& state) { return state.temporaryPath; }); }

} // namespace hwkit

namespace fakehwkit {

void Reset() { Locked(ResetLocked); }
void SetFlag(std::size_t offset, uint8_t value) { Locked([&](State& state) { FlagByte(state, offset) = value; }); }
uint8_t Flag(std::size_t offset) { return Locked([&](State& state) { return FlagByte(state, offset); }); }
void SetRecord(const hwkit::BiosInformation& record) { Locked([&](State& state) { state.record = record; }); }
void SetTemporaryPath(const std::string& path) { Locked([&](State& state) { state.temporaryPath = path; }); }
void SetTickAdvance(uint32_t step) { Locked([=](State& state) { state.tickAdvanceMicroseconds = step; }); }
void AdvanceTime(uint64_t microseconds) { Locked([=](State& state) { state.nowMicroseconds += microseconds; }); }
void SetVirtualTime(uint64_t microseconds) { Locked([=](State& state) { state.nowMicroseconds = microseconds; }); }
uint64_t VirtualTimeMicroseconds() { return Locked([](State& state) { return state.nowMicroseconds; }); }
uint64_t SleepCount() { return Locked([](State& state) { return state.sleepCount; }); }
uint64_t TotalSleptMilliseconds() { return Locked([](State& state) { return state.sleptMilliseconds; }); }
uint64_t GetTickCount() { return Locked([](State& state) { return state.getTickCount; }); }

} // namespace fakehwkit
