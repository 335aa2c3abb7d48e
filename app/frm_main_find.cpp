// The main window's find bar: Ctrl+F opens it under the text view, F3 and Shift+F3 step to the
// next and previous hit, drawn in the hit colours while the bar is open, and the hits are
// counted in slices between events. Closing the bar leaves the last hit selected.
#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "app/frm_main.h"
#include "app/shortcut_keys.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/find_bar.h"
#include "platform/qt/statusbar.h"
#include "platform/qt/text.h"

namespace quillet {
namespace {

// A selection longer than this, or of more than one line, is not taken as the pattern.
constexpr std::size_t kLongestTakenSelection = 256;
// Counting takes about this long at a time before the window handles its events again.
constexpr qint64 kCountSliceMs = 8;
constexpr std::size_t kCountStepBytes = 1 << 20;

struct OwnAction {
  QAction* TfrmMain::*action;
  const char* name;
  const char* caption;
  const char* hint;
  std::initializer_list<const char*> keys;  // in QKeySequence's portable text
};

}  // namespace

void TfrmMain::CreateFindBar() {
  static const OwnAction kOwn[] = {
      {&TfrmMain::actEditFind, "actEditFind", "検索(&F)...", "テキストを検索します。", {"Ctrl+F"}},
      {&TfrmMain::actEditFindNext, "actEditFindNext", "次を検索(&N)",
       "次に見つかる位置へ移ります。", {"F3"}},
      {&TfrmMain::actEditFindPrev, "actEditFindPrev", "前を検索(&P)",
       "前に見つかる位置へ移ります。", {"Shift+F3"}},
      {&TfrmMain::actViewZoomIn, "actViewZoomIn", "拡大(&I)", "文字を大きく表示します。",
       {"Ctrl++", "Ctrl+="}},
      {&TfrmMain::actViewZoomOut, "actViewZoomOut", "縮小(&U)", "文字を小さく表示します。",
       {"Ctrl+-"}},
      {&TfrmMain::actViewZoomReset, "actViewZoomReset", "標準の大きさ(&Z)",
       "文字を設定の大きさに戻します。", {"Ctrl+0"}},
  };
  for (const OwnAction& own : kOwn) {
    auto* action = new QAction(QString::fromUtf8(own.caption), this);
    action->setObjectName(QString::fromLatin1(own.name));
    action->setStatusTip(QString::fromUtf8(own.hint));
    QStringList keys;
    for (const char* key : own.keys) keys << QString::fromLatin1(key);
    action->setProperty("ownKeys", keys);
    // On the window itself too, so that the keys work while the menu bar is hidden.
    addAction(action);
    this->*own.action = action;
  }
  if (auto* edit = findChild<QMenu*>(QStringLiteral("mnuEdit"))) {
    edit->addSeparator();
    edit->addActions({actEditFind, actEditFindNext, actEditFindPrev});
  }
  if (auto* view = findChild<QMenu*>(QStringLiteral("mnuView"))) {
    view->addSeparator();
    view->addActions({actViewZoomIn, actViewZoomOut, actViewZoomReset});
  }
  for (auto [action, handler] : {std::pair{actEditFind, &TfrmMain::actEditFindExecute},
                                 std::pair{actViewZoomReset, &TfrmMain::actViewZoomResetExecute}}) {
    connect(action, &QAction::triggered, this,
            [this, handler] { platform::qt::Guard([&] { (this->*handler)(); }); });
  }
  for (auto [action, forward] : {std::pair{actEditFindNext, true}, std::pair{actEditFindPrev, false}}) {
    connect(action, &QAction::triggered, this,
            [this, forward] { platform::qt::Guard([&] { FindStepCommand(forward); }); });
  }
  for (auto [action, steps] : {std::pair{actViewZoomIn, 1}, std::pair{actViewZoomOut, -1}}) {
    connect(action, &QAction::triggered, this,
            [this, steps] { platform::qt::Guard([&] { ZoomBy(steps); }); });
  }

  pnlFind = new platform::qt::FindBar(this);
  auto* layout = static_cast<QVBoxLayout*>(centralWidget()->layout());
  layout->insertWidget(layout->indexOf(staMain), pnlFind);
  pnlFind->OnPatternEdited = [this] { FindPatternEdited(); };
  pnlFind->OnOptionsChanged = [this] { FindPatternEdited(); };
  pnlFind->OnStep = [this](bool forward) { FindStepCommand(forward); };
  pnlFind->OnClose = [this] { FindBarClosed(); };

  findHits_ = std::make_unique<HitCounter>(*txtMain);
  findCountTimer_ = new QTimer(this);
  findCountTimer_->setInterval(0);
  connect(findCountTimer_, &QTimer::timeout, this,
          [this] { platform::qt::Guard([this] { CountHitsSlice(); }); });
  // The rows are changing under the count: it goes on once they are done, while the bar shows.
  findHits_->OnRestart = [this] {
    if (!pnlFind->isHidden()) findCountTimer_->start();
  };
  txtMain->OnMouseWheel =
      editor::TEditor::TMouseWheelHandler(&viewEvents_, &ViewEvents::MouseWheel);
}

// The commands of the settings file come first: a key one of them holds is not the find bar's
// or the zoom's, as a key bound twice would run neither.
void TfrmMain::AssignOwnShortCuts() {
  std::vector<QKeySequence> taken;
  for (const ShortCutKey& key : kShortCutKeys) {
    const std::string_view name = key.Action;
    if (auto* action = findChild<QAction*>(QString::fromLatin1(name.data(), static_cast<int>(name.size())))) {
      for (const QKeySequence& sequence : action->shortcuts()) taken.push_back(sequence);
    }
  }
  for (QAction* action : {actEditFind, actEditFindNext, actEditFindPrev, actViewZoomIn,
                          actViewZoomOut, actViewZoomReset}) {
    QList<QKeySequence> free;
    for (const QString& text : action->property("ownKeys").toStringList()) {
      const QKeySequence sequence(text, QKeySequence::PortableText);
      if (std::find(taken.begin(), taken.end(), sequence) == taken.end()) free << sequence;
    }
    action->setShortcuts(free);
  }
}

void TfrmMain::actEditFindExecute() {
  if (pnlFind->isHidden() && txtMain->Selected() && txtMain->SelectionMode() == 0 &&
      static_cast<std::size_t>(txtMain->SelLength()) <= kLongestTakenSelection) {
    const std::string selected = txtMain->SelText();
    if (!selected.empty() && selected.find_first_of("\r\n") == std::string::npos) {
      pnlFind->SetPattern(platform::qt::ToQString(selected));
    }
  }
  const bool opening = pnlFind->isHidden();
  pnlFind->Open();
  if (opening) StartFindCount();
}

bool TfrmMain::FindPattern(std::string& pattern) const {
  const QString text = pnlFind->Pattern();
  pattern = platform::qt::FromQString(text);
  return platform::qt::ToQString(pattern) == text;
}

FindOptions TfrmMain::FindBarOptions() const {
  return {pnlFind->MatchCase(), pnlFind->IgnoreWidth()};
}

// Without a pattern the bar opens to take one; with the bar closed the step shows it again,
// leaving the focus where it is.
void TfrmMain::FindStepCommand(bool forward) {
  std::string pattern;
  const bool representable = FindPattern(pattern);
  if (pattern.empty()) {
    actEditFindExecute();
    return;
  }
  if (pnlFind->isHidden()) {
    pnlFind->show();
    StartFindCount();
  }
  ShowFindOutcome(representable ? FindStep(*txtMain, pattern, FindBarOptions(), forward)
                                : FindOutcome::NotFound,
                  forward);
}

// As the pattern is typed the hit grows from where it stands.
void TfrmMain::FindPatternEdited() {
  StartFindCount();
  std::string pattern;
  const bool representable = FindPattern(pattern);
  if (pattern.empty()) {
    if (txtMain->SelState() == editor::ssHit) txtMain->ClearSelection();
    pnlFind->SetNote({});
    return;
  }
  ShowFindOutcome(representable ? FindFromHere(*txtMain, pattern, FindBarOptions())
                                : FindOutcome::NotFound,
                  true);
}

void TfrmMain::ShowFindOutcome(FindOutcome outcome, bool forward) {
  // The view tells of caret moves only while it has the focus, and the bar has it now.
  ShowCaretPosition();
  switch (outcome) {
    case FindOutcome::Found:
      pnlFind->SetNote({});
      break;
    case FindOutcome::Wrapped:
      pnlFind->SetNote(QString::fromUtf8(forward ? "末尾まで検索したので、先頭から検索しました。"
                                                 : "先頭まで検索したので、末尾から検索しました。"));
      break;
    case FindOutcome::NotFound:
      pnlFind->SetNote(QString::fromUtf8("見つかりません。"));
      break;
  }
  ShowFindCount();
}

// The hit goes on as the selection, in the window's own hit style.
void TfrmMain::FindBarClosed() {
  findCountTimer_->stop();
  EndFind(*txtMain, editor::hsSelect);
  txtMainWindow->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::StartFindCount() {
  std::string pattern;
  if (!FindPattern(pattern)) pattern.clear();  // no such character in the text: no hits
  findHits_->Start(std::move(pattern), FindBarOptions());
  findCountTimer_->start();
  ShowFindCount();
}

void TfrmMain::CountHitsSlice() {
  QElapsedTimer clock;
  clock.start();
  while (!findHits_->Step(kCountStepBytes) && clock.elapsed() < kCountSliceMs) {
  }
  if (findHits_->Done()) findCountTimer_->stop();
  ShowFindCount();
}

// "n / total 件" for a hit shown, "total 件" otherwise; "…" while the count goes on.
void TfrmMain::ShowFindCount() {
  if (pnlFind->Pattern().isEmpty()) {
    pnlFind->SetCountText({});
    return;
  }
  const QString total = findHits_->Done()
                            ? QString::number(findHits_->Count())
                            : QString::number(findHits_->Count()) + QStringLiteral("…");
  std::optional<std::size_t> ordinal;
  if (txtMain->SelState() == editor::ssHit) {
    const editor::TEditor::TByteSelection& hit = txtMain->ByteSelection();
    ordinal = findHits_->Ordinal(hit.StartRow, hit.StartByte);
  }
  pnlFind->SetCountText((ordinal ? QString::number(*ordinal) + QStringLiteral(" / ") : QString()) +
                        total + QString::fromUtf8(" 件"));
}

}  // namespace quillet
