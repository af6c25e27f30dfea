#include "design/pZYLImageListEditor.h"

#include <algorithm>
#include <memory>

#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/ZYLCPGet.h"
#include "design/pZYLAviEditorDlg.h"
#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLImageListPropertiesEditorDlg.h"
#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLObjectEditor.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLStrings.h"
#include "foundation/ZYLUtils.h"
#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "system/ZYLMRUList.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLImageListEditorDlg) {
  DescribeFields(b);
  using T = TZYLImageListEditorDlg;
  b.Method("popmainClick", &T::popmainClick)
      .Method("fileClick", &T::fileClick)
      .Method("lbmClick", &T::lbmClick)
      .Method("lbmDblClick", &T::lbmDblClick)
      .Method("lbDrawItem", &T::lbDrawItem);
}

namespace {

constexpr int32_t kCentred = 0x25;
constexpr TZYLDrawStyleFlags kStretch = 16;

// The strip that a clipboard image list carries: its first.
TZYLImageListItem* FirstStrip(TZYLImageList* List) {
  return List && List->Count() > 0 ? List->GetArrayItem(0) : nullptr;
}
}  // namespace

TZYLCustomContainer* TZYLImageListEditorDlg::NewList() const { return new TZYLImageList(nullptr); }

TZYLImageList* TZYLImageListEditorDlg::ImageList() const {
  return static_cast<TZYLImageList*>(WorkList());
}

bool TZYLImageListEditorDlg::Edit(TZYLImageList* List) {
  auto dlg = ZYLCreateEditorForm<TZYLImageListEditorDlg>(nullptr);
  dlg->SetMain(List);
  dlg->SetMainList(-1, true);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  List->Assign(dlg->WorkList());
  return true;
}

void TZYLImageListEditorDlg::FormCreate(TObject* Sender) {
  inherited::FormCreate(Sender);
  if (avi2iml) avi2iml->SetVisible(true);
  FStripIndex = -1;
  FStrip = nullptr;
  SetStdFilter();
}

void TZYLImageListEditorDlg::SetMain(TZYLImageList* List) {
  FStrip = nullptr;
  FStripIndex = -1;
  WorkList()->Assign(List);
}

void TZYLImageListEditorDlg::SetStdFilter() {
  std::string filter;
  ZYLCPGetFilter(icImageList, filter);
  SaveDialog->SetFilter(filter);
  SaveDialog->SetDefaultExt(Suffix());
  FileDialog->SetFilter(filter);
  FileDialog->SetDefaultExt(Suffix());
}

// --- the left-hand level: strips -------------------------------------------------------------

int TZYLImageListEditorDlg::SelectedStrip() const {
  const int i = lbm->GetInteger(TZYLListBox::iiItemIndex);
  return i >= 0 && i < ImageList()->Count() ? i : -1;
}

std::vector<std::string> TZYLImageListEditorDlg::StripColumns(int Index) const {
  const TZYLImageListItem* s = ImageList()->GetArrayItem(Index);
  const int colours = ZYLPixelFormatColors[std::clamp(static_cast<int>(s->PixelFormat), 0, 4)];
  return {std::to_string(Index),   std::to_string(s->GetCount()),
          s->Description,          std::to_string(s->Width()) + "x" + std::to_string(s->Height()),
          s->Masked() ? "1" : "0", s->Compressed ? "1" : "0",
          std::to_string(colours)};
}

void TZYLImageListEditorDlg::FitItemHeight() {
  if (FStrip) lb->SetInteger(TZYLListBox::iiItemHeight, std::min(FStrip->Height(), 100) + 4);
}

