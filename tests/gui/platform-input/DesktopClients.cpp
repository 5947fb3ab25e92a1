// openbox started and stopped like the private Xvfb, and a plain xcb client standing for another program.
#include "DesktopClients.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "XvfbServer.h"

namespace corvo::gui_testing {

std::unique_ptr<WindowManager> WindowManager::Start(const std::string& displayName, std::string& failure)
{
    if (!IsOnPath("openbox")) {
        failure = "openbox is not installed";
        return nullptr;
    }
    const pid_t process = ::fork();
    if (process == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        ::setenv("DISPLAY", displayName.c_str(), 1);
        ::execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::unique_ptr<WindowManager> manager(new WindowManager(process));
    // openbox announces itself on the root window before it is ready for windows; it is once it
    // has framed a window of ours.
    OtherClient probe(displayName);
    for (int waited = 0; waited < 10000; waited += 50) {
        if (probe.RootPropertyPresent("_NET_SUPPORTING_WM_CHECK") && probe.IsFramed()) {
            return manager;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    failure = "openbox did not manage the display within 10 s";
    return nullptr;
}

WindowManager::~WindowManager()
{
    if (m_process > 0) {
        ::kill(m_process, SIGTERM);
        ::waitpid(m_process, nullptr, 0);
    }
}

OtherClient::OtherClient(const std::string& displayName)
{
    m_connection = xcb_connect(displayName.c_str(), nullptr);
    if (xcb_connection_has_error(m_connection) == 0) {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }
}

OtherClient::~OtherClient()
{
    xcb_disconnect(m_connection);
}

bool OtherClient::HoldKeyboard()
{
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        m_connection,
        xcb_grab_keyboard(m_connection, 0, m_root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool held = reply != nullptr && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return held;
}

void OtherClient::ReleaseKeyboard()
{
    xcb_ungrab_keyboard(m_connection, XCB_CURRENT_TIME);
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

void OtherClient::TakeFocus()
{
    if (m_window == 0) {
        // Override-redirect: the window manager neither frames nor refocuses it.
        m_window = xcb_generate_id(m_connection);
        const uint32_t values[] = {1, XCB_EVENT_MASK_KEY_PRESS};
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, m_root, 0, 0, 50, 50, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                          XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
        xcb_map_window(m_connection, m_window);
    }
    xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

bool OtherClient::IsFramed()
{
    if (m_managed == 0) {
        m_managed = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_managed, m_root, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    }
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_managed), nullptr);
    const bool framed = tree != nullptr && tree->parent != m_root;
    std::free(tree);
    if (!framed) {
        // A window mapped while the window manager was still starting may stay unframed for
        // good; it is mapped afresh for the next call.
        xcb_unmap_window(m_connection, m_managed);
        xcb_map_window(m_connection, m_managed);
        xcb_flush(m_connection);
    }
    return framed;
}

int OtherClient::KeysReceived()
{
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        m_keys += (event->response_type & 0x7F) == XCB_KEY_PRESS ? 1 : 0;
        std::free(event);
    }
    return m_keys;
}

std::vector<uint32_t> OtherClient::RootProperty(const char* name, uint32_t window)
{
    std::vector<uint32_t> values;
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (atom == nullptr) {
        return values;
    }
    xcb_get_property_reply_t* property = xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, window != 0 ? window : m_root, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
        nullptr);
    std::free(atom);
    if (property != nullptr && property->format == 32) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(property));
        values.assign(data, data + xcb_get_property_value_length(property) / 4);
    }
    std::free(property);
    return values;
}

bool OtherClient::RootPropertyPresent(const char* name)
{
    return !RootProperty(name).empty();
}

std::vector<uint32_t> OtherClient::Stacking()
{
    return RootProperty("_NET_CLIENT_LIST_STACKING");
}

uint32_t OtherClient::ActiveWindow()
{
    const std::vector<uint32_t> active = RootProperty("_NET_ACTIVE_WINDOW");
    return active.empty() ? 0 : active.front();
}

uint32_t OtherClient::TransientFor(uint32_t window)
{
    const std::vector<uint32_t> parent = RootProperty("WM_TRANSIENT_FOR", window);
    return parent.empty() ? 0 : parent.front();
}

} // namespace corvo::gui_testing
