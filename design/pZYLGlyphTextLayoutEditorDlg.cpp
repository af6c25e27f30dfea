#include "design/pZYLGlyphTextLayoutEditorDlg.h"

#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLGlyphTextLayoutEditorDlg) { DescribeFields(b); }

bool TZYLGlyphTextLayoutEditorDlg::Edit(TZYLGlyphTextLayout* Layout) {
  return ZYLEditPrepared<TZYLGlyphTextLayoutEditorDlg>(
      Layout, {}, [Layout](TZYLGlyphTextLayoutEditorDlg* f) {
        const TZYLButtonLayout* copy = f->Copy();
        Layout->SetAlignment(copy->Alignment());
        Layout->SetOffset(TZYLGlyphTextLayout::oiOffsetX, copy->OffsetX());
        Layout->SetOffset(TZYLGlyphTextLayout::oiOffsetY, copy->OffsetY());
        Layout->SetSpacing(copy->Spacing());
        Layout->SetAlignText2Glyph(copy->AlignText2Glyph());
      });
}

}  // namespace zyl
