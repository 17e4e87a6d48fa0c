#include "ui/core/Skins.h"

#include <QDir>
#include <QFileInfo>

namespace aisset {

const std::array<const char16_t *, 13> &skinFileNames()
{
    static constexpr std::array<const char16_t *, 13> kNames{
        u"B-studio.skn", u"Chizh.skn",    u"Galaxy.skn", u"Green.skn",    u"Mac.skn",
        u"Media.skn",    u"Metallic.skn", u"Paper.skn",  u"Plasmoid.skn", u"Topsecret.skn",
        u"Web-II.skn",   u"Winaqua.skn",  u"Zhelezo.skn"};
    return kNames;
}

QString startSkinPath(const QString &skinDir) { return skinDir + QStringLiteral("\\green.skn"); }

QString localSkinPath(const QString &path)
{
    if (path.isEmpty())
        return path;
#ifdef Q_OS_WIN
    return path; // the file system takes "\" and doubled separators as they are
#else
    QString local = path;
    local.replace(u'\\', u'/');
    return QDir::cleanPath(local);
#endif
}

QString findSkinFile(const QString &path)
{
    const QString local = localSkinPath(path);
    if (local.isEmpty())
        return {};
    const QFileInfo exact(local);
    if (exact.isFile())
        return local;
    const QDir folder = exact.dir();
    for (const QString &name : folder.entryList(QDir::Files))
        if (name.compare(exact.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return {};
}

} // namespace aisset
