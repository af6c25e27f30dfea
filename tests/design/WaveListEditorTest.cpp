// The wave list editor: its text lines, the working list under every ending, the states of the
// commands, playing, clipboard transfer, dropped and imported wave files, list files and the
// item dialog with the wave's facts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLWaveEditorDlg.h"
#include "design/pZYLWaveItemPropertiesEditorDlg.h"
#include "design/pZYLWaveListEditorDlg.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "platform/classes/Filer.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Menus.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/sys/ShellApi.h"
#include "system/ZYLMRUList.h"
#include "tests/design/LineListEditorSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/MediaFiles.h"

namespace zyl {
namespace {

class WaveListEditor
    : public designtest::TLineListEditorFixture<TZYLWaveListEditorDlg, TZYLWaveList> {
 protected:
  WaveListEditor() { ZYLClearPlayedWaves(); }

  // Appends an item "name" with a mono 8-bit wave of `samples` samples (none: no wave).
  void AddWave(const std::string& name, size_t samples, uint16_t ident = 0,
               bool compressed = false) {
    TZYLWaveListItem* item = list_.GetArrayItem(list_.Add());
    if (samples > 0) item->Wave()->SetData(testsupport::MakeWave(1, 8000, 8, samples));
    item->Ident = ident;
    item->Compressed = compressed;
    item->Description = name;
  }
  void Fill(int n) override {
    list_.Clear();
    for (int i = 0; i < n; ++i) AddWave(std::to_string(i), 10 + i, static_cast<uint16_t>(100 + i));
  }
  std::string WaveFile(const std::string& name, size_t samples) {
    const std::string path = dir_.File(name);
    const std::vector<uint8_t> data = testsupport::MakeWave(1, 8000, 8, samples);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    return path;
  }
  static int WaveSize(size_t samples) {
    return static_cast<int>(testsupport::MakeWave(1, 8000, 8, samples).size());
  }
};

TEST_F(WaveListEditor, EveryEndingButOKLeavesTheListsStreamAsItWas) {
  designtest::ExpectOnlyOKChanges(
      &list_, [this] { Fill(4); }, [this](TEnding e) { return Run(MoveCompressAndRemove, e); });
  const std::string before = vcl::WriteComponentToBytes(&list_);
  // "Quit and Cancel" from the File menu too.
  EXPECT_FALSE(Run(
      [](TZYLWaveListEditorDlg* f) {
        MoveCompressAndRemove(f);
        f->quit2->Click();
      },
      TEnding::Unanswered));
  EXPECT_EQ(vcl::WriteComponentToBytes(&list_), before);
}

TEST_F(WaveListEditor, OKAssignsTheWorkingListOnce) {
  ExpectOKAssignsOnce();
  // "Quit" accepts as OK does.
  EXPECT_TRUE(Run([](TZYLWaveListEditorDlg* f) { f->Quit1->Click(); }, TEnding::Unanswered));
}

TEST_F(WaveListEditor, SetWavesGivesTheWorkingListACopyOfTheGivenList) {
  Fill(3);
  list_.SetDefaultCompressed(true);
  auto f = ZYLCreateEditorForm<TZYLWaveListEditorDlg>(nullptr);
  f->SetWaves(&list_);
  f->SetLabels(-1);
  TZYLWaveList* work = f->WaveList();
  ASSERT_NE(work, &list_);
  EXPECT_EQ(designtest::ItemNames(work), (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_TRUE(work->DefaultCompressed());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(work->GetArrayItem(i)->Ident, 100 + i) << i;
    EXPECT_EQ(work->GetArrayItem(i)->Wave()->GetSize(), WaveSize(10 + i)) << i;
  }
  EXPECT_EQ(designtest::BoxLines(f->lb).size(), 3u);
  // The working list is a copy: editing it leaves the given list alone.
  work->GetArrayItem(1)->Description = "changed";
  work->GetArrayItem(1)->Wave()->SetData(testsupport::MakeWave(1, 8000, 8, 99));
  work->Delete(0);
  EXPECT_EQ(designtest::ItemNames(&list_), (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_EQ(list_.GetArrayItem(1)->Wave()->GetSize(), WaveSize(11));
  // A second list replaces what the working list held.
  TZYLWaveList other(nullptr);
  other.GetArrayItem(other.Add())->Description = "only";
  f->SetWaves(&other);
  EXPECT_EQ(designtest::ItemNames(work), std::vector<std::string>{"only"});
  EXPECT_FALSE(work->DefaultCompressed());
  // No list is refused and the working list keeps what it holds.
  EXPECT_THROW(f->SetWaves(nullptr), vcl::EConvertError);
  EXPECT_EQ(designtest::ItemNames(work), std::vector<std::string>{"only"});
}

TEST_F(WaveListEditor, EachLineShowsIndexSizeIdentCompressedFlagAndDescription) {
  AddWave("first", 0);
  AddWave("Click", 40, 7, true);
  AddWave("a;b", 3, 65535);
  std::vector<std::string> lines;
  int opened = -2;
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
    lines = BoxLines(f->lb);
    opened = f->lb->GetInteger(TZYLListBox::iiItemIndex);
  }));
  EXPECT_EQ(lines, (std::vector<std::string>{"0;0;0;0;first",
                                             "1;" + std::to_string(WaveSize(40)) + ";7;1;Click",
                                             "2;" + std::to_string(WaveSize(3)) + ";65535;0;a;b"}));
  EXPECT_EQ(opened, -1);
}

TEST_F(WaveListEditor, AnEmptyListDisablesEveryCommandThatNeedsItems) {
  std::vector<std::string> enabled;
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
    vt::ClickControl(f->multisel);
    EXPECT_EQ(f->lb->GetInteger(TZYLListBox::iiItemIndex), -1);
    const std::pair<const char*, vcl::TComponent*> commands[] = {
        {"btnSave", f->btnSave}, {"mnuSave", f->mnuSave},
        {"clear", f->clear},     {"ClearAll1", f->ClearAll1},
        {"comp", f->comp},       {"mnuSelectAll", f->mnuSelectAll},
        {"play", f->play},       {"Play1", f->Play1},
        {"remove", f->remove},   {"btnCut", f->btnCut},
        {"mnuCopy", f->mnuCopy}, {"btnProp", f->btnProp},
        {"add", f->add},         {"addfast", f->addfast},
        {"btnLoad", f->btnLoad}};
    for (const auto& [name, c] : commands) {
      const bool on = dynamic_cast<vcl::TMenuItem*>(c) ? static_cast<vcl::TMenuItem*>(c)->Enabled()
                                                       : static_cast<vcl::TControl*>(c)->Enabled();
      if (on) enabled.push_back(name);
    }
  }));
  EXPECT_EQ(enabled, (std::vector<std::string>{"add", "addfast", "btnLoad"}));
}

