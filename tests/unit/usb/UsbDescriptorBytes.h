// Builds raw USB descriptors byte by byte, for parser cases and for sysfs fixture trees.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace usb_test {

using Bytes = std::vector<uint8_t>;

struct DeviceFields {
    uint16_t usbVersion = 0x0200;
    uint8_t deviceClass = 0;
    uint8_t deviceSubclass = 0;
    uint8_t deviceProtocol = 0;
    uint8_t maxPacketSize0 = 8;
    uint16_t vendorId = 0x1234;
    uint16_t productId = 0x5678;
    uint16_t deviceVersion = 0x0110;
    uint8_t manufacturerIndex = 1;
    uint8_t productIndex = 2;
    uint8_t serialNumberIndex = 0;
    uint8_t configurationCount = 1;
};

inline void AppendLittleEndian16(Bytes& bytes, uint16_t value)
{
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

inline Bytes DeviceDescriptor(const DeviceFields& fields = {})
{
    Bytes bytes{18, 0x01};
    AppendLittleEndian16(bytes, fields.usbVersion);
    bytes.push_back(fields.deviceClass);
    bytes.push_back(fields.deviceSubclass);
    bytes.push_back(fields.deviceProtocol);
    bytes.push_back(fields.maxPacketSize0);
    AppendLittleEndian16(bytes, fields.vendorId);
    AppendLittleEndian16(bytes, fields.productId);
    AppendLittleEndian16(bytes, fields.deviceVersion);
    bytes.push_back(fields.manufacturerIndex);
    bytes.push_back(fields.productIndex);
    bytes.push_back(fields.serialNumberIndex);
    bytes.push_back(fields.configurationCount);
    return bytes;
}

inline Bytes InterfaceDescriptor(uint8_t number, uint8_t interfaceClass, uint8_t subclass, uint8_t protocol,
                                 uint8_t alternateSetting = 0, uint8_t endpoints = 1)
{
    return Bytes{9, 0x04, number, alternateSetting, endpoints, interfaceClass, subclass, protocol, 0};
}

inline Bytes EndpointDescriptor(uint8_t address, uint16_t maxPacketSize = 8, uint8_t interval = 10)
{
    Bytes bytes{7, 0x05, address, 0x03};
    AppendLittleEndian16(bytes, maxPacketSize);
    bytes.push_back(interval);
    return bytes;
}

// HID 1.11 section 6.2.1: the class descriptor that follows a HID interface.
inline Bytes HidDescriptor(uint16_t reportLength = 63)
{
    Bytes bytes{9, 0x21, 0x11, 0x01, 0x00, 0x01, 0x22};
    AppendLittleEndian16(bytes, reportLength);
    return bytes;
}

// A configuration descriptor in front of `body`, wTotalLength counted unless one is forced.
inline Bytes Configuration(uint8_t value, const Bytes& body, int forcedTotalLength = -1)
{
    Bytes bytes{9, 0x02};
    const auto total = static_cast<uint16_t>(forcedTotalLength >= 0 ? forcedTotalLength : 9 + body.size());
    AppendLittleEndian16(bytes, total);
    Bytes rest{1, value, 0, 0xA0, 50};
    // bNumInterfaces is not checked by anyone; 1 is as good as any.
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// A boot keyboard's interface with its HID and endpoint descriptors.
inline Bytes KeyboardInterface(uint8_t number)
{
    return Concat({InterfaceDescriptor(number, 3, 1, 1), HidDescriptor(), EndpointDescriptor(0x81)});
}

inline Bytes MouseInterface(uint8_t number)
{
    return Concat({InterfaceDescriptor(number, 3, 1, 2), HidDescriptor(52), EndpointDescriptor(0x82)});
}

// A string descriptor of UTF-16 code units, little-endian.
inline Bytes StringDescriptor(const std::u16string& text)
{
    Bytes bytes{static_cast<uint8_t>(2 + 2 * text.size()), 0x03};
    for (const char16_t unit : text) {
        AppendLittleEndian16(bytes, static_cast<uint16_t>(unit));
    }
    return bytes;
}

} // namespace usb_test
