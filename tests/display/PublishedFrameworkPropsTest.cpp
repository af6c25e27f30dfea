// The framework properties the display controls publish (anchors, constraints, bidirectional
// mode, drag kind and dock events): which control publishes which, in which place, and form
// streams that write only what differs from the defaults, read it back and bind dock handlers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "display/ZYLAniCtrl.h"
#include "display/ZYLClock.h"
#include "display/ZYLDrawEdge.h"
#include "display/ZYLFill.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLImage.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLProgressFill.h"
#include "display/ZYLRepeatedShape.h"
#include "display/ZYLShadowFill.h"
#include "display/ZYLShapeControl.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

using vcl::TAnchors;
using TNext = std::pair<const char*, const char*>;

struct TPublished {
  vcl::TClass Class;
  bool Layout;    // Anchors and Constraints
  bool BiDi;      // BiDiMode and ParentBiDiMode
  bool DragKind;  // DragKind
  bool Dock;      // OnStartDock and OnEndDock
  // Pairs of properties the second of which directly follows the first in the list.
  std::vector<TNext> Next;
};

std::vector<TPublished> Controls() {
  const TNext endDock{"OnEndDock", "OnEndDrag"}, startDock{"OnStartDock", "OnStartDrag"};
  const TNext anchors{"Align", "Anchors"}, kind{"DragCursor", "DragKind"};
  const TNext kindMode{"DragKind", "DragMode"}, constraints{"Color", "Constraints"};
  const std::vector<TNext> image{anchors, constraints, kind, kindMode, endDock, startDock};
  return {
      {TZYLFill::StaticClass(), true, true, true, true,
       {anchors, {"Anchors", "BiDiMode"}, constraints, {"Constraints", "DragCursor"}, kind,
        kindMode, {"ParentBiDiMode", "ParentColor"}, endDock, startDock}},
      {TZYLShadowFill::StaticClass(), true, false, false, false,
       {anchors, {"Anchors", "Constraints"}, {"Constraints", "ParentShowHint"}}},
      {TZYLDrawEdge::StaticClass(), true, false, false, false,
       {anchors, {"Constraints", "DiagonalStyle"}}},
      {TZYLShapeControl::StaticClass(), true, true, false, true, {anchors, endDock, startDock}},
      {TZYLRepeatedShape::StaticClass(), true, true, false, true, {anchors, endDock, startDock}},
      // The meters keep their own properties among the list's in alphabetical order.
      {TZYLProgress::StaticClass(), true, true, true, true,
       {{"Alignment", "Anchors"}, {"BarColor", "BiDiMode"}, constraints, kind, kindMode,
        {"ParentBiDiMode", "ParentColor"}, endDock, startDock}},
      {TZYLProgressFill::StaticClass(), true, true, true, true,
       {{"Alignment", "Anchors"}, {"Bar3D", "BiDiMode"}, {"BiDiMode", "BrushBackColor"},
        constraints, kind, kindMode, {"ParentBiDiMode", "ParentColor"}, endDock, startDock}},
      // The LED label names the framework's properties after its own.
      {TZYLLEDLabel::StaticClass(), true, false, true, true,
       {{"DragMode", "DragKind"}, {"DragKind", "ParentShowHint"}, {"ShowHint", "Anchors"},
        {"Anchors", "Constraints"}, {"Constraints", "OnClick"}, {"OnStartDrag", "OnEndDock"},
        {"OnEndDock", "OnStartDock"}, {"OnStartDock", "OnMouseDown"}}},
      // The clock has the drag and dock properties but no layout ones.
      {TZYLClock::StaticClass(), false, false, true, true, {kind, kindMode, endDock, startDock}},
      {TZYLLImage::StaticClass(), true, false, true, true, image},
      {TZYLNImage::StaticClass(), true, false, true, true, image},
      {TZYLAniCtrl::StaticClass(), true, false, true, true, image}};
}

int IndexOf(const std::vector<const vcl::TPropInfo*>& list, const char* name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i]->Name == name) return static_cast<int>(i);
  return -1;
}

int CountOf(const std::vector<const vcl::TPropInfo*>& list, const char* name) {
  int n = 0;
  for (const vcl::TPropInfo* p : list) n += p->Name == name ? 1 : 0;
  return n;
}

