// xsettings-publish: holds the X settings selection with a theme name until stdin ends; each line read sets a new name.
#include "XSettingsPublisher.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s THEME_NAME [DISPLAY]\n"
                             "  e.g. %s HighContrast :99   (then type another name, or close stdin to quit)\n",
                     argv[0], argv[0]);
        return 2;
    }
    std::string failure;
    auto publisher = corvo::testing::XSettingsPublisher::Start(argc == 3 ? argv[2] : "", argv[1], failure);
    if (!publisher) {
        std::fprintf(stderr, "%s: %s\n", argv[0], failure.c_str());
        return 1;
    }
    std::printf("publishing Net/ThemeName=%s\n", argv[1]);
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.empty())
            continue;
        publisher->SetThemeName(line);
        std::printf("publishing Net/ThemeName=%s\n", line.c_str());
        std::fflush(stdout);
    }
    return 0;
}
