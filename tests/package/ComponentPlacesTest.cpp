// The places a component of the library is known in, checked both ways against the classes the
// run-time package registers, with the design-time package loaded as the IDE loads it: every
// registered class has its row in the published-property table, a palette page and picture
// (or is listed below as registered for form streams only) and, where the component-editor
// rows name it or an ancestor, the editor of the nearest such row; and every class one of those
// places names is registered. A failure lists each class with the place it lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "design/pZYLPaletteArt.h"
#include "design/pZYLRegister.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Resources.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/package/PackageFixture.h"

namespace {

const std::map<std::string, std::string>& PublishedRows() {
  static const std::map<std::string, std::string> table = {
#include "tests/package/PublishedTable.inc"
  };
  return table;
}

// Classes the package registers so that forms can hold them, which the palette does not offer:
// pages a wizard makes, bases registered by their own units, the edits and lists with a label
// of their own, and the components placed from code.
const std::set<std::string> kStreamOnly = {
    // Made by their owner.
    "TZYLAssistPage", "TZYLFaceSetting",
    // Bases of palette components, registered by their units.
    "TZYLBaseGraphicButton", "TZYLBaseShape",
    // The labeled variants.
    "TZYLLabeledBrowseEdit", "TZYLLabeledColorEdit", "TZYLLabeledColorListBox", "TZYLLabeledEdit",
    "TZYLLabeledExtListBox", "TZYLLabeledExtSpinEdit", "TZYLLabeledFileOpenEdit",
    "TZYLLabeledFileSaveEdit", "TZYLLabeledFontListBox", "TZYLLabeledFontSizeListBox",
    "TZYLLabeledImageListBox", "TZYLLabeledListComboBox", "TZYLLabeledMaskEdit", "TZYLLabeledMemo",
    // Components the package registers without a palette row.
    "TZYLBoundLabel", "TZYLColorListBox", "TZYLEditAutoComplete", "TZYLExtListBox",
    "TZYLExtSpinEdit", "TZYLFaceController", "TZYLFileCtrl", "TZYLFileGrep", "TZYLFontListBox",
    "TZYLFontSizeListBox", "TZYLHideNonVC", "TZYLHistoryEdit", "TZYLHookComponent", "TZYLInputDlg",
    "TZYLListComboBox", "TZYLPopupMenu", "TZYLSysMenu"};

std::string Lines(const std::vector<std::string>& Texts) {
  std::string text;
  for (const std::string& t : Texts) text += "\n  " + t;
  return text;
}

// The component-editor row that decides a class's editor: the one naming the class or its
// nearest ancestor, the later of two for one class; null when no row names any of them.
const zyl::TZYLRegRow* EditorRowOf(vcl::TClass Class) {
  for (vcl::TClass c = Class; c; c = c->ClassParent()) {
    const zyl::TZYLRegRow* found = nullptr;
    for (const zyl::TZYLRegUnit& u : zyl::ZYLRegUnits())
      for (const zyl::TZYLRegRow& r : u.Rows)
        if (r.Kind == zyl::TZYLRegRow::rkComponentEditor && c->ClassName() == std::string(r.Target))
          found = &r;
    if (found) return found;
  }
  return nullptr;
}

bool HasPicture(const std::string& ClassName) {
  const void* data = nullptr;
  size_t size = 0;
  return vcl::FindResourceData(vcl::HInstance, vcl::RT_BITMAP,
                               zyl::ZYLPaletteResourceName(ClassName), data, size) &&
         size > 0;
}

class ComponentPlaces : public packagetest::TPackageFixture<> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    design_ = vcl::LoadDesignPackageFile("zyl70se_B5_design");
    for (const std::string& page : vcl::PalettePages())
      for (vcl::TClass c : vcl::PaletteClasses(page)) palette_.insert(c->ClassName());
    for (const zyl::TZYLRegUnit& u : zyl::ZYLRegUnits())
      for (const zyl::TZYLPaletteItem& item : u.Components) paletteRows_.insert(item.ClassName);
  }
  void TearDown() override {
    if (design_) vcl::UnloadDesignPackageFile(design_);
    TPackageFixture::TearDown();
  }

  bool Registered(const std::string& Name) const {
    return std::any_of(registered_.begin(), registered_.end(),
                       [&](vcl::TClass c) { return Name == c->ClassName(); });
  }
  win::HMODULE design_ = nullptr;
  // The classes on the IDE's palette pages, and those the registration tables list.
  std::set<std::string> palette_, paletteRows_;
};

TEST_F(ComponentPlaces, EveryRegisteredClassHasEachOfItsPlaces) {
  ASSERT_GT(registered_.size(), 100u);
  ASSERT_FALSE(palette_.empty());
  std::vector<std::string> missing;
  for (vcl::TClass cls : registered_) {
    const std::string name = cls->ClassName();
    if (!PublishedRows().count(name))
      missing.push_back(name + ": no row in tests/package/PublishedTable.inc");
    const bool onPalette = palette_.count(name) > 0;
    if (!onPalette && !kStreamOnly.count(name))
      missing.push_back(name +
                        ": on no palette page (design/pZYLRegisterTable.cpp) and not listed as "
                        "registered for streams only");
    if (onPalette && !HasPicture(name))
      missing.push_back(name + ": no palette picture (design/pZYLPaletteArtPictures.cpp)");
    const zyl::TZYLRegRow* row = EditorRowOf(cls);
    const std::string editor = vcl::FindComponentEditorClass(cls)->Name;
    if (row && editor != row->EditorName)
      missing.push_back(name + ": the editor row for " + row->Target + " wants " + row->EditorName +
                        ", the designer gives " + editor);
    if (!row && editor != "TDefaultEditor")
      missing.push_back(name + ": no editor row names it or an ancestor, yet it gets " + editor);
  }
  EXPECT_TRUE(missing.empty()) << Lines(missing);
}

TEST_F(ComponentPlaces, EveryClassAPlaceNamesIsRegistered) {
  const auto registered = [this](const std::string& Name) {
    return std::any_of(registered_.begin(), registered_.end(),
                       [&](vcl::TClass c) { return Name == c->ClassName(); });
  };
  // A name the package registers, or an ancestor of one (editor rows name bases).
  const auto knownBase = [this](const std::string& Name) {
    for (vcl::TClass c : registered_)
      for (vcl::TClass a = c; a; a = a->ClassParent())
        if (Name == a->ClassName()) return true;
    return false;
  };
  std::vector<std::string> stray;
  for (const auto& [name, row] : PublishedRows())
    if (!registered(name)) stray.push_back(name + ": published-list row, never registered");
  for (const std::string& name : paletteRows_)
    if (!registered(name)) stray.push_back(name + ": palette row, never registered");
  for (const std::string& name : zyl::ZYLPalettePictureClasses())
    if (!paletteRows_.count(name)) stray.push_back(name + ": palette picture, on no page");
  for (const std::string& name : kStreamOnly) {
    if (!registered(name)) stray.push_back(name + ": listed for streams only, never registered");
    if (palette_.count(name)) stray.push_back(name + ": listed for streams only, on the palette");
  }
  for (const zyl::TZYLRegUnit& u : zyl::ZYLRegUnits())
    for (const zyl::TZYLRegRow& r : u.Rows)
      if (r.Kind == zyl::TZYLRegRow::rkComponentEditor && !knownBase(r.Target))
        stray.push_back(std::string(r.Target) + ": editor row, neither registered nor a base");
  EXPECT_TRUE(stray.empty()) << Lines(stray);
}

}  // namespace
