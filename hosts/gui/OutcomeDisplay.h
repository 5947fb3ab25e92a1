// How the desktop host shows a result code: a word and an icon of its own for each, so that no
// outcome is told from another by colour alone.
#pragma once

#include <QIcon>
#include <QString>

#include <cstdint>

namespace corvo::hosts::gui {

class OutcomeDisplay {
public:
    // "passed", "passed with warnings", ... in the user's language; unknown codes keep their number.
    static QString Text(uint32_t result);
    // A shape per outcome (a tick, a tick with a warning sign, a cross, ...); colour only adds to it.
    static QIcon Icon(uint32_t result);
    // The message kind as the log and the result details name it: "info", "warning", "failure".
    static QString KindText(uint32_t kind);
};

} // namespace corvo::hosts::gui
