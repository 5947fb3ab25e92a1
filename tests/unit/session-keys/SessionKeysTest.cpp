// The session's keymap read from the environment or the keyboard configuration, the text its keys
// type, and the focus capture turning Qt's key events into virtual keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <cstdlib>
#include <fstream>

#include "platform/linux/FocusKeyCapture.h"
#include "platform/linux/SessionKeyboard.h"

namespace {

using namespace corvo::platform;

constexpr uint32_t kEvdevToXkb = 8;

TEST(SessionKeyboard, NamesComeFromTheEnvironmentElseTheConfigurationElseTheDefault)
{
    QTemporaryDir folder;
    const std::string configuration = folder.filePath("keyboard").toStdString();
    std::ofstream(configuration) << "# written by the installer\nXKBMODEL=\"pc105\"\nXKBLAYOUT='de,us'\n"
                                    "XKBVARIANT=\"nodeadkeys\"\nXKBOPTIONS=\"\"\nBACKSPACE=\"guess\"\n";
    unsetenv("XKB_DEFAULT_LAYOUT");
    const SessionXkbNames fromFile = ReadSessionXkbNames(configuration);
    EXPECT_EQ(fromFile.source, configuration);
    EXPECT_EQ(fromFile.model + "|" + fromFile.layout + "|" + fromFile.variant + "|" + fromFile.options,
              "pc105|de,us|nodeadkeys|");
    EXPECT_EQ(ReadSessionXkbNames(folder.filePath("missing").toStdString()).source, "default");
    setenv("XKB_DEFAULT_LAYOUT", "fr", 1);
    const SessionXkbNames fromEnvironment = ReadSessionXkbNames(configuration);
    unsetenv("XKB_DEFAULT_LAYOUT");
    EXPECT_EQ(fromEnvironment.source, "environment");
    EXPECT_EQ(fromEnvironment.layout + "|" + fromEnvironment.model, "fr|");
}

// The German layout as a console or a compositor would load it: the key right of T types z, the
// key left of Backspace is a dead acute, Shift makes capitals; the first layout is the active one.
TEST(SessionKeyboard, KeysTypeWhatTheSessionLayoutSays)
{
    SessionKeyText german(SessionXkbNames{"", "pc105", "de,us", "", "", "test"});
    ASSERT_TRUE(german.IsAvailable()) << "no XKB data installed";
    KeyboardStateBytes state{};
    const uint32_t keyY = 21 + kEvdevToXkb;
    const uint32_t keyEqual = 13 + kEvdevToXkb;
    EXPECT_EQ(german.Translate(0, keyY, state).text, "z");
    EXPECT_EQ(german.KeyMap().VirtualKeyOf(keyY), 'Z') << "the virtual key follows the letter typed";
    const KeyTextResult dead = german.Translate(0, keyEqual, state);
    EXPECT_EQ(dead.count, -1);
    EXPECT_EQ(dead.text, "\u00b4");
    state[0xA0] = 0x80;
    EXPECT_EQ(german.Translate('Z', 0, state).text, "Z");
    EXPECT_EQ(german.ActiveLayout().name, "de");
    EXPECT_EQ(german.ActiveLayout().language, "de_DE");
    EXPECT_FALSE(SessionKeyText(SessionXkbNames{"", "", "no-such-layout", "", "", "test"}).IsAvailable());
}

// Keys typed into the dialog's focused child reach the handler by their scan code; a key it keeps
// never reaches the widget, a key it lets pass does; another window's keys are not the dialog's.
TEST(FocusKeyCapture, DialogKeysReachTheHandlerAndOnlyPassingKeysTheWidgets)
{
    QWidget dialog;
    auto* edit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(edit);
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    std::vector<std::pair<uint8_t, bool>> seen;
    FocusKeyCapture capture(&dialog, [&seen](uint8_t virtualKey, bool down) {
        seen.emplace_back(virtualKey, down);
        return virtualKey == 0xA0; // left Shift keeps its effect
    }, VirtualKeyMap::FromEvdevPositions());
    EXPECT_EQ(capture.State(), KeyCapture::Hold::FocusOnly);
    const auto type = [](QWidget* target, Qt::Key key, const QString& text, uint32_t evdevCode) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, evdevCode + kEvdevToXkb, 0, 0, text);
            QCoreApplication::sendEvent(target, &event);
        }
    };
    type(edit, Qt::Key_A, "a", 30);
    type(edit, Qt::Key_Shift, "", 42);
    type(otherEdit, Qt::Key_B, "b", 48);
    EXPECT_EQ(seen, (std::vector<std::pair<uint8_t, bool>>{{'A', true}, {'A', false}, {0xA0, true}, {0xA0, false}}));
    EXPECT_EQ(edit->text(), "") << "a key the handler kept reached the widget";
    EXPECT_EQ(otherEdit->text(), "b");
}

} // namespace
