// The standard property editors on published properties of framework classes, through the
// inspector driver: attributes, value texts, value lists, setting values and drawing them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"
#include "tests/platform/designer/DesignerTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace vcl::dztest {
namespace {

using testkit::TInspectorDriver;
using testsupport::ErrorOf;

int Bits(TPropertyAttributes a) { return static_cast<int>(a.Bits()); }

TEST(PropertyAttributesTest, BitsFollowThePlatformOrder) {
  const std::pair<TPropertyAttributes, int> cases[] = {
      {{paSubProperties, paDialog, paMultiSelect}, 0x0E},
      {{paDialog}, 0x04},
      {{paValueList, paDialog, paMultiSelect, paRevertable}, 0x8D},
      {{paDialog, paMultiSelect, paRevertable}, 0x8C},
      {{paDialog, paReadOnly}, 0x44},
      {{paDialog, paMultiSelect}, 0x0C},
      {{paDialog, paMultiSelect, paAutoUpdate, paRevertable}, 0x9C},
      {{paValueList}, 0x01},
      {{paSortList}, 0x20},
  };
  for (const auto& [attrs, bits] : cases) EXPECT_EQ(Bits(attrs), bits);
}

using PropertyEditorsTest = DesignerTest;

TEST_F(PropertyEditorsTest, StandardEditorsAnswerTheirAttributes) {
  auto* button = Add<TButton>("Button1");
  auto* edit = Add<TEdit>("Edit1");
  const std::tuple<TPersistent*, const char*, int> cases[] = {
      {edit, "Color", 0x8D},      // value list, dialog, multi-select, revertable
      {button, "Caption", 0x88},  // multi-select, revertable
      {button, "Font", 0x4A},     // sub-properties, multi-select, read-only
      {button, "Default", 0xA9},  // value list, multi-select, sorted, revertable
      {button, "PopupMenu", 0xA9}, {button, "OnClick", 0xA9},
      {button, "Anchors", 0xCA},  // sub-properties, multi-select, read-only, revertable
      {button, "TabOrder", 0x88},
  };
  for (const auto& [component, prop, bits] : cases)
    EXPECT_EQ(TInspectorDriver(designer_, {component}, prop).AttributeBits(), bits) << prop;
}

TEST_F(PropertyEditorsTest, ValueTextsOfEachKind) {
  auto* button = Add<TButton>("Button1");
  auto* edit = Add<TEdit>("Edit1");
  auto* panel = Add<TPanel>("Panel1");
  auto value = [&](TPersistent* c, const char* prop) {
    return TInspectorDriver(designer_, {c}, prop).Value();
  };
  button->SetCaption("Go");
  button->SetTabOrder(0);
  panel->SetAlign(alTop);
  edit->SetPasswordChar('*');
  testsupport::ExpectCases({
      {value(button, "Caption"), "Go"},
      {value(button, "Default"), "False"},
      {value(panel, "Align"), "alTop"},
      {value(button, "TabOrder"), "0"},
      {value(button, "Font"), "(TFont)"},
      {value(button, "PopupMenu"), ""},
      {value(button, "OnClick"), ""},
      {value(button, "Anchors"), "[akLeft,akTop]"},
      {value(edit, "Color"), "clWindow"},
      {value(edit, "PasswordChar"), "*"},
      {value(button, "Name"), "Button1"},
  });
  edit->SetPasswordChar('\0');
  EXPECT_EQ(value(edit, "PasswordChar"), "#0");
}

TEST_F(PropertyEditorsTest, SettingValuesReachesTheComponentAndCountsOneModification) {
  auto* button = Add<TButton>("Button1");
  auto* panel = Add<TPanel>("Panel1");
  auto* edit = Add<TEdit>("Edit1");
  designer_->ResetModified();
  TInspectorDriver(designer_, {button}, "Caption").SetValue("OK");
  TInspectorDriver(designer_, {panel}, "Align").SetValue("alclient");
  TInspectorDriver(designer_, {button}, "TabOrder").SetValue("2");
  TInspectorDriver(designer_, {edit}, "Color").SetValue("clRed");
  TInspectorDriver(designer_, {edit}, "PasswordChar").SetValue("#42");
  TInspectorDriver(designer_, {button}, "Anchors").SetValue("[akRight]");
  EXPECT_EQ(button->Caption(), "OK");
  EXPECT_EQ(panel->Align(), alClient);
  EXPECT_EQ(button->TabOrder(), 2);
  EXPECT_EQ(edit->Color(), clRed);
  EXPECT_EQ(edit->PasswordChar(), '*');
  EXPECT_EQ(button->Anchors(), TAnchors{akRight});
  EXPECT_EQ(designer_->ModifiedCount(), 6);
}

TEST_F(PropertyEditorsTest, AMultipleSelectionIsSetWholeWithOneModification) {
  auto* a = Add<TButton>("Button1");
  auto* b = Add<TButton>("Button2");
  TInspectorDriver inspect(designer_, {a, b}, "Caption");
  a->SetCaption("x");
  EXPECT_FALSE(inspect.Editor().AllEqual());
  designer_->ResetModified();
  inspect.SetValue("Both");
  EXPECT_EQ(a->Caption(), "Both");
  EXPECT_EQ(b->Caption(), "Both");
  EXPECT_TRUE(inspect.Editor().AllEqual());
  EXPECT_EQ(designer_->ModifiedCount(), 1);
  EXPECT_EQ(inspect.Editor().PropCount(), 2);
  EXPECT_EQ(inspect.Editor().GetComponent(1), b);
}

TEST_F(PropertyEditorsTest, ASelectionOfDifferentClassesSharesTheirCommonProperty) {
  auto* button = Add<TButton>("Button1");
  auto* panel = Add<TPanel>("Panel1");
  auto* edit = Add<TEdit>("Edit1");
  designer_->ResetModified();
  TInspectorDriver(designer_, {button, panel, edit}, "Enabled").SetValue("False");
  EXPECT_FALSE(button->Enabled());
  EXPECT_FALSE(panel->Enabled());
  EXPECT_FALSE(edit->Enabled());
  EXPECT_EQ(designer_->ModifiedCount(), 1);
  TInspectorDriver(designer_, {button, panel}, "Caption").SetValue("Same");
  EXPECT_EQ(button->Caption(), "Same");
  EXPECT_EQ(panel->Caption(), "Same");
}

// The inspector's rows of a button and a panel selected together: what both show, but not
// what one has alone nor the Name and TabOrder each keeps; a font row shows while the fonts
// are alike, and its Size row sets both.
TEST_F(PropertyEditorsTest, ASelectionShowsTheRowsBothShareAndItsFontRowWhileTheFontsAreAlike) {
  auto* button = Add<TButton>("Button1");
  auto* panel = Add<TPanel>("Panel1");
  std::vector<std::string> names;
  std::unique_ptr<TPropertyEditor> font;
  for (auto& row : GetSelectionProperties(designer_, {button, panel})) {
    names.push_back(row->GetName());
    if (row->GetName() == "Font") font = std::move(row);
  }
  const auto has = [&](const char* name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  for (const char* shared : {"Caption", "Enabled", "Font", "ShowHint", "OnClick"})
    EXPECT_TRUE(has(shared)) << shared;
  for (const char* own : {"Name", "TabOrder", "Default", "Cancel", "BevelInner"})
    EXPECT_FALSE(has(own)) << own;
  ASSERT_NE(font, nullptr);
  EXPECT_TRUE(font->AllEqual());
  button->Font()->SetSize(14);
  EXPECT_FALSE(font->AllEqual());
  designer_->ResetModified();
  TInspectorDriver(designer_, {button->Font(), panel->Font()}, "Size").SetValue("11");
  EXPECT_EQ(button->Font()->Size(), 11);
  EXPECT_EQ(panel->Font()->Size(), 11);
  EXPECT_TRUE(font->AllEqual());
  EXPECT_EQ(designer_->ModifiedCount(), 1);
}

TEST_F(PropertyEditorsTest, BadValuesRaiseAndChangeNothing) {
  auto* button = Add<TButton>("Button1");
  auto* panel = Add<TPanel>("Panel1");
  auto* edit = Add<TEdit>("Edit1");
  panel->SetAlign(alTop);
  designer_->ResetModified();
  EXPECT_EQ(ErrorOf<EPropertyError>(
                [&] { TInspectorDriver(designer_, {panel}, "Align").SetValue("alNowhere"); }),
            "Invalid property value");
  EXPECT_NE(ErrorOf<EConvertError>(
                [&] { TInspectorDriver(designer_, {button}, "TabOrder").SetValue("two"); }),
            "<no error>");
  EXPECT_EQ(ErrorOf<EPropertyError>(
                [&] { TInspectorDriver(designer_, {edit}, "PasswordChar").SetValue("#300"); }),
            "Value must be between 0 and 255");
  EXPECT_EQ(ErrorOf<EPropertyError>(
                [&] { TInspectorDriver(designer_, {edit}, "PasswordChar").SetValue("ab"); }),
            "Invalid property value");
  EXPECT_EQ(ErrorOf<EPropertyError>(
                [&] { TInspectorDriver(designer_, {button}, "PopupMenu").SetValue("Nobody"); }),
            "Invalid property value: no component is named 'Nobody'");
  // A component of the wrong class is no better than none.
  auto* label = Add<TLabel>("Label1");
  Add<TPopupMenu>("Popup1");
  EXPECT_EQ(ErrorOf<EPropertyError>(
                [&] { TInspectorDriver(designer_, {label}, "FocusControl").SetValue("Popup1"); }),
            "Invalid property value: no component is named 'Popup1'");
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_EQ(ErrorOf<EPropertyError>(
                [&] { TInspectorDriver(designer_, {button}, "OnClick").SetValue("Other"); }),
            "Invalid property value: the form has no method 'Other'");
  EXPECT_EQ(ErrorOf<EPropertyError>([&] {
              TInspectorDriver(designer_, {button, panel}, "Default");
            }),
            "Property Default does not exist");
  EXPECT_EQ(ErrorOf<EPropertyError>([&] { TInspectorDriver(designer_, {}, "Default"); }),
            "A property editor needs at least one component");
  EXPECT_EQ(panel->Align(), alTop);
  EXPECT_EQ(button->PopupMenu(), nullptr);
  EXPECT_EQ(designer_->ModifiedCount(), 0);
}

// What the value reads after the text is set, or the error it raises (the value staying).
TEST_F(PropertyEditorsTest, NumbersAreReadInTheirTypesRange) {
  auto* holder = Add<TDzHolder>("Holder1");
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"Small", "-32768", "-32768"},
      {"Small", "32767", "32767"},
      {"Small", "32768", "Value must be between -32768 and 32767"},
      {"Small", "-40000", "Value must be between -32768 and 32767"},
      {"Small", "$10", "16"},
      {"Ratio", "2.25", "2.25"},
      {"Ratio", "-1E3", "-1000"},
      {"Ratio", "", "<error>"},
      {"Ratio", "two", "<error>"},
      {"Big", "9223372036854775807", "9223372036854775807"},
      {"Big", "-9223372036854775808", "-9223372036854775808"},
      {"Big", "5000000000", "5000000000"},
      {"Big", "x", "<error>"},
  };
  for (const auto& [prop, text, want] : cases) {
    TInspectorDriver inspect(designer_, {holder}, prop);
    const std::string before = inspect.Value();
    std::string got;
    try {
      inspect.SetValue(text);
      got = inspect.Value();
    } catch (const EPropertyError& e) {
      got = e.Message();
      EXPECT_EQ(inspect.Value(), before) << prop << " " << text;
    } catch (const EConvertError&) {
      got = "<error>";
      EXPECT_EQ(inspect.Value(), before) << prop << " " << text;
    }
    EXPECT_EQ(got, want) << prop << " " << text;
  }
}

