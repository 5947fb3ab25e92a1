// Where the user's preferred user-interface languages come from.
#pragma once

#include <string>
#include <vector>

namespace corvo::platform {

class UiLanguageSource {
public:
    virtual ~UiLanguageSource() = default;
    // Most preferred first, in "de-DE" form; empty when the system names none.
    virtual std::vector<std::string> PreferredUiLanguages() const = 0;
};

// The system's own source (on Linux: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
const UiLanguageSource& SystemUiLanguages();

} // namespace corvo::platform
