#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>

#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/ContainerScope.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/GlobalListStream.h"
#include "tests/support/MediaFiles.h"
#include "tests/support/TempDir.h"

using namespace zyl;
using vcl::TBitmap;

namespace {

// A w x h bitmap filled with Color, with a Dot pixel at (1,1).
std::unique_ptr<TBitmap> Solid(int w, int h, vcl::TColor Color, vcl::TColor Dot) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(vcl::pf24bit);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(Color);
  b->Canvas()->FillRect(win::TRect{0, 0, w, h});
  b->Canvas()->SetPixels(1, 1, Dot);
  return b;
}

using testsupport::MakeWave;

// Counts a notifying object's change events.
struct TCounter : vcl::TObject {
  int n = 0;
  void Hit(vcl::TObject*) { ++n; }
};

bool SameBitmaps(TBitmap& a, TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y)) return false;
  return true;
}

void WriteFile(const std::string& name, const std::vector<uint8_t>& d) {
  std::ofstream f(name, std::ios::binary);
  f.write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
}

std::vector<uint8_t> ReadFile(const std::string& name) {
  std::ifstream f(name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {});
}

}  // namespace

TEST(ImageListItem, AddChecksSizeAndKeepsCopies) {
  TZYLImageListItem strip;
  EXPECT_EQ(strip.Width(), 16);
  EXPECT_EQ(strip.Height(), 16);
  auto ok = Solid(16, 16, vcl::clRed, vcl::clBlue);
  auto wrong = Solid(16, 15, vcl::clRed, vcl::clBlue);
  EXPECT_EQ(strip.Add(ok.get(), nullptr), 0);
  EXPECT_EQ(strip.Add(wrong.get(), nullptr), -1);
  EXPECT_EQ(strip.Add(nullptr, nullptr), -1);
  EXPECT_EQ(strip.AddMasked(wrong.get(), vcl::clRed), -1);
  EXPECT_EQ(strip.GetCount(), 1);
  // The strip holds a copy: changing the source leaves it alone.
  ok->Canvas()->SetPixels(0, 0, vcl::clLime);
  TBitmap out;
  ASSERT_TRUE(strip.GetBitmap(0, &out));
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), vcl::clRed);
  EXPECT_EQ(out.Canvas()->Pixels(1, 1), vcl::clBlue);
  EXPECT_FALSE(strip.GetBitmap(1, &out));
  EXPECT_FALSE(strip.GetBitmap(-1, &out));
}

TEST(ImageListItem, MasksAndStripEditing) {
  TZYLImageListItem strip;
  strip.SetInteger(0, 4);
  strip.SetInteger(1, 3);
  auto a = Solid(4, 3, vcl::clRed, vcl::clBlue);
  auto b = Solid(4, 3, vcl::clGreen, vcl::clYellow);
  ASSERT_EQ(strip.AddMasked(a.get(), vcl::clRed), 0);
  EXPECT_TRUE(strip.Masked());
  ASSERT_EQ(strip.Add(b.get(), nullptr), 1);  // mask from its bottom-left pixel
  TBitmap m;
  ASSERT_TRUE(strip.GetMaskBitmap(0, &m));
  // White where the picture is see-through (the red), black on the blue dot.
  EXPECT_EQ(m.Canvas()->Pixels(0, 0) & 0xFFFFFF, vcl::clWhite);
  EXPECT_EQ(m.Canvas()->Pixels(1, 1) & 0xFFFFFF, vcl::clBlack);
  ASSERT_TRUE(strip.GetMaskBitmap(1, &m));
  EXPECT_EQ(m.Canvas()->Pixels(2, 2) & 0xFFFFFF, vcl::clWhite);
  EXPECT_EQ(m.Canvas()->Pixels(1, 1) & 0xFFFFFF, vcl::clBlack);

  std::unique_ptr<TBitmap> whole(strip.GetImageBitmap());
  EXPECT_EQ(whole->Width(), 8);
  EXPECT_EQ(whole->Canvas()->Pixels(0, 0), vcl::clRed);
  EXPECT_EQ(whole->Canvas()->Pixels(4, 0), vcl::clGreen);

  strip.Move(0, 1);
  TBitmap out;
  strip.GetBitmap(0, &out);
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), vcl::clGreen);
  TZYLImageListItem other;
  other.Assign(&strip);
  strip.InsertImages(1, &other);
  EXPECT_EQ(strip.GetCount(), 4);
  strip.GetBitmap(1, &out);
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), vcl::clGreen);
  strip.Delete(0);
  EXPECT_EQ(strip.GetCount(), 3);
  EXPECT_THROW(strip.Delete(3), vcl::EListError);
  EXPECT_THROW(strip.Move(0, 9), vcl::EListError);

  TZYLImageListItem small;
  small.SetInteger(0, 2);
  small.Add(Solid(2, 16, 0, 0).get(), nullptr);
  EXPECT_THROW(strip.AddImages(&small), EZYLWrongBmpSize);

  strip.SetMaskedState(false);
  EXPECT_FALSE(strip.GetMaskBitmap(0, &m));
  strip.SetInteger(0, 5);  // a new size empties the strip
  EXPECT_EQ(strip.GetCount(), 0);
}

