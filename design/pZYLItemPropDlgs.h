// What the item property dialogs of the list editors share: choosing a picture file in the
// picture dialog and the size text of a picture. The dialogs only hold values; the list editor
// that opens one fills its controls and, on OK, copies them into its item.
#pragma once

#include <string>

#include "design/TZYLItemHeaderForm.fieldtypes.h"
#include "design/TZYLItemPropForm.fieldtypes.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Graphic.h"
#include "platform/sys/Packages.h"

namespace zyl {

// "(" Width "x" Height ")".
std::string ZYLDimText(int Width, int Height);

// Runs a picture dialog for the formats of GraphicClass: DefaultExt its extension, Filter its
// filter, FileName "*." and the extension when WithMask, and Options when given. The chosen
// file, or "" when the dialog was cancelled; the dialog is freed in every case.
std::string ZYLChoosePicture(vcl::TGraphicClass GraphicClass, bool WithMask,
                             const vcl::TOpenOptions* Options = nullptr);

// What every item dialog of the list editors shows of an item besides its content: its index,
// description, compressed flag and ident (16 bits, at most five digits).
class TZYLItemHeaderForm : public vcl::TForm {
  ZYL_CLASS(TZYLItemHeaderForm, vcl::TForm)
  explicit TZYLItemHeaderForm(vcl::TComponent* AOwner) : inherited(AOwner) {}

#include "design/TZYLItemHeaderForm.fields.h"

  void FormCreate(vcl::TObject* Sender);
};

// What the dialogs of one bitmap or picture item share: the item's header, and the "&Change"
// button that loads a chosen file into the
// form's picture (a file that cannot be read raises and leaves the picture as it was) and shows
// the picture's size in dimLabel whether a file was chosen or not.
class TZYLItemPropForm : public TZYLItemHeaderForm {
  ZYL_CLASS(TZYLItemPropForm, TZYLItemHeaderForm)
  explicit TZYLItemPropForm(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Shows the size of the form's picture in dimLabel.
  void ShowDimensions();

#include "design/TZYLItemPropForm.fields.h"

  void changeClick(vcl::TObject* Sender);

 protected:
  // The picture's width and height.
  virtual vcl::TPoint PictureSize() const { return {0, 0}; }
  // Runs the picture dialog of the form's kind of picture: the file chosen, or "".
  virtual std::string ChooseFile() { return std::string(); }
  // Reads File into the picture.
  virtual void LoadPicture(const std::string& /*File*/) {}
};

// The dialogs' units (each registers its form class and layout).
void pZYLItemPropDlgsInit();
void pZYLItemPropDlgsDone();
inline constexpr vcl::TUnitEntry pZYLItemPropDlgsUnit{"pZYLItemPropDlgs", &pZYLItemPropDlgsInit,
                                                      &pZYLItemPropDlgsDone};

}  // namespace zyl
