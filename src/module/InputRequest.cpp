// Construction of the two kinds of input request the tests make.
#include "module/InputRequest.h"

#include <utility>

InputRequest::~InputRequest() = default;

InputRequest InputRequest::Dialog(AbstractWidgetWrapper* wrapper, std::string title)
{
    InputRequest request;
    request.widgetWrapper = wrapper;
    request.title = std::move(title);
    request.requestType = RunDialog;
    request.option = 3;
    return request;
}

InputRequest InputRequest::Notice(std::string title, std::string message, ExecutionContext* execution)
{
    InputRequest request;
    request.title = std::move(title);
    request.message = std::move(message);
    request.requestType = ShowNotice;
    request.execution = execution;
    return request;
}
