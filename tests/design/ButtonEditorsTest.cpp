// The component editors of the buttons, check boxes, button groups and the group box, driven
// through the designer's context menu on components of a designed form.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLButton.h"
#include "buttons/ZYLButtonGroup.h"
#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLGroupBox.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLRadioButton.h"
#include "buttons/ZYLShapeButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLCEButtons.h"
#include "design/pZYLDsgnCPGetStrings.h"
#include "design/pZYLStrEditorDlg.h"
#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/designer/ToolsAPI.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/design/StringsTestSupport.h"

namespace zyl {
namespace {

using Strings = std::vector<std::string>;

// The string editor's unit and the buttons' units that register their classes.
using TButtonUnits =
    designtest::TEntered<designtest::TStringsUnits, designtest::TEntryUnit<pZYLStrEditorDlgUnit>,
                         designtest::TEntryUnit<ZYL3DButtonUnit>,
                         designtest::TEntryUnit<ZYLMMButtonUnit>,
                         designtest::TEntryUnit<ZYLShapeButtonUnit>>;

class ButtonEditors : public designtest::TComponentEditorTest<TButtonUnits> {
 protected:
  ButtonEditors()
      : TComponentEditorTest({
            EditorFor<TZYLBaseGraphicButton, TZYLBaseGraphicButtonComponentEditor>(),
            EditorFor<TZYLCustomButton, TZYLCustomButtonComponentEditor>(),
            EditorFor<TZYLButtonControl, TZYLButtonControlComponentEditor>(),
            EditorFor<TZYLCustomButtonGroup, TZYLCustomButtonGroupComponentEditor>(),
            EditorFor<TZYLGroupBox, TZYLGroupBoxComponentEditor>(),
        }) {}
};

// The verbs of every graphic button from "OnClick..." to "FontFX".
const Strings kGraphic = {"OnClick...",     "Glyph",        "Select Glyph",
                          "Caption",        "ButtonLayout", "Color",
                          "Enabled [True]", "EnterColor",   "EnterColorChange [False]",
                          "Font",           "FontFX"};

// The verbs of the graphic buttons, after Lead when one is given.
Strings GraphicVerbs(const char* Lead = nullptr) {
  Strings verbs = Lead ? Strings{Lead} : Strings{};
  verbs.insert(verbs.end(), kGraphic.begin(), kGraphic.end());
  return verbs;
}

std::vector<designtest::TMenuCase> ButtonCases() {
  return {
      {"shape button",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLShapeButton>("Shape1"); },
       GraphicVerbs()},
      {"3D-effect button",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYL3DEffectButton>("Effect1"); },
       GraphicVerbs("Button-Editor")},
      {"multimedia button",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLMMButton>("MM1"); },
       GraphicVerbs("Select ButtonFace")},
      {"speed button",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLSpeedButton>("Speed1"); },
       {"OnClick...", "Glyph", "Select Glyph", "Caption", "ButtonLayout", "Color", "Enabled [True]",
        "EnterColor", "EnterColorChange [False]", "Font", "FontFX", "ButtonStyle", "CtlXP [True]",
        "-", "Form: Update CtlXP property"}},
      {"windowed button",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLButton>("Button1"); },
       {"OnClick...", "Glyph", "SelectImage", "ButtonStyle", "Caption", "ButtonLayout", "Color",
        "Enabled [True]", "Font", "FontFX", "CtlXP [True]", "-", "Form: Update CtlXP property"}},
      {"check box",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLCheckBox>("Check1"); },
       {"OnChange...", "Caption", "Alignment", "ImageList", "Checked [False]", "Font", "Font3D",
        "Transparent [False]"}},
      {"radio button",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLRadioButton>("RadioB1"); },
       {"OnClick...", "Caption", "Alignment", "ImageList", "Checked [False]", "Font", "Font3D",
        "Transparent [False]"}},
      {"group box",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLGroupBox>("GroupBox1"); },
       {"ImageList", "Font", "Caption", "CaptionFont", "CaptionFont3D", "Transparent [False]",
        "Bevel", "-", "Make Bevel CtlXP compatible", "CtlXP [True]", "-",
        "Form: Update CtlXP property"}},
      {"radio group",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLRadioGroup>("Radio1"); },
       {"ImageList", "GlyphImageList", "Font", "Font3D", "Caption", "CaptionFont", "CaptionFont3D",
        "Transparent [False]", "Items", "-", "Make Bevel CtlXP compatible", "CtlXP [True]", "-",
        "Form: Update CtlXP property"}},
  };
}

