// A USB host controller with every device found below its root hub.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class UsbDevice;

class UsbHostControllerDevice {
public:
    virtual ~UsbHostControllerDevice() = default;

    virtual std::string GetPath() const = 0;
    virtual uint32_t GetKind() const = 0;
    // Not owned by the copy: the controller's receiver owns the devices.
    virtual std::vector<UsbDevice*> GetUsbDevices() const = 0;
    // Six flags of the suite's controller record that the walk never sets.
    virtual uint8_t GetFlag0() const = 0;
    virtual uint8_t GetFlag1() const = 0;
    virtual uint8_t GetFlag2() const = 0;
    virtual uint8_t GetFlag3() const = 0;
    virtual uint8_t GetFlag4() const = 0;
    virtual uint8_t GetFlag5() const = 0;
    virtual uint32_t GetBusNumber() const = 0;
    // PCI device and function of the controller.
    virtual uint16_t GetDeviceNumber() const = 0;
    virtual uint16_t GetFunctionNumber() const = 0;
    virtual std::vector<std::string> GetHubNames() const = 0;

    virtual void SetUsbDevices(const std::vector<UsbDevice*>& devices) = 0;
    virtual void SetPath(const std::string& path) = 0;
    virtual void SetKind(uint32_t kind) = 0;
    virtual void SetFlag0(uint8_t value) = 0;
    virtual void SetFlag1(uint8_t value) = 0;
    virtual void SetFlag2(uint8_t value) = 0;
    virtual void SetFlag3(uint8_t value) = 0;
    virtual void SetFlag4(uint8_t value) = 0;
    virtual void SetFlag5(uint8_t value) = 0;
    virtual void SetBusNumber(uint32_t busNumber) = 0;
    virtual void SetDeviceNumber(uint16_t deviceNumber) = 0;
    virtual void SetFunctionNumber(uint16_t functionNumber) = 0;
};
