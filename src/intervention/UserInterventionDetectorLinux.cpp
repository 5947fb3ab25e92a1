// Polls the whole key state and the pointer until something changes or the time is up.
#include "intervention/UserInterventionDetectorLinux.h"

#include <optional>

#include "platform/KeyPointerState.h"
#include "platform/hwkit.h"

namespace {
constexpr int kEscape = 0x1B;
constexpr uint8_t kDownBit = 0x80;
} // namespace

UserInterventionDetectorLinux::UserInterventionDetectorLinux(uint32_t watchMask, corvo::platform::KeyPointerState& state)
    : UserInterventionDetector(watchMask), m_state(state)
{
}

UserInterventionDetectorLinux::~UserInterventionDetectorLinux() = default;

bool UserInterventionDetectorLinux::Detect(uint32_t timeoutMilliseconds)
{
    hwkit::Timer* timer = hwkit::get_timer();
    const uint32_t start = timer->GetTick();
    const float timeoutSeconds = static_cast<float>(timeoutMilliseconds) / 1000.0f;
    // The pointer is judged against where it is now, not where it was at the last call.
    const std::optional<corvo::platform::PointerPosition> origin = m_state.ReadPointerPosition();

    while (true) {
        if ((GetWatchMask() & WatchKeyboard) != 0) {
            // One reading covers every key and mouse button, so a held button counts too.
            const corvo::platform::KeyboardStateBytes keys = m_state.ReadKeyboardState();
            for (int code = 0; code < 256; ++code) {
                if (code != kEscape && (keys[static_cast<std::size_t>(code)] & kDownBit) != 0) {
                    return true;
                }
            }
        }
        if ((GetWatchMask() & WatchPointer) != 0) {
            const std::optional<corvo::platform::PointerPosition> position = m_state.ReadPointerPosition();
            // A reading that fails says nothing about the user, so only two positions compare.
            if (position && origin && !(*position == *origin)) {
                return true;
            }
        }
        if (!(static_cast<double>(timeoutSeconds) > timer->ElapsedSeconds(start, timer->GetTick()))) {
            return false;
        }
        // Each pass reads the state afresh; a pause of a millisecond between passes keeps the
        // poll from burning a core for the whole timeout without missing a held key.
        timer->Sleep(1);
    }
}
