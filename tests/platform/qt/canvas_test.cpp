#include "platform/qt/canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include <set>
#include <utility>

#include "platform/errors.h"
#include "platform/qt/fonts.h"

namespace platform::qt {
namespace {

constexpr TRgb kBlack{0, 0, 0};
constexpr TRgb kRed{255, 0, 0};
const char kMsGothic[] = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ ゴシック

using Pixels = std::set<std::pair<int, int>>;

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : image_(96, 40, QImage::Format_RGB32), fonts_(std::make_shared<QtFontTable>()) {
    InstallFontSubstitutions();
    image_.fill(Qt::white);
    canvas_ = std::make_unique<QtCanvas>(image_, fonts_);
  }

  // Every pixel that is not white; the image is white again afterwards.
  Pixels Take() {
    canvas_->Flush();
    Pixels out;
    for (int y = 0; y < image_.height(); ++y)
      for (int x = 0; x < image_.width(); ++x)
        if (image_.pixel(x, y) != qRgb(255, 255, 255)) out.insert({x, y});
    image_.fill(Qt::white);
    return out;
  }

  QImage image_;
  std::shared_ptr<QtFontTable> fonts_;
  std::unique_ptr<QtCanvas> canvas_;
};

TEST_F(CanvasTest, LinesLeaveOutTheirEndPoint) {
  canvas_->Line({2, 5}, {5, 5}, kBlack);
  canvas_->Line({9, 5}, {6, 5}, kBlack);
  EXPECT_EQ(Take(), (Pixels{{2, 5}, {3, 5}, {4, 5}, {9, 5}, {8, 5}, {7, 5}}));
  canvas_->Line({3, 1}, {3, 3}, kBlack);
  canvas_->Line({9, 4}, {9, 2}, kBlack);
  EXPECT_EQ(Take(), (Pixels{{3, 1}, {3, 2}, {9, 4}, {9, 3}}));
  canvas_->Line({1, 1}, {4, 4}, kBlack);
  canvas_->Line({20, 10}, {17, 13}, kBlack);
  EXPECT_EQ(Take(), (Pixels{{1, 1}, {2, 2}, {3, 3}, {20, 10}, {19, 11}, {18, 12}}));
  canvas_->Line({0, 0}, {6, 2}, kBlack);  // one pixel per column
  Pixels shallow = Take();
  EXPECT_EQ(shallow.size(), 6u);
  EXPECT_TRUE(shallow.count({0, 0}) && !shallow.count({6, 2}));
  canvas_->Line({4, 4}, {4, 4}, kBlack);
  EXPECT_TRUE(Take().empty());
}

TEST_F(CanvasTest, FillsPixelsAndCopiesStayInsideClipAndBounds) {
  canvas_->FillRect({2, 3, 5, 5}, kRed);
  EXPECT_EQ(Take().size(), 6u);  // right and bottom edges excluded

  canvas_->SetBounds({10, 10, 20, 20});
  canvas_->SetClip({15, 0, 96, 40});  // the bounds still hold
  canvas_->FillRect({0, 0, 96, 40}, kRed);
  canvas_->SetPixel({12, 12}, kBlack);
  canvas_->Line({0, 17}, {96, 17}, kBlack);
  canvas_->Flush();
  EXPECT_EQ(image_.pixel(15, 17), qRgb(0, 0, 0));
  Pixels painted = Take();
  EXPECT_EQ(painted.size(), 50u);
  EXPECT_TRUE(painted.count({15, 10}) && painted.count({19, 19}));
  canvas_->ResetClip();  // back to the bounds, not the whole image
  canvas_->SetPixel({12, 12}, kBlack);
  canvas_->SetPixel({30, 30}, kBlack);
  EXPECT_EQ(Take(), (Pixels{{12, 12}}));

  canvas_->SetBounds({0, 0, 21, 40});
  QtBitmap bitmap({4, 3}, fonts_);
  bitmap.Canvas().FillRect({0, 0, 4, 3}, kRed);
  bitmap.Canvas().SetPixel({1, 1}, {0, 0, 255});
  canvas_->CopyFrom(bitmap, {0, 0, 4, 3}, {10, 10});
  canvas_->Flush();
  EXPECT_EQ(image_.pixel(11, 11), qRgb(0, 0, 255));
  EXPECT_EQ(Take().size(), 12u);
  canvas_->CopyFrom(bitmap, {1, 1, 10, 10}, {20, 5});  // 3 x 2 pixels exist, one column shows
  canvas_->Flush();
  EXPECT_EQ(image_.pixel(20, 5), qRgb(0, 0, 255));
  EXPECT_EQ(Take(), (Pixels{{20, 5}, {20, 6}}));
}

class CellsTest : public CanvasTest {
 protected:
  CellsTest() : font_(fonts_->Create({kMsGothic, -16, {}})), metrics_(fonts_->Metrics(font_)) {}
  void Draw(std::string_view text, const TRgb* back = nullptr, TRect limit = {0, 0, 999, 999}) {
    canvas_->DrawCells({4, 4}, text, font_, width_, kBlack, back, limit);
  }
  // Pixels of `ink` in cells first .. first + count - 1.
  int InCells(const Pixels& ink, int first, int count = 1) const {
    int n = 0;
    for (const auto& p : ink)
      n += p.first >= 4 + first * width_ && p.first < 4 + (first + count) * width_;
    return n;
  }

