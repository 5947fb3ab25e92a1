// The settings record a host may hand a test: section name -> (key -> value), as config.ini holds them.
#pragma once

#include <map>
#include <string>

// The same names the config.ini reader uses (utils/ConfigFile.h), declared here on their own so that
// a host sees the test interface without the reader.
namespace corvo::utils::config {

using ConfigSection = std::map<std::string, std::string>;
// Section name -> (key -> value). Names are stored upper-cased, values as read.
using ConfigData = std::map<std::string, ConfigSection>;

} // namespace corvo::utils::config
