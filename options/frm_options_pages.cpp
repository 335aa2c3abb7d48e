// The options dialog's six pages. Each widget shows the value as the viewer takes it from the
// file (defaults and limits applied) and writes it as the viewer reads it.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

#include "app/shortcut_keys.h"
#include "app/view_settings.h"
#include "app/window_settings.h"
#include "fountain/editor_colors.h"
#include "options/color_button.h"
#include "options/frm_options.h"
#include "options/preview.h"
#include "options/shortcut_check.h"
#include "platform/font.h"
#include "platform/qt/text.h"
#include "textstore/wrap.h"

namespace quillcfg {
namespace {

QWidget* Column(std::initializer_list<QWidget*> widgets) {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  for (QWidget* each : widgets) layout->addWidget(each);
  layout->addStretch(1);
  return box;
}

QGroupBox* Group(const QString& title, QLayout* layout) {
  auto* group = new QGroupBox(title);
  group->setLayout(layout);
  return group;
}

// The colour slots with keys, in the order the viewer reads them.
struct Slot {
  const char* name;
  const char* caption;
  fountain::TFountainColor& (*get)(fountain::TEditorColors&);
};
constexpr Slot kSlots[] = {
    {"Ank", "半角文字", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Ank(); }},
    {"Comment", "引用行", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Comment(); }},
    {"DBCS", "全角文字", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.DBCS(); }},
    {"Int", "数値", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Int(); }},
    {"Mail", "メールアドレス", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Mail(); }},
    {"Reserve", "ヘッダ名", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Reserve(); }},
    {"Select", "選択範囲", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Select(); }},
    {"Str", "文字列", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Str(); }},
    {"Symbol", "記号", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Symbol(); }},
    {"Url", "URL", [](fountain::TEditorColors& c) -> fountain::TFountainColor& { return c.Url(); }},
};

// The commands' names as the viewer's menus give them, by action.
struct CommandName {
  std::string_view action;
  const char* caption;
};
constexpr CommandName kCommandNames[] = {
    {"actFileRes", "メッセージを返信"},        {"actFileReNew", "差出人へ新規メッセージ"},
    {"actFileNew", "新規メッセージ作成"},      {"actFileClose", "閉じる"},
    {"actEditCopy", "コピー"},                {"actEditSelect", "すべて選択"},
    {"actViewToolbar", "ツール バー"},         {"actViewHeadbar", "ヘッダ バー"},
    {"actViewStabar", "ステータス バー"},      {"actViewMsg", "本文を表示"},
    {"actViewHead", "ヘッダの表示"},           {"actViewSrc", "ソースの表示"},
    {"actViewOption", "オプション"},           {"actTurnNone", "折り返さない"},
    {"actTurnCol", "指定桁で折り返す"},        {"actTurnWin", "右端で折り返す"},
    {"actHelpTopic", "トピックの検索"},        {"actHelpVer", "バージョン情報"},
};

QString CommandCaption(std::string_view action) {
  for (const CommandName& each : kCommandNames) {
    if (each.action == action) return QString::fromUtf8(each.caption);
  }
  return QString::fromLatin1(action.data(), static_cast<qsizetype>(action.size()));
}

}  // namespace

