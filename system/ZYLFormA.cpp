#include "system/ZYLFormA.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLReference.h"
#include "foundation/ZYLStrings.h"
#include "foundation/ZYLUtils.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellApi.h"

namespace zyl {

// ---------------------------------------------------------------------------------------------
// TZYLAutoDockObject

ZYL_CLASS_IMPL(TZYLAutoDockObject) {
  using T = TZYLAutoDockObject;
  b.Prop("AfterMove", &T::AfterMove, &T::SetAfterMove)
      .Default(true)
      .Prop("Enabled", &T::Enabled, &T::SetEnabled)
      .Default(false)
      .Prop("Sides", &T::Sides, &T::SetSides)
      .Default(TZYLAutoDockSides{adLeft, adTop, adBottom, adRight})
      .Prop("MoveOut", &T::MoveOut, &T::SetMoveOut)
      .Default(TZYLAutoDockSides{adLeft, adTop, adBottom, adRight})
      .Prop("Left", &T::Distance, &T::SetDistance)
      .Index(adLeft)
      .Default(40)
      .Prop("Right", &T::Distance, &T::SetDistance)
      .Index(adRight)
      .Default(40)
      .Prop("Top", &T::Distance, &T::SetDistance)
      .Index(adTop)
      .Default(40)
      .Prop("Bottom", &T::Distance, &T::SetDistance)
      .Index(adBottom)
      .Default(40);
}

void TZYLAutoDockObject::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLAutoDockObject*>(Source)) {
    FAfterMove = s->FAfterMove;
    FEnabled = s->FEnabled;
    FSides = s->FSides;
    FMoveOut = s->FMoveOut;
    for (int i = 0; i < 4; ++i) FDistance[i] = s->FDistance[i];
    Change();
    return;
  }
  inherited::Assign(Source);
}

void TZYLAutoDockObject::SetAfterMove(bool Value) {
  if (ZYLStoreValue(FAfterMove, Value)) Change();
}

void TZYLAutoDockObject::SetEnabled(bool Value) {
  if (ZYLStoreValue(FEnabled, Value)) Change();
}

void TZYLAutoDockObject::SetSides(TZYLAutoDockSides Value) {
  if (ZYLStoreValue(FSides, Value)) Change();
}

void TZYLAutoDockObject::SetMoveOut(TZYLAutoDockSides Value) {
  if (ZYLStoreValue(FMoveOut, Value)) Change();
}

void TZYLAutoDockObject::SetDistance(int Index, int Value) {
  if (Index < 0 || Index > 3) return;
  if (ZYLStoreValue(FDistance[Index], Value)) Change();
}

win::TPoint TZYLAutoDockObject::Dock(int x, int y, int w, int h, const win::TRect& W) const {
  // Distances and sizes are ints of the form; the sums are taken in 64 bits.
  using L = long long;
  win::TPoint r{x, y};
  if (FSides.contains(adLeft) && L(x) < L(W.Left) + FDistance[adLeft]) r.X = W.Left;
  if (FSides.contains(adRight) && L(x) + w > L(W.Right) - FDistance[adRight])
    r.X = static_cast<int>(L(W.Right) - w);
  if (FSides.contains(adTop) && L(y) < L(W.Top) + FDistance[adTop]) r.Y = W.Top;
  if (FSides.contains(adBottom) && L(y) + h > L(W.Bottom) - FDistance[adBottom])
    r.Y = static_cast<int>(L(W.Bottom) - h);
  // A form already pushed past an edge it may leave stays where it is put.
  if ((x < 0 && FMoveOut.contains(adLeft)) || (L(x) + w > W.Right && FMoveOut.contains(adRight)))
    r.X = x;
  if ((y < 0 && FMoveOut.contains(adTop)) || (L(y) + h > W.Bottom && FMoveOut.contains(adBottom)))
    r.Y = y;
  return r;
}

// ---------------------------------------------------------------------------------------------
// TZYLForm

