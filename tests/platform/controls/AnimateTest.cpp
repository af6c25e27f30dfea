// The animation control and its AVI reader: clips made here (uncompressed, RLE8, RLE4) opened,
// played frame by frame on the virtual clock with the screen checked, and damaged clips refused.
#include <fstream>

#include "ComCtrlsTestSupport.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/MediaFiles.h"
#include "tests/support/TempDir.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

constexpr int kW = 16, kH = 12, kFrames = 3;
constexpr uint32_t kFrameMs = 40;

// Frame k (from 0) shows palette entry 1 + k on its left half and 8 + k on its right half.
int LeftIndex(int k) { return 1 + k; }
int RightIndex(int k) { return 8 + k; }
win::COLORREF PaletteColor(int i) {
  return win::RGB(static_cast<win::BYTE>(i * 15), static_cast<win::BYTE>(255 - i * 10),
                  static_cast<win::BYTE>(40 + i * 7));
}

// The bytes of frame k: bottom-up rows of 8-bit indices, or runs of RLE8 / RLE4.
std::string FrameBytes(int k, uint32_t compression) {
  std::string s;
  for (int y = 0; y < kH; ++y) {
    if (compression == win::BI_RGB) {
      s += std::string(kW / 2, static_cast<char>(LeftIndex(k)));
      s += std::string(kW / 2, static_cast<char>(RightIndex(k)));
      continue;
    }
    const bool four = compression == win::BI_RLE4;
    for (int index : {LeftIndex(k), RightIndex(k)}) {
      s += static_cast<char>(kW / 2);
      s += static_cast<char>(four ? index * 17 : index);
    }
    s += std::string("\0\0", 2);  // end of line
  }
  if (compression != win::BI_RGB) s += std::string("\0\1", 2);  // end of bitmap
  return s;
}

// A whole clip of `frames` frames in a stream of the given type.
std::string MakeAvi(uint32_t compression, const std::string& streamType = "vids",
                    int frames = kFrames) {
  testsupport::TAviClipLayout clip;
  clip.Width = kW;
  clip.Height = kH;
  clip.MicroSecPerFrame = kFrameMs * 1000;
  clip.Compression = compression;
  clip.Bits = compression == win::BI_RLE4 ? 4 : 8;
  for (int i = 0; i < (1 << clip.Bits); ++i) clip.Palette.push_back(PaletteColor(i));
  for (int k = 0; k < frames; ++k) clip.Frames.push_back(FrameBytes(k, compression));
  clip.StreamType = streamType;
  return testsupport::MakeAviClip(clip);
}

std::function<win::COLORREF(int, int)> FramePixels(int k) {
  return [k](int x, int) { return PaletteColor(x < kW / 2 ? LeftIndex(k) : RightIndex(k)); };
}

struct TEvents : TObject {
  int Opened = 0, Started = 0, Stopped = 0;
  void Open(TObject*) { ++Opened; }
  void Start(TObject*) { ++Started; }
  void Stop(TObject*) { ++Stopped; }
};

struct TCodecCase {
  const char* Name;
  uint32_t Compression;
};

