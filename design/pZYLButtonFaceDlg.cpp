#include "design/pZYLButtonFaceDlg.h"

#include <algorithm>

#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLObjectEditor.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLUtils.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

using vcl::TObject;
using vcl::TRect;

ZYL_CLASS_IMPL(TZYLButtonFaceDlg) {
  DescribeFields(b);
  using T = TZYLButtonFaceDlg;
  b.Method("FormActivate", &T::FormActivate)
      .Method("lbDrawItem", &T::lbDrawItem)
      .Method("lbResize", &T::lbResize)
      .Method("SelectBtnClick", &T::SelectBtnClick)
      .Method("nopictureClick", &T::nopictureClick)
      .Method("ClearAllClick", &T::ClearAllClick)
      .Method("syncClick", &T::syncClick)
      .Method("ResetBtnClick", &T::ResetBtnClick);
}

namespace {

constexpr int kStateCount = bsDefaultEd + 1;
constexpr int kMaxRowHeight = 40;
// The part of the list's width the "State" column and the margins take.
constexpr int kStateColumnReach = 112;
// Left-aligned on one line, vertically centred.
constexpr int32_t kLineFormat = 0x24;
constexpr const char kNoPicture[] = "No or no valid picture assigned for this state";

}  // namespace

bool TZYLButtonFaceDlg::Edit(TZYLCustomImageList* List, TZYLButtonFaceIndex& Faces) {
  auto dlg = ZYLCreateEditorForm<TZYLButtonFaceDlg>(nullptr);
  dlg->SetImageList(List);
  dlg->InitialFaces = Faces;
  ZYLMMCopyFace(dlg->Faces, dlg->InitialFaces);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Faces = dlg->Faces;
  return true;
}

void TZYLButtonFaceDlg::RefreshList() {
  lb->Clear();
  for (int i = 0; i < kStateCount; ++i) lb->GetItems()->Add("");
}

int TZYLButtonFaceDlg::GetHeighestItem() const {
  if (!FImageList) return 0;
  int highest = 0;
  for (const TZYLButtonFaceEntry& e : Faces.Faces)
    if (FImageList->IsValidItem(e.ListIndex, e.ImageIndex))
      highest = std::max(highest, FImageList->Dimensions(e.ListIndex, true));
  return std::min(highest, kMaxRowHeight);
}

void TZYLButtonFaceDlg::FormActivate(TObject*) {
  // Also after the image picker closes: the refilled rows keep the selected one.
  TableChanged(SelectedRow());
}

int TZYLButtonFaceDlg::SelectedRow() const { return lb->GetInteger(TZYLListBox::iiItemIndex); }

void TZYLButtonFaceDlg::TableChanged(int Row) {
  lb->SetInteger(TZYLListBox::iiItemHeight, GetHeighestItem());
  RefreshList();
  lb->SetInteger(TZYLListBox::iiItemIndex, Row);
}

void TZYLButtonFaceDlg::lbDrawItem(vcl::TWinControl*, int Index, TRect Rect,
                                   vcl::TOwnerDrawState State) {
  if (!FImageList || Index < 0 || Index >= kStateCount) return;
  lb->PrepareDrawItem(Rect, State, -1);
  vcl::TCanvas* canvas = lb->GetCanvas();
  vcl::THeaderSections* sections = lb->GetHeaderSections();
  const int stateWidth = sections->Count() > 0 ? sections->Items(0)->Width() : 0;
  const auto state = static_cast<TZYLButtonState>(Index);
  ZYLDrawText(canvas, vcl::GetEnumName(vcl::TypeInfoOf<TZYLButtonState>(), state), nullptr,
              TRect{Rect.Left, Rect.Top, Rect.Left + stateWidth - 2, Rect.Bottom}, kLineFormat);
  const TRect area{Rect.Left + stateWidth + 2, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
  const TZYLButtonFaceEntry e = Faces[state];
  if (!FImageList->IsValidItem(e.ListIndex, e.ImageIndex)) {
    ZYLDrawText(canvas, kNoPicture, nullptr, area, kLineFormat);
    return;
  }
  const bool fit = FImageList->Dimensions(e.ListIndex, true) > Rect.Height();
  FImageList->DrawExt(canvas, area, fit ? dsfKeepAspect | dsfStretch : 0, e.ListIndex,
                      e.ImageIndex);
}

void TZYLButtonFaceDlg::lbResize(TObject*) {
  vcl::THeaderSections* sections = lb->GetHeaderSections();
  if (sections->Count() > 1) sections->Items(1)->SetWidth(lb->Width() - kStateColumnReach);
}

void TZYLButtonFaceDlg::SelectBtnClick(TObject*) {
  const int row = SelectedRow();
  if (row < 0 || row >= kStateCount) return;
  TZYLButtonFaceEntry& e = Faces[static_cast<TZYLButtonState>(row)];
  TZYLCustomImageList* list = FImageList;
  uint16_t listIndex = e.ListIndex, imageIndex = e.ImageIndex;
  if (!ZYLCPGetIML(list, listIndex, imageIndex)) return;
  e = TZYLButtonFaceEntry{listIndex, imageIndex};
  TableChanged(row);
}

void TZYLButtonFaceDlg::nopictureClick(TObject*) {
  const int row = SelectedRow();
  if (row < 0 || row >= kStateCount) return;
  Faces[static_cast<TZYLButtonState>(row)] = TZYLButtonFaceEntry{};
  TableChanged(row);
}

void TZYLButtonFaceDlg::ClearAllClick(TObject*) {
  ZYLMMInitFace(Faces);
  TableChanged(SelectedRow());
}

void TZYLButtonFaceDlg::syncClick(TObject* Sender) {
  ZYLMMSynchronize(Faces, Sender == synchot);
  TableChanged(SelectedRow());
}

void TZYLButtonFaceDlg::ResetBtnClick(TObject*) {
  ZYLMMCopyFace(Faces, InitialFaces);
  TableChanged(SelectedRow());
}

}  // namespace zyl
