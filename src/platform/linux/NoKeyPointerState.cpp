// Picks the system's key and pointer state source: X11, then evdev, then nothing.
#include "platform/linux/NoKeyPointerState.h"

#include <cstdlib>

#include "platform/linux/EvdevKeyPointerState.h"
#include "platform/linux/X11KeyPointerState.h"

namespace corvo::platform {

std::unique_ptr<KeyPointerState> CreateKeyPointerState(const std::string& displayName,
                                                       const std::string& inputDirectory)
{
    if (!displayName.empty()) {
        auto display = std::make_unique<X11KeyPointerState>(displayName);
        if (display->IsAvailable()) {
            return display;
        }
    }
    auto devices = std::make_unique<EvdevKeyPointerState>(inputDirectory);
    if (devices->IsAvailable()) {
        return devices;
    }
    return std::make_unique<NoKeyPointerState>();
}

std::unique_ptr<KeyPointerState> CreateSystemKeyPointerState()
{
    const char* display = std::getenv("DISPLAY");
    return CreateKeyPointerState(display != nullptr ? display : "", "/dev/input");
}

} // namespace corvo::platform
