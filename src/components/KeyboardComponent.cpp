// Keyboard detection: the PS/2 entry from the firmware, one entry per USB keyboard.
#include "components/KeyboardComponent.h"

#include <utility>

#include "module/MessageKeys.h"
#include "platform/DynamicLibraries.h"
#include "platform/KeyPointerState.h"
#include "platform/NoKeyPointerState.h"
#include "platform/KeyboardClassDriver.h"
#include "platform/hwkit.h"
#include "usb/UsbComponent.h"
#include "usb/UsbDevice.h"
#include "usb/UsbHostControllerDevice.h"

namespace {

using namespace corvo::keyboard;

constexpr uint8_t kHidClass = 3;
constexpr uint8_t kKeyboardProtocol = 1;
constexpr char kIndexKey[] = "INDEX";
constexpr char kUdiKey[] = "UDI";

// Mouse buttons appear in the key state too; releasing them is not ours to do.
bool IsMouseButton(int virtualKey) { return virtualKey == 1 || virtualKey == 2 || (virtualKey >= 4 && virtualKey <= 6); }

} // namespace

KeyboardPlatform KeyboardPlatform::System()
{
    KeyboardPlatform platform;
    platform.createUsbComponent = [] { return CreateUsbComponent(); };
    platform.libraries = &corvo::platform::SystemDynamicLibraries();
    platform.classDriver = &corvo::platform::SystemKeyboardClassDriver();
    platform.createKeyPointerState = [] { return corvo::platform::CreateSystemKeyPointerState(); };
    return platform;
}

KeyboardComponent::KeyboardComponent(std::string identifier)
    : KeyboardComponent(std::move(identifier), KeyboardPlatform::System())
{
}

KeyboardComponent::KeyboardComponent(std::string identifier, KeyboardPlatform platform)
    : SystemComponent(std::move(identifier))
    , m_platform(std::move(platform))
    , m_controller([this] { return GetService(m_driverService); })
{
    m_usb = m_platform.createUsbComponent ? m_platform.createUsbComponent() : nullptr;
    if (m_usb) {
        m_usb->SetIncludeHubs(false);
    }
    if (m_platform.libraries != nullptr) {
        SetUpDriverService(m_driverService, *m_platform.libraries);
    }
    RefreshUsbKeyboards();
}

KeyboardComponent::~KeyboardComponent()
{
    m_keyState.reset();
    DestroyUsbKeyboards();
    m_usb.reset();
    ReleaseDriverService(m_driverService);
}

bool KeyboardComponent::HostQuery5() { return false; }
bool KeyboardComponent::HostQuery6() { return true; }
bool KeyboardComponent::HostQuery7() { return true; }
void KeyboardComponent::HostAction8() {}
bool KeyboardComponent::HostQuery9() { return true; }
void KeyboardComponent::HostAction10() {}
void KeyboardComponent::Reserved11() {}

bool KeyboardComponent::RestoreTypematic()
{
    return m_platform.classDriver != nullptr && m_platform.classDriver->RestoreRepeatSettings();
}

bool KeyboardComponent::ReleasePressedKeys()
{
    corvo::platform::KeyPointerState& state = KeyState();
    const corvo::platform::KeyboardStateBytes keys = state.ReadKeyboardState();
    for (int code = 0; code < 256; ++code) {
        if ((keys[static_cast<std::size_t>(code)] & 0x80) != 0 && !IsMouseButton(code)) {
            state.SynthesizeKeyRelease(static_cast<uint8_t>(code));
        }
    }
    return true;
}

corvo::platform::KeyPointerState& KeyboardComponent::KeyState()
{
    if (!m_keyState) {
        if (m_platform.createKeyPointerState) {
            m_keyState = m_platform.createKeyPointerState();
        }
        if (!m_keyState) {
            m_keyState = std::make_unique<corvo::platform::NoKeyPointerState>();
        }
    }
    return *m_keyState;
}

bool KeyboardComponent::DisableKeyboardInterrupts() { return m_controller.DisableKeyboardInterrupts(); }

bool KeyboardComponent::EnableKeyboardInterrupts() { return m_controller.EnableKeyboardInterrupts(); }

ControllerReadStatus KeyboardComponent::ReadControllerResponse(uint8_t& data, bool& foreignInput, double timeoutSeconds)
{
    return m_controller.ReadControllerResponse(data, foreignInput, timeoutSeconds);
}

