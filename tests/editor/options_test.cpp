// The text view's option objects: silent limits, exactly one change notice per effective change
// and per Assign, and none for the values the control only reads.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "editor/editor_bars.h"
#include "editor/editor_caret.h"
#include "editor/editor_margin.h"
#include "editor/editor_marks.h"
#include "editor/editor_speed.h"
#include "editor/editor_view_info.h"
#include "platform/errors.h"

namespace editor {
namespace {

using platform::TObject;

class TOther : public platform::TPersistent {};

// Records the sender of every notice.
class Recorder : public TObject {
 public:
  void Handle(TObject* Sender) { senders.push_back(Sender); }
  platform::TNotifyEvent Event() { return {this, &Recorder::Handle}; }
  int Count() const { return static_cast<int>(senders.size()); }
  std::vector<TObject*> senders;
};

// Feeds each input to a limiting setter of a fresh T: the stored value must be the expected
// one, with a notice exactly when it differs from what was stored before.
template <typename T>
void ExpectLimits(const char* Name, void (T::*Set)(int), int (T::*Get)() const,
                  std::initializer_list<std::pair<int, int>> Cases) {
  T object;
  Recorder recorder;
  object.SetOnChange(recorder.Event());
  for (auto [input, stored] : Cases) {
    const int before = (object.*Get)();
    const int notices = recorder.Count();
    (object.*Set)(input);
    EXPECT_EQ((object.*Get)(), stored) << Name << " " << input;
    EXPECT_EQ(recorder.Count() - notices, stored != before ? 1 : 0) << Name << " " << input;
  }
}

// The setter reports nothing for the stored value and one notice for a new one, set twice.
template <typename T, typename V>
void ExpectOneNotice(const char* Name, T& Object, void (T::*Set)(V), V (T::*Get)() const,
                     std::type_identity_t<V> Other) {
  Recorder recorder;
  Object.SetOnChange(recorder.Event());
  (Object.*Set)((Object.*Get)());
  EXPECT_EQ(recorder.Count(), 0) << Name;
  (Object.*Set)(Other);
  (Object.*Set)(Other);
  EXPECT_EQ((Object.*Get)(), Other) << Name;
  EXPECT_EQ(recorder.senders, std::vector<TObject*>{&Object}) << Name;
}

TEST(EditorOptions, LimitsApplyBeforeTheComparison) {
  ExpectLimits<TEditorCaret>("TabSpaceCount", &TEditorCaret::SetTabSpaceCount,
                             &TEditorCaret::TabSpaceCount,
                             {{8, 8}, {5, 4}, {4, 4}, {1, 2}, {9, 8}, {7, 6}, {3, 2}, {-50, 2}});
  ExpectLimits<TEditorRuler>("GaugeRange", &TEditorRuler::SetGaugeRange,
                             &TEditorRuler::GaugeRange, {{9, 8}, {12, 10}, {7, 8}, {11, 10}, {8, 8}});
  ExpectLimits<TEditorLeftbar>("Column", &TEditorLeftbar::SetColumn, &TEditorLeftbar::Column,
                               {{0, 1}, {9, 8}, {-3, 1}, {5, 5}, {8, 8}});
  const std::initializer_list<std::pair<int, int>> pixels = {
      {-5, 0}, {150, 100}, {101, 100}, {37, 37}, {0, 0}};
  ExpectLimits<TEditorMargin>("Character", &TEditorMargin::SetCharacter,
                              &TEditorMargin::Character, pixels);
  ExpectLimits<TEditorMargin>("Left", &TEditorMargin::SetLeft, &TEditorMargin::Left, pixels);
  ExpectLimits<TEditorMargin>("Line", &TEditorMargin::SetLine, &TEditorMargin::Line, pixels);
  ExpectLimits<TEditorMargin>("Top", &TEditorMargin::SetTop, &TEditorMargin::Top, pixels);
  ExpectLimits<TEditorLeftbar>("Leftbar.LeftMargin", &TEditorLeftbar::SetLeftMargin,
                               &TEditorLeftbar::LeftMargin, pixels);
  ExpectLimits<TEditorLeftbar>("Leftbar.RightMargin", &TEditorLeftbar::SetRightMargin,
                               &TEditorLeftbar::RightMargin, pixels);
  ExpectLimits<TEditorImagebar>("DigitWidth", &TEditorImagebar::SetDigitWidth,
                                &TEditorImagebar::DigitWidth, pixels);
  ExpectLimits<TEditorImagebar>("Imagebar.LeftMargin", &TEditorImagebar::SetLeftMargin,
                                &TEditorImagebar::LeftMargin, pixels);
  ExpectLimits<TEditorImagebar>("MarkWidth", &TEditorImagebar::SetMarkWidth,
                                &TEditorImagebar::MarkWidth, pixels);
  ExpectLimits<TEditorImagebar>("Imagebar.RightMargin", &TEditorImagebar::SetRightMargin,
                                &TEditorImagebar::RightMargin, pixels);
  // The allowance is the control's own bookkeeping: not limited, but reported.
  ExpectLimits<TEditorMargin>("UnderlineAllowance", &TEditorMargin::SetUnderlineAllowance,
                              &TEditorMargin::UnderlineAllowance, {{1, 1}, {0, 0}, {200, 200}});
}

TEST(EditorOptions, EveryOtherNotifyingSetterReportsOnce) {
  TEditorRuler ruler;
  ExpectOneNotice("Ruler.BkColor", ruler, &TEditorRuler::SetBkColor, &TEditorRuler::BkColor,
                  platform::clWhite);
  ExpectOneNotice("Ruler.Color", ruler, &TEditorRuler::SetColor, &TEditorRuler::Color,
                  platform::clNone);
  ExpectOneNotice("Ruler.Edge", ruler, &TEditorRuler::SetEdge, &TEditorRuler::Edge, false);
  ExpectOneNotice("MarkColor", ruler, &TEditorRuler::SetMarkColor, &TEditorRuler::MarkColor,
                  platform::clRed);
  ExpectOneNotice("Ruler.Visible", ruler, &TEditorRuler::SetVisible, &TEditorRuler::Visible,
                  true);
  TEditorLeftbar bar;
  ExpectOneNotice("Leftbar.BkColor", bar, &TEditorLeftbar::SetBkColor, &TEditorLeftbar::BkColor,
                  platform::clWhite);
  ExpectOneNotice("Leftbar.Color", bar, &TEditorLeftbar::SetColor, &TEditorLeftbar::Color,
                  platform::clNavy);
  for (auto [name, set, get] :
       {std::tuple{"Edge", &TEditorLeftbar::SetEdge, &TEditorLeftbar::Edge},
        std::tuple{"ShowNumber", &TEditorLeftbar::SetShowNumber, &TEditorLeftbar::ShowNumber},
        std::tuple{"Visible", &TEditorLeftbar::SetVisible, &TEditorLeftbar::Visible},
        std::tuple{"ZeroBase", &TEditorLeftbar::SetZeroBase, &TEditorLeftbar::ZeroBase},
        std::tuple{"ZeroLead", &TEditorLeftbar::SetZeroLead, &TEditorLeftbar::ZeroLead}}) {
    ExpectOneNotice(name, bar, set, get, !(bar.*get)());
  }
  ExpectOneNotice("ShowNumberMode", bar, &TEditorLeftbar::SetShowNumberMode,
                  &TEditorLeftbar::ShowNumberMode, nmLine);
  TEditorImagebar imagebar;
  ExpectOneNotice("Imagebar.Visible", imagebar, &TEditorImagebar::SetVisible,
                  &TEditorImagebar::Visible, false);
  TEditorMark mark;
  ExpectOneNotice("Mark.Color", mark, &TEditorMark::SetColor, &TEditorMark::Color,
                  platform::clBlue);
  ExpectOneNotice("Mark.Visible", mark, &TEditorMark::SetVisible, &TEditorMark::Visible, true);
  TEditorCaret caret;
  ExpectOneNotice("Style", caret, &TEditorCaret::SetStyle, &TEditorCaret::Style, csBrief);
}

TEST(EditorOptions, CaretSwitchesAndCursorsReportNothing) {
  TEditorCaret caret;
  Recorder recorder;
  caret.SetOnChange(recorder.Event());
  EXPECT_TRUE(caret.AutoCursor() && caret.AutoIndent() && caret.BackSpaceUnIndent() &&
              caret.FreeCaret() && caret.RowSelect() && caret.SelMove());
  EXPECT_EQ(caret.SelDragMode(), dmAutomatic);
  EXPECT_EQ(caret.Cursors().DefaultCursor(), platform::crIBeam);
  EXPECT_EQ(caret.Cursors().DragSelCursor(), platform::crDrag);
  EXPECT_EQ(caret.Cursors().DragSelCopyCursor(), 1959);
  EXPECT_EQ(caret.Cursors().LeftMarginCursor(), 1958);

  caret.SetFreeCaret(false);
  caret.SetNextLine(true);
  caret.SetKeepCaret(true);
  caret.SetSelDragMode(dmManual);
  caret.SetTokenEndStop(true);
  caret.Cursors().SetDefaultCursor(platform::crArrow);
  TEditorCursors cursors;
  cursors.SetInSelCursor(platform::crHandPoint);
  caret.SetCursors(cursors);
  EXPECT_EQ(recorder.Count(), 0);
  EXPECT_EQ(caret.Cursors().InSelCursor(), platform::crHandPoint);
  EXPECT_EQ(caret.Cursors().DefaultCursor(), platform::crIBeam);  // copied back from cursors
  EXPECT_FALSE(caret.FreeCaret());
  EXPECT_EQ(caret.SelDragMode(), dmManual);
}

TEST(EditorOptions, AssignCopiesEverythingWithOneNotice) {
  TEditorCaret caretSource;
  caretSource.SetAutoCursor(false);
  caretSource.SetInTab(true);
  caretSource.SetSelDragMode(dmManual);
  caretSource.SetStyle(csBrief);
  caretSource.SetTabSpaceCount(2);
  caretSource.SetTokenEndStop(true);
  caretSource.Cursors().SetTopMarginCursor(platform::crArrow);
  TEditorCaret caret;
  Recorder caretNotices;
  caret.SetOnChange(caretNotices.Event());
  caret.Assign(caretSource);
  EXPECT_EQ(caretNotices.Count(), 1);
  EXPECT_FALSE(caret.AutoCursor());
  EXPECT_TRUE(caret.InTab() && caret.TokenEndStop());
  EXPECT_EQ(caret.SelDragMode(), dmManual);
  EXPECT_EQ(caret.Style(), csBrief);
  EXPECT_EQ(caret.TabSpaceCount(), 2);
  EXPECT_EQ(caret.Cursors().TopMarginCursor(), platform::crArrow);
  caret.BeginUpdate();
  caret.Assign(TEditorCaret());
  EXPECT_EQ(caretNotices.Count(), 1);
  caret.EndUpdate();
  EXPECT_EQ(caretNotices.Count(), 2);
  EXPECT_EQ(caret.Style(), csDefault);

  TEditorMargin marginSource;
  marginSource.SetLeft(0);
  marginSource.SetLine(3);
  marginSource.SetUnderlineAllowance(1);
  TEditorMargin margin;
  Recorder marginNotices;
  margin.SetOnChange(marginNotices.Event());
  margin.Assign(marginSource);
  EXPECT_EQ(marginNotices.Count(), 1);
  EXPECT_EQ(margin.Left(), 0);
  EXPECT_EQ(margin.Line(), 3);
  EXPECT_EQ(margin.Top(), 2);
  EXPECT_EQ(margin.UnderlineAllowance(), 1);

  // The bars copy their values as they are and report even when nothing differs.
  TEditorLeftbar barSource;
  barSource.SetColumn(7);
  barSource.SetShowNumberMode(nmLine);
  TEditorRuler rulerSource;
  rulerSource.SetGaugeRange(8);
  TEditorImagebar imageSource;
  imageSource.SetMarkWidth(11);
  TEditorLeftbar bar;
  TEditorRuler ruler;
  TEditorImagebar imagebar;
  Recorder barNotices;
  bar.SetOnChange(barNotices.Event());
  ruler.SetOnChange(barNotices.Event());
  imagebar.SetOnChange(barNotices.Event());
  bar.Assign(barSource);
  ruler.Assign(rulerSource);
  ruler.Assign(rulerSource);
  imagebar.Assign(imageSource);
  EXPECT_EQ(barNotices.senders, (std::vector<TObject*>{&bar, &ruler, &ruler, &imagebar}));
  EXPECT_EQ(bar.Column(), 7);
  EXPECT_EQ(bar.ShowNumberMode(), nmLine);
  EXPECT_EQ(ruler.GaugeRange(), 8);
  EXPECT_EQ(imagebar.MarkWidth(), 11);

  // Speed values are copied plainly; its ranges are kept within 1 … 4 on the way in.
  TEditorSpeed speedSource;
  speedSource.SetCaretVerticalAc(0);
  speedSource.SetInitBracketsFull(true);
  speedSource.SetPageVerticalRange(5);
  speedSource.SetPageVerticalRangeAc(-1);
  TEditorSpeed speed;
  speed.Assign(speedSource);
  EXPECT_EQ(speed.CaretVerticalAc(), 1);
  EXPECT_TRUE(speed.InitBracketsFull());
  EXPECT_EQ(speed.PageVerticalRange(), 4);
  EXPECT_EQ(speed.PageVerticalRangeAc(), 1);
}

TEST(EditorOptions, AssignFromAnotherClassIsRefused) {
  TEditorCursors cursors;
  TEditorCaret caret;
  TEditorMargin margin;
  TEditorMark mark;
  TEditorMarks marks;
  auto view = TEditorViewInfo::New(nullptr);
  TEditorRuler ruler;
  TEditorLeftbar leftbar;
  TEditorImagebar imagebar;
  TEditorSpeed speed;
  const TOther other;
  const std::pair<platform::TPersistent*, const platform::TPersistent*> pairs[] = {
      {&cursors, &other}, {&caret, &cursors},  {&margin, &other},  {&mark, &marks},
      {&marks, &mark},    {view.get(), &other}, {&ruler, &leftbar}, {&leftbar, &ruler},
      {&imagebar, &other}, {&speed, &other}};
  for (auto [target, source] : pairs) {
    try {
      target->Assign(*source);
      ADD_FAILURE() << target->ClassName() << " took a " << source->ClassName();
    } catch (const platform::EConvertError& error) {
      EXPECT_EQ(error.what(), source->ClassName() + " を " + target->ClassName() +
                                  " に代入することはできません");
    }
  }
}

TEST(EditorMarks, ChangesOfAnyMarkAreChangesOfTheSet) {
  TEditorMarks marks;
  Recorder recorder;
  marks.SetOnChange(recorder.Event());
  marks.RetMark().SetColor(platform::clRed);
  EXPECT_EQ(recorder.senders, std::vector<TObject*>{&marks});
  for (TEditorMark* mark : {&marks.EofMark(), &marks.WrapMark(), &marks.HideMark(),
                            &marks.Underline()}) {
    mark->SetVisible(true);
  }
  EXPECT_EQ(recorder.Count(), 5);

  TEditorMark given;
  given.SetColor(platform::clLime);
  TEditorMark& owned = marks.Underline();
  marks.SetUnderline(given);
  EXPECT_EQ(&marks.Underline(), &owned);
  EXPECT_EQ(owned.Color(), platform::clLime);
  EXPECT_FALSE(owned.Visible());
  EXPECT_EQ(recorder.Count(), 6);

  TEditorMarks source;
  source.EofMark().SetVisible(true);
  source.HideMark().SetColor(platform::clBlack);
  marks.Assign(source);
  EXPECT_EQ(recorder.Count(), 7);
  EXPECT_TRUE(marks.EofMark().Visible());
  EXPECT_FALSE(marks.RetMark().Visible());
  EXPECT_EQ(marks.RetMark().Color(), platform::clGray);
  EXPECT_EQ(marks.HideMark().Color(), platform::clBlack);
  EXPECT_EQ(marks.Underline().Color(), platform::clGray);
}

// A view info whose colours refuse to be assigned, reached through the factories.
class TRefusingColors : public fountain::TEditorColors {
 public:
  using fountain::TEditorColors::TEditorColors;
  void Assign(const platform::TPersistent& /*Source*/) override {
    throw platform::EConvertError("refused");
  }
};

class TRefusingFountain : public fountain::TEditorFountain {
 public:
  using fountain::TEditorFountain::TEditorFountain;

