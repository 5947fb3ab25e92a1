// The key and pointer state where nothing can be read.
#pragma once

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

} // namespace corvo::platform
