// A USB facade that hands out scripted controllers and devices, for tests of their consumers.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "usb/UsbComponentAbstract.h"
#include "usb/UsbDeviceImpl.h"
#include "usb/UsbHostControllerDeviceImpl.h"

namespace fakeusb {

// What a scripted device reports; the defaults are a sound boot keyboard.
struct DeviceFacts {
    uint8_t deviceClass = 3, subclass = 1, protocol = 1;
    uint16_t vendorId = 0x1234, productId = 0xABCD;
    std::string manufacturer = "Acme Input", product = "Acme Keyboard", serial = "-";
    bool hub = false;
};

// Counts every device object alive, so tests see what a consumer kept and what it freed.
inline std::atomic<int>& LiveDevices()
{
    static std::atomic<int> count{0};
    return count;
}

class FakeUsbDevice : public UsbDeviceImpl {
public:
    explicit FakeUsbDevice(const DeviceFacts& facts)
    {
        std::tie(deviceClass, deviceSubclass, deviceProtocol, vendorId, productId, hub) =
            std::tie(facts.deviceClass, facts.subclass, facts.protocol, facts.vendorId, facts.productId, facts.hub);
        std::tie(manufacturer, product, serialNumber) = std::tie(facts.manufacturer, facts.product, facts.serial);
        ++LiveDevices();
    }
    ~FakeUsbDevice() override { --LiveDevices(); }
};

// The machine as a list of controllers, each with its devices' facts. Every walk creates fresh
// objects, as the real one does.
struct Machine {
    std::vector<std::vector<DeviceFacts>> controllers;
    uint32_t errorCode = 0;
    int walks = 0;
};

// Include-hubs and the release of a walk are the shipped facade's own.
class FakeUsbComponent : public UsbComponentAbstract {
public:
    explicit FakeUsbComponent(std::shared_ptr<Machine> machine) : m_machine(std::move(machine)) {}

    bool HasHostController() override { return !m_machine->controllers.empty(); }

    UsbError GetHostControllers(std::vector<UsbHostControllerDevice*>& controllers) override
    {
        ++m_machine->walks;
        for (const std::vector<DeviceFacts>& deviceFacts : m_machine->controllers) {
            std::vector<UsbDevice*> devices;
            for (const DeviceFacts& facts : deviceFacts) {
                if (!facts.hub || GetIncludeHubs()) {
                    devices.push_back(new FakeUsbDevice(facts));
                }
            }
            controllers.push_back(new UsbHostControllerDeviceImpl());
            controllers.back()->SetUsbDevices(devices);
        }
        return UsbError{m_machine->errorCode, m_machine->errorCode == 0 ? "" : "scripted failure"};
    }

private:
    std::shared_ptr<Machine> m_machine;
};

} // namespace fakeusb
