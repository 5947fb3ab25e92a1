// The desktop host's window: the diagnostic's tests, the keyboards found, runs and their log.
#pragma once

#include <QMainWindow>

#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "module/ObjectId.h"

class ModuleInterface;
class Diagnostic;
class Resource;
class SystemComponent;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace corvo::hosts {
class SystemEventMonitor;
}

namespace corvo::hosts::gui {

class DialogEventCounter;
class InputRequestServer;
class TestRunController;

struct WindowSettings {
    std::string workDirectory;
    std::string modulePath;
    std::string moduleVersion;
    // When set, every log and result line is written here as well, for scripts.
    std::FILE* transcript = nullptr;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The module's objects must outlive the window.
    MainWindow(ModuleInterface& module, WindowSettings settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the tests one after the other; false (nothing started) while a run is going on or when
    // the diagnostic holds none of them.
    bool RunTests(const std::vector<ObjectId>& tests);

    TestRunController& Runner() { return *m_runner; }
    InputRequestServer& Server() { return *m_server; }

signals:
    // The last test of a RunTests batch ended; status as the command-line host would exit.
    void batchFinished(int exitStatus);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildUi();
    void WatchScreens();
    void FillTests();
    void FillDevices();
    void StartNext();
    void OnRunClicked();
    void OnMessage(const QString& key, uint kind);
    void OnProgress(int percent, const QString& key);
    void OnNotice(const QString& titleKey, const QString& messageKey);
    void OnFinished(uint result, const QString& exception);
    void AddResult(uint32_t result);
    void Log(const QString& line);
    void UpdateButtons();

    ModuleInterface& m_module;
    Resource* m_resource = nullptr;
    Diagnostic* m_diagnostic = nullptr;
    SystemComponent* m_device = nullptr;
    WindowSettings m_settings;

    // Outlives the runner, which the destructor deletes first: it feeds the running test.
    std::unique_ptr<SystemEventMonitor> m_systemEvents;
    DialogEventCounter* m_eventCounter = nullptr;
    InputRequestServer* m_server = nullptr;
    TestRunController* m_runner = nullptr;

    QLabel* m_title = nullptr;
    QLabel* m_description = nullptr;
    QTreeWidget* m_tests = nullptr;
    QTreeWidget* m_devices = nullptr;
    QLabel* m_notice = nullptr;
    QPushButton* m_runButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_currentTest = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QListWidget* m_results = nullptr;
    QLabel* m_dialogEvents = nullptr;

    std::deque<ObjectId> m_queue;
    ObjectId m_running{0, 0, 0};
    std::vector<uint32_t> m_batchResults;
    bool m_closeWhenIdle = false;
};

} // namespace corvo::hosts::gui
