// Gathers the firmware record's facts from the kernel's view of the machine.
#include "FirmwareProbe.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace corvo::platform {

namespace {

// Ids of the keyboard controller class from Microsoft's "Plug and Play ID - PNP0xxx" list
// (PNP0300..PNP030B, PNP0320 and the Korean PNP0343..PNP0345 layouts), plus CPQA0D7, a Compaq
// keyboard controller id that firmware declares without a standard compatible id. This is the
// set the Linux i8042 driver claims as a keyboard port, so "ACPI says PS/2 keyboard" here means
// the same as it does to the kernel.
constexpr std::array<std::string_view, 15> kPs2KeyboardIds = {
    "PNP0300", "PNP0301", "PNP0302", "PNP0303", "PNP0304", "PNP0305", "PNP0306", "PNP0309",
    "PNP030A", "PNP030B", "PNP0320", "PNP0343", "PNP0344", "PNP0345", "CPQA0D7",
};

// PS/2-style pointing devices from the same list (PNP0F03, PNP0F0B, PNP0F0E, PNP0F12, PNP0F13,
// PNP0F19, PNP0F1C), plus the vendor ids the Linux i8042 driver also claims for its aux port:
// AUI0200, FJC6000 and FJC6001 (Fujitsu touch pads) and SYN0801 (Synaptics). Most vendor touch pad
// ids need no entry: firmware lists PNP0F13 among their compatible ids, which are matched too.
constexpr std::array<std::string_view, 11> kPs2MouseIds = {
    "PNP0F03", "PNP0F0B", "PNP0F0E", "PNP0F12", "PNP0F13", "PNP0F19",
    "PNP0F1C", "AUI0200", "FJC6000", "FJC6001", "SYN0801",
};

// Serio drivers that bind to the i8042 keyboard port only once a keyboard has answered: the AT
// keyboard driver asks the keyboard for its id (GETID) and, when an old keyboard has none, to set
// its LEDs, and gives up on the port when neither is acknowledged. serio_raw, which an administrator
// can bind to the port by hand, asks nothing and proves nothing.
constexpr std::array<std::string_view, 1> kKeyboardDrivers = {"atkbd"};

// ACPI _STA bit 0: the device is present. A board that declares a PS/2 keyboard device and
// reports it absent (common on desktops without the jack populated) has no PS/2 keyboard.
constexpr unsigned long kAcpiStatusPresent = 0x1;

bool EqualsIgnoringCase(std::string_view left, std::string_view right)
{
    return left.size() == right.size() &&
           std::equal(left.begin(), left.end(), right.begin(), [](unsigned char a, unsigned char b) {
               return std::toupper(a) == std::toupper(b);
           });
}

template <std::size_t Count>
bool ContainsId(const std::array<std::string_view, Count>& ids, std::string_view id)
{
    return std::any_of(ids.begin(), ids.end(),
                       [&](std::string_view known) { return EqualsIgnoringCase(known, id); });
}

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    return text;
}

bool Contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

