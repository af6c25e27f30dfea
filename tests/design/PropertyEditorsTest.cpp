// The package's property editors in the object inspector: which editor every published property
// of every class of the library gets through the registrations, what each answers, the value
// column's summaries and samples, the image-list values, and the editors' dialogs ended every
// way a user ends them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLAssist.h"
#include "buttons/ZYLButton.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "design/pZYLAboutDlg.h"
#include "design/pZYLDateListEditorDlg.h"
#include "design/pZYLDsgnOptions.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLPE.h"
#include "design/pZYLPEStrings.h"
#include "design/pZYLPointListEditor.h"
#include "display/ZYLFill.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLShapeControl.h"
#include "display/ZYLSmallBar.h"
#include "edits/ZYLCustomMaskEdit.h"
#include "edits/ZYLCustomMemo.h"
#include "edits/ZYLImageListBox.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLMaskEdit.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Grids.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Locale.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "system/ZYLApplicationCtrl.h"
#include "tests/design/DesignPixels.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/design/ImageListSupport.h"
#include "tests/design/PropertyEditorsSupport.h"
#include "tests/design/StringsTestSupport.h"
#include "tests/platform/sys/RegistryFixture.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/MediaFiles.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

namespace zyl {
namespace {

using designtest::TPropertyEditorPackage;

// What the registrations give a property: the editor of its type, unless a registration for
// its name on the component's class is more specific.
struct TNamedEditor {
  const char* Property;
  vcl::TClass (*Filter)();
  const char* Type;
  const char* Editor;
};

std::string ExpectedEditor(vcl::TClass cls, const vcl::TPropInfo* p) {
  static const TNamedEditor named[] = {
      {"Mask", &TZYLCustomMaskEdit::StaticClass, "string", "TZYLMaskProperty"},
      {"HelpFile", &TZYLApplicationCtrl::StaticClass, "string", "TZYLHelpFileNameProperty"},
      {"Lines", &TZYLCustomMemo::StaticClass, "TZYLMemoStrings", "TZYLMemoLinesProperty"},
      {"Hint", &vcl::TControl::StaticClass, "string", "TZYLHintProperty"},
  };
  const std::string type = p->PropType->Name();
  for (const TNamedEditor& n : named)
    if (p->Name == n.Property && type == n.Type && cls->InheritsFrom(n.Filter())) return n.Editor;
  static const std::map<std::string, std::string> byType = {
      {"string", "TZYLStringProperty"},
      {"TCaption", "TZYLStdCaptionProperty"},
      {"TZYLAboutVar", "TZYLAboutVarProperty"},
      {"TZYLCustomImageList", "TZYLCustomImageListProperty"},
      {"TZYLImageList", "TZYLImageListProperty"},
      {"TZYLWave", "TZYLWaveProperty"},
      {"TZYLBevel", "TZYLBevelProperty"},
      {"TZYLSmallBar", "TZYLSmallBarProperty"},
      {"TZYLGradient", "TZYLGradientProperty"},
      {"TZYLShadow", "TZYLShadowProperty"},
      {"TZYLSimpleBevel", "TZYLSimpleBevelProperty"},
      {"TZYLTeeth", "TZYLTeethProperty"},
      {"TZYLLED", "TZYLLEDProperty"},
      {"TZYL3DCaption", "TZYL3DProperty"},
      {"TZYLFxCaption", "TZYLFxProperty"},
      {"TZYLShapeFill", "TZYLShapeFillProperty"},
      {"TZYLFillObject", "TZYLFillObjectProperty"},
      {"TZYLGlyphTextLayout", "TZYLTextAndGlyphProperty"},
      {"TZYLButtonLayout", "TZYLButtonLayoutProperty"},
      {"TZYLCaption", "TZYLCaptionProperty"},
      {"TZYLTransparent", "TZYLTransparentProperty"},
      {"TZYLDateTime", "TZYLDateTimeProperty"},
      {"TZYLPointList", "TZYLPointListProperty"},
      {"TZYLShapeType", "TZYLShapeProperty"},
      {"TZYLDateTimeFormat", "TZYLDateTimeFormatProperty"},
      {"TZYLButtonFace", "TZYLButtonFaceProperty"},
  };
  auto it = byType.find(type);
  if (it != byType.end()) return it->second;
  // A class type: the editor of its nearest registered ancestor.
  for (vcl::TClass c = p->PropType->ClassType(); c; c = c->ClassParent()) {
    it = byType.find(c->ClassName());
    if (it != byType.end()) return it->second;
  }
  if (type == "TStrings" && designtest::HasStringListFilter(cls)) return "TZYLStringListProperty";
  return "";  // one of the designer's own editors
}

// The attribute sets the package's editors answer.
const std::map<std::string, int>& ExpectedAttributes() {
  static const std::map<std::string, int> bits = {
      {"TZYLAboutVarProperty", 0x44},
      {"TZYLBevelProperty", 0x0E},
      {"TZYLShadowProperty", 0x0E},
      {"TZYLSimpleBevelProperty", 0x0E},
      {"TZYLSmallBarProperty", 0x0E},
      {"TZYLTeethProperty", 0x0E},
      {"TZYLGradientProperty", 0x0E},
      {"TZYLLEDProperty", 0x0E},
      {"TZYLWaveProperty", 0x0C},
      {"TZYLMaskProperty", 0x04},
      {"TZYLHelpFileNameProperty", 0x04},
      {"TZYLStringProperty", 0x8C},
      {"TZYLHintProperty", 0x8C},
      {"TZYLStdCaptionProperty", 0x9C},
      {"TZYLStringListProperty", 0x04},
      {"TZYLMemoLinesProperty", 0x04},
      {"TZYLCustomImageListProperty", 0xA9},
      {"TZYLImageListProperty", 0xA9},
      {"TZYL3DProperty", 0x0E},
      {"TZYLFxProperty", 0x0E},
      {"TZYLShapeFillProperty", 0x0E},
      {"TZYLFillObjectProperty", 0x0E},
      {"TZYLTextAndGlyphProperty", 0x0E},
      {"TZYLButtonLayoutProperty", 0x0E},
      {"TZYLCaptionProperty", 0x0E},
      {"TZYLTransparentProperty", 0x0E},
      {"TZYLDateTimeProperty", 0x0E},
      {"TZYLPointListProperty", 0x04},
      {"TZYLShapeProperty", 0x8D},
      {"TZYLDateTimeFormatProperty", 0x04},
      {"TZYLButtonFaceProperty", 0x04},
      {"TZYLDateListProperty", 0x04},
  };
  return bits;
}

// Every class the library's package registers, with the package's units started as a host
// starts them, and the package's property editors registered.
class EveryRegisteredClass : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<vcl::TClass> before = vcl::RegisteredClasses();
    vcl::InitializePackage(*GetPackageInfoTable());
    started_ = true;
    for (vcl::TClass c : vcl::RegisteredClasses())
      if (std::find(before.begin(), before.end(), c) == before.end()) classes_.push_back(c);
  }
  void TearDown() override {
    if (started_) vcl::FinalizePackage(*GetPackageInfoTable());
  }
  vt::TControlsSession session_;
  TPropertyEditorPackage editors_{ZYLEditorOptionsRegisterDefault};
  bool started_ = false;
  std::vector<vcl::TClass> classes_;
};

