#include "design/pZYLCustImgListSelectDlg.h"

#include <algorithm>
#include <cstdint>

#include "buttons/ZYLButton.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLPECst.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Numbers.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignIntf.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/SysUtils.h"

namespace zyl {

using vcl::TObject;
using vcl::TRect;

ZYL_CLASS_IMPL(TZYLCustImgListSelectDlg) {
  DescribeFields(b);
  using T = TZYLCustImgListSelectDlg;
  b.Method("lnClick", &T::lnClick)
      .Method("cmbChange", &T::cmbChange)
      .Method("lbDblClick", &T::lbDblClick)
      .Method("lbDrawItem", &T::lbDrawItem)
      .Method("Button2Click", &T::Button2Click)
      .Method("FormActivate", &T::FormActivate);
}

namespace {

// The sections of the image rows.
enum TImageColumn { icNumber, icIdent, icPicture };
constexpr int kSingleIdentWidth = 38;
// Centred on one line, vertically centred.
constexpr int32_t kCellFormat = 0x25;
// Stretched to the rectangle, keeping the aspect ratio.
constexpr TZYLDrawStyleFlags kPictureFlags = dsfKeepAspect | dsfStretch;
static_assert(kPictureFlags == 0x610);

int SectionWidth(TZYLListBox* box, int Index) {
  vcl::THeaderSections* sections = box->GetHeaderSections();
  return Index < sections->Count() ? sections->Items(Index)->Width() : 0;
}

}  // namespace

void TZYLCustImgListSelectDlg::SetMultiSelect(bool Value) {
  lb->SetBool(TZYLListBox::biMultiSelect, Value);
}

void TZYLCustImgListSelectDlg::SetImageList(TZYLCustomImageList* Value) {
  FImageList = Value;
  SetLabels();
  if (cmb->Items()->Count() > 0) SetListIndex(0);
}

void TZYLCustImgListSelectDlg::SetLabels() {
  lb->Clear();
  cmb->Items()->Clear();
  if (!FImageList) return;
  const bool single = ZYLIsSingleItemImageList(FImageList);
  cmb->SetEnabled(!single);
  Label1->SetEnabled(!single);
  lb->GetHeaderSections()->Items(icIdent)->SetWidth(single ? kSingleIdentWidth : 0);
  const int count = FImageList->GetCount();
  for (int i = 0; i < count; ++i) {
    if (single) {
      lb->AddLine({vcl::IntToStr(i + 1)});
      continue;
    }
    const std::string text = i < FImageList->Count() ? FImageList->Item(i)->Description : "";
    cmb->Items()->Add(text.empty() ? "NoName " + vcl::IntToStr(i) : text);
  }
}

void TZYLCustImgListSelectDlg::SetListIndex(int Index) {
  if (!FImageList) return;
  if (!ZYLIsSingleItemImageList(FImageList)) {
    if (cmb->Items()->Count() > 0) cmb->SetItemIndex(Index);
    lb->Clear();
    const int count = FImageList->ItemCount(Index);
    for (int i = 0; i < count; ++i) lb->AddLine({vcl::IntToStr(i + 1)});
  }
  if (lb->GetItems()->Count() > 0) SelectRow(0);
}

void TZYLCustImgListSelectDlg::SelectRow(int Row) {
  lb->SetInteger(TZYLListBox::iiItemIndex, Row);
  if (lb->GetBool(TZYLListBox::biMultiSelect) && Row >= 0 && Row < lb->GetItems()->Count())
    lb->SetSelected(Row, true);
}

int TZYLCustImgListSelectDlg::RowIndex() const { return lb->GetInteger(TZYLListBox::iiItemIndex); }

std::vector<int> TZYLCustImgListSelectDlg::SelectedRows() const {
  std::vector<int> rows;
  const int count = lb->GetItems()->Count();
  for (int i = 0; i < count; ++i)
    if (lb->GetSelected(i)) rows.push_back(i);
  return rows;
}

void TZYLCustImgListSelectDlg::AddListLine(TZYLCustomImageList* List, const std::string& Name) {
  const char* kind = dynamic_cast<TZYLBitmapList*>(List) ? "B" : "I";
  const int row = ln->AddLine({kind, vcl::IntToStr(List->GetCount()), Name});
  ln->GetItems()->SetObjects(row, List);
}

void TZYLCustImgListSelectDlg::AddImageLists() {
  ln->Clear();
  if (TZYLContainer* global = ZYLContainer()) {
    AddListLine(global->BitmapList(), ZYL_ICGLOBALBML);
    AddListLine(global->ImageList(), ZYL_ICGLOBALIML);
  }
  if (FDesigner)
    FDesigner->GetComponentNames(TZYLCustomImageList::StaticClass(),
                                 [this](const std::string& Name) { GetLists(Name); });
  const int row = FImageList ? ln->GetItems()->IndexOfObject(FImageList) : -1;
  ln->SetInteger(TZYLListBox::iiItemIndex, row);
}

void TZYLCustImgListSelectDlg::GetLists(const std::string& Name) {
  if (!FDesigner) return;
  if (auto* list = dynamic_cast<TZYLCustomImageList*>(FDesigner->GetComponent(Name)))
    AddListLine(list, Name);
}

void TZYLCustImgListSelectDlg::lnClick(TObject*) {
  const int row = ln->GetInteger(TZYLListBox::iiItemIndex);
  if (row < 0 || row >= ln->GetItems()->Count()) return;
  auto* list = static_cast<TZYLCustomImageList*>(ln->GetItems()->Objects(row));
  if (list != FImageList) SetImageList(list);
}

void TZYLCustImgListSelectDlg::cmbChange(TObject*) {
  if (cmb->ItemIndex() != -1) SetListIndex(cmb->ItemIndex());
}

void TZYLCustImgListSelectDlg::lbDblClick(TObject*) { SetModalResult(vcl::mrOk); }

void TZYLCustImgListSelectDlg::Button2Click(TObject*) {
  FImageList = nullptr;
  SetModalResult(vcl::mrOk);
}

void TZYLCustImgListSelectDlg::FormActivate(TObject*) {
  if (!FDesigner) ln->SetBool(TZYLListBox::biEnabled, false);
}

void TZYLCustImgListSelectDlg::lbDrawItem(vcl::TWinControl*, int Index, TRect Rect,
                                          vcl::TOwnerDrawState State) {
  lb->PrepareDrawItem(Rect, State, -1);
  if (!FImageList) return;
  vcl::TCanvas* canvas = lb->GetCanvas();
  const int wNumber = SectionWidth(lb, icNumber), wIdent = SectionWidth(lb, icIdent);
  const int wPicture = SectionWidth(lb, icPicture);
  ZYLDrawText(canvas, vcl::IntToStr(Index), nullptr,
              TRect{Rect.Left, Rect.Top, Rect.Left + wNumber - 2, Rect.Bottom}, kCellFormat);
  const bool single = ZYLIsSingleItemImageList(FImageList);
  const int listIndex = single ? Index : cmb->ItemIndex();
  const int image = single ? 0 : Index;
  const int identLeft = Rect.Left + wNumber;
  if (auto* bitmaps = dynamic_cast<TZYLBitmapList*>(FImageList);
      bitmaps && Index < bitmaps->Count())
    ZYLDrawText(canvas, vcl::IntToStr(bitmaps->GetArrayItem(Index)->Ident), nullptr,
                TRect{identLeft + 2, Rect.Top, identLeft + wIdent - 2, Rect.Bottom}, kCellFormat);
  const int pictureLeft = identLeft + wIdent;
  if (!FImageList->IsValidItem(listIndex, image)) {
    ZYLDrawText(canvas, vcl::srNone, nullptr,
                TRect{pictureLeft, Rect.Top, pictureLeft + wPicture, Rect.Bottom}, kCellFormat);
    return;
  }
  const int width = FImageList->Dimensions(listIndex, false);
  const int height = FImageList->Dimensions(listIndex, true);
  TRect r;
  r.Left = pictureLeft + 4;
  r.Top = Rect.Top + 2;
  r.Right = static_cast<int>(std::min<int64_t>(int64_t{r.Left} + width, Rect.Right));
  const int itemHeight = lb->GetInteger(TZYLListBox::iiItemHeight);
  r.Bottom = height < itemHeight - 4 ? r.Top + height : Rect.Bottom - 2;
  FImageList->DrawExt(canvas, r, kPictureFlags, listIndex, image);
}

}  // namespace zyl
