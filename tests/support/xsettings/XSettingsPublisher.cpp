// Takes the X settings selection the way a settings daemon does and rewrites its settings on request.
#include "XSettingsPublisher.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace corvo::testing {

namespace {

void AppendCard(std::string& out, uint32_t value, int bytes, bool bigEndian)
{
    for (int index = 0; index < bytes; ++index)
        out.push_back(static_cast<char>(value >> (bigEndian ? 8 * (bytes - 1 - index) : 8 * index)));
}

void AppendPadded(std::string& out, const std::string& text)
{
    out += text;
    out.append((4 - text.size() % 4) % 4, '\0');
}

xcb_atom_t InternAtom(xcb_connection_t* connection, const std::string& name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A round trip: every request sent before it has been handled when it returns.
void Sync(xcb_connection_t* connection)
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace

std::string EncodeXSettings(const std::vector<XSetting>& settings, uint32_t serial, bool bigEndian)
{
    std::string out(1, bigEndian ? 1 : 0);
    out.append(3, '\0');
    AppendCard(out, serial, 4, bigEndian);
    AppendCard(out, static_cast<uint32_t>(settings.size()), 4, bigEndian);
    for (const XSetting& setting : settings) {
        out += {static_cast<char>(setting.value.index()), '\0'};
        AppendCard(out, static_cast<uint32_t>(setting.name.size()), 2, bigEndian);
        AppendPadded(out, setting.name);
        AppendCard(out, serial, 4, bigEndian);
        if (const auto* integer = std::get_if<int32_t>(&setting.value)) {
            AppendCard(out, static_cast<uint32_t>(*integer), 4, bigEndian);
        } else if (const auto* text = std::get_if<std::string>(&setting.value)) {
            AppendCard(out, static_cast<uint32_t>(text->size()), 4, bigEndian);
            AppendPadded(out, *text);
        } else {
            const auto& colour = std::get<std::vector<uint16_t>>(setting.value);
            for (std::size_t channel = 0; channel < 4; ++channel)
                AppendCard(out, channel < colour.size() ? colour[channel] : 0xffffu, 2, bigEndian);
        }
    }
    return out;
}

std::unique_ptr<XSettingsPublisher> XSettingsPublisher::Start(const std::string& displayName,
                                                              const std::string& themeName, std::string& failure)
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(displayName.empty() ? nullptr : displayName.c_str(), &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        failure = "cannot connect to the X display";
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int index = 0; index < screenNumber && screens.rem > 0; ++index)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t overrideRedirect = 1;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, root, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, &overrideRedirect);
    const xcb_atom_t selection = InternAtom(connection, "_XSETTINGS_S" + std::to_string(screenNumber));

    std::unique_ptr<XSettingsPublisher> publisher(
        new XSettingsPublisher(connection, window, InternAtom(connection, "_XSETTINGS_SETTINGS")));
    // The settings are in place before anyone can learn of the new owner.
    publisher->Publish(themeName);
    xcb_set_selection_owner(connection, window, selection, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool owned = owner != nullptr && owner->owner == window;
    std::free(owner);
    if (!owned) {
        failure = "another client holds the settings selection";
        return nullptr;
    }
    xcb_client_message_event_t announcement{};
    announcement.response_type = XCB_CLIENT_MESSAGE;
    announcement.format = 32;
    announcement.window = root;
    announcement.type = InternAtom(connection, "MANAGER");
    announcement.data.data32[0] = XCB_CURRENT_TIME;
    announcement.data.data32[1] = selection;
    announcement.data.data32[2] = window;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char*>(&announcement));
    Sync(connection);
    return publisher;
}

XSettingsPublisher::XSettingsPublisher(xcb_connection_t* connection, uint32_t window, uint32_t settingsAtom)
    : connection_(connection), window_(window), settingsAtom_(settingsAtom)
{
}

XSettingsPublisher::~XSettingsPublisher()
{
    xcb_destroy_window(connection_, window_);
    Sync(connection_);
    xcb_disconnect(connection_);
}

void XSettingsPublisher::SetThemeName(const std::string& themeName)
{
    Publish(themeName);
    Sync(connection_);
}

void XSettingsPublisher::Publish(const std::string& themeName)
{
    // A daemon publishes more than the theme; the neighbours make readers skip over other types.
    const std::string property = EncodeXSettings(
        {{"Net/CursorBlinkTime", int32_t{1200}}, {"Net/ThemeName", themeName}, {"Gtk/FontName", std::string("Sans 10")}},
        ++serial_);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_, settingsAtom_, settingsAtom_, 8,
                        static_cast<uint32_t>(property.size()), property.data());
}

} // namespace corvo::testing
