// The HTML test page: 35 lines of code page 932 bytes showing one group's four colours as
// background, text, link and visited-link colours.
#pragma once

#include "colour/ColorValue.h"

#include <array>
#include <string>
#include <vector>

namespace tintor {

inline constexpr const char* HtmlPageAuthorMail = "tintor@example.org";
inline constexpr const char* HtmlPageSiteAddress = "https://www.w3.org/";
inline constexpr const char* HtmlPageSiteName = "W3C";
inline constexpr const char* HtmlPageFilter = "html ファイル(*.html)|*.html";
inline constexpr const char* HtmlPageExtension = "html";

std::vector<std::string> BuildHtmlTestPage(const std::array<TColor, 4>& colors);

} // namespace tintor
