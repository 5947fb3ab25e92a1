// The advanced dialog's costs as ratios against the same number of plain push buttons, built,
// styled and restyled the same way in the same run: construction, one reset, one marking pass.
//
// Run: advanced-dialog-cost-benchmark [--runs N]. It starts its own Xvfb. It prints figures and
// never judges them; it fails only when something that should have been measured did not happen
// (no key button found, a restyle that painted nothing, a marking pass that marked nothing).
//
// Qt applies style sheets lazily: setStyleSheet on a widget that was never polished only stores
// the text, and the rules are worked out when the widget is polished (shown, or ensurePolished).
// So construction is timed together with a forced polish of the whole tree, and reset and marking
// are timed on shown, polished windows, where setStyleSheet re-polishes at once; "+paint" adds the
// delivery of the posted events and the synchronous painting of the window's dirty region.
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegion>
#include <QStackedWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "BenchmarkSupport.h"
#include "advanced/LayoutCatalogue.h"
#include "advanced/WinAdvancedTestWidget.h"

namespace {

using namespace corvo::advanced_bench;
namespace catalogue = corvo::advanced;

// Of the same form as the dialog's key styles, so that the plain buttons' style work is alike.
constexpr char kPlainStyle[] =
    ":disabled {color:black;font: 10px; background-color: #cccccc;margin: 1px;border-style: none;}";
constexpr char kMarkedStyle[] = "background-color: #18A0FB;color: black;border-style: initial;font: 10px";

// One key button of the dialog, as the plain tree copies it.
struct Blueprint {
    QString name;
    QString text;
    int page;
    QRect geometry;
    QRect containerGeometry;
};

struct Tree {
    std::unique_ptr<QWidget> root;
    QStackedWidget* stack = nullptr;
};

double Time(const std::function<void()>& work)
{
    const Clock::time_point start = Clock::now();
    work();
    return MillisecondsBetween(start, Clock::now());
}

QStackedWidget* StackOf(QWidget& dialog)
{
    return dialog.findChild<QStackedWidget*>(QString::fromLatin1(catalogue::kStackedWidgetName));
}

std::vector<Blueprint> BlueprintsOf(QStackedWidget& stack)
{
    std::vector<Blueprint> blueprints;
    for (int page = 0; page < stack.count(); ++page) {
        for (const QPushButton* button : stack.widget(page)->findChildren<QPushButton*>()) {
            const QWidget* container = button->parentWidget();
            blueprints.push_back({button->objectName(), button->text(), page, button->geometry(),
                                  container != nullptr ? container->geometry() : QRect()});
        }
    }
    return blueprints;
}

// Root, stacked widget, page, container, button: the depth the dialog's key buttons sit at. Each
// page is filled before it joins the stack, as the generated form does: a page that the stack
// has already shown counts as polished, and ensurePolished would not reach buttons added later.
Tree BuildPlainTree(const std::vector<Blueprint>& blueprints, const QRect& stackGeometry, int pages, int current)
{
    Tree tree;
    tree.root = std::make_unique<QWidget>();
    tree.root->resize(908, 450);
    tree.stack = new QStackedWidget(tree.root.get());
    tree.stack->setGeometry(stackGeometry);
    std::vector<QWidget*> pageWidgets;
    std::vector<QWidget*> containers;
    for (int page = 0; page < pages; ++page) {
        pageWidgets.push_back(new QWidget);
        containers.push_back(new QWidget(pageWidgets.back()));
    }
    const QString plain = QString::fromLatin1(kPlainStyle);
    for (const Blueprint& blueprint : blueprints) {
        QWidget* container = containers[static_cast<std::size_t>(blueprint.page)];
        container->setGeometry(blueprint.containerGeometry);
        auto* button = new QPushButton(blueprint.text, container);
        button->setObjectName(blueprint.name);
        button->setGeometry(blueprint.geometry);
        button->setEnabled(false);
        button->setStyleSheet(plain);
    }
    for (QWidget* pageWidget : pageWidgets) {
        tree.stack->addWidget(pageWidget);
    }
    tree.stack->setCurrentIndex(current);
    return tree;
}

void RestylePlain(QStackedWidget& stack)
{
    const QString plain = QString::fromLatin1(kPlainStyle);
    for (QPushButton* button : stack.findChildren<QPushButton*>()) {
        button->setEnabled(false);
        button->setStyleSheet(plain);
    }
}

int MarkPlain(QStackedWidget& stack, const QString& fragment)
{
    const QString marked = QString::fromLatin1(kMarkedStyle);
    int matched = 0;
    for (QPushButton* button : stack.findChildren<QPushButton*>()) {
        if (button->objectName().contains(fragment)) {
            button->setStyleSheet(marked);
            ++matched;
        }
    }
    return matched;
}

// Every button there, and polished: the style sheets were worked out, not merely stored.
bool IsBuiltAndPolished(QStackedWidget& stack, int buttons)
{
    const QList<QPushButton*> found = stack.findChildren<QPushButton*>();
    int unpolished = 0;
    for (const QPushButton* button : found) {
        unpolished += button->testAttribute(Qt::WA_WState_Polished) ? 0 : 1;
    }
    return found.size() == buttons && unpolished == 0;
}

// Delivers what the restyle posted and paints the window's dirty region now, as the next pass of
// the event loop would.
void Paint(QWidget& window)
{
    QCoreApplication::sendPostedEvents();
    window.repaint(QRect(0, 0, 1, 1));
}

// Counts the paint events of one widget, to prove that a restyle reached the screen.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

std::vector<QString> StyleSheets(QStackedWidget& stack)
{
    std::vector<QString> sheets;
    for (const QPushButton* button : stack.findChildren<QPushButton*>()) {
        sheets.push_back(button->styleSheet());
    }
    return sheets;
}

int CountChanged(QStackedWidget& stack, const std::vector<QString>& before)
{
    const std::vector<QString> after = StyleSheets(stack);
    int changed = 0;
    for (std::size_t index = 0; index < after.size() && index < before.size(); ++index) {
        changed += after[index] != before[index] ? 1 : 0;
    }
    return changed;
}

struct Pairs {
    std::vector<double> dialog;
    std::vector<double> plain;
    std::vector<double> ratio;

