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
using win::DT_CENTER;
using win::DT_LEFT;
using win::DT_RIGHT;
using win::DT_RTLREADING;
using win::DT_SINGLELINE;
using win::DT_WORDBREAK;

struct TChangeCounter : TObject {
  int Count = 0;
  void Changed(TObject*) { ++Count; }
};

TEST_F(ConstraintsTest, LimitsKeepMinimumBelowMaximumAndRejectNegativeSizes) {
  TSizeConstraints c;
  TChangeCounter counter;
  c.SetOnChange(TNotifyEvent(&counter, &TChangeCounter::Changed));
  c.SetMinWidth(50);
  c.SetMaxWidth(40);  // below the minimum: the minimum follows
  EXPECT_EQ(c.MaxWidth(), 40);
  EXPECT_EQ(c.MinWidth(), 40);
  c.SetMaxHeight(30);
  c.SetMinHeight(60);  // above the maximum: the maximum follows
  EXPECT_EQ(c.MinHeight(), 60);
  EXPECT_EQ(c.MaxHeight(), 60);
  EXPECT_EQ(counter.Count, 4);
  c.SetMinHeight(60);  // unchanged: no signal
  EXPECT_EQ(counter.Count, 4);
  // 0 removes a limit without touching the other side.
  c.SetMaxWidth(0);
  EXPECT_EQ(c.MinWidth(), 40);
  EXPECT_THROW(c.SetMaxWidth(-1), ERangeError);
  EXPECT_THROW(c.SetConstraints(4, 10), ERangeError);
  EXPECT_EQ(c.MaxWidth(), 0);
  EXPECT_EQ(counter.Count, 5);

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

  TLabel l(nullptr);
  l.SetAutoSize(false);
  l.Constraints()->SetMaxHeight(10);
  l.SetBounds(0, 0, 30, 40);
  EXPECT_EQ(l.Height(), 10);
  // Assigning a whole set of constraints applies them too.
  TSizeConstraints limits;
  limits.SetMinWidth(50);
  l.SetConstraints(&limits);
  EXPECT_EQ(l.Width(), 50);
  EXPECT_EQ(l.Constraints()->MaxHeight(), 0);
}

TEST_F(ConstraintsTest, AShownFormKeepsToItsLimitsAlsoWhenTheWindowIsResizedDirectly) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(20, 20, 300, 200);
  form->Constraints()->SetMaxWidth(250);
  form->Constraints()->SetMinHeight(150);
  form->Constraints()->SetMinWidth(120);
  EXPECT_EQ(form->Width(), 250);
  form->Show();
  Idle();
  form->SetBounds(20, 20, 100, 100);
  EXPECT_EQ(form->BoundsRect(), Rect(20, 20, 140, 170));
  // A size asked of the window system directly: the form answers WM_GETMINMAXINFO.
  win::SetWindowPos(form->Handle(), nullptr, 0, 0, 600, 90, win::SWP_NOMOVE | win::SWP_NOZORDER);
  Idle();
  EXPECT_EQ(form->Width(), 250);
  EXPECT_EQ(form->Height(), 150);
  form.reset();
}

TEST_F(ConstraintsTest, AnAnchoredControlStretchesOnlyUpToItsLimits) {
  TPanel host(nullptr);
  host.SetBevelOuter(bvNone);
  host.SetBounds(0, 0, 200, 100);
  auto* c = new TPanel(&host);
  c->SetBounds(10, 10, 100, 50);
  c->SetParent(&host);
  c->SetAnchors({akLeft, akTop, akRight, akBottom});
  c->Constraints()->SetMaxWidth(150);
  c->Constraints()->SetMinHeight(40);
  host.SetBounds(0, 0, 400, 50);
  EXPECT_EQ(c->Width(), 150);
  EXPECT_EQ(c->Height(), 40);
  // The rules still come from the size placed by hand.
  host.SetBounds(0, 0, 200, 100);
  EXPECT_EQ(c->BoundsRect(), Rect(10, 10, 110, 60));
}

TEST_F(ConstraintsTest, AlignedControlsAreLimitedAndTheOthersTakeTheRoomLeft) {
  TPanel host(nullptr);
  host.SetBevelOuter(bvNone);
  host.SetBounds(0, 0, 300, 200);
  auto* top = new TPanel(&host);
  top->SetBounds(0, 0, 10, 30);
  top->Constraints()->SetMaxWidth(250);
  top->SetAlign(alTop);
  top->SetParent(&host);
  auto* client = new TPanel(&host);
  client->Constraints()->SetMaxHeight(100);
  client->SetAlign(alClient);
  client->SetParent(&host);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 250, 30));
  EXPECT_EQ(client->BoundsRect(), Rect(0, 30, 300, 130));
}

const char* const kConstrainedForm = R"(object ConstrainedForm: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  Caption = 'Limits'
  Constraints.MinWidth = 200
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 180
    Height = 60
    Constraints.MaxWidth = 120
    Constraints.MaxHeight = 50
    TabOrder = 0
  end
