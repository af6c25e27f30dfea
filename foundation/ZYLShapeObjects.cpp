#include "foundation/ZYLShapeObjects.h"

#include <algorithm>

#include "foundation/ZYLConst.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

using vcl::TColor;

// ---------------------------------------------------------------------------------------------
// TZYLSimpleBevel

ZYL_CLASS_IMPL(TZYLSimpleBevel) {
  b.Prop("Color", &TZYLSimpleBevel::GetColor, &TZYLSimpleBevel::SetColor, vcl::ColorTypeInfo())
      .Index(ciColor)
      .Default(vcl::clBlack)
      .Prop("LightColor", &TZYLSimpleBevel::GetColor, &TZYLSimpleBevel::SetColor,
            vcl::ColorTypeInfo())
      .Index(ciLightColor)
      .Default(vcl::clBtnHighlight)
      .Prop("ShadowColor", &TZYLSimpleBevel::GetColor, &TZYLSimpleBevel::SetColor,
            vcl::ColorTypeInfo())
      .Index(ciShadowColor)
      .Default(vcl::clBtnShadow)
      .Prop("Style", &TZYLSimpleBevel::Style, &TZYLSimpleBevel::SetStyle)
      .Default(sbNormal)
      .Prop("Width", &TZYLSimpleBevel::Width, &TZYLSimpleBevel::SetWidth)
      .Default(2);
}

void TZYLSimpleBevel::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLSimpleBevel*>(Source)) {
    FWidth = s->FWidth;
    FStyle = s->FStyle;
    FColor = s->FColor;
    FLightColor = s->FLightColor;
    FShadowColor = s->FShadowColor;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLSimpleBevel::GetSetStr() {
  return "{" + ZYLEnumName(FStyle) + ", " + std::to_string(FWidth) + "}";
}

TColor TZYLSimpleBevel::GetColor(int Index) const {
  return Index == ciLightColor ? FLightColor : Index == ciShadowColor ? FShadowColor : FColor;
}

void TZYLSimpleBevel::SetColor(int Index, TColor Value) {
  TColor& field = Index == ciLightColor    ? FLightColor
                  : Index == ciShadowColor ? FShadowColor
                                           : FColor;
  if (ZYLStoreValue(field, Value)) Change();
}

void TZYLSimpleBevel::SetWidth(uint8_t Value) {
  if (ZYLStoreValue(FWidth, Value)) Change();
}

void TZYLSimpleBevel::SetStyle(TZYLSimpleBevelStyle Value) {
  if (ZYLStoreValue(FStyle, Value)) Change();
}

// ---------------------------------------------------------------------------------------------
// TZYLShadow

ZYL_CLASS_IMPL(TZYLShadow) {
  b.Prop("Color", &TZYLShadow::Color, &TZYLShadow::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnShadow)
      .Prop("Depth", &TZYLShadow::Depth, &TZYLShadow::SetDepth)
      .Default(6)
      .Prop("Style", &TZYLShadow::Style, &TZYLShadow::SetStyle)
      .Default(hssSolid);
}

void TZYLShadow::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLShadow*>(Source)) {
    FColor = s->FColor;
    FDepth = s->FDepth;
    FStyle = s->FStyle;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLShadow::GetSetStr() {
  return "{" + ZYLEnumName(FStyle) + ", " + std::to_string(FDepth) + "}";
}

void TZYLShadow::SetColor(TColor Value) {
  if (ZYLStoreValue(FColor, Value)) Change();
}

void TZYLShadow::SetDepth(uint8_t Value) {
  if (ZYLStoreValue(FDepth, std::min<uint8_t>(Value, 40))) Change();
}

void TZYLShadow::SetStyle(TZYLShadowStyle Value) {
  if (ZYLStoreValue(FStyle, Value)) Change();
}

// ---------------------------------------------------------------------------------------------
// TZYLTeeth

ZYL_CLASS_IMPL(TZYLTeeth) {
  b.Prop("Count", &TZYLTeeth::Count, &TZYLTeeth::SetCount)
      .Default(10)
      .Prop("Direction", &TZYLTeeth::Direction, &TZYLTeeth::SetDirection)
      .Default(tdRight)
      .Prop("Height", &TZYLTeeth::GetInteger, &TZYLTeeth::SetInteger)
      .Index(iiHeight)
      .Default(0)
      .Prop("Offset", &TZYLTeeth::GetBoolean, &TZYLTeeth::SetBoolean)
      .Index(biOffset)
      .Default(true)
      .Prop("SetPerCount", &TZYLTeeth::GetBoolean, &TZYLTeeth::SetBoolean)
      .Index(biSetPerCount)
      .Default(true)
      .Prop("Width", &TZYLTeeth::GetInteger, &TZYLTeeth::SetInteger)
      .Index(iiWidth)
      .Default(10);
}

void TZYLTeeth::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLTeeth*>(Source)) {
    FCount = s->FCount;
    FWidth = s->FWidth;
    FHeight = s->FHeight;
    FOffset = s->FOffset;
    FSetPerCount = s->FSetPerCount;
    FDirection = s->FDirection;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLTeeth::GetSetStr() {
  return "{" + ZYLEnumName(FDirection) + ", " + std::to_string(FCount) + "}";
}

void TZYLTeeth::SetBoolean(int Index, bool Value) {
  if (ZYLStoreValue(Index == biOffset ? FOffset : FSetPerCount, Value)) Change();
}

void TZYLTeeth::SetCount(int32_t Value) {
  if (ZYLStoreValue(FCount, std::clamp<int32_t>(Value, 0, 50))) Change();
}

void TZYLTeeth::SetDirection(TZYLDirection Value) {
  if (ZYLStoreValue(FDirection, Value)) Change();
}

void TZYLTeeth::SetInteger(int Index, int32_t Value) {
  if (ZYLStoreValue(Index == iiWidth ? FWidth : FHeight, Value)) Change();
}

// ---------------------------------------------------------------------------------------------
// TZYLPointList

ZYL_CLASS_IMPL(TZYLPointList) {}

void* TZYLPointList::PackPoint(const vcl::TPoint& P) {
  const uint32_t packed = (static_cast<uint32_t>(static_cast<uint16_t>(P.X))) |
                          (static_cast<uint32_t>(static_cast<uint16_t>(P.Y)) << 16);
  return reinterpret_cast<void*>(static_cast<uintptr_t>(packed));
}

vcl::TPoint TZYLPointList::UnpackPoint(const void* Item) {
  const uint32_t packed = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(Item));
  return vcl::TPoint{static_cast<int16_t>(packed & 0xFFFF), static_cast<int16_t>(packed >> 16)};
}

