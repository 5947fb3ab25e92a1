// Grabs every keyboard event device for a dialog, turns its key events into virtual keys and
// passes on the keys the dialog lets keep their effect.
#include "platform/linux/EvdevKeyCapture.h"

#include <QPointer>
#include <QSocketNotifier>

#include <dirent.h>
#include <fcntl.h>
#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <unistd.h>

#include <bitset>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/linux/EvdevKeyPointerState.h"
#include "platform/linux/InputChoice.h"

namespace corvo::platform {

namespace {

// How often a grab that another program's grab refused is asked for again.
constexpr int kRetryMilliseconds = 500;
// A device that floods events must not keep the user-interface thread for ever.
constexpr int kMostEventsPerRead = 4096;

// The lock keys whose lights stand for their state when no uinput keyboard can pass them on.
struct LockLight {
    unsigned int key;
    unsigned int light;
};
constexpr LockLight kLockLights[] = {
    {KEY_CAPSLOCK, LED_CAPSL},
    {KEY_NUMLOCK, LED_NUML},
    {KEY_SCROLLLOCK, LED_SCROLLL},
};

bool AnyKeyDown(const libevdev* evdev)
{
    for (unsigned int code = 1; code <= KEY_MAX; ++code) {
        if (libevdev_get_event_value(evdev, EV_KEY, code) != 0) {
            return true;
        }
    }
    return false;
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

// One opened event device. Closing it ends the grab, the virtual keyboard and the descriptors, on
// every way out.
class EvdevKeyCapture::Keyboard {
public:
    Keyboard(std::string devicePath, int deviceDescriptor, libevdev* device)
        : path(std::move(devicePath)), descriptor(deviceDescriptor), evdev(device)
    {
    }
    ~Keyboard() { Close(); }
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    bool IsOpen() const { return evdev != nullptr; }

    void Close()
    {
        notifier.reset();
        if (uinput != nullptr) {
            libevdev_uinput_destroy(uinput);
            uinput = nullptr;
        }
        if (uinputDescriptor >= 0) {
            ::close(uinputDescriptor);
            uinputDescriptor = -1;
        }
        if (evdev != nullptr) {
            // Closing the descriptor would end the grab as well; ungrabbing first says so plainly.
            if (grabbed) {
                libevdev_grab(evdev, LIBEVDEV_UNGRAB);
            }
            libevdev_free(evdev);
            evdev = nullptr;
        }
        if (descriptor >= 0) {
            ::close(descriptor);
            descriptor = -1;
        }
        grabbed = false;
        refused = false;
        waiting = false;
    }

    std::string path;
    int descriptor = -1;
    libevdev* evdev = nullptr;
    int uinputDescriptor = -1;
    libevdev_uinput* uinput = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;
    bool grabbed = false;
    bool refused = false; // another program's grab holds it
    bool waiting = false; // a key was down when it was opened
    std::bitset<KEY_CNT> passedDown; // kept presses that the virtual keyboard has not released
};

EvdevKeyCapture::EvdevKeyCapture(Handler handler, std::string inputDirectory, VirtualKeyMap map,
                                 std::string uinputPath)
    : m_handler(std::move(handler)),
      m_inputDirectory(std::move(inputDirectory)),
      m_map(map),
      m_uinputPath(std::move(uinputPath))
{
    m_retry.setInterval(kRetryMilliseconds);
    QObject::connect(&m_retry, &QTimer::timeout, this, [this] { OnRetry(); });
    // Watching before the first scan, so that a keyboard plugged in during it is not missed.
    m_watcher.addPath(QString::fromStdString(m_inputDirectory));
    QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { Scan(); });
    Scan();
}

EvdevKeyCapture::~EvdevKeyCapture()
{
    m_retry.stop();
    m_keyboards.clear();
}

VirtualKeyMap EvdevKeyCapture::DefaultKeyMap()
{
    return EvdevKeyPointerState::DefaultKeyMap();
}

KeyCapture::Hold EvdevKeyCapture::State() const
{
    bool refused = false;
    bool waiting = false;
    for (const std::unique_ptr<Keyboard>& keyboard : m_keyboards) {
        if (keyboard->grabbed) {
            return Hold::Holding;
        }
        refused = refused || keyboard->refused;
        waiting = waiting || keyboard->waiting;
    }
    return refused ? Hold::HeldElsewhere : (waiting ? Hold::Pending : Hold::Unavailable);
}

EvdevKeyCapture::PassThrough EvdevKeyCapture::PassThroughUsed() const
{
    bool grabbed = false;
    for (const std::unique_ptr<Keyboard>& keyboard : m_keyboards) {
        if (keyboard->grabbed && keyboard->uinput == nullptr) {
            return PassThrough::LockLights;
        }
        grabbed = grabbed || keyboard->grabbed;
    }
    return grabbed ? PassThrough::VirtualKeyboard : PassThrough::LockLights;
}

void EvdevKeyCapture::Scan()
{
    DIR* directory = ::opendir(m_inputDirectory.c_str());
    if (directory == nullptr) {
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(directory)) {
        if (std::strncmp(entry->d_name, "event", 5) == 0 && m_ownDevices.count(entry->d_name) == 0) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(directory);
    for (const std::string& name : names) {
        const std::string path = m_inputDirectory + "/" + name;
        bool open = false;
        for (const std::unique_ptr<Keyboard>& keyboard : m_keyboards) {
            open = open || (keyboard->IsOpen() && keyboard->path == path);
        }
        if (!open) {
            Open(path);
        }
    }
}

void EvdevKeyCapture::Open(const std::string& path)
{
    int descriptor = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        // The grab needs only read access; the lights then stay as they are.
        descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    if (descriptor < 0) {
        return;
    }
    libevdev* evdev = nullptr;
    if (libevdev_new_from_fd(descriptor, &evdev) < 0) {
        ::close(descriptor);
        return;
    }
    auto keyboard = std::make_unique<Keyboard>(path, descriptor, evdev);
    if (!IsKeyboardDevice(evdev, m_map)) {
        return;
    }
    Keyboard& added = *m_keyboards.emplace_back(std::move(keyboard));
    added.notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    QObject::connect(added.notifier.get(), &QSocketNotifier::activated, this, [this, &added] { OnReadable(added); });
    added.waiting = AnyKeyDown(evdev);
    if (!added.waiting) {
        Grab(added);
    }
}

void EvdevKeyCapture::Grab(Keyboard& keyboard)
{
    const int status = libevdev_grab(keyboard.evdev, LIBEVDEV_GRAB);
    keyboard.grabbed = status == 0;
    keyboard.refused = status == -EBUSY;
    if (keyboard.refused) {
        m_retry.start();
        return;
    }
    if (!keyboard.grabbed) {
        keyboard.Close();
        return;
    }
    const int uinputDescriptor = ::open(m_uinputPath.c_str(), O_RDWR | O_CLOEXEC);
    if (uinputDescriptor < 0) {
        return;
    }
    if (libevdev_uinput_create_from_device(keyboard.evdev, uinputDescriptor, &keyboard.uinput) != 0) {
        keyboard.uinput = nullptr;
        ::close(uinputDescriptor);
        return;
    }
    keyboard.uinputDescriptor = uinputDescriptor;
    if (const char* node = libevdev_uinput_get_devnode(keyboard.uinput)) {
        m_ownDevices.insert(NameOf(node));
    }
}

void EvdevKeyCapture::OnRetry()
{
    bool refused = false;
    for (const std::unique_ptr<Keyboard>& keyboard : m_keyboards) {
        if (keyboard->refused) {
            Grab(*keyboard);
            refused = refused || keyboard->refused;
        }
    }
    if (!refused) {
        m_retry.stop();
    }
}

void EvdevKeyCapture::OnReadable(Keyboard& keyboard)
{
    input_event event{};
    unsigned int flags = LIBEVDEV_READ_FLAG_NORMAL;
    for (int count = 0; count < kMostEventsPerRead && keyboard.IsOpen(); ++count) {
        const int status = libevdev_next_event(keyboard.evdev, flags, &event);
        if (status == LIBEVDEV_READ_STATUS_SYNC && (flags & LIBEVDEV_READ_FLAG_SYNC) == 0) {
            // SYN_DROPPED: the kernel's buffer overflowed. libevdev now hands out what changed in
            // the meantime, which counts as presses and releases like any other.
            flags = LIBEVDEV_READ_FLAG_SYNC;
            continue;
        }
        if (status == -EAGAIN && (flags & LIBEVDEV_READ_FLAG_SYNC) != 0) {
            flags = LIBEVDEV_READ_FLAG_NORMAL;
            continue;
        }
        if (status < 0) {
            if (status != -EAGAIN) {
                // Unplugged (ENODEV) or failing: the keyboard is gone for this capture.
                keyboard.Close();
            }
            return;
        }
        if (event.type != EV_KEY) {
            continue;
        }
        if (keyboard.waiting) {
            if (!AnyKeyDown(keyboard.evdev)) {
                keyboard.waiting = false;
                Grab(keyboard);
            }
            continue;
        }
        if (keyboard.grabbed && !Deliver(keyboard, event.code, event.value)) {
            return;
        }
    }
}

bool EvdevKeyCapture::Deliver(Keyboard& keyboard, unsigned int code, int value)
{
    const uint8_t virtualKey = m_map.VirtualKeyOfEvdevCode(code);
    bool keep = false;
    if (virtualKey != 0) {
        // The handler may end the dialog, and this capture with it.
        const QPointer<EvdevKeyCapture> alive(this);
        keep = m_handler(virtualKey, value != 0);
        if (alive == nullptr) {
            return false;
        }
    }
    // A press that reached the system is released there too, whatever the handler says of the
    // release: no key is left held.
    if (keyboard.IsOpen() && (keep || (value == 0 && keyboard.passedDown.test(code)))) {
        PassOn(keyboard, code, value);
    }
    return true;
}

void EvdevKeyCapture::PassOn(Keyboard& keyboard, unsigned int code, int value)
{
    if (keyboard.uinput != nullptr) {
        libevdev_uinput_write_event(keyboard.uinput, EV_KEY, code, value);
        libevdev_uinput_write_event(keyboard.uinput, EV_SYN, SYN_REPORT, 0);
        keyboard.passedDown.set(code, value != 0);
        return;
    }
    // A lock toggles on its press, not on its release or its repeats; the state is one for the
    // seat, so every keyboard shows it.
    for (const LockLight& lock : kLockLights) {
        if (value != 1 || lock.key != code) {
            continue;
        }
        const bool lit = libevdev_get_event_value(keyboard.evdev, EV_LED, lock.light) != 0;
        for (const std::unique_ptr<Keyboard>& other : m_keyboards) {
            if (other->IsOpen() && libevdev_has_event_code(other->evdev, EV_LED, lock.light)) {
                libevdev_kernel_set_led_value(other->evdev, lock.light, lit ? LIBEVDEV_LED_OFF : LIBEVDEV_LED_ON);
            }
        }
    }
}

} // namespace corvo::platform
