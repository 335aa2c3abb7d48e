// quillet-drive --window: the viewer's whole main window with a settings file of the test's
// own, reported as JSON.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sstream>

#include "app/view_find.h"
#include "platform/paths.h"
#include "platform/qt/fonts.h"
#include "tests/support/scratch_dir.h"
#include "tools/drive/drive.h"

namespace drive {
namespace {

class DriveWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::qt::InstallFontSubstitutions();
    message_ = scratch_.Write("m.eml", "Subject: hello\r\n\r\nsee http://example.jp/ now\r\n");
  }
  // The run's status; its JSON in json_.
  int Drive(const std::string& settings, std::vector<std::string> steps) {
    std::vector<std::string> args{"quillet-drive", "--window", "--settings",
                                  scratch_.Write("quillet.ini", settings)};
    for (const std::string& step : steps) {
      args.push_back("--do");
      args.push_back(step);
    }
    args.push_back(message_);
    std::ostringstream out, err;
    const int status = RunDrive(args, out, err);
    json_ = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    err_ = err.str();
    return status;
  }
  QJsonObject Window(int state) const {
    return json_["states"].toArray()[state].toObject()["window"].toObject();
  }
  std::string Settings() const { return platform::ReadFileBytes(scratch_.Path() + "/quillet.ini"); }

  testsupport::ScratchDir scratch_;
  std::string message_;
  QJsonObject json_;
  std::string err_;
};

TEST_F(DriveWindowTest, ReportsWhatTheSettingsMadeOfTheWindowAndItsView) {
  ASSERT_EQ(Drive("[Editor]\nWordWrap=1\n[Editor\\WrapOption]\nWrapByte=30\n"
                  "[Editor\\Colors]\nUrlStyle=6\nAnkColor=0x0000FF\nSelectBkColor=$FF0000\n"
                  "[Editor\\Caret]\nTabSpaceCount=5\n[Editor\\Margin]\nLeft=150\n"
                  "[Editor\\Font]\nSize=9\n[Option]\nCV2Setting=0\n[Bar]\nHeaderBar=0\n"
                  "[ToolBar]\nSize=300\n",
                  {"action actViewStabar", "close"}),
            0)
      << err_;
  const QJsonObject start = Window(0);
  EXPECT_EQ(start["caption"].toString(), "hello - Quillet");
  EXPECT_EQ(start["wrapMode"].toInt(), 1);
  EXPECT_EQ(start["errors"].toArray().size(), 0);
  EXPECT_EQ(start["statusPanels"].toArray()[1].toString(), "00001行 : 00001桁");
  EXPECT_TRUE(start["bars"]["toolbar"].toBool());
  EXPECT_FALSE(start["bars"]["headerBar"].toBool());
  EXPECT_TRUE(start["bars"]["statusBar"].toBool());
  EXPECT_EQ(start["toolbarImageSize"].toInt(), 16);  // 300 is no size
  const QJsonObject actions = start["actions"].toObject();
  EXPECT_TRUE(actions["actTurnCol"]["checked"].toBool());
  EXPECT_FALSE(actions["actTurnNone"]["checked"].toBool());
  EXPECT_FALSE(actions["actViewCorvid"]["checked"].toBool());
  EXPECT_FALSE(actions["actViewHeadbar"]["checked"].toBool());
  EXPECT_FALSE(actions["actEditCopy"]["enabled"].toBool());
  const QJsonObject options = start["options"].toObject();
  EXPECT_TRUE(options["wordWrap"].toBool());
  EXPECT_EQ(options["wrapOption"]["wrapByte"].toInt(), 30);
  EXPECT_EQ(options["caret"]["tabSpaceCount"].toInt(), 4);
  EXPECT_EQ(options["margin"]["left"].toInt(), 100);
  EXPECT_EQ(options["font"]["height"].toInt(), -12);
  const QJsonObject colors = start["colors"].toObject();
  EXPECT_EQ(colors["url"]["style"].toInt(), 6);
  EXPECT_EQ(colors["ank"]["foreRgb"].toString(), "#ff0000");
  EXPECT_EQ(colors["select"]["bkRgb"].toString(), "#0000ff");
  EXPECT_EQ(colors["hit"]["foreRgb"].toString(), "none");
  EXPECT_EQ(colors["view"]["bk"].toInt(), -2147483643);  // the window background

  const QJsonObject toggled = Window(1);
  EXPECT_FALSE(toggled["bars"]["statusBar"].toBool());
  const QJsonObject frame = Window(2)["frame"].toObject();
  EXPECT_FALSE(frame["visible"].toBool());
  EXPECT_NE(Settings().find("StatusBar=0\n"), std::string::npos) << Settings();
  EXPECT_NE(Settings().find("[Window]\nWindowStyle=0\nWidth=" +
                            std::to_string(frame["width"].toInt()) + "\nHeight=" +
                            std::to_string(frame["height"].toInt())),
            std::string::npos)
      << Settings();
}

