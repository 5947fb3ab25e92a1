// Until the X11 and evdev readers are wired in, no key state is read on Linux.
#include "platform/KeyPointerState.h"

namespace corvo::platform {

std::unique_ptr<KeyPointerState> CreateSystemKeyPointerState() { return nullptr; }

} // namespace corvo::platform
