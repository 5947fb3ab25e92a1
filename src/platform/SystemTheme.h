// What the dialogs ask of the system's theme: its colours, high contrast, and which native events announce a change.
#pragma once

#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace corvo::platform {

// A colour as the suite's system palette stores it: red in the low byte, then green, then blue.
using SystemColourRef = uint32_t;

// The thirty system colour slots, in the suite's order: slot i holds system colour index i for
// i < 25 and index i + 1 after that (index 25 is not part of the set).
inline constexpr std::size_t kSystemColourCount = 30;
using SystemColours = std::array<SystemColourRef, kSystemColourCount>;

// The system colour index held in a slot of SystemColours.
constexpr int SystemColourIndexOfSlot(std::size_t slot)
{
    return slot < 25 ? static_cast<int>(slot) : static_cast<int>(slot) + 1;
}

constexpr SystemColourRef MakeSystemColourRef(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<SystemColourRef>(red) | (static_cast<SystemColourRef>(green) << 8)
        | (static_cast<SystemColourRef>(blue) << 16);
}

class SystemTheme {
public:
    virtual ~SystemTheme() = default;

    // A fresh reading of the thirty colours.
    virtual SystemColours Colours() const = 0;
    virtual bool IsHighContrastOn() const = 0;
    // Whether a native event, as Qt hands it to native event filters, tells that the theme or the
    // high-contrast setting changed. Called for every native event of the process, so it must be
    // cheap and must not wait on the system.
    virtual bool IsThemeChangeEvent(const QByteArray& eventType, void* message) const = 0;
    // Whether a theme-change event is the dialogs' alone, so that it goes no further once they
    // have it; false where the same event also carries settings the toolkit itself reads.
    virtual bool OwnsThemeChangeEvents() const { return true; }
};

// The system's own theme (on Linux: the X settings manager and the platform palette). Created on
// the user-interface thread once the application object exists.
std::unique_ptr<SystemTheme> CreateSystemTheme();

// The theme the module's dialogs read: the one installed with InstallSystemTheme, else the
// system's own, created on first use and kept for the life of the process.
SystemTheme& CurrentSystemTheme();

// Puts a theme in front of the system's own, for the static core's tests; nullptr goes back to the
// system's. The caller keeps ownership and keeps the theme alive while it is installed. Returns
// the previously installed theme (nullptr when it was the system's).
SystemTheme* InstallSystemTheme(SystemTheme* theme);

} // namespace corvo::platform
