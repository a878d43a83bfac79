// Whole-file reading and atomic replacing of text-line files on POSIX file descriptors.
#include "settings/TextFile.h"

#include "core/Errors.h"
#include "settings/TextLines.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tintor {

namespace {

WriteLimiter& Limiter() {
    static WriteLimiter limiter;
    return limiter;
}

// Closes a descriptor on every way out of a scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    ~Descriptor() { Close(); }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    // Closes now and reports whether the close succeeded (a delayed write error shows here).
    bool Close() {
        if (fd_ < 0) return true;
        const int result = ::close(fd_);
        fd_ = -1; // Linux releases the descriptor even when close fails or is interrupted
        return result == 0;
    }

private:
    int fd_;
};

// The temporary file beside the target; removed unless it has been renamed over the target.
struct TempFile {
    Descriptor fd{-1};
    std::string path;
    bool renamed = false;
    ~TempFile() {
        fd.Close();
        if (!path.empty() && !renamed) ::unlink(path.c_str());
    }
};

constexpr std::size_t ReadPieceSize = 128 * 1024;
constexpr int CreateAttempts = 100;

std::string RandomSuffix() {
    static constexpr char Alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::uint64_t counter = 0;
    unsigned char bytes[6];
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        // Entropy not ready: mix time, process and a counter; O_EXCL still rules out clashes.
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        std::uint64_t mix = static_cast<std::uint64_t>(now.tv_nsec) ^
                            (static_cast<std::uint64_t>(::getpid()) << 20) ^ (++counter * 7919);
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(mix);
            mix = mix * 6364136223846793005ULL + 1442695040888963407ULL;
            mix ^= mix >> 29;
        }
    }
    std::string suffix;
    for (unsigned char byte : bytes)
        suffix += Alphabet[byte % (sizeof Alphabet - 1)];
    return suffix;
}

// Writes the path's own target when path is a symbolic link, so the link stays a link.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

void WriteAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        std::size_t count = text.size() - written;
        if (const WriteLimiter& limiter = Limiter()) {
            count = std::min(count, limiter(count));
            if (count == 0) {
                errno = ENOSPC;
                throw EWriteError();
            }
        }
        const ssize_t result = ::write(fd, text.data() + written, count);
        if (result < 0 && errno == EINTR) continue;
        if (result <= 0) throw EWriteError();
        written += static_cast<std::size_t>(result);
    }
}

// Opens a file for reading, or EFOpenError. O_NONBLOCK keeps a FIFO without a writer from
// hanging the open; reads block again afterwards.
Descriptor OpenForReading(const std::string& path, struct stat& st) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.Valid() || ::fstat(fd.Get(), &st) != 0 || S_ISDIR(st.st_mode)) throw EFOpenError(path);
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

} // namespace

std::vector<std::string> LoadTextLines(const std::string& path) {
    return LoadTextLines(path, static_cast<std::size_t>(-1));
}

std::vector<std::string> LoadTextLines(const std::string& path, std::size_t maxLines) {
    struct stat st {};
    Descriptor fd = OpenForReading(path, st);

    // Read in pieces and split as we go, so the file's bytes are held once, as lines.
    std::size_t remaining = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
    std::unique_ptr<char[]> buffer(new char[ReadPieceSize]);
    TextLineSplitter splitter(maxLines);
    for (;;) {
        const ssize_t count = ::read(fd.Get(), buffer.get(), ReadPieceSize);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) throw EFOpenError(path);
        if (count == 0) break;
        const auto size = static_cast<std::size_t>(count);
        splitter.ExpectAtMost(std::max(remaining, size));
        if (!splitter.Feed(std::string_view(buffer.get(), size))) break;
        remaining = remaining > size ? remaining - size : 0;
    }
    return splitter.Finish();
}

std::optional<std::string> LoadFileBytes(const std::string& path, std::size_t maxBytes) {
    struct stat st {};
    Descriptor fd = OpenForReading(path, st);
    if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return std::nullopt;
    std::string bytes;
    std::unique_ptr<char[]> buffer(new char[ReadPieceSize]);
    for (;;) {
        // Reads one byte past the limit at most, also from a file that grows or has no size.
        const std::size_t want = std::min(ReadPieceSize, maxBytes + 1 - bytes.size());
        const ssize_t count = ::read(fd.Get(), buffer.get(), want);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) throw EFOpenError(path);
        if (count == 0) break;
        bytes.append(buffer.get(), static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes) return std::nullopt;
    }
    return bytes;
}

void SaveTextLines(const std::string& path, const std::vector<std::string>& lines) {
    SaveFileBytes(path, JoinTextLines(lines));
}

void SaveFileBytes(const std::string& path, const std::string& text) {
    const std::string target = ResolvedTarget(path);
    const std::size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (base.empty()) throw EFCreateError(path);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) throw EFCreateError(path);
    // A file the user may not write (a read-only file) is not replaced behind its back.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EPERM || errno == EROFS))
        throw EFCreateError(path);

    TempFile temp;
    const std::string prefix = target.substr(0, slash + 1) + "." + base + ".";
    for (int attempt = 0; attempt < CreateAttempts && !temp.fd.Valid(); ++attempt) {
        std::string candidate = prefix + RandomSuffix();
        // Mode 0666 lets the umask decide, as for any newly created file.
        const int fd =
            ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            temp.fd.Reset(fd);
            temp.path = std::move(candidate);
        } else if (errno != EEXIST) {
            break;
        }
    }
    if (!temp.fd.Valid()) throw EFCreateError(path);

    if (exists) {
        // Keep the replaced file's owner and permission bits; failures leave the defaults.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            if (::fchown(temp.fd.Get(), old.st_uid, old.st_gid) != 0) {
            }
        }
        ::fchmod(temp.fd.Get(), old.st_mode & 07777);
    }

    WriteAll(temp.fd.Get(), text);
    int synced;
    do {
        // The data must be on disk before the rename, so a crash leaves the old or the new file.
        synced = ::fdatasync(temp.fd.Get());
    } while (synced != 0 && errno == EINTR);
    if (synced != 0) throw EWriteError();
    if (!temp.fd.Close()) throw EWriteError();

    if (::rename(temp.path.c_str(), target.c_str()) != 0) {
        if (errno == EISDIR || errno == ENOTDIR || errno == EACCES || errno == EPERM ||
            errno == EROFS)
            throw EFCreateError(path);
        throw EWriteError();
    }
    temp.renamed = true;
    // The directory is not flushed: after a power loss the rename may be undone, which leaves
    // the old complete file, and a save happens after every change anyway.
}

void SetWriteLimiterForTesting(WriteLimiter limiter) {
    Limiter() = std::move(limiter);
}

} // namespace tintor
