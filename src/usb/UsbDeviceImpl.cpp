// The device record's getters.
#include "usb/UsbDeviceImpl.h"

#include "usb/UsbNames.h"

UsbDeviceImpl::~UsbDeviceImpl() = default;

std::string UsbDeviceImpl::GetPath() const { return path; }
UsbVersion UsbDeviceImpl::GetUsbVersion() const { return usbVersion; }
uint8_t UsbDeviceImpl::GetDeviceClass() const { return deviceClass; }
std::string UsbDeviceImpl::GetClassName() const { return std::string(UsbNames::ClassName(deviceClass)); }
uint8_t UsbDeviceImpl::GetDeviceSubclass() const { return deviceSubclass; }

std::string UsbDeviceImpl::GetSubclassName() const
{
    return std::string(UsbNames::SubclassName(deviceClass, deviceSubclass));
}

uint8_t UsbDeviceImpl::GetDeviceProtocol() const { return deviceProtocol; }

std::string UsbDeviceImpl::GetProtocolName() const
{
    return std::string(UsbNames::ProtocolName(deviceClass, deviceSubclass, deviceProtocol));
}

uint16_t UsbDeviceImpl::GetVendorId() const { return vendorId; }
uint16_t UsbDeviceImpl::GetProductId() const { return productId; }
std::string UsbDeviceImpl::GetProduct() const { return product; }
std::string UsbDeviceImpl::GetManufacturer() const { return manufacturer; }
std::string UsbDeviceImpl::GetSerialNumber() const { return serialNumber; }
double UsbDeviceImpl::GetStorageCapacity() const { return storageCapacity; }
bool UsbDeviceImpl::IsHub() const { return hub; }
bool UsbDeviceImpl::IsOvercurrent() const { return overcurrent; }
double UsbDeviceImpl::GetStorageFreeSpace() const { return storageFreeSpace; }
UsbVersion UsbDeviceImpl::GetPortUsbVersion() const { return portUsbVersion; }
int64_t UsbDeviceImpl::GetStorageDiskIndex() const { return storageDiskIndex; }
UsbStorageDevice* UsbDeviceImpl::GetStorageDevice() const { return storageDevice.get(); }
uint16_t UsbDeviceImpl::GetPortNumber() const { return portNumber; }
uint8_t UsbDeviceImpl::GetSpeed() const { return speed; }
bool UsbDeviceImpl::IsUserConnectable() const { return userConnectable; }
bool UsbDeviceImpl::IsTypeC() const { return typeC; }
uint32_t UsbDeviceImpl::GetCompanions() const { return companions; }
uint16_t UsbDeviceImpl::GetCompanion() const { return companion; }
std::string UsbDeviceImpl::GetHubSymbolicName() const { return hubSymbolicName; }
