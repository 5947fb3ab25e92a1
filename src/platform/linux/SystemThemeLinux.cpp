// Reads the X settings manager's theme name and the platform palette; spots the manager's change notices.
#include "platform/linux/SystemThemeLinux.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace corvo::platform {

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeDeleter>;

// Where each system colour slot comes from in a palette. The roles are the nearest match to the
// meaning of the system colour index (slot order, see SystemColourIndexOfSlot).
struct PaletteSource {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr PaletteSource kPaletteSources[kSystemColourCount] = {
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 background
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::WindowText},        // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Button},            // 10 active border
    {QPalette::Inactive, QPalette::Button},          // 11 inactive border
    {QPalette::Active, QPalette::Mid},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 info background
    {QPalette::Active, QPalette::Link},              // 26 hot light
    {QPalette::Active, QPalette::Highlight},         // 27 gradient active caption
    {QPalette::Inactive, QPalette::Highlight},       // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
};

xcb_atom_t InternAtom(xcb_connection_t* connection, const QByteArray& name)
{
    ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.constData()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

uint32_t ReadCard32(const QByteArray& data, qsizetype offset, bool bigEndian)
{
    const auto byte = [&](qsizetype index) { return static_cast<uint32_t>(static_cast<uint8_t>(data[offset + index])); };
    if (bigEndian)
        return (byte(0) << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24);
}

uint16_t ReadCard16(const QByteArray& data, qsizetype offset, bool bigEndian)
{
    const auto byte = [&](qsizetype index) { return static_cast<uint16_t>(static_cast<uint8_t>(data[offset + index])); };
    return bigEndian ? static_cast<uint16_t>((byte(0) << 8) | byte(1)) : static_cast<uint16_t>(byte(0) | (byte(1) << 8));
}

constexpr qsizetype PaddedLength(qsizetype length)
{
    return (length + 3) & ~qsizetype{3};
}

} // namespace

SystemThemeLinux::SystemThemeLinux(xcb_connection_t* connection, int screenNumber)
    : connection_(connection)
{
    if (connection_ == nullptr || xcb_connection_has_error(connection_)) {
        connection_ = nullptr;
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int index = 0; screens.rem > 0 && index < screenNumber; ++index)
        xcb_screen_next(&screens);
    if (screens.rem == 0) {
        connection_ = nullptr;
        return;
    }
    root_ = screens.data->root;
    selectionAtom_ = InternAtom(connection_, "_XSETTINGS_S" + QByteArray::number(screenNumber));
    settingsAtom_ = InternAtom(connection_, "_XSETTINGS_SETTINGS");
    managerAtom_ = InternAtom(connection_, "MANAGER");

    // A settings manager that starts later announces itself with a MANAGER message to the root
    // window's StructureNotify listeners; add that to whatever this connection already selects.
    ReplyPointer<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, root_), nullptr));
    const uint32_t rootMask = (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &rootMask);
    RefreshOwner();
}

SystemThemeLinux::~SystemThemeLinux() = default;

uint32_t SystemThemeLinux::RefreshOwner() const
{
    if (connection_ == nullptr || selectionAtom_ == XCB_ATOM_NONE)
        return 0;
    ReplyPointer<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, selectionAtom_), nullptr));
    const uint32_t owner = reply ? reply->owner : 0;
    if (owner != owner_)
        WatchOwner(owner);
    return owner;
}

void SystemThemeLinux::WatchOwner(uint32_t owner) const
{
    owner_ = owner;
    if (owner == 0)
        return;
    // PropertyNotify tells of new settings, DestroyNotify of the manager going away. The checked
    // request keeps a window that vanished in between from ending up in Qt's error log.
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    std::free(xcb_request_check(
        connection_, xcb_change_window_attributes_checked(connection_, owner, XCB_CW_EVENT_MASK, &mask)));
    xcb_flush(connection_);
}

QString SystemThemeLinux::ThemeName() const
{
    const uint32_t owner = RefreshOwner();
    if (owner == 0 || settingsAtom_ == XCB_ATOM_NONE)
        return QString();
    // 64 KiB of 32-bit units is far more than any settings manager publishes.
    ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, owner, settingsAtom_, settingsAtom_, 0, 0x10000), nullptr));
    if (!reply || reply->format != 8)
        return QString();
    const QByteArray property(static_cast<const char*>(xcb_get_property_value(reply.get())),
                              xcb_get_property_value_length(reply.get()));
    return StringSetting(property, "Net/ThemeName").value_or(QString());
}

bool SystemThemeLinux::IsHighContrastOn() const
{
    return IsHighContrastThemeName(ThemeName());
}

bool SystemThemeLinux::IsHighContrastThemeName(const QString& themeName)
{
    return themeName.contains(QLatin1String("HighContrast"), Qt::CaseInsensitive);
}

SystemColours SystemThemeLinux::Colours() const
{
    // Qt's palette on X does not follow the desktop's high-contrast theme (it is the same light
    // palette either way), so high contrast brings colours of its own.
    const QString themeName = ThemeName();
    if (IsHighContrastThemeName(themeName))
        return ColoursFromPalette(HighContrastPalette(themeName));
    return ColoursFromPalette(QGuiApplication::palette());
}

