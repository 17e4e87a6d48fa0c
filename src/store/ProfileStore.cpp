#include "ProfileStore.h"

#include "StoreBackend.h"

namespace aisset {

ProfileStore::ProfileStore() : backend_(makeCurrentUserBackend()) {}

ProfileStore::ProfileStore(const QString &rootDir) : backend_(makeFileBackend(rootDir)) {}

ProfileStore::ProfileStore(std::unique_ptr<StoreBackend> backend) : backend_(std::move(backend)) {}

ProfileStore::~ProfileStore() = default;
ProfileStore::ProfileStore(ProfileStore &&) noexcept = default;
ProfileStore &ProfileStore::operator=(ProfileStore &&) noexcept = default;

void ProfileStore::save(const QString &application, const QString &section, const QString &key,
                        const QString &value)
{
    saveMany(application, section, {{key, value}});
}

void ProfileStore::saveMany(const QString &application, const QString &section,
                            const KeyValues &values)
{
    QList<KeyChange> changes;
    for (const auto &[key, value] : values)
        if (!key.isEmpty()) // a key needs a name
            changes.append({key, value});
    if (!changes.isEmpty())
        backend_->write(application, section, changes);
}

QString ProfileStore::read(const QString &application, const QString &section,
                           const QString &key, const QString &defaultValue) const
{
    return readMany(application, section, {key}, defaultValue).constFirst();
}

QStringList ProfileStore::readMany(const QString &application, const QString &section,
                                   const QStringList &keys, const QString &defaultValue) const
{
    QStringList values;
    values.reserve(keys.size());
    for (const std::optional<QString> &value : backend_->read(application, section, keys))
        values.append(value.value_or(defaultValue));
    return values;
}

void ProfileStore::remove(const QString &application, const QString &section,
                          const QString &key)
{
    if (!key.isEmpty())
        backend_->write(application, section, {{key, std::nullopt}});
}

} // namespace aisset
