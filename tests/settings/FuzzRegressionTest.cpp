// Inputs the fuzz targets found faults with, kept as ordinary cases.
#include "FileTestSupport.h"

#include "settings/TextFile.h"
#include "settings/TextLines.h"

#include <gtest/gtest.h>

namespace tintor {
namespace {

// A splitter asked for no lines used to give back the first line it met anyway.
TEST(FuzzRegressionTest, SplitterAskedForNoLinesGivesNone) {
    const std::string text("\r1\n\n\n\0\0\0", 8);
    TextLineSplitter splitter(0);
    EXPECT_FALSE(splitter.Feed(text));
    EXPECT_TRUE(splitter.Finish().empty());

    test::TempDir dir;
    test::WriteBytes(dir.File("lines"), text);
    EXPECT_TRUE(LoadTextLines(dir.File("lines"), 0).empty());
}

} // namespace
} // namespace tintor
