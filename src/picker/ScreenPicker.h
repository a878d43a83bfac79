// Picking a colour from the screen: the frozen screens with the magnifier where the screen can
// be read, the desktop portal's picker where it cannot (a Wayland session).
#pragma once

#include "colour/ColorValue.h"
#include "platform/Platform.h"

#include <QString>

namespace tintor {

struct PickOutcome {
    enum Kind { Picked, Cancelled, Unavailable };
    Kind kind = Cancelled;
    TColor color = 0;
    // For Unavailable: the one message to show.
    QString message;
};

// Runs the picker until the user picks or cancels. The magnifier shows codes in display format
// `format`. The application's stay-on-top windows are lowered meanwhile and come back after.
PickOutcome RunScreenPicker(Platform& platform, int format);

// The code the picker shows for a colour: the formatter of display format n, or the HTML form
// where n names no format.
QString PickerCodeText(int format, TColor color);

// The message when neither the screen nor the portal can give a colour.
QString PickerUnavailableMessage(const QString& reason);

} // namespace tintor
