// Native event filter that turns the system's theme-change message into a Qt signal.
#include "utils/event_filters/HighContrastEventFilter.h"

#include "platform/SystemTheme.h"

namespace corvo::utils::event_filters {

HighContrastEventFilter::HighContrastEventFilter(QObject* parent)
    : QObject(parent)
{
}

// Qt drops a destroyed filter from the application's list itself.
HighContrastEventFilter::~HighContrastEventFilter() = default;

bool HighContrastEventFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result)
{
    Q_UNUSED(result);
    const platform::SystemTheme& theme = platform::CurrentSystemTheme();
    if (!theme.IsThemeChangeEvent(eventType, message))
        return false;
    emit ThemeChanged();
    // The dialogs re-style themselves; a message that is theirs alone goes no further.
    return theme.OwnsThemeChangeEvents();
}

} // namespace corvo::utils::event_filters
