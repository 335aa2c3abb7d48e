// The main window's commands that reach outside it: replies and new messages through the
// desktop's mail program, links opened from the text, the options program, the keyboard
// shortcuts from the settings file, Esc, and the host client's look for the text view.
#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

#include <algorithm>

#include "app/frm_main.h"
#include "app/mailto.h"
#include "app/shortcut_keys.h"
#include "fountain/token_kind.h"
#include "platform/paths.h"
#include "platform/qt/keys.h"
#include "platform/shell.h"

namespace quillet {
namespace {

bool IsLink(std::uint8_t kind) { return kind == fountain::toUrl || kind == fountain::toMail; }

// Empty for a key Qt has no number for.
QKeySequence KeySequenceOf(const ShortCut& shortCut) {
  const int key = platform::qt::QtKey(shortCut.Key);
  if (key == 0) return {};
  Qt::KeyboardModifiers modifiers;
  modifiers.setFlag(Qt::ShiftModifier, shortCut.Shift.Shift);
  modifiers.setFlag(Qt::ControlModifier, shortCut.Shift.Ctrl);
  modifiers.setFlag(Qt::AltModifier, shortCut.Shift.Alt);
  return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

}  // namespace

void TfrmMain::actFileResExecute() { platform::ShellOpenUrl(MailtoUrl(headers_, MailtoCommand::Reply)); }

void TfrmMain::actFileReNewExecute() {
  platform::ShellOpenUrl(MailtoUrl(headers_, MailtoCommand::ReplyToSender));
}

void TfrmMain::actFileNewExecute() {
  platform::ShellOpenUrl(MailtoUrl(headers_, MailtoCommand::NewMessage));
}

void TfrmMain::actViewOptionExecute() {
  if (platform::FileExists(optionsProgramPath_)) platform::StartProgram(optionsProgramPath_);
}

// A link under the caret opens; anything else is selected as a word.
void TfrmMain::txtMainDblClick(platform::TObject* Sender) {
  auto* view = dynamic_cast<editor::TEditor*>(Sender);
  if (view == nullptr) return;
  std::string token;
  switch (view->TokenStringFromCaret(token)) {
    case fountain::toUrl:
      platform::ShellOpenUrl(token);
      break;
    case fountain::toMail:
      platform::ShellOpenUrl(MailtoAddressUrl(token));
      break;
    default:
      view->SelectTokenFromCaret();
  }
}

// Off a link only the hand is taken back, so that the pointers the view picks itself (margins,
// selection) stay.
void TfrmMain::txtMainMouseMove(platform::TObject* Sender, platform::TShiftState, int X, int Y) {
  auto* view = dynamic_cast<editor::TEditor*>(Sender);
  if (view == nullptr) return;
  if (IsLink(view->TokenFromPos({X, Y}))) {
    view->SetCursor(kPointCursor);
  } else if (view->Cursor() == kPointCursor) {
    view->SetCursor(view->Caret().Cursors().DefaultCursor());
  }
}

// Esc reaches the view only when no shortcut took it; the switch is read at each press, so
// that the options program's change counts at once.
void TfrmMain::txtMainKeyDown(platform::TObject*, int& Key, platform::TShiftState) {
  if (Key == platform::VK_ESCAPE && Settings().ReadBool("Window", "EscExit", true)) {
    Key = 0;
    close();
  }
}

// Start-up step 9. A menu title whose mnemonic a user shortcut takes loses its mnemonic: Qt
// would otherwise run neither.
void TfrmMain::LoadShortCuts() {
  const platform::TIniFile settings = Settings();
  std::vector<std::string> texts;
  for (const ShortCutKey& key : kShortCutKeys) {
    texts.push_back(settings.ReadString(key.Section, key.Key, key.Default));
  }
  const std::vector<std::optional<ShortCut>> assigned = AssignShortCuts(texts);
  std::vector<QKeySequence> taken;
  for (std::size_t i = 0; i < kShortCutKeys.size(); ++i) {
    const std::string_view name = kShortCutKeys[i].Action;
    auto* action = findChild<QAction*>(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
    const QKeySequence sequence = assigned[i] ? KeySequenceOf(*assigned[i]) : QKeySequence();
    action->setShortcut(sequence);
    if (!sequence.isEmpty()) taken.push_back(sequence);
  }
  for (QAction* menu : menuBar()->actions()) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(menu->text());
    if (std::find(taken.begin(), taken.end(), mnemonic) != taken.end()) {
      menu->setText(QString(menu->text()).remove(QLatin1Char('&')));
    }
  }
}

}  // namespace quillet
