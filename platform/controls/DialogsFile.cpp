// The open and save dialogs.
#include <algorithm>
#include <memory>
#include <unordered_set>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/DialogsInternal.h"
#include "platform/controls/FileCtrl.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

using namespace dialogs;

namespace dialogs {

std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& Filter) {
  std::vector<std::pair<std::string, std::string>> pairs;
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= Filter.size() && !Filter.empty()) {
    const size_t bar = Filter.find('|', start);
    parts.push_back(
        Filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  for (size_t i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
  // A description without a mask lists everything.
  if (parts.size() % 2 == 1) pairs.emplace_back(parts.back(), "*.*");
  return pairs;
}

std::vector<std::string> SplitNames(const std::string& Text, bool Multi) {
  std::vector<std::string> names;
  if (!Multi || Text.find('"') == std::string::npos) {
    std::string t = Trim(Text);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') t = t.substr(1, t.size() - 2);
    if (!t.empty()) names.push_back(t);
    return names;
  }
  size_t i = 0;
  while (i < Text.size()) {
    const size_t open = Text.find('"', i);
    if (open == std::string::npos) break;
    const size_t close = Text.find('"', open + 1);
    if (close == std::string::npos) {
      names.push_back(Text.substr(open + 1));
      break;
    }
    if (close > open + 1) names.push_back(Text.substr(open + 1, close - open - 1));
    i = close + 1;
  }
  return names;
}

}  // namespace dialogs

namespace {

bool IsAbsolute(const std::string& n) {
  return !n.empty() && (n[0] == '/' || n[0] == '\\' || (n.size() > 1 && n[1] == ':'));
}

// The form of the open and save dialogs.
class TFileForm : public TForm {
 public:
  explicit TFileForm(TOpenDialog* Dialog) : TForm(nullptr), dialog_(Dialog) {
    const bool save = Dialog->IsSaveDialog();
    SetName(save ? "SaveDialogForm" : "OpenDialogForm");
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetCaption(!Dialog->Title().empty() ? Dialog->Title() : save ? SSaveTitle : SOpenTitle);
    const TOpenOptions o = Dialog->Options();
    TLabel* lookIn = AddLabel(this, "LookInLabel", save ? "Save &in:" : "Look &in:", 8, 10);
    lookIn_ = AddComboBox(this, "Folder", 70, 7, 302, csOwnerDrawFixed);
    lookIn_->SetItemHeight(16);
    lookIn_->SetDropDownCount(12);
    lookIn_->OnDrawItem = TDrawItemEvent(this, &TFileForm::DrawLookIn);
    lookIn_->OnSelect = TNotifyEvent(this, &TFileForm::LookInSelect);
    lookIn->SetFocusControl(lookIn_);
    TButton* up = AddButton(this, "Up", "&Up", mrNone, 380, 6, 52, 23);
    up->OnClick = TNotifyEvent(this, &TFileForm::UpClick);
    folders_ = AddListBox(this, "Folders", 8, 34, 160, 170);
    folders_->OnDblClick = TNotifyEvent(this, &TFileForm::FolderOpen);
    files_ = AddListBox(this, "Files", 176, 34, 256, 170);
    files_->SetMultiSelect(o.contains(ofAllowMultiSelect));
    files_->OnClick = TNotifyEvent(this, &TFileForm::FileClick);
    files_->OnDblClick = TNotifyEvent(this, &TFileForm::FileOpen);
    AddLabel(this, "FileNameLabel", "File &name:", 8, 216);
    name_ = AddEdit(this, "FileName", ExtractFileName(Dialog->FileName()), 90, 212, 260);
    AddLabel(this, "FileTypeLabel", save ? "Save as &type:" : "Files of &type:", 8, 244);
    types_ = AddComboBox(this, "FileType", 90, 240, 260);
    types_->OnClick = TNotifyEvent(this, &TFileForm::TypeClick);
    filters_ = ParseFilter(Dialog->Filter());
    if (filters_.empty()) filters_.emplace_back("", "*.*");
    for (const auto& f : filters_) types_->Items()->Add(f.first);
    int index = Dialog->FilterIndex();
    if (index < 1 || index > static_cast<int>(filters_.size())) index = 1;
    types_->SetItemIndex(index - 1);
    readOnly_ =
        AddCheckBox(this, "ReadOnly", "Open as &read-only", o.contains(ofReadOnly), 90, 286, 200);
    readOnly_->SetVisible(!o.contains(ofHideReadOnly));
    TButton* ok = AddButton(this, "OK", save ? "&Save" : "&Open", mrOk, 358, 211, 75, 23);
    ok->SetDefault(true);
    AddButton(this, "Cancel", SCancelButton, mrCancel, 358, 240, 75, 23)->SetCancel(true);
    SetClientWidthProp(440);
    SetClientHeightProp(312);
    SetActiveControl(name_);
    OnCloseQuery = TCloseQueryEvent(this, &TFileForm::CanClose);

    std::string dir = Dialog->InitialDir();
    if (dir.empty()) dir = ExtractFileDir(Dialog->FileName());
    if (dir.empty() || !DirectoryExists(dir)) dir = GetCurrentDir();
    ShowFolder(ExpandFileName(dir), false);
  }

  const std::vector<std::string>& Chosen() const { return chosen_; }
  int FilterIndex() const { return types_->ItemIndex() + 1; }
  bool ReadOnlyChecked() { return readOnly_->Checked(); }

 private:
  std::string Join(const std::string& name) const {
    return IsAbsolute(name) ? ExpandFileName(name)
                            : ExpandFileName(IncludeTrailingPathDelimiter(folder_) + name);
  }

  // The Look in box: the folders from the root down to the one shown (indented a step a level,
  // each item's text its full path), then the mapped drives.
  void ListLookIn() {
    places_.clear();
    size_t from = 0;
    while (from <= folder_.size()) {
      const size_t slash = folder_.find('/', from);
      const std::string path = slash == 0 ? "/" : folder_.substr(0, slash);
      if (!path.empty())
        places_.push_back(
            {path, path == "/" ? path : ExtractFileName(path), static_cast<int>(places_.size())});
      if (slash == std::string::npos) break;
      from = slash + 1;
    }
    const int shown = static_cast<int>(places_.size()) - 1;
    for (char drive : MappedDrives())
      places_.push_back({std::string(1, drive) + ":\\", std::string(1, drive) + ":", 0});
    lookIn_->Items()->BeginUpdate();
    lookIn_->Items()->Clear();
    for (const TPlace& p : places_) lookIn_->Items()->Add(p.Path);
    lookIn_->Items()->EndUpdate();
    lookIn_->SetItemIndex(shown);
  }
  void DrawLookIn(TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
    TCanvas* canvas = lookIn_->Canvas();
    canvas->FillRect(Rect);
    if (Index < 0 || Index >= static_cast<int>(places_.size())) return;
    const TPlace& p = places_[static_cast<size_t>(Index)];
    const int indent = State.contains(odComboBoxEdit) ? 0 : p.Level * 10;
    canvas->TextOut(Rect.Left + 2 + indent, Rect.Top + 1, p.Caption);
  }
  void LookInSelect(TObject*) {
    const int i = lookIn_->ItemIndex();
    if (i < 0 || i >= static_cast<int>(places_.size())) return;
    const std::string& path = places_[static_cast<size_t>(i)].Path;
    const std::string native = path.find(':') == std::string::npos ? path : NativeFileName(path);
    if (native != folder_) ShowFolder(native, true);
  }

  void ShowFolder(const std::string& dir, bool notify) {
    folder_ = ExcludeTrailingPathDelimiter(dir);
    if (folder_.empty()) folder_ = dir.substr(0, 1);
    ListLookIn();
    folders_->Items()->BeginUpdate();
    folders_->Items()->Clear();
    TSearchRec sr;
    const std::string base = IncludeTrailingPathDelimiter(folder_);
    const bool hidden = dialog_->Options().contains(ofForceShowHidden);
    if (FindFirst(base + "*", faDirectory | (hidden ? faHidden : 0), sr) == 0) {
      do {
        if ((sr.Attr & faDirectory) && sr.Name != "." && sr.Name != "..")
          folders_->Items()->Add(sr.Name);
      } while (FindNext(sr) == 0);
      FindClose(sr);
    }
    folders_->Items()->EndUpdate();
    ListFiles();
    if (notify) dialog_->DoFolderChange();
  }

  void ListFiles() {
    files_->Items()->BeginUpdate();
    files_->Items()->Clear();
    const std::string base = IncludeTrailingPathDelimiter(folder_);
    const bool hidden = dialog_->Options().contains(ofForceShowHidden);
    // A file that several masks match is listed once.
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    std::string masks = mask_.empty() ? filters_[std::max(0, types_->ItemIndex())].second : mask_;
    size_t start = 0;
    while (start <= masks.size()) {
      size_t semi = masks.find(';', start);
      const std::string mask =
          Trim(masks.substr(start, semi == std::string::npos ? semi : semi - start));
      if (!mask.empty()) {
        TSearchRec sr;
        if (FindFirst(base + mask, hidden ? faHidden : 0, sr) == 0) {
          do {
            if (!(sr.Attr & faDirectory) && seen.insert(sr.Name).second) names.push_back(sr.Name);
          } while (FindNext(sr) == 0);
          FindClose(sr);
        }
      }
      if (semi == std::string::npos) break;
      start = semi + 1;
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    for (const std::string& n : names) files_->Items()->Add(n);
    files_->Items()->EndUpdate();
  }

  void UpClick(TObject*) {
    const std::string parent = ExtractFileDir(folder_);
    if (!parent.empty() && parent != folder_)
      ShowFolder(parent, true);
    else if (folder_ != "/" && folder_.size() > 1 && folder_[0] == '/')
      ShowFolder("/", true);
  }
  void FolderOpen(TObject*) {
    const int i = folders_->ItemIndex();
    if (i >= 0) ShowFolder(IncludeTrailingPathDelimiter(folder_) + folders_->Items()->Get(i), true);
  }
  void FileClick(TObject*) {
    std::vector<std::string> sel;
    for (int i = 0; i < files_->Items()->Count(); ++i)
      if (files_->Selected(i)) sel.push_back(files_->Items()->Get(i));
    if (sel.size() == 1) {
      name_->SetText(sel[0]);
    } else if (sel.size() > 1) {
      std::string t;
      for (const std::string& s : sel) t += (t.empty() ? "\"" : " \"") + s + "\"";
      name_->SetText(t);
    }
    dialog_->DoSelectionChange(sel.size() == 1 ? Join(sel[0]) : std::string());
  }
  void FileOpen(TObject*) {
    FileClick(this);
    SetModalResult(mrOk);
  }
  void TypeClick(TObject*) {
    mask_.clear();
    ListFiles();
    dialog_->SetFilterIndex(FilterIndex());
    dialog_->DoTypeChange();
  }

  std::string WithDefaultExt(const std::string& full) const {
    const std::string& ext = dialog_->DefaultExt();
    if (ext.empty() || !ExtractFileExt(full).empty()) return full;
    if (!dialog_->IsSaveDialog() && FileExists(full)) return full;
    return full + "." + ext;
  }

  void Refuse(bool& Can, const std::string& message) {
    if (!message.empty()) MessageDlg(message, mtWarning, {mbOK}, 0);
    Can = false;
    name_->SetFocus();
  }

  void CanClose(TObject*, bool& Can) {
    if (ModalResult() != mrOk) return;
    const TOpenOptions o = dialog_->Options();
    std::vector<std::string> typed = SplitNames(name_->Text(), o.contains(ofAllowMultiSelect));
    if (typed.empty()) return Refuse(Can, "");
    if (typed.size() == 1) {
      const std::string& t = typed[0];
      if (t.find_first_of("*?") != std::string::npos) {
        // A mask: the files shown follow it, in the folder it names.
        const std::string dir = ExtractFilePath(t);
        if (!dir.empty() && DirectoryExists(Join(dir))) ShowFolder(Join(dir), true);
        mask_ = ExtractFileName(t);
        ListFiles();
        name_->SetText(mask_);
        return Refuse(Can, "");
      }
      const std::string full = Join(t);
      if (IsPathDelimiter(t, static_cast<int>(t.size())) || DirectoryExists(full)) {
        if (!DirectoryExists(full)) return Refuse(Can, Format(SPathNotFound, {t}));
        ShowFolder(full, true);
        name_->SetText("");
        return Refuse(Can, "");
      }
    }
    std::vector<std::string> chosen;
    for (const std::string& t : typed) {
      const std::string full = WithDefaultExt(Join(t));
      const std::string dir = ExtractFileDir(full);
      if ((o.contains(ofPathMustExist) || o.contains(ofFileMustExist)) && !DirectoryExists(dir))
        return Refuse(Can, Format(SPathNotFound, {t}));
      if (o.contains(ofFileMustExist) && !FileExists(full))
        return Refuse(Can, Format(SFileNotFound, {t}));
      if (dialog_->IsSaveDialog() && o.contains(ofOverwritePrompt) && FileExists(full) &&
          MessageDlg(Format(SFileExistsReplace, {full}), mtWarning, {mbYes, mbNo}, 0) != mrYes)
        return Refuse(Can, "");
      chosen.push_back(full);
    }
    chosen_ = chosen;
    Can = dialog_->DoCanClose();
  }

  struct TPlace {
    std::string Path;     // a native folder, or a drive ("C:\\")
    std::string Caption;  // what the box shows
    int Level;
  };

  TOpenDialog* dialog_;
  std::vector<std::pair<std::string, std::string>> filters_;
  std::string folder_, mask_;
  std::vector<std::string> chosen_;
  std::vector<TPlace> places_;
  TComboBox* lookIn_;
  TListBox* folders_;
  TListBox* files_;
  TEdit* name_;
  TComboBox* types_;
  TCheckBox* readOnly_;
};

}  // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), files_(new TStringList) {}

TOpenDialog::~TOpenDialog() { delete files_; }

bool TOpenDialog::DoCanClose() {
  bool can = true;
  if (OnCanClose) OnCanClose(this, can);
  return can;
}

void TOpenDialog::DoSelectionChange(const std::string& Selected) {
  selected_ = Selected;
  if (OnSelectionChange) OnSelectionChange(this);
}

TForm* TOpenDialog::CreateForm() { return new TFileForm(this); }

bool TOpenDialog::Execute() {
  std::unique_ptr<TForm> form(CreateForm());
  auto* f = static_cast<TFileForm*>(form.get());
  f->HandleNeeded();
  handle_ = f->Handle();
  TFinally clear([this] {
    handle_ = nullptr;
    selected_.clear();
  });
  const std::string startDir = GetCurrentDir();
  if (OnShow) OnShow(this);
  const bool accepted = f->ShowModal() == mrOk;
  if (accepted) {
    files_->Clear();
    for (const std::string& n : f->Chosen()) files_->Add(n);
    fileName_ = f->Chosen().front();
    filterIndex_ = f->FilterIndex();
    if (f->ReadOnlyChecked())
      options_ += ofReadOnly;
    else
      options_ -= ofReadOnly;
    const std::string ext = ExtractFileExt(fileName_);
    if (!defaultExt_.empty() && !SameText(ext, "." + defaultExt_))
      options_ += ofExtensionDifferent;
    else
      options_ -= ofExtensionDifferent;
    if (!options_.contains(ofNoChangeDir)) SetCurrentDir(ExtractFileDir(fileName_));
  }
  if (options_.contains(ofNoChangeDir) || !accepted) SetCurrentDir(startDir);
  if (OnClose) OnClose(this);
  return accepted;
}

TSaveDialog::TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) { save_ = true; }

ZYL_CLASS_IMPL(TOpenDialog) {
  b.Prop("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
      .Prop("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
      .Prop("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
      .Prop("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex)
      .Default(1)
      .Prop("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
      .Prop("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
      .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing})
      .Prop("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle)
      .Prop("OnCanClose", &TOpenDialog::GetOnCanClose, &TOpenDialog::SetOnCanClose)
      .Prop("OnFolderChange", &TOpenDialog::GetOnFolderChange, &TOpenDialog::SetOnFolderChange)
      .Prop("OnSelectionChange", &TOpenDialog::GetOnSelectionChange,
            &TOpenDialog::SetOnSelectionChange)
      .Prop("OnTypeChange", &TOpenDialog::GetOnTypeChange, &TOpenDialog::SetOnTypeChange);
}

ZYL_CLASS_IMPL(TSaveDialog) {}

}  // namespace vcl