end
)";

TEST_F(ConstraintsTest, StreamsCarryOnlySetLimitsAndLoadingAppliesThem) {
  RegisterStandardControls();
  auto form = std::make_unique<TForm>(nullptr);
  const std::string bytes = ObjectTextToBinaryString(kConstrainedForm);
  ReadComponentFromBytes(bytes, form.get());
  auto* panel = static_cast<TPanel*>(form->FindComponent("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(form->Constraints()->MinWidth(), 200);
  EXPECT_EQ(panel->Constraints()->MaxWidth(), 120);
  EXPECT_EQ(panel->Constraints()->MaxHeight(), 50);
  // The size read before the limits is limited once loading is over.
  EXPECT_EQ(panel->Width(), 120);
  EXPECT_EQ(panel->Height(), 50);
  const std::string text = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  EXPECT_NE(text.find("Constraints.MinWidth = 200"), std::string::npos) << text;
  EXPECT_NE(text.find("Constraints.MaxWidth = 120"), std::string::npos);
  EXPECT_NE(text.find("Constraints.MaxHeight = 50"), std::string::npos);
  EXPECT_EQ(text.find("Constraints.MinHeight"), std::string::npos);
  EXPECT_EQ(text.find("Constraints.MaxWidth = 0"), std::string::npos);
  form.reset();

  // A negative limit in a stream is a read error, not a silent value.
  std::string bad = kConstrainedForm;
  bad.replace(bad.find("= 120"), 5, "= -5");
  auto other = std::make_unique<TForm>(nullptr);
  EXPECT_ANY_THROW(ReadComponentFromBytes(ObjectTextToBinaryString(bad), other.get()));
}

TEST_F(BiDiModeTest, TheModeIsInheritedByChildrenUntilTheyChooseTheirOwn) {
  TPanel host(nullptr);
  auto* inner = new TPanel(&host);
  inner->SetParent(&host);
  auto* label = new TLabel(&host);
  label->SetParent(inner);
  auto* own = new TLabel(&host);
  own->SetParent(inner);
  own->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_FALSE(own->ParentBiDiMode());
  EXPECT_EQ(host.BiDiMode(), bdLeftToRight);
  EXPECT_TRUE(label->ParentBiDiMode());

  host.SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(inner->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(inner->ParentBiDiMode());
  EXPECT_TRUE(label->ParentBiDiMode());
  EXPECT_EQ(own->BiDiMode(), bdRightToLeftReadingOnly);
  // Asking for the parent's mode again takes it at once.
  own->SetParentBiDiMode(true);
  EXPECT_EQ(own->BiDiMode(), bdRightToLeft);
  // A control placed later adopts its new parent's mode.
  auto* late = new TLabel(&host);
  late->SetParent(inner);
  EXPECT_EQ(late->BiDiMode(), bdRightToLeft);
  // Stored only when not inherited.
  EXPECT_FALSE(IsStoredProp(late, "BiDiMode"));
  EXPECT_TRUE(IsStoredProp(&host, "BiDiMode"));
}

TEST_F(BiDiModeTest, LayoutQuestionsAndTextFlagsAnswerByTheMode) {
  TLabel l(nullptr);
  EXPECT_FALSE(l.IsRightToLeft());
  EXPECT_EQ(l.DrawTextBiDiModeFlags(DT_LEFT | DT_WORDBREAK), DT_LEFT | DT_WORDBREAK);
  EXPECT_EQ(l.DrawTextBiDiModeFlagsReadingOnly(), 0u);

  l.SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(l.UseRightToLeftAlignment());
  EXPECT_TRUE(l.UseRightToLeftReading());
  EXPECT_TRUE(l.UseRightToLeftScrollBar());
  // Left and right swap, centred text stays centred; reading order is added.
  EXPECT_EQ(l.DrawTextBiDiModeFlags(DT_LEFT), DT_RIGHT | DT_RTLREADING);
  EXPECT_EQ(l.DrawTextBiDiModeFlags(DT_RIGHT | DT_SINGLELINE), DT_SINGLELINE | DT_RTLREADING);
  EXPECT_EQ(l.DrawTextBiDiModeFlags(DT_CENTER), DT_CENTER | DT_RTLREADING);

  l.SetBiDiMode(bdRightToLeftNoAlign);
  EXPECT_FALSE(l.UseRightToLeftAlignment());
  EXPECT_TRUE(l.UseRightToLeftScrollBar());
  EXPECT_EQ(l.DrawTextBiDiModeFlags(DT_LEFT), DT_LEFT | DT_RTLREADING);

  l.SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_FALSE(l.UseRightToLeftAlignment());
  EXPECT_FALSE(l.UseRightToLeftScrollBar());
  EXPECT_TRUE(l.UseRightToLeftReading());
  EXPECT_TRUE(l.IsRightToLeft());
}

const char* const kBiDiForm = R"(object BiDiForm: TForm
  Left = 0
  Top = 0
  Width = 200
  Height = 100
  BiDiMode = bdRightToLeft
  ParentBiDiMode = False
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 100
    Height = 50
    TabOrder = 0
    object Label1: TLabel
      Left = 1
      Top = 1
      Width = 10
      Height = 10
      Caption = 'x'
    end
  end
  object Label2: TLabel
    Left = 1
    Top = 60
    Width = 10
    Height = 10
    BiDiMode = bdLeftToRight
    ParentBiDiMode = False
    Caption = 'y'
  end
end
)";

TEST_F(BiDiModeTest, FormStreamsStoreTheModeWhereItIsNotInherited) {
  RegisterStandardControls();
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(kBiDiForm), form.get());
  auto* panel = static_cast<TPanel*>(form->FindComponent("Panel1"));
  auto* label1 = static_cast<TLabel*>(form->FindComponent("Label1"));
  auto* label2 = static_cast<TLabel*>(form->FindComponent("Label2"));
  ASSERT_TRUE(panel && label1 && label2);
  EXPECT_EQ(form->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(panel->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(label1->BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(label1->ParentBiDiMode());
  EXPECT_EQ(label2->BiDiMode(), bdLeftToRight);
  EXPECT_FALSE(label2->ParentBiDiMode());
  const std::string text = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  const auto panelAt = text.find("object Panel1");
  const auto label2At = text.find("object Label2");
  ASSERT_NE(panelAt, std::string::npos);
  ASSERT_NE(label2At, std::string::npos);
  EXPECT_LT(text.find("BiDiMode = bdRightToLeft"), panelAt) << text;
  // Nothing about the mode inside the panel, which inherits it.
  EXPECT_EQ(text.substr(panelAt, label2At - panelAt).find("BiDiMode"), std::string::npos) << text;
  EXPECT_NE(text.find("BiDiMode = bdLeftToRight", label2At), std::string::npos);
  form.reset();
}

// A form whose handlers the stream binds to the dock events.
class TDockForm : public TForm {
  ZYL_CLASS(TDockForm, TForm)
  explicit TDockForm(TComponent* AOwner) : TForm(AOwner) {}
  std::vector<std::string> Log;
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

const char* const kDockForm = R"(object DockForm: TDockForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  BorderStyle = bsNone
  object Panel1: TPanel
    Left = 10
    Top = 10
    Width = 100
    Height = 60
    DragKind = dkDock
    DragMode = dmAutomatic
    TabOrder = 0
    OnEndDock = PanelEndDock
    OnEndDrag = PanelEndDrag
    OnStartDock = PanelStartDock
    OnStartDrag = PanelStartDrag
  end
  object Panel2: TPanel
    Left = 150
    Top = 10
    Width = 100
    Height = 60
    TabOrder = 1
  end
end
)";

TEST_F(DockPropsTest, DragKindAndDockEventsAreStoredAndBoundButDockingNeverStarts) {
  TPanel plain(nullptr);
  EXPECT_EQ(plain.DragKind(), dkDrag);
  EXPECT_FALSE(plain.OnStartDock);
  const std::string plainText = ObjectBinaryToTextString(WriteComponentToBytes(&plain));
  EXPECT_EQ(plainText.find("DragKind"), std::string::npos) << plainText;

  RegisterClass(TDockForm::StaticClass());
  auto form = std::make_unique<TDockForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(kDockForm), form.get());
  auto* panel = static_cast<TPanel*>(form->FindComponent("Panel1"));
  auto* target = static_cast<TPanel*>(form->FindComponent("Panel2"));
  ASSERT_TRUE(panel && target);
  EXPECT_EQ(panel->DragKind(), dkDock);
  ASSERT_TRUE(panel->OnStartDock);
  ASSERT_TRUE(panel->OnEndDock);
  EXPECT_EQ(form->MethodName(GetMethodProp(panel, "OnStartDock").Code), "PanelStartDock");
  EXPECT_EQ(form->MethodName(GetMethodProp(panel, "OnEndDock").Code), "PanelEndDock");
  // The bound handlers are the form's own methods.
  TDragDockObject* dock = nullptr;
  panel->OnStartDock(panel, dock);
  panel->OnEndDock(panel, nullptr, 0, 0);
  EXPECT_EQ(form->Log, (std::vector<std::string>{"start dock", "end dock"}));
  form->Log.clear();

  // Dragging the dock-kind panel is an ordinary drag: the dock events stay silent.
  form->Show();
  Idle();
  win::testkit::Drag(ScreenOf(panel, 5, 5), ScreenOf(target, 20, 20));
  EXPECT_EQ(form->Log, (std::vector<std::string>{"start drag", "end drag"}));
  EXPECT_FALSE(panel->Dragging());

  const std::string text = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  for (const char* want : {"DragKind = dkDock", "OnStartDock = PanelStartDock",
                           "OnEndDock = PanelEndDock"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  form.reset();
  UnRegisterClass(TDockForm::StaticClass());
}

}  // namespace
}  // namespace vcl::testing
