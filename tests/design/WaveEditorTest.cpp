// The wave chooser: browsing a drive's folders for wave files, the facts of the working wave,
// loading, saving, playing and clearing it, the favourite folders and the lock kept in the
// registry, and the working copy that only OK hands back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "design/pZYLDsgnOptions.h"
#include "design/pZYLWaveEditorDlg.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/FileCtrl.h"
#include "platform/controls/StdCtrls.h"
#include "platform/sys/Registry.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/MediaFiles.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using TDlg = TZYLWaveEditorDlg;

// Drive Q: holds Sounds\A (two waves and a text named like one) and Sounds\B (one wave); the
// program runs in Q:\Sounds, and the registry lives in a folder of the test's own.
class WaveEditor : public ::testing::Test {
 protected:
  WaveEditor() {
    for (const char* sub : {"/Sounds/A", "/Sounds/B"})
      std::filesystem::create_directories(dir_.Path() + sub);
    WriteFile("Sounds/A/mono.wav", testsupport::MakeWave(1, 8000, 8, 100));
    WriteFile("Sounds/A/stereo.wav", testsupport::MakeWave(2, 22050, 16, 64));
    std::ofstream(dir_.Path() + "/Sounds/A/text.wav") << "no wave at all";
    WriteFile("Sounds/B/other.wav", testsupport::MakeWave(1, 11025, 8, 10));
    std::filesystem::current_path(dir_.Path() + "/Sounds");
    win::ClearPlayedSounds();
    ZYLClearPlayedWaves();
  }

