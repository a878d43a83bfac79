// Support for tests of hostile files: building very large files cheaply, the bytes of a line
// that is no valid code page 932 text, and how much the peak memory of the process grew.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tintor::test {

inline constexpr std::size_t HugeFileBytes = std::size_t{100} << 20;

// Every byte but NUL, CR and LF, in an order that puts lone lead bytes (0x81..0x9F, 0xE0..0xFC)
// before bytes that cannot follow them, and bytes that no code page 932 text holds.
inline std::string BinaryLineBytes() {
    std::string bytes;
    for (int b = 0xFF; b >= 1; --b)
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    return bytes;
}

// Writes total bytes made of pattern repeated, the last copy cut short.
inline void WriteRepeated(const std::string& path, std::string_view pattern, std::size_t total) {
    std::string block;
    while (block.size() < (std::size_t{1} << 20))
        block += pattern; // a whole number of copies, so blocks join seamlessly
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path);
    for (std::size_t written = 0; written < total;) {
        const std::size_t count = std::min(block.size(), total - written);
        const ssize_t result = ::write(fd, block.data(), count);
        if (result <= 0) {
            ::close(fd);
            throw std::runtime_error("cannot write " + path);
        }
        written += static_cast<std::size_t>(result);
    }
    ::close(fd);
}

// A file of total NUL bytes, made sparse so that nothing is written to disk.
inline void WriteZeros(const std::string& path, std::size_t total) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(total)) != 0) {
        if (fd >= 0) ::close(fd);
        throw std::runtime_error("cannot create " + path);
    }
    ::close(fd);
}

// Whether text is pattern repeated from its start (the last copy may be cut short).
inline bool IsRepeated(std::string_view text, std::string_view pattern) {
    for (std::size_t pos = 0; pos < text.size(); pos += pattern.size())
        if (text.substr(pos, pattern.size()) != pattern.substr(0, text.size() - pos)) return false;
    return true;
}

inline std::size_t PeakResidentBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}

// How far the peak resident memory of the process rose while call ran. The peak only rises, so
// this never overstates what the call needed.
template <class F> std::size_t PeakGrowthDuring(F&& call) {
    const std::size_t before = PeakResidentBytes();
    call();
    return PeakResidentBytes() - before;
}

} // namespace tintor::test