void TZYLImageListEditorDlg::SetMainList(int Index, bool Rebuild) {
  TZYLImageList* list = ImageList();
  const int count = list->Count();
  if (Index >= 0 && Index < count) {
    if (Index != FStripIndex || !FStrip) FStrip = list->GetArrayItem(Index);
  } else {
    FStrip = nullptr;  // a strip that was deleted or cleared away is never read again
  }
  FitItemHeight();
  {
    vcl::TStrings* lines = lbm->GetItems();
    lines->BeginUpdate();
    vcl::TFinally end([lines] { lines->EndUpdate(); });
    if (Rebuild) {
      lbm->Clear();
      for (int i = 0; i < count; ++i) lbm->AddLine(StripColumns(i));
    }
  }
  const bool current = Index != -1 && Index < lbm->GetItems()->Count() && count > 0 && FStrip;
  if (current) {
    lbm->SetInteger(TZYLListBox::iiItemIndex, Index);
    lb->SetEnabled(true);
    lbl->SetCaption(FStrip->Description.empty() ? "#" + std::to_string(Index)
                                                : FStrip->Description);
  } else {
    lbl->SetCaption("none");
    FStrip = nullptr;
    lb->Clear();
    lb->SetEnabled(false);
  }
  ZYLEnableAll({Prop, btnProp, Properties1}, current);
  const bool any = lbm->GetItems()->Count() > 0;
  ZYLEnableAll({Clear3, ClearList1, Save, mnuSaveIML, comp}, any);
  const int sel = SelectedStrip();
  ZYLEnableAll({Remove2, Delete1}, sel >= 0);
  ZYLEnableAll({Up2, Up4}, sel > 0);
  ZYLEnableAll({Down2, Down4}, sel >= 0 && sel < count - 1);
  FStripIndex = current ? Index : -1;
  SetLabels(-1, true);
}

void TZYLImageListEditorDlg::lbmClick(TObject*) {
  const int i = lbm->GetInteger(TZYLListBox::iiItemIndex);
  if (i != FStripIndex) SetMainList(i, true);
}

void TZYLImageListEditorDlg::lbmDblClick(TObject*) {
  if (SelectedStrip() >= 0) StripProperties(SelectedStrip());
}

void TZYLImageListEditorDlg::StripProperties(int Index) {
  TZYLImageListItem* s = ImageList()->GetArrayItem(Index);
  auto dlg = ZYLCreateEditorForm<TZYLFrmprop>(nullptr);
  dlg->SetImportMode(false);
  dlg->ed1->SetIntValue(s->Height());
  dlg->ed2->SetIntValue(s->Width());
  dlg->ed3->SetIntValue(s->AllocBy);
  dlg->compress->SetChecked(s->Compressed);
  dlg->cmb->SetItemIndex(static_cast<int>(s->PixelFormat));
  dlg->desc->SetText(s->Description);
  dlg->Maske->SetChecked(s->Masked());
  if (!ZYLRunEditorForm(dlg.get())) return;
  s->PixelFormat = static_cast<TZYLSavePixelFormat>(std::clamp(dlg->cmb->ItemIndex(), 0, 4));
  s->SetInteger(TZYLImageListItem::iiHeight, dlg->ed1->IntValue());
  s->SetInteger(TZYLImageListItem::iiWidth, dlg->ed2->IntValue());
  s->SetMaskedState(dlg->Maske->Checked());
  s->Description = dlg->desc->Text();
  s->Compressed = dlg->compress->Checked();
  s->AllocBy = dlg->ed3->IntValue();
  FStripIndex = -1;  // the strip's size may have changed: refit the image lines
  SetMainList(Index, true);
}

void TZYLImageListEditorDlg::MoveStrip(int Step) {
  const int i = SelectedStrip(), to = i + Step;
  if (i < 0 || to < 0 || to >= ImageList()->Count()) return;
  ImageList()->Move(i, to);
  FStripIndex = -1;
  SetMainList(to, true);
}

void TZYLImageListEditorDlg::popmainClick(TObject* Sender) {
  TZYLImageList* list = ImageList();
  if (Is(Sender, {Add2, Add3})) {
    const int i = list->Add();
    list->Item(i)->Compressed = list->DefaultCompressed();
    list->Item(i)->PixelFormat = list->DefaultPixelFormat();
    SetMainList(i, true);
    StripProperties(i);
  } else if (Is(Sender, {Remove2, Delete1})) {
    const int i = SelectedStrip();
    if (i < 0) return;
    list->Delete(i);
    FStripIndex = -1;
    // The strip that moves into the deleted one's place becomes current; none after the last.
    SetMainList(i, true);
  } else if (Is(Sender, {Clear3, ClearList1})) {
    if (vcl::MessageDlg(vcl::SZYLDeleteList, vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0) ==
        vcl::mrNo)
      return;
    list->Clear();
    SetMainList(-1, true);
  } else if (Is(Sender, {Up2, Up4})) {
    MoveStrip(-1);
  } else if (Is(Sender, {Down2, Down4})) {
    MoveStrip(1);
  } else if (Is(Sender, {checkall, UnCheckAll})) {
    for (int i = 0; i < list->Count(); ++i) list->Item(i)->Compressed = Sender == checkall;
    SetMainList(SelectedStrip(), true);
  } else if (Is(Sender, {Prop, btnProp, Properties1})) {
    lbmDblClick(Sender);
  }
}

