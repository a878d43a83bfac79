// The maker's details shown or opened by the program, each in one place.
#pragma once

namespace tintor {

// Opened in the browser by the update check (the index page of the maker's site).
inline constexpr const char* MakerHomePage = "https://example.org/tintor/";
// The maker's notice at the end of the version label.
inline constexpr const char* MakerNotice = "©2026 Tintor";
// The credit of the version message, after its first line "TINTOR 1.22v".
inline constexpr const char* VersionCredit = "Copyright (C) 2026 TINTOR developers\n"
                                             "カラーコード変換ツール";

} // namespace tintor
