#include "edits/ZYLDriveComboBox.h"

#include <cctype>
#include <filesystem>

#include "foundation/ZYLProcs.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/base/Numbers.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/sys/Drives.h"
#include "platform/sys/ShellIcons.h"
#include "platform/text/Text.h"
#include "platform/user/WinUser.h"

namespace zyl {

using namespace vcl;

namespace {

// The buffers the system's drive calls fill: a path of the system's longest length.
constexpr win::DWORD kNameBuffer = 261;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string Root(char Letter) { return std::string(1, Letter) + ":\\"; }

// The volume's label in brackets ("[]" when the volume gives none), no error box shown.
std::string VolumeLabel(char Letter) {
  const win::UINT old = win::SetErrorMode(win::SEM_FAILCRITICALERRORS);
  const TFinally restore([old] { win::SetErrorMode(old); });
  char label[kNameBuffer] = {};
  if (!win::GetVolumeInformationA(Root(Letter).c_str(), label, kNameBuffer, nullptr, nullptr,
                                  nullptr, nullptr, 0))
    label[0] = '\0';
  return "[" + AnsiLowerCase(label) + "]";
}

// The drive the current folder lies on: the mapped drive whose folder holds it most closely.
char CurrentDrive() {
  std::error_code ec;
  const std::string current = std::filesystem::weakly_canonical(GetCurrentDir(), ec).string();
  char best = 0;
  size_t bestLength = 0;
  const win::DWORD drives = win::GetLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(drives & (1u << (letter - 'A')))) continue;
    std::string folder =
        std::filesystem::weakly_canonical(NativeFileName(Root(letter)), ec).string();
    if (ec || folder.empty()) continue;
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    const bool holds = folder == "/" || current == folder ||
                       (current.rfind(folder, 0) == 0 && current.size() > folder.size() &&
                        current[folder.size()] == '/');
    if (holds && (best == 0 || folder.size() > bestLength)) {
      best = letter;
      bestLength = folder.size();
    }
  }
  return best;
}

}  // namespace

ZYL_MESSAGE_MAP(TZYLDriveComboBox) { m.On(CM_FONTCHANGED, &TZYLDriveComboBox::CMFontChanged); }

ZYL_CLASS_IMPL(TZYLDriveComboBox) {
  b.Publish({"About",          "Color",          "Ctl3D",       "DragMode",    "DragCursor",
             "DropDownCount",  "DropDownWidth",  "Enabled",     "Flat",        "FocusControl",
             "Font",           "ItemHeight",     "ParentColor", "ParentCtl3D", "ParentFont",
             "ParentShowHint", "PopupMenu",      "ShowHint",    "TabOrder",    "TabStop",
             "UseGlobalTimer", "Visible",        "Anchors",     "Constraints", "DragKind",
             "BiDiMode",       "ParentBiDiMode", "OnSelect",    "OnChange",    "OnClick",
             "OnDblClick",     "OnDragDrop",     "OnDragOver",  "OnDropDown",  "OnEndDrag",
             "OnEnter",        "OnExit",         "OnKeyDown",   "OnKeyPress",  "OnKeyUp",
             "OnStartDrag",    "OnEndDock",      "OnStartDock"});
}

TZYLDriveComboBox::TZYLDriveComboBox(TComponent* AOwner) : inherited(AOwner) {
  SetStyle(csOwnerDrawFixed);
  FDrive = CurrentDrive();
  ResetItemHeight();
}

std::string TZYLDriveComboBox::DriveItemText(char Letter) {
  const char lower = Lower(Letter);
  switch (win::GetDriveTypeA(Root(Letter).c_str()) & 0x7F) {
    case win::DRIVE_UNKNOWN:
    case win::DRIVE_NO_ROOT_DIR: return {};
    case win::DRIVE_REMOVABLE: return std::string(1, lower) + ":";
    case win::DRIVE_REMOTE: {
      char remote[kNameBuffer] = {};
      win::DWORD length = kNameBuffer;
      const std::string local(1,
                              static_cast<char>(std::toupper(static_cast<unsigned char>(Letter))));
      if (win::WNetGetConnectionA((local + ":").c_str(), remote, &length) == 0)
        return Format("%s: %s", {std::string(1, lower), AnsiLowerCase(remote)});
      break;
    }
    default: break;
  }
  return Format("%s: %s", {std::string(1, lower), VolumeLabel(Letter)});
}

void TZYLDriveComboBox::BuildList() {
  Items()->BeginUpdate();
  const TFinally end([this] { Items()->EndUpdate(); });
  Items()->Clear();
  const win::DWORD drives = win::GetLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(drives & (1u << (letter - 'A')))) continue;
    const std::string text = DriveItemText(letter);
    if (!text.empty()) Items()->Add(text);
  }
}

void TZYLDriveComboBox::CreateWnd() {
  inherited::CreateWnd();
  BuildList();
  SetDrive(FDrive);
}

int TZYLDriveComboBox::IndexOfDrive(char Letter) {
  for (int i = 0; i < Items()->Count(); ++i) {
    const std::string item = Items()->Get(i);
    if (item.size() >= 2 && Lower(item[0]) == Lower(Letter) && item[1] == ':') return i;
  }
  return -1;
}

void TZYLDriveComboBox::SetDrive(char Value) {
  if (ItemIndex() >= 0 && Lower(Value) == Lower(FDrive)) return;
  if (Value == 0) {
    FDrive = 0;
    SetItemIndex(-1);
    return;
  }
  // A letter that is not listed (a drive that vanished) changes nothing.
  const int index = IndexOfDrive(Value);
  if (index < 0) return;
  FDrive = Lower(Value);
  SetItemIndex(index);
  Change();
}

void TZYLDriveComboBox::Click() {
  inherited::Click();
  const int index = ItemIndex();
  if (index >= 0) SetDrive(Items()->Get(index)[0]);
}

void TZYLDriveComboBox::ResetItemHeight() { ApplyItemHeight(ZYLGetFontHeight(Font())); }

void TZYLDriveComboBox::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  // While a stream is read its ItemHeight stands.
  if (ComponentState().contains(csLoading)) return;
  ResetItemHeight();
  RecreateWnd();
}

void TZYLDriveComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState) {
  TCanvas* c = Canvas();
  c->FillRect(Rect);
  const std::string item = Items()->Get(Index);
  const int side = ItemHeight();
  win::SHFILEINFOA info;
  const uint32_t size = side < win::GetSystemMetrics(win::SM_CXICON) ? win::SHGFI_SMALLICON : 0;
  // A drive that vanished since the list was built has no icon: its text stands alone.
  if (item.size() >= 2 &&
      ZYLSHGetFileInfo(item.substr(0, 2) + "\\", 0, info, win::SHGFI_ICON | size) && info.hIcon) {
    win::DrawIconEx(c->Handle(), Rect.Left, Rect.Top, info.hIcon, side, side, 0, nullptr,
                    win::DI_NORMAL);
    win::DestroyIcon(info.hIcon);
  }
  win::RECT text = Rect;
  text.Left = vcl::ClampToInt(int64_t{text.Left} + side + 6);
  win::DrawTextA(c->Handle(), item.c_str(), static_cast<int>(item.size()), &text,
                 win::DT_SINGLELINE | win::DT_VCENTER | win::DT_NOPREFIX);
}

}  // namespace zyl
