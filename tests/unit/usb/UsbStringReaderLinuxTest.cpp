// Strings that sysfs lacks, asked of the keyboard of usb-empty-strings through usbdevfs as umockdev
// emulates it (control transfers answered here): which answers make an empty string and which leave
// it absent, and the USB keyboard test's verdict once the strings are known to be empty.
#include <gtest/gtest.h>

#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <umockdev.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "HostExecution.h"
#include "automatic/UsbKeyboardTest.h"
#include "components/KeyboardComponent.h"
#include "components/KeyboardPlatform.h"
#include "platform/linux/UsbComponentLinux.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The keyboard's language table and its answer to every string; how the module then lists it,
// "[<manufacturer> - <product>] <serial number>", and the USB keyboard test's result.
struct Row {
    const char* name;
    Bytes languages, string;
    std::string listed;
    uint32_t result;
    friend void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }
};
// Set before the walk that makes the requests, so umockdev's thread reads it unchanged.
const Row* g_row = nullptr;

// Strings come in the table's first language only, or in any when it names none (which the module
// must then not ask for). Anything but GET_DESCRIPTOR(STRING) with a timeout stalls, as does an
// empty answer: without a timeout a real transfer could wait for ever.
gboolean AnswerControl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer)
{
    UMockdevIoctlData* setup = umockdev_ioctl_client_get_request(client) != USBDEVFS_CONTROL ? nullptr
        : umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, sizeof(usbdevfs_ctrltransfer), nullptr);
    usbdevfs_ctrltransfer transfer{};
    std::memcpy(&transfer, setup != nullptr ? setup->data : Bytes(sizeof transfer).data(), sizeof transfer);
    const Bytes& table = g_row->languages;
    const bool inLanguage = table.size() < 4 || transfer.wIndex == (table[2] | table[3] << 8);
    const Bytes answer = (transfer.wValue & 0xFF) == 0 ? table : inLanguage ? g_row->string : Bytes{};
    const bool request = setup != nullptr && transfer.bRequestType == 0x80 && transfer.bRequest == 6
        && transfer.wValue >> 8 == 3 && transfer.timeout > 0 && transfer.timeout <= 5000;
    const std::size_t count = request ? std::min<std::size_t>(answer.size(), transfer.wLength) : 0;
    if (count > 0) {
        std::memcpy(umockdev_ioctl_data_resolve(setup, offsetof(usbdevfs_ctrltransfer, data), count, nullptr)->data,
                    answer.data(), count);
    }
    umockdev_ioctl_client_complete(client, count > 0 ? static_cast<glong>(count) : -1, count > 0 ? 0 : EPIPE);
    return TRUE;
}

class UsbStringReaderLinuxTest : public testing::TestWithParam<Row> {};

TEST_P(UsbStringReaderLinuxTest, AnswersDecideBetweenEmptyAndAbsent)
{
    // The testbed, made first, emulates /sys and /dev for as long as it lives.
    std::unique_ptr<UMockdevTestbed, void (*)(gpointer)> testbed(umockdev_testbed_new(), &g_object_unref);
    std::unique_ptr<UMockdevIoctlBase, void (*)(gpointer)> handler(umockdev_ioctl_base_new(), &g_object_unref);
    if (!umockdev_in_mock_environment()) {
        GTEST_SKIP() << "/sys and /dev are not emulated: umockdev's preload library is missing";
    }
    g_row = &GetParam();
    g_signal_connect(handler.get(), "handle-ioctl", G_CALLBACK(AnswerControl), nullptr);
    const char* const testbedFile = FIXTURES_FOLDER "/usb-empty-strings/usb-empty-strings.umockdev";
    ASSERT_TRUE(umockdev_testbed_add_from_file(testbed.get(), testbedFile, nullptr)
                && umockdev_testbed_attach_ioctl(testbed.get(), "/dev/bus/usb/001/002", handler.get(), nullptr));
    KeyboardPlatform platform;
    platform.createUsbComponent = [] { return std::make_unique<corvo::platform::UsbComponentLinux>(); };
    KeyboardComponent keyboard("0", platform);
    corvo::hosts::HostExecution execution(&keyboard, false, {});
    EXPECT_EQ(UsbKeyboardTest(ObjectId(10, 1, 2)).Run(&execution), GetParam().result);
    std::string listed;
    for (const UsbDevice* device : keyboard.GetUsbKeyboards()) {
        listed += "[" + device->GetManufacturer() + " - " + device->GetProduct() + "] " + device->GetSerialNumber();
    }
    EXPECT_EQ(listed, GetParam().listed);
}

// Both ids 0 and both strings empty fail the keyboard; with the strings absent it only warns. A
// device that does not answer at all is the testbed under umockdev-run (tests/integration).
const Bytes kEnglish{4, 3, 0x09, 0x04};
const Row kRows[] = {
    {"HeaderOnlyIsEmpty", kEnglish, {2, 3}, "[ - ] 0042", 1},
    {"FirstLanguageIsAsked", {6, 3, 7, 4, 9, 4}, {4, 3, 'A', 0}, "[A - A] 0042", 5},
    {"BytesPastTheLengthAreIgnored", kEnglish, {4, 3, 'A', 0, 'B', 0}, "[A - A] 0042", 5},
    {"LengthPastTheAnswer", kEnglish, {6, 3, 'A', 0}, "[- - -] 0042", 5},
    {"NoLanguage", {2, 3}, {2, 3}, "[- - -] 0042", 5},
    {"LanguageTableNotAString", {4, 1, 9, 4}, {2, 3}, "[- - -] 0042", 5},
    {"StringStalls", kEnglish, {}, "[- - -] 0042", 5},
};
INSTANTIATE_TEST_SUITE_P(Answers, UsbStringReaderLinuxTest, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

} // namespace
