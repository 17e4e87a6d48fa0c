// The one place where the platforms differ: where the current user's store lives.
#include "StoreBackend.h"

#include <QStandardPaths>

namespace aisset {

using namespace Qt::StringLiterals;

#ifdef Q_OS_WIN

namespace {

// The registry branch the platform's classic per-application settings use, so that
// records and the port choice stored there by an earlier tool are found. The
// registry compares names without regard to case by itself.
class RegistryBackend final : public StoreBackend {
public:
    std::unique_ptr<QSettings> openSection(const QString &application,
                                           const QString &section) const override
    {
        return std::make_unique<QSettings>(
            u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"_s + application
                + u'\\' + section,
            QSettings::NativeFormat);
    }

    QString keyName(const QString &key) const override { return key; }
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
