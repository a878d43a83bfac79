// What the screen colour picker reads from the desktop: a frozen picture of every screen, or
// the answer of the desktop portal's own colour picker where the screen cannot be read.
#pragma once

#include "colour/ColorValue.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace tintor {

// One screen as it looked when the picker started. geometry is the screen's place on the
// desktop in the toolkit's (logical) coordinates; image holds its device pixels, so at a scale
// factor of 2 the image is twice as wide and high as geometry.
struct ScreenShot {
    QRect geometry;
    QImage image;
};

// The answer of the desktop portal's colour picker.
struct PortalAnswer {
    enum Kind {
        Picked,    // color holds the chosen colour
        Cancelled, // the user closed the portal's picker
        Failed,    // no portal, refused, no answer in time: reason says which, in Japanese
    };
    Kind kind = Failed;
    TColor color = 0;
    QString reason;
};

} // namespace tintor