namespace {

bool Designing(const vcl::TComponent* c) { return c->ComponentState().contains(vcl::csDesigning); }

bool IsHeight(int Index) {
  return Index == TZYLForm::liTrackMaxHeight || Index == TZYLForm::liTrackMinHeight ||
         Index == TZYLForm::liMaximizedHeight || Index == TZYLForm::liMaximizedPosY;
}

int ScreenExtent(bool Height) {
  return win::GetSystemMetrics(Height ? win::SM_CYSCREEN : win::SM_CXSCREEN);
}

std::string DefaultIniKey(vcl::TComponent* Owner) {
  if (!dynamic_cast<vcl::TForm*>(Owner)) return "Form";
  const std::string name = Owner->ClassName();
  return name.size() > 1 ? name.substr(1) : std::string("Form");
}

bool IsSectionStored(const TZYLForm* f) {
  return !f->Section().empty() && f->Section() != "Common";
}
bool IsIniKeyStored(const TZYLForm* f) { return !f->IniKey().empty() && f->IniKey() != "Form"; }

// The placement's seven numbers, or false for a value of another shape.
bool ParsePlacement(const std::string& S, int32_t (&Fields)[7]) {
  auto parts = std::make_unique<vcl::TStringList>();
  ZYLParseToStrList(S, ',', parts.get());
  if (parts->Count() != 7 || parts->Strings(0) != std::to_string(TZYLForm::PlacementMarker))
    return false;
  for (int i = 0; i < 7; ++i) {
    const std::string text = parts->Strings(i);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end || errno || v < INT32_MIN || v > INT32_MAX) return false;
    Fields[i] = static_cast<int32_t>(v);
  }
  return true;
}

}  // namespace

ZYL_CLASS_IMPL(TZYLForm) {
  using T = TZYLForm;
  b.Publish("About")
      .Prop("AcceptFiles", &T::AcceptFiles, &T::SetAcceptFiles)
      .Default(false)
      .Prop("CharCase", &T::CharCase, &T::SetCharCase)
      .Default(ccNormal)
      .Prop("Effect", &T::Effect, &T::SetEffect)
      .Default(deNone)
      .Prop("AutoDock", &T::AutoDock, &T::SetAutoDock)
      .Prop("IniLink", &T::IniLink, &T::SetIniLink)
      .Prop("IniUse", &T::IniUse, &T::SetIniUse)
      .Default(ioNone)
      .Prop("IniSaveOptions", &T::IniSaveOptions, &T::SetIniSaveOptions)
      .Default(TZYLFormIniSaveOptions{soPos, soSize, soState})
      .Prop("Section", &T::Section, &T::SetSection)
      .Stored(&IsSectionStored)
      .Prop("IniKey", &T::IniKey, &T::SetIniKey)
      .Stored(&IsIniKeyStored)
      .Prop("DesignPPI", &T::DesignPPI, &T::SetDesignPPI)
      .Default(96)
      .Prop("Options", &T::Options, &T::SetOptions)
      .Default(TZYLFormOptions{foAutoShow});
  const char* limits[liCount] = {"TrackMaxHeight", "TrackMaxWidth",   "TrackMinHeight",
                                 "TrackMinWidth",  "MaximizedHeight", "MaximizedWidth",
                                 "MaximizedPosX",  "MaximizedPosY"};
  for (int i = 0; i < liCount; ++i)
    b.Prop(limits[i], &T::GetInteger, &T::SetInteger).Index(i).Default(0);
  b.Prop("OnMove", &T::GetOnMove, &T::SetOnMove)
      .Prop("OnSize", &T::GetOnSize, &T::SetOnSize)
      .Prop("OnSysColorChange", &T::GetOnSysColorChange, &T::SetOnSysColorChange)
      .Prop("OnIniChange", &T::GetOnIniChange, &T::SetOnIniChange)
      .Prop("OnDevModeChange", &T::GetOnDevModeChange, &T::SetOnDevModeChange)
      .Prop("OnFontChange", &T::GetOnFontChange, &T::SetOnFontChange)
      .Prop("OnTimeChange", &T::GetOnTimeChange, &T::SetOnTimeChange)
      .Prop("OnTrackInfo", &T::GetOnTrackInfo, &T::SetOnTrackInfo)
      .Prop("OnMaximizeInfo", &T::GetOnMaximizeInfo, &T::SetOnMaximizeInfo)
      .Prop("OnPaintIcon", &T::GetOnPaintIcon, &T::SetOnPaintIcon)
      .Prop("OnSpoolerStatus", &T::GetOnSpoolerStatus, &T::SetOnSpoolerStatus)
      .Prop("OnCompacting", &T::GetOnCompacting, &T::SetOnCompacting)
      .Prop("OnMoving", &T::GetOnMoving, &T::SetOnMoving)
      .Prop("OnAPMSuspendRequest", &T::GetOnAPMSuspendRequest, &T::SetOnAPMSuspendRequest)
      .Prop("OnAPMResume", &T::GetOnAPMResume, &T::SetOnAPMResume)
      .Prop("OnAPMCriticalResume", &T::GetOnAPMCriticalResume, &T::SetOnAPMCriticalResume)
      .Prop("OnDisplayChange", &T::GetOnDisplayChange, &T::SetOnDisplayChange)
      .Prop("OnFMDragDrop", &T::GetOnFMDragDrop, &T::SetOnFMDragDrop)
      .Prop("OnNoRestoreData", &T::GetOnNoRestoreData, &T::SetOnNoRestoreData);
}