QWidget* TfrmOptions::MakeViewPage() {
  editor::TEditor& view = preview_->View();
  const platform::TFont& font = view.Font();

  auto* fontForm = new QFormLayout;
  QLineEdit* name = Text("Editor\\Font", "Name", font.Name());
  // Suggestions: the names the viewer maps to installed fonts, then the installed fixed ones.
  QStringList names = {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("FixedSys"), QStringLiteral("ＭＳ 明朝")};
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isFixedPitch(family)) names << family;
  }
  auto* suggestions = new QComboBox;
  suggestions->addItem(QStringLiteral("（一覧から選ぶ）"));
  suggestions->addItems(names);
  connect(suggestions, &QComboBox::activated, this, [name, suggestions](int index) {
    if (index <= 0) return;
    name->setText(suggestions->itemText(index));
    emit name->textEdited(name->text());
    suggestions->setCurrentIndex(0);
  });
  name->setMinimumWidth(160);
  auto* nameLabel = new QLabel(QStringLiteral("フォント名(&F):"));
  nameLabel->setBuddy(name);
  fontForm->addRow(nameLabel, name);
  fontForm->addRow(QString(), suggestions);
  fontForm->addRow(QStringLiteral("サイズ(&S):"), Spin("Editor\\Font", "Size", 1, 72, font.Size()));
  fontForm->addRow(QStringLiteral("文字セット:"), Spin("Editor\\Font", "Charset", 0, 255, font.Charset()));

  auto* switches = new QVBoxLayout;
  switches->addWidget(Check("Editor\\View", "Url", QStringLiteral("URL を認識する(&U)"), view.View().Url()));
  switches->addWidget(Check("Editor\\View", "Mail", QStringLiteral("メールアドレスを認識する(&M)"), view.View().Mail()));
  switches->addWidget(Check("Editor\\View", "ControlCode", QStringLiteral("文字コードの表記を認識する"),
                            view.View().ControlCode()));
  auto* prefix = new QFormLayout;
  prefix->addRow(QStringLiteral("16 進数の接頭辞:"),
                 Text("Editor\\View", "HexPrefix", std::string(view.View().HexPrefix().view())));
  switches->addLayout(prefix);
  switches->addWidget(Check("Option", "CV2Setting",
                            QStringLiteral("CV2の設定を使う（フォントと色は CV2 のものが優先されます）"),
                            model_.ReadBool("Option", "CV2Setting", true)));

  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  layout->addWidget(Group(QStringLiteral("フォント"), fontForm), 0, 0);
  layout->addWidget(Group(QStringLiteral("認識"), switches), 0, 1);
  layout->addWidget(MakeColorGroup(), 1, 0, 1, 2);
  return page;
}

QWidget* TfrmOptions::MakeColorGroup() {
  editor::TEditor& view = preview_->View();
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("文字色")), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("背景色")), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("スタイル")), 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("全体の背景")), 1, 0);
  grid->addWidget(Color("Editor", "Color", view.Color()), 1, 2);
  int row = 2;
  for (const Slot& slot : kSlots) {
    const fountain::TFountainColor& colors = slot.get(view.View().Colors());
    const std::string name = slot.name;
    grid->addWidget(new QLabel(QString::fromUtf8(slot.caption)), row, 0);
    grid->addWidget(Color("Editor\\Colors", name + "Color", colors.Color()), row, 1);
    grid->addWidget(Color("Editor\\Colors", name + "BkColor", colors.BkColor()), row, 2);
    grid->addWidget(Style("Editor\\Colors", name + "Style", colors.Style()), row, 3);
    ++row;
  }
  grid->setColumnStretch(4, 1);
  return Group(QStringLiteral("色"), grid);
}

QWidget* TfrmOptions::MakeMarginPage() {
  editor::TEditor& view = preview_->View();
  auto* margins = new QFormLayout;
  margins->addRow(QStringLiteral("左の余白(&L):"), Spin("Editor\\Margin", "Left", 0, 100, view.Margin().Left()));
  margins->addRow(QStringLiteral("上の余白(&T):"), Spin("Editor\\Margin", "Top", 0, 100, view.Margin().Top()));
  margins->addRow(QStringLiteral("行間(&I):"), Spin("Editor\\Margin", "Line", 0, 100, view.Margin().Line()));
  margins->addRow(QStringLiteral("文字間(&C):"),
                  Spin("Editor\\Margin", "Character", 0, 100, view.Margin().Character()));

  auto* marks = new QGridLayout;
  const struct {
    const char* visible;
    const char* color;
    const char* caption;
    const editor::TEditorMark& mark;
  } rows[] = {
      {"EofMarkVisible", "EofMarkColor", "テキストの終わり(&E)", view.Marks().EofMark()},
      {"RetMarkVisible", "RetMarkColer", "改行(&R)", view.Marks().RetMark()},
      {"UnderlineVisible", "UnderlineColor", "キャレット行の下線(&U)", view.Marks().Underline()},
  };
  int row = 0;
  for (const auto& each : rows) {
    marks->addWidget(Check("Editor\\Marks", each.visible, QString::fromUtf8(each.caption), each.mark.Visible()), row, 0);
    marks->addWidget(Color("Editor\\Marks", each.color, each.mark.Color()), row, 1);
    ++row;
  }
  marks->setColumnStretch(2, 1);
  return Column({Group(QStringLiteral("余白（ピクセル）"), margins), Group(QStringLiteral("マーク"), marks)});
}

