// Fuzz entry: a style sheet through the rule model and the high-contrast restyling.
#include "utils/accessibility/HighContrastStyleSheet.h"

#include "FuzzSupport.h"

#include "FakeHwkit.h"

#include <QFile>
#include <QObject>
#include <QTemporaryDir>

#include <unistd.h>

using namespace corvo::utils::accessibility;

namespace {

// The restyling reads the icons a sheet names: here only "icon.svg" in a scratch folder, which is
// also where the recoloured copies go.
bool EnterScratchFolder()
{
    static QTemporaryDir folder;
    QFile icon(folder.filePath("icon.svg"));
    fakehwkit::SetTemporaryPath(folder.path().toStdString());
    return folder.isValid() && icon.open(QIODevice::WriteOnly)
        && icon.write(R"(<svg xmlns="http://www.w3.org/2000/svg"><path fill="#000000" d="M0 0h9v9z"/></svg>)") > 0
        && chdir(folder.path().toLocal8Bit().constData()) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const bool ready = EnterScratchFolder();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // A slash could name any file of the machine as an icon.
    if (!ready || bytes.contains('/'))
        return 0;
    const QString sheet = QString::fromUtf8(bytes);
    const StyleRuleModel rules = ParseStyleRules(sheet);
    Check(ParseStyleRules(WriteStyleRules(rules)) == rules, "written rules do not read back");
    QObject iconOwner;
    const std::vector<QColor> palette(30, QColor(0x12, 0x34, 0x56));
    const StyleRuleModel restyled = ParseStyleRules(BuildHighContrastStyleSheet(sheet, palette, &iconOwner));
    for (auto rule = rules.cbegin(); rule != rules.cend(); ++rule)
        Check(restyled.contains(rule.key()), "restyling lost a rule");
    return 0;
}