TEST(ImageListItem, DrawExtHonoursMaskAndPlacement) {
  TZYLImageListItem strip;
  strip.SetInteger(0, 4);
  strip.SetInteger(1, 4);
  strip.AddMasked(Solid(4, 4, vcl::clRed, vcl::clBlue).get(), vcl::clRed);
  TBitmap target;
  target.SetPixelFormat(vcl::pf24bit);
  target.SetSize(10, 10);
  target.Canvas()->Brush()->SetColor(vcl::clWhite);
  target.Canvas()->FillRect(win::TRect{0, 0, 10, 10});
  // Transparent: only the blue dot lands.
  auto painted = strip.DrawExt(target.Canvas(), win::TRect{2, 2, 10, 10}, dsfTransparent, 0);
  EXPECT_GT(painted.Width(), 0);
  EXPECT_EQ(target.Canvas()->Pixels(2, 2), vcl::clWhite);
  EXPECT_EQ(target.Canvas()->Pixels(3, 3), vcl::clBlue);
  // Plain copy, stretched over the whole target.
  strip.DrawExt(target.Canvas(), win::TRect{0, 0, 8, 8}, dsfStretch, 0);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), vcl::clRed);
  EXPECT_EQ(target.Canvas()->Pixels(7, 7), vcl::clRed);
  EXPECT_EQ(target.Canvas()->Pixels(9, 9), vcl::clWhite);
  // Bad index: nothing drawn.
  EXPECT_EQ(strip.DrawExt(target.Canvas(), win::TRect{0, 0, 8, 8}, 0, 3).Width(), 0);
}

TEST(ImageList, ListFileRoundTripItemByItem) {
  testsupport::TempDir dir;
  TZYLImageList list;
  for (int k = 0; k < 3; ++k) {
    auto* it = static_cast<TZYLImageListItem*>(list.Item(list.Add()));
    it->SetInteger(0, 6);
    it->SetInteger(1, 5);
    it->Description = "strip " + std::to_string(k);
    it->Ident = uint16_t(100 + k);
    it->Compressed = k == 1;
    for (int i = 0; i <= k; ++i)
      if (k == 2)
        it->AddMasked(Solid(6, 5, vcl::TColor(0x102030 * (i + 1)), vcl::clBlue).get(),
                      vcl::TColor(0x102030 * (i + 1)));
      else
        it->Add(Solid(6, 5, vcl::TColor(0x405060 + i), vcl::clRed).get(), nullptr);
  }
  const std::string name = dir.File("images.iml");
  list.SaveToFile(name);
  auto bytes = ReadFile(name);
  ASSERT_GT(bytes.size(), 9u);
  EXPECT_EQ(bytes[0], 8);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 9), "ZYLIML30");

  TZYLImageList back;
  back.LoadFromFile(name);
  ASSERT_EQ(back.Count(), 3);
  for (int k = 0; k < 3; ++k) {
    auto* a = list.GetArrayItem(k);
    auto* b = back.GetArrayItem(k);
    EXPECT_EQ(b->Description, a->Description);
    EXPECT_EQ(b->Ident, a->Ident);
    EXPECT_EQ(b->Compressed, a->Compressed);
    EXPECT_EQ(b->Masked(), a->Masked());
    ASSERT_EQ(b->GetCount(), a->GetCount());
    EXPECT_EQ(back.Dimensions(k, false), 6);
    EXPECT_EQ(back.Dimensions(k, true), 5);
    for (int i = 0; i < a->GetCount(); ++i) {
      TBitmap x, y;
      a->GetBitmap(i, &x);
      b->GetBitmap(i, &y);
      EXPECT_TRUE(SameBitmaps(x, y)) << k << i;
      if (a->Masked()) {
        a->GetMaskBitmap(i, &x);
        b->GetMaskBitmap(i, &y);
        EXPECT_EQ(x.Canvas()->Pixels(1, 1) & 0xFFFFFF, y.Canvas()->Pixels(1, 1) & 0xFFFFFF);
        EXPECT_EQ(x.Canvas()->Pixels(0, 0) & 0xFFFFFF, y.Canvas()->Pixels(0, 0) & 0xFFFFFF);
      }
    }
  }
  EXPECT_TRUE(back.IsValidItem(2, 2));
  EXPECT_FALSE(back.IsValidItem(2, 3));
  EXPECT_FALSE(back.IsValidItem(3, 0));
  EXPECT_EQ(back.ItemCount(1), 2);
}