TEST_F(EveryRegisteredClass, GetsTheRegisteredEditorForEveryPublishedPropertyAndItAnswers) {
  ASSERT_GT(classes_.size(), 80u);
  vcl::TBitmap column;
  column.SetSize(160, 18);
  int ours = 0, properties = 0;
  for (vcl::TClass cls : classes_) {
    if (cls->FactoryKind() != vcl::fkComponent) continue;
    designtest::TInspectedForm form;
    vcl::TComponent* c = form.Add(cls);
    for (const vcl::TPropInfo* p : vcl::GetPropList(c)) {
      SCOPED_TRACE(cls->ClassName() + "." + p->Name);
      ++properties;
      try {
        vt::TInspectorDriver inspect(form.Designer(), {c}, p->Name);
        const std::string editor = inspect.EditorClass()->Name;
        const std::string want = ExpectedEditor(cls, p);
        if (want.empty()) {
          EXPECT_NE(editor.rfind("TZYL", 0), 0u) << editor;
        } else {
          EXPECT_EQ(editor, want);
          auto bits = ExpectedAttributes().find(want);
          ASSERT_NE(bits, ExpectedAttributes().end()) << want;
          EXPECT_EQ(inspect.AttributeBits(), bits->second);
          ++ours;
        }
        (void)inspect.Value();
        inspect.Draw(column.Canvas(), {0, 0, 160, 18});
      } catch (const vcl::Exception& e) {
        ADD_FAILURE() << e.Message();
      }
    }
  }
  EXPECT_GT(properties, 2000);
  EXPECT_GT(ours, 300);
}

// ---------------------------------------------------------------------------------------------
// The registrations the option word switches