TEST_F(PropertyEditorsTest, ValueListsOfEnumerationsComponentsAndColours) {
  auto* button = Add<TButton>("Button1");
  auto* edit = Add<TEdit>("Edit1");
  Add<TPopupMenu>("Popup1");
  Add<TPopupMenu>("Popup2");
  Add<TMainMenu>("Main1");
  EXPECT_EQ(TInspectorDriver(designer_, {button}, "Default").Values(),
            (std::vector<std::string>{"False", "True"}));
  auto* label = Add<TLabel>("Label1");
  EXPECT_EQ(TInspectorDriver(designer_, {label}, "FocusControl").Values(),
            (std::vector<std::string>{"Button1", "Edit1"}));
  const auto colours = TInspectorDriver(designer_, {edit}, "Color").Values();
  EXPECT_NE(std::find(colours.begin(), colours.end(), "clRed"), colours.end());
  EXPECT_NE(std::find(colours.begin(), colours.end(), "clBtnFace"), colours.end());
  EXPECT_TRUE(TInspectorDriver(designer_, {button}, "Caption").Values().empty());
}

// TCursor values show by their names, as the IDE's cursor editor shows them: the value list
// holds the named cursors in their order, a name or a number sets the value, and a cursor
// without a name shows as its number.
TEST_F(PropertyEditorsTest, CursorsShowAndAreChosenByTheirNames) {
  auto* button = Add<TButton>("Button1");
  TInspectorDriver cursor(designer_, {button}, "Cursor");
  TInspectorDriver drag(designer_, {button}, "DragCursor");
  EXPECT_EQ(std::string(cursor.EditorClass()->Name), "TCursorProperty");
  EXPECT_EQ(cursor.AttributeBits(), 0xA9);  // value list, multi-select, sorted, revertable
  EXPECT_EQ(cursor.Value(), "crDefault");
  EXPECT_EQ(drag.Value(), "crDrag");
  const std::vector<std::string> values = cursor.Values();
  ASSERT_FALSE(values.empty());
  EXPECT_EQ(values.front(), "crDefault");
  for (const char* name :
       {"crNone", "crArrow", "crCross", "crIBeam", "crHourGlass", "crDrag", "crNoDrop", "crHSplit",
        "crVSplit", "crHandPoint", "crNo", "crHelp", "crSizeAll"})
    EXPECT_NE(std::find(values.begin(), values.end(), name), values.end()) << name;
  designer_->ResetModified();
  const std::pair<const char*, TCursor> cases[] = {
      {"crHandPoint", crHandPoint}, {"CRCROSS", crCross}, {"-11", crHourGlass}, {"5", 5}};
  for (const auto& [text, want] : cases) {
    cursor.SetValue(text);
    EXPECT_EQ(button->Cursor(), want) << text;
  }
  EXPECT_EQ(designer_->ModifiedCount(), 4);
  EXPECT_EQ(cursor.Value(), "5");
  button->SetCursor(crHourGlass);
  EXPECT_EQ(cursor.Value(), "crHourGlass");
  EXPECT_NE(ErrorOf<Exception>([&] { cursor.SetValue("crNowhere"); }), "<no error>");
  EXPECT_EQ(button->Cursor(), crHourGlass);
}

