// The i8042 keyboard-controller protocol, spoken through the driver service's port I/O.
#pragma once

#include <cstdint>
#include <functional>

class HDXService;
class UserInterventionDetector;

enum class ControllerReadStatus : uint32_t {
    None = 0,          // nothing arrived before the timeout
    AuxiliaryData = 1, // a pointing-device byte waits (left unread)
    KeyboardData = 2,
    ParityError = 3,
    TimeoutError = 4,
};

class KeyboardController {
public:
    // service yields the driver service anew for every port access, null when it is gone.
    explicit KeyboardController(std::function<HDXService*()> service);

    bool DisableKeyboardInterrupts();
    bool EnableKeyboardInterrupts();
    ControllerReadStatus ReadControllerResponse(uint8_t& data, bool& foreignInput, double timeoutSeconds);
    bool EchoKeyboard(bool& foreignInput, double timeoutSeconds);
    bool ResetKeyboard(bool& foreignInput, UserInterventionDetector& detector, double timeoutSeconds);

    static constexpr uint16_t kDataPort = 0x60;
    static constexpr uint16_t kStatusPort = 0x64;
    static constexpr uint8_t kOutputBufferFull = 0x01;
    static constexpr uint8_t kInputBufferFull = 0x02;
    static constexpr uint8_t kAuxiliaryData = 0x20;
    static constexpr uint8_t kTimeoutError = 0x40;
    static constexpr uint8_t kParityError = 0x80;
    static constexpr uint8_t kWriteConfiguration = 0x60;
    // Keyboard clock off, its interrupt off; pointer interrupt, system flag and translation on.
    static constexpr uint8_t kConfigurationInterruptOff = 0x56;
    // Keyboard and pointer interrupts on, system flag and translation on.
    static constexpr uint8_t kConfigurationInterruptOn = 0x47;
    static constexpr uint8_t kEcho = 0xEE;
    static constexpr uint8_t kReset = 0xFF;
    static constexpr uint8_t kAcknowledge = 0xFA;
    static constexpr uint8_t kSelfTestPassed = 0xAA;
    static constexpr uint8_t kSelfTestFailed1 = 0xFC;
    static constexpr uint8_t kSelfTestFailed2 = 0xFD;
    static constexpr uint8_t kResend = 0xFE;

private:
    uint8_t ReadPort(uint16_t port);
    void WritePort(uint16_t port, uint8_t value);
    bool WaitForInputBufferEmpty(double timeoutSeconds);
    bool WriteConfiguration(uint8_t configuration);

    std::function<HDXService*()> m_service;
};
