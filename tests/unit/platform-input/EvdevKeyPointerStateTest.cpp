// The evdev key and pointer state against input devices that umockdev emulates, ioctls included.
#include <gtest/gtest.h>

#include <dirent.h>
#include <linux/input.h>
#include <umockdev.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/linux/EvdevKeyPointerState.h"
#include "platform/linux/NoKeyPointerState.h"

namespace corvo::platform {
namespace {

// What one emulated device reports. umockdev answers its ioctls and reads on a thread of its own,
// so every field is read and written under the lock.
struct DeviceModel {
    std::mutex lock;
    std::set<unsigned> types;
    std::set<unsigned> keyCapabilities;
    std::set<unsigned> relativeAxes;
    std::set<unsigned> absoluteAxes;
    std::set<unsigned> properties;
    std::set<unsigned> keysDown;
    std::set<unsigned> lightsOn;
    std::map<unsigned, int> absoluteValues;
    std::deque<input_event> pendingEvents;
};

void WriteBits(const std::set<unsigned>& bits, std::vector<uint8_t>& buffer)
{
    for (const unsigned bit : bits) {
        if (bit / 8 < buffer.size()) {
            buffer[bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
        }
    }
}

// Answers the evdev requests the way the kernel's evdev.c does: bit arrays truncated to the
// caller's length, the length as the result; anything else is ENOTTY.
gboolean AnswerIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer modelPointer)
{
    auto& model = *static_cast<DeviceModel*>(modelPointer);
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    if (_IOC_TYPE(request) != 'E' || _IOC_DIR(request) != _IOC_READ) {
        umockdev_ioctl_client_complete(client, -1, ENOTTY);
        return TRUE;
    }
    const unsigned number = _IOC_NR(request);
    const unsigned size = _IOC_SIZE(request);
    std::vector<uint8_t> answer(size, 0);
    {
        std::lock_guard<std::mutex> guard(model.lock);
        if (number == _IOC_NR(EVIOCGBIT(0, 0))) {
            WriteBits(model.types, answer);
        } else if (number == _IOC_NR(EVIOCGBIT(EV_KEY, 0))) {
            WriteBits(model.keyCapabilities, answer);
        } else if (number == _IOC_NR(EVIOCGBIT(EV_REL, 0))) {
            WriteBits(model.relativeAxes, answer);
        } else if (number == _IOC_NR(EVIOCGBIT(EV_ABS, 0))) {
            WriteBits(model.absoluteAxes, answer);
        } else if (number == _IOC_NR(EVIOCGPROP(0))) {
            WriteBits(model.properties, answer);
        } else if (number == _IOC_NR(EVIOCGKEY(0))) {
            WriteBits(model.keysDown, answer);
        } else if (number == _IOC_NR(EVIOCGLED(0))) {
            WriteBits(model.lightsOn, answer);
        } else if (number >= _IOC_NR(EVIOCGABS(0)) && number < _IOC_NR(EVIOCGABS(ABS_CNT)) &&
                   size == sizeof(input_absinfo)) {
            input_absinfo info{};
            info.value = model.absoluteValues[number - _IOC_NR(EVIOCGABS(0))];
            std::memcpy(answer.data(), &info, sizeof(info));
        } else {
            umockdev_ioctl_client_complete(client, -1, ENOTTY);
            return TRUE;
        }
    }
    GError* error = nullptr;
    UMockdevIoctlData* buffer =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &error);
    if (buffer == nullptr) {
        g_clear_error(&error);
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return TRUE;
    }
    std::memcpy(buffer->data, answer.data(), size);
    umockdev_ioctl_client_complete(client, static_cast<glong>(size), 0);
    return TRUE;
}

// Hands out the queued events whole, then EAGAIN, as a non-blocking evdev read does.
gboolean AnswerRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer modelPointer)
{
    auto& model = *static_cast<DeviceModel*>(modelPointer);
    UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
    std::lock_guard<std::mutex> guard(model.lock);
    std::size_t count = 0;
    const std::size_t room = static_cast<std::size_t>(buffer->data_len) / sizeof(input_event);
    while (count < room && !model.pendingEvents.empty()) {
        std::memcpy(buffer->data + count * sizeof(input_event), &model.pendingEvents.front(), sizeof(input_event));
        model.pendingEvents.pop_front();
        ++count;
    }
    if (count == 0) {
        umockdev_ioctl_client_complete(client, -1, EAGAIN);
    } else {
        umockdev_ioctl_client_complete(client, static_cast<glong>(count * sizeof(input_event)), 0);
    }
    return TRUE;
}

input_event Motion(unsigned axis, int value)
{
    input_event event{};
    event.type = EV_REL;
    event.code = static_cast<uint16_t>(axis);
    event.value = value;
    return event;
}

class EvdevKeyPointerStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_testbed = umockdev_testbed_new();
        ASSERT_NE(m_testbed, nullptr);
    }

    void TearDown() override
    {
        for (UMockdevIoctlBase* handler : m_handlers) {
            g_object_unref(handler);
        }
        if (m_testbed != nullptr) {
            g_object_unref(m_testbed);
        }
    }

    // Adds /dev/input/eventN answered from the model; the test skips when /dev is not emulated.
    DeviceModel& AddDevice(unsigned number)
    {
        m_models.push_back(std::make_unique<DeviceModel>());
        const std::string node = "/dev/input/event" + std::to_string(number);
        const std::string description = "P: /devices/virtual/input/input" + std::to_string(number) + "/event" +
                                        std::to_string(number) + "\nN: input/event" + std::to_string(number) +
                                        "\nE: DEVNAME=" + node + "\nE: SUBSYSTEM=input\n";
        GError* error = nullptr;
        EXPECT_TRUE(umockdev_testbed_add_from_string(m_testbed, description.c_str(), &error));
        g_clear_error(&error);
        UMockdevIoctlBase* handler = umockdev_ioctl_base_new();
        g_signal_connect(handler, "handle-ioctl", G_CALLBACK(AnswerIoctl), m_models.back().get());
        g_signal_connect(handler, "handle-read", G_CALLBACK(AnswerRead), m_models.back().get());
        EXPECT_TRUE(umockdev_testbed_attach_ioctl(m_testbed, node.c_str(), handler, &error));
        g_clear_error(&error);
        m_handlers.push_back(handler);
        return *m_models.back();
    }

    static bool DevicesAreEmulated()
    {
        DIR* folder = ::opendir("/dev/input");
        bool found = false;
        while (folder != nullptr && !found) {
            const dirent* entry = ::readdir(folder);
            if (entry == nullptr) {
                break;
            }
            found = std::strncmp(entry->d_name, "event", 5) == 0;
        }
        if (folder != nullptr) {
            ::closedir(folder);
        }
        return found;
    }

    static DeviceModel& Keyboard(DeviceModel& model)
    {
        std::lock_guard<std::mutex> guard(model.lock);
        model.types = {EV_SYN, EV_KEY, EV_LED, EV_REP};
        for (unsigned code = KEY_ESC; code <= KEY_MICMUTE; ++code) {
            model.keyCapabilities.insert(code);
        }
        return model;
    }

    static DeviceModel& Mouse(DeviceModel& model)
    {
        std::lock_guard<std::mutex> guard(model.lock);
        model.types = {EV_SYN, EV_KEY, EV_REL};
        model.keyCapabilities = {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE, BTN_EXTRA};
        model.relativeAxes = {REL_X, REL_Y, REL_WHEEL};
        return model;
    }

    UMockdevTestbed* m_testbed = nullptr;
    std::vector<std::unique_ptr<DeviceModel>> m_models;
    std::vector<UMockdevIoctlBase*> m_handlers;
};

#define REQUIRE_EMULATED_DEVICES()                                                       \
    if (!DevicesAreEmulated()) {                                                         \
        GTEST_SKIP() << "/dev/input is not emulated: umockdev's preload library is missing"; \
    }

struct HeldCodeRow {
    unsigned evdevCode;
    std::vector<uint8_t> down;
    const char* name;
};

void PrintTo(const HeldCodeRow& row, std::ostream* out)
{
    *out << row.name << " (evdev code " << row.evdevCode << ")";
}

class EvdevHeldCodeTest : public EvdevKeyPointerStateTest, public ::testing::WithParamInterface<HeldCodeRow> {};

