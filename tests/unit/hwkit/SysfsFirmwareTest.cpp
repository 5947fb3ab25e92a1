// The platform library on the file system: the sysfs reader, the firmware facts read through it, the temporary folder.
#include "FirmwareProbe.h"
#include "TemporaryDirectory.h"
#include "../../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using corvo::platform::FirmwareProbe;
using corvo::platform::SysfsReader;
using corvo::platform::TemporaryDirectory;
using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

TEST(SysfsReader, TextLosesItsLineEndsAndControlCharacters)
{
    const ScratchFolder tree;
    const SysfsReader reader(tree.Root());
    const std::pair<std::string, std::string> rows[] = {{"i8042 KBD port\n", "i8042 KBD port"}, {"PNP0303", "PNP0303"},
        {"15\n\n\n", "15"}, {"abc\r\n", "abc"}, {"", ""}, {"\n", ""}, {"  1.21.0   \n", "  1.21.0   "},
        {"a\tb\n", "a?b"}, {"a\nb\n", "a?b"}, {std::string("a\0b", 3), "a?b"}, {"\x1b[31mred\n", "?[31mred"},
        {"x\x7fy", "x?y"}, {"Gr\xc3\xb6\xc3\x9f" "e\n", "Gr\xc3\xb6\xc3\x9f" "e"}};
    for (const auto& [raw, expected] : rows) {
        tree.Add("attribute", raw);
        EXPECT_EQ(reader.ReadText("attribute"), expected) << testing::PrintToString(raw);
    }
    tree.Add("id", "SYN1b7f\nSYN1b00\nPNP0f13\n\n");
    tree.Add("tabbed", "a\tb\nc");
    EXPECT_EQ(reader.ReadLines("id"), (std::vector<std::string>{"SYN1b7f", "SYN1b00", "PNP0f13"}));
    EXPECT_EQ(reader.ReadLines("tabbed"), (std::vector<std::string>{"a?b", "c"}));
    tree.Add("fits", std::string(SysfsReader::kTextLimit, 'x'));
    tree.Add("too-long", std::string(SysfsReader::kTextLimit + 1, 'x'));
    EXPECT_EQ(reader.ReadText("fits").value_or("").size(), SysfsReader::kTextLimit);
    EXPECT_EQ(reader.ReadText("too-long"), std::nullopt);
    // Missing files and folders are no attributes.
    tree.Add("class/dmi/id/");
    for (const char* path : {"bus/pnp/devices/00:01/id", "class/dmi/id"}) {
        EXPECT_EQ(reader.ReadText(path), std::nullopt) << path;
        EXPECT_EQ(reader.ReadLines(path), std::nullopt) << path;
        EXPECT_EQ(reader.ReadBinary(path), std::nullopt) << path;
    }
}

TEST(SysfsReader, BinaryIsExactUntrimmedAndWithinItsInclusiveLimit)
{
    const ScratchFolder tree;
    const SysfsReader reader(tree.Root());
    std::string big(10000, '\0');  // more than one read buffer
    for (std::size_t index = 0; index < big.size(); ++index)
        big[index] = static_cast<char>(index * 7);
    for (const std::string& content : {std::string("\x12\x01\x00\x02\x0A\x00\x1F\x7F\x0A", 9), big}) {
        tree.Add("descriptors", content);
        EXPECT_EQ(reader.ReadBinary("descriptors"), Bytes(content.begin(), content.end())) << content.size();
    }
    EXPECT_EQ(reader.ReadBinary("descriptors", big.size()).value_or(Bytes()).size(), big.size());
    EXPECT_EQ(reader.ReadBinary("descriptors", big.size() - 1), std::nullopt);
}