TEST_F(WaveListEditor, MovingPlayingAndPropertiesFollowTheCurrentLineAndTheMode) {
  Fill(3);
  AddWave("silent", 0);
  struct TState {
    int Line;
    bool Multi;
    bool Up, Down, Play, Prop;
  };
  std::vector<TState> seen;
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
    auto note = [&](int line, bool multi) {
      seen.push_back({line, multi, f->up->Enabled(), f->Down->Enabled(), f->play->Enabled(),
                      f->btnProp->Enabled()});
    };
    for (int line : {0, 1, 3}) {
      Select(f, line);
      note(line, false);
    }
    vt::ClickControl(f->multisel);
    f->lb->SetSelected(0, true);
    f->lb->SetSelected(1, true);
    f->WriteGeneral();
    note(1, true);
  }));
  const std::vector<std::vector<bool>> expected = {{false, true, true, true},
                                                   {true, true, true, true},
                                                   {true, false, false, true},
                                                   {false, false, true, false}};
  ASSERT_EQ(seen.size(), expected.size());
  for (size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(std::to_string(seen[i].Line) + (seen[i].Multi ? " multi" : ""));
    EXPECT_EQ((std::vector<bool>{seen[i].Up, seen[i].Down, seen[i].Play, seen[i].Prop}),
              expected[i]);
  }
}