TEST(PublishedFrameworkProps, EachControlPublishesWhatItsListNamesInOrder) {
  for (const TPublished& p : Controls()) {
    SCOPED_TRACE(p.Class->ClassName());
    const auto list = vcl::GetPropList(p.Class);
    for (const char* name : {"Anchors", "Constraints"})
      EXPECT_EQ(CountOf(list, name), p.Layout ? 1 : 0) << name;
    for (const char* name : {"BiDiMode", "ParentBiDiMode"})
      EXPECT_EQ(CountOf(list, name), p.BiDi ? 1 : 0) << name;
    EXPECT_EQ(CountOf(list, "DragKind"), p.DragKind ? 1 : 0);
    for (const char* name : {"OnStartDock", "OnEndDock"})
      EXPECT_EQ(CountOf(list, name), p.Dock ? 1 : 0) << name;
    if (p.BiDi) {
      EXPECT_LT(IndexOf(list, "BiDiMode"), IndexOf(list, "ParentBiDiMode"));
    }
    for (const TNext& n : p.Next) {
      const int first = IndexOf(list, n.first);
      ASSERT_GE(first, 0) << n.first;
      EXPECT_EQ(IndexOf(list, n.second), first + 1) << n.first << " then " << n.second;
    }
  }
}

TEST(PublishedFrameworkProps, TheDefaultsAreThoseOfAFreshControl) {
  filltest::THostSession host;
  for (const TPublished& p : Controls()) {
    SCOPED_TRACE(p.Class->ClassName());
    std::unique_ptr<vcl::TControl> c(static_cast<vcl::TControl*>(p.Class->Create(nullptr)));
    for (const vcl::TPropInfo* prop : vcl::GetPropList(p.Class)) {
      if (prop->Name != "Anchors" && prop->Name != "DragKind" && prop->Name != "ParentBiDiMode" &&
          prop->Name != "BiDiMode")
        continue;
      // Nothing of a fresh control is written for these.
      EXPECT_FALSE(vcl::IsStoredProp(c.get(), prop) && !vcl::IsDefaultPropValue(c.get(), prop))
          << prop->Name;
    }
    if (p.Layout) {
      // Anchors that the alignment implies are not stored; others are.
      c->SetAlign(vcl::alClient);
      EXPECT_FALSE(vcl::IsStoredProp(c.get(), "Anchors"));
      c->SetAnchors({vcl::akLeft, vcl::akTop});
      EXPECT_TRUE(vcl::IsStoredProp(c.get(), "Anchors"));
    }
    if (p.BiDi) {
      // The mode is stored only when not taken from the parent.
      EXPECT_FALSE(vcl::IsStoredProp(c.get(), "BiDiMode"));
      c->SetBiDiMode(vcl::bdRightToLeft);
      EXPECT_FALSE(c->ParentBiDiMode());
      EXPECT_TRUE(vcl::IsStoredProp(c.get(), "BiDiMode"));
    }
  }
}

class PublishedFrameworkPropsStream : public ::testing::Test {
 protected:
  PublishedFrameworkPropsStream() {
    ZYLFillInit();
    ZYLShadowFillInit();
    ZYLDrawEdgeInit();
    ZYLShapeControlInit();
    ZYLRepeatedShapeInit();
    ZYLProgressInit();
    ZYLProgressFillInit();
    ZYLLEDLabelInit();
    ZYLClockInit();
    ZYLLImageInit();
    ZYLNImageInit();
    ZYLAniCtrlInit();
  }
  ~PublishedFrameworkPropsStream() override {
    ZYLAniCtrlDone();
    ZYLNImageDone();
    ZYLLImageDone();
    ZYLClockDone();
    ZYLLEDLabelDone();
    ZYLProgressFillDone();
    ZYLProgressDone();
    ZYLRepeatedShapeDone();
    ZYLShapeControlDone();
    ZYLDrawEdgeDone();
    ZYLShadowFillDone();
    ZYLFillDone();
  }
  filltest::THostSession host_;
};

// The text of one component, from its "object" line to the next one.
std::string Section(const std::string& text, const std::string& name) {
  const auto at = text.find("object " + name + ":");
  if (at == std::string::npos) return {};
  const auto next = text.find("object ", at + 1);
  return text.substr(at, next == std::string::npos ? std::string::npos : next - at);
}

