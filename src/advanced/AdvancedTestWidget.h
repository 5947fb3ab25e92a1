// The advanced test's dialog without its platform part: layout choice, key bookkeeping, marking,
// verdict buttons, system-event abort and dragging.
#pragma once

#include <QList>
#include <QString>
#include <QTimer>

#include <map>
#include <string>

#include "keycode/HeaderDrag.h"
#include "keycode/InputDialog.h"

class QLabel;
class QPushButton;
class SystemEventSource;

namespace Ui {
class AdvancedTestWidget;
}

class AdvancedTestWidget : public InputDialog {
    Q_OBJECT

public:
    struct PageRecord {
        std::string layoutName;
        int dropDownPosition = 0;
    };
    // Page index -> the drop-down item that shows it.
    using PageTable = std::map<int, PageRecord>;
    // Page index -> (key button object name -> marked).
    using KeyProgress = std::map<int, std::map<QString, bool>>;

    // The dialog centres itself over hostWindow (without a host window, over the primary
    // screen); it never becomes its parent. The last argument is not used.
    AdvancedTestWidget(QWidget* hostWindow, QObject* eventFilter, SystemEventSource* systemEventSource, int value);
    ~AdvancedTestWidget() override;

    // Escape and every other reject request leave the dialog open.
    void reject() override;
    // The page instructions and the ignored keys follow high contrast too.
    void ApplyTheme() override;

    // Marks every key button whose name holds fragment ("W65_"), on every page; counts the marks
    // of the shown page and, in strict mode, passes once all its keys are marked.
    void MarkKeys(const QString& fragment);
    // Every key of the page is marked (ignored keys count as marked).
    bool AllKeysMarked(int page);

    bool IsStrictMode() const { return m_strictMode; }
    const PageTable& Pages() const { return m_pageTable; }
    const KeyProgress& Progress() const { return m_keyProgress; }

public slots:
    void SystemEventAbortion();
    void on_yes_button_clicked();
    void on_no_button_clicked();
    void on_close_x_button_clicked();
    void on_refresh_button_clicked();
    void ChangeKeyboardView(int dropDownPosition);
    void PaintPushButton(QPushButton* button);
    void DisablePushButtons();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    Ui::AdvancedTestWidget* m_form = nullptr;

private:
    void PlaceOver(QWidget* hostWindow);
    void ScrollKeyboardPicture();
    void ApplyTexts();
    void FillKeyProgress();
    void ShowConfiguredLayout(int page);
    void ResetKeys();
    void ShowPageAt(int dropDownPosition);
    void ApplyOwnStyles();

    QTimer m_abortTimer;
    corvo::keycode::HeaderDrag m_drag;
    bool m_strictMode = false;
    PageTable m_pageTable;
    SystemEventSource* m_systemEventSource = nullptr;
    KeyProgress m_keyProgress;
    QList<QLabel*> m_instructions;
    QString m_ignoredKeyStyle;
};
