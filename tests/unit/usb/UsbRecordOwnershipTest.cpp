// Tests of who destroys what: the facade's release of a whole list, and records that outlive
// the controller that listed them.
#include "usb/UsbComponentAbstract.h"
#include "usb/UsbDeviceImpl.h"
#include "usb/UsbHostControllerDeviceImpl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class LoggedStorage : public UsbStorageDevice {
public:
    LoggedStorage(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    ~LoggedStorage() override { m_log.push_back(m_name); }

private:
    Log& m_log;
    std::string m_name;
};

class LoggedDevice : public UsbDeviceImpl {
public:
    LoggedDevice(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    ~LoggedDevice() override { m_log.push_back(m_name); }

private:
    Log& m_log;
    std::string m_name;
};

class LoggedController : public UsbHostControllerDeviceImpl {
public:
    LoggedController(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    ~LoggedController() override { m_log.push_back(m_name); }

private:
    Log& m_log;
    std::string m_name;
};

// The shared part of every facade, with a walk that finds nothing.
class EmptyUsbComponent : public UsbComponentAbstract {
public:
    bool HasHostController() override { return false; }
    UsbError GetHostControllers(std::vector<UsbHostControllerDevice*>&) override { return {}; }
};

TEST(UsbComponentAbstract, IncludeHubsIsOffAfterCreation)
{
    EmptyUsbComponent component;
    EXPECT_FALSE(component.GetIncludeHubs());
    component.SetIncludeHubs(true);
    EXPECT_TRUE(component.GetIncludeHubs());
}

TEST(UsbComponentAbstract, ReleaseDestroysLastControllerFirstAndLastDeviceFirst)
{
    Log log;
    std::vector<UsbHostControllerDevice*> controllers;
    for (const char* controllerName : {"c1", "c2"}) {
        auto* controller = new LoggedController(log, controllerName);
        std::vector<UsbDevice*> devices;
        for (const char* deviceName : {"d1", "d2"}) {
            const std::string name = std::string(controllerName) + deviceName;
            auto* device = new LoggedDevice(log, name);
            device->storageDevice = std::make_unique<LoggedStorage>(log, name + "s");
            devices.push_back(device);
        }
        controller->SetUsbDevices(devices);
        controllers.push_back(controller);
    }
    EmptyUsbComponent component;
    component.ReleaseHostControllers(controllers);
    EXPECT_TRUE(controllers.empty());
    // A device's storage object goes with the device, after the device's own destructor body.
    EXPECT_EQ(log, (Log{"c2d2", "c2d2s", "c2d1", "c2d1s", "c2", "c1d2", "c1d2s", "c1d1", "c1d1s", "c1"}));
}

TEST(UsbComponentAbstract, ReleaseOfAnEmptyListDoesNothing)
{
    std::vector<UsbHostControllerDevice*> controllers;
    EmptyUsbComponent component;
    component.ReleaseHostControllers(controllers);
    EXPECT_TRUE(controllers.empty());
}

// The keyboard component keeps the keyboards it picked and destroys the controllers at once; a
// kept record must not point into the freed controller (ASan reports it if it does).
TEST(UsbRecordOwnership, DeviceOutlivesItsController)
{
    auto* controller = new UsbHostControllerDeviceImpl();
    auto* device = new UsbDeviceImpl();
    device->product = "Corvo Keyboard";
    device->path = "/sys/bus/usb/devices/usb1";
    controller->SetUsbDevices({device});
    controller->SetPath("/sys/bus/pci/devices/0000:00:14.0");
    delete controller;
    EXPECT_EQ(device->GetProduct(), "Corvo Keyboard");
    EXPECT_EQ(device->GetPath(), "/sys/bus/usb/devices/usb1");
    delete device;
}

} // namespace
