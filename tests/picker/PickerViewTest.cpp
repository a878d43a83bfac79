// The picker's view of one screen: the pixel under the cross-hair, the magnifier's pixels, text
// and place, the keys, and device pixels at scale 2.
#include "support/PickerScript.h"

#include "picker/ScreenPicker.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <optional>
#include <vector>

namespace tintor::test {
namespace {

constexpr QRect ScreenArea(0, 0, 400, 300);

class PickerViewTest : public ::testing::Test {
protected:
    std::unique_ptr<PickerView> view;

    void Show(int scale, int format = FormatHtml) {
        view = std::make_unique<PickerView>(PatternScreen(ScreenArea, scale), [format](TColor c) {
            return PickerCodeText(format, c);
        });
        view->show();
        view->SetActive(true);
    }
    // The colour the view reports when the user clicks at a logical point, or nothing.
    std::optional<TColor> ClickAt(QPoint point) {
        QSignalSpy picked(view.get(), &PickerView::picked);
        QTest::mouseMove(view.get(), point);
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, point);
        if (picked.count() != 1) return std::nullopt;
        return picked.front().front().value<TColor>();
    }
    QImage Frame() const { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The middle of the magnifier cell dx, dy cells away from the centre, in the frame.
    QPoint CellMiddle(int dx, int dy) const {
        const QRect cells = view->CellsRect();
        const int half = PickerView::Cells / 2;
        return cells.topLeft() +
               QPoint((half + dx) * PickerView::CellSize + PickerView::CellSize / 2,
                      (half + dy) * PickerView::CellSize + PickerView::CellSize / 2);
    }
};

TEST_F(PickerViewTest, AClickPicksThePixelUnderThePointerAtScaleOneAndTwo) {
    Show(1);
    EXPECT_EQ(ClickAt({37, 211}), PatternColor(37, 211));
    // (QTest reads the point (0, 0) as "the widget's centre".)
    EXPECT_EQ(ClickAt({0, 1}), PatternColor(0, 1));
    EXPECT_EQ(ClickAt({1, 0}), PatternColor(1, 0));
    EXPECT_EQ(ClickAt({399, 299}), PatternColor(399, 299));

    // At scale 2 the logical point (37, 211) covers device pixels 74..75, 422..423: the
    // cross-hair's pixel is the first.
    Show(2);
    EXPECT_EQ(ClickAt({37, 211}), PatternColor(74, 422));
    EXPECT_EQ(view->Pixel(), QPoint(74, 422));
    EXPECT_EQ(ClickAt({399, 299}), PatternColor(798, 598));
}

TEST_F(PickerViewTest, PixelAtFractionalPointsRoundsDownToTheDevicePixelUnderIt) {
    // Scale 1.5: a screen of 400 logical pixels shows 600 device pixels. Pointer points are
    // device pixels divided by 1.5; each must map back to its own pixel.
    view = std::make_unique<PickerView>(
        ScreenShot{ScreenArea, PatternScreen(QRect(0, 0, 600, 450)).image}, nullptr);
    for (int device : {0, 1, 2, 3, 101, 598, 599})
        EXPECT_EQ(view->PixelAt(QPointF(device / 1.5, 0)).x(), device) << device;
    EXPECT_EQ(view->PixelAt(QPointF(-5, 1000)), QPoint(0, 449)); // kept on the screen
}

struct KeyCase {
    const char* name;
    int scale;
    QPoint pointer; // logical
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
    QPoint pixel; // device pixel picked by Enter
};

class PickerKeysTest : public PickerViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PickerKeysTest, ArrowKeysMoveOneDevicePixelShiftTenAndEnterPicks) {
    const KeyCase& c = GetParam();
    Show(c.scale);
    QTest::mouseMove(view.get(), c.pointer);
    for (const auto& [key, modifiers] : c.keys)
        QTest::keyClick(view.get(), key, modifiers);
    // The pointer warp the keys cause arrives as a move and must not undo them.
    QCoreApplication::processEvents();
    QSignalSpy picked(view.get(), &PickerView::picked);
    QTest::keyClick(view.get(), Qt::Key_Return);
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(view->Pixel(), c.pixel);
    EXPECT_EQ(picked.front().front().value<TColor>(), PatternColor(c.pixel.x(), c.pixel.y()));
}

const Qt::KeyboardModifiers None = Qt::NoModifier;
const Qt::KeyboardModifiers Shift = Qt::ShiftModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, PickerKeysTest,
    ::testing::Values(
        KeyCase{
            "RightDown", 1, {100, 100}, {{Qt::Key_Right, None}, {Qt::Key_Down, None}}, {101, 101}},
        KeyCase{
            "ShiftLeftUp", 1, {100, 100}, {{Qt::Key_Left, Shift}, {Qt::Key_Up, Shift}}, {90, 90}},
        KeyCase{"StopsAtTopLeft", 1, {3, 2}, {{Qt::Key_Left, Shift}, {Qt::Key_Up, Shift}}, {0, 0}},
        KeyCase{"StopsAtBottomRight",
                1,
                {395, 298},
                {{Qt::Key_Right, Shift}, {Qt::Key_Down, Shift}},
                {399, 299}},
        KeyCase{"ScaleTwoMovesOneDevicePixel", 2, {50, 60}, {{Qt::Key_Right, None}}, {101, 120}},
        KeyCase{
            "ScaleTwoShiftUp", 2, {50, 60}, {{Qt::Key_Up, Shift}, {Qt::Key_Left, None}}, {99, 110}},
        KeyCase{"ScaleTwoStopsAtBottomRight",
                2,
                {399, 299},
                {{Qt::Key_Right, None}, {Qt::Key_Down, Shift}},
                {799, 599}}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(PickerViewTest, EscapeAndRightClickCancelWithoutAPick) {
    Show(1);
    QSignalSpy picked(view.get(), &PickerView::picked);
    QSignalSpy cancelled(view.get(), &PickerView::cancelled);
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QTest::mouseClick(view.get(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(cancelled.count(), 2);
    EXPECT_EQ(picked.count(), 0);
}

TEST_F(PickerViewTest, MagnifierShowsTheDevicePixelsAroundTheCentreAtScaleOneAndTwo) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        Show(scale);
        QTest::mouseMove(view.get(), QPoint(120, 90));
        const QPoint centre = view->Pixel();
        const QImage frame = Frame();
        const int half = PickerView::Cells / 2;
        ASSERT_GE(PickerView::Cells, 15);
        ASSERT_GE(PickerView::CellSize, 8);
        for (int dy = -half; dy <= half; ++dy)
            for (int dx = -half; dx <= half; ++dx)
                ASSERT_EQ(frame.pixel(CellMiddle(dx, dy)),
                          PatternRgb(centre.x() + dx, centre.y() + dy))
                    << dx << "," << dy;
        // The centre cell is framed: its border rows are not the pixel's colour.
        const QPoint middle = CellMiddle(0, 0);
        const int edge = PickerView::CellSize / 2;
        EXPECT_NE(frame.pixel(middle - QPoint(edge, 0)), PatternRgb(centre.x(), centre.y()));
        EXPECT_NE(frame.pixel(middle - QPoint(edge + 1, 0)),
                  PatternRgb(centre.x() - 1, centre.y()));
    }
}

TEST_F(PickerViewTest, MagnifierHatchesWhatLiesBeyondTheScreenEdge) {
    Show(1);
    view->SetPixel({0, 0});
    const QImage frame = Frame();
    EXPECT_EQ(frame.pixel(CellMiddle(0, 0)), PatternRgb(0, 0));
    EXPECT_EQ(frame.pixel(CellMiddle(1, 1)), PatternRgb(1, 1));
    // Cells left of and above pixel 0 show grey hatching, never a colour of the screen.
    for (const QPoint cell : {QPoint(-1, 0), QPoint(0, -1), QPoint(-7, -7)}) {
        const QRect area(CellMiddle(cell.x(), cell.y()) - QPoint(4, 4), QSize(8, 8));
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb rgb = frame.pixel(x, y);
                ASSERT_TRUE(qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb))
                    << cell.x() << "," << cell.y();
            }
    }
}

