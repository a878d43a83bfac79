// Where the program finds System.tri and its help file, portable and installed; and one running
// copy per settings file.
#include "platform/InstallPaths.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tintor;

namespace {
class InstallPathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tintor-paths-XXXXXX";
        root = mkdtemp(pattern);
        fs::create_directories(root / "prefix" / "bin");
        fs::create_directories(root / "prefix" / "share" / "tintor");
        exeDir = (root / "prefix" / "bin").string() + "/";
        config = (root / "config").string();
    }
    void TearDown() override { fs::remove_all(root); }

    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    fs::path root;
    std::string exeDir;
    std::string config;
};
} // namespace

TEST_F(InstallPathsTest, WritableFileBesideTheProgramIsUsed) {
    Write(fs::path(exeDir) / "System.tri", "portable");
    EXPECT_EQ(ResolveSettingsPath(exeDir, config), exeDir + "System.tri");
    EXPECT_FALSE(fs::exists(fs::path(config) / "tintor"));
}

TEST_F(InstallPathsTest, InstalledProgramCopiesTheTemplateOnceIntoTheConfigDirectory) {
    Write(root / "prefix" / "share" / "tintor" / "System.tri", "template");
    const std::string path = ResolveSettingsPath(exeDir, config);
    EXPECT_EQ(path, config + "/tintor/System.tri");
    EXPECT_EQ(Read(path), "template");

    // The user's own file is never replaced by the template again.
    Write(path, "changed by the user");
    EXPECT_EQ(ResolveSettingsPath(exeDir, config), path);
    EXPECT_EQ(Read(path), "changed by the user");
}

TEST_F(InstallPathsTest, WithoutTemplateTheFirstSaveCreatesTheFile) {
    const std::string path = ResolveSettingsPath(exeDir, config);
    EXPECT_EQ(path, config + "/tintor/System.tri");
    EXPECT_TRUE(fs::is_directory(fs::path(config) / "tintor"));
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(InstallPathsTest, HelpFileBesideTheProgramWinsOverTheInstalledOne) {
    const fs::path installed = root / "prefix" / "share" / "tintor" / "TintHelp.hlp";
    Write(installed, "installed");
    EXPECT_EQ(fs::path(FindDataFile(exeDir, "TintHelp.hlp")), installed.lexically_normal());
    Write(fs::path(exeDir) / "TintHelp.hlp", "beside");
    EXPECT_EQ(FindDataFile(exeDir, "TintHelp.hlp"), exeDir + "TintHelp.hlp");
}

TEST(SingleInstanceTest, SecondCopyOnTheSameSettingsHandsOverAndOthersStayIndependent) {
    const QString key = QStringLiteral("/tmp/tintor-single-%1/System.tri").arg(getpid());
    SingleInstance first(key);
    ASSERT_TRUE(first.Acquire());
    bool activated = false;
    first.OnActivationRequest([&] { activated = true; });

    SingleInstance other(key + ".elsewhere");
    EXPECT_TRUE(other.Acquire());

    SingleInstance second(key);
    EXPECT_FALSE(second.Acquire());
    QElapsedTimer timer;
    timer.start();
    while (!activated && timer.elapsed() < 5000)
        QCoreApplication::processEvents();
    EXPECT_TRUE(activated);
}
