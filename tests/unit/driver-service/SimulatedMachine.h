// A simulated controller loaded from scenario text or a fixture, with the service and a careful host on it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CarefulHost.h"
#include "SimulatorService.h"
#include "SimulatorInstance.h"
#include "TemporaryFolder.h"

namespace drivertest {

inline std::string FixturePath(const std::string& folder)
{
    return std::string(I8042_FIXTURES_DIR) + "/" + folder + "/" + corvo::i8042::kScenarioFileName;
}

class SimulatedMachine {
public:
    // Scenario text, written to a file and loaded as the plug-in loads it.
    explicit SimulatedMachine(const std::string& scenarioText, corvo::i8042::I8042Simulator::MonotonicClock clock = {})
    {
        Start(m_folder.Write("scenario", scenarioText), std::move(clock));
    }

    static std::unique_ptr<SimulatedMachine> FromFixture(const std::string& folder)
    {
        std::unique_ptr<SimulatedMachine> machine(new SimulatedMachine());
        machine->Start(FixturePath(folder), {});
        return machine;
    }

    corvo::i8042::SimulatorInstance instance;
    corvo::i8042::SimulatorService service{instance};
    CarefulHost host{service};
    std::vector<std::string> complaints;

    std::vector<corvo::i8042::LogEntry> Log() const
    {
        std::vector<corvo::i8042::LogEntry> entries;
        for (std::size_t i = 0; i < instance.LogCount(); ++i) {
            entries.push_back(*instance.LogEntryAt(i));
        }
        return entries;
    }

private:
    SimulatedMachine() = default;

    void Start(const std::string& path, corvo::i8042::I8042Simulator::MonotonicClock clock)
    {
        corvo::i8042::InstanceSettings settings;
        settings.scenarioPath = path;
        settings.realClock = std::move(clock);
        settings.complain = [this](const std::string& line) { complaints.push_back(line); };
        instance.Load(settings);
    }

    TemporaryFolder m_folder;
};

} // namespace drivertest
