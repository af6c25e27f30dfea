#include "system/ZYLMRUList.h"

#include <algorithm>

#include "buttons/ZYLBaseGraphicButton.h"
#include "foundation/ZYLReference.h"
#include "foundation/ZYLStrings.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "system/ZYLMsg.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLMRUItem) {}

ZYL_CLASS_IMPL(TZYLMRUList) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLMRUList;
  b.Publish("About")
      .Prop("Button", &T::Button, &T::SetButton)
      .Prop("HelpContext", &T::HelpContext, &T::SetHelpContext)
      .Default(0)
      .Prop("Display", &T::Display, &T::SetDisplay)
      .Default(mdFileName)
      .Prop("Hint", &T::Hint, &T::SetHint)
      .Prop("MaxEntries", &T::MaxEntries, &T::SetMaxEntries)
      .Default(4)
      .Prop("MaxLength", &T::MaxLength, &T::SetMaxLength)
      .Default(255)
      .Prop("MenuItem", &T::MenuItem, &T::SetMenuItem)
      .Prop("Options", &T::Options, &T::SetOptions)
      .Default(TZYLMRUListOptions{moShowAccel, moSubIfEmpty})
      .Prop("Shared", &T::Shared, &T::SetShared)
      .Default(false)
      .Prop("Style", &T::Style, &T::SetStyle)
      .Default(msAfterItem)
      .Publish("IniLink")
      .Publish("IniUse")
      .Default(ioUseGlobal)
      .Publish("Section")
      .Prop("OnClick", &T::GetOnClick, &T::SetOnClick)
      .Prop("OnClearListClick", &T::GetOnClearListClick, &T::SetOnClearListClick)
      .Prop("OnChange", &T::GetOnChange, &T::SetOnChange);
}

namespace {

constexpr const char kClearCaption[] = "Clear List...";
constexpr const char kClearHint[] = "Clear recent files list";
constexpr const char kClearQuestion[] = "Really clear recent files list?";
constexpr const char kValuePrefix[] = "H";
// Below this MaxLength only the file names are shown.
constexpr int kMinPathLength = 13;
constexpr const char kEllipsis[] = "...";

bool IsSeparator(const vcl::TMenuItem* Item) { return Item->IsLine() && Item->Visible(); }

bool IsDelimiter(char C) { return C == '\\' || C == '/'; }

// Doubles every '&' so that the text shows as it stands.
std::string EscapeAmpersands(const std::string& S) {
  std::string out;
  out.reserve(S.size());
  for (char c : S) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}

}  // namespace

TZYLMRUList::TZYLMRUList(vcl::TComponent* AOwner)
    : inherited(AOwner, StaticClass()), FEntries(new vcl::TStringList()) {
  SetIniUse(ioUseGlobal);
  SetSectionDefault();
}

TZYLMRUList::~TZYLMRUList() {
  // The items go with the list, whatever menu they sit in.
  ClearMenu();
  if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
  FMenuItem = nullptr;
  if (FButton) {
    if (FButton->DropDown() == FPopup) FButton->SetDropDown(nullptr);
    FButton->RemoveFreeNotification(this);
    FButton = nullptr;
  }
  FPopup.reset();
  FEntries.reset();
}

void TZYLMRUList::CreateSectionDefault(std::string& Section) {
  // "TZYL" is left out of the class name: Form1 gives "Form1.MRUList".
  const std::string owner = Owner() ? Owner()->Name() : std::string();
  Section = owner + "." + ClassName().substr(4);
}

vcl::TStrings* TZYLMRUList::Entries() const { return FEntries.get(); }

void TZYLMRUList::SetMaxEntries(uint8_t Value) {
  if (FMaxEntries == Value) return;
  FMaxEntries = Value;
  while (FEntries->Count() > FMaxEntries) FEntries->Delete(FEntries->Count() - 1);
  UpdateMenu();
}

void TZYLMRUList::SetMaxLength(uint8_t Value) {
  if (FMaxLength == Value) return;
  FMaxLength = Value;
  UpdateMenu();
}

void TZYLMRUList::SetMenuItem(vcl::TMenuItem* Value) {
  if (ZYLSetReference(this, FMenuItem, Value)) UpdateMenu();
}

void TZYLMRUList::SetHelpContext(int32_t Value) {
  if (FHelpContext == Value) return;
  FHelpContext = Value;
  UpdateMenu();
}

void TZYLMRUList::SetHint(const std::string& Value) {
  if (FHint == Value) return;
  FHint = Value;
  UpdateMenu();
}

void TZYLMRUList::SetOptions(TZYLMRUListOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  UpdateMenu();
}

void TZYLMRUList::SetStyle(TZYLMRUListStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  UpdateMenu();
}

void TZYLMRUList::SetDisplay(TZYLMRUDisplay Value) {
  if (FDisplay == Value) return;
  FDisplay = Value;
  UpdateMenu();
}

