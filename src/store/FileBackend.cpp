#include "store/FileBackend.h"

#include "store/SectionFile.h"
#include "store/StoreBackend.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <cerrno>
#include <utility>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace aisset {

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kTemporaryLifeSeconds = 60;

// One flush of everything written to the file system that holds the folder;
// only where the system offers it (elsewhere every file is flushed alone).
#ifdef Q_OS_LINUX
bool flushAllSupported() { return true; }
bool flushAll(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = ::syncfs(fd) == 0;
    ::close(fd);
    return flushed;
}
#else
bool flushAllSupported() { return false; }
bool flushAll(const QString &) { return true; }
#endif

QString fileName(const QString &name)
{
    // "." and "~" are unreserved in URLs but must not survive into a file name.
    return QString::fromLatin1(QUrl::toPercentEncoding(name.toCaseFolded(), {}, ".~"));
}

class FileBackend final : public StoreBackend {
public:
    explicit FileBackend(QString rootDir) : rootDir_(std::move(rootDir)) {}

    QList<std::optional<QString>> read(const QString &application, const QString &section,
                                       const QStringList &keys) const override
    {
        const std::optional<SectionFile> stored = SectionFile::load(sectionFilePath(rootDir_, application, section));
        QList<std::optional<QString>> values(keys.size());
        if (!stored)
            return values;
        for (qsizetype i = 0; i < keys.size(); ++i)
            values[i] = stored->value(keys[i]);
        return values;
    }

    // The file is mapped rather than read: a fresh process then touches only the
    // pages it looks through, not a copy of them.
    bool peek(const QString &application, const QString &section, const QStringList &keys,
              const std::function<void(const PeekedValues &)> &use) const override
    {
        QFile file(sectionFilePath(rootDir_, application, section));
        PeekedValues values(keys.size());
        if (!file.exists()) {
            use(values);
            return true;
        }
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const qint64 size = file.size();
        const uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
        if (size > 0 && !mapped)
            return false;
        const QByteArrayView bytes(reinterpret_cast<const char *>(mapped), size);
        if (!SectionFile::peek(bytes, keys, values))
            return false;
        use(values);
        return true;
    }

    bool write(const QString &application, const QString &section, const QList<KeyChange> &changes) override
    {
        const QString path = sectionFilePath(rootDir_, application, section);
        errno = 0;
        std::optional<SectionFile> file = SectionFile::load(path);
        // Rewriting a section that could not be read would drop its other keys.
        if (!file) {
            failure_ = failureAt(path, errno);
            return false;
        }
        for (const KeyChange &change : changes) {
            if (!change.value)
                file->remove(change.key);
            else if (change.append)
                file->appendToValue(change.key, *change.value);
            else
                file->setValue(change.key, *change.value);
        }
        // Nothing to write (a key removed that was not there, values saved again):
        // no file is created and no disk flush spent.
        int systemError = 0;
        if (!file->changed())
            return true;
        if (batch_ && !QFileInfo::exists(path)) {
            if (file->saveUnflushed(path, &systemError))
                return true;
        } else if (file->save(path, &systemError)) {
            return true;
        }
        failure_ = failureAt(path, systemError);
        return false;
    }

    StoreFailure lastFailure() const override { return failure_; }

    void beginBatch() override { batch_ = flushAllSupported(); }
    bool endBatch() override
    {
        const bool wasBatch = std::exchange(batch_, false);
        return !wasBatch || flushAll(rootDir_);
    }

    bool readable(const QString &application, const QString &section) const override
    {
        QFile file(sectionFilePath(rootDir_, application, section));
        return !file.exists() || file.open(QIODevice::ReadOnly);
    }

    QStringList sections(const QString &application) const override
    {
        QStringList names;
        const QDir folder(rootDir_ + u'/' + fileName(application));
        for (const QString &file : folder.entryList({u"*.ini"_s}, QDir::Files))
            names.append(QUrl::fromPercentEncoding(file.chopped(4).toLatin1()));
        return names;
    }

    // A section's file is replaced through a temporary "<section>.ini.XXXXXX"
    // beside it (QSaveFile). One a minute old belongs to no saving under way: a
    // saving writes its file in milliseconds, under the lock that is held here.
    void removeStaleTemporaries() override
    {
        static const QRegularExpression temporary(u"^.+\\.ini\\.[A-Za-z0-9]{6}$"_s);
        const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-kTemporaryLifeSeconds);
        // Sections live one folder down, in their application's folder.
        for (const QString &application : QDir(rootDir_).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QDirIterator files(rootDir_ + u'/' + application, {u"*.ini.??????"_s}, QDir::Files | QDir::Hidden);
            while (files.hasNext()) {
                const QFileInfo file = files.nextFileInfo();
                if (temporary.match(file.fileName()).hasMatch() && file.lastModified().toUTC() < staleBefore)
                    QFile::remove(file.filePath());
            }
        }
    }

    QString lockPath() const override { return rootDir_ + u"/store.lock"_s; }
    QString location() const override { return rootDir_; }

private:
    QString rootDir_;
    StoreFailure failure_;
    bool batch_ = false;
};

} // namespace

QString sectionFilePath(const QString &rootDir, const QString &application, const QString &section)
{
    return rootDir + u'/' + fileName(application) + u'/' + fileName(section) + u".ini"_s;
}

std::unique_ptr<StoreBackend> makeFileBackend(const QString &rootDir) { return std::make_unique<FileBackend>(rootDir); }

} // namespace aisset
