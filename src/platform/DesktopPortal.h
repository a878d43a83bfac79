// The desktop portal's colour picker (org.freedesktop.portal.Screenshot.PickColor) over D-Bus:
// the one way to read a pixel of other programs' windows on a Wayland session.
#pragma once

#include "platform/ScreenSources.h"

#include <QString>

namespace tintor {

struct PortalOptions {
    // The bus to use; empty for the session bus.
    QString busAddress;
    QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    // How long to wait for the user's pick before giving up.
    int timeoutMs = 5 * 60 * 1000;
    // The window the portal's picker belongs to ("x11:<hex id>"), or empty.
    QString parentWindow;
};

// Asks the portal for a colour and waits for its answer, running the event loop meanwhile.
PortalAnswer PickColorThroughPortal(const PortalOptions& options = {});

// The colour of the portal's red, green and blue fractions (0 to 1, clamped).
TColor PortalFractionsToColor(double red, double green, double blue);

} // namespace tintor