int TZYLPointList::AddPoint(const vcl::TPoint& P) { return Add(PackPoint(P)); }

bool TZYLPointList::GetPoint(int Index, vcl::TPoint& P) const {
  if (Index < 0 || Index >= Count()) return false;
  P = UnpackPoint(Items(Index));
  return true;
}

vcl::TPoint TZYLPointList::Point(int Index) const { return UnpackPoint(Items(Index)); }

void TZYLPointList::PutPoint(int Index, const vcl::TPoint& P) {
  if (Index < 0 || Index >= Count())
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Index}));
  BeginUpdate();
  SetItems(Index, PackPoint(P));
  EndUpdate(true);
}

void TZYLPointList::Clear() {
  const bool had = Count() > 0;
  BeginUpdate();
  inherited::Clear();
  EndUpdate(had);
}

void TZYLPointList::Assign(const TZYLPointList& Source) {
  if (&Source == this) return;
  BeginUpdate();
  inherited::Clear();
  SetCapacity(Source.Count());
  for (int i = 0; i < Source.Count(); ++i) Add(Source.Items(i));
  EndUpdate(true);
}

void TZYLPointList::EndUpdate(bool DoChange) {
  if (FUpdateCount > 0) --FUpdateCount;
  if (DoChange) Change();
}

void TZYLPointList::Change() {
  if (FUpdateCount == 0 && FOnChange) FOnChange(this);
}

void TZYLPointList::Notify(void* Item, vcl::TListNotification Action) {
  inherited::Notify(Item, Action);
  Change();
}

void TZYLPointList::ReadData(vcl::TReader* Reader) {
  BeginUpdate();
  {
    // On failure the list is left empty.
    const vcl::TOnFailure cancel([this] {
      inherited::Clear();
      EndUpdate(false);
    });
    inherited::Clear();
    Reader->ReadListBegin();
    while (!Reader->EndOfList()) {
      const int32_t x = Reader->ReadInteger();
      if (Reader->EndOfList()) throw vcl::EReadError(SZYLPointListOdd);
      const int32_t y = Reader->ReadInteger();
      AddPoint(vcl::TPoint{x, y});
    }
    Reader->ReadListEnd();
  }
  EndUpdate(true);
}

void TZYLPointList::WriteData(vcl::TWriter* Writer) const {
  Writer->WriteListBegin();
  for (int i = 0; i < Count(); ++i) {
    const vcl::TPoint p = Point(i);
    Writer->WriteInteger(p.X);
    Writer->WriteInteger(p.Y);
  }
  Writer->WriteListEnd();
}

void TZYLPointList::DefineProperties(vcl::TFiler* Filer) {
  Filer->DefineProperty(
      "PointList", [this](vcl::TReader* r) { ReadData(r); },
      [this](vcl::TWriter* w) { WriteData(w); }, Count() > 0);
}

}  // namespace zyl