TEST(SysfsReader, PathsFoldersAndLinks)
{
    EXPECT_EQ(SysfsReader().PathOf("bus/serio/devices"), "/sys/bus/serio/devices");
    EXPECT_EQ(SysfsReader("").Root(), "/sys");
    EXPECT_EQ(SysfsReader("/").PathOf("/bus"), "/bus");
    EXPECT_EQ(SysfsReader::Join("bus/serio/devices/", "/serio0"), "bus/serio/devices/serio0");
    EXPECT_EQ(SysfsReader::Join("", "serio0"), "serio0");
    EXPECT_EQ(SysfsReader::Join("/sys", ""), "/sys");

    const ScratchFolder first;
    const ScratchFolder tree;
    first.Add("class/dmi/id/bios_vendor", "First\n");
    tree.Add("class/dmi/id/bios_vendor", "Second\n");
    SysfsReader reader(first.Root());
    EXPECT_EQ(reader.ReadText("class/dmi/id/bios_vendor"), "First");
    reader.SetRoot(tree.Root() + "/");
    EXPECT_EQ(reader.Root(), tree.Root());
    EXPECT_EQ(reader.ReadText("/class/dmi/id/bios_vendor"), "Second");

    // Sorted whatever order the file system keeps: folders and files, made in reverse.
    std::vector<std::string> names;
    for (int index = 19; index >= 0; --index) {
        names.insert(names.begin(), "serio" + std::to_string(index));
        tree.Add("bus/serio/devices/" + names.front() + (index % 2 ? "/" : ""));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(reader.ListDirectory("bus/serio/devices"), names);
    EXPECT_TRUE(reader.ListDirectory("bus/usb/devices").empty());

    tree.Add("bus/serio/drivers/atkbd/");
    tree.Add("devices/serio0/driver", "->../../bus/serio/drivers/atkbd");
    tree.Add("devices/serio0/dangling", "->../../bus/serio/drivers/psmouse/");
    EXPECT_EQ(reader.LinkTargetName("devices/serio0/driver"), "atkbd");
    EXPECT_EQ(reader.LinkTargetName("devices/serio0/dangling"), "psmouse");
    EXPECT_EQ(reader.LinkTargetName("class/dmi/id/bios_vendor"), std::nullopt);
    EXPECT_EQ(reader.LinkTargetName("devices/serio0/missing"), std::nullopt);
    // Exists follows links: a dangling one does not exist.
    EXPECT_TRUE(reader.Exists("devices/serio0/driver") && reader.Exists("class/dmi/id/bios_vendor"));
    EXPECT_FALSE(reader.Exists("devices/serio0/dangling"));
    EXPECT_FALSE(reader.Exists("firmware/dmi"));
}

std::string Fixture(const std::string& machine)
{
    return std::string(HWKIT_FIXTURE_DIRECTORY) + "/" + machine + "/sys";
}

// Only a keyboard bound on the i8042 keyboard port sets bytes 9, 10 and 13: the empty desktop jack
// that every other source describes must not make the keyboard module run its PS/2 test.
TEST(FirmwareProbe, FixtureMachines)
{
    using Decision = hwkit::Ps2KeyboardDecision;
    const struct {
        const char* machine;
        uint8_t smbiosMajor, smbiosMinor;
        std::array<uint8_t, 8> flags;    // bytes 8..15: UEFI, kbd on i8042, on SMBIOS, aux, SMBIOS mouse, on ACPI, ACPI mouse
        std::array<uint8_t, 5> sources;  // bytes 224..228: kbd port, bound, SMBIOS kbd, ACPI kbd, SMBIOS readable
        Decision decision;
        const char *port, *driver, *vendor, *version, *releaseDate, *productName;
    } rows[] = {
        {"laptop-ps2-keyboard", 3, 3, {1, 1, 1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1}, Decision::KeyboardBound, "serio0", "atkbd",
         "Kestrel Firmware Inc.", "1.21.0", "03/14/2023", "Tern 14 Laptop"},
        {"desktop-empty-ps2-port", 3, 2, {1, 0, 0, 1, 1, 0, 1, 0}, {1, 0, 1, 1, 1}, Decision::PortWithoutKeyboard, "serio0",
         "", "Kestrel Firmware Inc.", "F20", "06/30/2022", "Heron Tower 7"},
        {"desktop-usb-only", 2, 8, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 1}, Decision::NoPort, "", "",
         "Kestrel Firmware Inc.", "F12", "11/02/2021", "Heron Tower 5"},
        {"smbios-truncated", 3, 0, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 1, 0, 1}, Decision::PortOnlyInFirmware, "", "",
         "Kestrel Firmware Inc.", "0.9b", "01/01/2019", "Unnamed Board"},
        {"no-such-machine", 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, Decision::NoPort, "", "", "", "", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.machine);
        const hwkit::BiosInformation record = FirmwareProbe(SysfsReader(Fixture(row.machine))).Read();
        const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
        EXPECT_EQ(std::vector<int>(bytes, bytes + 4),
                  (std::vector<int>{hwkit::kBiosInformationVersion, row.smbiosMajor, row.smbiosMinor, 0}));
        EXPECT_EQ(record.recordSize, sizeof(hwkit::BiosInformation));
        EXPECT_EQ(std::vector<uint8_t>(bytes + 8, bytes + 16), std::vector<uint8_t>(row.flags.begin(), row.flags.end()));
        EXPECT_EQ(std::vector<uint8_t>(bytes + 224, bytes + 229),
                  std::vector<uint8_t>(row.sources.begin(), row.sources.end()));
        EXPECT_EQ(bytes[229], static_cast<uint8_t>(row.decision));
        EXPECT_STREQ(record.i8042KeyboardPortName, row.port);
        EXPECT_STREQ(record.i8042KeyboardDriver, row.driver);
        EXPECT_STREQ(record.vendor, row.vendor);
        EXPECT_STREQ(record.version, row.version);
        EXPECT_STREQ(record.releaseDate, row.releaseDate);
        EXPECT_STREQ(record.productName, row.productName);
    }
    // The exported record is made once and stays put.
    EXPECT_EQ(hwkit::get_bios(), hwkit::get_bios());
}

