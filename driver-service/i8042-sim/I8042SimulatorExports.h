// What the simulator plug-in exports beyond the two factories: its log and a way to start it afresh.
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// One port access. isWrite: 0 read, 1 write. configuration: the controller's configuration byte
// after the access. dropped: 1 for a write made while status bit 1 was set, which the controller
// did not take.
struct I8042SimulatorLogEntry {
    uint64_t sequence;
    uint64_t timeMicroseconds;
    uint16_t port;
    uint8_t isWrite;
    uint8_t value;
    uint8_t configuration;
    uint8_t dropped;
    uint8_t padding[2];
};

// Number of entries in the in-memory log since the scenario was (re)loaded.
typedef size_t (*I8042SimulatorLogCountFunction)(void);
// Copies entry `index` (0 is the oldest) into *entry; 1 on success, 0 when out of range or null.
typedef int (*I8042SimulatorLogEntryAtFunction)(size_t index, struct I8042SimulatorLogEntry* entry);
// The whole log as text, one line per access; valid until the next call of this function.
typedef const char* (*I8042SimulatorLogFunction)(void);
// Starts the simulated machine afresh: clock 0, empty log, scenario read again from
// scenarioPath, or when null from HALVIK_I8042_SCENARIO, the file beside the plug-in, or the
// built-in good keyboard. HALVIK_I8042_LOG is read again too. Returns 1 when ready, 0 when not.
typedef int (*I8042SimulatorResetFunction)(const char* scenarioPath);
// The scenario file in use, or "built-in good keyboard"; valid until the next call of this function.
typedef const char* (*I8042SimulatorScenarioSourceFunction)(void);

#ifdef __cplusplus
}
#endif

#define I8042_SIMULATOR_LOG_COUNT_SYMBOL "I8042SimulatorLogCount"
#define I8042_SIMULATOR_LOG_ENTRY_AT_SYMBOL "I8042SimulatorLogEntryAt"
#define I8042_SIMULATOR_LOG_SYMBOL "I8042SimulatorLog"
#define I8042_SIMULATOR_RESET_SYMBOL "I8042SimulatorReset"
#define I8042_SIMULATOR_SCENARIO_SOURCE_SYMBOL "I8042SimulatorScenarioSource"
// The simulator plug-in's soname: dlopen(I8042_SIMULATOR_SONAME, RTLD_NOLOAD) finds the copy the
// module loaded, whatever path it was loaded by.
#define I8042_SIMULATOR_SONAME "halvik-i8042-simulator.so"
