// The one place where the platforms differ: where the current user's store lives.
#include "StoreBackend.h"

#include <QStandardPaths>

#ifdef Q_OS_WIN
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

    void write(const QString &application, const QString &section,
               const QList<KeyChange> &changes) override
    {
        QSettings settings = open(application, section);
        for (const KeyChange &change : changes) {
            if (change.value)
                settings.setValue(change.key, *change.value);
            else
                settings.remove(change.key);
        }
        settings.sync();
    }

private:
    static QSettings open(const QString &application, const QString &section)
    {
        return QSettings(u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"_s
                             + application + u'\\' + section,
                         QSettings::NativeFormat);
    }
};

} // namespace

std::unique_ptr<StoreBackend> makeCurrentUserBackend()
{
    return std::make_unique<RegistryBackend>();
}

#else

std::unique_ptr<StoreBackend> makeCurrentUserBackend()
{
    // XDG_CONFIG_HOME (or ~/.config) on Linux, ~/Library/Preferences on macOS.
    return makeFileBackend(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/aisset"_s);
}

#endif

} // namespace aisset
