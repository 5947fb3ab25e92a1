// The build tree's and the installed tree's folders, as seen from a host's own folder.
#include "InstallLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

// The build passes the installed folders relative to the hosts' folder, from the same variables the
// install rules use; these are its defaults.
#ifndef HALVIK_BINDIR_TO_PKGLIBDIR
#define HALVIK_BINDIR_TO_PKGLIBDIR "../lib/halvik-diagnostics"
#endif
#ifndef HALVIK_BINDIR_TO_PKGDATADIR
#define HALVIK_BINDIR_TO_PKGDATADIR "../share/halvik-diagnostics"
#endif

namespace corvo::hosts {

namespace {

std::string Beside(const std::string& programFolder, const QString& relative)
{
    return QDir::cleanPath(QString::fromStdString(programFolder) + QLatin1Char('/') + relative).toStdString();
}

std::string PrivateLibraryFolder(const std::string& programFolder)
{
    return Beside(programFolder, QStringLiteral(HALVIK_BINDIR_TO_PKGLIBDIR));
}

} // namespace

TreeKind TreeKindOf(const std::string& programFolder)
{
    // A build tree never has this folder: the build writes libraries to <build>/lib itself.
    return QFileInfo(QString::fromStdString(PrivateLibraryFolder(programFolder))).isDir() ? TreeKind::Installed
                                                                                           : TreeKind::Build;
}

std::string ModulePathFor(const std::string& programFolder, const std::string& moduleName)
{
    const std::string folder =
        TreeKindOf(programFolder) == TreeKind::Installed ? PrivateLibraryFolder(programFolder)
                                                         : Beside(programFolder, QStringLiteral("../lib"));
    return folder + "/lib" + moduleName + ".so";
}

std::string WorkFolderFor(const std::string& programFolder)
{
    return TreeKindOf(programFolder) == TreeKind::Installed ? PrivateLibraryFolder(programFolder)
                                                            : Beside(programFolder, QStringLiteral("."));
}

std::vector<std::string> CatalogueFoldersFor(const std::string& programFolder)
{
    if (TreeKindOf(programFolder) == TreeKind::Installed) {
        return {Beside(programFolder, QStringLiteral(HALVIK_BINDIR_TO_PKGDATADIR "/translations"))};
    }
    return {Beside(programFolder, QStringLiteral("translations"))};
}

} // namespace corvo::hosts
