// Splitting bytes into text lines and joining lines with CR LF.
#include "settings/TextLines.h"

#include "core/Errors.h"

namespace tintor {

namespace {
constexpr std::string_view LineBreakOrNul("\r\n\0", 3);
} // namespace

bool TextLineSplitter::Feed(std::string_view piece) {
    if (done_) return false;
    std::size_t pos = 0;
    if (afterCr_ && !piece.empty()) {
        afterCr_ = false;
        if (piece.front() == '\n') pos = 1;
    }
    while (pos < piece.size()) {
        const std::size_t stop = piece.find_first_of(LineBreakOrNul, pos);
        const std::string_view text = piece.substr(pos, stop - pos);
        if (stop == std::string_view::npos) {
            // The line goes on in the next piece.
            if (partial_.empty()) {
                partial_.assign(text);
            } else {
                if (partial_.size() + text.size() > partial_.capacity() &&
                    remaining_ >= text.size())
                    partial_.reserve(partial_.size() + remaining_);
                partial_.append(text);
            }
            return true;
        }
        if (piece[stop] == '\0') {
            partial_.append(text);
            done_ = true;
            return false;
        }
        if (partial_.empty()) {
            lines_.emplace_back(text);
        } else {
            partial_.append(text);
            EndLine();
        }
        if (lines_.size() >= maxLines_) {
            done_ = true;
            return false;
        }
        pos = stop + 1;
        if (piece[stop] == '\r') {
            if (pos == piece.size())
                afterCr_ = true;
            else if (piece[pos] == '\n')
                ++pos;
        }
    }
    return true;
}

void TextLineSplitter::EndLine() {
    if (partial_.capacity() > 2 * partial_.size() + 64) {
        // The buffer was sized for the rest of the file; keep only what the line holds.
        lines_.emplace_back(partial_);
        partial_ = std::string();
    } else {
        lines_.push_back(std::move(partial_));
        partial_.clear();
    }
}

std::vector<std::string> TextLineSplitter::Finish() {
    // Text after the last line break is a line; nothing after it starts no line.
    if (!partial_.empty() && lines_.size() < maxLines_) EndLine();
    partial_ = std::string();
    done_ = true;
    return std::move(lines_);
}

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    TextLineSplitter splitter;
    splitter.Feed(bytes);
    return splitter.Finish();
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

const std::string& LineAt(const std::vector<std::string>& lines, std::size_t index) {
    if (index >= lines.size()) throw EListError(static_cast<long>(index));
    return lines[index];
}

} // namespace tintor
