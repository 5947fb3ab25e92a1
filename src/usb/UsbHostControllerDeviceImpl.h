// The controller record that an enumerator fills: one root hub's controller and its devices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "usb/UsbHostControllerDevice.h"

// The record lists its devices but does not own them: whoever receives the list decides which
// devices to keep, so destroying a controller never destroys a device.
class UsbHostControllerDeviceImpl : public UsbHostControllerDevice {
public:
    // Every controller record carries this kind; nothing in the keyboard module reads it.
    static constexpr uint32_t kControllerKind = 4;

    UsbHostControllerDeviceImpl() = default;
    ~UsbHostControllerDeviceImpl() override;
    UsbHostControllerDeviceImpl(const UsbHostControllerDeviceImpl&) = delete;
    UsbHostControllerDeviceImpl& operator=(const UsbHostControllerDeviceImpl&) = delete;

    std::string GetPath() const override;
    uint32_t GetKind() const override;
    std::vector<UsbDevice*> GetUsbDevices() const override;
    uint8_t GetFlag0() const override;
    uint8_t GetFlag1() const override;
    uint8_t GetFlag2() const override;
    uint8_t GetFlag3() const override;
    uint8_t GetFlag4() const override;
    uint8_t GetFlag5() const override;
    uint32_t GetBusNumber() const override;
    uint16_t GetDeviceNumber() const override;
    uint16_t GetFunctionNumber() const override;
    std::vector<std::string> GetHubNames() const override;

    void SetUsbDevices(const std::vector<UsbDevice*>& devices) override;
    void SetPath(const std::string& path) override;
    void SetKind(uint32_t kind) override;
    void SetFlag0(uint8_t value) override;
    void SetFlag1(uint8_t value) override;
    void SetFlag2(uint8_t value) override;
    void SetFlag3(uint8_t value) override;
    void SetFlag4(uint8_t value) override;
    void SetFlag5(uint8_t value) override;
    void SetBusNumber(uint32_t busNumber) override;
    void SetDeviceNumber(uint16_t deviceNumber) override;
    void SetFunctionNumber(uint16_t functionNumber) override;

    // Not part of the interface's setters: the walk adds the root hub's name here.
    void AddHubName(const std::string& hubName);

private:
    std::string m_path;
    std::vector<UsbDevice*> m_devices;
    std::vector<std::string> m_hubNames;
    uint32_t m_kind = kControllerKind;
    uint8_t m_flags[6] = {};
    uint32_t m_busNumber = 0;
    uint16_t m_deviceNumber = 0;
    uint16_t m_functionNumber = 0;
};
