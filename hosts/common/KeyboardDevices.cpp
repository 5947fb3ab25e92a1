// Pairs the module's keyboard entries with the kernel's USB keyboards and names them for people.
#include "KeyboardDevices.h"

#include <cstdio>
#include <cstdlib>

#include "MessageTranslator.h"

namespace corvo::hosts {

namespace {

std::optional<uint16_t> DecimalId(const std::string& text)
{
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (text.empty() || text[0] < '0' || text[0] > '9' || *end != '\0' || value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(value);
}

std::string Megabits(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

std::vector<KeyboardDevice> DescribeKeyboards(const std::vector<DeviceEntry>& devices,
                                              const std::vector<platform::UsbKeyboardPort>& ports)
{
    std::vector<bool> used(ports.size(), false);
    std::vector<KeyboardDevice> keyboards;
    for (const DeviceEntry& device : devices) {
        KeyboardDevice keyboard;
        keyboard.properties = device.properties;
        for (const auto& [key, value] : device.properties) {
            if (key == "INDEX") {
                keyboard.index = value;
            } else if (key == "PS2_KEYBOARD") {
                keyboard.kind = KeyboardDevice::Kind::Ps2;
            } else if (key == "USB_KEYBOARD") {
                keyboard.kind = KeyboardDevice::Kind::Usb;
                keyboard.name = value;
            } else if (key == "USB_KEYBOARD_VENDOR_ID") {
                keyboard.vendorId = DecimalId(value);
            } else if (key == "USB_KEYBOARD_PRODUCT_ID") {
                keyboard.productId = DecimalId(value);
            }
        }
        keyboard.title = MessageTranslator::Translate(device.name)
            + (keyboard.index.empty() ? "" : " " + keyboard.index);
        for (std::size_t candidate = 0; keyboard.kind == KeyboardDevice::Kind::Usb && candidate < ports.size();
             ++candidate) {
            if (!used[candidate] && keyboard.vendorId == ports[candidate].vendorId
                && keyboard.productId == ports[candidate].productId) {
                used[candidate] = true;
                keyboard.port = ports[candidate];
                break;
            }
        }
        keyboards.push_back(keyboard);
    }
    return keyboards;
}

std::string HexId(uint16_t id)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", id);
    return text;
}

std::string PortSummary(const platform::UsbKeyboardPort& port)
{
    // The kernel's name is what its log says ("usb 1-2: new full-speed USB device").
    std::string text = "bus " + std::to_string(port.bus) + " port " + (port.portPath.empty() ? "?" : port.portPath)
        + " (usb " + port.name + ")";
    if (port.speedMbits) {
        text += ", " + Megabits(*port.speedMbits) + " Mbit/s";
    }
    return text + ", driver " + (port.driver.empty() ? "none" : port.driver);
}

std::string KeyboardLabel(const KeyboardDevice& keyboard)
{
    switch (keyboard.kind) {
    case KeyboardDevice::Kind::Ps2:
        return keyboard.title + ": PS/2";
    case KeyboardDevice::Kind::Usb: {
        std::string label = keyboard.title + ": USB";
        if (keyboard.vendorId && keyboard.productId) {
            label += " " + HexId(*keyboard.vendorId) + ":" + HexId(*keyboard.productId);
        }
        label += keyboard.name.empty() ? "" : " " + keyboard.name;
        if (keyboard.port) {
            label += ", bus " + std::to_string(keyboard.port->bus) + " port " + keyboard.port->portPath;
        }
        return label;
    }
    case KeyboardDevice::Kind::Other:
        break;
    }
    return keyboard.title;
}

} // namespace corvo::hosts
