#pragma once

#include <QString>

#include <thread>

namespace aisset::ui {

// Reads the system's fonts on a second thread while the start goes on. The
// font database (every font file's names, styles and scripts) is shared by all
// threads, and so is the choice of the fonts that stand in for a script the
// default font lacks; the first text the window measures would otherwise pay
// for both on the main thread. The object waits for the thread when it ends.
class FontWarmUp {
public:
    // sample: a text of the display language, whose stand-in fonts are chosen.
    explicit FontWarmUp(const QString &sample);
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread thread_;
};

} // namespace aisset::ui