SystemColours SystemThemeLinux::ColoursFromPalette(const QPalette& palette)
{
    SystemColours colours{};
    for (std::size_t slot = 0; slot < kSystemColourCount; ++slot) {
        const QColor colour = palette.color(kPaletteSources[slot].group, kPaletteSources[slot].role);
        colours[slot] = MakeSystemColourRef(static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                                            static_cast<uint8_t>(colour.blue()));
    }
    return colours;
}

QPalette SystemThemeLinux::HighContrastPalette(const QString& themeName)
{
    const bool dark = themeName.contains(QLatin1String("Inverse"), Qt::CaseInsensitive)
        || themeName.contains(QLatin1String("Dark"), Qt::CaseInsensitive);
    const QColor text = dark ? QColor(0xff, 0xff, 0xff) : QColor(0x00, 0x00, 0x00);
    const QColor ground = dark ? QColor(0x00, 0x00, 0x00) : QColor(0xff, 0xff, 0xff);
    // Highlight and disabled text are the ones a high-contrast theme keeps apart from plain text
    // by hue, so selection and unavailable controls stay recognisable.
    const QColor highlight = dark ? QColor(0x1a, 0xeb, 0xff) : QColor(0x37, 0x00, 0x6e);
    const QColor highlightedText = dark ? QColor(0x00, 0x00, 0x00) : QColor(0xff, 0xff, 0xff);
    const QColor disabledText = dark ? QColor(0x3f, 0xf2, 0x3f) : QColor(0x60, 0x00, 0x00);

    QPalette palette(text, ground, ground, text, text, text, text, ground, ground);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, highlightedText);
        palette.setColor(group, QPalette::ToolTipBase, ground);
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::Link, highlight);
    }
    palette.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    return palette;
}

// The property's layout: byte order (1 byte) and 3 unused, serial, number of settings; each
// setting: type (0 integer, 1 string, 2 colour), 1 unused, name length (2 bytes), the name padded
// to 4, last-change serial, then the value (integer 4 bytes; string: length and padded bytes;
// colour 8 bytes).
std::optional<QString> SystemThemeLinux::StringSetting(const QByteArray& property, const QByteArray& name)
{
    if (property.size() < 12)
        return std::nullopt;
    const bool bigEndian = property[0] != 0;
    const uint32_t count = ReadCard32(property, 8, bigEndian);
    qsizetype offset = 12;
    for (uint32_t index = 0; index < count; ++index) {
        if (property.size() - offset < 4)
            return std::nullopt;
        const uint8_t type = static_cast<uint8_t>(property[offset]);
        const qsizetype nameLength = ReadCard16(property, offset + 2, bigEndian);
        offset += 4;
        if (property.size() - offset < PaddedLength(nameLength) + 4)
            return std::nullopt;
        const QByteArray settingName = property.mid(offset, nameLength);
        offset += PaddedLength(nameLength) + 4;
        switch (type) {
        case 0:
            if (property.size() - offset < 4)
                return std::nullopt;
            offset += 4;
            break;
        case 1: {
            if (property.size() - offset < 4)
                return std::nullopt;
            const qsizetype valueLength = ReadCard32(property, offset, bigEndian);
            offset += 4;
            if (valueLength < 0 || property.size() - offset < PaddedLength(valueLength))
                return std::nullopt;
            if (settingName == name)
                return QString::fromUtf8(property.mid(offset, valueLength));
            offset += PaddedLength(valueLength);
            break;
        }
        case 2:
            if (property.size() - offset < 8)
                return std::nullopt;
            offset += 8;
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool SystemThemeLinux::IsThemeChangeEvent(const QByteArray& eventType, void* message) const
{
    if (connection_ == nullptr || message == nullptr || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        return owner_ != 0 && notify->window == owner_ && notify->atom == settingsAtom_;
    }
    case XCB_CLIENT_MESSAGE: {
        const auto* client = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (client->type != managerAtom_ || client->format != 32 || client->data.data32[1] != selectionAtom_)
            return false;
        // A new manager took the selection; its settings may differ from the old one's.
        WatchOwner(client->data.data32[2]);
        return true;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto* destroy = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
        if (owner_ == 0 || destroy->window != owner_)
            return false;
        owner_ = 0;
        return true;
    }
    default:
        return false;
    }
}

std::unique_ptr<SystemTheme> CreateSystemTheme()
{
    xcb_connection_t* connection = nullptr;
    if (auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        connection = x11->connection();
    int screenNumber = 0;
    if (connection != nullptr) {
        // Qt connects to the display its -display option or DISPLAY names; the screen comes from that name.
        const QByteArray displayName = qGuiApp->platformName() == QLatin1String("xcb")
            ? qEnvironmentVariable("DISPLAY").toLocal8Bit()
            : QByteArray();
        char* host = nullptr;
        int display = 0;
        if (!displayName.isEmpty() && xcb_parse_display(displayName.constData(), &host, &display, &screenNumber) == 0)
            screenNumber = 0;
        std::free(host);
    }
    return std::make_unique<SystemThemeLinux>(connection, screenNumber);
}

} // namespace corvo::platform
