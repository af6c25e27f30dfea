// The bound label: its name and caption, the size reports to its owner (per setter call, on
// auto-size changes, never while loading, never to a missing owner) and what a stream keeps.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "display/ZYLBoundLabel.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/LabelTestSupport.h"

namespace zyl {
namespace {

class BoundLabelTest : public ::testing::Test {
 protected:
  BoundLabelTest() {
    owner_ = new vcl::TPanel(host_.Form());
    owner_->SetName("Owner");
    owner_->SetParent(host_.Form());
    owner_->SetBounds(100, 100, 120, 24);
  }
  // The owner's window, with a recorder of the reports.
  void Record() { recorder_.Attach(owner_->Handle()); }
  int Reports() const { return recorder_.Count(CM_ZYLBOUNDLABELCHANGE); }

  labeltest::THost host_;
  vcl::TPanel* owner_ = nullptr;
  win::testkit::TMessageRecorder recorder_;
};

TEST_F(BoundLabelTest, NamedSubLabelAndCaptionedWithItsOwner) {
  TZYLBoundLabel alone(nullptr);
  EXPECT_EQ(alone.Name(), "SubLabel");
  EXPECT_EQ(alone.Caption(), "");
  EXPECT_EQ(alone.Alignment(), agCenterLeft);
  EXPECT_TRUE(alone.AutoSize());
  EXPECT_TRUE(alone.HasParent());
  auto* l = new TZYLBoundLabel(owner_);
  EXPECT_EQ(l->Name(), "SubLabel");
  EXPECT_EQ(l->Caption(), "Owner");
}

TEST_F(BoundLabelTest, SizeSettersReportEveryCallOnlyWithoutAutoSize) {
  auto* l = new TZYLBoundLabel(owner_);
  l->SetParent(host_.Form());
  Record();
  l->SetWidth(80);
  l->SetHeight(30);
  EXPECT_EQ(Reports(), 0);  // AutoSize on: silent
  l->SetAutoSize(false);
  struct TCase {
    bool Width;
    int Value;
  } cases[] = {{true, 90}, {true, 90}, {false, 40}, {false, 40}};
  int expected = 0;
  for (const TCase& c : cases) {
    if (c.Width)
      l->SetWidth(c.Value);
    else
      l->SetHeight(c.Value);
    EXPECT_EQ(Reports(), ++expected);  // one per call, also when nothing changes
  }
  EXPECT_EQ(l->Width(), 90);
  EXPECT_EQ(l->Height(), 40);
  // Through the published property too.
  vcl::SetOrdProp(l, "Width", 70);
  EXPECT_EQ(Reports(), expected + 1);
}

TEST_F(BoundLabelTest, AnOwnerThatIsNoWindowHearsNothing) {
  // Without an owner, or with one that has no window, the setters only set the size.
  TZYLBoundLabel alone(nullptr);
  alone.SetAutoSize(false);
  alone.SetWidth(55);
  EXPECT_EQ(alone.Width(), 55);
  vcl::TComponent plain(nullptr);
  auto* l = new TZYLBoundLabel(&plain);
  l->SetAutoSize(false);
  l->SetHeight(33);
  EXPECT_EQ(l->Height(), 33);
}

TEST_F(BoundLabelTest, AnAutoSizeChangeIsReportedOnceTheOwnersWindowExists) {
  auto* l = new TZYLBoundLabel(owner_);
  l->SetParent(host_.Form());
  Record();
  l->SetCaption("A longer caption");
  EXPECT_EQ(Reports(), 1);
  l->Font()->SetSize(16);
  EXPECT_EQ(Reports(), 2);
  // The same size again: nothing to report.
  l->SetCaption("A longer caption");
  EXPECT_EQ(Reports(), 2);
}

TEST_F(BoundLabelTest, StreamsKeepNeitherPlaceNorTheOwnerAsFocusControl) {
  auto* l = new TZYLBoundLabel(owner_);
  l->SetParent(host_.Form());
  l->SetBounds(7, 9, 50, 20);
  l->SetControl(owner_);
  const auto isStored = [&](const char* name) {
    return vcl::IsStoredProp(l, vcl::FindPropInfo(l, name));
  };
  EXPECT_FALSE(isStored("Left"));
  EXPECT_FALSE(isStored("Top"));
  EXPECT_FALSE(isStored("Anchors"));
  EXPECT_FALSE(isStored("Constraints"));
  EXPECT_FALSE(isStored("FocusControl"));
  EXPECT_TRUE(isStored("Width"));
  auto* other = new vcl::TPanel(host_.Form());
  l->SetControl(other);
  EXPECT_TRUE(isStored("FocusControl"));
  // Left and Top cannot be set through the stream's properties.
  EXPECT_FALSE(vcl::FindPropInfo(l, "Left")->IsWritable());
  EXPECT_FALSE(vcl::FindPropInfo(l, "Top")->IsWritable());
}

TEST_F(BoundLabelTest, ReadingReportsOnlyToAnOwnerWithAWindow) {
  ZYLBoundLabelUnit.Init();
  const std::string text =
      "object SubLabel: TZYLBoundLabel\n  Width = 61\n  Height = 17\n  AutoSize = False\n"
      "  Caption = 'Read'\nend\n";
  // The owner's window exists: a change of the label while it is read is reported.
  {
    auto* l = new TZYLBoundLabel(owner_);
    Record();
    vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), l);
    EXPECT_EQ(l->Width(), 61);
    EXPECT_GT(Reports(), 0);
    recorder_.Detach(owner_->Handle());
    recorder_.Clear();
    delete l;
  }
  // No window yet: none is created for the report.
  auto* fresh = new vcl::TPanel(host_.Form());
  auto* l = new TZYLBoundLabel(fresh);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), l);
  ZYLBoundLabelUnit.FInit();
  EXPECT_FALSE(fresh->HandleAllocated());
  EXPECT_EQ(l->Height(), 17);
}

}  // namespace
}  // namespace zyl