QWidget* TfrmOptions::MakeCaretPage() {
  editor::TEditorCaret& caret = preview_->View().Caret();
  constexpr std::string_view kCaret = "Editor\\Caret";
  auto* moves = new QVBoxLayout;
  moves->addWidget(Check(kCaret, "FreeCaret", QStringLiteral("行末より右にもキャレットを置く(&F)"), caret.FreeCaret()));
  moves->addWidget(Check(kCaret, "InTab", QStringLiteral("タブの中にもキャレットを置く"), caret.InTab()));
  moves->addWidget(Check(kCaret, "KeepCaret", QStringLiteral("短い行を通っても桁位置を保つ(&K)"), caret.KeepCaret()));
  moves->addWidget(Check(kCaret, "NextLine", QStringLiteral("左右の移動で行をまたぐ(&N)"), caret.NextLine()));
  moves->addWidget(Check(kCaret, "LockScroll", QStringLiteral("スクロールでキャレットも動かす(&L)"), caret.LockScroll()));
  moves->addWidget(Check(kCaret, "RowSelect", QStringLiteral("左の余白のクリックで行を選択する(&R)"), caret.RowSelect()));
  moves->addWidget(Check(kCaret, "SelMove", QStringLiteral("選択範囲をドラッグで移動する"), caret.SelMove()));
  moves->addWidget(Check(kCaret, "AutoCursor", QStringLiteral("ポインタの形を内容に合わせる(&A)"), caret.AutoCursor()));

  auto* editing = new QVBoxLayout;
  editing->addWidget(Check(kCaret, "AutoIndent", QStringLiteral("自動インデント"), caret.AutoIndent()));
  editing->addWidget(Check(kCaret, "PrevSpaceIndent", QStringLiteral("前の行の空白でインデントする"), caret.PrevSpaceIndent()));
  editing->addWidget(Check(kCaret, "TabIndent", QStringLiteral("タブでインデントする"), caret.TabIndent()));
  editing->addWidget(Check(kCaret, "SoftTab", QStringLiteral("タブを空白で入力する"), caret.SoftTab()));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("タブの幅(&T):"),
               Choice(kCaret, "TabSpaceCount", {"2", "4", "6", "8"}, {2, 4, 6, 8}, caret.TabSpaceCount()));
  form->addRow(QStringLiteral("キャレットの形:"),
               Choice(kCaret, "Style", {QStringLiteral("標準"), QStringLiteral("Brief 風")}, {0, 1},
                      caret.Style() == editor::csBrief ? 1 : 0));
  form->addRow(QStringLiteral("ドラッグの開始:"),
               Choice(kCaret, "SelDragMode", {QStringLiteral("手動"), QStringLiteral("自動")}, {0, 1},
                      caret.SelDragMode() == editor::dmAutomatic ? 1 : 0));
  form->addRow(QStringLiteral("元に戻せる回数:"),
               Spin("Editor", "UndoListMax", 64, 100000, preview_->View().UndoListMax()));
  editing->addLayout(form);

  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(Group(QStringLiteral("キャレットの移動"), moves), 1);
  layout->addWidget(Group(QStringLiteral("編集"), editing), 1);
  return page;
}

