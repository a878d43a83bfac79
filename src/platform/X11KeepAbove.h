// Stay-on-top without a window manager. On X11 a window manager keeps windows marked
// _NET_WM_STATE_ABOVE above the others; when none runs, this keeps the program's stay-on-top
// windows above other programs' windows itself, and shows the state on the window.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace tintor {

class X11KeepAbove : public QAbstractNativeEventFilter {
public:
    static X11KeepAbove& Instance();
    // Marks the top-level window as staying on top or not. Does nothing when the program does
    // not run on X11, or when a window manager takes care of it.
    void SetAbove(QWidget* window, bool above);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    X11KeepAbove() = default;
    bool Active();
    void RaiseAll();
    bool IsOurs(unsigned window) const;

    bool checked_ = false;
    bool active_ = false;
    bool watching_ = false;
    QList<QPointer<QWidget>> above_;
};

} // namespace tintor
