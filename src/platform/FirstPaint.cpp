// The first paint of a top-level window is painted and flushed in one go; a zero timer started
// from its paint event runs after both. On X11 the flushed picture may still wait in the client's
// request buffer, so the task first sends it and waits for the server's answer.
#include "platform/FirstPaint.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <xcb/xcb.h>

namespace tintor {

namespace {

// Waits until the X server has handled every request sent so far.
void SyncWithDisplay() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* connection = x11->connection();
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> task, int fallbackMs)
        : QObject(window), task_(std::move(task)) {
        window->installEventFilter(this);
        QTimer::singleShot(fallbackMs, this, [this] { Run(); });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !scheduled_) {
            scheduled_ = true;
            QTimer::singleShot(0, this, [this] {
                SyncWithDisplay();
                Run();
            });
        }
        return false;
    }

private:
    void Run() {
        if (!task_) return;
        const std::function<void()> task = std::move(task_);
        task_ = nullptr;
        deleteLater();
        task();
    }

    std::function<void()> task_;
    bool scheduled_ = false;
};

} // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> task, int fallbackMs) {
    new FirstPaintWatch(window, std::move(task), fallbackMs);
}

} // namespace tintor
