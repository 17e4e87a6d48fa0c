#pragma once

#include "model/SaveResult.h"
#include "store/StoreFailure.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace aisset {

class StoreBackend;

using KeyValues = QList<std::pair<QString, QString>>;

// One change to a section: a key gets a value, has text appended to its value
// (the key created when absent), or is removed (no value).
struct KeyChange {
    QString key;
    std::optional<QString> value;
    bool append = false;
};

// A per-user store of text values addressed by application, section and key.
// Names compare without regard to case; values are kept exactly. Every save reaches
// the disk before it returns and replaces a section as a whole, so a save cut short
// leaves the section as it was; it says whether it succeeded. A value that is
// absent or cannot be read reads as the default.
//
// Changes are made under a lock shared by every process that uses the store: each
// save takes it, and `locked` holds it around a read-modify-write of several steps.
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

    // Where the store lives, for messages: a folder or a registry branch.
    QString location() const;
    // The folder of the store's own files (its lock): files that belong beside
    // the store, such as the history, go there.
    QString folder() const;
    // Why the last saving that failed did.
    const StoreFailure &lastFailure() const { return lastFailure_; }

    SaveResult save(const QString &application, const QString &section, const QString &key, const QString &value);
    // Saves several keys of one section in one write, in order.
    SaveResult saveMany(const QString &application, const QString &section, const KeyValues &values);
    // Applies changes to one section in one write, in order.
    SaveResult apply(const QString &application, const QString &section, QList<KeyChange> changes);
    SaveResult remove(const QString &application, const QString &section, const QString &key);

    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultValue) const;
    // Reads several keys of one section; one value per key, in order.
    QStringList readMany(const QString &application, const QString &section, const QStringList &keys,
                         const QString &defaultValue) const;
    // Reads several keys of one section; none for a key that is absent.
    QList<std::optional<QString>> readPresent(const QString &application, const QString &section,
                                              const QStringList &keys) const;
    // The plain bytes of several keys' values, handed to `use` without copying
    // them; false when they must be read with readPresent instead.
    bool peek(const QString &application, const QString &section, const QStringList &keys,
              const std::function<void(const QList<std::optional<QByteArrayView>> &)> &use) const;
    // Whether a section can be read; false when it is stored but unreadable.
    bool readable(const QString &application, const QString &section) const;
    // The sections of an application, by name (as kept: possibly in another case).
    QStringList sections(const QString &application) const;

    // Runs a read-modify-write holding the store's lock; the saves inside it take
    // no further lock. Failed, without running it, when another process keeps the
    // lock for more than two seconds or the lock cannot be made.
    SaveResult locked(const std::function<SaveResult()> &change);
    // Runs step(0) ... step(count - 1) in order, holding the store's lock in
    // turns of at most a quarter second and letting go between them, so that
    // another process's saving waits for one turn, never for the whole run.
    // Failed when a step failed; when a turn cannot get the lock, the steps
    // from there on are not run and `done` tells how many were.
    SaveResult lockedInTurns(qsizetype count, const std::function<SaveResult(qsizetype)> &step, qsizetype &done);

private:
    std::unique_ptr<StoreBackend> backend_;
    int lockDepth_ = 0;
    bool sweptTemporaries_ = false;
    StoreFailure lastFailure_;
};

} // namespace aisset
