// Reads keys, buttons, LEDs and pointer motion from the event devices of the Linux input interface.
#include "platform/linux/EvdevKeyPointerState.h"

#include <dirent.h>
#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <iterator>
#include <utility>

namespace corvo::platform {

namespace {

// Mouse buttons of the input interface to Windows mouse-button codes. The side buttons are
// called BTN_SIDE/BTN_EXTRA on most mice and BTN_BACK/BTN_FORWARD on some; X numbers them 8 and 9.
struct ButtonCode {
    unsigned int code;
    uint8_t virtualKey;
};
constexpr ButtonCode kButtonCodes[] = {
    {BTN_LEFT, virtual_key::kLeftButton},     {BTN_RIGHT, virtual_key::kRightButton},
    {BTN_MIDDLE, virtual_key::kMiddleButton}, {BTN_SIDE, virtual_key::kExtraButton1},
    {BTN_BACK, virtual_key::kExtraButton1},   {BTN_EXTRA, virtual_key::kExtraButton2},
    {BTN_FORWARD, virtual_key::kExtraButton2},
};

struct LightCode {
    unsigned int code;
    uint8_t virtualKey;
};
constexpr LightCode kLightCodes[] = {
    {LED_CAPSL, virtual_key::kCapsLock},
    {LED_NUML, virtual_key::kNumLock},
    {LED_SCROLLL, virtual_key::kScrollLock},
};

bool SameTime(const timespec& left, const timespec& right)
{
    return left.tv_sec == right.tv_sec && left.tv_nsec == right.tv_nsec;
}

int ClampToInt(long long value)
{
    return value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : static_cast<int>(value));
}

// A bit map the kernel fills in (EVIOCGKEY, EVIOCGLED): all clear when the request fails.
struct KernelBits {
    unsigned long words[(KEY_MAX + 1) / (8 * sizeof(unsigned long)) + 1] = {};

    static KernelBits Read(int descriptor, unsigned long request)
    {
        KernelBits bits;
        if (::ioctl(descriptor, request, bits.words) < 0) {
            bits = KernelBits();
        }
        return bits;
    }
    bool Has(unsigned int code) const
    {
        constexpr unsigned int kBitsPerWord = 8 * sizeof(unsigned long);
        return code / kBitsPerWord < std::size(words) && ((words[code / kBitsPerWord] >> (code % kBitsPerWord)) & 1) != 0;
    }
};

// A device that floods events cannot keep a reading going for ever.
constexpr int kMostEventsPerRefresh = 4096;

// Reads events until none is pending, following libevdev through a SYN_DROPPED (or a forced sync):
// the state delta it then hands out in sync mode, and normal reading after it. Returns -EAGAIN
// when everything was read, another negative errno when the device failed.
template <typename OnEvent>
int ReadPendingEvents(libevdev* evdev, unsigned int flags, OnEvent onEvent)
{
    input_event event{};
    for (int count = 0; count < kMostEventsPerRefresh; ++count) {
        const int status = libevdev_next_event(evdev, flags, &event);
        if (status == LIBEVDEV_READ_STATUS_SUCCESS) {
            onEvent(event);
        } else if (status == LIBEVDEV_READ_STATUS_SYNC) {
            if ((flags & LIBEVDEV_READ_FLAG_SYNC) != 0) {
                onEvent(event);
            }
            flags = LIBEVDEV_READ_FLAG_SYNC;
        } else if (status == -EAGAIN && (flags & LIBEVDEV_READ_FLAG_SYNC) != 0) {
            flags = LIBEVDEV_READ_FLAG_NORMAL;
        } else {
            return status;
        }
    }
    return -EAGAIN;
}

} // namespace

EvdevKeyPointerState::EvdevKeyPointerState(std::string inputDirectory, VirtualKeyMap map)
    : m_inputDirectory(std::move(inputDirectory)), m_map(map)
{
    ScanIfChanged();
}

EvdevKeyPointerState::~EvdevKeyPointerState()
{
    CloseDevices();
}

VirtualKeyMap EvdevKeyPointerState::DefaultKeyMap()
{
    std::optional<VirtualKeyMap> map = VirtualKeyMap::FromNames({});
    return map ? *map : VirtualKeyMap::FromEvdevPositions();
}

void EvdevKeyPointerState::CloseDevices()
{
    for (const Device& device : m_devices) {
        libevdev_free(device.evdev);
        ::close(device.descriptor);
    }
    m_devices.clear();
}

