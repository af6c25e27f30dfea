#include "edits/ZYLFileOpenEdit.h"

#include "buttons/ZYLSpecialButtons.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLFileOpenEdit) {
  b.Publish({"Options", "Title", "InitialDir", "Filter", "Filename", "DefaultExt", "MinimizeName",
             "FilenameOnly", "ReadOnly"});
}

ZYL_CLASS_IMPL(TZYLLabeledFileOpenEdit) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLFileOpenEdit::TZYLFileOpenEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TBitmap glyph;
  ZYLGetFileEditGlyph(&glyph, fgOpen);
  BrowseButton()->SetGlyph(&glyph);
}

std::unique_ptr<vcl::TOpenDialog> TZYLFileOpenEdit::CreateDialog() {
  return std::make_unique<vcl::TOpenDialog>(nullptr);
}

TZYLLabeledFileOpenEdit::TZYLLabeledFileOpenEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