class AnimateTest : public ComCtrlsTest, public ::testing::WithParamInterface<TCodecCase> {
 protected:
  std::string WriteClip(const std::string& bytes, const std::string& name = "clip.avi") {
    const std::string path = dir_.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // What the screen shows of the animation's frame area.
  TCapture Frame(TAnimate* a) {
    const TCapture all = CaptureScreen();
    const TPoint at = ScreenOf(a, 0, 0);
    return MakeCapture(kW, kH, [&](int x, int y) { return all.Color(at.X + x, at.Y + y); });
  }
  testsupport::TempDir dir_;
};

TEST_P(AnimateTest, AClipOpensAndPlaysFrameByFrameOnTheScreen) {
  NewForm();
  auto* a = Add<TAnimate>(20, 30, 50, 50);
  TEvents events;
  int &opened = events.Opened, &started = events.Started, &stopped = events.Stopped;
  a->SetOnOpen(TNotifyEvent(&events, &TEvents::Open));
  a->SetOnStart(TNotifyEvent(&events, &TEvents::Start));
  a->SetOnStop(TNotifyEvent(&events, &TEvents::Stop));
  a->SetFileName(WriteClip(MakeAvi(GetParam().Compression)));
  a->SetOpen(true);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(a->FrameCount(), kFrames);
  EXPECT_EQ(a->FrameWidth(), kW);
  EXPECT_EQ(a->FrameHeight(), kH);
  EXPECT_EQ(a->Width(), kW);  // sized to the clip
  Show();
  EXPECT_TRUE(PixelsMatch(Frame(a), FramePixels(0), std::string("first_") + GetParam().Name));

  a->Play(1, 0, 1);
  EXPECT_TRUE(a->Active());
  EXPECT_EQ(started, 1);
  for (int k = 1; k < kFrames; ++k) {
    AdvanceClock(kFrameMs);
    EXPECT_EQ(a->CurrentFrame(), k + 1);
    EXPECT_TRUE(PixelsMatch(Frame(a), FramePixels(k), std::string("frame_") + GetParam().Name));
  }
  EXPECT_EQ(stopped, 0);
  AdvanceClock(kFrameMs);  // one run played: it stops on the last frame
  EXPECT_FALSE(a->Active());
  EXPECT_EQ(stopped, 1);
  EXPECT_EQ(a->CurrentFrame(), kFrames);
  AdvanceClock(kFrameMs * 5);
  EXPECT_TRUE(
      PixelsMatch(Frame(a), FramePixels(kFrames - 1), std::string("last_") + GetParam().Name));

  a->Seek(2);
  RunUntilIdle();
  EXPECT_TRUE(PixelsMatch(Frame(a), FramePixels(1), std::string("seek_") + GetParam().Name));
}

INSTANTIATE_TEST_SUITE_P(Codecs, AnimateTest,
                         ::testing::Values(TCodecCase{"uncompressed", win::BI_RGB},
                                           TCodecCase{"rle8", win::BI_RLE8},
                                           TCodecCase{"rle4", win::BI_RLE4}),
                         [](const auto& info) { return std::string(info.param.Name); });

class AnimateControlTest : public AnimateTest {};

TEST_F(AnimateControlTest, AStandingClipShowsANewStartFrame) {
  NewForm();
  auto* a = Add<TAnimate>(0, 0, 50, 50);
  a->SetFileName(WriteClip(MakeAvi(win::BI_RGB)));
  a->SetStartFrame(2);  // no clip open yet: only kept
  EXPECT_EQ(a->CurrentFrame(), 0);
  a->SetOpen(true);
  Show();
  for (int frame : {3, 1, 2}) {
    a->SetStartFrame(frame);
    EXPECT_EQ(a->CurrentFrame(), frame);
    EXPECT_TRUE(PixelsMatch(Frame(a), FramePixels(frame - 1), "start_" + std::to_string(frame)));
  }
  a->SetStartFrame(kFrames + 1);  // past the clip: kept for a later clip, nothing shown
  EXPECT_EQ(a->CurrentFrame(), 2);
  // While the clip plays, the frame shown follows the clock alone.
  a->SetStartFrame(1);
  a->SetActive(true);
  a->SetStartFrame(3);
  EXPECT_EQ(a->CurrentFrame(), 1);
}

TEST_F(AnimateControlTest, RepetitionsAndFrameRangesAreKept) {
  NewForm();
  auto* a = Add<TAnimate>(0, 0, 50, 50);
  a->SetFileName(WriteClip(MakeAvi(win::BI_RLE8)));
  a->SetStartFrame(2);
  a->SetRepetitions(2);
  Show();
  a->SetActive(true);  // opens the clip and plays frames 2 .. 3 twice
  EXPECT_TRUE(a->Open());
  EXPECT_EQ(a->CurrentFrame(), 2);
  const int expected[] = {3, 2, 3};
  for (int want : expected) {
    AdvanceClock(kFrameMs);
    EXPECT_EQ(a->CurrentFrame(), want);
    EXPECT_TRUE(a->Active());
  }
  AdvanceClock(kFrameMs);
  EXPECT_FALSE(a->Active());

  // Frames outside the clip, or a range running backwards, are refused.
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { a->Play(1, kFrames + 1, 1); }),
            "TAnimate property out of range");
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { a->Play(3, 2, 1); }),
            "TAnimate property out of range");
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { a->Seek(0); }),
            "TAnimate property out of range");
  EXPECT_FALSE(a->Active());
  // Stop on a clip that plays until stopped.
  a->Play(1, 0, 0);
  AdvanceClock(kFrameMs * 10);
  EXPECT_TRUE(a->Active());
  a->Stop();
  EXPECT_FALSE(a->Active());
  a->SetOpen(false);
  EXPECT_EQ(a->FrameCount(), 0);
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { a->Seek(1); }), "No AVI clip is open");
}

std::string Damage(std::string s, const std::string& what, const std::string& with) {
  const size_t at = s.find(what);
  return at == std::string::npos ? s : s.replace(at, with.size(), with);
}

TEST_F(AnimateControlTest, DamagedOrForeignClipsAreRefusedAndLeaveTheControlClosed) {
  const std::string good = MakeAvi(win::BI_RLE8);
  std::string strfCompression = good;
  // The compression field sits 16 bytes into the format chunk's data.
  strfCompression.replace(strfCompression.find("strf") + 8 + 16, 4, "XVID");
  std::string bigRiff = good;
  bigRiff[4] = static_cast<char>(0xF0);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "The file is not an AVI clip"},
      {Damage(good, "AVI ", "WAVE"), "The file is not an AVI clip"},
      {strfCompression, "The AVI clip's compression (XVID) is not supported"},
      {MakeAvi(win::BI_RLE8, "auds"), "The AVI clip has no video stream"},
      {MakeAvi(win::BI_RGB, "vids", 0), "The AVI clip has no frames"},
      {bigRiff, "The AVI clip is damaged"},
      {good, ""},  // the good clip itself: no error
  };
  for (const auto& [bytes, message] : cases) {
    const std::string expect = message.empty() ? "<no error>" : message;
    EXPECT_EQ(testsupport::ErrorOf<EAviError>([&clip = bytes] { TAviClip::Read(clip); }), expect);
  }
  // Every shorter piece of a good clip is refused with the reader's own error.
  for (size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_NE(testsupport::ErrorOf<EAviError>([&] { TAviClip::Read(good.substr(0, cut)); }),
              "<no error>")
        << "cut at " << cut;

  NewForm();
  auto* a = Add<TAnimate>(0, 0, 50, 50);
  a->SetFileName(WriteClip(strfCompression, "xvid.avi"));
  EXPECT_EQ(testsupport::ErrorOf<EAviError>([&] { a->SetOpen(true); }),
            "The AVI clip's compression (XVID) is not supported");
  EXPECT_FALSE(a->Open());
  EXPECT_EQ(a->FrameCount(), 0);
  EXPECT_EQ(a->Width(), 50);
}

}  // namespace
}  // namespace vcl::testing
