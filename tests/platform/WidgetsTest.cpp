// Widget traits: colour values on screen, font and background colours kept exactly, byte
// captions, per-control hints.
#include "platform/Widgets.h"
#include "platform/Cp932.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <gtest/gtest.h>
#include <string>

namespace tintor {
namespace {

TEST(ColorValues, PlainColoursMapTheirRedGreenAndBlueBytes) {
    struct Case {
        TColor value;
        QColor colour;
    };
    const Case cases[] = {
        {0x000080FF, QColor(255, 128, 0)},      {0x00FF0000, QColor(0, 0, 255)},
        {0x00000000, QColor(0, 0, 0)},          {0x00FFFFFF, QColor(255, 255, 255)},
        {0x00123456, QColor(0x56, 0x34, 0x12)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ToQColor(c.value), c.colour);
        EXPECT_EQ(FromQColor(c.colour), c.value);
    }
}

TEST(ColorValues, SpecialValuesComeFromThePalette) {
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(ToQColor(static_cast<TColor>(0x8000000F)), palette.color(QPalette::Button));
    EXPECT_EQ(ToQColor(static_cast<TColor>(0x80000005)), palette.color(QPalette::Base));
    EXPECT_EQ(ToQColor(static_cast<TColor>(0x80000008)), palette.color(QPalette::Text));
    EXPECT_EQ(ToQColor(0x1FFFFFFF), QColor(Qt::white)); // clNone
    // Any other value with a high byte paints its low three bytes.
    EXPECT_EQ(ToQColor(0x020080FF), QColor(255, 128, 0));
}

TEST(ColorValues, FontAndBackgroundColoursKeepTheExactValue) {
    const TColor values[] = {0x000080FF, static_cast<TColor>(0x80000008),
                             static_cast<TColor>(0x8000000F), 0x1FFFFFFF, 0x00000000};
    for (TColor value : values) {
        SCOPED_TRACE(value);
        QLabel label;
        SetFontColor(&label, value);
        SetBackgroundColor(&label, value);
        EXPECT_EQ(FontColorOf(&label), value);
        EXPECT_EQ(BackgroundColorOf(&label), value);
        EXPECT_EQ(label.palette().color(QPalette::WindowText), ToQColor(value));
        EXPECT_EQ(label.palette().color(QPalette::Window), ToQColor(value));
        FlatButton button;
        button.SetFontColor(value);
        EXPECT_EQ(button.FontColor(), value);
        EXPECT_EQ(FontColorOf(&button), value);
    }
    // A widget never set reports its palette's plain colour.
    QLabel plain;
    EXPECT_EQ(FontColorOf(&plain), FromQColor(plain.palette().color(QPalette::WindowText)));
}

TEST(ColorPanel, PaintsItsColourAndKeepsCaptionBytesExactly) {
    ColorPanel panel;
    panel.resize(40, 20);
    panel.SetColor(0x000080FF);
    panel.SetBevel(ColorPanel::Lowered);
    // "&&" for one "&", a kanji, and bytes that are no code page 932 text.
    const std::string caption = "R&&D \x8a\xbf \xff\x82";
    panel.SetCaption(caption);
    EXPECT_EQ(panel.Caption(), caption);
    const QImage image = panel.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2).rgb(), QColor(255, 128, 0).rgb());
    EXPECT_EQ(image.pixelColor(0, 0).rgb(), QApplication::palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(panel.Color(), 0x000080FF);
}

TEST(Hints, TheHintIsKeptWhileItsPopUpIsOff) {
    QLabel label;
    SetHint(&label, QString::fromUtf8("色をテキストで表示、入力します"));
    SetShowHint(&label, false);
    EXPECT_EQ(HintOf(&label), QString::fromUtf8("色をテキストで表示、入力します"));
    EXPECT_FALSE(ShowHintOf(&label));
    EXPECT_TRUE(label.toolTip().isEmpty());
    SetShowHint(&label, true);
    EXPECT_EQ(label.toolTip(), QString::fromUtf8("色をテキストで表示、入力します"));
    SetHint(&label, "x");
    EXPECT_EQ(label.toolTip(), "x");
}

// Counts the tooltip requests that reach a widget.
class ToolTipCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) ++count;
        return false;
    }
};

TEST(Hints, AControlWithItsHintOffDoesNotShowItsPanelsHint) {
    QWidget panel;
    SetHint(&panel, QString::fromUtf8("画面内クリックで、カラーパレットを表示"));
    SetShowHint(&panel, true);
    auto* button = new QLabel(&panel);
    SetHint(button, QString::fromUtf8("テキストから色を解析"));
    ToolTipCounter counter;
    panel.installEventFilter(&counter);

    const QPoint at(1, 1);
    SetShowHint(button, false);
    QHelpEvent off(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &off);
    EXPECT_EQ(counter.count, 0);

    // A control without a hint of its own still passes the request on to its panel.
    auto* plain = new QLabel(&panel);
    QHelpEvent bare(QEvent::ToolTip, at, plain->mapToGlobal(at));
    QApplication::sendEvent(plain, &bare);
    EXPECT_EQ(counter.count, 1);
}

} // namespace
} // namespace tintor
