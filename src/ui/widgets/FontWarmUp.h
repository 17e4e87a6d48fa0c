#pragma once

#include <thread>

namespace aisset::ui {

// Reads the system's fonts on a second thread while the start goes on. The
// font database (every font file's names, styles and scripts) is shared by all
// threads; the first text the window measures would otherwise wait on the
// main thread while it is read. The object waits for the thread when it ends.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread thread_;
};

} // namespace aisset::ui
