// A libudev monitor on input devices and USB interfaces, read through a socket notifier.
#include "UdevKeyboardWatch.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <libudev.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "SystemEventMonitor.h"

namespace corvo::hosts {

namespace {

// What the hosts show and record, in the user's language; one context for every source of events.
struct SystemEvents {
    Q_DECLARE_TR_FUNCTIONS(SystemEvents)
};

std::string Text(const char* value) { return value != nullptr ? value : ""; }

} // namespace

UdevKeyboardWatch::UdevKeyboardWatch(RaiseFunction raise) : m_raise(std::move(raise))
{
    m_udev = udev_new();
    m_monitor = m_udev != nullptr ? udev_monitor_new_from_netlink(m_udev, "udev") : nullptr;
    if (m_monitor == nullptr) {
        const int error = errno;
        m_problems.push_back(SystemEvents::tr("udev cannot be asked here (%1): a keyboard plugged in or out during a "
                                              "test goes unseen")
                                 .arg(QString::fromLocal8Bit(std::strerror(error)))
                                 .toStdString());
        return;
    }
    udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "input", nullptr);
    udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_interface");
    if (const int error = udev_monitor_enable_receiving(m_monitor); error < 0) {
        m_problems.push_back(SystemEvents::tr("the udev monitor could not be started (%1): a keyboard plugged in or "
                                              "out during a test goes unseen")
                                 .arg(QString::fromLocal8Bit(std::strerror(-error)))
                                 .toStdString());
        return;
    }
    // libudev itself silently listens to nothing when the udev service is not running, as in most
    // containers.
    if (access("/run/udev/control", F_OK) != 0) {
        m_problems.push_back(
            SystemEvents::tr("the udev service is not running: a keyboard plugged in or out during a test goes unseen")
                .toStdString());
    }
    m_notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &UdevKeyboardWatch::OnReadable);
}

UdevKeyboardWatch::~UdevKeyboardWatch()
{
    m_notifier.reset();
    udev_monitor_unref(m_monitor);
    udev_unref(m_udev);
}

std::string UdevKeyboardWatch::Describe(const DeviceEvent& event)
{
    const bool keyboard = (event.subsystem == "input" && event.inputKeyboard == "1") ||
                          (event.subsystem == "usb" && event.deviceType == "usb_interface" &&
                           event.usbInterface == "3/1/1");
    if (!keyboard) {
        return {};
    }
    if (event.action != "add" && event.action != "remove") {
        return {};
    }
    return (event.action == "add" ? SystemEvents::tr("a keyboard was plugged in")
                                  : SystemEvents::tr("a keyboard was unplugged"))
        .toStdString();
}

void UdevKeyboardWatch::OnReadable()
{
    // Non-blocking: null once the queue is empty.
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        const std::string description = Describe({Text(udev_device_get_action(device)),
                                                  Text(udev_device_get_subsystem(device)),
                                                  Text(udev_device_get_devtype(device)),
                                                  Text(udev_device_get_property_value(device, "ID_INPUT_KEYBOARD")),
                                                  Text(udev_device_get_property_value(device, "INTERFACE"))});
        udev_device_unref(device);
        if (!description.empty()) {
            m_raise(system_events::kKeyboardPlugged, description);
        }
    }
}

} // namespace corvo::hosts