 protected:
  std::unique_ptr<fountain::TEditorColors> CreateColors() override {
    auto colors = std::make_unique<TRefusingColors>(*this);
    colors->SetOnChange(ListenersChanged());
    return colors;
  }
};

class TRefusingViewInfo : public TEditorViewInfo {
 public:
  using TEditorViewInfo::TEditorViewInfo;

 protected:
  std::unique_ptr<fountain::TEditorFountain> CreateFountain() override {
    auto result = platform::NewComponent<TRefusingFountain>(nullptr);
    result->NotifyEventList().Add(FountainListener());
    return result;
  }
};

TEST(EditorViewInfo, SettersReportWhatTheFountainDoesNot) {
  TEditorMargin control;  // any persistent object stands in for the owning control
  auto view = TEditorViewInfo::New(&control);
  EXPECT_EQ(view->GetOwner(), &control);
  EXPECT_EQ(view->Fountain().Owner(), nullptr);
  EXPECT_TRUE(view->Commenter().empty() && view->Quotation().empty());
  EXPECT_FALSE(view->Mail() || view->Url() || view->ControlCode());
  Recorder recorder;
  view->SetOnChange(recorder.Event());

  view->SetMail(false);
  view->SetMail(true);
  view->SetUrl(true);
  view->SetControlCode(true);
  view->SetCommenter("//");
  view->SetCommenter(std::string("//"));
  view->SetHexPrefix("0x");
  EXPECT_EQ(recorder.Count(), 5);
  EXPECT_TRUE(view->Fountain().Mail() && view->Fountain().ControlCode());
  EXPECT_EQ(view->Fountain().HexPrefix(), "0x");

  view->SetQuotation("\"'");
  EXPECT_EQ(view->Quotation(), "\"");
  view->SetQuotation("\"x");  // the same first byte
  EXPECT_EQ(recorder.Count(), 6);
  view->SetQuotation("\x82\xa0");  // only the lead byte of a double-byte character
  EXPECT_EQ(view->Fountain().Quotation(), "\x82");
  view->SetQuotation("");
  EXPECT_TRUE(view->Quotation().empty());
  EXPECT_EQ(recorder.Count(), 8);

  // On the fountain itself these are plain fields.
  view->Fountain().SetUrl(false);
  EXPECT_EQ(recorder.Count(), 8);
  // Colours and brackets report through the fountain's listeners, as changes of the view info.
  view->Colors().Url().SetColor(platform::clBlue);
  view->Fountain().Reserve().SetStyle({platform::fsBold});
  view->Brackets().Add();
  view->Brackets().SetColor(platform::clRed);
  EXPECT_EQ(recorder.Count(), 12);
  EXPECT_EQ(recorder.senders.back(), view.get());
  EXPECT_EQ(view->Fountain().NotifyEventList().List().Count(), 1);
}

TEST(EditorViewInfo, AssignIsOneChangeAndEndsTheBatchWhenAStepFails) {
  auto source = TEditorViewInfo::New(nullptr);
  source->SetCommenter(";");
  source->SetQuotation("'");
  source->SetUrl(true);
  source->SetHexPrefix("$");
  source->Colors().Str().SetColor(platform::clMaroon);
  source->Brackets().Add().SetLeftBracket("(");
  source->Brackets().Add().SetLeftBracket("[");

  auto view = TEditorViewInfo::New(nullptr);
  Recorder recorder;
  view->SetOnChange(recorder.Event());
  view->Assign(*source);
  EXPECT_EQ(recorder.Count(), 1);
  EXPECT_EQ(view->Commenter(), ";");
  EXPECT_EQ(view->Quotation(), "'");
  EXPECT_EQ(view->HexPrefix(), "$");
  EXPECT_TRUE(view->Url());
  EXPECT_FALSE(view->Mail());
  EXPECT_EQ(view->Colors().Str().Color(), platform::clMaroon);
  ASSERT_EQ(view->Brackets().Count(), 2);
  EXPECT_EQ(view->Brackets().Items(1).LeftBracket(), "[");

  auto refusing = TEditorViewInfo::New<TRefusingViewInfo>(nullptr);
  ASSERT_NE(dynamic_cast<TRefusingFountain*>(&refusing->Fountain()), nullptr);
  Recorder refusals;
  refusing->SetOnChange(refusals.Event());
  EXPECT_THROW(refusing->Assign(*source), platform::EConvertError);
  EXPECT_EQ(refusing->UpdateCount(), 0);
  EXPECT_EQ(refusals.Count(), 1);
  EXPECT_EQ(refusing->Brackets().Count(), 2);  // copied before the colours failed
  EXPECT_TRUE(refusing->Commenter().empty());  // never reached
  refusing->SetUrl(true);
  EXPECT_EQ(refusals.Count(), 2);
}

}  // namespace
}  // namespace editor
