// The desktop host's window: the diagnostic's tests, the keyboards found, runs, their log and results.
#pragma once

#include <QMainWindow>

#include <cstdio>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "KeyboardDevices.h"
#include "MessageAttribution.h"
#include "RunReport.h"
#include "TestRunRecord.h"
#include "module/ObjectId.h"

class ModuleInterface;
class Diagnostic;
class Resource;
class SystemComponent;
class QAction;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace corvo::hosts {
class SystemEventMonitor;
class UdevKeyboardWatch;
}

namespace corvo::hosts::gui {

class DialogEventCounter;
class InputRequestServer;
class SessionResultsView;
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

    // Detects the keyboards again and runs the tests one after the other; false (nothing started)
    // while a run is going on or when the diagnostic holds none of them.
    bool RunTests(const std::vector<ObjectId>& tests);
    // Detects the keyboards again and lists them; while tests run, once they have ended, since
    // detection replaces the device the running test holds.
    void RefreshDevices();

    // Every run of this session, in the order they ended.
    const std::vector<TestRunRecord>& Results() const;
    // The session's report as a page to print when the name ends in ".html" or ".htm", as JSON
    // otherwise; false with the reason when it cannot be written.
    bool SaveReport(const QString& path, QString& error);

    TestRunController& Runner() { return *m_runner; }
    InputRequestServer& Server() { return *m_server; }

signals:
    // The last test of a RunTests batch ended; status as the command-line host would exit.
    void batchFinished(int exitStatus);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildUi();
    void BuildMenus();
    void BuildStatusBar();
    void WatchScreens();
    void WatchKeyboards();
    void FillTests();
    void FillDevices();
    void SelectAutomaticTests();
    bool IsBusy() const;
    void StartNext();
    void OnRunClicked();
    void OnCancelClicked();
    void OnMessage(const QString& key, uint kind, qint64 sinceStartMs);
    void OnProgress(int percent, const QString& key, qint64 sinceStartMs);
    void OnNotice(const QString& titleKey, const QString& messageKey);
    void OnFinished(uint result, const QString& exception, qint64 durationMs, const QStringList& systemEvents,
                    bool givenUp);
    void AddResult(TestRunRecord record);
    void ShowElapsed();
    void ShowAbout();
    void OnSaveReportClicked();
    void Log(const QString& line);
    void UpdateActions();

    ModuleInterface& m_module;
    Resource* m_resource = nullptr;
    Diagnostic* m_diagnostic = nullptr;
    SystemComponent* m_device = nullptr;
    // The keyboards as the running test starts, and which of them its findings are about.
    std::vector<KeyboardDevice> m_runKeyboards;
    std::optional<MessageAttribution> m_attribution;
    WindowSettings m_settings;

    // Outlives the runner, which the destructor deletes first: it feeds the running test.
    std::unique_ptr<SystemEventMonitor> m_systemEvents;
    std::unique_ptr<UdevKeyboardWatch> m_keyboardWatch;
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
    QLabel* m_elapsed = nullptr;
    QPlainTextEdit* m_log = nullptr;
    SessionResultsView* m_results = nullptr;
    QLabel* m_dialogEvents = nullptr;

    QAction* m_saveReportAction = nullptr;
    QAction* m_runAction = nullptr;
    QAction* m_cancelAction = nullptr;
    QAction* m_refreshAction = nullptr;

    QTimer* m_ticker = nullptr;       // the elapsed time while a test runs
    QTimer* m_refreshDelay = nullptr; // a keyboard arrives as several devices: one refresh for all
    QString m_hotPlug;                // what udev said last, until the refresh it caused
    ReportTime m_sessionStart = ReportTime::Now();
    bool m_cancelled = false; // in any batch of the session
    bool m_devicesStale = false;
    bool m_dialogOpen = false;
    qint64 m_lastProgressMs = 0;

    std::deque<ObjectId> m_queue;
    TestRunRecord m_current;
    std::vector<uint32_t> m_batchResults;
    bool m_closeWhenIdle = false;
};

} // namespace corvo::hosts::gui
