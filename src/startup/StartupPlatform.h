#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace aisset {

// What start-up asks of the platform. The desktop implementation lives in
// DesktopPlatform (files, lock, folders) and the window (message box, progress);
// tests use a fake that records every call.
class StartupPlatform {
public:
    virtual ~StartupPlatform() = default;

    virtual void initCommonControls() = 0;
    virtual bool anotherInstanceRunning() = 0;
    // The folder the runtime files and skins live in, without trailing separator.
    virtual QString systemDirectory() = 0;
    virtual QChar separator() const = 0;
    // Whether a file is there; one of 0 bytes counts as absent.
    virtual bool fileExists(const QString &path) = 0;
    // The bytes of an embedded runtime file; none when this platform carries none.
    virtual std::optional<QByteArray> readResource(int id) = 0;
    // Creates a new file with these bytes, whole or not at all, where there is
    // none (or an empty one); false when it cannot.
    virtual bool writeNewFile(const QString &path, const QByteArray &bytes) = 0;
    // Starts a program without waiting for it (the registration tool).
    virtual void startDetached(const QString &commandLine) = 0;
    virtual void showMessage(const QString &text, const QString &title) = 0;
    virtual void showProgress(int minimum, int maximum) = 0;
    virtual void setProgress(int value) = 0;
    virtual void closeProgress() = 0;
};

} // namespace aisset
