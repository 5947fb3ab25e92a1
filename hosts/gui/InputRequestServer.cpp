// The hand-over of input requests between a test's worker thread and the user-interface thread.
#include "InputRequestServer.h"

#include <QThread>

#include "keycode/AbstractWidgetWrapper.h"
#include "module/InputRequest.h"

namespace corvo::hosts::gui {

InputRequestServer::InputRequestServer(QWidget* hostWindow, QObject* eventFilter, QObject* parent)
    : QObject(parent)
    , m_hostWindow(hostWindow)
    , m_eventFilter(eventFilter)
{
}

void InputRequestServer::Serve(InputRequest& request)
{
    switch (request.requestType) {
    case ::RunDialog:
        if (QThread::currentThread() == thread()) {
            // Already on the user-interface thread: a queued call to ourselves would never run.
            ExecuteDialog(request);
        } else {
            // The request lives on the waiting worker's stack, so a reference is safe to pass.
            QMetaObject::invokeMethod(this, [this, &request] { ExecuteDialog(request); }, Qt::BlockingQueuedConnection);
        }
        break;
    case ::ShowNotice:
        // Copies: the request is gone once the worker carries on.
        emit noticeRequested(QString::fromStdString(request.title), QString::fromStdString(request.message));
        break;
    default:
        request.answer = 0;
        break;
    }
}

void InputRequestServer::ExecuteDialog(InputRequest& request)
{
    const QString title = QString::fromStdString(request.title);
    emit dialogStarted(title);
    int32_t answer = 0;
    if (request.widgetWrapper != nullptr) {
        answer = request.widgetWrapper->Execute(m_hostWindow.data(), m_eventFilter.data(), 0);
    }
    // Dialog results are small non-negative codes; anything else is no verdict.
    request.answer = answer >= 0 ? static_cast<uint32_t>(answer) : 0u;
    emit dialogFinished(title, static_cast<int>(request.answer));
}

} // namespace corvo::hosts::gui
