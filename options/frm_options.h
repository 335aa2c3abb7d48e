#pragma once
// The options dialog: every key of the viewer's settings file that the user sets, on six
// pages, with a live preview drawn by the viewer's own text view. OK and 適用 write what
// changed in one write; キャンセル leaves the file as it is.

#include <QDialog>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "options/options_model.h"
#include "platform/colors.h"
#include "platform/font_style.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quillcfg {

class TColorButton;
class TOptionsPreview;

class TfrmOptions : public QDialog {
 public:
  // Edits `settingsFile` (the operating system's bytes).
  explicit TfrmOptions(std::string settingsFile, QWidget* parent = nullptr);
  ~TfrmOptions() override;
  TfrmOptions(const TfrmOptions&) = delete;
  TfrmOptions& operator=(const TfrmOptions&) = delete;

  const TOptionsModel& Model() const { return model_; }
  TOptionsPreview& Preview() { return *preview_; }

  // Writes the changes; false, after the error box, when the write is refused.
  bool ApplyChanges();

 private:
  // One key and the widget that edits it: `value` gives the widget's value as it is written.
  struct Binding {
    std::string section;
    std::string key;
    std::function<std::string()> value;
    std::string initial;  // what the widget showed when the file was read
  };

  QWidget* MakeViewPage();
  QWidget* MakeColorGroup();
  QWidget* MakeMarginPage();
  QWidget* MakeCaretPage();
  QWidget* MakeWrapPage();
  QWidget* MakeBarPage();
  QWidget* MakeShortCutPage();

  // Widgets bound to a key, named "Section/Key", showing `value`.
  QCheckBox* Check(std::string_view section, std::string_view key, const QString& caption, bool value);
  QSpinBox* Spin(std::string_view section, std::string_view key, int min, int max, int value);
  // `values` are written, `captions` shown; a value outside them shows the first.
  QComboBox* Choice(std::string_view section, std::string_view key, const QStringList& captions,
                    const std::vector<int>& values, int value);
  QLineEdit* Text(std::string_view section, std::string_view key, const std::string& cp932);
  TColorButton* Color(std::string_view section, std::string_view key, platform::TColor value);
  QWidget* Style(std::string_view section, std::string_view key, platform::TFontStyles value);

  void Bind(QWidget* widget, std::string_view section, std::string_view key,
            std::function<std::string()> value);
  void Edited(std::size_t binding);
  // The preview, the shortcut warnings and the 適用 button after a change.
  void Refresh();
  void RefreshShortCuts();

  TOptionsModel model_;
  TOptionsPreview* preview_;
  std::vector<Binding> bindings_;
  std::vector<TColorButton*> colorButtons_;
  std::vector<QLineEdit*> shortCutEdits_;
  std::vector<QLabel*> shortCutNotes_;
  QLabel* shortCutWarning_ = nullptr;
  QPushButton* applyButton_ = nullptr;
};

}  // namespace quillcfg
