// The Linux system theme without a display: palette slots, the settings property reader, the fallback.
#include "platform/linux/SystemThemeLinux.h"

#include "FakeSystemTheme.h"
#include "QtPrinters.h"
#include "XSettingsPublisher.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstring>

namespace {

using corvo::platform::SystemColours;
using corvo::platform::SystemThemeLinux;
using corvo::testing::EncodeXSettings;
using corvo::testing::XSetting;

QByteArray Bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

TEST(SystemColourSlots, IndexTwentyFiveIsSkipped)
{
    EXPECT_EQ(corvo::platform::SystemColourIndexOfSlot(0), 0);
    EXPECT_EQ(corvo::platform::SystemColourIndexOfSlot(24), 24);
    EXPECT_EQ(corvo::platform::SystemColourIndexOfSlot(25), 26);
    EXPECT_EQ(corvo::platform::SystemColourIndexOfSlot(29), 30);
    EXPECT_EQ(corvo::platform::MakeSystemColourRef(0x12, 0x34, 0x56), 0x00563412u);
}

TEST(SystemThemeLinuxPalette, SlotsTakeTheMatchingPaletteRoles)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x01, 0x02, 0x03));
    palette.setColor(QPalette::WindowText, QColor(0x12, 0x34, 0x56));
    palette.setColor(QPalette::Highlight, QColor(0x21, 0x22, 0x23));
    palette.setColor(QPalette::HighlightedText, QColor(0x31, 0x32, 0x33));
    palette.setColor(QPalette::Button, QColor(0x41, 0x42, 0x43));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x51, 0x52, 0x53));
    palette.setColor(QPalette::ButtonText, QColor(0x61, 0x62, 0x63));
    palette.setColor(QPalette::ToolTipText, QColor(0x71, 0x72, 0x73));
    palette.setColor(QPalette::Link, QColor(0x81, 0x82, 0x83));
    const SystemColours colours = SystemThemeLinux::ColoursFromPalette(palette);
    EXPECT_EQ(colours[1], 0x030201u);   // background
    EXPECT_EQ(colours[8], 0x563412u);   // window text
    EXPECT_EQ(colours[13], 0x232221u);  // highlight
    EXPECT_EQ(colours[14], 0x333231u);  // highlight text
    EXPECT_EQ(colours[15], 0x434241u);  // button face
    EXPECT_EQ(colours[17], 0x535251u);  // grey text
    EXPECT_EQ(colours[18], 0x636261u);  // button text
    EXPECT_EQ(colours[23], 0x737271u);  // info text
    EXPECT_EQ(colours[25], 0x838281u);  // index 26, hot light
    EXPECT_EQ(colours[29], 0x030201u);  // index 30, menu bar
}