void TZYLImageListEditorDlg::OpenListFile(const std::string& File) {
  ImageList()->LoadFromFile(File);
  FStrip = nullptr;
  FStripIndex = -1;
  SetMainList(-1, true);
}

void TZYLImageListEditorDlg::OpenMRUFile(const std::string& File) { OpenListFile(File); }

void TZYLImageListEditorDlg::fileClick(TObject* Sender) {
  // The list files of the whole image list: their folder is remembered for the kind, and the
  // files opened or saved go to the recently used list.
  if (Is(Sender, {load, mnuLoadIML})) {
    if (!RunFileDialog(FileDialog)) return;
    const std::string file = FileDialog->FileName();
    OpenListFile(file);
    RememberFile(file, mru);
  } else if (Is(Sender, {Save, mnuSaveIML})) {
    if (!RunFileDialog(SaveDialog)) return;
    const std::string file = SaveDialog->FileName();
    ImageList()->SaveToFile(file);
    RememberFile(file, mru);
  } else if (Is(Sender, {addlist, AddList1})) {
    if (!RunFileDialog(FileDialog)) return;
    const std::string file = FileDialog->FileName();
    TZYLImageList other(nullptr);
    other.LoadFromFile(file);
    ImageList()->AddList(&other);
    FStrip = nullptr;
    FStripIndex = -1;
    SetMainList(-1, true);
    RememberFile(file, nullptr);
  } else if (Sender == Quit1) {
    SetModalResult(vcl::mrOk);
  } else if (Sender == quit2) {
    SetModalResult(vcl::mrCancel);
  }
}

// --- the right-hand level: the images of the current strip -----------------------------------

void TZYLImageListEditorDlg::SetLabels(int Index, bool Rebuild) {
  FillLines(Index, Rebuild);
  WriteGeneral();
}

void TZYLImageListEditorDlg::WriteGeneral() {
  const int i = CurrentLine(), n = lb->GetItems()->Count();
  const bool multi = MultiSelect(), enabled = lb->Enabled();
  const int strip = SelectedStrip();
  ZYLEnableAll({btnLoad, mnuLoad, mnuAddFromFile, bmp2iml, avi2iml}, enabled && strip >= 0);
  ZYLEnableAll({btnSave, mnuSave, saveasbmp, clear, Clear1, ClearAll1}, enabled && n > 0);
  ZYLEnableAll({mnuSelectAll}, enabled && n > 0 && multi);
  ZYLEnableAll({remove, Remove1, mnuDelete, btnCut, mnuCut, btnCopy, mnuCopy}, n > 0);
  ZYLEnableAll({Down1, Down, Down3}, n > 0 && i >= 0 && i < n - 1 && !multi);
  ZYLEnableAll({Up1, up, Up3}, i > 0 && !multi);
  ZYLEnableAll({add, Add1, addfast, singleselect, multisel, mnuMulti}, enabled);
  ZYLEnableAll({btnPaste, mnuPaste}, vcl::Clipboard()->HasFormat(vcl::CF_COMPONENT));
  if (strip >= 0 && strip < lbm->GetItems()->Count()) {
    const std::vector<std::string> columns = StripColumns(strip);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
      lbm->SetItemPart(strip, c, columns[c]);
    lbm->SetInteger(TZYLListBox::iiItemIndex, strip);
  }
}

int TZYLImageListEditorDlg::ItemCount() const { return FStrip ? FStrip->GetCount() : 0; }

void TZYLImageListEditorDlg::MoveItem(int From, int To) { FStrip->Move(From, To); }

void TZYLImageListEditorDlg::DeleteItem(int Index) { FStrip->Delete(Index); }

void TZYLImageListEditorDlg::ClearItems() {
  if (FStrip) FStrip->Clear();
}