  void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(dir_.Path() + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  std::vector<uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(dir_.Path() + "/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }

  // Opens the chooser on wave_ with one answer: `change` on the form, then `ending`.
  bool Run(const std::function<void(TDlg*)>& change, TEnding ending = TEnding::Ok) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TDlg>(script, change, ending, "ok", "Button2");
    return TDlg::Edit(&wave_);
  }

  // The values of the chooser's registry section, "name=value" in the key's order.
  std::vector<std::string> Stored() {
    vcl::TStringList values;
    ZYLDsgnReadSectionValues(ZYLWavePathsSection, &values);
    std::vector<std::string> lines;
    for (int i = 0; i < values.Count(); ++i) lines.push_back(values.Get(i));
    return lines;
  }

  testsupport::TCurrentDirGuard here_;
  testsupport::TempDir dir_;
  testsupport::TEnvGuard drive_{"ZYL_DRIVE_Q", dir_.Path()};
  testsupport::TEnvGuard registry_{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLWave wave_;
};

// Selects a file of the shown folder as a user does, by the keyboard in the file list.
void ChooseFile(TDlg* f, const std::string& name) { vt::ChooseListItem(f->FileList, name); }
// Opens a folder of the folder list by a double click on it.
void OpenFolder(TDlg* f, const std::string& name) { vt::ChooseListItem(f->dirbox, name, true); }

// What the chooser shows of the working wave and which buttons it offers.
std::vector<std::string> Facts(TDlg* f) {
  std::vector<std::string> facts{f->format->Caption(), f->size->Caption(), f->bits->Caption(),
                                 f->samplerate->Caption(), f->Channels->Caption()};
  std::string enabled;
  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{
           f->Load, f->Save, f->Play, f->Clear, f->remove, f->clearlist, f->PlayWave})
    enabled += c->Enabled() ? '1' : '0';
  facts.push_back(enabled);
  return facts;
}

TEST_F(WaveEditor, AnEmptyWaveShowsNoFactsAndOffersNothingToSavePlayOrClear) {
  std::vector<std::string> facts, texts;
  ASSERT_FALSE(Run(
      [&](TDlg* f) {
        facts = Facts(f);
        texts = {f->Caption(),           f->Label5->Caption(),    f->Label6->Caption(),
                 f->Label4->Caption(),   f->Label1->Caption(),    f->clearlist->Caption(),
                 f->SaveDialog->Title(), f->SaveDialog->Filter(), f->FileList->Mask()};
        EXPECT_EQ(f->ActiveControl(), f->FileList);
        EXPECT_FALSE(f->Lock->Checked());
        EXPECT_EQ(f->cmb->Items()->Count(), 0);
      },
      TEnding::Cancel));
  EXPECT_EQ(facts, (std::vector<std::string>{"No Wave-File selected", "---", "---", "---", "---",
                                             "0000000"}));
  // Without a lock the folder list starts in the program's current folder.
  EXPECT_EQ(texts, (std::vector<std::string>{"Select Wave", "Path:", "Q:\\Sounds", "Paths:",
                                             "Current Wave:", "Clear &List", "Save File as...",
                                             "Wave-Files (*.wav)|*.wav", "*.wav"}));
}

struct TLoadCase {
  const char* File;
  std::vector<std::string> Facts;
};

TEST_F(WaveEditor, LoadingAFileShowsItsFactsAndOKHandsItBack) {
  const TLoadCase cases[] = {
      {"mono.wav", {"PCM-Wave", "144 Bytes", "8 Bit", "8000 Hz", "Mono", "1111111"}},
      {"stereo.wav", {"PCM-Wave", "108 Bytes", "16 Bit", "22050 Hz", "Stereo", "1111111"}},
  };
  for (const TLoadCase& c : cases) {
    SCOPED_TRACE(c.File);
    wave_.FreeWave();
    std::vector<std::string> facts;
    std::string favourites;
    int favourite = 0;
    ASSERT_TRUE(Run([&](TDlg* f) {
      OpenFolder(f, "A");
      ChooseFile(f, c.File);
      vt::ClickControl(f->Load);
      facts = Facts(f);
      favourites = f->cmb->Items()->Text();
      favourite = f->cmb->ItemIndex();
    }));
    EXPECT_EQ(facts, c.Facts);
    // The loaded file's folder becomes a favourite, without being selected.
    EXPECT_EQ(favourites, "Q:\\Sounds\\A\r\n");
    EXPECT_EQ(favourite, -1);
    EXPECT_EQ(wave_.Data(), ReadFile(std::string("Sounds/A/") + c.File));
  }
}

TEST_F(WaveEditor, AFileThatIsNoWaveIsRefusedAndChangesNothing) {
  wave_.SetData(testsupport::MakeWave(1, 11025, 8, 10));
  const std::vector<uint8_t> before = wave_.Data();
  std::vector<std::string> facts, after;
  vt::TDialogScript script;
  script.Do([&](vcl::TCustomForm* form) {
    auto* f = static_cast<TDlg*>(form);
    OpenFolder(f, "A");
    ChooseFile(f, "text.wav");
    facts = Facts(f);
    vt::ClickControl(f->Load);  // the error dialog takes the next answer
    after = Facts(f);
    vt::ClickControl(f->ok);
  });
  script.Press("OK");
  ASSERT_TRUE(TDlg::Edit(&wave_));
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(script.Shown()[1].Text, "TZYLWave: Cannot open file Q:\\Sounds\\A\\text.wav");
  EXPECT_EQ(after, facts);
  EXPECT_EQ(facts[0], "PCM-Wave");
  EXPECT_EQ(wave_.Data(), before);
}

TEST_F(WaveEditor, OnlyOKHandsTheWorkingWaveBack) {
  for (TEnding ending :
       {TEnding::Ok, TEnding::Cancel, TEnding::CloseBox, TEnding::Escape, TEnding::Exception}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    TZYLWaveComp holder(nullptr);
    holder.Wave()->SetData(testsupport::MakeWave(1, 8000, 8, 20));
    const std::string before = vcl::WriteComponentToBytes(&holder);
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [&](vcl::TCustomForm* form) {
          auto* f = static_cast<TDlg*>(form);
          OpenFolder(f, "B");
          ChooseFile(f, "other.wav");
          vt::ClickControl(f->Load);
        },
        ending, "ok", "Button2");
    const std::string error = testsupport::ErrorOf<vcl::Exception>(
        [&] { EXPECT_EQ(TDlg::Edit(holder.Wave()), ending == TEnding::Ok); });
    EXPECT_EQ(error, ending == TEnding::Exception ? "failure inside the editor" : "<no error>");
    if (ending == TEnding::Ok)
      EXPECT_EQ(holder.Wave()->Data(), ReadFile("Sounds/B/other.wav"));
    else
      EXPECT_EQ(vcl::WriteComponentToBytes(&holder), before);
  }
}

TEST_F(WaveEditor, FavouritesAreStoredInTheirSortedOrderAndOfferedAgain) {
  ASSERT_FALSE(Run(
      [&](TDlg* f) {
        OpenFolder(f, "B");
        vt::ClickControl(f->add);
        EXPECT_EQ(f->cmb->ItemIndex(), 0);
        OpenFolder(f, "Sounds");
        OpenFolder(f, "A");
        vt::ClickControl(f->add);
        vt::ClickControl(f->add);  // already a favourite: nothing happens
        EXPECT_EQ(f->cmb->Text(), "Q:\\Sounds\\A");
      },
      TEnding::Cancel));  // the favourites are kept however the form closes
  // Nothing is written for the lock's folder while Lock is off.
  EXPECT_EQ(Stored(),
            (std::vector<std::string>{"Path0=Q:\\Sounds\\A", "Path1=Q:\\Sounds\\B", "Lock=0"}));
  std::string offered, folder, files;
  ASSERT_FALSE(Run(
      [&](TDlg* f) {
        offered = f->cmb->Items()->Text();
        EXPECT_TRUE(f->remove->Enabled());
        designtest::ChooseComboItem(f->cmb, "Q:\\Sounds\\B");  // opens the favourite
        folder = f->dirbox->Directory();
        files = f->FileList->Items()->Text();
      },
      TEnding::Cancel));
  EXPECT_EQ(offered, "Q:\\Sounds\\A\r\nQ:\\Sounds\\B\r\n");
  EXPECT_EQ(folder, "Q:\\Sounds\\B");
  EXPECT_EQ(files, "other.wav\r\n");
}

