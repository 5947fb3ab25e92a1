// The event-device key capture against keyboards that umockdev emulates: evdev and uinput requests
// answered here (EVIOCGRAB as the kernel does, EBUSY to a second grabber), key events replayed
// from evemu recordings, and what reaches the system written down as text.
#include <gtest/gtest.h>

#include <linux/input.h>
#include <linux/uinput.h>
#include <umockdev.h> // before Qt, whose "signals" keyword glib's headers use as a name

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <set>

#include "platform/linux/EvdevKeyCapture.h"

namespace corvo::platform {
namespace {

// "event3+" a grab, "event3-" its end; "58:1" a key event sent on, "led1:1" a light set. umockdev
// answers on a thread of its own, hence the lock.
std::mutex g_lock;
std::string g_grabs, g_passed;
std::map<std::string, UMockdevIoctlClient*> g_holders;
using Bits = std::map<unsigned, std::set<unsigned>>;

gboolean Answer(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer bits)
{
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    const unsigned size = _IOC_SIZE(request);
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    const std::string node = std::strrchr(umockdev_ioctl_client_get_devnode(client), '/') + 1;
    const std::lock_guard<std::mutex> guard(g_lock);
    const bool grab = request == EVIOCGRAB && *reinterpret_cast<const glong*>(arg->data) != 0;
    if (grab && g_holders.count(node) != 0 && g_holders[node] != client) {
        umockdev_ioctl_client_complete(client, -1, EBUSY);
        return TRUE;
    }
    if (request == EVIOCGRAB) {
        g_grabs += node + (grab ? "+ " : "- ");
        grab ? void(g_holders[node] = client) : void(g_holders.erase(node));
    } else if (request == UI_GET_VERSION) {
        *reinterpret_cast<unsigned*>(umockdev_ioctl_data_resolve(arg, 0, size, nullptr)->data) = 5;
    } else if (request == UI_GET_SYSNAME(size)) {
        std::strcpy(reinterpret_cast<char*>(umockdev_ioctl_data_resolve(arg, 0, size, nullptr)->data), "input90");
    } else if (_IOC_TYPE(request) == 'E' && _IOC_DIR(request) == _IOC_READ) {
        guint8* buffer = umockdev_ioctl_data_resolve(arg, 0, size, nullptr)->data;
        std::memset(buffer, 0, size);
        for (const unsigned bit : (*static_cast<Bits*>(bits))[_IOC_NR(request)]) {
            buffer[bit / 8] |= static_cast<guint8>(bit / 8 < size ? 1u << (bit % 8) : 0);
        }
    }
    umockdev_ioctl_client_complete(client, _IOC_DIR(request) == _IOC_READ ? size : 0, 0);
    return TRUE;
}

gboolean RecordWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer)
{
    UMockdevIoctlData* written = umockdev_ioctl_client_get_arg(client);
    const std::lock_guard<std::mutex> guard(g_lock);
    for (gint at = 0; at + gint{sizeof(input_event)} <= written->data_len; at += sizeof(input_event)) {
        input_event event{};
        std::memcpy(&event, written->data + at, sizeof event);
        g_passed += event.type == EV_SYN ? "" : (event.type == EV_LED ? "led" : "") + std::to_string(event.code) +
                                                   ":" + std::to_string(event.value) + " ";
    }
    umockdev_ioctl_client_complete(client, written->data_len, 0);
    return TRUE;
}

struct Row {
    const char* name;
    std::vector<std::pair<unsigned, int>> keys; // code and value, replayed in this order
    std::set<std::string> keep;                  // what the handler keeps, as it writes it down
    bool uinput;
    std::set<unsigned> held; // down when the capture opens the keyboard
    std::string seen, passed;
};
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class EvdevKeyCaptureTest : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override
    {
        if (!umockdev_in_mock_environment()) {
            GTEST_SKIP() << "/dev is not emulated: umockdev's preload library is missing";
        }
        static int argc = 1;
        static char name[] = "evdev_capture_tests", *argv[] = {name, nullptr};
        static QCoreApplication* application = new QCoreApplication(argc, argv);
        (void)application;
        g_grabs.clear(), g_passed.clear(), g_holders.clear();
    }
    // Adds /dev/<node> answering with the capabilities given (by request number), replaying the keys.
    void Add(const std::string& node, Bits bits, const std::vector<std::pair<unsigned, int>>& keys = {})
    {
        const std::string path = "/dev/" + node;
        const std::string description = "P: /devices/virtual/" + node + "\nN: " + node + "\nE: SUBSYSTEM=input\n";
        EXPECT_TRUE(umockdev_testbed_add_from_string(m_testbed.get(), description.c_str(), nullptr));
        m_handlers.emplace_back(umockdev_ioctl_base_new(), &g_object_unref);
        m_bits[path] = std::move(bits);
        g_signal_connect(m_handlers.back().get(), "handle-ioctl", G_CALLBACK(Answer), &m_bits[path]);
        g_signal_connect(m_handlers.back().get(), "handle-write", G_CALLBACK(RecordWrite), nullptr);
        EXPECT_TRUE(umockdev_testbed_attach_ioctl(m_testbed.get(), path.c_str(), m_handlers.back().get(), nullptr));
        const std::unique_ptr<gchar, void (*)(gpointer)> root{umockdev_testbed_get_root_dir(m_testbed.get()), &g_free};
        const std::string recording = root.get() + path.substr(path.rfind('/'));
        std::ofstream events(recording);
        for (const auto& [code, value] : keys) {
            events << "E: 0.0 0001 " << std::hex << code << std::dec << ' ' << value << "\nE: 0.0 0000 0000 0\n";
        }
        events.close();
        EXPECT_TRUE(keys.empty() ||
                    umockdev_testbed_load_evemu_events(m_testbed.get(), path.c_str(), recording.c_str(), nullptr));
    }
    void Keyboard(const std::string& node, const std::vector<std::pair<unsigned, int>>& keys = {},
                  std::set<unsigned> held = {})
    {
        std::set<unsigned> typing{KEY_FN};
        for (unsigned code = KEY_ESC; code <= KEY_SCROLLLOCK; ++code) {
            typing.insert(code);
        }
        Add(node, {{_IOC_NR(EVIOCGBIT(0, 0)), {EV_SYN, EV_KEY, EV_LED}}, {_IOC_NR(EVIOCGBIT(EV_KEY, 0)), typing},
                   {_IOC_NR(EVIOCGBIT(EV_LED, 0)), {LED_NUML, LED_CAPSL}}, {_IOC_NR(EVIOCGKEY(0)), std::move(held)}},
            keys);
    }
    // The handler writes "41+" for a press of VK_A, "41-" for its release, and keeps what is listed.
    std::unique_ptr<EvdevKeyCapture> Capture(const std::set<std::string>& keep = {},
                                             const std::string& folder = "/dev/input")
    {
        return std::make_unique<EvdevKeyCapture>([this, keep](uint8_t key, bool down) {
            char seen[4];
            std::snprintf(seen, sizeof seen, "%02X%c", key, down ? '+' : '-');
            m_seen += seen + std::string(" ");
            return keep.count(seen) != 0;
        }, folder, VirtualKeyMap::FromEvdevPositions());
    }
    static bool Until(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        for (clock.start(); !done() && clock.elapsed() < 3000;) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return done();
    }
    static std::string Locked(const std::string& text)
    {
        const std::lock_guard<std::mutex> guard(g_lock);
        return text;
    }

