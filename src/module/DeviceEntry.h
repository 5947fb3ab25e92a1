// Plain records in which a component describes itself and its devices to the host.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

using PropertyPair = std::pair<std::string, std::string>;
using PropertyList = std::vector<PropertyPair>;
using PropertyMap = std::map<std::string, std::string>;

// One detected device: what is known about it, and its name key.
struct DeviceEntry {
    PropertyList properties;
    std::string name;
};

struct ComponentSummary {
    std::string typeName;
    std::string secondaryText;
    PropertyList attributes;
    PropertyMap properties;
};
