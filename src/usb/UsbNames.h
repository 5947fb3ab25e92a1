// Names of USB class and subclass codes as the diagnostics show them to the user.
#pragma once

#include <cstdint>
#include <string_view>

// Each name has one table and one lookup; a code the tables do not name gives kUnknown.
class UsbNames {
public:
    static constexpr std::string_view kUnknown = "-";
    static constexpr std::string_view kUnusedProtocol = "Unused";

    static std::string_view ClassName(uint8_t classCode);
    // Subclass codes mean something only within their class, so the class is part of the key.
    static std::string_view SubclassName(uint8_t classCode, uint8_t subclassCode);
    // Protocol codes are reported by number; every protocol has the same name.
    static std::string_view ProtocolName(uint8_t classCode, uint8_t subclassCode, uint8_t protocolCode);
};
