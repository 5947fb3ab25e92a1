// What a host can tell the user about the key sources the module will use on this session.
#pragma once

#include <string>

#include "platform/linux/InputChoice.h"

class QJsonObject;

namespace corvo::hosts {

struct KeyInputState {
    platform::InputSurvey survey;
    platform::InputChoice choice;
    // Where the interactive dialogs take their keys from, and on what grounds, in words.
    std::string dialogs;
    // Where the PS/2 test's watch for a user's keys and pointer reads them, and on what grounds.
    std::string watch;
    // The dialogs' source in a word or two, for a status bar.
    std::string dialogsWord;
};

// dialogsOnX: the host's windows, and so the dialogs, are on the X server of DISPLAY.
KeyInputState DescribeKeyInput(bool dialogsOnX);

// Where a desktop host started in this environment would put its windows, for a host that shows
// no dialogs itself: on X when the toolkit is told so (QT_QPA_PLATFORM=xcb) or when no Wayland
// session is seen.
bool DesktopDialogsOnX();

// What a run should be told about the PS/2 test's watch for a user: nothing when it reads every
// keyboard and pointer, else what goes unseen and what to do about it.
std::string WatchNote(const KeyInputState& keyInput);

// {"dialogs", "dialogsDetail", "watch", "watchDetail"}: each source's name, and its words.
QJsonObject KeyInputJson(const KeyInputState& keyInput);

} // namespace corvo::hosts
