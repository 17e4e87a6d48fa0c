#pragma once

#include "startup/DesktopPlatform.h"

#include <memory>

class QProgressBar;

namespace aisset::ui {

// Start-up on the desktop with the toolkit's windows: the single-instance
// message box and the small progress window (Form3) shown while the runtime
// files are deployed.
class WindowStartupPlatform : public DesktopPlatform {
public:
    explicit WindowStartupPlatform(QString dataDir = {});
    ~WindowStartupPlatform() override;

    void showMessage(const QString &text, const QString &title) override;
    void showProgress(int minimum, int maximum) override;
    void setProgress(int value) override;
    void closeProgress() override;

private:
    std::unique_ptr<QProgressBar> progress_;
};

} // namespace aisset::ui
