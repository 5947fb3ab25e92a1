// The USB facade: walks the machine's USB topology into controller and device records.
#pragma once

#include <memory>
#include <vector>

#include "usb/UsbError.h"

class UsbHostControllerDevice;

class UsbComponent {
public:
    virtual ~UsbComponent() = default;

    // Whether at least one USB host controller is present and can be used.
    virtual bool HasHostController() = 0;
    virtual bool GetIncludeHubs() = 0;
    virtual void SetIncludeHubs(bool includeHubs) = 0;
    // A complete fresh walk; appends one record per controller. The caller owns the controllers
    // and the devices they list.
    virtual UsbError GetHostControllers(std::vector<UsbHostControllerDevice*>& controllers) = 0;
    // Destroys every controller of the list and its devices, last first, and empties the list.
    virtual void ReleaseHostControllers(std::vector<UsbHostControllerDevice*>& controllers) = 0;
};

// The platform's implementation on the machine's own USB tree, include-hubs off.
std::unique_ptr<UsbComponent> CreateUsbComponent();
