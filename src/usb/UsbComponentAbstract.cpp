// The include-hubs flag and the release of controller lists, shared by the platform facades.
#include "usb/UsbComponentAbstract.h"

#include "usb/UsbDevice.h"
#include "usb/UsbHostControllerDevice.h"

bool UsbComponentAbstract::GetIncludeHubs() { return m_includeHubs; }

void UsbComponentAbstract::SetIncludeHubs(bool includeHubs) { m_includeHubs = includeHubs; }

void UsbComponentAbstract::ReleaseHostControllers(std::vector<UsbHostControllerDevice*>& controllers)
{
    while (!controllers.empty()) {
        UsbHostControllerDevice* controller = controllers.back();
        if (controller != nullptr) {
            std::vector<UsbDevice*> devices = controller->GetUsbDevices();
            // Emptied first, so the controller never holds a pointer to a destroyed device.
            controller->SetUsbDevices({});
            while (!devices.empty()) {
                delete devices.back();
                devices.pop_back();
            }
            delete controller;
        }
        controllers.pop_back();
    }
}
