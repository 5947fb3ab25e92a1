// The evdev key and pointer state against input devices that umockdev emulates (their ioctls and
// reads answered here), and the fallbacks when nothing can be read.
#include <gtest/gtest.h>

#include <linux/input.h>
#include <umockdev.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <vector>

#include "KeyStateSteps.h"
#include "platform/linux/EvdevKeyPointerState.h"
#include "platform/linux/InputChoice.h"
#include "platform/linux/NoKeyPointerState.h"

namespace corvo::platform {
namespace {

// The evdev requests by number: what a device reports, and what it holds down and lights now.
const unsigned kTypes = _IOC_NR(EVIOCGBIT(0, 0)), kKeyBits = _IOC_NR(EVIOCGBIT(EV_KEY, 0)),
               kRelativeAxes = _IOC_NR(EVIOCGBIT(EV_REL, 0)), kAbsoluteAxes = _IOC_NR(EVIOCGBIT(EV_ABS, 0)),
               kProperties = _IOC_NR(EVIOCGPROP(0)), kKeysDown = _IOC_NR(EVIOCGKEY(0)),
               kLights = _IOC_NR(EVIOCGLED(0));

// An emulated device: bit sets by request, absolute axis values, queued events. umockdev answers
// on a thread of its own, so devices change only under the lock.
struct Device {
    std::map<unsigned, std::set<unsigned>> bits;
    std::map<unsigned, int> axes;
    std::deque<input_event> events;
    std::deque<input_event> late; // queued once a read has found nothing pending
};
std::mutex g_lock;

// Answers as the kernel's evdev.c does: bit arrays cut to the caller's length, the length as the
// result; anything but an evdev read fails with ENOTTY.
gboolean AnswerIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer device)
{
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    const unsigned number = _IOC_NR(request);
    const unsigned size = _IOC_SIZE(request);
    UMockdevIoctlData* buffer = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, nullptr);
    if (_IOC_TYPE(request) != 'E' || _IOC_DIR(request) != _IOC_READ || buffer == nullptr) {
        umockdev_ioctl_client_complete(client, -1, ENOTTY);
        return TRUE;
    }
    const std::lock_guard<std::mutex> guard(g_lock);
    std::memset(buffer->data, 0, size);
    if (number >= _IOC_NR(EVIOCGABS(0))) { // the state of one absolute axis
        input_absinfo axis{};
        axis.value = static_cast<Device*>(device)->axes[number - _IOC_NR(EVIOCGABS(0))];
        std::memcpy(buffer->data, &axis, std::min<std::size_t>(size, sizeof axis));
    }
    for (const unsigned bit : static_cast<Device*>(device)->bits[number]) {
        if (bit / 8 < size) {
            buffer->data[bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
        }
    }
    umockdev_ioctl_client_complete(client, static_cast<glong>(size), 0);
    return TRUE;
}

// Hands out the queued events whole, then EAGAIN, as a non-blocking evdev read does.
gboolean AnswerRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer device)
{
    UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
    const std::lock_guard<std::mutex> guard(g_lock);
    std::deque<input_event>& events = static_cast<Device*>(device)->events;
    std::size_t count = 0;
    for (; count < buffer->data_len / sizeof(input_event) && !events.empty(); ++count, events.pop_front()) {
        std::memcpy(buffer->data + count * sizeof(input_event), &events.front(), sizeof(input_event));
    }
    umockdev_ioctl_client_complete(client, count > 0 ? static_cast<glong>(count * sizeof(input_event)) : -1,
                                   count > 0 ? 0 : EAGAIN);
    if (count == 0) {
        events.swap(static_cast<Device*>(device)->late);
    }
    return TRUE;
}

class EvdevKeyPointerStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!umockdev_in_mock_environment()) {
            GTEST_SKIP() << "/dev is not emulated: umockdev's preload library is missing";
        }
    }
    // Adds /dev/input/eventN answering with the bit sets given.
    Device& Add(unsigned number, std::map<unsigned, std::set<unsigned>> bits)
    {
        Change([&] { m_devices[number].bits = std::move(bits); });
        const std::string node = "input/event" + std::to_string(number);
        const std::string description = "P: /devices/virtual/input/input" + std::to_string(number) + "/event" +
                                        std::to_string(number) + "\nN: " + node + "\nE: DEVNAME=/dev/" + node +
                                        "\nE: SUBSYSTEM=input\n";
        EXPECT_TRUE(umockdev_testbed_add_from_string(m_testbed.get(), description.c_str(), nullptr));
        m_handlers.emplace_back(umockdev_ioctl_base_new(), &g_object_unref);
        g_signal_connect(m_handlers.back().get(), "handle-ioctl", G_CALLBACK(AnswerIoctl), &m_devices[number]);
        g_signal_connect(m_handlers.back().get(), "handle-read", G_CALLBACK(AnswerRead), &m_devices[number]);
        const std::string path = "/dev/" + node;
        EXPECT_TRUE(umockdev_testbed_attach_ioctl(m_testbed.get(), path.c_str(), m_handlers.back().get(), nullptr));
        return m_devices[number];
    }
    // Only the event types and a key or button tell a device's kind.
    Device& Keyboard(unsigned number)
    {
        return Add(number, {{kTypes, {EV_SYN, EV_KEY, EV_LED, EV_REP}}, {kKeyBits, {KEY_A}}});
    }
    Device& Mouse(unsigned number)
    {
        return Add(number, {{kTypes, {EV_SYN, EV_KEY, EV_REL}}, {kKeyBits, {BTN_LEFT}}, 
                            {kRelativeAxes, {REL_X, REL_Y}}});
    }
    static void Change(const std::function<void()>& change)
    {
        const std::lock_guard<std::mutex> guard(g_lock);
        change();
    }

    // The testbed, made first, emulates /dev for as long as it lives.
    std::unique_ptr<UMockdevTestbed, void (*)(gpointer)> m_testbed{umockdev_testbed_new(), &g_object_unref};
    std::map<unsigned, Device> m_devices;
    std::vector<std::unique_ptr<UMockdevIoctlBase, void (*)(gpointer)>> m_handlers;
};

TEST_F(EvdevKeyPointerStateTest, KeysButtonsAndLightsOfEveryDeviceAddUp)
{
    Keyboard(3);
    Keyboard(4);
    Mouse(5);
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    ASSERT_TRUE(state.IsAvailable());
    // "k3+30": device 3 holds key 30 from now on, "k3-30" lets go of it; "l4+1": LED 1 lit.
    const auto act = [this](const std::string& action) {
        const unsigned code = static_cast<unsigned>(std::stoi(action.substr(3)));
        Change([&] {
            std::set<unsigned>& bits = m_devices[action[1] - '0'].bits[action[0] == 'k' ? kKeysDown : kLights];
            if (action[2] == '+') {
                bits.insert(code);
            } else {
                bits.erase(code);
            }
        });
    };
    // Keys 30 A, 48 B, 1 Escape, 42 left Shift, 97 right Control, 100 right Alt, 96 keypad Enter,
    // 194 F24, 86 the ISO key, 58 Caps Lock; buttons from 272: left, right, middle, side, extra,
    // and forward and back, which some mice have instead of side and extra.
    testing::RunSteps(state, {
        {"", ""}, {"k3+30", "41"}, {"k4+48", "41 42"}, {"k3-30 k4-48 k3+1", "1B"}, {"k3-1 k3+42", "10 A0"},
        {"k3-42 k4+97", "11 A3"}, {"k4-97 k4+100", "12 A5"}, {"k4-100 k3+96", "0D"}, {"k3-96 k3+194", "87"},
        {"k3-194 k3+86", "E2"}, {"k3-86", ""}, {"k5+272", "01"}, {"k5-272 k5+273", "02"}, {"k5-273 k5+274", "04"},
        {"k5-274 k5+275", "05"}, {"k5-275 k5+276", "06"}, {"k5-276 k5+278", "05"}, {"k5-278 k5+277", "06"},
        {"k5-277", ""},
        // LEDs 0, 1 and 2 of any keyboard toggle Num, Caps and Scroll Lock; Compose (3) nothing
        {"l3+1 l3+3", "14t"}, {"l3-1 l4+0", "90t"}, {"l4-0 l4+2", "91t"}, {"l4-2 k3+58 l3+1", "14T"},
    }, act);
    EXPECT_FALSE(state.SynthesizeKeyRelease(0x14)) << "releases cannot be sent";
    EXPECT_TRUE(state.IsKeyDown(0x14));
    const std::unique_ptr<KeyPointerState> chosen = CreateKeyPointerState("", "/dev/input");
    EXPECT_EQ(chosen->Description(), "evdev (/dev/input)") << "without a display the devices are the choice";
    EXPECT_TRUE(chosen->IsAvailable());
}

