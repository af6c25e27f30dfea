// The launchers the package installs for the component editors while its design units are
// entered: with the package loaded as a host loads it, the verbs of real editors open the editor
// form of their settings object, the image picker and the face editor; once the package is
// unloaded the verbs find no launcher again and a picker set before is back.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButtonGroup.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLPanelFill.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLCE.h"
#include "design/pZYLCEButtons.h"
#include "design/pZYLCEVerbs.h"
#include "design/pZYLDesignUnits.h"
#include "design/pZYLRegister.h"
#include "display/ZYLLED.h"
#include "display/ZYLSmallBar.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/Filer.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/sys/Packages.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/design/ImageListSupport.h"
#include "tests/support/DialogScript.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

namespace zyl {
namespace {

namespace vt = vcl::testkit;
using designtest::TDesignedForm;

std::vector<TDesignedForm::TRegistration> Editors() {
  using vcl::ComponentEditorClassOf;
  return {
      {TZYLBaseGraphicButton::StaticClass(),
       ComponentEditorClassOf<TZYLBaseGraphicButtonComponentEditor>()},
      {TZYLCustomButtonGroup::StaticClass(),
       ComponentEditorClassOf<TZYLCustomButtonGroupComponentEditor>()},
      {TZYLPanelFill::StaticClass(), ComponentEditorClassOf<TZYLPanelFillComponentEditor>()},
  };
}

// The library's and the package's units started and the package loaded, as a host does it;
// a designed form with the button and panel editors.
class InstalledLaunchers : public ::testing::Test {
 protected:
  InstalledLaunchers() {
    vcl::InitializePackage(*GetPackageInfoTable());
    Load();
    form_ = std::make_unique<TDesignedForm>(Editors());
  }
  ~InstalledLaunchers() override {
    form_.reset();
    Unload();
    vcl::FinalizePackage(*GetPackageInfoTable());
  }
  void Load() {
    vcl::InitializePackage(ZYLDesignUnitTable());
    ZYLLoadDesignPackage();
    loaded_ = true;
  }
  void Unload() {
    if (!loaded_) return;
    loaded_ = false;
    ZYLUnloadDesignPackage();
    vcl::FinalizePackage(ZYLDesignUnitTable());
  }
  template <class T>
  T* Add(const std::string& Name) {
    return form_->Add<T>(Name);
  }
  vcl::TFormDesigner* Designer() { return form_->Designer(); }

