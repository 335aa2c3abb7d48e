#include "platform/qt/clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform::qt {
namespace {

const QMimeData& Held() {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  EXPECT_NE(mime, nullptr);
  static const QMimeData kNone;
  return mime != nullptr ? *mime : kNone;
}

TEST(QtClipboard, StreamTextGoesOutAsUnicodeAndComesBackAsTheSameBytes) {
  QtClipboard clipboard;
  const std::string cp932 = "\x82\xA0\x8A\xBF\x8E\x9A\r\nab\tc";  // あ漢字 CR LF ab TAB c
  clipboard.SetText(cp932, false);
  EXPECT_EQ(Held().text(), QString::fromUtf8("あ漢字\r\nab\tc"));
  EXPECT_FALSE(Held().hasFormat(BoxMimeType()));
  const auto back = clipboard.Text();
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Text, cp932);
  EXPECT_FALSE(back->Box);
}

TEST(QtClipboard, BoxCarriesTheExactBytesAndANulBesideTheText) {
  QtClipboard clipboard;
  // A lone lead byte at the end: no character as text, but the box keeps the byte.
  const std::string cp932 = "\x8E\x4F\x8E\x6C\r\nx\r\n\x82";
  clipboard.SetText(cp932, true);
  EXPECT_EQ(BoxMimeType(), QStringLiteral("TEditor Box Type"));
  const QByteArray box = Held().data(BoxMimeType());
  EXPECT_EQ(box, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())) + '\0');
  EXPECT_EQ(Held().text(), QString::fromUtf8("三四\r\nx\r\n\uFFFD"));
  const auto back = clipboard.Text();
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(back->Box);

  // A later stream copy leaves no box format behind.
  clipboard.SetText("y", false);
  EXPECT_FALSE(Held().hasFormat(BoxMimeType()));
  EXPECT_FALSE(clipboard.Text()->Box);
}

TEST(QtClipboard, ForeignTextReadsAsCp932WithQuestionMarksAndNoTextAsNothing) {
  QtClipboard clipboard;
  QGuiApplication::clipboard()->setText(QString::fromUtf8("é漢"));
  const auto back = clipboard.Text();
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Text, "?\x8A\xBF");
  EXPECT_FALSE(back->Box);

  clipboard.SetText({}, false);  // the copy message without a selection: empty, but text
  ASSERT_TRUE(clipboard.Text().has_value());
  EXPECT_EQ(clipboard.Text()->Text, "");

  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(clipboard.Text().has_value());
}

}  // namespace
}  // namespace platform::qt