TEST(SystemThemeLinuxPalette, HighContrastPalettesFollowTheThemeName)
{
    const QPalette dark = SystemThemeLinux::HighContrastPalette("HighContrastInverse");
    EXPECT_EQ(dark.color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(dark.color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(dark.color(QPalette::ButtonText), QColor(Qt::white));
    const QPalette light = SystemThemeLinux::HighContrastPalette("HighContrast");
    EXPECT_EQ(light.color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(light.color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_NE(light.color(QPalette::Disabled, QPalette::Text), light.color(QPalette::WindowText));
    EXPECT_NE(light.color(QPalette::Highlight), light.color(QPalette::WindowText));
}

TEST(SystemThemeLinuxNames, HighContrastThemeNames)
{
    EXPECT_TRUE(SystemThemeLinux::IsHighContrastThemeName("HighContrast"));
    EXPECT_TRUE(SystemThemeLinux::IsHighContrastThemeName("HighContrastInverse"));
    EXPECT_TRUE(SystemThemeLinux::IsHighContrastThemeName("highcontrast"));
    EXPECT_FALSE(SystemThemeLinux::IsHighContrastThemeName("Adwaita"));
    EXPECT_FALSE(SystemThemeLinux::IsHighContrastThemeName("Contrast"));
    EXPECT_FALSE(SystemThemeLinux::IsHighContrastThemeName(""));
}

// ---- The _XSETTINGS_SETTINGS property ----

TEST(XSettingsProperty, ReadsAHandWrittenLittleEndianProperty)
{
    const char bytes[] = {
        0, 0, 0, 0,                  // byte order LSB first, unused
        7, 0, 0, 0,                  // serial
        1, 0, 0, 0,                  // one setting
        1, 0, 13, 0,                 // string, name length 13
        'N', 'e', 't', '/', 'T', 'h', 'e', 'm', 'e', 'N', 'a', 'm', 'e', 0, 0, 0,
        7, 0, 0, 0,                  // last change
        5, 0, 0, 0,                  // value length
        'D', 'a', 'r', 'k', 'X', 0, 0, 0,
    };
    const QByteArray property(bytes, sizeof bytes);
    EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Net/ThemeName"), std::optional<QString>("DarkX"));
    EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Net/IconThemeName"), std::nullopt);
}

TEST(XSettingsProperty, SkipsOtherTypesInEitherByteOrder)
{
    const std::vector<XSetting> settings = {
        {"Net/DoubleClickTime", int32_t{400}},
        {"Gtk/ColorScheme", std::vector<uint16_t>{1, 2, 3, 4}},
        {"Gtk/FontName", std::string("Sans 10")},
        {"Net/ThemeName", std::string("HighContrast")},
    };
    for (const bool bigEndian : {false, true}) {
        const QByteArray property = Bytes(EncodeXSettings(settings, 3, bigEndian));
        EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Net/ThemeName"), std::optional<QString>("HighContrast"))
            << "big endian " << bigEndian;
        EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Gtk/FontName"), std::optional<QString>("Sans 10"));
        EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Net/DoubleClickTime"), std::nullopt);
    }
}

TEST(XSettingsProperty, TruncatedPropertyGivesNothingAtEveryLength)
{
    const QByteArray whole = Bytes(EncodeXSettings({{"Net/ThemeName", std::string("HighContrast")}}, 1));
    for (qsizetype length = 0; length < whole.size(); ++length) {
        // A fresh copy of exactly this length, so a read past it is seen by the address sanitizer.
        const QByteArray cut(whole.constData(), length);
        EXPECT_EQ(SystemThemeLinux::StringSetting(cut, "Net/ThemeName"), std::nullopt) << "length " << length;
    }
    EXPECT_EQ(SystemThemeLinux::StringSetting(whole, "Net/ThemeName"), std::optional<QString>("HighContrast"));
}

TEST(XSettingsProperty, UnknownTypeOrOverstatedCountGivesNothing)
{
    QByteArray unknownType = Bytes(EncodeXSettings({{"A", int32_t{1}}, {"Net/ThemeName", std::string("X")}}, 1));
    unknownType[12] = 9;
    EXPECT_EQ(SystemThemeLinux::StringSetting(unknownType, "Net/ThemeName"), std::nullopt);

    QByteArray overstated = Bytes(EncodeXSettings({{"A", int32_t{1}}}, 1));
    overstated[8] = 2;
    EXPECT_EQ(SystemThemeLinux::StringSetting(overstated, "Net/ThemeName"), std::nullopt);

    QByteArray hugeLength = Bytes(EncodeXSettings({{"Net/ThemeName", std::string("X")}}, 1));
    std::memset(hugeLength.data() + 36, 0xff, 4);
    EXPECT_EQ(SystemThemeLinux::StringSetting(hugeLength, "Net/ThemeName"), std::nullopt);
}

// ---- Without an X connection ----

TEST(SystemThemeLinuxWithoutDisplay, HighContrastIsOffAndNoEventIsAChange)
{
    SystemThemeLinux theme(nullptr, 0);
    EXPECT_FALSE(theme.IsHighContrastOn());
    EXPECT_TRUE(theme.ThemeName().isEmpty());
    xcb_property_notify_event_t notify{};
    notify.response_type = XCB_PROPERTY_NOTIFY;
    EXPECT_FALSE(theme.IsThemeChangeEvent("xcb_generic_event_t", &notify));
    EXPECT_FALSE(theme.IsThemeChangeEvent("xcb_generic_event_t", nullptr));
    EXPECT_EQ(theme.Colours(), SystemThemeLinux::ColoursFromPalette(QGuiApplication::palette()));
}

TEST(SystemThemeLinuxWithoutDisplay, TheProcessThemeOnTheOffscreenPlatformIsTheFallback)
{
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    EXPECT_EQ(corvo::platform::InstallSystemTheme(nullptr), nullptr);
    corvo::platform::SystemTheme& system = corvo::platform::CurrentSystemTheme();
    EXPECT_EQ(&corvo::platform::CurrentSystemTheme(), &system) << "created once";
    EXPECT_NE(dynamic_cast<SystemThemeLinux*>(&system), nullptr);
    EXPECT_FALSE(system.IsHighContrastOn());
    EXPECT_EQ(system.Colours(), SystemThemeLinux::ColoursFromPalette(QGuiApplication::palette()));
}

TEST(SystemThemeProvider, InstalledThemeStandsInFrontUntilRemoved)
{
    corvo::testing::FakeSystemTheme fake;
    fake.highContrast = true;
    corvo::platform::SystemTheme& system = corvo::platform::CurrentSystemTheme();
    EXPECT_EQ(corvo::platform::InstallSystemTheme(&fake), nullptr);
    EXPECT_EQ(&corvo::platform::CurrentSystemTheme(), &fake);
    EXPECT_TRUE(corvo::platform::CurrentSystemTheme().IsHighContrastOn());
    EXPECT_EQ(corvo::platform::InstallSystemTheme(nullptr), &fake);
    EXPECT_EQ(&corvo::platform::CurrentSystemTheme(), &system);
}

} // namespace
