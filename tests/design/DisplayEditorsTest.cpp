// The label and display-control editors through the designer's context menu on components of a
// designed form: every verb in menu order, each run without error, and each toggle or pick
// changing exactly what its caption says with one report.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "design/pZYLCEDisplay.h"
#include "design/pZYLDateTimePropertyEditor.h"
#include "design/pZYLDsgnCPGetStrings.h"
#include "design/pZYLGraphicLabelEditor.h"
#include "design/pZYLShapeEditorDlg.h"
#include "design/pZYLStrEditorDlg.h"
#include "display/ZYLAniCtrl.h"
#include "display/ZYLBoundLabel.h"
#include "display/ZYLClock.h"
#include "display/ZYLDockLabel.h"
#include "display/ZYLDrawEdge.h"
#include "display/ZYLFill.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLGraphicLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLImage.h"
#include "display/ZYLLabel.h"
#include "display/ZYLLabelFill.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLProgressFill.h"
#include "display/ZYLRepeatedShape.h"
#include "display/ZYLSBar.h"
#include "display/ZYLScrollText.h"
#include "display/ZYLShadowFill.h"
#include "display/ZYLShapeControl.h"
#include "display/ZYLSimpleLabel.h"
#include "display/ZYLTechnicalLine.h"
#include "display/ZYLTrackBar.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/ToolsAPI.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/design/StringsTestSupport.h"

