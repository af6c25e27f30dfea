#include "foundation/ZYLFaceController.h"

#include <array>
#include <climits>
#include <cstring>
#include <memory>

#include <zlib.h>

#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLFillObject.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/rtl/Format.h"

namespace zyl {

namespace {

constexpr char kSignature[8] = {'Z', 'Y', 'L', 'F', 'C', 'S', '5', '0'};
constexpr uint8_t kVersion = 1;
constexpr int kHeaderSize = 8 + 1 + 1 + 4 + 4;

uint32_t Crc32(const uint8_t* Data, size_t Size) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes at most a uInt per call.
  while (Size > 0) {
    const uInt part = Size > 0x40000000u ? 0x40000000u : static_cast<uInt>(Size);
    crc = crc32(crc, Data, part);
    Data += part;
    Size -= part;
  }
  return static_cast<uint32_t>(crc);
}

void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t GetU32(const uint8_t* p) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
  return v;
}

// The properties of a setting as a form stream writes them (empty for a default setting).
std::string PropertyBytes(TZYLFaceSetting* Setting) {
  vcl::TMemoryStream mem;
  {
    vcl::TWriter w(&mem, 4096);
    w.WriteProperties(Setting);
  }
  return std::string(static_cast<const char*>(mem.Memory()), static_cast<size_t>(mem.Size()));
}

[[noreturn]] void Bad(const std::string& Why) {
  throw EZYLFaceSettingsError(vcl::Format(SZYLBadFaceSettings, {Why}));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TZYLFaceSetting

ZYL_CLASS_IMPL(TZYLFaceSetting) {
  b.Prop("Bevel", &TZYLFaceSetting::Bevel, &TZYLFaceSetting::SetBevel)
      .Prop("Color", &TZYLFaceSetting::Color, &TZYLFaceSetting::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clNone)
      .Prop("CtlXP", &TZYLFaceSetting::CtlXP, &TZYLFaceSetting::SetCtlXP)
      .Default(true)
      .Prop("FillObject", &TZYLFaceSetting::FillObject, &TZYLFaceSetting::SetFillObject)
      .Prop("FontColor", &TZYLFaceSetting::FontColor, &TZYLFaceSetting::SetFontColor,
            vcl::ColorTypeInfo())
      .Default(vcl::clNone)
      .Prop("Used", &TZYLFaceSetting::Used, &TZYLFaceSetting::SetUsed)
      .Default(false);
}

TZYLFaceSetting::TZYLFaceSetting() {
  FBevel.reset(new TZYLBevel(), vcl::TNotifyEvent(this, &TZYLFaceSetting::GetChange));
  FFillObject.reset(new TZYLFillObject(), vcl::TNotifyEvent(this, &TZYLFaceSetting::GetChange));
}

TZYLFaceSetting::~TZYLFaceSetting() {
  FBevel.reset();
  FFillObject.reset();
}

void TZYLFaceSetting::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLFaceSetting*>(Source)) {
    if (s == this) return;
    const bool wasUpdating = FUpdate;
    BeginUpdate();
    FUsed = s->FUsed;
    FColor = s->FColor;
    FFontColor = s->FFontColor;
    FCtlXP = s->FCtlXP;
    FBevel->Assign(s->FBevel);
    FFillObject->Assign(s->FFillObject);
    if (wasUpdating) return;
    EndUpdate(true);
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLFaceSetting::GetSetStr() { return FUsed ? "{Used}" : "{Unused}"; }

bool TZYLFaceSetting::IsDefault() { return PropertyBytes(this).empty(); }

void TZYLFaceSetting::SetUsed(bool Value) {
  if (FUsed == Value) return;
  FUsed = Value;
  Change();
}

void TZYLFaceSetting::SetBevel(TZYLBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

void TZYLFaceSetting::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFillObject->Assign(Value);
}

void TZYLFaceSetting::SetColor(vcl::TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Change();
}

void TZYLFaceSetting::SetFontColor(vcl::TColor Value) {
  if (FFontColor == Value) return;
  FFontColor = Value;
  Change();
}

void TZYLFaceSetting::SetCtlXP(bool Value) {
  if (FCtlXP == Value) return;
  FCtlXP = Value;
  Change();
}

// ---------------------------------------------------------------------------------------------
// TZYLFaceController

ZYL_CLASS_IMPL(TZYLFaceController) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
}

TZYLFaceController::TZYLFaceController(vcl::TComponent* AOwner) : inherited(AOwner) {
  for (auto& s : FSettings)
    s.reset(new TZYLFaceSetting(), vcl::TNotifyEvent(this, &TZYLFaceController::SettingChanged));
}

TZYLFaceController::~TZYLFaceController() = default;

void TZYLFaceController::SettingChanged(vcl::TObject* /*Sender*/) { Change(); }

