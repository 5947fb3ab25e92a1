// Keyboards plugged in or out, as udev announces them once its rules have run.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace corvo::hosts {

class UdevKeyboardWatch : public QObject {
public:
    using RaiseFunction = std::function<void(uint32_t bits, const std::string& description)>;

    // Listens on the calling thread, whose event loop then delivers the devices.
    explicit UdevKeyboardWatch(RaiseFunction raise);
    ~UdevKeyboardWatch() override;

    // Empty when keyboard hot-plug is watched.
    std::vector<std::string> Problems() const { return m_problems; }

    // What udev says about one device event.
    struct DeviceEvent {
        std::string action;         // "add", "remove", "change", "bind", ...
        std::string subsystem;      // "input", "usb"
        std::string deviceType;     // "usb_interface" for a USB interface
        std::string inputKeyboard;  // ID_INPUT_KEYBOARD, "1" for a keyboard's input device and event node
        std::string usbInterface;   // INTERFACE, class/subclass/protocol: "3/1/1" is a boot keyboard
    };
    // How the event is described to the user when it adds or removes a keyboard; empty otherwise.
    static std::string Describe(const DeviceEvent& event);

private:
    void OnReadable();

    RaiseFunction m_raise;
    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::vector<std::string> m_problems;
};

} // namespace corvo::hosts
