// TScreen, and the program's Application and Screen objects.
#include "platform/controls/Forms.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "platform/base/Clock.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/Format.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"

namespace vcl {

using namespace win;

// ---------------------------------------------------------------------------------------------
// TScreen

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  hintFont_ = new TFont;
  menuFont_ = new TFont;
  iconFont_ = new TFont;
}

TScreen::~TScreen() {
  delete hintFont_;
  delete menuFont_;
  delete iconFont_;
}

void TScreen::UpdateSystemFonts() {
  NONCLIENTMETRICSA ncm;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
    if (ncm.lfStatusFont.lfFaceName[0])
      hintFont_->SetHandle(CreateFontIndirectA(&ncm.lfStatusFont));
    if (ncm.lfMenuFont.lfFaceName[0]) menuFont_->SetHandle(CreateFontIndirectA(&ncm.lfMenuFont));
  }
  LOGFONTA lf;
  if (SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0) && lf.lfFaceName[0])
    iconFont_->SetHandle(CreateFontIndirectA(&lf));
}

int TScreen::Width() { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() {
  RECT r{0, 0, Width(), Height()};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount()) throw EListError(Format(SListIndexError, {Index}));
  return forms_[Index];
}

void TScreen::AddForm(TCustomForm* Form) { forms_.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), Form), forms_.end());
  if (focusedForm_ == Form) focusedForm_ = nullptr;
  if (activeForm_ == Form) {
    activeForm_ = nullptr;
    activeControl_ = nullptr;
    if (OnActiveFormChange) OnActiveFormChange(this);
  }
}

void TScreen::UpdateActive(TCustomForm* Form, TWinControl* Control) {
  const bool formChanged = activeForm_ != Form;
  const bool controlChanged = activeControl_ != Control;
  activeForm_ = Form;
  activeControl_ = Control;
  if (controlChanged && OnActiveControlChange) OnActiveControlChange(this);
  if (formChanged && OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetCursor(TCursor Value) {
  if (cursor_ == Value) return;
  cursor_ = Value;
  POINT p;
  GetCursorPos(&p);
  win::SetCursor(Cursors(Value == crDefault ? crArrow : Value));
}

HCURSOR TScreen::Cursors(int Index) {
  for (auto& [i, h] : cursors_)
    if (i == Index) return h;
  uintptr_t id = IDC_ARROW;
  switch (Index) {
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crHourGlass:
    case crSQLWait: id = IDC_WAIT; break;
    case crNo:
    case crNoDrop: id = IDC_NO; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
}

void TScreen::SetCursors(int Index, HCURSOR Handle) {
  for (auto& [i, h] : cursors_)
    if (i == Index) {
      h = Handle;
      return;
    }
  cursors_.emplace_back(Index, Handle);
}

namespace {
int CALLBACK_AddFont(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM data) {
  auto* list = reinterpret_cast<std::vector<std::string>*>(data);
  std::string name = lf->lfFaceName;
  if (!name.empty() && name[0] != '@' && std::find(list->begin(), list->end(), name) == list->end())
    list->push_back(name);
  return 1;
}
}  // namespace

const std::vector<std::string>& TScreen::Fonts() {
  if (!fontsLoaded_) {
    {
      TWindowDC dc(nullptr);
      EnumFontFamiliesA(dc, nullptr, &CALLBACK_AddFont, reinterpret_cast<LPARAM>(&fonts_));
    }
    std::sort(fonts_.begin(), fonts_.end());
    fontsLoaded_ = true;
  }
  return fonts_;
}

void TScreen::ResetFonts() {
  fonts_.clear();
  fontsLoaded_ = false;
}

ZYL_CLASS_IMPL(TScreen) {}

namespace {
struct TGlobals {
  TGlobals() {
    Application = new TApplication(nullptr);
    Screen = new TScreen(nullptr);
  }
} globals;
}  // namespace

}  // namespace vcl
