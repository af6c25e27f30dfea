#include "tests/package/PropertyStage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/classes/Collection.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Dialogs.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLBaseDialog.h"
#include "tests/package/PackageFixture.h"
#include "tests/support/ErrorOf.h"

namespace packagetest {

std::string Text(const Path& path) {
  std::string s;
  for (const std::string& part : path) s += (s.empty() ? "" : ".") + part;
  return s;
}

namespace {

constexpr char kFirstItem[] = "[0]";

// The first item of a collection, added when there is none.
vcl::TObject* FirstItem(vcl::TObject* obj) {
  auto* collection = dynamic_cast<vcl::TCollection*>(obj);
  if (!collection) return nullptr;
  if (collection->Count() == 0) collection->Add();
  return collection->Items(0);
}

}  // namespace

vcl::TObject* Walk(vcl::TObject* obj, const Path& path) {
  for (size_t i = 0; obj && i + 1 < path.size(); ++i) {
    const std::string& part = path[i];
    const size_t item = part.size() - std::min(part.size(), sizeof(kFirstItem) - 1);
    if (part.compare(item, std::string::npos, kFirstItem) == 0)
      obj = FirstItem(vcl::GetObjectProp(obj, part.substr(0, item)));
    else
      obj = vcl::GetObjectProp(obj, part);
  }
  return obj;
}

bool IsForm(vcl::TClass cls) { return cls->InheritsFrom(vcl::TCustomForm::StaticClass()); }

bool IsControlClass(vcl::TClass cls) {
  return cls->InheritsFrom(vcl::TControl::StaticClass()) && !IsForm(cls);
}

void PropertyPaths(vcl::TObject* obj, const Path& prefix, int depth, const TPropFilter& take,
                   std::vector<Path>& paths, bool items) {
  for (const vcl::TPropInfo* p : vcl::GetPropList(obj)) {
    Path path = prefix;
    path.push_back(p->Name);
    if (take(obj, p)) {
      paths.push_back(path);
    } else if (p->Kind() == vcl::tkClass && depth < kOwnedDepth) {
      vcl::TObject* sub = vcl::GetObjectProp(obj, p);
      if (!sub || dynamic_cast<vcl::TComponent*>(sub)) continue;
      PropertyPaths(sub, path, depth + 1, take, paths, items);
      if (!items || !dynamic_cast<vcl::TCollection*>(sub)) continue;
      path.back() += kFirstItem;
      PropertyPaths(FirstItem(sub), path, depth + 1, take, paths, items);
    }
  }
}

std::vector<Path> PropertyPathsOf(vcl::TClass cls, const TPropFilter& take, bool items) {
  std::vector<Path> paths;
  TStage probe(cls);
  PropertyPaths(probe.Component(), {}, 0, take, paths, items);
  return paths;
}

std::vector<vcl::TClass> ComponentClasses() { return ComponentsByName(vcl::RegisteredClasses()); }

TStage::TStage(vcl::TClass cls) {
  if (IsForm(cls)) {
    form_.reset(static_cast<vcl::TCustomForm*>(cls->Create(nullptr)));
    component_ = form_.get();
  } else {
    form_.reset(new vcl::TForm(nullptr));
    component_ = cls->Create(form_.get());
    if (auto* control = dynamic_cast<vcl::TControl*>(component_)) {
      control->SetBounds(8, 8, 120, 60);
      control->SetParent(form_.get());
    }
  }
  form_->SetBounds(0, 0, 320, 240);
  form_->Show();
}

void TStage::Paint() { PaintShown(form_.get()); }

void PaintShown(vcl::TCustomForm* form) {
  if (form->HandleAllocated())
    win::RedrawWindow(form->Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN);
  win::testkit::RunUntilIdle();
  win::testkit::AdvanceClock(kTimerSpan);
}

std::string FormWith(vcl::TClass cls, const Path& path, const TSetValue& set,
                     const std::function<void(vcl::TComponent*)>& kept) {
  std::unique_ptr<vcl::TCustomForm> form;
  vcl::TComponent* c;
  if (IsForm(cls)) {
    form.reset(static_cast<vcl::TCustomForm*>(cls->Create(nullptr)));
    c = form.get();
  } else {
    form.reset(new vcl::TForm(nullptr));
    form->SetBounds(0, 0, 320, 240);
    c = cls->Create(form.get());
    c->SetName("X");
    if (auto* control = dynamic_cast<vcl::TControl*>(c)) {
      control->SetBounds(8, 8, 120, 60);
      control->SetParent(form.get());
    }
  }
  vcl::TObject* target = Walk(c, path);
  const vcl::TPropInfo* p = target ? vcl::FindPropInfo(target, path.back()) : nullptr;
  if (!p) return "";
  const std::string refused = testsupport::ErrorOf<vcl::Exception>([&] { set(target, p); });
  if (refused != "<no error>") return "";
  if (kept) kept(c);
  return vcl::WriteComponentToBytes(form.get());
}

std::unique_ptr<vcl::TCustomForm> NewRoot(vcl::TClass cls) {
  return std::unique_ptr<vcl::TCustomForm>(
      IsForm(cls) ? static_cast<vcl::TCustomForm*>(cls->Create(nullptr)) : new vcl::TForm(nullptr));
}

vcl::TComponent* ReadComponent(vcl::TClass cls, vcl::TCustomForm* root) {
  return IsForm(cls) ? root : root->FindComponent("X");
}

namespace {

// The middle of what shows of a control on its form, in the form's client coordinates (a
// corner of the form when nothing of it shows), computed in 64 bits.
win::POINT Inside(vcl::TCustomForm* form, vcl::TComponent* c) {
  auto* control = dynamic_cast<vcl::TControl*>(c);
  if (!control || control == form || control->Parent() != form) return {4, 4};
  const int64_t left = std::max<int64_t>(control->Left(), 0);
  const int64_t top = std::max<int64_t>(control->Top(), 0);
  const int64_t right =
      std::min<int64_t>(int64_t{control->Left()} + control->Width(), form->ClientWidth());
  const int64_t bottom =
      std::min<int64_t>(int64_t{control->Top()} + control->Height(), form->ClientHeight());
  if (left >= right || top >= bottom) return {4, 4};
  return {static_cast<int>((left + right) / 2), static_cast<int>((top + bottom) / 2)};
}

}  // namespace

bool ShowAndTakeInput(vcl::TCustomForm* form, vcl::TComponent* c) {
  EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] {
    form->Show();
    win::testkit::RunUntilIdle();
  }));
  if (!form->HandleAllocated()) return false;
  EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { TakeInput(form, c); }));
  return true;
}

void TakeInput(vcl::TCustomForm* form, vcl::TComponent* c) {
  const win::POINT at = Inside(form, c);
  const win::POINT p = win::testkit::ScreenPoint(form->Handle(), at.X, at.Y);
  win::testkit::Click(p.X, p.Y);
  win::testkit::AdvanceClock(1000);  // not a double click
  win::testkit::Drag(p, {p.X + 24, p.Y + 12});
  if (auto* w = dynamic_cast<vcl::TWinControl*>(c); w && w != form && w->CanFocus()) w->SetFocus();
  win::testkit::TypeText("a1 ");
  for (win::BYTE key : {win::VK_LEFT, win::VK_RIGHT, win::VK_UP, win::VK_DOWN, win::VK_HOME,
                        win::VK_END, win::VK_PRIOR, win::VK_NEXT, win::VK_BACK, win::VK_DELETE})
    win::testkit::KeyPress(key);
  win::testkit::RunUntilIdle();
}

bool Execute(vcl::TComponent* c) {
  if (auto* common = dynamic_cast<vcl::TCommonDialog*>(c)) return common->Execute();
  if (auto* own = dynamic_cast<zyl::TZYLBaseDialog*>(c)) return own->Execute();
  return false;
}

}  // namespace packagetest