TEST(ImageList, SingleStripFileAndForeignFiles) {
  testsupport::TempDir dir;
  TZYLImageListItem strip;
  strip.Add(Solid(16, 16, vcl::clNavy, vcl::clRed).get(), nullptr);
  strip.SaveToFile(dir.File("one.iml"));
  TZYLImageListItem back;
  back.LoadFromFile(dir.File("one.iml"));
  ASSERT_EQ(back.GetCount(), 1);

  // A bitmap-list file is foreign to an image list: "%s: %s" and nothing changes.
  TZYLBitmapList bl;
  bl.Add();
  bl.SaveToFile(dir.File("b.bml"));
  TZYLImageList il;
  il.Add();
  const std::string foreign =
      testsupport::ErrorOf<vcl::EFOpenError>([&] { il.LoadFromFile(dir.File("b.bml")); });
  EXPECT_NE(foreign.find("b.bml: TZYLImageList"), std::string::npos) << foreign;
  EXPECT_EQ(il.Count(), 1);
  EXPECT_THROW(back.LoadFromFile(dir.File("b.bml")), vcl::EFOpenError);
  EXPECT_EQ(back.GetCount(), 1);
  EXPECT_THROW(il.LoadFromFile(dir.File("missing.iml")), vcl::EFOpenError);
}

TEST(ImageList, TruncatedAndCorruptFilesLeaveTheListUnchanged) {
  testsupport::TempDir dir;
  TZYLImageList list;
  auto* it = static_cast<TZYLImageListItem*>(list.Item(list.Add()));
  it->Add(Solid(16, 16, vcl::clRed, vcl::clBlue).get(), nullptr);
  it->Compressed = true;
  list.Add();
  const std::string name = dir.File("l.iml");
  list.SaveToFile(name);
  const auto good = ReadFile(name);

  TZYLImageList target;
  target.Add();
  // Every truncation raises and leaves the one item there.
  for (size_t cut = 0; cut < good.size(); cut += std::max<size_t>(1, good.size() / 97)) {
    WriteFile(name, std::vector<uint8_t>(good.begin(), good.begin() + long(cut)));
    EXPECT_ANY_THROW(target.LoadFromFile(name)) << cut;
    ASSERT_EQ(target.Count(), 1);
  }
  // A huge item count or length does not allocate: it raises.
  auto bad = good;
  bad[9 + 3] = 0xFF, bad[9 + 4] = 0xFF, bad[9 + 5] = 0xFF, bad[9 + 6] = 0x7F;
  WriteFile(name, bad);
  EXPECT_THROW(target.LoadFromFile(name), vcl::EReadError);
  // Flipped bytes inside the data raise (or load something well-formed), never crash.
  for (size_t pos = 10; pos < good.size(); pos += 7) {
    bad = good;
    bad[pos] ^= 0x5A;
    WriteFile(name, bad);
    try {
      target.LoadFromFile(name);
    } catch (const std::exception&) {
    }
  }
  WriteFile(name, good);
  target.LoadFromFile(name);
  EXPECT_EQ(target.Count(), 2);
}

