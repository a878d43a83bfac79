// Minimising and restoring the saved colours window with the main window.
#include "main/MinimizeTogether.h"

#include <QEvent>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace tintor {

namespace {

class Follower : public QObject {
public:
    Follower(QWidget& main, std::function<QWidget*()> companion)
        : QObject(&main), main_(main), companion_(std::move(companion)) {
        main.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::WindowStateChange) return false;
        QWidget* other = companion_();
        if (!other) return false;
        const bool was =
            static_cast<QWindowStateChangeEvent*>(event)->oldState().testFlag(Qt::WindowMinimized);
        const bool is = main_.windowState().testFlag(Qt::WindowMinimized);
        if (!was && is) {
            // A minimised window still counts as shown: the minimise button may have sent it
            // to the task bar before the main window.
            shown_ = other->isVisible();
            if (shown_ && !other->isMinimized()) other->showMinimized();
        } else if (was && !is) {
            if (shown_) other->showNormal();
            shown_ = false;
        }
        return false;
    }

private:
    QWidget& main_;
    std::function<QWidget*()> companion_;
    bool shown_ = false;
};

} // namespace

void MinimizeTogether(QWidget& main, std::function<QWidget*()> companion) {
    new Follower(main, std::move(companion));
}

} // namespace tintor
