// The simulated machine a loaded plug-in stands for: its scenario, its simulator and its log.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "I8042Simulator.h"
#include "PortRequestCheck.h"

namespace corvo::i8042 {

// The file a technician puts beside the plug-in to choose its scenario.
inline constexpr char kScenarioFileName[] = "i8042-scenario";
inline constexpr char kScenarioEnvironmentVariable[] = "HALVIK_I8042_SCENARIO";
inline constexpr char kLogEnvironmentVariable[] = "HALVIK_I8042_LOG";
// What Source() says when no file was found.
inline constexpr char kBuiltInScenarioName[] = "built-in good keyboard";

struct InstanceSettings {
    // A scenario file named by the test or the environment; empty: look beside the plug-in.
    std::string scenarioPath;
    // The folder the plug-in library lies in; empty when it could not be found.
    std::string pluginFolder;
    // Append every access to this file; empty: keep the log in memory only.
    std::string logPath;
    I8042Simulator::MonotonicClock realClock;
    // Receives one line for each problem (bad scenario, log file refused); default: standard error.
    std::function<void(const std::string&)> complain;
};

// Where the scenario comes from: the named path, else the file beside the plug-in when it
// exists, else none (the built-in good keyboard). A named path that does not exist is still
// returned, so the mistake is reported rather than silently replaced by a good keyboard.
std::optional<std::string> ChooseScenarioPath(const std::string& namedPath, const std::string& pluginFolder);

// Every service object of a loaded plug-in talks to one instance: one controller per machine.
// All members lock, so services on different threads see one consistent controller.
class SimulatorInstance {
public:
    SimulatorInstance() = default;
    ~SimulatorInstance();
    SimulatorInstance(const SimulatorInstance&) = delete;
    SimulatorInstance& operator=(const SimulatorInstance&) = delete;

    // Starts the machine afresh: clock at 0, log empty, scenario read again. True when ready.
    bool Load(const InstanceSettings& settings);

    bool IsReady() const;
    corvo::driverservice::PortResult Read(uint16_t port, uint8_t& value);
    corvo::driverservice::PortResult Write(uint16_t port, uint8_t value);

    // The scenario file in use, or kBuiltInScenarioName.
    std::string Source() const;
    // Why the instance is not ready; empty when it is.
    std::string Problem() const;
    std::size_t LogCount() const;
    std::optional<LogEntry> LogEntryAt(std::size_t index) const;
    // The whole log, one FormatLogEntry line each, newline-terminated.
    std::string LogText() const;

private:
    void AppendToLogFile(const LogEntry& entry);
    void Complain(const std::string& line) const;

    mutable std::mutex m_mutex;
    std::unique_ptr<I8042Simulator> m_simulator;
    std::string m_source;
    std::string m_problem;
    std::function<void(const std::string&)> m_complain;
    int m_logFile = -1;
};

} // namespace corvo::i8042
