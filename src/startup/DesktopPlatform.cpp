#include "startup/DesktopPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace aisset {

DesktopPlatform::DesktopPlatform(QString dataDir) : dataDir_(std::move(dataDir)) {}
DesktopPlatform::~DesktopPlatform() = default;

bool DesktopPlatform::anotherInstanceRunning()
{
    // The instance holds the lock while it runs, for as long as it runs: only a
    // lock its holder left behind (see LockFile) is taken over.
    instanceLock_ = std::make_unique<LockFile>(systemDirectory() + QStringLiteral("/aisset.lock"),
                                               std::chrono::milliseconds::zero());
    if (instanceLock_->lock(std::chrono::milliseconds::zero()))
        return false;
    // A folder we cannot write to must not keep the tool from starting.
    return instanceLock_->error() == QLockFile::LockFailedError;
}

QString DesktopPlatform::systemDirectory()
{
    const QString dir =
        dataDir_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) : dataDir_;
    QDir().mkpath(dir);
    return QDir::toNativeSeparators(dir);
}

QChar DesktopPlatform::separator() const { return QDir::separator(); }

bool DesktopPlatform::fileExists(const QString &path)
{
    // A file of 0 bytes is what a write cut short on a full disk leaves behind: it
    // counts as absent, so that the next start writes it again.
    const QFileInfo info(path);
    return info.exists() && (info.isDir() || info.size() > 0);
}

std::optional<QByteArray> DesktopPlatform::readResource(int id)
{
    // Only the skin has bytes to carry here; the other runtime files are
    // components of another platform's toolkit that this build does not need.
    if (id != 108)
        return std::nullopt;
    QFile skin(QStringLiteral(":/green.skn"));
    if (!skin.open(QIODevice::ReadOnly))
        return std::nullopt;
    return skin.readAll();
}

bool DesktopPlatform::writeNewFile(const QString &path, const QByteArray &bytes)
{
    if (fileExists(path)) // an edited file is kept
        return false;
    // Written to a temporary file and renamed: the file is there whole or not at all.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void DesktopPlatform::startDetached(const QString &commandLine)
{
#ifdef Q_OS_WIN
    QStringList words = QProcess::splitCommand(commandLine);
    if (!words.isEmpty()) {
        const QString program = words.takeFirst();
        QProcess::startDetached(program, words);
    }
#else
    Q_UNUSED(commandLine) // components need no registration here
#endif
}

} // namespace aisset
