// The advanced test's dialog: builds the layout choice, keeps each page's key progress and marks
// the keys the platform part reports.
#include "advanced/AdvancedTestWidget.h"

#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>

#include "advanced/AdvancedTestSettings.h"
#include "advanced/LayoutCatalogue.h"
#include "module/Language.h"
#include "module/MessageKeys.h"
#include "module/SystemEventSource.h"
#include "platform/DialogPlatform.h"
#include "ui_AdvancedTestWidget.h"

namespace {

namespace keys = corvo::keyboard::keys;
namespace catalogue = corvo::advanced;
using corvo::keycode::Translated;

constexpr int kAbortCheckMilliseconds = 300;
constexpr int kDialogWidth = 908;
constexpr int kDialogHeight = 450;
constexpr char kJapaneseLanguage[] = "ja_JP";

// The key buttons stay disabled so that clicks do nothing; the plain and ignored styles therefore
// name the disabled state, and the marked style names none so that it shows on disabled buttons.
constexpr char kPlainKeyStyle[] =
    ":disabled {color:black;font: 10px; background-color: #cccccc;margin: 1px;border-style: none;}";
// %1 is the border's colour, black on the normal light page; with high contrast on, the theme's
// text colour, which stands out on the theme's own page colour.
constexpr char kIgnoredKeyStyle[] =
    ":disabled {color:black;font: 10px; background-color: #cccccc;margin: 1px;border-style:solid;"
    "border-color: %1;border-width:2px;}";
constexpr char kNormalIgnoredKeyBorder[] = "rgb(0, 0, 0)";
constexpr char kMarkedKeyStyle[] = "background-color: #18A0FB;color: black;border-style: initial;font: 10px";
// The size all three key styles draw their labels in.
constexpr int kKeyLabelPixels = 10;
// A label that touches its key's edges reads as cut off: this much stays clear on either side.
constexpr int kKeyLabelInset = 1;
// The margins and borders of the ignored key style, the widest, on both sides together.
constexpr int kWidestKeyFrame = 6;
// Labels condensed further than this are no longer read at a glance.
constexpr int kNarrowestKeyLabelStretch = 75;
// The dialog's own text size: a line of it with its descenders fits the 16 pixels that every page
// has for the instruction under its keys.
// %1 is the text colour, as for the ignored keys' border.
constexpr char kInstructionLabelStyle[] = "color: %1;font: 13px";
constexpr char kNormalInstructionColour[] = "black";

QString PageTag(int page)
{
    return QString::fromStdString(catalogue::PageTag(page));
}

bool IsIgnored(const QString& objectName)
{
    return catalogue::IsIgnoredKey(objectName.toStdString());
}

// Condenses the label of a key too narrow for it in the user's language (the keypad Enter, one key
// wide, reads "Eingabe" in German) until it keeps clear of the key's edges. The styles give only a
// size, so the stretch set on the key's own font survives every restyling.
void CondenseLabelToFit(QPushButton& key)
{
    QFont font = key.font();
    font.setPixelSize(kKeyLabelPixels);
    const int natural = QFontMetrics(font).size(0, key.text()).width();
    if (natural + 2 * kKeyLabelInset <= key.width() - kWidestKeyFrame) {
        return;
    }
    // The face depends on the key's style sheet, which takes effect when the key is polished.
    key.ensurePolished();
    QStyleOptionButton option;
    option.initFrom(&key);
    const int room = key.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &key).width() -
                     2 * kKeyLabelInset;
    if (natural <= room) {
        return;
    }
    for (int stretch = 99; stretch >= kNarrowestKeyLabelStretch; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).size(0, key.text()).width() <= room) {
            QFont condensed = key.font();
            condensed.setStretch(stretch);
            key.setFont(condensed);
            return;
        }
    }
}

AdvancedTestWidget::PageTable PageTableFor(const catalogue::DropDownOrder& order)
{
    AdvancedTestWidget::PageTable table;
    for (const catalogue::DropDownEntry& entry : order) {
        table[entry.page] = {entry.layoutName, entry.position};
    }
    return table;
}

} // namespace

