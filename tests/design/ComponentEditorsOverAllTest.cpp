// Every component class the design package registers, placed on a designed form with the
// package loaded: the component editor the registrations' precedence gives it (the editor of
// the nearest registered ancestor, the later of two for one class, TDefaultEditor without
// any), its verbs listed through the designer's context menu and each one carried out, every
// form a verb opens answered with Cancel, no verb reporting more than one modification and
// none changing the component without reporting it. Rows of the registration tables that get
// their editor later are covered as they fill. Each class's verbs are also checked against the
// editors' tables, and what each verb changes is written with the form and reads back.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "design/pZYLCE.h"
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
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/design/PropertyEditorsSupport.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

namespace zyl {
namespace {

// The most forms one verb may bring up in a row (an editor and the dialogs it asks from).
constexpr size_t kAnswers = 4;

// The component classes the package puts on the palette, then the other classes its
// component-editor rows name that a form stream can hold (registered for streaming, as a wizard
// page is; the abstract bases the rows name for their descendants are never placed), each once,
// in table order.
std::vector<vcl::TClass> RegisteredClasses() {
  std::vector<vcl::TClass> classes;
  const auto add = [&](vcl::TClass c) {
    if (std::find(classes.begin(), classes.end(), c) == classes.end()) classes.push_back(c);
  };
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLPaletteItem& item : u.Components)
      if (item.Class) add(item.Class());
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLRegRow& r : u.Rows)
      if (r.Kind == TZYLRegRow::rkComponentEditor && r.Class &&
          r.Class()->FactoryKind() == vcl::fkComponent && vcl::GetClass(r.Class()->ClassName()))
        add(r.Class());
  return classes;
}

// The standing component-editor row the class's editor comes from: the one of its nearest
// ancestor, the later row for one class; null when none stands.
const TZYLRegRow* EditorRowOf(vcl::TClass Class) {
  const TZYLRegRow* best = nullptr;
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLRegRow& r : u.Rows)
      if (r.Kind == TZYLRegRow::rkComponentEditor && ZYLRowStands(r) &&
          Class->InheritsFrom(r.Class()) && (!best || r.Class()->InheritsFrom(best->Class())))
        best = &r;
  return best;
}

void CollectCancelButtons(vcl::TWinControl* Parent, std::vector<vcl::TButton*>& Found) {
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    vcl::TControl* c = Parent->Controls(i);
    auto* b = dynamic_cast<vcl::TButton*>(c);
    std::string caption = b ? b->Caption() : "";
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    if (b && b->Visible() && b->Enabled() && (b->Cancel() || caption == "Cancel"))
      Found.push_back(b);
    if (auto* w = dynamic_cast<vcl::TWinControl*>(c)) CollectCancelButtons(w, Found);
  }
}

// Leaves a form as a user who cancels it does: its Cancel button, else its close box, else
// Escape.
void CancelForm(vcl::TCustomForm* Form) {
  std::vector<vcl::TButton*> buttons;
  CollectCancelButtons(Form, buttons);
  if (!buttons.empty()) {
    vt::ClickControl(buttons.front());
    return;
  }
  try {
    designtest::ClickCloseBox(Form->Handle());
  } catch (const vcl::Exception&) {
    win::testkit::KeyPress(win::VK_ESCAPE);
  }
}

// The library's units, the design package's units and the package loaded, as a host has them.
class ComponentEditorsOverAll : public ::testing::Test {
 protected:
  ComponentEditorsOverAll() {
    vcl::InitializePackage(*GetPackageInfoTable());
    vcl::InitializePackage(ZYLDesignUnitTable());
    ZYLLoadDesignPackage();
  }
  ~ComponentEditorsOverAll() override {
    ZYLUnloadDesignPackage();
    vcl::FinalizePackage(ZYLDesignUnitTable());
    vcl::FinalizePackage(*GetPackageInfoTable());
  }

  testsupport::TempDir dir_;
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  vt::TControlsSession session_;
};

