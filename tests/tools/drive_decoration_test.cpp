// The viewer's line decoration in pixels, on the text view the driver sets up as the viewer
// does: which colour the glyphs of each cell range take.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/qt/fonts.h"
#include "tests/support/scratch_dir.h"
#include "tools/drive/session.h"

namespace drive {
namespace {

// Glyph pixels by hue: smoothed edges mix the text colour with white, so teal (the comment
// colour) keeps green equal to blue above red, maroon (the reserved words) red above them.
struct Ink {
  int teal = 0;
  int maroon = 0;
  int other = 0;
  int All() const { return teal + maroon + other; }
};

class DecorationPixels : public ::testing::Test {
 protected:
  // `text` (CP932) on a view of 400 x 200 with the keyword files of `folder` ("": none).
  void Show(const std::string& text, const std::string& folder, bool wrap = false) {
    static const bool fonts = (platform::qt::InstallFontSubstitutions(), true);
    (void)fonts;
    SessionOptions options;
    options.width = 400;
    options.height = 200;
    options.keywordFolder = folder.empty() ? none_.Path() + "/" : folder;
    session_ = std::make_unique<Session>(options, text);
    if (wrap) {
      editor::TEditor& view = session_->Editor();
      view.WrapOption().SetWordBreak(false);
      view.WrapOption().SetWrapByte(20);
      view.SetWordWrap(true);
    }
    Repaint();
  }
  void Repaint() {
    session_->Window().InvalidateAll();
    session_->Window().Update();
    image_ = session_->Window().BackingImage().copy();
  }
  QRect Cells(int row, int fromCol, int toCol) const {
    const editor::TEditor& view = session_->Editor();
    return QRect(view.TextLeft() + fromCol * view.ColWidth(),
                 view.TextTop() + row * view.RowHeight(), (toCol - fromCol) * view.ColWidth(),
                 view.FontHeight());
  }
  Ink InkIn(int row, int fromCol, int toCol) const {
    Ink ink;
    const QRect cells = Cells(row, fromCol, toCol);
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
      for (int x = cells.left(); x <= cells.right(); ++x) {
        const QRgb p = image_.pixel(x, y);
        if (p == qRgb(255, 255, 255)) continue;
        const bool grey = qGreen(p) == qBlue(p);
        if (grey && qRed(p) < qGreen(p)) {
          ++ink.teal;
        } else if (grey && qRed(p) > qGreen(p)) {
          ++ink.maroon;
        } else {
          ++ink.other;
        }
      }
    }
    return ink;
  }
  std::string Folder(const std::string& quote, const std::string& header) {
    files_.Write("Quote.kwd", quote);
    files_.Write("Header.kwd", header);
    return files_.Path() + "/";
  }

  testsupport::ScratchDir none_;
  testsupport::ScratchDir files_;
  std::unique_ptr<Session> session_;
  QImage image_;
};

TEST_F(DecorationPixels, BuiltInMarkersColourWholeRowsAndHeaderNamesOnlyThemselves) {
  Show("> quoted\r\nFrom: x\r\nfrom: y\r\n| bar\r\nCc: z", "");
  // The quotation to its end; the line-break mark after it, then nothing.
  EXPECT_GT(InkIn(0, 0, 8).teal, 0);
  EXPECT_EQ(InkIn(0, 0, 8).other + InkIn(0, 0, 8).maroon, 0);
  EXPECT_EQ(InkIn(0, 9, 45).All(), 0);
  // The name only, in the reserved colour; the value as plain text.
  EXPECT_GT(InkIn(1, 0, 5).maroon, 0);
  EXPECT_EQ(InkIn(1, 0, 5).other + InkIn(1, 0, 5).teal, 0);
  EXPECT_EQ(InkIn(1, 5, 7).maroon + InkIn(1, 5, 7).teal, 0);
  // Matching keeps the case.
  EXPECT_EQ(InkIn(2, 0, 7).maroon + InkIn(2, 0, 7).teal, 0);
  // "|" sorts after the header names and "Cc:" among the first entries: each keeps its kind.
  EXPECT_EQ(InkIn(3, 0, 5).other + InkIn(3, 0, 5).maroon, 0);
  EXPECT_GT(InkIn(3, 0, 5).teal, 0);
  EXPECT_GT(InkIn(4, 0, 3).maroon, 0);
  EXPECT_EQ(InkIn(4, 3, 5).maroon + InkIn(4, 3, 5).teal, 0);
}

TEST_F(DecorationPixels, WrappedRowsAreDecoratedToTheirOwnEndAndNoFurther) {
  Show("> " + std::string(30, 'a') + "\r\nContent-Transfer-Encoding: 7bit", "", true);
  ASSERT_EQ(session_->Editor().RowCount(), 4);
  EXPECT_GT(InkIn(0, 0, 20).teal, 0);
  EXPECT_EQ(InkIn(0, 20, 45).All(), 0);
  EXPECT_EQ(InkIn(1, 0, 12).teal, 0);  // a continuation row is matched on its own text
  // The name is longer than the row: its part on the row, nothing past the row's end.
  EXPECT_GT(InkIn(2, 0, 20).maroon, 0);
  EXPECT_EQ(InkIn(2, 0, 20).other, 0);
  EXPECT_EQ(InkIn(2, 20, 45).All(), 0);
  EXPECT_EQ(InkIn(3, 0, 11).maroon, 0);
}

TEST_F(DecorationPixels, ASelectedQuotationRowShowsOnlyTheSelectionColours) {
  const std::string text = "> quoted\r\nplain";
  Show(text, Folder("", ""));
  session_->Editor().SelectRow(0);
  Repaint();
  const QImage undecorated = image_.copy(Cells(0, 0, 45));
  Show(text, "");
  session_->Editor().SelectRow(0);
  Repaint();
  EXPECT_EQ(image_.copy(Cells(0, 0, 45)), undecorated);
}

TEST_F(DecorationPixels, KeywordFilesReplaceTheBuiltInListsAndAQuoteLineWinsOverAHeaderLine) {
  Show("# a\r\n| b\r\n> c\r\nX-Note: hi\r\nFrom: d",
       Folder("#\n>\r\nX-Note:\n", "x-note:\nFrom:\n"));
  EXPECT_GT(InkIn(0, 0, 3).teal, 0);
  EXPECT_EQ(InkIn(1, 0, 3).teal, 0);
  EXPECT_GT(InkIn(2, 0, 3).teal, 0);
  EXPECT_GT(InkIn(3, 8, 10).teal, 0);  // the whole row: a quotation, not a name
  EXPECT_EQ(InkIn(3, 0, 10).maroon, 0);
  EXPECT_GT(InkIn(4, 0, 5).maroon, 0);
}

}  // namespace
}  // namespace drive
