#include "platform/qt/find_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "platform/qt/application.h"

namespace platform::qt {
namespace {

QToolButton* NewButton(QWidget* parent, const char* name, const char* text, const char* tip) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(QString::fromUtf8(text));
  button->setToolTip(QString::fromUtf8(tip));
  button->setAutoRaise(true);
  return button;
}

}  // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlFind"));
  auto* layout = new QHBoxLayout(this);
  // The bar never widens the window: in a narrow one its right end is cut off instead. (A
  // wider window would also re-wrap a text wrapped at the window's width, and restart the
  // count, each time the count's text grows.)
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(4);
  auto* label = new QLabel(QString::fromUtf8("検索(&F):"), this);
  pattern_ = new QLineEdit(this);
  pattern_->setObjectName(QStringLiteral("edtFind"));
  pattern_->setMinimumWidth(120);
  label->setBuddy(pattern_);
  QToolButton* previous = NewButton(this, "btnFindPrev", "▲", "前を検索 (Shift+F3)");
  QToolButton* next = NewButton(this, "btnFindNext", "▼", "次を検索 (F3)");
  matchCase_ = new QCheckBox(QString::fromUtf8("大文字と小文字を区別(&C)"), this);
  matchCase_->setObjectName(QStringLiteral("chkFindMatchCase"));
  ignoreWidth_ = new QCheckBox(QString::fromUtf8("全角と半角を区別しない(&W)"), this);
  ignoreWidth_->setObjectName(QStringLiteral("chkFindIgnoreWidth"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("lblFindCount"));
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("lblFindNote"));
  QToolButton* close = NewButton(this, "btnFindClose", "×", "検索バーを閉じる (Esc)");
  for (QWidget* part : std::initializer_list<QWidget*>{label, pattern_, previous, next, matchCase_,
                                                       ignoreWidth_, count_}) {
    layout->addWidget(part);
  }
  layout->addWidget(note_, 1);
  layout->addWidget(close);
  for (QWidget* part : findChildren<QWidget*>()) part->installEventFilter(this);

  connect(pattern_, &QLineEdit::textEdited, this, [this] { Report(OnPatternEdited); });
  for (QCheckBox* box : {matchCase_, ignoreWidth_}) {
    connect(box, &QCheckBox::toggled, this, [this] { Report(OnOptionsChanged); });
  }
  connect(previous, &QToolButton::clicked, this,
          [this] { Report([this] { if (OnStep) OnStep(false); }); });
  connect(next, &QToolButton::clicked, this,
          [this] { Report([this] { if (OnStep) OnStep(true); }); });
  connect(close, &QToolButton::clicked, this, [this] { Close(); });
  hide();
}

QString FindBar::Pattern() const { return pattern_->text(); }
void FindBar::SetPattern(const QString& pattern) { pattern_->setText(pattern); }
bool FindBar::MatchCase() const { return matchCase_->isChecked(); }
bool FindBar::IgnoreWidth() const { return ignoreWidth_->isChecked(); }

void FindBar::Open() {
  show();
  pattern_->setFocus(Qt::ShortcutFocusReason);
  pattern_->selectAll();
}

void FindBar::Close() {
  const bool wasShown = !isHidden();
  hide();
  if (wasShown) Report(OnClose);
}

bool FindBar::HasFocus() const {
  const QWidget* focus = focusWidget();
  return !isHidden() && focus != nullptr && focus->hasFocus();
}

void FindBar::SetCountText(const QString& text) { count_->setText(text); }
QString FindBar::CountText() const { return count_->text(); }
void FindBar::SetNote(const QString& text) { note_->setText(text); }
QString FindBar::Note() const { return note_->text(); }

void FindBar::Report(const std::function<void()>& handler) {
  if (handler) Guard([&] { handler(); });
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (key->key() != Qt::Key_Escape && !(enter && watched == pattern_)) {
    return QWidget::eventFilter(watched, event);
  }
  // Taken here before any window shortcut, and then handled as the key press.
  event->accept();
  if (event->type() == QEvent::ShortcutOverride) return true;
  if (enter) {
    const bool forward = !(key->modifiers() & Qt::ShiftModifier);
    Report([this, forward] { if (OnStep) OnStep(forward); });
  } else {
    Close();
  }
  return true;
}

}  // namespace platform::qt
