// Runs one test at a time on a worker thread and reports what it sends as queued signals.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

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
    // Since the running or last test was started.
    qint64 ElapsedMilliseconds() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }

signals:
    // Message and progress texts are the module's keys; the receiver translates them. The times
    // are taken on the worker as the test reports, not when the window gets round to it.
    void messageReceived(const QString& key, uint kind, qint64 sinceStartMs);
    void progressReported(int percent, const QString& key, qint64 sinceStartMs);
    // systemEvents: what reached the run, each once, in the order they first came.
    void finished(uint result, const QString& exception, qint64 durationMs, const QStringList& systemEvents);
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
    QElapsedTimer m_clock;
    RunOutcome m_outcome;
    qint64 m_durationMs = 0;
    bool m_closing = false;
};

} // namespace corvo::hosts::gui
