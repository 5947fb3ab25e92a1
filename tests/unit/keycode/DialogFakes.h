// Test doubles for the dialogs' services: a capture the test feeds by hand, scripted key text and
// key state.
#pragma once

#include <QEvent>
#include <QObject>

#include <map>

#include "platform/DialogPlatform.h"

namespace keycodetest {

namespace platform = corvo::platform;

// What the fakes share with the test, reset for each case.
struct FakeSystem {
    platform::KeyCapture::Handler handler;
    int capturesAlive = 0;
    std::map<uint8_t, platform::KeyTextResult> texts;
    platform::KeyboardStateBytes keys{};
    platform::KeyboardStateBytes lastTranslatedState{};
    platform::KeyboardLayoutIdentity layout{"us", "en_US"};

    // Sends a key through the capture as the system would; returns whether it may pass.
    bool Key(uint8_t virtualKey, bool down) { return handler ? handler(virtualKey, down) : false; }
};

FakeSystem& Fakes();

class FakeCapture : public platform::KeyCapture {
public:
    explicit FakeCapture(Handler handler)
    {
        Fakes().handler = std::move(handler);
        ++Fakes().capturesAlive;
    }
    ~FakeCapture() override
    {
        Fakes().handler = nullptr;
        --Fakes().capturesAlive;
    }
    Hold State() const override { return Hold::Holding; }
};

// Key text and key state from the shared state. Scan codes are the virtual key plus 8; a text is
// found only under the scan code it was asked for.
class FakeKeys : public platform::KeyText, public platform::KeyPointerState {
public:
    uint32_t ScanCodeOf(uint8_t virtualKey) override { return virtualKey + 8u; }
    platform::KeyTextResult Translate(uint8_t virtualKey, uint32_t scanCode,
                                      const platform::KeyboardStateBytes& state) override
    {
        Fakes().lastTranslatedState = state;
        const auto found = Fakes().texts.find(virtualKey);
        return found == Fakes().texts.end() || scanCode != virtualKey + 8u ? platform::KeyTextResult{} : found->second;
    }
    platform::KeyboardLayoutIdentity ActiveLayout() override { return Fakes().layout; }
    bool IsAvailable() const override { return true; }
    std::string Description() const override { return "fake"; }
    platform::KeyboardStateBytes ReadKeyboardState() override { return Fakes().keys; }
    bool IsKeyDown(uint8_t code) override { return (Fakes().keys[code] & 0x80) != 0; }
    bool IsToggled(uint8_t code) override { return (Fakes().keys[code] & 0x01) != 0; }
    std::optional<platform::PointerPosition> ReadPointerPosition() override { return std::nullopt; }
    bool SynthesizeKeyRelease(uint8_t) override { return false; }
};

// Counts the user events a dialog posts (one per key shown or marking pass), as a host's filter
// would, and lets every event through.
class UserEventCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::User ? 1 : 0;
        return false;
    }
    int count = 0;
};

// Installs the fakes for every dialog built afterwards and clears their shared state.
inline void InstallFakes()
{
    Fakes() = FakeSystem{};
    platform::InstallDialogPlatform({
        [](QWidget*, platform::KeyCapture::Handler handler) -> std::unique_ptr<platform::KeyCapture> {
            return std::make_unique<FakeCapture>(std::move(handler));
        },
        []() -> std::unique_ptr<platform::KeyText> { return std::make_unique<FakeKeys>(); },
        []() -> std::unique_ptr<platform::KeyPointerState> { return std::make_unique<FakeKeys>(); },
    });
}

} // namespace keycodetest