namespace zyl {

// Data-aware variants as the editors recognise them: by their class names.
class TZYLDBTestImage : public TZYLNImage {
  ZYL_CLASS(TZYLDBTestImage, TZYLNImage)
  explicit TZYLDBTestImage(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TZYLDBTestImage) {}

class TZYLDBTestLEDLabel : public TZYLLEDLabel {
  ZYL_CLASS(TZYLDBTestLEDLabel, TZYLLEDLabel)
  explicit TZYLDBTestLEDLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TZYLDBTestLEDLabel) {}

namespace {

using Strings = std::vector<std::string>;

// The data-aware stand-ins, registered for streaming while a test runs.
struct TDBTestClasses {
  TDBTestClasses() {
    vcl::RegisterClass(TZYLDBTestImage::StaticClass());
    vcl::RegisterClass(TZYLDBTestLEDLabel::StaticClass());
  }
  ~TDBTestClasses() {
    vcl::UnRegisterClass(TZYLDBTestLEDLabel::StaticClass());
    vcl::UnRegisterClass(TZYLDBTestImage::StaticClass());
  }
};

// The display units the editors' components come from, entered while a test runs.
using TDisplayUnits = designtest::TEntered<
    designtest::TEntryUnit<pZYLStrEditorDlgUnit>, designtest::TEntryUnit<ZYLAniCtrlUnit>,
    designtest::TEntryUnit<ZYLBoundLabelUnit>, designtest::TEntryUnit<ZYLClockUnit>,
    designtest::TEntryUnit<ZYLDockLabelUnit>, designtest::TEntryUnit<ZYLGlyphLabelUnit>,
    designtest::TEntryUnit<ZYLLabelFillUnit>, designtest::TEntryUnit<ZYLLImageUnit>,
    designtest::TEntryUnit<ZYLRepeatedShapeUnit>, designtest::TEntryUnit<ZYLSBarUnit>,
    designtest::TEntryUnit<ZYLScrollTextUnit>, designtest::TEntryUnit<ZYLShadowFillUnit>,
    designtest::TEntryUnit<ZYLTechnicalLineUnit>, designtest::TEntryUnit<ZYLTrackBarUnit>,
    TDBTestClasses>;

class DisplayEditors
    : public designtest::TLaunchingEditorTest<designtest::TStringsUnits, TDisplayUnits> {
 protected:
  DisplayEditors()
      : TComponentEditorTest({
            EditorFor<TZYLBaseLabel, TZYLLabelComponentEditor>(),
            EditorFor<TZYLCustomLabelFill, TZYLLabelFillComponentEditor>(),
            EditorFor<TZYLLEDCustomLabel, TZYLLEDLabelComponentEditor>(),
            EditorFor<TZYLInformationLabel, TZYLInfoLabelComponentEditor>(),
            EditorFor<TZYLGraphicLabel, TZYLGraphicLabelComponentEditor>(),
            EditorFor<TZYLCustomNImage, TZYLNImageComponentEditor>(),
            EditorFor<TZYLCustomLImage, TZYLCustomLImageComponentEditor>(),
            EditorFor<TZYLFill, TZYLFillComponentEditor>(),
            EditorFor<TZYLShadowFill, TZYLShadowFillComponentEditor>(),
            EditorFor<TZYLProgress, TZYLProgressComponentEditor>(),
            EditorFor<TZYLProgressFill, TZYLProgressFillComponentEditor>(),
            EditorFor<TZYLClock, TZYLClockComponentEditor>(),
            EditorFor<TZYLDrawEdge, TZYLDrawEdgeComponentEditor>(),
            EditorFor<TZYLTechnicalLine, TZYLTechnicalLineComponentEditor>(),
            EditorFor<TZYLScrollText, TZYLScrollTextComponentEditor>(),
            EditorFor<TZYLBaseShape, TZYLCustomShapeComponentEditor>(),
            EditorFor<TZYLScrollBar, TZYLScrollBarComponentEditor>(),
            EditorFor<TZYLCustomTrackBar, TZYLTrackBarComponentEditor>(),
        }) {}
};

using TMake = vcl::TComponent* (*)(TDesignedForm&, const std::string&);
template <class T>
vcl::TComponent* Make(TDesignedForm& f, const std::string& name) {
  return f.Add<T>(name);
}

// Sets the properties "Prop=Value;Prop=Value" as the inspector writes them, in that order.
void Apply(vcl::TComponent* c, const std::string& values) {
  size_t start = 0;
  while (start < values.size()) {
    size_t end = values.find(';', start);
    if (end == std::string::npos) end = values.size();
    const std::string pair = values.substr(start, end - start);
    const size_t eq = pair.find('=');
    vcl::SetPropValue(c, pair.substr(0, eq), pair.substr(eq + 1));
    start = end + 1;
  }
}

// A component's simple property values but its name and its place in the tab order.
std::map<std::string, std::string> Values(vcl::TComponent* c) {
  std::map<std::string, std::string> values = designtest::SimpleProps(c);
  values.erase("Name");
  values.erase("TabOrder");
  return values;
}

// The properties in which two components' values differ, "Name: a / b" each.
std::string Differences(vcl::TComponent* a, vcl::TComponent* b) {
  std::map<std::string, std::string> va = Values(a), vb = Values(b);
  std::string out;
  for (const auto& [name, value] : va)
    if (vb[name] != value) out += name + ": " + value + " / " + vb[name] + "; ";
  for (const auto& [name, value] : vb)
    if (!va.count(name)) out += name + ": (none) / " + value + "; ";
  return out;
}

bool Lists(const Strings& verbs, const std::string& verb) {
  return std::find(verbs.begin(), verbs.end(), verb) != verbs.end();
}

struct TMenuRow {
  TMake Make;
  const char* Setup;  // applied before the menu is asked
  Strings Verbs;
};

const Strings kSimpleLabel = {"Caption",           "AutoSize [True]",   "Color", "Font", "Font3D",
                              "MultiLine [False]", "Transparent [True]"};

TEST_F(DisplayEditors, EveryEditorListsItsVerbsInOrderAndRunsEachWithoutError) {
  const TMenuRow rows[] = {
      {&Make<TZYLSimpleLabel>, "", kSimpleLabel},
      {&Make<TZYLDockLabel>, "AutoSize=True", kSimpleLabel},
      {&Make<TZYLBoundLabel>, "", kSimpleLabel},
      {&Make<TZYLLabel>,
       "",
       {"Caption", "AutoSize [True]", "Color", "Font", "FontFX", "MultiLine [False]",
        "Transparent [True]", "Bevel"}},
      {&Make<TZYLGlyphLabel>,
       "",
       {"Caption", "AutoSize [True]", "Color", "Font", "Font3D", "MultiLine [False]",
        "Transparent [True]", "ImageList", "Alignment"}},
      {&Make<TZYLLabelFill>,
       "",
       {"Caption", "AutoSize [True]", "Color", "Font", "FontFX", "MultiLine [False]",
        "Transparent [True]", "FillObject", "BrushBackColor", "ImageList"}},
      {&Make<TZYLLEDLabel>, "", {"Caption", "AutoSize [False]", "Bevel", "LED"}},
      {&Make<TZYLDBTestLEDLabel>,
       "",
       {"[DB] No caption available", "AutoSize [False]", "Bevel", "LED"}},
      {&Make<TZYLInformationLabel>,
       "",
       {"Transparent [True]", "AutoSize [True]", "Font3D", "Font", "Bevel", "DateTime Format", "-",
        "show DateTime", "show Caps", "show Num", "show Scroll"}},
      {&Make<TZYLGraphicLabel>,
       "",
       {"Editor", "-", "Wave", "Normal", "AutoSize [False]", "FillObject", "Font", "FontFX"}},
      {&Make<TZYLGraphicLabel>,
       "Attributes=[taPerspective]",
       {"Editor", "-", "Wave", "Normal", "AutoSize [False]", "FillObject", "Font", "FontFX",
        "Perspective (tpBird)"}},
      {&Make<TZYLGraphicLabel>,
       "Attributes=[taPerspective];Perspective=tpFrog",
       {"Editor", "-", "Wave", "Normal", "AutoSize [False]", "FillObject", "Font", "FontFX",
        "Perspective (tpFrog)"}},
      {&Make<TZYLNImage>,
       "",
       {"Bitmap", "Bevel", "Color", "Style", "Transparent [True]", "TransparentStyle"}},
      {&Make<TZYLDBTestImage>,
       "",
       {"[DB] No bitmap", "Bevel", "Color", "Style", "Transparent [True]", "TransparentStyle"}},
      {&Make<TZYLLImage>, "", {"ImageList", "Bevel", "Color", "Transparent [True]", "Style"}},
      {&Make<TZYLAniCtrl>,
       "",
       {"ImageList", "Bevel", "Color", "Transparent [False]", "Style", "Animate [False]"}},
      {&Make<TZYLFill>, "", {"ImageList", "FillObject", "Bevel", "Caption", "Color"}},
      {&Make<TZYLShadowFill>, "", {"ShadowColor", "Bevel"}},
      {&Make<TZYLProgress>,
       "",
       {"SmallBar", "Bevel", "Caption", "Font", "Font3D", "UseFontColor [False]"}},
      {&Make<TZYLProgressFill>,
       "",
       {"ImageList", "FillObject", "Bevel", "Caption", "Font", "Font3D", "UseFontColor [False]"}},
      {&Make<TZYLClock>, "", {"Bevel", "Digital", "DigitalOnly [False]", "CustomDateTimeFormat"}},
      {&Make<TZYLDrawEdge>, "", {"Filled [False]", "Horizontal Line", "Vertical Line"}},
      {&Make<TZYLTechnicalLine>,
       "",
       {"Arrowed [False]", "Shadowed [False]", "Arrow Right", "Arrow Left", "Arrow Up",
        "Arrow Down"}},
      {&Make<TZYLScrollText>,
       "Scroll=False",
       {"Bevel", "Font", "Font3D", "Transparent [False]", "Scroll [False]", "Lines"}},
      {&Make<TZYLShapeControl>,
       "",
       {"Shape", "Brush", "Caption", "Shadow", "Square [False]", "Bevel"}},
      {&Make<TZYLShapeControl>,
       "Mode=scmShapeFill",
       {"Shape", "Brush", "Caption", "Shadow", "Square [False]", "Bevel", "ShapeFill"}},
      {&Make<TZYLShapeControl>,
       "Mode=scmTeethFast",
       {"Teeth", "Brush", "Caption", "Shadow", "Square [False]"}},
      {&Make<TZYLShapeControl>,
       "Mode=scmTeethFill",
       {"Teeth", "Brush", "Caption", "Shadow", "Square [False]"}},
      {&Make<TZYLRepeatedShape>,
       "Square=True",
       {"Shape", "Brush", "Caption", "Shadow", "Square [True]", "Bevel", "ShapeFill"}},
      {&Make<TZYLScrollBar>, "", {"Transparent [False]", "Back", "Bevel", "Kind (Horiz)"}},
      {&Make<TZYLTrackBar>,
       "",
       {"ImageList", "Font", "Transparent [False]", "-", "Save component", "Select template"}},
  };
  int n = 0;
  for (const TMenuRow& row : rows) {
    vcl::TComponent* c = row.Make(form_, "C" + std::to_string(++n));
    SCOPED_TRACE(c->ClassName() + " " + row.Setup);
    Apply(c, row.Setup);
    EXPECT_EQ(form_.Menu(c).Verbs(), row.Verbs);
    designtest::TRecordedLaunchers launchers(designtest::SettingsObjectsOf(c));
    designtest::TRecordedPicker picker;
    form_.ExpectEachVerbRuns(c);
  }
}

// A toggle or pick changes exactly what its caption says: afterwards the component's values
// equal those of a twin given only that change through the inspector's path; one report; the
// caption follows where it shows a state.
struct TPickRow {
  TMake Make;
  const char* Setup;
  const char* Verb;
  const char* Change;  // applied to the twin
  const char* After;   // the verb's caption afterwards ("" when the same)
  std::function<void(vt::TDialogScript&)> Answer = nullptr;  // the dialog the verb opens
};

// Chooses Item in the value picker's list and confirms.
std::function<void(vt::TDialogScript&)> ChooseInPicker(const std::string& Item) {
  return [Item](vt::TDialogScript& script) {
    designtest::AnswerEditor(
        script,
        [Item](vcl::TCustomForm* f) {
          designtest::ChooseComboItem(designtest::On<vcl::TComboBox>(f, "pred"), Item);
        },
        TEnding::Ok);
  };
}

TEST_F(DisplayEditors, EachToggleAndPickChangesExactlyWhatItsCaptionSays) {
  const auto typeFormat = [](vt::TDialogScript& script) {
    designtest::AnswerEditor(
        script,
        [](vcl::TCustomForm* f) {
          vt::TypeInto(static_cast<TZYLFrmDateTimePropertyEditor*>(f)->Edit1, "yyyy-mm-dd");
        },
        TEnding::Ok);
  };
  const auto chooseRed = [](vt::TDialogScript& script) { script.ChooseColor(vcl::clRed); };
  const TPickRow rows[] = {
      {&Make<TZYLSimpleLabel>, "", "AutoSize [True]", "AutoSize=False", "AutoSize [False]"},
      {&Make<TZYLLabel>, "", "MultiLine [False]", "MultiLine=True", "MultiLine [True]"},
      {&Make<TZYLGlyphLabel>, "", "Transparent [True]", "Transparent=False", "Transparent [False]"},
      {&Make<TZYLLabelFill>, "", "BrushBackColor", "BrushBackColor=clRed", "", chooseRed},
      {&Make<TZYLLEDLabel>, "", "AutoSize [False]", "AutoSize=True", "AutoSize [True]"},
      {&Make<TZYLInformationLabel>, "", "AutoSize [True]", "AutoSize=False", "AutoSize [False]"},
      {&Make<TZYLInformationLabel>, "", "show DateTime", "Info=itCurrentDateTime", ""},
      {&Make<TZYLInformationLabel>, "", "show Caps", "Info=itCapsLock", ""},
      {&Make<TZYLInformationLabel>, "", "show Num", "Info=itNumLock", ""},
      {&Make<TZYLInformationLabel>, "", "show Scroll", "Info=itScroll", ""},
      {&Make<TZYLInformationLabel>, "", "DateTime Format", "DateTimeFormat=yyyy-mm-dd", "",
       typeFormat},
      {&Make<TZYLGraphicLabel>, "", "Normal", "Transform=tmNone", ""},
      {&Make<TZYLGraphicLabel>, "Transform=tmNone", "Wave", "Transform=tmWave", ""},
      {&Make<TZYLGraphicLabel>, "", "AutoSize [False]", "AutoSize=True", "AutoSize [True]"},
      {&Make<TZYLGraphicLabel>, "Attributes=[taPerspective]", "Perspective (tpBird)",
       "Perspective=tpFrog", "Perspective (tpFrog)"},
      {&Make<TZYLGraphicLabel>, "Attributes=[taPerspective];Perspective=tpFrog",
       "Perspective (tpFrog)", "Perspective=tpBird", "Perspective (tpBird)"},
      {&Make<TZYLNImage>, "", "Style", "Style=sbCenter", "", ChooseInPicker("sbCenter")},
      {&Make<TZYLNImage>, "", "Transparent [True]", "Transparent=False", "Transparent [False]"},
      {&Make<TZYLLImage>, "", "Style", "Style=sbTile", "", ChooseInPicker("sbTile")},
      {&Make<TZYLLImage>, "", "Transparent [True]", "Transparent=False", "Transparent [False]"},
      {&Make<TZYLFill>, "", "Color", "Color=clRed", "", chooseRed},
      {&Make<TZYLShadowFill>, "", "ShadowColor", "ShadowColor=clRed", "", chooseRed},
      {&Make<TZYLProgress>, "", "UseFontColor [False]", "UseFontColor=True", "UseFontColor [True]"},
      {&Make<TZYLProgressFill>, "", "UseFontColor [False]", "UseFontColor=True",
       "UseFontColor [True]"},
      {&Make<TZYLClock>, "", "DigitalOnly [False]", "DigitalOnly=True", "DigitalOnly [True]"},
      {&Make<TZYLClock>, "", "CustomDateTimeFormat", "CustomDateTimeFormat=yyyy-mm-dd", "",
       typeFormat},
      {&Make<TZYLDrawEdge>, "", "Filled [False]", "Filled=True", "Filled [True]"},
      {&Make<TZYLDrawEdge>, "Style=esStandard;EdgeStyle=etBump", "Horizontal Line",
       "Style=esEdge;EdgeStyle=etEtched;FrameSides=[fsTop];Height=3", ""},
      {&Make<TZYLDrawEdge>, "Style=esDiagonal", "Vertical Line",
       "Style=esEdge;FrameSides=[fsLeft];Width=3", ""},
      {&Make<TZYLTechnicalLine>, "", "Arrowed [False]", "Arrowed=True", "Arrowed [True]"},
      {&Make<TZYLTechnicalLine>, "", "Shadowed [False]", "ShadowVisible=True", "Shadowed [True]"},
      {&Make<TZYLTechnicalLine>, "LineType=lsStraightTopToBottom", "Arrow Right",
       "LineType=lsStraightLeftToRight;LineEndingsign=leOpenArrowRight", ""},
      {&Make<TZYLTechnicalLine>, "", "Arrow Left",
       "SignPlaces=spStart;LineStartSign=leOpenArrowLeft", ""},
      // A horizontal line turns vertical with an open arrow at its start.
      {&Make<TZYLTechnicalLine>, "", "Arrow Up",
       "LineType=lsStraightTopToBottom;SignPlaces=spStart;LineStartSign=leOpenArrowUp", ""},
      {&Make<TZYLTechnicalLine>, "SignPlaces=spStart", "Arrow Down",
       "LineType=lsStraightTopToBottom;SignPlaces=spEnd;LineEndingsign=leOpenArrowDown", ""},
      {&Make<TZYLScrollText>, "Scroll=False", "Scroll [False]", "Scroll=True", "Scroll [True]"},
      {&Make<TZYLScrollText>, "", "Transparent [False]", "Transparent=True", "Transparent [True]"},
      {&Make<TZYLShapeControl>, "", "Shape", "Shape=stComb", "", ChooseInPicker("stComb")},
      {&Make<TZYLShapeControl>, "", "Square [False]", "Square=True", "Square [True]"},
      // The last caption names the current kind; the verb switches to the other.
      {&Make<TZYLScrollBar>, "Width=100;Height=16", "Kind (Horiz)", "Kind=skVertical",
       "Kind (Vert)"},
      {&Make<TZYLScrollBar>, "Width=100;Height=16;Kind=skVertical", "Kind (Vert)",
       "Kind=skHorizontal", "Kind (Horiz)"},
      {&Make<TZYLScrollBar>, "", "Transparent [False]", "Transparent=True", "Transparent [True]"},
      {&Make<TZYLTrackBar>, "", "Transparent [False]", "Transparent=True", "Transparent [True]"},
  };
  int n = 0;
  for (const TPickRow& row : rows) {
    vcl::TComponent* c = row.Make(form_, "P" + std::to_string(++n));
    vcl::TComponent* twin = row.Make(form_, "T" + std::to_string(n));
    SCOPED_TRACE(c->ClassName() + " " + row.Verb);
    // Labels start with their own names as captions.
    for (vcl::TComponent* o : {c, twin})
      if (auto* control = dynamic_cast<vcl::TControl*>(o)) control->SetText("Text");
    Apply(c, row.Setup);
    Apply(twin, row.Setup);
    Apply(twin, row.Change);
    ASSERT_NE(Differences(c, twin), "");
    vt::TDialogScript script;
    if (row.Answer) row.Answer(script);
    Designer()->ResetModified();
    form_.Menu(c).Execute(row.Verb);
    EXPECT_EQ(Differences(c, twin), "");
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
    EXPECT_TRUE(Lists(form_.Menu(c).Verbs(), *row.After ? row.After : row.Verb));
  }
}

// The image picker is seeded with the component's list and indices, and what it answers is
// stored back; cancelling is reported where the editor says so.
struct TPickerRow {
  TMake Make;
  const char* Verb;
  bool Confirm;
  uint16_t SeedImage;  // the image index the picker is seeded with
  int StoredImage;     // the image index afterwards (-1: the component has none published)
  int Reports;
};

TEST_F(DisplayEditors, TheImageListVerbsSeedThePickerAndStoreItsAnswer) {
  auto* list = form_.Add<TZYLImageList>("ImageList1");
  const TPickerRow rows[] = {
      {&Make<TZYLLImage>, "ImageList", true, 2, 5, 1},
      {&Make<TZYLLImage>, "ImageList", false, 2, 2, 0},
      // An animation's picker starts on the first image, and its frames stay its own.
      {&Make<TZYLAniCtrl>, "ImageList", true, 0, -1, 1},
      {&Make<TZYLFill>, "ImageList", true, 2, 5, 1},
      {&Make<TZYLFill>, "ImageList", false, 2, 2, 1},
      {&Make<TZYLTrackBar>, "ImageList", false, 2, 2, 1},
      {&Make<TZYLTrackBar>, "ImageList", true, 2, 5, 1},
      {&Make<TZYLProgressFill>, "ImageList", false, 2, 2, 0},
      {&Make<TZYLProgressFill>, "ImageList", true, 2, 5, 1},
      {&Make<TZYLGlyphLabel>, "ImageList", false, 2, 2, 1},
      {&Make<TZYLGlyphLabel>, "ImageList", true, 2, 5, 1},
      {&Make<TZYLLabelFill>, "ImageList", true, 2, 5, 1},
      {&Make<TZYLLabelFill>, "ImageList", false, 2, 2, 1},
  };
  designtest::TRecordedPicker picker;
  int n = 0;
  for (const TPickerRow& row : rows) {
    vcl::TComponent* c = row.Make(form_, "I" + std::to_string(++n));
    SCOPED_TRACE(c->ClassName() + (row.Confirm ? " confirmed" : " cancelled"));
    const bool indexed = row.StoredImage >= 0;
    if (indexed) vcl::SetOrdProp(c, "ImageIndex", 2);
    vcl::SetOrdProp(c, "ListIndex", 1);
    const std::string before = designtest::StreamOf(c);
    picker.Seeded.clear();
    picker.Answer = row.Confirm;
    picker.Choice = {list, 3, 5};
    Designer()->ResetModified();
    form_.Menu(c).Execute(row.Verb);
    ASSERT_EQ(picker.Seeded.size(), 1u);
    EXPECT_EQ(picker.Seeded[0].List, nullptr);
    EXPECT_EQ(picker.Seeded[0].ListIndex, 1);
    EXPECT_EQ(picker.Seeded[0].ImageIndex, row.SeedImage);
    EXPECT_EQ(picker.Designer, Designer());
    if (!row.Confirm) {
      EXPECT_EQ(designtest::StreamOf(c), before);
    }
    EXPECT_EQ(vcl::GetObjectProp(c, "ImageList"), row.Confirm ? list : nullptr);
    EXPECT_EQ(vcl::GetOrdProp(c, "ListIndex"), row.Confirm ? 3 : 1);
    if (indexed) {
      EXPECT_EQ(vcl::GetOrdProp(c, "ImageIndex"), row.StoredImage);
    }
    EXPECT_EQ(Designer()->ModifiedCount(), row.Reports);
  }
}

// A settings verb hands the component's own object to the launcher of its class: reported only
// when the launcher accepts.
struct TSettingsRow {
  TMake Make;
  const char* Setup;
  const char* Verb;
  const char* Prop;  // the property holding the object ("" for the shape's teeth)
};

TEST_F(DisplayEditors, SettingsVerbsHandTheComponentsOwnObjectToItsLauncher) {
  const TSettingsRow rows[] = {
      {&Make<TZYLSimpleLabel>, "", "Font3D", "Font3D"},
      {&Make<TZYLLabel>, "", "FontFX", "FontFX"},
      {&Make<TZYLLabel>, "", "Bevel", "Bevel"},
      {&Make<TZYLGlyphLabel>, "", "Alignment", "Alignment"},
      {&Make<TZYLLabelFill>, "", "FillObject", "FillObject"},
      {&Make<TZYLLEDLabel>, "", "LED", "LED"},
      {&Make<TZYLInformationLabel>, "", "Font3D", "Font3D"},
      {&Make<TZYLGraphicLabel>, "", "FontFX", "FontFX"},
      {&Make<TZYLNImage>, "", "TransparentStyle", "TransparentStyle"},
      {&Make<TZYLFill>, "", "Caption", "Caption"},
      {&Make<TZYLProgress>, "", "SmallBar", "SmallBar"},
      {&Make<TZYLProgressFill>, "", "FillObject", "FillObject"},
      {&Make<TZYLClock>, "", "Digital", "Digital"},
      {&Make<TZYLScrollText>, "", "Font3D", "Font3D"},
      {&Make<TZYLShapeControl>, "Mode=scmTeethFast", "Teeth", ""},
      {&Make<TZYLShapeControl>, "", "Brush", "Brush"},
      {&Make<TZYLShapeControl>, "", "Caption", "Caption"},
      {&Make<TZYLShapeControl>, "Mode=scmShapeFill", "ShapeFill", "ShapeFill"},
      {&Make<TZYLShapeControl>, "", "Bevel", "Bevel"},
      {&Make<TZYLScrollBar>, "", "Back", "Back"},
      {&Make<TZYLTrackBar>, "", "Font", "Font"},
  };
  int n = 0;
  for (const TSettingsRow& row : rows) {
    vcl::TComponent* c = row.Make(form_, "S" + std::to_string(++n));
    SCOPED_TRACE(c->ClassName() + " " + row.Verb);
    Apply(c, row.Setup);
    auto* object = dynamic_cast<vcl::TPersistent*>(
        *row.Prop ? vcl::GetObjectProp(c, row.Prop) : static_cast<TZYLBaseShape*>(c)->Teeth());
    ASSERT_NE(object, nullptr);
    for (const bool accept : {false, true}) {
      designtest::TRecordedLaunchers launchers({object}, accept);
      Designer()->ResetModified();
      form_.Menu(c).Execute(row.Verb);
      EXPECT_EQ(launchers.Edited(), std::vector<vcl::TPersistent*>{object});
      EXPECT_EQ(Designer()->ModifiedCount(), accept ? 1 : 0);
    }
  }
}

// Each settings verb opens its object's editor form; closing it leaves the component as it was
// and reports nothing.
TEST_F(DisplayEditors, ASettingsEditorClosedLeavesTheComponentAsItWas) {
  const std::pair<TMake, Strings> rows[] = {
      {&Make<TZYLLabel>, {"Font", "FontFX", "Bevel"}},
      {&Make<TZYLGlyphLabel>, {"Font3D", "Alignment"}},
      {&Make<TZYLLabelFill>, {"FillObject"}},
      {&Make<TZYLLEDLabel>, {"LED"}},
      {&Make<TZYLNImage>, {"TransparentStyle"}},
      {&Make<TZYLFill>, {"Caption"}},
      {&Make<TZYLProgress>, {"SmallBar"}},
      {&Make<TZYLShapeControl>, {"Brush", "Shadow", "Bevel"}},
      {&Make<TZYLScrollBar>, {"Back"}},
  };
  int n = 0;
  for (const auto& [make, verbs] : rows) {
    vcl::TComponent* c = make(form_, "X" + std::to_string(++n));
    for (const std::string& verb : verbs) {
      SCOPED_TRACE(c->ClassName() + " " + verb);
      const std::string before = designtest::StreamOf(c);
      vt::TDialogScript script;
      designtest::CloseNextForm(script);
      Designer()->ResetModified();
      form_.Menu(c).Execute(verb);
      EXPECT_EQ(script.Shown().size(), 1u);
      EXPECT_EQ(designtest::StreamOf(c), before);
      EXPECT_EQ(Designer()->ModifiedCount(), 0);
    }
  }
}

// "Editor" of the graphic label: cancelled, the label stays as it was but the designer hears of
// a modification; confirmed, the label takes the form's preview.
TEST_F(DisplayEditors, TheGraphicLabelEditorIsAlwaysReported) {
  auto* label = form_.Add<TZYLGraphicLabel>("Graphic1");
  const std::string before = designtest::StreamOf(label);
  for (const TEnding ending : {TEnding::Cancel, TEnding::CloseBox, TEnding::Escape}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [](vcl::TCustomForm* f) {
          static_cast<TZYLFormGraphicLabelEditor*>(f)->Copy()->SetFactor(77);
        },
        ending);
    Designer()->ResetModified();
    form_.Menu(label).Execute("Editor");
    EXPECT_EQ(designtest::StreamOf(label), before);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
  }
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [](vcl::TCustomForm* f) {
        static_cast<TZYLFormGraphicLabelEditor*>(f)->Copy()->SetFactor(77);
      },
      TEnding::Ok);
  Designer()->ResetModified();
  form_.Menu(label).Execute("Editor");
  EXPECT_EQ(label->Factor(), 77);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
}

// Verbs that change nothing: a data-aware first verb and the track bar's template verbs.
TEST_F(DisplayEditors, VerbsWithoutActionChangeNothing) {
  auto* image = form_.Add<TZYLDBTestImage>("DBImage1");
  auto* led = form_.Add<TZYLDBTestLEDLabel>("DBLED1");
  auto* track = form_.Add<TZYLTrackBar>("Track1");
  const struct {
    vcl::TComponent* C;
    const char* Verb;
    int Reports;
  } rows[] = {
      {image, "[DB] No bitmap", 1}, {led, "[DB] No caption available", 0}, {track, "-", 1},
      {track, "Save component", 1}, {track, "Select template", 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Verb);
    const std::string before = designtest::StreamOf(row.C);
    vt::TDialogScript script;
    Designer()->ResetModified();
    form_.Menu(row.C).Execute(row.Verb);
    EXPECT_TRUE(script.Shown().empty());
    EXPECT_EQ(designtest::StreamOf(row.C), before);
    EXPECT_EQ(Designer()->ModifiedCount(), row.Reports);
  }
}

// "Lines" of the scrolling text shows its strings already open in the code editor instead of a
// form.
TEST_F(DisplayEditors, LinesAlreadyOpenInTheCodeEditorAreBroughtToTheFront) {
  auto* text = form_.Add<TZYLScrollText>("Scroll1");
  form_.ExpectOpenStringsBroughtToFront(text, "Lines", "Form1.Scroll1.Ident");
}

}  // namespace
}  // namespace zyl
