#pragma once
// What the text view recognises and how it colours it. The values live in an editor fountain
// that this object makes and owns, so the view paints through it like through any other
// fountain; every change in that fountain is reported as a change of this object.

#include <memory>
#include <span>

#include "fountain/editor_brackets.h"
#include "fountain/editor_colors.h"
#include "fountain/editor_fountain.h"
#include "platform/byte_string.h"
#include "platform/notify_persistent.h"

namespace editor {

class TEditorViewInfo : public platform::TNotifyPersistent {
 protected:
  // Only New can make one, so that the fountain always comes from the final class's
  // CreateFountain.
  class Key {
    Key() = default;
    friend class TEditorViewInfo;
  };

 public:
  // Descendants take the Key first and pass it on: TFoo(Key key, TPersistent* Owner).
  // Owner is the control, which must outlive this object.
  TEditorViewInfo(Key, platform::TPersistent* Owner) : owner_(Owner) {}
  ~TEditorViewInfo() override;

  // Makes a view info of class T (this class or a descendant): the constructors, then T's
  // CreateFountain.
  template <typename T = TEditorViewInfo>
  static std::unique_ptr<T> New(platform::TPersistent* Owner) {
    std::unique_ptr<T> info(new T(Key(), Owner));
    TEditorViewInfo& base = *info;
    base.fountain_ = base.CreateFountain();
    return info;
  }

  // The control, for streaming.
  platform::TPersistent* GetOwner() const override { return owner_; }

  // The fountain that holds the values; the view parses through it when no other fountain is
  // assigned to the view.
  fountain::TEditorFountain& Fountain() { return *fountain_; }
  const fountain::TEditorFountain& Fountain() const { return *fountain_; }

  // The fountain's own objects; the setters copy values into them.
  fountain::TEditorBracketCollection& Brackets();
  const fountain::TEditorBracketCollection& Brackets() const;
  void SetBrackets(const fountain::TFountainBracketCollection& Value);
  fountain::TEditorColors& Colors() { return fountain_->Colors(); }
  const fountain::TEditorColors& Colors() const { return fountain_->Colors(); }
  void SetColors(const fountain::TEditorColors& Value);

  // The fountain's recognition values. Setting them here, unlike on the fountain, reports a
  // change when the value differs.
  const platform::ByteString& Commenter() const { return fountain_->Commenter(); }
  void SetCommenter(const platform::ByteString& Value);
  bool ControlCode() const { return fountain_->ControlCode(); }
  void SetControlCode(bool Value);
  const platform::ByteString& HexPrefix() const { return fountain_->HexPrefix(); }
  void SetHexPrefix(const platform::ByteString& Value);
  bool Mail() const { return fountain_->Mail(); }
  void SetMail(bool Value);
  // Only the first byte of Value is kept (so the lead byte of a double-byte character alone).
  const platform::ByteString& Quotation() const { return fountain_->Quotation(); }
  void SetQuotation(const platform::ByteString& Value);
  bool Url() const { return fountain_->Url(); }
  void SetUrl(bool Value);

  // From another view info: brackets, colours, then the six values through their setters, as
  // one change, reported also when a step fails. Other sources go to the base.
  void Assign(const platform::TPersistent& Source) override;
  // Brackets and Colors.
  std::span<const platform::TPublishedProperty> PublishedProperties() const override;

 protected:
  // A fountain without an owner component, listening to it through FountainListener. An
  // override that makes another class must register FountainListener too, and must keep the
  // fountain's brackets a TEditorBracketCollection. Called once, after the constructors.
  virtual std::unique_ptr<fountain::TEditorFountain> CreateFountain();
  // This object's ChangedProc, as registered with the fountain and removed again on
  // destruction.
  platform::TNotifyEvent FountainListener() { return {this, &TEditorViewInfo::ChangedProc}; }

 private:
  platform::TPersistent* owner_;
  std::unique_ptr<fountain::TEditorFountain> fountain_;
};

}  // namespace editor
