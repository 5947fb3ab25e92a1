// The dialogs' common base: style sheet from the style library, high-contrast restyling, accessible object.
#include "utils/accessibility/AccessibleDialogBase.h"

#include "platform/SystemTheme.h"
#include "utils/accessibility/HighContrastStyleSheet.h"
#include "utils/event_filters/HighContrastEventFilter.h"

#include <SkinManager.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QTimer>

#include <mutex>

namespace corvo::utils::accessibility {

namespace {

constexpr int kReStyleDelayMilliseconds = 100;

// The system palette stores red in the low byte, then green, then blue.
QColor ColourFromRef(platform::SystemColourRef ref)
{
    return QColor(static_cast<int>(ref & 0xffu), static_cast<int>((ref >> 8) & 0xffu),
                  static_cast<int>((ref >> 16) & 0xffu), 255);
}

// The dialogs' accessible object: a client area without a name of its own.
class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Client, QString())
    {
    }
};

std::once_flag accessibleFactoryInstalled;

} // namespace

AccessibleDialogBase::AccessibleDialogBase(QWidget* parent)
    : QDialog(parent)
{
    eventFilter_ = new event_filters::HighContrastEventFilter(this);
    FillSystemPalette();
    QCoreApplication::instance()->installNativeEventFilter(eventFilter_);
    connect(eventFilter_, &event_filters::HighContrastEventFilter::ThemeChanged, this,
            &AccessibleDialogBase::OnThemeChanged);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(SkinManager::instance()->Stylesheet());
    normalStyleSheet_ = styleSheet();
    if (IsHighContrastOn()) {
        setStyleSheet(BuildHighContrastStyleSheet());
        setPalette(HighContrastPalette());
    }
    std::call_once(accessibleFactoryInstalled, [] { QAccessible::installFactory(&AccessibleInterfaceFactory); });
}

AccessibleDialogBase::~AccessibleDialogBase() = default;

void AccessibleDialogBase::OnThemeChanged()
{
    QTimer::singleShot(kReStyleDelayMilliseconds, this, &AccessibleDialogBase::ApplyTheme);
}

void AccessibleDialogBase::ApplyTheme()
{
    if (IsHighContrastOn()) {
        setStyleSheet(BuildHighContrastStyleSheet());
        setPalette(HighContrastPalette());
    } else {
        setStyleSheet(normalStyleSheet_);
        setPalette(QPalette());
    }
}

QColor AccessibleDialogBase::WindowTextColour() const
{
    return colour_slot::kWindowText < systemPalette_.size() ? systemPalette_[colour_slot::kWindowText] : QColor(Qt::black);
}

QPalette AccessibleDialogBase::HighContrastPalette() const
{
    // Widgets that no style rule colours (labels drawn on a page, say) take their colours from
    // the palette, which otherwise stays the application's normal one.
    const auto slot = [this](std::size_t index) {
        return index < systemPalette_.size() ? systemPalette_[index] : QColor(Qt::black);
    };
    QPalette palette;
    palette.setColor(QPalette::Window, slot(colour_slot::kBackground));
    palette.setColor(QPalette::WindowText, slot(colour_slot::kWindowText));
    palette.setColor(QPalette::Base, slot(colour_slot::kWindowColour));
    palette.setColor(QPalette::Text, slot(colour_slot::kWindowText));
    palette.setColor(QPalette::Button, slot(colour_slot::kButtonFace));
    palette.setColor(QPalette::ButtonText, slot(colour_slot::kButtonText));
    palette.setColor(QPalette::Highlight, slot(colour_slot::kHighlight));
    palette.setColor(QPalette::HighlightedText, slot(colour_slot::kHighlightText));
    return palette;
}

bool AccessibleDialogBase::IsHighContrastOn() const
{
    return platform::CurrentSystemTheme().IsHighContrastOn();
}

void AccessibleDialogBase::FillSystemPalette()
{
    const platform::SystemColours colours = platform::CurrentSystemTheme().Colours();
    systemPalette_.clear();
    systemPalette_.reserve(colours.size());
    for (const platform::SystemColourRef colour : colours)
        systemPalette_.push_back(ColourFromRef(colour));
}

QString AccessibleDialogBase::BuildHighContrastStyleSheet()
{
    FillSystemPalette();
    // Labels that no rule of the sheet names (a page's illustration text) would keep the
    // application palette's dark text, even on the theme's dark ground: a rule for every label
    // gives them the theme's text colour, and the named rules still win where they exist.
    return accessibility::BuildHighContrastStyleSheet(normalStyleSheet_, systemPalette_, this) +
           QStringLiteral("QLabel {\n  color: %1;\n}\n").arg(WindowTextColour().name());
}

QAccessibleInterface* AccessibleDialogBase::AccessibleInterfaceFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String(staticMetaObject.className()))
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    // Qt's cache keeps one object per widget and deletes it with that widget. One object shared
    // by every dialog would be registered for each of them and deleted twice, which crashed the
    // process as soon as two dialogs had lived, so each dialog gets its own.
    return new DialogAccessible(widget);
}

} // namespace corvo::utils::accessibility
