// The system services a keyboard component works through, replaceable as a whole in tests.
#pragma once

#include <functional>
#include <memory>

class UsbComponent;

namespace corvo::platform {
class DynamicLibraries;
class KeyboardClassDriver;
class KeyPointerState;
} // namespace corvo::platform

struct KeyboardPlatform {
    std::function<std::unique_ptr<UsbComponent>()> createUsbComponent;
    corvo::platform::DynamicLibraries* libraries = nullptr;
    const corvo::platform::KeyboardClassDriver* classDriver = nullptr;
    // Made when first needed: it may open a display connection.
    std::function<std::unique_ptr<corvo::platform::KeyPointerState>()> createKeyPointerState;

    // The machine's own USB tree, loader, keyboard driver and input state.
    static KeyboardPlatform System();
};
