#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace kelvra::test {

// Calls back on every paint of the watched widget.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* widget, std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

} // namespace kelvra::test
