// The event filter the host hands to a test's dialog: counts the dialog's own notifications.
#pragma once

#include <QObject>

namespace corvo::hosts::gui {

// Dialogs post themselves an event of type QEvent::User for each key they show; counting them
// tells the user (and a test) that the dialog is seeing the keyboard. Nothing is filtered out.
class DialogEventCounter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int Count() const { return m_count; }
    void Reset();

signals:
    void countChanged(int count);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_count = 0;
};

} // namespace corvo::hosts::gui