TEST_F(ComponentEditorsOverAll, EachClassGetsItsEditorAndEachVerbRunsAnsweredWithCancel) {
  const std::vector<vcl::TClass> classes = RegisteredClasses();
  ASSERT_GE(classes.size(), 97u);
  int verbsRun = 0, ownEditors = 0, formsAnswered = 0;
  for (vcl::TClass cls : classes) {
    SCOPED_TRACE(cls->ClassName());
    designtest::TInspectedForm form;
    vcl::TComponent* c = form.Add(cls);
    vcl::IFormDesigner* designer = form.Designer();

    const TZYLRegRow* row = EditorRowOf(cls);
    const vcl::TComponentEditorClass want =
        row ? row->ComponentEditor() : vcl::ComponentEditorClassOf<vcl::TDefaultEditor>();
    ASSERT_NE(want, nullptr);
    EXPECT_STREQ(vcl::FindComponentEditorClass(cls)->Name, want->Name);
    if (row) {
      EXPECT_STREQ(want->Name, row->EditorName);
      ++ownEditors;
    }
    // The designer's editor is an object of that class.
    const auto given = vcl::GetComponentEditor(c, designer);
    const auto made = want->Create(c, designer);
    EXPECT_EQ(typeid(*given), typeid(*made));

    vt::TContextMenuDriver menu(c, designer);
    std::vector<std::string> verbs;
    EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { verbs = menu.Verbs(); }), "<no error>");
    for (size_t i = 0; i < verbs.size(); ++i) {
      if (verbs[i] == "-") continue;  // a separator line is not chosen
      SCOPED_TRACE(verbs[i]);
      vt::TDialogScript script;
      for (size_t k = 0; k < kAnswers; ++k) script.Do(CancelForm);
      form.Designer()->ResetModified();
      const std::string before = vcl::WriteComponentToBytes(c);
      EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { menu.Execute(static_cast<int>(i)); }),
                "<no error>");
      // A verb that reports nothing has changed nothing.
      if (form.Designer()->ModifiedCount() == 0) {
        EXPECT_EQ(vcl::WriteComponentToBytes(c), before);
      }
      // Every form that came up was answered and is gone.
      EXPECT_EQ(script.Shown().size(), kAnswers - script.Pending());
      formsAnswered += static_cast<int>(script.Shown().size());
      EXPECT_LE(form.Designer()->ModifiedCount(), 1);
      ++verbsRun;
    }
  }
  EXPECT_GT(ownEditors, 0);
  EXPECT_GT(verbsRun, ownEditors);
  EXPECT_GT(formsAnswered, 0);
}

