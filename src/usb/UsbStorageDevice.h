// Hook for the association of USB mass-storage devices with disks; the keyboard module never
// creates such objects, so device records only carry an empty pointer to one.
#pragma once

class UsbStorageDevice {
public:
    virtual ~UsbStorageDevice() = default;
};
