#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace aisset {

// Where the sections of the profile store live and how a key name reaches them.
class StoreBackend {
public:
    virtual ~StoreBackend() = default;
    // The settings object holding one section; its status tells whether it could be read.
    virtual std::unique_ptr<QSettings> openSection(const QString &application,
                                                   const QString &section) const = 0;
    // The name under which a key is kept in its section.
    virtual QString keyName(const QString &key) const = 0;
};

// One file per section below rootDir (see FileBackend.h).
std::unique_ptr<StoreBackend> makeFileBackend(const QString &rootDir);

// The current user's store: the registry on Windows, where an earlier tool left its
// records and port choice; files in the user's configuration folder elsewhere.
std::unique_ptr<StoreBackend> makeCurrentUserBackend();

} // namespace aisset