// The verbs of each registered class's editor as the editors' tables give them for a new
// component, separated by "|"; a toggle by its property's name (its state, " [True]" or
// " [False]", is not part of the table).
const std::map<std::string, std::string>& PartVerbs() {
  // Runs of verbs several tables share: the graphic buttons' from "OnClick..." to "FontFX",
  // the themes verbs, the edits', the button groups', the dialogs' and the shapes'.
#define ZYL_GRAPHIC_BUTTON                                                       \
  "OnClick...|Glyph|Select Glyph|Caption|ButtonLayout|Color|Enabled|EnterColor|" \
  "EnterColorChange|Font|FontFX"
#define ZYL_THEMES "CtlXP|-|Form: Update CtlXP property"
#define ZYL_EDIT "Transparent|Font3D|Font|Bevel"
#define ZYL_CUSTOM_EDIT ZYL_EDIT "|CustomButtonsStyle|" ZYL_THEMES "|-"
#define ZYL_BUTTON_GROUP                                                                \
  "ImageList|GlyphImageList|Font|Font3D|Caption|CaptionFont|CaptionFont3D|Transparent|" \
  "Items|-|Make Bevel CtlXP compatible|" ZYL_THEMES
#define ZYL_DIALOG "Test dialog...|ImageList"
#define ZYL_SHAPE "Shape|Brush|Caption|Shadow|Square|Bevel"
  static const std::map<std::string, std::string> table = {
      // Components the package registers no editor for.
      {"TZYLApplicationCtrl", ""},
      {"TZYLTimerPool", ""},
      {"TZYLIniCtrl", ""},
      {"TZYLMRUList", ""},
      {"TZYLOneInstance", ""},
      {"TZYLSysInfo", ""},
      {"TZYLFMDrop", ""},
      {"TZYLTrayIcon", ""},
      {"TZYLGlobalHotKey", ""},
      {"TZYLMouseFencer", ""},
      {"TZYLStopWatch", ""},
      {"TZYLImageListConnector", ""},
      {"TZYLButtonPanel", ""},
      {"TZYLScrollBox", ""},
      {"TZYLFormTabControl", ""},
      {"TZYLComboBox", ""},
      {"TZYLFontSizeComboBox", ""},
      {"TZYLPrinterComboBox", ""},
      {"TZYLDriveComboBox", ""},
      {"TZYLHiTimer", ""},
      {"TZYLStaticText", ""},
      // System, dialog, container and form-level components.
      {"TZYLHint", "Bevel|Color|Enabled|Font|Font3D"},
      {"TZYLShapeHint", "BorderColor|Color|Enabled|Font|Font3D|Shadow"},
      // The message hint has no Enabled to toggle.
      {"TZYLMessageHint", "BorderColor|Color|Font|Font3D|Shadow"},
      {"TZYLMousePositioner", "&Test..."},
      {"TZYLContainerCtrl", "BitmapList|ImageList|StringList|WaveList"},
      {"TZYLBitmapList", "BitmapList-Editor"},
      {"TZYLImageList", "Editor"},
      {"TZYLStringList", "Editor"},
      {"TZYLWaveComp", "Specify Wave"},
      {"TZYLWaveList", "Specify Wave"},
      {"TZYLAboutDlg", ZYL_DIALOG},
      {"TZYLDirDlg", ZYL_DIALOG},
      {"TZYLTipDlg", ZYL_DIALOG},
      {"TZYLWindowListDlg", ZYL_DIALOG},
      {"TZYLBrowseDlg", "Test dialog..."},
      {"TZYLMessageBoxDlg", "Demo"},
      {"TZYLStarter", "Autostart|StartTime"},
      {"TZYLForm",
       "AcceptFiles|Enabled|Set maximized values|Set TrackMaxWidth + Height|"
       "Set TrackMinWidth + Height|Reset"},
      {"TZYLBack", "ImageList|DefaultFill|Enabled"},
      {"TZYLFormFill", "FillObject|DefaultFill|Enabled|ImageList"},
      {"TZYLFormShadow", "Shadow|ShowInActive "},
      {"TZYLFormStyler",
       "Enabled|Font|Font3D|AdjustRect|UseDefaultFont|InactiveGradient|DrawCaptionEvent|"
       "UseFormCaption"},
      {"TZYLFormDisplay", "Bevel|Color|Enabled|SaveResources|UseResForms"},
      // Edits, lists and combo boxes.
      {"TZYLEdit", ZYL_CUSTOM_EDIT "|CustomButtons|CustomButtonParentCtlXP"},
      {"TZYLMaskEdit", ZYL_CUSTOM_EDIT "|CustomButtons|CustomButtonParentCtlXP"},
      {"TZYLSpinEdit", ZYL_CUSTOM_EDIT "|CustomButtons|CustomButtonParentCtlXP|-|SpinBtnDiag"},
      {"TZYLMemo", ZYL_EDIT "|Lines"},
      {"TZYLBrowseEdit", ZYL_CUSTOM_EDIT},
      {"TZYLColorEdit", ZYL_CUSTOM_EDIT},
      {"TZYLFileOpenEdit", ZYL_CUSTOM_EDIT},
      {"TZYLFileSaveEdit", ZYL_CUSTOM_EDIT},
      {"TZYLListBox", "Items|HeaderSections|Bevel|Color|Enabled|Font|HeaderFont"},
      {"TZYLImageListBox", "Font|Font3D|Transparent|Layout|Items"},
      {"TZYLImageComboBox", "Font|Font3D|Layout|Items"},
      {"TZYLColorComboBox", "Color|Enabled|Font"},
      {"TZYLFontComboBox", "Enabled|Font|Options"},
      // Buttons, panels and the wizard.
      {"TZYLBaseGraphicButton", ZYL_GRAPHIC_BUTTON},
      {"TZYLShapeButton", ZYL_GRAPHIC_BUTTON},
      {"TZYLMMButton", "Select ButtonFace|" ZYL_GRAPHIC_BUTTON},
      {"TZYL3DEffectButton", "Button-Editor|" ZYL_GRAPHIC_BUTTON},
      {"TZYLSpeedButton", ZYL_GRAPHIC_BUTTON "|ButtonStyle|" ZYL_THEMES},
      {"TZYLDockSpeedButton", ZYL_GRAPHIC_BUTTON "|ButtonStyle|" ZYL_THEMES},
      {"TZYLButton",
       "OnClick...|Glyph|SelectImage|ButtonStyle|Caption|ButtonLayout|Color|Enabled|Font|"
       "FontFX|" ZYL_THEMES},
      {"TZYLDockButton",
       "OnClick...|Glyph|SelectImage|ButtonStyle|Caption|ButtonLayout|Color|Enabled|Font|"
       "FontFX|" ZYL_THEMES},
      {"TZYLCheckBox", "OnChange...|Caption|Alignment|ImageList|Checked|Font|Font3D|Transparent"},
      {"TZYLRadioButton", "OnClick...|Caption|Alignment|ImageList|Checked|Font|Font3D|Transparent"},
      {"TZYLRadioGroup", ZYL_BUTTON_GROUP},
      {"TZYLCheckGroup", ZYL_BUTTON_GROUP},
      {"TZYLGroupBox",
       "ImageList|Font|Caption|CaptionFont|CaptionFont3D|Transparent|Bevel|-|"
       "Make Bevel CtlXP compatible|" ZYL_THEMES},
      {"TZYLSimplePanel", "Bevel|Color|Enabled|Font|Transparent"},
      {"TZYLBackPanel", "ImageList|Font|Bevel|Transparent"},
      {"TZYLPanelFill", "ImageList|FillObject|Bevel|Caption|Enabled|Font|FontFX"},
      {"TZYLStatusBar",
       "Editor|-|Font|Font3D|Bevel|-|DateTime|Caps|Num|Scroll|System Info|Normal Info"},
      // A wizard with fewer than two pages, and a page outside any wizard.
      {"TZYLAssist", "&New Page"},
      {"TZYLAssistPage", "&New Page"},
      // Labels and display controls.
      {"TZYLSimpleLabel", "Caption|AutoSize|Color|Font|Font3D|MultiLine|Transparent"},
      {"TZYLDockLabel", "Caption|AutoSize|Color|Font|Font3D|MultiLine|Transparent"},
      {"TZYLLabel", "Caption|AutoSize|Color|Font|FontFX|MultiLine|Transparent|Bevel"},
      {"TZYLGlyphLabel",
       "Caption|AutoSize|Color|Font|Font3D|MultiLine|Transparent|ImageList|Alignment"},
      {"TZYLLabelFill",
       "Caption|AutoSize|Color|Font|FontFX|MultiLine|Transparent|FillObject|BrushBackColor|"
       "ImageList"},
      {"TZYLLEDLabel", "Caption|AutoSize|Bevel|LED"},
      {"TZYLInformationLabel",
       "Transparent|AutoSize|Font3D|Font|Bevel|DateTime Format|-|show DateTime|show Caps|"
       "show Num|show Scroll"},
      {"TZYLGraphicLabel", "Editor|-|Wave|Normal|AutoSize|FillObject|Font|FontFX"},
      {"TZYLNImage", "Bitmap|Bevel|Color|Style|Transparent|TransparentStyle"},
      {"TZYLLImage", "ImageList|Bevel|Color|Transparent|Style"},
      {"TZYLAniCtrl", "ImageList|Bevel|Color|Transparent|Style|Animate"},
      {"TZYLFill", "ImageList|FillObject|Bevel|Caption|Color"},
      {"TZYLShadowFill", "ShadowColor|Bevel"},
      {"TZYLProgress", "SmallBar|Bevel|Caption|Font|Font3D|UseFontColor"},
      {"TZYLProgressFill", "ImageList|FillObject|Bevel|Caption|Font|Font3D|UseFontColor"},
      {"TZYLClock", "Bevel|Digital|DigitalOnly|CustomDateTimeFormat"},
      {"TZYLDrawEdge", "Filled|Horizontal Line|Vertical Line"},
      {"TZYLTechnicalLine", "Arrowed|Shadowed|Arrow Right|Arrow Left|Arrow Up|Arrow Down"},
      {"TZYLScrollText", "Bevel|Font|Font3D|Transparent|Scroll|Lines"},
      {"TZYLBaseShape", ZYL_SHAPE},
      {"TZYLShapeControl", ZYL_SHAPE},
      {"TZYLRepeatedShape", ZYL_SHAPE "|ShapeFill"},
      {"TZYLScrollBar", "Transparent|Back|Bevel|Kind (Horiz)"},
      {"TZYLTrackBar", "ImageList|Font|Transparent|-|Save component|Select template"},
  };
#undef ZYL_GRAPHIC_BUTTON
#undef ZYL_THEMES
#undef ZYL_EDIT
#undef ZYL_CUSTOM_EDIT
#undef ZYL_BUTTON_GROUP
#undef ZYL_DIALOG
#undef ZYL_SHAPE
  return table;
}

