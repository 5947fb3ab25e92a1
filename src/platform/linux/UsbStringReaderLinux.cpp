// Reads string descriptors from a USB device with usbdevfs control transfers.
#include "platform/linux/UsbStringReaderLinux.h"

#include <fcntl.h>
#include <linux/usb/ch9.h>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <set>
#include <utility>

#include "platform/linux/SysfsReader.h"
#include "usb/UsbDescriptorParser.h"

namespace corvo::platform {

namespace {

// USB 2.0 section 9.6.7: string descriptor 0 lists the language ids the device has strings in.
constexpr uint8_t kLanguageTableIndex = 0;
constexpr std::size_t kFirstLanguageEnd = 4;

class DeviceNode {
public:
    // Read-write: usbfs refuses every request on a node opened read-only.
    explicit DeviceNode(const std::string& path) : m_descriptor(::open(path.c_str(), O_RDWR | O_CLOEXEC)) {}
    ~DeviceNode()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
    }
    DeviceNode(const DeviceNode&) = delete;
    DeviceNode& operator=(const DeviceNode&) = delete;

    bool IsOpen() const { return m_descriptor >= 0; }

    // GET_DESCRIPTOR(STRING) (USB 2.0 section 9.4.3): the bytes the device sent, or empty when the
    // transfer failed (stalled, timed out, device gone, request refused).
    std::optional<std::vector<uint8_t>> RequestString(uint8_t index, uint16_t language) const
    {
        std::array<uint8_t, UsbStringReaderLinux::kRequestLength> buffer{};
        usbdevfs_ctrltransfer transfer{};
        transfer.bRequestType = USB_DIR_IN | USB_TYPE_STANDARD | USB_RECIP_DEVICE;
        transfer.bRequest = USB_REQ_GET_DESCRIPTOR;
        transfer.wValue = static_cast<uint16_t>((USB_DT_STRING << 8) | index);
        transfer.wIndex = language;
        transfer.wLength = static_cast<uint16_t>(buffer.size());
        // Without one, usbfs waits for the device for ever.
        transfer.timeout = UsbStringReaderLinux::kTimeoutMilliseconds;
        transfer.data = buffer.data();
        const int count = ::ioctl(m_descriptor, USBDEVFS_CONTROL, &transfer);
        if (count < 0) {
            return std::nullopt;
        }
        return std::vector<uint8_t>(buffer.begin(),
                                    buffer.begin() + std::min(static_cast<std::size_t>(count), buffer.size()));
    }

private:
    int m_descriptor;
};

// The string descriptor in an answer, decoded: bLength must not claim more than came. What follows
// bLength is ignored, as the kernel ignores it; the decoder checks the type and that bLength is even.
std::optional<std::string> TextIn(const std::optional<std::vector<uint8_t>>& answer)
{
    if (!answer || answer->size() < 2 || (*answer)[0] > answer->size()) {
        return std::nullopt;
    }
    return UsbDescriptorParser::DecodeStringDescriptor(answer->data(), (*answer)[0]);
}

} // namespace

UsbStringReaderLinux::UsbStringReaderLinux(std::string deviceRoot) : m_deviceRoot(std::move(deviceRoot)) {}

std::map<uint8_t, std::string> UsbStringReaderLinux::ReadStrings(uint32_t busNumber, uint32_t deviceNumber,
                                                                 const std::vector<uint8_t>& indices) const
{
    std::map<uint8_t, std::string> strings;
    std::set<uint8_t> wanted(indices.begin(), indices.end());
    wanted.erase(kLanguageTableIndex);
    if (wanted.empty()) {
        return strings;
    }
    // The name the kernel gives every usbfs node (usb_devnode: "bus/usb/%03d/%03d").
    char node[40];
    std::snprintf(node, sizeof node, "/bus/usb/%03u/%03u", busNumber, deviceNumber);
    const DeviceNode device(m_deviceRoot + node);
    if (!device.IsOpen()) {
        return strings;
    }
    const std::optional<std::vector<uint8_t>> table = device.RequestString(kLanguageTableIndex, 0);
    // A table without a language leaves nothing to ask in; the kernel gives up there too.
    if (!TextIn(table) || (*table)[0] < kFirstLanguageEnd) {
        return strings;
    }
    const auto language = static_cast<uint16_t>((*table)[2] | ((*table)[3] << 8));
    for (const uint8_t index : wanted) {
        const std::optional<std::vector<uint8_t>> answer = device.RequestString(index, language);
        if (!answer) {
            break;
        }
        if (const std::optional<std::string> text = TextIn(answer)) {
            strings.emplace(index, SysfsReader::CleanText(*text));
        }
    }
    return strings;
}

} // namespace corvo::platform
