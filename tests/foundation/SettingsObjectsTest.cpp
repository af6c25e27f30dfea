// The settings objects: declared defaults, change signalling, Assign, summaries, the extra
// stream properties and the form-stream round trip; change links and controllers.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <set>

#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLRegionMask.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

using namespace zyl;
using vcl::TObject;

namespace {

class TCounter : public TObject {
 public:
  void Hit(TObject* S) {
    ++Count;
    LastSender = S;
  }
  int Count = 0;
  TObject* LastSender = nullptr;
};

// A memory stream holding `bytes`, positioned at its start.
std::unique_ptr<vcl::TMemoryStream> StreamOf(const std::string& bytes) {
  auto s = std::make_unique<vcl::TMemoryStream>();
  if (!bytes.empty()) s->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  s->SetPosition(0);
  return s;
}

bool IsOrdinal(const vcl::TPropInfo* p) {
  const auto k = p->Kind();
  return k == vcl::tkInteger || k == vcl::tkEnumeration || k == vcl::tkSet || k == vcl::tkChar;
}

// A value of the property different from v and valid for its type.
int64_t OtherValue(const vcl::TPropInfo* p, int64_t v) {
  if (p->Kind() == vcl::tkEnumeration) {
    const int n = static_cast<int>(p->PropType->Names.size());
    return (v + 1) % n;
  }
  if (p->Kind() == vcl::tkSet) return v ^ 1;
  return v + 1 > p->PropType->MaxValue ? v - 1 : v + 1;
}

// For every published ordinal property of T (except `skip`): a new object holds the declared
// default; a changed value signals once, an unchanged one not at all; Assign copies it.
template <class T>
void CheckSettingsObject(std::set<std::string> skip = {}) {
  T obj;
  TCounter c;
  obj.SetOnChange(vcl::TNotifyEvent(&c, &TCounter::Hit));
  int checked = 0;
  for (const vcl::TPropInfo* p : vcl::GetPropList(&obj)) {
    if (!IsOrdinal(p) || skip.count(p->Name)) continue;
    SCOPED_TRACE(std::string(obj.ClassName()) + "." + p->Name);
    ASSERT_TRUE(p->HasDefault());
    const int64_t def = vcl::GetOrdProp(&obj, p);
    EXPECT_EQ(def, p->Default);
    EXPECT_TRUE(vcl::IsDefaultPropValue(&obj, p));
    c.Count = 0;
    vcl::SetOrdProp(&obj, p, def);
    EXPECT_EQ(c.Count, 0) << "unchanged value signalled";
    const int64_t other = OtherValue(p, def);
    vcl::SetOrdProp(&obj, p, other);
    EXPECT_EQ(c.Count, 1) << "changed value must signal once";
    EXPECT_EQ(c.LastSender, &obj);
    EXPECT_EQ(vcl::GetOrdProp(&obj, p), other);
    vcl::SetOrdProp(&obj, p, other);
    EXPECT_EQ(c.Count, 1);
    EXPECT_FALSE(vcl::IsDefaultPropValue(&obj, p));
    ++checked;
  }
  EXPECT_GT(checked, 0);
  // Assign copies every setting (all now differ from a fresh object's).
  T copy;
  TCounter cc;
  copy.SetOnChange(vcl::TNotifyEvent(&cc, &TCounter::Hit));
  copy.Assign(&obj);
  EXPECT_GE(cc.Count, 1);
  for (const vcl::TPropInfo* p : vcl::GetPropList(&obj)) {
    if (!IsOrdinal(p)) continue;
    EXPECT_EQ(vcl::GetOrdProp(&copy, p), vcl::GetOrdProp(&obj, p)) << p->Name;
  }
  // Updating suppresses the signal; EndUpdate(true) gives one.
  c.Count = 0;
  obj.BeginUpdate();
  obj.Assign(&copy);
  EXPECT_EQ(c.Count, 0);
  obj.EndUpdate(true);
  EXPECT_EQ(c.Count, 1);
}

}  // namespace

// An owner's starting value is the one a stream leaves out; every other value is written.
template <class T, class V>
void CheckOwnersDefault(const char* Prop, void (T::*SetDefault)(V), void (T::*Set)(V),
                        V (T::*Get)() const, V OwnersValue, V DeclaredValue) {
  SCOPED_TRACE(Prop);
  T obj;
  EXPECT_EQ((obj.*Get)(), DeclaredValue);
  EXPECT_FALSE(vcl::IsStoredProp(&obj, Prop));
  (obj.*SetDefault)(OwnersValue);
  EXPECT_EQ((obj.*Get)(), OwnersValue);
  EXPECT_FALSE(vcl::IsStoredProp(&obj, Prop));
  (obj.*Set)(DeclaredValue);
  EXPECT_TRUE(vcl::IsStoredProp(&obj, Prop));
}