TEST_F(WaveListEditor, PlayPlaysTheCurrentItemsWave) {
  Fill(3);
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
    Select(f, 2);
    vt::ClickControl(f->play);
    Select(f, 0);
    f->Play1->Click();
  }));
  ASSERT_EQ(ZYLPlayedWaves().size(), 2u);
  EXPECT_EQ(ZYLPlayedWaves()[0], list_.GetArrayItem(2)->Wave()->Data());
  EXPECT_EQ(ZYLPlayedWaves()[1], list_.GetArrayItem(0)->Wave()->Data());
}

TEST_F(WaveListEditor, TogglingTheSelectionModeSelectsTheFirstLine) {
  Fill(3);
  std::vector<int> current;
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
    Select(f, 2);
    f->mnuMulti->Click();
    current.push_back(f->lb->GetInteger(TZYLListBox::iiItemIndex));
    current.push_back(f->multisel->Pressed());
    Select(f, 2);
    vt::ClickControl(f->singleselect);
    current.push_back(f->lb->GetInteger(TZYLListBox::iiItemIndex));
    current.push_back(f->mnuMulti->Checked());
  }));
  EXPECT_EQ(current, (std::vector<int>{0, 1, 0, 0}));
}

TEST_F(WaveListEditor, PasteBeforeTheCurrentLineOrAfterTheLastOne) {
  struct TCase {
    int current;
    std::vector<std::string> expected;
  };
  const TCase cases[] = {{-1, {"0", "1", "2", "0", "1"}},
                         {2, {"0", "1", "2", "0", "1"}},
                         {1, {"0", "0", "1", "1", "2"}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.current);
    Fill(3);
    ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
      vt::ClickControl(f->multisel);
      f->lb->SetSelected(0, true);
      f->lb->SetSelected(1, true);
      f->mnuCopy->Click();
      vt::ClickControl(f->singleselect);
      if (c.current >= 0)
        Select(f, c.current);
      else
        f->lb->SetInteger(TZYLListBox::iiItemIndex, -1);
      vt::ClickControl(f->btnPaste);
    }));
    EXPECT_EQ(ItemNames(&list_), c.expected);
    // The pasted items carry their waves.
    for (int i = 0; i < list_.Count(); ++i)
      EXPECT_EQ(list_.GetArrayItem(i)->Wave()->GetSize(), WaveSize(10 + std::stoi(c.expected[i])));
  }
}

TEST_F(WaveListEditor, CutThenPasteKeepsTheOrderAndADamagedStreamChangesNothing) {
  Fill(5);
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
    vt::ClickControl(f->multisel);
    for (int line : {1, 3}) f->lb->SetSelected(line, true);
    f->lb->SetSelected(0, false);
    vt::ClickControl(f->btnCut);
    EXPECT_EQ(ItemNames(f->WorkList()), (std::vector<std::string>{"0", "2", "4"}));
    vt::ClickControl(f->singleselect);
    Select(f, 0);
    f->mnuPaste->Click();
  }));
  EXPECT_EQ(ItemNames(&list_), (std::vector<std::string>{"1", "3", "0", "2", "4"}));

  ExpectDamagedPasteChangesNothing();
  const std::string before = vcl::WriteComponentToBytes(&list_);
  // A list of another kind is ignored.
  TZYLStringList strings(nullptr);
  strings.Add();
  vcl::Clipboard()->SetComponent(&strings);
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) { vt::ClickControl(f->btnPaste); }));
  EXPECT_EQ(vcl::WriteComponentToBytes(&list_), before);
}

TEST_F(WaveListEditor, DroppedFilesEndingInWavOfAnyCaseBecomeItems) {
  list_.SetDefaultCompressed(true);
  const std::string bell = WaveFile("BELL.WAV", 20), ding = WaveFile("ding.wav", 30);
  const std::string wave = WaveFile("bell.wave", 5), mp3 = WaveFile("bell.mp3", 5);
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
    vcl::TStringList files;
    for (const std::string& name : {bell, wave, mp3, std::string("wav"), ding}) files.Add(name);
    f->fmFMDragDrop(nullptr, files.Count(), 0, 0, &files);
  }));
  ASSERT_EQ(list_.Count(), 2);
  EXPECT_EQ(list_.GetArrayItem(0)->Wave()->GetSize(), WaveSize(20));
  EXPECT_EQ(list_.GetArrayItem(1)->Wave()->GetSize(), WaveSize(30));
  EXPECT_TRUE(list_.Item(1)->Compressed);
}