QWidget* TfrmOptions::MakeWrapPage() {
  textstore::TEditorWrapOption& wrap = preview_->View().WrapOption();
  constexpr std::string_view kWrap = "Editor\\WrapOption";
  auto* mode = new QFormLayout;
  mode->addRow(QStringLiteral("起動時の折り返し(&M):"),
               Choice("Editor", "WordWrap",
                      {QStringLiteral("折り返さない"), QStringLiteral("指定桁で折り返す"),
                       QStringLiteral("右端で折り返す")},
                      {0, 1, 2}, quillet::ReadWrapMode(model_)));
  mode->addRow(QStringLiteral("折り返す桁(&C):"),
               Spin(kWrap, "WrapByte", textstore::kMinWrapByte, textstore::kMaxWrapByte,
                    textstore::ClampWrapByte(quillet::ReadWrapByte(model_))));

  auto* rules = new QFormLayout;
  rules->addRow(Check(kWrap, "WordBreak", QStringLiteral("英単語の途中で折り返さない(&W)"), wrap.WordBreak()));
  rules->addRow(Check(kWrap, "FollowRetMark", QStringLiteral("行末にちょうど収まる行は改行マークを次の行に送らない"),
                      wrap.FollowRetMark()));
  rules->addRow(Check(kWrap, "FollowPunctuation", QStringLiteral("句読点をぶら下げる(&P)"), wrap.FollowPunctuation()));
  rules->addRow(QStringLiteral("ぶら下げる文字:"), Text(kWrap, "PunctuationStr", std::string(wrap.PunctuationStr().view())));
  rules->addRow(Check(kWrap, "Leading", QStringLiteral("行頭・行末の禁則処理をする(&K)"), wrap.Leading()));
  rules->addRow(QStringLiteral("行頭禁則文字:"), Text(kWrap, "FollowStr", std::string(wrap.FollowStr().view())));
  rules->addRow(QStringLiteral("行末禁則文字:"), Text(kWrap, "LeadStr", std::string(wrap.LeadStr().view())));
  return Column({Group(QStringLiteral("折り返し"), mode), Group(QStringLiteral("禁則"), rules)});
}

QWidget* TfrmOptions::MakeBarPage() {
  const quillet::BarSettings bars = quillet::ReadBarSettings(model_);
  auto* shown = new QVBoxLayout;
  shown->addWidget(Check("Bar", "Toolbar", QStringLiteral("ツール バー(&T)"), bars.toolbar));
  shown->addWidget(Check("Bar", "HeaderBar", QStringLiteral("ヘッダ バー(&H)"), bars.headerBar));
  shown->addWidget(Check("Bar", "StatusBar", QStringLiteral("ステータス バー(&S)"), bars.statusBar));
  auto* toolbar = new QFormLayout;
  toolbar->addRow(QStringLiteral("画像の大きさ:"),
                  Spin("ToolBar", "Size", 1, 256, quillet::ReadToolbarImages(model_).size));
  toolbar->addRow(QStringLiteral("画像ファイル:"),
                  Text("ToolBar", "Image", model_.ReadString("ToolBar", "Image", "none")));
  toolbar->addRow(new QLabel(QStringLiteral("none で内蔵の画像を使います。")));
  shown->addLayout(toolbar);

  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  constexpr std::string_view kWindow = "Window";
  auto* window = new QFormLayout;
  window->addRow(QStringLiteral("大きさ(&Z):"),
                 Choice(kWindow, "SizOption",
                        {QStringLiteral("システムに任せる"), QStringLiteral("前回の大きさ"),
                         QStringLiteral("指定の大きさ")},
                        {0, 1, 2}, model_.ReadInteger(kWindow, "SizOption", 1)));
  window->addRow(QString(), Check(kWindow, "WindowStyle", QStringLiteral("最大化して開く（前回の大きさのとき）"),
                                  model_.ReadBool(kWindow, "WindowStyle", false)));
  window->addRow(QStringLiteral("指定の幅:"),
                 Spin(kWindow, "UserWidth", 0, 100000, model_.ReadInteger(kWindow, "UserWidth", screen.width() / 2)));
  window->addRow(QStringLiteral("指定の高さ:"),
                 Spin(kWindow, "UserHeight", 0, 100000, model_.ReadInteger(kWindow, "UserHeight", screen.height() / 2)));
  window->addRow(QStringLiteral("位置(&P):"),
                 Choice(kWindow, "PosOption",
                        {QStringLiteral("システムに任せる"), QStringLiteral("前回の位置"),
                         QStringLiteral("指定の位置")},
                        {0, 1, 2}, model_.ReadInteger(kWindow, "PosOption", 0)));
  window->addRow(QStringLiteral("指定の左端:"),
                 Spin(kWindow, "UserLeft", -100000, 100000, model_.ReadInteger(kWindow, "UserLeft", 0)));
  window->addRow(QStringLiteral("指定の上端:"),
                 Spin(kWindow, "UserTop", -100000, 100000, model_.ReadInteger(kWindow, "UserTop", 0)));
  window->addRow(QString(), Check(kWindow, "EscExit", QStringLiteral("Esc キーで閉じる(&E)"),
                                  model_.ReadBool(kWindow, "EscExit", true)));

  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(Group(QStringLiteral("バー"), shown), 1);
  layout->addWidget(Group(QStringLiteral("ウィンドウ"), window), 1);
  return page;
}

