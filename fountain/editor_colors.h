#pragma once
// The text view's colour sets: one per class of token, plus the selection and search-hit
// colours.

#include <span>

#include "fountain/fountain.h"
#include "fountain/fountain_color.h"

namespace fountain {

class TEditorColor : public TFountainColor {};

class TEditorColors : public platform::TNotifyPersistent {
 public:
  // Reserve is the fountain's own reserved-word colour, which must outlive this object.
  explicit TEditorColors(TFountain& Fountain);

  TEditorColor& Ank() { return ank_; }
  TEditorColor& Comment() { return comment_; }
  TEditorColor& DBCS() { return dbcs_; }
  TEditorColor& Hit() { return hit_; }
  TEditorColor& Int() { return int_; }
  TEditorColor& Mail() { return mail_; }
  TFountainColor& Reserve() { return fountain_.Reserve(); }
  TEditorColor& Select() { return select_; }
  TEditorColor& Str() { return str_; }
  TEditorColor& Symbol() { return symbol_; }
  TEditorColor& Url() { return url_; }
  const TEditorColor& Ank() const { return ank_; }
  const TEditorColor& Comment() const { return comment_; }
  const TEditorColor& DBCS() const { return dbcs_; }
  const TEditorColor& Hit() const { return hit_; }
  const TEditorColor& Int() const { return int_; }
  const TEditorColor& Mail() const { return mail_; }
  const TFountainColor& Reserve() const { return fountain_.Reserve(); }
  const TEditorColor& Select() const { return select_; }
  const TEditorColor& Str() const { return str_; }
  const TEditorColor& Symbol() const { return symbol_; }
  const TEditorColor& Url() const { return url_; }
  // Each setter copies the values into the colour set (Reserve: the fountain's).
  void SetAnk(const TFountainColor& Value) { ank_.Assign(Value); }
  void SetComment(const TFountainColor& Value) { comment_.Assign(Value); }
  void SetDBCS(const TFountainColor& Value) { dbcs_.Assign(Value); }
  void SetHit(const TFountainColor& Value) { hit_.Assign(Value); }
  void SetInt(const TFountainColor& Value) { int_.Assign(Value); }
  void SetMail(const TFountainColor& Value) { mail_.Assign(Value); }
  void SetReserve(const TFountainColor& Value) { fountain_.Reserve().Assign(Value); }
  void SetSelect(const TFountainColor& Value) { select_.Assign(Value); }
  void SetStr(const TFountainColor& Value) { str_.Assign(Value); }
  void SetSymbol(const TFountainColor& Value) { symbol_.Assign(Value); }
  void SetUrl(const TFountainColor& Value) { url_.Assign(Value); }

  // From other editor colours: every set, as one change of this object.
  void Assign(const platform::TPersistent& Source) override;
  // The eleven sets, by slot name ("Ank" … "Url").
  std::span<const platform::TPublishedProperty> PublishedProperties() const override;

 private:
  TEditorColor ank_;
  TEditorColor comment_;
  TEditorColor dbcs_;
  TEditorColor hit_;
  TEditorColor int_;
  TEditorColor mail_;
  TEditorColor select_;
  TEditorColor str_;
  TEditorColor symbol_;
  TEditorColor url_;
  TFountain& fountain_;
};

}  // namespace fountain