TEST_F(PickerViewTest, MagnifierTextIsTheCentrePixelInTheDisplayFormat) {
    const struct {
        int format;
        const char* text; // for pixel (26, 4): 0x001A041A is red 0x1A, green 0x04, blue 0x10
    } cases[] = {
        {FormatHtml, "#1A0410"}, {FormatRgb, "026,004,016"}, {FormatDelphi, "$0010041A"},
        {FormatVb, "&H10041A&"}, {FormatCpp, "0x0010041A"},  {0, "#1A0410"}, // no format: HTML
    };
    for (const auto& c : cases) {
        Show(1, c.format);
        QTest::mouseMove(view.get(), QPoint(26, 4));
        EXPECT_EQ(view->CodeText().toStdString(), c.text) << c.format;
    }
    // The text is drawn: white strokes on the strip's dark ground.
    const QImage frame = Frame();
    const QRect label = view->LabelRect();
    int white = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left() + label.height(); x <= label.right(); ++x)
            white += qGray(frame.pixel(x, y)) > 200;
    EXPECT_GT(white, 20);
}

TEST_F(PickerViewTest, MagnifierStaysOnTheScreenAndFlipsAwayFromItsEdges) {
    Show(1);
    const struct {
        QPoint pointer;
        bool right; // the magnifier stands right of the pointer
        bool below;
    } cases[] = {
        {{50, 40}, true, true},
        {{390, 40}, false, true},
        {{50, 290}, true, false},
        {{399, 299}, false, false},
    };
    for (const auto& c : cases) {
        QTest::mouseMove(view.get(), c.pointer);
        const QRect m = view->MagnifierRect();
        EXPECT_TRUE(view->rect().contains(m)) << c.pointer.x() << "," << c.pointer.y();
        EXPECT_EQ(m.left() > c.pointer.x(), c.right) << c.pointer.x();
        EXPECT_EQ(m.top() > c.pointer.y(), c.below) << c.pointer.y();
        EXPECT_FALSE(m.contains(c.pointer));
    }
}

} // namespace
} // namespace tintor::test