TEST_F(WaveEditor, TheLockReopensTheFolderShownAtClosing) {
  ASSERT_FALSE(Run(
      [&](TDlg* f) {
        OpenFolder(f, "B");
        vt::ClickControl(f->Lock);
      },
      TEnding::Cancel));
  EXPECT_EQ(Stored(), (std::vector<std::string>{"Lock=1", "LockPath=Q:\\Sounds\\B"}));
  std::string folder;
  ASSERT_FALSE(Run(
      [&](TDlg* f) {
        folder = f->dirbox->Directory();
        EXPECT_TRUE(f->Lock->Checked());
        EXPECT_EQ(f->FileList->Directory(), "Q:\\Sounds\\B");
        vt::ClickControl(f->Lock);  // off again
      },
      TEnding::Cancel));
  EXPECT_EQ(folder, "Q:\\Sounds\\B");
  EXPECT_EQ(Stored(), (std::vector<std::string>{"Lock=0"}));
  ASSERT_FALSE(Run([&](TDlg* f) { folder = f->dirbox->Directory(); }, TEnding::Cancel));
  EXPECT_EQ(folder, "Q:\\Sounds");
}

TEST_F(WaveEditor, RemovingTheOnlyFavouriteLeavesNoSelectionAndClearingAsksFirst) {
  ZYLDsgnWriteString(ZYLWavePathsSection, "Path0", "Q:\\Sounds\\A");
  ZYLDsgnWriteString(ZYLWavePathsSection, "Path1", "Q:\\Sounds\\B");
  vt::TDialogScript script;
  std::vector<std::string> seen;
  script.Do([&](vcl::TCustomForm* form) {
    auto* f = static_cast<TDlg*>(form);
    vt::ClickControl(f->clearlist);  // answered No
    seen.push_back(std::to_string(f->cmb->Items()->Count()));
    vt::ClickControl(f->clearlist);  // answered Yes
    seen.push_back(std::to_string(f->cmb->Items()->Count()) + Facts(f).back());
    vt::ClickControl(f->add);
    vt::ClickControl(f->remove);
    seen.push_back(std::to_string(f->cmb->Items()->Count()) + " " +
                   std::to_string(f->cmb->ItemIndex()) + " " + Facts(f).back());
    vt::ClickControl(f->Button2);
  });
  script.Press("No").Press("Yes");
  ASSERT_FALSE(TDlg::Edit(&wave_));
  ASSERT_EQ(script.Shown().size(), 3u);
  EXPECT_EQ(script.Shown()[1].Text, "Really delete List?");
  EXPECT_EQ(script.Shown()[1].Buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"2", "00000000", "0 -1 0000000"}));
  EXPECT_EQ(Stored(), (std::vector<std::string>{"Lock=0"}));
}

TEST_F(WaveEditor, ThePreviewPlaysFromDiskAndPlayFromTheWorkingWave) {
  std::vector<std::string> facts;
  ASSERT_TRUE(Run([&](TDlg* f) {
    OpenFolder(f, "A");
    ChooseFile(f, "stereo.wav");
    const vcl::TRect r = f->FileList->ItemRect(f->FileList->ItemIndex());
    const vcl::TPoint p = f->FileList->ClientToScreen({r.Left + 4, (r.Top + r.Bottom) / 2});
    wt::DoubleClick(p.X, p.Y);
    f->PlayWave->Click();  // the hidden button previews the same way
    EXPECT_TRUE(ZYLPlayedWaves().empty());
    vt::ClickControl(f->Play);  // disabled: the working wave is empty
    vt::ClickControl(f->Load);
    vt::ClickControl(f->Play);
    vt::ClickControl(f->Clear);
    facts = Facts(f);
  }));
  const auto& sounds = win::PlayedSounds();
  ASSERT_EQ(sounds.size(), 2u);
  for (const win::TPlayedSound& s : sounds) {
    EXPECT_EQ(s.Name, "Q:\\Sounds\\A\\stereo.wav");
    EXPECT_EQ(s.Flags, win::SND_ASYNC | win::SND_NODEFAULT);
    EXPECT_EQ(s.Data, ReadFile("Sounds/A/stereo.wav"));
  }
  ASSERT_EQ(ZYLPlayedWaves().size(), 1u);
  EXPECT_EQ(ZYLPlayedWaves()[0], ReadFile("Sounds/A/stereo.wav"));
  EXPECT_EQ(facts[0], "No Wave-File selected");
  EXPECT_TRUE(wave_.GetEmpty());  // cleared, and OK hands the empty wave back
}