TEST(SettingsObjects, OwnersStartingValuesAreLeftOutOfStreams) {
  CheckOwnersDefault<TZYLBevel, TZYLBevelStyle>("StyleOuter", &TZYLBevel::SetDefaultStyleOuter,
                                                &TZYLBevel::SetBevelStyleOuter,
                                                &TZYLBevel::StyleOuter, bvLowered, bvNone);
  CheckOwnersDefault<TZYLBevel, TZYLBevelMode>("Mode", &TZYLBevel::SetDefaultMode,
                                               &TZYLBevel::SetMode, &TZYLBevel::Mode, bmStandard,
                                               bmCustom);
  CheckOwnersDefault<TZYLFillObject, TZYLFillStyle>("Style", &TZYLFillObject::SetDefaultFillStyle,
                                                    &TZYLFillObject::SetFillStyle,
                                                    &TZYLFillObject::Style, sfBrushBitmap, sfNone);
  // The layout's placement: all three at once.
  TZYLGlyphTextLayout layout;
  for (const char* p : {"Alignment", "AlignText2Glyph", "OffsetY"})
    EXPECT_FALSE(vcl::IsStoredProp(&layout, p)) << p;
  layout.SetDefaultPlacement(agBottomCenter, taTop, -2);
  EXPECT_EQ(layout.Alignment(), agBottomCenter);
  EXPECT_EQ(layout.OffsetY(), -2);
  for (const char* p : {"Alignment", "AlignText2Glyph", "OffsetY"})
    EXPECT_FALSE(vcl::IsStoredProp(&layout, p)) << p;
  layout.SetAlignment(agTopLeft);
  layout.SetAlignText2Glyph(taRight);
  layout.SetOffset(TZYLGlyphTextLayout::oiOffsetY, 0);
  for (const char* p : {"Alignment", "AlignText2Glyph", "OffsetY"})
    EXPECT_TRUE(vcl::IsStoredProp(&layout, p)) << p;
}

TEST(SettingsObjects, DefaultsSignalsAndAssign) {
  CheckSettingsObject<TZYL3DCaption>();
  CheckSettingsObject<TZYLFxCaption>();
  // The outer style's and the mode's defaults are the owner's (see above).
  CheckSettingsObject<TZYLBevel>({"StandardStyle", "StyleOuter", "Mode"});
  // The placement's defaults are the owner's (see above).
  CheckSettingsObject<TZYLGlyphTextLayout>({"Alignment", "AlignText2Glyph", "OffsetY"});
  CheckSettingsObject<TZYLButtonLayout>({"AlignText2Glyph", "OffsetY"});
  CheckSettingsObject<TZYLShapeFill>();
  CheckSettingsObject<TZYLFillObject>({"Style"});
  CheckSettingsObject<TZYLGradient>();
  CheckSettingsObject<TZYLSimpleBevel>();
  CheckSettingsObject<TZYLShadow>();
  CheckSettingsObject<TZYLTeeth>();
  CheckSettingsObject<TZYLTransparent>();
  CheckSettingsObject<TZYLAlphaObject>();
  CheckSettingsObject<TZYLBitmapEffectObject>();
  CheckSettingsObject<TZYLDateTime>();
  CheckSettingsObject<TZYLRegionMask>();
}

