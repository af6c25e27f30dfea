#include "design/pZYLBitmapListEditor.h"

#include <algorithm>
#include <memory>

#include "design/pZYLBitmapItemPropertiesEditorDlg.h"
#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLObjectEditor.h"
#include "display/ZYLNImage.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLUtils.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtDlgs.h"
#include "platform/controls/Menus.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Consts.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLBitmapListEditorDlg) {
  DescribeFields(b);
  using T = TZYLBitmapListEditorDlg;
  b.Method("lbDrawItem", &T::lbDrawItem).Method("Saveasbitmap1Click", &T::Saveasbitmap1Click);
}

namespace {

constexpr int32_t kCentred = 0x25;                 // centred, vertically centred, one line
constexpr TZYLDrawStyleFlags kKeepAspect = 0x610;  // stretched both ways, aspect kept

// Section Index's width, or 0 when the header has no such section.
int SectionWidth(TZYLListBox* lb, int Index) {
  return Index < lb->GetInteger(TZYLListBox::iiSectionCount) ? lb->Header()->GetSectionWidth(Index)
                                                             : 0;
}
}  // namespace

TZYLCustomContainer* TZYLBitmapListEditorDlg::NewList() const {
  return new TZYLBitmapList(nullptr);
}

TZYLBitmapList* TZYLBitmapListEditorDlg::BitmapList() const {
  return static_cast<TZYLBitmapList*>(WorkList());
}

bool TZYLBitmapListEditorDlg::Edit(TZYLBitmapList* List) {
  auto dlg = ZYLCreateEditorForm<TZYLBitmapListEditorDlg>(nullptr);
  dlg->SetImageList(List);
  dlg->SetLabels(0, true);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  List->Assign(dlg->WorkList());
  return true;
}

void TZYLBitmapListEditorDlg::SetImageList(TZYLBitmapList* List) { WorkList()->Assign(List); }

void TZYLBitmapListEditorDlg::WriteGeneral() {
  inherited::WriteGeneral();
  const int i = CurrentLine();
  ZYLEnableAll({Saveasbitmap1},
               i >= 0 && i < ItemCount() && !BitmapList()->GetArrayItem(i)->GetEmpty());
}

bool TZYLBitmapListEditorDlg::EditItem(int Index) {
  TZYLBitmapList* list = BitmapList();
  const bool isNew = Index >= list->Count();
  auto dlg = ZYLCreateEditorForm<Tzylfrmbiprop>(nullptr);
  dlg->Index->SetCaption(std::to_string(Index));
  if (isNew) {
    dlg->ed->SetIntValue(Index);
    dlg->compress->SetChecked(list->DefaultCompressed());
    dlg->cmb->SetItemIndex(static_cast<int>(list->DefaultPixelFormat()));
    dlg->dimLabel->SetCaption("");
  } else {
    TZYLBitmapListItem* item = list->GetArrayItem(Index);
    dlg->ed->SetIntValue(item->Ident);
    if (item->GetBitmap()) dlg->img->Bitmap()->Assign(item->GetBitmap());
    dlg->compress->SetChecked(item->Compressed);
    dlg->cmb->SetItemIndex(static_cast<int>(item->PixelFormat));
    dlg->desc->SetText(item->Description);
    dlg->ShowDimensions();
  }
  if (!ZYLRunEditorForm(dlg.get())) return false;
  const auto format =
      static_cast<TZYLSavePixelFormat>(std::clamp(dlg->cmb->ItemIndex(), 0, int{spf16bit}));
  vcl::TBitmap* chosen = dlg->img->Bitmap();
  TZYLBitmapListItem* item;
  if (isNew) {
    item = static_cast<TZYLBitmapListItem*>(list->Item(list->Add()));
    if (!chosen->Empty()) item->SetBitmap(chosen);
  } else {
    item = list->GetArrayItem(Index);
    item->SetBitmap(chosen);
  }
  item->PixelFormat = format;
  item->Ident = static_cast<uint16_t>(dlg->ed->IntValue());
  item->Compressed = dlg->compress->Checked();
  item->Description = dlg->desc->Text();
  return true;
}

TZYLListEditorForm::TZYLAppendStep TZYLBitmapListEditorDlg::LoadDropped(const std::string& File) {
  auto work = std::make_shared<vcl::TBitmap>();
  work->LoadFromFile(File);
  return [this, work] {
    TZYLBitmapList* list = BitmapList();
    auto item = std::make_unique<TZYLBitmapListItem>();
    item->SetBitmap(work.get());
    item->Compressed = list->DefaultCompressed();
    item->PixelFormat = list->DefaultPixelFormat();
    list->Add(item.release());
    return true;
  };
}

void TZYLBitmapListEditorDlg::lbDrawItem(vcl::TWinControl*, int Index, vcl::TRect Rect,
                                         vcl::TOwnerDrawState State) {
  lb->PrepareDrawItem(Rect, State, Index);
  TZYLBitmapList* list = BitmapList();
  if (Index < 0 || Index >= list->Count()) return;
  TZYLBitmapListItem* item = list->GetArrayItem(Index);
  vcl::TCanvas* c = lb->GetCanvas();
  const std::string texts[] = {
      std::to_string(Index), std::to_string(item->Ident), item->Compressed ? "1" : "0",
      std::to_string(ZYLPixelFormatColors[std::clamp(static_cast<int>(item->PixelFormat), 0, 4)]),
      item->Description};
  // The text columns: the first spans its section less 2, the next start 2 pixels after the
  // previous one and span their section less 4 ("ID") or less 2.
  win::TRect r{Rect.Left, Rect.Top, Rect.Left + SectionWidth(lb, 0) - 2, Rect.Bottom};
  ZYLDrawText(c, texts[0], nullptr, r, kCentred);
  for (int col = 1; col < 5; ++col) {
    r.Left = r.Right + 2;
    r.Right = r.Left + SectionWidth(lb, col) - (col == 1 ? 4 : 2);
    ZYLDrawText(c, texts[col], nullptr, r, kCentred);
  }
  r.Left = r.Right + 2;
  vcl::TBitmap* bmp = item->GetBitmap();
  if (item->GetEmpty() || !bmp) {
    r.Right = r.Left + SectionWidth(lb, 5) - 4;
    ZYLDrawText(c, vcl::srNone, nullptr, r, kCentred);
    return;
  }
  const int itemHeight = lb->GetInteger(TZYLListBox::iiItemHeight);
  win::TRect pic{r.Left, Rect.Top + 2, std::min(r.Left + bmp->Width(), Rect.Right), 0};
  pic.Bottom = bmp->Height() < itemHeight - 4 ? pic.Top + bmp->Height() : Rect.Bottom - 2;
  list->DrawExt(c, pic, kKeepAspect, Index, 0);
}

void TZYLBitmapListEditorDlg::Saveasbitmap1Click(TObject*) {
  const int i = CurrentLine();
  if (i < 0 || i >= ItemCount()) return;
  vcl::TBitmap* bmp = BitmapList()->GetArrayItem(i)->GetBitmap();
  if (!bmp || !SavePictureDialog->Execute()) return;
  bmp->SaveToFile(SavePictureDialog->FileName());
}

}  // namespace zyl