void TZYLFaceController::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLFaceController*>(Source)) {
    if (s == this) return;
    BeginUpdate();
    {
      const vcl::TOnFailure cancel([this] { EndUpdate(false); });
      for (int i = 0; i < ZYLFaceStateCount; ++i) FSettings[i]->Assign(s->FSettings[i]);
    }
    EndUpdate(true);
    return;
  }
  inherited::Assign(Source);
}

TZYLFaceSetting* TZYLFaceController::Setting(TZYLFaceState State) const {
  const int i = static_cast<int>(State);
  return i >= 0 && i < ZYLFaceStateCount ? FSettings[i].get() : nullptr;
}

bool TZYLFaceController::IsDefault() const {
  for (TZYLFaceSetting* s : FSettings)
    if (!s->IsDefault()) return false;
  return true;
}

TZYLFaceStates TZYLFaceController::StatesOf(vcl::TObject* Control) const {
  TZYLFaceStates states{fcsNormal};
  if (!Control) return states;
  IZYLFaceController* fc = nullptr;
  if (ZYLSupports(Control, fc)) {
    if (!fc->fcGetEnabled()) states = states + TZYLFaceStates{fcsDisabled};
    if (fc->fcGetFocused()) states = states + TZYLFaceStates{fcsFocused};
    if (fc->fcGetMouseAbove()) states = states + TZYLFaceStates{fcsHot};
  }
  if (FHotControl && static_cast<vcl::TObject*>(FHotControl) == Control)
    states = states + TZYLFaceStates{fcsHot};
  IZYLFaceControllerEditable* ed = nullptr;
  if (ZYLSupports(Control, ed)) {
    if (ed->fcGetModified()) states = states + TZYLFaceStates{fcsModified};
    if (ed->fcGetReadOnly()) states = states + TZYLFaceStates{fcsReadOnly};
    if (ed->fcGetInvalidData()) states = states + TZYLFaceStates{fcsInvalidData};
  }
  IZYLFaceControllerPressable* pr = nullptr;
  if (ZYLSupports(Control, pr) && pr->fcGetDown()) states = states + TZYLFaceStates{fcsDown};
  return states;
}

TZYLFaceState TZYLFaceController::GetState(vcl::TObject* Control) const {
  const TZYLFaceStates states = StatesOf(Control);
  for (int i = ZYLFaceStateCount - 1; i > fcsNormal; --i) {
    const auto st = static_cast<TZYLFaceState>(i);
    if (states.contains(st) && FSettings[i]->Used()) return st;
  }
  return fcsNormal;
}

TZYLFaceSetting* TZYLFaceController::GetSetting(vcl::TObject* Control) const {
  return FSettings[GetState(Control)];
}

TZYLBevel* TZYLFaceController::GetBevel(vcl::TObject* Control) const {
  return GetSetting(Control)->Bevel();
}

TZYLFillObject* TZYLFaceController::GetFillObject(vcl::TObject* Control) const {
  return GetSetting(Control)->FillObject();
}

vcl::TColor TZYLFaceController::GetBackColor(vcl::TObject* Control, vcl::TColor Default) const {
  const vcl::TColor c = GetSetting(Control)->Color();
  return c == vcl::clNone ? Default : c;
}

vcl::TColor TZYLFaceController::GetFontColor(vcl::TObject* Control, vcl::TColor Default) const {
  const vcl::TColor c = GetSetting(Control)->FontColor();
  return c == vcl::clNone ? Default : c;
}

bool TZYLFaceController::GetCtlXP(vcl::TObject* Control) const {
  return GetSetting(Control)->CtlXP();
}

// No free notification of its own here: it is one link per pair of components, and removing
// it on leaving would cut the control's own link to this controller. Controls leave the hot
// state before they are freed.
void TZYLFaceController::EnterHot(vcl::TControl* Control) { FHotControl = Control; }

void TZYLFaceController::LeaveHot(vcl::TControl* Control) {
  if (Control && FHotControl == Control) FHotControl = nullptr;
}

void TZYLFaceController::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent &&
      static_cast<vcl::TComponent*>(FHotControl) == AComponent)
    FHotControl = nullptr;
}

