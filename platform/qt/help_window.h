#pragma once
// The help system's topics window: the topics of one help file listed under a keyword field
// that narrows them, and the selected topic's text beside them. A topic stays listed when its
// title or one of its keywords holds the field's text, compared without regard to letter case
// or to full and half width. Modeless; Esc closes it.

#include <QWidget>

#include <string>
#include <vector>

#include "platform/help_file.h"

class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace platform::qt {

class HelpTopicsWindow : public QWidget {
 public:
  HelpTopicsWindow(std::string helpFile, std::vector<HelpTopic> topics, QWidget* parent = nullptr);

  const std::string& HelpFile() const { return helpFile_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FilterTopics(const QString& keyword);
  void ShowTopic(int row);

  std::string helpFile_;
  std::vector<HelpTopic> topics_;
  QLineEdit* edtKeyword;
  QListWidget* lstTopics;
  QPlainTextEdit* txtTopic;
};

// Shows the topics window of `helpFile` over `parent`: the open one when it shows that file,
// otherwise a new one in its place, so that one topics window at a time is open. Throws as
// ReadHelpFile does, leaving an open window as it was.
HelpTopicsWindow* ShowHelpTopics(const std::string& helpFile, QWidget* parent);

}  // namespace platform::qt
