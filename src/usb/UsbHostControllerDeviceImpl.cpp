// The controller record's getters and setters.
#include "usb/UsbHostControllerDeviceImpl.h"

UsbHostControllerDeviceImpl::~UsbHostControllerDeviceImpl() = default;

std::string UsbHostControllerDeviceImpl::GetPath() const { return m_path; }
uint32_t UsbHostControllerDeviceImpl::GetKind() const { return m_kind; }
std::vector<UsbDevice*> UsbHostControllerDeviceImpl::GetUsbDevices() const { return m_devices; }
uint8_t UsbHostControllerDeviceImpl::GetFlag0() const { return m_flags[0]; }
uint8_t UsbHostControllerDeviceImpl::GetFlag1() const { return m_flags[1]; }
uint8_t UsbHostControllerDeviceImpl::GetFlag2() const { return m_flags[2]; }
uint8_t UsbHostControllerDeviceImpl::GetFlag3() const { return m_flags[3]; }
uint8_t UsbHostControllerDeviceImpl::GetFlag4() const { return m_flags[4]; }
uint8_t UsbHostControllerDeviceImpl::GetFlag5() const { return m_flags[5]; }
uint32_t UsbHostControllerDeviceImpl::GetBusNumber() const { return m_busNumber; }
uint16_t UsbHostControllerDeviceImpl::GetDeviceNumber() const { return m_deviceNumber; }
uint16_t UsbHostControllerDeviceImpl::GetFunctionNumber() const { return m_functionNumber; }
std::vector<std::string> UsbHostControllerDeviceImpl::GetHubNames() const { return m_hubNames; }

void UsbHostControllerDeviceImpl::SetUsbDevices(const std::vector<UsbDevice*>& devices) { m_devices = devices; }
void UsbHostControllerDeviceImpl::SetPath(const std::string& path) { m_path = path; }
void UsbHostControllerDeviceImpl::SetKind(uint32_t kind) { m_kind = kind; }
void UsbHostControllerDeviceImpl::SetFlag0(uint8_t value) { m_flags[0] = value; }
void UsbHostControllerDeviceImpl::SetFlag1(uint8_t value) { m_flags[1] = value; }
void UsbHostControllerDeviceImpl::SetFlag2(uint8_t value) { m_flags[2] = value; }
void UsbHostControllerDeviceImpl::SetFlag3(uint8_t value) { m_flags[3] = value; }
void UsbHostControllerDeviceImpl::SetFlag4(uint8_t value) { m_flags[4] = value; }
void UsbHostControllerDeviceImpl::SetFlag5(uint8_t value) { m_flags[5] = value; }
void UsbHostControllerDeviceImpl::SetBusNumber(uint32_t busNumber) { m_busNumber = busNumber; }
void UsbHostControllerDeviceImpl::SetDeviceNumber(uint16_t deviceNumber) { m_deviceNumber = deviceNumber; }
void UsbHostControllerDeviceImpl::SetFunctionNumber(uint16_t functionNumber) { m_functionNumber = functionNumber; }
void UsbHostControllerDeviceImpl::AddHubName(const std::string& hubName) { m_hubNames.push_back(hubName); }
