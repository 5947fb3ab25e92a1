// The delay from a key press to the advanced dialog's marking of it, on a private Xvfb with the
// real dialog shown and its keyboard grab held: XTest presses from a connection of this program,
// timed from the moment the request has been flushed to the server until the dialog's "keys
// marked" event (QEvent::User) reaches the host's event filter.
//
// Run: advanced-key-mark-delay-benchmark [--samples N]. It prints figures and never judges them;
// it fails when a press is never marked, so a lost key cannot hide in the figures.
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "BenchmarkSupport.h"
#include "SyntheticInput.h"
#include "advanced/LayoutCatalogue.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "platform/linux/X11KeyPointerState.h"

namespace {

using namespace corvo::advanced_bench;
namespace catalogue = corvo::advanced;

// A person's key press lasts across at least two marking ticks.
constexpr int kHoldMilliseconds = 70;
// Long enough that no press can be mistaken for another; a mark later than this counts as lost.
constexpr int kGiveUpMilliseconds = 1000;
// Gaps between presses that are not multiples of the tick, so that presses land at every phase.
constexpr int kGapBaseMilliseconds = 30;
constexpr int kGapSpreadMilliseconds = 37;

// One press being measured; the filters fill it in.
struct Press {
    uint8_t keycode = 0;
    Clock::time_point sent;
    std::optional<Clock::time_point> seenByQt;
    std::optional<Clock::time_point> marked;
    int markEvents = 0;
    bool released = false;
    QEventLoop* loop = nullptr;
};

// Stands in for the host's event filter, which the dialog tells of every marking pass.
class MarkWatcher : public QObject {
public:
    Press* current = nullptr;
    int strays = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::User) {
            return false;
        }
        if (current == nullptr) {
            ++strays;
            return false;
        }
        ++current->markEvents;
        if (!current->marked) {
            current->marked = Clock::now();
        }
        if (current->released && current->loop != nullptr) {
            current->loop->quit();
        }
        return false;
    }
};

// Installed after the dialog's capture, so it sees each X key event before the capture does.
class KeyArrivalWatcher : public QAbstractNativeEventFilter {
public:
    Press* current = nullptr;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (current == nullptr || eventType != "xcb_generic_event_t" || message == nullptr) {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_KEY_PRESS &&
            static_cast<const xcb_key_press_event_t*>(message)->detail == current->keycode && !current->seenByQt) {
            current->seenByQt = Clock::now();
        }
        return false;
    }
};

// XTest on a connection of its own; each call returns once the request is on its way.
class XTestKeys {
public:
    explicit XTestKeys(const std::string& display) : m_connection(xcb_connect(display.c_str(), nullptr)) {}
    ~XTestKeys() { xcb_disconnect(m_connection); }
    XTestKeys(const XTestKeys&) = delete;
    XTestKeys& operator=(const XTestKeys&) = delete;

    bool IsConnected() const { return xcb_connection_has_error(m_connection) == 0; }

