// The control's life: creation and destruction in their fixed orders, the owned objects and
// their factories, the simple properties, and the view the screen-row list talks to.
#include "editor/editor.h"

#include <algorithm>

#include "editor/editor_rows_host.h"

namespace editor {

TEditor::TEditor(Key key, platform::TComponent* Owner) : TComponent(key, Owner) {}

void TEditor::Create() {
  TComponent::Create();
  InitWordDelimiters(wordDelimiters_);
  rowsHost_ = std::make_unique<RowsHost>(*this);
  AttachRows(CreateScreenStrings());
  lines_ = CreateEditorStrings();
  view_ = CreateViewInfo();
  view_->SetOnChange(OptionHandler());
  font_ = std::make_unique<platform::TFont>();
  font_->SetColor(platform::clBlack);
  font_->SetOnChange({this, &TEditor::FontChanged});
  caret_ = CreateEditorCaret();
  marks_ = CreateEditorMarks();
  margin_ = CreateEditorMargin();
  imagebar_ = CreateEditorImagebar();
  leftbar_ = CreateEditorLeftbar();
  ruler_ = CreateEditorRuler();
  for (platform::TNotifyPersistent* option :
       std::initializer_list<platform::TNotifyPersistent*>{caret_.get(), marks_.get(), margin_.get(),
                                                           imagebar_.get(), leftbar_.get(),
                                                           ruler_.get()}) {
    option->SetOnChange(OptionHandler());
  }
  speed_ = CreateEditorSpeed();
  builtInMenu_ = CreatePopupMenu();
  popupMenu_ = builtInMenu_.get();
}

TEditor::~TEditor() {
  destroying_ = true;
  SetFountain(nullptr);
  view_.reset();
  DetachRows();
  lines_.reset();
}

// --- Factories -------------------------------------------------------------------------------

std::unique_ptr<TEditorCaret> TEditor::CreateEditorCaret() { return std::make_unique<TEditorCaret>(); }
std::unique_ptr<TEditorImagebar> TEditor::CreateEditorImagebar() {
  return std::make_unique<TEditorImagebar>();
}
std::unique_ptr<TEditorLeftbar> TEditor::CreateEditorLeftbar() {
  return std::make_unique<TEditorLeftbar>();
}
std::unique_ptr<TEditorMarks> TEditor::CreateEditorMarks() { return std::make_unique<TEditorMarks>(); }
std::unique_ptr<TEditorMargin> TEditor::CreateEditorMargin() {
  return std::make_unique<TEditorMargin>();
}
std::unique_ptr<TEditorRuler> TEditor::CreateEditorRuler() { return std::make_unique<TEditorRuler>(); }
std::unique_ptr<TEditorSpeed> TEditor::CreateEditorSpeed() { return std::make_unique<TEditorSpeed>(); }
std::shared_ptr<rows::TEditorScreenStrings> TEditor::CreateScreenStrings() {
  return rows::NewScreenStrings();
}
std::unique_ptr<rows::TEditorStrings> TEditor::CreateEditorStrings() {
  return std::make_unique<rows::TEditorStrings>(*rowsHost_);
}
std::unique_ptr<TEditorViewInfo> TEditor::CreateViewInfo() { return TEditorViewInfo::New(this); }
std::unique_ptr<TEditorPopupMenu> TEditor::CreatePopupMenu() {
  return std::make_unique<TEditorPopupMenu>(*this);
}

void TEditor::ContextMenu(platform::TPoint At) {
  if (popupMenu_ == nullptr || !HandleAllocated()) return;
  popupMenu_->BeforePopup();
  window_->ShowPopupMenu(popupMenu_->Items(), At);
}

void TEditor::InitWordDelimiters(textstore::ByteSet& Delimiters) {
  Delimiters = textstore::DefaultWordDelimiters();
}

// --- The row list ----------------------------------------------------------------------------

void TEditor::AttachRows(std::shared_ptr<rows::TEditorScreenStrings> Rows) {
  screen_ = std::move(Rows);
  screen_->AttachEditor(rowsHost_.get());
}

void TEditor::DetachRows() {
  if (screen_ == nullptr) return;
  screen_->DetachEditor(rowsHost_.get());
  screen_.reset();  // frees the list when no other view holds it
}

void TEditor::ShareScreenStrings(TEditor& Other) {
  if (&Other == this || Other.screen_ == screen_) return;
  std::shared_ptr<rows::TEditorScreenStrings> shared = Other.screen_;
  DetachRows();
  AttachRows(std::move(shared));
  row_ = std::min(row_, RowCount());
  topRow_ = std::min(topRow_, RowCount());
  if (!HandleAllocated()) return;
  RecalcMetrics();
  RecalcScrollRanges();
  RepaintAll();
}

textstore::ColumnRules TEditor::Rules() const {
  textstore::ColumnRules rules;
  rules.TabWidth = caret_->TabSpaceCount();
  rules.WordWrap = screen_->WordWrap();
  rules.WrapWidth = screen_->WrapOption().WrapByte();
  rules.Delimiters = wordDelimiters_;
  return rules;
}

// --- Properties ------------------------------------------------------------------------------

int TEditor::Width() const { return window_ != nullptr ? window_->Size().Width : 185; }
int TEditor::Height() const { return window_ != nullptr ? window_->Size().Height : 89; }

void TEditor::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  if (!HandleAllocated()) return;
  RecalcMetrics();
  RecalcScrollRanges();
  RepaintAll();
}

