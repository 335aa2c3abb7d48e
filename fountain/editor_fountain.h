#pragma once
// The text view's fountain: its parser also recognises URLs, mail addresses, line comments,
// strings in a quotation character, character codes and hexadecimal numbers after a prefix.

#include <memory>
#include <span>

#include "fountain/editor_brackets.h"
#include "fountain/editor_colors.h"
#include "fountain/fountain.h"
#include "platform/byte_string.h"

namespace fountain {

class TEditorFountain : public TFountain {
 public:
  using TFountain::TFountain;
  ~TEditorFountain() override;

  TEditorColors& Colors() { return *colors_; }
  const TEditorColors& Colors() const { return *colors_; }
  void SetColors(const TEditorColors& Value) { colors_->Assign(Value); }
  using TFountain::SetColors;

  // Plain values, empty or false at creation: assigning them notifies nobody.
  // Opener of a comment running to the end of the line; empty: no comments.
  const platform::ByteString& Commenter() const { return commenter_; }
  void SetCommenter(const platform::ByteString& Value) { commenter_ = Value; }
  // Recognise "#" + decimal digits and "#$" + hexadecimal digits.
  bool ControlCode() const { return controlCode_; }
  void SetControlCode(bool Value) { controlCode_ = Value; }
  // Prefix of hexadecimal numbers, compared ignoring ASCII case; empty: none.
  const platform::ByteString& HexPrefix() const { return hexPrefix_; }
  void SetHexPrefix(const platform::ByteString& Value) { hexPrefix_ = Value; }
  bool Mail() const { return mail_; }
  void SetMail(bool Value) { mail_ = Value; }
  // Its first byte delimits strings; empty: none.
  const platform::ByteString& Quotation() const { return quotation_; }
  void SetQuotation(const platform::ByteString& Value) { quotation_ = Value; }
  bool Url() const { return url_; }
  void SetUrl(bool Value) { url_ = Value; }

  // Set one value on every colour set of Colors except Select and Hit (Reserve included);
  // listeners hear one change, also when an assignment fails.
  virtual void SetBkColorAll(platform::TColor Value);
  virtual void SetColorAll(platform::TColor Value);
  virtual void SetStyleAll(platform::TFontStyles Value);

  std::span<const platform::TPublishedProperty> PublishedProperties() const override;

 protected:
  // The base construction, then Colors.
  void Create() override;
  std::unique_ptr<TFountainBracketCollection> CreateBrackets() override;
  TFountainParserClass GetParserClass() const override;
  // Skips the properties named "Select" and "Hit" (any case).
  void SetColorProc(platform::TPersistent& Instance,
                    const platform::TPublishedProperty& Property) override;
  // Colour sets that report to the listeners.
  virtual std::unique_ptr<TEditorColors> CreateColors();

 private:
  void SetAll(const TFountainColor& Color, unsigned Mask);

  std::unique_ptr<TEditorColors> colors_;
  platform::ByteString commenter_;
  bool controlCode_ = false;
  platform::ByteString hexPrefix_;
  bool mail_ = false;
  platform::ByteString quotation_;
  bool url_ = false;
};

}  // namespace fountain
