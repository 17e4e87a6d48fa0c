#pragma once

#include "lockfile/LockFile.h"
#include "startup/StartupPlatform.h"

#include <memory>

namespace aisset {

// The platform differences of start-up, kept in one place: where the runtime
// files go, which of them this build carries, how one instance is detected and
// whether a registration tool exists. Message box and progress window are left
// to the window, which derives from this class.
class DesktopPlatform : public StartupPlatform {
public:
    // dataDir overrides the per-user data folder (tests, portable installs).
    explicit DesktopPlatform(QString dataDir = {});
    ~DesktopPlatform() override;

    void initCommonControls() override {}
    bool anotherInstanceRunning() override;
    QString systemDirectory() override;
    QChar separator() const override;
    bool fileExists(const QString &path) override;
    std::optional<QByteArray> readResource(int id) override;
    bool writeNewFile(const QString &path, const QByteArray &bytes) override;
    void startDetached(const QString &commandLine) override;

private:
    QString dataDir_;
    std::unique_ptr<LockFile> instanceLock_;
};

} // namespace aisset