void TEditor::SetColor(platform::TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  if (HandleAllocated()) RepaintAll();
}

fountain::TFountain& TEditor::ActiveFountain() const {
  return fountain_ != nullptr ? *fountain_ : view_->Fountain();
}

void TEditor::SubscribeFountain(fountain::TFountain* Value) {
  if (fountain_ != nullptr) {
    fountainListener_.Reset();
    fountain_->RemoveFreeNotification(this);
  }
  fountain_ = Value;
  if (fountain_ != nullptr) {
    fountainListener_ = platform::TNotifyRegistration(fountain_->NotifyEventList(), OptionHandler());
    fountain_->FreeNotification(this);
  }
}

void TEditor::SetFountain(fountain::TFountain* Value) {
  if (fountain_ == Value) return;
  SubscribeFountain(Value);
  if (destroying_) return;
  screen_->RescanAll();
  if (HandleAllocated()) {
    RecalcMetrics();
    RepaintAll();
  }
}

void TEditor::Notification(platform::TComponent* Component) {
  if (Component != fountain_ || fountain_ == nullptr) return;
  // Its notification list is going with it: forget the registration without touching it.
  fountainListener_.Release();
  fountain_ = nullptr;
  if (destroying_) return;
  screen_->RescanAll();
  if (HandleAllocated()) {
    RecalcMetrics();
    RepaintAll();
  }
}

void TEditor::SetHitStyle(TEditorHitStyle Value) {
  if (hitStyle_ == Value) return;
  ClearSelection();
  hitStyle_ = Value;
}

void TEditor::SetReadOnly(bool Value) {
  if (dragState_ == 2) return;  // a dragged selection may still be dropped as it began
  readOnly_ = Value;
  // A selection can no longer be dragged: the pointer over it is the plain one again.
  if (Value && Selected() && HandleAllocated()) window_->SetCursor(caret_->Cursors().DefaultCursor());
}

const platform::TStringList& TEditor::ReserveWordList() const {
  return view_->Fountain().ReserveWordList();
}

void TEditor::SetReserveWordList(const platform::TStrings& Value) {
  const platform::TStringList& words = view_->Fountain().ReserveWordList();
  bool same = words.Count() == Value.Count();
  for (int i = 0; same && i < words.Count(); ++i) same = words.Get(i) == Value.Get(i).view();
  // The fountain reports the change, and the view re-tokenises through its handler.
  if (!same) view_->Fountain().SetReserveWordList(Value);
}

void TEditor::SetScrollBars(TScrollStyle Value) {
  if (scrollBars_ == Value) return;
  scrollBars_ = Value;
  if (!HandleAllocated()) return;
  ApplyScrollBarVisibility();
  RecalcMetrics();
  RecalcScrollRanges();
  RepaintAll();
}

int TEditor::UndoListMax() const { return screen_->UndoObj().UndoListMax(); }
void TEditor::SetUndoListMax(int Value) { screen_->UndoObj().SetUndoListMax(std::max(64, Value)); }

void TEditor::SetView(const TEditorViewInfo& Value) {
  view_->Assign(Value);
  if (HandleAllocated()) UpdateCaret();
}

void TEditor::FontChanged(platform::TObject* /*Sender*/) {
  if (!HandleAllocated()) return;
  if (topCol_ > 0) col_ = 0;
  RecalcMetrics();
  RecalcScrollRanges();
  RepaintAll();
  UpdateCaret();
}

void TEditor::Loaded() {
  loading_ = false;
  if (screen_->WordWrap()) screen_->WrapAll();
  screen_->RefreshEditors();
  modified_ = false;
}

// --- Undo ------------------------------------------------------------------------------------

bool TEditor::CanUndo() const { return screen_->UndoObj().CanUndo(); }
bool TEditor::CanRedo() const { return screen_->UndoObj().CanRedo(); }
void TEditor::Undo() { screen_->Undo(); }
void TEditor::Redo() { screen_->Redo(); }
void TEditor::EmptyUndoBuffer() { screen_->UndoObj().Clear(); }

// --- Events ----------------------------------------------------------------------------------

void TEditor::DoCaretMoved() {
  if (OnCaretMoved) OnCaretMoved(this);
}
void TEditor::DoChange() {
  if (OnChange) OnChange(this);
}
void TEditor::DoTopColChange() {
  if (OnTopColChange) OnTopColChange(this);
}
void TEditor::DoTopRowChange() {
  if (OnTopRowChange) OnTopRowChange(this);
}

}  // namespace editor
