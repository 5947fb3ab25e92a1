// The high-contrast restyling of a style sheet: the rule model, the overrides and the recoloured icons.
#pragma once

#include <QColor>
#include <QMap>
#include <QString>

#include <vector>

class QObject;

namespace corvo::utils::accessibility {

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

// The folder the recoloured icons go to: the platform library's temporary folder plus "/temp", or
// a folder of the module's own under the system's temporary directory when it gives none.
QString TemporaryIconDirectory();

} // namespace corvo::utils::accessibility
