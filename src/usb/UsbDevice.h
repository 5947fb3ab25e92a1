// One USB device below a host controller: descriptor facts, strings and connection facts.
#pragma once

#include <cstdint>
#include <string>

#include "usb/UsbVersion.h"

class UsbStorageDevice;

class UsbDevice {
public:
    virtual ~UsbDevice() = default;

    // The parent hub this device is connected to.
    virtual std::string GetPath() const = 0;
    virtual UsbVersion GetUsbVersion() const = 0;
    // For a device whose descriptor class is 0, class, subclass and protocol are those of its
    // first interface with a nonzero class, so a composite receiver with a boot keyboard
    // interface reports class 3, protocol 1.
    virtual uint8_t GetDeviceClass() const = 0;
    virtual std::string GetClassName() const = 0;
    virtual uint8_t GetDeviceSubclass() const = 0;
    virtual std::string GetSubclassName() const = 0;
    virtual uint8_t GetDeviceProtocol() const = 0;
    virtual std::string GetProtocolName() const = 0;
    virtual uint16_t GetVendorId() const = 0;
    virtual uint16_t GetProductId() const = 0;
    // String descriptors in UTF-8: "-" when the device has none, the empty text when it has an
    // empty one.
    virtual std::string GetProduct() const = 0;
    virtual std::string GetManufacturer() const = 0;
    virtual std::string GetSerialNumber() const = 0;
    virtual double GetStorageCapacity() const = 0;
    virtual bool IsHub() const = 0;
    virtual bool IsOvercurrent() const = 0;
    virtual double GetStorageFreeSpace() const = 0;
    // 0x0200 behind a USB 2 hub, 0x0300 behind a SuperSpeed hub, 0 when unknown.
    virtual UsbVersion GetPortUsbVersion() const = 0;
    virtual int64_t GetStorageDiskIndex() const = 0;
    virtual UsbStorageDevice* GetStorageDevice() const = 0;
    virtual uint16_t GetPortNumber() const = 0;
    // 0 low, 1 full, 2 high, 3 SuperSpeed, 4 SuperSpeed+; 0xFF when the speed is not known.
    virtual uint8_t GetSpeed() const = 0;
    virtual bool IsUserConnectable() const = 0;
    virtual bool IsTypeC() const = 0;
    // 1 when the port has several companion ports; a port has at most one on Linux, so 0 there.
    virtual uint32_t GetCompanions() const = 0;
    // The companion port's number (the USB 2 port of a SuperSpeed port and back), 0 for none.
    virtual uint16_t GetCompanion() const = 0;
    virtual std::string GetHubSymbolicName() const = 0;
};