TEST(SettingsObjects, SummaryTexts) {
  TZYL3DCaption c;
  EXPECT_EQ(c.GetSetStr(), "{tdNone}");
  c.SetStyle(tdRaised);
  c.SetOrientation(toBottomRight);
  EXPECT_EQ(c.GetSetStr(), "{tdRaised, toBottomRight}");
  TZYLFxCaption fx;
  fx.SetAngle(90);
  EXPECT_EQ(fx.GetSetStr(), "{tdNone, 90}");
  TZYLBevel b;
  EXPECT_EQ(b.GetSetStr(), "{bmCustom, bvNone, bvNone}");
  b.SetBevelStyleOuter(bvRaised);
  EXPECT_EQ(b.GetSetStr(), "{bmCustom, bvRaised, bvNone}");
  b.SetMode(bmWindows);
  EXPECT_EQ(b.GetSetStr(), "{bmWindows, lsSingleLowered}");
  b.SetMode(bmEdge);
  EXPECT_EQ(b.GetSetStr(), "{bmEdge, etEtched}");
  TZYLButtonLayout bl;
  bl.SetArrow(true);
  EXPECT_EQ(bl.GetSetStr(), "{agCenter, taRight, Arrow}");
  TZYLFillObject f;
  EXPECT_EQ(f.GetSetStr(), "{sfNone}");
  f.SetFillStyle(sfBitmap);
  EXPECT_EQ(f.GetSetStr(), "{sfBitmap, tmTile}");
  f.SetFillStyle(sfGradient);
  EXPECT_EQ(f.GetSetStr(), "{sfGradient, gstVertical}");
  TZYLGradient g;
  EXPECT_EQ(g.GetSetStr(), "{gstVertical, 16}");
  g.SetTwoColors(false);
  g.SetColorList({1, 2, 3});
  EXPECT_EQ(g.GetSetStr(), "{gstVertical, list of 3}");
  EXPECT_EQ(TZYLShadow().GetSetStr(), "{hssSolid, 6}");
  EXPECT_EQ(TZYLSimpleBevel().GetSetStr(), "{sbNormal, 2}");
  EXPECT_EQ(TZYLTeeth().GetSetStr(), "{tdRight, 10}");
  EXPECT_EQ(TZYLTransparent().GetSetStr(), "{tpNone}");
  TZYLBitmapEffectObject e;
  EXPECT_EQ(e.GetSetStr(), "{None}");
  e.SetBoolean(0, true);
  e.SetBrightness(20);
  EXPECT_EQ(e.GetSetStr(), "{FlipH, Brightness 20}");
  TZYLDateTime d;
  d.SetHour(7);
  EXPECT_EQ(d.GetSetStr(), "{1990-01-01 07:00:00}");
  EXPECT_EQ(TZYLRegionMask().GetSetStr(), "{Empty}");
}

TEST(SettingsObjects, BevelStandardStyleSignalsOnlyInTheModesThatDrawIt) {
  TZYLBevel b;
  TCounter c;
  b.SetOnChange(vcl::TNotifyEvent(&c, &TCounter::Hit));
  ASSERT_EQ(b.Mode(), bmCustom);
  b.SetStyle(lsRaisedExt);
  EXPECT_EQ(c.Count, 0);
  EXPECT_EQ(b.StandardStyle(), lsRaisedExt);
  b.SetMode(bmEdge);
  EXPECT_EQ(c.Count, 1);
  b.SetStyle(lsLowered);
  EXPECT_EQ(c.Count, 1);
  b.SetMode(bmStandard);
  EXPECT_EQ(c.Count, 2);
  EXPECT_EQ(b.GetBevelExtend(), TZYLBevel::StdFrameWidth(lsLowered));
  b.SetStyle(lsDoubleRaised);
  EXPECT_EQ(c.Count, 3);
  EXPECT_EQ(b.GetBevelExtend(), 4);
  b.SetMode(bmWindows);
  b.SetStyle(lsFrameInset);
  EXPECT_EQ(c.Count, 5);
  b.SetStyle(lsFrameInset);
  EXPECT_EQ(c.Count, 5);
}

TEST(SettingsObjects, BevelExtentIsCachedBeforeTheSignal) {
  TZYLBevel b;
  struct TProbe : TObject {
    TZYLBevel* B;
    int Seen = -1;
    void Hit(TObject*) { Seen = B->GetBevelExtend(); }
  } probe;
  probe.B = &b;
  int& seen = probe.Seen;
  b.SetOnChange(vcl::TNotifyEvent(&probe, &TProbe::Hit));
  b.SetBevelStyleOuter(bvFrameRaised);
  EXPECT_EQ(seen, 2);
  b.SetBevelWidthOuter(3);
  EXPECT_EQ(seen, 6);
  b.SetBevelStyleInner(bvLowered);
  b.SetBevelWidthInner(2);
  b.SetBorderWidth(1);
  b.SetBorderSpace(2);
  EXPECT_EQ(seen, 6 + 2 + 1 + 2);
  EXPECT_EQ(b.ClientRect(vcl::TRect{0, 0, 40, 30}), (vcl::TRect{11, 11, 29, 19}));
  b.SetMode(bmEdge);
  b.SetEdgeStyle(etSunkenOuter);
  EXPECT_EQ(seen, 1 + 1 + 2);
  b.SetBorderSides(TZYLFrameSides{fsLeft});
  // Only the left side carries the edge; the border goes all round.
  EXPECT_EQ(b.ClientRect(vcl::TRect{0, 0, 40, 30}), (vcl::TRect{4, 3, 37, 27}));
  b.SetBorderSides(TZYLFrameSides{});
  EXPECT_EQ(b.GetBevelExtend(), 3);
}

