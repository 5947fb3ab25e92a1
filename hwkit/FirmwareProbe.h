// Gathers the firmware record's facts from the kernel's view of the machine.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SmbiosTable.h"
#include "platform/hwkit.h"
#include "platform/linux/SysfsReader.h"

namespace corvo::platform {

// Each question is answered from sysfs alone, through the reader, so a test can hand it a fixture
// tree. Nothing needs root except the SMBIOS table; without it the SMBIOS facts read as absent.
class FirmwareProbe {
public:
    struct SmbiosFacts {
        bool tableReadable = false;
        SmbiosVersion version;        // 0.0 unless the table and its entry point were readable
        bool keyboardConnector = false;
        bool mouseConnector = false;
    };

    // The i8042 keyboard port and what the kernel bound to it.
    struct I8042KeyboardFacts {
        std::string port;            // its serio device ("serio0"); empty when the kernel found no such port
        std::string driver;          // the driver bound to it; empty when none is
        bool keyboardBound = false;  // that driver is the keyboard driver: a keyboard answered its probe
    };

    explicit FirmwareProbe(const SysfsReader& reader) : reader_(reader) {}

    bool FirmwareIsUefi() const;
    bool HasI8042KeyboardPort() const;
    bool HasI8042AuxPort() const;
    // A port with a keyboard bound wins over one without, should there be several.
    I8042KeyboardFacts ReadI8042Keyboard() const;
    SmbiosFacts ReadSmbios() const;
    bool HasAcpiPs2Keyboard() const;
    bool HasAcpiPs2Mouse() const;

    // Every fact at once, with the firmware's identity strings, as the library hands it out.
    ::hwkit::BiosInformation Read() const;

    // Whether a PNP or ACPI id names a device of the PS/2 keyboard or pointing-device class.
    // Case does not matter: sysfs shows "PNP0f13" on one bus and "PNP0F13" on the other.
    static bool IsPs2KeyboardId(std::string_view id);
    static bool IsPs2MouseId(std::string_view id);
    // Whether a serio driver binds only to a port on which a keyboard answered.
    static bool IsKeyboardDriver(std::string_view driver);

    // Only a bound keyboard makes one present; the firmware's descriptions of a port tell why not.
    static ::hwkit::Ps2KeyboardDecision DecidePs2Keyboard(const I8042KeyboardFacts& i8042, bool smbiosConnector,
                                                          bool acpiKeyboard);

    // Copies text into a fixed field, cut at a character boundary and always NUL-terminated.
    template <std::size_t Size>
    static void CopyText(char (&field)[Size], const std::string& text)
    {
        CopyText(field, Size, text);
    }
    static void CopyText(char* field, std::size_t size, const std::string& text);

private:
    enum class SerioPortKind { None, Keyboard, Aux };

    SerioPortKind ClassifySerioPort(const std::string& name) const;
    bool HasSerioPort(SerioPortKind kind) const;
    // Every id of every ACPI device not reported absent, and of every PNP device.
    std::vector<std::string> PresentDeviceIds() const;
    std::string DmiIdentity(std::string_view attribute) const;

    const SysfsReader& reader_;
};

} // namespace corvo::platform
