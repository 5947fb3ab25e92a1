// The careful host's port sequences, its script player, and the simulator's log as its exports give it.
#include "DriverServiceTesting.h"

#include <algorithm>
#include <cstdio>

namespace drivertest {

namespace {

constexpr uint16_t kData = 0x60;
constexpr uint16_t kStatus = 0x64;

std::string Hex(unsigned value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02x", value & 0xFF);
    return text;
}

} // namespace

std::vector<corvo::i8042::LogEntry> ExportedLog(void* plugin)
{
    std::vector<corvo::i8042::LogEntry> log;
    const auto count = reinterpret_cast<I8042SimulatorLogCountFunction>(dlsym(plugin, I8042_SIMULATOR_LOG_COUNT_SYMBOL));
    const auto entryAt =
        reinterpret_cast<I8042SimulatorLogEntryAtFunction>(dlsym(plugin, I8042_SIMULATOR_LOG_ENTRY_AT_SYMBOL));
    for (std::size_t index = 0; count != nullptr && entryAt != nullptr && index < count(); ++index) {
        I8042SimulatorLogEntry raw{};
        EXPECT_EQ(entryAt(index, &raw), 1);
        log.push_back({raw.sequence, raw.timeMicroseconds, raw.isWrite != 0, raw.port, raw.value, raw.configuration,
                       raw.dropped != 0});
    }
    return log;
}

uint8_t CarefulHost::Read(uint16_t port)
{
    HDXPortRequest request{port, 0xA5A5, 1};
    uint32_t value = 0;
    EXPECT_EQ(m_service.ReadPort(&request, &value), 0u) << "read of port " << port << " refused";
    return static_cast<uint8_t>(value);
}

void CarefulHost::Write(uint16_t port, uint8_t byte)
{
    HDXPortWriteRequest request{port, 0xA5A5, 1, &byte};
    EXPECT_EQ(m_service.WritePort(&request), 0u) << "write to port " << port << " refused";
}

bool CarefulHost::Send(uint16_t port, uint8_t byte)
{
    for (int poll = 0; poll < 20; ++poll) {
        if ((Read(kStatus) & 0x02) == 0) {
            Write(port, byte);
            return true;
        }
    }
    return false;
}

std::string CarefulHost::Arrivals(int quietPolls, bool all)
{
    std::string text;
    for (int quiet = 0; quiet < quietPolls; ++quiet) {
        const uint8_t status = Read(kStatus);
        if ((status & 0x01) != 0) {
            text += (text.empty() ? "" : " ") + Hex(Read(kData)) + (status & 0x20 ? "/pointer" : "")
                + (status & 0x80 ? "/parity" : "") + (status & 0x40 ? "/timeout" : "");
            quiet = all ? -1 : quietPolls;
        }
    }
    return text;
}

testing::AssertionResult CarefulHost::Play(const std::string& script)
{
    std::string mismatches;
    for (std::size_t start = 0, end = 0; start < script.size(); start = end + 2) {
        end = std::min(script.find(", ", start), script.size());
        const std::string step = script.substr(start, end - start);
        const std::size_t equals = std::min(step.find('='), step.size());
        const std::string argument = step.substr(1, equals - 1);
        const auto byte = [&argument] { return static_cast<uint8_t>(std::stoul(argument, nullptr, 16)); };
        std::string got;
        switch (step[0]) {
        case 'c': Write(kStatus, byte()); break;
        case 'd': Write(kData, byte()); break;
        case 'C': got = Send(kStatus, byte()) ? "" : "stuck"; break;
        case 'D': got = Send(kData, byte()) ? "" : "stuck"; break;
        case 'W': got = Send(kStatus, 0x60) && Send(kData, byte()) ? "" : "stuck"; break;
        case 'Q': got = Send(kStatus, 0x20) ? Arrivals(20, false) : "stuck"; break;
        case 'K': got = Send(kData, byte()) ? Arrivals(15, true) : "stuck"; break;
        case 'S': got = Hex(Read(kStatus)); break;
        case 'R': got = Hex(Read(kData)); break;
        case 'A': got = Arrivals(15, true); break;
        case 'N': got = Arrivals(10, false); break;
        case 'T': got = std::to_string(m_log().back().time); break;
        case 'L': {
            const std::vector<corvo::i8042::LogEntry> log = m_log();
            const std::size_t line = argument.empty() ? log.size() : std::stoul(argument);
            got = line >= 1 && line <= log.size() ? corvo::i8042::FormatLogEntry(log[line - 1]) : "";
            break;
        }
        default: return testing::AssertionFailure() << "unknown step \"" << step << "\"";
        }
        // Without "=", a step that sends must have sent and the others are not checked.
        const bool checked = equals < step.size() || std::string("CDW").find(step[0]) != std::string::npos;
        if (checked && got != (equals < step.size() ? step.substr(equals + 1) : "")) {
            mismatches += "\n  " + step + " gave \"" + got + "\"";
        }
    }
    return mismatches.empty() ? testing::AssertionSuccess() : testing::AssertionFailure() << mismatches;
}

} // namespace drivertest