TEST(SettingsObjects, RangesAndWrapping) {
  TZYLFxCaption fx;
  TCounter c;
  fx.SetOnChange(vcl::TNotifyEvent(&c, &TCounter::Hit));
  fx.SetAngle(360);
  EXPECT_EQ(fx.Angle(), 0);
  EXPECT_EQ(c.Count, 0);  // 360 is 0: no change
  fx.SetAngle(450);
  EXPECT_EQ(fx.Angle(), 90);
  TZYLButtonLayout bl;
  bl.SetArrowSize(1);
  EXPECT_EQ(bl.ArrowSize(), 2);
  bl.SetArrowSize(50);
  EXPECT_EQ(bl.ArrowSize(), 10);
  TZYLShadow s;
  s.SetDepth(200);
  EXPECT_EQ(s.Depth(), 40);
  TZYLTeeth t;
  t.SetCount(-5);
  EXPECT_EQ(t.Count(), 0);
  t.SetCount(99);
  EXPECT_EQ(t.Count(), 50);
  TZYLGradient g;
  g.SetColorCount(1);
  EXPECT_EQ(g.ColorCount(), 2);
  g.SetColorCount(100000);
  EXPECT_EQ(g.ColorCount(), 256);
  TZYLBitmapEffectObject e;
  e.SetBrightness(-120);
  EXPECT_EQ(e.Brightness(), -100);
}

TEST(SettingsObjects, SubObjectsForwardTheirChanges) {
  TZYLFillObject f;
  TCounter c;
  f.SetOnChange(vcl::TNotifyEvent(&c, &TCounter::Hit));
  f.Gradient()->SetColor(vcl::clRed);
  EXPECT_EQ(c.Count, 1);
  EXPECT_EQ(c.LastSender, &f);
  f.Brush()->SetColor(vcl::clLime);
  EXPECT_EQ(c.Count, 2);
  vcl::TBitmap bmp;
  bmp.SetSize(3, 3);
  f.SetBitmap(&bmp);
  EXPECT_EQ(c.Count, 3);
  EXPECT_EQ(f.Bitmap()->Width(), 3);
  EXPECT_NE(f.Bitmap(), &bmp);  // a copy
  const int before = c.Count;
  f.SetListBitmap(&bmp);
  EXPECT_EQ(c.Count, before + 1);
  ASSERT_NE(f.ListBitmap(), nullptr);
  f.SetListBitmap(nullptr);
  EXPECT_EQ(f.ListBitmap(), nullptr);
  f.SetListBitmap(nullptr);
  EXPECT_EQ(c.Count, before + 2);

  TZYLBitmapEffectObject e;
  TCounter ec;
  e.SetOnChange(vcl::TNotifyEvent(&ec, &TCounter::Hit));
  e.Alpha()->SetActive(true);
  EXPECT_EQ(ec.Count, 1);
  EXPECT_TRUE(e.GetActive());
}

TEST(SettingsObjects, FillEmptyTransparentAndPalette) {
  TZYLFillObject f;
  EXPECT_TRUE(f.GetEmpty());
  EXPECT_TRUE(f.GetTransparent());
  f.SetFillStyle(sfBrush);
  EXPECT_FALSE(f.GetEmpty());
  EXPECT_FALSE(f.GetTransparent());
  f.Brush()->SetStyle(vcl::bsCross);
  EXPECT_FALSE(f.GetTransparent());  // foFillInner paints the background behind the hatch
  f.SetOptions(TZYLFillOptions{});
  EXPECT_TRUE(f.GetTransparent());
  f.SetFillStyle(sfBitmap);
  EXPECT_TRUE(f.GetEmpty());
  vcl::TBitmap bmp;
  bmp.SetSize(2, 2);
  f.SetBitmap(&bmp);
  EXPECT_FALSE(f.GetEmpty());
  EXPECT_FALSE(f.GetTransparent());  // tiled
  f.SetTileMode(tmCenter);
  EXPECT_TRUE(f.GetTransparent());
  EXPECT_TRUE(f.GetMustRedraw());
  f.SetOptions(TZYLFillOptions{foFillInner});
  EXPECT_FALSE(f.GetTransparent());
  f.SetFillStyle(sfBitmapList);
  EXPECT_TRUE(f.GetEmpty());
  EXPECT_EQ(f.GetBitmap(), nullptr);
  f.SetFillStyle(sfGradient);
  EXPECT_FALSE(f.GetTransparent());
  EXPECT_EQ(f.GetPalette(), nullptr);
  f.Gradient()->SetPaletteRealize(true);
  EXPECT_NE(f.GetPalette(), nullptr);
  win::PALETTEENTRY pe[20];
  EXPECT_EQ(win::GetPaletteEntries(f.Gradient()->Palette(), 0, 20, pe), 16u);
}

