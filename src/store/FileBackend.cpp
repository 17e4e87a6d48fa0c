#include "store/FileBackend.h"

#include "store/SectionFile.h"
#include "store/StoreBackend.h"

#include <QDir>
#include <QFile>
#include <QUrl>

namespace aisset {

using namespace Qt::StringLiterals;

namespace {

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
        std::optional<SectionFile> file = SectionFile::load(path);
        // Rewriting a section that could not be read would drop its other keys.
        if (!file)
            return false;
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
        return !file->changed() || file->save(path);
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

    QString lockPath() const override { return rootDir_ + u"/store.lock"_s; }
    QString location() const override { return rootDir_; }

private:
    QString rootDir_;
};

} // namespace

QString sectionFilePath(const QString &rootDir, const QString &application, const QString &section)
{
    return rootDir + u'/' + fileName(application) + u'/' + fileName(section) + u".ini"_s;
}

std::unique_ptr<StoreBackend> makeFileBackend(const QString &rootDir) { return std::make_unique<FileBackend>(rootDir); }

} // namespace aisset
