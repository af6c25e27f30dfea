// The image-list base of the non-visual components: the change link, the free notification
// and the "Internal" identifier of a global list in form streams.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLCont.h"
#include "foundation/ZYLContainerComponent.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "tests/support/ContainerScope.h"

namespace zyl {
namespace {

// Records every GetIMLChange with its sender.
class TProbeComp : public TZYLContainerComponent {
  ZYL_CLASS(TProbeComp, TZYLContainerComponent)
  explicit TProbeComp(vcl::TComponent* AOwner) : inherited(AOwner) {}
  std::vector<vcl::TObject*> Senders;
  int Changes() const { return static_cast<int>(Senders.size()); }

 protected:
  void GetIMLChange(vcl::TObject* Sender) override {
    Senders.push_back(Sender);
    inherited::GetIMLChange(Sender);
  }
};
ZYL_CLASS_IMPL(TProbeComp) {}

// A stream root that writes its owned components, as a form or data module does.
class TRoot : public vcl::TComponent {
  ZYL_CLASS(TRoot, vcl::TComponent)
  explicit TRoot(vcl::TComponent* AOwner) : inherited(AOwner) {}
  void GetChildren(const vcl::TGetChildProc& Proc, vcl::TComponent* Root) override {
    if (Root == this)
      for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
  }
};
ZYL_CLASS_IMPL(TRoot) {}

struct TCounter : vcl::TObject {
  int N = 0;
  void On(vcl::TObject*) { ++N; }
};

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  const size_t at = s.find(from);
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

}  // namespace

TEST(ContainerComponentTest, ChangeLinkReportsEachListChangeOnce) {
  TZYLImageList first(nullptr), second(nullptr);
  TProbeComp c(nullptr);
  TCounter onChange;
  c.SetOnChange(vcl::TNotifyEvent(&onChange, &TCounter::On));

  c.SetImageList(&first);
  ASSERT_EQ(c.Changes(), 1);
  EXPECT_EQ(c.Senders.back(), &first);
  EXPECT_EQ(first.LinkCount(), 1);
  EXPECT_EQ(onChange.N, 1);  // the base runs the component's change
  c.SetImageList(&first);    // the same list again: nothing
  EXPECT_EQ(c.Changes(), 1);

  first.Add();
  first.Delete(0);
  EXPECT_EQ(c.Changes(), 3);
  EXPECT_EQ(c.Senders.back(), &first);
  // A bracketed update of the list is one change.
  first.BeginUpdate();
  first.Add();
  first.Add();
  first.EndUpdate(true);
  EXPECT_EQ(c.Changes(), 4);

  // Another list: the link moves with the reference.
  c.SetImageList(&second);
  EXPECT_EQ(first.LinkCount(), 0);
  EXPECT_EQ(second.LinkCount(), 1);
  first.Clear();
  second.Add();
  EXPECT_EQ(c.Changes(), 6);
  EXPECT_EQ(c.Senders.back(), &second);
  c.SetImageList(nullptr);
  EXPECT_EQ(second.LinkCount(), 0);
  second.Add();
  EXPECT_EQ(c.Changes(), 7);  // the unset itself, not the later change

  // Indexes: a change per new value.
  c.SetIndex(0, 3);
  c.SetIndex(1, 2);
  c.SetIndex(0, 3);
  c.SetIndex(1, 2);
  EXPECT_EQ(c.ImageIndex(), 3);
  EXPECT_EQ(c.ListIndex(), 2);
  EXPECT_EQ(c.Changes(), 9);
  EXPECT_EQ(c.Senders.back(), &c);
}

TEST(ContainerComponentTest, FreeingTheListClearsTheReference) {
  // A list with no owner in common: reached through the free notification.
  auto* list = new TZYLImageList(nullptr);
  TProbeComp c(nullptr);
  c.SetImageList(list);
  const int before = c.Changes();
  delete list;
  EXPECT_EQ(c.ImageList(), nullptr);
  EXPECT_EQ(c.Changes(), before + 1);
  EXPECT_EQ(c.Senders.back(), nullptr);

  // Both owned by one root: the list goes first.
  TRoot root(nullptr);
  auto* shared = new TZYLBitmapList(&root);
  auto* d = new TProbeComp(&root);
  d->SetImageList(shared);
  delete shared;
  EXPECT_EQ(d->ImageList(), nullptr);

  // The component goes first: it leaves the list, which later frees without calling it.
  auto* kept = new TZYLImageList(nullptr);
  {
    TProbeComp e(nullptr);
    e.SetImageList(kept);
    EXPECT_EQ(kept->LinkCount(), 1);
  }
  EXPECT_EQ(kept->LinkCount(), 0);
  kept->Add();
  delete kept;
}

TEST(ContainerComponentTest, GlobalListRoundTripsAsInternal) {
  testsupport::TContainerScope global;
  vcl::RegisterClasses({TProbeComp::StaticClass()});
  for (TZYLCustomImageList* list :
       {static_cast<TZYLCustomImageList*>(ZYLContainer()->ImageList()),
        static_cast<TZYLCustomImageList*>(ZYLContainer()->BitmapList())}) {
    std::string bytes;
    {
      TProbeComp c(nullptr);
      c.SetImageList(list);
      c.SetIndex(0, 5);
      c.SetIndex(1, 1);
      EXPECT_FALSE(c.IsImageListStored());
      bytes = vcl::WriteComponentToBytes(&c);
    }
    EXPECT_EQ(list->LinkCount(), 0);
    const std::string text = vcl::ObjectBinaryToTextString(bytes);
    EXPECT_NE(text.find("Internal = '" + ZYLGlobalIdent(list) + "'"), std::string::npos) << text;
    EXPECT_EQ(text.find("ImageList"), std::string::npos) << text;

    TProbeComp d(nullptr);
    vcl::ReadComponentFromBytes(bytes, &d);
    EXPECT_EQ(d.ImageList(), list);
    EXPECT_EQ(d.ImageIndex(), 5);
    EXPECT_EQ(d.ListIndex(), 1);
    // Read back, the list is followed like one set by hand.
    EXPECT_EQ(list->LinkCount(), 1);
    const int before = d.Changes();
    list->Add();
    EXPECT_EQ(d.Changes(), before + 1);
    list->Clear();
  }
}

TEST(ContainerComponentTest, UnknownOrMissingGlobalListReadsAsNone) {
  std::string bytes;
  {
    testsupport::TContainerScope global;
    TProbeComp c(nullptr);
    c.SetImageList(ZYLContainer()->ImageList());
    bytes = vcl::WriteComponentToBytes(&c);
  }
  const std::string signature = ZYLListSignature(icImageList);
  // A signature of a list kind that is no image list.
  {
    testsupport::TContainerScope global;
    const std::string foreign = Replace(bytes, signature, ZYLListSignature(icWave));
    ASSERT_NE(foreign, bytes);
    TProbeComp d(nullptr);
    EXPECT_NO_THROW(vcl::ReadComponentFromBytes(foreign, &d));
    EXPECT_EQ(d.ImageList(), nullptr);
  }
  // No global container at all (a program without the library's start-up).
  if (ZYLContainer() == nullptr) {
    TProbeComp d(nullptr);
    EXPECT_NO_THROW(vcl::ReadComponentFromBytes(bytes, &d));
    EXPECT_EQ(d.ImageList(), nullptr);
  }
}

TEST(ContainerComponentTest, LocalListStreamsAsAReference) {
  vcl::RegisterClasses({TProbeComp::StaticClass(), TZYLImageList::StaticClass(),
                        TRoot::StaticClass()});
  std::string bytes;
  {
    TRoot root(nullptr);
    root.SetName("Root1");
    auto* list = new TZYLImageList(&root);
    list->SetName("Images");
    auto* c = new TProbeComp(&root);
    c->SetName("Probe");
    c->SetImageList(list);
    EXPECT_TRUE(c->IsImageListStored());
    bytes = vcl::WriteComponentToBytes(&root);
  }
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("ImageList = Images"), std::string::npos) << text;
  EXPECT_EQ(text.find("Internal"), std::string::npos) << text;

  TRoot root(nullptr);
  vcl::ReadComponentFromBytes(bytes, &root);
  auto* list = dynamic_cast<TZYLImageList*>(root.FindComponent("Images"));
  auto* c = dynamic_cast<TProbeComp*>(root.FindComponent("Probe"));
  ASSERT_NE(list, nullptr);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->ImageList(), list);
  EXPECT_EQ(list->LinkCount(), 1);
  delete list;
  EXPECT_EQ(c->ImageList(), nullptr);
}

TEST(ContainerComponentTest, ContainerControlUsesItsOwnContainerWhileDesigned) {
  testsupport::TContainerScope global;
  TZYLContainerCtrl running(nullptr), designed(nullptr);
  designed.SetDesigning(true);
  TZYLContainer* own = designed.Container();
  EXPECT_EQ(running.Container(), ZYLContainer());
  ASSERT_NE(own, ZYLContainer());
  EXPECT_EQ(designed.Container(), own);  // kept, not made anew
  ASSERT_NE(own->WaveList(), nullptr);
  EXPECT_FALSE(ZYLIsGlobalIdent(own->ImageList()));
}

}  // namespace zyl
