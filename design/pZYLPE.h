// The property editors of the package: what the object inspector shows and opens for the
// library's own property types. Settings objects open their editor form on a temporary copy
// that only OK sets on every selected component (one modification reported by the designer);
// several draw their summary or a small sample in the value column. Image-list references
// offer the global container's two lists, enumerations a picker form, strings a few dialogs.
// The string, hint and string-list editors are in pZYLPEStrings.h. Which type, class and
// property each editor is registered for is a row of the package's registration table
// (pZYLRegister.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "design/ZYLCPGet.h"
#include "display/ZYLSmallBar.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/base/FixedName.h"
#include "platform/designer/DesignEditors.h"

namespace vcl {
class TOpenDialog;
}

namespace zyl {

// ---- Settings objects ----

// A settings object: Edit copies the property's object into a new object of its class (of the
// property's class when that descends from it), runs the editor on the copy and, on OK, sets
// the copy on every selected component. Attributes:
// paSubProperties, paDialog, paMultiSelect.
class TZYLObjectProperty : public vcl::TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLObjectProperty";
  using vcl::TClassProperty::TClassProperty;
  vcl::TPropertyAttributes GetAttributes() override;
  void Edit() override;

 protected:
  virtual std::unique_ptr<vcl::TPersistent> NewCopy() = 0;
  // Runs the editor on the copy; true exactly on OK.
  virtual bool Launch(vcl::TPersistent* Copy) = 0;
};

// A settings object whose value column shows its summary ("{...}", see ZYLPEDrawSummary).
class TZYLSummaryProperty : public TZYLObjectProperty {
 public:
  using TZYLObjectProperty::TZYLObjectProperty;
  void PropDrawValue(vcl::TCanvas* ACanvas, const vcl::TRect& ARect, bool ASelected) override;
};

// Fills the rectangle with the canvas's brush and, when Object is assigned, writes its summary
// at (Left + 1, Top + 1).
void ZYLPEDrawSummary(vcl::TCanvas* ACanvas, const vcl::TRect& ARect, vcl::TObject* Object);

// The value column of a gradient: a 24-pixel sample of it and "(TZYLGradient)" beside.
class TZYLGradientSampleProperty : public TZYLObjectProperty {
 public:
  using TZYLObjectProperty::TZYLObjectProperty;
  void PropDrawValue(vcl::TCanvas* ACanvas, const vcl::TRect& ARect, bool ASelected) override;
};

// The value column of a fill: a 24-pixel sample of it on the button face and its summary beside;
// without a picture to show (no style, a list bitmap, or a bitmap style without a bitmap) the
// summary alone.
class TZYLFillSampleProperty : public TZYLObjectProperty {
 public:
  using TZYLObjectProperty::TZYLObjectProperty;
  void PropDrawValue(vcl::TCanvas* ACanvas, const vcl::TRect& ARect, bool ASelected) override;
};

// The editor of a settings object of Class, named Name to the designer: the copy is a new
// Class, which Launcher edits. Base draws the value column (TZYLObjectProperty: the default,
// TZYLSummaryProperty: the summary, or a sample).
template <vcl::TFixedName Name, class Class, bool (*Launcher)(Class*),
          class Base = TZYLObjectProperty>
class TZYLSettingsProperty : public Base {
 public:
  static constexpr const char* EditorClassName = Name.text;
  using Base::Base;

 protected:
  std::unique_ptr<vcl::TPersistent> NewCopy() override { return std::make_unique<Class>(); }
  bool Launch(vcl::TPersistent* Copy) override { return Launcher(static_cast<Class*>(Copy)); }
};

using TZYLBevelProperty =
    TZYLSettingsProperty<"TZYLBevelProperty", TZYLBevel, ZYLCPGetBevel, TZYLSummaryProperty>;
using TZYLShadowProperty =
    TZYLSettingsProperty<"TZYLShadowProperty", TZYLShadow, ZYLCPGetShadow, TZYLSummaryProperty>;
using TZYLSimpleBevelProperty =
    TZYLSettingsProperty<"TZYLSimpleBevelProperty", TZYLSimpleBevel, ZYLCPGetSimpleBevel>;