TEST_F(WaveEditor, SaveWritesTheWorkingWaveAndTheFileListShowsIt) {
  wave_.SetData(testsupport::MakeWave(2, 44100, 16, 8));
  std::string listed;
  vt::TDialogScript script;
  script.Do([&](vcl::TCustomForm* form) {
    auto* f = static_cast<TDlg*>(form);
    OpenFolder(f, "B");
    vt::ClickControl(f->Save);
    listed = f->FileList->Items()->Text();
    vt::ClickControl(f->Button2);
  });
  script.ChooseFiles({"Q:\\Sounds\\B\\saved.wav"});
  ASSERT_FALSE(TDlg::Edit(&wave_));
  EXPECT_EQ(ReadFile("Sounds/B/saved.wav"), wave_.Data());
  EXPECT_EQ(listed, "other.wav\r\nsaved.wav\r\n");
  EXPECT_EQ(script.Shown()[1].Caption, "Save File as...");
}

TEST_F(WaveEditor, StoredFavouritesAreReadTolerantly) {
  // Numbered from 0 without gaps as written; others left by hand read as far as they go.
  ZYLDsgnWriteString(ZYLWavePathsSection, "Path0", "Q:\\Sounds\\B");
  ZYLDsgnWriteString(ZYLWavePathsSection, "Path1", "");
  ZYLDsgnWriteString(ZYLWavePathsSection, "Path2", "Q:\\Sounds\\A");
  ZYLDsgnWriteString(ZYLWavePathsSection, "Lock", "yes");
  ZYLDsgnWriteString(ZYLWavePathsSection, "LockPath", "Q:\\Sounds\\Gone");
  {
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(std::string("\\") + ZYLDsgnRegKey + "\\WavePaths", false));
    reg.WriteInteger("Path3", 7);  // a number where a folder is expected
  }
  std::string offered, folder;
  ASSERT_FALSE(Run(
      [&](TDlg* f) {
        offered = f->cmb->Items()->Text();
        folder = f->dirbox->Directory();
      },
      TEnding::Cancel));
  EXPECT_EQ(offered, "Q:\\Sounds\\A\r\nQ:\\Sounds\\B\r\n");
  EXPECT_EQ(folder, "Q:\\Sounds");  // a locked folder that is gone opens its parent
}

TEST_F(WaveEditor, TheFormLooksLikeAClassicDialog) {
  wave_.SetData(testsupport::MakeWave(1, 8000, 8, 100));
  wt::TCapture shot;
  win::RECT ok{}, line{};
  ASSERT_FALSE(Run(
      [&](TDlg* f) {
        OpenFolder(f, "A");
        ChooseFile(f, "mono.wav");
        shot = wt::RenderWindow(f->Handle(), true);
        win::RECT frame{};
        win::GetWindowRect(f->Handle(), &frame);
        // Rectangles of the capture, which starts at the window's corner.
        auto place = [&](vcl::TControl* c, int w, int h) {
          const vcl::TPoint p = c->ClientToScreen({0, 0});
          const int x = p.X - frame.Left, y = p.Y - frame.Top;
          return win::RECT{x, y, x + w, y + h};
        };
        ok = place(f->ok, 1, f->ok->Height());  // its left edge
        line = place(On<vcl::TControl>(f, "Bevel1"), f->format->Width(), 1);
      },
      TEnding::Cancel));
  wt::WriteFailurePng(shot, "wave-editor");
  EXPECT_EQ(shot.Width, 573 + 2 * 3);  // the client area inside the dialog frame
  // The default button wears the black frame, the separator the shadow line of the classic
  // look.
  EXPECT_TRUE(wt::PixelsMatch(
      shot, [](int, int) { return win::RGB(0, 0, 0); }, "ok", ok));
  EXPECT_TRUE(wt::PixelsMatch(
      shot, [](int, int) { return win::RGB(128, 128, 128); }, "line", line));
}

}  // namespace
}  // namespace zyl
