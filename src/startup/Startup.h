#pragma once

#include <QString>

#include <array>
#include <functional>

namespace aisset {

class StartupPlatform;

// One runtime file the tool carries and makes sure is present in its folder.
struct RuntimeFile {
    const char16_t *name;
    int resourceId;
};

// The runtime files, in the order they are deployed.
const std::array<RuntimeFile, 8> &runtimeFiles();

// The system folder with its trailing separator (SysDir).
QString GetSysDir(StartupPlatform &platform);

// Makes sure one file is present in sysDir and has it registered: a missing file
// is written from its resource (never overwritten) and registered unless it is
// the type library or its id is above 110; a present file is registered.
void DeployFile(StartupPlatform &platform, const QString &sysDir, const QString &name, int resourceId);

// Deploys every runtime file behind a progress bar from 0 to 24.
void DeployRuntimeFiles(StartupPlatform &platform, const QString &sysDir);

// The entry procedure: refuses a second instance, finds SysDir, deploys the
// runtime files and loads the main window. Returns false when this instance
// must end at once (another one is running); sysDir receives the folder.
bool Main(StartupPlatform &platform, QString &sysDir, const std::function<void()> &loadMainWindow);

inline const QString kAlreadyRunning = QStringLiteral(QT_TRANSLATE_NOOP("Window", "本系统已运行中, 不得重复加载!!"));

} // namespace aisset