bool TZYLImageListEditorDlg::AddImage(vcl::TBitmap* Image, const std::string& Name) {
  if (FStrip->AddMasked(Image, Image->TransparentColor()) >= 0) return true;
  vcl::MessageDlg(vcl::Format(vcl::SZYLImageNotAdded, {Name, FStrip->Width(), FStrip->Height()}),
                  vcl::mtWarning, {vcl::mbOK}, 0);
  return false;
}

bool TZYLImageListEditorDlg::EditItem(int Index) {
  if (!FStrip || Index < ItemCount()) return false;  // images have no properties of their own
  const std::string file = ZYLChoosePicture(vcl::TBitmap::StaticClass(), true);
  if (file.empty()) return false;
  vcl::TBitmap bmp;
  bmp.LoadFromFile(file);
  return AddImage(&bmp, file);
}

TZYLListEditorForm::TZYLAppendStep TZYLImageListEditorDlg::LoadDropped(const std::string& File) {
  if (!FStrip) return {};
  auto bmp = std::make_shared<vcl::TBitmap>();
  bmp->LoadFromFile(File);
  return [this, bmp, File] { return AddImage(bmp.get(), File); };
}

void TZYLImageListEditorDlg::CopyItems(const std::vector<int>& Lines, bool Cut) {
  // The images travel as an image list of one strip with the current strip's size and masks.
  TZYLImageList carrier(nullptr);
  auto* copy = static_cast<TZYLImageListItem*>(carrier.Item(carrier.Add()));
  copy->SetInteger(TZYLImageListItem::iiWidth, FStrip->Width());
  copy->SetInteger(TZYLImageListItem::iiHeight, FStrip->Height());
  copy->SetMaskedState(FStrip->Masked());
  vcl::TBitmap image, mask;
  for (int line : Lines) {
    FStrip->GetBitmap(line, &image);
    const bool masked = FStrip->Masked() && FStrip->GetMaskBitmap(line, &mask);
    copy->Add(&image, masked ? &mask : nullptr);
  }
  vcl::Clipboard()->SetComponent(&carrier);
  if (Cut)
    for (auto line = Lines.rbegin(); line != Lines.rend(); ++line) FStrip->Delete(*line);
}

int TZYLImageListEditorDlg::PasteAt() const { return std::max(CurrentLine(), 0); }

int TZYLImageListEditorDlg::PasteItems(int At) {
  if (!FStrip) return 0;
  if (vcl::Clipboard()->ComponentClassName() != TZYLImageList::StaticClass()->ClassName()) return 0;
  std::unique_ptr<vcl::TComponent> pasted(vcl::Clipboard()->GetComponent(nullptr, nullptr));
  TZYLImageListItem* strip = FirstStrip(dynamic_cast<TZYLImageList*>(pasted.get()));
  if (!strip || strip->GetCount() == 0) return 0;
  if (strip->Width() != FStrip->Width() || strip->Height() != FStrip->Height()) {
    vcl::MessageDlg(vcl::Format(vcl::SZYLImageNotAdded, {std::string("from the clipboard"),
                                                         FStrip->Width(), FStrip->Height()}),
                    vcl::mtWarning, {vcl::mbOK}, 0);
    return 0;
  }
  FStrip->InsertImages(std::min(At, FStrip->GetCount()), strip);
  return strip->GetCount();
}

void TZYLImageListEditorDlg::LoadListFile(const std::string& File) {
  if (!FStrip) return;
  TZYLImageListItem read;
  read.LoadFromFile(File);
  FStrip->Clear();
  FStrip->SetInteger(TZYLImageListItem::iiHeight, read.Height());
  FStrip->SetInteger(TZYLImageListItem::iiWidth, read.Width());
  FStrip->SetMaskedState(read.Masked());
  FStrip->AddImages(&read);
  FitItemHeight();
}

void TZYLImageListEditorDlg::SaveListFile(const std::string& File) {
  if (FStrip) FStrip->SaveToFile(File);
}

bool TZYLImageListEditorDlg::AddFromListFile(const std::string& File) {
  return FStrip && ZYLCPIMLAddItemsFromFile(File, ImageList(), SelectedStrip());
}

bool TZYLImageListEditorDlg::ConfirmReplace() {
  return FStrip->GetCount() == 0 || vcl::MessageDlg(vcl::SZYLReplaceList, vcl::mtConfirmation,
                                                    {vcl::mbYes, vcl::mbNo}, 0) != vcl::mrNo;
}

