// Reads keys, buttons, LEDs and pointer motion from the event devices of the Linux input interface.
#include "platform/linux/EvdevKeyPointerState.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

namespace corvo::platform {

namespace {

constexpr std::size_t kBitsPerLong = sizeof(unsigned long) * CHAR_BIT;

constexpr std::size_t LongsFor(std::size_t bits)
{
    return (bits + kBitsPerLong - 1) / kBitsPerLong;
}

template <std::size_t Count>
bool TestBit(const unsigned long (&bits)[Count], unsigned int bit)
{
    return bit / kBitsPerLong < Count && (bits[bit / kBitsPerLong] >> (bit % kBitsPerLong)) & 1ul;
}

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

// An X keycode is the kernel's code plus 8, and X keycodes end at 255.
constexpr unsigned int kEvdevToX = 8;
constexpr unsigned int kLastMappedCode = 255 - kEvdevToX;

bool SameTime(const timespec& left, const timespec& right)
{
    return left.tv_sec == right.tv_sec && left.tv_nsec == right.tv_nsec;
}

int ClampToInt(long long value)
{
    return value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : static_cast<int>(value));
}

using KeyBits = unsigned long[LongsFor(KEY_CNT)];

void AddKeysDown(const KeyBits& keys, const VirtualKeyMap& map, KeyboardStateBytes& state)
{
    for (unsigned int code = 1; code <= kLastMappedCode; ++code) {
        const uint8_t virtualKey = TestBit(keys, code) ? map.VirtualKeyOf(code + kEvdevToX) : 0;
        if (virtualKey != 0) {
            state[virtualKey] |= 0x80;
        }
    }
    for (const ButtonCode& button : kButtonCodes) {
        if (TestBit(keys, button.code)) {
            state[button.virtualKey] |= 0x80;
        }
    }
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
        unsigned long types[LongsFor(EV_CNT)] = {};
        unsigned long keys[LongsFor(KEY_CNT)] = {};
        unsigned long relatives[LongsFor(REL_CNT)] = {};
        unsigned long absolutes[LongsFor(ABS_CNT)] = {};
        unsigned long properties[LongsFor(INPUT_PROP_CNT)] = {};
        // A file that is no event device fails the first request.
        if (::ioctl(descriptor, EVIOCGBIT(0, sizeof(types)), types) < 0) {
            ::close(descriptor);
            continue;
        }
        Device device;
        device.descriptor = descriptor;
        if (TestBit(types, EV_KEY) && ::ioctl(descriptor, EVIOCGBIT(EV_KEY, sizeof(keys)), keys) >= 0) {
            device.keys = true;
        }
        device.lights = TestBit(types, EV_LED);
        if (TestBit(types, EV_REL) && ::ioctl(descriptor, EVIOCGBIT(EV_REL, sizeof(relatives)), relatives) >= 0) {
            device.relative = TestBit(relatives, REL_X) && TestBit(relatives, REL_Y);
        }
        if (TestBit(types, EV_ABS) && ::ioctl(descriptor, EVIOCGBIT(EV_ABS, sizeof(absolutes)), absolutes) >= 0) {
            ::ioctl(descriptor, EVIOCGPROP(sizeof(properties)), properties);
            // Touchpads, touch screens and tablets move the pointer; joysticks and accelerometers
            // have absolute axes too but no touch or tool.
            const bool pointing = TestBit(keys, BTN_TOUCH) || TestBit(keys, BTN_TOOL_PEN) || TestBit(keys, BTN_LEFT);
            device.absolute = TestBit(absolutes, ABS_X) && TestBit(absolutes, ABS_Y) && pointing &&
                              !TestBit(properties, INPUT_PROP_ACCELEROMETER);
        }
        if (device.keys || device.lights || device.relative || device.absolute) {
            m_devices.push_back(device);
        } else {
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

KeyboardStateBytes EvdevKeyPointerState::ReadKeyboardState()
{
    ScanIfChanged();
    KeyboardStateBytes state{};
    bool deviceFailed = false;
    for (const Device& device : m_devices) {
        if (device.keys) {
            KeyBits keys = {};
            if (::ioctl(device.descriptor, EVIOCGKEY(sizeof(keys)), keys) < 0) {
                deviceFailed = deviceFailed || errno == ENODEV;
            } else {
                AddKeysDown(keys, m_map, state);
            }
        }
        if (device.lights) {
            unsigned long lights[LongsFor(LED_CNT)] = {};
            if (::ioctl(device.descriptor, EVIOCGLED(sizeof(lights)), lights) < 0) {
                deviceFailed = deviceFailed || errno == ENODEV;
            } else {
                for (const LightCode& light : kLightCodes) {
                    if (TestBit(lights, light.code)) {
                        state[light.virtualKey] |= 0x01;
                    }
                }
            }
        }
    }
    VirtualKeyMap::AddGenericModifiers(state);
    if (deviceFailed) {
        // An unplugged device answers ENODEV until it is closed; open the folder afresh next time.
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

void EvdevKeyPointerState::ReadRelativeMotion()
{
    for (const Device& device : m_devices) {
        if (!device.relative) {
            continue;
        }
        // Reading drains only this object's own copy of the device's events; other readers such
        // as the display server still get every event.
        input_event events[64];
        ssize_t count = 0;
        while ((count = ::read(device.descriptor, events, sizeof(events))) > 0) {
            for (std::size_t index = 0; index < static_cast<std::size_t>(count) / sizeof(input_event); ++index) {
                if (events[index].type != EV_REL) {
                    continue;
                }
                if (events[index].code == REL_X) {
                    m_motionX += events[index].value;
                } else if (events[index].code == REL_Y) {
                    m_motionY += events[index].value;
                }
            }
        }
    }
}

std::optional<PointerPosition> EvdevKeyPointerState::ReadPointerPosition()
{
    ScanIfChanged();
    bool pointing = false;
    long long x = 0;
    long long y = 0;
    ReadRelativeMotion();
    for (const Device& device : m_devices) {
        if (device.relative) {
            pointing = true;
        }
        if (!device.absolute) {
            continue;
        }
        input_absinfo horizontal{};
        input_absinfo vertical{};
        if (::ioctl(device.descriptor, EVIOCGABS(ABS_X), &horizontal) >= 0 &&
            ::ioctl(device.descriptor, EVIOCGABS(ABS_Y), &vertical) >= 0) {
            pointing = true;
            x += horizontal.value;
            y += vertical.value;
        }
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