TEST(SettingsObjects, GradientStepsAndColourList) {
  const auto steps = ZYLGradientSteps(vcl::clBlack, vcl::clWhite, 3);
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0], 0x000000);
  EXPECT_EQ(steps[1], 0x808080);  // 127.5 rounds to even 128
  EXPECT_EQ(steps[2], 0xFFFFFF);
  TZYLGradient g;
  g.SetColorList({vcl::clRed, vcl::clLime, vcl::clBlue});
  EXPECT_EQ(g.Steps().size(), 16u);  // TwoColors still on
  g.SetTwoColors(false);
  EXPECT_EQ(g.Steps(), (std::vector<vcl::TColor>{vcl::clRed, vcl::clLime, vcl::clBlue}));
}

TEST(SettingsObjects, DateTimeParts) {
  TZYLDateTime d;
  TCounter c;
  d.SetOnChange(vcl::TNotifyEvent(&c, &TCounter::Hit));
  d.SetYear(2024);
  d.SetMonth(2);
  d.SetDay(31);  // limited to the month's last day
  EXPECT_EQ(d.GetDay(), 29);
  d.SetHour(23);
  d.SetMinute(59);
  d.SetSecond(58);
  EXPECT_EQ(d.GetSetStr(), "{2024-02-29 23:59:58}");
  EXPECT_EQ(c.Count, 6);
  d.SetMonth(13);
  EXPECT_EQ(d.GetMonth(), 12);
  d.SetHour(99);
  EXPECT_EQ(d.GetHour(), 23);
  TZYLDateTime e;
  e.Assign(&d);
  EXPECT_EQ(e.Value(), d.Value());
}

TEST(SettingsObjects, PointListPacksAndSignalsEveryChange) {
  TZYLPointList l;
  TCounter c;
  l.SetOnChange(vcl::TNotifyEvent(&c, &TCounter::Hit));
  l.AddPoint({-5, 7});
  l.AddPoint({32767, -32768});
  EXPECT_EQ(c.Count, 2);
  vcl::TPoint p{1, 1};
  ASSERT_TRUE(l.GetPoint(0, p));
  EXPECT_EQ(p, (vcl::TPoint{-5, 7}));
  ASSERT_TRUE(l.GetPoint(1, p));
  EXPECT_EQ(p, (vcl::TPoint{32767, -32768}));
  p = {9, 9};
  EXPECT_FALSE(l.GetPoint(2, p));
  EXPECT_FALSE(l.GetPoint(-1, p));
  EXPECT_EQ(p, (vcl::TPoint{9, 9}));
  l.PutPoint(0, {3, 4});
  EXPECT_EQ(c.Count, 3);
  EXPECT_EQ(l.Point(0), (vcl::TPoint{3, 4}));
  EXPECT_THROW(l.PutPoint(5, {0, 0}), vcl::EListError);
  l.Delete(1);
  EXPECT_EQ(c.Count, 4);
  l.BeginUpdate();
  l.AddPoint({1, 1});
  l.AddPoint({2, 2});
  EXPECT_EQ(c.Count, 4);
  l.EndUpdate();
  EXPECT_EQ(c.Count, 5);
  l.Clear();
  EXPECT_EQ(c.Count, 6);
  EXPECT_EQ(l.Count(), 0);
  l.Clear();
  EXPECT_EQ(c.Count, 6);
}

TEST(SettingsObjects, DateListStreamAndCorruptInput) {
  TZYLDateList l;
  TZYLDateRecord r{45000.5, std::string(50, 'x')};
  l.AddDate(r);
  l.AddDate({-1.25, "New year"});
  TZYLDateRecord got;
  ASSERT_TRUE(l.GetDate(0, got));
  EXPECT_EQ(got.Description.size(), 40u);
  vcl::TMemoryStream ms;
  l.SaveToStream(&ms);
  EXPECT_EQ(ms.Size(), 1 + 2 * 64);
  EXPECT_EQ(static_cast<const uint8_t*>(ms.Memory())[0], 1);
  TZYLDateList back;
  ms.SetPosition(0);
  back.LoadFromStream(&ms);
  ASSERT_EQ(back.Count(), 2);
  ASSERT_TRUE(back.GetDate(1, got));
  EXPECT_EQ(got, (TZYLDateRecord{-1.25, "New year"}));
  EXPECT_FALSE(back.GetDate(2, got));

  auto load = [&](const std::string& bytes) { back.LoadFromStream(StreamOf(bytes).get()); };
  std::string good(static_cast<const char*>(ms.Memory()), static_cast<size_t>(ms.Size()));
  EXPECT_THROW(load(""), vcl::EReadError);
  EXPECT_THROW(load("\x02"), vcl::EReadError);                        // version
  EXPECT_THROW(load(good.substr(0, good.size() - 1)), vcl::EReadError);  // partial record
  std::string bad = good;
  bad[1 + 8] = 41;  // description length above 40
  EXPECT_THROW(load(bad), vcl::EReadError);
  EXPECT_EQ(back.Count(), 2);  // unchanged by the failures
  load("\x01");
  EXPECT_EQ(back.Count(), 0);
}