TEST_F(PublishedFrameworkPropsStream, AnchorsAndConstraintsRoundTripAndDefaultsAreNotWritten) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->SetBorderStyle(vcl::bsNone);
  form->SetBounds(0, 0, 400, 300);
  const std::vector<TPublished> controls = Controls();
  int n = 0;
  for (const TPublished& p : controls) {
    for (bool changed : {false, true}) {
      auto* c = static_cast<vcl::TControl*>(p.Class->Create(form.get()));
      c->SetName(std::string(changed ? "Set" : "Plain") + std::to_string(n));
      c->SetBounds(10 + 20 * n, 10, 60, 40);
      c->SetParent(form.get());
      if (changed) {
        if (p.Layout) {
          c->SetAnchors({vcl::akRight, vcl::akBottom});
          c->Constraints()->SetMaxWidth(200);
          c->Constraints()->SetMinHeight(12);
        }
        if (p.BiDi) c->SetBiDiMode(vcl::bdRightToLeft);
        if (p.DragKind) c->SetDragKind(vcl::dkDock);
      }
    }
    ++n;
  }
  const std::string bytes = vcl::WriteComponentToBytes(form.get());
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  for (int i = 0; i < n; ++i) {
    const TPublished& p = controls[static_cast<size_t>(i)];
    SCOPED_TRACE(p.Class->ClassName());
    const std::string plain = Section(text, "Plain" + std::to_string(i));
    ASSERT_FALSE(plain.empty()) << text;
    for (const char* absent : {"Anchors", "Constraints", "BiDiMode", "DragKind"})
      EXPECT_EQ(plain.find(absent), std::string::npos) << absent << "\n" << plain;
    const std::string set = Section(text, "Set" + std::to_string(i));
    EXPECT_EQ(set.find("Anchors = [akRight, akBottom]") != std::string::npos, p.Layout) << set;
    EXPECT_EQ(set.find("Constraints.MaxWidth = 200") != std::string::npos, p.Layout) << set;
    EXPECT_EQ(set.find("Constraints.MinHeight = 12") != std::string::npos, p.Layout) << set;
    EXPECT_EQ(set.find("Constraints.MinWidth"), std::string::npos) << set;
    EXPECT_EQ(set.find("BiDiMode = bdRightToLeft") != std::string::npos, p.BiDi) << set;
    EXPECT_EQ(set.find("DragKind = dkDock") != std::string::npos, p.DragKind) << set;
  }

  auto back = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadComponentFromBytes(bytes, back.get());
  for (int i = 0; i < n; ++i) {
    const TPublished& p = controls[static_cast<size_t>(i)];
    SCOPED_TRACE(p.Class->ClassName());
    auto* plain = dynamic_cast<vcl::TControl*>(back->FindComponent("Plain" + std::to_string(i)));
    auto* set = dynamic_cast<vcl::TControl*>(back->FindComponent("Set" + std::to_string(i)));
    ASSERT_TRUE(plain && set);
    EXPECT_EQ(plain->ClassType(), p.Class);
    EXPECT_EQ(plain->Anchors(), (TAnchors{vcl::akLeft, vcl::akTop}));
    EXPECT_EQ(plain->Constraints()->MaxWidth(), 0);
    if (p.Layout) {
      EXPECT_EQ(set->Anchors(), (TAnchors{vcl::akRight, vcl::akBottom}));
      EXPECT_EQ(set->Constraints()->MaxWidth(), 200);
      EXPECT_EQ(set->Constraints()->MinHeight(), 12);
    }
    EXPECT_EQ(set->BiDiMode(), p.BiDi ? vcl::bdRightToLeft : vcl::bdLeftToRight);
    EXPECT_EQ(set->DragKind(), p.DragKind ? vcl::dkDock : vcl::dkDrag);
  }
  // Read, the anchored controls follow their form: 20 wider and 10 taller moves them as much.
  back->SetBounds(0, 0, 420, 310);
  for (int i = 0; i < n; ++i) {
    const bool layout = controls[static_cast<size_t>(i)].Layout;
    auto* set = dynamic_cast<vcl::TControl*>(back->FindComponent("Set" + std::to_string(i)));
    auto* plain = dynamic_cast<vcl::TControl*>(back->FindComponent("Plain" + std::to_string(i)));
    EXPECT_EQ(set->Left(), 10 + 20 * i + (layout ? 20 : 0)) << i;
    EXPECT_EQ(set->Top(), layout ? 20 : 10) << i;
    EXPECT_EQ(plain->Left(), 10 + 20 * i);
    EXPECT_EQ(plain->Top(), 10);
  }
  back.reset();
  form.reset();
}

TEST_F(PublishedFrameworkPropsStream, AWidthBeyondTheLimitsIsCorrectedWhenRead) {
  const char* const text = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Edge1: TZYLDrawEdge
    Left = 10
    Top = 10
    Width = 150
    Height = 5
    Constraints.MaxWidth = 100
    Constraints.MinHeight = 20
  end
  object Shadow1: TZYLShadowFill
    Left = 10
    Top = 50
    Width = 150
    Height = 50
    Constraints.MinWidth = 160
  end
end
)";
  auto form = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), form.get());
  auto* edge = dynamic_cast<TZYLDrawEdge*>(form->FindComponent("Edge1"));
  auto* shadow = dynamic_cast<TZYLShadowFill*>(form->FindComponent("Shadow1"));
  ASSERT_TRUE(edge && shadow);
  EXPECT_EQ(edge->Width(), 100);
  EXPECT_EQ(edge->Height(), 20);
  EXPECT_EQ(shadow->Width(), 160);
  edge->SetBounds(0, 0, 500, 1);
  EXPECT_EQ(edge->Width(), 100);
  EXPECT_EQ(edge->Height(), 20);
  form.reset();
}

