// The component editors of the labels, images, fills, meters, clock, edge and line drawings,
// scrolling text, shapes, scroll bar and track bar: the verbs each offers in the form designer's
// context menu, in menu order.
#pragma once

#include "design/pZYLCE.h"

namespace zyl {

// "Caption" ("[DB] No caption available" for a data-aware label), "AutoSize [..]", "Color",
// "Font", "Font3D" (simple and glyph labels) or "FontFX", "MultiLine [..]", "Transparent [..]";
// a label adds "Bevel", a glyph label "ImageList" and "Alignment" (7, 8 or 9 verbs).
class TZYLLabelComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLLabelComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// The label's first seven verbs, then "FillObject", "BrushBackColor" and "ImageList".
class TZYLLabelFillComponentEditor : public TZYLLabelComponentEditor {
 public:
  static constexpr char EditorClassName[] = "TZYLLabelFillComponentEditor";
  using TZYLLabelComponentEditor::TZYLLabelComponentEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Caption", "AutoSize [..]", "Bevel", "LED".
class TZYLLEDLabelComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLLEDLabelComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Transparent [..]", "AutoSize [..]", "Font3D", "Font", "Bevel", "DateTime Format", "-", and the
// four information kinds "show DateTime", "show Caps", "show Num", "show Scroll".
class TZYLInfoLabelComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLInfoLabelComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Editor" (the graphic label editor form), "-", "Wave", "Normal", "AutoSize [..]",
// "FillObject", "Font", "FontFX", and under taPerspective "Perspective (tpBird)" or
// "Perspective (tpFrog)", which switches the perspective.
class TZYLGraphicLabelComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLGraphicLabelComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Bitmap" ("[DB] No bitmap" for a data-aware image), "Bevel", "Color", "Style",
// "Transparent [..]", "TransparentStyle".
class TZYLNImageComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLNImageComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "ImageList", "Bevel", "Color", "Transparent [..]", "Style", and for an animation "Animate [..]".
class TZYLCustomLImageComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLCustomLImageComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "ImageList", "FillObject", "Bevel", "Caption" (the caption object), "Color".
class TZYLFillComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLFillComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "ShadowColor", "Bevel".
class TZYLShadowFillComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLShadowFillComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "SmallBar", "Bevel", "Caption", "Font", "Font3D", "UseFontColor [..]".
class TZYLProgressComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLProgressComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "ImageList", "FillObject", then the progress editor's verbs but "SmallBar".
class TZYLProgressFillComponentEditor : public TZYLProgressComponentEditor {
 public:
  static constexpr char EditorClassName[] = "TZYLProgressFillComponentEditor";
  using TZYLProgressComponentEditor::TZYLProgressComponentEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Bevel", "Digital", "DigitalOnly [..]", "CustomDateTimeFormat".
class TZYLClockComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLClockComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Filled [..]", "Horizontal Line", "Vertical Line".
class TZYLDrawEdgeComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLDrawEdgeComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Arrowed [..]", "Shadowed [..]", "Arrow Right", "Arrow Left", "Arrow Up", "Arrow Down".
class TZYLTechnicalLineComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLTechnicalLineComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Bevel", "Font", "Font3D", "Transparent [..]", "Scroll [..]", "Lines".
class TZYLScrollTextComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLScrollTextComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Teeth" (in the teeth modes) or "Shape", "Brush", "Caption", "Shadow", "Square [..]", then
// "ShapeFill" (scmTeethFill) or "Bevel" unless teeth are drawn without fill, and in scmShapeFill
// "Bevel" and "ShapeFill" (5, 6 or 7 verbs).
class TZYLCustomShapeComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLCustomShapeComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "Transparent [..]", "Back", "Bevel", "Kind (Horiz)" or "Kind (Vert)" (switches the kind).
class TZYLScrollBarComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLScrollBarComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

// "ImageList", "Font", "Transparent [..]", "-", "Save component", "Select template" (the last
// three only report a modification).
class TZYLTrackBarComponentEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TZYLTrackBarComponentEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override;
};

}  // namespace zyl
