// Base of every dialog of the module: the suite's style sheet, its high-contrast variant and the accessible object.
#pragma once

#include <QColor>
#include <QDialog>
#include <QPalette>
#include <QString>

#include <vector>

class QAccessibleInterface;

namespace corvo::utils::event_filters {
class HighContrastEventFilter;
}

namespace corvo::utils::accessibility {

class AccessibleDialogBase : public QDialog {
    Q_OBJECT

public:
    explicit AccessibleDialogBase(QWidget* parent = nullptr);
    ~AccessibleDialogBase() override;

    // High contrast on: the style sheet derived from the normal one with the system's colours.
    // Off: the normal style sheet again, exactly as the style library gave it.
    // Dialogs with styles of their own (set in code) re-apply them after calling this.
    virtual void ApplyTheme();
    bool IsHighContrastOn() const;
    // The colour of the system palette's window text, as last read.
    QColor WindowTextColour() const;

    // The normal style sheet restyled with a fresh reading of the system colours; recoloured
    // icons are written to temporary files owned by this dialog.
    QString BuildHighContrastStyleSheet();
    // The style sheet as the style library gave it at construction.
    const QString& NormalStyleSheet() const { return normalStyleSheet_; }

    // The one accessible object of the process, created for the first dialog that asks.
    static QAccessibleInterface* AccessibleInterfaceFactory(const QString& className, QObject* object);

public slots:
    void OnThemeChanged();

private:
    void FillSystemPalette();
    QPalette HighContrastPalette() const;

    event_filters::HighContrastEventFilter* eventFilter_ = nullptr;
    std::vector<QColor> systemPalette_;
    QString normalStyleSheet_;
};

} // namespace corvo::utils::accessibility