// Clearing a date list empties it with one change notice; an empty list has nothing to
// write to a form.
TEST(SettingsObjects, DateListClearEmptiesItWithOneChange) {
  TZYLDateList l;
  l.AddDate({45000.5, "first"});
  l.AddDate({45001.25, "second"});
  TCounter c;
  l.SetOnChange(vcl::TNotifyEvent(&c, &TCounter::Hit));
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(c.Count, 1);
  EXPECT_EQ(l.GetSetStr(), "{0 dates}");
  TZYLDateRecord got;
  EXPECT_FALSE(l.GetDate(0, got));
  // Dates added afterwards are the only ones.
  l.AddDate({45002.0, "third"});
  ASSERT_EQ(l.Count(), 1);
  ASSERT_TRUE(l.GetDate(0, got));
  EXPECT_EQ(got.Description, "third");
}

TEST(SettingsObjects, RegionMaskDataAndCorruptInput) {
  TZYLRegionMask m;
  win::HRGN rgn = win::CreateRectRgn(0, 0, 10, 10);
  win::HRGN rgn2 = win::CreateRectRgn(20, 0, 30, 5);
  win::CombineRgn(rgn, rgn, rgn2, win::RGN_OR);
  m.SetRegion(rgn);
  // The union is banded: two rectangles in the upper band, one below.
  EXPECT_EQ(m.RectCount(), 3u);
  EXPECT_EQ(m.GetSetStr(), "{3 rects}");
  win::HRGN made = m.CreateRegion();
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(win::EqualRgn(made, rgn));
  win::DeleteObject(made);
  win::DeleteObject(rgn);
  win::DeleteObject(rgn2);

  // The step-by-step form.
  TZYLRegionMask m2;
  win::HRGN r3 = win::CreateRectRgn(1, 2, 3, 4);
  m2.SetDataSize(win::GetRegionData(r3, 0, nullptr));
  m2.GetMem();
  EXPECT_TRUE(m2.GetRegionData(r3));
  EXPECT_EQ(m2.RectCount(), 1u);
  win::DeleteObject(r3);
  m2.FreeMem();
  EXPECT_EQ(m2.RegionDataSize(), 0u);
  EXPECT_EQ(m2.CreateRegion(), nullptr);

  vcl::TMemoryStream ms;
  m.WriteRegionData(&ms);
  std::string good(static_cast<const char*>(ms.Memory()), static_cast<size_t>(ms.Size()));
  auto load = [&](const std::string& bytes) { m2.ReadRegionData(StreamOf(bytes).get()); };
  load(good);
  EXPECT_EQ(m2.RectCount(), 3u);
  EXPECT_THROW(load(good.substr(0, 20)), vcl::EReadError);
  std::string bad = good;
  bad[8] = '\x7F';  // rectangle count far beyond the data
  EXPECT_THROW(load(bad), vcl::EReadError);
  bad = good;
  bad[4] = 9;  // not the rectangle type
  EXPECT_THROW(load(bad), vcl::EReadError);
  EXPECT_EQ(m2.RectCount(), 3u);
}

// ---------------------------------------------------------------------------------------------
// Form streams