TEST(ImageList, ContainerOperationsNotify) {
  TZYLStringList list;
  TZYLChangeLink link;
  TCounter changes;
  link.SetOnChange(vcl::TNotifyEvent(&changes, &TCounter::Hit));
  list.RegisterChanges(&link);
  list.SetDefaultCompressed(true);
  EXPECT_EQ(list.Add(), 0);
  EXPECT_TRUE(list.GetArrayItem(0)->Compressed);
  list.GetArrayItem(0)->GetList()->Add("a");
  auto* two = new TZYLStringListItem();
  two->GetList()->Add("b");
  list.Insert(0, two);
  EXPECT_EQ(list.GetArrayItem(0)->GetList()->Strings(0), "b");
  list.Move(0, 1);
  list.Move(1, 1);  // no change
  EXPECT_EQ(list.GetArrayItem(1)->GetList()->Strings(0), "b");
  EXPECT_EQ(changes.n, 3);
  TZYLStringList copy;
  copy.Assign(&list);
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_TRUE(copy.DefaultCompressed());
  EXPECT_EQ(copy.GetArrayItem(0)->GetList()->Strings(0), "a");
  list.Delete(0);
  list.Clear();
  EXPECT_EQ(changes.n, 5);
  EXPECT_THROW(list.Item(0), vcl::EListError);
  EXPECT_THROW(list.Delete(0), vcl::EListError);
  list.UnRegisterChanges(&link);
  // A container of another kind cannot be assigned.
  TZYLWaveList waves;
  EXPECT_ANY_THROW(waves.Assign(&copy));

  testsupport::TempDir dir;
  copy.SaveToFile(dir.File("s.sll"));
  TZYLStringList back;
  back.LoadFromFile(dir.File("s.sll"));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back.GetArrayItem(1)->GetList()->Strings(0), "b");
  EXPECT_TRUE(back.GetArrayItem(0)->Compressed);
}

TEST(ImageList, BitmapListDrawsAndRoundTrips) {
  testsupport::TempDir dir;
  TZYLBitmapList list;
  EXPECT_TRUE(ZYLIsSingleItemImageList(&list));
  TZYLImageList il;
  EXPECT_FALSE(ZYLIsSingleItemImageList(&il));
  EXPECT_FALSE(ZYLIsSingleItemImageList(nullptr));
  auto* it = list.GetArrayItem(list.Add());
  it->SetBitmap(Solid(3, 2, vcl::clGreen, vcl::clRed).get());
  it->PixelFormat = spf8bit;
  list.Add();  // empty item
  EXPECT_EQ(list.ItemCount(0), 1);
  EXPECT_EQ(list.ItemCount(1), 0);
  list.SaveToFile(dir.File("x.bml"));
  TZYLBitmapList back;
  back.LoadFromFile(dir.File("x.bml"));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_TRUE(back.GetArrayItem(1)->GetEmpty());
  EXPECT_EQ(back.GetArrayItem(0)->PixelFormat, spf8bit);
  EXPECT_EQ(back.Dimensions(0, false), 3);
  TBitmap target;
  target.SetSize(5, 5);
  back.DrawExt(target.Canvas(), win::TRect{0, 0, 5, 5}, 0, 0, 0);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), vcl::clGreen);
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), vcl::clRed);
}

TEST(Wave, FormatGettersReadTheHeader) {
  TZYLWave w;
  EXPECT_TRUE(w.GetEmpty());
  EXPECT_EQ(w.GetBits(), 0);
  EXPECT_EQ(w.GetFormat(), wfUnknown);
  w.SetData(MakeWave(2, 22050, 16, 40));
  EXPECT_EQ(w.GetFormat(), wfPCM);
  EXPECT_EQ(w.GetChannelMode(), cmStereo);
  EXPECT_EQ(w.GetSampleRate(), 22050);
  EXPECT_EQ(w.GetBits(), 16);
  EXPECT_EQ(w.GetSize(), 44 + 40);
  ZYLClearPlayedWaves();
  w.Play();
  ASSERT_EQ(ZYLPlayedWaves().size(), 1u);
  EXPECT_EQ(ZYLPlayedWaves()[0], w.Data());
  TZYLWave empty;
  empty.Play();
  EXPECT_EQ(ZYLPlayedWaves().size(), 1u);
  w.Assign(&empty);
  EXPECT_TRUE(w.GetEmpty());
}