std::vector<std::string> Split(const std::string& Verbs) {
  std::vector<std::string> parts;
  if (Verbs.empty()) return parts;
  size_t start = 0;
  for (size_t bar = Verbs.find('|'); bar != std::string::npos; bar = Verbs.find('|', start)) {
    parts.push_back(Verbs.substr(start, bar - start));
    start = bar + 1;
  }
  parts.push_back(Verbs.substr(start));
  return parts;
}

// A toggle's caption without its state.
std::string Bare(const std::string& Caption) {
  for (const char* state : BoolStr) {
    const std::string s = state;
    if (Caption.size() > s.size() && Caption.ends_with(s))
      return Caption.substr(0, Caption.size() - s.size());
  }
  return Caption;
}

// Sets the first simple property of Object that takes another value to that value; false when
// none did.
bool ChangeSomething(vcl::TPersistent* Object) {
  for (const vcl::TPropInfo* p : vcl::GetPropList(Object)) {
    const vcl::TTypeKind kind = p->Kind();
    if (!p->IsWritable() ||
        (kind != vcl::tkInteger && kind != vcl::tkEnumeration && kind != vcl::tkChar))
      continue;
    const std::string before = vcl::GetPropValue(Object, p);
    try {
      vcl::SetOrdProp(Object, p, vcl::GetOrdProp(Object, p) == 1 ? 0 : 1);
    } catch (const vcl::Exception&) {
      continue;  // a value the property refuses
    }
    if (vcl::GetPropValue(Object, p) != before) return true;
  }
  return false;
}

