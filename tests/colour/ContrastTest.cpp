// The contrast ratio against the guidelines' own figures, its rounding and the verdicts.
#include "colour/Contrast.h"

#include <gtest/gtest.h>

namespace tintor {
namespace {

struct RatioCase {
    const char* name;
    TColor foreground; // 0x00BBGGRR
    TColor background;
    double ratio;      // the exact ratio, to 3 decimals
    const char* shown; // rounded down to two decimals
    bool aa;
    bool aaa;
};

void PrintTo(const RatioCase& c, std::ostream* os) {
    *os << c.name;
}

class RatioTest : public ::testing::TestWithParam<RatioCase> {};

TEST_P(RatioTest, RatioShownFigureAndVerdicts) {
    const RatioCase& c = GetParam();
    EXPECT_NEAR(ContrastRatio(c.foreground, c.background), c.ratio, 0.0005);
    // The ratio does not depend on which colour is the text.
    EXPECT_DOUBLE_EQ(ContrastRatio(c.foreground, c.background),
                     ContrastRatio(c.background, c.foreground));
    const ContrastCheck check = CheckContrast(c.foreground, c.background);
    EXPECT_EQ(RatioText(check), c.shown);
    EXPECT_EQ(check.aaNormal, c.aa);
    EXPECT_EQ(check.aaaNormal, c.aaa);
}

INSTANTIATE_TEST_SUITE_P(
    Published, RatioTest,
    ::testing::Values(
        RatioCase{"BlackOnWhite", 0x000000, 0xFFFFFF, 21.0, "21.00", true, true},
        RatioCase{"WhiteOnWhite", 0xFFFFFF, 0xFFFFFF, 1.0, "1.00", false, false},
        // The grey that just reaches AA on white, and the one just below it.
        RatioCase{"Grey767676OnWhite", 0x767676, 0xFFFFFF, 4.542, "4.54", true, false},
        RatioCase{"Grey777777OnWhite", 0x777777, 0xFFFFFF, 4.478, "4.47", false, false},
        // Pure red on white is 3.998: rounding to nearest would show 4.00.
        RatioCase{"RedOnWhite", 0x0000FF, 0xFFFFFF, 3.998, "3.99", false, false},
        RatioCase{"BlueOnWhite", 0xFF0000, 0xFFFFFF, 8.592, "8.59", true, true},
        // Channels below the 0.04045 knee of the transfer function are linear.
        RatioCase{"Grey0A0A0AOnBlack", 0x0A0A0A, 0x000000, 1.061, "1.06", false, false},
        // #595959 on white: a common AAA example.
        RatioCase{"Grey595959OnWhite", 0x595959, 0xFFFFFF, 7.005, "7.00", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContrastThresholds, LargeTextLevelsAreLower) {
    // #949494 on white is 3.03: AA for large text only.
    const ContrastCheck check = CheckContrast(0x949494, 0xFFFFFF);
    EXPECT_FALSE(check.aaNormal);
    EXPECT_TRUE(check.aaLarge);
    EXPECT_FALSE(check.aaaLarge);
}

TEST(ContrastThresholds, HighByteIsIgnored) {
    EXPECT_DOUBLE_EQ(ContrastRatio(static_cast<TColor>(0x80000000), 0x00FFFFFF), 21.0);
}

} // namespace
} // namespace tintor