TZYLForm::TZYLForm(vcl::TComponent* AOwner) : inherited(AOwner) {
  FForceWindowProc = true;
  if (Designing(this) && ZYLCheckForSameClass(AOwner, ClassType(), false))
    throw ZYLEOneInstError(ClassName(), ZYLEOneInstError::okInvalidOwner);
  FIniKey = DefaultIniKey(AOwner);
  FAutoDock.reset(new TZYLAutoDockObject(), vcl::TNotifyEvent(this, &TZYLForm::GetChange));
}

TZYLForm::~TZYLForm() {
  Unchain();
  if (FIniLink) FIniLink->RemoveFreeNotification(this);
}

// A form that outlives its component gets back the handlers the component saved; another form
// component of the form that chained after this one calls them in its place.
void TZYLForm::Unchain() {
  vcl::TCustomForm* f = FChained ? Form() : nullptr;
  FChained = false;
  if (!f) return;
  const vcl::TNotifyEvent show(this, &TZYLForm::OwnerFormShow);
  const vcl::TNotifyEvent destroy(this, &TZYLForm::OwnerFormDestroy);
  if (f->OnShow == show) f->OnShow = FOldShow;
  if (f->OnDestroy == destroy) f->OnDestroy = FOldDestroy;
  for (int i = 0; i < f->ComponentCount(); ++i) {
    auto* other = dynamic_cast<TZYLForm*>(f->Components(i));
    if (!other || other == this || !other->FChained) continue;
    if (other->FOldShow == show) other->FOldShow = FOldShow;
    if (other->FOldDestroy == destroy) other->FOldDestroy = FOldDestroy;
  }
}

vcl::TCustomForm* TZYLForm::Form() const { return dynamic_cast<vcl::TCustomForm*>(Owner()); }

void TZYLForm::SetAcceptFiles(bool Value) {
  if (FAcceptFiles == Value) return;
  FAcceptFiles = Value;
  if (!Designing(this) && Enabled() && ValidOwner())
    win::DragAcceptFiles(GetOwnerHandle(), Value ? win::TRUE : win::FALSE);
}

void TZYLForm::SetAutoDock(TZYLAutoDockObject* Value) {
  if (Value) FAutoDock->Assign(Value);
}

void TZYLForm::SetIniLink(TZYLIniCtrl* Value) { ZYLSetReference(this, FIniLink, Value); }

int TZYLForm::RealOf(int Index, int Value) const {
  if (Value >= 0) return Value;
  return ScreenExtent(IsHeight(Index)) / -Value;
}