TEST_F(DriveWindowTest, RefusedWritesAreReportedAsErrors) {
  const std::string path = scratch_.Write("quillet.ini", "");
  chmod(path.c_str(), 0444);
  std::vector<std::string> args{"quillet-drive", "--window", "--settings", path, "--do",
                                "action actTurnWin", message_};
  std::ostringstream out, err;
  ASSERT_EQ(RunDrive(args, out, err), 0) << err.str();
  json_ = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
  const std::string refused = path + " に書き込めません";
  EXPECT_EQ(Window(0)["errors"].toArray().size(), 1);
  EXPECT_EQ(Window(0)["errors"].toArray()[0].toString().toStdString(), refused);
  EXPECT_EQ(Window(0)["caption"].toString(), "hello - Quillet");
  EXPECT_EQ(Window(1)["errors"].toArray().size(), 2);
  EXPECT_EQ(Window(1)["wrapMode"].toInt(), 2);
}

TEST_F(DriveWindowTest, WindowModeTakesAMessageFileOnly) {
  std::ostringstream out, err;
  EXPECT_EQ(RunDrive({"quillet-drive", "--settings", "x.ini", message_}, out, err), 2);
  EXPECT_EQ(RunDrive({"quillet-drive", "--window", "--text", "x"}, out, err), 2);
  EXPECT_EQ(RunDrive({"quillet-drive", "--window", "--bare", message_}, out, err), 2);
  EXPECT_EQ(RunDrive({"quillet-drive", "--do", "action actViewStabar", "--text", "x"}, out, err), 1);
}

TEST_F(DriveWindowTest, FindsWithTheWindowsKeysAndZooms) {
  message_ = scratch_.Write("m.eml", "Subject: s\r\n\r\nApple one\r\napple two\r\nAPPLE three\r\n");
  ASSERT_EQ(Drive("[Editor]\nWordWrap=2\n",
                  {"focus", "shortcut Ctrl+F", "enter apple", "settle", "shortcut F3",
                   "shortcut Shift+F3", "shortcut Shift+F3", "shortcut Esc", "shortcut Ctrl++",
                   "shortcut Ctrl+0"}),
            0)
      << err_;
  const auto find = [this](int state) { return Window(state)["find"].toObject(); };
  EXPECT_TRUE(find(2)["open"].toBool());
  EXPECT_TRUE(find(2)["focused"].toBool());
  const struct {
    int state, row, ordinal;
  } hits[] = {{4, 0, 1}, {5, 1, 2}, {6, 0, 1}, {7, 2, 3}};
  for (const auto& hit : hits) {
    SCOPED_TRACE(hit.state);
    EXPECT_EQ(find(hit.state)["hit"].toObject()["row"].toInt(), hit.row);
    EXPECT_EQ(find(hit.state)["hit"].toObject()["ordinal"].toInt(), hit.ordinal);
    EXPECT_EQ(find(hit.state)["count"].toInt(), 3);
  }
  EXPECT_FALSE(find(7)["note"].toString().isEmpty());  // went round the start
  // Esc closed the bar alone; the hit stayed as the selection.
  EXPECT_FALSE(find(8)["open"].toBool());
  EXPECT_TRUE(Window(8)["frame"].toObject()["visible"].toBool());
  EXPECT_EQ(json_["states"].toArray()[8].toObject()["selection"].toObject()["selTextHex"].toString(),
            QStringLiteral("4150504c45"));
  const QJsonObject before = Window(8)["zoom"].toObject();
  const QJsonObject zoomed = Window(9)["zoom"].toObject();
  EXPECT_EQ(zoomed["points"].toInt(), quillet::ZoomedPoints(before["points"].toInt(), 1));
  EXPECT_LT(zoomed["wrapByte"].toInt(), before["wrapByte"].toInt());
  EXPECT_EQ(Window(10)["zoom"].toObject(), before);
}

}  // namespace
}  // namespace drive
