// The key and pointer state where nothing can be read, and the choice of the system's source.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/KeyPointerState.h"

namespace corvo::platform {

// Nothing is down, nothing toggled, no pointer; callers that watch for input then see none.
class NoKeyPointerState : public KeyPointerState {
public:
    bool IsAvailable() const override;
    std::string Description() const override;
    KeyboardStateBytes ReadKeyboardState() override;
    bool IsKeyDown(uint8_t virtualKey) override;
    bool IsToggled(uint8_t virtualKey) override;
    std::optional<PointerPosition> ReadPointerPosition() override;
    bool SynthesizeKeyRelease(uint8_t virtualKey) override;
};

// The X display of that name when it answers (an empty name skips X), else the event devices in
// inputDirectory when one of them can be read, else NoKeyPointerState. CreateSystemKeyPointerState
// is this with DISPLAY and /dev/input.
std::unique_ptr<KeyPointerState> CreateKeyPointerState(const std::string& displayName,
                                                       const std::string& inputDirectory);

} // namespace corvo::platform
