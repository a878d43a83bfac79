// Drawing the frozen screen and the magnifier, and following the pointer and the keys.
#include "picker/PickerView.h"

#include <QCursor>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tintor {

PickerView::PickerView(ScreenShot shot, std::function<QString(TColor)> codeText, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::X11BypassWindowManagerHint),
      shot_(std::move(shot)), codeText_(std::move(codeText)) {
    setObjectName(QStringLiteral("PickerView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(shot_.geometry);
    pixel_ = QPoint(shot_.image.width() / 2, shot_.image.height() / 2);
}

qreal PickerView::ScaleX() const {
    const int logical = shot_.geometry.width();
    return logical > 0 ? qreal(shot_.image.width()) / logical : 1.0;
}

qreal PickerView::ScaleY() const {
    const int logical = shot_.geometry.height();
    return logical > 0 ? qreal(shot_.image.height()) / logical : 1.0;
}

QPoint PickerView::PixelAt(QPointF local) const {
    // Pointer positions are whole device pixels divided by the scale; the small allowance
    // keeps 2.9999 from falling into the pixel before.
    const int x = static_cast<int>(std::floor(local.x() * ScaleX() + 1e-6));
    const int y = static_cast<int>(std::floor(local.y() * ScaleY() + 1e-6));
    return {std::clamp(x, 0, std::max(0, shot_.image.width() - 1)),
            std::clamp(y, 0, std::max(0, shot_.image.height() - 1))};
}

QPointF PickerView::PointOf(QPoint pixel) const {
    return {(pixel.x() + 0.5) / ScaleX(), (pixel.y() + 0.5) / ScaleY()};
}

TColor PickerView::PixelColor() const {
    if (!shot_.image.valid(pixel_)) return clBlack;
    const QRgb rgb = shot_.image.pixel(pixel_);
    return static_cast<TColor>(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
}

QString PickerView::CodeText() const {
    return codeText_ ? codeText_(PixelColor()) : QString();
}

void PickerView::SetPixel(QPoint pixel) {
    pixel.setX(std::clamp(pixel.x(), 0, std::max(0, shot_.image.width() - 1)));
    pixel.setY(std::clamp(pixel.y(), 0, std::max(0, shot_.image.height() - 1)));
    if (pixel == pixel_) return;
    const QRect before = MagnifierRect();
    pixel_ = pixel;
    if (active_) update(QRegion(before) | MagnifierRect());
}

void PickerView::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    update(MagnifierRect());
}

QRect PickerView::MagnifierRect() const {
    const int w = Cells * CellSize + 2;
    const int h = Cells * CellSize + LabelHeight + 2;
    const QPointF p = PointOf(pixel_);
    // Below and right of the pointer; on the other side where that leaves the screen.
    int x = static_cast<int>(p.x()) + Offset;
    if (x + w > width()) x = static_cast<int>(p.x()) - Offset - w;
    int y = static_cast<int>(p.y()) + Offset;
    if (y + h > height()) y = static_cast<int>(p.y()) - Offset - h;
    return {std::max(0, x), std::max(0, y), w, h};
}

QRect PickerView::CellsRect() const {
    const QRect m = MagnifierRect();
    return {m.x() + 1, m.y() + 1, Cells * CellSize, Cells * CellSize};
}

QRect PickerView::LabelRect() const {
    const QRect cells = CellsRect();
    return {cells.x(), cells.bottom() + 1, cells.width(), LabelHeight};
}

void PickerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The picture covers the view at its device pixels; no smoothing, so every pixel stays
    // the colour it was.
    painter.drawImage(QRectF(rect()), shot_.image);
    if (active_) DrawMagnifier(painter);
}

void PickerView::DrawMagnifier(QPainter& painter) const {
    const QRect cells = CellsRect();
    painter.fillRect(MagnifierRect(), Qt::black);

    const int half = Cells / 2;
    for (int row = 0; row < Cells; ++row) {
        for (int column = 0; column < Cells; ++column) {
            const QPoint source = pixel_ + QPoint(column - half, row - half);
            const QRect cell(cells.x() + column * CellSize, cells.y() + row * CellSize, CellSize,
                             CellSize);
            if (shot_.image.valid(source)) {
                painter.fillRect(cell, QColor::fromRgb(shot_.image.pixel(source)));
            } else {
                // Beyond the screen's edge: hatched, so it is not read as a black pixel.
                painter.fillRect(cell, QColor(64, 64, 64));
                painter.fillRect(cell, QBrush(QColor(128, 128, 128), Qt::BDiagPattern));
            }
        }
    }

    // The grid: a line between neighbouring cells, grey so it shows on dark and light alike.
    painter.setPen(QColor(128, 128, 128, 140));
    for (int k = 1; k < Cells; ++k) {
        const int x = cells.x() + k * CellSize;
        const int y = cells.y() + k * CellSize;
        painter.drawLine(x, cells.top(), x, cells.bottom());
        painter.drawLine(cells.left(), y, cells.right(), y);
    }

    // The centre pixel framed: white on the cell's own border, black around it. An outline of
    // QRect(x, y, w, h) covers x to x + w.
    const int cx = cells.x() + half * CellSize;
    const int cy = cells.y() + half * CellSize;
    painter.setPen(Qt::black);
    painter.drawRect(QRect(cx - 1, cy - 1, CellSize + 1, CellSize + 1));
    painter.setPen(Qt::white);
    painter.drawRect(QRect(cx, cy, CellSize - 1, CellSize - 1));

    // The strip: the colour as a swatch and its code, white on a dark ground.
    const QRect label = LabelRect();
    painter.fillRect(label, QColor(32, 32, 32));
    const QRect swatch(label.x() + 4, label.y() + 4, label.height() - 8, label.height() - 8);
    painter.fillRect(swatch, QColor::fromRgb(shot_.image.valid(pixel_) ? shot_.image.pixel(pixel_)
                                                                       : qRgb(0, 0, 0)));
    painter.setPen(Qt::white);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    painter.drawText(label.adjusted(swatch.right() + 6 - label.x(), 0, -4, 0),
                     Qt::AlignVCenter | Qt::AlignLeft, CodeText());
}

void PickerView::Follow(QPointF local) {
    if (!active_) emit pointerArrived(this);
    SetPixel(PixelAt(local));
}

void PickerView::mouseMoveEvent(QMouseEvent* event) {
    PointerAt(event->position());
}

void PickerView::PointerAt(QPointF position) {
    const QPoint at = position.toPoint();
    const auto warp = std::find(pendingWarps_.begin(), pendingWarps_.end(), at);
    if (warp != pendingWarps_.end()) {
        // Keep it: the toolkit may report the same point twice (an enter and a move).
        pendingWarps_.erase(pendingWarps_.begin(), warp);
        return;
    }
    pendingWarps_.clear();
    lastWarp_ = QPoint(-1, -1);
    Follow(position);
}

void PickerView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit cancelled();
    } else if (event->button() == Qt::LeftButton) {
        if (event->position().toPoint() != lastWarp_) SetPixel(PixelAt(event->position()));
        emit picked(PixelColor());
    }
}

void PickerView::enterEvent(QEnterEvent* event) {
    PointerAt(event->position());
}

void PickerView::MoveBy(int dx, int dy) {
    SetPixel(pixel_ + QPoint(dx, dy));
    // The pointer goes along, to the logical point inside the pixel.
    const QPointF p = PointOf(pixel_);
    lastWarp_ = QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    if (pendingWarps_.size() < 64) pendingWarps_.push_back(lastWarp_);
    QCursor::setPos(mapToGlobal(lastWarp_));
}

void PickerView::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        return MoveBy(-step, 0);
    case Qt::Key_Right:
        return MoveBy(step, 0);
    case Qt::Key_Up:
        return MoveBy(0, -step);
    case Qt::Key_Down:
        return MoveBy(0, step);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit picked(PixelColor());
        return;
    case Qt::Key_Escape:
        emit cancelled();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace tintor