void TZYLImageListEditorDlg::ImportBitmap() {
  if (!FStrip || !ConfirmReplace()) return;
  vcl::TFinally restore([this] { SetStdFilter(); });
  FileDialog->SetFileName("*.bmp");
  FileDialog->SetDefaultExt("bmp");
  FileDialog->SetFilter(vcl::GraphicFilter(vcl::TBitmap::StaticClass()));
  if (!FileDialog->Execute()) return;
  const std::string file = FileDialog->FileName();
  vcl::TBitmap bmp;
  bmp.LoadFromFile(file);
  if (bmp.Empty()) return;
  auto dlg = ZYLCreateEditorForm<TZYLFrmprop>(nullptr);
  dlg->SetImportMode(true);
  // Every divisor of the width, the width itself included: a bitmap one pixel wide still
  // makes one image.
  ZYLGetDivider(dlg->rows->Items(), bmp.Width());
  dlg->rows->Items()->Add(std::to_string(bmp.Width()));
  if (dlg->rows->Items()->Count() > 0) dlg->rows->SetItemIndex(0);
  if (!ZYLRunEditorForm(dlg.get()) || dlg->rows->ItemIndex() < 0) return;
  const int count = std::stoi(dlg->rows->Items()->Strings(dlg->rows->ItemIndex()));
  FStrip->LoadFromBitmap(file, count, dlg->mk->Checked());
  FitItemHeight();
  SetLabels(-1, true);
}

void TZYLImageListEditorDlg::ImportClip() {
  if (!FStrip || !ConfirmReplace()) return;
  TZYLImageListItem captured;
  if (!TZYLFrmcavi::Edit(&captured)) return;
  FStrip->Clear();
  FStrip->Assign(&captured);
  FitItemHeight();
  SetLabels(-1, true);
}

void TZYLImageListEditorDlg::SaveStripAsBitmap() {
  if (!FStrip) return;
  vcl::TFinally restore([this] { SetStdFilter(); });
  SaveDialog->SetFileName("*.bmp");
  SaveDialog->SetDefaultExt("bmp");
  SaveDialog->SetFilter(vcl::GraphicFilter(vcl::TBitmap::StaticClass()));
  SaveDialog->SetTitle(vcl::SZYLSaveBmpAs);
  vcl::TFinally title([this] { SaveDialog->SetTitle(""); });
  if (!SaveDialog->Execute()) return;
  std::unique_ptr<vcl::TBitmap> strip(FStrip->GetImageBitmap());
  strip->SaveToFile(SaveDialog->FileName());
}

bool TZYLImageListEditorDlg::OwnFileAction(TObject* Sender) {
  if (Sender == bmp2iml)
    ImportBitmap();
  else if (Sender == avi2iml)
    ImportClip();
  else if (Sender == saveasbmp)
    SaveStripAsBitmap();
  else if (!FStrip && Is(Sender, {btnLoad, mnuLoad, btnSave, mnuSave, mnuAddFromFile}))
    return true;
  else
    return false;
  return true;
}

void TZYLImageListEditorDlg::lbDrawItem(vcl::TWinControl*, int Index, vcl::TRect Rect,
                                        vcl::TOwnerDrawState State) {
  if (!FStrip || Index < 0 || Index >= FStrip->GetCount()) return;
  lb->PrepareDrawItem(Rect, State, Index);
  vcl::TCanvas* c = lb->GetCanvas();
  const int first = lb->Header()->GetSectionWidth(0);
  ZYLDrawText(c, std::to_string(Index), nullptr,
              win::TRect{Rect.Left, Rect.Top, Rect.Left + first - 2, Rect.Bottom}, kCentred);
  win::TRect pic{Rect.Left + first + 2, Rect.Top + 2, 0, 0};
  bool stretch = false;
  if (FStrip->Height() > 100) {
    pic.Bottom = pic.Top + 100;
    stretch = true;
  } else {
    pic.Bottom = Rect.Bottom - 2;
  }
  if (FStrip->Width() > 264) {
    pic.Right = Rect.Right - 2;
    stretch = true;
  } else {
    pic.Right = pic.Left + FStrip->Width();
  }
  FStrip->DrawExt(c, pic, stretch ? kStretch : 0, Index);
}

}  // namespace zyl
