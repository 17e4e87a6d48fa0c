#pragma once

#include <QElapsedTimer>

#include <array>
#include <cstdio>

namespace aisset::startup {

// Time marks of the start, for `--measure-startup`'s breakdown: each step of the
// start says when it ended, counted from the first mark (the start of main).
// Taking a mark costs a clock read; nothing is printed unless asked.
class Marks {
public:
    static Marks &instance()
    {
        static Marks marks;
        return marks;
    }

    void mark(const char *step)
    {
        if (count_ == 0)
            clock_.start();
        if (count_ < steps_.size())
            steps_[count_++] = {step, clock_.nsecsElapsed()};
    }

    // One line per step: "startup-step: <ms since main> ms (+<ms of the step>) <step>".
    void print(std::FILE *out) const
    {
        for (std::size_t i = 1; i < count_; ++i)
            std::fprintf(out, "startup-step: %7.1f ms (+%5.1f) %s\n", double(steps_[i].at) / 1e6,
                         double(steps_[i].at - steps_[i - 1].at) / 1e6, steps_[i].name);
        std::fflush(out);
    }

private:
    struct Step {
        const char *name = nullptr;
        qint64 at = 0;
    };
    QElapsedTimer clock_;
    std::array<Step, 32> steps_{};
    std::size_t count_ = 0;
};

inline void mark(const char *step) { Marks::instance().mark(step); }

} // namespace aisset::startup
