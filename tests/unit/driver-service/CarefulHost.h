// A test host that talks to a driver service the way careful i8042 code does: wait, write, poll, read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/HDXService.h"

namespace drivertest {

// A byte the host read, with the status bits that qualified it (5 pointer, 6 time-out, 7 parity).
struct Arrival {
    uint8_t byte = 0;
    uint8_t qualifiers = 0;
};

// "fa aa/parity 08/pointer": the form the scenario files use, so expectations read like them.
std::string Describe(const std::vector<Arrival>& arrivals);

// Every status read is one poll; against the simulator's virtual clock each poll is 100 ms, so a
// wait of 10 polls is the module's 1.0 s. Any result code other than 0 is a test failure.
class CarefulHost {
public:
    explicit CarefulHost(HDXService& service) : m_service(service) {}

    uint8_t ReadStatus();
    uint8_t ReadData();
    void Write(uint16_t port, uint8_t byte);

    bool WaitUntilInputEmpty(int maxPolls = 20);
    bool SendCommand(uint8_t command);
    bool SendData(uint8_t byte);
    bool WriteConfiguration(uint8_t configuration);
    std::optional<uint8_t> ReadConfiguration(int maxPolls = 20);
    // Polls until a byte waits, then reads it; none when maxPolls polls see nothing.
    std::optional<Arrival> NextByte(int maxPolls = 10);
    // Reads bytes until quietPolls polls in a row bring nothing.
    std::vector<Arrival> Drain(int quietPolls = 15);
    // Sends a byte to the keyboard and collects everything it brings.
    std::string Exchange(uint8_t command, int quietPolls = 15);

    int Polls() const { return m_polls; }

private:
    HDXService& m_service;
    int m_polls = 0;
};

} // namespace drivertest
