// The platform library's interface: firmware facts, number formatting, timer and temporary folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#define HWKIT_API __attribute__((visibility("default")))

namespace hwkit {

// Why the firmware record says a PS/2 keyboard is there or not (byte 229 of the record).
enum class Ps2KeyboardDecision : uint8_t {
    NotRecorded = 0,         // the record's maker kept no reason
    KeyboardBound = 1,       // present: the kernel's keyboard driver is bound to the i8042 keyboard port
    PortWithoutKeyboard = 2, // absent: the i8042 keyboard port exists, but no keyboard answered the kernel's probe
    PortOnlyInFirmware = 3,  // absent: SMBIOS or ACPI describe a PS/2 keyboard port the kernel never found
    NoPort = 4,              // absent: no source knows of a PS/2 keyboard port
};

// The layout version in recordVersion. Version 2 appended the sources of the PS/2 keyboard facts.
constexpr uint8_t kBiosInformationVersion = 2;

// The firmware record. Callers rely on the byte offsets of the three PS/2 keyboard flags (9, 10
// and 13), so the layout is fixed and checked below; a flag is set when its byte is nonzero.
//
// An i8042 keyboard port, a PS/2 connector in SMBIOS and an ACPI keyboard device exist on many
// boards with nothing plugged in: they describe a port, not a keyboard. Only the kernel's keyboard
// driver bound to the port says that a keyboard answered, so the three flags all hang on it and
// the facts of each source are kept apart from version 2 on.
struct BiosInformation {
    uint8_t recordVersion;          // 0: layout version of this record, kBiosInformationVersion
    uint8_t smbiosMajor;            // 1: SMBIOS version of the tables read, 0 when none were readable
    uint8_t smbiosMinor;            // 2
    uint8_t reserved0;              // 3
    uint32_t recordSize;            // 4: sizeof(BiosInformation)
    uint8_t firmwareIsUefi;         // 8: the machine booted through UEFI
    uint8_t ps2KeyboardOnI8042;     // 9: a keyboard answered on the i8042 keyboard port (i8042KeyboardBound)
    uint8_t ps2KeyboardOnSmbiosConnector; // 10: byte 9, and SMBIOS lists a PS/2 keyboard port connector
    uint8_t i8042AuxPort;           // 11: the kernel found an i8042 auxiliary (pointing device) port
    uint8_t smbiosMouseConnector;   // 12: SMBIOS lists a PS/2 mouse port connector
    uint8_t ps2KeyboardOnAcpiDevice;// 13: byte 9, and ACPI or PNP describes a present PS/2-class keyboard
    uint8_t acpiPs2Mouse;           // 14: ACPI describes a PS/2-class pointing device (PNP0F03, PNP0F13, ...)
    uint8_t reserved1;              // 15
    char vendor[64];                // 16: firmware vendor, NUL-terminated, empty when unknown
    char version[64];               // 80: firmware version
    char releaseDate[16];           // 144: firmware release date as the firmware gives it
    char productName[64];           // 160: system product name
    // Version 2: each source of the PS/2 keyboard facts as it was read.
    uint8_t i8042KeyboardPort;      // 224: the kernel found an i8042 controller with a keyboard port
    uint8_t i8042KeyboardBound;     // 225: the kernel's keyboard driver is bound to that port
    uint8_t smbiosKeyboardConnector;// 226: SMBIOS lists a PS/2 keyboard port connector
    uint8_t acpiPs2Keyboard;        // 227: ACPI or PNP describes a present PS/2-class keyboard
    uint8_t smbiosTableReadable;    // 228: the SMBIOS table could be read at all (it needs root)
    uint8_t ps2KeyboardDecision;    // 229: a Ps2KeyboardDecision
    uint8_t reserved2[2];           // 230
    char i8042KeyboardPortName[16]; // 232: the port's serio device ("serio0"), empty when there is none
    char i8042KeyboardDriver[32];   // 248: the driver bound to that port ("atkbd"), empty when none is
};

static_assert(offsetof(BiosInformation, ps2KeyboardOnI8042) == 9, "flag offsets are an interface");
static_assert(offsetof(BiosInformation, ps2KeyboardOnSmbiosConnector) == 10, "flag offsets are an interface");
static_assert(offsetof(BiosInformation, ps2KeyboardOnAcpiDevice) == 13, "flag offsets are an interface");
static_assert(offsetof(BiosInformation, i8042KeyboardPort) == 224 && sizeof(BiosInformation) == 280,
              "the layout of version 2, as documented");

// Number formatting for texts shown to the user. Callers reach IndexToText through the table of
// virtual operations, at the slot after the eight formatting operations (slot 9, destructor 0).
class HWKIT_API NumberHandler {
public:
    virtual ~NumberHandler();
    virtual std::string FormatUnsigned(uint64_t value) const = 0;
    virtual std::string FormatSigned(int64_t value) const = 0;
    // Upper-case hexadecimal with "0x" and at least minimumDigits digits.
    virtual std::string FormatHex(uint64_t value, int minimumDigits) const = 0;
    virtual std::string FormatDecimal(double value, int decimals) const = 0;
    // A fraction 0..1 as a whole percentage, "42%".
    virtual std::string FormatPercent(double fraction) const = 0;
    // Bytes with binary units, "1.5 MiB".
    virtual std::string FormatByteSize(uint64_t bytes) const = 0;
    // Seconds as "1 h 02 min 03 s", "2.5 s" or "120 ms".
    virtual std::string FormatDuration(double seconds) const = 0;
    // Decimal digits only, no sign, no blanks; false on anything else or on overflow.
    virtual bool ParseUnsigned(const std::string& text, uint64_t& value) const = 0;
    // The text of a running index as the suite shows it in device lists.
    virtual std::string IndexToText(int32_t index) const = 0;
};

// A monotonic clock. Ticks are opaque to callers; ElapsedSeconds handles one wrap of the 32-bit
// tick, so intervals up to the wrap period are measured correctly.
class HWKIT_API Timer {
public:
    virtual ~Timer();
    virtual void Sleep(uint32_t milliseconds) = 0;
    virtual double ElapsedSeconds(uint32_t earlierTick, uint32_t laterTick) = 0;
    virtual uint32_t GetTick() = 0;
};

// Each returns an object owned by the library, valid for the life of the process.
HWKIT_API const BiosInformation* get_bios();
HWKIT_API NumberHandler* get_number_handler();
HWKIT_API Timer* get_timer();
// A directory private to this user for temporary files, or the empty text when none can be made.
HWKIT_API std::string get_temporary_path();

} // namespace hwkit
