// Size constraints, the bidirectional mode with its parent inheritance, and the drag kind and
// dock events that are stored and bound but never fired.
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/text/Text.h"

namespace vcl::testing {
namespace {

using ConstraintsTest = ControlsTest;
using BiDiModeTest = ControlsTest;
using DockPropsTest = ControlsTest;
using namespace win;

// The text form of a component written to a stream.
std::string TextOf(TComponent* c) { return ObjectBinaryToTextString(WriteComponentToBytes(c)); }

// Reads a form from its text into a new form of class T.
template <class T = TForm>
std::unique_ptr<T> ReadText(const TObj& text) {
  RegisterStandardControls();
  return FormFromText<T>(text);
}

TEST_F(ConstraintsTest, LimitsKeepMinimumBelowMaximumAndRejectNegativeSizes) {
  TSizeConstraints c;
  TLog changes;
  c.SetOnChange(changes.Counter());
  c.SetMinWidth(50);
  c.SetMaxWidth(40);  // below the minimum: the minimum follows
  EXPECT_EQ(c.MinWidth(), 40);
  c.SetMaxHeight(30);
  c.SetMinHeight(60);  // above the maximum: the maximum follows
  EXPECT_EQ(c.MaxHeight(), 60);
  EXPECT_EQ(changes.Count, 4);
  c.SetMinHeight(60);  // unchanged: no signal
  EXPECT_EQ(changes.Count, 4);
  // 0 removes a limit without touching the other side.
  c.SetMaxWidth(0);
  EXPECT_EQ(c.MinWidth(), 40);
  EXPECT_THROW(c.SetMaxWidth(-1), ERangeError);
  EXPECT_THROW(c.SetConstraints(4, 10), ERangeError);
  EXPECT_EQ(c.MaxWidth(), 0);
  EXPECT_EQ(changes.Count, 5);

  TSizeConstraints copy;
  copy.Assign(&c);
  EXPECT_EQ(copy.MinWidth(), 40);
  EXPECT_EQ(copy.MinHeight(), 60);
  EXPECT_EQ(copy.MaxHeight(), 60);
  TFont font;
  EXPECT_THROW(copy.Assign(&font), EConvertError);
}

TEST_F(ConstraintsTest, SetBoundsIsLimitedAndNewLimitsApplyAtOnce) {
  TPanel p(nullptr);
  p.SetBounds(0, 0, 100, 100);
  p.Constraints()->SetMaxWidth(80);
  EXPECT_EQ(p.Width(), 80);
  p.Constraints()->SetMinHeight(120);
  EXPECT_EQ(p.Height(), 120);
  p.SetBounds(5, 6, 500, 10);
  EXPECT_EQ(p.BoundsRect(), Rect(5, 6, 85, 126));
  // The position still moves when the size is refused.
  p.SetBounds(7, 8, 90, 130);
  EXPECT_EQ(p.BoundsRect(), Rect(7, 8, 87, 138));
  // Lifting a limit does not grow the control back by itself.
  p.Constraints()->SetMaxWidth(0);
  EXPECT_EQ(p.Width(), 80);
  p.SetWidth(300);
  EXPECT_EQ(p.Width(), 300);
  // Assigning a whole set of constraints applies them too.
  TLabel l(nullptr);
  l.SetAutoSize(false);
  l.Constraints()->SetMaxHeight(10);
  l.SetBounds(0, 0, 30, 40);
  EXPECT_EQ(l.Height(), 10);
  TSizeConstraints limits;
  limits.SetMinWidth(50);
  l.SetConstraints(&limits);
  EXPECT_EQ(l.Width(), 50);
  EXPECT_EQ(l.Constraints()->MaxHeight(), 0);
}

TEST_F(ConstraintsTest, AShownFormKeepsToItsLimitsAlsoWhenTheWindowIsResizedDirectly) {
  TForm form(nullptr);
  form.SetBounds(20, 20, 300, 200);
  form.Constraints()->SetMaxWidth(250);
  form.Constraints()->SetMinHeight(150);
  form.Constraints()->SetMinWidth(120);
  EXPECT_EQ(form.Width(), 250);
  ShowNow(&form);
  form.SetBounds(20, 20, 100, 100);
  EXPECT_EQ(form.BoundsRect(), Rect(20, 20, 140, 170));
  // A size asked of the window system directly: the form answers WM_GETMINMAXINFO.
  SetWindowPos(form.Handle(), nullptr, 0, 0, 600, 90, SWP_NOMOVE | SWP_NOZORDER);
  Idle();
  EXPECT_EQ(form.Width(), 250);
  EXPECT_EQ(form.Height(), 150);
}

TEST_F(ConstraintsTest, AnchoredAndAlignedControlsAreLimitedAndTheOthersTakeTheRoomLeft) {
  TPanel host(nullptr);
  host.SetBevelOuter(bvNone);
  host.SetBounds(0, 0, 200, 100);
  auto* c = Place<TPanel>(&host, 10, 10, 100, 50);
  c->SetAnchors({akLeft, akTop, akRight, akBottom});
  c->Constraints()->SetMaxWidth(150);
  c->Constraints()->SetMinHeight(40);
  host.SetBounds(0, 0, 400, 50);
  EXPECT_EQ(c->Width(), 150);
  EXPECT_EQ(c->Height(), 40);
  // The rules still come from the size placed by hand.
  host.SetBounds(0, 0, 200, 100);
  EXPECT_EQ(c->BoundsRect(), Rect(10, 10, 110, 60));

  TPanel aligned(nullptr);
  aligned.SetBevelOuter(bvNone);
  aligned.SetBounds(0, 0, 300, 200);
  auto* top = new TPanel(&aligned);
  top->SetBounds(0, 0, 10, 30);
  top->Constraints()->SetMaxWidth(250);
  top->SetAlign(alTop);
  top->SetParent(&aligned);
  auto* client = new TPanel(&aligned);
  client->Constraints()->SetMaxHeight(100);
  client->SetAlign(alClient);
  client->SetParent(&aligned);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 250, 30));
  EXPECT_EQ(client->BoundsRect(), Rect(0, 30, 300, 130));
}

