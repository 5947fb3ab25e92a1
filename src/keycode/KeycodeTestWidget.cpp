// The keycode dialog's form, its answers, the header drag and the one-second system-event check.
#include "keycode/KeycodeTestWidget.h"

#include <QMouseEvent>
#include <QTimer>

#include "keycode/MouseFilter.h"
#include "module/Language.h"
#include "module/MessageKeys.h"
#include "module/SystemEventSource.h"
#include "ui_KeycodeTestWidget.h"

namespace {

namespace keys = corvo::keyboard::keys;

constexpr int kSystemEventCheckMilliseconds = 1000;
using corvo::keycode::Translated;

} // namespace

KeycodeTestWidget::KeycodeTestWidget(QWidget* hostWindow, QObject* eventFilter, SystemEventSource* systemEventSource,
                                     int)
    : InputDialog(eventFilter, hostWindow),
      m_form(std::make_unique<Ui::KeycodeTestWidget>()),
      m_systemEventTimer(std::make_unique<QTimer>()),
      m_systemEventSource(systemEventSource)
{
    setWindowModality(Qt::ApplicationModal);
    m_mouseFilter = new MouseFilter(this);
    m_form->setupUi(this);

    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_NativeWindow);

    setWindowTitle(Translated(keys::kApplicationName));
    m_form->keycode_test_line_edit_last_key->setReadOnly(true);
    m_form->keycode_test_label_capture_note->hide();
    connect(m_form->keycode_test_button_yes, SIGNAL(clicked()), this, SLOT(on_yes_button_clicked()));
    connect(m_form->keycode_test_button_no, SIGNAL(clicked()), this, SLOT(on_no_button_clicked()));
    connect(m_form->keycode_test_header_close, SIGNAL(clicked()), this, SLOT(on_close_x_button_clicked()));

    m_form->keycode_test_header_label->setText(Translated(keys::kKeycodeVerification));
    m_form->keycode_test_instruction_label->setText(Translated(keys::kFeelFreeToUseYourKeyboard));
    m_form->keycode_test_label_last_key->setText(Translated(keys::kLatestPressedKey));
    m_form->keycode_test_label_toggle_keys->setText(Translated(keys::kToggleKeys));
    m_form->keycode_test_question_label->setText(Translated(keys::kIsYourKeyboardBehavingAsExpected));
    m_form->keycode_test_button_yes->setText(Translated(keys::kYes));
    m_form->keycode_test_button_no->setText(Translated(keys::kNo));
    m_form->keycode_test_header_close->setCursor(Qt::PointingHandCursor);
    m_form->keycode_test_button_yes->setCursor(Qt::PointingHandCursor);
    m_form->keycode_test_button_no->setCursor(Qt::PointingHandCursor);

    m_form->keycode_test_check_num->installEventFilter(m_mouseFilter);
    m_form->keycode_test_check_caps->installEventFilter(m_mouseFilter);
    m_form->keycode_test_check_scroll->installEventFilter(m_mouseFilter);

    connect(m_systemEventTimer.get(), &QTimer::timeout, this, &KeycodeTestWidget::CheckForSystemEvent);
    m_systemEventTimer->start(kSystemEventCheckMilliseconds);
}

KeycodeTestWidget::~KeycodeTestWidget()
{
    m_systemEventTimer->stop();
    delete m_mouseFilter;
}

void KeycodeTestWidget::reject() {}

void KeycodeTestWidget::on_yes_button_clicked()
{
    done(3);
}

void KeycodeTestWidget::on_no_button_clicked()
{
    done(4);
}

void KeycodeTestWidget::on_close_x_button_clicked()
{
    done(0);
}

void KeycodeTestWidget::CheckForSystemEvent()
{
    if (m_systemEventSource != nullptr && (m_systemEventSource->GetSystemEvents() & corvo::keycode::kDialogAbortEvents) != 0) {
        done(0);
    }
}

void KeycodeTestWidget::mousePressEvent(QMouseEvent* event)
{
    m_drag.Press(this, m_form->keycode_test_widget_header, m_form->keycode_test_header_close, event);
    InputDialog::mousePressEvent(event);
}

void KeycodeTestWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.Move(this, event);
    InputDialog::mouseMoveEvent(event);
}

void KeycodeTestWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_drag.Release(this, m_form->keycode_test_widget_header);
    InputDialog::mouseReleaseEvent(event);
}
