#pragma once

#include "store/ProfileStore.h"
#include "store/StoreFailure.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace aisset {

// Where the sections of the profile store live. Key names arrive as the caller
// spelled them; the backend makes them compare without regard to case.
class StoreBackend {
public:
    virtual ~StoreBackend() = default;
    // The values of the keys, in order; none for a key that is absent or a section
    // that cannot be read.
    virtual QList<std::optional<QString>> read(const QString &application, const QString &section,
                                               const QStringList &keys) const = 0;
    // The values of the keys as their plain UTF-8 bytes, handed to `use` while the
    // section is read, so that a value a megabyte long is looked through without a
    // copy of it. False, without calling `use`, when the section cannot be read or
    // keeps a value in a form that must be decoded first; read() then tells.
    using PeekedValues = QList<std::optional<QByteArrayView>>;
    virtual bool peek(const QString &application, const QString &section, const QStringList &keys,
                      const std::function<void(const PeekedValues &)> &use) const
    {
        const QList<std::optional<QString>> present = read(application, section, keys);
        QList<QByteArray> utf8(keys.size());
        PeekedValues values(keys.size());
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (!present[i])
                continue;
            utf8[i] = present[i]->toUtf8();
            values[i] = utf8[i];
        }
        use(values);
        return true;
    }
    // Applies the changes in order, as one write that reaches the disk before it
    // returns; false when it could not. A write that fails leaves the section as
    // it was.
    virtual bool write(const QString &application, const QString &section, const QList<KeyChange> &changes) = 0;
    // Why the last write() that failed did.
    virtual StoreFailure lastFailure() const { return {}; }
    // Whether a section can be read: false when it is stored but cannot be read
    // (a file without read permission), which read() cannot tell from absent.
    virtual bool readable(const QString &application, const QString &section) const
    {
        (void)application;
        (void)section;
        return true;
    }
    // The sections of an application, as their names are kept (possibly in
    // another case than they were saved in).
    virtual QStringList sections(const QString &application) const = 0;
    // Between beginBatch() and endBatch() a write of a section that does not
    // exist yet may reach the disk only at endBatch(), which flushes them all
    // at once and says whether that worked: a run of many new sections then
    // costs one flush rather than one each. A new section lost to a crash
    // before endBatch() is a ship never listed, as its name is registered after.
    virtual void beginBatch() {}
    virtual bool endBatch() { return true; }
    // Removes the temporary files of savings that were killed before they
    // finished (old enough to belong to no saving under way); called under the
    // store's lock.
    virtual void removeStaleTemporaries() {}
    // The file every process that uses this store locks around its changes.
    virtual QString lockPath() const = 0;
    // Where the store lives, for messages: a folder or a registry branch.
    virtual QString location() const = 0;
};

// One file per section below rootDir (see FileBackend.h).
std::unique_ptr<StoreBackend> makeFileBackend(const QString &rootDir);

// The current user's store: the registry on Windows, where an earlier tool left its
// records and port choice; files in the user's configuration folder elsewhere.
std::unique_ptr<StoreBackend> makeCurrentUserBackend();

} // namespace aisset
