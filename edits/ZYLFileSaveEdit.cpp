#include "edits/ZYLFileSaveEdit.h"

#include "buttons/ZYLSpecialButtons.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FileUtils.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLFileSaveEdit) {
  b.Publish({"Options", "Title", "InitialDir", "Filter", "Filename", "DefaultExt", "MinimizeName",
             "ReadOnly"});
}

ZYL_CLASS_IMPL(TZYLLabeledFileSaveEdit) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLFileSaveEdit::TZYLFileSaveEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TBitmap glyph;
  ZYLGetFileEditGlyph(&glyph, fgSave);
  BrowseButton()->SetGlyph(&glyph);
}

std::unique_ptr<vcl::TOpenDialog> TZYLFileSaveEdit::CreateDialog() {
  return std::make_unique<vcl::TSaveDialog>(nullptr);
}

std::string TZYLFileSaveEdit::FilePath() const {
  return FSplitFileName ? FFilePath : vcl::ExtractFilePath(Filename());
}

void TZYLFileSaveEdit::SetFile(const std::string& S) {
  FFilePath = vcl::ExtractFilePath(S);
  SetFilename(FSplitFileName ? vcl::ExtractFileName(S) : S);
}

void TZYLFileSaveEdit::GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) {
  inherited::GetCommandKey(Key, Shift);
  if (Key == win::VK_RETURN) SetFile(FText);
}

TZYLLabeledFileSaveEdit::TZYLLabeledFileSaveEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