TEST(Wave, InvalidDataRaisesAndKeepsTheWave) {
  testsupport::TempDir dir;
  TZYLWave w;
  const auto good = MakeWave(1, 8000, 8, 10);
  w.SetData(good);
  auto noWave = good;
  std::memcpy(noWave.data() + 8, "AVI ", 4);
  EXPECT_THROW(w.SetData(noWave), EInvalidWave);
  auto noFmt = good;
  std::memcpy(noFmt.data() + 12, "junk", 4);
  EXPECT_THROW(w.SetData(noFmt), EInvalidWave);
  auto hugeChunk = good;
  hugeChunk[16] = 0xFF, hugeChunk[17] = 0xFF, hugeChunk[18] = 0xFF, hugeChunk[19] = 0xFF;
  EXPECT_THROW(w.SetData(hugeChunk), EInvalidWave);
  EXPECT_EQ(w.Data(), good);
  EXPECT_EQ(w.GetChannelMode(), cmMono);

  WriteFile(dir.File("bad.wav"), std::vector<uint8_t>(good.begin(), good.begin() + 20));
  EXPECT_EQ(testsupport::ErrorOf<EInvalidWave>([&] { w.LoadFromFile(dir.File("bad.wav")); })
                .rfind("TZYLWave: ", 0),
            0u);
  EXPECT_EQ(w.Data(), good);
  TZYLWaveInfo info;
  EXPECT_FALSE(ZYLGetWaveFileInfo(dir.File("bad.wav"), info));
  EXPECT_FALSE(ZYLGetWaveFileInfo(dir.File("none.wav"), info));
  w.SaveToFile(dir.File("ok.wav"));
  ASSERT_TRUE(ZYLGetWaveFileInfo(dir.File("ok.wav"), info));
  EXPECT_EQ(info.SampleRate, 8000);
  EXPECT_EQ(info.Bits, 8);

  // The stream form: 4-byte length and the RIFF image; a bad image inside raises.
  vcl::TMemoryStream m;
  w.SaveToStream(&m);
  EXPECT_EQ(m.Size(), int64_t(4 + good.size()));
  static_cast<uint8_t*>(m.Memory())[4] = 'X';
  m.SetPosition(0);
  TZYLWave other;
  EXPECT_THROW(other.LoadFromStream(&m), EInvalidWave);
  EXPECT_TRUE(other.GetEmpty());
}

TEST(Wave, WaveListFileRoundTrip) {
  testsupport::TempDir dir;
  TZYLWaveList list;
  auto* it = list.GetArrayItem(list.Add());
  TZYLWave w;
  w.SetData(MakeWave(1, 11025, 8, 300));
  it->SetWave(&w);
  it->Description = "beep";
  it->Compressed = true;
  list.SaveToFile(dir.File("w.wvl"));
  TZYLWaveList back;
  back.LoadFromFile(dir.File("w.wvl"));
  ASSERT_EQ(back.Count(), 1);
  EXPECT_EQ(back.GetArrayItem(0)->Wave()->Data(), w.Data());
  EXPECT_EQ(back.GetArrayItem(0)->Description, "beep");
  TZYLWaveComp comp;
  comp.SetWave(&w);
  EXPECT_EQ(comp.Wave()->GetSampleRate(), 11025);
}

TEST(GlobalContainer, IdentsResolveToTheGlobalLists) {
  testsupport::TContainerScope container;
  TZYLContainer* c = ZYLContainer();
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(ZYLIsGlobalIdent(c->ImageList()));
  EXPECT_TRUE(ZYLIsGlobalIdent(c->BitmapList()));
  TZYLImageList local;
  EXPECT_FALSE(ZYLIsGlobalIdent(&local));
  EXPECT_FALSE(ZYLIsGlobalIdent(nullptr));
  EXPECT_EQ(ZYLGlobalIdent(c->BitmapList()), "ZYLBML30");
  EXPECT_EQ(ZYLGlobalList(ZYLGlobalIdent(c->ImageList())), c->ImageList());
  EXPECT_EQ(ZYLGlobalList(ZYLGlobalIdent(c->BitmapList())), c->BitmapList());
  EXPECT_EQ(ZYLGlobalList("ZYLWVL30"), nullptr);
  EXPECT_EQ(ZYLGlobalList(""), nullptr);
  TZYLContainerCtrl ctrl;
  EXPECT_EQ(ctrl.Container(), c);
}

TEST(GlobalContainer, IdentThroughFormStreamReadsBackTheSameList) {
  testsupport::TContainerScope container;
  TZYLContainer* c = ZYLContainer();
  vcl::TMemoryStream m;
  {
    vcl::TWriter w(&m);
    ZYLWriteGlobalIdent(&w, c->ImageList());
    ZYLWriteGlobalIdent(&w, c->BitmapList());
    TZYLImageList local;
    ZYLWriteGlobalIdent(&w, &local);  // not global: an empty identifier
    w.WriteString("ZYLWVL30");        // a wave list is no image list
  }
  m.SetPosition(0);
  {
    vcl::TReader r(&m);
    EXPECT_EQ(ZYLReadGlobalIdent(&r), c->ImageList());
    EXPECT_EQ(ZYLReadGlobalIdent(&r), c->BitmapList());
    EXPECT_EQ(ZYLReadGlobalIdent(&r), nullptr);
    EXPECT_EQ(ZYLReadGlobalIdent(&r), nullptr);
  }
}

