// Keeps stay-on-top windows above others on an X display without a window manager.
#include "platform/X11KeepAbove.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace tintor {

namespace {
xcb_connection_t* Connection() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t RootOf(xcb_connection_t* c) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    return xcb_setup_roots_iterator(setup).data->root;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// A window manager announces itself through _NET_SUPPORTING_WM_CHECK on the root window.
bool WindowManagerRuns(xcb_connection_t* c, xcb_window_t root) {
    const auto cookie =
        xcb_get_property(c, 0, root, Atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &free);
    return reply && xcb_get_property_value_length(reply.get()) > 0;
}
} // namespace

X11KeepAbove& X11KeepAbove::Instance() {
    static X11KeepAbove instance;
    return instance;
}

bool X11KeepAbove::Active() {
    if (!checked_) {
        checked_ = true;
        xcb_connection_t* c = Connection();
        active_ = c && !WindowManagerRuns(c, RootOf(c));
    }
    return active_;
}

void X11KeepAbove::SetAbove(QWidget* window, bool above) {
    if (!window || !Active() || !window->testAttribute(Qt::WA_WState_Created)) return;
    xcb_connection_t* c = Connection();
    const auto id = static_cast<xcb_window_t>(window->winId());

    above_.removeAll(window);
    above_.removeAll(nullptr);
    const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
    if (above) {
        above_.append(window);
        const xcb_atom_t value = Atom(c, "_NET_WM_STATE_ABOVE");
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32, 1, &value);
    } else {
        xcb_delete_property(c, id, state);
    }

    if (!watching_) {
        // Follow other programs' windows appearing or restacking.
        const xcb_window_t root = RootOf(c);
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr), &free);
        const uint32_t mask =
            (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
        qApp->installNativeEventFilter(this);
        watching_ = true;
    }
    if (above) RaiseAll();
    xcb_flush(c);
}

bool X11KeepAbove::IsOurs(unsigned window) const {
    for (QWindow* w : QGuiApplication::allWindows())
        if (w->handle() && static_cast<unsigned>(w->winId()) == window) return true;
    return false;
}

void X11KeepAbove::RaiseAll() {
    xcb_connection_t* c = Connection();
    const uint32_t aboveMode = XCB_STACK_MODE_ABOVE;
    bool raised = false;
    for (const QPointer<QWidget>& window : above_) {
        if (!window || !window->isVisible()) continue;
        xcb_configure_window(c, static_cast<xcb_window_t>(window->winId()),
                             XCB_CONFIG_WINDOW_STACK_MODE, &aboveMode);
        raised = true;
    }
    if (!raised) return;
    // The program's own dialogs, boxes and menus stay above its stay-on-top windows.
    for (QWindow* w : QGuiApplication::topLevelWindows()) {
        if (!w->isVisible() || !w->handle()) continue;
        const Qt::WindowType type = w->type();
        if (type == Qt::Dialog || type == Qt::Popup || type == Qt::ToolTip || w->isModal() ||
            w->flags().testFlag(Qt::WindowStaysOnTopHint)) {
            bool isAbove = false;
            for (const QPointer<QWidget>& window : above_)
                if (window && window->windowHandle() == w) isAbove = true;
            if (!isAbove)
                xcb_configure_window(c, static_cast<xcb_window_t>(w->winId()),
                                     XCB_CONFIG_WINDOW_STACK_MODE, &aboveMode);
        }
    }
    xcb_flush(c);
}

bool X11KeepAbove::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || above_.isEmpty()) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7F) {
    case XCB_MAP_NOTIFY: {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (!map->override_redirect && !IsOurs(map->window)) RaiseAll();
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (!configure->override_redirect && configure->event != configure->window &&
            !IsOurs(configure->window))
            RaiseAll();
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace tintor
