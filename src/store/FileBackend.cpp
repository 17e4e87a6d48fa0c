#include "FileBackend.h"

#include "ProfileFileFormat.h"
#include "StoreBackend.h"

#include <QFileInfo>
#include <QLockFile>
#include <QUrl>

namespace aisset {

using namespace Qt::StringLiterals;

namespace {

QString fileName(const QString &name)
{
    // "." and "~" are unreserved in URLs but must not survive into a file name.
    return QString::fromLatin1(QUrl::toPercentEncoding(name.toCaseFolded(), {}, ".~"));
}

// QSettings guards each write of a file with "<file>.lock" and waits for it without
// limit. A run killed before it wrote its process id into that file leaves one that
// QLockFile takes for stale only after 30 s. No save holds the lock for anything
// near a second, so an older lock is a leftover and is cleared here; a lock of a
// process that is gone is cleared at once.
void clearLeftoverLock(const QString &path)
{
    constexpr int kLeftoverAgeMs = 1000;
    const QString lockPath = path + u".lock"_s;
    if (!QFileInfo::exists(lockPath))
        return;
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kLeftoverAgeMs);
    if (lock.tryLock(2 * kLeftoverAgeMs))
        lock.unlock();
}

class FileBackend final : public StoreBackend {
public:
    explicit FileBackend(QString rootDir) : rootDir_(std::move(rootDir)) {}

    std::unique_ptr<QSettings> openSection(const QString &application,
                                           const QString &section) const override
    {
        const QString path = sectionFilePath(rootDir_, application, section);
        clearLeftoverLock(path);
        auto settings = std::make_unique<QSettings>(path, profileFileFormat());
        // Replace the file only as a whole: a save that is cut short leaves the old one.
        settings->setAtomicSyncRequired(true);
        return settings;
    }

    QString keyName(const QString &key) const override { return fileKeyName(key); }

private:
    QString rootDir_;
};

} // namespace

QString sectionFilePath(const QString &rootDir, const QString &application,
                        const QString &section)
{
    return rootDir + u'/' + fileName(application) + u'/' + fileName(section) + u".ini"_s;
}

QString fileKeyName(const QString &key)
{
    QString name;
    for (const QChar c : key.toCaseFolded()) {
        switch (c.unicode()) {
        case u'%': name += u"%25"; break;
        case u'/': name += u"%2F"; break;
        case u'\\': name += u"%5C"; break;
        default: name += c;
        }
    }
    return name;
}

std::unique_ptr<StoreBackend> makeFileBackend(const QString &rootDir)
{
    return std::make_unique<FileBackend>(rootDir);
}

} // namespace aisset
