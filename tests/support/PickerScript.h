// Screen pictures of known pixels and a way to answer the picker once it shows, for tests of
// the screen colour picker.
#pragma once

#include "colour/ColorValue.h"
#include "picker/PickerView.h"
#include "platform/ScreenSources.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace tintor::test {

// Every pixel its own colour: red = x % 256, green = y % 256, blue tells the 256-pixel block
// and the screen (`tone`).
inline QRgb PatternRgb(int x, int y, int tone = 0) {
    return qRgb(x % 256, y % 256, (0x10 + 0x20 * (x / 256) + 0x40 * (y / 256) + tone) & 0xFF);
}
inline TColor PatternColor(int x, int y, int tone = 0) {
    const QRgb rgb = PatternRgb(x, y, tone);
    return static_cast<TColor>(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
}

// A screen at `geometry` (logical) whose picture has `scale` device pixels per logical one.
inline ScreenShot PatternScreen(QRect geometry, int scale = 1, int tone = 0) {
    QImage image(geometry.width() * scale, geometry.height() * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, PatternRgb(x, y, tone));
    return {geometry, image};
}

// The picker view that holds the pointer, or nullptr.
inline PickerView* ActivePickerView() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* view = qobject_cast<PickerView*>(window);
            view && view->isVisible() && view->IsActive())
            return view;
    return nullptr;
}

// Once the next picker is up, runs `act` on the view that holds the pointer.
inline void WhenPickerShows(std::function<void(PickerView&)> act) {
    QTimer::singleShot(0, [act] {
        if (PickerView* view = ActivePickerView()) return act(*view);
        ADD_FAILURE() << "no picker view holds the pointer";
        // End a picker that runs all the same, so the test does not hang.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* view = qobject_cast<PickerView*>(window); view && view->isVisible())
                return emit view->cancelled();
    });
}

} // namespace tintor::test
