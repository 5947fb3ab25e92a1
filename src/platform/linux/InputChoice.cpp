// The choice of key sources from what this session offers.
#include "platform/linux/InputChoice.h"

#include <dirent.h>
#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/randr.h>
#include <xcb/xinput.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace corvo::platform {

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool StartsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

bool HasXWaylandDevice(xcb_connection_t* connection)
{
    // An X Input 2 request before the version is announced is refused.
    std::free(xcb_input_xi_query_version_reply(connection, xcb_input_xi_query_version(connection, 2, 0), nullptr));
    xcb_input_xi_query_device_reply_t* reply = xcb_input_xi_query_device_reply(
        connection, xcb_input_xi_query_device(connection, XCB_INPUT_DEVICE_ALL), nullptr);
    bool found = false;
    for (xcb_input_xi_device_info_iterator_t device = xcb_input_xi_query_device_infos_iterator(reply);
         reply != nullptr && device.rem > 0 && !found; xcb_input_xi_device_info_next(&device)) {
        found = StartsWith(std::string(xcb_input_xi_device_info_name(device.data),
                                       static_cast<std::size_t>(xcb_input_xi_device_info_name_length(device.data))),
                           "xwayland-");
    }
    std::free(reply);
    return found;
}

bool HasXWaylandOutput(xcb_connection_t* connection, xcb_window_t root)
{
    std::free(xcb_randr_query_version_reply(connection, xcb_randr_query_version(connection, 1, 3), nullptr));
    xcb_randr_get_screen_resources_current_reply_t* reply = xcb_randr_get_screen_resources_current_reply(
        connection, xcb_randr_get_screen_resources_current(connection, root), nullptr);
    bool found = false;
    const xcb_randr_output_t* outputs =
        reply != nullptr ? xcb_randr_get_screen_resources_current_outputs(reply) : nullptr;
    for (int index = 0; reply != nullptr && index < xcb_randr_get_screen_resources_current_outputs_length(reply) &&
                        !found;
         ++index) {
        xcb_randr_get_output_info_reply_t* output = xcb_randr_get_output_info_reply(
            connection, xcb_randr_get_output_info(connection, outputs[index], reply->config_timestamp), nullptr);
        found = output != nullptr &&
                StartsWith(std::string(reinterpret_cast<const char*>(xcb_randr_get_output_info_name(output)),
                                       static_cast<std::size_t>(xcb_randr_get_output_info_name_length(output))),
                           "XWAYLAND");
        std::free(output);
    }
    std::free(reply);
    return found;
}

// Nothing in the core protocol tells XWayland from a server of its own. Newer ones announce an
// extension of that name; every one names its input devices "xwayland-keyboard:N" and the like
// once the compositor has a seat, and names its outputs "XWAYLAND0" and on unless the compositor
// gives them names of its own.
bool IsXWayland(xcb_connection_t* connection)
{
    static const char kExtension[] = "XWAYLAND";
    xcb_query_extension_reply_t* extension = xcb_query_extension_reply(
        connection, xcb_query_extension(connection, sizeof kExtension - 1, kExtension), nullptr);
    const bool announced = extension != nullptr && extension->present != 0;
    std::free(extension);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // A request of an extension the server lacks ends the connection, which then answers nothing.
    return announced || (screen != nullptr && HasXWaylandOutput(connection, screen->root)) ||
           HasXWaylandDevice(connection);
}

void SurveyDisplay(InputSurvey& survey)
{
    if (survey.display.empty()) {
        return;
    }
    xcb_connection_t* connection = xcb_connect(survey.display.c_str(), nullptr);
    survey.displayAnswers = xcb_connection_has_error(connection) == 0;
    // A root shell started with sudo has lost WAYLAND_DISPLAY and XDG_SESSION_TYPE, not DISPLAY.
    if (survey.displayAnswers && survey.waylandEvidence.empty() && IsXWayland(connection)) {
        survey.waylandEvidence = "DISPLAY=" + survey.display + " is XWayland";
    }
    xcb_disconnect(connection);
}

