// The high-contrast restyling of a style sheet: the rule model, the overrides and the recoloured icons.
#pragma once

#include <QColor>
#include <QMap>
#include <QString>

#include <cstddef>
#include <vector>

class QObject;

namespace corvo::utils::accessibility {

// Slots of the system palette the restyling and the dialogs read, by system colour index (all
// below 25, where slot and index coincide).
namespace colour_slot {
enum ColourIndex : std::size_t {
    kBackground = 1,
    kWindowColour = 5,
    kWindowText = 8,
    kHighlight = 13,
    kHighlightText = 14,
    kButtonFace = 15,
    kGreyText = 17,
    kButtonText = 18,
    kInfoText = 23,
};
} // namespace colour_slot

// Selector text to its declarations (property name to value), both ordered by key: the order in
// which a restyled sheet is written.
using StyleDeclarations = QMap<QString, QString>;
using StyleRuleModel = QMap<QString, StyleDeclarations>;

StyleRuleModel ParseStyleRules(const QString& sheet);
QString WriteStyleRules(const StyleRuleModel& rules);

// The sheet restyled with the system palette (thirty colours in the system palette's slot order).
// Recoloured icons are written as temporary files that become children of fileOwner, so they are
// removed with it.
QString BuildHighContrastStyleSheet(const QString& normalSheet, const std::vector<QColor>& systemPalette,
                                    QObject* fileOwner);

// The contrast ratio of two colours (1 to 21), and the least a text needs against its ground.
double ContrastRatio(const QColor& first, const QColor& second);
inline constexpr double kReadableContrast = 4.5;

// Gives every rule whose text colour would not read against its own background (or, without one,
// against windowBackground) the candidate that reads best there, if that one reads.
void EnsureReadableText(StyleRuleModel& rules, const std::vector<QColor>& candidates, const QColor& windowBackground);

// The folder the recoloured icons go to: the platform library's temporary folder plus "/temp", or
// a folder of the module's own under the system's temporary directory when it gives none.
QString TemporaryIconDirectory();

} // namespace corvo::utils::accessibility
