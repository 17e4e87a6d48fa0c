// The one place where the platforms differ: where the current user's store lives.
#include "model/StoreNames.h"
#include "store/StoreBackend.h"

#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QDir>
#include <QSettings>
#endif

namespace aisset {

using namespace Qt::StringLiterals;

#ifdef Q_OS_WIN

namespace {

// The registry branch the platform's classic per-application settings use, so that
// records and the port choice stored there by an earlier tool are found. The
// registry compares names without regard to case by itself and writes each value
// as it is set.
class RegistryBackend final : public StoreBackend {
public:
    QList<std::optional<QString>> read(const QString &application, const QString &section,
                                       const QStringList &keys) const override
    {
        QSettings settings = open(application, section);
        QList<std::optional<QString>> values;
        for (const QString &key : keys) {
            const QVariant value = settings.value(key);
            values.append(value.isValid() ? std::optional(value.toString()) : std::nullopt);
        }
        return values;
    }

    bool write(const QString &application, const QString &section, const QList<KeyChange> &changes) override
    {
        QSettings settings = open(application, section);
        for (const KeyChange &change : changes) {
            if (!change.value)
                settings.remove(change.key);
            else if (change.append)
                settings.setValue(change.key, settings.value(change.key).toString() + *change.value);
            else
                settings.setValue(change.key, *change.value);
        }
        settings.sync();
        return settings.status() == QSettings::NoError;
    }

    QStringList sections(const QString &application) const override
    {
        return QSettings(kBranch + application, QSettings::NativeFormat).childGroups();
    }

    // The registry has no file to lock: the lock lives in the user's data folder.
    QString lockPath() const override
    {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/aisset"_s;
        QDir().mkpath(folder);
        return folder + u"/store.lock"_s;
    }
    QString location() const override { return kBranch + storeName::application; }

private:
    static inline const QString kBranch = u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"_s;

    static QSettings open(const QString &application, const QString &section)
    {
        return QSettings(kBranch + application + u'\\' + section, QSettings::NativeFormat);
    }
};

} // namespace

std::unique_ptr<StoreBackend> makeCurrentUserBackend() { return std::make_unique<RegistryBackend>(); }

#else

std::unique_ptr<StoreBackend> makeCurrentUserBackend()
{
    // XDG_CONFIG_HOME (or ~/.config) on Linux, ~/Library/Preferences on macOS.
    return makeFileBackend(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/aisset"_s);
}

#endif

} // namespace aisset
