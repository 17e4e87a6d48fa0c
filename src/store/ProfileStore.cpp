#include "ProfileStore.h"

#include "StoreBackend.h"

#include <QSettings>
#include <QVariant>

namespace aisset {

namespace {

using PreviousValues = QList<std::pair<QString, QVariant>>;

// Writes the pending changes of a section to disk. QSettings keeps a change that
// failed to reach the disk, shows it to later readers of the same file and writes
// it with some later save; a failed write is therefore taken back, so the section
// keeps exactly what the disk holds.
void commitOrTakeBack(QSettings &settings, const PreviousValues &previous)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return;
    // Latest first, so that a key given twice gets its value from before both.
    for (auto it = previous.crbegin(); it != previous.crend(); ++it) {
        if (it->second.isValid())
            settings.setValue(it->first, it->second);
        else
            settings.remove(it->first);
    }
}

QString valueText(const QVariant &value, const QString &defaultValue)
{
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with unquoted commas may come back as a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

} // namespace

ProfileStore::ProfileStore() : backend_(makeCurrentUserBackend()) {}

ProfileStore::ProfileStore(const QString &rootDir) : backend_(makeFileBackend(rootDir)) {}

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
    const auto settings = backend_->openSection(application, section);
    // Rewriting a section that could not be read would drop its other keys.
    if (settings->status() != QSettings::NoError)
        return;
    PreviousValues previous;
    for (const auto &[key, value] : values) {
        if (key.isEmpty())
            continue;
        const QString name = backend_->keyName(key);
        previous.append({name, settings->value(name)});
        settings->setValue(name, value);
    }
    if (!previous.isEmpty())
        commitOrTakeBack(*settings, previous);
}

QString ProfileStore::read(const QString &application, const QString &section,
                           const QString &key, const QString &defaultValue) const
{
    return readMany(application, section, {key}, defaultValue).constFirst();
}

QStringList ProfileStore::readMany(const QString &application, const QString &section,
                                   const QStringList &keys, const QString &defaultValue) const
{
    const auto settings = backend_->openSection(application, section);
    QStringList values;
    values.reserve(keys.size());
    for (const QString &key : keys)
        values.append(key.isEmpty() ? defaultValue
                                    : valueText(settings->value(backend_->keyName(key)),
                                                defaultValue));
    return values;
}

void ProfileStore::remove(const QString &application, const QString &section,
                          const QString &key)
{
    // QSettings reads an empty key as "every key of the section".
    if (key.isEmpty())
        return;
    const auto settings = backend_->openSection(application, section);
    const QString name = backend_->keyName(key);
    if (settings->status() != QSettings::NoError || !settings->contains(name))
        return;
    const PreviousValues previous{{name, settings->value(name)}};
    settings->remove(name);
    commitOrTakeBack(*settings, previous);
}

} // namespace aisset
