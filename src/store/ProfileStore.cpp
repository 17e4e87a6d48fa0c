#include "store/ProfileStore.h"

#include "store/StoreBackend.h"
#include "store/StoreLock.h"
#include "trace/Trace.h"

#include <QFileInfo>

#include <QElapsedTimer>
#include <QThread>

#include <cerrno>
#include <chrono>

namespace aisset {

namespace {
using namespace std::chrono_literals;
// How long a saving waits for another process to finish its change.
constexpr auto kLockPatience = 2s;
// How long one turn of a long change holds the lock, and how long it lets go
// after it: longer than a waiter's pause between two tries (LockFile), so that
// a waiting saving gets its turn.
constexpr qint64 kTurnMs = 250;
constexpr unsigned long kBetweenTurnsMs = 40;
} // namespace

ProfileStore::ProfileStore() : backend_(makeCurrentUserBackend()) {}

ProfileStore::ProfileStore(const QString &rootDir) : backend_(makeFileBackend(rootDir)) {}

ProfileStore::ProfileStore(std::unique_ptr<StoreBackend> backend) : backend_(std::move(backend)) {}

ProfileStore::~ProfileStore() = default;
ProfileStore::ProfileStore(ProfileStore &&) noexcept = default;
ProfileStore &ProfileStore::operator=(ProfileStore &&) noexcept = default;

QString ProfileStore::location() const { return backend_->location(); }

QString ProfileStore::folder() const { return QFileInfo(backend_->lockPath()).absolutePath(); }

SaveResult ProfileStore::save(const QString &application, const QString &section, const QString &key,
                              const QString &value)
{
    return apply(application, section, {{key, value}});
}

SaveResult ProfileStore::saveMany(const QString &application, const QString &section, const KeyValues &values)
{
    QList<KeyChange> changes;
    changes.reserve(values.size());
    for (const auto &[key, value] : values)
        changes.append({key, value});
    return apply(application, section, std::move(changes));
}

SaveResult ProfileStore::remove(const QString &application, const QString &section, const QString &key)
{
    return apply(application, section, {{key, std::nullopt}});
}

SaveResult ProfileStore::apply(const QString &application, const QString &section, QList<KeyChange> changes)
{
    changes.removeIf([](const KeyChange &c) { return c.key.isEmpty(); }); // a key needs a name
    if (changes.isEmpty())
        return SaveResult::Saved;
    const SaveResult result = locked([&] {
        if (backend_->write(application, section, changes))
            return SaveResult::Saved;
        lastFailure_ = backend_->lastFailure();
        return SaveResult::Failed;
    });
    qCInfo(lcStore).noquote() << section << (result == SaveResult::Saved ? "saved," : "NOT saved,") << changes.size()
                              << "keys in" << location();
    return result;
}

SaveResult ProfileStore::locked(const std::function<SaveResult()> &change)
{
    if (lockDepth_ > 0)
        return change();
    StoreLock lock(backend_->lockPath());
    errno = 0;
    if (!lock.lock(kLockPatience)) {
        const int systemError = errno; // before the trace, which may change it
        qCInfo(lcStore).noquote() << "the store's lock was held too long:" << backend_->lockPath();
        if (const std::optional<qint64> holder = lock.holder())
            lastFailure_ = {StoreFailureReason::LockHeld, *holder, {}};
        else
            lastFailure_ = failureAt(backend_->lockPath(), systemError);
        return SaveResult::Failed;
    }
    ++lockDepth_;
    // A saving killed between writing its temporary file and renaming it leaves
    // the file behind; the first change of a run clears what is old enough to
    // belong to no saving under way.
    if (!sweptTemporaries_) {
        sweptTemporaries_ = true;
        backend_->removeStaleTemporaries();
    }
    const SaveResult result = change();
    --lockDepth_;
    lock.unlock();
    return result;
}

SaveResult ProfileStore::lockedInTurns(qsizetype count, const std::function<SaveResult(qsizetype)> &step,
                                       qsizetype &done)
{
    done = 0;
    SaveResult result = SaveResult::Saved;
    while (done < count) {
        if (done > 0)
            QThread::msleep(kBetweenTurnsMs); // sleeps for the reason LockFile::lock does
        bool ran = false;
        const SaveResult turn = locked([&] {
            ran = true;
            SaveResult steps = SaveResult::Saved;
            QElapsedTimer held;
            held.start();
            backend_->beginBatch();
            do
                steps = worstOf(steps, step(done++));
            while (done < count && held.elapsed() < kTurnMs);
            return backend_->endBatch() ? steps : SaveResult::Failed;
        });
        result = worstOf(result, turn);
        if (!ran)
            break;
    }
    return result;
}

QString ProfileStore::read(const QString &application, const QString &section, const QString &key,
                           const QString &defaultValue) const
{
    return readMany(application, section, {key}, defaultValue).constFirst();
}

QStringList ProfileStore::readMany(const QString &application, const QString &section, const QStringList &keys,
                                   const QString &defaultValue) const
{
    QStringList values;
    values.reserve(keys.size());
    for (const std::optional<QString> &value : readPresent(application, section, keys))
        values.append(value.value_or(defaultValue));
    return values;
}

QList<std::optional<QString>> ProfileStore::readPresent(const QString &application, const QString &section,
                                                        const QStringList &keys) const
{
    return backend_->read(application, section, keys);
}

bool ProfileStore::peek(const QString &application, const QString &section, const QStringList &keys,
                        const std::function<void(const QList<std::optional<QByteArrayView>> &)> &use) const
{
    return backend_->peek(application, section, keys, use);
}

bool ProfileStore::readable(const QString &application, const QString &section) const
{
    return backend_->readable(application, section);
}

QStringList ProfileStore::sections(const QString &application) const { return backend_->sections(application); }

} // namespace aisset