void EvdevKeyPointerState::ScanIfChanged()
{
    struct stat folder {};
    if (::stat(m_inputDirectory.c_str(), &folder) != 0) {
        CloseDevices();
        m_scanned = false;
        return;
    }
    if (m_scanned && SameTime(folder.st_mtim, m_scannedModification)) {
        return;
    }
    CloseDevices();
    m_scanned = true;
    m_scannedModification = folder.st_mtim;

    DIR* directory = ::opendir(m_inputDirectory.c_str());
    if (directory == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(directory)) {
        if (std::strncmp(entry->d_name, "event", 5) != 0) {
            continue;
        }
        const std::string path = m_inputDirectory + "/" + entry->d_name;
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) {
            continue;
        }
        libevdev* evdev = nullptr;
        // A file that is no event device fails libevdev's first request.
        if (libevdev_new_from_fd(descriptor, &evdev) < 0) {
            ::close(descriptor);
            continue;
        }
        Device device;
        device.descriptor = descriptor;
        device.evdev = evdev;
        device.keys = libevdev_has_event_type(evdev, EV_KEY) != 0;
        device.lights = libevdev_has_event_type(evdev, EV_LED) != 0;
        device.relative =
            libevdev_has_event_code(evdev, EV_REL, REL_X) && libevdev_has_event_code(evdev, EV_REL, REL_Y);
        // Touchpads, touch screens and tablets move the pointer; joysticks and accelerometers
        // have absolute axes too but no touch or tool.
        const bool pointing = libevdev_has_event_code(evdev, EV_KEY, BTN_TOUCH) ||
                              libevdev_has_event_code(evdev, EV_KEY, BTN_TOOL_PEN) ||
                              libevdev_has_event_code(evdev, EV_KEY, BTN_LEFT);
        device.absolute = libevdev_has_event_code(evdev, EV_ABS, ABS_X) &&
                          libevdev_has_event_code(evdev, EV_ABS, ABS_Y) && pointing &&
                          !libevdev_has_property(evdev, INPUT_PROP_ACCELEROMETER);
        if (device.keys || device.lights || device.relative || device.absolute) {
            m_devices.push_back(device);
        } else {
            libevdev_free(evdev);
            ::close(descriptor);
        }
    }
    ::closedir(directory);
}

bool EvdevKeyPointerState::IsAvailable() const
{
    for (const Device& device : m_devices) {
        if (device.keys) {
            return true;
        }
    }
    return false;
}

std::string EvdevKeyPointerState::Description() const
{
    return "evdev (" + m_inputDirectory + ")";
}

bool EvdevKeyPointerState::Refresh(const Device& device)
{
    // Mouse motion exists only as events. Reading drains only this descriptor's copy; the display
    // server and other readers still get every event. A sync that libevdev forces would drain the
    // descriptor too, dropping whatever motion arrived after this read: the keys and lights are
    // asked of the kernel on their own instead (KernelBits).
    const int status = ReadPendingEvents(device.evdev, LIBEVDEV_READ_FLAG_NORMAL, [this](const input_event& event) {
        if (event.type == EV_REL && event.code == REL_X) {
            m_motionX += event.value;
        } else if (event.type == EV_REL && event.code == REL_Y) {
            m_motionY += event.value;
        }
    });
    // An unplugged device answers ENODEV until it is closed.
    return status != -ENODEV;
}

KeyboardStateBytes EvdevKeyPointerState::ReadKeyboardState()
{
    ScanIfChanged();
    KeyboardStateBytes state{};
    bool deviceFailed = false;
    for (const Device& device : m_devices) {
        if (!device.keys && !device.lights) {
            continue;
        }
        if (!Refresh(device)) {
            deviceFailed = true;
            continue;
        }
        // While another descriptor grabs a keyboard (the dialogs' own capture does), its events
        // reach only that one, yet the kernel's state stays true.
        const KernelBits keys = KernelBits::Read(device.descriptor, EVIOCGKEY(sizeof(KernelBits::words)));
        const KernelBits lights = KernelBits::Read(device.descriptor, EVIOCGLED(sizeof(KernelBits::words)));
        for (unsigned int code = 1; device.keys && code <= KEY_MAX; ++code) {
            const uint8_t virtualKey = keys.Has(code) ? m_map.VirtualKeyOfEvdevCode(code) : 0;
            if (virtualKey != 0) {
                state[virtualKey] |= 0x80;
            }
        }
        for (const ButtonCode& button : kButtonCodes) {
            if (device.keys && keys.Has(button.code)) {
                state[button.virtualKey] |= 0x80;
            }
        }
        for (const LightCode& light : kLightCodes) {
            if (device.lights && lights.Has(light.code)) {
                state[light.virtualKey] |= 0x01;
            }
        }
    }
    VirtualKeyMap::AddGenericModifiers(state);
    if (deviceFailed) {
        // Open the folder afresh next time.
        m_scanned = false;
    }
    return state;
}

bool EvdevKeyPointerState::IsKeyDown(uint8_t virtualKey)
{
    return virtualKey != 0 && (ReadKeyboardState()[virtualKey] & 0x80) != 0;
}

bool EvdevKeyPointerState::IsToggled(uint8_t virtualKey)
{
    return virtualKey != 0 && (ReadKeyboardState()[virtualKey] & 0x01) != 0;
}

std::optional<PointerPosition> EvdevKeyPointerState::ReadPointerPosition()
{
    ScanIfChanged();
    bool pointing = false;
    bool deviceFailed = false;
    long long x = 0;
    long long y = 0;
    for (const Device& device : m_devices) {
        if (!device.relative && !device.absolute) {
            continue;
        }
        if (!Refresh(device)) {
            deviceFailed = true;
            continue;
        }
        pointing = true;
        const input_absinfo* horizontal = device.absolute ? libevdev_get_abs_info(device.evdev, ABS_X) : nullptr;
        const input_absinfo* vertical = device.absolute ? libevdev_get_abs_info(device.evdev, ABS_Y) : nullptr;
        if (horizontal != nullptr && vertical != nullptr) {
            x += horizontal->value;
            y += vertical->value;
        }
    }
    if (deviceFailed) {
        m_scanned = false;
    }
    if (!pointing) {
        return std::nullopt;
    }
    return PointerPosition{ClampToInt(m_motionX + x), ClampToInt(m_motionY + y)};
}

bool EvdevKeyPointerState::SynthesizeKeyRelease(uint8_t)
{
    return false;
}

} // namespace corvo::platform