TObj ConstrainedForm(const char* panelMaxWidth) {
  return {
      "ConstrainedForm: TForm",
      {"Left = 0", "Top = 0", "Width = 300", "Height = 200", "Constraints.MinWidth = 200"},
      {{"Panel1: TPanel",
        {"Left = 0", "Top = 0", "Width = 180", "Height = 60",
         std::string("Constraints.MaxWidth = ") + panelMaxWidth, "Constraints.MaxHeight = 50"}}}};
}

TEST_F(ConstraintsTest, StreamsCarryOnlySetLimitsAndLoadingAppliesThem) {
  auto form = ReadText(ConstrainedForm("120"));
  auto* panel = Find<TPanel>(form.get(), "Panel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(form->Constraints()->MinWidth(), 200);
  EXPECT_EQ(panel->Constraints()->MaxWidth(), 120);
  // The size read before the limits is limited once loading is over.
  EXPECT_EQ(panel->Width(), 120);
  EXPECT_EQ(panel->Height(), 50);
  const std::string text = TextOf(form.get());
  for (const char* stored :
       {"Constraints.MinWidth = 200", "Constraints.MaxWidth = 120", "Constraints.MaxHeight = 50"})
    EXPECT_NE(text.find(stored), std::string::npos) << stored << "\n" << text;
  EXPECT_EQ(text.find("Constraints.MinHeight"), std::string::npos);
  EXPECT_EQ(text.find("Constraints.MaxWidth = 0"), std::string::npos);
  // A negative limit in a stream is a read error, not a silent value.
  EXPECT_ANY_THROW(ReadText(ConstrainedForm("-5")));
}

TEST_F(BiDiModeTest, TheModeIsInheritedByChildrenUntilTheyChooseTheirOwn) {
  TPanel host(nullptr);
  auto* inner = Place<TPanel>(&host, 0, 0, 50, 50);
  auto* label = Place<TLabel>(inner, 0, 0, 10, 10, nullptr, &host);
  auto* own = Place<TLabel>(inner, 0, 20, 10, 10, nullptr, &host);
  own->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_FALSE(own->ParentBiDiMode());
  EXPECT_EQ(host.BiDiMode(), bdLeftToRight);
  host.SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(inner->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(label->ParentBiDiMode());
  EXPECT_EQ(own->BiDiMode(), bdRightToLeftReadingOnly);
  // Asking for the parent's mode again takes it at once.
  own->SetParentBiDiMode(true);
  EXPECT_EQ(own->BiDiMode(), bdRightToLeft);
  // A control placed later adopts its new parent's mode; stored only when not inherited.
  auto* late = Place<TLabel>(inner, 0, 40, 10, 10, nullptr, &host);
  EXPECT_EQ(late->BiDiMode(), bdRightToLeft);
  EXPECT_FALSE(IsStoredProp(late, "BiDiMode"));
  EXPECT_TRUE(IsStoredProp(&host, "BiDiMode"));
}

// A mode, and what the layout questions and DrawText flags answer under it.
struct TBiDiCase {
  TBiDiMode Mode;
  bool Alignment, Reading, ScrollBar;
  UINT LeftFlags, RightFlags, CentreFlags;
};

TEST_F(BiDiModeTest, LayoutQuestionsAndTextFlagsAnswerByTheMode) {
  // Left and right swap only when the alignment is mirrored; reading order is added for any
  // right-to-left mode.
  const TBiDiCase cases[] = {{bdLeftToRight, false, false, false, DT_LEFT, DT_RIGHT, DT_CENTER},
                             {bdRightToLeft, true, true, true, DT_RIGHT | DT_RTLREADING,
                              DT_LEFT | DT_RTLREADING, DT_CENTER | DT_RTLREADING},
                             {bdRightToLeftNoAlign, false, true, true, DT_LEFT | DT_RTLREADING,
                              DT_RIGHT | DT_RTLREADING, DT_CENTER | DT_RTLREADING},
                             {bdRightToLeftReadingOnly, false, true, false, DT_LEFT | DT_RTLREADING,
                              DT_RIGHT | DT_RTLREADING, DT_CENTER | DT_RTLREADING}};
  TLabel l(nullptr);
  for (const TBiDiCase& c : cases) {
    l.SetBiDiMode(c.Mode);
    SCOPED_TRACE(static_cast<int>(c.Mode));
    EXPECT_EQ(l.UseRightToLeftAlignment(), c.Alignment);
    EXPECT_EQ(l.UseRightToLeftReading(), c.Reading);
    EXPECT_EQ(l.UseRightToLeftScrollBar(), c.ScrollBar);
    EXPECT_EQ(l.IsRightToLeft(), c.Mode != bdLeftToRight);
    EXPECT_EQ(l.DrawTextBiDiModeFlags(DT_LEFT | DT_WORDBREAK), c.LeftFlags | DT_WORDBREAK);
    EXPECT_EQ(l.DrawTextBiDiModeFlags(DT_RIGHT | DT_SINGLELINE), c.RightFlags | DT_SINGLELINE);
    EXPECT_EQ(l.DrawTextBiDiModeFlags(DT_CENTER), c.CentreFlags);
    EXPECT_EQ(l.DrawTextBiDiModeFlagsReadingOnly(), c.Reading ? DT_RTLREADING : 0u);
  }
}

TEST_F(BiDiModeTest, FormStreamsStoreTheModeWhereItIsNotInherited) {
  const TObj kBiDiForm{"BiDiForm: TForm",
                       {"Left = 0", "Top = 0", "Width = 200", "Height = 100",
                        "BiDiMode = bdRightToLeft", "ParentBiDiMode = False"},
                       {{"Panel1: TPanel",
                         {"Left = 0", "Top = 0", "Width = 100", "Height = 50"},
                         {{"Label1: TLabel", {"Left = 1", "Top = 1", "Caption = 'x'"}}}},
                        {"Label2: TLabel",
                         {"Left = 1", "Top = 60", "BiDiMode = bdLeftToRight",
                          "ParentBiDiMode = False", "Caption = 'y'"}}}};
  auto form = ReadText(kBiDiForm);
  auto* panel = Find<TPanel>(form.get(), "Panel1");
  auto* label1 = Find<TLabel>(form.get(), "Label1");
  auto* label2 = Find<TLabel>(form.get(), "Label2");
  ASSERT_TRUE(panel && label1 && label2);
  EXPECT_EQ(panel->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(label1->BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(label1->ParentBiDiMode());
  EXPECT_EQ(label2->BiDiMode(), bdLeftToRight);
  EXPECT_FALSE(label2->ParentBiDiMode());
  const std::string text = TextOf(form.get());
  const auto panelAt = text.find("object Panel1"), label2At = text.find("object Label2");
  ASSERT_NE(label2At, std::string::npos);
  EXPECT_LT(text.find("BiDiMode = bdRightToLeft"), panelAt) << text;
  // Nothing about the mode inside the panel, which inherits it.
  EXPECT_EQ(text.substr(panelAt, label2At - panelAt).find("BiDiMode"), std::string::npos) << text;
  EXPECT_NE(text.find("BiDiMode = bdLeftToRight", label2At), std::string::npos);
}

// A form whose handlers the stream binds to the dock events.
class TDockForm : public TForm {
  ZYL_CLASS(TDockForm, TForm)
  explicit TDockForm(TComponent* AOwner) : TForm(AOwner) {}
  TLines Log;
  void PanelStartDock(TObject*, TDragDockObject*&) { Log.push_back("start dock"); }
  void PanelEndDock(TObject*, TObject*, int, int) { Log.push_back("end dock"); }
  void PanelStartDrag(TObject*, TObject*&) { Log.push_back("start drag"); }
  void PanelEndDrag(TObject*, TObject*, int, int) { Log.push_back("end drag"); }
};

ZYL_CLASS_IMPL(TDockForm) {
  b.Method("PanelStartDock", &TDockForm::PanelStartDock)
      .Method("PanelEndDock", &TDockForm::PanelEndDock)
      .Method("PanelStartDrag", &TDockForm::PanelStartDrag)
      .Method("PanelEndDrag", &TDockForm::PanelEndDrag);
}

TEST_F(DockPropsTest, DragKindAndDockEventsAreStoredAndBoundButDockingNeverStarts) {
  TPanel plain(nullptr);
  EXPECT_EQ(plain.DragKind(), dkDrag);
  EXPECT_FALSE(plain.OnStartDock);
  EXPECT_EQ(TextOf(&plain).find("DragKind"), std::string::npos);

  RegisterClass(TDockForm::StaticClass());
  const TObj kDockForm{
      "DockForm: TDockForm",
      {"Left = 0", "Top = 0", "Width = 300", "Height = 200", "BorderStyle = bsNone"},
      {{"Panel1: TPanel",
        {"Left = 10", "Top = 10", "Width = 100", "Height = 60", "DragKind = dkDock",
         "DragMode = dmAutomatic", "OnEndDock = PanelEndDock", "OnEndDrag = PanelEndDrag",
         "OnStartDock = PanelStartDock", "OnStartDrag = PanelStartDrag"}},
       {"Panel2: TPanel", {"Left = 150", "Top = 10", "Width = 100", "Height = 60"}}}};
  auto form = ReadText<TDockForm>(kDockForm);
  auto* panel = Find<TPanel>(form.get(), "Panel1");
  auto* target = Find<TPanel>(form.get(), "Panel2");
  ASSERT_TRUE(panel && target);
  EXPECT_EQ(panel->DragKind(), dkDock);
  ASSERT_TRUE(panel->OnStartDock && panel->OnEndDock);
  EXPECT_EQ(form->MethodName(GetMethodProp(panel, "OnStartDock").Code), "PanelStartDock");
  // The bound handlers are the form's own methods.
  TDragDockObject* dock = nullptr;
  panel->OnStartDock(panel, dock);
  panel->OnEndDock(panel, nullptr, 0, 0);
  EXPECT_EQ(form->Log, (TLines{"start dock", "end dock"}));
  form->Log.clear();
  // Dragging the dock-kind panel is an ordinary drag: the dock events stay silent.
  ShowNow(form.get());
  win::testkit::Drag(ScreenOf(panel, 5, 5), ScreenOf(target, 20, 20));
  EXPECT_EQ(form->Log, (TLines{"start drag", "end drag"}));
  EXPECT_FALSE(panel->Dragging());
  const std::string text = TextOf(form.get());
  for (const char* want :
       {"DragKind = dkDock", "OnStartDock = PanelStartDock", "OnEndDock = PanelEndDock"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  form.reset();
  UnRegisterClass(TDockForm::StaticClass());
}

}  // namespace
}  // namespace vcl::testing
