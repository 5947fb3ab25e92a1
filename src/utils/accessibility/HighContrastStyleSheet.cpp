// Derives the high-contrast style sheet from the normal one, rule by rule, and recolours its SVG icons.
#include "utils/accessibility/HighContrastStyleSheet.h"

#include "platform/hwkit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

namespace corvo::utils::accessibility {

using colour_slot::ColourIndex;
using namespace colour_slot;

namespace {

QString SolidBorder(const QString& colour)
{
    return QStringLiteral("1px solid ") + colour;
}

// The icon named by the first double-quoted text of a property value, recoloured and written to a
// new temporary file; the empty text when anything is missing, so the property keeps its value.
QString RecolouredIcon(const QString& value, const QString& fillColour, QObject* fileOwner)
{
    const qsizetype openingQuote = value.indexOf(QLatin1Char('"'));
    if (openingQuote < 0)
        return QString();
    const qsizetype closingQuote = value.indexOf(QLatin1Char('"'), openingQuote + 1);
    if (closingQuote < 0)
        return QString();
    const QString iconPath = value.mid(openingQuote + 1, closingQuote - openingQuote - 1);

    QFile icon(iconPath);
    if (!icon.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QString text = QString::fromUtf8(icon.readAll());

    const QString fillAttribute = QStringLiteral("fill=\"");
    const qsizetype fillStart = text.indexOf(fillAttribute);
    if (fillStart < 0)
        return QString();
    const qsizetype colourStart = fillStart + fillAttribute.size();
    const qsizetype colourEnd = text.indexOf(QLatin1Char('"'), colourStart);
    // fill="" names no colour, and the empty text would match between every character.
    if (colourEnd <= colourStart)
        return QString();
    const QString oldColour = text.mid(colourStart, colourEnd - colourStart);
    text.replace(oldColour, fillColour);
    if (text.isEmpty())
        return QString();

    const QString directory = TemporaryIconDirectory();
    if (!QDir().mkpath(directory))
        return QString();
    QString baseName = QFileInfo(iconPath).baseName();
    if (baseName.isEmpty())
        baseName = QStringLiteral("temp_svg");
    auto* file = new QTemporaryFile(directory + QLatin1Char('/') + baseName + QStringLiteral("_XXXXXX.svg"), fileOwner);
    const QByteArray bytes = text.toUtf8();
    if (!file->open() || file->write(bytes) != bytes.size() || !file->flush()) {
        delete file;
        return QString();
    }
    return file->fileName();
}

// A colour as a style sheet writes it: a name, "#rgb", "#rrggbb" or "rgb(r, g, b)"; nothing for
// "transparent", "initial" and anything else that names no colour of its own.
std::optional<QColor> ParseColour(const QString& value)
{
    static const QRegularExpression rgb(QStringLiteral("^rgb\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*\\)$"));
    const QString text = value.trimmed();
    if (const QRegularExpressionMatch match = rgb.match(text); match.hasMatch()) {
        return QColor(std::min(match.captured(1).toInt(), 255), std::min(match.captured(2).toInt(), 255),
                      std::min(match.captured(3).toInt(), 255));
    }
    if (text.compare(QLatin1String("transparent"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    const QColor colour = QColor::fromString(text);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    // Relative luminance of sRGB colours, as the accessibility guidelines define it.
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

void EnsureReadableText(StyleRuleModel& rules, const std::vector<QColor>& candidates, const QColor& windowBackground)
{
    for (auto rule = rules.begin(); rule != rules.end(); ++rule) {
        const auto colour = rule->find(QStringLiteral("color"));
        if (colour == rule->end())
            continue;
        const std::optional<QColor> text = ParseColour(colour.value());
        const auto backgroundValue = rule->find(QStringLiteral("background-color"));
        const std::optional<QColor> ownBackground =
            backgroundValue != rule->end() ? ParseColour(backgroundValue.value()) : std::nullopt;
        const QColor background = ownBackground.value_or(windowBackground);
        if (text && ContrastRatio(*text, background) >= kReadableContrast)
            continue;
        const auto best = std::max_element(candidates.begin(), candidates.end(), [&](const QColor& a, const QColor& b) {
            return ContrastRatio(a, background) < ContrastRatio(b, background);
        });
        // A palette none of whose colours reads there is left as it is: nothing better is known.
        if (best != candidates.end() && ContrastRatio(*best, background) >= kReadableContrast)
            colour.value() = best->name();
    }
}

QString TemporaryIconDirectory()
{
    const std::string platformPath = hwkit::get_temporary_path();
    if (platformPath.empty())
        return QDir::tempPath() + QStringLiteral("/halvik-diagnostics/temp");
    return QString::fromStdString(platformPath) + QStringLiteral("/temp");
}

StyleRuleModel ParseStyleRules(const QString& sheet)
{
    StyleRuleModel rules;
    const QStringList parts = sheet.split(QLatin1Char('}'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QStringList pieces = part.split(QLatin1Char('{'));
        if (pieces.size() != 2)
            continue;
        StyleDeclarations& declarations = rules[pieces[0].trimmed()];
        const QStringList body = pieces[1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& declaration : body) {
            const QStringList nameValue = declaration.split(QLatin1Char(':'));
            if (nameValue.size() >= 2)
                declarations[nameValue[0].trimmed()] = nameValue[1].trimmed();
        }
    }
    return rules;
}

QString WriteStyleRules(const StyleRuleModel& rules)
{
    QString sheet;
    for (auto rule = rules.cbegin(); rule != rules.cend(); ++rule) {
        sheet += rule.key() + QStringLiteral(" {\n");
        for (auto declaration = rule->cbegin(); declaration != rule->cend(); ++declaration)
            sheet += QStringLiteral("  ") + declaration.key() + QStringLiteral(": ") + declaration.value()
                + QStringLiteral(";\n");
        sheet += QStringLiteral("}\n");
    }
    return sheet;
}

QString BuildHighContrastStyleSheet(const QString& normalSheet, const std::vector<QColor>& systemPalette,
                                    QObject* fileOwner)
{
    const auto name = [&systemPalette](ColourIndex index) {
        return index < systemPalette.size() ? systemPalette[index].name() : QColor(Qt::black).name();
    };
    const QString background = name(kBackground);
    const QString windowText = name(kWindowText);
    const QString highlight = name(kHighlight);
    const QString highlightText = name(kHighlightText);
    const QString buttonFace = name(kButtonFace);
    const QString greyText = name(kGreyText);
    const QString buttonText = name(kButtonText);
    const QString infoText = name(kInfoText);

    StyleRuleModel rules = ParseStyleRules(normalSheet);
    // Rules added for derived selectors are results, not input: only the sheet's own rules are
    // restyled, each seeing what earlier rules changed in it.
    const QStringList selectors = rules.keys();
    for (const QString& selector : selectors) {
        for (auto declaration = rules[selector].begin(); declaration != rules[selector].end(); ++declaration) {
            if (declaration.key() != QLatin1String("image") && declaration.key() != QLatin1String("icon"))
                continue;
            const QString recoloured = RecolouredIcon(declaration.value(), windowText, fileOwner);
            if (!recoloured.isEmpty())
                declaration.value() = QStringLiteral("url(\"") + recoloured + QStringLiteral("\")");
        }

        if (selector.startsWith(QLatin1String("QWidget#"))) {
            StyleDeclarations& declarations = rules[selector];
            declarations[QStringLiteral("background-color")] = background;
            if (selector.contains(QLatin1String("camera_barcode_test_information_message_container"))
                || selector.contains(QLatin1String("camera_barcode_test_warning_container")))
                declarations[QStringLiteral("border-color")] = windowText;
            if (selector.contains(QLatin1String("border_widget"))
                || selector.contains(QLatin1String("display_interactive_widget_card"))) {
                declarations[QStringLiteral("border-radius")] = QStringLiteral("4px");
                declarations[QStringLiteral("border")] = SolidBorder(windowText);
            }
        }

        if (selector.startsWith(QLatin1String("QLabel#"))) {
            const struct {
                QLatin1String suffix;
                QString colour;
            } states[] = {
                {QLatin1String(""), windowText},
                {QLatin1String(":disabled"), greyText},
                {QLatin1String(":selected"), highlightText},
                {QLatin1String(":active"), infoText},
                {QLatin1String(":focus"), QString()},
            };
            for (const auto& state : states) {
                const auto rule = rules.find(selector + state.suffix);
                if (rule == rules.end())
                    continue;
                (*rule)[QStringLiteral("color")] = state.colour;
                if (state.suffix == QLatin1String(":focus")) {
                    (*rule)[QStringLiteral("border")] = QStringLiteral("2px solid");
                    (*rule)[QStringLiteral("outline-style")] = QStringLiteral("none");
                    (*rule)[QStringLiteral("border-color")] = highlight;
                }
            }
        }

        if (selector.startsWith(QLatin1String("QPushButton"))) {
            StyleDeclarations& declarations = rules[selector];
            if (selector.contains(QLatin1String(":hover"))) {
                declarations[QStringLiteral("color")] = buttonFace;
                declarations[QStringLiteral("background-color")] = highlight;
                declarations[QStringLiteral("border")] = QStringLiteral("none");
            } else {
                declarations[QStringLiteral("color")] = buttonText;
                declarations[QStringLiteral("background-color")] = buttonFace;
                declarations[QStringLiteral("border")] = SolidBorder(buttonText);
                if (selector.contains(QLatin1String("header_close"))) {
                    declarations[QStringLiteral("border-radius")] = QStringLiteral("14px");
                    declarations.remove(QStringLiteral("animation"));
                }
            }
        }

        if (selector.contains(QLatin1String("objectName*="))) {
            rules[selector].remove(QStringLiteral("border-color"));
            if (selector.contains(QLatin1String(":focus"))) {
                const QStringList parts = selector.split(QLatin1Char(','));
                QStringList focusedParts;
                for (const QString& part : parts)
                    focusedParts.append(part + QStringLiteral(":focus"));
                const QString focusedSelector = focusedParts.join(QStringLiteral(", "));

                QStringList containerParts;
                for (const QLatin1String container :
                     {QLatin1String("display_interactive_footer_button_number_1"),
                      QLatin1String("display_interactive_footer_button_number_2"),
                      QLatin1String("display_interactive_footer_button_number_3")}) {
                    for (const QString& part : parts) {
                        if (part.contains(container))
                            containerParts.append(part);
                    }
                }
                const QString containerSelector = containerParts.join(QLatin1Char(','));
                if (!containerSelector.isEmpty())
                    rules[containerSelector][QStringLiteral("border-radius")] = QStringLiteral("8px");

                StyleDeclarations& focused = rules[focusedSelector];
                focused[QStringLiteral("border")] = QStringLiteral("2px solid");
                focused[QStringLiteral("outline-style")] = QStringLiteral("none");
                focused[QStringLiteral("border-color")] = highlight;
            }
        }

        for (const QLatin1String widgetClass :
             {QLatin1String("QSpinBox#"), QLatin1String("QComboBox#"), QLatin1String("QRadioButton#"),
              QLatin1String("QLCDNumber#"), QLatin1String("QStackedWidget#")}) {
            if (!selector.startsWith(widgetClass))
                continue;
            StyleDeclarations& declarations = rules[selector];
            declarations[QStringLiteral("color")] = highlightText;
            declarations[QStringLiteral("background-color")] = buttonFace;
            declarations[QStringLiteral("border")] = SolidBorder(buttonFace);
            break;
        }
    }
    // The rules above were made for one kind of palette; with another (light text on a dark
    // ground) some give text the colour of its own ground, and rules they do not touch keep the
    // normal sheet's dark text. The theme's own text colours stand in wherever a text would not
    // read.
    const auto colour = [&systemPalette](ColourIndex index) {
        return index < systemPalette.size() ? systemPalette[index] : QColor(Qt::black);
    };
    EnsureReadableText(rules, {colour(kWindowText), colour(kButtonText), colour(kHighlightText), colour(kBackground)},
                       colour(kBackground));
    return WriteStyleRules(rules);
}

} // namespace corvo::utils::accessibility
