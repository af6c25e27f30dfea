// TZYLFillEditorDlg: the modal editor of a fill object (style and options, bitmap and tile
// mode, brush, gradient) on the working copy held by its preview fill `test`. It also edits a
// shape fill, which has no brush and no options of its own: the option boxes, the brush sample
// and "Brush >>" are hidden then and the note `info` tells why.
#pragma once

#include "design/pZYLObjectEditor.h"

namespace vcl {
class TButton;
class TCheckBox;
class TComboBox;
class TLabel;
class TPageControl;
}  // namespace vcl

namespace zyl {

class TZYLFill;
class TZYLFillObject;
class TZYLFormStyler;
class TZYLNImage;
class TZYLShapeFill;

class TZYLFillEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLFillEditorDlg, TZYLObjectEditorForm)
  explicit TZYLFillEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits a fill object ("FillObject-Editor") on a working copy; true exactly on OK.
  static bool EditFillObject(TZYLFillObject* Fill);
  // Edits a shape fill ("ShapeFill-Editor") on a working copy; true exactly on OK.
  static bool EditShapeFill(TZYLShapeFill* Fill);
  TZYLFillObject* Copy() const;
  void SetLabels() override;

  TZYLFill* test = nullptr;
  vcl::TPageControl* nb = nullptr;
  vcl::TComboBox *cmbStyle = nullptr, *cmbTile = nullptr;
  vcl::TCheckBox *ck1 = nullptr, *ck2 = nullptr, *ck3 = nullptr;
  TZYLNImage* iTest = nullptr;
  TZYLFill *btest = nullptr, *gTest = nullptr;
  vcl::TButton *btnbitmap = nullptr, *btnbrush = nullptr, *btngradient = nullptr;
  vcl::TLabel* info = nullptr;
  vcl::TButton *btOK = nullptr, *btCancel = nullptr, *btReset = nullptr;
  TZYLFormStyler* fs = nullptr;

  void cmbStyleChange(vcl::TObject* Sender);
  // The three option boxes: the sender tells the option.
  void ckClick(vcl::TObject* Sender);
  void cmbTileChange(vcl::TObject* Sender);
  // "Bitmap >>", "Brush >>", "Gradient >>": the nested editor of that part of the copy.
  void btnbitmapClick(vcl::TObject* Sender);
  void btnbrushClick(vcl::TObject* Sender);
  void btngradientClick(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);
};

void pZYLFillEditorDlgInit();
void pZYLFillEditorDlgDone();

}  // namespace zyl