AdvancedTestWidget::AdvancedTestWidget(QWidget* hostWindow, QObject* eventFilter,
                                       SystemEventSource* systemEventSource, int)
    : InputDialog(eventFilter, hostWindow), m_form(new Ui::AdvancedTestWidget), m_systemEventSource(systemEventSource)
{
    m_pageTable = PageTableFor(catalogue::kDefaultDropDownOrder);

    setWindowModality(Qt::ApplicationModal);
    m_form->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_NativeWindow);
    setWindowTitle(Translated(keys::kApplicationName));

    connect(m_form->keyboard_advanced_test_button_yes, SIGNAL(clicked()), this, SLOT(on_yes_button_clicked()));
    connect(m_form->keyboard_advanced_test_button_no, SIGNAL(clicked()), this, SLOT(on_no_button_clicked()));
    connect(m_form->keyboard_advanced_test_header_close, SIGNAL(clicked()), this, SLOT(on_close_x_button_clicked()));
    connect(m_form->keyboard_advanced_test_button_refresh, SIGNAL(clicked()), this,
            SLOT(on_refresh_button_clicked()));
    connect(m_form->keyboard_advanced_test_drop_down, SIGNAL(currentIndexChanged(int)), this,
            SLOT(ChangeKeyboardView(int)));
    connect(&m_abortTimer, SIGNAL(timeout()), this, SLOT(SystemEventAbortion()));
    m_abortTimer.setInterval(kAbortCheckMilliseconds);
    m_abortTimer.start();

    PlaceOver(hostWindow);

    corvo::keyboard::DetermineLanguage();
    const corvo::advanced::AdvancedTestSettings settings = corvo::advanced::ReadAdvancedTestSettings();
    m_strictMode = settings.strictMode != 0;

    // A Japanese keyboard counts as much as a Japanese user interface: its owner looks for the
    // JIS layouts first.
    const std::unique_ptr<corvo::platform::KeyText> keyText = corvo::platform::CurrentDialogPlatform().createKeyText();
    const bool japanese = corvo::keyboard::GetLanguage() == kJapaneseLanguage ||
                          (keyText != nullptr && keyText->ActiveLayout().language == kJapaneseLanguage);
    if (japanese) {
        m_pageTable = PageTableFor(catalogue::kJapaneseDropDownOrder);
    }

    // Inserting the first item makes it current, which shows its page.
    for (int position = 0; position < catalogue::kPageCount; ++position) {
        for (const auto& [page, record] : m_pageTable) {
            if (record.dropDownPosition == position) {
                m_form->keyboard_advanced_test_drop_down->insertItem(position, QIcon(),
                                                                     QString::fromStdString(record.layoutName));
            }
        }
    }

    m_form->keyboard_advanced_test_header_close->setCursor(Qt::PointingHandCursor);
    m_form->keyboard_advanced_test_button_yes->setCursor(Qt::PointingHandCursor);
    m_form->keyboard_advanced_test_button_no->setCursor(Qt::PointingHandCursor);
    m_form->keyboard_advanced_test_button_refresh->setCursor(Qt::PointingHandCursor);

    m_form->keyboard_advanced_test_label_capture_note->hide();
    ApplyTexts();
    FillKeyProgress();
    if (settings.layoutPage) {
        ShowConfiguredLayout(*settings.layoutPage);
    }
    ResetKeys();
    // The key styles are set, so each key's face is known.
    for (QPushButton* button : m_form->keyboard_advanced_test_stacked_widget->findChildren<QPushButton*>()) {
        CondenseLabelToFit(*button);
    }
}

AdvancedTestWidget::~AdvancedTestWidget()
{
    m_abortTimer.stop();
    delete m_form;
}

void AdvancedTestWidget::PlaceOver(QWidget* hostWindow)
{
    QRect over;
    const QScreen* screen = hostWindow != nullptr ? hostWindow->screen() : QGuiApplication::primaryScreen();
    if (hostWindow != nullptr) {
        over = QRect(hostWindow->x(), hostWindow->y(), hostWindow->width(), hostWindow->height());
    } else if (screen != nullptr) {
        // A host that passes no window still gets a dialog the user can find.
        over = screen->availableGeometry();
    }
    // A large scale factor or a small screen leaves less room than the dialog's size: it shrinks
    // to the screen and its keyboard picture scrolls, so the answer buttons stay in reach.
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    QSize size(kDialogWidth, kDialogHeight);
    if (!available.isEmpty() && (size.width() > available.width() || size.height() > available.height())) {
        size = size.boundedTo(available.size());
        setMinimumSize(size);
        ScrollKeyboardPicture();
    }
    // Integer division truncating toward zero, as C++ does, keeps the dialog where the host's
    // own arithmetic would put it, as long as that is on the screen.
    QRect placed(over.x() + (over.width() - size.width()) / 2, over.y() + (over.height() - size.height()) / 2,
                 size.width(), size.height());
    if (!available.isEmpty()) {
        placed.moveLeft(std::clamp(placed.x(), available.left(), available.right() + 1 - size.width()));
        placed.moveTop(std::clamp(placed.y(), available.top(), available.bottom() + 1 - size.height()));
    }
    setGeometry(placed);
}