TEST_P(EvdevHeldCodeTest, ReadsDownWhileTheDeviceHoldsIt)
{
    DeviceModel& keyboard = Keyboard(AddDevice(3));
    DeviceModel& mouse = Mouse(AddDevice(5));
    REQUIRE_EMULATED_DEVICES();
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    ASSERT_TRUE(state.IsAvailable());

    DeviceModel& holder = GetParam().evdevCode >= BTN_MISC ? mouse : keyboard;
    {
        std::lock_guard<std::mutex> guard(holder.lock);
        holder.keysDown = {GetParam().evdevCode};
    }
    const KeyboardStateBytes held = state.ReadKeyboardState();
    int downCount = 0;
    for (int code = 0; code < 256; ++code) {
        const bool expected =
            std::find(GetParam().down.begin(), GetParam().down.end(), code) != GetParam().down.end();
        EXPECT_EQ(held[code], expected ? 0x80 : 0) << "virtual key " << code;
        downCount += held[code] ? 1 : 0;
    }
    EXPECT_EQ(downCount, static_cast<int>(GetParam().down.size()));
    for (const uint8_t virtualKey : GetParam().down) {
        EXPECT_TRUE(state.IsKeyDown(virtualKey)) << int{virtualKey};
    }

    {
        std::lock_guard<std::mutex> guard(holder.lock);
        holder.keysDown.clear();
    }
    for (const uint8_t virtualKey : GetParam().down) {
        EXPECT_FALSE(state.IsKeyDown(virtualKey)) << int{virtualKey} << " after the release";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EvdevHeldCodeTest,
    ::testing::Values(HeldCodeRow{KEY_A, {0x41}, "A"}, HeldCodeRow{KEY_ESC, {0x1B}, "Escape"},
                      HeldCodeRow{KEY_LEFTSHIFT, {0xA0, 0x10}, "LeftShift"},
                      HeldCodeRow{KEY_RIGHTCTRL, {0xA3, 0x11}, "RightControl"},
                      HeldCodeRow{KEY_RIGHTALT, {0xA5, 0x12}, "RightAlt"}, HeldCodeRow{KEY_KPENTER, {0x0D}, "KeypadEnter"},
                      HeldCodeRow{KEY_F24, {0x87}, "F24"}, HeldCodeRow{KEY_102ND, {0xE2}, "IsoKey"},
                      HeldCodeRow{BTN_LEFT, {0x01}, "LeftButton"}, HeldCodeRow{BTN_RIGHT, {0x02}, "RightButton"},
                      HeldCodeRow{BTN_MIDDLE, {0x04}, "MiddleButton"}, HeldCodeRow{BTN_SIDE, {0x05}, "SideButton"},
                      HeldCodeRow{BTN_EXTRA, {0x06}, "ExtraButton"}, HeldCodeRow{BTN_BACK, {0x05}, "BackButton"},
                      HeldCodeRow{BTN_FORWARD, {0x06}, "ForwardButton"}),
    [](const ::testing::TestParamInfo<HeldCodeRow>& info) { return std::string(info.param.name); });

struct LightRow {
    unsigned light;
    uint8_t virtualKey;
    const char* name;
};

void PrintTo(const LightRow& row, std::ostream* out)
{
    *out << row.name;
}

class EvdevLightTest : public EvdevKeyPointerStateTest, public ::testing::WithParamInterface<LightRow> {};

TEST_P(EvdevLightTest, LitLedReadsAsToggled)
{
    DeviceModel& keyboard = Keyboard(AddDevice(3));
    REQUIRE_EMULATED_DEVICES();
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    {
        std::lock_guard<std::mutex> guard(keyboard.lock);
        keyboard.lightsOn = {GetParam().light, LED_COMPOSE};
    }
    for (const uint8_t lock : {0x14, 0x90, 0x91}) {
        EXPECT_EQ(state.IsToggled(lock), lock == GetParam().virtualKey) << int{lock};
        EXPECT_EQ(state.ReadKeyboardState()[lock], lock == GetParam().virtualKey ? 0x01 : 0) << int{lock};
    }
}

INSTANTIATE_TEST_SUITE_P(Lights, EvdevLightTest,
                         ::testing::Values(LightRow{LED_CAPSL, 0x14, "CapsLock"}, LightRow{LED_NUML, 0x90, "NumLock"},
                                           LightRow{LED_SCROLLL, 0x91, "ScrollLock"}),
                         [](const ::testing::TestParamInfo<LightRow>& info) { return std::string(info.param.name); });

TEST_F(EvdevKeyPointerStateTest, KeysOfSeveralKeyboardsAddUp)
{
    DeviceModel& first = Keyboard(AddDevice(3));
    DeviceModel& second = Keyboard(AddDevice(4));
    REQUIRE_EMULATED_DEVICES();
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    {
        std::lock_guard<std::mutex> guard(first.lock);
        first.keysDown = {KEY_A};
    }
    {
        std::lock_guard<std::mutex> guard(second.lock);
        second.keysDown = {KEY_B};
        second.lightsOn = {LED_NUML};
    }
    const KeyboardStateBytes bytes = state.ReadKeyboardState();
    EXPECT_EQ(bytes[0x41], 0x80);
    EXPECT_EQ(bytes[0x42], 0x80);
    EXPECT_EQ(bytes[0x90], 0x01);
}

TEST_F(EvdevKeyPointerStateTest, KeysFollowTheGivenLayout)
{
    DeviceModel& keyboard = Keyboard(AddDevice(3));
    REQUIRE_EMULATED_DEVICES();
    const std::optional<VirtualKeyMap> german = VirtualKeyMap::FromNames("de", "", "pc105", "", "evdev");
    ASSERT_TRUE(german.has_value());
    EvdevKeyPointerState state("/dev/input", *german);
    {
        std::lock_guard<std::mutex> guard(keyboard.lock);
        keyboard.keysDown = {KEY_Y};  // the US y position, which types z in German
    }
    EXPECT_TRUE(state.IsKeyDown(0x5A));
    EXPECT_FALSE(state.IsKeyDown(0x59));
}

TEST_F(EvdevKeyPointerStateTest, MouseMotionMovesThePosition)
{
    DeviceModel& mouse = Mouse(AddDevice(5));
    REQUIRE_EMULATED_DEVICES();
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    const std::optional<PointerPosition> origin = state.ReadPointerPosition();
    ASSERT_TRUE(origin.has_value());
    EXPECT_EQ(state.ReadPointerPosition(), origin) << "no motion, no change";
    {
        std::lock_guard<std::mutex> guard(mouse.lock);
        mouse.pendingEvents = {Motion(REL_X, 5), Motion(REL_Y, -3), Motion(REL_WHEEL, 1), Motion(REL_X, 2)};
    }
    const std::optional<PointerPosition> moved = state.ReadPointerPosition();
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(moved->x - origin->x, 7);
    EXPECT_EQ(moved->y - origin->y, -3);
    EXPECT_EQ(state.ReadPointerPosition(), moved) << "motion counts once";
}

TEST_F(EvdevKeyPointerStateTest, TouchpadCoordinatesMoveThePosition)
{
    DeviceModel& touchpad = AddDevice(6);
    {
        std::lock_guard<std::mutex> guard(touchpad.lock);
        touchpad.types = {EV_SYN, EV_KEY, EV_ABS};
        touchpad.keyCapabilities = {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER};
        touchpad.absoluteAxes = {ABS_X, ABS_Y};
        touchpad.absoluteValues = {{ABS_X, 100}, {ABS_Y, 200}};
    }
    REQUIRE_EMULATED_DEVICES();
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    const std::optional<PointerPosition> before = state.ReadPointerPosition();
    ASSERT_TRUE(before.has_value());
    {
        std::lock_guard<std::mutex> guard(touchpad.lock);
        touchpad.absoluteValues = {{ABS_X, 130}, {ABS_Y, 190}};
    }
    const std::optional<PointerPosition> after = state.ReadPointerPosition();
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->x - before->x, 30);
    EXPECT_EQ(after->y - before->y, -10);
}

