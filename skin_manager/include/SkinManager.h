// The suite's style library: the one style object and the style sheet it gives every dialog.
#pragma once

#include <QString>

#define SKIN_MANAGER_API __attribute__((visibility("default")))

class SKIN_MANAGER_API SkinManager {
public:
    // The library's single style object, valid for the life of the process.
    static SkinManager* instance();

    // The suite's style sheet as Qt style-sheet text. Icons are named by Qt resource paths
    // (":/skin/icons/...") that resolve inside this library.
    QString Stylesheet() const;

    SkinManager(const SkinManager&) = delete;
    SkinManager& operator=(const SkinManager&) = delete;

private:
    SkinManager();
    ~SkinManager();

    QString stylesheet_;
};
