// Tells an automatic test whether anybody pressed a key or a mouse button, or moved the pointer,
// during the next few milliseconds.
#pragma once

#include <cstdint>
#include <memory>

namespace corvo::platform {
class KeyPointerState;
}

class UserInterventionDetector {
public:
    enum WatchMask : uint32_t {
        WatchKeyboard = 1, // keys and mouse buttons
        WatchPointer = 2,  // pointer position
    };

    // The platform's detector reading state, which must outlive it.
    static std::unique_ptr<UserInterventionDetector> Create(uint32_t watchMask, corvo::platform::KeyPointerState& state);

    explicit UserInterventionDetector(uint32_t watchMask);
    virtual ~UserInterventionDetector();

    // Blocks until intervention is seen (true) or timeoutMilliseconds pass without any (false).
    virtual bool Detect(uint32_t timeoutMilliseconds) = 0;

    uint32_t GetWatchMask() const { return m_watchMask; }

private:
    uint32_t m_watchMask;
};
