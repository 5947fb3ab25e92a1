// A real window manager on the test's display, and another program's client beside the one under
// test: what a person's desktop adds to a bare X server.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace corvo::gui_testing {

// openbox with its stock configuration (Alt+Tab switches windows, a click raises and focuses).
class WindowManager {
public:
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    // Null with the reason when openbox is missing or does not take the display within 10 s.
    static std::unique_ptr<WindowManager> Start(const std::string& displayName, std::string& failure);

private:
    explicit WindowManager(pid_t process) : m_process(process) {}
    pid_t m_process;
};

// Another program on the display, with a window of its own.
class OtherClient {
public:
    explicit OtherClient(const std::string& displayName);
    ~OtherClient();
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    // Grabs the keyboard, as a program with an open menu does; false when it cannot.
    bool HoldKeyboard();
    void ReleaseKeyboard();
    // Maps its window and gives it the input focus, as a program the user switched to.
    void TakeFocus();
    // The key presses its window has received so far.
    int KeysReceived();

    // The managed windows bottom to top (_NET_CLIENT_LIST_STACKING), the active one
    // (_NET_ACTIVE_WINDOW) and a window's WM_TRANSIENT_FOR, as the window manager published them.
    std::vector<uint32_t> Stacking();
    uint32_t ActiveWindow();
    uint32_t TransientFor(uint32_t window);
    bool RootPropertyPresent(const char* name);
    // Whether the window manager has framed a window of this client's, mapping one the first time.
    bool IsFramed();

private:
    std::vector<uint32_t> RootProperty(const char* name, uint32_t window = 0);

    xcb_connection_t* m_connection = nullptr;
    uint32_t m_root = 0;
    uint32_t m_window = 0;
    uint32_t m_managed = 0;
    int m_keys = 0;
};

} // namespace corvo::gui_testing