TEST_F(EvdevKeyPointerStateTest, KeyboardFollowsTheGivenLayoutAndMiceAndTouchpadsMoveThePosition)
{
    Device& keys = Keyboard(3);
    Change([&] { keys.bits[kKeysDown] = {KEY_Y}; }); // the US y position, which types z in German
    const std::optional<VirtualKeyMap> german = VirtualKeyMap::FromNames("de", "", "pc105", "", "evdev");
    ASSERT_TRUE(german.has_value());
    EvdevKeyPointerState keyboard("/dev/input", *german);
    EXPECT_EQ(testing::Describe(keyboard.ReadKeyboardState()), "5A");
    EXPECT_EQ(keyboard.ReadPointerPosition(), std::nullopt) << "a keyboard is no pointer";

    Device& mouse = Mouse(5);
    Device& touchpad = Add(6, {{kTypes, {EV_SYN, EV_KEY, EV_ABS}}, {kKeyBits, {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER}},
                               {kAbsoluteAxes, {ABS_X, ABS_Y}}});
    Change([&] { touchpad.axes = {{ABS_X, 100}, {ABS_Y, 200}}; });
    EvdevKeyPointerState state("/dev/input");
    const std::optional<PointerPosition> origin = state.ReadPointerPosition();
    ASSERT_TRUE(origin.has_value());
    EXPECT_EQ(state.ReadPointerPosition(), origin) << "no motion, no change";
    const auto queue = [](std::deque<input_event>& events, std::initializer_list<std::array<int, 3>> list) {
        Change([&] {
            for (const auto& [type, code, value] : list) {
                events.push_back(input_event{});
                events.back().type = static_cast<uint16_t>(type);
                events.back().code = static_cast<uint16_t>(code);
                events.back().value = value;
            }
        });
    };
    queue(mouse.events, {{EV_REL, REL_X, 5}, {EV_REL, REL_Y, -3}, {EV_REL, REL_WHEEL, 1}, {EV_REL, REL_X, 2}});
    const std::optional<PointerPosition> moved = state.ReadPointerPosition();
    EXPECT_EQ(moved, (PointerPosition{origin->x + 7, origin->y - 3}));
    EXPECT_EQ(state.ReadPointerPosition(), moved) << "motion counts once";
    queue(touchpad.events, {{EV_ABS, ABS_X, 130}, {EV_ABS, ABS_Y, 190}, {EV_SYN, SYN_REPORT, 0}});
    EXPECT_EQ(state.ReadPointerPosition(), (PointerPosition{moved->x + 30, moved->y - 10}));
    // Motion that arrives just after a reading found the device quiet counts at the next one.
    queue(mouse.late, {{EV_REL, REL_X, 4}, {EV_SYN, SYN_REPORT, 0}});
    state.ReadPointerPosition();
    EXPECT_EQ(state.ReadPointerPosition(), (PointerPosition{moved->x + 34, moved->y - 10}));
}

