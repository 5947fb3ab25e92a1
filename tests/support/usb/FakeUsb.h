// A USB facade that hands out scripted controllers and devices, for tests of their consumers.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "usb/UsbComponent.h"
#include "usb/UsbDevice.h"
#include "usb/UsbHostControllerDevice.h"

namespace fakeusb {

// What a scripted device reports; the defaults are a sound boot keyboard.
struct DeviceFacts {
    uint8_t deviceClass = 3;
    uint8_t subclass = 1;
    uint8_t protocol = 1;
    uint16_t vendorId = 0x1234;
    uint16_t productId = 0xABCD;
    std::string manufacturer = "Acme Input";
    std::string product = "Acme Keyboard";
    std::string serial = "-";
    bool hub = false;
};

// Counts every device object alive, so tests see what a consumer kept and what it freed.
std::atomic<int>& LiveDevices();

class FakeUsbDevice : public UsbDevice {
public:
    explicit FakeUsbDevice(DeviceFacts facts);
    ~FakeUsbDevice() override;

    std::string GetPath() const override { return "usb1"; }
    UsbVersion GetUsbVersion() const override { return UsbVersion(0x0200); }
    uint8_t GetDeviceClass() const override { return m_facts.deviceClass; }
    std::string GetClassName() const override { return "-"; }
    uint8_t GetDeviceSubclass() const override { return m_facts.subclass; }
    std::string GetSubclassName() const override { return "-"; }
    uint8_t GetDeviceProtocol() const override { return m_facts.protocol; }
    std::string GetProtocolName() const override { return "Unused"; }
    uint16_t GetVendorId() const override { return m_facts.vendorId; }
    uint16_t GetProductId() const override { return m_facts.productId; }
    std::string GetProduct() const override { return m_facts.product; }
    std::string GetManufacturer() const override { return m_facts.manufacturer; }
    std::string GetSerialNumber() const override { return m_facts.serial; }
    double GetStorageCapacity() const override { return 0; }
    bool IsHub() const override { return m_facts.hub; }
    bool IsOvercurrent() const override { return false; }
    double GetStorageFreeSpace() const override { return 0; }
    UsbVersion GetPortUsbVersion() const override { return UsbVersion(0x0200); }
    int64_t GetStorageDiskIndex() const override { return 0; }
    UsbStorageDevice* GetStorageDevice() const override { return nullptr; }
    uint16_t GetPortNumber() const override { return 1; }
    uint8_t GetSpeed() const override { return 1; }
    bool IsUserConnectable() const override { return true; }
    bool IsTypeC() const override { return false; }
    uint32_t GetCompanions() const override { return 0; }
    uint16_t GetCompanion() const override { return 0; }
    std::string GetHubSymbolicName() const override { return {}; }

private:
    DeviceFacts m_facts;
};

class FakeController : public UsbHostControllerDevice {
public:
    // Frees only itself, as the real controller record does: its devices belong to the receiver.
    ~FakeController() override = default;

    std::string GetPath() const override { return m_path; }
    uint32_t GetKind() const override { return 4; }
    std::vector<UsbDevice*> GetUsbDevices() const override { return m_devices; }
    uint8_t GetFlag0() const override { return 0; }
    uint8_t GetFlag1() const override { return 0; }
    uint8_t GetFlag2() const override { return 0; }
    uint8_t GetFlag3() const override { return 0; }
    uint8_t GetFlag4() const override { return 0; }
    uint8_t GetFlag5() const override { return 0; }
    uint32_t GetBusNumber() const override { return 1; }
    uint16_t GetDeviceNumber() const override { return 0x14; }
    uint16_t GetFunctionNumber() const override { return 0; }
    std::vector<std::string> GetHubNames() const override { return {"usb1"}; }
    void SetUsbDevices(const std::vector<UsbDevice*>& devices) override { m_devices = devices; }
    void SetPath(const std::string& path) override { m_path = path; }
    void SetKind(uint32_t) override {}
    void SetFlag0(uint8_t) override {}
    void SetFlag1(uint8_t) override {}
    void SetFlag2(uint8_t) override {}
    void SetFlag3(uint8_t) override {}
    void SetFlag4(uint8_t) override {}
    void SetFlag5(uint8_t) override {}
    void SetBusNumber(uint32_t) override {}
    void SetDeviceNumber(uint16_t) override {}
    void SetFunctionNumber(uint16_t) override {}

private:
    std::string m_path = "/sys/devices/pci0000:00/0000:00:14.0";
    std::vector<UsbDevice*> m_devices;
};

// The machine as a list of controllers, each with its devices' facts. Every walk creates fresh
// objects, as the real one does.
struct Machine {
    std::vector<std::vector<DeviceFacts>> controllers;
    uint32_t errorCode = 0;
    int walks = 0;
};

class FakeUsbComponent : public UsbComponent {
public:
    explicit FakeUsbComponent(std::shared_ptr<Machine> machine) : m_machine(std::move(machine)) {}

    bool HasHostController() override { return !m_machine->controllers.empty(); }
    bool GetIncludeHubs() override { return m_includeHubs; }
    void SetIncludeHubs(bool includeHubs) override { m_includeHubs = includeHubs; }
    UsbError GetHostControllers(std::vector<UsbHostControllerDevice*>& controllers) override;
    void ReleaseHostControllers(std::vector<UsbHostControllerDevice*>& controllers) override;

private:
    std::shared_ptr<Machine> m_machine;
    bool m_includeHubs = false;
};

} // namespace fakeusb