TEST(PropertyEditorOptions, EachBitSwitchesItsGroupAndTheOthersStay) {
  vt::TControlsSession session;
  designtest::TInspectedForm form;
  auto* panel = form.Add<TZYLSimplePanel>();
  auto* button = form.Add<TZYLButton>();
  auto* list = form.Add<TZYLListBox>();
  auto editorOf = [&](vcl::TPersistent* c, const char* prop) {
    return std::string(vt::TInspectorDriver(form.Designer(), {c}, prop).EditorClass()->Name);
  };
  struct Case {
    int32_t options;
    const char *name, *hint, *caption, *items;
  };
  const Case cases[] = {
      {0, "TStringProperty", "TStringProperty", "TStringProperty", "TClassProperty"},
      {1, "TZYLStringProperty", "TZYLStringProperty", "TStringProperty", "TClassProperty"},
      {2, "TStringProperty", "TZYLHintProperty", "TStringProperty", "TClassProperty"},
      {4, "TStringProperty", "TStringProperty", "TZYLStdCaptionProperty", "TClassProperty"},
      {8, "TStringProperty", "TStringProperty", "TStringProperty", "TZYLStringListProperty"},
      {7, "TZYLStringProperty", "TZYLHintProperty", "TZYLStdCaptionProperty", "TClassProperty"},
      {15, "TZYLStringProperty", "TZYLHintProperty", "TZYLStdCaptionProperty",
       "TZYLStringListProperty"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    TPropertyEditorPackage editors(c.options);
    EXPECT_EQ(editorOf(list, "Name"), c.name);
    EXPECT_EQ(editorOf(button, "Hint"), c.hint);
    EXPECT_EQ(editorOf(button, "Caption"), c.caption);
    EXPECT_EQ(editorOf(list, "Items"), c.items);
    // The unconditional registrations stay whatever the word says.
    EXPECT_EQ(editorOf(panel, "Bevel"), "TZYLBevelProperty");
    EXPECT_EQ(editorOf(panel, "About"), "TZYLAboutVarProperty");
  }
}

// ---------------------------------------------------------------------------------------------
// Value texts and lists

// The value tests run in a registry of their own: the about form and the wave chooser keep
// settings there.
class PropertyValues : public RegistryTest {
 protected:
  vt::TInspectorDriver Inspect(vcl::TPersistent* c, const std::string& prop) {
    return vt::TInspectorDriver(form_.Designer(), {c}, prop);
  }
  vt::TControlsSession session_;
  designtest::TStringsUnits units_;
  TPropertyEditorPackage editors_{ZYLEditorOptionsRegisterDefault};
  designtest::TInspectedForm form_;
};

TEST_F(PropertyValues, TheGlobalListsAreOfferedFirstAndShownByTheirNames) {
  ZYLContainerInit();
  auto* box = form_.Add<TZYLImageListBox>();
  form_.Add<TZYLImageList>();
  form_.Add<TZYLBitmapList>();
  vt::TInspectorDriver inspect = Inspect(box, "ImageList");
  EXPECT_EQ(inspect.Values(), (std::vector<std::string>{"Global BitmapList", "Global ImageList",
                                                        "ZYLImageList1", "ZYLBitmapList1"}));
  struct Case {
    const char* chosen;
    vcl::TObject* stored;
  };
  const Case cases[] = {{"Global ImageList", ZYLContainer()->ImageList()},
                        {"Global BitmapList", ZYLContainer()->BitmapList()},
                        {"ZYLBitmapList1", form_.Designer()->GetComponent("ZYLBitmapList1")},
                        {"", nullptr}};
  for (const Case& c : cases) {
    form_.Designer()->ResetModified();
    inspect.SetValue(c.chosen);
    EXPECT_EQ(box->ImageList(), c.stored) << c.chosen;
    EXPECT_EQ(inspect.Value(), c.chosen);
    EXPECT_EQ(form_.Designer()->ModifiedCount(), 1) << c.chosen;
  }
  EXPECT_THROW(inspect.SetValue("Global WaveList"), vcl::EPropertyError);
  EXPECT_EQ(box->ImageList(), nullptr);
  ZYLContainerDone();
}

TEST_F(PropertyValues, AWaveShowsNoneUntilItHoldsData) {
  auto* comp = form_.Add<TZYLWaveComp>();
  EXPECT_EQ(Inspect(comp, "Wave").Value(), vcl::srNone);
  comp->Wave()->SetData(testsupport::MakeWave(1, 8000, 8, 16));
  EXPECT_EQ(Inspect(comp, "Wave").Value(), "(TZYLWave)");
}

TEST_F(PropertyValues, TheAboutEntryNamesTheFirstSelectedComponentsClass) {
  auto* panel = form_.Add<TZYLSimplePanel>();
  vt::TInspectorDriver inspect = Inspect(panel, "About");
  EXPECT_EQ(inspect.Value(), "(About...)");
  vt::TDialogScript script;
  std::string shown;
  script.Do([&](vcl::TCustomForm* f) {
    shown = designtest::On<vcl::TLabel>(f, "des")->Caption();
    vt::ClickControl(designtest::On<vcl::TControl>(f, "ok"));
  });
  inspect.Edit();
  EXPECT_EQ(shown, "Component-Suite (international version)\rComponent: TZYLSimplePanel\r\r");
  EXPECT_EQ(script.Pending(), 0u);
  EXPECT_EQ(form_.Designer()->ModifiedCount(), 0);
}

TEST_F(PropertyValues, AnAssistantsPagePropertyOffersItsPagesInOrder) {
  auto* assist = form_.Add<TZYLAssist>();
  for (const char* name : {"Welcome", "Options", "Done"}) {
    auto* page = new TZYLAssistPage(form_.Form());
    page->SetName(name);
    page->SetAssistControl(assist);
  }
  TZYLAssistPageProperty editor(form_.Designer(), {assist}, vcl::GetPropInfo(assist, "ActivePage"));
  std::vector<std::string> names;
  editor.GetValues([&](const std::string& n) { names.push_back(n); });
  EXPECT_EQ(names, (std::vector<std::string>{"Welcome", "Options", "Done"}));
  EXPECT_EQ(static_cast<int>(editor.GetAttributes().Bits()), 0x01);
}

TEST_F(PropertyValues, TheHelpFileIsChosenAmongHelpFilesAndCancelKeepsIt) {
  testsupport::TempDir dir;
  for (const char* name : {"manual.hlp", "notes.txt"}) {
    std::ofstream(dir.File(name)) << "x";
  }
  auto* ctrl = form_.Add<TZYLApplicationCtrl>();
  ctrl->SetHelpFile("old.hlp");
  vt::TInspectorDriver inspect = Inspect(ctrl, "HelpFile");
  EXPECT_EQ(inspect.AttributeBits(), 0x04);
  // Cancel: the value and the form stay.
  {
    vt::TDialogScript script;
    script.Press("Cancel");
    inspect.Edit();
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].Caption, "Specify HelpFile");
    EXPECT_EQ(ctrl->HelpFile(), "old.hlp");
    EXPECT_EQ(form_.Designer()->ModifiedCount(), 0);
  }
  // A name without extension takes the help files' one.
  vt::TDialogScript script;
  script.ChooseFiles({dir.File("manual")});
  inspect.Edit();
  EXPECT_EQ(ctrl->HelpFile(), dir.File("manual.hlp"));
  EXPECT_EQ(form_.Designer()->ModifiedCount(), 1);
}

TEST_F(PropertyValues, AFilterIsEditedInTheFilterFormAndStoredOnOKOnly) {
  vcl::TOpenDialog* dialog = new vcl::TOpenDialog(form_.Form());
  dialog->SetFilter("Text|*.txt|All|*.*");
  TZYLFilterProperty editor(form_.Designer(), {dialog}, vcl::GetPropInfo(dialog, "Filter"));
  EXPECT_EQ(static_cast<int>(editor.GetAttributes().Bits()), 0x04);
  for (const char* button : {"Cancel", "OK"}) {
    form_.Designer()->ResetModified();
    vt::TDialogScript script;
    script.Do([](vcl::TCustomForm* f) {
      auto* grid = designtest::On<vcl::TStringGrid>(f, "FilterGrid");
      grid->SetCells(1, 2, "*.*;*.bak");
    });
    script.Press(button);
    editor.Edit();
    const bool ok = std::string(button) == "OK";
    EXPECT_EQ(dialog->Filter(), ok ? "Text|*.txt|All|*.*;*.bak" : "Text|*.txt|All|*.*");
    EXPECT_EQ(form_.Designer()->ModifiedCount(), ok ? 1 : 0);
  }
}