TEST_F(PropertyEditorsTest, ComponentReferencesSetByNameAndClearedByEmptyText) {
  auto* button = Add<TButton>("Button1");
  auto* popup = Add<TPopupMenu>("Popup1");
  TInspectorDriver inspect(designer_, {button}, "PopupMenu");
  inspect.SetValue("popup1");
  EXPECT_EQ(button->PopupMenu(), popup);
  EXPECT_EQ(inspect.Value(), "Popup1");
  inspect.SetValue("");
  EXPECT_EQ(button->PopupMenu(), nullptr);
}

// A scroll box's border is none or single: the other styles of a form are neither offered nor
// taken, and a refused style is a property error that leaves the border.
TEST_F(PropertyEditorsTest, AScrollBoxOffersTheBorderStylesItTakes) {
  auto* box = Add<TScrollBox>("ScrollBox1");
  TInspectorDriver inspect(designer_, {box}, "BorderStyle");
  EXPECT_EQ(inspect.Values(), (std::vector<std::string>{"bsNone", "bsSingle"}));
  inspect.SetValue("bsNone");
  EXPECT_EQ(box->BorderStyle(), bsNone);
  EXPECT_EQ(inspect.Value(), "bsNone");
  EXPECT_NE(ErrorOf<EPropertyError>([&] { inspect.SetValue("bsDialog"); }), "<no error>");
  EXPECT_EQ(box->BorderStyle(), bsNone);
}

