// Follows the pointer and highlighted menu items to keep the application's current hint.
#include "platform/HintTracker.h"

#include "platform/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QWidget>

namespace tintor {

HintTracker::HintTracker() = default;

HintTracker& HintTracker::Instance() {
    static HintTracker* tracker = new HintTracker();
    return *tracker;
}

void HintTracker::SetHandler(std::function<void(const QString&)> handler) {
    handler_ = std::move(handler);
    if (!installed_ && qApp) {
        qApp->installEventFilter(this);
        installed_ = true;
    }
}

void HintTracker::WatchMenu(QMenu* menu) {
    connect(menu, &QMenu::hovered, this, [this](QAction* action) { ActionHovered(action); });
}

QString HintTracker::HintFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString hint = HintOf(w);
        if (!hint.isEmpty()) return hint;
        if (w->isWindow()) break;
    }
    return QString();
}

void HintTracker::PointerOver(const QWidget* widget) {
    Update(HintFor(widget));
}

void HintTracker::ActionHovered(const QAction* action) {
    // Written even when it equals the current hint: the status line may show a text of its own
    // since (a slot number, the status bar's note), which the item's hint replaces.
    current_ = action ? HintOf(action) : QString();
    if (handler_) handler_(current_);
}

void HintTracker::Update(const QString& hint) {
    if (hint == current_) return;
    current_ = hint;
    if (handler_) handler_(hint);
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && !qobject_cast<QMenu*>(widget))
            PointerOver(widget);
        break;
    case QEvent::Leave:
        if (qobject_cast<QWidget*>(watched) && !qobject_cast<QMenu*>(watched)) {
            QWidget* under = QApplication::widgetAt(QCursor::pos());
            if (!qobject_cast<QMenu*>(under)) PointerOver(under);
        }
        break;
    default:
        break;
    }
    return false;
}

QString GetLongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace tintor
