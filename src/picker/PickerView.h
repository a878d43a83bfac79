// One screen of the colour picker: the frozen picture of the screen, shown full-screen under a
// cross-hair pointer, with a magnifier that follows the pointer and shows the centre pixel's
// code.
#pragma once

#include "colour/ColorValue.h"
#include "platform/ScreenSources.h"

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

namespace tintor {

class PickerView : public QWidget {
    Q_OBJECT
public:
    // The magnifier shows Cells x Cells device pixels, each as a CellSize square, and under
    // them a strip with the centre pixel's code.
    static constexpr int Cells = 15;
    static constexpr int CellSize = 10;
    static constexpr int LabelHeight = 24;
    // Distance between the pointer and the magnifier's nearest corner.
    static constexpr int Offset = 20;

    // codeText formats the centre pixel for the magnifier's strip.
    PickerView(ScreenShot shot, std::function<QString(TColor)> codeText, QWidget* parent = nullptr);

    const ScreenShot& Shot() const { return shot_; }
    // The device pixel under the cross-hair, and its colour.
    QPoint Pixel() const { return pixel_; }
    TColor PixelColor() const;
    QString CodeText() const;
    // Moves the cross-hair to a device pixel (kept on the screen).
    void SetPixel(QPoint pixel);
    // Whether this screen holds the pointer; only then it shows the magnifier.
    void SetActive(bool active);
    bool IsActive() const { return active_; }

    // Where the magnifier stands (cells and strip) and where its pixel grid lies, in the
    // view's own coordinates.
    QRect MagnifierRect() const;
    QRect CellsRect() const;
    QRect LabelRect() const;

    // The device pixel under a point of the view.
    QPoint PixelAt(QPointF local) const;

signals:
    void picked(TColor color);
    void cancelled();
    // The pointer came onto this screen.
    void pointerArrived(PickerView* view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    // The device pixel scale of the picture: device pixels per logical pixel.
    qreal ScaleX() const;
    qreal ScaleY() const;
    // The logical point at the centre of a device pixel.
    QPointF PointOf(QPoint pixel) const;
    void MoveBy(int dx, int dy);
    void Follow(QPointF local);
    // The pointer was reported at a point: follow it, unless a key move put it there.
    void PointerAt(QPointF position);
    void DrawMagnifier(QPainter& painter) const;

    ScreenShot shot_;
    std::function<QString(TColor)> codeText_;
    QPoint pixel_;
    bool active_ = false;
    // Where key moves put the pointer and the move events are still to come: those events keep
    // the keys' pixel (at scale 2 or 1.5 the pointer's logical point maps back to a
    // neighbouring pixel). The last one also keeps it for a click that follows.
    std::vector<QPoint> pendingWarps_;
    QPoint lastWarp_{-1, -1};
};

} // namespace tintor