// ---------------------------------------------------------------------------------------------
// Editing through the editor forms

// One editor as the inspector opens it: the component (its preset values) and the object whose
// property is edited (the component itself, or an object it owns), the user's change on the
// form and what OK leaves.
struct TEditCase {
  const char* Name;
  vcl::TClass (*Class)();
  std::function<vcl::TPersistent*(vcl::TComponent*)> Edited;
  const char* Property;
  std::function<void(vcl::TCustomForm*)> Change;
  std::function<void(vcl::TComponent*)> ExpectEdited;
};

template <class T>
T* As(vcl::TComponent* c) {
  return static_cast<T*>(c);
}
vcl::TPersistent* Itself(vcl::TComponent* c) { return c; }
void Combo(vcl::TCustomForm* f, const char* name, const std::string& item) {
  designtest::ChooseComboItem(designtest::On<vcl::TWinControl>(f, name), item);
}
void TypeInto(vcl::TCustomForm* f, const char* name, const std::string& text) {
  vt::TypeInto(designtest::On<vcl::TWinControl>(f, name), text);
}

std::vector<TEditCase> EditCases() {
  return {
      {"bevel", &TZYLSimplePanel::StaticClass, Itself, "Bevel",
       [](vcl::TCustomForm* f) {
         designtest::ShowPage(designtest::On<vcl::TPageControl>(f, "nb"), "Edged");
         Combo(f, "cmbEdge", "etSunken");
       },
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<TZYLSimplePanel>(c)->Bevel()->EdgeStyle(), etSunken);
       }},
      {"shadow", &TZYLShapeControl::StaticClass, Itself, "Shadow",
       [](vcl::TCustomForm* f) { TypeInto(f, "spind", "21"); },
       [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLShapeControl>(c)->Shadow()->Depth(), 21); }},
      {"simple bevel", &TZYLShapeControl::StaticClass, Itself, "Bevel",
       [](vcl::TCustomForm* f) { Combo(f, "cmbL", "clFuchsia"); },
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<TZYLShapeControl>(c)->Bevel()->LightColor(), vcl::clFuchsia);
       }},
      {"teeth", &TZYLShapeControl::StaticClass, Itself, "Teeth",
       [](vcl::TCustomForm* f) { TypeInto(f, "spinc", "31"); },
       [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLShapeControl>(c)->Teeth()->Count(), 31); }},
      {"small bar", &TZYLProgress::StaticClass, Itself, "SmallBar",
       [](vcl::TCustomForm* f) { TypeInto(f, "spinc", "9"); },
       [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLProgress>(c)->SmallBar()->BarCount(), 9); }},
      {"gradient", &TZYLFill::StaticClass,
       [](vcl::TComponent* c) { return As<TZYLFill>(c)->FillObject(); }, "Gradient",
       [](vcl::TCustomForm* f) { Combo(f, "cmbb", "clOlive"); },
       [](vcl::TComponent* c) {
         EXPECT_EQ(As<TZYLFill>(c)->FillObject()->Gradient()->Color(), vcl::clOlive);
       }},
      {"LED", &TZYLLEDLabel::StaticClass, Itself, "LED",
       [](vcl::TCustomForm* f) { TypeInto(f, "edvs", "20"); },
       [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLLEDLabel>(c)->LED()->Vertsize(), 20); }},
      {"mask", &TZYLMaskEdit::StaticClass, Itself, "Mask",
       [](vcl::TCustomForm* f) { TypeInto(f, "MaskEdit", "000-00"); },
       [](vcl::TComponent* c) { EXPECT_EQ(As<TZYLMaskEdit>(c)->Mask(), "000-00"); }},
  };
}

class PropertyEditing : public PropertyValues {};

TEST_F(PropertyEditing, OnlyOKSetsTheEditedValueAndReportsOneModification) {
  for (const TEditCase& c : EditCases()) {
    for (TEnding ending : {TEnding::Ok, TEnding::Cancel, TEnding::CloseBox, TEnding::Escape}) {
      SCOPED_TRACE(std::string(c.Name) + ", " + designtest::EndingName(ending));
      vcl::TComponent* component = form_.Add(c.Class());
      const std::string before = vcl::WriteComponentToBytes(component);
      vt::TInspectorDriver inspect = Inspect(c.Edited(component), c.Property);
      form_.Designer()->ResetModified();
      vt::TDialogScript script;
      script.Do(c.Change);
      switch (ending) {
        case TEnding::Ok: script.Press("OK"); break;
        case TEnding::Cancel: script.Press("Cancel"); break;
        case TEnding::CloseBox:
          script.Do([](vcl::TCustomForm* f) { designtest::ClickCloseBox(f->Handle()); });
          break;
        default: script.PressKey(win::VK_ESCAPE); break;
      }
      inspect.Edit();
      EXPECT_EQ(script.Pending(), 0u);
      if (ending == TEnding::Ok) {
        c.ExpectEdited(component);
        EXPECT_EQ(form_.Designer()->ModifiedCount(), 1);
      } else {
        EXPECT_EQ(vcl::WriteComponentToBytes(component), before);
        EXPECT_EQ(form_.Designer()->ModifiedCount(), 0);
      }
      delete component;
    }
  }
}

