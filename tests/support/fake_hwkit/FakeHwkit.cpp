// Test double of the platform library: a settable firmware record and temporary path, and a virtual clock.
#include "FakeHwkit.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string_view>

#include "MonotonicTimer.h"
#include "NumberFormatter.h"

namespace {

constexpr std::size_t kFirstFlag = 8;
constexpr std::size_t kLastFlag = 15;

class VirtualTimer final : public hwkit::Timer {
public:
    void Sleep(uint32_t milliseconds) override;
    double ElapsedSeconds(uint32_t earlierTick, uint32_t laterTick) override
    {
        return corvo::platform::MonotonicTimer::TicksToSeconds(earlierTick, laterTick);
    }
    uint32_t GetTick() override;
};

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

void CheckFlagOffset(std::size_t offset)
{
    if (offset < kFirstFlag || offset > kLastFlag) {
        throw std::out_of_range("fakehwkit: flag offsets are 8..15, got " + std::to_string(offset));
    }
}

void SetFlagLocked(State& state, std::size_t offset, uint8_t value)
{
    reinterpret_cast<unsigned char*>(&state.record)[offset] = value;
}

#ifdef FAKE_HWKIT_READ_ENVIRONMENT
// "9=1,13=1": malformed items are ignored, as a typo must not take the whole test down with an
// exception thrown from inside the library under a host.
void ApplyFlagList(State& state, std::string_view list)
{
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string item(list.substr(0, comma));
        const std::size_t equals = item.find('=');
        if (equals != std::string::npos) {
            char* end = nullptr;
            const unsigned long offset = std::strtoul(item.c_str(), &end, 10);
            const unsigned long value = std::strtoul(item.c_str() + equals + 1, nullptr, 0);
            if (end == item.c_str() + equals && offset >= kFirstFlag && offset <= kLastFlag && value <= 0xFF) {
                SetFlagLocked(state, offset, static_cast<uint8_t>(value));
            }
        }
        if (comma == std::string_view::npos) {
            break;
        }
        list.remove_prefix(comma + 1);
    }
}

void ApplyEnvironment(State& state)
{
    if (const char* flags = std::getenv("HALVIK_FAKE_HWKIT_FLAGS")) {
        ApplyFlagList(state, flags);
    }
    if (const char* path = std::getenv("HALVIK_FAKE_HWKIT_TEMPORARY_PATH")) {
        state.temporaryPath = path;
    }
    if (const char* advance = std::getenv("HALVIK_FAKE_HWKIT_TICK_ADVANCE_US")) {
        state.tickAdvanceMicroseconds = static_cast<uint32_t>(std::strtoul(advance, nullptr, 10));
    }
}
#endif

void ResetLocked(State& state)
{
    state.record = hwkit::BiosInformation{};
    state.record.recordVersion = 1;
    state.record.recordSize = sizeof(hwkit::BiosInformation);
    static_assert(sizeof fakehwkit::kVendor <= sizeof state.record.vendor, "vendor text fits the field");
    std::memcpy(state.record.vendor, fakehwkit::kVendor, sizeof fakehwkit::kVendor);
    state.temporaryPath.clear();
    state.nowMicroseconds = 0;
    state.tickAdvanceMicroseconds = fakehwkit::kDefaultTickAdvanceMicroseconds;
    state.sleepCount = 0;
    state.sleptMilliseconds = 0;
    state.getTickCount = 0;
#ifdef FAKE_HWKIT_READ_ENVIRONMENT
    ApplyEnvironment(state);
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

void VirtualTimer::Sleep(uint32_t milliseconds)
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.nowMicroseconds += uint64_t{milliseconds} * 1000u;
    state.sleptMilliseconds += milliseconds;
    ++state.sleepCount;
}

uint32_t VirtualTimer::GetTick()
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    const auto tick = static_cast<uint32_t>(state.nowMicroseconds);
    state.nowMicroseconds += state.tickAdvanceMicroseconds;
    ++state.getTickCount;
    return tick;
}

} // namespace

namespace hwkit {

NumberHandler::~NumberHandler() = default;
Timer::~Timer() = default;

const BiosInformation* get_bios()
{
    return &TheState().record;
}

NumberHandler* get_number_handler()
{
    // The real formatter: code under test that shows numbers gets the texts users will see.
    static NumberHandler* const handler = new corvo::platform::NumberFormatter();
    return handler;
}

Timer* get_timer()
{
    static Timer* const timer = new VirtualTimer();
    return timer;
}

std::string get_temporary_path()
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return state.temporaryPath;
}

} // namespace hwkit

namespace fakehwkit {

void Reset()
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    ResetLocked(state);
}

void SetFlag(std::size_t offset, uint8_t value)
{
    CheckFlagOffset(offset);
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    SetFlagLocked(state, offset, value);
}

uint8_t Flag(std::size_t offset)
{
    CheckFlagOffset(offset);
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return reinterpret_cast<const unsigned char*>(&state.record)[offset];
}

void SetRecord(const hwkit::BiosInformation& record)
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.record = record;
}

void SetTemporaryPath(const std::string& path)
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.temporaryPath = path;
}

void SetTickAdvance(uint32_t microsecondsPerGetTick)
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.tickAdvanceMicroseconds = microsecondsPerGetTick;
}

void AdvanceTime(uint64_t microseconds)
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.nowMicroseconds += microseconds;
}

void SetVirtualTime(uint64_t microseconds)
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.nowMicroseconds = microseconds;
}

uint64_t VirtualTimeMicroseconds()
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return state.nowMicroseconds;
}

uint64_t SleepCount()
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return state.sleepCount;
}

uint64_t TotalSleptMilliseconds()
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return state.sleptMilliseconds;
}

uint64_t GetTickCount()
{
    State& state = TheState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return state.getTickCount;
}

} // namespace fakehwkit