    void Send(uint8_t type, uint8_t keycode)
    {
        xcb_test_fake_input(m_connection, type, keycode, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
        xcb_flush(m_connection);
    }

private:
    xcb_connection_t* m_connection;
};

struct Key {
    uint8_t virtualKey;
    uint8_t keycode;
    QString fragment;
};

// The keys of the shown page that the capture swallows and that have an X keycode translating
// back to the same virtual key; keys that keep a system effect (locks, Shifts) are left out.
std::vector<Key> KeysOfShownPage(QStackedWidget& stack, corvo::platform::X11KeyPointerState& keyState)
{
    const QRegularExpression code(QStringLiteral("_W(\\d+)_"));
    std::set<int> codes;
    for (const QPushButton* button : stack.currentWidget()->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        const QRegularExpressionMatch match = code.match(name);
        if (match.hasMatch() && !catalogue::IsIgnoredKey(name.toStdString())) {
            codes.insert(match.captured(1).toInt());
        }
    }
    std::vector<corvo::advanced::VirtualKeyEntry> scratch{{0, false}};
    std::vector<Key> keys;
    const corvo::platform::VirtualKeyMap& map = keyState.KeyMap();
    for (const int virtualKey : codes) {
        if (virtualKey <= 0 || virtualKey > 254 ||
            corvo::advanced::RecordCapturedKey(scratch, static_cast<uint8_t>(virtualKey), true)) {
            continue;
        }
        for (const uint32_t keycode : map.KeycodesOf(static_cast<uint8_t>(virtualKey))) {
            if (keycode >= 8 && keycode <= 255 && map.VirtualKeyOf(keycode) == static_cast<uint32_t>(virtualKey)) {
                keys.push_back({static_cast<uint8_t>(virtualKey), static_cast<uint8_t>(keycode),
                                QString::fromLatin1(catalogue::kCodeFragmentFormat).arg(virtualKey)});
                break;
            }
        }
    }
    return keys;
}

QList<QPushButton*> ShownButtons(QStackedWidget& stack, const QString& fragment)
{
    QList<QPushButton*> matching;
    for (QPushButton* button : stack.currentWidget()->findChildren<QPushButton*>()) {
        if (button->objectName().contains(fragment)) {
            matching.append(button);
        }
    }
    return matching;
}

void PrintRow(const char* label, const Summary& summary)
{
    std::printf("%-22s %8.2f %8.2f %8.2f %8.2f %8.2f   %6.3f %6.3f %6.3f %6.3f\n", label, summary.min, summary.median,
                summary.p90, summary.p99, summary.max, summary.median / kTickMilliseconds,
                summary.p90 / kTickMilliseconds, summary.p99 / kTickMilliseconds, summary.max / kTickMilliseconds);
}

int Run(const std::string& display, int samples)
{
    corvo::gui_testing::SyntheticInput probe(display);
    XTestKeys xtest(display);
    corvo::platform::X11KeyPointerState keyState(display);
    if (!probe.IsConnected() || !xtest.IsConnected() || !keyState.IsAvailable()) {
        std::printf("cannot reach %s for XTest and the keymap\n", display.c_str());
        return 1;
    }

    MarkWatcher marks;
    WinAdvancedTestWidget dialog(nullptr, &marks, nullptr, 0);
    KeyArrivalWatcher arrivals;
    QCoreApplication::instance()->installNativeEventFilter(&arrivals);
    dialog.show();
    if (!WaitFor([&] { return dialog.IsCapturing() && probe.IsKeyboardGrabbedElsewhere(); }, 5000)) {
        std::printf("the dialog did not take the keyboard (capturing %s)\n", dialog.IsCapturing() ? "yes" : "no");
        QCoreApplication::instance()->removeNativeEventFilter(&arrivals);
        return 1;
    }
    Wait(200);
    marks.strays = 0;

    auto* stack = dialog.findChild<QStackedWidget*>(QString::fromLatin1(catalogue::kStackedWidgetName));
    const std::vector<Key> keys = stack != nullptr ? KeysOfShownPage(*stack, keyState) : std::vector<Key>{};
    if (keys.empty()) {
        std::printf("no key of the shown page can be pressed through XTest\n");
        QCoreApplication::instance()->removeNativeEventFilter(&arrivals);
        return 1;
    }

    const QString unmarked = QStringLiteral("/* not yet marked */");
    std::vector<double> toMark;
    std::vector<double> toQt;
    std::vector<double> qtToMark;
    std::map<int, int> extraEvents;
    int failures = 0;
    // A fixed walk through the keys: every key in turn, in a scrambled but repeatable order.
    uint32_t walk = 12345;
    for (int sample = 0; sample < samples && failures == 0; ++sample) {
        walk = walk * 1103515245u + 12345u;
        const Key& key = keys[(walk >> 8) % keys.size()];
        const QList<QPushButton*> buttons = ShownButtons(*stack, key.fragment);
        for (QPushButton* button : buttons) {
            button->setStyleSheet(unmarked);
        }
        Wait(kGapBaseMilliseconds + (sample * 11) % kGapSpreadMilliseconds);

        QEventLoop loop;
        Press press;
        press.keycode = key.keycode;
        press.loop = &loop;
        marks.current = &press;
        arrivals.current = &press;
        QTimer::singleShot(kHoldMilliseconds, Qt::PreciseTimer, &loop, [&] {
            xtest.Send(XCB_KEY_RELEASE, press.keycode);
            press.released = true;
            if (press.marked) {
                loop.quit();
            }
        });
        QTimer::singleShot(kGiveUpMilliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        xtest.Send(XCB_KEY_PRESS, press.keycode);
        press.sent = Clock::now();
        loop.exec();
        marks.current = nullptr;
        arrivals.current = nullptr;
        if (!press.released) {
            xtest.Send(XCB_KEY_RELEASE, press.keycode);
        }

        bool restyled = false;
        for (const QPushButton* button : buttons) {
            restyled = restyled || button->styleSheet() != unmarked;
        }
        if (!press.marked || !restyled) {
            std::printf("press %d of %s (keycode %u): %s within %d ms\n", sample, qPrintable(key.fragment),
                        key.keycode, press.marked ? "marking event arrived but its button was not restyled"
                                                  : "no marking event",
                        kGiveUpMilliseconds);
            ++failures;
            continue;
        }
        toMark.push_back(MillisecondsBetween(press.sent, *press.marked));
        if (press.seenByQt) {
            toQt.push_back(MillisecondsBetween(press.sent, *press.seenByQt));
            qtToMark.push_back(MillisecondsBetween(*press.seenByQt, *press.marked));
        }
        if (press.markEvents > 1) {
            ++extraEvents[key.virtualKey];
        }
    }
    Wait(100);
    QCoreApplication::instance()->removeNativeEventFilter(&arrivals);
    const bool stillCapturing = dialog.IsCapturing();
    dialog.hide();
    if (!xtest.IsConnected()) {
        std::printf("the XTest connection failed during the run\n");
        return 1;
    }

    std::printf("Key press to mark on the advanced dialog (WinAdvancedTestWidget shown, keyboard grab held: %s)\n",
                stillCapturing ? "yes" : "no");
    std::printf("Xvfb %s, page %d shown, %zu keys of it pressed in turn, %d presses of %d ms, gaps %d-%d ms, "
                "strict mode %s\n",
                display.c_str(), stack->currentIndex(), keys.size(), samples, kHoldMilliseconds,
                kGapBaseMilliseconds, kGapBaseMilliseconds + kGapSpreadMilliseconds - 1,
                dialog.IsStrictMode() ? "on" : "off");
    std::printf("from the XTest press flushed to the type-%d event at the host's event filter\n",
                static_cast<int>(QEvent::User));
    std::printf("%-22s %8s %8s %8s %8s %8s   %6s %6s %6s %6s\n", "ms (ticks of 32 ms)", "min", "median", "p90", "p99",
                "max", "median", "p90", "p99", "max");
    const Summary delay = Summarise(toMark);
    PrintRow("press -> mark event", delay);
    PrintRow("  press -> X key at Qt", Summarise(toQt));
    PrintRow("  X key at Qt -> mark", Summarise(qtToMark));
    std::printf("p99 %.3f ticks; target: p99 at most 1.25 ticks\n", delay.p99 / kTickMilliseconds);
    int extra = 0;
    for (const auto& [virtualKey, count] : extraEvents) {
        extra += count;
    }
    std::printf("presses marked: %zu of %d; presses with more than one mark event: %d; mark events outside any "
                "press: %d; X key events not seen by the watcher: %zu\n",
                toMark.size(), samples, extra, marks.strays, toMark.size() - toQt.size());
    return failures == 0 && static_cast<int>(toMark.size()) == samples ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    int samples = 300;
    if (!ParseCountOption(argc, argv, "advanced-key-mark-delay-benchmark", "--samples", samples)) {
        return 2;
    }
    return RunOnPrivateXvfb(argc, argv, [samples](const std::string& display) { return Run(display, samples); });
}
