// Runs one test at a time on a worker thread and reports what it sends as queued signals.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

#include "HostExecution.h"
#include "SystemEventMonitor.h"
#include "TestRunner.h"

class QThread;
class QTimer;
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
    // Asks a running test to stop and waits for it, still serving its requests meanwhile, for
    // kCancelGrace at most; a test that is still running then is left to run.
    ~TestRunController() override;

    // False when a test is already running.
    bool Start(Test& test, SystemComponent* device);
    bool IsRunning() const { return m_thread != nullptr; }
    // Sets the running execution's cancel request. A test that has not stopped kCancelGrace later,
    // and is not waiting for a dialog, is given up: it ends as aborted and is left running.
    void Cancel();
    // A test was given up and may still run inside the module: no other test may use the module's
    // device, and the module must not be unloaded under it.
    bool HasGivenUpRun() const { return !m_givenUp.empty(); }
    // The execution of the running or last run; null before the first and after a run given up.
    HostExecution* Execution() { return m_execution.get(); }
    // Since the running or last test was started.
    qint64 ElapsedMilliseconds() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }

signals:
    // Message and progress texts are the module's keys; the receiver translates them. The times
    // are taken on the worker as the test reports, not when the window gets round to it.
    void messageReceived(const QString& key, uint kind, qint64 sinceStartMs);
    void progressReported(int percent, const QString& key, qint64 sinceStartMs);
    // systemEvents: what reached the run, each once, in the order they first came. givenUp: the
    // test ignored its cancel request and was left running (result Aborted).
    void finished(uint result, const QString& exception, qint64 durationMs, const QStringList& systemEvents,
                  bool givenUp);
    // A system event reached the running test; emitted on the thread that noticed it.
    void systemEventRaised(const QString& description);

private:
    // What the worker writes; shared with it, since a worker given up may outlive this object.
    struct Ending {
        RunOutcome outcome;
        qint64 durationMs = 0;
    };

    void OnThreadFinished();
    void GiveUp();
    QStringList SeenEvents();

    InputRequestServer& m_server;
    SystemEventMonitor* m_systemEvents;
    std::unique_ptr<HostExecution> m_execution;
    // Only while the test runs; it goes before the execution it feeds.
    std::unique_ptr<SystemEventMonitor::Watch> m_watch;
    QThread* m_thread = nullptr;
    QElapsedTimer m_clock;
    std::shared_ptr<Ending> m_ending;
    QTimer* m_grace = nullptr;
    // Set by the worker while a dialog or notice of its test is being served.
    std::shared_ptr<std::atomic<bool>> m_serving;
    // Given up, with their executions: kept as long as their threads may run.
    std::vector<std::pair<QThread*, std::unique_ptr<HostExecution>>> m_givenUp;
    bool m_closing = false;
};

} // namespace corvo::hosts::gui