using TZYLSmallBarProperty =
    TZYLSettingsProperty<"TZYLSmallBarProperty", TZYLSmallBar, ZYLCPGetSmallBar>;
using TZYLTeethProperty = TZYLSettingsProperty<"TZYLTeethProperty", TZYLTeeth, ZYLCPGetTeeth>;
using TZYLGradientProperty = TZYLSettingsProperty<"TZYLGradientProperty", TZYLGradient,
                                                  ZYLCPGetGradient, TZYLGradientSampleProperty>;
using TZYL3DProperty =
    TZYLSettingsProperty<"TZYL3DProperty", TZYL3DCaption, ZYLCPGetFont3D, TZYLSummaryProperty>;
using TZYLFxProperty =
    TZYLSettingsProperty<"TZYLFxProperty", TZYLFxCaption, ZYLCPGetFontFx, TZYLSummaryProperty>;
using TZYLShapeFillProperty = TZYLSettingsProperty<"TZYLShapeFillProperty", TZYLShapeFill,
                                                   ZYLCPGetShapeFill, TZYLSummaryProperty>;
using TZYLFillObjectProperty = TZYLSettingsProperty<"TZYLFillObjectProperty", TZYLFillObject,
                                                    ZYLCPGetFillObject, TZYLFillSampleProperty>;
using TZYLTextAndGlyphProperty =
    TZYLSettingsProperty<"TZYLTextAndGlyphProperty", TZYLGlyphTextLayout, ZYLCPGetGlyphTextLayout>;
using TZYLButtonLayoutProperty =
    TZYLSettingsProperty<"TZYLButtonLayoutProperty", TZYLButtonLayout, ZYLCPGetButtonLayout>;
using TZYLTransparentProperty =
    TZYLSettingsProperty<"TZYLTransparentProperty", TZYLTransparent, ZYLCPGetTransparent>;
using TZYLDateTimeProperty =
    TZYLSettingsProperty<"TZYLDateTimeProperty", TZYLDateTime, ZYLCPGetDateTime>;

// A caption, with the editor's multi-line box shown.
class TZYLCaptionProperty : public TZYLObjectProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLCaptionProperty";
  using TZYLObjectProperty::TZYLObjectProperty;

 protected:
  std::unique_ptr<vcl::TPersistent> NewCopy() override;
  bool Launch(vcl::TPersistent* Copy) override;
};

// A point list, edited in place; on OK it is set again on the selected components. Attributes:
// paDialog.
class TZYLPointListProperty : public vcl::TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLPointListProperty";
  using vcl::TClassProperty::TClassProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
};

// A date list, edited in place as lines of date, time and description; on OK it is set again on
// the selected components. Attributes: paDialog. Registered by the package for no type: a
// component that publishes a date list registers it.
class TZYLDateListProperty : public vcl::TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLDateListProperty";
  using vcl::TClassProperty::TClassProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
};

// ---- Enumerations with a picker form ----

// A value list of the names and a picker form; for one component what the picker answers (the
// picked value on OK, the current one otherwise) is stored, and so reported, however the picker
// ends; several selected take only a value picked with OK. Attributes: paValueList, paDialog,
// paMultiSelect, paRevertable.
class TZYLPickerProperty : public vcl::TEnumProperty {
 public:
  using vcl::TEnumProperty::TEnumProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;

 protected:
  // Runs the picker on Value; true on OK, Value then holding the choice.
  virtual bool Pick(int64_t& Value) = 0;
};

class TZYLShapeProperty : public TZYLPickerProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLShapeProperty";
  using TZYLPickerProperty::TZYLPickerProperty;

 protected:
  bool Pick(int64_t& Value) override;
};

class TZYLBitmapStyleProperty : public TZYLPickerProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLBitmapStyleProperty";
  using TZYLPickerProperty::TZYLPickerProperty;

 protected:
  bool Pick(int64_t& Value) override;
};