namespace {

class TSettingsHolder : public vcl::TComponent {
  ZYL_CLASS(TSettingsHolder, vcl::TComponent)
  explicit TSettingsHolder(vcl::TComponent* AOwner) : inherited(AOwner) {}
  ~TSettingsHolder() override {
    for (TZYLObject* o : All()) delete o;
  }
  std::vector<TZYLObject*> All() const {
    return {Bevel, Font3D, FontFX, Layout, ButtonLayout, Fill, ShapeFill, Gradient,
            SimpleBevel, Shadow, Teeth, Transparent, BackFX, DateTime, Region, Dates};
  }
  void DefineProperties(vcl::TFiler* Filer) override {
    inherited::DefineProperties(Filer);
    Points.DefineProperties(Filer);
  }
  TZYLBevel* Bevel = new TZYLBevel();
  TZYL3DCaption* Font3D = new TZYL3DCaption();
  TZYLFxCaption* FontFX = new TZYLFxCaption();
  TZYLGlyphTextLayout* Layout = new TZYLGlyphTextLayout();
  TZYLButtonLayout* ButtonLayout = new TZYLButtonLayout();
  TZYLFillObject* Fill = new TZYLFillObject();
  TZYLShapeFill* ShapeFill = new TZYLShapeFill();
  TZYLGradient* Gradient = new TZYLGradient();
  TZYLSimpleBevel* SimpleBevel = new TZYLSimpleBevel();
  TZYLShadow* Shadow = new TZYLShadow();
  TZYLTeeth* Teeth = new TZYLTeeth();
  TZYLTransparent* Transparent = new TZYLTransparent();
  TZYLBitmapEffectObject* BackFX = new TZYLBitmapEffectObject();
  TZYLDateTime* DateTime = new TZYLDateTime();
  TZYLRegionMask* Region = new TZYLRegionMask();
  TZYLDateList* Dates = new TZYLDateList();
  TZYLPointList Points;
};

#define HOLDER_PROP(Name, Type) \
  .Prop(#Name, [](TSettingsHolder* h) { return h->Name; }, \
        [](TSettingsHolder* h, Type* v) { h->Name->Assign(v); })

ZYL_CLASS_IMPL(TSettingsHolder) {
  b HOLDER_PROP(Bevel, TZYLBevel) HOLDER_PROP(Font3D, TZYL3DCaption)
      HOLDER_PROP(FontFX, TZYLFxCaption) HOLDER_PROP(Layout, TZYLGlyphTextLayout)
          HOLDER_PROP(ButtonLayout, TZYLButtonLayout) HOLDER_PROP(Fill, TZYLFillObject)
              HOLDER_PROP(ShapeFill, TZYLShapeFill) HOLDER_PROP(Gradient, TZYLGradient)
                  HOLDER_PROP(SimpleBevel, TZYLSimpleBevel) HOLDER_PROP(Shadow, TZYLShadow)
                      HOLDER_PROP(Teeth, TZYLTeeth) HOLDER_PROP(Transparent, TZYLTransparent)
                          HOLDER_PROP(BackFX, TZYLBitmapEffectObject)
                              HOLDER_PROP(DateTime, TZYLDateTime) HOLDER_PROP(Region, TZYLRegionMask)
                                  HOLDER_PROP(Dates, TZYLDateList);
}

}  // namespace

TEST(SettingsStreams, CorruptExtraPropertiesRaise) {
  vcl::RegisterClass(TSettingsHolder::StaticClass());
  auto read = [](const std::string& body) {
    TSettingsHolder h(nullptr);
    vcl::ReadComponentFromBytes(
        vcl::ObjectTextToBinaryString("object Holder: TSettingsHolder\n" + body + "end\n"), &h);
  };
  EXPECT_THROW(read("  PointList = (1 2 3)\n"), vcl::EReadError);
  EXPECT_THROW(read("  Region.RegionData = {0102030405}\n"), vcl::EReadError);
  EXPECT_THROW(read("  Dates.Dates = {02}\n"), vcl::EReadError);
  EXPECT_NO_THROW(read("  PointList = (1 2 3 4)\n"));
}

// ---------------------------------------------------------------------------------------------
// Change links, controllers, components, interfaces

TEST(Controllers, LinksAreCalledAndUnregisteredLastToFirst) {
  auto* ctl = new TZYLBaseController(nullptr);
  TZYLChangeLink a, b;
  TCounter ca, cb, own;
  a.SetOnChange(vcl::TNotifyEvent(&ca, &TCounter::Hit));
  b.SetOnChange(vcl::TNotifyEvent(&cb, &TCounter::Hit));
  ctl->SetOnChange(vcl::TNotifyEvent(&own, &TCounter::Hit));
  ctl->RegisterChanges(&a);
  ctl->RegisterChanges(&b);
  ctl->RegisterChanges(&a);
  EXPECT_EQ(ctl->LinkCount(), 2);
  EXPECT_EQ(a.Sender(), ctl);
  ctl->Change();
  EXPECT_EQ(ca.Count, 1);
  EXPECT_EQ(cb.Count, 1);
  EXPECT_EQ(own.Count, 1);
  EXPECT_EQ(ca.LastSender, ctl);
  ctl->BeginUpdate();
  ctl->Change();
  EXPECT_EQ(ca.Count, 1);
  ctl->EndUpdate(true);
  EXPECT_EQ(ca.Count, 2);
  ctl->UnRegisterChanges(&a);
  EXPECT_EQ(a.Sender(), nullptr);
  ctl->Change();
  EXPECT_EQ(ca.Count, 2);
  EXPECT_EQ(cb.Count, 3);
  ctl->RegisterChanges(&a);
  delete ctl;  // unregisters both
  EXPECT_EQ(a.Sender(), nullptr);
  EXPECT_EQ(b.Sender(), nullptr);

  // A link freed first leaves its controller.
  TZYLBaseController c2(nullptr);
  {
    TZYLChangeLink tmp;
    c2.RegisterChanges(&tmp);
    EXPECT_EQ(c2.LinkCount(), 1);
  }
  EXPECT_EQ(c2.LinkCount(), 0);
  c2.Change();
}

