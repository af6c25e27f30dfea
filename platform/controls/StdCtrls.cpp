#include "platform/controls/StdCtrls.h"

#include <cctype>
#include <vector>

#include "platform/classes/Registry.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/StdCtrlsInternal.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

bool IsAccel(uint16_t Key, const std::string& Str) {
  for (size_t i = 0; i + 1 < Str.size(); ++i) {
    if (Str[i] != '&') continue;
    if (Str[i + 1] == '&') {
      ++i;
      continue;
    }
    return std::toupper(static_cast<unsigned char>(Str[i + 1])) == std::toupper(Key & 0xFF);
  }
  return false;
}

// ---------------------------------------------------------------------------------------------
// Shared by the controls built on the window system's own classes

namespace stdctrls_internal {

void CreateSubClass(TCreateParams& Params, const char* SystemClass) {
  WNDCLASSA wc;
  if (!GetClassInfoA(nullptr, SystemClass, &wc))
    throw EOutOfResources(Format(SNoWindowClass, {SystemClass}));
  Params.WindowClass.lpfnWndProc = wc.lpfnWndProc;
  Params.WindowClass.style = wc.style & ~(CS_OWNDC | CS_CLASSDC | CS_PARENTDC);
}

int FontHeight(TFont* Font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font->Handle());
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  DeleteDC(dc);
  return tm.tmHeight;
}

void AnswerCtlColor(TMessage& Message, TFont* Font, TBrush* Brush) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font->Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Brush->Color())));
  Message.Result = reinterpret_cast<LRESULT>(Brush->Handle());
}

TOwnerDrawState OwnerDrawState(UINT ItemState) {
  static const std::pair<UINT, TOwnerDrawStateItem> kFlags[] = {
      {ODS_SELECTED, odSelected},        {ODS_GRAYED, odGrayed}, {ODS_DISABLED, odDisabled},
      {ODS_CHECKED, odChecked},          {ODS_FOCUS, odFocused}, {ODS_DEFAULT, odDefault},
      {ODS_COMBOBOXEDIT, odComboBoxEdit}};
  TOwnerDrawState state;
  for (const auto& [flag, item] : kFlags)
    if (ItemState & flag) state += item;
  return state;
}

void DrawItemText(TCanvas* Canvas, TRect Rect, TStrings* Items, int Index) {
  Canvas->FillRect(Rect);
  if (Index >= 0 && Index < Items->Count())
    Canvas->TextOut(Rect.Left + 2, Rect.Top, Items->Get(Index));
}

}  // namespace stdctrls_internal

// ---------------------------------------------------------------------------------------------
// Registration

namespace controls_internal {

namespace {
std::vector<TClass (*)()>& StandardClasses() {
  static auto* v = new std::vector<TClass (*)()>;
  return *v;
}
}  // namespace

TStandardClasses::TStandardClasses(std::initializer_list<TClass (*)()> classes) {
  for (TClass (*c)() : classes) {
    StandardClasses().push_back(c);
    RegisterClass(c());
  }
}

}  // namespace controls_internal

void RegisterStandardControls() {
  for (TClass (*c)() : controls_internal::StandardClasses()) RegisterClass(c());
}

}  // namespace vcl