TEST_F(WaveListEditor, WaveFilesDroppedAnywhereOnTheFormAreTaken) {
  const std::string bell = WaveFile("bell.wav", 9);
  std::vector<bool> taken;
  ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
    taken.push_back(win::ShellDropFiles(f->btnCopy->ClientToScreen({5, 5}), {bell}));
    taken.push_back(win::ShellDropFiles(f->lb->ClientToScreen({40, 60}), {bell}));
    win::testkit::RunUntilIdle();
  }));
  EXPECT_EQ(taken, (std::vector<bool>{true, true}));
  EXPECT_EQ(list_.Count(), 2);
}

// A drop selects the line that was last before it: none when the list was empty.
TEST_F(WaveListEditor, ADropIntoAnEmptyListAddsTheItemsAndSelectsNoLine) {
  const std::string a = WaveFile("a.wav", 4), b = WaveFile("b.wav", 6);
  struct TCase {
    int before;
    int selected;
  };
  for (const TCase& c : {TCase{0, -1}, TCase{2, 1}}) {
    SCOPED_TRACE(c.before);
    Fill(c.before);
    int selected = -2, lines = 0;
    ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
      vcl::TStringList files;
      files.Add(a);
      files.Add(b);
      f->fmFMDragDrop(nullptr, files.Count(), 0, 0, &files);
      selected = f->lb->GetInteger(TZYLListBox::iiItemIndex);
      lines = f->lb->GetItems()->Count();
    }));
    EXPECT_EQ(lines, c.before + 2);
    EXPECT_EQ(selected, c.selected);
    EXPECT_EQ(list_.Count(), c.before + 2);
  }
}

// A dropped wave file that cannot be loaded (no wave data, or no file to read) ends the drop:
// its error leaves the drop for the host to show, the files before it are in, those after it
// are not, and the lines and the cursor are as after any drop.
TEST_F(WaveListEditor, ADroppedFileThatCannotBeLoadedEndsTheDropAndReachesTheUser) {
  const std::string good = WaveFile("good.wav", 5), later = WaveFile("later.wav", 7);
  const std::string junk = dir_.File("junk.wav");
  std::ofstream(junk, std::ios::binary) << "this is no RIFF data";
  const std::string folder = dir_.File("folder.wav");
  std::filesystem::create_directory(folder);
  for (const std::string& bad : {junk, folder}) {
    SCOPED_TRACE(bad);
    list_.Clear();
    std::vector<std::string> lines;
    vcl::TCursor cursor = vcl::crNone;
    std::string error;
    ASSERT_TRUE(Run([&](TZYLWaveListEditorDlg* f) {
      error = designtest::MessageOf([&] {
        win::ShellDropFiles(f->lb->ClientToScreen({40, 60}), {good, bad, later});
        win::testkit::RunUntilIdle();
      });
      lines = BoxLines(f->lb);
      cursor = vcl::Screen->Cursor();
    }));
    EXPECT_NE(error.find(bad), std::string::npos) << error;
    EXPECT_EQ(list_.Count(), 1);
    EXPECT_EQ(list_.GetArrayItem(0)->Wave()->GetSize(), WaveSize(5));
    EXPECT_EQ(lines, (std::vector<std::string>{"0;" + std::to_string(WaveSize(5)) + ";0;0;"}));
    EXPECT_EQ(cursor, vcl::crDefault);
  }
}

// A wave list editor on which a file named "refused.wav" loads but cannot become an item.
class TRefusingWaveEditor : public TZYLWaveListEditorDlg {
 public:
  using TZYLWaveListEditorDlg::TZYLWaveListEditorDlg;

 protected:
  TZYLAppendStep LoadDropped(const std::string& File) override {
    TZYLAppendStep append = TZYLWaveListEditorDlg::LoadDropped(File);
    if (vcl::ExtractFileName(File) != "refused.wav") return append;
    return []() -> bool { throw vcl::EOutOfMemory("no room for the item"); };
  }
};

