// Words for why the platform library says a PS/2 keyboard is there or not, shared by hwkit-info
// and the hosts so that a technician reads the same reason everywhere.
#pragma once

#include <cstdint>

#include "platform/hwkit.h"

namespace corvo::platform {

struct Ps2KeyboardEvidence {
    hwkit::Ps2KeyboardDecision decision;
    const char* why;       // a sentence after "PS/2 keyboard: present - " or "not present - "
    const char* decidedBy; // the source that decided
};

inline constexpr Ps2KeyboardEvidence kPs2KeyboardEvidence[] = {
    {hwkit::Ps2KeyboardDecision::NotRecorded, "the platform library recorded no reason",
     "the flag bytes alone (no sources recorded)"},
    {hwkit::Ps2KeyboardDecision::KeyboardBound,
     "a keyboard answered on the i8042 keyboard port when the kernel probed it, and its keyboard driver took the port",
     "the i8042 keyboard port: its keyboard driver is bound"},
    {hwkit::Ps2KeyboardDecision::PortWithoutKeyboard,
     "the i8042 keyboard port exists but no keyboard answered when the kernel probed it",
     "the i8042 keyboard port: no keyboard driver is bound to it (SMBIOS and ACPI describe a port, not a keyboard)"},
    {hwkit::Ps2KeyboardDecision::PortOnlyInFirmware,
     "the firmware describes a PS/2 keyboard port, but the kernel found no i8042 keyboard port to probe",
     "the kernel: it found no i8042 keyboard port (the firmware describes a port, not a keyboard)"},
    {hwkit::Ps2KeyboardDecision::NoPort,
     "there is no i8042 keyboard port, and no SMBIOS connector or ACPI device describes one",
     "no source knows of a PS/2 keyboard port"},
};

// Null for a value this build does not know.
inline const Ps2KeyboardEvidence* FindPs2KeyboardEvidence(uint8_t decision)
{
    for (const Ps2KeyboardEvidence& evidence : kPs2KeyboardEvidence) {
        if (static_cast<uint8_t>(evidence.decision) == decision) {
            return &evidence;
        }
    }
    return nullptr;
}

// The record carries its sources from version 2 on; an older or shorter record carries none.
inline bool RecordsPs2KeyboardSources(const hwkit::BiosInformation& record)
{
    return record.recordVersion >= 2 && record.recordSize >= sizeof(hwkit::BiosInformation);
}

} // namespace corvo::platform
