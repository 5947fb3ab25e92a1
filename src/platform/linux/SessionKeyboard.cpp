// Reads the session's XKB names and types keys with the keymap they compile to.
#include "platform/linux/SessionKeyboard.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <fstream>

#include "platform/linux/X11KeyText.h"

namespace corvo::platform {

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// A shell assignment as the keyboard configuration writes it: NAME="value", NAME='value' or
// NAME=value; nothing for comments and other lines.
bool ReadAssignment(const std::string& line, std::string& name, std::string& value)
{
    const std::size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos || equals == 0) {
        return false;
    }
    name = line.substr(0, equals);
    value = line.substr(equals + 1);
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) {
        value.pop_back();
    }
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return true;
}

} // namespace

SessionXkbNames ReadSessionXkbNames(const std::string& configurationFile)
{
    SessionXkbNames names{Environment("XKB_DEFAULT_RULES"), Environment("XKB_DEFAULT_MODEL"),
                          Environment("XKB_DEFAULT_LAYOUT"), Environment("XKB_DEFAULT_VARIANT"),
                          Environment("XKB_DEFAULT_OPTIONS"), "environment"};
    if (!names.rules.empty() || !names.model.empty() || !names.layout.empty() || !names.variant.empty() ||
        !names.options.empty()) {
        return names;
    }
    names.source = "default";
    std::ifstream file(configurationFile);
    // A real configuration is a few lines; a bound keeps a strange file from being read for ever.
    constexpr int kMostLines = 200;
    std::string line;
    for (int count = 0; count < kMostLines && std::getline(file, line); ++count) {
        std::string name;
        std::string value;
        if (!ReadAssignment(line, name, value)) {
            continue;
        }
        std::string* field = name == "XKBMODEL"     ? &names.model
                             : name == "XKBLAYOUT"  ? &names.layout
                             : name == "XKBVARIANT" ? &names.variant
                             : name == "XKBOPTIONS" ? &names.options
                                                    : nullptr;
        if (field != nullptr) {
            *field = value;
            names.source = configurationFile;
        }
    }
    return names;
}

SessionKeyText::SessionKeyText(const SessionXkbNames& names)
{
    // Only the names given count, not the environment a second time through xkbcommon's own
    // defaults.
    m_context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (m_context == nullptr) {
        return;
    }
    xkb_context_set_log_level(m_context, XKB_LOG_LEVEL_CRITICAL);
    const auto field = [](const std::string& text) { return text.empty() ? nullptr : text.c_str(); };
    const xkb_rule_names ruleNames{field(names.rules), field(names.model), field(names.layout), field(names.variant),
                                   field(names.options)};
    m_keymap = xkb_keymap_new_from_names(m_context, &ruleNames, XKB_KEYMAP_COMPILE_NO_FLAGS);
    m_map = m_keymap != nullptr ? VirtualKeyMap::FromKeymap(m_keymap) : VirtualKeyMap::FromEvdevPositions();
    m_layoutName = names.layout.substr(0, names.layout.find(','));
    if (m_layoutName.empty()) {
        m_layoutName = "us";
    }
}

SessionKeyText::~SessionKeyText()
{
    if (m_keymap != nullptr) {
        xkb_keymap_unref(m_keymap);
    }
    if (m_context != nullptr) {
        xkb_context_unref(m_context);
    }
}

uint32_t SessionKeyText::ScanCodeOf(uint8_t virtualKey)
{
    const std::vector<uint32_t> keycodes = m_map.KeycodesOf(virtualKey);
    return keycodes.empty() ? 0 : keycodes.front();
}

KeyTextResult SessionKeyText::Translate(uint8_t virtualKey, uint32_t scanCode, const KeyboardStateBytes& state)
{
    return TranslateKeycode(m_keymap, 0, scanCode != 0 ? scanCode : ScanCodeOf(virtualKey), state);
}

KeyboardLayoutIdentity SessionKeyText::ActiveLayout()
{
    return {m_layoutName, X11KeyText::LanguageOfLayout(m_layoutName)};
}

} // namespace corvo::platform