TEST_F(EvdevKeyPointerStateTest, KeyboardAloneHasNoPointer)
{
    Keyboard(AddDevice(3));
    REQUIRE_EMULATED_DEVICES();
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    EXPECT_TRUE(state.IsAvailable());
    EXPECT_EQ(state.ReadPointerPosition(), std::nullopt);
}

TEST_F(EvdevKeyPointerStateTest, AccelerometerIsNoPointer)
{
    DeviceModel& sensor = AddDevice(7);
    {
        std::lock_guard<std::mutex> guard(sensor.lock);
        sensor.types = {EV_SYN, EV_ABS};
        sensor.absoluteAxes = {ABS_X, ABS_Y, ABS_Z};
        sensor.properties = {INPUT_PROP_ACCELEROMETER};
    }
    REQUIRE_EMULATED_DEVICES();
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    EXPECT_FALSE(state.IsAvailable()) << "no keys, no buttons";
    EXPECT_EQ(state.ReadPointerPosition(), std::nullopt);
}

TEST_F(EvdevKeyPointerStateTest, ReleasesCannotBeSynthesized)
{
    DeviceModel& keyboard = Keyboard(AddDevice(3));
    REQUIRE_EMULATED_DEVICES();
    EvdevKeyPointerState state("/dev/input", VirtualKeyMap::FromEvdevPositions());
    {
        std::lock_guard<std::mutex> guard(keyboard.lock);
        keyboard.keysDown = {KEY_A};
    }
    EXPECT_FALSE(state.SynthesizeKeyRelease(0x41));
    EXPECT_TRUE(state.IsKeyDown(0x41));
}

TEST_F(EvdevKeyPointerStateTest, SystemChoiceTakesReadableDevicesWithoutDisplay)
{
    Keyboard(AddDevice(3));
    REQUIRE_EMULATED_DEVICES();
    const std::unique_ptr<KeyPointerState> chosen = CreateKeyPointerState("", "/dev/input");
    EXPECT_EQ(chosen->Description(), "evdev (/dev/input)");
    EXPECT_TRUE(chosen->IsAvailable());
}

} // namespace
} // namespace corvo::platform