void TZYLForm::SetInteger(int Index, int Value) {
  if (Value < -100 || Index < 0 || Index >= liCount || FStored[Index] == Value) return;
  const int real = RealOf(Index, Value);
  switch (Index) {
    case liTrackMaxHeight:
    case liTrackMaxWidth: {
      const int minimum = FReal[Index == liTrackMaxHeight ? liTrackMinHeight : liTrackMinWidth];
      if (real != 0 && real < minimum) return;
      break;
    }
    case liTrackMinHeight:
    case liTrackMinWidth: {
      const int maximum = FReal[Index == liTrackMinHeight ? liTrackMaxHeight : liTrackMaxWidth];
      if (real != 0 && maximum > 0 && real > maximum) return;
      break;
    }
    default: break;
  }
  FStored[Index] = Value;
  FReal[Index] = real;
}

void TZYLForm::SetMaximizedRect(const win::TRect& Rect) {
  SetInteger(liMaximizedPosX, Rect.Left);
  SetInteger(liMaximizedPosY, Rect.Top);
  SetInteger(liMaximizedWidth, Rect.Right);
  SetInteger(liMaximizedHeight, Rect.Bottom);
}

void TZYLForm::SetTrackMaxValues(const win::TPoint& Value) {
  SetInteger(liTrackMaxWidth, Value.X);
  SetInteger(liTrackMaxHeight, Value.Y);
}

void TZYLForm::SetTrackMinValues(const win::TPoint& Value) {
  SetInteger(liTrackMinWidth, Value.X);
  SetInteger(liTrackMinHeight, Value.Y);
}

void TZYLForm::SetRunTimeValues() {
  for (int i = 0; i < liCount; ++i) FReal[i] = RealOf(i, FStored[i]);
  const int width = ScreenExtent(false), height = ScreenExtent(true);
  if (FReal[liTrackMaxWidth] > width) FReal[liTrackMaxWidth] = width;
  if (FReal[liTrackMaxHeight] > height) FReal[liTrackMaxHeight] = height;
  if (FReal[liTrackMaxWidth] != 0 && FReal[liTrackMinWidth] > FReal[liTrackMaxWidth])
    FReal[liTrackMinWidth] = FReal[liTrackMaxWidth];
  if (FReal[liTrackMaxHeight] != 0 && FReal[liTrackMinHeight] > FReal[liTrackMaxHeight])
    FReal[liTrackMinHeight] = FReal[liTrackMaxHeight];
}

win::TRect TZYLForm::GetWorkRect() {
  win::RECT r{};
  win::SystemParametersInfoA(win::SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

void TZYLForm::MakePositionDesigned() {
  vcl::TCustomForm* f = Form();
  if (f && f->Position() != vcl::poDesigned) f->SetPosition(vcl::poDesigned);
}

void TZYLForm::ReadState(vcl::TReader* Reader) {
  inherited::ReadState(Reader);
  vcl::TCustomForm* f = Form();
  if (Designing(this) || !Enabled() || !f || FChained) return;
  FRestored = false;
  FOldShow = f->OnShow;
  FOldDestroy = f->OnDestroy;
  f->OnShow = vcl::TNotifyEvent(this, &TZYLForm::OwnerFormShow);
  f->OnDestroy = vcl::TNotifyEvent(this, &TZYLForm::OwnerFormDestroy);
  FChained = true;
}

void TZYLForm::Loaded() {
  if (FIniUse != ioNone && (FIniSaveOptions.contains(soPos) || FIniSaveOptions.contains(soSize)))
    MakePositionDesigned();
  inherited::Loaded();
}

void TZYLForm::Init() {
  if (FIniUse != ioNone && (FIniSaveOptions.contains(soPos) || FIniSaveOptions.contains(soSize)))
    MakePositionDesigned();
  inherited::Init();
  if (!Enabled() || Designing(this)) return;
  if (FAcceptFiles && ValidOwner()) win::DragAcceptFiles(GetOwnerHandle(), win::TRUE);
  SetRunTimeValues();
}

void TZYLForm::RestoreState() {
  const vcl::TComponentState state = ComponentState();
  if (!state.contains(vcl::csDesigning) && !state.contains(vcl::csDestroying) && ValidOwner())
    win::DragAcceptFiles(GetOwnerHandle(), win::FALSE);
  inherited::RestoreState();
}

void TZYLForm::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove) {
    if (AComponent == FIniLink) FIniLink = nullptr;
    return;
  }
  if (FIniUse != ioUseLink) return;
  if (auto* ini = dynamic_cast<TZYLIniCtrl*>(AComponent); ini && !FIniLink) {
    SetIniLink(ini);
  } else if (AComponent == this && Form() && !FIniLink) {
    TZYLIniCtrl* only = nullptr;
    int count = 0;
    for (int i = 0; i < Owner()->ComponentCount(); ++i)
      if (auto* c = dynamic_cast<TZYLIniCtrl*>(Owner()->Components(i))) only = c, ++count;
    if (count == 1) SetIniLink(only);
  }
}