// While it lives, the launcher of every kind of settings object a verb edits changes something
// of the object it is handed and answers true; it counts the objects it changed. The launchers
// found before are given back.
class TChangingLaunchers {
 public:
  TChangingLaunchers() {
    for (vcl::TClass cls :
         {TZYLBevel::StaticClass(), vcl::TFont::StaticClass(), TZYL3DCaption::StaticClass(),
          TZYLFxCaption::StaticClass(), TZYLFillObject::StaticClass(),
          TZYLGlyphTextLayout::StaticClass(), TZYLButtonLayout::StaticClass(),
          TZYLCaption::StaticClass(), TZYLShadow::StaticClass(), TZYLShapeFill::StaticClass(),
          TZYLSimpleBevel::StaticClass(), TZYLSmallBar::StaticClass(), TZYLTeeth::StaticClass(),
          TZYLTransparent::StaticClass(), TZYLLED::StaticClass(), vcl::TBrush::StaticClass(),
          TZYLDateTime::StaticClass()}) {
      std::unique_ptr<vcl::TObject> probe(cls->CreateInstance());
      TZYLSettingsLauncher previous;
      try {
        previous = ZYLSettingsLauncherOf(dynamic_cast<vcl::TPersistent*>(probe.get()));
      } catch (const vcl::EPropertyError&) {
        // none edits objects of this class yet
      }
      before_.emplace_back(cls, std::move(previous));
      ZYLRegisterSettingsLauncher(cls, [this](vcl::TPersistent* o) {
        if (ChangeSomething(o)) ++Changed;
        return true;
      });
    }
  }
  ~TChangingLaunchers() {
    for (auto& [cls, previous] : before_)
      if (previous)
        ZYLRegisterSettingsLauncher(cls, std::move(previous));
      else
        ZYLUnregisterSettingsLauncher(cls);
  }
  TChangingLaunchers(const TChangingLaunchers&) = delete;
  TChangingLaunchers& operator=(const TChangingLaunchers&) = delete;
  int Changed = 0;

 private:
  std::vector<std::pair<vcl::TClass, TZYLSettingsLauncher>> before_;
};

