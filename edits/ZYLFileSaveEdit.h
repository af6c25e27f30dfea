// The file edit whose browse button opens the save dialog. A name chosen there, or typed and
// confirmed with Enter, is split into its folder (FilePath) and file. With SplitFileName the
// text then keeps only the file part and FilePath the folder; without it (the default) the text
// keeps the whole name and FilePath is the folder of Filename. TZYLLabeledFileSaveEdit is the
// same with its caption label.
#pragma once

#include "edits/ZYLCustomFileEdit.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLFileSaveEdit : public TZYLCustomFileEdit {
  ZYL_CLASS(TZYLFileSaveEdit, TZYLCustomFileEdit)
  explicit TZYLFileSaveEdit(vcl::TComponent* AOwner);

  // The folder of the name (with its trailing separator).
  std::string FilePath() const;
  // The text after a save choice keeps only the file part.
  bool SplitFileName() const { return FSplitFileName; }
  void SetSplitFileName(bool Value) { FSplitFileName = Value; }
  // Takes a full name: its folder becomes FilePath, the text the name (or its file part).
  void SetFile(const std::string& S);

 protected:
  std::unique_ptr<vcl::TOpenDialog> CreateDialog() override;
  void AcceptFileName(const std::string& Name) override { SetFile(Name); }
  void GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) override;

 private:
  std::string FFilePath;
  bool FSplitFileName = false;
};

class TZYLLabeledFileSaveEdit : public TZYLFileSaveEdit {
  ZYL_CLASS(TZYLLabeledFileSaveEdit, TZYLFileSaveEdit)
  explicit TZYLLabeledFileSaveEdit(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLFileSaveEditUnit =
    vcl::ClassesUnit<TZYLFileSaveEdit, TZYLLabeledFileSaveEdit>("ZYLFileSaveEdit");

}  // namespace zyl
