// Loading a scenario for the plug-in, the port accesses under one lock, and the log file.
#include "SimulatorInstance.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace corvo::i8042 {

using corvo::driverservice::PortResult;

namespace {

constexpr char kComplaintPrefix[] = "i8042 simulator: ";

bool IsRegularFile(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

void WriteAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = write(fd, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return;
        }
        written += static_cast<std::size_t>(count);
    }
}

} // namespace

std::optional<std::string> ChooseScenarioPath(const std::string& namedPath, const std::string& pluginFolder)
{
    if (!namedPath.empty()) {
        return namedPath;
    }
    if (!pluginFolder.empty()) {
        const std::string beside = pluginFolder + (pluginFolder.back() == '/' ? "" : "/") + kScenarioFileName;
        if (IsRegularFile(beside)) {
            return beside;
        }
    }
    return std::nullopt;
}

SimulatorInstance::~SimulatorInstance()
{
    if (m_logFile >= 0) {
        close(m_logFile);
    }
}

bool SimulatorInstance::Load(const InstanceSettings& settings)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_complain = settings.complain;
    m_simulator.reset();
    m_problem.clear();
    if (m_logFile >= 0) {
        close(m_logFile);
        m_logFile = -1;
    }

    const std::optional<std::string> path = ChooseScenarioPath(settings.scenarioPath, settings.pluginFolder);
    m_source = path ? *path : kBuiltInScenarioName;
    ScenarioParseResult parsed = path ? LoadI8042ScenarioFile(*path) : ScenarioParseResult{GoodKeyboardScenario(), {}};

    if (!settings.logPath.empty()) {
        // Appending, so the runs of one investigation stay together; each run starts with a
        // comment line naming its scenario.
        m_logFile = open(settings.logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (m_logFile < 0) {
            Complain("cannot append to " + settings.logPath + ": " + std::strerror(errno)
                     + "; port accesses are kept in memory only");
        } else {
            WriteAll(m_logFile, "# scenario " + m_source + (parsed.scenario ? "" : " (not usable)") + "\n");
        }
    }

    if (!parsed.scenario) {
        m_problem = parsed.error;
        Complain(parsed.error + "; the simulated controller is not ready");
        return false;
    }
    m_simulator = std::make_unique<I8042Simulator>(std::move(*parsed.scenario), settings.realClock);
    return true;
}

void SimulatorInstance::Complain(const std::string& line) const
{
    if (m_complain) {
        m_complain(kComplaintPrefix + line);
        return;
    }
    std::fprintf(stderr, "%s%s\n", kComplaintPrefix, line.c_str());
}

bool SimulatorInstance::IsReady() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_simulator != nullptr;
}

PortResult SimulatorInstance::Read(uint16_t port, uint8_t& value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!corvo::driverservice::IsControllerPort(port)) {
        return PortResult::Refused;
    }
    if (m_simulator == nullptr) {
        return PortResult::NotReady;
    }
    value = m_simulator->Read(port);
    AppendToLogFile(m_simulator->Log().back());
    return PortResult::Done;
}

PortResult SimulatorInstance::Write(uint16_t port, uint8_t value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!corvo::driverservice::IsControllerPort(port)) {
        return PortResult::Refused;
    }
    if (m_simulator == nullptr) {
        return PortResult::NotReady;
    }
    m_simulator->Write(port, value);
    AppendToLogFile(m_simulator->Log().back());
    return PortResult::Done;
}

void SimulatorInstance::AppendToLogFile(const LogEntry& entry)
{
    if (m_logFile >= 0) {
        // One write per line with O_APPEND: lines of two processes sharing the file never interleave.
        WriteAll(m_logFile, FormatLogEntry(entry) + "\n");
    }
}

std::string SimulatorInstance::Source() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_source;
}

std::string SimulatorInstance::Problem() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_problem;
}

std::size_t SimulatorInstance::LogCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_simulator ? m_simulator->Log().size() : 0;
}

std::optional<LogEntry> SimulatorInstance::LogEntryAt(std::size_t index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_simulator == nullptr || index >= m_simulator->Log().size()) {
        return std::nullopt;
    }
    return m_simulator->Log()[index];
}

std::string SimulatorInstance::LogText() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string text;
    if (m_simulator != nullptr) {
        for (const LogEntry& entry : m_simulator->Log()) {
            text += FormatLogEntry(entry);
            text += '\n';
        }
    }
    return text;
}

} // namespace corvo::i8042