TEST(ImageListConnector, ForwardsChangesAndForgetsAFreedList) {
  vcl::TComponent owner(nullptr);
  auto* list = new TZYLImageList(&owner);
  TZYLImageListConnector conn(nullptr);
  TCounter c;
  conn.SetOnChange(vcl::TNotifyEvent(&c, &TCounter::Hit));
  conn.SetImageList(list);
  EXPECT_EQ(c.n, 1);
  EXPECT_EQ(list->LinkCount(), 1);
  list->Add();
  EXPECT_EQ(c.n, 2);
  delete list;  // free notification clears the reference
  EXPECT_EQ(conn.ImageList(), nullptr);
  EXPECT_EQ(c.n, 3);
}

// A connector may show a list of the global container or one of the form: it shows the same
// list when the form is read again.
TEST(ImageListConnector, ItsListComesBackWhenTheFormIsReadAgain) {
  vcl::testkit::TControlsSession session;
  testsupport::TContainerScope container;
  const testsupport::TListProperty list = {"ImageList", "Internal"};
  testsupport::ExpectEveryPickSurvivesTheForm(TZYLImageListConnector::StaticClass(), {list});
  testsupport::ExpectUnknownIdentReadsAsNone(TZYLImageListConnector::StaticClass(), list);
}

TEST(ImageListItem, DrawExtAnswersAPaintedAreaInsideTheTargetForEveryFlag) {
  TZYLImageListItem strip;
  strip.SetInteger(0, 4);
  strip.SetInteger(1, 3);
  strip.AddMasked(Solid(4, 3, vcl::clRed, vcl::clBlue).get(), vcl::clRed);
  auto target = Solid(40, 30, vcl::clWhite, vcl::clWhite);
  const win::TRect dest{5, 5, 35, 25};
  for (int place : std::initializer_list<int>{0, dsfCenter, dsfStretch, dsfTile, dsfScaleWidth,
                                              dsfScaleHeight, dsfKeepAspect})
    for (int look : std::initializer_list<int>{0, dsfTransparent, dsfBrushCopy}) {
      const auto r = strip.DrawExt(target->Canvas(), dest, TZYLDrawStyleFlags(place | look), 0);
      EXPECT_TRUE(r.Width() > 0 && r.Left >= dest.Left && r.Top >= dest.Top) << place << look;
    }
}

namespace {

// An image list with one entry of three 4 x 3 images: red, green and blue, each with a white
// dot at (1,1); the bottom-left pixel is the image's colour.
std::unique_ptr<TZYLImageList> ThreeImages() {
  auto list = std::make_unique<TZYLImageList>();
  list->Add();
  auto* item = list->GetArrayItem(0);
  item->SetInteger(0, 4);
  item->SetInteger(1, 3);
  for (vcl::TColor c : {vcl::clRed, vcl::clLime, vcl::clBlue}) {
    const int index = item->GetCount();  // before Add: the order of macro arguments is open
    EXPECT_EQ(item->Add(Solid(4, 3, c, vcl::clWhite).get(), nullptr), index);
  }
  return list;
}

}  // namespace

TEST(ImageListInterface, ImagesLieOnTheEntrysCanvasAndFollowChanges) {
  auto list = ThreeImages();
  ASSERT_EQ(list->GetCount(), 1);
  vcl::TCanvas* canvas = list->BmpCanvas(0);
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(list->ItemRect(0, 2), (win::TRect{8, 0, 12, 3}));
  EXPECT_EQ(canvas->Pixels(8, 0), vcl::clBlue);
  EXPECT_EQ(canvas->Pixels(9, 1), vcl::clWhite);
  EXPECT_EQ(list->TransparentColor(0, 1), vcl::clLime);
  EXPECT_FALSE(list->Masked(0));
  // Bad addresses give nothing.
  EXPECT_EQ(list->BmpCanvas(1), nullptr);
  EXPECT_EQ(list->BmpCanvas(-1), nullptr);
  EXPECT_EQ(list->ItemRect(0, 3), win::TRect());
  EXPECT_EQ(list->TransparentColor(0, 3), vcl::clNone);
  TBitmap copy;
  copy.SetSize(2, 2);
  EXPECT_FALSE(list->GetBitmapItem(0, 3, &copy));
  EXPECT_EQ(copy.Width(), 2);
  EXPECT_FALSE(list->GetBitmapItem(0, 0, nullptr));
  // The strip follows a change of the images.
  list->GetArrayItem(0)->Delete(0);
  canvas = list->BmpCanvas(0);
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->Pixels(0, 0), vcl::clLime);
  EXPECT_EQ(list->ItemRect(0, 2), win::TRect());
  list->GetArrayItem(0)->Clear();
  EXPECT_EQ(list->BmpCanvas(0), nullptr);
}

