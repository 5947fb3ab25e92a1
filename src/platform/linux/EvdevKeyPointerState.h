// The key and pointer state read from the kernel's input devices, for machines without an X display.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "platform/KeyPointerState.h"
#include "platform/linux/VirtualKeyMap.h"

struct libevdev;

namespace corvo::platform {

// Keys and mouse buttons from every readable event device, toggles from their LEDs. Each reading
// asks the kernel for its key and LED bit maps afresh (EVIOCGKEY, EVIOCGLED) rather than trusting
// the events seen so far: while another descriptor grabs a keyboard, as the dialogs' own capture
// does, its events reach only that descriptor, yet the kernel's state stays true. Events are read
// through libevdev, which follows the axes and recovers from a full buffer. The kernel keeps no pointer position, so ReadPointerPosition reports a motion
// counter instead: relative motion read from the mice since this object opened them, plus the
// current coordinates of touchpads and tablets. It moves whenever the pointer moves, which is
// what a watch for user input needs, but it is no screen position. Releases cannot be
// synthesised: a release sent through a new uinput device would not clear the key that
// another device holds down.
//
// Any thread may use the object, one thread at a time.
class EvdevKeyPointerState : public KeyPointerState {
public:
    // inputDirectory holds the event* device nodes; map translates an X keycode, the kernel's key
    // code plus 8.
    explicit EvdevKeyPointerState(std::string inputDirectory = "/dev/input", VirtualKeyMap map = DefaultKeyMap());
    ~EvdevKeyPointerState() override;
    EvdevKeyPointerState(const EvdevKeyPointerState&) = delete;
    EvdevKeyPointerState& operator=(const EvdevKeyPointerState&) = delete;

    // True when at least one device that reports keys or buttons could be opened.
    bool IsAvailable() const override;
    std::string Description() const override;
    KeyboardStateBytes ReadKeyboardState() override;
    bool IsKeyDown(uint8_t virtualKey) override;
    bool IsToggled(uint8_t virtualKey) override;
    std::optional<PointerPosition> ReadPointerPosition() override;
    bool SynthesizeKeyRelease(uint8_t virtualKey) override;

    // The layout xkbcommon takes by default (XKB_DEFAULT_LAYOUT and its siblings, else US); the
    // console's own keymap is not visible to it. Fixed and US positions when no XKB data is
    // installed.
    static VirtualKeyMap DefaultKeyMap();

private:
    struct Device {
        int descriptor = -1;
        libevdev* evdev = nullptr; // owned; freed with the descriptor
        bool keys = false;      // reports keys or buttons
        bool lights = false;    // has keyboard LEDs
        bool relative = false;  // a mouse: relative X and Y motion
        bool absolute = false;  // a touchpad or tablet: absolute X and Y
    };

    // Opens the devices again when the folder changed (a device came or went) or a device failed.
    void ScanIfChanged();
    void CloseDevices();
    // Reads the device's pending events (counting mouse motion), then has libevdev ask the kernel
    // for the current keys, LEDs and axes. False when the device has gone.
    bool Refresh(const Device& device);

    std::string m_inputDirectory;
    VirtualKeyMap m_map;
    std::vector<Device> m_devices;
    bool m_scanned = false;
    timespec m_scannedModification{};
    long long m_motionX = 0;
    long long m_motionY = 0;
};

} // namespace corvo::platform
