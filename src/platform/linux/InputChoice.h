// Which of the system's key sources the dialogs and the intervention watch use, and why: one
// decision, taken by the module and described by the hosts from the same facts.
#pragma once

#include <string>

#include "platform/linux/VirtualKeyMap.h"

struct libevdev;

namespace corvo::platform {

enum class KeySource {
    X11,           // the X server whose client the program is, with every key of the session
    EventDevices,  // the kernel's keyboard (and pointer) event devices, below any display server
    XWayland,      // an X server inside a Wayland session: it sees only keys typed into X windows
    FocusedWindow, // the keys the toolkit hands the focused dialog, and nothing else
    None,
};

// What decides the choice, read from this process's environment, display and devices.
struct InputSurvey {
    // How a Wayland session showed itself ("WAYLAND_DISPLAY=wayland-0",
    // "XDG_SESSION_TYPE=wayland"); empty when none did.
    std::string waylandEvidence;
    std::string display; // DISPLAY; empty when unset
    bool displayAnswers = false;
    // The dialogs' windows are on that X server (the toolkit runs on xcb).
    bool dialogsOnX = false;
    std::string inputDirectory;
    int keyboards = 0; // keyboard event devices this process can open
    int refused = 0;   // event devices it may not open
    std::string refusal; // the first refusal, as the system words it
};

struct InputChoice {
    KeySource capture = KeySource::None;     // the dialogs' key capture
    KeySource dialogState = KeySource::None; // the dialogs' lock and Shift state
    KeySource watchState = KeySource::None;  // the PS/2 test's watch for keys and pointer
};

InputChoice ChooseInput(const InputSurvey& survey);

// How this session shows it is a Wayland one; empty when it does not.
std::string WaylandEvidence();

// Surveys this process's session. dialogsOnX: its windows are on the X server of DISPLAY.
// Opening the devices and the display takes a few milliseconds.
InputSurvey SurveyInput(bool dialogsOnX, const std::string& inputDirectory = "/dev/input");
// The same with the X display of that name instead of DISPLAY; an empty name is no display.
InputSurvey SurveyInput(bool dialogsOnX, const std::string& inputDirectory, const std::string& display);

// A device with a key the module knows by a virtual-key code: keyboards and keypads, not mice,
// power buttons or joysticks.
bool IsKeyboardDevice(const libevdev* evdev, const VirtualKeyMap& map);

// A word for scripts and reports: "x11", "event-devices", "xwayland", "focused-window", "none".
const char* KeySourceName(KeySource source);

} // namespace corvo::platform
