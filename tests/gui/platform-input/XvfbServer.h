// A private Xvfb server for one test, started on a free display and stopped with the test.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <utility>

namespace corvo::gui_testing {

class XvfbServer {
public:
    ~XvfbServer() { Stop(); }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    static bool IsInstalled();
    // Starts Xvfb and waits until it accepts connections; null with the reason when it does not.
    static std::unique_ptr<XvfbServer> Start(std::string& failure);

    // ":N", ready for xcb_connect or DISPLAY.
    const std::string& DisplayName() const { return m_displayName; }
    // Ends the server now; clients see their connection fail.
    void Stop();

private:
    XvfbServer(pid_t process, std::string displayName) : m_process(process), m_displayName(std::move(displayName)) {}

    pid_t m_process;
    std::string m_displayName;
};

// The display of the program's own server, for programs linked with test_main_xvfb.
const std::string& TestDisplay();

// Whether a program is on PATH.
bool IsOnPath(const std::string& program);

} // namespace corvo::gui_testing
