// Where a host finds its module, catalogues and working folder, in a build tree or an installed tree.
#pragma once

#include <string>
#include <vector>

namespace corvo::hosts {

// A build tree keeps the hosts, the port-I/O driver service and the catalogues in bin/ and the
// module in lib/. An installed tree keeps the hosts in bin/, the module, its libraries and the
// driver service in a private library folder (<prefix>/lib/halvik-diagnostics) and the catalogues
// in <prefix>/share/halvik-diagnostics/translations.
enum class TreeKind { Build, Installed };

// Each function takes the folder the host's program lies in (QCoreApplication::applicationDirPath)
// and returns clean absolute paths when that folder is absolute.

// Installed when the private library folder lies where the install puts it beside bin/.
TreeKind TreeKindOf(const std::string& programFolder);

// lib<moduleName>.so: in <build>/lib, or in the private library folder.
std::string ModulePathFor(const std::string& programFolder, const std::string& moduleName);

// Where the module looks for config.ini and its driver service unless --workdir says otherwise:
// the program's own folder in a build tree; the private library folder once installed, which holds
// the driver service and a link named config.ini to the default one in etc/halvik-diagnostics/.
// Root-owned and not writable by group or others there, so a root host accepts the driver service.
std::string WorkFolderFor(const std::string& programFolder);

// The folders that hold the Qt catalogues (keyboard_<language>.qm and the desktop host's own), in
// the order to try them.
std::vector<std::string> CatalogueFoldersFor(const std::string& programFolder);

} // namespace corvo::hosts