TEST(ImageListInterface, CopiesAndClippedDrawingOfOneImage) {
  auto list = ThreeImages();
  TBitmap copy;
  ASSERT_TRUE(list->GetBitmapItem(0, 1, &copy));
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(copy.Height(), 3);
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), vcl::clLime);
  EXPECT_EQ(copy.Canvas()->Pixels(1, 1), vcl::clWhite);

  auto target = Solid(20, 10, vcl::clBlack, vcl::clBlack);
  // Stretched over 0..8 x 0..6 but clipped to that rectangle moved by the offset (2, 1).
  const int32_t offset = (1 << 16) | 2;
  list->ClipDraw(target->Canvas(), win::TRect{0, 0, 8, 6},
                 static_cast<uint16_t>(dsfStretch | dsfClip), offset, vcl::clNone, 0, 2);
  EXPECT_EQ(target->Canvas()->Pixels(0, 0), vcl::clBlack);  // outside the moved clip
  EXPECT_EQ(target->Canvas()->Pixels(7, 5), vcl::clBlue);
  EXPECT_EQ(target->Canvas()->Pixels(9, 5), vcl::clBlack);  // outside the drawn rectangle
  // A bad address draws nothing.
  auto untouched = Solid(20, 10, vcl::clBlack, vcl::clBlack);
  list->ClipDraw(untouched->Canvas(), win::TRect{0, 0, 8, 6}, 0, 0, vcl::clNone, 0, 7);
  EXPECT_EQ(untouched->Canvas()->Pixels(3, 3), vcl::clBlack);
}

TEST(ImageListInterface, ABitmapListIsAddressedByBitmapAndZero) {
  TZYLBitmapList list;
  auto* item = static_cast<TZYLBitmapListItem*>(list.Item(list.Add()));
  auto pic = Solid(5, 4, vcl::clYellow, vcl::clRed);
  pic->SetTransparentColor(vcl::clRed);
  item->SetBitmap(pic.get());
  ASSERT_NE(list.BmpCanvas(0), nullptr);
  EXPECT_EQ(list.BmpCanvas(0)->Pixels(1, 1), vcl::clRed);
  EXPECT_EQ(list.ItemRect(0, 0), (win::TRect{0, 0, 5, 4}));
  EXPECT_EQ(list.TransparentColor(0, 0) & 0xFFFFFF, vcl::clRed);
  TBitmap copy;
  ASSERT_TRUE(list.GetBitmapItem(0, 0, &copy));
  EXPECT_EQ(copy.Width(), 5);
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), vcl::clYellow);
  EXPECT_EQ(list.BmpCanvas(1), nullptr);
  EXPECT_FALSE(list.GetBitmapItem(1, 0, &copy));
}

TEST(ImageListInterface, TheConnectorAnswersForItsListAndRefusesALoop) {
  auto list = ThreeImages();
  TZYLImageListConnector conn(nullptr);
  EXPECT_EQ(conn.GetCount(), 0);
  EXPECT_EQ(conn.BmpCanvas(0), nullptr);
  EXPECT_FALSE(conn.IsValidItem(0, 0));
  conn.SetImageList(list.get());
  EXPECT_EQ(conn.GetCount(), 1);
  EXPECT_EQ(conn.ItemCount(0), 3);
  EXPECT_EQ(conn.Dimensions(0, true), 3);
  EXPECT_EQ(conn.BmpCanvas(0), list->BmpCanvas(0));
  EXPECT_EQ(conn.ItemRect(0, 1), (win::TRect{4, 0, 8, 3}));
  EXPECT_EQ(conn.TransparentColor(0, 2), vcl::clBlue);
  TBitmap copy;
  ASSERT_TRUE(conn.GetBitmapItem(0, 2, &copy));
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), vcl::clBlue);
  auto target = Solid(4, 3, vcl::clBlack, vcl::clBlack);
  conn.ClipDraw(target->Canvas(), win::TRect{0, 0, 4, 3}, 0, 0, vcl::clNone, 0, 0);
  EXPECT_EQ(target->Canvas()->Pixels(0, 0), vcl::clRed);

  // A connector showing a connector works; one that would show itself is refused.
  TZYLImageListConnector outer(nullptr);
  outer.SetImageList(&conn);
  EXPECT_EQ(outer.ItemCount(0), 3);
  EXPECT_THROW(conn.SetImageList(&outer), vcl::EInvalidOperation);
  EXPECT_THROW(conn.SetImageList(&conn), vcl::EInvalidOperation);
  EXPECT_EQ(conn.ImageList(), list.get());
  outer.SetImageList(nullptr);
}

