// Makes widgets display-only: every mouse event on them is swallowed.
#pragma once

#include <QObject>

class MouseFilter : public QObject {
public:
    using QObject::QObject;
    ~MouseFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
};
