#include "design/pZYLEditorDialogs.h"

#include <memory>

#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtDlgs.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"

namespace zyl {

bool ZYLEditorFontDialog(vcl::TFont* Font) {
  auto dialog = std::make_unique<vcl::TFontDialog>(nullptr);
  dialog->Font()->Assign(Font);
  dialog->SetHelpContext(25000);
  dialog->SetOptions(dialog->Options() + vcl::fdForceFontExist + vcl::fdShowHelp);
  if (!dialog->Execute()) return false;
  Font->Assign(dialog->Font());
  return true;
}

bool ZYLEditorBitmapDialog(vcl::TBitmap* Bitmap) {
  auto dialog = std::make_unique<vcl::TOpenPictureDialog>(nullptr);
  const std::string ext = vcl::GraphicExtension(vcl::TBitmap::StaticClass());
  dialog->SetDefaultExt(ext);
  dialog->SetFileName("*." + ext);
  dialog->SetFilter(vcl::GraphicFilter(vcl::TBitmap::StaticClass()));
  if (!dialog->Execute()) return false;
  // Read whole before Bitmap changes: an unreadable file raises and leaves it alone.
  vcl::TBitmap loaded;
  loaded.LoadFromFile(dialog->FileName());
  Bitmap->Assign(&loaded);
  return true;
}

}  // namespace zyl