void SurveyDevices(InputSurvey& survey)
{
    DIR* directory = ::opendir(survey.inputDirectory.c_str());
    if (directory == nullptr) {
        survey.refusal = survey.inputDirectory + ": " + std::strerror(errno);
        return;
    }
    const VirtualKeyMap positions = VirtualKeyMap::FromEvdevPositions();
    while (const dirent* entry = ::readdir(directory)) {
        if (std::strncmp(entry->d_name, "event", 5) != 0) {
            continue;
        }
        const std::string path = survey.inputDirectory + "/" + entry->d_name;
        // Read access is all the capture's grab and the state's readings need.
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) {
            if (survey.refused++ == 0) {
                survey.refusal = path + ": " + std::strerror(errno);
            }
            continue;
        }
        libevdev* evdev = nullptr;
        if (libevdev_new_from_fd(descriptor, &evdev) == 0) {
            survey.keyboards += IsKeyboardDevice(evdev, positions) ? 1 : 0;
            libevdev_free(evdev);
        }
        ::close(descriptor);
    }
    ::closedir(directory);
}

// On a Wayland session the X server is XWayland, which misses what is typed into the session's
// own windows, so there the devices come before it.
std::vector<KeySource> KeyStateOrder(bool waylandSession)
{
    if (waylandSession) {
        return {KeySource::EventDevices, KeySource::XWayland};
    }
    return {KeySource::X11, KeySource::EventDevices};
}

} // namespace

bool IsKeyboardDevice(const libevdev* evdev, const VirtualKeyMap& map)
{
    for (unsigned int code = KEY_ESC; code < BTN_MISC; ++code) {
        if (libevdev_has_event_code(evdev, EV_KEY, code) && map.VirtualKeyOfEvdevCode(code) != 0) {
            return true;
        }
    }
    return false;
}

InputChoice ChooseInput(const InputSurvey& survey)
{
    const bool wayland = !survey.waylandEvidence.empty();
    InputChoice choice;
    for (const KeySource source : KeyStateOrder(wayland)) {
        const bool available = source == KeySource::EventDevices ? survey.keyboards > 0 : survey.displayAnswers;
        if (available) {
            choice.watchState = source;
            break;
        }
    }
    // An X client on a Wayland session sees only the keys the compositor gives its windows, so
    // there the keyboards' own devices come first, as everywhere without X.
    if (survey.dialogsOnX && !wayland) {
        choice.capture = KeySource::X11;
    } else if (survey.keyboards > 0) {
        choice.capture = KeySource::EventDevices;
    } else if (survey.dialogsOnX) {
        choice.capture = KeySource::XWayland;
    } else {
        choice.capture = KeySource::FocusedWindow;
    }
    // Keys the capture grabs from the devices reach no display server, whose lock and Shift state
    // then stands still; the devices' own state moves with them.
    choice.dialogState = choice.capture == KeySource::EventDevices ? KeySource::EventDevices : choice.watchState;
    return choice;
}

std::string WaylandEvidence()
{
    const std::string waylandDisplay = Environment("WAYLAND_DISPLAY");
    if (!waylandDisplay.empty()) {
        return "WAYLAND_DISPLAY=" + waylandDisplay;
    }
    if (Environment("XDG_SESSION_TYPE") == "wayland") {
        return "XDG_SESSION_TYPE=wayland";
    }
    return {};
}

InputSurvey SurveyInput(bool dialogsOnX, const std::string& inputDirectory)
{
    return SurveyInput(dialogsOnX, inputDirectory, Environment("DISPLAY"));
}

InputSurvey SurveyInput(bool dialogsOnX, const std::string& inputDirectory, const std::string& display)
{
    InputSurvey survey;
    survey.waylandEvidence = WaylandEvidence();
    survey.display = display;
    SurveyDisplay(survey);
    survey.dialogsOnX = dialogsOnX && survey.displayAnswers;
    survey.inputDirectory = inputDirectory;
    SurveyDevices(survey);
    return survey;
}

const char* KeySourceName(KeySource source)
{
    switch (source) {
    case KeySource::X11:
        return "x11";
    case KeySource::EventDevices:
        return "event-devices";
    case KeySource::XWayland:
        return "xwayland";
    case KeySource::FocusedWindow:
        return "focused-window";
    case KeySource::None:
        break;
    }
    return "none";
}

} // namespace corvo::platform
