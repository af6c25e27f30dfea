// The framework properties the display controls publish (anchors, constraints, bidirectional
// mode, drag kind and dock events): which control publishes which, and form streams that
// write only what differs from the defaults and read it back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "display/ZYLDrawEdge.h"
#include "display/ZYLFill.h"
#include "display/ZYLRepeatedShape.h"
#include "display/ZYLShadowFill.h"
#include "display/ZYLShapeControl.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

using vcl::TAnchors;

struct TPublished {
  vcl::TClass Class;
  bool BiDi;      // BiDiMode and ParentBiDiMode
  bool DragKind;  // DragKind
  bool Dock;      // OnStartDock and OnEndDock
};

std::vector<TPublished> Controls() {
  return {{TZYLFill::StaticClass(), true, true, true},
          {TZYLShadowFill::StaticClass(), false, false, false},
          {TZYLDrawEdge::StaticClass(), false, false, false},
          {TZYLShapeControl::StaticClass(), true, false, true},
          {TZYLRepeatedShape::StaticClass(), true, false, true}};
}

int IndexOf(const std::vector<const vcl::TPropInfo*>& list, const char* name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i]->Name == name) return static_cast<int>(i);
  return -1;
}

TEST(PublishedFrameworkProps, EachControlPublishesWhatItsListNamesInOrder) {
  for (const TPublished& p : Controls()) {
    SCOPED_TRACE(p.Class->ClassName());
    const auto list = vcl::GetPropList(p.Class);
    const int align = IndexOf(list, "Align");
    const int anchors = IndexOf(list, "Anchors");
    const int constraints = IndexOf(list, "Constraints");
    ASSERT_GE(align, 0);
    EXPECT_EQ(anchors, align + 1);
    EXPECT_GT(constraints, anchors);
    EXPECT_EQ(IndexOf(list, "BiDiMode") >= 0, p.BiDi);
    EXPECT_EQ(IndexOf(list, "ParentBiDiMode") >= 0, p.BiDi);
    EXPECT_EQ(IndexOf(list, "DragKind") >= 0, p.DragKind);
    EXPECT_EQ(IndexOf(list, "OnStartDock") >= 0, p.Dock);
    EXPECT_EQ(IndexOf(list, "OnEndDock") >= 0, p.Dock);
    if (p.BiDi) EXPECT_LT(IndexOf(list, "BiDiMode"), IndexOf(list, "ParentBiDiMode"));
    if (p.Dock) {
      // Events keep alphabetical places among the drag events.
      EXPECT_EQ(IndexOf(list, "OnEndDock") + 1, IndexOf(list, "OnEndDrag"));
      EXPECT_EQ(IndexOf(list, "OnStartDock") + 1, IndexOf(list, "OnStartDrag"));
    }
  }
  // The fill names Constraints before the drag properties, the shadow fill before
  // ParentShowHint, the edge control before its own properties.
  const auto fill = vcl::GetPropList(TZYLFill::StaticClass());
  EXPECT_LT(IndexOf(fill, "Constraints"), IndexOf(fill, "DragCursor"));
  EXPECT_EQ(IndexOf(fill, "DragKind") + 1, IndexOf(fill, "DragMode"));
  const auto shadow = vcl::GetPropList(TZYLShadowFill::StaticClass());
  EXPECT_LT(IndexOf(shadow, "Constraints"), IndexOf(shadow, "ParentShowHint"));
  const auto edge = vcl::GetPropList(TZYLDrawEdge::StaticClass());
  EXPECT_EQ(IndexOf(edge, "Constraints") + 1, IndexOf(edge, "DiagonalStyle"));
}

class PublishedFrameworkPropsStream : public ::testing::Test {
 protected:
  PublishedFrameworkPropsStream() {
    ZYLFillInit();
    ZYLShadowFillInit();
    ZYLDrawEdgeInit();
    ZYLShapeControlInit();
    ZYLRepeatedShapeInit();
  }
  ~PublishedFrameworkPropsStream() override {
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
        c->SetAnchors({vcl::akRight, vcl::akBottom});
        c->Constraints()->SetMaxWidth(200);
        c->Constraints()->SetMinHeight(12);
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
    EXPECT_NE(set.find("Anchors = [akRight, akBottom]"), std::string::npos) << set;
    EXPECT_NE(set.find("Constraints.MaxWidth = 200"), std::string::npos) << set;
    EXPECT_NE(set.find("Constraints.MinHeight = 12"), std::string::npos) << set;
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
    EXPECT_EQ(set->Anchors(), (TAnchors{vcl::akRight, vcl::akBottom}));
    EXPECT_EQ(set->Constraints()->MaxWidth(), 200);
    EXPECT_EQ(set->Constraints()->MinHeight(), 12);
    EXPECT_EQ(set->BiDiMode(), p.BiDi ? vcl::bdRightToLeft : vcl::bdLeftToRight);
    EXPECT_EQ(set->DragKind(), p.DragKind ? vcl::dkDock : vcl::dkDrag);
  }
  // Read, the anchored controls follow their form: 20 wider and 10 taller moves them as much.
  back->SetBounds(0, 0, 420, 310);
  for (int i = 0; i < n; ++i) {
    auto* set = dynamic_cast<vcl::TControl*>(back->FindComponent("Set" + std::to_string(i)));
    auto* plain = dynamic_cast<vcl::TControl*>(back->FindComponent("Plain" + std::to_string(i)));
    EXPECT_EQ(set->Left(), 10 + 20 * i + 20) << i;
    EXPECT_EQ(set->Top(), 20);
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

}  // namespace
}  // namespace zyl