namespace {
class TBackSupplier : public TObject, public IZYLBackground {
 public:
  vcl::TBitmap* BackBitmap() override { return nullptr; }
  bool BackBitmapCheck() override { return false; }
  bool BackDrawArea(vcl::TCanvas*, const vcl::TRect&, const vcl::TPoint&, uint16_t) override {
    return true;
  }
  bool isTransparentSet() override { return true; }
  vcl::TPoint BackMapPoint(const vcl::TPoint& P) override { return {P.X + 1, P.Y + 1}; }
  win::HPALETTE BackBitmapPalette() override { return nullptr; }
  void BackUpdate() override {}
  vcl::TControl* BackControl(int) override { return nullptr; }
  int BackControlCount() override { return 0; }
};
bool ThemesOn() { return true; }
}  // namespace

TEST(Controllers, SupportsAndCustomComponent) {
  TBackSupplier s;
  TObject plain;
  IZYLBackground* bg = nullptr;
  EXPECT_TRUE(ZYLSupports(&s, bg));
  ASSERT_EQ(bg, static_cast<IZYLBackground*>(&s));
  EXPECT_EQ(bg->BackMapPoint({1, 2}), (vcl::TPoint{2, 3}));
  EXPECT_FALSE(ZYLSupports<IZYLBackground>(&plain));
  EXPECT_FALSE(ZYLSupports(nullptr, bg));
  EXPECT_EQ(bg, nullptr);
  EXPECT_FALSE(ZYLSupports<IZYLThemes>(&s));

  TZYLCustomComponent c(nullptr);
  EXPECT_TRUE(c.CtlXP());
  EXPECT_FALSE(c.UseXP());
  ZYLSetThemeQuery(&ThemesOn);
  EXPECT_TRUE(c.UseXP());
  c.SetCtlXP(false);
  EXPECT_FALSE(c.UseXP());
  ZYLSetThemeQuery(nullptr);
  TCounter cnt;
  c.SetOnChange(vcl::TNotifyEvent(&cnt, &TCounter::Hit));
  c.BeginUpdate();
  c.BeginUpdate();
  c.GetChange(nullptr);
  c.EndUpdate(true);
  EXPECT_EQ(cnt.Count, 0);
  c.EndUpdate(true);
  EXPECT_EQ(cnt.Count, 1);
  c.EndUpdate(false);  // never below zero
  EXPECT_FALSE(c.IsUpdating());
}

TEST(SettingsStreams, EveryTruncationOrCorruptionIsCaught) {
  vcl::RegisterClass(TSettingsHolder::StaticClass());
  TSettingsHolder h(nullptr);
  h.SetName("Holder");
  win::HRGN rgn = win::CreateRectRgn(0, 0, 4, 4);
  h.Region->SetRegion(rgn);
  win::DeleteObject(rgn);
  h.Region->BorderDnBmp()->SetSize(3, 2);
  h.Dates->AddDate({1.0, "a"});
  h.Points.AddPoint({1, 2});
  h.Gradient->SetColorList({1, 2});
  const std::string bytes = vcl::WriteComponentToBytes(&h);
  // Every shortened stream and every single flipped byte either reads or raises a framework
  // exception; none may crash or hang (the sanitizer build checks the reads).
  for (size_t n = 0; n < bytes.size(); ++n) {
    TSettingsHolder back(nullptr);
    try {
      vcl::ReadComponentFromBytes(bytes.substr(0, n), &back);
    } catch (const vcl::Exception&) {
    }
  }
  int raised = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::string bad = bytes;
    bad[i] = static_cast<char>(bad[i] ^ 0x5A);
    TSettingsHolder back(nullptr);
    try {
      vcl::ReadComponentFromBytes(bad, &back);
    } catch (const vcl::Exception&) {
      ++raised;
    }
  }
  EXPECT_GT(raised, 0);
  // A corrupt border bitmap raises too.
  auto read = [](const std::string& body) {
    TSettingsHolder x(nullptr);
    vcl::ReadComponentFromBytes(
        vcl::ObjectTextToBinaryString("object Holder: TSettingsHolder\n" + body + "end\n"), &x);
  };
  EXPECT_THROW(read("  Region.BorderBmp = {424D0100}\n"), vcl::Exception);
  EXPECT_THROW(read("  Gradient.ColorList = ('x')\n"), vcl::Exception);
}