// A reference the component keeps itself (no setter) is shown, and its sub-properties, but is
// not typed into: read-only, without a list of names.
TEST_F(PropertyEditorsTest, AReferenceWithoutSetterIsReadOnly) {
  auto* holder = Add<TDzEventHolder>("Holder1");
  auto* button = Add<TButton>("Button1");
  holder->SetPartner(button);
  TInspectorDriver inspect(designer_, {holder}, "Partner");
  EXPECT_TRUE(inspect.Attributes().contains(paReadOnly));
  EXPECT_FALSE(inspect.Attributes().contains(paValueList));
  EXPECT_EQ(inspect.Value(), "Button1");
  // A settable reference keeps its list.
  EXPECT_FALSE(
      TInspectorDriver(designer_, {button}, "PopupMenu").Attributes().contains(paReadOnly));
}

// The inspector's rows: every published property with a setter, and objects (whose
// sub-properties are edited) with or without one; a value that cannot be set is not shown.
TEST_F(PropertyEditorsTest, TheInspectorShowsNoValueThatCannotBeSet) {
  auto* holder = Add<TDzEventHolder>("Holder1");
  std::vector<std::string> rows;
  for (const auto& editor : GetComponentProperties(designer_, holder))
    rows.push_back(editor->GetName());
  EXPECT_EQ(rows,
            (std::vector<std::string>{"Name", "Tag", "Items", "Partner", "OnEnter", "OnExit"}));
}

