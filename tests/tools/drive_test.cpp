#include "tools/drive/drive.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/qt/fonts.h"
#include "tests/support/scratch_dir.h"

namespace drive {
namespace {

struct Outcome {
  int status = 0;
  std::string out;
  std::string err;
  QJsonObject json;

  QJsonObject State(int i) const { return json["states"].toArray()[i].toObject(); }
  int StateCount() const { return static_cast<int>(json["states"].toArray().size()); }
  // A number of state i by its dotted path ("vbar.max").
  int Int(int i, const std::string& path) const { return Value(i, path).toInt(-99999); }
  bool Bool(int i, const std::string& path) const { return Value(i, path).toBool(); }
  QJsonValue Value(int i, const std::string& path) const {
    QJsonValue value = State(i);
    std::istringstream parts(path);
    for (std::string part; std::getline(parts, part, '.');) {
      value = value.toObject()[QString::fromStdString(part)];
    }
    return value;
  }
};

Outcome Parsed(Outcome run) {
  if (run.status == 0 && run.out.starts_with("{")) {  // not the help
    QJsonParseError error;
    run.json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
  }
  return run;
}

// The driver in this process, on the test program's application.
Outcome Drive(std::vector<std::string> args) {
  static const bool fonts = (platform::qt::InstallFontSubstitutions(), true);
  (void)fonts;
  args.insert(args.begin(), "quillet-drive");
  std::ostringstream out, err;
  const int status = RunDrive(args, out, err);
  return Parsed({status, out.str(), err.str(), {}});
}

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& steps) {
  for (const std::string& step : steps) {
    args.push_back("--do");
    args.push_back(step);
  }
  return args;
}

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i > 0 ? "\n" : "") + std::to_string(i);
  return text;
}

TEST(DriveScrolling, PagesMoveWholeHalfPagesAndTheBarCoversTheRowsPlusAnEmptyPage) {
  const Outcome run = Drive(With({"--size", "400x300", "--text", NumberedLines(60)},
                                 {"page down", "page down", "vscroll bottom", "page down",
                                  "vscroll linedown", "vscroll top", "vscroll thumb 7"}));
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(run.StateCount(), 8);
  const int visible = run.Int(0, "visibleRows");
  const int page = (visible - 1) / 2 * 2;
  EXPECT_EQ(run.Int(0, "rowCount"), 60);
  EXPECT_EQ(run.Int(0, "maxTopRow"), 60 + visible - 1);
  EXPECT_EQ(run.Int(0, "vbar.max"), std::max(visible, run.Int(0, "maxTopRow")));
  EXPECT_EQ(run.Int(0, "vbar.page"), visible);
  EXPECT_TRUE(run.Bool(0, "vbar.shown"));
  EXPECT_TRUE(run.Bool(0, "hbar.shown"));  // wrap mode 0 shows both bars
  for (int step : {1, 2}) {
    EXPECT_EQ(run.Value(step, "step").toString(), "page down");
    EXPECT_EQ(run.Int(step, "topRow"), step * page);
    EXPECT_EQ(run.Int(step, "caret.row"), step * page);  // kept at its place on screen
    EXPECT_EQ(run.Int(step, "vbar.pos"), step * page);
  }
  // The bar reaches an empty view; the page keys stop there, and so does the bar.
  for (int step : {3, 4, 5}) EXPECT_EQ(run.Int(step, "topRow"), 60) << step;
  EXPECT_EQ(run.Int(6, "topRow"), 0);
  EXPECT_EQ(run.Int(7, "topRow"), 7);
  EXPECT_EQ(run.Int(7, "caret.row"), 2 * page);  // the bar leaves the caret alone
}