  TFontHandle font_;
  TFontMetrics metrics_;
  int width_ = metrics_.HalfWidth;
};

TEST_F(CellsTest, EachCharacterInksOnlyItsOwnCellsAtItsColumn) {
  ASSERT_EQ(width_, 8);
  // M, あ, W, i, 漢, half-width ｱ, @: drawn one at a time in place, the others blanked.
  const std::string text = "M\x82\xA0Wi\x8A\xBF\xB1@";
  const std::pair<int, int> chars[] = {{0, 1}, {1, 2}, {3, 1}, {4, 1}, {5, 2}, {7, 1}, {8, 1}};
  for (const auto& [first, count] : chars) {
    std::string one(text.size(), ' ');
    one.replace(first, count, text, first, count);
    Draw(one);
    Pixels ink = Take();
    EXPECT_GT(InCells(ink, first, count), 0) << first;
    EXPECT_EQ(InCells(ink, first, count), static_cast<int>(ink.size())) << first;
    for (const auto& p : ink) EXPECT_TRUE(p.second >= 4 && p.second < 4 + metrics_.Height());
  }
  width_ = 11;  // wider than the font's advance: Qt must not lay the string out
  Draw("M");
  Pixels first = Take();
  Draw("  M");
  Pixels third;
  for (const auto& [x, y] : Take()) third.insert({x - 2 * width_, y});
  EXPECT_EQ(first, third);
}

TEST_F(CellsTest, InvalidAndControlBytes) {
  Draw("\x01\t\x80");  // two blanks, then a byte that is no character
  Pixels ink = Take();
  EXPECT_EQ(InCells(ink, 0, 2), 0);
  EXPECT_GT(InCells(ink, 2), 0);
  Draw("\x85 \x82");  // a lead byte whose trail is invalid keeps one cell; one cut off at the end
  ink = Take();
  EXPECT_GT(InCells(ink, 0), 0);
  EXPECT_EQ(InCells(ink, 1), 0);
  EXPECT_GT(InCells(ink, 2), 0);
}

TEST_F(CellsTest, BackFillsTheCellsAndLimitClips) {
  Draw("  ", &kRed);
  Pixels filled = Take();
  EXPECT_EQ(filled.size(), static_cast<size_t>(2 * width_ * metrics_.Height()));
  EXPECT_TRUE(filled.count({4, 4}) && filled.count({3 + 2 * width_, 3 + metrics_.Height()}));
  canvas_->SetClip({0, 0, 4 + width_ + 3, 40});
  Draw("MM", &kRed, {7, 0, 100, 100});  // clip ∩ limit: x 7 .. 14
  canvas_->Flush();
  EXPECT_EQ(image_.pixel(7, 4), qRgb(255, 0, 0));
  for (const auto& p : Take()) EXPECT_TRUE(p.first >= 7 && p.first < 4 + width_ + 3) << p.first;
}

TEST_F(CellsTest, MetricsOfTheFixedFaces) {
  EXPECT_EQ(QFontInfo(fonts_->Get(font_).font).family(), "IPAGothic");
  EXPECT_EQ(2 * width_, QFontMetrics(fonts_->Get(font_).font).horizontalAdvance(QChar(u'あ')));
  EXPECT_TRUE(metrics_.Height() >= 16 && metrics_.Height() <= 20) << metrics_.Height();
  EXPECT_GE(metrics_.ExternalLeading, 0);

  TFontHandle fixedSys = fonts_->Create({"FixedSys", -16, {}});
  EXPECT_EQ(QFontInfo(fonts_->Get(fixedSys).font).family(), "IPAGothic");
  EXPECT_EQ(fonts_->Metrics(fixedSys).HalfWidth, 8);
  EXPECT_EQ(fonts_->Create({"FixedSys", -16, {}}), fixedSys);
  TFontHandle italic = fonts_->Create({"FixedSys", -16, {fsItalic, fsBold}});
  EXPECT_NE(italic, fixedSys);
  EXPECT_TRUE(fonts_->Metrics(italic).Italic && fonts_->Get(italic).font.bold());
  TFontMetrics cell = fonts_->Metrics(fonts_->Create({"FixedSys", 20, {}}));
  EXPECT_TRUE(cell.Height() >= 18 && cell.Height() <= 20) << cell.Height();  // the whole cell
  EXPECT_THROW(fonts_->Metrics({99}), EListError);
}

}  // namespace
}  // namespace platform::qt
