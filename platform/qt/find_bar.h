#pragma once
// A find bar that sits in a window (no dialog): a pattern field, match-case and width-folding
// switches, buttons for the previous and the next hit, the count of hits, a note such as a
// search that went round the text's end, and a close button. Enter steps forward, Shift+Enter
// back; Esc closes the bar and goes no further while the bar has the focus, so that a window
// shortcut on Esc does not fire. The bar only reports: its owner searches.

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace platform::qt {

class FindBar : public QWidget {
 public:
  explicit FindBar(QWidget* parent = nullptr);

  QString Pattern() const;
  // Replaces the pattern without reporting an edit.
  void SetPattern(const QString& pattern);
  bool MatchCase() const;
  bool IgnoreWidth() const;
  // Shows the bar and puts the focus in the pattern, all of it selected for typing over.
  void Open();
  // Hides the bar; OnClose tells the owner.
  void Close();
  bool HasFocus() const;

  void SetCountText(const QString& text);
  QString CountText() const;
  void SetNote(const QString& text);
  QString Note() const;

  // Each runs inside Guard.
  std::function<void()> OnPatternEdited;
  std::function<void()> OnOptionsChanged;
  std::function<void(bool forward)> OnStep;
  std::function<void()> OnClose;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Report(const std::function<void()>& handler);

  QLineEdit* pattern_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QCheckBox* ignoreWidth_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace platform::qt
