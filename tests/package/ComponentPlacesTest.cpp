// The places a component of the library is known in, checked both ways against the classes the
// run-time package registers: every registered class has its row in the published-property
// table below, its palette row and picture (or is listed as registered for form streams only)
// and an editor row of the design package for itself or an ancestor (or is listed as taking the
// designer's default editor); and every class one of those places names is registered. A
// failure lists each class with the place it lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "design/pZYLPaletteArt.h"
#include "design/pZYLRegister.h"
#include "platform/classes/Registry.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"

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
    "TZYLLabeledImageListBox", "TZYLLabeledListComboBox", "TZYLLabeledMaskEdit",
    "TZYLLabeledMemo",
    // Components the package registers without a palette row.
    "TZYLBoundLabel", "TZYLColorListBox", "TZYLEditAutoComplete", "TZYLExtListBox",
    "TZYLExtSpinEdit", "TZYLFaceController", "TZYLFileCtrl", "TZYLFileGrep", "TZYLFontListBox",
    "TZYLFontSizeListBox", "TZYLHideNonVC", "TZYLHistoryEdit", "TZYLHookComponent",
    "TZYLInputDlg", "TZYLListComboBox", "TZYLPopupMenu", "TZYLSysMenu"};

// Registered classes that no component-editor row names, neither for themselves nor for an
// ancestor: the designer gives them its default editor.
const std::set<std::string> kDefaultEditor = {};

std::string PagedClasses(const std::vector<std::string>& Names) {
  std::string text;
  for (const std::string& n : Names) text += "\n  " + n;
  return text;
}

class ComponentPlaces : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<vcl::TClass> before = vcl::RegisteredClasses();
    module_ = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
    ASSERT_NE(module_, nullptr);
    for (vcl::TClass c : vcl::RegisteredClasses())
      if (std::find(before.begin(), before.end(), c) == before.end()) registered_.push_back(c);
    for (const zyl::TZYLRegUnit& u : zyl::ZYLRegUnits())
      for (const zyl::TZYLPaletteItem& item : u.Components) palette_.insert(item.ClassName);
  }
  void TearDown() override {
    if (module_) vcl::UnloadPackage(module_);
  }

  bool Registered(const std::string& Name) const {
    return std::any_of(registered_.begin(), registered_.end(),
                       [&](vcl::TClass c) { return Name == c->ClassName(); });
  }
  // Whether a standing component-editor row names the class or one of its ancestors.
  static bool HasEditorRow(vcl::TClass Class) {
    for (const zyl::TZYLRegUnit& u : zyl::ZYLRegUnits())
      for (const zyl::TZYLRegRow& r : u.Rows)
        if (r.Kind == zyl::TZYLRegRow::rkComponentEditor && zyl::ZYLRowStands(r) &&
            Class->InheritsFrom(r.Class()))
          return true;
    return false;
  }

  vcl::testkit::TControlsSession session_;
  win::HMODULE module_ = nullptr;
  std::vector<vcl::TClass> registered_;
  std::set<std::string> palette_;
};

TEST_F(ComponentPlaces, EveryRegisteredClassHasEachOfItsPlaces) {
  ASSERT_GT(registered_.size(), palette_.size() / 2);
  std::vector<std::string> missing;
  for (vcl::TClass cls : registered_) {
    const std::string name = cls->ClassName();
    if (!PublishedRows().count(name))
      missing.push_back(name + ": no row in tests/package/PublishedTable.inc");
    const bool onPalette = palette_.count(name) > 0;
    if (!onPalette && !kStreamOnly.count(name))
      missing.push_back(name +
                        ": no palette row (design/pZYLRegisterTable.cpp) and not listed as "
                        "registered for streams only");
    if (onPalette && zyl::ZYLPalettePicturePixels(name).empty())
      missing.push_back(name + ": no palette picture (design/pZYLPaletteArtPictures.cpp)");
    if (!HasEditorRow(cls) && !kDefaultEditor.count(name))
      missing.push_back(name +
                        ": no component-editor row for it or an ancestor "
                        "(design/pZYLRegisterTable.cpp) and not listed as taking the default "
                        "editor");
  }
  EXPECT_TRUE(missing.empty()) << PagedClasses(missing);
}

TEST_F(ComponentPlaces, EveryClassAPlaceNamesIsRegistered) {
  std::vector<std::string> stray;
  for (const auto& [name, row] : PublishedRows())
    if (!Registered(name)) stray.push_back(name + ": published-list row, never registered");
  for (const std::string& name : palette_)
    if (!Registered(name)) stray.push_back(name + ": on the palette, never registered");
  for (const std::string& name : zyl::ZYLPalettePictureClasses())
    if (!palette_.count(name)) stray.push_back(name + ": a palette picture, on no palette page");
  for (const std::string& name : kStreamOnly) {
    if (!Registered(name)) stray.push_back(name + ": listed for streams only, never registered");
    if (palette_.count(name)) stray.push_back(name + ": listed for streams only, on the palette");
  }
  for (const std::string& name : kDefaultEditor) {
    vcl::TClass cls = vcl::GetClass(name);
    if (!Registered(name))
      stray.push_back(name + ": listed for the default editor, never registered");
    else if (HasEditorRow(cls))
      stray.push_back(name + ": listed for the default editor, has an editor row");
  }
  // An editor row names a registered class, or an ancestor the rows name for its descendants.
  for (const zyl::TZYLRegUnit& u : zyl::ZYLRegUnits())
    for (const zyl::TZYLRegRow& r : u.Rows) {
      if (r.Kind != zyl::TZYLRegRow::rkComponentEditor || !zyl::ZYLRowStands(r)) continue;
      const bool used = std::any_of(registered_.begin(), registered_.end(),
                                    [&](vcl::TClass c) { return c->InheritsFrom(r.Class()); });
      if (!used) stray.push_back(std::string(r.Target) + ": editor row, no registered class");
    }
  EXPECT_TRUE(stray.empty()) << PagedClasses(stray);
}

}  // namespace