  testsupport::TempDir dir_;
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  vt::TControlsSession session_;
  std::unique_ptr<TDesignedForm> form_;
  bool loaded_ = false;
};

// Cancels the image picker through its own button.
void AnswerPicker(vt::TDialogScript& Script) {
  designtest::AnswerEditor(
      Script, [](vcl::TCustomForm*) {}, designtest::TEnding::Cancel, "btnOk", "btnCancel");
}

// A verb of a settings object: the component, the verb and the caption of the form it opens.
struct TSettingsVerbCase {
  const char* Verb;
  std::function<vcl::TComponent*(InstalledLaunchers&)> Make;
  const char* FormCaption;
  const char* ObjectClass;  // what the verb edits, named when no launcher is left
};

class InstalledSettingsLaunchers : public InstalledLaunchers {
 public:
  template <class T>
  static std::function<vcl::TComponent*(InstalledLaunchers&)> Make(const char* Name) {
    return [Name](InstalledLaunchers& t) -> vcl::TComponent* {
      return static_cast<InstalledSettingsLaunchers&>(t).Add<T>(Name);
    };
  }
  static std::vector<TSettingsVerbCase> Cases() {
    return {
        {"ButtonLayout", Make<TZYLSpeedButton>("Speed1"), "ButtonLayout-Editor",
         "TZYLButtonLayout"},
        {"FontFX", Make<TZYLSpeedButton>("Speed2"), "FxCaption-Editor", "TZYLFxCaption"},
        // A group's captions are effect captions.
        {"Font3D", Make<TZYLRadioGroup>("Radio1"), "FxCaption-Editor", "TZYLFxCaption"},
        {"FillObject", Make<TZYLPanelFill>("Panel1"), "FillObject-Editor", "TZYLFillObject"},
        {"Bevel", Make<TZYLPanelFill>("Panel2"), "Bevel-Editor", "TZYLBevel"},
    };
  }
};

// Each verb opens its own editor form on the component's object: Cancel leaves the component
// as it was and reports nothing, OK reports one modification.
TEST_F(InstalledSettingsLaunchers, EachSettingsVerbOpensItsEditorForm) {
  for (const TSettingsVerbCase& c : Cases()) {
    SCOPED_TRACE(c.Verb);
    vcl::TComponent* component = c.Make(*this);
    for (const char* button : {"Cancel", "OK"}) {
      SCOPED_TRACE(button);
      const std::string before = designtest::StreamOf(component);
      Designer()->ResetModified();
      vt::TDialogScript script;
      script.Press(button);
      form_->Menu(component).Execute(c.Verb);
      EXPECT_EQ(script.Pending(), 0u);
      ASSERT_EQ(script.Shown().size(), 1u);
      EXPECT_EQ(script.Shown()[0].Caption, c.FormCaption);
      const bool ok = std::string(button) == "OK";
      EXPECT_EQ(Designer()->ModifiedCount(), ok ? 1 : 0);
      if (!ok) {
        EXPECT_EQ(designtest::StreamOf(component), before);
      }
    }
    delete component;
  }
}

// Once the package is unloaded no launcher edits the objects: each verb is a clear error that
// names the class, and the component stays as it was.
TEST_F(InstalledSettingsLaunchers, AfterUnloadingEachSettingsVerbNamesItsClassAsUnedited) {
  std::vector<vcl::TComponent*> components;
  for (const TSettingsVerbCase& c : Cases()) components.push_back(c.Make(*this));
  Unload();
  EXPECT_EQ(ZYLCEUnitEntries(), 0);
  size_t i = 0;
  for (const TSettingsVerbCase& c : Cases()) {
    SCOPED_TRACE(c.Verb);
    vcl::TComponent* component = components[i++];
    const std::string before = designtest::StreamOf(component);
    Designer()->ResetModified();
    EXPECT_EQ(
        testsupport::ErrorOf<vcl::EPropertyError>([&] { form_->Menu(component).Execute(c.Verb); }),
        vcl::Format(vcl::SZYLNoSettingsLauncher, {c.ObjectClass}));
    EXPECT_EQ(designtest::StreamOf(component), before);
    EXPECT_EQ(Designer()->ModifiedCount(), 0);
  }
  // Loading again installs them again.
  Load();
  vt::TDialogScript script;
  script.Press("Cancel");
  form_->Menu(components.front()).Execute(Cases().front().Verb);
  EXPECT_EQ(script.Shown().size(), 1u);
}

// The launcher table: an object of each class opens the form of its launcher, which Escape
// leaves without accepting.
struct TLauncherCase {
  std::function<std::unique_ptr<vcl::TPersistent>()> Make;
  const char* FormCaption;
};

template <class T>
std::function<std::unique_ptr<vcl::TPersistent>()> New() {
  return [] { return std::make_unique<T>(); };
}

TEST_F(InstalledLaunchers, EveryClassOfTheTableOpensTheFormOfItsLauncher) {
  const TLauncherCase cases[] = {
      {New<TZYL3DCaption>(), "3DCaption-Editor"},
      {New<TZYLFxCaption>(), "FxCaption-Editor"},
      {New<TZYLBevel>(), "Bevel-Editor"},
      {New<TZYLSimpleBevel>(), "TZYLSimpleBevel-Editor"},
      {New<TZYLShadow>(), "TZYLShadow-Editor"},
      {New<TZYLTeeth>(), "Teeth-Editor"},
      {New<TZYLSmallBar>(), "TZYLSmallBar - Editor"},
      {New<TZYLGradient>(), "Gradient-Editor"},
      {New<TZYLFillObject>(), "FillObject-Editor"},
      {New<TZYLShapeFill>(), "ShapeFill-Editor"},
      {New<TZYLButtonLayout>(), "ButtonLayout-Editor"},
      {New<TZYLGlyphTextLayout>(), "GlyphTextLayout-Editor"},
      {New<TZYLTransparent>(), "TZYLTransparent-Editor"},
      {New<TZYLLED>(), "LED-Editor"},
      {New<TZYLDateTime>(), "DateTime Editor"},
      {New<TZYLDateList>(), "ZYL DateListPropertyEditor"},
      {New<TZYLCaption>(), "TZYLCaption-Editor"},
      {New<TZYLWave>(), "Select Wave"},
      {New<vcl::TBrush>(), "TBrush-Editor"},
  };
  for (const TLauncherCase& c : cases) {
    SCOPED_TRACE(c.FormCaption);
    std::unique_ptr<vcl::TPersistent> object = c.Make();
    vt::TDialogScript script;
    script.PressKey(win::VK_ESCAPE);
    EXPECT_FALSE(ZYLSettingsLauncherOf(object.get())(object.get()));
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].Caption, c.FormCaption);
  }
}

