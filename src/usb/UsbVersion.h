// A USB version in binary-coded decimal, as in the bcdUSB field (0x0200 is 2.0).
#pragma once

#include <cstdint>

class UsbVersion {
public:
    explicit UsbVersion(uint16_t bcd = 0) : m_bcd(bcd) {}
    virtual ~UsbVersion() = default;
    UsbVersion(const UsbVersion&) = default;
    UsbVersion& operator=(const UsbVersion&) = default;

    uint16_t GetBcd() const { return m_bcd; }
    friend bool operator==(const UsbVersion& left, const UsbVersion& right) { return left.m_bcd == right.m_bcd; }
    friend bool operator!=(const UsbVersion& left, const UsbVersion& right) { return left.m_bcd != right.m_bcd; }

private:
    uint16_t m_bcd;
};
