#include "store/StoreFailure.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace aisset {

StoreFailureReason reasonOfSystemError(int error)
{
    switch (error) {
    case EROFS:
    case EACCES:
    case EPERM:
        return StoreFailureReason::ReadOnly;
    case ENOSPC:
    case EFBIG: // the file outgrew what the system lets it have
#ifdef EDQUOT
    case EDQUOT:
#endif
        return StoreFailureReason::NoSpace;
    case ENOTDIR:
        return StoreFailureReason::NotAFolder;
    default:
        return StoreFailureReason::Unknown;
    }
}

StoreFailure failureAt(const QString &path, int error)
{
    for (QFileInfo folder(QFileInfo(path).absolutePath());; folder = QFileInfo(folder.absolutePath())) {
        if (folder.exists() && !folder.isDir())
            return {StoreFailureReason::NotAFolder, 0, QDir::toNativeSeparators(folder.filePath())};
        if (folder.isRoot() || folder.absolutePath() == folder.absoluteFilePath())
            break;
    }
    return {reasonOfSystemError(error), 0, error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : QString()};
}

} // namespace aisset
