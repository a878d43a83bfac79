// Reading and writing whole text-line files. Writes replace the target atomically: a temporary
// file in the same directory is written, flushed to disk and renamed over the target, so a
// failure never leaves a short or half-written file behind.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tintor {

// Reads the whole file and splits it into lines; EFOpenError(path) when it cannot be read.
std::vector<std::string> LoadTextLines(const std::string& path);

// As above, but stops reading once maxLines lines are complete: for callers that use only the
// first lines of a file that may be large.
std::vector<std::string> LoadTextLines(const std::string& path, std::size_t maxLines);

// The whole file as bytes, or nothing when it holds more than maxBytes (then no more than
// maxBytes + 1 bytes are read); EFOpenError(path) when it cannot be read.
std::optional<std::string> LoadFileBytes(const std::string& path, std::size_t maxBytes);

// Writes the lines (each followed by CR LF) to path, creating or replacing it.
// EFCreateError(path) when the file cannot be created, EWriteError when the write falls short.
void SaveTextLines(const std::string& path, const std::vector<std::string>& lines);
// The same for bytes written exactly as given.
void SaveFileBytes(const std::string& path, const std::string& bytes);

// Test hook: when set, called before every write(2) of SaveTextLines with the number of bytes
// about to be written; it returns how many bytes the write may pass. Fewer gives a partial write,
// which SaveTextLines continues; 0 fails the write as a full disk would. An empty hook removes it.
using WriteLimiter = std::function<std::size_t(std::size_t requested)>;
void SetWriteLimiterForTesting(WriteLimiter limiter);

} // namespace tintor