// Each editor lists its verbs in order and runs each without error (forms it opens are
// closed).
TEST_F(ButtonEditors, EachEditorListsItsVerbsInOrderAndRunsEachWithoutError) {
  designtest::ExpectMenus(form_, ButtonCases());
}

// A toggle changes exactly the property it names and reports once; its caption follows.
TEST_F(ButtonEditors, EachToggleChangesExactlyItsProperty) {
  const designtest::TToggleCase cases[] = {
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLSpeedButton>("Speed1"); },
       "Enabled", "Enabled"},
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLSpeedButton>("Speed2"); },
       "EnterColorChange", "EnterColorChange"},
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLSpeedButton>("Speed3"); },
       "CtlXP", "CtlXP"},
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLButton>("Button1"); }, "Enabled",
       "Enabled"},
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLCheckBox>("Check1"); },
       "Checked", "Checked"},
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLCheckBox>("Check2"); },
       "Transparent", "Transparent"},
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLRadioGroup>("Radio1"); },
       "Transparent", "Transparent"},
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLRadioButton>("RadioB1"); },
       "Checked", "Checked"},
      {[](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLGroupBox>("GroupBox1"); },
       "CtlXP", "CtlXP"},
  };
  designtest::ExpectToggles(form_, cases);
}

// The image verbs store the pick in their own order and properties; "Select Glyph" and
// "SelectImage" are not reported when cancelled, the group's verbs are.
TEST_F(ButtonEditors, TheImageVerbsStoreThePickedListAndIndices) {
  auto* list = form_.Add<TZYLImageList>("ImageList1");
  auto* speed = form_.Add<TZYLSpeedButton>("Speed1");
  auto* group = form_.Add<TZYLRadioGroup>("Radio1");
  auto* radio = form_.Add<TZYLRadioButton>("RadioB1");
  auto* frame = form_.Add<TZYLGroupBox>("GroupBox1");
  designtest::TRecordedPicker picker;
  struct TCase {
    vcl::TComponent* Component;
    const char* Verb;
    const char *List, *ListIndex, *ImageIndex;
    int CancelReports;
  };
  const TCase cases[] = {
      {speed, "Select Glyph", "ImageList", "ListIndex", "ImageIndex", 0},
      {group, "ImageList", "ImageList", "ListIndex", "ImageIndex", 1},
      {radio, "ImageList", "ImageList", "ListIndex", "ImageIndex", 1},
      {frame, "ImageList", "ImageList", "ListIndex", "ImageIndex", 1},
      {group, "GlyphImageList", "GlyphImageList", "GlyphListIndex", "GlyphImageIndex", 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Verb);
    vcl::SetOrdProp(c.Component, c.ListIndex, 4);
    vcl::SetOrdProp(c.Component, c.ImageIndex, 6);
    const std::string before = designtest::StreamOf(c.Component);
    picker.Answer = false;
    picker.Seeded.clear();
    Designer()->ResetModified();
    form_.Menu(c.Component).Execute(c.Verb);
    ASSERT_EQ(picker.Seeded.size(), 1u);
    EXPECT_EQ(picker.Seeded[0].ListIndex, 4);
    EXPECT_EQ(picker.Seeded[0].ImageIndex, 6);
    EXPECT_EQ(designtest::StreamOf(c.Component), before);
    EXPECT_EQ(Designer()->ModifiedCount(), c.CancelReports);

    picker.Answer = true;
    picker.Choice = {list, 2, 9};
    Designer()->ResetModified();
    form_.Menu(c.Component).Execute(c.Verb);
    EXPECT_EQ(vcl::GetObjectProp(c.Component, c.List), list);
    EXPECT_EQ(vcl::GetOrdProp(c.Component, c.ListIndex), 2);
    EXPECT_EQ(vcl::GetOrdProp(c.Component, c.ImageIndex), 9);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
  }
}

