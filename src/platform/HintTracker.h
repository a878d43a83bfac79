// The application-wide hint: the hint of the control under the mouse, or of its nearest
// enclosing control with a non-empty hint, or the hint of a highlighted menu item. Whenever it
// changes, the installed handler receives it (pop-up hints on or off alike).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace tintor {

class HintTracker : public QObject {
    Q_OBJECT
public:
    static HintTracker& Instance();

    // Replaces the handler of hint changes (one for the whole application).
    void SetHandler(std::function<void(const QString&)> handler);
    // Follows the hints of this menu's items while they are highlighted.
    void WatchMenu(QMenu* menu);
    // The hint that applies to a widget: its own or its nearest enclosing non-empty hint.
    static QString HintFor(const QWidget* widget);
    // Tells the tracker the pointer is now over this widget (also used by tests).
    void PointerOver(const QWidget* widget);
    // A menu item was highlighted.
    void ActionHovered(const QAction* action);
    QString Current() const { return current_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HintTracker();
    void Update(const QString& hint);
    std::function<void(const QString&)> handler_;
    QString current_;
    bool installed_ = false;
};

// The long part of a hint: the text after its first "|", or the whole hint without one.
QString GetLongHint(const QString& hint);

} // namespace tintor