void TZYLMRUList::SetButton(TZYLBaseGraphicButton* Value) {
  if (FButton == Value) return;
  if (FButton) {
    if (FPopup && FButton->DropDown() == FPopup) FButton->SetDropDown(nullptr);
    FButton->RemoveFreeNotification(this);
  }
  FButton = Value;
  if (FButton) FButton->FreeNotification(this);
  UpdateMenu();
}

void TZYLMRUList::Add(const std::string& FileName) {
  if (ZYLEmpty(FileName)) return;
  const int found = FEntries->IndexOf(FileName);
  if (found >= 0) FEntries->Delete(found);
  FEntries->Insert(0, FileName);
  if (FEntries->Count() > FMaxEntries) FEntries->Delete(FMaxEntries);
  UpdateMenu();
}

void TZYLMRUList::AddItems(vcl::TStrings* Strings) {
  BeginUpdate();
  for (int i = Strings ? Strings->Count() - 1 : -1; i >= 0; --i) Add(Strings->Strings(i));
  EndUpdate();
  UpdateMenu();
}

void TZYLMRUList::Remove(const std::string& FileName) {
  const int found = FEntries->IndexOf(FileName);
  if (found < 0) return;
  FEntries->Delete(found);
  UpdateMenu();
}

void TZYLMRUList::RemoveAll() {
  ClearMenu();
  FEntries->Clear();
}

void TZYLMRUList::ShareList(vcl::TStrings* Strings) {
  BeginUpdate();
  FEntries->Clear();
  if (Strings) FEntries->AddStrings(Strings);
  EndUpdate();
  UpdateMenu();
}

void TZYLMRUList::CheckSharedFile(const std::string& FileName) {
  bool remove = false;
  if (FOnClick) FOnClick(this, FileName, remove);
  if (remove)
    Remove(FileName);
  else
    Add(FileName);
}

void TZYLMRUList::CheckClearList(vcl::TObject* Sender) {
  if (FOnClearListClick) FOnClearListClick(this);
  HandleMenuClick(Sender);
}

void TZYLMRUList::RestoreState() {
  TZYLIniCtrl* ini = IniCtrl();
  if (!ini) return;
  ini->ReadStringsExt(Section(), kValuePrefix, FEntries.get(), FMaxEntries);
  UpdateMenu();
}

void TZYLMRUList::SaveState() {
  if (TZYLIniCtrl* ini = IniCtrl())
    ini->WriteStringsExt(Section(), kValuePrefix, FEntries.get(), FMaxEntries);
}

void TZYLMRUList::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove) return;
  std::erase(FItems, AComponent);
  if (AComponent == FMenuItem) {
    FMenuItem = nullptr;
    UpdateMenu();
  }
  if (AComponent == FButton) {
    FButton = nullptr;
    UpdateMenu();
  }
}

std::string TZYLMRUList::ShortenedPath(const std::string& FileName) const {
  const size_t limit = FMaxLength;
  const std::string full = vcl::ExpandFileName(FileName);
  const std::string dir = vcl::ExtractFilePath(full);
  const char delim = dir.empty() ? vcl::PathDelim : dir.back();
  const std::string tail = std::string(1, delim) + vcl::ExtractFileName(full);
  const size_t ellipsis = sizeof(kEllipsis) - 1;
  // Levels are taken only while the text with "..." and the tail still fits.
  size_t taken = 0;
  for (size_t i = 0; i < dir.size(); ++i) {
    if (!IsDelimiter(dir[i])) continue;
    if (i + 1 + ellipsis + tail.size() > limit) break;
    taken = i + 1;
  }
  std::string text = taken >= 4 ? dir.substr(0, taken) : dir.substr(0, 3);
  text += kEllipsis + tail;
  // A file name too long for any folder part is cut like any other long text.
  if (text.size() > limit) text = vcl::Trim(text.substr(0, limit - ellipsis)) + kEllipsis;
  return text;
}

std::string TZYLMRUList::ShownText(const std::string& FileName) const {
  if (FOptions.contains(moFileNameOnly) || FMaxLength < kMinPathLength)
    return vcl::ExtractFileName(FileName);
  if (FMaxLength < 255 && FileName.size() > FMaxLength) {
    if (FDisplay == mdDefault) return vcl::Trim(FileName.substr(0, FMaxLength - 3)) + kEllipsis;
    return ShortenedPath(FileName);
  }
  return FileName;
}

TZYLMRUItem* TZYLMRUList::NewItem(vcl::TMenuItem* Parent, int Index, const std::string& Caption,
                                  int Tag) {
  auto* item = new TZYLMRUItem(Parent);
  FItems.push_back(item);
  item->FreeNotification(this);
  item->SetCaption(Caption);
  item->SetTag(Tag);
  item->SetHelpContext(FHelpContext);
  item->SetHint(FHint);
  item->OnClick = vcl::TNotifyEvent(this, &TZYLMRUList::HandleMenuClick);
  Parent->Insert(Index, item);
  return item;
}

