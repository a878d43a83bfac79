// Text lines as every file of the program holds them: each line written followed by CR LF,
// read up to CR LF, a lone CR or a lone LF.
#pragma once

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

} // namespace tintor
