// The single-line edit as it shows on screen: the password character, the selection's
// highlight, horizontal scrolling that keeps the caret in view, the embedded buttons and their
// clicks, auto size, alignment, the caption label, and what a form stream keeps of it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "buttons/ZYLSpecialButtons.h"
#include "display/ZYLBoundLabel.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaret.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Clipbrd.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/ContainerScope.h"
#include "tests/support/FocusLog.h"
#include "tests/support/FormText.h"
#include "tests/support/GlobalListStream.h"
#include "tests/support/PressCut.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

class SingleLineEditTest : public ::testing::Test {
 protected:
  SingleLineEditTest() { edit_ = host_.Edit("Edit1", 10, 10, 120); }
  THost host_;
  TZYLEdit* edit_ = nullptr;
};

// OnAfterEnter and OnAfterExit, bound through their published names as a form binds them, come
// once the focus has moved; they are the control base's events, one of each name.
TEST_F(SingleLineEditTest, AfterEnterAndAfterExitComeOnceTheFocusHasMoved) {
  using testsupport::TFocusLog;
  TFocusLog log(edit_);
  TZYLEdit* other = host_.Edit("Other", 10, 60, 120);
  THost::Focus(other);
  const vcl::TNotifyEvent afterEnter(&log, &TFocusLog::AfterEnter);
  const vcl::TNotifyEvent afterExit(&log, &TFocusLog::AfterExit);
  vcl::SetMethodProp(edit_, "OnAfterEnter", afterEnter.Method());
  vcl::SetMethodProp(edit_, "OnAfterExit", afterExit.Method());
  const TZYLCustomControl* base = edit_;
  EXPECT_TRUE(base->GetOnAfterEnter() == afterEnter);
  EXPECT_TRUE(base->GetOnAfterExit() == afterExit);
  edit_->SetFocus();
  EXPECT_TRUE(log.Log.empty()) << "posted, not yet come";
  tk::RunUntilIdle();
  THost::Focus(other);
  EXPECT_EQ(log.Log, (std::vector<std::string>{"after enter focused", "after exit not focused"}));
}

