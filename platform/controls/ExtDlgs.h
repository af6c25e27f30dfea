// The picture dialogs: open and save dialogs whose filter lists the picture formats and whose
// form shows a preview of the picture selected, with its size.
#pragma once

#include <string>

#include "platform/controls/Dialogs.h"

namespace vcl {

class TPicture;

class TOpenPictureDialog : public TOpenDialog {
  ZYL_CLASS(TOpenPictureDialog, TOpenDialog)
  explicit TOpenPictureDialog(TComponent* AOwner);
  ~TOpenPictureDialog() override;

  bool Execute() override;
  // The filter is stored in form streams only when it is not the picture formats' filter.
  bool IsFilterStored() const;
  void DoSelectionChange(const std::string& Selected) override;

 protected:
  TForm* CreateForm() override;

 private:
  TForm* form_ = nullptr;  // while shown
};

class TSavePictureDialog : public TOpenPictureDialog {
  ZYL_CLASS(TSavePictureDialog, TOpenPictureDialog)
  explicit TSavePictureDialog(TComponent* AOwner);
};

}  // namespace vcl
