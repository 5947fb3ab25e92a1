// The keycode dialog without its platform part: form, answers, dragging, system-event check.
#pragma once

#include <memory>

#include "keycode/HeaderDrag.h"
#include "keycode/InputDialog.h"

class MouseFilter;
class QTimer;
class SystemEventSource;

namespace Ui {
class KeycodeTestWidget;
}

class KeycodeTestWidget : public InputDialog {
    Q_OBJECT

public:
    // The host window is ignored: the dialog is application-modal and frameless on its own.
    KeycodeTestWidget(QWidget* hostWindow, QObject* eventFilter, SystemEventSource* systemEventSource, int value);
    ~KeycodeTestWidget() override;

    // Escape and every other reject request leave the dialog open.
    void reject() override;

    virtual void BuildKeyTable() = 0;

public slots:
    void on_yes_button_clicked();
    void on_no_button_clicked();
    void on_close_x_button_clicked();
    void CheckForSystemEvent();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    std::unique_ptr<Ui::KeycodeTestWidget> m_form;

private:
    corvo::keycode::HeaderDrag m_drag;
    MouseFilter* m_mouseFilter = nullptr;
    std::unique_ptr<QTimer> m_systemEventTimer;
    SystemEventSource* m_systemEventSource = nullptr;
};