TEST(FirmwareProbe, SmbiosFactsNeedTheTableNotTheEntryPoint)
{
    // Without root the table cannot be read; an entry point alone says nothing about connectors.
    const ScratchFolder tree;
    tree.Add("firmware/dmi/tables/smbios_entry_point", std::string("_SM3_\0\x18\x03\x03\0\x01\0", 12));
    FirmwareProbe::SmbiosFacts facts = FirmwareProbe(SysfsReader(tree.Root())).ReadSmbios();
    EXPECT_FALSE(facts.tableReadable || facts.keyboardConnector);
    EXPECT_EQ(facts.version.major + facts.version.minor, 0);

    const auto table = SysfsReader(Fixture("laptop-ps2-keyboard")).ReadBinary("firmware/dmi/tables/DMI");
    ASSERT_TRUE(table.has_value());
    const ScratchFolder tableOnly;
    tableOnly.Add("firmware/dmi/tables/DMI", std::string(table->begin(), table->end()));
    facts = FirmwareProbe(SysfsReader(tableOnly.Root())).ReadSmbios();
    EXPECT_TRUE(facts.tableReadable && facts.keyboardConnector && facts.mouseConnector);
    EXPECT_EQ(facts.version.major, 0);
}

TEST(FirmwareProbe, SerioPorts)
{
    const struct {
        const char *description, *driver, *firmwareId;  // nullptr: absent
        bool keyboardPort, auxPort, keyboardBound;
    } rows[] = {
        {"i8042 KBD port", "atkbd", "PNP: PNP0303", true, false, true},
        {"i8042 KBD port", nullptr, nullptr, true, false, false}, {"I8042 kbd Port", nullptr, nullptr, true, false, false},
        {"i8042 AUX port", "psmouse", nullptr, false, true, false},
        // Bound by hand, serio_raw asks the port nothing: no keyboard need be there.
        {"i8042 KBD port", "serio_raw", nullptr, true, false, false},
        // A description that names no port kind: the driver tells.
        {"i8042 port", "atkbd", nullptr, true, false, true}, {"i8042 port", "psmouse", nullptr, false, true, false},
        // No description: the firmware ids the i8042 driver matched the port with tell.
        {nullptr, nullptr, "PNP: PNP030b PNP0303", true, false, false},
        {nullptr, nullptr, "PNP: SYN1b7f PNP0f13", false, true, false},
        {nullptr, nullptr, "PNP0303", false, false, false}, {nullptr, nullptr, nullptr, false, false, false},
        // A port of another controller is no i8042 port, whichever driver it has.
        {"PS/2 port on another controller", "atkbd", nullptr, false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << (row.description ? row.description : "-") << " / "
                                        << (row.driver ? row.driver : "-") << " / " << (row.firmwareId ? row.firmwareId : "-"));
        const ScratchFolder tree;
        const std::string port = "devices/platform/i8042/serio0/";
        tree.Add(port);
        tree.Add("bus/serio/devices/serio0", "->../../../" + port);
        if (row.description != nullptr)
            tree.Add(port + "description", std::string(row.description) + "\n");
        if (row.firmwareId != nullptr)
            tree.Add(port + "firmware_id", std::string(row.firmwareId) + "\n");
        if (row.driver != nullptr) {
            tree.Add(std::string("bus/serio/drivers/") + row.driver + "/");
            tree.Add(port + "driver", std::string("->../../../../bus/serio/drivers/") + row.driver);
        }
        const SysfsReader reader(tree.Root());
        EXPECT_EQ(FirmwareProbe(reader).HasI8042KeyboardPort(), row.keyboardPort);
        EXPECT_EQ(FirmwareProbe(reader).HasI8042AuxPort(), row.auxPort);
        EXPECT_EQ(FirmwareProbe(reader).ReadI8042Keyboard().keyboardBound, row.keyboardBound);
    }
    // Of two keyboard ports, the one with a keyboard is reported, whichever comes first.
    const ScratchFolder tree;
    for (const char* name : {"serio0", "serio1"})
        tree.Add(std::string("bus/serio/devices/") + name + "/description", "i8042 KBD port\n");
    tree.Add("bus/serio/devices/serio1/driver", "->../../drivers/atkbd");
    const FirmwareProbe::I8042KeyboardFacts facts = FirmwareProbe(SysfsReader(tree.Root())).ReadI8042Keyboard();
    EXPECT_EQ(facts.port + " " + facts.driver, "serio1 atkbd");
}

