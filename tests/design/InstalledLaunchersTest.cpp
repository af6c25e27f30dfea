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
#include "platform/testkit/DialogScript.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/design/ImageListSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

namespace zyl {
namespace {

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
  // A new component of the class on the form, named as the designer names it.
  vcl::TComponent* Add(vcl::TClass Class) {
    vcl::TComponent* c = Class->Create(form_->Form());
    c->SetName(Designer()->UniqueName(Class->ClassName()));
    if (auto* control = dynamic_cast<vcl::TControl*>(c)) control->SetParent(form_->Form());
    return c;
  }
  // A multimedia button whose face list holds two faces.
  TZYLMMButton* FacedButton() {
    auto* faces = static_cast<TZYLImageList*>(Add(TZYLImageList::StaticClass()));
    designtest::AddStrip(*faces, 16, 16, {vcl::clRed, vcl::clLime});
    auto* mm = static_cast<TZYLMMButton*>(Add(TZYLMMButton::StaticClass()));
    mm->SetButtonFaceImageList(faces);
    return mm;
  }
  vcl::TFormDesigner* Designer() { return form_->Designer(); }
  std::string Error(vcl::TComponent* c, const char* Verb) {
    return testsupport::ErrorOf<vcl::EPropertyError>([&] { form_->Menu(c).Execute(Verb); });
  }

  testsupport::TempDir dir_;
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  vt::TControlsSession session_;
  std::unique_ptr<TDesignedForm> form_;
  bool loaded_ = false;
};

// The image picker's caption; Cancel through its own button.
constexpr char kPicker[] = "Select Image...";
void AnswerPicker(vt::TDialogScript& Script) {
  designtest::AnswerEditor(
      Script, [](vcl::TCustomForm*) {}, designtest::TEnding::Cancel, "btnOk", "btnCancel");
}

// A settings-object verb: the component's class, the caption of the form it opens and the class
// of the object it edits.
struct TSettingsVerbCase {
  const char* Verb;
  vcl::TClass (*Class)();
  const char* FormCaption;
  const char* ObjectClass;
};

const TSettingsVerbCase kSettingsVerbs[] = {
    {"ButtonLayout", &TZYLSpeedButton::StaticClass, "ButtonLayout-Editor", "TZYLButtonLayout"},
    {"FontFX", &TZYLSpeedButton::StaticClass, "FxCaption-Editor", "TZYLFxCaption"},
    // A group's captions are effect captions.
    {"Font3D", &TZYLRadioGroup::StaticClass, "FxCaption-Editor", "TZYLFxCaption"},
    {"FillObject", &TZYLPanelFill::StaticClass, "FillObject-Editor", "TZYLFillObject"},
    {"Bevel", &TZYLPanelFill::StaticClass, "Bevel-Editor", "TZYLBevel"},
};

// Each verb opens its own editor form on the component's object: Cancel leaves the component
// as it was and reports nothing, OK reports one modification. Once the package is unloaded the
// same verb is a clear error naming the class no launcher edits, and changes nothing.
TEST_F(InstalledLaunchers, EachSettingsVerbOpensItsEditorFormUntilThePackageIsUnloaded) {
  std::vector<vcl::TComponent*> components;
  for (const TSettingsVerbCase& c : kSettingsVerbs) {
    SCOPED_TRACE(c.Verb);
    vcl::TComponent* component = components.emplace_back(Add(c.Class()));
    for (const char* button : {"Cancel", "OK"}) {
      SCOPED_TRACE(button);
      const std::string before = designtest::StreamOf(component);
      Designer()->ResetModified();
      vt::TDialogScript script;
      script.Press(button);
      form_->Menu(component).Execute(c.Verb);
      ASSERT_EQ(script.Shown().size(), 1u);
      EXPECT_EQ(script.Shown()[0].Caption, c.FormCaption);
      const bool ok = std::string(button) == "OK";
      EXPECT_EQ(Designer()->ModifiedCount(), ok ? 1 : 0);
      if (!ok) {
        EXPECT_EQ(designtest::StreamOf(component), before);
      }
    }
  }
  Unload();
  EXPECT_EQ(ZYLCEUnitEntries(), 0);
  for (size_t i = 0; i < components.size(); ++i) {
    const TSettingsVerbCase& c = kSettingsVerbs[i];
    SCOPED_TRACE(c.Verb);
    const std::string before = designtest::StreamOf(components[i]);
    Designer()->ResetModified();
    EXPECT_EQ(Error(components[i], c.Verb),
              vcl::Format(vcl::SZYLNoSettingsLauncher, {c.ObjectClass}));
    EXPECT_EQ(designtest::StreamOf(components[i]), before);
    EXPECT_EQ(Designer()->ModifiedCount(), 0);
  }
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

// The image-list verbs open the image picker (a multimedia button without a face list picks
// one), and a multimedia button with a face list opens the face editor.
TEST_F(InstalledLaunchers, TheImageVerbsOpenThePickerAndTheFaceVerbTheFaceEditor) {
  struct Case {
    vcl::TComponent* Component;
    const char* Verb;
    const char* FormCaption;
  };
  const Case cases[] = {
      {Add(TZYLRadioGroup::StaticClass()), "ImageList", kPicker},
      {Add(TZYLMMButton::StaticClass()), "Select ButtonFace", kPicker},
      {FacedButton(), "ButtonFace", "ButtonFace-Editor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Verb);
    const std::string before = designtest::StreamOf(c.Component);
    vt::TDialogScript script;
    if (std::string(c.FormCaption) == kPicker)
      AnswerPicker(script);
    else
      script.Press("Cancel");
    ASSERT_EQ(form_->Menu(c.Component).Verbs().front(), c.Verb);
    form_->Menu(c.Component).Execute(c.Verb);
    EXPECT_EQ(script.Pending(), 0u);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].Caption, c.FormCaption);
    EXPECT_EQ(designtest::StreamOf(c.Component), before);
  }
}

// Unloading takes the package's picker and face editor away and gives back those set before the
// package was loaded.
TEST_F(InstalledLaunchers, UnloadingGivesBackThePickerAndFaceEditorSetBefore) {
  vcl::TComponent* group = Add(TZYLRadioGroup::StaticClass());
  TZYLMMButton* mm = FacedButton();
  Unload();
  EXPECT_EQ(Error(group, "ImageList"), vcl::Format(vcl::SZYLNoImageListPicker, {"ImageList"}));
  EXPECT_EQ(Error(mm, "ButtonFace"), vcl::Format(vcl::SZYLNoSettingsLauncher, {"TZYLMMButton"}));

  int faceCalls = 0;
  EXPECT_FALSE(ZYLSetButtonFaceMMLauncher(
      [&](TZYLMMButton*, TZYLCustomImageList*) { return ++faceCalls > 0; }));
  designtest::TRecordedPicker picker;
  Load();
  Unload();
  form_->Menu(group).Execute("ImageList");
  form_->Menu(mm).Execute("ButtonFace");
  EXPECT_EQ(picker.Seeded.size(), 1u);
  EXPECT_EQ(faceCalls, 1);
  ZYLSetButtonFaceMMLauncher(nullptr);
}

}  // namespace
}  // namespace zyl