TEST(DriveScrolling, PageSizeFollowsTheVisibleRowsAfterResizes) {
  const Outcome metrics = Drive({"--text", NumberedLines(100)});
  ASSERT_EQ(metrics.status, 0) << metrics.err;
  const int rowHeight = metrics.Int(0, "rowHeight");
  // The horizontal bar (wrap mode 0) comes off the height too.
  const int bar = metrics.Int(0, "scrollBarExtent");
  auto height = [&](int rows) {
    return std::to_string(metrics.Int(0, "textTop") + 5 + bar + rows * rowHeight);
  };
  const Outcome run = Drive(
      With({"--text", NumberedLines(100)}, {"resize 400x" + height(21), "page down", "caret 0 0",
                                            "resize 400x" + height(20), "page down"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Int(1, "visibleRows"), 21);
  EXPECT_EQ(run.Int(2, "topRow"), 20);
  EXPECT_EQ(run.Int(4, "visibleRows"), 20);
  EXPECT_EQ(run.Int(4, "height"), 5 + bar + metrics.Int(0, "textTop") + 20 * rowHeight);
  EXPECT_EQ(run.Int(5, "topRow"), 18);
}

TEST(DriveSetup, TheViewerSetsMarginsMarksAndBarsTheBareControlKeepsItsOwn) {
  const Outcome viewer = Drive(With({"--size", "400x300", "--text", "a"},
                                    {"set Marks.Underline.Visible=0", "set ScrollBars=ssBoth"}));
  ASSERT_EQ(viewer.status, 0) << viewer.err;
  const int fontHeight = viewer.Int(0, "fontHeight");
  EXPECT_FALSE(viewer.json["bare"].toBool());
  EXPECT_EQ(viewer.Int(0, "textLeft"), 6);
  EXPECT_EQ(viewer.Int(0, "textTop"), 4);
  EXPECT_EQ(viewer.Int(0, "rowHeight"), fontHeight + 1 + 1);  // line margin and underline
  EXPECT_EQ(viewer.Int(0, "caret.x"), 6);
  EXPECT_EQ(viewer.Int(0, "caret.y"), 4);
  EXPECT_EQ(viewer.Int(1, "rowHeight"), fontHeight + 1);
  const int extent = viewer.Int(2, "scrollBarExtent");
  EXPECT_TRUE(viewer.Bool(2, "hbar.shown"));
  EXPECT_EQ(viewer.Int(2, "visibleRows"), (300 - 4 - 5 - extent) / (fontHeight + 1));
  EXPECT_EQ(viewer.Int(2, "hbar.max"), viewer.Int(2, "visibleCols") / 2 + 1000);

  const Outcome bare = Drive({"--bare", "--size", "400x300", "--text", "a"});
  ASSERT_EQ(bare.status, 0) << bare.err;
  const int colWidth = bare.Int(0, "colWidth");
  EXPECT_EQ(bare.Int(0, "textLeft"), 19 + 2 + 8 + 2);  // margin and image bar
  EXPECT_EQ(bare.Int(0, "textTop"), 2);
  EXPECT_EQ(bare.Int(0, "rowHeight"), bare.Int(0, "fontHeight"));
  EXPECT_EQ(bare.Int(0, "visibleCols"), (400 - 31 - colWidth / 2) / colWidth);
  EXPECT_FALSE(bare.Bool(0, "vbar.shown"));
}

TEST(DriveAnswers, PointsMessagesAndTextComeBackAsTheViewAnswers) {
  const Outcome metrics = Drive({"--text", "x"});
  ASSERT_EQ(metrics.status, 0) << metrics.err;
  const int left = metrics.Int(0, "textLeft"), top = metrics.Int(0, "textTop");
  const int colWidth = metrics.Int(0, "colWidth"), rowHeight = metrics.Int(0, "rowHeight");
  // In the right half of column 2 of row 1, and left of the text.
  const std::string inside = "pos " + std::to_string(left + 2 * colWidth + colWidth / 2 + 1) + " " +
                             std::to_string(top + rowHeight + 1);
  const Outcome run =
      Drive(With({"--text", "ab\\tc\nあいう\n" + NumberedLines(10)},
                 {inside, "pos 0 0", "toprow 5", "msg EM_GETFIRSTVISIBLELINE",
                  "msg EM_GETLINECOUNT", "msg EM_GETLINE 1", "msg EM_LINEINDEX 2", "focus"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Int(1, "pos.noSnap.col"), 2);
  EXPECT_EQ(run.Int(1, "pos.snap.col"), 3);
  EXPECT_EQ(run.Int(1, "pos.snap.row"), 1);
  EXPECT_EQ(run.Int(2, "pos.noSnap.col"), 0);
  EXPECT_EQ(run.Int(2, "pos.snap.col"), 0);
  EXPECT_EQ(run.Int(4, "msg.result"), 5);
  EXPECT_EQ(run.Int(5, "msg.result"), run.Int(5, "rowCount"));
  EXPECT_EQ(run.Int(5, "rowCount"), 12);
  EXPECT_EQ(run.Value(6, "msg.text").toString(), QString::fromUtf8("あいう"));
  EXPECT_EQ(run.Int(6, "msg.result"), 6);              // CP932 bytes
  EXPECT_EQ(run.Int(7, "msg.result"), 4 + 2 + 6 + 2);  // "ab", tab, "c", CR LF, "あいう", CR LF
  EXPECT_FALSE(run.Bool(7, "focused"));
  EXPECT_TRUE(run.Bool(8, "focused"));
}

TEST(DriveAnswers, StatesCarryTheStatusPanelsAndTheHeadTheDecorationList) {
  testsupport::ScratchDir keywords;
  keywords.Write("Quote.kwd", "#\n#\n");
  const Outcome run = Drive(With({"--keywords", keywords.Path(), "--text", "a\nb\nいc"},
                                 {"caret 2 0", "caret 2 2", "selectall"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.json["decoration"].toObject()["quoteMarkers"].toInt(), 2);
  EXPECT_EQ(run.json["decoration"].toObject()["entries"].toInt(), 1 + 18);
  EXPECT_EQ(run.Value(1, "status.caret").toString(), QString::fromUtf8("00003行 : 00001桁"));
  EXPECT_EQ(run.Value(2, "status.caret").toString(), QString::fromUtf8("00003行 : 00003桁"));
  EXPECT_EQ(run.Value(2, "status.selection").toString(), "");
  EXPECT_EQ(run.Value(3, "status.selection").toString(),
            QString::fromUtf8("選択文字列のサイズ： 9bytes"));
  EXPECT_FALSE(Drive({"--bare", "--text", "x"}).json.contains("decoration"));
}

TEST(DriveSteps, SettingsAndBothScrollDirectionsReachTheView) {
  const Outcome run = Drive(With(
      {"--size", "400x300", "--text", NumberedLines(40)},
      {"set Caret.Style=csBrief", "set Leftbar.Visible=1", "set Margin.Top=150", "set Font.Size=24",
       "set ScrollBars=ssHorizontal", "hscroll pagedown", "hscroll lineleft", "hscroll right",
       "topcol 3", "msg WM_VSCROLL SB_PAGEDOWN", "msg WM_HSCROLL SB_TOP", "set KeyRepeat=1",
       "set Speed.PageVerticalRangeAc=1", "caret 0 0", "page down"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const int fontHeight = run.Int(0, "fontHeight");
  EXPECT_EQ(run.Int(1, "caret.y"), run.Int(0, "caret.y") + fontHeight - 2);  // an underline
  EXPECT_GT(run.Int(2, "textLeft"), run.Int(1, "textLeft"));
  EXPECT_EQ(run.Int(3, "textTop"), 100);
  EXPECT_GT(run.Int(4, "fontHeight"), fontHeight);
  EXPECT_TRUE(run.Bool(5, "hbar.shown"));
  EXPECT_FALSE(run.Bool(5, "vbar.shown"));
  const int cols = run.Int(5, "visibleCols");
  EXPECT_EQ(run.Int(6, "topCol"), cols);
  EXPECT_EQ(run.Int(6, "hbar.pos"), cols);
  EXPECT_EQ(run.Int(7, "topCol"), cols - 1);
  EXPECT_EQ(run.Int(8, "topCol"), 1000 - cols / 2);
  EXPECT_EQ(run.Int(9, "topCol"), 3);
  const int rows = run.Int(10, "visibleRows");
  EXPECT_EQ(run.Int(10, "topRow"), rows);
  EXPECT_EQ(run.Int(11, "topCol"), 0);
  // A repeating key pages by the Ac speed: one half page.
  EXPECT_EQ(run.Int(15, "topRow"), std::max(1, (rows - 1) / 2));
}

// The selection fields of state i as one line: state, mode, start, length, text, columns.
std::string Selection(const Outcome& run, int i) {
  const QJsonObject sel = run.State(i)["selection"].toObject();
  const QJsonObject cols = sel["colSel"].toObject();
  const QJsonObject bytes = sel["byteSel"].toObject();
  std::ostringstream line;
  line << sel["state"].toInt() << " " << sel["mode"].toInt() << " "
       << (sel["selected"].toBool() ? "selected" : "-") << " " << sel["selStart"].toInt() << "+"
       << sel["selLength"].toInt() << " '" << sel["selTextHex"].toString().toStdString()
       << "' cols " << cols["startRow"].toInt() << "," << cols["startCol"].toInt() << "-"
       << cols["endRow"].toInt() << "," << cols["endCol"].toInt() << " bytes "
       << bytes["startRow"].toInt() << "," << bytes["startByte"].toInt() << "-"
       << bytes["endRow"].toInt() << "," << bytes["endByte"].toInt();
  return line.str();
}

TEST(DriveSelection, EachWayOfSelectingReportsItsBytesColumnsAndText) {
  // 一 88EA, 二 93F1, 三 8E4F, 四 8E6C.
  const Outcome run =
      Drive(With({"--text", "abc\n一二三四\nxyz"},
                 {"select 1 2 1 2", "select 0 1 1 4", "mode box", "mode line", "selectrow 0 1",
                  "selectrow 2", "selectoffsets 5 4", "selectall", "clear"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string kExpected[] = {
      "0 0 - 0+0 '' cols 0,0-0,0 bytes 0,0-0,-1",
      // Anchor and caret on one place: selected, yet nothing in it.
      "2 0 selected 7+0 '' cols 1,2-1,2 bytes 1,2-1,1",
      // Across a line end, which counts two bytes, into the double-byte characters.
      "2 0 selected 1+8 '62630d0a88ea93f1' cols 0,1-1,4 bytes 0,1-1,3",
      // As a box the same corners hold columns 1 to 3: 一 begins left of them and is left out.
      "2 1 selected 1+8 '62630d0a93f10d0a' cols 0,1-1,4 bytes 0,1-1,3",
      "2 0 selected 1+8 '62630d0a88ea93f1' cols 0,1-1,4 bytes 0,1-1,3",
      "2 0 selected 0+15 '6162630d0a88ea93f18e4f8e6c0d0a' cols 0,0-2,0 bytes 0,0-2,-1",
      // The last row has no line end: its own bytes only.
      "2 0 selected 15+3 '78797a' cols 2,0-2,3 bytes 2,0-2,2",
      "2 0 selected 5+4 '88ea93f1' cols 1,0-1,4 bytes 1,0-1,3",
      "2 0 selected 0+18 '6162630d0a88ea93f18e4f8e6c0d0a78797a' cols 0,0-2,3 bytes 0,0-2,2",
      "0 0 - 18+0 '' cols 0,0-2,3 bytes 0,0-2,2",
  };
  ASSERT_EQ(run.StateCount(), static_cast<int>(std::size(kExpected)));
  for (int i = 0; i < run.StateCount(); ++i) {
    EXPECT_EQ(Selection(run, i), kExpected[i]) << run.Value(i, "step").toString().toStdString();
  }
}

// Client points of cells, from the metrics the view reports before any step.
struct Grid {
  int left, top, col, row;
  explicit Grid(const Outcome& metrics)
      : left(metrics.Int(0, "textLeft")),
        top(metrics.Int(0, "textTop")),
        col(metrics.Int(0, "colWidth")),
        row(metrics.Int(0, "rowHeight")) {}
  // `quarter` 1 is the left half of the cell, 3 its right half.
  std::string At(int r, int c, int quarter = 1) const {
    return std::to_string(left + c * col + col * quarter / 4) + " " +
           std::to_string(top + r * row + row / 2);
  }
};

Grid GridOf(const std::string& text) {
  const Outcome metrics = Drive({"--text", text});
  EXPECT_EQ(metrics.status, 0) << metrics.err;
  EXPECT_GT(metrics.Int(0, "colWidth"), 0);
  return Grid(metrics);
}

std::string Caret(const Outcome& run, int i) {
  return std::to_string(run.Int(i, "caret.row")) + "," + std::to_string(run.Int(i, "caret.col"));
}

TEST(DriveInput, KeysAreSwallowedWhileTheButtonIsHeldAndShiftArrowsExtend) {
  const std::string text = "abcdef\nghijkl\nmnopqr";
  const Grid g = GridOf(text);
  const Outcome run = Drive(With(
      {"--text", text},
      {"click " + g.At(0, 1), "press " + g.At(0, 1), "key Right", "key Shift+Down repeat 2",
       "release " + g.At(0, 1), "key Shift+Right repeat 3", "key Shift+Down", "key Left",
       "key End", "key Ctrl+End", "key Ctrl+Home"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Caret(run, 1), "0,1");
  EXPECT_EQ(Caret(run, 3), "0,1");  // neither key moved the caret
  EXPECT_EQ(Caret(run, 4), "0,1");
  EXPECT_FALSE(run.Bool(4, "selection.selected"));
  // The first press moves, the repeats follow it.
  EXPECT_EQ(Selection(run, 6).substr(0, 31), "2 0 selected 1+3 '626364' cols ");
  EXPECT_EQ(Caret(run, 7), "1,4");
  EXPECT_EQ(run.Int(7, "selection.selLength"), 5 + 2 + 4);  // bcdef, CR LF, ghij
  // An arrow without Shift drops the selection.
  EXPECT_FALSE(run.Bool(8, "selection.selected"));
  EXPECT_EQ(Caret(run, 9), "1,6");
  EXPECT_EQ(Caret(run, 10), "2,6");
  EXPECT_EQ(Caret(run, 11), "0,0");
}

TEST(DriveInput, ClicksLandOnTheNearerCellEdgeAndTheLeftMarginSelectsRows) {
  // 一 88EA, 二 93F1: two columns each.
  const std::string text = "abcdef\n一二三\nxyz";
  const Grid g = GridOf(text);
  ASSERT_GT(g.left, 1);
  const Outcome run = Drive(With(
      {"--text", text},
      {"click " + g.At(0, 2, 1), "click " + g.At(0, 2, 3), "click " + g.At(1, 3, 3),
       "click " + g.At(1, 3, 1), "click 1 " + g.At(1, 0).substr(g.At(1, 0).find(' ') + 1),
       "press " + g.At(0, 1), "move " + g.At(2, 2), "release " + g.At(2, 2),
       "press " + g.At(0, 4) + " Shift", "release " + g.At(0, 4), "dblclick " + g.At(2, 1)}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Caret(run, 1), "0,2");
  EXPECT_EQ(Caret(run, 2), "0,3");  // the right half: after the character
  // On the second half of 二 (columns 2-3) the caret goes after it or before it.
  EXPECT_EQ(Caret(run, 3), "1,4");
  EXPECT_EQ(Caret(run, 4), "1,2");
  // Left of the text: the whole row with its line end.
  EXPECT_EQ(run.Value(5, "selection.selTextHex").toString().toStdString(), "88ea93f18e4f0d0a");
  EXPECT_EQ(Selection(run, 8).substr(0, 45), "2 0 selected 1+17 '62636465660d0a88ea93f18e4f");
  // Shift+press moves the end of the dragged selection; its anchor (0,1) stays.
  EXPECT_EQ(run.Value(10, "selection.selTextHex").toString().toStdString(), "626364");
  EXPECT_EQ(Caret(run, 11), "2,1");
  EXPECT_FALSE(run.Bool(11, "selection.selected"));
}

TEST(DriveInput, TheWheelWaitsForTheButtonAndTokensSearchesAndMarksAnswer) {
  std::string text = "see http://example.com/x now\n" + NumberedLines(60);
  const Grid g = GridOf(text);
  const Outcome run = Drive(With(
      {"--size", "400x300", "--text", text},
      {"press " + g.At(1, 0), "wheel " + g.At(1, 0) + " -120", "release " + g.At(1, 0),
       "wheel " + g.At(1, 0) + " -120", "toprow 0", "token " + g.At(0, 10), "token " + g.At(0, 1),
       "token " + g.At(0, 27, 3), "caret 0 0", "search now", "search now", "search SEE backward",
       "search SEE backward matchcase", "mark 40 3", "mark 50 3", "gotomark 3", "unmark 50 3"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Int(2, "topRow"), 0);
  EXPECT_EQ(run.Int(4, "topRow"), 3);
  EXPECT_EQ(run.Int(6, "token.kind"), 21);  // a URL, whole
  EXPECT_EQ(run.Value(6, "token.text").toString().toStdString(), "http://example.com/x");
  EXPECT_EQ(run.Value(7, "token.text").toString().toStdString(), "see");
  // The right half of a row's last character: past the row.
  EXPECT_EQ(run.Int(8, "token.kind"), 0);
  EXPECT_TRUE(run.Bool(10, "search.found"));
  EXPECT_EQ(run.Int(10, "selection.selStart"), 25);
  EXPECT_FALSE(run.Bool(11, "search.found"));  // from after the hit
  EXPECT_TRUE(run.Bool(12, "search.found"));   // case ignored
  EXPECT_EQ(run.Int(12, "selection.selStart"), 0);
  EXPECT_FALSE(run.Bool(13, "search.found"));
  EXPECT_EQ(run.Value(14, "marks.marks").toArray().size(), 1);
  // Mark 3 is unique: it left row 40 for row 50.
  EXPECT_EQ(run.Value(15, "marks.marks").toArray()[0].toInt(), 3);
  EXPECT_EQ(run.Int(16, "caret.row"), 50);
  EXPECT_TRUE(run.Value(17, "marks.marks").toArray().isEmpty());
}

TEST(DriveClipboard, CopyPutsStreamTextOrABoxWithItsBytesOnTheSystemClipboard) {
  const Outcome run =
      Drive(With({"--bare", "--text", "abc\n一二三四\nxyz"},
                 {"select 0 1 1 4", "copy", "mode box", "copy", "clear", "copy", "msg WM_COPY"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Value(2, "clipboard.text").toString(), QString::fromUtf8("bc\r\n一二"));
  EXPECT_TRUE(run.Value(2, "clipboard.boxHex").isNull());
  EXPECT_FALSE(run.State(1).contains("clipboard"));  // only copy reports it
  EXPECT_EQ(run.Value(4, "clipboard.text").toString(), QString::fromUtf8("bc\r\n二\r\n"));
  EXPECT_EQ(run.Value(4, "clipboard.boxHex").toString(), "62630d0a93f10d0a00");
  // Copying nothing leaves the clipboard as it was; only the message empties it.
  EXPECT_EQ(run.Value(6, "clipboard.boxHex").toString(), "62630d0a93f10d0a00");
  const Outcome after = Drive(With({"--text", "x"}, {"copy"}));
  ASSERT_EQ(after.status, 0) << after.err;
  EXPECT_EQ(after.Value(1, "clipboard.text").toString(), "");
  EXPECT_TRUE(after.Value(1, "clipboard.boxHex").isNull());
}

TEST(DriveHold, RunsTheEventLoopUntilTheFileComesOrTheTimeIsUp) {
  testsupport::ScratchDir dir;
  const std::string flag = dir.Path() + "/a flag";
  // Only an event loop running during the hold makes the file.
  QTimer::singleShot(100, [&] { dir.Write("a flag", ""); });
  QElapsedTimer clock;
  clock.start();
  const Outcome run = Drive(With(
      {"--text", "x"}, {"hold " + flag + " 20", "hold " + flag, "hold " + dir.Path() + "/none 0"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_LT(clock.elapsed(), 10000);
  EXPECT_EQ(run.Value(1, "hold.file").toString().toStdString(), flag);
  EXPECT_TRUE(run.Bool(1, "hold.found"));
  EXPECT_TRUE(run.Bool(2, "hold.found"));
  EXPECT_FALSE(run.Bool(3, "hold.found"));
}

TEST(DriveErrors, BadStepsAndCommandLinesExitTwoBeforeAnyOutput) {
  testsupport::ScratchDir dir;
  const std::string script = dir.Write("s.txt", "# comment\n\npage down\nvscroll sideways\n");
  const std::pair<std::vector<std::string>, std::string> kCases[] = {
      {{"--do", "bogus 1", "--text", "x"}, "step 'bogus 1': unknown step 'bogus'"},
      {{"--do", "vscroll sideways", "--text", "x"}, "step 'vscroll sideways': expected a scroll"},
      {{"--do", "page sideways", "--text", "x"}, "step 'page sideways': expected down or up"},
      {{"--do", "toprow x1", "--text", "x"}, "step 'toprow x1': 'x1' is not an integer"},
      {{"--do", "set Margin.Left=abc", "--text", "x"}, "Margin.Left: 'abc' is not an integer"},
      {{"--do", "set ScrollBars=both", "--text", "x"}, "'both' is not one of ssNone|"},
      {{"--do", "set Nope=1", "--text", "x"}, "'Nope' is no property"},
      {{"--do", "msg EM_NOPE", "--text", "x"}, "'EM_NOPE' is no message"},
      {{"--do", "select 1 2 3", "--text", "x"}, "expected ROW1 COL1 ROW2 COL2"},
      {{"--do", "mode diagonal", "--text", "x"}, "expected line or box"},
      {{"--do", "selectrow", "--text", "x"}, "expected ROW [ROW2]"},
      {{"--do", "selectoffsets 1", "--text", "x"}, "expected START LENGTH"},
      {{"--do", "copy now", "--text", "x"}, "step 'copy now': expected no arguments"},
      {{"--do", "hold", "--text", "x"}, "expected FILE [SECONDS]"},
      {{"--do", "hold f 4000", "--text", "x"}, "seconds outside 0 ... 3600"},
      {{"--script", script, "--text", "x"}, script + ":4: step 'vscroll sideways'"},
      {{"--size", "0x10", "--text", "x"}, "--size: size 0x10 is outside"},
      {{"--size", "big", "--text", "x"}, "--size: 'big' is not WxH"},
      {{"--text", "x", "m.eml"}, "exclude each other"},
      {{}, "no message file"},
      {{"--frobnicate", "m.eml"}, "unknown option --frobnicate"},
  };
  for (const auto& [args, message] : kCases) {
    const Outcome run = Drive(args);
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("usage: quillet-drive"), std::string::npos);
    EXPECT_EQ(run.out, "");
  }
  const std::string missing = dir.Path() + "/missing.eml";
  Outcome run = Drive({missing});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ファイル " + missing + " は開けません\n");
  run = Drive({"--do", "png " + dir.Path() + "/no/such/dir.png", "--text", "x"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("step 'png "), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  run = Drive({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Marks.Underline.Visible=0|1"), std::string::npos);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The built program in a child process without a platform named, which an alarm ends.
Outcome DriveProgram(const testsupport::ScratchDir& dir, const std::vector<std::string>& args) {
  const std::string out = dir.Path() + "/stdout", err = dir.Path() + "/stderr";
  pid_t pid = fork();
  if (pid == 0) {
    alarm(30);
    unsetenv("QT_QPA_PLATFORM");
    if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(120);
    std::vector<char*> argv{const_cast<char*>(QUILLET_DRIVE_PROGRAM)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(121);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return Parsed({code, ReadAll(out), ReadAll(err), {}});
}

TEST(DriveProgram, RunsOffscreenOnTheBodyOfAPathJoinedFromItsArguments) {
  testsupport::ScratchDir dir;
  dir.Write("a b.eml", "Subject: s\r\n\r\none\r\ntwo\r\nthree\r\n");
  const std::string script = dir.Write("steps", "# the first step\nline down\r\n\nline down\n");
  const std::string png = dir.Path() + "/view.png";
  const Outcome run = DriveProgram(
      dir, {"--size", "300x200", "--script", script, "--png", png, dir.Path() + "/a", "b.eml"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.json["message"].toString().toStdString(), dir.Path() + "/a b.eml");
  EXPECT_EQ(run.StateCount(), 3);
  EXPECT_EQ(run.Int(0, "rowCount"), 3);
  EXPECT_EQ(run.Int(2, "caret.row"), 2);
  EXPECT_EQ(run.Int(2, "width"), 300);
  EXPECT_EQ(ReadAll(png).substr(1, 3), "PNG");

  EXPECT_EQ(DriveProgram(dir, {"--do", "bogus", "--text", "x"}).status, 2);
}

}  // namespace
}  // namespace drive
