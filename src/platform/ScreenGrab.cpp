// Every screen as the user sees it, grabbed from the X server at device pixels.
#include "platform/ScreenGrab.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace tintor {

bool RunsOnWaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qgetenv("XDG_SESSION_TYPE") == "wayland";
}

std::vector<ScreenShot> GrabAllScreens() {
    // Only an X server lets a program read what other programs show; XWayland shows black
    // where native Wayland windows are.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || RunsOnWaylandSession())
        return {};

    // A menu that started the picker has just closed: let the windows under it repaint before
    // the picture is taken.
    QEventLoop settle;
    QTimer::singleShot(150, &settle, &QEventLoop::quit);
    settle.exec(QEventLoop::ExcludeUserInputEvents);

    std::vector<ScreenShot> shots;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        // The root window is the whole desktop; ask for this screen's part of it. The toolkit
        // turns the logical rectangle into device pixels.
        const QPixmap pixmap =
            screen->grabWindow(0, geometry.x(), geometry.y(), geometry.width(), geometry.height());
        if (pixmap.isNull()) return {};
        QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        shots.push_back({geometry, std::move(image)});
    }
    return shots;
}

} // namespace tintor
