// hwkit-info: prints what the platform library reports about this machine, for technicians and tests.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/Ps2KeyboardEvidence.h"
#include "platform/hwkit.h"

namespace {

struct FlagDescription {
    std::size_t offset;
    const char* name;
    const char* meaning;
};

// Read by byte offset, the way the keyboard module reads the record.
constexpr std::array<FlagDescription, 7> kFlags = {{
    {8, "firmware is UEFI", "the machine booted through UEFI (the kernel shows the EFI firmware folder)"},
    {9, "PS/2 keyboard on i8042", "a keyboard answered on the i8042 keyboard port (its keyboard driver is bound)"},
    {10, "PS/2 keyboard on SMBIOS connector", "byte 9, and the SMBIOS port connector table lists a PS/2 keyboard port"},
    {11, "i8042 aux port", "the kernel found an i8042 auxiliary port for a pointing device"},
    {12, "SMBIOS mouse connector", "the SMBIOS port connector table lists a PS/2 mouse port (needs root to read)"},
    {13, "PS/2 keyboard on ACPI device", "byte 9, and ACPI or PNP describes a present PS/2-class keyboard"},
    {14, "ACPI PS/2 mouse", "ACPI or PNP describes a present PS/2-class pointing device (PNP0F13 and kin)"},
}};

// The three bytes whose being set means "a PS/2 keyboard is present": the keyboard module then
// runs its PS/2 test.
constexpr std::array<std::size_t, 3> kKeyboardPathFlags = {10, 9, 13};

std::string OrUnknown(const char* field, std::size_t size)
{
    const std::size_t length = ::strnlen(field, size);
    return length == 0 ? std::string("(unknown)") : std::string(field, length);
}

std::string Field(const char* field, std::size_t size)
{
    return std::string(field, ::strnlen(field, size));
}

// The verdict the keyboard module acts on, then every source behind it.
void PrintPs2Keyboard(const hwkit::BiosInformation& record, bool present)
{
    // A library older than the sources' fields hands out a shorter record: read none of them.
    const bool hasSources = corvo::platform::RecordsPs2KeyboardSources(record);
    const auto* decision = corvo::platform::FindPs2KeyboardEvidence(hasSources ? record.ps2KeyboardDecision : 0);
    std::printf("\nPS/2 keyboard: %s — %s\n", present ? "present" : "not present",
                decision != nullptr ? decision->why : "the platform library gave a reason this tool does not know");
    std::printf("  (the keyboard module runs its PS/2 test when any of bytes 9, 10, 13 is set)\n");
    if (!hasSources) {
        return;
    }

    std::string port = "not found: the kernel shows no i8042 keyboard port";
    if (record.i8042KeyboardPort != 0) {
        port = "found (" + Field(record.i8042KeyboardPortName, sizeof record.i8042KeyboardPortName) + ")";
    }
    const std::string driver = Field(record.i8042KeyboardDriver, sizeof record.i8042KeyboardDriver);
    std::string bound = "none bound: no keyboard answered the kernel's probe";
    if (record.i8042KeyboardBound != 0) {
        bound = driver + ", the keyboard driver: a keyboard answered the kernel's probe";
    } else if (!driver.empty()) {
        bound = driver + ", not a keyboard driver: it proves no keyboard is there";
    }
    const char* connector = "not listed";
    if (record.smbiosTableReadable == 0) {
        connector = "unknown: the SMBIOS table is not readable (run as root)";
    } else if (record.smbiosKeyboardConnector != 0) {
        connector = "listed (a port, whether or not a keyboard is plugged in)";
    }
    const char* device = record.acpiPs2Keyboard != 0 ? "present (a port, whether or not a keyboard is plugged in)"
                                                     : "none described, or reported absent";

    std::printf("  i8042 keyboard port        %s\n", port.c_str());
    if (record.i8042KeyboardPort != 0) {
        std::printf("  driver on that port        %s\n", bound.c_str());
    }
    std::printf("  SMBIOS keyboard connector  %s\n", connector);
    std::printf("  ACPI PS/2 keyboard device  %s\n", device);
    std::printf("  decided by                 %s\n", decision != nullptr ? decision->decidedBy : "an unknown source");
}

void PrintUsage(std::FILE* stream)
{
    std::fputs("usage: hwkit-info\n"
               "Prints the firmware facts, flag by flag, whether a PS/2 keyboard is present and on\n"
               "what evidence, and the private temporary folder that the platform library reports for\n"
               "this machine. Run as root to include the SMBIOS facts.\n",
               stream);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        PrintUsage(help ? stdout : stderr);
        return help ? 0 : 2;
    }

    const hwkit::BiosInformation* record = hwkit::get_bios();
    const auto* bytes = reinterpret_cast<const unsigned char*>(record);

    std::printf("record version     %u\n", record->recordVersion);
    std::printf("record size        %u bytes\n", static_cast<unsigned>(record->recordSize));
    if (record->smbiosMajor == 0) {
        std::printf("SMBIOS version     0.0 (no SMBIOS table was readable)\n");
    } else {
        std::printf("SMBIOS version     %u.%u\n", record->smbiosMajor, record->smbiosMinor);
    }
    std::printf("\nbyte  value  fact\n");
    for (const FlagDescription& flag : kFlags) {
        std::printf("%4zu  %5u  %s: %s\n", flag.offset, bytes[flag.offset], flag.name, flag.meaning);
    }
    bool present = false;
    for (const std::size_t offset : kKeyboardPathFlags) {
        present = present || bytes[offset] != 0;
    }
    PrintPs2Keyboard(*record, present);
    std::printf("\nfirmware vendor    %s\n", OrUnknown(record->vendor, sizeof record->vendor).c_str());
    std::printf("firmware version   %s\n", OrUnknown(record->version, sizeof record->version).c_str());
    std::printf("release date       %s\n", OrUnknown(record->releaseDate, sizeof record->releaseDate).c_str());
    std::printf("product name       %s\n", OrUnknown(record->productName, sizeof record->productName).c_str());

    const std::string temporaryPath = hwkit::get_temporary_path();
    std::printf("\ntemporary path     %s\n",
                temporaryPath.empty() ? "(none: no private folder could be made or trusted)" : temporaryPath.c_str());
    return 0;
}
