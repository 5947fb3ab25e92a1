// The device record that an enumerator fills: plain fields behind the UsbDevice getters.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "usb/UsbDevice.h"
#include "usb/UsbStorageDevice.h"
#include "usb/UsbVersion.h"

// Every field is set by the walk that creates the record, so the fields are public and the record
// has no setters. A record refers to nothing outside itself: the keyboard component keeps some
// records and destroys the rest, and it may destroy the controller that listed them first.
class UsbDeviceImpl : public UsbDevice {
public:
    UsbDeviceImpl() = default;
    ~UsbDeviceImpl() override;
    UsbDeviceImpl(const UsbDeviceImpl&) = delete;
    UsbDeviceImpl& operator=(const UsbDeviceImpl&) = delete;

    std::string GetPath() const override;
    UsbVersion GetUsbVersion() const override;
    uint8_t GetDeviceClass() const override;
    // The names follow the codes, so they can never disagree with them.
    std::string GetClassName() const override;
    uint8_t GetDeviceSubclass() const override;
    std::string GetSubclassName() const override;
    uint8_t GetDeviceProtocol() const override;
    std::string GetProtocolName() const override;
    uint16_t GetVendorId() const override;
    uint16_t GetProductId() const override;
    std::string GetProduct() const override;
    std::string GetManufacturer() const override;
    std::string GetSerialNumber() const override;
    double GetStorageCapacity() const override;
    bool IsHub() const override;
    bool IsOvercurrent() const override;
    double GetStorageFreeSpace() const override;
    UsbVersion GetPortUsbVersion() const override;
    int64_t GetStorageDiskIndex() const override;
    UsbStorageDevice* GetStorageDevice() const override;
    uint16_t GetPortNumber() const override;
    uint8_t GetSpeed() const override;
    bool IsUserConnectable() const override;
    bool IsTypeC() const override;
    uint32_t GetCompanions() const override;
    uint16_t GetCompanion() const override;
    std::string GetHubSymbolicName() const override;

    // What "-" stands for in the string fields: the device has no such string.
    static constexpr const char* kAbsentText = "-";

    std::string path;
    UsbVersion usbVersion;
    uint8_t deviceClass = 0;
    uint8_t deviceSubclass = 0;
    uint8_t deviceProtocol = 0;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::string product = kAbsentText;
    std::string manufacturer = kAbsentText;
    std::string serialNumber = kAbsentText;
    bool hub = false;
    bool overcurrent = false;
    UsbVersion portUsbVersion;
    uint16_t portNumber = 0;
    uint8_t speed = 0;
    bool userConnectable = false;
    bool typeC = false;
    uint32_t companions = 0;
    uint16_t companion = 0;
    std::string hubSymbolicName;

    // The storage association is not made by the keyboard module; these stay empty.
    double storageCapacity = 0.0;
    double storageFreeSpace = 0.0;
    int64_t storageDiskIndex = 0;
    std::unique_ptr<UsbStorageDevice> storageDevice;
};