TZYLIniCtrl* TZYLForm::Storage() const {
  switch (FIniUse) {
    case ioUseLink: return FIniLink;
    case ioUseGlobal: return ZYLApplication() ? ZYLApplication()->IniCtrl() : nullptr;
    default: return nullptr;
  }
}

std::string TZYLForm::GetIniString() {
  win::WINDOWPLACEMENT wp{};
  wp.length = 44;
  if (win::HWND h = GetOwnerHandle()) win::GetWindowPlacement(h, &wp);
  const int32_t values[7] = {
      PlacementMarker,           static_cast<int32_t>(wp.flags), static_cast<int32_t>(wp.showCmd),
      wp.rcNormalPosition.Left,  wp.rcNormalPosition.Top,        wp.rcNormalPosition.Right,
      wp.rcNormalPosition.Bottom};
  return ZYLCodeInt(values, 6, ',');
}

void TZYLForm::NoRestoreData() {
  if (FOptions.contains(foAutoCenter)) ZYLCenterForm(Form());
  if (FOnNoRestoreData) FOnNoRestoreData(this);
}

void TZYLForm::SetIniString(const std::string& S) {
  vcl::TCustomForm* f = Form();
  if (S.empty() || !f) return;
  if (!FIniSaveOptions.contains(soPos) && !FIniSaveOptions.contains(soSize) &&
      !FIniSaveOptions.contains(soState))
    return;
  MakePositionDesigned();
  win::HWND h = GetOwnerHandle();
  win::WINDOWPLACEMENT wp{};
  wp.length = 44;
  win::GetWindowPlacement(h, &wp);
  int32_t v[7];
  // A damaged value restores nothing, as a missing one does: the form still shows.
  if (!ParsePlacement(S, v)) return NoRestoreData();
  if (FIniSaveOptions.contains(soState)) {
    wp.flags = static_cast<win::UINT>(v[1]);
    wp.showCmd = FOptions.contains(foAutoShow) ? static_cast<win::UINT>(v[2]) : 0;
  }
  const bool pos = FIniSaveOptions.contains(soPos), size = FIniSaveOptions.contains(soSize);
  if (pos || size) {
    using L = long long;
    const win::TRect r{v[3], v[4], v[5], v[6]};
    win::RECT& n = wp.rcNormalPosition;
    L left = n.Left, top = n.Top, right = n.Right, bottom = n.Bottom;
    if (pos) {
      left = r.Left;
      top = r.Top;
      if (!size) right = L(f->Width()) + r.Left, bottom = L(f->Height()) + r.Top;
    }
    if (size) {
      if (pos)
        right = r.Right, bottom = r.Bottom;
      else
        right = L(f->Left()) + (L(r.Right) - r.Left), bottom = L(f->Top()) + (L(r.Bottom) - r.Top);
    }
    // A rectangle past the desktop's right or bottom is moved back onto it, keeping its size.
    const L desktopW = win::GetSystemMetrics(win::SM_CXSCREEN);
    const L desktopH = win::GetSystemMetrics(win::SM_CYSCREEN);
    if (right > desktopW) left = desktopW - std::llabs(right - left), right = desktopW;
    if (bottom > desktopH) top = desktopH - std::llabs(bottom - top), bottom = desktopH;
    auto clamp = [](L x) {
      return static_cast<int>(std::max<L>(INT32_MIN, std::min<L>(INT32_MAX, x)));
    };
    n = win::RECT{clamp(left), clamp(top), clamp(right), clamp(bottom)};
  }
  win::SetWindowPlacement(h, &wp);
}

