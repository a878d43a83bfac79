// The application-wide hint: nearest enclosing hint, change-only notification, menu items.
#include "platform/HintTracker.h"
#include "platform/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace tintor {
namespace {

class HintTrackerTest : public ::testing::Test {
protected:
    std::vector<QString> seen;
    HintTracker& tracker = HintTracker::Instance();

    void SetUp() override {
        tracker.SetHandler(nullptr);
        tracker.PointerOver(nullptr); // start from no hint
        tracker.SetHandler([this](const QString& hint) { seen.push_back(hint); });
    }
    void TearDown() override { tracker.SetHandler(nullptr); }
};

TEST_F(HintTrackerTest, HintForIsTheNearestEnclosingNonEmptyHint) {
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* inner = new QWidget(panel);
    auto* label = new QLabel(inner);
    auto* own = new QLabel(inner);
    SetHint(&window, "window");
    SetHint(panel, "panel");
    SetHint(inner, ""); // an empty hint passes on to the parent
    SetHint(own, "own");
    EXPECT_EQ(HintTracker::HintFor(label), "panel");
    EXPECT_EQ(HintTracker::HintFor(own), "own");
    EXPECT_EQ(HintTracker::HintFor(&window), "window");
    EXPECT_EQ(HintTracker::HintFor(nullptr), "");

    // The search stops at the window: a parent window's hint does not apply.
    QWidget other;
    SetHint(&other, "other");
    QWidget child(&other, Qt::Window);
    EXPECT_EQ(HintTracker::HintFor(&child), "");
}

TEST_F(HintTrackerTest, TheHandlerRunsOnlyWhenTheHintChanges) {
    QWidget window;
    auto* a = new QLabel(&window);
    auto* b = new QLabel(&window);
    auto* c = new QLabel(&window);
    SetHint(a, "A");
    SetHint(b, "A");
    SetHint(c, "C");
    SetShowHint(c, false); // the pop-up switch does not stop the application-wide hint
    tracker.PointerOver(a);
    tracker.PointerOver(a);
    tracker.PointerOver(b);
    tracker.PointerOver(c);
    tracker.PointerOver(&window);
    tracker.PointerOver(&window);
    EXPECT_EQ(seen, (std::vector<QString>{"A", "C", ""}));
    EXPECT_EQ(tracker.Current(), "");
}

TEST_F(HintTrackerTest, ThePointerEnteringAControlUpdatesTheHint) {
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* label = new QLabel(panel);
    SetHint(panel, "panel");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(label, &enter);
    EXPECT_EQ(seen, (std::vector<QString>{"panel"}));
}

TEST_F(HintTrackerTest, HighlightedMenuItemsGiveTheirHints) {
    QMenu menu;
    tracker.WatchMenu(&menu);
    QAction* withHint = menu.addAction("item");
    SetHint(withHint, QString::fromUtf8("HTML形式で表示します"));
    QAction* without = menu.addAction("plain");
    emit menu.hovered(withHint);
    tracker.ActionHovered(withHint);
    emit menu.hovered(without);
    tracker.ActionHovered(withHint);
    tracker.ActionHovered(nullptr);
    const QString h = QString::fromUtf8("HTML形式で表示します");
    // Each highlight writes its hint, also the same one again: the status line may have shown
    // a text of its own in between.
    EXPECT_EQ(seen, (std::vector<QString>{h, h, "", h, ""}));
}

TEST(GetLongHint, IsTheTextAfterTheFirstBar) {
    const std::pair<const char*, const char*> cases[] = {
        {"a|b", "b"}, {"ab", "ab"}, {"a|b|c", "b|c"}, {"|b", "b"}, {"a|", ""}, {"", ""}};
    for (const auto& [hint, longHint] : cases)
        EXPECT_EQ(GetLongHint(QString::fromUtf8(hint)), QString::fromUtf8(longHint)) << hint;
}

} // namespace
} // namespace tintor
