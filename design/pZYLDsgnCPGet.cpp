#include "design/pZYLDsgnCPGet.h"

#include <memory>
#include <vector>

#include "buttons/ZYLMMButton.h"
#include "design/pZYLBitmapListEditor.h"
#include "design/pZYLButtonFaceDlg.h"
#include "design/pZYLCustImgListSelectDlg.h"
#include "design/pZYLDsgnOptions.h"
#include "design/pZYLImageListEditor.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLPECst.h"
#include "design/pZYLStringListEditorDlg.h"
#include "design/pZYLWaveEditorDlg.h"
#include "design/pZYLWaveListEditorDlg.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

void ZYLSaveListPath(TZYLListItemClassType Kind, const std::string& Path) {
  ZYLDsgnWriteString(ZYLListKindSection(Kind), ZYLDsgnListPathValue, Path);
}

std::string ZYLRestoreListPath(TZYLListItemClassType Kind) {
  return ZYLDsgnReadString(ZYLListKindSection(Kind), ZYLDsgnListPathValue, "");
}

namespace {

// Shows List's ListIndex and ImageIndex (a bitmap list's ListIndex) as the picker's choice.
void Preselect(TZYLCustImgListSelectDlg* Dlg, TZYLCustomImageList* List, int ListIndex,
               int ImageIndex) {
  if (!List) return;
  if (dynamic_cast<TZYLBitmapList*>(List)) {
    Dlg->SelectRow(ListIndex);
    return;
  }
  Dlg->SetListIndex(ListIndex);
  Dlg->SelectRow(ImageIndex);
}

}  // namespace

bool ZYLCPGetIMLExt(vcl::IFormDesigner* Designer, TZYLCustomImageList*& List, uint16_t& ListIndex,
                    uint16_t& ImageIndex) {
  auto dlg = ZYLCreateEditorForm<TZYLCustImgListSelectDlg>(nullptr);
  dlg->SetDesigner(Designer);
  dlg->SetImageList(List);
  if (Designer) dlg->AddImageLists();
  try {
    Preselect(dlg.get(), List, ListIndex, ImageIndex);
  } catch (const vcl::Exception&) {
    // A stored choice the list no longer holds: the picker starts on its first image instead.
  }
  if (!ZYLRunEditorForm(dlg.get())) return false;
  List = dlg->ImageList();
  // A chosen index replaces the caller's when there is one and it fits the caller's 16 bits.
  auto take = [](int Chosen, uint16_t& Index) {
    if (Chosen >= 0 && Chosen <= UINT16_MAX) Index = static_cast<uint16_t>(Chosen);
  };
  if (dynamic_cast<TZYLBitmapList*>(List)) {
    take(dlg->RowIndex(), ListIndex);
  } else if (List) {
    take(dlg->cmb->ItemIndex(), ListIndex);
    take(dlg->RowIndex(), ImageIndex);
  }
  return true;
}

bool ZYLCPGetIML(TZYLCustomImageList*& List, uint16_t& ListIndex, uint16_t& ImageIndex) {
  return ZYLCPGetIMLExt(nullptr, List, ListIndex, ImageIndex);
}

bool ZYLCPIMLAddItemsDlg(TZYLCustomImageList* Source, TZYLCustomImageList* Target, int ListIndex) {
  if (!Source || !Target) return false;
  auto dlg = ZYLCreateEditorForm<TZYLCustImgListSelectDlg>(vcl::Application);
  dlg->SetMultiSelect(true);
  dlg->SetImageList(Source);
  if (dynamic_cast<TZYLImageList*>(Source)) dlg->SetListIndex(0);
  dlg->SelectRow(0);
  if (!ZYLRunEditorForm(dlg.get()) || dlg->ImageList() != Source) return false;
  const std::vector<int> chosen = dlg->SelectedRows();
  if (chosen.empty()) return false;

  auto* sourceBitmaps = dynamic_cast<TZYLBitmapList*>(Source);
  const int sourceStrip = dlg->cmb->ItemIndex();
  vcl::TBitmap image;
  // The picture of chosen row i into `image`; false when the source has none there.
  auto picture = [&](int i) {
    return sourceBitmaps ? Source->GetBitmapItem(i, 0, &image)
                         : Source->GetBitmapItem(sourceStrip, i, &image);
  };
  int added = 0, refused = 0;
  if (auto* bitmaps = dynamic_cast<TZYLBitmapList*>(Target)) {
    for (int i : chosen) {
      if (sourceBitmaps) {
        bitmaps->Item(bitmaps->Add())->Assign(sourceBitmaps->Item(i));
      } else {
        if (!picture(i)) continue;
        bitmaps->GetArrayItem(bitmaps->Add())->SetBitmap(&image);
      }
      ++added;
    }
    return added > 0;
  }
  auto* strips = dynamic_cast<TZYLImageList*>(Target);
  if (!strips) return false;
  TZYLImageListItem* strip = strips->GetArrayItem(ListIndex);
  for (int i : chosen) {
    if (!picture(i)) continue;
    if (strip->AddMasked(&image, image.TransparentColor()) < 0)
      ++refused;
    else
      ++added;
  }
  if (refused > 0)
    vcl::MessageDlg(
        vcl::Format(vcl::SZYLImagesNotAdded, {refused, strip->Width(), strip->Height()}),
        vcl::mtWarning, {vcl::mbOK}, 0);
  return added > 0;
}

bool ZYLCPIMLAddItemsFromFile(const std::string& FileName, TZYLCustomImageList* Target,
                              int ListIndex) {
  std::unique_ptr<TZYLCustomImageList> loaded;
  if (dynamic_cast<TZYLBitmapList*>(Target))
    loaded = std::make_unique<TZYLBitmapList>(nullptr);
  else
    loaded = std::make_unique<TZYLImageList>(nullptr);
  loaded->LoadFromFile(FileName);
  return ZYLCPIMLAddItemsDlg(loaded.get(), Target, ListIndex);
}

bool ZYLCPGetWave(TZYLWave* Wave) { return TZYLWaveEditorDlg::Edit(Wave); }

bool ZYLCPGetBitmapList(TZYLBitmapList* List) { return TZYLBitmapListEditorDlg::Edit(List); }

bool ZYLCPGetImageList(TZYLImageList* List) { return TZYLImageListEditorDlg::Edit(List); }

bool ZYLCPGetWaveList(TZYLWaveList* List) { return TZYLWaveListEditorDlg::Edit(List); }

bool ZYLCPGetStringList(TZYLStringList* List) { return TZYLStringListEditorDlg::Edit(List); }

bool ZYLCPGetButtonFaceMM(vcl::TComponent* Component, TZYLCustomImageList* List) {
  if (!List) {
    vcl::ShowMessage(IDS_NOBUTTONFACELIST);
    return false;
  }
  auto* button = dynamic_cast<TZYLCustomMMButton*>(Component);
  TZYLButtonFaceIndex faces{};
  if (button) button->GetButtonFaceIndices(faces);
  if (!TZYLButtonFaceDlg::Edit(List, faces) || !button) return false;
  button->SetButtonFaceIndices(faces);
  button->SetTransCol();
  return true;
}

}  // namespace zyl
