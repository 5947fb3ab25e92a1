// A keyboard component on a scripted machine: fake USB tree, fake driver facts, fake firmware.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FakeHwkit.h"
#include "FakeUsb.h"
#include "components/KeyboardPlatform.h"
#include "platform/KeyPointerState.h"
#include "platform/KeyboardClassDriver.h"

namespace keyboardtest {

class FixedClassDriver : public corvo::platform::KeyboardClassDriver {
public:
    bool QueryDriverVersion(std::string& found) const override
    {
        ++queries;
        found = version.empty() ? found : version;
        return !version.empty();
    }
    bool RestoreRepeatSettings() const override { return ++restores, repeatRestorable; }

    std::string version;
    bool repeatRestorable = true;
    mutable int queries = 0;
    mutable int restores = 0;
};

// Key and pointer state read from a script: what is down, where the pointer is, and what was
// released. A reading can change the state, to model a person acting at a given moment.
class ScriptedKeyState : public corvo::platform::KeyPointerState {
public:
    bool IsAvailable() const override { return true; }
    std::string Description() const override { return "scripted"; }
    corvo::platform::KeyboardStateBytes ReadKeyboardState() override
    {
        ++keyboardReadings;
        if (onKeyboardReading) {
            onKeyboardReading(*this);
        }
        return keys;
    }
    bool IsKeyDown(uint8_t code) override { return (keys[code] & 0x80) != 0; }
    bool IsToggled(uint8_t code) override { return (keys[code] & 0x01) != 0; }
    std::optional<corvo::platform::PointerPosition> ReadPointerPosition() override
    {
        ++pointerReadings;
        if (onPointerReading) {
            onPointerReading(*this);
        }
        return pointer;
    }
    bool SynthesizeKeyRelease(uint8_t code) override
    {
        released.push_back(code);
        keys[code] = static_cast<uint8_t>(keys[code] & ~0x80);
        return true;
    }
    void Press(uint8_t code) { keys[code] |= 0x80; }

    corvo::platform::KeyboardStateBytes keys{};
    std::optional<corvo::platform::PointerPosition> pointer = corvo::platform::PointerPosition{100, 100};
    std::vector<uint8_t> released;
    int keyboardReadings = 0;
    int pointerReadings = 0;
    std::function<void(ScriptedKeyState&)> onKeyboardReading;
    std::function<void(ScriptedKeyState&)> onPointerReading;
};

// Hands a component its own object while the test keeps the script.
class ForwardingKeyState : public corvo::platform::KeyPointerState {
public:
    explicit ForwardingKeyState(corvo::platform::KeyPointerState& target) : m_target(target) {}
    bool IsAvailable() const override { return m_target.IsAvailable(); }
    std::string Description() const override { return m_target.Description(); }
    corvo::platform::KeyboardStateBytes ReadKeyboardState() override { return m_target.ReadKeyboardState(); }
    bool IsKeyDown(uint8_t code) override { return m_target.IsKeyDown(code); }
    bool IsToggled(uint8_t code) override { return m_target.IsToggled(code); }
    std::optional<corvo::platform::PointerPosition> ReadPointerPosition() override { return m_target.ReadPointerPosition(); }
    bool SynthesizeKeyRelease(uint8_t code) override { return m_target.SynthesizeKeyRelease(code); }

private:
    corvo::platform::KeyPointerState& m_target;
};

struct ScriptedMachine {
    ScriptedMachine() { fakehwkit::Reset(); }

    // No loader: components never load a driver-service plug-in.
    KeyboardPlatform Platform()
    {
        KeyboardPlatform platform;
        platform.createUsbComponent = [machine = usb] { return std::make_unique<fakeusb::FakeUsbComponent>(machine); };
        platform.classDriver = &classDriver;
        platform.createKeyPointerState = [state = &keyState]() -> std::unique_ptr<corvo::platform::KeyPointerState> {
            return std::make_unique<ForwardingKeyState>(*state);
        };
        return platform;
    }
    void SetPs2Flag(std::size_t offset) { fakehwkit::SetFlag(offset, 1); }

    std::shared_ptr<fakeusb::Machine> usb = std::make_shared<fakeusb::Machine>();
    FixedClassDriver classDriver;
    ScriptedKeyState keyState;
};

} // namespace keyboardtest