QWidget* TfrmOptions::MakeShortCutPage() {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("<b>コマンド</b>")), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("<b>ショートカット</b>")), 0, 1);
  int row = 1;
  for (const quillet::ShortCutKey& each : quillet::kShortCutKeys) {
    QLineEdit* edit = Text(each.Section, each.Key, model_.ReadString(each.Section, each.Key, each.Default));
    edit->setPlaceholderText(QStringLiteral("なし"));
    auto* note = new QLabel;
    grid->addWidget(new QLabel(CommandCaption(each.Action)), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(note, row, 2);
    shortCutEdits_.push_back(edit);
    shortCutNotes_.push_back(note);
    ++row;
  }
  grid->setColumnStretch(2, 1);
  auto* inner = new QWidget;
  inner->setLayout(grid);
  auto* scroll = new QScrollArea;
  scroll->setWidget(inner);
  scroll->setWidgetResizable(true);

  auto* help = new QLabel(QStringLiteral(
      "Shift+、Ctrl+（または ^）、Alt+ に続けてキーの名前を書きます（例: Ctrl+R、Shift+F3、Esc）。"
      "キーの名前は A～Z、0～9、F1～F24、BkSp、Tab、Enter、Esc、Space、PgUp、PgDn、End、Home、"
      "Left、Up、Right、Down、Ins、Del です。空にするとショートカットはありません。"));
  help->setWordWrap(true);
  shortCutWarning_ = new QLabel;
  shortCutWarning_->setObjectName(QStringLiteral("lblShortCutWarning"));
  shortCutWarning_->setWordWrap(true);
  shortCutWarning_->setStyleSheet(QStringLiteral("color: #b00000"));

  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(help);
  layout->addWidget(scroll, 1);
  layout->addWidget(shortCutWarning_);
  return page;
}

void TfrmOptions::RefreshShortCuts() {
  std::vector<std::string> texts;
  for (QLineEdit* edit : shortCutEdits_) texts.push_back(platform::qt::FromQString(edit->text()));
  const std::vector<ShortCutCheck> checks = CheckShortCuts(texts);
  QStringList warnings;
  for (size_t i = 0; i < checks.size(); ++i) {
    QString note;
    if (!checks[i].valid) {
      note = QStringLiteral("認識できないため使われません");
    } else if (checks[i].takenBy) {
      note = QStringLiteral("「%1」と重なるため使われません")
                 .arg(CommandCaption(quillet::kShortCutKeys[*checks[i].takenBy].Action));
    }
    shortCutNotes_[i]->setText(note);
    if (!note.isEmpty()) warnings << CommandCaption(quillet::kShortCutKeys[i].Action) + QStringLiteral(": ") + note;
  }
  shortCutWarning_->setText(warnings.isEmpty() ? QString()
                                               : QStringLiteral("警告: ") + warnings.join(QStringLiteral("、")));
}

}  // namespace quillcfg
