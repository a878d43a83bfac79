// Text lines as every file of the program holds them: each line written followed by CR LF,
// read up to CR LF, a lone CR or a lone LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tintor {

// Splits file bytes into lines. A NUL byte ends the text; a final line break starts no line;
// an empty text has no lines.
std::vector<std::string> SplitTextLines(std::string_view bytes);

// Joins lines, each followed by CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

// Line i of a list, or EListError(i) when the list has no such line.
const std::string& LineAt(const std::vector<std::string>& lines, std::size_t index);

// Splits text handed over in pieces, as it is read from a file, into the same lines as
// SplitTextLines gives for the whole text. A CR LF pair may be cut between two pieces.
class TextLineSplitter {
public:
    // Stop once this many lines are complete; the rest of the text is not wanted.
    explicit TextLineSplitter(std::size_t maxLines = static_cast<std::size_t>(-1))
        : maxLines_(maxLines), done_(maxLines == 0) {}

    // Takes the next piece. Returns false once no further text can change the lines (a NUL
    // byte was met or maxLines lines are complete); later pieces are then ignored.
    bool Feed(std::string_view piece);

    // Hint for a line that continues past the current piece: at most this many bytes of text
    // follow, so its buffer can be sized once instead of growing by doubling.
    void ExpectAtMost(std::size_t remainingBytes) { remaining_ = remainingBytes; }

    // Ends the text: an unfinished last line becomes a line. Returns the lines.
    std::vector<std::string> Finish();

private:
    void EndLine();

    std::vector<std::string> lines_;
    std::string partial_; // the start of a line cut by the end of a piece
    std::size_t maxLines_;
    std::size_t remaining_ = 0;
    bool afterCr_ = false; // the previous piece ended with CR: an LF now belongs to it
    bool done_ = false;
};

} // namespace tintor