void TZYLFaceController::SaveToStream(vcl::TStream* Stream) {
  vcl::TMemoryStream payload;
  int count = 0;
  {
    vcl::TWriter w(&payload, 4096);
    for (int i = 0; i < ZYLFaceStateCount; ++i) {
      TZYLFaceSetting* s = FSettings[i];
      if (s->IsDefault()) continue;
      w.WriteIdent(vcl::GetEnumName(vcl::TypeInfoOf<TZYLFaceState>(), i));
      w.WriteString(s->ClassName());
      w.WriteProperties(s);
      w.WriteListEnd();
      ++count;
    }
  }
  const auto* data = static_cast<const uint8_t*>(payload.Memory());
  const auto size = static_cast<size_t>(payload.Size());
  uint8_t header[kHeaderSize];
  std::memcpy(header, kSignature, 8);
  header[8] = kVersion;
  header[9] = static_cast<uint8_t>(count);
  PutU32(header + 10, static_cast<uint32_t>(size));
  PutU32(header + 14, Crc32(data, size));
  Stream->WriteBuffer(header, kHeaderSize);
  if (size) Stream->WriteBuffer(data, static_cast<int32_t>(size));
}

void TZYLFaceController::LoadFromStream(vcl::TStream* Stream) {
  if (!Stream) Bad("no stream");
  uint8_t header[kHeaderSize];
  if (Stream->Remaining() < kHeaderSize) Bad("the data is too short");
  Stream->ReadBuffer(header, kHeaderSize);
  if (std::memcmp(header, kSignature, 8) != 0) Bad("not a face controller settings stream");
  if (header[8] == 0 || header[8] > kVersion)
    Bad("unsupported version " + std::to_string(header[8]));
  const int count = header[9];
  if (count > ZYLFaceStateCount) Bad("too many records");
  const uint32_t size = GetU32(header + 10);
  if (size > static_cast<uint32_t>(INT32_MAX)) Bad("the payload is too large");
  if (static_cast<uint64_t>(size) > static_cast<uint64_t>(Stream->Remaining()))
    Bad("the data is truncated");
  vcl::TMemoryStream payload;
  payload.SetSize(size);
  if (size) Stream->ReadBuffer(payload.Memory(), static_cast<int32_t>(size));
  if (Crc32(static_cast<const uint8_t*>(payload.Memory()), size) != GetU32(header + 14))
    Bad("checksum mismatch");

  // Read into fresh settings; only a complete read reaches the controller.
  std::array<std::unique_ptr<TZYLFaceSetting>, ZYLFaceStateCount> loaded;
  for (auto& s : loaded) s = std::make_unique<TZYLFaceSetting>();
  try {
    std::array<bool, ZYLFaceStateCount> seen{};
    vcl::TReader r(&payload, 4096);
    for (int n = 0; n < count; ++n) {
      const int64_t state = vcl::GetEnumValue(vcl::TypeInfoOf<TZYLFaceState>(), r.ReadIdent());
      if (state < 0 || state >= ZYLFaceStateCount) Bad("unknown state");
      if (seen[state]) Bad("a state appears twice");
      seen[state] = true;
      const vcl::TClass cls = vcl::FindClass(r.ReadString());
      if (!cls->InheritsFrom(TZYLFaceSetting::StaticClass())) Bad("wrong setting class");
      if (cls != TZYLFaceSetting::StaticClass()) {
        std::unique_ptr<vcl::TObject> obj(cls->CreateInstance());
        auto* setting = dynamic_cast<TZYLFaceSetting*>(obj.get());
        if (!setting) Bad("wrong setting class");
        obj.release();
        loaded[state].reset(setting);
      }
      while (!r.EndOfList()) r.ReadProperty(loaded[state].get());
      r.ReadListEnd();
    }
    if (r.Position() != static_cast<int64_t>(size)) Bad("unexpected data after the records");
  } catch (const EZYLFaceSettingsError&) {
    throw;
  } catch (const vcl::Exception& e) {
    Bad(e.Message());
  }
  BeginUpdate();
  {
    const vcl::TOnFailure cancel([this] { EndUpdate(false); });
    for (int i = 0; i < ZYLFaceStateCount; ++i) FSettings[i]->Assign(loaded[i].get());
  }
  EndUpdate(true);
}

void TZYLFaceController::SaveToFile(const std::string& FileName) {
  vcl::TFileStream f(FileName, vcl::fmCreate);
  SaveToStream(&f);
}

void TZYLFaceController::LoadFromFile(const std::string& FileName) {
  vcl::TFileStream f(FileName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
  LoadFromStream(&f);
}

void TZYLFaceController::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  bool hasData;
  if (auto* anc = dynamic_cast<TZYLFaceController*>(Filer->Ancestor())) {
    vcl::TMemoryStream a, b;
    anc->SaveToStream(&a);
    SaveToStream(&b);
    hasData = a.Size() != b.Size() ||
              std::memcmp(a.Memory(), b.Memory(), static_cast<size_t>(a.Size())) != 0;
  } else {
    hasData = !IsDefault();
  }
  Filer->DefineBinaryProperty(
      "Settings", [this](vcl::TStream* s) { LoadFromStream(s); },
      [this](vcl::TStream* s) { SaveToStream(s); }, hasData);
}

}  // namespace zyl