// The date-time format text of an information label in the format editor.
class TZYLDateTimeFormatProperty : public vcl::TStringProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLDateTimeFormatProperty";
  using vcl::TStringProperty::TStringProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
};

// ---- Values that are no settings objects ----

// The "About" entry of every component: "(About...)", read-only, opening the about form.
class TZYLAboutVarProperty : public vcl::TStringProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLAboutVarProperty";
  using vcl::TStringProperty::TStringProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  // The text the about form describes the first selected component with.
  std::string Description();
};

// A file name chosen in an open dialog (any file that exists).
class TZYLFileNameProperty : public vcl::TStringProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLFileNameProperty";
  using vcl::TStringProperty::TStringProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;

 protected:
  // Sets the dialog's filter, title and default extension.
  virtual void Prepare(vcl::TOpenDialog* Dialog);
};

// A help file chosen in an open dialog for help files.
class TZYLHelpFileNameProperty : public TZYLFileNameProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLHelpFileNameProperty";
  using TZYLFileNameProperty::TZYLFileNameProperty;

 protected:
  void Prepare(vcl::TOpenDialog* Dialog) override;
};

// A reference to an image list: the global container's bitmap list and image list by the
// names "Global BitmapList" and "Global ImageList", then the form's lists.
class TZYLCustomImageListProperty : public vcl::TComponentProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLCustomImageListProperty";
  using vcl::TComponentProperty::TComponentProperty;
  std::string GetValue() override;
  void GetValues(const vcl::TGetStrProc& Proc) override;
  void SetValue(const std::string& Value) override;

 protected:
  // Whether the global bitmap list is offered (not to a property of the image-list class).
  virtual bool OffersBitmapList() const { return true; }
};

// A reference to a TZYLImageList: "Global ImageList", then the form's image lists.
class TZYLImageListProperty : public TZYLCustomImageListProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLImageListProperty";
  using TZYLCustomImageListProperty::TZYLCustomImageListProperty;

 protected:
  bool OffersBitmapList() const override { return false; }
};

// A wave: "(None)" when empty, else "(TZYLWave)"; Edit opens the wave chooser.
class TZYLWaveProperty : public vcl::TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TZYLWaveProperty";
  using vcl::TPropertyEditor::TPropertyEditor;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
};

// The LED painter of an LED label, edited with the label's transparency and colour behind it.
class TZYLLEDProperty : public TZYLObjectProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLLEDProperty";
  using TZYLObjectProperty::TZYLObjectProperty;

 protected:
  std::unique_ptr<vcl::TPersistent> NewCopy() override;
  bool Launch(vcl::TPersistent* Copy) override;
};

// An edit mask in the mask editor.
class TZYLMaskProperty : public vcl::TStringProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLMaskProperty";
  using vcl::TStringProperty::TStringProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
};

// A file-dialog filter in the filter editor.
class TZYLFilterProperty : public vcl::TStringProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLFilterProperty";
  using vcl::TStringProperty::TStringProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
};

// The page of an assistant: the names of its pages, in page order.
class TZYLAssistPageProperty : public vcl::TComponentProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLAssistPageProperty";
  using vcl::TComponentProperty::TComponentProperty;
  vcl::TPropertyAttributes GetAttributes() override;
  void GetValues(const vcl::TGetStrProc& Proc) override;
};

// The type of a button-face property: it holds nothing and stands for the faces a button keeps
// itself, so that the inspector offers the face editors on it. The library's own buttons stream
// their faces and publish no such property; a component derived from them may.
class TZYLButtonFace : public vcl::TPersistent {
  ZYL_CLASS(TZYLButtonFace, vcl::TPersistent)
  TZYLButtonFace() = default;
};

// The face of a button: the 3D effect generator for a 3D button; the multimedia face editor
// for a component that publishes an object "ButtonFaceImageList" (its face list); nothing for
// others. The designer hears of one modification when the button took new faces.
class TZYLButtonFaceProperty : public vcl::TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TZYLButtonFaceProperty";
  using vcl::TClassProperty::TClassProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
};

}  // namespace zyl
