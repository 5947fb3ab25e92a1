// HalvikDiagnostics: a desktop window that loads a diagnostics module and runs its tests.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Catalogues.h"
#include "GuiOptions.h"
#include "HostProcess.h"
#include "InstallLayout.h"
#include "MainWindow.h"
#include "ModuleLibrary.h"
#include "TestOutcome.h"
#include "TestRunController.h"
#include "TestSelection.h"
#include "module/Diagnostic.h"
#include "module/ModuleInterface.h"
#include "module/Resource.h"
#include "platform/UiLanguageSource.h"

using namespace corvo::hosts;
using namespace corvo::hosts::gui;

namespace {

constexpr char kProgram[] = "HalvikDiagnostics";

int UsageError(const std::string& error)
{
    std::fprintf(stderr, "%s: %s\n\n%s", kProgram, error.c_str(), kGuiUsage);
    return kExitUsage;
}

// Errors go to standard error always, and into a message box when a person is watching.
int Fail(const std::string& error, bool showBox)
{
    const QString line = QCoreApplication::translate("main", "error: %1").arg(QString::fromStdString(error));
    std::fprintf(stderr, "%s: %s\n", kProgram, line.toUtf8().constData());
    if (showBox) {
        QMessageBox::critical(nullptr, QCoreApplication::translate("main", "Halvik Diagnostics"),
                              QString::fromStdString(error));
    }
    return kExitError;
}

// A termination signal becomes a byte on this pipe, read on the user-interface thread: the window
// then closes the way its close button does, stopping the running test first.
int g_signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int)
{
    const char byte = 0;
    static_cast<void>(!write(g_signalPipe[1], &byte, 1));
}

// The status to end with, once standard output (the version, the help, the transcript) has been
// written out.
int WithOutputChecked(int status)
{
    const std::string problem = StandardOutputProblem();
    return problem.empty() ? status : Fail(problem, false);
}

std::string AbsolutePath(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

std::string DefaultModulePath(const std::string& programFolder)
{
    return ModulePathFor(programFolder, "keyboard");
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

int RunProgram(int argc, char** argv)
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
    const std::string workDirectory = options.workDirectory ? AbsolutePath(*options.workDirectory) : WorkFolderFor(programFolder);

    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    // The module's messages and the window's own texts in the language the module's dialogs choose.
    HostCatalogues catalogues;
    const std::string missing =
        catalogues.Install(ChooseCatalogueLanguage(workDirectory, corvo::platform::SystemUiLanguages()),
                           CatalogueFoldersFor(programFolder));
    if (!missing.empty()) {
        const QString warning = QCoreApplication::translate("main", "warning: %1").arg(QString::fromStdString(missing));
        std::fprintf(stderr, "%s: %s\n", kProgram, warning.toUtf8().constData());
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
        if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
            auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &window);
            QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
                char bytes[16];
                while (read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
                }
                window.close();
            });
            CatchTerminationSignals(OnTerminationSignal);
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
        if (window.Runner().HasGivenUpRun()) {
            // The module stays loaded under the test still running in it: no destructor may run.
            status = WithOutputChecked(status);
            std::fflush(nullptr);
            std::_Exit(status);
        }
    }
    return WithOutputChecked(status);
}

} // namespace

int main(int argc, char** argv)
{
    HoldClosedStandardStreams();
    return WithOutputChecked(RunProgram(argc, argv));
}
