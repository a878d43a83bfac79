// The desktop portal's colour picker over a real bus, against a stand-in portal: a pick, the
// user's cancel, refusals, an answer that never comes, and no portal at all.
#include "support/StandInPortal.h"

#include "platform/DesktopPortal.h"

#include <cmath>
#include <limits>

namespace tintor::test {
namespace {

TEST(DesktopPortalTest, AnswersOfThePortalBecomePickCancelOrAClearFailure) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty());
    StandInPortal portal;
    ASSERT_TRUE(portal.Serve(bus.address));
    portal.rgb = {0.2, 0.4, 0.6};

    const struct {
        const char* name;
        StandInPortal::Mode mode;
        PortalAnswer::Kind kind;
        TColor color;
        const char* reason;
    } cases[] = {
        {"pick", StandInPortal::Pick, PortalAnswer::Picked, 0x00996633, ""},
        {"old portal's own request path", StandInPortal::OwnPath, PortalAnswer::Picked, 0x00996633,
         ""},
        {"user cancels", StandInPortal::Cancel, PortalAnswer::Cancelled, 0, ""},
        {"refused", StandInPortal::Refuse, PortalAnswer::Failed, 0,
         "デスクトップポータルが色の取得を拒否しました"},
        {"error reply", StandInPortal::ErrorReply, PortalAnswer::Failed, 0,
         "デスクトップポータルの色の取得機能が使えません"},
        {"no colour in the answer", StandInPortal::NoColour, PortalAnswer::Failed, 0,
         "デスクトップポータルの応答に色がありません"},
        {"never answers", StandInPortal::Silent, PortalAnswer::Failed, 0,
         "デスクトップポータルから応答がありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        portal.mode = c.mode;
        portal.lastOptions.clear();
        PortalOptions options;
        options.busAddress = bus.address;
        options.timeoutMs = 400;
        const PortalAnswer answer = PickColorThroughPortal(options);
        EXPECT_EQ(answer.kind, c.kind);
        EXPECT_EQ(answer.color, c.color);
        EXPECT_EQ(answer.reason.toStdString(), c.reason);
        EXPECT_FALSE(portal.lastOptions.value("handle_token").toString().isEmpty());
    }
}

TEST(DesktopPortalTest, NoPortalOnTheBusOrNoBusIsAFailureNotAWait) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty());
    PortalOptions options;
    options.busAddress = bus.address;
    options.timeoutMs = 60 * 1000; // the bus answers at once; the test must not wait for this
    EXPECT_EQ(PickColorThroughPortal(options).reason.toStdString(),
              "デスクトップポータルの色の取得機能が使えません");

    options.busAddress = QStringLiteral("unix:path=/nonexistent/tintor-bus");
    const PortalAnswer answer = PickColorThroughPortal(options);
    EXPECT_EQ(answer.kind, PortalAnswer::Failed);
    EXPECT_EQ(answer.reason.toStdString(), "セッションバスに接続できません");
}

TEST(DesktopPortalTest, FractionsBecomeBytesRoundedAndClamped) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double red, green, blue;
        TColor color;
    } cases[] = {
        {0, 0, 0, 0x00000000},           {1, 1, 1, 0x00FFFFFF},
        {0.5, 0.25, 0.75, 0x00BF4080},   {-0.5, 1.5, nan, 0x0000FF00},
        {0.998, 0.002, 0.5, 0x008001FE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortalFractionsToColor(c.red, c.green, c.blue), c.color)
            << c.red << " " << c.green << " " << c.blue;
}

} // namespace
} // namespace tintor::test
