// How both dialogs look on the screen, read back from the X server as a person would see them: in
// the dark high-contrast theme every text reads against its ground, and at any scale factor the
// advanced dialog stays on the screen with no black bands. Built twice: as is, and at scale 2.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "EventLoopWait.h"
#include "InstalledCatalogue.h"
#include "SyntheticInput.h"
#include "XSettingsPublisher.h"
#include "XvfbServer.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "keycode/WinKeycodeTestWidget.h"

namespace {

using namespace corvo::gui_testing;

#ifdef SCALE_FACTOR
// Before main starts the server and the application, which read both.
const bool g_scaled = setenv("QT_SCALE_FACTOR", SCALE_FACTOR, 1) == 0 && setenv("HALVIK_XVFB_SCREEN", SCREEN_SIZE, 1) == 0;
#endif

// The ratio the accessibility guidelines define, computed here apart from the product's own.
double Contrast(QRgb first, QRgb second)
{
    const auto luminance = [](QRgb colour) {
        const auto linear = [](int channel) {
            const double value = channel / 255.0;
            return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
    };
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The contrast of what is drawn in the area against the area's ground (its commonest colour): the
// contrast of the pixel that stands out most, the core of a text's strokes.
double ContrastIn(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xff000000u];
        }
    }
    const auto ground = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
    });
    double most = 0;
    for (const auto& entry : counts) {
        most = std::max(most, Contrast(entry.first, ground->first));
    }
    return most;
}

class DialogLookGuiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_input.IsConnected()); }

    // The dialog as the server shows it, in device pixels, once it has been drawn.
    static QImage Capture(QWidget& dialog)
    {
        Wait(300);
        const QRect frame = dialog.frameGeometry();
        return dialog.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    }
    // A widget's area in the capture, without its frame and padding, where only its text is drawn.
    static QRect TextArea(QWidget& dialog, QWidget& widget, const QImage& capture)
    {
        QRect area = widget.contentsRect().adjusted(3, 3, -3, -3);
        if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
            QStyleOptionButton option;
            option.initFrom(check);
            area = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            area = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        }
        const double scale = capture.devicePixelRatio();
        const QPoint at = widget.mapTo(&dialog, area.topLeft()) + (dialog.geometry().topLeft() - dialog.frameGeometry().topLeft());
        return QRect(QPoint(at.x() * scale, at.y() * scale), area.size() * scale);
    }
    // What the widget shows as text: labels, buttons and line edits have a "text" property.
    static QString Text(QWidget& widget)
    {
        return widget.property(qobject_cast<QComboBox*>(&widget) != nullptr ? "currentText" : "text").toString();
    }
    static QString PictureName(const char* name)
    {
        QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER));
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
        return QStringLiteral(SCREENSHOT_FOLDER "/%1%2.png").arg(QLatin1String(name), scale.isEmpty() ? "" : "-scale-" + scale);
    }

    SyntheticInput m_input{TestDisplay()};
    InstalledCatalogue m_catalogue{QStringLiteral(KEYBOARD_QM_FILE)};
};

TEST_F(DialogLookGuiTest, DarkHighContrastKeepsEveryTextAndBorderReadable)
{
    std::string failure;
    const auto settings = corvo::testing::XSettingsPublisher::Start(TestDisplay(), "HighContrastInverse", failure);
    ASSERT_NE(settings, nullptr) << failure;
    WinKeycodeTestWidget keycode(nullptr, nullptr, nullptr, 0);
    WinAdvancedTestWidget advanced(nullptr, nullptr, nullptr, 0);
    for (InputDialog* dialog : {static_cast<InputDialog*>(&keycode), static_cast<InputDialog*>(&advanced)}) {
        // The theme reached the dialog through the X server's settings, not only its colours.
        EXPECT_NE(dialog->styleSheet(), dialog->NormalStyleSheet()) << "high contrast changed nothing";
        dialog->show();
        ASSERT_TRUE(WaitFor([this] { return m_input.IsKeyboardGrabbedElsewhere(); }));
        // A key shown in the line edit; the advanced dialog's first key marked.
        m_input.PressKey(m_input.KeycodeOf("AC01"));
        Wait(70);
        m_input.ReleaseKey(m_input.KeycodeOf("AC01"));
        const QImage capture = Capture(*dialog);
        capture.save(PictureName(dialog == &keycode ? "keycode-dialog-high-contrast-inverse" : "advanced-dialog-high-contrast-inverse"));
        int measured = 0;
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            if (!widget->isVisible() || Text(*widget).trimmed().isEmpty() || widget->visibleRegion().isEmpty()) {
                continue;
            }
            ++measured;
            EXPECT_GE(ContrastIn(capture, TextArea(*dialog, *widget, capture)), 4.5)
                << widget->objectName().toStdString() << " \"" << Text(*widget).toStdString() << "\"";
        }
        EXPECT_GT(measured, dialog == &keycode ? 8 : 60) << "texts measured";
        dialog->hide();
        ASSERT_TRUE(WaitFor([this] { return !m_input.IsKeyboardGrabbedElsewhere(); }));
    }
    // An ignored key's border against the page around it: 3 to 1 is what a border needs.
    const QList<QPushButton*> keys = advanced.findChildren<QPushButton*>();
    advanced.show();
    const QImage capture = Capture(advanced);
    int ignored = 0;
    for (QPushButton* key : keys) {
        if (!key->isVisible() || !key->styleSheet().contains(QLatin1String("border-width:2px"))) {
            continue;
        }
        ++ignored;
        const double scale = capture.devicePixelRatio();
        const QPoint at = key->mapTo(&advanced, QPoint(0, key->height() / 2)) * scale;
        // The key's 1-pixel margin shows the page; its 2-pixel border comes after it.
        EXPECT_GE(Contrast(capture.pixel(at.x(), at.y()), capture.pixel(at.x() + 2 * scale, at.y())), 3)
            << key->objectName().toStdString();
    }
    EXPECT_GT(ignored, 0) << "the shown page has no ignored key";
}

// At any scale the advanced dialog and its answer buttons are on the screen, over the screen and
// over a host in its corner; without a compositor nothing between its parts shows black.
TEST_F(DialogLookGuiTest, AdvancedDialogStaysOnTheScreenWithoutBands)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget corner;
    corner.setGeometry(screen.right() - 300, screen.bottom() - 200, 300, 200);
    for (QWidget* host : {static_cast<QWidget*>(nullptr), &corner}) {
        WinAdvancedTestWidget dialog(host, nullptr, nullptr, 0);
        dialog.show();
        ASSERT_TRUE(WaitFor([this] { return m_input.IsKeyboardGrabbedElsewhere(); }));
        EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << "dialog off the screen";
        for (const char* name : {"keyboard_advanced_test_button_yes", "keyboard_advanced_test_button_no"}) {
            auto* button = dialog.findChild<QPushButton*>(name);
            const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
            EXPECT_TRUE(screen.contains(onScreen) && !button->visibleRegion().isEmpty()) << name;
        }
        const QImage capture = Capture(dialog);
        if (host == nullptr) {
            capture.save(PictureName("advanced-dialog"));
        }
        const int inset = 12 * capture.devicePixelRatio();
        for (int y = inset; y < capture.height() - inset; ++y) {
            bool black = true;
            for (int x = inset; x < capture.width() - inset && black; ++x) {
                black = (capture.pixel(x, y) & 0xffffffu) == 0;
            }
            EXPECT_FALSE(black) << "a black band at row " << y;
        }
    }
}

} // namespace
