// The Linux system theme on a private X server whose settings manager starts, switches high contrast and exits.
#include "platform/linux/SystemThemeLinux.h"

#include "XSettingsPublisher.h"
#include "XvfbServer.h"
#include "utils/event_filters/HighContrastEventFilter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QAbstractNativeEventFilter>
#include <QSignalSpy>

#include <xcb/xcb.h>

#include <memory>

namespace {

using corvo::utils::event_filters::HighContrastEventFilter;

// Counts the settings manager's property notices that get past the filters installed after it,
// as Qt's own settings reader (fonts, DPI, cursor) would see them.
class NoticeCounter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        notices += eventType == "xcb_generic_event_t" && (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        return false;
    }
    int notices = 0;
};

// The dialogs' base and its restyling are tested offscreen with a theme set by hand; here the real
// theme must see the desktop's settings manager come, change its theme and go.
TEST(XSettingsTheme, ManagerArrivingChangingAndLeavingIsSeen)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    auto* theme = dynamic_cast<corvo::platform::SystemThemeLinux*>(&corvo::platform::CurrentSystemTheme());
    ASSERT_NE(theme, nullptr);
    NoticeCounter qtSettings;
    QCoreApplication::instance()->installNativeEventFilter(&qtSettings);
    HighContrastEventFilter filter;
    QCoreApplication::instance()->installNativeEventFilter(&filter);
    QSignalSpy changed(&filter, &HighContrastEventFilter::ThemeChanged);
    EXPECT_FALSE(theme->IsHighContrastOn()) << "no settings manager yet";

    std::string failure;
    auto manager = corvo::testing::XSettingsPublisher::Start(corvo::gui_testing::TestDisplay(), "Adwaita", failure);
    ASSERT_NE(manager, nullptr) << failure;
    ASSERT_TRUE(changed.wait(2000)) << "the manager's arrival";
    EXPECT_EQ(theme->ThemeName().toStdString(), "Adwaita");
    EXPECT_FALSE(theme->IsHighContrastOn());
    manager->SetHighContrast(true);
    ASSERT_TRUE(changed.wait(2000)) << "the new settings";
    EXPECT_EQ(theme->ThemeName().toStdString(), "HighContrast");
    EXPECT_TRUE(theme->IsHighContrastOn());
    EXPECT_GT(qtSettings.notices, 0) << "the filter kept the settings notice from Qt";
    // The built-in palette for a high-contrast theme, as the dialogs read it.
    EXPECT_EQ(theme->Colours()[8], 0x000000u) << "black window text";
    manager.reset();
    ASSERT_TRUE(changed.wait(2000)) << "the manager's exit";
    EXPECT_FALSE(theme->IsHighContrastOn());
    ASSERT_EQ(changed.count(), 3);
    for (const QList<QVariant>& arguments : changed)
        EXPECT_TRUE(arguments.isEmpty());
    QCoreApplication::instance()->removeNativeEventFilter(&filter);
    QCoreApplication::instance()->removeNativeEventFilter(&qtSettings);
}

} // namespace
