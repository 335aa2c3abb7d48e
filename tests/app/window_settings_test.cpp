#include "app/window_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/errors.h"
#include "platform/paths.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

class WindowSettingsTest : public ::testing::Test {
 protected:
  platform::TIniFile Ini(const std::string& text) {
    return platform::TIniFile(scratch_.Write("quillet.ini", text));
  }
  std::string FileText() const { return platform::ReadFileBytes(scratch_.Path() + "/quillet.ini"); }
  WindowPlacement Placement(const std::string& window) {
    return ReadWindowPlacement(Ini("[Window]\n" + window), {1025, 769});
  }
  testsupport::ScratchDir scratch_;
};

TEST_F(WindowSettingsTest, SizeAndPositionModes) {
  // No file: half the screen, rounded down, at a place the system picks.
  WindowPlacement p = Placement("");
  ASSERT_TRUE(p.outerSize);
  EXPECT_EQ(p.outerSize->width, 512);
  EXPECT_EQ(p.outerSize->height, 384);
  EXPECT_FALSE(p.maximized);
  EXPECT_FALSE(p.position);

  p = Placement("Width=700\nHeight=500\nWindowStyle=1\nPosOption=1\nLeft=-20\nTop=30\n");
  EXPECT_EQ(p.outerSize->width, 700);
  EXPECT_EQ(p.outerSize->height, 500);
  EXPECT_TRUE(p.maximized);
  ASSERT_TRUE(p.position);
  EXPECT_EQ(p.position->left, -20);
  EXPECT_EQ(p.position->top, 30);

  p = Placement("SizOption=2\nUserHeight=300\nWindowStyle=1\nPosOption=2\nUserLeft=5\n");
  EXPECT_EQ(p.outerSize->width, 512);  // no UserWidth: half the screen
  EXPECT_EQ(p.outerSize->height, 300);
  EXPECT_FALSE(p.maximized);  // only size mode 1 starts maximised
  EXPECT_EQ(p.position->left, 5);
  EXPECT_EQ(p.position->top, 0);

  // Size mode 0 or an unknown one: the design size; an unknown position mode after size mode 0
  // is the design position, after any other the system's choice.
  p = Placement("SizOption=0\nPosOption=7\n");
  EXPECT_FALSE(p.outerSize);
  EXPECT_EQ(p.position->left, 317);
  EXPECT_EQ(p.position->top, 120);
  EXPECT_FALSE(Placement("SizOption=3\nPosOption=7\n").position);
  EXPECT_FALSE(Placement("SizOption=3\n").outerSize);
}

TEST_F(WindowSettingsTest, CloseWritesWhatModeOneKeeps) {
  platform::TIniFile ini = Ini("");
  SaveWindowGeometry(ini, {10, 20, 640, 480, false, true});
  EXPECT_EQ(FileText(), "[Window]\r\nWindowStyle=0\r\nWidth=640\r\nHeight=480\r\n");

  ini = Ini("[Window]\nSizOption=0\nPosOption=1\n");
  SaveWindowGeometry(ini, {-10, 20, 640, 480, false, true});
  EXPECT_EQ(FileText(), "[Window]\nSizOption=0\nPosOption=1\nWindowStyle=0\nLeft=-10\nTop=20\n");

  // Maximised: the normal geometry stays as it was.
  ini = Ini("[Window]\nPosOption=1\nLeft=1\nTop=2\nWidth=3\nHeight=4\nWindowStyle=0\n");
  SaveWindowGeometry(ini, {0, 0, 1024, 768, true, true});
  EXPECT_EQ(FileText(), "[Window]\nPosOption=1\nLeft=1\nTop=2\nWidth=3\nHeight=4\nWindowStyle=1\n");

  // A window that cannot know its place leaves the stored one alone.
  ini = Ini("[Window]\nPosOption=1\nLeft=1\nTop=2\n");
  SaveWindowGeometry(ini, {0, 0, 300, 200, false, false});
  EXPECT_EQ(FileText(), "[Window]\nPosOption=1\nLeft=1\nTop=2\nWindowStyle=0\nWidth=300\nHeight=200\n");

  ini = Ini("[Window]\nSizOption=2\nPosOption=2\n");
  SaveWindowGeometry(ini, {1, 2, 3, 4, false, true});
  EXPECT_EQ(FileText(), "[Window]\nSizOption=2\nPosOption=2\n");
}

TEST_F(WindowSettingsTest, ARefusedWriteIsReportedAndChangesNothing) {
  platform::TIniFile ini = Ini("[Window]\nWidth=1\n");
  chmod(ini.FileName().c_str(), 0444);
  EXPECT_THROW(
      {
        try {
          SaveWindowGeometry(ini, {0, 0, 300, 200, false, true});
        } catch (const platform::EIniFileException& e) {
          EXPECT_EQ(std::string(e.what()), ini.FileName() + " に書き込めません");
          throw;
        }
      },
      platform::EIniFileException);
  EXPECT_EQ(FileText(), "[Window]\nWidth=1\n");
}

TEST_F(WindowSettingsTest, BarsAndToolbarImages) {
  BarSettings bars = ReadBarSettings(Ini("[Bar]\nHeaderBar=0\nStatusBar=x\n"));
  EXPECT_TRUE(bars.toolbar);
  EXPECT_FALSE(bars.headerBar);
  EXPECT_TRUE(bars.statusBar);

  ToolbarImages images = ReadToolbarImages(Ini(""));
  EXPECT_EQ(images.size, 16);
  EXPECT_TRUE(images.builtIn);
  for (auto [size, read] : {std::pair{"1", 1}, {"256", 256}, {"0", 16}, {"257", 16},
                            {"-16", 16}, {"100000000", 16}}) {
    EXPECT_EQ(ReadToolbarImages(Ini(std::string("[ToolBar]\nSize=") + size + "\n")).size, read);
  }
  EXPECT_TRUE(ReadToolbarImages(Ini("[ToolBar]\nImage=sub/none\n")).builtIn);
  images = ReadToolbarImages(Ini("[ToolBar]\nImage=no such strip.bmp\n"));
  EXPECT_FALSE(images.builtIn);
  EXPECT_EQ(images.file, "");
}

}  // namespace
}  // namespace quillet
