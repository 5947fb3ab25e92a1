// Test doubles for the dialogs' services: a capture the test feeds by hand, scripted key text and
// key state.
#pragma once

#include <QEvent>
#include <QObject>

#include <map>
#include <memory>

#include "platform/DialogPlatform.h"

namespace keycodetest {

// What the fakes share with the test, reset for each case.
struct FakeSystem {
    corvo::platform::KeyCapture::Handler handler;
    int capturesAlive = 0;
    int capturesMade = 0;
    std::map<uint8_t, corvo::platform::KeyTextResult> texts;
    corvo::platform::KeyboardStateBytes keys{};
    corvo::platform::KeyboardStateBytes lastTranslatedState{};
    int translations = 0;
    corvo::platform::KeyboardLayoutIdentity layout{"us", "en_US"};

    // Sends a key through the capture as the system would; returns whether it may pass.
    bool Key(uint8_t virtualKey, bool down) { return handler ? handler(virtualKey, down) : false; }
};

FakeSystem& Fakes();

class FakeCapture : public corvo::platform::KeyCapture {
public:
    explicit FakeCapture(Handler handler)
    {
        Fakes().handler = std::move(handler);
        ++Fakes().capturesAlive;
        ++Fakes().capturesMade;
    }
    ~FakeCapture() override
    {
        Fakes().handler = nullptr;
        --Fakes().capturesAlive;
    }
    bool IsActive() const override { return true; }
};

class FakeKeyText : public corvo::platform::KeyText {
public:
    uint32_t ScanCodeOf(uint8_t virtualKey) override { return virtualKey + 8u; }
    corvo::platform::KeyTextResult Translate(uint8_t virtualKey, uint32_t scanCode,
                                            const corvo::platform::KeyboardStateBytes& state) override
    {
        ++Fakes().translations;
        Fakes().lastTranslatedState = state;
        if (scanCode != virtualKey + 8u) {
            return {};
        }
        const auto found = Fakes().texts.find(virtualKey);
        return found == Fakes().texts.end() ? corvo::platform::KeyTextResult{} : found->second;
    }
    corvo::platform::KeyboardLayoutIdentity ActiveLayout() override { return Fakes().layout; }
};

class FakeKeyState : public corvo::platform::KeyPointerState {
public:
    bool IsAvailable() const override { return true; }
    std::string Description() const override { return "fake"; }
    corvo::platform::KeyboardStateBytes ReadKeyboardState() override { return Fakes().keys; }
    bool IsKeyDown(uint8_t code) override { return (Fakes().keys[code] & 0x80) != 0; }
    bool IsToggled(uint8_t code) override { return (Fakes().keys[code] & 0x01) != 0; }
    std::optional<corvo::platform::PointerPosition> ReadPointerPosition() override { return std::nullopt; }
    bool SynthesizeKeyRelease(uint8_t) override { return false; }
};

// Counts the user events a dialog posts (one per key shown or marking pass), as a host's filter
// would, and lets every event through.
class UserEventCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            ++count;
        }
        return false;
    }
    int count = 0;
};

// Installs the fakes for every dialog built afterwards and clears their shared state.
inline void InstallFakes()
{
    Fakes() = FakeSystem{};
    corvo::platform::DialogPlatform platform;
    platform.createKeyCapture = [](QWidget*, corvo::platform::KeyCapture::Handler handler) {
        return std::unique_ptr<corvo::platform::KeyCapture>(std::make_unique<FakeCapture>(std::move(handler)));
    };
    platform.createKeyText = [] { return std::unique_ptr<corvo::platform::KeyText>(std::make_unique<FakeKeyText>()); };
    platform.createKeyState = [] {
        return std::unique_ptr<corvo::platform::KeyPointerState>(std::make_unique<FakeKeyState>());
    };
    corvo::platform::InstallDialogPlatform(std::move(platform));
}

} // namespace keycodetest
