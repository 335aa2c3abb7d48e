#include "platform/qt/help_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSplitter>
#include <QVBoxLayout>

#include "platform/qt/application.h"

namespace platform::qt {
namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The form in which a keyword and a topic's words are compared: full-width letters and digits
// and half-width kana made ordinary (NFKC), then letter case folded.
QString Folded(const QString& text) {
  return text.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

// What the keyword field is matched against: the title and every keyword, one a line, so that
// no match runs from one into the next.
QString SearchWords(const HelpTopic& topic) {
  QString words = FromUtf8(topic.Title);
  for (const std::string& keyword : topic.Keywords) words += u'\n' + FromUtf8(keyword);
  return Folded(words);
}

QPointer<HelpTopicsWindow>& OpenWindow() {
  static QPointer<HelpTopicsWindow> window;
  return window;
}

}  // namespace

HelpTopicsWindow::HelpTopicsWindow(std::string helpFile, std::vector<HelpTopic> topics,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), helpFile_(std::move(helpFile)), topics_(std::move(topics)) {
  setAttribute(Qt::WA_DeleteOnClose);
  // The owner's font, as a dialog of the program has it.
  setAttribute(Qt::WA_WindowPropagation);
  setWindowTitle(QStringLiteral("ヘルプ トピック"));

  edtKeyword = new QLineEdit(this);
  edtKeyword->setObjectName(QStringLiteral("edtKeyword"));
  edtKeyword->setClearButtonEnabled(true);
  lstTopics = new QListWidget(this);
  lstTopics->setObjectName(QStringLiteral("lstTopics"));
  for (const HelpTopic& topic : topics_) {
    auto* item = new QListWidgetItem(
        topic.Title.empty() ? QStringLiteral("（無題）") : FromUtf8(topic.Title), lstTopics);
    item->setData(Qt::UserRole, SearchWords(topic));
  }
  txtTopic = new QPlainTextEdit(this);
  txtTopic->setObjectName(QStringLiteral("txtTopic"));
  txtTopic->setReadOnly(true);

  auto* finder = new QWidget(this);
  auto* finderLayout = new QVBoxLayout(finder);
  finderLayout->setContentsMargins(0, 0, 0, 0);
  auto* lblKeyword = new QLabel(QStringLiteral("キーワード(&K):"), finder);
  lblKeyword->setBuddy(edtKeyword);
  auto* lblTopics = new QLabel(QStringLiteral("トピック(&T):"), finder);
  lblTopics->setBuddy(lstTopics);
  finderLayout->addWidget(lblKeyword);
  finderLayout->addWidget(edtKeyword);
  finderLayout->addWidget(lblTopics);
  finderLayout->addWidget(lstTopics);
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(finder);
  splitter->addWidget(txtTopic);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({270, 430});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(splitter);

  connect(edtKeyword, &QLineEdit::textChanged, this,
          [this](const QString& text) { Guard([&] { FilterTopics(text); }); });
  connect(lstTopics, &QListWidget::currentRowChanged, this,
          [this](int row) { Guard([&] { ShowTopic(row); }); });
  lstTopics->setCurrentRow(0);
  resize(700, 440);
  if (parent != nullptr) move(parent->frameGeometry().center() - rect().center());
  edtKeyword->setFocus();
}

void HelpTopicsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
  } else {
    QWidget::keyPressEvent(event);
  }
}

// The topic shown stays while it is listed; otherwise the first one listed is shown.
void HelpTopicsWindow::FilterTopics(const QString& keyword) {
  const QString wanted = Folded(keyword.trimmed());
  QListWidgetItem* first = nullptr;
  for (int row = 0; row < lstTopics->count(); ++row) {
    QListWidgetItem* item = lstTopics->item(row);
    const bool listed = item->data(Qt::UserRole).toString().contains(wanted);
    item->setHidden(!listed);
    if (listed && first == nullptr) first = item;
  }
  QListWidgetItem* current = lstTopics->currentItem();
  if (current == nullptr || current->isHidden()) lstTopics->setCurrentItem(first);
}

void HelpTopicsWindow::ShowTopic(int row) {
  if (row < 0) {
    txtTopic->clear();
  } else {
    txtTopic->setPlainText(FromUtf8(topics_[static_cast<size_t>(row)].Text));
  }
}

HelpTopicsWindow* ShowHelpTopics(const std::string& helpFile, QWidget* parent) {
  QPointer<HelpTopicsWindow>& window = OpenWindow();
  if (window == nullptr || window->HelpFile() != helpFile) {
    std::vector<HelpTopic> topics = ReadHelpFile(helpFile);
    if (window != nullptr) window->close();
    window = new HelpTopicsWindow(helpFile, std::move(topics), parent);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace platform::qt
