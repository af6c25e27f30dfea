// TZYLGlyphTextLayoutEditorDlg: the modal editor of a glyph-text layout (pages "Alignment" and
// "Offset") on the button layout held by its preview speed button.
#pragma once

#include "design/pZYLGlyphTextLayoutEditorDlg.fieldtypes.h"
#include "design/pZYLLayoutEditorForm.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLGlyphTextLayout;

class TZYLGlyphTextLayoutEditorDlg : public TZYLLayoutEditorForm {
  ZYL_CLASS(TZYLGlyphTextLayoutEditorDlg, TZYLLayoutEditorForm)
  explicit TZYLGlyphTextLayoutEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

#include "design/pZYLGlyphTextLayoutEditorDlg.fields.h"

  // Edits Layout on a working copy; on OK Layout takes the copy's Alignment, offsets, Spacing
  // and AlignText2Glyph through its setters (so an owner's default placement stays its own).
  // True exactly on OK.
  static bool Edit(TZYLGlyphTextLayout* Layout);
};

inline constexpr vcl::TUnitEntry pZYLGlyphTextLayoutEditorDlgUnit =
    ZYLEditorFormUnit<TZYLGlyphTextLayoutEditorDlg>("pZYLGlyphTextLayoutEditorDlg");

}  // namespace zyl
