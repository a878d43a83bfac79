// The HTML test page built from one group's four colours.
#include "colorsave/HtmlTestPage.h"

namespace tintor {

namespace {

// Two full-width spaces (code page 932 0x81 0x40 each) between the sample text and its size.
constexpr const char* FullWidthSpaces = "\x81\x40\x81\x40";

std::string FontSizeLine(int points) {
    const std::string size = std::to_string(points) + "pt";
    return "<span style=\"font-size:" + size + "\">COLOR TEST" + FullWidthSpaces +
           "font size=" + size + "</span><br>";
}

} // namespace

std::vector<std::string> BuildHtmlTestPage(const std::array<TColor, 4>& colors) {
    const std::string background = ColorToHtmlText(colors[0]);
    const std::string text = ColorToHtmlText(colors[1]);
    const std::string link = ColorToHtmlText(colors[2]);
    const std::string visited = ColorToHtmlText(colors[3]);

    std::vector<std::string> page = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
        "<html lang=\"ja\">",
        "<head>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">",
        "<META HTTP-EQUIV=\"Content-Style-Type\" CONTENT=\"text/css\">",
        "<META NAME=\"AUTHOR\" CONTENT=\"TINTOR\">",
        "<title>TINTOR HTML Converter</title>",
        "<LINK REL=\"styleSheet\" TYPE=\"text/css\">",
        std::string("<LINK REV=\"MADE\" HREF=\"mailto:") + HtmlPageAuthorMail + "\">",
        "<LINK REL=\"INDEX\" href=\"./index.html\">",
        "<style type=\"text/css\">",
        "<!--",
        // The three selectors are padded so that their opening braces stand in one column.
        "body      { background-color:" + background + "; color:" + text + "; margin:2em }",
        "a:link    { color: " + link + " }",
        "a:visited { color: " + visited + " }",
        "-->",
        "</style>",
        "</head>",
        "",
        "<body>",
    };
    for (int points = 10; points <= 40; points += 5) {
        page.push_back(FontSizeLine(points));
    }
    const std::vector<std::string> tail = {
        "",
        "<hr><br>",
        "",
        std::string("<a href=\"") + HtmlPageSiteAddress + "\">" + HtmlPageSiteName + "</a><br>",
        "<a href=\"./test01.html\">TEST LINK 1</a><br>",
        "<a href=\"./test02.html\">TEST LINK 2</a>",
        "</body>",
        "</html>",
    };
    page.insert(page.end(), tail.begin(), tail.end());
    return page;
}

} // namespace tintor
