// Scripted USB facade for tests.
#include "FakeUsb.h"

namespace fakeusb {

std::atomic<int>& LiveDevices()
{
    static std::atomic<int> count{0};
    return count;
}

FakeUsbDevice::FakeUsbDevice(DeviceFacts facts) : m_facts(std::move(facts)) { ++LiveDevices(); }

FakeUsbDevice::~FakeUsbDevice() { --LiveDevices(); }

UsbError FakeUsbComponent::GetHostControllers(std::vector<UsbHostControllerDevice*>& controllers)
{
    ++m_machine->walks;
    for (const auto& deviceFacts : m_machine->controllers) {
        auto* controller = new FakeController();
        std::vector<UsbDevice*> devices;
        for (const DeviceFacts& facts : deviceFacts) {
            if (facts.hub && !m_includeHubs) {
                continue;
            }
            devices.push_back(new FakeUsbDevice(facts));
        }
        controller->SetUsbDevices(devices);
        controllers.push_back(controller);
    }
    return UsbError{m_machine->errorCode, m_machine->errorCode == 0 ? "" : "scripted failure"};
}

void FakeUsbComponent::ReleaseHostControllers(std::vector<UsbHostControllerDevice*>& controllers)
{
    while (!controllers.empty()) {
        UsbHostControllerDevice* controller = controllers.back();
        std::vector<UsbDevice*> devices = controller->GetUsbDevices();
        while (!devices.empty()) {
            delete devices.back();
            devices.pop_back();
        }
        delete controller;
        controllers.pop_back();
    }
}

} // namespace fakeusb