    std::unique_ptr<UMockdevTestbed, void (*)(gpointer)> m_testbed{umockdev_testbed_new(), &g_object_unref};
    std::map<std::string, Bits> m_bits;
    std::vector<std::unique_ptr<UMockdevIoctlBase, void (*)(gpointer)>> m_handlers;
    std::string m_seen;
};

TEST_P(EvdevKeyCaptureTest, KeysReachTheHandlerAndKeptOnesTheSystem)
{
    Keyboard("input/event3", GetParam().keys, GetParam().held);
    if (GetParam().uinput) {
        Add("uinput", {});
    }
    const std::unique_ptr<EvdevKeyCapture> capture = Capture(GetParam().keep);
    EXPECT_TRUE(Until([&] { return m_seen == GetParam().seen; })) << m_seen;
    EXPECT_EQ(Locked(g_passed), GetParam().passed);
    EXPECT_EQ(capture->State(), KeyCapture::Hold::Holding);
    EXPECT_EQ(capture->PassThroughUsed(), GetParam().uinput ? EvdevKeyCapture::PassThrough::VirtualKeyboard
                                                            : EvdevKeyCapture::PassThrough::LockLights);
}

INSTANTIATE_TEST_SUITE_P(, EvdevKeyCaptureTest, ::testing::Values(
    Row{"KeptLocksAndShiftGoThroughUinputRepeatsAsPresses",
        {{KEY_CAPSLOCK, 1}, {KEY_CAPSLOCK, 0}, {KEY_LEFTSHIFT, 1}, {KEY_LEFTSHIFT, 2}, {KEY_LEFTSHIFT, 0}},
        {"14+", "14-", "A0+", "A0-"}, true, {}, "14+ 14- A0+ A0+ A0- ", "58:1 58:0 42:1 42:2 42:0 "},
    Row{"APassedPressIsReleasedThoughItsReleaseIsSwallowed", {{KEY_LEFTSHIFT, 1}, {KEY_LEFTSHIFT, 0}}, {"A0+"},
        true, {}, "A0+ A0- ", "42:1 42:0 "},
    Row{"WithoutUinputOnlyCapsLockLightsTheKeyboard", {{KEY_CAPSLOCK, 1}, {KEY_CAPSLOCK, 0}, {KEY_LEFTSHIFT, 1}},
        {"14+", "14-", "A0+"}, false, {}, "14+ 14- A0+ ", "led1:1 "},
    Row{"KeysWithoutVirtualKeyAreSwallowedUnseen", {{KEY_FN, 1}, {KEY_FN, 0}, {KEY_B, 1}}, {}, true, {}, "42+ ", ""},
    Row{"AKeyHeldAtOpenIsGrabbedOnlyAfterItsRelease", {{KEY_ENTER, 0}, {KEY_A, 1}}, {}, true, {KEY_ENTER}, "41+ ", ""}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

TEST_F(EvdevKeyCaptureTest, AGrabHeldElsewhereIsRefusedAndAskedForAgainOnceFree)
{
    Keyboard("input/event3");
    auto first = Capture();
    EXPECT_EQ(first->State(), KeyCapture::Hold::Holding);
    auto second = Capture();
    EXPECT_EQ(second->State(), KeyCapture::Hold::HeldElsewhere) << "EVIOCGRAB answered EBUSY";
    first.reset();
    EXPECT_TRUE(Until([&] { return second->State() == KeyCapture::Hold::Holding; })) << "asked again when free";
    EXPECT_EQ(Locked(g_grabs), "event3+ event3- event3+ ");
}

TEST_F(EvdevKeyCaptureTest, WithoutKeyboardNothingIsHeldUntilOneIsPluggedIn)
{
    Add("input/event5", {{_IOC_NR(EVIOCGBIT(0, 0)), {EV_SYN, EV_KEY, EV_REL}},
                         {_IOC_NR(EVIOCGBIT(EV_KEY, 0)), {BTN_LEFT}}}); // a mouse
    EXPECT_EQ(Capture({}, "/nonexistent-input-folder")->State(), KeyCapture::Hold::Unavailable);
    const std::unique_ptr<EvdevKeyCapture> capture = Capture();
    EXPECT_EQ(capture->State(), KeyCapture::Hold::Unavailable) << "a mouse is no keyboard";
    Keyboard("input/event4", {{KEY_A, 1}});
    EXPECT_TRUE(Until([&] { return m_seen == "41+ "; })) << m_seen;
    EXPECT_EQ(capture->State(), KeyCapture::Hold::Holding);
    EXPECT_EQ(Locked(g_grabs), "event4+ ");
}

} // namespace
} // namespace corvo::platform