// Splits at any of the separators and drops empty pieces.
std::vector<std::string> Split(std::string_view text, std::string_view separators)
{
    std::vector<std::string> pieces;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(separators);
        if (end != 0) {
            pieces.emplace_back(text.substr(0, end));
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return pieces;
}

std::string TrimmedRight(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

bool AnyId(const std::vector<std::string>& ids, bool (*matches)(std::string_view))
{
    return std::any_of(ids.begin(), ids.end(), [matches](const std::string& id) { return matches(id); });
}

constexpr std::string_view kSerioDevices = "bus/serio/devices";
constexpr std::string_view kAcpiDevices = "bus/acpi/devices";
constexpr std::string_view kPnpDevices = "bus/pnp/devices";
constexpr std::string_view kDmiTable = "firmware/dmi/tables/DMI";
constexpr std::string_view kDmiEntryPoint = "firmware/dmi/tables/smbios_entry_point";
constexpr std::string_view kEfiFolder = "firmware/efi";
constexpr std::string_view kDmiIdentityFolder = "class/dmi/id";
// A 64-bit entry point is 24 bytes, the 32-bit one 31; anything beyond a page is not one.
constexpr std::size_t kEntryPointLimit = 4096;

} // namespace

bool FirmwareProbe::IsPs2KeyboardId(std::string_view id)
{
    return ContainsId(kPs2KeyboardIds, id);
}

bool FirmwareProbe::IsPs2MouseId(std::string_view id)
{
    return ContainsId(kPs2MouseIds, id);
}

bool FirmwareProbe::IsKeyboardDriver(std::string_view driver)
{
    return std::find(kKeyboardDrivers.begin(), kKeyboardDrivers.end(), driver) != kKeyboardDrivers.end();
}

::hwkit::Ps2KeyboardDecision FirmwareProbe::DecidePs2Keyboard(const I8042KeyboardFacts& i8042, bool smbiosConnector,
                                                              bool acpiKeyboard)
{
    using ::hwkit::Ps2KeyboardDecision;
    if (i8042.keyboardBound) {
        return Ps2KeyboardDecision::KeyboardBound;
    }
    if (!i8042.port.empty()) {
        return Ps2KeyboardDecision::PortWithoutKeyboard;
    }
    return smbiosConnector || acpiKeyboard ? Ps2KeyboardDecision::PortOnlyInFirmware : Ps2KeyboardDecision::NoPort;
}

bool FirmwareProbe::FirmwareIsUefi() const
{
    // The kernel creates this folder only when it was started through UEFI boot services.
    return reader_.Exists(kEfiFolder);
}

FirmwareProbe::SerioPortKind FirmwareProbe::ClassifySerioPort(const std::string& name) const
{
    const std::string port = SysfsReader::Join(kSerioDevices, name);
    // The i8042 driver names its ports "i8042 KBD port", "i8042 AUX port" and, with an active
    // multiplexer, "i8042 AUX0 port".."i8042 AUX3 port". Ports of other controllers and pass-through
    // ports of touch pads carry other descriptions and are not i8042 ports.
    const std::string description = Lowered(reader_.ReadText(SysfsReader::Join(port, "description")).value_or(""));
    if (Contains(description, "i8042")) {
        if (Contains(description, "kbd")) {
            return SerioPortKind::Keyboard;
        }
        if (Contains(description, "aux")) {
            return SerioPortKind::Aux;
        }
        // A description that names no port kind: the bound driver tells which one it is.
        const std::string driver = reader_.LinkTargetName(SysfsReader::Join(port, "driver")).value_or("");
        if (driver == "atkbd") {
            return SerioPortKind::Keyboard;
        }
        if (driver == "psmouse") {
            return SerioPortKind::Aux;
        }
    }
    // The i8042 driver also records the firmware ids it matched a port with ("PNP: PNP0303
    // PNP030b"); that is evidence of an i8042 port even when the description is unreadable.
    const std::optional<std::string> firmwareId = reader_.ReadText(SysfsReader::Join(port, "firmware_id"));
    if (firmwareId && firmwareId->rfind("PNP:", 0) == 0) {
        const std::vector<std::string> ids = Split(firmwareId->substr(4), " ");
        if (AnyId(ids, IsPs2KeyboardId)) {
            return SerioPortKind::Keyboard;
        }
        if (AnyId(ids, IsPs2MouseId)) {
            return SerioPortKind::Aux;
        }
    }
    return SerioPortKind::None;
}

bool FirmwareProbe::HasSerioPort(SerioPortKind kind) const
{
    const std::vector<std::string> ports = reader_.ListDirectory(kSerioDevices);
    return std::any_of(ports.begin(), ports.end(),
                       [&](const std::string& name) { return ClassifySerioPort(name) == kind; });
}

bool FirmwareProbe::HasI8042KeyboardPort() const
{
    return HasSerioPort(SerioPortKind::Keyboard);
}

bool FirmwareProbe::HasI8042AuxPort() const
{
    return HasSerioPort(SerioPortKind::Aux);
}

FirmwareProbe::I8042KeyboardFacts FirmwareProbe::ReadI8042Keyboard() const
{
    I8042KeyboardFacts facts;
    for (const std::string& name : reader_.ListDirectory(kSerioDevices)) {
        if (ClassifySerioPort(name) != SerioPortKind::Keyboard) {
            continue;
        }
        const std::string driver =
            reader_.LinkTargetName(SysfsReader::Join(SysfsReader::Join(kSerioDevices, name), "driver")).value_or("");
        if (facts.port.empty() || IsKeyboardDriver(driver)) {
            facts = {name, driver, IsKeyboardDriver(driver)};
        }
        if (facts.keyboardBound) {
            break;
        }
    }
    return facts;
}

std::vector<std::string> FirmwareProbe::PresentDeviceIds() const
{
    std::vector<std::string> ids;

    // ACPI namespace devices: the hardware id, and the compatible ids that only the modalias
    // shows ("acpi:SYN1B7F:SYN1B00:SYN0002:PNP0F13:"), so vendor ids with a standard compatible
    // id count as well.
    for (const std::string& name : reader_.ListDirectory(kAcpiDevices)) {
        const std::string device = SysfsReader::Join(kAcpiDevices, name);
        if (const std::optional<std::string> status = reader_.ReadText(SysfsReader::Join(device, "status"))) {
            char* end = nullptr;
            const unsigned long value = std::strtoul(status->c_str(), &end, 0);
            if (end != status->c_str() && (value & kAcpiStatusPresent) == 0) {
                continue;
            }
        }
        if (const std::optional<std::string> hardwareId = reader_.ReadText(SysfsReader::Join(device, "hid"))) {
            ids.push_back(*hardwareId);
        }
        if (const std::optional<std::string> modalias = reader_.ReadText(SysfsReader::Join(device, "modalias"));
            modalias && modalias->rfind("acpi:", 0) == 0) {
            const std::vector<std::string> aliasIds = Split(std::string_view(*modalias).substr(5), ":");
            ids.insert(ids.end(), aliasIds.begin(), aliasIds.end());
        }
        // The entry's own name is "<hardware id>:<instance>", for trees without the attributes.
        ids.push_back(name.substr(0, name.find(':')));
    }

    // The PNP bus lists every id of a device, one a line, whether it came from ACPI or PNPBIOS.
    for (const std::string& name : reader_.ListDirectory(kPnpDevices)) {
        if (const std::optional<std::vector<std::string>> deviceIds =
                reader_.ReadLines(SysfsReader::Join(SysfsReader::Join(kPnpDevices, name), "id"))) {
            ids.insert(ids.end(), deviceIds->begin(), deviceIds->end());
        }
    }
    return ids;
}

bool FirmwareProbe::HasAcpiPs2Keyboard() const
{
    return AnyId(PresentDeviceIds(), IsPs2KeyboardId);
}

bool FirmwareProbe::HasAcpiPs2Mouse() const
{
    return AnyId(PresentDeviceIds(), IsPs2MouseId);
}

FirmwareProbe::SmbiosFacts FirmwareProbe::ReadSmbios() const
{
    SmbiosFacts facts;
    // Root-only on a real machine: an ordinary user gets no table and no SMBIOS facts.
    const std::optional<std::vector<uint8_t>> table = reader_.ReadBinary(kDmiTable);
    if (!table) {
        return facts;
    }
    facts.tableReadable = true;
    if (const std::optional<std::vector<uint8_t>> entryPoint = reader_.ReadBinary(kDmiEntryPoint, kEntryPointLimit)) {
        facts.version = SmbiosTable::EntryPointVersion(*entryPoint).value_or(SmbiosVersion{});
    }
    // Whatever came before a broken structure is still the firmware's word and is used.
    const SmbiosParseResult parsed = SmbiosTable::Parse(*table);
    for (const SmbiosStructure& structure : parsed.structures) {
        const Ps2PortConnector port = ClassifyPortConnector(structure);
        facts.keyboardConnector = facts.keyboardConnector || port.keyboard;
        facts.mouseConnector = facts.mouseConnector || port.mouse;
    }
    return facts;
}

std::string FirmwareProbe::DmiIdentity(std::string_view attribute) const
{
    // Firmware pads these fields with blanks to a fixed width.
    return TrimmedRight(reader_.ReadText(SysfsReader::Join(kDmiIdentityFolder, attribute)).value_or(""));
}

void FirmwareProbe::CopyText(char* field, std::size_t size, const std::string& text)
{
    if (size == 0) {
        return;
    }
    std::size_t length = std::min(text.size(), size - 1);
    // Never leave half of a UTF-8 sequence behind: back up over continuation bytes, then over the
    // lead byte whose sequence they belonged to.
    if (length < text.size()) {
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
            --length;
        }
    }
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, size - length);
}

