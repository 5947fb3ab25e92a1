// Runs one test at a time on a worker thread and reports what it sends as queued signals.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "HostExecution.h"
#include "SystemEventMonitor.h"
#include "TestRunner.h"

class QThread;
class Test;
class SystemComponent;

namespace corvo::hosts::gui {

class InputRequestServer;

class TestRunController : public QObject {
    Q_OBJECT
public:
    // The monitor, when given, raises its events into each run and must outlive the controller.
    explicit TestRunController(InputRequestServer& server, SystemEventMonitor* systemEvents = nullptr,
                               QObject* parent = nullptr);
    // Asks a running test to stop and waits for it, still serving its requests meanwhile.
    ~TestRunController() override;

    // False when a test is already running.
    bool Start(Test& test, SystemComponent* device);
    bool IsRunning() const { return m_thread != nullptr; }
    // Sets the running execution's cancel request; the test decides when it stops.
    void Cancel();
    // The execution of the running or last run; null before the first.
    HostExecution* Execution() { return m_execution.get(); }

signals:
    // Message and progress texts are the module's keys; the receiver translates them.
    void messageReceived(const QString& key, uint kind);
    void progressReported(int percent, const QString& key);
    void finished(uint result, const QString& exception);
    // A system event reached the running test; emitted on the thread that noticed it.
    void systemEventRaised(const QString& description);

private:
    void OnThreadFinished();

    InputRequestServer& m_server;
    SystemEventMonitor* m_systemEvents;
    std::unique_ptr<HostExecution> m_execution;
    // Only while the test runs; it goes before the execution it feeds.
    std::unique_ptr<SystemEventMonitor::Watch> m_watch;
    QThread* m_thread = nullptr;
    RunOutcome m_outcome;
    bool m_closing = false;
};

} // namespace corvo::hosts::gui
