// TZYLWave (a sound held as the bytes of a wave file), the list item that holds one and
// TZYLWaveComp, the component that holds one.
#include "foundation/ZYLCont.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLContInternal.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "foundation/ZYLStreamUtils.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

using vcl::TBitmap;
using vcl::TStream;
using namespace cont_internal;

namespace {

std::vector<std::vector<uint8_t>>& Played() {
  static std::vector<std::vector<uint8_t>> list;
  return list;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TZYLWave

namespace {
uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

// The body of the "fmt " chunk (at least 16 bytes) or nil.
const uint8_t* FindFmt(const std::vector<uint8_t>& d) {
  if (d.size() < 12 || std::memcmp(d.data(), "RIFF", 4) != 0 ||
      std::memcmp(d.data() + 8, "WAVE", 4) != 0)
    return nullptr;
  size_t pos = 12;
  while (pos + 8 <= d.size()) {
    const uint32_t len = Le32(d.data() + pos + 4);
    if (std::memcmp(d.data() + pos, "fmt ", 4) == 0)
      return (len >= 16 && len <= d.size() - pos - 8) ? d.data() + pos + 8 : nullptr;
    if (len > d.size() - pos - 8) return nullptr;
    pos += 8 + size_t(len) + (len & 1);
  }
  return nullptr;
}

std::string WaveError(const std::string& FileName) {
  return std::string("TZYLWave: ") + vcl::Format(vcl::SFOpenError, {FileName});
}
}  // namespace

bool TZYLWave::IsValidWave(const std::vector<uint8_t>& Data) { return FindFmt(Data) != nullptr; }

const uint8_t* TZYLWave::FmtChunk() const { return FindFmt(FData); }

TZYLWaveFormat TZYLWave::GetFormat() const {
  const uint8_t* f = FmtChunk();
  return f && Le16(f) == 1 ? wfPCM : wfUnknown;
}

TZYLChannelMode TZYLWave::GetChannelMode() const {
  const uint8_t* f = FmtChunk();
  if (!f) return cmUnknown;
  switch (Le16(f + 2)) {
    case 1: return cmMono;
    case 2: return cmStereo;
    default: return cmUnknown;
  }
}

int TZYLWave::GetSampleRate() const {
  const uint8_t* f = FmtChunk();
  return f ? static_cast<int>(Le32(f + 4)) : 0;
}

int TZYLWave::GetBits() const {
  const uint8_t* f = FmtChunk();
  return f ? Le16(f + 14) : 0;
}

void TZYLWave::SetData(std::vector<uint8_t> Data) {
  if (!Data.empty() && !IsValidWave(Data)) throw EInvalidWave(SZYLInvalidWaveData);
  FData = std::move(Data);
}

void TZYLWave::FreeWave() {
  Stop();
  FData.clear();
}

void TZYLWave::LoadFromFile(const std::string& FileName) {
  vcl::TFileStream f(FileName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
  const int64_t n = f.Size();
  if (n < 12 || n > 0x7FFFFFFF) throw EInvalidWave(WaveError(FileName));
  std::vector<uint8_t> d(static_cast<size_t>(n));
  f.ReadBuffer(d.data(), static_cast<int32_t>(n));
  if (!IsValidWave(d)) throw EInvalidWave(WaveError(FileName));
  FData = std::move(d);
}

void TZYLWave::SaveToFile(const std::string& FileName) const {
  vcl::TFileStream f(FileName, vcl::fmCreate);
  if (!FData.empty()) f.WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TZYLWave::LoadFromStream(TStream* Stream) {
  const int32_t n = ReadLength(Stream);
  std::vector<uint8_t> d(static_cast<size_t>(n));
  if (n) Stream->ReadBuffer(d.data(), n);
  if (n && !IsValidWave(d)) throw EInvalidWave(SZYLInvalidWaveData);
  FData = std::move(d);
}

void TZYLWave::SaveToStream(TStream* Stream) const {
  WriteI32(Stream, static_cast<int32_t>(FData.size()));
  if (!FData.empty()) Stream->WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TZYLWave::Play() const {
  if (!FData.empty()) Played().push_back(FData);
}

void TZYLWave::Stop() const {}

ZYL_CLASS_IMPL(TZYLWave) {}

void TZYLWave::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { LoadFromStream(s); }, [this](TStream* s) { SaveToStream(s); },
      !GetEmpty());
}

void TZYLWave::Assign(vcl::TPersistent* Source) {
  if (auto* w = dynamic_cast<TZYLWave*>(Source)) {
    FData = w->FData;
    return;
  }
  if (!Source) {
    FData.clear();
    return;
  }
  vcl::TPersistent::Assign(Source);
}

const std::vector<std::vector<uint8_t>>& ZYLPlayedWaves() { return Played(); }
void ZYLClearPlayedWaves() { Played().clear(); }

bool ZYLGetWaveFileInfo(const std::string& FileName, TZYLWaveInfo& Info) {
  try {
    TZYLWave w;
    w.LoadFromFile(FileName);
    Info.Format = w.GetFormat();
    Info.Channels = w.GetChannelMode();
    Info.SampleRate = w.GetSampleRate();
    Info.Bits = w.GetBits();
    Info.Size = w.GetSize();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

TZYLWaveListItem::TZYLWaveListItem() : FWave(std::make_unique<TZYLWave>()) {}
TZYLWaveListItem::~TZYLWaveListItem() = default;
bool TZYLWaveListItem::GetEmpty() const { return FWave->GetEmpty(); }
void TZYLWaveListItem::SetWave(TZYLWave* Value) { FWave->Assign(Value); }
void TZYLWaveListItem::WriteData(TStream* s) const { FWave->SaveToStream(s); }
void TZYLWaveListItem::ReadData(TStream* s, int64_t Size) {
  const int64_t end = s->Position() + Size;
  TZYLWave w;
  w.LoadFromStream(s);
  if (s->Position() > end) throw vcl::EReadError(SZYLInvalidWaveItem);
  FWave->Assign(&w);
  s->SetPosition(end);
}
void TZYLWaveListItem::Assign(vcl::TPersistent* Source) {
  if (auto* o = dynamic_cast<TZYLWaveListItem*>(Source)) {
    TZYLListItem::Assign(o);
    FWave->Assign(o->FWave.get());
    return;
  }
  TZYLListItem::Assign(Source);
}

ZYL_CLASS_IMPL(TZYLWaveComp) { b.Prop("Wave", &TZYLWaveComp::Wave, &TZYLWaveComp::SetWave); }
TZYLWaveComp::TZYLWaveComp(vcl::TComponent* AOwner)
    : inherited(AOwner), FWave(std::make_unique<TZYLWave>()) {}
TZYLWaveComp::~TZYLWaveComp() = default;
void TZYLWaveComp::SetWave(TZYLWave* Value) { FWave->Assign(Value); }
void TZYLWaveComp::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { FWave->LoadFromStream(s); }, nullptr, false);
}
}  // namespace zyl