::hwkit::BiosInformation FirmwareProbe::Read() const
{
    ::hwkit::BiosInformation record{};
    record.recordVersion = ::hwkit::kBiosInformationVersion;
    record.recordSize = sizeof(record);

    const SmbiosFacts smbios = ReadSmbios();
    record.smbiosMajor = smbios.version.major;
    record.smbiosMinor = smbios.version.minor;
    record.smbiosTableReadable = smbios.tableReadable ? 1 : 0;
    record.firmwareIsUefi = FirmwareIsUefi() ? 1 : 0;
    record.i8042AuxPort = HasI8042AuxPort() ? 1 : 0;
    record.smbiosMouseConnector = smbios.mouseConnector ? 1 : 0;
    // One walk of the ACPI and PNP buses serves both devices; a laptop has hundreds of entries.
    const std::vector<std::string> ids = PresentDeviceIds();
    const bool acpiKeyboard = AnyId(ids, IsPs2KeyboardId);
    record.acpiPs2Mouse = AnyId(ids, IsPs2MouseId) ? 1 : 0;

    const I8042KeyboardFacts i8042 = ReadI8042Keyboard();
    record.i8042KeyboardPort = i8042.port.empty() ? 0 : 1;
    record.i8042KeyboardBound = i8042.keyboardBound ? 1 : 0;
    record.smbiosKeyboardConnector = smbios.keyboardConnector ? 1 : 0;
    record.acpiPs2Keyboard = acpiKeyboard ? 1 : 0;
    CopyText(record.i8042KeyboardPortName, i8042.port);
    CopyText(record.i8042KeyboardDriver, i8042.driver);
    record.ps2KeyboardDecision = static_cast<uint8_t>(DecidePs2Keyboard(i8042, smbios.keyboardConnector, acpiKeyboard));
    // Whoever reads any of the three flags as "run the PS/2 test" must get the bound keyboard's
    // answer: a connector or a device alone describes an empty jack as well as a used one.
    record.ps2KeyboardOnI8042 = i8042.keyboardBound ? 1 : 0;
    record.ps2KeyboardOnSmbiosConnector = i8042.keyboardBound && smbios.keyboardConnector ? 1 : 0;
    record.ps2KeyboardOnAcpiDevice = i8042.keyboardBound && acpiKeyboard ? 1 : 0;

    CopyText(record.vendor, DmiIdentity("bios_vendor"));
    CopyText(record.version, DmiIdentity("bios_version"));
    CopyText(record.releaseDate, DmiIdentity("bios_date"));
    CopyText(record.productName, DmiIdentity("product_name"));
    return record;
}

} // namespace corvo::platform
