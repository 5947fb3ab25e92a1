// Watches the process's native events for the system's theme changes.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

namespace corvo::utils::event_filters {

class HighContrastEventFilter : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit HighContrastEventFilter(QObject* parent = nullptr);
    ~HighContrastEventFilter() override;

    // A theme change emits ThemeChanged() and is kept from Qt; every other event passes.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void ThemeChanged();
};

} // namespace corvo::utils::event_filters
