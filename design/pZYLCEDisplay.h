// The component editors of the labels, images, fills, meters, clock, edge and line drawings,
// scrolling text, shapes, scroll bar and track bar: the verbs each offers in the form designer's
// context menu, in menu order.
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

// Declares an editor of this unit: its verb table is all it adds to its base.
#define ZYL_DISPLAY_EDITOR(Name, Base)               \
  class Name : public Base {                         \
   public:                                           \
    static constexpr char EditorClassName[] = #Name; \
    using Base_ = Base;                              \
    using Base_::Base_;                              \
                                                     \
   protected:                                        \
    TZYLVerbs Verbs() override;                      \
  }

// "Caption" ("[DB] No caption available" for a data-aware label), "AutoSize [..]", "Color",
// "Font", "Font3D" (simple and glyph labels) or "FontFX", "MultiLine [..]", "Transparent [..]";
// a label adds "Bevel", a glyph label "ImageList" and "Alignment" (7, 8 or 9 verbs).
ZYL_DISPLAY_EDITOR(TZYLLabelComponentEditor, TZYLVerbEditor<>);
// The label's first seven verbs, then "FillObject", "BrushBackColor" and "ImageList".
ZYL_DISPLAY_EDITOR(TZYLLabelFillComponentEditor, TZYLLabelComponentEditor);
// "Caption", "AutoSize [..]", "Bevel", "LED".
ZYL_DISPLAY_EDITOR(TZYLLEDLabelComponentEditor, TZYLVerbEditor<>);
// "Transparent [..]", "AutoSize [..]", "Font3D", "Font", "Bevel", "DateTime Format", "-", and the
// four information kinds "show DateTime", "show Caps", "show Num", "show Scroll".
ZYL_DISPLAY_EDITOR(TZYLInfoLabelComponentEditor, TZYLVerbEditor<>);
// "Editor" (the graphic label editor form), "-", "Wave", "Normal", "AutoSize [..]",
// "FillObject", "Font", "FontFX", and under taPerspective "Perspective (tpBird)" or
// "Perspective (tpFrog)", which switches the perspective.
ZYL_DISPLAY_EDITOR(TZYLGraphicLabelComponentEditor, TZYLVerbEditor<>);
// "Bitmap" ("[DB] No bitmap" for a data-aware image), "Bevel", "Color", "Style",
// "Transparent [..]", "TransparentStyle".
ZYL_DISPLAY_EDITOR(TZYLNImageComponentEditor, TZYLVerbEditor<>);
// "ImageList", "Bevel", "Color", "Transparent [..]", "Style", and for an animation "Animate [..]".
ZYL_DISPLAY_EDITOR(TZYLCustomLImageComponentEditor, TZYLVerbEditor<>);
// "ImageList", "FillObject", "Bevel", "Caption" (the caption object), "Color".
ZYL_DISPLAY_EDITOR(TZYLFillComponentEditor, TZYLVerbEditor<>);
// "ShadowColor", "Bevel".
ZYL_DISPLAY_EDITOR(TZYLShadowFillComponentEditor, TZYLVerbEditor<>);
// "SmallBar", "Bevel", "Caption", "Font", "Font3D", "UseFontColor [..]".
ZYL_DISPLAY_EDITOR(TZYLProgressComponentEditor, TZYLVerbEditor<>);
// "ImageList", "FillObject", then the progress editor's verbs but "SmallBar".
ZYL_DISPLAY_EDITOR(TZYLProgressFillComponentEditor, TZYLProgressComponentEditor);
// "Bevel", "Digital", "DigitalOnly [..]", "CustomDateTimeFormat".
ZYL_DISPLAY_EDITOR(TZYLClockComponentEditor, TZYLVerbEditor<>);
// "Filled [..]", "Horizontal Line", "Vertical Line".
ZYL_DISPLAY_EDITOR(TZYLDrawEdgeComponentEditor, TZYLVerbEditor<>);
// "Arrowed [..]", "Shadowed [..]", "Arrow Right", "Arrow Left", "Arrow Up", "Arrow Down".
ZYL_DISPLAY_EDITOR(TZYLTechnicalLineComponentEditor, TZYLVerbEditor<>);
// "Bevel", "Font", "Font3D", "Transparent [..]", "Scroll [..]", "Lines".
ZYL_DISPLAY_EDITOR(TZYLScrollTextComponentEditor, TZYLVerbEditor<>);
// "Teeth" (in the teeth modes) or "Shape", "Brush", "Caption", "Shadow", "Square [..]", then
// "ShapeFill" (scmTeethFill) or "Bevel" unless teeth are drawn without fill, and in scmShapeFill
// "Bevel" and "ShapeFill" (5, 6 or 7 verbs).
ZYL_DISPLAY_EDITOR(TZYLCustomShapeComponentEditor, TZYLVerbEditor<>);
// "Transparent [..]", "Back", "Bevel", "Kind (Horiz)" or "Kind (Vert)" (switches the kind).
ZYL_DISPLAY_EDITOR(TZYLScrollBarComponentEditor, TZYLVerbEditor<>);
// "ImageList", "Font", "Transparent [..]", "-", "Save component", "Select template" (the last
// three only report a modification).
ZYL_DISPLAY_EDITOR(TZYLTrackBarComponentEditor, TZYLVerbEditor<>);

#undef ZYL_DISPLAY_EDITOR

}  // namespace zyl
