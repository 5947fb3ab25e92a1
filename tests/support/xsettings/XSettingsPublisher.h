// An X settings manager for tests and screenshots: owns _XSETTINGS_S<screen> and publishes a theme name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

struct xcb_connection_t;

namespace corvo::testing {

// One setting of the _XSETTINGS_SETTINGS property: an integer, a string or an RGBA colour.
struct XSetting {
    std::string name;
    std::variant<int32_t, std::string, std::vector<uint16_t>> value;
};

// The property's bytes for these settings, in the byte order asked for.
std::string EncodeXSettings(const std::vector<XSetting>& settings, uint32_t serial, bool bigEndian = false);

class XSettingsPublisher {
public:
    // Connects to the display ("" for DISPLAY), takes the settings selection of its default screen
    // and publishes Net/ThemeName; null with the reason when it cannot.
    static std::unique_ptr<XSettingsPublisher> Start(const std::string& displayName, const std::string& themeName,
                                                     std::string& failure);
    // Gives the selection up: the manager's window is destroyed, as when a settings daemon exits.
    ~XSettingsPublisher();
    XSettingsPublisher(const XSettingsPublisher&) = delete;
    XSettingsPublisher& operator=(const XSettingsPublisher&) = delete;

    // Publishes a new theme name and returns once the server has it.
    void SetThemeName(const std::string& themeName);
    // "HighContrast" or "Adwaita", the names a desktop uses for the two states.
    void SetHighContrast(bool on) { SetThemeName(on ? "HighContrast" : "Adwaita"); }

private:
    XSettingsPublisher(xcb_connection_t* connection, uint32_t window, uint32_t settingsAtom);
    void Publish(const std::string& themeName);

    xcb_connection_t* connection_;
    uint32_t window_;
    uint32_t settingsAtom_;
    uint32_t serial_ = 0;
};

} // namespace corvo::testing
