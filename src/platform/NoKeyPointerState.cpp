// The key and pointer state that reads nothing.
#include "platform/NoKeyPointerState.h"

namespace corvo::platform {

bool NoKeyPointerState::IsAvailable() const
{
    return false;
}

std::string NoKeyPointerState::Description() const
{
    return "none";
}

KeyboardStateBytes NoKeyPointerState::ReadKeyboardState()
{
    return {};
}

bool NoKeyPointerState::IsKeyDown(uint8_t)
{
    return false;
}

bool NoKeyPointerState::IsToggled(uint8_t)
{
    return false;
}

std::optional<PointerPosition> NoKeyPointerState::ReadPointerPosition()
{
    return std::nullopt;
}

bool NoKeyPointerState::SynthesizeKeyRelease(uint8_t)
{
    return false;
}

} // namespace corvo::platform
