#include "app/text_view_stand_in.h"

#include "platform/qt/text.h"

namespace quillet {

TextViewStandIn::TextViewStandIn(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setFrameShape(QFrame::NoFrame);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font(QStringLiteral("ＭＳ ゴシック"));
  font.setPixelSize(16);  // 12 points at 96 dpi
  font.setStyleHint(QFont::TypeWriter);
  setFont(font);
}

void TextViewStandIn::SetText(std::string_view cp932) {
  text_ = cp932;
  QString text = platform::qt::ToQString(cp932);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  if (text.endsWith('\n')) text.chop(1);  // the last line break ends the last line
  setPlainText(text);
}

std::string TextViewStandIn::Text() const { return text_; }

}  // namespace quillet