TEST_F(PropertyEditorsTest, EditStepsThroughAValueList) {
  auto* button = Add<TButton>("Button1");
  TInspectorDriver inspect(designer_, {button}, "Default");
  inspect.Edit();
  EXPECT_TRUE(button->Default());
  inspect.Edit();
  EXPECT_FALSE(button->Default());
}

TEST_F(PropertyEditorsTest, EventsBindTheFormsHandlersAndOpenTheirCode) {
  auto* button = Add<TButton>("Button1");
  TInspectorDriver inspect(designer_, {button}, "OnClick");
  inspect.Edit();
  ASSERT_EQ(designer_->ShownMethods().size(), 1u);
  EXPECT_EQ(designer_->ShownMethods()[0].Instance, button);
  EXPECT_EQ(designer_->ShownMethods()[0].EventName, "OnClick");
  EXPECT_EQ(designer_->ShownMethods()[0].MethodName, "Button1Click");
  inspect.SetValue("ButtonClick");
  EXPECT_TRUE(static_cast<bool>(button->OnClick));
  EXPECT_EQ(inspect.Value(), "ButtonClick");
  inspect.Edit();
  EXPECT_EQ(designer_->ShownMethods().back().MethodName, "ButtonClick");
  inspect.SetValue("");
  EXPECT_FALSE(static_cast<bool>(button->OnClick));
}

// A white bitmap the editor draws its value into.
struct TValueCell {
  explicit TValueCell(int w, int h) {
    bitmap.SetSize(w, h);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(TRect{0, 0, w, h});
  }
  win::testkit::TCapture Capture() {
    return win::testkit::MakeCapture(bitmap.Width(), bitmap.Height(), [&](int x, int y) {
      return static_cast<win::COLORREF>(ColorToRGB(bitmap.Canvas()->Pixels(x, y)));
    });
  }
  TBitmap bitmap;
};

TEST_F(PropertyEditorsTest, DrawingAValueWritesItsTextInsideTheCell) {
  auto* button = Add<TButton>("Button1");
  button->SetCaption("WWW");
  TValueCell cell(80, 18);
  TInspectorDriver(designer_, {button}, "Caption").Draw(cell.bitmap.Canvas(), TRect{10, 0, 70, 18});
  const auto cap = cell.Capture();
  // Nothing outside the cell; dark text pixels inside it.
  EXPECT_TRUE(win::testkit::PixelsMatch(cap, [](int, int) { return win::COLORREF(0xFFFFFF); },
                                        "outside_left", {0, 0, 10, 18}));
  EXPECT_TRUE(win::testkit::PixelsMatch(cap, [](int, int) { return win::COLORREF(0xFFFFFF); },
                                        "outside_right", {70, 0, 80, 18}));
  int dark = 0;
  for (int y = 0; y < 18; ++y)
    for (int x = 10; x < 70; ++x) dark += cap.Color(x, y) == 0 ? 1 : 0;
  EXPECT_GT(dark, 20);
}

TEST_F(PropertyEditorsTest, AColourIsDrawnAsAFramedSwatchBeforeItsName) {
  auto* edit = Add<TEdit>("Edit1");
  edit->SetColor(clRed);
  TValueCell cell(80, 18);
  TInspectorDriver(designer_, {edit}, "Color").Draw(cell.bitmap.Canvas(), TRect{0, 0, 80, 18});
  const auto cap = cell.Capture();
  // Swatch: 16x16 at (1,1), black frame, red inside.
  EXPECT_TRUE(win::testkit::PixelsMatch(cap,
                                        [](int x, int y) {
                                          return x == 1 || y == 1 || x == 16 || y == 16
                                                     ? win::COLORREF(0)
                                                     : win::COLORREF(0x0000FF);
                                        },
                                        "swatch", {1, 1, 17, 17}));
  int dark = 0;
  for (int y = 0; y < 18; ++y)
    for (int x = 19; x < 80; ++x) dark += cap.Color(x, y) == 0 ? 1 : 0;
  EXPECT_GT(dark, 10);
}

}  // namespace
}  // namespace vcl::dztest
