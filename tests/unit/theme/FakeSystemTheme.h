// A system theme the tests set by hand: colours, high contrast, and one native event that means "changed".
#pragma once

#include "platform/SystemTheme.h"

namespace corvo::testing {

class FakeSystemTheme : public platform::SystemTheme {
public:
    static constexpr char kChangeEventType[] = "fake_theme_change";

    // Slot i holds red i, green 0x10 + i, blue 0x20 + i, written as the system stores it, so a
    // colour read from the wrong slot or with the bytes swapped shows in the sheet.
    FakeSystemTheme()
    {
        for (uint32_t slot = 0; slot < platform::kSystemColourCount; ++slot)
            colours[slot] = ((0x20u + slot) << 16) | ((0x10u + slot) << 8) | slot;
    }

    platform::SystemColours Colours() const override { return colours; }
    bool IsHighContrastOn() const override { return highContrast; }
    bool IsThemeChangeEvent(const QByteArray& eventType, void* message) const override
    {
        return eventType == kChangeEventType && message == &changeMessage;
    }

    platform::SystemColours colours{};
    bool highContrast = false;
    // The one message that announces a change; its address is what counts.
    int changeMessage = 0;
};

// The colour names the fake's palette gives the slots the restyling reads.
inline constexpr char kBackground[] = "#011121";
inline constexpr char kWindowText[] = "#081828";
inline constexpr char kHighlight[] = "#0d1d2d";
inline constexpr char kHighlightText[] = "#0e1e2e";
inline constexpr char kButtonFace[] = "#0f1f2f";
inline constexpr char kGreyText[] = "#112131";
inline constexpr char kButtonText[] = "#122232";
inline constexpr char kInfoText[] = "#172737";

} // namespace corvo::testing
