// The HTML test page built from a group of four colours.
#include "colorsave/HtmlTestPage.h"

#include "settings/TextLines.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tintor {
namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(HtmlTestPage, MatchesGoldenFileByteForByte) {
    const std::vector<std::string> page =
        BuildHtmlTestPage({0x00123456, 0x00ABCDEF, 0x00FF0000, 0x0000A5FF});
    ASSERT_EQ(page.size(), 35u);
    EXPECT_EQ(JoinTextLines(page), ReadBytes(TINTOR_TEST_DATA "/html_test_page.html"));
}

TEST(HtmlTestPage, ColoursGoToBackgroundTextLinkAndVisited) {
    const std::vector<std::string> page =
        BuildHtmlTestPage({0x00000011, 0x00002200, 0x00330000, 0x00445566});
    EXPECT_EQ(page[12], "body      { background-color:#110000; color:#002200; margin:2em }");
    EXPECT_EQ(page[13], "a:link    { color: #000033 }");
    EXPECT_EQ(page[14], "a:visited { color: #665544 }");
}

TEST(HtmlTestPage, FourWhiteColoursGiveWhiteEverywhere) {
    const std::string bytes =
        JoinTextLines(BuildHtmlTestPage({clWhite, clWhite, clWhite, clWhite}));
    std::size_t colours = 0;
    for (std::size_t at = bytes.find('#'); at != std::string::npos; at = bytes.find('#', at + 1)) {
        EXPECT_EQ(bytes.substr(at, 7), "#FFFFFF");
        ++colours;
    }
    EXPECT_EQ(colours, 4u);
}

} // namespace
} // namespace tintor