TEST_F(PropertyEditing, TheLEDEditorsSampleTakesTheLabelsTransparencyAndColour) {
  auto* label = form_.Add<TZYLLEDLabel>();
  label->SetColor(vcl::clTeal);
  label->SetTransparent(true);
  vt::TDialogScript script;
  bool transparent = false;
  vcl::TColor color = vcl::clNone;
  script.Do([&](vcl::TCustomForm* f) {
    auto* test = static_cast<TZYLLEDEditorDlg*>(f)->test;
    transparent = test->Transparent();
    color = test->Color();
  });
  script.Press("Cancel");
  Inspect(label, "LED").Edit();
  EXPECT_TRUE(transparent);
  EXPECT_EQ(color, vcl::clTeal);
}

// ---------------------------------------------------------------------------------------------
// The value column

// The inspector's value column: a bitmap of the column's size with its brush and font.
class TValueColumn {
 public:
  TValueColumn() {
    bmp_.SetPixelFormat(vcl::pf24bit);
    bmp_.SetSize(kWidth, kHeight);
    Reset();
  }
  static constexpr int kWidth = 180, kHeight = 18;
  vcl::TCanvas* Canvas() { return bmp_.Canvas(); }
  vcl::TBitmap& Bitmap() { return bmp_; }
  // Fills the column with red, then sets the inspector's window brush.
  void Reset() {
    Canvas()->Brush()->SetColor(vcl::clRed);
    Canvas()->FillRect({0, 0, kWidth, kHeight});
    Canvas()->Brush()->SetColor(vcl::clWindow);
  }

 private:
  vcl::TBitmap bmp_;
};

// What the column shows with `text` at (x, y) on the window colour and, when given, `sample`
// drawn at (sx, sy).
win::testkit::TCapture Expected(const std::string& text, int x, int y,
                                vcl::TBitmap* sample = nullptr, int sx = 0, int sy = 0) {
  TValueColumn ref;
  ref.Canvas()->FillRect({0, 0, TValueColumn::kWidth, TValueColumn::kHeight});
  ref.Canvas()->TextOut(x, y, text);
  if (sample) ref.Canvas()->Draw(sx, sy, sample);
  return designtest::Capture(ref.Bitmap());
}

TEST_F(PropertyValues, SummaryEditorsWriteTheObjectsSummaryAtTheTopLeft) {
  auto* panel = form_.Add<TZYLSimplePanel>();
  panel->Bevel()->SetMode(bmEdge);
  auto* shape = form_.Add<TZYLShapeControl>();
  shape->Shadow()->SetDepth(7);
  const std::pair<vcl::TComponent*, const char*> cases[] = {{panel, "Bevel"}, {shape, "Shadow"}};
  for (const auto& [component, prop] : cases) {
    TValueColumn column;
    const auto* settings = static_cast<TZYLObject*>(vcl::GetObjectProp(component, prop));
    const std::string summary = const_cast<TZYLObject*>(settings)->GetSetStr();
    ASSERT_NE(summary, "{}") << prop;
    Inspect(component, prop).Draw(column.Canvas(), {0, 0, TValueColumn::kWidth, 18});
    EXPECT_TRUE(win::testkit::SamePixels(designtest::Capture(column.Bitmap()),
                                         Expected(summary, 1, 1), std::string("summary_") + prop));
  }
  // Without an object only the rectangle is filled.
  TValueColumn column;
  ZYLPEDrawSummary(column.Canvas(), {0, 0, TValueColumn::kWidth, 18}, nullptr);
  EXPECT_TRUE(win::testkit::SamePixels(designtest::Capture(column.Bitmap()), Expected("", 0, 0),
                                       "summary_none"));
}

TEST_F(PropertyValues, TheGradientSampleStaysInItsSquareBesideTheClassName) {
  auto* fill = form_.Add<TZYLFill>();
  TZYLGradient* gradient = fill->FillObject()->Gradient();
  gradient->SetColor(vcl::clBlue);
  gradient->SetEndColor(vcl::clYellow);
  TValueColumn column;
  Inspect(fill->FillObject(), "Gradient").Draw(column.Canvas(), {0, 0, TValueColumn::kWidth, 18});
  // The sample: the gradient painted on its own into 24 x 16 pixels at (1, 1).
  vcl::TBitmap sample;
  sample.SetPixelFormat(vcl::pf24bit);
  sample.SetSize(24, 16);
  gradient->PaintGradient(sample.Canvas(), {0, 0, 24, 16});
  EXPECT_TRUE(win::testkit::SamePixels(designtest::Capture(column.Bitmap()),
                                       Expected("(TZYLGradient)", 27, 1, &sample, 1, 1),
                                       "gradient_sample"));
}

TEST_F(PropertyValues, AFillWithoutAPictureWritesOnlyItsSummaryAndAFillWithOneASample) {
  auto* fill = form_.Add<TZYLFill>();
  TZYLFillObject* object = fill->FillObject();
  // The bitmap style without a bitmap: the summary alone, at the left edge.
  object->SetFillStyle(sfBitmap);
  TValueColumn column;
  Inspect(fill, "FillObject").Draw(column.Canvas(), {0, 0, TValueColumn::kWidth, 18});
  EXPECT_TRUE(win::testkit::SamePixels(designtest::Capture(column.Bitmap()),
                                       Expected(object->GetSetStr(), 1, 1), "fill_no_bitmap"));
  // A hatched brush: a 24 x 16 sample painted on the button face, the summary beside it.
  object->SetFillStyle(sfBrush);
  object->Brush()->SetStyle(vcl::bsDiagCross);
  object->Brush()->SetColor(vcl::clNavy);
  column.Reset();
  Inspect(fill, "FillObject").Draw(column.Canvas(), {0, 0, TValueColumn::kWidth, 18});
  vcl::TBitmap sample;
  sample.SetPixelFormat(vcl::pf24bit);
  sample.SetSize(24, 16);
  sample.Canvas()->Brush()->SetColor(vcl::clBtnFace);
  sample.Canvas()->FillRect({0, 0, 24, 16});
  object->FillCanvas(sample.Canvas(), {0, 0, 24, 16}, vcl::clBtnFace);
  EXPECT_TRUE(win::testkit::SamePixels(designtest::Capture(column.Bitmap()),
                                       Expected(object->GetSetStr(), 27, 1, &sample, 1, 1),
                                       "fill_sample"));
}

