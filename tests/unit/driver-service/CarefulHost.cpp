// The careful host's port sequences.
#include "CarefulHost.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace drivertest {

namespace {

constexpr uint16_t kDataPort = 0x60;
constexpr uint16_t kStatusCommandPort = 0x64;
constexpr uint8_t kOutputFull = 0x01;
constexpr uint8_t kInputFull = 0x02;
constexpr uint8_t kQualifierBits = 0xE0;

} // namespace

std::string Describe(const std::vector<Arrival>& arrivals)
{
    std::string text;
    for (const Arrival& arrival : arrivals) {
        char byte[3];
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned>(arrival.byte));
        text += (text.empty() ? "" : " ") + std::string(byte);
        if (arrival.qualifiers & 0x20) {
            text += "/pointer";
        }
        if (arrival.qualifiers & 0x80) {
            text += "/parity";
        }
        if (arrival.qualifiers & 0x40) {
            text += "/timeout";
        }
    }
    return text;
}

uint8_t CarefulHost::ReadStatus()
{
    HDXPortRequest request{kStatusCommandPort, 0xA5A5, 1};
    uint32_t value = 0;
    EXPECT_EQ(m_service.ReadPort(&request, &value), 0u) << "status read refused";
    ++m_polls;
    return static_cast<uint8_t>(value & 0xFF);
}

uint8_t CarefulHost::ReadData()
{
    HDXPortRequest request{kDataPort, 0xA5A5, 1};
    uint32_t value = 0;
    EXPECT_EQ(m_service.ReadPort(&request, &value), 0u) << "data read refused";
    return static_cast<uint8_t>(value & 0xFF);
}

void CarefulHost::Write(uint16_t port, uint8_t byte)
{
    HDXPortWriteRequest request{port, 0xA5A5, 1, &byte};
    EXPECT_EQ(m_service.WritePort(&request), 0u) << "write refused";
}

bool CarefulHost::WaitUntilInputEmpty(int maxPolls)
{
    for (int poll = 0; poll < maxPolls; ++poll) {
        if ((ReadStatus() & kInputFull) == 0) {
            return true;
        }
    }
    return false;
}

bool CarefulHost::SendCommand(uint8_t command)
{
    if (!WaitUntilInputEmpty()) {
        return false;
    }
    Write(kStatusCommandPort, command);
    return true;
}

bool CarefulHost::SendData(uint8_t byte)
{
    if (!WaitUntilInputEmpty()) {
        return false;
    }
    Write(kDataPort, byte);
    return true;
}

bool CarefulHost::WriteConfiguration(uint8_t configuration)
{
    return SendCommand(0x60) && SendData(configuration);
}

std::optional<uint8_t> CarefulHost::ReadConfiguration(int maxPolls)
{
    if (!SendCommand(0x20)) {
        return std::nullopt;
    }
    const std::optional<Arrival> arrival = NextByte(maxPolls);
    if (!arrival) {
        return std::nullopt;
    }
    return arrival->byte;
}

std::optional<Arrival> CarefulHost::NextByte(int maxPolls)
{
    for (int poll = 0; poll < maxPolls; ++poll) {
        const uint8_t status = ReadStatus();
        if (status & kOutputFull) {
            Arrival arrival;
            arrival.qualifiers = status & kQualifierBits;
            arrival.byte = ReadData();
            return arrival;
        }
    }
    return std::nullopt;
}

std::vector<Arrival> CarefulHost::Drain(int quietPolls)
{
    std::vector<Arrival> arrivals;
    while (const std::optional<Arrival> arrival = NextByte(quietPolls)) {
        arrivals.push_back(*arrival);
    }
    return arrivals;
}

std::string CarefulHost::Exchange(uint8_t command, int quietPolls)
{
    if (!SendData(command)) {
        return "<input buffer never emptied>";
    }
    return Describe(Drain(quietPolls));
}

} // namespace drivertest
