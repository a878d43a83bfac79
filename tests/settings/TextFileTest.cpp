// Reading text-line files and replacing them atomically: errors, modes, and that a failed or
// interrupted save never leaves a damaged file behind.
#include "FileTestSupport.h"

#include "core/Errors.h"
#include "settings/TextFile.h"
#include "settings/TextLines.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tintor {
namespace {

using test::MessageOf;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;
using Lines = std::vector<std::string>;

class TextFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteLimiterForTesting(nullptr); }

    // Runs body in a child process and returns its exit status; the child never returns.
    static int InChild(const std::function<int()>& body) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            int code = 3;
            try {
                code = body();
            } catch (...) {
            }
            ::_exit(code);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempDir dir;
    const std::string target = dir.File("System.tri");
    const Lines oldLines{"old", "content"};
    const Lines newLines = Lines(200, std::string(100, 'n'));
};

TEST_F(TextFileTest, LoadsFileReadInPiecesLikeWholeText) {
    // Line breaks straddle every power-of-two offset, and one line is longer than any read.
    std::string bytes;
    for (std::size_t boundary = 4096; boundary <= (1u << 20); boundary *= 2) {
        while (bytes.size() + 40 < boundary - 1)
            bytes += std::string(bytes.size() % 37, 'a') + ((bytes.size() % 3) ? "\r\n" : "\n");
        bytes.append(boundary - 1 - bytes.size(), 'y');
        bytes += "\r\n";
    }
    bytes += std::string(300000, 'L') + "\rtail";
    WriteBytes(target, bytes);
    const Lines expected = SplitTextLines(bytes);
    EXPECT_EQ(LoadTextLines(target), expected);
    EXPECT_EQ(LoadTextLines(target, 3), Lines(expected.begin(), expected.begin() + 3));
}

TEST_F(TextFileTest, LoadFailsForMissingFileAndDirectory) {
    for (const std::string& path : {dir.File("missing.tri"), dir.Path()})
        EXPECT_EQ(MessageOf<EFOpenError>([&] { LoadTextLines(path); }),
                  "ファイル " + path + " は開けません");
}

TEST_F(TextFileTest, SaveUsesUmaskForNewFileAndKeepsModeOfReplacedFile) {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    SaveTextLines(target, oldLines);
    EXPECT_EQ(ReadBytes(target), "old\r\ncontent\r\n");
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              static_cast<std::filesystem::perms>(0666 & ~mask));

    ::chmod(target.c_str(), 0640);
    SaveTextLines(target, newLines);
    EXPECT_EQ(ReadBytes(target), JoinTextLines(newLines));
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              static_cast<std::filesystem::perms>(0640));
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"System.tri"});
}

TEST_F(TextFileTest, SaveThroughSymbolicLinkReplacesLinkedFile) {
    std::filesystem::create_directory(dir.File("real"));
    WriteBytes(dir.File("real/System.tri"), "old\r\n");
    std::filesystem::create_symlink("real/System.tri", target);
    SaveTextLines(target, newLines);
    EXPECT_TRUE(std::filesystem::is_symlink(target));
    EXPECT_EQ(ReadBytes(dir.File("real/System.tri")), JoinTextLines(newLines));
}

// Failures that stop even root: nothing is created and nothing is left behind.
TEST_F(TextFileTest, SaveFailsWhenFileCannotBeCreated) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::string path;
    };
    const Case cases[] = {
        {"parent is a regular file", [&] { WriteBytes(dir.File("plain"), "x"); },
         dir.File("plain/System.tri")},
        {"target is a directory", [&] { std::filesystem::create_directory(target); }, target},
        {"directory missing", [] {}, dir.File("missing/System.tri")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        const auto before = dir.Entries();
        EXPECT_EQ(MessageOf<EFCreateError>([&] { SaveTextLines(c.path, newLines); }),
                  "ファイル " + c.path + " を作成できません");
        EXPECT_EQ(dir.Entries(), before);
        std::filesystem::remove_all(target);
    }
}

TEST_F(TextFileTest, SaveDoesNotReplaceReadOnlyFile) {
    SaveTextLines(target, oldLines);
    ::chmod(target.c_str(), 0444);
    ::chmod(dir.Path().c_str(), 0777);
    const int status = InChild([&] {
        // Root may write any file, so the check runs as an ordinary user.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 77;
        return MessageOf<EFCreateError>([&] { SaveTextLines(target, newLines); }) ==
                       "ファイル " + target + " を作成できません"
                   ? 0
                   : 1;
    });
    if (status == 77) GTEST_SKIP() << "cannot switch to an ordinary user";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(target), JoinTextLines(oldLines));
}

TEST_F(TextFileTest, SaveContinuesPartialWrites) {
    std::size_t writes = 0;
    SetWriteLimiterForTesting([&](std::size_t requested) {
        ++writes;
        return std::min<std::size_t>(requested, 7);
    });
    SaveTextLines(target, newLines);
    EXPECT_EQ(ReadBytes(target), JoinTextLines(newLines));
    EXPECT_GT(writes, JoinTextLines(newLines).size() / 7);
}

TEST_F(TextFileTest, FailedWriteKeepsOldFileWholeAndLeavesNoTemporaryFile) {
    const std::size_t size = JoinTextLines(newLines).size();
    for (std::size_t allowed : {std::size_t{0}, std::size_t{10}, size - 1}) {
        SCOPED_TRACE(allowed);
        SaveTextLines(target, oldLines);
        std::size_t passed = 0;
        SetWriteLimiterForTesting([&](std::size_t requested) {
            const std::size_t count = std::min(requested, allowed - passed);
            passed += count;
            return count;
        });
        EXPECT_EQ(MessageOf<EWriteError>([&] { SaveTextLines(target, newLines); }),
                  "ストリームへの書き込みエラー");
        SetWriteLimiterForTesting(nullptr);
        EXPECT_EQ(ReadBytes(target), JoinTextLines(oldLines));
        EXPECT_EQ(dir.Entries(), std::set<std::string>{"System.tri"});
    }
}

TEST_F(TextFileTest, FileSizeLimitKeepsOldFileWhole) {
    SaveTextLines(target, oldLines);
    const int status = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        return MessageOf<EWriteError>([&] { SaveTextLines(target, newLines); }) ==
                       "ストリームへの書き込みエラー"
                   ? 0
                   : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(target), JoinTextLines(oldLines));
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"System.tri"});
}

// A process killed at any moment of a save leaves one of the two complete contents.
TEST_F(TextFileTest, KilledSaveLeavesOneCompleteContent) {
    const Lines first(51, "first");
    const Lines second(51, std::string(4000, 's'));
    const std::string firstBytes = JoinTextLines(first);
    const std::string secondBytes = JoinTextLines(second);
    SaveTextLines(target, first);
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    for (int round = 0; round < 40; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            try {
                for (;;) {
                    SaveTextLines(target, first);
                    SaveTextLines(target, second);
                }
            } catch (...) {
            }
            ::_exit(1);
        }
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";
        const std::string bytes = ReadBytes(target);
        ASSERT_TRUE(bytes == firstBytes || bytes == secondBytes)
            << "round " << round << ": " << bytes.size() << " bytes";
    }
}

} // namespace
} // namespace tintor
