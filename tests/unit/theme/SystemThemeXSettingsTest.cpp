// The Linux system theme on a private X server whose settings manager starts, switches high contrast and exits.
#include "platform/linux/SystemThemeLinux.h"

#include "FakeHwkit.h"
#include "QtPrinters.h"
#include "XSettingsPublisher.h"
#include "XvfbServer.h"
#include "utils/accessibility/AccessibleDialogBase.h"
#include "utils/event_filters/HighContrastEventFilter.h"

#include <SkinManager.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace {

using corvo::platform::CurrentSystemTheme;
using corvo::platform::SystemThemeLinux;
using corvo::testing::XSettingsPublisher;
using corvo::utils::accessibility::AccessibleDialogBase;
using corvo::utils::event_filters::HighContrastEventFilter;

template <typename Condition>
bool WaitFor(Condition condition, int timeoutMilliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMilliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

// One program, one server: the cases run in order against the settings manager's life.
class XSettingsTheme : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        theme_ = dynamic_cast<SystemThemeLinux*>(&CurrentSystemTheme());
        ASSERT_NE(theme_, nullptr);
        QCoreApplication::instance()->installNativeEventFilter(&filter_);
    }

    std::unique_ptr<XSettingsPublisher> StartManager(const std::string& themeName)
    {
        std::string failure;
        auto manager = XSettingsPublisher::Start(corvo::gui_testing::TestDisplay(), themeName, failure);
        EXPECT_NE(manager, nullptr) << failure;
        return manager;
    }

    SystemThemeLinux* theme_ = nullptr;
    HighContrastEventFilter filter_;
};

TEST_F(XSettingsTheme, ManagerArrivingChangingAndLeavingIsSeen)
{
    EXPECT_FALSE(theme_->IsHighContrastOn()) << "no settings manager yet";
    QSignalSpy changed(&filter_, &HighContrastEventFilter::ThemeChanged);

    auto manager = StartManager("Adwaita");
    ASSERT_NE(manager, nullptr);
    ASSERT_TRUE(changed.wait(2000)) << "the manager's arrival";
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.at(0).isEmpty());
    EXPECT_EQ(theme_->ThemeName(), "Adwaita");
    EXPECT_FALSE(theme_->IsHighContrastOn());

    manager->SetHighContrast(true);
    ASSERT_TRUE(changed.wait(2000)) << "the new settings";
    ASSERT_EQ(changed.count(), 2);
    EXPECT_TRUE(changed.at(1).isEmpty());
    EXPECT_TRUE(theme_->IsHighContrastOn());
    EXPECT_EQ(theme_->ThemeName(), "HighContrast");

    manager.reset();
    ASSERT_TRUE(changed.wait(2000)) << "the manager's exit";
    ASSERT_EQ(changed.count(), 3);
    EXPECT_TRUE(changed.at(2).isEmpty());
    EXPECT_FALSE(theme_->IsHighContrastOn());
}

TEST_F(XSettingsTheme, DialogFollowsTheDesktopsHighContrastSetting)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    fakehwkit::SetTemporaryPath(folder.path().toStdString());
    auto manager = StartManager("HighContrastInverse");
    ASSERT_NE(manager, nullptr);
    ASSERT_TRUE(WaitFor([&] { return theme_->IsHighContrastOn(); }, 2000));

    AccessibleDialogBase dialog;
    const QString normal = SkinManager::instance()->Stylesheet();
    EXPECT_NE(dialog.styleSheet(), normal) << "high contrast at construction";
    // The built-in inverse palette: white window text on black.
    EXPECT_TRUE(dialog.styleSheet().contains("color: #ffffff;"));
    EXPECT_TRUE(dialog.styleSheet().contains("background-color: #000000;"));

    manager->SetHighContrast(false);
    ASSERT_TRUE(WaitFor([&] { return dialog.styleSheet() == normal; }, 3000));

    manager->SetHighContrast(true);
    ASSERT_TRUE(WaitFor([&] { return dialog.styleSheet() != normal; }, 3000));
    fakehwkit::Reset();
}

} // namespace
