// HalvikDiagnostics: a desktop window that loads a diagnostics module and runs its tests.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "GuiOptions.h"
#include "MainWindow.h"
#include "MessageTranslator.h"
#include "ModuleLibrary.h"
#include "TestOutcome.h"
#include "TestSelection.h"
#include "module/Diagnostic.h"
#include "module/ModuleInterface.h"
#include "module/Resource.h"

using namespace corvo::hosts;
using namespace corvo::hosts::gui;

namespace {

constexpr char kProgram[] = "HalvikDiagnostics";
// The module's messages and the window's own texts are shown in one language, from two catalogues
// installed side by side.
constexpr char kLanguage[] = "en_US";

int UsageError(const std::string& error)
{
    std::fprintf(stderr, "%s: %s\n\n%s", kProgram, error.c_str(), kGuiUsage);
    return kExitUsage;
}

// Errors go to standard error always, and into a message box when a person is watching.
int Fail(const std::string& error, bool showBox)
{
    std::fprintf(stderr, "%s: error: %s\n", kProgram, error.c_str());
    if (showBox) {
        QMessageBox::critical(nullptr, QCoreApplication::translate("main", "Halvik Diagnostics"),
                              QString::fromStdString(error));
    }
    return kExitError;
}

std::string AbsolutePath(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

std::string DefaultModulePath(const std::string& programFolder)
{
    return QDir(QString::fromStdString(programFolder + "/../lib"))
        .absoluteFilePath(QStringLiteral("libkeyboard.so"))
        .toStdString();
}

int PrintVersion(int argc, char** argv, const GuiOptions& options)
{
    QCoreApplication application(argc, argv);
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    const std::string modulePath =
        options.modulePath ? AbsolutePath(*options.modulePath) : DefaultModulePath(programFolder);
    std::string error;
    std::unique_ptr<ModuleLibrary> library = ModuleLibrary::Load(modulePath, error);
    if (!library) {
        return Fail(error, false);
    }
    std::printf("%s %s\nmodule %s %s\n", kProgram, PROJECT_VERSION_TEXT, modulePath.c_str(),
                ModuleLibrary::VersionText(library->Version()).c_str());
    return kExitPassed;
}

} // namespace

int main(int argc, char** argv)
{
    const GuiParseResult parsed = ParseGuiOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        return UsageError(parsed.error);
    }
    const GuiOptions& options = parsed.options;
    if (options.help) {
        std::fputs(kGuiUsage, stdout);
        return kExitPassed;
    }
    if (options.version) {
        return PrintVersion(argc, argv, options);
    }

    QApplication application(argc, argv);
    const bool interactive = !options.exitWhenDone;
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    const std::string modulePath =
        options.modulePath ? AbsolutePath(*options.modulePath) : DefaultModulePath(programFolder);
    const std::string workDirectory = options.workDirectory ? AbsolutePath(*options.workDirectory) : programFolder;

    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    const std::vector<std::string> catalogueFolders = {programFolder + "/translations",
                                                       programFolder + "/../share/halvik-diagnostics/translations"};
    MessageTranslator translator;
    if (!translator.Install(kLanguage, catalogueFolders)) {
        std::fprintf(stderr, "%s: warning: no message catalogue found; showing message keys\n", kProgram);
    }
    QTranslator hostCatalogue;
    const QString hostCatalogueName = QStringLiteral("halvik-diagnostics_%1").arg(QLatin1String(kLanguage));
    const bool hostCatalogueFound = std::any_of(catalogueFolders.begin(), catalogueFolders.end(), [&](const std::string& folder) {
        return hostCatalogue.load(hostCatalogueName, QString::fromStdString(folder));
    });
    if (!hostCatalogueFound || !QCoreApplication::installTranslator(&hostCatalogue)) {
        std::fprintf(stderr, "%s: warning: no catalogue of the window's texts found (%s.qm)\n", kProgram,
                     hostCatalogueName.toUtf8().constData());
    }

    std::string error;
    std::unique_ptr<ModuleLibrary> library = ModuleLibrary::Load(modulePath, error);
    if (!library) {
        return Fail(error, interactive);
    }
    // The module looks for config.ini and its driver service in the current directory.
    if (chdir(workDirectory.c_str()) != 0) {
        return Fail(QCoreApplication::translate("main", "cannot use working folder %1: %2")
                        .arg(QString::fromStdString(workDirectory), QString::fromLocal8Bit(std::strerror(errno)))
                        .toStdString(),
                    interactive);
    }
    ModuleInterface* module = library->Module();
    Resource* resource = module != nullptr ? module->GetResource() : nullptr;
    Diagnostic* diagnostic = module != nullptr && module->GetDiagnosticCount() > 0 ? module->GetDiagnostic(0) : nullptr;
    if (resource == nullptr || diagnostic == nullptr) {
        return Fail(QCoreApplication::translate("main", "the module %1 offers no diagnostic")
                        .arg(QString::fromStdString(modulePath))
                        .toStdString(),
                    interactive);
    }

    std::vector<ObjectId> chosen;
    if (options.run && !MatchTestList(CollectTestNames(*resource, *diagnostic), *options.run, chosen, error)) {
        return UsageError(error);
    }

    WindowSettings settings;
    settings.workDirectory = workDirectory;
    settings.modulePath = modulePath;
    settings.moduleVersion = ModuleLibrary::VersionText(library->Version());
    settings.transcript = options.exitWhenDone ? stdout : nullptr;
    int status = kExitPassed;
    {
        MainWindow window(*module, settings);
        if (options.exitWhenDone) {
            QObject::connect(&window, &MainWindow::batchFinished, &application, [&status](int batchStatus) {
                status = batchStatus;
                QCoreApplication::exit(batchStatus);
            });
        }
        window.show();
        // On an X server without a window manager, as on a service boot image, nothing else gives
        // the window the keyboard, and without it no shortcut works.
        window.activateWindow();
        if (!chosen.empty()) {
            QTimer::singleShot(0, &window, [&window, &chosen] { window.RunTests(chosen); });
        }
        const int loopStatus = application.exec();
        if (!options.exitWhenDone) {
            status = loopStatus;
        }
    }
    return status;
}
