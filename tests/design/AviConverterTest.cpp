// The AVI to image-list converter: a clip loaded into the animation control is cut into the
// images of one strip, frame by frame from the screen; without a clip nothing is captured, and
// a file that is no clip the control plays is refused with the clip shown before kept.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "design/pZYLAviEditorDlg.h"
#include "design/pZYLObjectEditor.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/controls/ComCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "tests/design/DesignPixels.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/MediaFiles.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

constexpr int kW = 80, kH = 40, kFrames = 26;
constexpr uint32_t kFrameMs = 50;

// Palette entry i; frame k shows entry 1 + k on its left half and 100 + k on its right half.
win::COLORREF Entry(int i) {
  return win::RGB(static_cast<win::BYTE>(i), static_cast<win::BYTE>(255 - i),
                  static_cast<win::BYTE>((i * 37) & 0xFF));
}
win::COLORREF FramePixel(int k, int x) { return Entry(x < kW / 2 ? 1 + k : 100 + k); }

// An uncompressed 8-bit clip of `frames` frames of kW x kH.
std::string Clip(int frames) {
  testsupport::TAviClipLayout clip;
  clip.Width = kW;
  clip.Height = kH;
  clip.MicroSecPerFrame = kFrameMs * 1000;
  for (int i = 0; i < 256; ++i) clip.Palette.push_back(Entry(i));
  for (int k = 0; k < frames; ++k) {
    std::string rows;
    for (int y = 0; y < kH; ++y)
      rows += std::string(kW / 2, static_cast<char>(1 + k)) +
              std::string(kW / 2, static_cast<char>(100 + k));
    clip.Frames.push_back(rows);
  }
  return testsupport::MakeAviClip(clip);
}

class AviConverter : public ::testing::Test, protected designtest::TEditorFileSession {
 protected:
  std::string File(const std::string& name, const std::string& bytes) {
    const std::string path = dir_.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // Runs the converter on item_: `steps` on the form (the files of `load` answer the clicks
  // on "Load AVI" in turn), then `ending`.
  bool Run(const std::function<void(TZYLFrmcavi*)>& steps, const std::vector<std::string>& load,
           TEnding ending, std::vector<vt::TShownDialog>* shown = nullptr) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TZYLFrmcavi>(script, steps, ending, "ZYLButton1", "ZYLButton2");
    for (const std::string& file : load) script.ChooseFiles({file});
    const bool ok = TZYLFrmcavi::Edit(&item_);
    if (shown) *shown = script.Shown();
    return ok;
  }

  TZYLImageListItem item_;
};

TEST_F(AviConverter, EveryFrameBecomesAnImageInFrameOrder) {
  const std::string clip = File("clip.avi", Clip(kFrames));
  int frames = 0;
  std::vector<vt::TShownDialog> shown;
  ASSERT_TRUE(Run(
      [&](TZYLFrmcavi* f) {
        vt::ClickControl(f->aviLoad);
        frames = f->Ani->FrameCount();
      },
      {clip}, TEnding::Ok, &shown));  // Convert converts, then closes with OK
  EXPECT_EQ(frames, kFrames);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].Caption, "Load AVI");
  EXPECT_EQ(shown[1].Values["FileName"], "*.avi");
  EXPECT_EQ(shown[1].Values["FileType"], "AVI Files (*.avi)");
  EXPECT_EQ(item_.Width(), kW);
  EXPECT_EQ(item_.Height(), kH);
  EXPECT_FALSE(item_.Masked());
  ASSERT_EQ(item_.GetCount(), kFrames);
  for (int k = 0; k < kFrames; ++k) {
    vcl::TBitmap image;
    ASSERT_TRUE(item_.GetBitmap(k, &image));
    EXPECT_TRUE(wt::PixelsMatch(
        designtest::Capture(image), [k](int x, int) { return FramePixel(k, x); },
        "avi_frame_" + std::to_string(k)));
  }
  EXPECT_TRUE(errors_.Texts.empty());
}

TEST_F(AviConverter, WithoutAClipPlayDoesNothingAndConvertGivesAnEmptyItem) {
  item_.SetInteger(TZYLImageListItem::iiWidth, 8);
  vcl::TBitmap eight;
  eight.SetSize(8, 16);
  item_.Add(&eight, nullptr);
  bool active = true;
  ASSERT_TRUE(Run(
      [&](TZYLFrmcavi* f) {
        vt::ClickControl(f->aviPlay);
        active = f->Ani->Active();
      },
      {}, TEnding::Ok));
  EXPECT_FALSE(active);
  // The caller receives the converter's empty item with the default size.
  EXPECT_EQ(item_.GetCount(), 0);
  EXPECT_EQ(item_.Width(), 16);
  EXPECT_TRUE(errors_.Texts.empty());
}

TEST_F(AviConverter, PlayRunsTheClipOnce) {
  const std::string clip = File("clip.avi", Clip(3));
  std::vector<int> seen;
  ASSERT_FALSE(Run(
      [&](TZYLFrmcavi* f) {
        vt::ClickControl(f->aviLoad);
        vt::ClickControl(f->aviPlay);
        seen.push_back(f->Ani->Active());
        wt::AdvanceClock(3 * kFrameMs + 10);
        wt::RunUntilIdle();
        seen.push_back(f->Ani->Active());
        seen.push_back(f->Ani->CurrentFrame());
      },
      {clip}, TEnding::Cancel));
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 3}));
}

TEST_F(AviConverter, AFileThatIsNoClipIsRefusedAndTheShownClipStays) {
  const std::string clip = File("clip.avi", Clip(4));
  std::string rle = Clip(2);
  rle[rle.find("strf") + 8 + 16] = 7;  // a compression the control does not play
  const std::string other = File("codec.avi", rle);
  const std::string broken = File("broken.avi", Clip(2).substr(0, 100));
  std::vector<std::string> shown;
  ASSERT_TRUE(Run(
      [&](TZYLFrmcavi* f) {
        vt::ClickControl(f->aviLoad);
        vt::ClickControl(f->aviLoad);
        vt::ClickControl(f->aviLoad);
        shown = {f->Ani->FileName(), std::to_string(f->Ani->FrameCount()),
                 f->Ani->Open() ? "open" : "closed"};
      },
      {clip, other, broken}, TEnding::Ok));
  EXPECT_EQ(shown, (std::vector<std::string>{clip, "4", "open"}));
  EXPECT_EQ(errors_.Texts,
            (std::vector<std::string>{"The AVI clip's compression (?\?\?\?) is not supported",
                                      "The AVI clip is damaged"}));
  EXPECT_EQ(item_.GetCount(), 4);  // the clip kept is the one converted
}

TEST_F(AviConverter, OnlyConvertHandsTheImagesToTheCaller) {
  const std::string clip = File("clip.avi", Clip(2));
  for (TEnding ending : {TEnding::Cancel, TEnding::CloseBox, TEnding::Escape}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    TZYLImageList holder(nullptr);
    holder.Add();
    holder.GetArrayItem(0)->Description = "kept";
    const std::string before = vcl::WriteComponentToBytes(&holder);
    item_.Assign(holder.GetArrayItem(0));
    EXPECT_FALSE(Run([](TZYLFrmcavi* f) { vt::ClickControl(f->aviLoad); }, {clip}, ending));
    holder.GetArrayItem(0)->Assign(&item_);
    EXPECT_EQ(vcl::WriteComponentToBytes(&holder), before);
  }
}

}  // namespace
}  // namespace zyl
