// The system theme on Linux: high contrast from the X settings manager, colours from the platform palette.
#pragma once

#include "platform/SystemTheme.h"

#include <QByteArray>
#include <QPalette>
#include <QString>

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace corvo::platform {

class SystemThemeLinux : public SystemTheme {
public:
    // connection is the X connection whose events reach Qt's native event filters (Qt's own), or
    // nullptr when the application does not run on X: then high contrast is off and no change is
    // ever seen. screenNumber picks the settings manager, "_XSETTINGS_S<screen>".
    SystemThemeLinux(xcb_connection_t* connection, int screenNumber);
    ~SystemThemeLinux() override;

    SystemColours Colours() const override;
    bool IsHighContrastOn() const override;
    bool IsThemeChangeEvent(const QByteArray& eventType, void* message) const override;
    // The settings manager's property also holds the fonts, the DPI and the cursor theme, which
    // Qt reads from the same notices.
    bool OwnsThemeChangeEvents() const override { return false; }

    // The theme name the settings manager publishes ("Net/ThemeName"), empty when there is no
    // manager or it names no theme.
    QString ThemeName() const;

    // The value of a string setting in an _XSETTINGS_SETTINGS property; nothing when the property
    // is malformed or lacks the setting.
    static std::optional<QString> StringSetting(const QByteArray& property, const QByteArray& name);
    static bool IsHighContrastThemeName(const QString& themeName);
    // The thirty slots filled from a palette's roles.
    static SystemColours ColoursFromPalette(const QPalette& palette);
    // The palette used while high contrast is on: white on black for dark ("Inverse", "Dark")
    // theme names, black on white else.
    static QPalette HighContrastPalette(const QString& themeName);

private:
    // Asks the server who owns the settings selection now and starts watching that window.
    uint32_t RefreshOwner() const;
    void WatchOwner(uint32_t owner) const;

    xcb_connection_t* connection_ = nullptr;
    uint32_t root_ = 0;
    uint32_t selectionAtom_ = 0;
    uint32_t settingsAtom_ = 0;
    uint32_t managerAtom_ = 0;
    // The window whose settings property is watched; 0 while no manager runs.
    mutable uint32_t owner_ = 0;
};

} // namespace corvo::platform
