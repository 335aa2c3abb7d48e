#include "options/preview.h"

#include <QVBoxLayout>

#include "app/settings_location.h"
#include "app/view_settings.h"
#include "app/view_setup.h"
#include "platform/component.h"
#include "platform/cp932.h"
#include "platform/qt/application.h"

namespace quillcfg {
namespace {

// Quotations, header names, a URL, a mail address, numbers, symbols, wide and narrow text, a
// tab and a line long enough to wrap: one of everything the colour slots and marks touch.
constexpr char kSample[] =
    "こんにちは。Quillet の表示の見本です。\r\n"
    "詳しくは https://example.jp/quillet/ をご覧ください。\r\n"
    "連絡先: hanako@example.jp\r\n"
    "\r\n"
    "> 引用された行です。\r\n"
    ">> 二重に引用された行です。\r\n"
    "\r\n"
    "From: Taro Yamada <taro@example.jp>\r\n"
    "Subject: 見本\r\n"
    "\r\n"
    "ABC abc 12345 0x1F \"string\" (a + b) * c;\tタブ\r\n"
    "長い行は折り返しの設定に従って折り返されます。句読点、括弧（かっこ）や英単語 "
    "wrapping words の扱いも確かめられます。";

}  // namespace

void TOptionsPreview::Decorator::DrawLine(platform::TObject* Sender,
                                          const platform::ByteString& LineStr, int X, int Y,
                                          int Index, const platform::TRect& ARect, bool Selected) {
  quillet::DrawDecoration(static_cast<editor::TEditor&>(*Sender), list, LineStr, X, Y, Index,
                          ARect, Selected);
}

TOptionsPreview::TOptionsPreview(QWidget* parent)
    : QWidget(parent),
      window_(new platform::qt::EditorWindowWidget(this)),
      view_(platform::NewComponent<editor::TEditor>(nullptr)) {
  window_->setObjectName(QStringLiteral("preview"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(window_);
  quillet::SetUpViewerTextView(*view_);
  // The viewer's own keyword files; a file that cannot be read leaves the built-in lists.
  platform::qt::Guard([this] {
    decorations_.list.LoadQuoteMarkers(quillet::FindBesideSettings("Quote.kwd"));
    decorations_.list.LoadHeaderNames(quillet::FindBesideSettings("Header.kwd"));
  });
  view_->OnDrawLine = editor::TDrawLineEvent(&decorations_, &Decorator::DrawLine);
  view_->Lines().SetTextStr(platform::cp932::FromUtf8(kSample));
  view_->SetWindow(window_);
  // A selected word shows the selection's colours.
  view_->SetSelStart(12);  // "Quillet"
  view_->SetSelLength(7);
}

TOptionsPreview::~TOptionsPreview() { view_->SetWindow(nullptr); }

void TOptionsPreview::Apply(const platform::TIniReader& settings) {
  quillet::ApplyTextViewSettings(settings, *view_);
  wrapMode_ = quillet::ReadWrapMode(settings);
  view_->SetScrollBars(wrapMode_ == 0 ? editor::ssBoth : editor::ssVertical);
  if (wrapMode_ == 1) view_->WrapOption().SetWrapByte(quillet::ReadWrapByte(settings));
  if (wrapMode_ == 2) FitWrapWidth();
  view_->SetWordWrap(wrapMode_ != 0);
}

QColor TOptionsPreview::Resolved(platform::TColor color) const {
  const platform::TRgb rgb = window_->ResolveColor(color);
  return QColor(rgb.R, rgb.G, rgb.B);
}

void TOptionsPreview::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (wrapMode_ == 2) platform::qt::Guard([this] { FitWrapWidth(); });
}

// As the viewer's window-width mode: the columns that fit, the character spacing counting twice.
void TOptionsPreview::FitWrapWidth() {
  const int column = view_->ColWidth() + view_->Margin().Character();
  if (column <= 0) return;
  view_->WrapOption().SetWrapByte((view_->ClientRect().Width() - view_->Margin().Left()) / column);
}

}  // namespace quillcfg