// A multimedia button without usable faces picks a face list (the indices are dropped); once
// the list holds pictures the verb is "ButtonFace" and opens the face editor on it.
TEST_F(ButtonEditors, AMultimediaButtonPicksItsFaceListThenEditsItsFaces) {
  auto* faces = form_.Add<TZYLImageList>("Faces");
  auto* button = form_.Add<TZYLMMButton>("MM1");
  designtest::TRecordedPicker picker;
  Designer()->ResetModified();
  form_.Menu(button).Execute("Select ButtonFace");
  EXPECT_EQ(Designer()->ModifiedCount(), 0);  // cancelled: not reported

  picker.Answer = true;
  picker.Choice = {faces, 3, 7};
  form_.Menu(button).Execute("Select ButtonFace");
  EXPECT_EQ(button->ButtonFaceImageList(), faces);
  EXPECT_EQ(button->ListIndex(), 0);
  EXPECT_EQ(button->ImageIndex(), 0);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
  // An empty list is no usable face list.
  EXPECT_EQ(form_.Menu(button).Verbs().front(), "Select ButtonFace");

  faces->Add();
  EXPECT_EQ(form_.Menu(button).Verbs().front(), "ButtonFace");
  std::vector<std::pair<TZYLMMButton*, TZYLCustomImageList*>> calls;
  const TZYLButtonFaceMMLauncher previous =
      ZYLSetButtonFaceMMLauncher([&](TZYLMMButton* b, TZYLCustomImageList* l) {
        calls.emplace_back(b, l);
        return false;
      });
  Designer()->ResetModified();
  form_.Menu(button).Execute("ButtonFace");
  ZYLSetButtonFaceMMLauncher(previous);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].first, button);
  EXPECT_EQ(calls[0].second, faces);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);  // always reported
}

// "Items" shows the group's strings already open in the code editor instead of a form.
TEST_F(ButtonEditors, ItemsAlreadyOpenInTheCodeEditorAreBroughtToTheFront) {
  auto* group = form_.Add<TZYLRadioGroup>("Radio1");
  const std::string module = "Form1.Radio1.Items";
  EXPECT_EQ(ZYLStringsModuleName(Designer(), group, ".Items"), module);
  form_.ExpectOpenStringsBroughtToFront(group, "Items", module);
}

// The group box editor's table; "Make Bevel CtlXP compatible" hands the bevel to the window.
TEST_F(ButtonEditors, TheGroupBoxEditorListsItsVerbsInOrder) {
  auto* group = form_.Add<TZYLGroupBox>("GroupBox1");
  TZYLGroupBoxComponentEditor editor(group, Designer());
  Strings verbs;
  for (int i = 0; i < editor.GetVerbCount(); ++i) verbs.push_back(editor.GetVerb(i));
  EXPECT_EQ(verbs, (Strings{"ImageList", "Font", "Caption", "CaptionFont", "CaptionFont3D",
                            "Transparent [False]", "Bevel", "-", "Make Bevel CtlXP compatible",
                            "CtlXP [True]", "-", "Form: Update CtlXP property"}));
  group->Bevel()->SetMode(bmStandard);
  editor.ExecuteVerb(8);
  EXPECT_EQ(group->Bevel()->Mode(), bmWindows);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
}

}  // namespace
}  // namespace zyl
