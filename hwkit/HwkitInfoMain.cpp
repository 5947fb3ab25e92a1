// hwkit-info: prints what the platform library reports about this machine, for technicians and tests.
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

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
    {9, "i8042 keyboard port", "the kernel found an i8042 controller with a keyboard port (serio \"i8042 KBD port\")"},
    {10, "SMBIOS keyboard connector", "the SMBIOS port connector table lists a PS/2 keyboard port (needs root to read)"},
    {11, "i8042 aux port", "the kernel found an i8042 auxiliary port for a pointing device"},
    {12, "SMBIOS mouse connector", "the SMBIOS port connector table lists a PS/2 mouse port (needs root to read)"},
    {13, "ACPI PS/2 keyboard", "ACPI or PNP describes a present PS/2-class keyboard (PNP0300..PNP0345 family)"},
    {14, "ACPI PS/2 mouse", "ACPI or PNP describes a present PS/2-class pointing device (PNP0F13 and kin)"},
}};

// The three bytes whose being set means "the firmware reports a PS/2 keyboard path".
constexpr std::array<std::size_t, 3> kKeyboardPathFlags = {10, 9, 13};

std::string OrUnknown(const char* field, std::size_t size)
{
    const std::size_t length = ::strnlen(field, size);
    return length == 0 ? std::string("(unknown)") : std::string(field, length);
}

void PrintUsage(std::FILE* stream)
{
    std::fputs("usage: hwkit-info\n"
               "Prints the firmware facts, flag by flag, and the private temporary folder that the\n"
               "platform library reports for this machine. Run as root to include the SMBIOS facts.\n",
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
    bool keyboardPath = false;
    for (const std::size_t offset : kKeyboardPathFlags) {
        keyboardPath = keyboardPath || bytes[offset] != 0;
    }
    std::printf("PS/2 keyboard path reported: %s (any of bytes 9, 10, 13 set)\n", keyboardPath ? "yes" : "no");

    std::printf("\nfirmware vendor    %s\n", OrUnknown(record->vendor, sizeof record->vendor).c_str());
    std::printf("firmware version   %s\n", OrUnknown(record->version, sizeof record->version).c_str());
    std::printf("release date       %s\n", OrUnknown(record->releaseDate, sizeof record->releaseDate).c_str());
    std::printf("product name       %s\n", OrUnknown(record->productName, sizeof record->productName).c_str());

    const std::string temporaryPath = hwkit::get_temporary_path();
    std::printf("\ntemporary path     %s\n",
                temporaryPath.empty() ? "(none: no private folder could be made or trusted)" : temporaryPath.c_str());
    return 0;
}
