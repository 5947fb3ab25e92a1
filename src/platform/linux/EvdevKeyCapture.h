// Key capture from the kernel's event devices, for Wayland sessions and text consoles.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/KeyCapture.h"
#include "platform/linux/VirtualKeyMap.h"

namespace corvo::platform {

// Every keyboard event device is grabbed (EVIOCGRAB) while the capture lives, so its keys reach
// this process only: not the compositor, not the console, not any other reader. Keyboards plugged
// in meanwhile are taken too. A keyboard with a key down when the capture opens it is grabbed only
// once every key is up: the release would otherwise reach no one, and the compositor would repeat
// the key it believes held.
//
// The grab hides the keys the handler lets keep their effect from the system as well. They go
// back to it through a uinput keyboard made in the image of the grabbed one, when /dev/uinput can
// be opened; the compositor or console then toggles its locks and lights as for the real key.
// Without uinput only the lights of Caps, Num and Scroll Lock are set here, on the keyboard
// itself, so that the lock state read from the device stays true; the system's own lock state
// and the kept Shift presses are not seen by anyone else.
//
// Opening the devices takes read-write access (root, or the input group); without it State() is
// Unavailable and the dialog falls back to the keys its window receives.
class EvdevKeyCapture : public QObject, public KeyCapture {
public:
    // How the keys the handler keeps reach the system.
    enum class PassThrough {
        VirtualKeyboard, // every kept key, re-sent through uinput
        LockLights,      // only the lock keys, as the keyboards' own lights
    };

    // inputDirectory holds the event* device nodes; map translates an X keycode, the kernel's key
    // code plus 8; uinputPath is where a virtual keyboard can be made.
    EvdevKeyCapture(Handler handler, std::string inputDirectory = "/dev/input",
                    VirtualKeyMap map = DefaultKeyMap(), std::string uinputPath = "/dev/uinput");
    ~EvdevKeyCapture() override;
    EvdevKeyCapture(const EvdevKeyCapture&) = delete;
    EvdevKeyCapture& operator=(const EvdevKeyCapture&) = delete;

    // Holding while at least one keyboard is grabbed; HeldElsewhere while another program's grab
    // refuses ours (it is asked for again twice a second); Pending while a keyboard waits for its
    // keys to come up; Unavailable when no keyboard could be opened.
    Hold State() const override;
    PassThrough PassThroughUsed() const;

    // The evdev reader's default keymap.
    static VirtualKeyMap DefaultKeyMap();

private:
    class Keyboard;

    void Scan();
    void Open(const std::string& path);
    void Grab(Keyboard& keyboard);
    void OnReadable(Keyboard& keyboard);
    // Hands a key event to the handler and passes on what it keeps. False when the handler
    // destroyed this capture.
    bool Deliver(Keyboard& keyboard, unsigned int code, int value);
    void PassOn(Keyboard& keyboard, unsigned int code, int value);
    void OnRetry();

    Handler m_handler;
    std::string m_inputDirectory;
    VirtualKeyMap m_map;
    std::string m_uinputPath;
    // Keyboards are closed but never removed while the capture lives: a handler may run a nested
    // event loop in which another keyboard goes away.
    std::vector<std::unique_ptr<Keyboard>> m_keyboards;
    // The virtual keyboards this capture made, which it must not grab itself.
    std::set<std::string> m_ownDevices;
    QFileSystemWatcher m_watcher;
    QTimer m_retry;
};

} // namespace corvo::platform