void TZYLMRUList::InsertSeparator(vcl::TMenuItem* Parent, int& Index) {
  TZYLMRUItem* item = NewItem(Parent, Index++, "-", 0);
  item->OnClick = {};
}

void TZYLMRUList::InsertEntries(vcl::TMenuItem* Parent, int& Index, bool AllowClear) {
  const bool accel = FOptions.contains(moShowAccel);
  for (int k = 0; k < FEntries->Count(); ++k) {
    std::string caption = EscapeAmpersands(ShownText(FEntries->Strings(k)));
    if (accel) {
      const char key = k < 9 ? static_cast<char>('1' + k) : static_cast<char>('8' + k);
      caption = std::string("&") + key + " " + caption;
    }
    NewItem(Parent, Index++, caption, k);
  }
  if (AllowClear && FOptions.contains(moSubClearOption)) {
    InsertSeparator(Parent, Index);
    NewItem(Parent, Index++, kClearCaption, ClearItemTag)->SetHint(kClearHint);
  }
}

void TZYLMRUList::InsertEmptyItem(vcl::TMenuItem* Parent, int Index) {
  TZYLMRUItem* item = NewItem(Parent, Index, vcl::SRNone, 0);
  item->OnClick = {};
  item->SetEnabled(false);
}

void TZYLMRUList::FillMenuItem() {
  const bool empty = FEntries->Count() == 0;
  if (FMenuItem->Count() > 0) {
    if (empty) return;
    int index = FMenuItem->Count();
    InsertSeparator(FMenuItem, index);
    InsertEntries(FMenuItem, index, false);
    return;
  }
  if (FStyle == msCreateSubMenu) {
    int index = 0;
    if (!empty) {
      // Disabled while the list was empty; entries make it usable again.
      FMenuItem->SetEnabled(true);
      InsertEntries(FMenuItem, index, true);
    } else if (FOptions.contains(moSubIfEmpty)) {
      FMenuItem->SetEnabled(true);
      InsertEmptyItem(FMenuItem, 0);
    } else {
      FMenuItem->SetEnabled(false);
    }
    return;
  }
  vcl::TMenuItem* parent = FMenuItem->Parent();
  if (empty || !parent) return;
  const int i = parent->IndexOf(FMenuItem);
  const bool itemIsSeparator = IsSeparator(FMenuItem);
  if (FStyle == msAfterItem) {
    int index = i + 1;
    const bool closing = parent->Count() - index >= 2 && !IsSeparator(parent->Items(index));
    if (!itemIsSeparator) InsertSeparator(parent, index);
    InsertEntries(parent, index, false);
    if (closing) InsertSeparator(parent, index);
  } else {
    int index = i;
    if (i > 0 && !IsSeparator(parent->Items(i - 1))) InsertSeparator(parent, index);
    InsertEntries(parent, index, false);
    if (!itemIsSeparator) InsertSeparator(parent, index);
  }
}

void TZYLMRUList::FillDropDown() {
  if (!FPopup) FPopup.reset(new vcl::TPopupMenu(this));
  vcl::TMenuItem* root = FPopup->Items();
  int index = 0;
  if (FEntries->Count() > 0) {
    InsertEntries(root, index, true);
  } else {
    root->SetEnabled(true);
    InsertEmptyItem(root, 0);
  }
  FButton->SetDropDown(FPopup);
}

void TZYLMRUList::ClearMenu() {
  while (!FItems.empty()) {
    TZYLMRUItem* item = FItems.back();
    FItems.pop_back();
    item->RemoveFreeNotification(this);
    delete item;
  }
  if (!FButton) FPopup.reset();
}

void TZYLMRUList::UpdateMenu() {
  const auto state = ComponentState();
  if (state.contains(vcl::csDesigning) || state.contains(vcl::csLoading) || FUpdating) return;
  ClearMenu();
  if (FMenuItem) {
    const bool empty = FEntries->Count() == 0;
    const bool stops = empty && (FMenuItem->Count() > 0 || FStyle != msCreateSubMenu);
    FillMenuItem();
    if (stops) return;
  }
  if (FButton) FillDropDown();
  if (FMenuItem || FButton) Change();
}

void TZYLMRUList::HandleMenuClick(vcl::TObject* Sender) {
  auto* item = dynamic_cast<vcl::TComponent*>(Sender);
  if (!item) return;
  const auto tag = item->Tag();
  if (tag == ClearItemTag) {
    if (FOnClearListClick) FOnClearListClick(this);
    if (FShared) return;
    if (ZYLMessageDlg(kClearQuestion, vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0) ==
        vcl::mrYes) {
      RemoveAll();
      UpdateMenu();
    }
    return;
  }
  if (tag < 0 || tag >= FEntries->Count()) return;
  // A copy: the handler and the reordering below change the list and rebuild the menu.
  const std::string entry = FEntries->Strings(static_cast<int>(tag));
  bool remove = false;
  if (FOnClick) FOnClick(this, entry, remove);
  if (FShared) return;
  if (remove)
    Remove(entry);
  else
    Add(entry);
}

}  // namespace zyl