// A loaded file that cannot become an item is named to the user, open-error text and file name,
// and the drop goes on with the next file.
TEST_F(WaveListEditor, ALoadedFileThatCannotBecomeAnItemIsNamedAndTheDropGoesOn) {
  const std::string refused = WaveFile("refused.wav", 3), next = WaveFile("next.wav", 8);
  auto f = ZYLCreateEditorForm<TRefusingWaveEditor>(nullptr);
  vt::TDialogScript script;
  script.Press("OK");
  vcl::TStringList files;
  files.Add(refused);
  files.Add(next);
  f->fmFMDragDrop(nullptr, files.Count(), 0, 0, &files);
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Text, std::string(vcl::SFOpenError) + ":\r" + refused);
  ASSERT_EQ(f->WorkList()->Count(), 1);
  EXPECT_EQ(static_cast<TZYLWaveList*>(f->WorkList())->GetArrayItem(0)->Wave()->GetSize(),
            WaveSize(8));
  EXPECT_EQ(BoxLines(f->lb).size(), 1u);
}

TEST_F(WaveListEditor, AddFilesTakesWaveFilesAndRestoresTheFileDialog) {
  const std::string a = WaveFile("a.wav", 4), b = WaveFile("b.wav", 6);
  std::string filter, ext;
  bool multi = true;
  ASSERT_TRUE(Run(
      [&](TZYLWaveListEditorDlg* f) {
        vt::ClickControl(f->addfast);
        filter = f->FileDialog->Filter();
        ext = f->FileDialog->DefaultExt();
        multi = f->FileDialog->Options().contains(vcl::ofAllowMultiSelect);
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.ChooseFiles({a, b});
      }));
  EXPECT_EQ(list_.Count(), 2);
  EXPECT_EQ(ext, "wvl");
  EXPECT_NE(filter.find("wvl"), std::string::npos);
  EXPECT_FALSE(multi);
}

TEST_F(WaveListEditor, ListFilesSaveLoadAndACorruptFileChangesNothing) {
  // Saved from the File menu; the corrupt file loads by the button, the saved one by the menu.
  ExpectListFilesSaveAndLoad(
      ".wvl", "ZYLWVL30", icWave, [](TZYLWaveListEditorDlg* f) { f->mnuSave->Click(); },
      [](TZYLWaveListEditorDlg* f) { vt::ClickControl(f->btnLoad); },
      [](TZYLWaveListEditorDlg* f) { f->mnuLoad->Click(); });
  EXPECT_EQ(list_.GetArrayItem(2)->Wave()->GetSize(), WaveSize(12));
  ExpectMissingRecentFileDropped(".wvl");
}

TEST_F(WaveListEditor, ClearAnsweredNoKeepsEveryItemAndYesClears) {
  ExpectClearAsksFirst([](TZYLWaveListEditorDlg* f) { f->ClearAll1->Click(); });
}

TEST_F(WaveListEditor, AddOffersTheCountAndTheDefaultsAndAddsAnItemWithoutAWave) {
  Fill(2);
  list_.SetDefaultCompressed(true);
  std::vector<std::string> offered;
  int selected = -2;
  ASSERT_TRUE(Run(
      [&](TZYLWaveListEditorDlg* f) {
        vt::ClickControl(f->add);
        selected = f->lb->GetInteger(TZYLListBox::iiItemIndex);
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.Do([&](vcl::TCustomForm* d) {
          auto* dlg = static_cast<TZYLFrmwiprop*>(d);
          offered = {std::to_string(dlg->ed->IntValue()), dlg->Index->Caption(),
                     dlg->compress->Checked() ? "1" : "0", dlg->format->Caption(),
                     dlg->size->Caption()};
          vt::TypeInto(dlg->desc, "new one");
          vt::TypeInto(dlg->ed, "65535");
          vt::ClickControl(dlg->Button1);
        });
      }));
  EXPECT_EQ(offered, (std::vector<std::string>{"2", "2", "1", "No Wave-File selected", "---"}));
  EXPECT_EQ(selected, 2);
  ASSERT_EQ(list_.Count(), 3);
  EXPECT_EQ(list_.Item(2)->Description, "new one");
  EXPECT_EQ(list_.Item(2)->Ident, 65535);
  EXPECT_TRUE(list_.Item(2)->Compressed);
  EXPECT_TRUE(list_.Item(2)->GetEmpty());
}

