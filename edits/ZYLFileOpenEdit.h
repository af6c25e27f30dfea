// The file edit whose browse button opens the open dialog. TZYLLabeledFileOpenEdit is the same
// with its caption label.
#pragma once

#include "edits/ZYLCustomFileEdit.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLFileOpenEdit : public TZYLCustomFileEdit {
  ZYL_CLASS(TZYLFileOpenEdit, TZYLCustomFileEdit)
  explicit TZYLFileOpenEdit(vcl::TComponent* AOwner);

 protected:
  std::unique_ptr<vcl::TOpenDialog> CreateDialog() override;
};

class TZYLLabeledFileOpenEdit : public TZYLFileOpenEdit {
  ZYL_CLASS(TZYLLabeledFileOpenEdit, TZYLFileOpenEdit)
  explicit TZYLLabeledFileOpenEdit(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLFileOpenEditUnit =
    vcl::ClassesUnit<TZYLFileOpenEdit, TZYLLabeledFileOpenEdit>("ZYLFileOpenEdit");

}  // namespace zyl
