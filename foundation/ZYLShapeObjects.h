// The settings objects of shapes: the simple bevel of a shape's edge, its shadow, the teeth of
// a toothed edge, and the point list that holds a computed outline.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "platform/base/Types.h"
#include "platform/classes/List.h"
#include "platform/graphics/Colors.h"

namespace zyl {

class TZYLSimpleBevel : public TZYLObject {
  ZYL_CLASS(TZYLSimpleBevel, TZYLObject)
  // The indices of the colour properties.
  enum TColorProp : int { ciLightColor, ciShadowColor, ciColor };

  TZYLSimpleBevel() = default;

  void Assign(vcl::TPersistent* Source) override;
  // "{<Style>, <Width>}".
  std::string GetSetStr() override;

  // Index: one of TColorProp; any other index stands for Color.
  vcl::TColor GetColor(int Index) const;
  void SetColor(int Index, vcl::TColor Value);
  vcl::TColor LightColor() const { return FLightColor; }
  vcl::TColor ShadowColor() const { return FShadowColor; }
  vcl::TColor Color() const { return FColor; }
  uint8_t Width() const { return FWidth; }
  void SetWidth(uint8_t Value);
  TZYLSimpleBevelStyle Style() const { return FStyle; }
  void SetStyle(TZYLSimpleBevelStyle Value);

 private:
  uint8_t FWidth = 2;
  TZYLSimpleBevelStyle FStyle = sbNormal;
  vcl::TColor FColor = vcl::clBlack;
  vcl::TColor FLightColor = vcl::clBtnHighlight;
  vcl::TColor FShadowColor = vcl::clBtnShadow;
};

class TZYLShadow : public TZYLObject {
  ZYL_CLASS(TZYLShadow, TZYLObject)
  TZYLShadow() = default;

  void Assign(vcl::TPersistent* Source) override;
  // "{<Style>, <Depth>}".
  std::string GetSetStr() override;

  vcl::TColor Color() const { return FColor; }
  void SetColor(vcl::TColor Value);
  // Depth in pixels, 0 .. 40 (larger values are limited to 40).
  uint8_t Depth() const { return FDepth; }
  void SetDepth(uint8_t Value);
  TZYLShadowStyle Style() const { return FStyle; }
  void SetStyle(TZYLShadowStyle Value);

 private:
  vcl::TColor FColor = vcl::clBtnShadow;
  uint8_t FDepth = 6;
  TZYLShadowStyle FStyle = hssSolid;
};

class TZYLTeeth : public TZYLObject {
  ZYL_CLASS(TZYLTeeth, TZYLObject)
  // The indices of the Boolean properties.
  enum TBooleanProp : int { biOffset, biSetPerCount };
  // The indices of the integer properties.
  enum TIntegerProp : int { iiWidth, iiHeight };

  TZYLTeeth() = default;

  void Assign(vcl::TPersistent* Source) override;
  // "{<Direction>, <Count>}".
  std::string GetSetStr() override;

  // Index: one of TBooleanProp.
  bool GetBoolean(int Index) const { return Index == biOffset ? FOffset : FSetPerCount; }
  void SetBoolean(int Index, bool Value);
  bool Offset() const { return FOffset; }
  bool SetPerCount() const { return FSetPerCount; }
  // Number of teeth, 0 .. 50 (larger values are limited to 50).
  int32_t Count() const { return FCount; }
  void SetCount(int32_t Value);
  TZYLDirection Direction() const { return FDirection; }
  void SetDirection(TZYLDirection Value);
  // Index: one of TIntegerProp.
  int32_t GetInteger(int Index) const { return Index == iiWidth ? FWidth : FHeight; }
  void SetInteger(int Index, int32_t Value);
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }

 private:
  int32_t FCount = 10;
  int32_t FWidth = 10;
  int32_t FHeight = 0;
  bool FOffset = true;
  bool FSetPerCount = true;
  TZYLDirection FDirection = tdRight;
};

// A list of points, each entry packing X in the low and Y in the high 16 bits (sign-extended
// on reading). Every change fires OnChange unless an update is in progress. Streams as the
// extra property "PointList" of its owner (see DefineProperties / ReadData / WriteData).
class TZYLPointList : public vcl::TList {
  ZYL_CLASS(TZYLPointList, vcl::TList)
  TZYLPointList() = default;

  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& Value) { FOnChange = Value; }

  static void* PackPoint(const vcl::TPoint& P);
  static vcl::TPoint UnpackPoint(const void* Item);

  int AddPoint(const vcl::TPoint& P);
  // Point Index; leaves P unchanged and returns false for an index out of range.
  bool GetPoint(int Index, vcl::TPoint& P) const;
  vcl::TPoint Point(int Index) const;
  // Replaces point Index (index errors raise EListError) and signals the change.
  void PutPoint(int Index, const vcl::TPoint& P);
  void Clear() override;
  void Assign(const TZYLPointList& Source);

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate(bool DoChange = true);
  void Change();

  // The stream form: the count, then X and Y of each point as integers. Reading raises
  // EReadError for a negative or oversized count and leaves the list empty.
  void ReadData(vcl::TReader* Reader);
  void WriteData(vcl::TWriter* Writer) const;
  // Declares the extra property "PointList" on Filer (written when the list is not empty).
  void DefineProperties(vcl::TFiler* Filer);

 protected:
  void Notify(void* Item, vcl::TListNotification Action) override;

  vcl::TNotifyEvent FOnChange;

 private:
  int FUpdateCount = 0;
};

}  // namespace zyl
