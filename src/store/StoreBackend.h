#pragma once

#include "ProfileStore.h"

#include <QList>
#include <QString>
#include <QStringList>

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
    // Applies the changes in order, as one write that reaches the disk before it
    // returns; false when it could not. A write that fails leaves the section as
    // it was.
    virtual bool write(const QString &application, const QString &section,
                       const QList<KeyChange> &changes) = 0;
    // The sections of an application, as their names are kept (possibly in
    // another case than they were saved in).
    virtual QStringList sections(const QString &application) const = 0;
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
