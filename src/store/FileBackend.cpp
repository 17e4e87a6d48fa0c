#include "FileBackend.h"

#include "SectionFile.h"
#include "StoreBackend.h"

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
        const std::optional<SectionValues> stored =
            readSectionFile(sectionFilePath(rootDir_, application, section));
        QList<std::optional<QString>> values(keys.size());
        if (!stored)
            return values;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (const auto found = stored->constFind(keys[i].toCaseFolded()); found != stored->cend())
                values[i] = *found;
        }
        return values;
    }

    void write(const QString &application, const QString &section,
               const QList<KeyChange> &changes) override
    {
        const QString path = sectionFilePath(rootDir_, application, section);
        std::optional<SectionValues> values = readSectionFile(path);
        // Rewriting a section that could not be read would drop its other keys.
        if (!values)
            return;
        const SectionValues before = *values;
        for (const KeyChange &change : changes) {
            if (change.value)
                values->insert(change.key.toCaseFolded(), *change.value);
            else
                values->remove(change.key.toCaseFolded());
        }
        // Nothing to write (a key removed that was not there, values saved again):
        // no file is created and no disk flush spent.
        if (*values != before)
            writeSectionFile(path, *values);
    }

private:
    QString rootDir_;
};

} // namespace

QString sectionFilePath(const QString &rootDir, const QString &application,
                        const QString &section)
{
    return rootDir + u'/' + fileName(application) + u'/' + fileName(section) + u".ini"_s;
}

std::unique_ptr<StoreBackend> makeFileBackend(const QString &rootDir)
{
    return std::make_unique<FileBackend>(rootDir);
}

} // namespace aisset
