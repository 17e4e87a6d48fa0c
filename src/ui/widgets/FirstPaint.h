#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace aisset::ui {

// Runs a step at the pass of the event loop after the widget's first paint, so
// that slow work waits until the user sees the widget.
inline void runAfterFirstPaint(QWidget &widget, std::function<void()> step)
{
    class Watch : public QObject {
    public:
        Watch(QWidget &w, std::function<void()> s) : QObject(&w), widget_(w), step_(std::move(s))
        {
            widget_.installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (watched == &widget_ && event->type() == QEvent::Paint && step_) {
                widget_.removeEventFilter(this);
                QTimer::singleShot(0, &widget_, std::exchange(step_, {}));
                deleteLater();
            }
            return false;
        }

    private:
        QWidget &widget_;
        std::function<void()> step_;
    };
    new Watch(widget, std::move(step));
}

} // namespace aisset::ui
