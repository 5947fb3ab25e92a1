// Words for the module's choice of key sources, from the same survey the module makes.
#include "KeyInputState.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

namespace corvo::hosts {

namespace {

using platform::InputSurvey;
using platform::KeySource;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString SourceWords(KeySource source, const InputSurvey& survey)
{
    switch (source) {
    case KeySource::X11:
        return QCoreApplication::translate("KeyInput", "the X server %1").arg(Q(survey.display));
    case KeySource::EventDevices:
        return QCoreApplication::translate("KeyInput", "the event devices in %1 (keyboards: %2)")
            .arg(Q(survey.inputDirectory), QString::number(survey.keyboards));
    case KeySource::XWayland:
        return QCoreApplication::translate("KeyInput", "the X server %1 inside the Wayland session, which sees only "
                                                       "keys typed into X windows")
            .arg(Q(survey.display));
    case KeySource::FocusedWindow:
        return QCoreApplication::translate("KeyInput", "only the keys typed into the focused dialog");
    case KeySource::None:
        break;
    }
    return QCoreApplication::translate("KeyInput", "nothing");
}

// The session, and why the event devices were passed over where they would have served better.
QString Grounds(KeySource source, const InputSurvey& survey)
{
    QString grounds =
        !survey.waylandEvidence.empty()
            ? QCoreApplication::translate("KeyInput", "on a Wayland session (%1)").arg(Q(survey.waylandEvidence))
        : survey.displayAnswers ? QCoreApplication::translate("KeyInput", "on an X session")
                                : QCoreApplication::translate("KeyInput", "with no X server");
    if (source != KeySource::X11 && source != KeySource::EventDevices) {
        grounds += QStringLiteral("; ") +
                   (survey.refused > 0
                        ? QCoreApplication::translate("KeyInput", "the event devices cannot be opened (%1): run as "
                                                                  "root or as a member of the input group")
                              .arg(Q(survey.refusal))
                        : QCoreApplication::translate("KeyInput", "no keyboard event device in %1")
                              .arg(Q(survey.inputDirectory)));
    }
    return grounds;
}

QString Line(KeySource source, const InputSurvey& survey)
{
    return SourceWords(source, survey) + QStringLiteral(", ") + Grounds(source, survey);
}

} // namespace

KeyInputState DescribeKeyInput(bool dialogsOnX)
{
    KeyInputState state;
    state.survey = platform::SurveyInput(dialogsOnX);
    state.choice = platform::ChooseInput(state.survey);
    state.dialogs = Line(state.choice.capture, state.survey).toStdString();
    state.watch = Line(state.choice.watchState, state.survey).toStdString();
    // In KeySource's order.
    static const char* const kWords[] = {
        QT_TRANSLATE_NOOP("KeyInput", "X11"), QT_TRANSLATE_NOOP("KeyInput", "event devices"),
        QT_TRANSLATE_NOOP("KeyInput", "XWayland"), QT_TRANSLATE_NOOP("KeyInput", "focused dialog only"),
        QT_TRANSLATE_NOOP("KeyInput", "none")};
    state.dialogsWord =
        QCoreApplication::translate("KeyInput", kWords[static_cast<int>(state.choice.capture)]).toStdString();
    return state;
}

bool DesktopDialogsOnX()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    return platform.startsWith(QLatin1String("xcb")) ||
           (platform.isEmpty() && platform::WaylandEvidence().empty());
}

std::string WatchNote(const KeyInputState& keyInput)
{
    switch (keyInput.choice.watchState) {
    case KeySource::None:
        return QCoreApplication::translate("KeyInput", "no X display and no readable input device here: the tests "
                                                       "cannot see a person touching the keyboard or the pointer, so "
                                                       "user intervention goes undetected")
            .toStdString();
    case KeySource::XWayland:
        return QCoreApplication::translate("KeyInput", "the tests see the keyboard and the pointer only through "
                                                       "XWayland, which misses what is typed into the Wayland "
                                                       "session's own windows: run as root or as a member of the "
                                                       "input group so that they read the devices themselves")
            .toStdString();
    default:
        return {};
    }
}

QJsonObject KeyInputJson(const KeyInputState& keyInput)
{
    return QJsonObject{{"dialogs", platform::KeySourceName(keyInput.choice.capture)},
                       {"dialogsDetail", Q(keyInput.dialogs)},
                       {"watch", platform::KeySourceName(keyInput.choice.watchState)},
                       {"watchDetail", Q(keyInput.watch)}};
}

} // namespace corvo::hosts
