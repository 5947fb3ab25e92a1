// Serves a running test's input requests on the user-interface thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class InputRequest;

namespace corvo::hosts::gui {

// Lives on the user-interface thread. Serve may be called from any thread: a dialog request is
// carried over with a blocking queued call, so the caller (the test's worker) waits until the
// dialog has ended and its answer is written; a notice is handed over without waiting.
class InputRequestServer : public QObject {
    Q_OBJECT
public:
    // hostWindow is what dialogs centre over; eventFilter is installed on each dialog.
    InputRequestServer(QWidget* hostWindow, QObject* eventFilter, QObject* parent = nullptr);

    void Serve(InputRequest& request);

signals:
    void dialogStarted(const QString& titleKey);
    void dialogFinished(const QString& titleKey, int answer);
    // Keys, untranslated; emitted on the thread that served the request, delivered queued.
    void noticeRequested(const QString& titleKey, const QString& messageKey);

private:
    void ExecuteDialog(InputRequest& request);

    QPointer<QWidget> m_hostWindow;
    QPointer<QObject> m_eventFilter;
};

} // namespace corvo::hosts::gui
