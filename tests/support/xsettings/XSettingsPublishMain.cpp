// xsettings-publish: holds the X settings selection with a theme name until stdin ends; each line read sets a new name.
#include "XSettingsPublisher.h"

#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
    std::string failure;
    auto publisher = argc == 2 || argc == 3
        ? corvo::testing::XSettingsPublisher::Start(argc == 3 ? argv[2] : "", argv[1], failure)
        : nullptr;
    if (!publisher) {
        std::fprintf(stderr, "%s%susage: %s THEME_NAME [DISPLAY]\n  e.g. %s HighContrast :99   (then type another "
                             "name, or close stdin to quit)\n", failure.c_str(), failure.empty() ? "" : "\n", argv[0], argv[0]);
        return argc == 2 || argc == 3 ? 1 : 2;
    }
    std::printf("publishing Net/ThemeName=%s\n", argv[1]);
    std::fflush(stdout);
    for (std::string name; std::getline(std::cin, name);) {
        if (name.empty())
            continue;
        publisher->SetThemeName(name);
        std::printf("publishing Net/ThemeName=%s\n", name.c_str());
        std::fflush(stdout);
    }
    return 0;
}
