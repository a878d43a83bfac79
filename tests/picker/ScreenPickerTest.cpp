// A picker run against the scripted platform: the frozen screens and which of them takes the
// keys, the portal where the screen cannot be read, and the stay-on-top windows around it.
#include "support/PickerScript.h"

#include "picker/ScreenPicker.h"
#include "platform/ScriptedPlatform.h"

#include <QCursor>
#include <QTest>

namespace tintor::test {
namespace {

std::vector<std::string> Calls(const ScriptedPlatform& platform) {
    return platform.calls;
}

TEST(ScreenPickerTest, PicksOnTheScreenThatHoldsThePointerAndRestoresTheStayOnTopBand) {
    ScriptedPlatform platform;
    // Two screens side by side; the right one at scale 2, each with its own tone.
    platform.screenShots = {PatternScreen(QRect(0, 0, 300, 200), 1, 0),
                            PatternScreen(QRect(300, 0, 300, 200), 2, 1)};
    QCursor::setPos(QPoint(350, 40));
    QPoint startPixel;
    WhenPickerShows([&](PickerView& view) {
        startPixel = view.Pixel();
        EXPECT_EQ(view.Shot().geometry.x(), 300);
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_Enter);
    });
    const PickOutcome outcome = RunScreenPicker(platform, FormatRgb);

    EXPECT_EQ(startPixel, QPoint(100, 80)); // logical (50, 40) on that screen, at scale 2
    ASSERT_EQ(outcome.kind, PickOutcome::Picked);
    EXPECT_EQ(outcome.color, PatternColor(101, 80, 1));
    EXPECT_EQ(Calls(platform),
              (std::vector<std::string>{"NormalizeTopMosts", "GrabScreens", "RestoreTopMosts"}));
    EXPECT_EQ(ActivePickerView(), nullptr); // the views are gone
}

TEST(ScreenPickerTest, EscapeCancelsAndTheBandComesBackAllTheSame) {
    ScriptedPlatform platform;
    platform.screenShots = {PatternScreen(QRect(0, 0, 300, 200))};
    QCursor::setPos(QPoint(20, 20));
    WhenPickerShows([](PickerView& view) { QTest::keyClick(&view, Qt::Key_Escape); });
    EXPECT_EQ(RunScreenPicker(platform, FormatHtml).kind, PickOutcome::Cancelled);
    EXPECT_EQ(Calls(platform),
              (std::vector<std::string>{"NormalizeTopMosts", "GrabScreens", "RestoreTopMosts"}));
}

TEST(ScreenPickerTest, WithoutAReadableScreenThePortalPicks) {
    const struct {
        const char* name;
        PortalAnswer answer;
        PickOutcome::Kind kind;
        TColor color;
        const char* message;
    } cases[] = {
        {"picked", {PortalAnswer::Picked, 0x00336699, {}}, PickOutcome::Picked, 0x00336699, ""},
        {"cancelled", {PortalAnswer::Cancelled, 0, {}}, PickOutcome::Cancelled, 0, ""},
        {"failed",
         {PortalAnswer::Failed, 0, QStringLiteral("デスクトップポータルから応答がありません")},
         PickOutcome::Unavailable,
         0,
         "この環境では画面から色を拾えません\r\n（デスクトップポータルから応答がありません）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPlatform platform;
        platform.portalAnswers = {c.answer};
        const PickOutcome outcome = RunScreenPicker(platform, FormatHtml);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.color, c.color);
        EXPECT_EQ(outcome.message.toStdString(), c.message);
        EXPECT_EQ(Calls(platform),
                  (std::vector<std::string>{"NormalizeTopMosts", "GrabScreens", "PortalPickColor",
                                            "RestoreTopMosts"}));
    }
}

} // namespace
} // namespace tintor::test