TEST_F(EvdevKeyPointerStateTest, WithoutKeysOrDisplayNothingIsRead)
{
    Add(7, {{kTypes, {EV_SYN, EV_ABS}}, {kAbsoluteAxes, {ABS_X, ABS_Y}}, {kProperties, {INPUT_PROP_ACCELEROMETER}}});
    // No server listens on display 4093 here: no socket of that number exists.
    ASSERT_FALSE(std::filesystem::exists("/tmp/.X11-unix/X4093"));
    NoKeyPointerState none;
    EvdevKeyPointerState accelerometer("/dev/input");
    EvdevKeyPointerState missing("/nonexistent-input-folder");
    const std::unique_ptr<KeyPointerState> noDisplay = CreateKeyPointerState("", "/dev/input");
    const std::unique_ptr<KeyPointerState> silentDisplay = CreateKeyPointerState(":4093", "/dev/input");
    EXPECT_EQ(none.Description() + "; " + missing.Description() + "; " + noDisplay->Description() + "; " +
                  silentDisplay->Description(),
              "none; evdev (/nonexistent-input-folder); none; none");
    for (KeyPointerState* state : std::initializer_list<KeyPointerState*>{&none, &accelerometer, &missing,
                                                                          noDisplay.get(), silentDisplay.get()}) {
        EXPECT_FALSE(state->IsAvailable()) << state->Description();
        EXPECT_EQ(testing::Describe(state->ReadKeyboardState()), "") << state->Description();
        for (const uint8_t code : {0x01, 0x10, 0x14, 0x1B, 0x41, 0x90, 0x91, 0xA0}) {
            EXPECT_FALSE(state->IsKeyDown(code) || state->IsToggled(code) || state->SynthesizeKeyRelease(code))
                << state->Description() << int{code};
        }
        EXPECT_EQ(state->ReadPointerPosition(), std::nullopt) << state->Description() << ": not even an accelerometer";
    }
    // xkbcommon's default rules are "evdev": keycode = kernel code + 8.
    EXPECT_EQ(EvdevKeyPointerState::DefaultKeyMap().VirtualKeyOf(KEY_ESC + 8), 0x1B);
    EXPECT_EQ(EvdevKeyPointerState::DefaultKeyMap().VirtualKeyOf(KEY_LEFTSHIFT + 8), 0xA0);
}

TEST_F(EvdevKeyPointerStateTest, SurveyCountsKeyboardsAndTheChoiceFollowsTheSession)
{
    Keyboard(3);
    Mouse(5);
    Add(6, {{kTypes, {EV_SYN, EV_KEY}}, {kKeyBits, {KEY_POWER}}}); // a power button types nothing
    ::setenv("WAYLAND_DISPLAY", "wayland-7", 1);
    const InputSurvey survey = SurveyInput(true);
    ::unsetenv("WAYLAND_DISPLAY");
    EXPECT_EQ(survey.keyboards, 1);
    EXPECT_EQ(survey.waylandEvidence, "WAYLAND_DISPLAY=wayland-7");

    // {Wayland, X answers, dialogs on X, keyboards} -> capture, dialogs' state, watch
    const struct {
        bool wayland, display, dialogsOnX;
        int keyboards;
        KeySource capture, dialogState, watch;
    } rows[] = {
        {false, true, true, 2, KeySource::X11, KeySource::X11, KeySource::X11},
        {false, true, false, 2, KeySource::EventDevices, KeySource::EventDevices, KeySource::X11},
        {false, false, false, 2, KeySource::EventDevices, KeySource::EventDevices, KeySource::EventDevices},
        {false, false, false, 0, KeySource::FocusedWindow, KeySource::None, KeySource::None},
        {true, true, true, 2, KeySource::EventDevices, KeySource::EventDevices, KeySource::EventDevices},
        {true, true, true, 0, KeySource::XWayland, KeySource::XWayland, KeySource::XWayland},
        {true, true, false, 0, KeySource::FocusedWindow, KeySource::XWayland, KeySource::XWayland},
        {true, false, false, 1, KeySource::EventDevices, KeySource::EventDevices, KeySource::EventDevices},
    };
    for (const auto& row : rows) {
        InputSurvey given;
        given.waylandEvidence = row.wayland ? "XDG_SESSION_TYPE=wayland" : "";
        given.displayAnswers = row.display;
        given.dialogsOnX = row.dialogsOnX;
        given.keyboards = row.keyboards;
        const InputChoice choice = ChooseInput(given);
        EXPECT_EQ(std::string(KeySourceName(choice.capture)) + " " + KeySourceName(choice.dialogState) + " " +
                      KeySourceName(choice.watchState),
                  std::string(KeySourceName(row.capture)) + " " + KeySourceName(row.dialogState) + " " +
                      KeySourceName(row.watch))
            << row.wayland << row.display << row.dialogsOnX << row.keyboards;
    }
}

} // namespace
} // namespace corvo::platform