TEST_F(InstalledLaunchers, TheImageListVerbsOpenTheImagePicker) {
  auto* check = Add<TZYLRadioGroup>("Radio1");
  auto* mm = Add<TZYLMMButton>("Faces1");
  // A multimedia button without a face list picks one.
  const std::pair<vcl::TComponent*, const char*> cases[] = {{check, "ImageList"},
                                                            {mm, "Select ButtonFace"}};
  for (const auto& [component, verb] : cases) {
    SCOPED_TRACE(verb);
    const std::string before = designtest::StreamOf(component);
    vt::TDialogScript script;
    AnswerPicker(script);
    form_->Menu(component).Execute(verb);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].Caption, "Select Image...");
    EXPECT_EQ(designtest::StreamOf(component), before);
  }
}

TEST_F(InstalledLaunchers, AMultimediaButtonWithAFaceListOpensTheFaceEditor) {
  TZYLImageList* faces = Add<TZYLImageList>("FaceList");
  designtest::AddStrip(*faces, 16, 16, {vcl::clRed, vcl::clLime});
  auto* mm = Add<TZYLMMButton>("Faces1");
  mm->SetButtonFaceImageList(faces);
  ASSERT_EQ(form_->Menu(mm).Verbs().front(), "ButtonFace");
  vt::TDialogScript script;
  script.Press("Cancel");
  form_->Menu(mm).Execute("ButtonFace");
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Caption, "ButtonFace-Editor");
}

// Unloading takes the package's picker and face editor away again and gives back what was
// set before the package was loaded.
TEST_F(InstalledLaunchers, UnloadingGivesBackThePickerAndFaceEditorSetBefore) {
  auto* check = Add<TZYLRadioGroup>("Radio1");
  TZYLImageList* faces = Add<TZYLImageList>("FaceList");
  designtest::AddStrip(*faces, 16, 16, {vcl::clRed});
  auto* mm = Add<TZYLMMButton>("Faces1");
  mm->SetButtonFaceImageList(faces);
  Unload();
  EXPECT_EQ(
      testsupport::ErrorOf<vcl::EPropertyError>([&] { form_->Menu(check).Execute("ImageList"); }),
      vcl::Format(vcl::SZYLNoImageListPicker, {"ImageList"}));
  EXPECT_EQ(
      testsupport::ErrorOf<vcl::EPropertyError>([&] { form_->Menu(mm).Execute("ButtonFace"); }),
      vcl::Format(vcl::SZYLNoSettingsLauncher, {"TZYLMMButton"}));

  int faceCalls = 0;
  const TZYLButtonFaceMMLauncher none = ZYLSetButtonFaceMMLauncher(
      [&](TZYLMMButton*, TZYLCustomImageList*) { return ++faceCalls > 0; });
  EXPECT_FALSE(none);
  {
    designtest::TRecordedPicker picker;
    Load();
    vt::TDialogScript script;
    AnswerPicker(script);
    script.Press("Cancel");
    form_->Menu(check).Execute("ImageList");
    form_->Menu(mm).Execute("ButtonFace");
    EXPECT_EQ(script.Shown().size(), 2u);
    EXPECT_TRUE(picker.Seeded.empty());
    EXPECT_EQ(faceCalls, 0);
    Unload();
    form_->Menu(check).Execute("ImageList");
    form_->Menu(mm).Execute("ButtonFace");
    EXPECT_EQ(picker.Seeded.size(), 1u);
    EXPECT_EQ(faceCalls, 1);
  }
  ZYLSetButtonFaceMMLauncher(nullptr);
}

}  // namespace
}  // namespace zyl
