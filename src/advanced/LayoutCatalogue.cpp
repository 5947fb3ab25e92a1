// Look-ups over the keyboard layout catalogue's tables.
#include "advanced/LayoutCatalogue.h"

#include <algorithm>
#include <cstdio>

namespace corvo::advanced {

std::string PageTag(int page)
{
    if (page < 0 || page >= kPageCount) {
        return {};
    }
    char tag[8];
    std::snprintf(tag, sizeof tag, kPageTagFormat, page);
    return tag;
}

std::optional<int> PageForLayoutName(std::string_view layoutName)
{
    for (const ConfigName& name : kLayoutConfigNames) {
        if (layoutName == name.value) {
            return name.number;
        }
    }
    return std::nullopt;
}

std::optional<int> StrictModeForConfigValue(std::string_view value)
{
    for (const ConfigName& name : kStrictModeConfigNames) {
        if (value == name.value) {
            return name.number;
        }
    }
    return std::nullopt;
}

std::optional<int> PageForDropDownPosition(const DropDownOrder& order, int position)
{
    for (const DropDownEntry& entry : order) {
        if (entry.position == position) {
            return entry.page;
        }
    }
    return std::nullopt;
}

bool IsIgnoredKey(std::string_view objectName)
{
    return std::any_of(kIgnoredKeyNames.begin(), kIgnoredKeyNames.end(),
                       [objectName](const char* name) { return objectName == name; });
}

} // namespace corvo::advanced