TEST_F(SingleLineEditTest, PasswordCharacterShowsInPlaceOfEveryCharacterAndBlocksCopying) {
  TZYLEdit* plain = host_.Edit("Plain", 10, 60, 120);
  plain->SetText("***");
  edit_->SetText("abc");
  edit_->Perform(win::EM_SETPASSWORDCHAR, '*', 0);
  EXPECT_EQ(edit_->ShownText(), "***");
  EXPECT_EQ(edit_->Perform(win::EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_TRUE(tk::SamePixels(host_.Shot(edit_), host_.Shot(plain), "password_shown"));
  THost::Focus(edit_);
  vcl::Clipboard()->SetAsText("kept");
  THost::Chord('A', false, true);
  THost::Chord('C', false, true);
  THost::Chord('X', false, true);
  EXPECT_EQ(vcl::Clipboard()->AsText(), "kept");
  EXPECT_EQ(edit_->RawText(), "abc");
  tk::TypeText("d");
  EXPECT_EQ(edit_->ShownText(), "*");  // typed over the selection
  edit_->SetPasswordChar(0);
  EXPECT_EQ(edit_->ShownText(), "d");
}

TEST_F(SingleLineEditTest, TheSelectionIsPaintedInTheHighlightColoursWhileFocused) {
  edit_->SetHighlightBack(vcl::clLime);
  edit_->SetHighlightText(vcl::clLime);  // the selected letters vanish into their ground
  edit_->SetText("select me");
  THost::Focus(edit_);
  edit_->Select(1, 6);
  const vcl::TRect& r = edit_->TextRect();
  const int x0 = edit_->TextOrigin();
  const int right = x0 + edit_->PrefixWidth(6);
  const win::RECT sel{x0, r.Top, right, r.Top + 10};
  EXPECT_TRUE(tk::PixelsMatch(
      host_.Shot(edit_), [](int, int) { return vcl::ColorToRGB(vcl::clLime); }, "selection_lime",
      sel));
  // Unfocused with HideSelection the highlight goes; without HideSelection it stays.
  TZYLEdit* other = host_.Edit("Other", 10, 60, 120);
  THost::Focus(other);
  const win::testkit::TCapture hidden = host_.Shot(edit_);
  EXPECT_NE(hidden.Color(x0 + 1, r.Top + 2), vcl::ColorToRGB(vcl::clLime));
  edit_->SetHideSelection(false);
  edit_->Select(1, 6);
  EXPECT_EQ(host_.Shot(edit_).Color(x0 + 1, r.Top + 2), vcl::ColorToRGB(vcl::clLime));
}

TEST_F(SingleLineEditTest, TypingPastTheRightEdgeScrollsAndHomeScrollsBack) {
  edit_->SetBounds(10, 10, 60, 21);
  THost::Focus(edit_);
  tk::TypeText("the quick brown fox jumps");
  EXPECT_GT(edit_->ScrollOffset(), 0);
  const vcl::TRect& r = edit_->TextRect();
  const int caretX = edit_->Caret()->GetPos(TZYLCaret::piX);
  EXPECT_GE(caretX, r.Left);
  EXPECT_LE(caretX, r.Right + 1);
  tk::KeyPress(win::VK_HOME);
  EXPECT_EQ(edit_->ScrollOffset(), 0);
  EXPECT_EQ(edit_->Caret()->GetPos(TZYLCaret::piX), r.Left);
  // A click right of the last character after scrolling to the end puts the caret at the end.
  tk::KeyPress(win::VK_END);
  const win::POINT p = THost::At(edit_, r.Right - 1, 8);
  tk::AdvanceClock(1000);
  tk::Click(p.X, p.Y);
  EXPECT_EQ(edit_->CaretPos(), edit_->GetLength() + 1);
}

TEST_F(SingleLineEditTest, HoldingTheButtonRightOfTheEditKeepsScrollingTheSelectionOn) {
  edit_->SetBounds(10, 10, 60, 21);
  edit_->SetText("the quick brown fox jumps over the lazy dog");
  const win::POINT start = THost::At(edit_, 3, 8);
  const win::POINT outside = THost::At(edit_, 70, 8);
  tk::MouseDown(start.X, start.Y);
  tk::MouseMove(outside.X, outside.Y);
  const int first = edit_->SelLength();
  tk::AdvanceClock(1000);  // five ticks of the auto-scroll timer
  const int later = edit_->SelLength();
  tk::MouseUp(outside.X, outside.Y);
  EXPECT_GT(first, 0);
  EXPECT_GT(later, first);
  EXPECT_GT(edit_->ScrollOffset(), 0);
  tk::AdvanceClock(1000);  // released: the timer is gone
  EXPECT_EQ(edit_->SelLength(), later);
}

// A held selection or a dragged one cut short before the button is let go: a modal form comes
// up (closed at once), the edit is disabled or hidden, the focus or the mouse goes to another
// window. The selection stays as it was then: the clock, the mouse moving on and its release
// change neither it nor the text, the drag's cursor is put back, and nothing keeps the mouse.
using testsupport::TCut;
using testsupport::TCutter;

struct TCutCase {
  const char* Name;
  bool Moving;  // the selection dragged to a new place, else a selection held past the edge
  TCut How;
  bool FromHandler = false;  // made by the edit's OnMouseDown, before the edit's own work
};

class EditSelectionCut : public SingleLineEditTest,
                         public ::testing::WithParamInterface<TCutCase> {};

TEST_P(EditSelectionCut, TheSelectionAndTheTextStayAsTheyWere) {
  const TCutCase& c = GetParam();
  TZYLEdit* other = host_.Edit("Other", 10, 60, 120);
  edit_->SetBounds(10, 10, 60, 21);
  const std::string text = "the quick brown fox jumps over the lazy dog";
  edit_->SetText(text);
  const vcl::TCursor cursor = vcl::Screen->Cursor();
  THost::Focus(edit_);
  if (c.Moving) edit_->Select(1, 3, 4);  // "the"
  const auto cut = [&] { testsupport::CutPress(c.How, edit_, other); };
  TCutter cutter;
  if (c.FromHandler) {
    cutter.Cut = cut;
    edit_->OnMouseDown = vcl::TMouseEvent(&cutter, &TCutter::Down);
  }
  // Cut before the edit began, the press selects nothing.
  const int startedAt = edit_->SelStart(), startedWith = edit_->SelLength();
  const win::POINT start = THost::At(edit_, 6, 8), outside = THost::At(edit_, 70, 8);
  tk::AdvanceClock(1000);
  tk::MouseDown(start.X, start.Y);
  tk::MouseMove(outside.X, outside.Y);
  tk::AdvanceClock(200);
  if (!c.FromHandler) cut();
  const int selStart = c.FromHandler ? startedAt : edit_->SelStart();
  const int selLength = c.FromHandler ? startedWith : edit_->SelLength();
  tk::AdvanceClock(1000);
  tk::MouseMove(outside.X + 20, outside.Y);
  tk::MouseUp(outside.X + 20, outside.Y);
  if (c.How == TCut::CaptureTaken) win::ReleaseCapture();
  tk::AdvanceClock(1000);
  EXPECT_EQ(edit_->SelStart(), selStart);
  EXPECT_EQ(edit_->SelLength(), selLength);
  EXPECT_EQ(edit_->Text(), text);
  EXPECT_EQ(vcl::Screen->Cursor(), cursor);
  EXPECT_EQ(win::GetCapture(), nullptr);
}

std::vector<TCutCase> CutCases() {
  const std::pair<const char*, TCut> ways[] = {{"Modal", TCut::Modal},
                                               {"Disabled", TCut::Disabled},
                                               {"Hidden", TCut::Hidden},
                                               {"FocusMoved", TCut::FocusMoved},
                                               {"CaptureTaken", TCut::CaptureTaken}};
  std::vector<TCutCase> cases;
  for (bool moving : {false, true})
    for (const auto& [name, how] : ways) cases.push_back({name, moving, how});
  // From the handler: the focus moved there is the edit's own taking it, and another window
  // taking the mouse is let go by the edit's press.
  for (const auto& [name, how] : ways)
    if (how != TCut::FocusMoved && how != TCut::CaptureTaken)
      cases.push_back({name, false, how, true});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, EditSelectionCut, ::testing::ValuesIn(CutCases()),
                         [](const auto& info) {
                           return std::string(info.param.Moving ? "Moved" : "Held") +
                                  info.param.Name +
                                  (info.param.FromHandler ? "FromOnMouseDown" : "");
                         });

TEST_F(SingleLineEditTest, EmbeddedButtonsStandRightOfTheTextAndReportTheirClicks) {
  edit_->SetOnBtnClick(TZYLOnBtnClick(&host_.Events(), &edittest::TRecorder::BtnClick));
  edit_->CustomButtons()->Add();
  edit_->CustomButtons()->Add();
  THost::Idle();
  const int client = edit_->ClientWidth();
  EXPECT_EQ(edit_->PaintRect().Right, client - 33);
  TZYLCustomSpeedButton* second = edit_->CustomButtons()->GetItem(1)->Button();
  EXPECT_EQ(second->Left(), client - 33 + 16 + 1);
  EXPECT_EQ(second->Width(), 16);
  const win::POINT p = THost::At(edit_, second->Left() + 8, second->Top() + 5);
  tk::Click(p.X, p.Y);
  edit_->BtnClick(0);
  edit_->BtnClick(7);  // no such button: ignored
  EXPECT_EQ(host_.Events().Take(), "button1 button0");
  edit_->SetCustomButtonWidth(20);
  EXPECT_EQ(edit_->PaintRect().Right, client - 41);
}

// A button freed by code leaves its place empty; the edit lays out and styles the others.
TEST_F(SingleLineEditTest, AButtonFreedByCodeLeavesItsPlaceAndTheOthersFollowTheEdit) {
  edit_->CustomButtons()->Add();
  edit_->CustomButtons()->Add();
  delete edit_->CustomButtons()->GetItem(0)->Button();
  edit_->SetBounds(10, 10, 150, 24);
  edit_->SetCustomButtonXP(true);
  edit_->SetCtlXP(!edit_->GetCtlXP());
  edit_->SetCustomButtonWidth(20);
  THost::Idle();
  const int client = edit_->ClientWidth();
  EXPECT_EQ(edit_->PaintRect().Right, client - 41);
  TZYLCustomSpeedButton* second = edit_->CustomButtons()->GetItem(1)->Button();
  EXPECT_EQ(second->Left(), client - 41 + 20 + 1);
  EXPECT_EQ(second->Width(), 20);
  EXPECT_EQ(edit_->CustomButtons()->GetItem(1)->CtlXP(), edit_->GetCtlXP());
}

TEST_F(SingleLineEditTest, AutoSizeFollowsTheFontAndLeavesRoomForTheButtons) {
  edit_->CustomButtons()->Add();
  edit_->CustomButtons()->Add();
  edit_->SetBounds(10, 10, 40, 50);
  edit_->Font()->SetSize(14);
  edit_->SetAutoSize(true);
  vcl::TBitmap b;
  b.Canvas()->SetFont(edit_->Font());
  EXPECT_EQ(edit_->Height(), b.Canvas()->TextHeight("Qp") * 5 / 4 + 5);
  EXPECT_EQ(edit_->Width(), 62);
  edit_->Font()->SetSize(8);
  b.Canvas()->SetFont(edit_->Font());
  EXPECT_EQ(edit_->Height(), b.Canvas()->TextHeight("Qp") * 5 / 4 + 5);
}

// The height also follows the bevel: a change of its mode or of its width sizes the edit anew
// (the text row plus twice the bevel, or plus 5 for the platform's border).
TEST_F(SingleLineEditTest, AutoSizeFollowsTheBevel) {
  edit_->SetAutoSize(true);
  vcl::TBitmap b;
  b.Canvas()->SetFont(edit_->Font());
  const int row = b.Canvas()->TextHeight("Qp") * 5 / 4;
  struct TStep {
    const char* Name;
    std::function<void()> Change;
    int Height;
  };
  const TStep steps[] = {
      {"own bevel", [&] { edit_->Bevel()->SetMode(bmStandard); }, -1},
      {"wider border", [&] { edit_->Bevel()->SetBorderWidth(3); }, -1},
      {"platform's border", [&] { edit_->Bevel()->SetMode(bmWindows); }, row + 5},
  };
  for (const TStep& step : steps) {
    step.Change();
    edittest::THost::Idle();
    const int want = step.Height >= 0 ? step.Height : row + 2 * edit_->Bevel()->GetBevelExtend();
    EXPECT_EQ(edit_->Height(), want) << step.Name;
  }
}

TEST_F(SingleLineEditTest, AnotherFontIsMeasuredWithThatFont) {
  edit_->SetText("abcdef");
  const int narrow = edit_->PrefixWidth(6);
  edit_->Font()->SetHeight(edit_->Font()->Height() * 2);
  edittest::THost::Idle();
  edit_->Canvas()->SetFont(edit_->Font());
  EXPECT_EQ(edit_->PrefixWidth(6), edit_->Canvas()->TextWidth("abcdef"));
  EXPECT_GT(edit_->PrefixWidth(6), narrow);
}

TEST_F(SingleLineEditTest, AlignmentPlacesTheTextOrigin) {
  edit_->SetText("abc");
  const vcl::TRect& r = edit_->TextRect();
  const int w = edit_->PrefixWidth(3);
  edit_->SetAlignment(vcl::taRightJustify);
  EXPECT_EQ(edit_->TextOrigin(), r.Right - w);
  edit_->SetAlignment(vcl::taCenter);
  EXPECT_EQ(edit_->TextOrigin(), r.Left + ((r.Right - r.Left) - w) / 2);
}

TEST_F(SingleLineEditTest, TheCaptionLabelFollowsItsEdit) {
  auto* e = new TZYLLabeledEdit(host_.Form());
  e->SetName("Named");
  e->SetBounds(100, 100, 80, 21);
  e->SetParent(host_.Form());
  ASSERT_NE(e->EditLabel(), nullptr);
  TZYLBoundLabel* l = e->EditLabel();
  EXPECT_EQ(l->Top(), 100 - l->Height() - 3);
  e->SetLabelPosition(vcl::lpLeft);
  e->SetLabelSync(true);
  e->SetBounds(100, 100, 80, 30);
  EXPECT_EQ(l->Height(), 30);
  EXPECT_EQ(l->Left(), 100 - l->Width() - 3);
  e->SetLabelSync(false);
  e->SetBounds(100, 100, 80, 40);
  EXPECT_EQ(l->Height(), 30);
  e->SetVisible(false);
  EXPECT_FALSE(l->Visible());
}

// Writes Form into a text form and reads it back into a fresh form.
std::unique_ptr<vcl::TForm> RoundTrip(vcl::TForm* Form, std::string* Text = nullptr) {
  vcl::TMemoryStream binary;
  binary.WriteComponent(Form);
  binary.SetPosition(0);
  vcl::TMemoryStream text;
  vcl::ObjectBinaryToText(&binary, &text);
  if (Text) *Text = std::string(static_cast<const char*>(text.Memory()), text.Size());
  binary.SetPosition(0);
  auto copy = std::make_unique<vcl::TForm>(nullptr);
  binary.ReadComponent(copy.get());
  return copy;
}

TEST_F(SingleLineEditTest, FormStreamsKeepTheLabelOnlyWhenThereIsOne) {
  ZYLEditUnit.Init();
  auto* labeled = new TZYLLabeledEdit(host_.Form());
  labeled->SetName("Labeled");
  labeled->SetParent(host_.Form());
  labeled->EditLabel()->SetCaption("Name:");
  edit_->SetText("kept");
  edit_->SetPasswordChar('#');
  std::string text;
  auto copy = RoundTrip(host_.Form(), &text);
  EXPECT_EQ(text.find("SubLabel"), text.rfind("SubLabel"));  // once: the labeled edit's
  EXPECT_NE(text.find("SubLabel"), std::string::npos);
  auto* e = dynamic_cast<TZYLEdit*>(copy->FindComponent("Edit1"));
  auto* l = dynamic_cast<TZYLLabeledEdit*>(copy->FindComponent("Labeled"));
  ASSERT_TRUE(e && l);
  EXPECT_EQ(e->RawText(), "kept");
  EXPECT_EQ(e->PasswordChar(), '#');
  EXPECT_EQ(l->EditLabel()->Caption(), "Name:");
  copy.reset();
  ZYLEditUnit.FInit();
}

// The edit's own list and its caret's list may each be a list of the global container or one of
// the form: each comes back to its own property when the form is read again.
TEST_F(SingleLineEditTest, ItsListAndItsCaretsListComeBackWhenTheFormIsReadAgain) {
  testsupport::TContainerScope container;
  ZYLEditUnit.Init();
  testsupport::ExpectEveryPickSurvivesTheForm(
      TZYLEdit::StaticClass(), {{"ImageList", "Internal"}, {"Caret.ImageList", "Caret.Internal"}});
  ZYLEditUnit.FInit();
}

TEST_F(SingleLineEditTest, TheRetiredButtonStylePropertyIsReadIntoCustomButtonsStyle) {
  ZYLEditUnit.Init();
  const std::string form =
      "object F: TForm\n"
      "  object E: TZYLEdit\n"
      "    CustomButtonStyle = ubsOffice\n"
      "  end\n"
      "end\n";
  auto f = testsupport::FormFromText(form);
  auto* e = dynamic_cast<TZYLEdit*>(f->FindComponent("E"));
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->CustomButtonsStyle(), ubsOffice);
  std::string written;
  RoundTrip(f.get(), &written);
  EXPECT_EQ(written.find("CustomButtonStyle "), std::string::npos);
  EXPECT_NE(written.find("CustomButtonsStyle = ubsOffice"), std::string::npos);
  f.reset();
  ZYLEditUnit.FInit();
}

}  // namespace
}  // namespace zyl