// Every registered class offers the verbs of its editor's table, in order; and what each verb
// changes on the component (a settings object a launcher edits, a toggle, an image picked) is
// written with the form and reads back the same.
TEST_F(ComponentEditorsOverAll, EachClassOffersItsTablesVerbsAndEachChangeIsWrittenWithTheForm) {
  int changes = 0;
  for (vcl::TClass cls : RegisteredClasses()) {
    SCOPED_TRACE(cls->ClassName());
    const auto row = PartVerbs().find(cls->ClassName());
    if (row == PartVerbs().end()) {
      ADD_FAILURE() << "no verbs listed for " << cls->ClassName();
      continue;
    }
    designtest::TInspectedForm form;
    vcl::TComponent* c = form.Add(cls);
    vt::TContextMenuDriver menu(c, form.Designer());
    std::vector<std::string> verbs = menu.Verbs();
    std::vector<std::string> bare;
    for (const std::string& v : verbs) bare.push_back(Bare(v));
    EXPECT_EQ(bare, Split(row->second));
    for (size_t i = 0; i < verbs.size(); ++i) {
      if (verbs[i] == "-") continue;
      SCOPED_TRACE(verbs[i]);
      // Each verb on a new component; an image list on the form is what the image picker
      // answers, with its second image.
      designtest::TInspectedForm own;
      vcl::TComponent* fresh = own.Add(cls);
      TChangingLaunchers launchers;
      designtest::TRecordedPicker picker;
      picker.Answer = true;
      picker.Choice = {own.Add<TZYLImageList>(), 0, 1};
      vt::TDialogScript script;
      for (size_t k = 0; k < kAnswers; ++k) script.Do(CancelForm);
      const std::string before = vcl::WriteComponentToBytes(own.Form());
      EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] {
                  vt::TContextMenuDriver(fresh, own.Designer()).Execute(static_cast<int>(i));
                }),
                "<no error>");
      const std::string after = vcl::WriteComponentToBytes(own.Form());
      // A toggle shows its state, or is one of the two the edits show without it; the running
      // state of an animation or a scrolling text is published but never written.
      const std::string prop = Bare(verbs[i]);
      const bool toggle = (prop != verbs[i] || prop == "CtlXP" || prop == "SpinBtnDiag") &&
                          prop != "Animate" && prop != "Scroll";
      if (launchers.Changed > 0 || toggle || !picker.Seeded.empty()) {
        EXPECT_NE(after, before) << "the change is not written with the form";
        ++changes;
      }
      // The form read back into the designer writes the same.
      designtest::TInspectedForm copy;
      EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>(
                    [&] { vcl::ReadComponentFromBytes(after, copy.Form()); }),
                "<no error>");
      EXPECT_EQ(vcl::WriteComponentToBytes(copy.Form()), after);
    }
  }
  EXPECT_GT(changes, 100);
}

// A form a verb brings up and nobody answers ends the verb with a clear error, not a hang.
TEST_F(ComponentEditorsOverAll, AFormLeftUnansweredIsAClearError) {
  designtest::TInspectedForm form;
  vcl::TComponent* c = nullptr;
  std::string verb;
  // The first registered class whose editor has a verb that opens a form.
  for (vcl::TClass cls : RegisteredClasses()) {
    if (!EditorRowOf(cls)) continue;
    vcl::TComponent* candidate = form.Add(cls);
    vt::TContextMenuDriver menu(candidate, form.Designer());
    for (const std::string& v : menu.Verbs()) {
      if (v == "-") continue;
      vt::TDialogScript probe;
      for (size_t k = 0; k < kAnswers; ++k) probe.Do(CancelForm);
      (void)testsupport::ErrorOf<vcl::Exception>([&] { menu.Execute(v); });
      if (!probe.Shown().empty()) {
        c = candidate;
        verb = v;
        break;
      }
    }
    if (c) break;
  }
  ASSERT_NE(c, nullptr) << "no verb of the package opens a form";
  SCOPED_TRACE(verb);
  vt::TDialogScript script;  // no answer
  const std::string error = testsupport::ErrorOf<vcl::Exception>(
      [&] { vt::TContextMenuDriver(c, form.Designer()).Execute(verb); });
  EXPECT_NE(error.find("No answer is scripted"), std::string::npos) << error;
  EXPECT_EQ(script.Shown().size(), 1u);
}

}  // namespace
}  // namespace zyl