// A form whose methods the streams bind to the drag and dock events of its controls.
class TDockHandlersForm : public vcl::TForm {
  ZYL_CLASS(TDockHandlersForm, vcl::TForm)
  explicit TDockHandlersForm(vcl::TComponent* AOwner) : vcl::TForm(AOwner) {}
  std::vector<std::string> Log;
  void StartDock(vcl::TObject* Sender, vcl::TDragDockObject*&) { Note("start dock", Sender); }
  void EndDock(vcl::TObject* Sender, vcl::TObject*, int, int) { Note("end dock", Sender); }
  void StartDrag(vcl::TObject* Sender, vcl::TObject*&) { Note("start drag", Sender); }
  void EndDrag(vcl::TObject* Sender, vcl::TObject*, int, int) { Note("end drag", Sender); }

 private:
  void Note(const char* what, vcl::TObject* Sender) {
    auto* c = dynamic_cast<vcl::TComponent*>(Sender);
    Log.push_back(std::string(what) + " " + (c ? c->Name() : "?"));
  }
};

ZYL_CLASS_IMPL(TDockHandlersForm) {
  b.Method("StartDock", &TDockHandlersForm::StartDock)
      .Method("EndDock", &TDockHandlersForm::EndDock)
      .Method("StartDrag", &TDockHandlersForm::StartDrag)
      .Method("EndDrag", &TDockHandlersForm::EndDrag);
}

TEST_F(PublishedFrameworkPropsStream, DockHandlersAreBoundToTheirOwnEventsAndWrittenBack) {
  std::string text =
      "object F: TDockHandlersForm\n  Left = 0\n  Top = 0\n  Width = 400\n  Height = 300\n";
  std::vector<const TPublished*> docking;
  const std::vector<TPublished> controls = Controls();
  for (const TPublished& p : controls) {
    if (!p.Dock) continue;
    const std::string name = "C" + std::to_string(docking.size());
    docking.push_back(&p);
    text += "  object " + name + ": " + p.Class->ClassName() + "\n";
    text += "    Left = 10\n    Top = 10\n    Width = 50\n    Height = 30\n";
    if (p.DragKind) text += "    DragKind = dkDock\n";
    text += "    OnEndDock = EndDock\n    OnEndDrag = EndDrag\n";
    text += "    OnStartDock = StartDock\n    OnStartDrag = StartDrag\n  end\n";
  }
  text += "end\n";
  ASSERT_GE(docking.size(), 8u);

  vcl::RegisterClass(TDockHandlersForm::StaticClass());
  auto form = std::make_unique<TDockHandlersForm>(nullptr);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), form.get());
  for (size_t i = 0; i < docking.size(); ++i) {
    const std::string name = "C" + std::to_string(i);
    SCOPED_TRACE(docking[i]->Class->ClassName());
    auto* c = dynamic_cast<vcl::TControl*>(form->FindComponent(name));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->DragKind(), docking[i]->DragKind ? vcl::dkDock : vcl::dkDrag);
    EXPECT_EQ(form->MethodName(vcl::GetMethodProp(c, "OnStartDock").Code), "StartDock");
    EXPECT_EQ(form->MethodName(vcl::GetMethodProp(c, "OnEndDock").Code), "EndDock");
    // The dock and drag events share a signature; each handler sits in its own event.
    form->Log.clear();
    vcl::TDragDockObject* dock = nullptr;
    vcl::TObject* drag = nullptr;
    ASSERT_TRUE(c->OnStartDock && c->OnEndDock && c->OnStartDrag && c->OnEndDrag);
    c->OnStartDock(c, dock);
    c->OnEndDock(c, nullptr, 0, 0);
    c->OnStartDrag(c, drag);
    c->OnEndDrag(c, nullptr, 0, 0);
    EXPECT_EQ(form->Log, (std::vector<std::string>{"start dock " + name, "end dock " + name,
                                                   "start drag " + name, "end drag " + name}));
  }

  const std::string written =
      vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form.get()));
  for (size_t i = 0; i < docking.size(); ++i) {
    const std::string section = Section(written, "C" + std::to_string(i));
    SCOPED_TRACE(docking[i]->Class->ClassName());
    for (const char* want : {"OnEndDock = EndDock", "OnStartDock = StartDock"})
      EXPECT_NE(section.find(want), std::string::npos) << want << "\n" << section;
    EXPECT_EQ(section.find("DragKind = dkDock") != std::string::npos, docking[i]->DragKind);
  }
  form.reset();
  vcl::UnRegisterClass(TDockHandlersForm::StaticClass());
}

}  // namespace
}  // namespace zyl