// The settings editors' cases through the inspector: the property of the holder each edits.
TEST_F(PropertyEditing, SettingsObjectsAreEditedOnACopyThatOnlyOKSets) {
  const std::map<std::string, const char*> properties = {{"caption", "Caption"},
                                                         {"button layout", "ButtonLayout"},
                                                         {"fill object", "FillObject"},
                                                         {"shape fill", "ShapeFill"},
                                                         {"effect caption", "FontFX"},
                                                         {"3D caption", "Font3D"},
                                                         {"transparency", "TransparentStyle"},
                                                         {"LED", "LED"}};
  int checked = 0;
  for (const designtest::TEditorCase& c : designtest::SettingsEditorCases()) {
    auto prop = properties.find(c.Name);
    if (prop == properties.end()) continue;
    for (TEnding ending : {TEnding::Ok, TEnding::Cancel, TEnding::Escape}) {
      SCOPED_TRACE(std::string(c.Name) + ", " + designtest::EndingName(ending));
      std::unique_ptr<vcl::TComponent> holder = c.MakeHolder();
      const std::string before = vcl::WriteComponentToBytes(holder.get());
      vt::TInspectorDriver inspect = Inspect(holder.get(), prop->second);
      form_.Designer()->ResetModified();
      vt::TDialogScript script;
      designtest::AnswerEditor(script, c.Change, ending);
      inspect.Edit();
      EXPECT_EQ(script.Pending(), 0u);
      if (ending == TEnding::Ok) {
        c.ExpectEdited(holder.get());
        EXPECT_EQ(form_.Designer()->ModifiedCount(), 1);
      } else {
        EXPECT_EQ(vcl::WriteComponentToBytes(holder.get()), before);
        EXPECT_EQ(form_.Designer()->ModifiedCount(), 0);
      }
    }
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<int>(properties.size()));
}

// The shape and bitmap-style pickers store what the picker answers, the picked value on OK
// and the value it was given otherwise, and so report a modification however the picker ends.
TEST_F(PropertyEditing, AShapeOrBitmapStylePickIsAlwaysStoredAndReported) {
  // No registration of the package gives the bitmap-style picker a property; a host's does.
  const char kPackage[] = "bitmap-style-picker-test";
  vcl::LoadDesignPackage(kPackage, [] {
    vcl::RegisterPropertyEditor(vcl::GetPropInfo(TZYLNImage::StaticClass(), "Style")->PropType,
                                nullptr, "", vcl::PropertyEditorClassOf<TZYLBitmapStyleProperty>());
  });
  struct TUnload {
    const char* Name;
    ~TUnload() { vcl::UnloadDesignPackage(Name); }
  } unload{kPackage};
  auto* shape = form_.Add<TZYLShapeControl>();
  shape->SetShape(stRectangle);
  auto* image = form_.Add<TZYLNImage>();
  image->SetStyle(sbTile);
  struct Case {
    vcl::TPersistent* edited;
    const char* prop;
    const char* editor;
    const char* picked;
    TEnding ending;
    const char* want;
  };
  const Case cases[] = {
      {shape, "Shape", "TZYLShapeProperty", "stEllipse", TEnding::Cancel, "stRectangle"},
      {shape, "Shape", "TZYLShapeProperty", "stEllipse", TEnding::Escape, "stRectangle"},
      {shape, "Shape", "TZYLShapeProperty", "stRectangle", TEnding::Ok, "stRectangle"},
      {shape, "Shape", "TZYLShapeProperty", "stEllipse", TEnding::Ok, "stEllipse"},
      {image, "Style", "TZYLBitmapStyleProperty", "sbCenter", TEnding::Cancel, "sbTile"},
      {image, "Style", "TZYLBitmapStyleProperty", "sbTile", TEnding::Ok, "sbTile"},
      {image, "Style", "TZYLBitmapStyleProperty", "sbCenter", TEnding::Ok, "sbCenter"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.prop) + ", " + c.picked + ", " + designtest::EndingName(c.ending));
    vt::TInspectorDriver inspect = Inspect(c.edited, c.prop);
    EXPECT_EQ(std::string(inspect.EditorClass()->Name), c.editor);
    EXPECT_EQ(inspect.AttributeBits(), 0x8D);
    form_.Designer()->ResetModified();
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script, [&](vcl::TCustomForm* f) { Combo(f, "pred", c.picked); }, c.ending);
    inspect.Edit();
    EXPECT_EQ(inspect.Value(), c.want);
    EXPECT_EQ(form_.Designer()->ModifiedCount(), 1);
  }
}

TEST_F(PropertyEditing, AnInformationLabelsDateTimeFormatIsTypedInTheFormatEditor) {
  auto* label = form_.Add<TZYLInformationLabel>();
  label->SetDateTimeFormat("hh:nn");
  vt::TInspectorDriver inspect = Inspect(label, "DateTimeFormat");
  EXPECT_EQ(std::string(inspect.EditorClass()->Name), "TZYLDateTimeFormatProperty");
  for (TEnding ending : {TEnding::Cancel, TEnding::Ok}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    form_.Designer()->ResetModified();
    vt::TDialogScript script;
    std::string shown;
    designtest::AnswerEditor(
        script,
        [&](vcl::TCustomForm* f) {
          shown = designtest::On<vcl::TEdit>(f, "Edit1")->Text();
          TypeInto(f, "Edit1", "dd.mm.yyyy");
        },
        ending);
    inspect.Edit();
    EXPECT_EQ(shown, "hh:nn");
    const bool ok = ending == TEnding::Ok;
    EXPECT_EQ(label->DateTimeFormat(), ok ? "dd.mm.yyyy" : "hh:nn");
    EXPECT_EQ(form_.Designer()->ModifiedCount(), ok ? 1 : 0);
    label->SetDateTimeFormat("hh:nn");
  }
}