void TZYLForm::ReadData() {
  TZYLIniCtrl* ini = Storage();
  vcl::TCustomForm* f = Form();
  if (!ini || !f) return;
  SetIniString(ini->ReadString(FSection, FIniKey, ""));
  if (FIniSaveOptions.contains(soColor)) {
    const std::string color = ini->ReadString(FSection, FIniKey + "Color", "");
    if (!color.empty()) {
      try {
        f->SetColor(vcl::StringToColor(color));
      } catch (vcl::EConvertError&) {
        // A damaged colour leaves the form's own.
      }
    }
  }
  if (FIniSaveOptions.contains(soFont)) {
    const std::string font = ini->ReadString(FSection, FIniKey + "Font", "");
    if (!font.empty()) ZYLStringToFont(font, f->Font());
  }
}

void TZYLForm::WriteData() {
  TZYLIniCtrl* ini = Storage();
  vcl::TCustomForm* f = Form();
  if (!ini || !f) return;
  ini->WriteString(FSection, FIniKey, GetIniString());
  if (FIniSaveOptions.contains(soColor))
    ini->WriteString(FSection, FIniKey + "Color", vcl::ColorToString(f->Color()));
  else
    ini->DeleteKey(FSection, FIniKey + "Color");
  if (FIniSaveOptions.contains(soFont))
    ini->WriteString(FSection, FIniKey + "Font", ZYLFontToString(f->Font()));
  else
    ini->DeleteKey(FSection, FIniKey + "Font");
}

namespace {

void ScaleControls(vcl::TWinControl* Parent, int Design, int Actual) {
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    vcl::TControl* c = Parent->Controls(i);
    c->SetBounds(win::MulDiv(c->Left(), Design, Actual), win::MulDiv(c->Top(), Design, Actual),
                 win::MulDiv(c->Width(), Design, Actual), win::MulDiv(c->Height(), Design, Actual));
    if (auto* w = dynamic_cast<vcl::TWinControl*>(c)) ScaleControls(w, Design, Actual);
  }
}

}  // namespace

void TZYLForm::AdaptResolution() {
  vcl::TCustomForm* f = Form();
  if (FAdapted || !f || !f->Scaled()) return;
  FAdapted = true;
  if (vcl::Screen) f->SetPixelsPerInch(vcl::Screen->PixelsPerInch());
  const int p = f->PixelsPerInch();
  if (p > 0 && p != FDesignPPI && FDesignPPI > 0) ScaleControls(f, FDesignPPI, p);
}

// The form's own handlers run however reading or writing the settings ends.
void TZYLForm::OwnerFormShow(vcl::TObject* Sender) {
  const vcl::TFinally previous([this, Sender] {
    if (FOldShow) FOldShow(Sender);
  });
  vcl::TCustomForm* f = Form();
  const bool run =
      !Designing(this) && Enabled() && f && !(FOptions.contains(foRestoreOnce) && FRestored);
  if (run) {
    ReadData();
    FRestored = true;
    switch (f->WindowState()) {
      case vcl::wsNormal: {
        int w = f->Width(), h = f->Height();
        if (FReal[liTrackMaxWidth] > 0 && w > FReal[liTrackMaxWidth]) w = FReal[liTrackMaxWidth];
        if (FReal[liTrackMaxHeight] > 0 && h > FReal[liTrackMaxHeight]) h = FReal[liTrackMaxHeight];
        if (FReal[liTrackMinWidth] > 0 && w < FReal[liTrackMinWidth]) w = FReal[liTrackMinWidth];
        if (FReal[liTrackMinHeight] > 0 && h < FReal[liTrackMinHeight]) h = FReal[liTrackMinHeight];
        if (w != f->Width()) f->SetWidth(w);
        if (h != f->Height()) f->SetHeight(h);
        break;
      }
      case vcl::wsMaximized:
        if (FReal[liMaximizedPosX] > 0) f->SetLeft(FReal[liMaximizedPosX]);
        if (FReal[liMaximizedPosY] > 0) f->SetTop(FReal[liMaximizedPosY]);
        if (FReal[liMaximizedWidth] > 0) f->SetWidth(FReal[liMaximizedWidth]);
        if (FReal[liMaximizedHeight] > 0) f->SetHeight(FReal[liMaximizedHeight]);
        break;
      default: break;
    }
    if (FOptions.contains(foTryAdaptRes)) AdaptResolution();
  }
}

