#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>

namespace aisset {

class StoreBackend;

using KeyValues = QList<std::pair<QString, QString>>;

// A per-user store of text values addressed by application, section and key.
// Names compare without regard to case; values are kept exactly. Every save reaches
// the disk before it returns and replaces a section as a whole, so a save cut short
// leaves the section as it was. A save or delete that fails is skipped without a
// word; a value that is absent or cannot be read reads as the default.
class ProfileStore {
public:
    // The current user's store.
    ProfileStore();
    // A store kept in files below rootDir, for tests and tools that must leave the
    // user's store alone.
    explicit ProfileStore(const QString &rootDir);
    // A store over any backend (one kept in memory, for the fuzz target).
    explicit ProfileStore(std::unique_ptr<StoreBackend> backend);
    ~ProfileStore();
    ProfileStore(ProfileStore &&) noexcept;
    ProfileStore &operator=(ProfileStore &&) noexcept;

    void save(const QString &application, const QString &section, const QString &key,
              const QString &value);
    // Saves several keys of one section in one write, in order.
    void saveMany(const QString &application, const QString &section, const KeyValues &values);

    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultValue) const;
    // Reads several keys of one section; one value per key, in order.
    QStringList readMany(const QString &application, const QString &section,
                         const QStringList &keys, const QString &defaultValue) const;

    void remove(const QString &application, const QString &section, const QString &key);

private:
    std::unique_ptr<StoreBackend> backend_;
};

} // namespace aisset
