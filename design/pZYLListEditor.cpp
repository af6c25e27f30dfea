#include "design/pZYLListEditor.h"

#include <algorithm>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/ZYLCPGet.h"
#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLPECst.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLUtils.h"
#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Menus.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "system/ZYLFMDrop.h"
#include "system/ZYLMRUList.h"

namespace zyl {

using vcl::TObject;

const char ZYLListEditorRegPath[] = "SOFTWARE\\Quorvane\\ZYL-Tools 2003\\";

ZYL_CLASS_IMPL(TZYLListEditorForm) {
  DescribeFields(b);
  using T = TZYLListEditorForm;
  b.Method("PopupClick", &T::PopupClick)
      .Method("fileactionClick", &T::fileactionClick)
      .Method("fmFMDragDrop", &T::fmFMDragDrop)
      .Method("lbClick", &T::lbClick)
      .Method("lbDblClick", &T::lbDblClick)
      .Method("mruClick", &T::mruClick)
      .Method("FormCreate", &T::FormCreate)
      .Method("FormDestroy", &T::FormDestroy)
      .Method("FormClose", &T::FormClose);
}

namespace {
bool ClipboardHasComponent() { return vcl::Clipboard()->HasFormat(vcl::CF_COMPONENT); }

std::string LowerTail(const std::string& S, size_t N) {
  return S.size() < N ? std::string() : vcl::LowerCase(S.substr(S.size() - N));
}
}  // namespace

void ZYLEnableAll(std::initializer_list<vcl::TComponent*> Items, bool Value) {
  for (vcl::TComponent* c : Items) {
    if (auto* item = dynamic_cast<vcl::TMenuItem*>(c))
      item->SetEnabled(Value);
    else if (auto* control = dynamic_cast<vcl::TControl*>(c))
      control->SetEnabled(Value);
  }
}

bool TZYLListEditorForm::Is(TObject* Sender, std::initializer_list<vcl::TComponent*> Items) {
  return Sender && std::find(Items.begin(), Items.end(), Sender) != Items.end();
}

TZYLListEditorForm::TZYLListEditorForm(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLListEditorForm::~TZYLListEditorForm() { ZYLFormDestroying(this); }

TZYLCustomContainer* TZYLListEditorForm::NewList() const {
  return new TZYLCustomContainer(nullptr);
}

std::string TZYLListEditorForm::EditedClassName() const {
  return FList ? FList->ClassName() : std::string();
}

void TZYLListEditorForm::FormCreate(TObject*) {
  FList.reset(NewList());
  if (ini) ini->SetRegPath(ZYLListEditorRegPath + EditedClassName());
  if (mru) mru->ReadData();
  FSuffix = ZYLICGetSuffix(ListKind(), false);
  std::string filter;
  ZYLCPGetFilter(ListKind(), filter);
  for (vcl::TOpenDialog* d : {FileDialog, static_cast<vcl::TOpenDialog*>(SaveDialog)}) {
    if (!d) continue;
    d->SetDefaultExt(FSuffix);
    d->SetFilter(filter);
  }
}

void TZYLListEditorForm::FormDestroy(TObject*) { FList.reset(); }

void TZYLListEditorForm::FormClose(TObject*, vcl::TCloseAction&) {
  if (fm) fm->SetControl(nullptr);
}

// --- the state of the commands ---------------------------------------------------------------

int TZYLListEditorForm::CurrentLine() const { return lb->GetInteger(TZYLListBox::iiItemIndex); }

bool TZYLListEditorForm::MultiSelect() const { return lb->GetBool(TZYLListBox::biMultiSelect); }

std::vector<int> TZYLListEditorForm::SelectedLines() const {
  std::vector<int> lines;
  const int n = lb->GetItems()->Count();
  if (!MultiSelect()) {
    const int i = CurrentLine();
    if (i >= 0 && i < n) lines.push_back(i);
    return lines;
  }
  for (int i = 0; i < n; ++i)
    if (lb->GetSelected(i)) lines.push_back(i);
  return lines;
}

void TZYLListEditorForm::SetLabels(int Index, bool Rebuild) {
  FillLines(Index, Rebuild);
  SetListStates();
  WriteGeneral();
}

void TZYLListEditorForm::FillLines(int Index, bool Rebuild) {
  vcl::TStrings* lines = lb->GetItems();
  lines->BeginUpdate();
  {
    vcl::TFinally end([lines] { lines->EndUpdate(); });
    if (Rebuild) {
      lines->Clear();
      for (int i = 0; i < ItemCount(); ++i) lines->Add(LineText(i));
    }
    Index = std::min(Index, lines->Count() - 1);
    if (Index > -1) lb->SetInteger(TZYLListBox::iiItemIndex, Index);
  }
}

void TZYLListEditorForm::SetListStates() {
  const bool any = ItemCount() > 0;
  ZYLEnableAll({clear, Clear1, ClearAll1, btnSave, mnuSave}, any);
  ZYLEnableAll({comp}, any);
  ZYLEnableAll({mnuSelectAll}, any && MultiSelect());
}

void TZYLListEditorForm::WriteGeneral() {
  const int i = CurrentLine(), n = lb->GetItems()->Count();
  const bool multi = MultiSelect(), any = ItemCount() > 0;
  const bool canRemove = i != -1 && any;
  ZYLEnableAll({remove, Remove1, mnuDelete, btnCut, mnuCut, mnuCopy, btnCopy}, canRemove);
  ZYLEnableAll({Down1, Down, down2}, i >= 0 && i < n - 1 && !multi);
  ZYLEnableAll({Up1, up, Up2}, i > 0 && !multi);
  const int selected = multi ? lb->GetInteger(TZYLListBox::iiSelCount) : (i >= 0 ? 1 : 0);
  ZYLEnableAll({btnProp, Properties1, prop}, i != -1 && selected < 2 && any);
  ZYLEnableAll({btnPaste, mnuPaste}, ClipboardHasComponent());
}

void TZYLListEditorForm::lbClick(TObject*) { WriteGeneral(); }

// --- the item operations -------------------------------------------------------------------

int TZYLListEditorForm::ItemCount() const { return FList ? FList->Count() : 0; }

void TZYLListEditorForm::MoveItem(int From, int To) { FList->Move(From, To); }

void TZYLListEditorForm::DeleteItem(int Index) { FList->Delete(Index); }

void TZYLListEditorForm::ClearItems() { FList->Clear(); }

void TZYLListEditorForm::SetAllCompressed(bool Value) {
  for (int i = 0; i < FList->Count(); ++i) FList->Item(i)->Compressed = Value;
}

void TZYLListEditorForm::CopyItems(const std::vector<int>& Lines, bool Cut) {
  std::unique_ptr<TZYLCustomContainer> copy(NewList());
  for (int line : Lines) copy->Item(copy->Add())->Assign(FList->Item(line));
  vcl::Clipboard()->SetComponent(copy.get());
  if (Cut)
    for (auto line = Lines.rbegin(); line != Lines.rend(); ++line) FList->Delete(*line);
}

int TZYLListEditorForm::PasteItems(int At) {
  // The class is read from the stream's head: nothing is made for a component of another kind.
  if (vcl::Clipboard()->ComponentClassName() != EditedClassName()) return 0;
  std::unique_ptr<vcl::TComponent> pasted(vcl::Clipboard()->GetComponent(nullptr, nullptr));
  auto* list = dynamic_cast<TZYLCustomContainer*>(pasted.get());
  if (!list || list->ItemClassType() != FList->ItemClassType()) return 0;
  if (At >= FList->Count()) {
    FList->AddList(list);
  } else {
    for (int i = list->Count() - 1; i >= 0; --i) {
      FList->Insert(At);
      FList->Item(At)->Assign(list->Item(i));
    }
  }
  return list->Count();
}

int TZYLListEditorForm::PasteAt() const {
  const int i = CurrentLine(), n = ItemCount();
  return i < 0 || i >= n - 1 ? n : i;
}

void TZYLListEditorForm::LoadListFile(const std::string& File) { FList->LoadFromFile(File); }

void TZYLListEditorForm::SaveListFile(const std::string& File) { FList->SaveToFile(File); }

bool TZYLListEditorForm::AddFromListFile(const std::string& File) {
  // An image list lets the user choose the items; other lists take them all.
  if (auto* images = dynamic_cast<TZYLCustomImageList*>(FList.get()))
    return ZYLCPIMLAddItemsFromFile(File, images, 0);
  std::unique_ptr<TZYLCustomContainer> other(NewList());
  other->LoadFromFile(File);
  FList->AddList(other.get());
  return !other->Empty();
}

// --- commands --------------------------------------------------------------------------------

void TZYLListEditorForm::SetSelectMode(TObject* Sender) {
  bool multi;
  if (Sender == mnuMulti) {
    multi = !mnuMulti->Checked();
    if (auto* b = multi ? multisel : singleselect) b->SetPressed(true);
  } else {
    multi = Sender == multisel;
  }
  lb->SetBool(TZYLListBox::biMultiSelect, multi);
  if (mnuMulti) mnuMulti->SetChecked(multi);
  SetLabels(0, false);
}

void TZYLListEditorForm::MoveCurrent(int Step) {
  const int i = CurrentLine(), to = i + Step;
  if (i < 0 || to < 0 || to >= ItemCount()) return;
  MoveItem(i, to);
  lb->GetItems()->Exchange(i, to);
  SetLabels(to, false);
}

void TZYLListEditorForm::ConfirmClear() {
  if (vcl::MessageDlg(vcl::SZYLDeleteList, vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0) ==
      vcl::mrNo)
    return;
  ClearItems();
  SetLabels(-1, true);
}

void TZYLListEditorForm::DeleteSelected() {
  const int i = CurrentLine();
  // Exactly the selected lines go, from the last to the first so the others keep their index.
  const std::vector<int> lines = SelectedLines();
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) DeleteItem(*line);
  SetLabels(i, true);
}

void TZYLListEditorForm::PopupClick(TObject* Sender) {
  if (Is(Sender, {singleselect, multisel, mnuMulti})) {
    SetSelectMode(Sender);
  } else if (Is(Sender, {checkall, UnCheckAll})) {
    SetAllCompressed(Sender == checkall);
    SetLabels(CurrentLine(), true);
  } else if (Is(Sender, {up, Up1, Up2})) {
    MoveCurrent(-1);
  } else if (Is(Sender, {Down, Down1, down2})) {
    MoveCurrent(1);
  } else if (Is(Sender, {add, Add1, Add2})) {
    if (EditItem(ItemCount())) {
      lb->GetItems()->Add("");
      SetLabels(ItemCount() - 1, false);
    }
  } else if (Sender == addfast) {
    AddFilesFromDialog();
  } else if (Sender == mnuSelectAll) {
    vcl::TStrings* lines = lb->GetItems();
    lines->BeginUpdate();
    vcl::TFinally end([lines] { lines->EndUpdate(); });
    for (int i = 0; i < lines->Count(); ++i) lb->SetSelected(i, true);
  } else if (Is(Sender, {clear, Clear1, ClearAll1})) {
    ConfirmClear();
  } else if (Is(Sender, {remove, Remove1, mnuDelete})) {
    DeleteSelected();
  } else if (Is(Sender, {btnProp, prop, Properties1})) {
    lbDblClick(Sender);
  } else if (Is(Sender, {btnCopy, mnuCopy, btnCut, mnuCut})) {
    const std::vector<int> lines = SelectedLines();
    if (lines.empty()) return;
    const bool cut = Is(Sender, {btnCut, mnuCut});
    CopyItems(lines, cut);
    if (cut)
      SetLabels(CurrentLine(), true);
    else
      WriteGeneral();
  } else if (Is(Sender, {btnPaste, mnuPaste})) {
    if (!ClipboardHasComponent()) return;
    const int at = PasteAt();
    const bool append = at >= ItemCount();
    if (PasteItems(at) > 0) SetLabels(append ? ItemCount() - 1 : at, true);
  }
}

void TZYLListEditorForm::lbDblClick(TObject*) {
  const int i = CurrentLine();
  if (i < 0 || i >= ItemCount()) return;
  if (EditItem(i)) SetLabels(i, false);
}

void TZYLListEditorForm::PrepareAddFiles() {
  FileDialog->SetFileName("*" + DropExtension());
  FileDialog->SetDefaultExt(DropExtension());
  FileDialog->SetFilter(vcl::GraphicFilter(vcl::TBitmap::StaticClass()));
}

void TZYLListEditorForm::AddFilesFromDialog() {
  PrepareAddFiles();
  FileDialog->SetOptions(FileDialog->Options() + vcl::ofAllowMultiSelect);
  vcl::TFinally restore([this] {
    FileDialog->SetOptions(FileDialog->Options() - vcl::ofAllowMultiSelect);
    FileDialog->SetFilter(SaveDialog->Filter());
    FileDialog->SetDefaultExt(SaveDialog->DefaultExt());
  });
  if (FileDialog->Execute())
    fmFMDragDrop(nullptr, FileDialog->Files()->Count(), 0, 0, FileDialog->Files());
}

void TZYLListEditorForm::fmFMDragDrop(TObject*, int fcount, int, int, vcl::TStrings* FileList) {
  const std::string ext = vcl::LowerCase(DropExtension());
  vcl::TStrings* lines = lb->GetItems();
  const int before = lines->Count();
  const vcl::TCursor cursor = vcl::Screen->Cursor();
  vcl::Screen->SetCursor(vcl::crHourGlass);
  // However the drop ends, the cursor comes back and the list shows what came in.
  vcl::TFinally finish([this, cursor, before] {
    vcl::Screen->SetCursor(cursor);
    SetLabels(LineAfterDrop(before), false);
  });
  lines->BeginUpdate();
  vcl::TFinally end([lines] { lines->EndUpdate(); });
  const int n = std::min(fcount, FileList ? FileList->Count() : 0);
  for (int i = 0; i < n; ++i) {
    const std::string& name = FileList->Strings(i);
    if (LowerTail(name, ext.size()) != ext) continue;
    // A file that cannot be loaded ends the drop: its exception goes to the user.
    const TZYLAppendStep append = LoadDropped(name);
    if (!append) continue;
    try {
      if (append()) lines->Add("");
    } catch (const vcl::Exception&) {
      // The loaded file could not become an item: the user hears which, the others come in.
      vcl::ShowMessage(vcl::Format(IDS_DROPITEMERROR, {std::string(vcl::SFOpenError), name}));
    }
  }
}

// --- list files ----------------------------------------------------------------------------

bool TZYLListEditorForm::RunFileDialog(vcl::TOpenDialog* Dialog) {
  Dialog->SetInitialDir(ZYLRestoreListPath(ListKind()));
  Dialog->SetFileName("*." + FSuffix);
  return Dialog->Execute();
}

void TZYLListEditorForm::RememberFile(const std::string& File, TZYLMRUList* MRU) {
  ZYLSaveListPath(ListKind(), vcl::ExtractFileDir(File));
  if (MRU) MRU->Add(File);
}

void TZYLListEditorForm::LoadAndShow(const std::string& File) {
  const int before = lb->GetItems()->Count();
  LoadListFile(File);
  SetLabels(before - 1, true);
}

void TZYLListEditorForm::fileactionClick(TObject* Sender) {
  if (OwnFileAction(Sender)) return;
  if (Is(Sender, {btnLoad, mnuLoad})) {
    if (!RunFileDialog(FileDialog)) return;
    const std::string file = FileDialog->FileName();
    LoadAndShow(file);
    RememberFile(file, FilesMRU());
  } else if (Is(Sender, {btnSave, mnuSave})) {
    if (!RunFileDialog(SaveDialog)) return;
    const std::string file = SaveDialog->FileName();
    SaveListFile(file);
    RememberFile(file, FilesMRU());
  } else if (Sender == mnuAddFromFile) {
    if (!RunFileDialog(FileDialog)) return;
    const std::string file = FileDialog->FileName();
    if (AddFromListFile(file)) {
      SetLabels(ItemCount() - 1, true);
      RememberFile(file, nullptr);
    }
  } else if (Is(Sender, {Quit1, ZYLButton1})) {
    SetModalResult(vcl::mrOk);
  } else if (Is(Sender, {quit2, ZYLButton2})) {
    SetModalResult(vcl::mrCancel);
  }
}

void TZYLListEditorForm::mruClick(TObject*, const std::string& FileName, bool& Remove) {
  if (!vcl::FileExists(FileName)) {
    Remove = true;
    return;
  }
  OpenMRUFile(FileName);
}

}  // namespace zyl
