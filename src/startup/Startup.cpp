#include "startup/Startup.h"

#include "startup/StartupPlatform.h"

namespace aisset {

namespace {
constexpr std::array<RuntimeFile, 8> kRuntimeFiles{{
    {u"secur32.dll", 101},
    {u"msvbvm60.dll", 102},
    {u"stdole2.tlb", 103},
    {u"mscomctl.ocx", 104},
    {u"msmask32.ocx", 105},
    {u"MSCOMM32.OCX", 106},
    {u"actskn43.ocx", 107},
    {u"green.skn", 108},
}};

void registerFile(StartupPlatform &platform, const QString &sysDir, const QString &path)
{
    platform.startDetached(sysDir + QStringLiteral("Regsvr32 /s ") + path);
}
} // namespace

const std::array<RuntimeFile, 8> &runtimeFiles() { return kRuntimeFiles; }

QString GetSysDir(StartupPlatform &platform) { return platform.systemDirectory() + platform.separator(); }

void DeployFile(StartupPlatform &platform, const QString &sysDir, const QString &name, int resourceId)
{
    if (name.isEmpty())
        return;
    const QString path = sysDir + name;
    if (platform.fileExists(path)) {
        registerFile(platform, sysDir, path);
        return;
    }
    // Each step stands alone: a file without bytes on this platform is not
    // written (an empty file would pose as the component), yet its registration
    // step still runs, as for any newly deployed file.
    if (const std::optional<QByteArray> bytes = platform.readResource(resourceId); bytes)
        (void)platform.writeNewFile(path, *bytes);
    const bool typeLibrary = name.compare(u"STDOLE2.TLB", Qt::CaseInsensitive) == 0;
    if (!typeLibrary && resourceId <= 110)
        registerFile(platform, sysDir, path);
}

void DeployRuntimeFiles(StartupPlatform &platform, const QString &sysDir)
{
    platform.showProgress(0, 24);
    platform.setProgress(0);
    for (std::size_t i = 0; i < kRuntimeFiles.size(); ++i) {
        platform.setProgress(int(i));
        DeployFile(platform, sysDir, QString::fromUtf16(kRuntimeFiles[i].name), kRuntimeFiles[i].resourceId);
    }
    platform.closeProgress();
}

bool Main(StartupPlatform &platform, QString &sysDir, const std::function<void()> &loadMainWindow)
{
    platform.initCommonControls();
    if (platform.anotherInstanceRunning()) {
        platform.showMessage(kAlreadyRunning, QString());
        return false;
    }
    sysDir = GetSysDir(platform);
    DeployRuntimeFiles(platform, sysDir);
    loadMainWindow();
    return true;
}

} // namespace aisset