TEST_F(WaveListEditor, PropertiesShowTheWavesFactsAndWriteTheDialogsValuesBack) {
  Fill(2);
  list_.GetArrayItem(1)->Wave()->SetData(testsupport::MakeWave(2, 22050, 16, 8));
  std::vector<std::string> facts;
  ASSERT_TRUE(
      Run([&](TZYLWaveListEditorDlg* f) { designtest::ClickListLine(f->lb->ListBox(), 1, true); },
          TEnding::Ok,
          [&](vt::TDialogScript& s) {
            s.Do([&](vcl::TCustomForm* d) {
              auto* dlg = static_cast<TZYLFrmwiprop*>(d);
              facts = {dlg->Index->Caption(),    dlg->desc->Text(),
                       dlg->format->Caption(),   dlg->size->Caption(),
                       dlg->bits->Caption(),     dlg->samplerate->Caption(),
                       dlg->Channels->Caption(), std::to_string(dlg->ed->IntValue())};
              vt::TypeInto(dlg->desc, "renamed");
              vt::ClickControl(dlg->compress);
              vt::ClickControl(dlg->Button1);
            });
          }));
  EXPECT_EQ(facts, (std::vector<std::string>{
                       "1", "1", "PCM-Wave",
                       std::to_string(testsupport::MakeWave(2, 22050, 16, 8).size()) + " Bytes",
                       "16 Bit", "22050 Hz", "Stereo", "101"}));
  EXPECT_EQ(list_.Item(1)->Description, "renamed");
  EXPECT_TRUE(list_.Item(1)->Compressed);
  EXPECT_EQ(list_.GetArrayItem(1)->Wave()->GetBits(), 16);
}

TEST_F(WaveListEditor, PropertiesCancelledInTheItemDialogChangeNothing) {
  Fill(2);
  const std::string before = vcl::WriteComponentToBytes(&list_);
  ASSERT_TRUE(Run(
      [&](TZYLWaveListEditorDlg* f) {
        Select(f, 0);
        f->Properties1->Click();
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.Do([&](vcl::TCustomForm* d) {
          auto* dlg = static_cast<TZYLFrmwiprop*>(d);
          vt::TypeInto(dlg->desc, "not taken");
          vt::ClickControl(dlg->Button2);
        });
      }));
  EXPECT_EQ(vcl::WriteComponentToBytes(&list_), before);
}

// "&Change" in the item dialog opens the wave editor on the item's wave: emptied there, the
// dialog shows no wave any more, and OK empties the item's wave.
TEST_F(WaveListEditor, ChangeEditsTheItemsWaveInTheWaveEditorAndAnEmptiedWaveEmptiesTheItem) {
  testsupport::TEnvGuard registry{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  Fill(2);
  list_.GetArrayItem(1)->Wave()->SetData(testsupport::MakeWave(2, 22050, 16, 8));
  std::vector<std::string> before, after;
  ASSERT_TRUE(Run(
      [&](TZYLWaveListEditorDlg* f) {
        Select(f, 1);
        f->Properties1->Click();
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.Do([&](vcl::TCustomForm* d) {
           auto* dlg = static_cast<TZYLFrmwiprop*>(d);
           before = {dlg->format->Caption(), dlg->Channels->Caption()};
           vt::ClickControl(dlg->change);
           after = {dlg->format->Caption(), dlg->Channels->Caption()};
           vt::ClickControl(dlg->Button1);
         }).Do([&](vcl::TCustomForm* d) {
          auto* editor = static_cast<TZYLWaveEditorDlg*>(d);
          vt::ClickControl(editor->Clear);
          vt::ClickControl(editor->ok);
        });
      }));
  EXPECT_EQ(before, (std::vector<std::string>{"PCM-Wave", "Stereo"}));
  EXPECT_EQ(after, (std::vector<std::string>{"No Wave-File selected", "---"}));
  EXPECT_TRUE(list_.GetArrayItem(1)->Wave()->GetEmpty());
}

}  // namespace
}  // namespace zyl
