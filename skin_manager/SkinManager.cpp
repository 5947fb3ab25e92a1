// The style object: loads the style sheet and its icons from the library's own resource once.
#include "SkinManager.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <unistd.h>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void InitialiseSkinResource()
{
    Q_INIT_RESOURCE(skin);
}

namespace {

const QString kIconFolderPlaceholder = QStringLiteral("@SKIN_ICONS@");
const QString kIconResourceFolder = QStringLiteral(":/skin/icons");

// The dialogs derive a high-contrast sheet from this one by taking it apart at ":" and reading icon
// files by the paths in it, so the sheet names icons by plain file paths (resource paths start
// with a colon). The icons are kept in one folder per user that every process shares and brings up
// to date, so nothing piles up when a host ends without cleaning up; a folder that is not plainly
// ours (a link, another owner) is not used, and the resource paths then serve the normal style.
QString IconFolder()
{
    static const QString folder = []() -> QString {
        QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (base.isEmpty() || !QFileInfo(base).isDir())
            base = QDir::tempPath();
        const QString path = base + QStringLiteral("/halvik-skin-") + QString::number(getuid());
        QDir().mkdir(path);
        const QFileInfo info(path);
        if (info.isSymLink() || !info.isDir() || info.ownerId() != getuid() || path.contains(QLatin1Char(':')))
            return kIconResourceFolder;
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDirIterator icons(kIconResourceFolder, QDir::Files);
        while (icons.hasNext()) {
            QFile resource(icons.next());
            if (!resource.open(QIODevice::ReadOnly))
                return kIconResourceFolder;
            const QByteArray content = resource.readAll();
            const QString copyPath = path + QLatin1Char('/') + QFileInfo(resource.fileName()).fileName();
            QFile existing(copyPath);
            if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
                continue;
            // Written aside and renamed, so another process never reads half an icon.
            QSaveFile copy(copyPath);
            if (!copy.open(QIODevice::WriteOnly) || copy.write(content) != content.size() || !copy.commit())
                return kIconResourceFolder;
        }
        return path;
    }();
    return folder;
}

} // namespace

SkinManager::SkinManager()
{
    InitialiseSkinResource();
    QFile file(QStringLiteral(":/skin/suite.qss"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QString sheet = QString::fromUtf8(file.readAll());
    // Comments would become part of the selector that follows them.
    static const QRegularExpression comment(QStringLiteral(R"(/\*[\s\S]*?\*/\s*)"));
    sheet.remove(comment);
    sheet.replace(kIconFolderPlaceholder, IconFolder());
    stylesheet_ = sheet.trimmed() + QLatin1Char('\n');
}

SkinManager::~SkinManager() = default;

SkinManager* SkinManager::instance()
{
    // Never destroyed: dialogs may still ask for the sheet while static objects are torn down.
    static SkinManager* const manager = new SkinManager();
    return manager;
}

QString SkinManager::Stylesheet() const
{
    return stylesheet_;
}
