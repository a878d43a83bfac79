// Fuzz target: System.tri loading from a real file descriptor. The bytes are written to an
// in-memory file, read back by LoadTextLines and LoadSettingsFile, and compared with the lines
// SplitTextLines gives for the same bytes.
#include "FuzzCheck.h"

#include "core/Errors.h"
#include "settings/SettingsFile.h"
#include "settings/TextFile.h"
#include "settings/TextLines.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace tintor;

namespace {

// One in-memory file for the whole run, rewritten for every input.
struct MemoryFile {
    int fd = ::memfd_create("System.tri", MFD_CLOEXEC);
    std::string path = "/proc/self/fd/" + std::to_string(fd);

    void Fill(std::string_view bytes) const {
        FUZZ_CHECK(::ftruncate(fd, 0) == 0);
        FUZZ_CHECK(::pwrite(fd, bytes.data(), bytes.size(), 0) ==
                   static_cast<ssize_t>(bytes.size()));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryFile file;
    FUZZ_CHECK(file.fd >= 0);
    const std::string_view text = fuzz::AsText(data, size);
    file.Fill(text);

    const std::vector<std::string> lines = SplitTextLines(text);
    FUZZ_CHECK(LoadTextLines(file.path) == lines);
    const std::vector<std::string> first = LoadTextLines(file.path, SettingsCount);
    FUZZ_CHECK(first.size() == std::min<std::size_t>(SettingsCount, lines.size()));
    FUZZ_CHECK(std::equal(first.begin(), first.end(), lines.begin()));

    // Entries before the first missing line are filled, the rest keep what they held.
    SettingsArray settings;
    settings.fill("untouched");
    try {
        LoadSettingsFile(file.path, settings);
        FUZZ_CHECK(lines.size() >= SettingsCount);
    } catch (const EListError& e) {
        FUZZ_CHECK(static_cast<std::size_t>(e.Index()) == lines.size());
        FUZZ_CHECK(lines.size() < SettingsCount);
    }
    for (std::size_t k = 0; k < SettingsCount; ++k)
        FUZZ_CHECK(settings[k] == (k < lines.size() ? lines[k] : "untouched"));

    // What was loaded is written back as the same entries.
    const std::vector<std::string> entries(settings.begin(), settings.end());
    FUZZ_CHECK(SplitTextLines(JoinTextLines(entries)) == entries);
    return 0;
}
