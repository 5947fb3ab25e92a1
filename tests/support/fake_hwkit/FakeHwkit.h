// Test double of the platform library: a settable firmware record and temporary path, and a virtual clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/hwkit.h"

// The double implements hwkit's four functions with the same signatures, so code under test links
// it in place of libhwkit.so. This namespace is the test's side: it sets what the library reports
// and reads what the code under test did with the clock. Every function here may be called from
// any thread; the record that get_bios hands out is changed in place, so set flags before the code
// under test reads them, as a real machine would have them before the program starts.
//
// The clock is virtual: Sleep advances it at once instead of sleeping, and GetTick returns its
// microseconds cut to 32 bits, the tick unit of the real library. A loop that waits on the clock
// without sleeping (a busy poll until a timeout) would spin forever on a clock that only sleeping
// moves, so each GetTick call also moves the clock on by a small step after reading it.
//
// In the shared build (libhwkit.so in tests/fake-hwkit, swapped in with LD_LIBRARY_PATH) a test
// cannot call this namespace, so its starting state also takes these environment variables:
//   HALVIK_FAKE_HWKIT_FLAGS           "9=1,13=1": bytes of the record to set (offsets 8..15)
//   HALVIK_FAKE_HWKIT_TEMPORARY_PATH  the text get_temporary_path returns
//   HALVIK_FAKE_HWKIT_TICK_ADVANCE_US microseconds each GetTick moves the clock on
namespace fakehwkit {

// One millisecond per GetTick: a busy poll for a 100 ms timeout ends after 100 passes, quick
// enough for any test, while timeouts are still resolved to the millisecond they are given in.
inline constexpr uint32_t kDefaultTickAdvanceMicroseconds = 1000;

// What the firmware record's vendor field says, so output shows which library answered.
inline constexpr char kVendor[] = "fakehwkit test double";

// Back to the starting state: all flags 0, the current record version, the vendor above, empty temporary
// path, clock at 0 with the default step, no sleeps counted.
void Reset();

// Sets one flag byte of the record; offset 8..15 (the flag bytes), else std::out_of_range.
void SetFlag(std::size_t offset, uint8_t value);
uint8_t Flag(std::size_t offset);
// Replaces the whole record, for tests of the identity fields.
void SetRecord(const hwkit::BiosInformation& record);

void SetTemporaryPath(const std::string& path);

// 0 turns the per-call step off, for tests that count exact virtual time.
void SetTickAdvance(uint32_t microsecondsPerGetTick);
// Moves the clock, as time passing outside the code under test.
void AdvanceTime(uint64_t microseconds);
// Sets the clock, for example just below a tick wrap (2^32 us).
void SetVirtualTime(uint64_t microseconds);
uint64_t VirtualTimeMicroseconds();

uint64_t SleepCount();
uint64_t TotalSleptMilliseconds();
uint64_t GetTickCount();

} // namespace fakehwkit
