// Turns the module's message keys into the user's language through the installed catalogues.
#pragma once

#include <QTranslator>

#include <memory>
#include <string>
#include <vector>

namespace corvo::hosts {

class MessageTranslator {
public:
    // Loads "keyboard_<language>.qm" from the first folder that has it and installs it in the
    // application. The application object must exist.
    bool Install(const std::string& language, const std::vector<std::string>& folders);
    const std::string& LoadedFrom() const { return m_loadedFrom; }

    // A key, a key and a device name glued together, or "key: key" (the device hint), each part
    // translated in context "KEYBOARD"; text that holds no key comes back unchanged.
    static std::string Translate(const std::string& text);

private:
    std::unique_ptr<QTranslator> m_translator;
    std::string m_loadedFrom;
};

} // namespace corvo::hosts