TEST_F(PropertyEditing, TheWaveChooserSetsTheChosenWaveOnOKOnly) {
  auto* comp = form_.Add<TZYLWaveComp>();
  comp->Wave()->SetData(testsupport::MakeWave(1, 8000, 8, 16));
  vt::TInspectorDriver inspect = Inspect(comp, "Wave");
  EXPECT_EQ(inspect.AttributeBits(), 0x0C);
  for (const char* button : {"Cancel", "OK"}) {
    SCOPED_TRACE(button);
    form_.Designer()->ResetModified();
    vt::TDialogScript script;
    script.Press("Clear").Press(button);
    inspect.Edit();
    EXPECT_EQ(script.Pending(), 0u);
    const bool ok = std::string(button) == "OK";
    EXPECT_EQ(comp->Wave()->GetEmpty(), ok);
    EXPECT_EQ(inspect.Value(), ok ? vcl::srNone : "(TZYLWave)");
    EXPECT_EQ(form_.Designer()->ModifiedCount(), ok ? 1 : 0);
  }
}

// ---------------------------------------------------------------------------------------------
// Button faces and date lists on components of a developer's own

// The face a component publishes: it holds nothing, the button keeps its faces itself.
class TFaceHolder {
 public:
  TZYLButtonFace* Face() const { return face_.get(); }
  void SetFace(TZYLButtonFace*) {}

 private:
  std::unique_ptr<TZYLButtonFace> face_ = std::make_unique<TZYLButtonFace>();
};

class TFacedMMButton : public TZYLMMButton, public TFaceHolder {
  ZYL_CLASS(TFacedMMButton, TZYLMMButton)
  explicit TFacedMMButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TFacedMMButton) { b.Prop("Face", &TFacedMMButton::Face, &TFacedMMButton::SetFace); }

class TFaced3DButton : public TZYL3DEffectButton, public TFaceHolder {
  ZYL_CLASS(TFaced3DButton, TZYL3DEffectButton)
  explicit TFaced3DButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TFaced3DButton) { b.Prop("Face", &TFaced3DButton::Face, &TFaced3DButton::SetFace); }

// Neither kind of button: the face editor has nothing to open.
class TFacedComponent : public vcl::TComponent, public TFaceHolder {
  ZYL_CLASS(TFacedComponent, vcl::TComponent)
  explicit TFacedComponent(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TFacedComponent) {
  b.Prop("Face", &TFacedComponent::Face, &TFacedComponent::SetFace);
}

class TDatedComponent : public vcl::TComponent {
  ZYL_CLASS(TDatedComponent, vcl::TComponent)
  explicit TDatedComponent(vcl::TComponent* AOwner) : inherited(AOwner) {}
  TZYLDateList* Dates() const { return dates_.get(); }
  void SetDates(TZYLDateList* Value) { dates_->Assign(Value); }

 private:
  std::unique_ptr<TZYLDateList> dates_ = std::make_unique<TZYLDateList>();
};
ZYL_CLASS_IMPL(TDatedComponent) {
  b.Prop("Dates", &TDatedComponent::Dates, &TDatedComponent::SetDates);
}

class TPointedComponent : public vcl::TComponent {
  ZYL_CLASS(TPointedComponent, vcl::TComponent)
  explicit TPointedComponent(vcl::TComponent* AOwner) : inherited(AOwner) {}
  TZYLPointList* Points() const { return points_.get(); }
  void SetPoints(TZYLPointList* Value) {
    points_->Assign(*Value);
    ++Sets;
  }
  int Sets = 0;