void TZYLForm::OwnerFormDestroy(vcl::TObject* Sender) {
  const vcl::TFinally previous([this, Sender] {
    if (FOldDestroy) FOldDestroy(Sender);
  });
  if (Enabled() && !Designing(this)) WriteData();
}

void TZYLForm::DoMessage(vcl::TMessage& M) {
  const auto lo = static_cast<uint16_t>(M.LParam & 0xFFFF);
  const auto hi = static_cast<uint16_t>((M.LParam >> 16) & 0xFFFF);
  const auto text = [&M] {
    const char* s = reinterpret_cast<const char*>(M.LParam);
    return std::string(s ? s : "");
  };
  switch (M.Msg) {
    case win::WM_MOVE:
      if (FOnMove) FOnMove(this);
      break;
    case win::WM_SIZE:
      if (FOnSize) FOnSize(this, lo, hi, static_cast<uint16_t>(M.WParam));
      break;
    case win::WM_SYSCOLORCHANGE:
      if (FOnSysColorChange) FOnSysColorChange(this);
      break;
    case win::WM_SHOWWINDOW:
      if (M.WParam != 0 && M.LParam == 0) {
        if (FEffect == deExplode)
          ZYLExplodeForm(Form());
        else if (FEffect == deExplodeExt)
          ZYLExplodeForm2(Form());
      }
      break;
    case win::WM_WININICHANGE:
      if (FOnIniChange) FOnIniChange(this, text());
      break;
    case win::WM_DEVMODECHANGE:
      if (FOnDevModeChange) FOnDevModeChange(this, text());
      break;
    case win::WM_FONTCHANGE:
      if (FOnFontChange) FOnFontChange(this);
      break;
    case win::WM_TIMECHANGE:
      if (FOnTimeChange) FOnTimeChange(this);
      break;
    case win::WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<win::MINMAXINFO*>(M.LParam);
      if (!info) break;
      if (FOnTrackInfo) {
        FOnTrackInfo(this, info->ptMinTrackSize.X, info->ptMinTrackSize.Y, info->ptMaxTrackSize.X,
                     info->ptMaxTrackSize.Y);
      } else {
        if (FReal[liTrackMaxWidth] > 0) info->ptMaxTrackSize.X = FReal[liTrackMaxWidth];
        if (FReal[liTrackMaxHeight] > 0) info->ptMaxTrackSize.Y = FReal[liTrackMaxHeight];
        if (FReal[liTrackMinWidth] > 0) info->ptMinTrackSize.X = FReal[liTrackMinWidth];
        if (FReal[liTrackMinHeight] > 0) info->ptMinTrackSize.Y = FReal[liTrackMinHeight];
      }
      if (FOnMaximizeInfo) {
        FOnMaximizeInfo(this, info->ptMaxPosition.X, info->ptMaxPosition.Y, info->ptMaxSize.X,
                        info->ptMaxSize.Y);
      } else {
        if (FReal[liMaximizedPosX] > 0) info->ptMaxPosition.X = FReal[liMaximizedPosX];
        if (FReal[liMaximizedPosY] > 0) info->ptMaxPosition.Y = FReal[liMaximizedPosY];
        if (FReal[liMaximizedWidth] > 0) info->ptMaxSize.X = FReal[liMaximizedWidth];
        if (FReal[liMaximizedHeight] > 0) info->ptMaxSize.Y = FReal[liMaximizedHeight];
      }
      M.Result = 0;
      break;
    }
    case win::WM_PAINTICON:
      if (FOnPaintIcon) FOnPaintIcon(this);
      break;
    case win::WM_SPOOLERSTATUS:
      if (FOnSpoolerStatus) FOnSpoolerStatus(this, lo);
      break;
    case win::WM_COMPACTING:
      if (FOnCompacting) FOnCompacting(this, static_cast<int>(M.WParam));
      break;
    case win::WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<win::WINDOWPOS*>(M.LParam);
      vcl::TCustomForm* f = Form();
      if (!pos || !f || !FAutoDock->Enabled() || FAutoDock->AfterMove()) break;
      if (pos->flags & win::SWP_NOMOVE) break;
      if (pos->x == f->Left() && pos->y == f->Top()) break;
      const win::TPoint to =
          FAutoDock->Dock(pos->x, pos->y, f->Width(), f->Height(), GetWorkRect());
      pos->x = to.X;
      pos->y = to.Y;
      bool cancel = false;
      if (FOnMoving) FOnMoving(this, pos->x, pos->y, cancel);
      if (cancel) pos->flags |= win::SWP_NOMOVE;
      break;
    }
    case win::WM_POWER: {
      if (M.WParam == 1) {
        bool cancel = false;
        if (FOnAPMSuspendRequest) FOnAPMSuspendRequest(this, cancel);
        if (cancel) M.Result = -1;
      } else if (M.WParam == 2) {
        if (FOnAPMResume) FOnAPMResume(this);
      } else if (M.WParam == 3) {
        if (FOnAPMCriticalResume) FOnAPMCriticalResume(this);
      }
      break;
    }
    case win::WM_DISPLAYCHANGE:
      SetRunTimeValues();
      if (FOnDisplayChange)
        FOnDisplayChange(this, lo, hi, static_cast<uint16_t>(M.WParam), static_cast<int>(M.WParam));
      break;
    case win::WM_EXITSIZEMOVE: {
      vcl::TCustomForm* f = Form();
      if (!f || !FAutoDock->Enabled()) break;
      const win::TPoint to =
          FAutoDock->Dock(f->Left(), f->Top(), f->Width(), f->Height(), GetWorkRect());
      f->SetBounds(to.X, to.Y, f->Width(), f->Height());
      break;
    }
    case win::WM_DROPFILES:
      if (FOnFMDragDrop)
        ZYLHandleFileDrop(reinterpret_cast<win::HDROP>(M.WParam), FCharCase, this, FOnFMDragDrop);
      break;
    default: break;
  }
}

void TZYLForm::WndProc(vcl::TMessage& Message) {
  if (!Enabled()) return inherited::WndProc(Message);
  // A drop the handler takes is released once, after the form has seen it too, whatever the
  // handler does; without a handler the drop is left to the form's own handling.
  const bool drop = Message.Msg == win::WM_DROPFILES && FOnFMDragDrop;
  const auto dropHandle = reinterpret_cast<win::HDROP>(Message.WParam);
  struct TDropGuard {
    bool Active;
    win::HDROP Drop;
    ~TDropGuard() {
      if (Active) win::DragFinish(Drop);
    }
  } guard{drop, dropHandle};
  DoMessage(Message);
  const win::LRESULT result = Message.Result;
  inherited::WndProc(Message);
  if (Message.Msg == win::WM_GETMINMAXINFO || (Message.Msg == win::WM_POWER && result == -1))
    Message.Result = result;
  if (Message.Msg == vcl::CM_RECREATEWND && FAcceptFiles && ValidOwner())
    win::DragAcceptFiles(GetOwnerHandle(), win::TRUE);
}

}  // namespace zyl
