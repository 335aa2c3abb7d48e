// The dialog's frame, its buttons and the bindings between widgets and keys; the pages are in
// frm_options_pages.cpp.
#include "options/frm_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "options/color_button.h"
#include "options/preview.h"
#include "platform/qt/application.h"
#include "platform/qt/text.h"

namespace quillcfg {
namespace {

QString KeyName(std::string_view section, std::string_view key) {
  return QString::fromLatin1(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

// The parts of a style value.
struct StylePart {
  int weight;
  platform::TFontStyle style;
  const char* caption;
};
constexpr StylePart kStyleParts[] = {{2, platform::fsBold, "太字"},
                                     {4, platform::fsItalic, "斜体"},
                                     {8, platform::fsUnderline, "下線"},
                                     {16, platform::fsStrikeOut, "取り消し線"}};

}  // namespace

TfrmOptions::TfrmOptions(std::string settingsFile, QWidget* parent)
    : QDialog(parent), model_(std::move(settingsFile)) {
  setWindowTitle(QStringLiteral("Quillet のオプション"));
  preview_ = new TOptionsPreview(this);
  preview_->setMinimumSize(480, 170);
  // The pages show the values as the viewer takes them, limits applied.
  platform::qt::Guard([this] { preview_->Apply(model_); });

  auto* tabs = new QTabWidget(this);
  tabs->addTab(MakeViewPage(), QStringLiteral("表示"));
  tabs->addTab(MakeMarginPage(), QStringLiteral("余白・マーク"));
  tabs->addTab(MakeCaretPage(), QStringLiteral("キャレット"));
  tabs->addTab(MakeWrapPage(), QStringLiteral("折り返し"));
  tabs->addTab(MakeBarPage(), QStringLiteral("バー・ウィンドウ"));
  tabs->addTab(MakeShortCutPage(), QStringLiteral("ショートカット"));

  auto* sample = new QGroupBox(QStringLiteral("見本"), this);
  (new QVBoxLayout(sample))->addWidget(preview_);

  auto* note = new QLabel(QStringLiteral(
      "Quillet は新しい設定を次に起動したとき、または［表示］の［CV2の設定を使う］を切り替えた"
      "ときに読み込みます。"), this);
  note->setObjectName(QStringLiteral("lblNote"));
  note->setWordWrap(true);
  auto* file = new QLabel(QStringLiteral("設定ファイル: ") + platform::qt::PathToQString(model_.FileName()), this);
  file->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  applyButton_ = buttons->button(QDialogButtonBox::Apply);
  applyButton_->setText(QStringLiteral("適用(&A)"));
  applyButton_->setEnabled(false);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (ApplyChanges()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(applyButton_, &QPushButton::clicked, this, [this] { ApplyChanges(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(sample, 1);
  layout->addWidget(note);
  layout->addWidget(file);
  layout->addWidget(buttons);
  RefreshShortCuts();
}

TfrmOptions::~TfrmOptions() = default;

bool TfrmOptions::ApplyChanges() {
  bool saved = false;
  platform::qt::Guard([this, &saved] {
    model_.Save();
    for (Binding& each : bindings_) each.initial = each.value();
    saved = true;
  });
  Refresh();
  return saved;
}

void TfrmOptions::Bind(QWidget* widget, std::string_view section, std::string_view key,
                       std::function<std::string()> value) {
  widget->setObjectName(KeyName(section, key));
  std::string initial = value();
  bindings_.push_back({std::string(section), std::string(key), std::move(value), std::move(initial)});
}

void TfrmOptions::Edited(std::size_t index) {
  platform::qt::Guard([&] {
    const Binding& binding = bindings_[index];
    const std::string value = binding.value();
    if (value == binding.initial) {
      model_.Revert(binding.section, binding.key);
    } else {
      model_.Set(binding.section, binding.key, value);
    }
  });
  Refresh();
}

void TfrmOptions::Refresh() {
  platform::qt::Guard([this] { preview_->Apply(model_); });
  // A system colour's swatch follows the background the view now resolves it against.
  for (TColorButton* each : colorButtons_) each->Refresh();
  RefreshShortCuts();
  applyButton_->setEnabled(model_.Modified());
}

QCheckBox* TfrmOptions::Check(std::string_view section, std::string_view key,
                              const QString& caption, bool value) {
  auto* box = new QCheckBox(caption);
  box->setChecked(value);
  Bind(box, section, key, [box] { return std::string(box->isChecked() ? "1" : "0"); });
  connect(box, &QCheckBox::toggled, this, [this, i = bindings_.size() - 1] { Edited(i); });
  return box;
}

QSpinBox* TfrmOptions::Spin(std::string_view section, std::string_view key, int min, int max,
                            int value) {
  auto* spin = new QSpinBox;
  spin->setRange(min, max);
  spin->setValue(value);
  Bind(spin, section, key, [spin] { return std::to_string(spin->value()); });
  connect(spin, &QSpinBox::valueChanged, this, [this, i = bindings_.size() - 1] { Edited(i); });
  return spin;
}

QComboBox* TfrmOptions::Choice(std::string_view section, std::string_view key,
                               const QStringList& captions, const std::vector<int>& values,
                               int value) {
  auto* combo = new QComboBox;
  for (qsizetype i = 0; i < captions.size(); ++i) combo->addItem(captions[i], values[static_cast<size_t>(i)]);
  combo->setCurrentIndex(std::max(0, combo->findData(value)));
  Bind(combo, section, key, [combo] { return std::to_string(combo->currentData().toInt()); });
  connect(combo, &QComboBox::currentIndexChanged, this, [this, i = bindings_.size() - 1] { Edited(i); });
  return combo;
}

QLineEdit* TfrmOptions::Text(std::string_view section, std::string_view key, const std::string& cp932) {
  auto* edit = new QLineEdit(platform::qt::ToQString(cp932));
  // Unchanged text is never written, so bytes that do not show as text are kept.
  Bind(edit, section, key, [edit, cp932, shown = edit->text()] {
    return edit->text() == shown ? cp932 : platform::qt::FromQString(edit->text());
  });
  connect(edit, &QLineEdit::textEdited, this, [this, i = bindings_.size() - 1] { Edited(i); });
  return edit;
}

TColorButton* TfrmOptions::Color(std::string_view section, std::string_view key,
                                 platform::TColor value) {
  auto* button = new TColorButton([this](platform::TColor color) { return preview_->Resolved(color); });
  button->SetColor(value);
  Bind(button, section, key, [button] { return std::to_string(button->Color()); });
  connect(button, &TColorButton::ColorChanged, this, [this, i = bindings_.size() - 1] { Edited(i); });
  colorButtons_.push_back(button);
  return button;
}

QWidget* TfrmOptions::Style(std::string_view section, std::string_view key,
                            platform::TFontStyles value) {
  auto* box = new QWidget;
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  std::vector<QCheckBox*> checks;
  for (const StylePart& part : kStyleParts) {
    auto* check = new QCheckBox(QString::fromUtf8(part.caption), box);
    check->setChecked(value.Contains(part.style));
    check->setObjectName(QString::number(part.weight));
    layout->addWidget(check);
    checks.push_back(check);
  }
  Bind(box, section, key, [checks] {
    int sum = 0;
    for (size_t i = 0; i < checks.size(); ++i) sum += checks[i]->isChecked() ? kStyleParts[i].weight : 0;
    return std::to_string(sum);
  });
  for (QCheckBox* check : checks) {
    connect(check, &QCheckBox::toggled, this, [this, i = bindings_.size() - 1] { Edited(i); });
  }
  return box;
}

}  // namespace quillcfg
