// Turns the module's message keys into the user's language through the installed catalogues.
#pragma once

#include <string>
#include <vector>

#include "Catalogues.h"

namespace corvo::hosts {

class MessageTranslator {
public:
    // Loads "keyboard_<language>.qm" from the first folder that has it and installs it in the
    // application. The application object must exist.
    bool Install(const std::string& language, const std::vector<std::string>& folders)
    {
        return m_catalogue.Install(kModuleCatalogue, language, folders);
    }
    const std::string& LoadedFrom() const { return m_catalogue.Path(); }

    // A key, a key and a device name glued together, or "key: key" (the device hint), each part
    // translated in context "KEYBOARD"; text that holds no key comes back unchanged.
    static std::string Translate(const std::string& text);

private:
    InstalledCatalogue m_catalogue;
};

} // namespace corvo::hosts
