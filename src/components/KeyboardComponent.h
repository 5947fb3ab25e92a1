// The one device object of the module: the machine's keyboards, PS/2 and USB, as one component.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "components/KeyboardController.h"
#include "components/KeyboardPlatform.h"
#include "module/DriverServiceHolder.h"
#include "module/SystemComponent.h"

class UsbComponent;
class UsbDevice;
class UserInterventionDetector;

class KeyboardComponent : public SystemComponent {
public:
    explicit KeyboardComponent(std::string identifier);
    KeyboardComponent(std::string identifier, KeyboardPlatform platform);
    ~KeyboardComponent() override;

    bool HostQuery5() override;
    bool HostQuery6() override;
    bool HostQuery7() override;
    void HostAction8() override;
    bool HostQuery9() override;
    void HostAction10() override;

    virtual void Reserved11();
    // Rebuilds the attributes and the device entries from a fresh look at the machine.
    virtual void DetectKeyboards();
    // Has the keyboard driver apply its auto-repeat setting again after a reset.
    virtual bool RestoreTypematic();
    // Tells the system every key it believes down went up; always true.
    virtual bool ReleasePressedKeys();

    // The firmware reports a PS/2 keyboard path.
    bool IsPs2KeyboardPresent() const;
    void RefreshUsbKeyboards();
    // The pointers stay owned by the component and valid until the next refresh.
    std::vector<UsbDevice*> GetUsbKeyboards() const;
    bool HasDriverService() const;
    // 0 with the version, or 128 when it cannot be told.
    uint32_t QueryDriverVersion(std::string& version) const;

    // Keyboard-controller operations; the caller checks HasDriverService first.
    bool DisableKeyboardInterrupts();
    bool EnableKeyboardInterrupts();
    ControllerReadStatus ReadControllerResponse(uint8_t& data, bool& foreignInput, double timeoutSeconds);
    bool EchoKeyboard(bool& foreignInput, double timeoutSeconds);
    bool ResetKeyboard(bool& foreignInput, UserInterventionDetector& detector, double timeoutSeconds);

    // The live key and pointer state the tests watch, made on first use.
    corvo::platform::KeyPointerState& KeyState();

    // Why HasDriverService is false, when the library was not usable; empty otherwise.
    const std::string& DriverServiceProblem() const { return m_driverService.problem; }

    static constexpr uint32_t kStatusSuccess = 0;
    static constexpr uint32_t kStatusFailure = 128;

private:
    void DestroyUsbKeyboards();

    KeyboardPlatform m_platform;
    std::unique_ptr<UsbComponent> m_usb;
    std::vector<UsbDevice*> m_usbKeyboards;
    DriverServiceHolder m_driverService;
    KeyboardController m_controller;
    std::unique_ptr<corvo::platform::KeyPointerState> m_keyState;
};
