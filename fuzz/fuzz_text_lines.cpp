// Fuzz target: the text lines reader on arbitrary bytes. Lines never hold a line break or NUL,
// joining and splitting again gives the same lines, the splitter fed in pieces (as a file is
// read) gives the lines of the whole text, and 51 settings entries round-trip byte for byte.
#include "FuzzCheck.h"

#include "settings/SettingsFile.h"
#include "settings/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace tintor;

namespace {

// Feeds the text in pieces of 1 to 16 bytes picked by a generator seeded from the input, with
// the hint of remaining bytes that the file reader gives.
std::vector<std::string> SplitInPieces(std::string_view text, std::size_t maxLines,
                                       std::uint32_t seed) {
    TextLineSplitter splitter(maxLines);
    std::size_t pos = 0;
    while (pos < text.size()) {
        seed = seed * 1664525u + 1013904223u;
        const std::size_t length = std::min<std::size_t>(1 + (seed >> 28), text.size() - pos);
        splitter.ExpectAtMost(text.size() - pos);
        if (!splitter.Feed(text.substr(pos, length))) break;
        pos += length;
    }
    return splitter.Finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const std::vector<std::string> lines = SplitTextLines(text);

    std::size_t bytes = 0;
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
        bytes += line.size();
    }
    // Only line breaks and what follows a NUL are dropped.
    FUZZ_CHECK(bytes <= size);

    const std::string joined = JoinTextLines(lines);
    FUZZ_CHECK(joined.size() == bytes + 2 * lines.size());
    FUZZ_CHECK(SplitTextLines(joined) == lines);

    const std::uint32_t seed = size == 0 ? 0 : data[0] * 16777619u ^ static_cast<unsigned>(size);
    FUZZ_CHECK(SplitInPieces(text, static_cast<std::size_t>(-1), seed) == lines);
    // A bounded splitter gives the first lines only.
    const std::size_t maxLines = size == 0 ? 1 : data[size - 1] % 8;
    const std::vector<std::string> first = SplitInPieces(text, maxLines, seed);
    FUZZ_CHECK(first.size() == std::min(maxLines, lines.size()));
    FUZZ_CHECK(std::equal(first.begin(), first.end(), lines.begin()));

    // Settings entries built from the lines (cycled to fill all 51) round-trip exactly.
    if (!lines.empty()) {
        SettingsArray settings;
        for (std::size_t k = 0; k < settings.size(); ++k)
            settings[k] = lines[k % lines.size()];
        const std::vector<std::string> entries(settings.begin(), settings.end());
        FUZZ_CHECK(SplitTextLines(JoinTextLines(entries)) == entries);
    }
    return 0;
}
