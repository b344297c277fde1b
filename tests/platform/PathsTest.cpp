// Paths written with "\" and in any letter case find the files that exist; new names stay as given.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/Paths.h"

namespace {

namespace fs = std::filesystem;

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCurrent_ = fs::current_path();
        savedProgram_ = platform::ProgramFolder();
        root_ = fs::temp_directory_path() / ("vandrel-paths-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "Gfx" / "Buttons");
        fs::create_directories(root_ / "Maps" / "Tamblo" / "easy");
        fs::create_directories(root_ / "maps");
        std::ofstream(root_ / "Gfx" / "Buttons" / "okButton.gif") << "x";
        fs::current_path(root_);
    }

    void TearDown() override
    {
        fs::current_path(savedCurrent_);
        platform::SetProgramFolder(savedProgram_);
        fs::remove_all(root_);
    }

    fs::path root_;
    fs::path savedCurrent_;
    fs::path savedProgram_;
};

TEST_F(PathsTest, ResolvesEachExistingComponentWithoutRegardToCase)
{
    const struct {
        std::string given;
        fs::path expected;
    } cases[] = {
        {"gfx\\buttons\\OKBUTTON.GIF", "Gfx/Buttons/okButton.gif"},
        {"Gfx/Buttons/okButton.gif", "Gfx/Buttons/okButton.gif"},
        {"GFX/buttons\\okbutton.gif", "Gfx/Buttons/okButton.gif"},
        {"gfx\\\\.\\buttons\\", "Gfx/Buttons"},
        {"Gfx\\..\\MAPS\\tamblo\\EASY\\1.map", "Gfx/../Maps/Tamblo/easy/1.map"},
        // A new file keeps its name in the folders found; missing folders stay as given.
        {"gfx\\buttons\\NewShot.bmp", "Gfx/Buttons/NewShot.bmp"},
        {"gfx\\Missing\\Sub\\File.txt", "Gfx/Missing/Sub/File.txt"},
        // The exact spelling wins; otherwise the first match in byte order ("Maps" < "maps").
        {"maps", "maps"},
        {"Maps", "Maps"},
        {"MAPS", "Maps"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ResolvePath(c.given), c.expected) << c.given;
    }
}

TEST_F(PathsTest, AbsolutePathsResolveWithEitherSeparator)
{
    std::string given = root_.string() + "\\GFX\\Buttons/OkButton.Gif";
    EXPECT_EQ(platform::ResolvePath(given), root_ / "Gfx" / "Buttons" / "okButton.gif");
    for (char& c : given) {
        c = c == '/' ? '\\' : c;
    }
    EXPECT_EQ(platform::ResolvePath(given), root_ / "Gfx" / "Buttons" / "okButton.gif");
}

TEST_F(PathsTest, CurrentDirectoryFollowsTheProgramFolderAndResolvedFolders)
{
    EXPECT_TRUE(platform::SetCurrentDirectoryA("GFX\\buttons"));
    EXPECT_EQ(fs::current_path(), root_ / "Gfx" / "Buttons");
    EXPECT_FALSE(platform::SetCurrentDirectoryA("NoSuchFolder"));
    EXPECT_FALSE(platform::SetCurrentDirectoryA("okbutton.gif"));
    EXPECT_EQ(fs::current_path(), root_ / "Gfx" / "Buttons");

    platform::SetProgramFolder(root_ / "Maps");
    EXPECT_TRUE(platform::SetProgramFolderAsCurrent());
    EXPECT_EQ(fs::current_path(), root_ / "Maps");
    platform::SetProgramFolder(root_ / "Gone");
    EXPECT_FALSE(platform::SetProgramFolderAsCurrent());
    EXPECT_EQ(fs::current_path(), root_ / "Maps");
}

} // namespace