void AdvancedTestWidget::ScrollKeyboardPicture()
{
    QStackedWidget* pages = m_form->keyboard_advanced_test_stacked_widget;
    auto* scroll = new QScrollArea(pages->parentWidget());
    scroll->setObjectName(QStringLiteral("keyboard_advanced_test_picture_scroll_area"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The page keeps its own background; the area around it shows the dialog's.
    scroll->viewport()->setAutoFillBackground(false);
    delete pages->parentWidget()->layout()->replaceWidget(pages, scroll);
    scroll->setWidget(pages);
}

void AdvancedTestWidget::ApplyTexts()
{
    m_form->keyboard_advanced_test_header_label->setText(Translated(keys::kAdvancedTest));
    m_form->keyboard_advanced_test_button_refresh->setText(Translated(keys::kClear));
    m_form->keyboard_advanced_test_label_select_layout->setText(Translated(keys::kChooseLayout));
    m_form->keyboard_advanced_test_label_feedback->setText(Translated(keys::kIsYourKeyboardBehavingAsExpected));
    m_form->keyboard_advanced_test_button_no->setText(Translated(keys::kNo));
    m_form->keyboard_advanced_test_button_yes->setText(Translated(keys::kYes));

    QList<QLabel*> instructions;
    for (int page = 0; page < catalogue::kPageCount; ++page) {
        const QString tag = PageTag(page);
        if (auto* description =
                findChild<QLabel*>(QString::fromLatin1(catalogue::kIllustrationDescriptionPrefix) + tag)) {
            description->setText(Translated(keys::kIllustrationDescription));
        }
        if (auto* instruction = findChild<QLabel*>(QString::fromLatin1(catalogue::kInstructionPrefix) + tag)) {
            instruction->setText(Translated(keys::kAdvancedTestInstruction));
            instructions.append(instruction);
        }
    }

    if (m_strictMode) {
        m_form->keyboard_advanced_test_button_no->setText(Translated(keys::kFail));
        m_form->keyboard_advanced_test_button_yes->hide();
        m_form->keyboard_advanced_test_label_feedback->hide();
    } else {
        for (QLabel* instruction : instructions) {
            instruction->hide();
        }
    }
    m_instructions = instructions;
    ApplyOwnStyles();
}

void AdvancedTestWidget::FillKeyProgress()
{
    const QList<QPushButton*> buttons = m_form->keyboard_advanced_test_stacked_widget->findChildren<QPushButton*>();
    for (int page = 0; page < catalogue::kPageCount; ++page) {
        const QString tag = PageTag(page);
        std::map<QString, bool>& progress = m_keyProgress[page];
        for (const QPushButton* button : buttons) {
            if (button->objectName().contains(tag)) {
                progress[button->objectName()] = false;
            }
        }
    }
}

void AdvancedTestWidget::ShowConfiguredLayout(int page)
{
    const auto configured = m_pageTable.find(page);
    if (configured == m_pageTable.end()) {
        return;
    }
    const int position = configured->second.dropDownPosition;
    if (position != m_form->keyboard_advanced_test_drop_down->currentIndex()) {
        m_form->keyboard_advanced_test_drop_down->setCurrentIndex(position);
    }
    ResetKeys();
    ShowPageAt(position);
}

void AdvancedTestWidget::ShowPageAt(int dropDownPosition)
{
    int shown = 0;
    for (const auto& [page, record] : m_pageTable) {
        if (record.dropDownPosition == dropDownPosition) {
            shown = page;
            break;
        }
    }
    m_form->keyboard_advanced_test_stacked_widget->setCurrentIndex(shown);
}

void AdvancedTestWidget::ResetKeys()
{
    const QList<QPushButton*> buttons = m_form->keyboard_advanced_test_stacked_widget->findChildren<QPushButton*>();
    const QString plain = QString::fromLatin1(kPlainKeyStyle);
    const QString& ignored = m_ignoredKeyStyle;
    for (QPushButton* button : buttons) {
        button->setEnabled(false);
        // Setting a style sheet re-polishes the button even when the text is the same, and with
        // some 1,200 buttons that alone takes longer than a tick; only the marked ones change.
        const QString& style = IsIgnored(button->objectName()) ? ignored : plain;
        if (button->styleSheet() != style) {
            button->setStyleSheet(style);
        }
    }
    for (int page = 0; page < catalogue::kPageCount; ++page) {
        for (auto& [name, marked] : m_keyProgress[page]) {
            marked = IsIgnored(name);
        }
    }
}

void AdvancedTestWidget::ApplyTheme()
{
    InputDialog::ApplyTheme();
    ApplyOwnStyles();
}

void AdvancedTestWidget::ApplyOwnStyles()
{
    const bool highContrast = IsHighContrastOn();
    const QString text = highContrast ? WindowTextColour().name() : QString::fromLatin1(kNormalInstructionColour);
    for (QLabel* instruction : std::as_const(m_instructions)) {
        instruction->setStyleSheet(QString::fromLatin1(kInstructionLabelStyle).arg(text));
    }
    const QString previous = m_ignoredKeyStyle;
    m_ignoredKeyStyle = QString::fromLatin1(kIgnoredKeyStyle)
                            .arg(highContrast ? WindowTextColour().name() : QString::fromLatin1(kNormalIgnoredKeyBorder));
    if (previous.isEmpty() || previous == m_ignoredKeyStyle) {
        return;
    }
    // A theme change while keys are marked: only the ignored keys change, the marks stay.
    for (QPushButton* button : m_form->keyboard_advanced_test_stacked_widget->findChildren<QPushButton*>()) {
        if (button->styleSheet() == previous) {
            button->setStyleSheet(m_ignoredKeyStyle);
        }
    }
}

void AdvancedTestWidget::reject() {}

void AdvancedTestWidget::on_yes_button_clicked()
{
    done(3);
}

void AdvancedTestWidget::on_no_button_clicked()
{
    done(4);
}

void AdvancedTestWidget::on_close_x_button_clicked()
{
    done(0);
}

void AdvancedTestWidget::on_refresh_button_clicked()
{
    ResetKeys();
}

void AdvancedTestWidget::DisablePushButtons()
{
    ResetKeys();
}

void AdvancedTestWidget::ChangeKeyboardView(int dropDownPosition)
{
    ResetKeys();
    if (m_pageTable.empty()) {
        m_form->keyboard_advanced_test_stacked_widget->setCurrentIndex(0);
        return;
    }
    ShowPageAt(dropDownPosition);
}

void AdvancedTestWidget::PaintPushButton(QPushButton* button)
{
    button->setStyleSheet(QString::fromLatin1(kMarkedKeyStyle));
}

void AdvancedTestWidget::MarkKeys(const QString& fragment)
{
    const QList<QPushButton*> buttons = m_form->keyboard_advanced_test_stacked_widget->findChildren<QPushButton*>();
    const int current = m_form->keyboard_advanced_test_stacked_widget->currentIndex();
    const QString currentTag = PageTag(current);
    for (QPushButton* button : buttons) {
        const QString name = button->objectName();
        if (IsIgnored(name) || !name.contains(fragment)) {
            continue;
        }
        PaintPushButton(button);
        if (name.contains(currentTag)) {
            m_keyProgress[current][name] = true;
        }
        if (m_strictMode && AllKeysMarked(current)) {
            done(3);
        }
    }
    // The host's event filter hears of every marking pass.
    QCoreApplication::postEvent(this, new QEvent(QEvent::User));
}

bool AdvancedTestWidget::AllKeysMarked(int page)
{
    for (const auto& [name, marked] : m_keyProgress[page]) {
        if (!marked) {
            return false;
        }
    }
    return true;
}

void AdvancedTestWidget::SystemEventAbortion()
{
    if (m_systemEventSource != nullptr && (m_systemEventSource->GetSystemEvents() & corvo::keycode::kDialogAbortEvents) != 0) {
        done(0);
    }
}

void AdvancedTestWidget::mousePressEvent(QMouseEvent* event)
{
    m_drag.Press(this, m_form->keyboard_advanced_test_widget_header, m_form->keyboard_advanced_test_header_close, event);
    InputDialog::mousePressEvent(event);
}

void AdvancedTestWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.Move(this, event);
    InputDialog::mouseMoveEvent(event);
}

void AdvancedTestWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_drag.Release(this, m_form->keyboard_advanced_test_widget_header);
    InputDialog::mouseReleaseEvent(event);
}

void AdvancedTestWidget::resizeEvent(QResizeEvent*) {}