TEST(ContainerFormStream, ItemsTravelAsTheBitmapPropertyAndWavesAsData) {
  auto list = ThreeImages();
  list->GetArrayItem(0)->Description = "frames";
  vcl::TMemoryStream m;
  m.WriteComponent(list.get());
  // An empty list writes no "Bitmap" at all.
  TZYLImageList empty;
  vcl::TMemoryStream e;
  e.WriteComponent(&empty);
  const std::string bytes(static_cast<const char*>(m.Memory()), size_t(m.Size()));
  const std::string none(static_cast<const char*>(e.Memory()), size_t(e.Size()));
  EXPECT_NE(bytes.find("Bitmap"), std::string::npos);
  EXPECT_EQ(none.find("Bitmap"), std::string::npos);

  m.SetPosition(0);
  TZYLImageList back;
  m.ReadComponent(&back);
  ASSERT_EQ(back.GetCount(), 1);
  EXPECT_EQ(back.GetArrayItem(0)->Description, "frames");
  ASSERT_EQ(back.ItemCount(0), 3);
  TBitmap img;
  ASSERT_TRUE(back.GetBitmapItem(0, 2, &img));
  EXPECT_EQ(img.Canvas()->Pixels(0, 0), vcl::clBlue);
  EXPECT_EQ(img.Canvas()->Pixels(1, 1), vcl::clWhite);

  TZYLWaveComp wave(nullptr);
  wave.Wave()->SetData(MakeWave(1, 8000, 8, 20));
  vcl::TMemoryStream w;
  w.WriteComponent(&wave);
  w.SetPosition(0);
  TZYLWaveComp wave2(nullptr);
  w.ReadComponent(&wave2);
  EXPECT_EQ(wave2.Wave()->Data(), wave.Wave()->Data());
  // The wave is the published property Wave, its bytes the binary sub-property "Data".
  const std::string waveBytes(static_cast<const char*>(w.Memory()), size_t(w.Size()));
  EXPECT_NE(waveBytes.find("\x09Wave.Data"), std::string::npos);
  // An older stream with the wave as the component's own "Data" still reads.
  std::string old = waveBytes;
  old.replace(old.find("\x09Wave.Data"), 10, std::string("\x04" "Data"));
  vcl::TMemoryStream o;
  o.WriteBuffer(old.data(), int64_t(old.size()));
  o.SetPosition(0);
  TZYLWaveComp wave3(nullptr);
  o.ReadComponent(&wave3);
  EXPECT_EQ(wave3.Wave()->Data(), wave.Wave()->Data());
}

TEST(ContainerFormStream, DamagedItemsRaiseAndKeepTheList) {
  auto list = ThreeImages();
  vcl::TMemoryStream m;
  m.WriteComponent(list.get());
  // Damage the container stream inside the "Bitmap" property: its item count.
  std::string bytes(static_cast<const char*>(m.Memory()), size_t(m.Size()));
  const size_t at = bytes.find("Bitmap");
  ASSERT_NE(at, std::string::npos);
  // Name, value type (binary), 4-byte length, then version, compressed, format, count.
  const size_t count = at + 6 + 1 + 4 + 3;
  ASSERT_LT(count + 4, bytes.size());
  bytes[count + 3] = '\x7F';
  vcl::TMemoryStream bad;
  bad.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  bad.SetPosition(0);
  auto target = ThreeImages();
  target->GetArrayItem(0)->Delete(0);
  EXPECT_THROW(bad.ReadComponent(target.get()), vcl::EReadError);
  EXPECT_EQ(target->ItemCount(0), 2);
}