TEST(FirmwareProbe, AcpiAndPnpDevices)
{
    const struct {
        const char *entry, *hardwareId, *modalias, *status;  // nullptr: absent (no status: no _STA method)
        bool keyboard, mouse;
    } rows[] = {
        {"PNP0303:00", "PNP0303", "acpi:PNP0303:", "15", true, false},
        {"PNP0303:00", "PNP0303", "acpi:PNP0303:", nullptr, true, false},
        {"PNP0303:00", "PNP0303", nullptr, "1", true, false},            // present, not functioning
        {"PNP0303:00", "PNP0303", nullptr, "14", false, false},          // enabled but the present bit clear
        {"KST0101:00", "KST0101", "acpi:KST0101:PNP030B:", "15", true, false},  // compatible id
        {"SYN1B7F:00", "SYN1B7F", "acpi:SYN1B7F:SYN1B00:SYN0002:PNP0F13:", "15", false, true},
        {"PNP0303:01", nullptr, nullptr, nullptr, true, false},  // the entry's name only
        {"KSTP0001:00", "KSTP0001", "acpi:KSTP0001:PNP0C50:", "15", false, false},  // I2C touch pad
        {"PNP0501:00", "PNP0501", "acpi:PNP0501:", "15", false, false},
        {"PNP0A08:00", "PNP0A08", "acpi:PNP0A08:PNP0A03:", "15", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.entry << " hid " << (row.hardwareId ? row.hardwareId : "-") << " status "
                                        << (row.status ? row.status : "-"));
        const ScratchFolder tree;
        const std::string device = std::string("bus/acpi/devices/") + row.entry + "/";
        tree.Add(device);
        for (const auto& [name, value] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"hid", row.hardwareId}, {"modalias", row.modalias}, {"status", row.status}})
            if (value != nullptr)
                tree.Add(device + name, std::string(value) + "\n");
        const SysfsReader reader(tree.Root());
        EXPECT_EQ(FirmwareProbe(reader).HasAcpiPs2Keyboard(), row.keyboard);
        EXPECT_EQ(FirmwareProbe(reader).HasAcpiPs2Mouse(), row.mouse);
    }
    // The PNP bus lists every id of a device, one a line.
    const ScratchFolder tree;
    tree.Add("bus/pnp/devices/00:04/id", "SYN1b7f\nSYN1b00\nSYN0002\nPNP0f13\n");
    tree.Add("bus/pnp/devices/00:05/id", "PNP0501\n");
    const SysfsReader reader(tree.Root());
    EXPECT_TRUE(FirmwareProbe(reader).HasAcpiPs2Mouse());
    EXPECT_FALSE(FirmwareProbe(reader).HasAcpiPs2Keyboard());
    tree.Add("bus/pnp/devices/00:03/id", "PNP0303\n");
    EXPECT_TRUE(FirmwareProbe(reader).HasAcpiPs2Keyboard());
}

TEST(FirmwareProbe, IdClassesAndCopiedText)
{
    for (const char* id : {"PNP0300", "PNP0304", "pnp030b", "PNP0320", "PNP0345", "CPQA0D7"})
        EXPECT_TRUE(FirmwareProbe::IsPs2KeyboardId(id) && !FirmwareProbe::IsPs2MouseId(id)) << id;
    for (const char* id : {"PNP0F13", "pnp0f03", "SYN0801"})
        EXPECT_TRUE(FirmwareProbe::IsPs2MouseId(id) && !FirmwareProbe::IsPs2KeyboardId(id)) << id;
    for (const char* id : {"PNP0307", "PNP0346", "PNP0F01", "PNP03030", "PNP030", ""})
        EXPECT_FALSE(FirmwareProbe::IsPs2KeyboardId(id) || FirmwareProbe::IsPs2MouseId(id)) << id;
    // Into a field of 8: cut at a character boundary, the rest NUL.
    const std::pair<std::string, std::string> texts[] = {{"", ""}, {"F12", "F12"}, {"1234567", "1234567"},
        {"12345678", "1234567"}, {"123456\xc3\xa9", "123456"}, {"12345\xc3\xa9", "12345\xc3\xa9"},
        {"12345\xe2\x82\xac", "12345"}};
    for (const auto& [text, expected] : texts) {
        char field[8];
        std::memset(field, 'Z', sizeof field);
        FirmwareProbe::CopyText(field, text);
        EXPECT_EQ(std::string(field, sizeof field), expected + std::string(sizeof field - expected.size(), '\0'));
    }
}

