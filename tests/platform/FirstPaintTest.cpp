// Work deferred until a window's first paint: it waits for that paint, runs once, and a window
// that is never painted still gets it.
#include "platform/FirstPaint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace tintor {
namespace {

class CountingWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

void ProcessEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(AfterFirstPaint, RunsOnceAfterThePaintAndNeverBefore) {
    CountingWindow window;
    window.resize(50, 50);
    int runs = 0;
    int paintsWhenRun = -1;
    AfterFirstPaint(&window, [&] {
        ++runs;
        paintsWhenRun = window.paints;
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0); // not shown, not painted

    window.show();
    ProcessEventsUntil([&] { return runs > 0; });
    EXPECT_EQ(runs, 1);
    EXPECT_GE(paintsWhenRun, 1);

    window.update();
    ProcessEventsUntil([&] { return window.paints > paintsWhenRun; });
    window.hide();
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
}

TEST(AfterFirstPaint, AWindowNeverPaintedGetsTheTaskAfterTheFallbackTime) {
    CountingWindow window;
    int runs = 0;
    AfterFirstPaint(
        &window, [&] { ++runs; }, 10);
    ProcessEventsUntil([&] { return runs > 0; });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(window.paints, 0);
}

} // namespace
} // namespace tintor