bool KeyboardComponent::EchoKeyboard(bool& foreignInput, double timeoutSeconds)
{
    return m_controller.EchoKeyboard(foreignInput, timeoutSeconds);
}

bool KeyboardComponent::ResetKeyboard(bool& foreignInput, UserInterventionDetector& detector, double timeoutSeconds)
{
    return m_controller.ResetKeyboard(foreignInput, detector, timeoutSeconds);
}

bool KeyboardComponent::IsPs2KeyboardPresent() const
{
    const hwkit::BiosInformation* bios = hwkit::get_bios();
    if (bios == nullptr) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(bios);
    return bytes[10] != 0 || bytes[9] != 0 || bytes[13] != 0;
}

void KeyboardComponent::DestroyUsbKeyboards()
{
    for (UsbDevice* device : m_usbKeyboards) {
        delete device;
    }
    m_usbKeyboards.clear();
}

void KeyboardComponent::RefreshUsbKeyboards()
{
    DestroyUsbKeyboards();
    if (!m_usb) {
        return;
    }
    std::vector<UsbHostControllerDevice*> controllers;
    const UsbError error = m_usb->GetHostControllers(controllers);
    for (UsbHostControllerDevice* controller : controllers) {
        for (UsbDevice* device : controller->GetUsbDevices()) {
            const bool keyboard = error.code == 0 && device->GetDeviceClass() == kHidClass
                && device->GetDeviceProtocol() == kKeyboardProtocol;
            if (keyboard) {
                m_usbKeyboards.push_back(device);
            } else {
                delete device;
            }
        }
        // The kept devices now belong to this component; the controller must not free them.
        controller->SetUsbDevices({});
        delete controller;
    }
}

std::vector<UsbDevice*> KeyboardComponent::GetUsbKeyboards() const { return m_usbKeyboards; }

bool KeyboardComponent::HasDriverService() const { return GetService(m_driverService) != nullptr; }

uint32_t KeyboardComponent::QueryDriverVersion(std::string& version) const
{
    if (m_platform.classDriver == nullptr) {
        return kStatusFailure;
    }
    std::string found;
    if (!m_platform.classDriver->QueryDriverVersion(found)) {
        return kStatusFailure;
    }
    version = found;
    return kStatusSuccess;
}

void KeyboardComponent::DetectKeyboards()
{
    RefreshUsbKeyboards();
    m_attributes.clear();
    m_properties.clear();
    m_devices.clear();
    m_typeName = keys::kKeyboardDeviceName;
    m_attributes.emplace_back(kUdiKey, keys::kKeyboardDeviceName);

    hwkit::NumberHandler* numbers = hwkit::get_number_handler();
    int32_t index = 1;
    auto indexText = [&numbers, &index] {
        const std::string text = numbers != nullptr ? numbers->IndexToText(index) : std::to_string(index);
        ++index;
        return text;
    };

    if (IsPs2KeyboardPresent()) {
        DeviceEntry entry;
        entry.name = keys::kKeyboardDeviceName;
        entry.properties.emplace_back(kIndexKey, indexText());
        entry.properties.emplace_back(keys::kPs2Keyboard, keys::kPs2KeyboardDetectedStatus);
        std::string version;
        if (QueryDriverVersion(version) == kStatusSuccess) {
            entry.properties.emplace_back(keys::kDriverVersion, version);
        }
        m_devices.push_back(std::move(entry));
    }
    for (UsbDevice* device : m_usbKeyboards) {
        DeviceEntry entry;
        entry.name = keys::kKeyboardDeviceName;
        entry.properties.emplace_back(kIndexKey, indexText());
        entry.properties.emplace_back(keys::kUsbKeyboardVendorId, std::to_string(device->GetVendorId()));
        entry.properties.emplace_back(keys::kUsbKeyboardProductId, std::to_string(device->GetProductId()));
        entry.properties.emplace_back(keys::kUsbKeyboard,
                                      "[" + device->GetManufacturer() + " - " + device->GetProduct() + "]");
        std::string version;
        if (QueryDriverVersion(version) == kStatusSuccess) {
            entry.properties.emplace_back(keys::kDriverVersion, version);
        }
        m_devices.push_back(std::move(entry));
    }
}
