// The main window's components with their design-time values: names, order, sizes in pixels
// at 96 dpi, captions, hints and image indices.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/frm_main.h"
#include "app/view_setup.h"
#include "platform/component.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/panel.h"
#include "platform/qt/statusbar.h"

namespace quillet {
namespace {

constexpr int kClientWidth = 512;
constexpr int kClientHeight = 337;

QFont DesignFont() {
  QFont font(QStringLiteral("MS UI Gothic"));
  font.setPixelSize(12);
  return font;
}

QToolBar* NewToolBar(QWidget* parent, const char* name) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(name);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(16, 16));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->setContentsMargins(0, 0, 0, 0);
  bar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; spacing: 0px; }"));
  return bar;
}

QToolButton* AddButton(QToolBar* bar, const char* name, QAction* action) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setAutoRaise(true);
  if (action) button->setDefaultAction(action);
  bar->addWidget(button);
  return button;
}

QWidget* NewSpacer(QWidget* parent, const char* name) {
  auto* spacer = new QWidget(parent);
  spacer->setObjectName(name);
  spacer->setFixedWidth(4);
  return spacer;
}

QLabel* NewLabel(QWidget* parent, const char* name, int left, int top) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->move(left, top);
  return label;
}

}  // namespace

void TfrmMain::CreateComponents() {
  setObjectName(QStringLiteral("frmMain"));
  setFont(DesignFont());
  setWindowTitle(QStringLiteral(" - Quillet"));
  CreateActions();
  CreateMenus();

  auto* client = new QWidget(this);
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  setCentralWidget(client);
  CreateToolbarPanel();
  CreateHeaderBar();
  CreateBasePanel();
  CreateStatusBar();
  layout->addWidget(pnlToolbar);
  layout->addWidget(pndHead);
  layout->addWidget(pnlBase, 1);
  layout->addWidget(staMain);
  resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void TfrmMain::CreateActions() {
  struct Design {
    QAction* TfrmMain::*action;
    const char* name;
    const char* category;
    const char* caption;
    const char* hint;
    int image;
    bool checkable;
    bool checked;
  };
  static constexpr Design kActions[] = {
      {&TfrmMain::actFileRes, "actFileRes", "ファイル", "メッセージを返信(&R)",
       "返信するメッセージを作成します。", 0, false, false},
      {&TfrmMain::actFileReNew, "actFileReNew", "ファイル", "差出人へ新規メッセージ(&C)",
       "差出人へ新しいメッセージを作成します。", -1, false, false},
      {&TfrmMain::actFileNew, "actFileNew", "ファイル", "新規メッセージ作成(&N)",
       "新しいメッセージを作成します。", 6, false, false},
      {&TfrmMain::actFileClose, "actFileClose", "ファイル", "閉じる(&C)", "Quillet を閉じます。",
       -1, false, false},
      {&TfrmMain::actEditCopy, "actEditCopy", "編集", "コピー(&C)",
       "選択されたテキストをクリップボードにコピーします。", 1, false, false},
      {&TfrmMain::actEditSelect, "actEditSelect", "編集", "すべて選択(&A)",
       "すべてのテキストを選択します。", -1, false, false},
      {&TfrmMain::actViewMsg, "actViewMsg", "表示", "本文を表示(&M)",
       "メッセージの本文を表示します。", 2, true, true},
      {&TfrmMain::actViewHead, "actViewHead", "表示", "ヘッダの表示(&H)",
       "メッセージのヘッダを表示します。", 3, true, false},
      {&TfrmMain::actViewSrc, "actViewSrc", "表示", "ソースの表示(&S)",
       "メッセージのソースを表示します。", 4, true, false},
      {&TfrmMain::actViewCorvid, "actViewCorvid", "表示", "CV2の設定を使う(&B)",
       "フォントなどをCV2の設定を使って表示します。", -1, true, false},
      {&TfrmMain::actViewOption, "actViewOption", "表示", "オプション(&O)...",
       "オプションを構成します。", 5, false, false},
      {&TfrmMain::actViewToolbar, "actViewToolbar", "バー", "ツール バー(&T)",
       "ツール バーの表示/非表示を切り替えます。", -1, true, true},
      {&TfrmMain::actViewHeadbar, "actViewHeadbar", "バー", "ヘッダ バー(&H)",
       "ヘッダ バーの表示/非表示を切り替えます。", -1, true, true},
      {&TfrmMain::actViewStabar, "actViewStabar", "バー", "ステータス バー(&S)",
       "ステータス バーの表示/非表示を切り替えます。", -1, true, true},
      {&TfrmMain::actTurnNone, "actTurnNone", "折り返し", "折り返さない(&N)",
       "行を折り返さないで表示します。", -1, true, true},
      {&TfrmMain::actTurnCol, "actTurnCol", "折り返し", "指定桁で折り返す(&C)",
       "行を指定した桁で折り返します。", -1, true, false},
      {&TfrmMain::actTurnWin, "actTurnWin", "折り返し", "右端で折り返す(&W)",
       "行をウインドウの幅で折り返します。", -1, true, false},
      {&TfrmMain::actHelpTopic, "actHelpTopic", "ヘルプ", "トピックの検索(&H)",
       "Quilletのヘルプを開きます。", 7, false, false},
      {&TfrmMain::actHelpVer, "actHelpVer", "ヘルプ", "バージョン情報(&A)...",
       "バージョン情報を表示します。", -1, false, false},
  };
  for (const Design& d : kActions) {
    auto* action = new QAction(QString::fromUtf8(d.caption), this);
    action->setObjectName(d.name);
    action->setProperty("category", QString::fromUtf8(d.category));
    action->setProperty("imageIndex", d.image);
    action->setStatusTip(QString::fromUtf8(d.hint));
    action->setToolTip(QString::fromUtf8(d.hint));
    action->setCheckable(d.checkable);
    action->setChecked(d.checked);
    this->*d.action = action;
  }
  // The view modes and the wrap modes are radio groups: one action of each is checked.
  for (auto group : {std::initializer_list<QAction*>{actViewMsg, actViewHead, actViewSrc},
                     std::initializer_list<QAction*>{actTurnNone, actTurnCol, actTurnWin}}) {
    auto* exclusive = new QActionGroup(this);
    for (QAction* action : group) exclusive->addAction(action);
  }
}

void TfrmMain::CreateMenus() {
  auto addMenu = [this](QMenu* parent, const char* name, const char* caption, const char* hint) {
    QMenu* menu = parent ? parent->addMenu(QString::fromUtf8(caption))
                         : menuBar()->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(name);
    menu->menuAction()->setStatusTip(QString::fromUtf8(hint));
    return menu;
  };
  menuBar()->setObjectName(QStringLiteral("mnuMain"));
  QMenu* file = addMenu(nullptr, "mnuFile", "ファイル(&F)", "ファイルに関するコマンドです。");
  file->addActions({actFileRes, actFileReNew, actFileNew});
  file->addSeparator();
  file->addAction(actFileClose);
  QMenu* edit = addMenu(nullptr, "mnuEdit", "編集(&E)", "編集に関するメニューです。");
  edit->addActions({actEditCopy, actEditSelect});
  QMenu* view = addMenu(nullptr, "mnuView", "表示(&V)", "表示に関するメニューです。");
  QMenu* bars = addMenu(view, "mnuViewBar", "各種バー設定(&A)", "各種バーの表示/非表示を切り替えます。");
  bars->addActions({actViewToolbar, actViewHeadbar, actViewStabar});
  view->addSeparator();
  view->addActions({actViewMsg, actViewHead, actViewSrc});
  view->addSeparator();
  view->addActions({actTurnNone, actTurnCol, actTurnWin});
  view->addSeparator();
  view->addActions({actViewCorvid, actViewOption});
  QMenu* help = addMenu(nullptr, "mnuHelp", "ヘルプ(&H)", "ヘルプに関するコマンドです。");
  help->addAction(actHelpTopic);
  help->addSeparator();
  help->addAction(actHelpVer);

  pumMsg = new QMenu(this);
  pumMsg->setObjectName(QStringLiteral("pumMsg"));
  pumMsg->addActions({actFileRes, actFileReNew, actFileNew});
  pumMsg->setDefaultAction(actFileRes);
  pumTurn = new QMenu(this);
  pumTurn->setObjectName(QStringLiteral("pumTurn"));
  pumTurn->addActions({actTurnNone, actTurnCol, actTurnWin});
  pumEdit = new QMenu(this);
  pumEdit->setObjectName(QStringLiteral("pumEdit"));
  pumEdit->addActions({actEditCopy, actEditSelect});
}

void TfrmMain::CreateToolbarPanel() {
  pnlToolbar = new platform::qt::Panel(this);
  pnlToolbar->setObjectName(QStringLiteral("pnlToolbar"));
  pnlToolbar->setFixedHeight(32);
  auto* column = new QVBoxLayout(pnlToolbar);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* bevel = new platform::qt::TopEdgeLine(pnlToolbar);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  column->addWidget(bevel);
  auto* row = new QHBoxLayout();
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  column->addLayout(row, 1);

  tbrMain0 = NewToolBar(pnlToolbar, "tbrMain0");
  btnMsg = AddButton(tbrMain0, "btnMsg", actFileRes);
  btnMsg->setMenu(pumMsg);
  btnMsg->setPopupMode(QToolButton::MenuButtonPopup);
  tbrMain1 = NewToolBar(pnlToolbar, "tbrMain1");
  btnCopy = AddButton(tbrMain1, "btnCopy", actEditCopy);
  tbrMain2 = NewToolBar(pnlToolbar, "tbrMain2");
  tbrMain2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  btnViewMsg = AddButton(tbrMain2, "btnViewMsg", actViewMsg);
  btnViewHead = AddButton(tbrMain2, "btnViewHead", actViewHead);
  btnViewSrc = AddButton(tbrMain2, "btnViewSrc", actViewSrc);
  for (auto [button, caption] : {std::pair{btnViewMsg, "本文"}, std::pair{btnViewHead, "ヘッダ"},
                                 std::pair{btnViewSrc, "ソース"}}) {
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setMinimumWidth(55);  // wider only where the caption needs more room
    // A tool button shows its action's icon text, so the short caption goes there.
    button->defaultAction()->setIconText(QString::fromUtf8(caption));
  }
  tbrMain3 = NewToolBar(pnlToolbar, "tbrMain3");
  btnReturn = AddButton(tbrMain3, "btnReturn", nullptr);
  btnReturn->setToolTip(QStringLiteral("行の折り返し方法を変更します。"));
  btnReturn->setStatusTip(btnReturn->toolTip());
  btnReturn->setProperty("imageIndex", 8);
  btnReturn->setMenu(pumTurn);
  btnReturn->setPopupMode(QToolButton::MenuButtonPopup);
  // The button has no command of its own: a click opens its menu like the arrow does.
  connect(btnReturn, &QToolButton::clicked, btnReturn, &QToolButton::showMenu);
  btnViewOption = AddButton(tbrMain3, "btnViewOption", actViewOption);

  row->addWidget(tbrMain0);
  row->addWidget(NewSpacer(pnlToolbar, "tbrSp0"));
  row->addWidget(tbrMain1);
  row->addWidget(NewSpacer(pnlToolbar, "tbrSp1"));
  row->addWidget(tbrMain2);
  row->addWidget(NewSpacer(pnlToolbar, "tbrSp2"));
  row->addWidget(tbrMain3);
  row->addStretch(1);
}

void TfrmMain::CreateHeaderBar() {
  pndHead = new QWidget(this);
  pndHead->setObjectName(QStringLiteral("pndHead"));
  pndHead->setFixedHeight(31);
  auto* edge = new platform::qt::TopEdgeLine(pndHead);
  edge->setObjectName(QStringLiteral("bvlHead"));
  edge->setGeometry(0, 0, kClientWidth, 2);
  lblFrom = NewLabel(pndHead, "lblFrom", 8, 4);
  lblTo = NewLabel(pndHead, "lblTo", 60, 4);
  lblSubject = NewLabel(pndHead, "lblSubject", 8, 18);
  lblDate = NewLabel(pndHead, "lblDate", 60, 18);
  imgKitte = new QLabel(pndHead);
  imgKitte->setObjectName(QStringLiteral("imgKitte"));
  imgKitte->setGeometry(488, 4, 24, 26);
  imgKitte->setAttribute(Qt::WA_TranslucentBackground);
}

void TfrmMain::CreateBasePanel() {
  pnlBase = new platform::qt::Panel(this);
  pnlBase->setObjectName(QStringLiteral("pnlBase"));
  pnlBase->SetColor(palette().color(QPalette::Base));
  auto* fill = new QVBoxLayout(pnlBase);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->setSpacing(0);
  txtMainWindow = new platform::qt::EditorWindowWidget(pnlBase);
  txtMainWindow->setObjectName(QStringLiteral("txtMain"));
  txtMainWindow->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtMainWindow, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { pumEdit->popup(txtMainWindow->mapToGlobal(at)); });
  fill->addWidget(txtMainWindow);
  txtMain = platform::NewComponent<editor::TEditor>(nullptr);
  SetUpTextView();
  txtMain->SetWindow(txtMainWindow);
}

void TfrmMain::SetUpTextView() {
  SetUpViewerTextView(*txtMain);
  txtMain->SetClipboard(&clipboard_);
  // The window's own edit menu is the view's context menu; the built-in one stays unused.
  txtMain->SetPopupMenu(nullptr);
}

void TfrmMain::CreateStatusBar() {
  staMain = new platform::qt::StatusBar(this);
  staMain->setObjectName(QStringLiteral("staMain"));
  staMain->setFixedHeight(19);
  staMain->AddPanel({152, platform::qt::BevelCut::None, Qt::AlignLeft, {}});
  staMain->AddPanel({104, platform::qt::BevelCut::Lowered, Qt::AlignHCenter,
                     QStringLiteral("00000行 : 00000桁")});
  staMain->AddPanel({18, platform::qt::BevelCut::None, Qt::AlignLeft, {}});
  staMain->SetOnResize([this] { staMainResize(); });
}

}  // namespace quillet