 private:
  std::unique_ptr<TZYLPointList> points_ = std::make_unique<TZYLPointList>();
};
ZYL_CLASS_IMPL(TPointedComponent) {
  b.Prop("Points", &TPointedComponent::Points, &TPointedComponent::SetPoints);
}

class FacesAndDates : public PropertyValues {
 protected:
  FacesAndDates() {
    faces_ = form_.Add<TZYLImageList>();
    designtest::AddStrip(*faces_, 16, 16, {vcl::clRed, vcl::clLime});
  }
  TZYLImageList* faces_;
};

// The face of every kind of component gets the face editor through the package's registration,
// and the editor answers the inspector.
TEST_F(FacesAndDates, APublishedFaceGetsTheFaceEditor) {
  TValueColumn column;
  for (vcl::TClass cls : {TFacedMMButton::StaticClass(), TFaced3DButton::StaticClass(),
                          TFacedComponent::StaticClass()}) {
    SCOPED_TRACE(cls->ClassName());
    vcl::TComponent* c = form_.Add(cls);
    vt::TInspectorDriver inspect = Inspect(c, "Face");
    const std::string want = ExpectedEditor(cls, vcl::GetPropInfo(c, "Face"));
    EXPECT_EQ(inspect.EditorClass()->Name, want);
    EXPECT_EQ(inspect.AttributeBits(), ExpectedAttributes().at(want));
    EXPECT_EQ(inspect.Value(), "(TZYLButtonFace)");
    inspect.Draw(column.Canvas(), {0, 0, TValueColumn::kWidth, 18});
  }
}

// What the face editor opens for each kind of component, how the user leaves it, and whether
// the designer hears of a change.
struct TFaceCase {
  const char* Name;
  vcl::TClass (*Class)();
  bool WithFaceList;
  const char* Button;  // nullptr: nothing opens
  const char* Shown;   // the caption of the form opened, or the text of the message
  int Modified;
};

TEST_F(FacesAndDates, TheFaceEditorOpensWhatTheButtonsKindHas) {
  const TFaceCase cases[] = {
      {"3D button, cancelled", &TFaced3DButton::StaticClass, false, "Cancel", "3DEffect-Editor", 0},
      {"multimedia, cancelled", &TFacedMMButton::StaticClass, true, "Cancel", "ButtonFace-Editor",
       0},
      {"multimedia, OK", &TFacedMMButton::StaticClass, true, "OK", "ButtonFace-Editor", 1},
      {"multimedia without a face list", &TFacedMMButton::StaticClass, false, "OK",
       "Can't run Editor because no ButtonFaceImageList is selected.", 0},
      {"no button", &TFacedComponent::StaticClass, false, nullptr, nullptr, 0},
  };
  for (const TFaceCase& c : cases) {
    SCOPED_TRACE(c.Name);
    vcl::TComponent* component = form_.Add(c.Class());
    if (c.WithFaceList) static_cast<TZYLMMButton*>(component)->SetButtonFaceImageList(faces_);
    const std::string before = vcl::WriteComponentToBytes(component);
    form_.Designer()->ResetModified();
    vt::TDialogScript script;
    if (c.Button) script.Press(c.Button);
    Inspect(component, "Face").Edit();
    EXPECT_EQ(script.Pending(), 0u);
    if (c.Shown) {
      ASSERT_EQ(script.Shown().size(), 1u);
      const vt::TShownDialog& shown = script.Shown()[0];
      EXPECT_EQ(shown.Text.empty() ? shown.Caption : shown.Text, c.Shown);
    } else {
      EXPECT_TRUE(script.Shown().empty());
    }
    EXPECT_EQ(form_.Designer()->ModifiedCount(), c.Modified);
    if (c.Modified == 0) {
      EXPECT_EQ(vcl::WriteComponentToBytes(component), before);
    }
    delete component;
  }
}

// A date list is edited in place: OK with lines that all convert replaces the list and reports
// once; Cancel, or a line that does not convert, leaves it as it was and reports nothing.
TEST_F(FacesAndDates, ADateListIsReplacedOnlyByLinesThatAllConvert) {
  vcl::TFormatSettingsScope settings;
  vcl::FormatSettings.DateSeparator = '/';
  vcl::FormatSettings.TimeSeparator = ':';
  vcl::FormatSettings.ShortDateFormat = "dd/mm/yyyy";
  vcl::FormatSettings.LongTimeFormat = "hh:nn:ss";
  auto* holder = form_.Add<TDatedComponent>();
  holder->Dates()->AddDate({vcl::EncodeDate(2024, 1, 31), "first"});
  TZYLDateListProperty editor(form_.Designer(), {holder}, vcl::GetPropInfo(holder, "Dates"));
  EXPECT_EQ(static_cast<int>(editor.GetAttributes().Bits()),
            ExpectedAttributes().at("TZYLDateListProperty"));
  struct Case {
    const char* Name;
    std::vector<std::string> Lines;
    TEnding Ending;
    bool Raises;
    std::vector<std::string> Want;
  };
  const std::vector<std::string> first = {"31/01/2024;00:00:00;first"};
  const std::vector<std::string> two = {"02/03/2024;10:20:30;second", "04/05/2024;06:07:08;third"};
  const Case cases[] = {
      {"cancelled", two, TEnding::Cancel, false, first},
      {"escaped", two, TEnding::Escape, false, first},
      {"a bad line",
       {"02/03/2024;10:20:30;fine", "31/02/2024;10:00:00;no such day"},
       TEnding::Ok,
       true,
       first},
      {"OK", two, TEnding::Ok, false, two},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    form_.Designer()->ResetModified();
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [&](vcl::TCustomForm* f) { static_cast<TZYLDateListEditorDlg*>(f)->SetLines(c.Lines); },
        c.Ending);
    const std::string error = testsupport::ErrorOf<vcl::EConvertError>([&] { editor.Edit(); });
    EXPECT_EQ(error != "<no error>", c.Raises) << error;
    EXPECT_EQ(ZYLDateListToLines(holder->Dates()), c.Want);
    const bool changed = c.Want != first;
    EXPECT_EQ(form_.Designer()->ModifiedCount(), changed ? 1 : 0);
  }
}

// A point list is edited in place through its editor: OK gives the list the edited points and
// sets it again, which the designer hears of once; Cancel leaves it and reports nothing.
TEST_F(FacesAndDates, APointListTakesTheEditedPointsOnlyOnOK) {
  auto* holder = form_.Add<TPointedComponent>();
  holder->Points()->AddPoint({3, 4});
  TZYLPointListProperty editor(form_.Designer(), {holder}, vcl::GetPropInfo(holder, "Points"));
  EXPECT_EQ(static_cast<int>(editor.GetAttributes().Bits()),
            ExpectedAttributes().at("TZYLPointListProperty"));
  for (const TEnding ending : {TEnding::Cancel, TEnding::Ok}) {
    const bool ok = ending == TEnding::Ok;
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    form_.Designer()->ResetModified();
    holder->Sets = 0;
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [](vcl::TCustomForm* f) {
          vt::ClickControl(static_cast<TfrmTZYLPointListEditor*>(f)->btAdd);
        },
        ending);
    editor.Edit();
    EXPECT_EQ(script.Pending(), 0u);
    ASSERT_EQ(holder->Points()->Count(), ok ? 2 : 1);
    EXPECT_EQ(holder->Points()->Point(0), (vcl::TPoint{3, 4}));
    if (ok) {
      EXPECT_EQ(holder->Points()->Point(1), (vcl::TPoint{0, 0}));
    }
    EXPECT_EQ(holder->Sets, ok ? 1 : 0);
    EXPECT_EQ(form_.Designer()->ModifiedCount(), ok ? 1 : 0);
  }
}

}  // namespace
}  // namespace zyl