// Sets TMPDIR for one scope and puts the old value back.
struct TemporaryEnvironment {
    explicit TemporaryEnvironment(const char* value) { value ? ::setenv("TMPDIR", value, 1) : ::unsetenv("TMPDIR"); }
    ~TemporaryEnvironment() { previous.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", previous.c_str(), 1); }
    const std::string previous = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
};

mode_t ModeOf(const std::string& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0xFFFF;
}

std::string OwnFolder(const ScratchFolder& base)
{
    return base.Path("halvik-diagnostics-" + std::to_string(::geteuid()));
}

TEST(TemporaryDirectory, MadeOwnerOnlyWhateverTheUmaskThenReused)
{
    for (const auto& [value, expected] : std::initializer_list<std::pair<const char*, const char*>>{
             {"/var/tmp/custom", "/var/tmp/custom"}, {nullptr, "/tmp"}, {"", "/tmp"}, {"relative/tmp", "/tmp"}}) {
        const TemporaryEnvironment environment(value);
        EXPECT_EQ(TemporaryDirectory::BaseDirectory(), expected) << (value ? value : "unset");
    }
    EXPECT_EQ(TemporaryDirectory::PathFor("/tmp/", 1000), "/tmp/halvik-diagnostics-1000");
    EXPECT_EQ(TemporaryDirectory::PathFor("/", 7), "/halvik-diagnostics-7");

    const ScratchFolder base;
    const TemporaryEnvironment environment(base.Root().c_str());
    const mode_t previousMask = ::umask(0);
    const std::string path = hwkit::get_temporary_path();
    ::umask(previousMask);
    ASSERT_EQ(path, OwnFolder(base));
    EXPECT_EQ(ModeOf(path), 0700u);
    base.Add(path.substr(base.Root().size() + 1) + "/kept.svg", "<svg/>");
    EXPECT_EQ(TemporaryDirectory::Prepare(base.Root()), path);
    EXPECT_TRUE(fs::exists(path + "/kept.svg"));

    const ScratchFolder strict;
    const mode_t strictMask = ::umask(0277);
    EXPECT_EQ(TemporaryDirectory::Prepare(strict.Root()), OwnFolder(strict));
    ::umask(strictMask);
    EXPECT_EQ(ModeOf(OwnFolder(strict)), 0700u);
    EXPECT_EQ(TemporaryDirectory::Prepare(strict.Path("not-there")), "");
}

// Someone else may have made the folder first: anything but our own private folder is refused, and
// left exactly as found.
TEST(TemporaryDirectory, UnsafeFoldersAreRefusedAndNotRepaired)
{
    for (const std::string found : {"0755", "0770", "0701", "1777", "0500", "link", "dangling", "file", "foreign"}) {
        SCOPED_TRACE(found);
        const ScratchFolder base;
        const std::string path = OwnFolder(base);
        const std::string name = path.substr(base.Root().size() + 1);
        if (found == "link") {
            ASSERT_EQ(::mkdir(base.Path("elsewhere").c_str(), 0700), 0);
            base.Add(name, "->" + base.Path("elsewhere"));
        } else if (found == "dangling") {
            base.Add(name, "->" + base.Path("planted"));
        } else if (found == "file") {
            base.Add(name, "not a folder");
        } else if (found == "foreign" && ::geteuid() != 0) {
            GTEST_SKIP() << "needs root to give a folder to another user";
        } else {
            ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
            if (found == "foreign")
                ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
            else
                ASSERT_EQ(::chmod(path.c_str(), std::stoi(found, nullptr, 8)), 0);
        }
        const mode_t before = ModeOf(path);
        EXPECT_EQ(TemporaryDirectory::Prepare(base.Root()), "");
        EXPECT_EQ(ModeOf(path), before) << "what was found is still there, unchanged";
        EXPECT_FALSE(fs::exists(base.Path("planted"))) << "a dangling link was followed";
    }
}

} // namespace