    void Add(double dialogMs, double plainMs)
    {
        dialog.push_back(dialogMs);
        plain.push_back(plainMs);
        ratio.push_back(plainMs > 0.0 ? dialogMs / plainMs : 0.0);
    }
};

void PrintRow(const char* label, const Pairs& pairs)
{
    const Summary dialog = Summarise(pairs.dialog);
    const Summary plain = Summarise(pairs.plain);
    const Summary ratio = Summarise(pairs.ratio);
    std::printf("%-24s %9.3f  %9.3f-%-9.3f %9.3f  %9.3f-%-9.3f %7.2f  %6.2f-%-6.2f\n", label, dialog.median,
                dialog.min, dialog.max, plain.median, plain.min, plain.max, ratio.median, ratio.min, ratio.max);
}

bool WaitExposed(QWidget& window)
{
    return WaitFor([&window] { return window.windowHandle() != nullptr && window.windowHandle()->isExposed(); },
                   5000);
}

int Run(const std::string& display, int runs)
{
    // A first dialog warms fonts, the style and the X connection up; its time is shown apart.
    double coldMs = 0.0;
    std::unique_ptr<WinAdvancedTestWidget> cold;
    coldMs = Time([&] {
        cold = std::make_unique<WinAdvancedTestWidget>(nullptr, nullptr, nullptr, 0);
        cold->ensurePolished();
    });
    QStackedWidget* coldStack = StackOf(*cold);
    if (coldStack == nullptr) {
        std::printf("the dialog has no stacked widget named %s\n", catalogue::kStackedWidgetName);
        return 1;
    }
    const std::vector<Blueprint> blueprints = BlueprintsOf(*coldStack);
    const QRect stackGeometry = coldStack->geometry();
    const int pages = coldStack->count();
    const int current = coldStack->currentIndex();
    const bool strict = cold->IsStrictMode();
    cold.reset();
    if (blueprints.empty()) {
        std::printf("the dialog's stacked widget holds no push button\n");
        return 1;
    }
    const int buttons = static_cast<int>(blueprints.size());
    int keyButtons = 0;
    for (const Blueprint& blueprint : blueprints) {
        keyButtons += blueprint.name.startsWith(QLatin1String(catalogue::kKeyButtonPrefix)) ? 1 : 0;
    }

    // Construction: without a window on screen, so the capture cannot take the keyboard, but its
    // X connections and the key-text connection are made as in real use.
    Pairs construct;
    Pairs constructAndPolish;
    bool built = true;
    for (int run = 0; run < runs; ++run) {
        double dialogBuild = 0.0;
        double dialogPolish = 0.0;
        double plainBuild = 0.0;
        double plainPolish = 0.0;
        const auto timeDialog = [&] {
            std::unique_ptr<WinAdvancedTestWidget> dialog;
            dialogBuild = Time([&] { dialog = std::make_unique<WinAdvancedTestWidget>(nullptr, nullptr, nullptr, 0); });
            dialogPolish = Time([&] { dialog->ensurePolished(); });
            built = built && IsBuiltAndPolished(*StackOf(*dialog), buttons);
        };
        const auto timePlain = [&] {
            Tree tree;
            plainBuild = Time([&] { tree = BuildPlainTree(blueprints, stackGeometry, pages, current); });
            plainPolish = Time([&] { tree.root->ensurePolished(); });
            built = built && IsBuiltAndPolished(*tree.stack, buttons);
        };
        // Alternating the order keeps a trend of the machine from favouring one side.
        if (run % 2 == 0) {
            timeDialog();
            timePlain();
        } else {
            timePlain();
            timeDialog();
        }
        if (!built) {
            std::printf("a constructed tree lacked buttons or was left unpolished\n");
            return 1;
        }
        construct.Add(dialogBuild, plainBuild);
        constructAndPolish.Add(dialogBuild + dialogPolish, plainBuild + plainPolish);
    }

    // Reset and marking on shown windows, every button polished.
    WinAdvancedTestWidget dialog(nullptr, nullptr, nullptr, 0);
    Tree plain = BuildPlainTree(blueprints, stackGeometry, pages, current);
    dialog.show();
    plain.root->move(0, 0);
    plain.root->show();
    if (!WaitExposed(dialog) || !WaitExposed(*plain.root)) {
        std::printf("the dialog or the plain window was not exposed on %s\n", display.c_str());
        return 1;
    }
    Wait(200);
    QStackedWidget* stack = StackOf(dialog);
    const QList<QPushButton*> shownDialogButtons = stack->currentWidget()->findChildren<QPushButton*>();
    const QList<QPushButton*> shownPlainButtons = plain.stack->currentWidget()->findChildren<QPushButton*>();
    if (shownDialogButtons.isEmpty() || shownPlainButtons.isEmpty()) {
        std::printf("no key button on the shown page\n");
        return 1;
    }
    // The A key of the shown page: every reset below has marked it first, so a reset that reaches
    // the screen repaints it.
    QPushButton* dialogA = nullptr;
    for (QPushButton* button : shownDialogButtons) {
        if (button->objectName().contains(QStringLiteral("_W65_"))) {
            dialogA = button;
        }
    }
    if (dialogA == nullptr) {
        std::printf("the shown page has no A key\n");
        return 1;
    }
    PaintCounter dialogPaints(dialogA);
    PaintCounter plainPaints(shownPlainButtons.front());

    // Every code the shown page's keys carry: pressing them all is the most a reset has to undo
    // (each press also paints the same key on the other pages).
    std::vector<QString> shownFragments;
    static const QRegularExpression codeField(QStringLiteral("_W(\\d+)_"));
    for (const QPushButton* button : shownDialogButtons) {
        for (auto match = codeField.globalMatch(button->objectName()); match.hasNext();) {
            const QString fragment = QStringLiteral("W%1_").arg(match.next().captured(1));
            if (std::find(shownFragments.begin(), shownFragments.end(), fragment) == shownFragments.end()) {
                shownFragments.push_back(fragment);
            }
        }
    }

    // A reset restyles only the buttons whose style changes, so what it costs depends on how much
    // was marked: one key, or every key of the shown page. The plain buttons are all restyled, as a
    // reset that restyles every button would do.
    struct ResetFigures {
        const char* label;
        std::vector<QString> fragments;
        Pairs call;
        Pairs painted;
        int undone = 0;
    };
    std::vector<ResetFigures> resets{{"after one key", {QStringLiteral("W65_")}, {}, {}, 0},
                                     {"after every key", shownFragments, {}, {}, 0}};
    std::vector<double> shownPageOnly;
    for (ResetFigures& reset : resets) {
        for (int run = 0; run < runs * 3; ++run) {
            for (const QString& fragment : reset.fragments) {
                dialog.MarkKeys(fragment);
            }
            Paint(dialog);
            const std::vector<QString> before = StyleSheets(*stack);
            const int dialogBefore = dialogPaints.count;
            const int plainBefore = plainPaints.count;
            const double dialogCall = Time([&] { dialog.on_refresh_button_clicked(); });
            const double dialogPaint = Time([&] { Paint(dialog); });
            const double plainCall = Time([&] { RestylePlain(*plain.stack); });
            const double plainPaint = Time([&] { Paint(*plain.root); });
            reset.undone = CountChanged(*stack, before);
            if (dialogPaints.count == dialogBefore || plainPaints.count == plainBefore || reset.undone == 0) {
                std::printf("a reset did not repaint its shown buttons (dialog %d, plain %d paints, %d undone)\n",
                            dialogPaints.count - dialogBefore, plainPaints.count - plainBefore, reset.undone);
                return 1;
            }
            reset.call.Add(dialogCall, plainCall);
            reset.painted.Add(dialogCall + dialogPaint, plainCall + plainPaint);
            shownPageOnly.push_back(Time([&] {
                for (QPushButton* button : shownPlainButtons) {
                    button->setEnabled(false);
                    button->setStyleSheet(QString::fromLatin1(kPlainStyle));
                }
            }));
        }
    }

    struct MarkFigures {
        const char* fragment;
        Pairs call;
        Pairs painted;
        int dialogMarked = 0;
        int plainMarked = 0;
    };
    std::vector<MarkFigures> marks{{"W65_", {}, {}, 0, 0}, {"W13_", {}, {}, 0, 0}};
    for (MarkFigures& mark : marks) {
        const QString fragment = QString::fromLatin1(mark.fragment);
        for (int run = 0; run < runs * 3; ++run) {
            // Every pass marks keys that were plain, as a first press of a key does.
            dialog.on_refresh_button_clicked();
            Paint(dialog);
            RestylePlain(*plain.stack);
            Paint(*plain.root);
            const std::vector<QString> before = StyleSheets(*stack);
            const double dialogCall = Time([&] { dialog.MarkKeys(fragment); });
            const double dialogPaint = Time([&] { Paint(dialog); });
            const double plainCall = Time([&] { mark.plainMarked = MarkPlain(*plain.stack, fragment); });
            const double plainPaint = Time([&] { Paint(*plain.root); });
            mark.dialogMarked = CountChanged(*stack, before);
            if (mark.dialogMarked == 0 || mark.plainMarked == 0) {
                std::printf("marking %s restyled %d dialog and %d plain buttons\n", mark.fragment, mark.dialogMarked,
                            mark.plainMarked);
                return 1;
            }
            mark.call.Add(dialogCall, plainCall);
            mark.painted.Add(dialogCall + dialogPaint, plainCall + plainPaint);
        }
    }
    plain.root->hide();
    dialog.hide();

    std::printf("Advanced dialog (WinAdvancedTestWidget, its key capture included) against plain QPushButtons\n");
    std::printf("Xvfb %s, N = %d push buttons in the stacked widget (%d key buttons, %d illustration keys) on %d "
                "pages, page %d shown (%d buttons), strict mode %s\n",
                display.c_str(), buttons, keyButtons, buttons - keyButtons, pages, current,
                static_cast<int>(shownPlainButtons.size()), strict ? "on" : "off");
    std::printf("construction: %d runs; reset and marking: %d runs; medians with min-max\n", runs, runs * 3);
    std::printf("  construct: the constructor alone; +polish: then ensurePolished on the whole tree, where\n"
                "  style sheets are worked out (no window shown). call: the synchronous call on shown,\n"
                "  polished windows (re-polishes every restyled button); +paint: then posted events and\n"
                "  the dirty region painted.\n");
    std::printf("%-24s %9s  %-19s %9s  %-19s %7s  %-13s\n", "", "dialog ms", "(min-max)", "plain ms", "(min-max)",
                "ratio", "(min-max)");
    PrintRow("construct", construct);
    PrintRow("construct +polish", constructAndPolish);
    for (const ResetFigures& reset : resets) {
        PrintRow((std::string("reset ") + reset.label).c_str(), reset.call);
        PrintRow((std::string("reset ") + reset.label + " +paint").c_str(), reset.painted);
    }
    for (const MarkFigures& mark : marks) {
        PrintRow((std::string("mark ") + mark.fragment + " call").c_str(), mark.call);
        PrintRow((std::string("mark ") + mark.fragment + " +paint").c_str(), mark.painted);
    }
    for (const MarkFigures& mark : marks) {
        std::printf("mark %s restyles %d dialog buttons and %d plain buttons\n", mark.fragment, mark.dialogMarked,
                    mark.plainMarked);
    }
    for (const ResetFigures& reset : resets) {
        const Summary call = Summarise(reset.call.dialog);
        const Summary painted = Summarise(reset.painted.dialog);
        std::printf("one reset %s (%d buttons restyled): median %.3f ms = %.3f of a %.0f ms tick (max %.3f ms = "
                    "%.3f); with paint %.3f ms = %.3f (max %.3f); target: well inside one tick\n",
                    reset.label, reset.undone, call.median, call.median / kTickMilliseconds, kTickMilliseconds,
                    call.max, call.max / kTickMilliseconds, painted.median, painted.median / kTickMilliseconds,
                    painted.max / kTickMilliseconds);
    }
    std::printf("restyling only the shown page's %d plain buttons: median %.3f ms = %.3f of a tick\n",
                static_cast<int>(shownPlainButtons.size()), Summarise(shownPageOnly).median,
                Summarise(shownPageOnly).median / kTickMilliseconds);
    std::printf("first dialog of the process (cold), constructed and polished: %.3f ms\n", coldMs);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 7;
    if (!ParseCountOption(argc, argv, "advanced-dialog-cost-benchmark", "--runs", runs)) {
        return 2;
    }
    return RunOnPrivateXvfb(argc, argv, [runs](const std::string& display) { return Run(display, runs); });
}
