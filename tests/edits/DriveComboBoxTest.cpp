// The drive combo box over a made-up mount table: the kinds of drive and their item texts
// (labels, remote names, removable drives without a label), the current drive set by letter,
// a drive whose folder vanished, and the items' icons and texts on the screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "edits/ZYLDriveComboBox.h"
#include "platform/sys/Drives.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/TempDir.h"

namespace {

using combotest::Place;
using combotest::Texts;
using edittest::THost;
using zyl::TZYLDriveComboBox;

// Sets an environment variable for the test's life.
class TEnv {
 public:
  void Set(const std::string& Name, const std::string& Value) {
    if (!saved_.count(Name)) {
      const char* old = std::getenv(Name.c_str());
      saved_[Name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    setenv(Name.c_str(), Value.c_str(), 1);
  }
  ~TEnv() {
    for (const auto& [name, value] : saved_)
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

// The mount table's fields escape blanks as octal numbers.
std::string Escaped(const std::string& s) {
  std::string out;
  for (char c : s) out += c == ' ' ? std::string("\\040") : std::string(1, c);
  return out;
}

struct DriveCase {
  char Letter;
  const char* Source;  // the mounted device (nullptr: the folder is missing)
  const char* Type;
  const char* Item;  // the expected item text (empty: not listed)
};

const DriveCase kDrives[] = {
    {'D', "@disk1", "ext4", "d: [data disk]"},
    {'E', "@disk2", "ext4", "e: []"},
    {'F', "server:/export/Home", "nfs4", "f: \\\\server\\export\\home"},
    {'G', nullptr, "ext4", ""},
    {'R', "tmpfs", "tmpfs", "r: []"},
    {'S', "//Server/Public Share", "cifs", "s: \\\\server\\public share"},
    {'U', "@stick", "vfat", "u:"},
    {'V', "@cd", "iso9660", "v: []"},
};

class DriveComboTest : public ::testing::Test {
 protected:
  DriveComboTest() {
    namespace fs = std::filesystem;
    const std::string root = dir_.Path();
    fs::create_directories(root + "/dev");
    fs::create_directories(root + "/labels");
    std::ofstream mounts(root + "/mounts");
    mounts << "/dev/root / ext4 rw 0 0\n";
    for (const DriveCase& d : kDrives) {
      const std::string folder = root + "/drive " + d.Letter;
      env_.Set(std::string("ZYL_DRIVE_") + d.Letter, folder);
      if (!d.Source) continue;
      fs::create_directories(folder);
      std::string source = d.Source;
      if (source[0] == '@') {
        source = root + "/dev/" + source.substr(1);
        std::ofstream(source).put('\n');
      }
      mounts << Escaped(source) << ' ' << Escaped(folder) << ' ' << d.Type << " rw 0 0\n";
    }
    fs::create_symlink(root + "/dev/disk1", root + "/labels/DATA\\x20DISK");
    env_.Set("ZYL_MOUNTS", root + "/mounts");
    env_.Set("ZYL_DISK_LABELS", root + "/labels");
  }
  testsupport::TempDir dir_;
  TEnv env_;
  THost host_;
};

TEST_F(DriveComboTest, ListsEachKindOfDriveWithItsLabelOrRemoteName) {
  auto* combo = Place<TZYLDriveComboBox>(host_, "Drives", 10, 10, 220);
  const std::vector<std::string> items = Texts(combo);
  std::vector<std::pair<std::string, std::string>> cases;
  for (const DriveCase& d : kDrives) {
    const int index = combo->IndexOfDrive(d.Letter);
    cases.emplace_back(index < 0 ? std::string() : items[static_cast<size_t>(index)], d.Item);
  }
  for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
  // The items come in letter order, C: (the root) first.
  EXPECT_EQ(items.front(), "c: []");
  EXPECT_EQ(items.size(), std::size(kDrives));
}

TEST_F(DriveComboTest, TheSystemsDriveCallsAnswerAsTheDrivesAre) {
  char remote[8] = {};
  win::DWORD length = sizeof remote;
  EXPECT_EQ(win::WNetGetConnectionA("F:", remote, &length), win::ERROR_MORE_DATA);
  EXPECT_EQ(length, std::string("\\\\server\\export\\Home").size() + 1);
  EXPECT_EQ(win::WNetGetConnectionA("D:", remote, &length), win::ERROR_NOT_CONNECTED);
  EXPECT_EQ(win::WNetGetConnectionA("", remote, &length), win::ERROR_BAD_DEVICE);
  EXPECT_EQ(win::GetDriveTypeA("G:\\"), win::DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(win::GetDriveTypeA("D:\\sub"), win::DRIVE_NO_ROOT_DIR);
  EXPECT_FALSE(
      win::GetVolumeInformationA("G:\\", nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0));
  char label[5];
  char type[8];
  ASSERT_TRUE(win::GetVolumeInformationA("d:\\", label, sizeof label, nullptr, nullptr, nullptr,
                                         type, sizeof type));
  testsupport::ExpectCases({{label, "DATA"}, {type, "EXT4"}});
  EXPECT_NE(win::GetLogicalDrives() & (1u << ('G' - 'A')), 0u);
  // Nothing shows a system error box: the mode is only kept.
  const win::UINT old = win::SetErrorMode(win::SEM_FAILCRITICALERRORS);
  EXPECT_EQ(win::SetErrorMode(old), win::SEM_FAILCRITICALERRORS);
}

TEST_F(DriveComboTest, DriveSelectsByLetterInEitherCase) {
  auto* combo = Place<TZYLDriveComboBox>(host_, "Drives", 10, 10, 220);
  combo->OnChange = vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Changed);
  combo->SetDrive('D');
  EXPECT_EQ(combo->Drive(), 'd');
  EXPECT_EQ(combo->Text(), "d: [data disk]");
  EXPECT_EQ(host_.Events().Take(), "change");
  // A vanished drive's letter changes nothing; 0 clears the choice.
  combo->SetDrive('g');
  EXPECT_EQ(combo->Drive(), 'd');
  EXPECT_EQ(combo->Text(), "d: [data disk]");
  EXPECT_EQ(host_.Events().Take(), "");
  combo->SetDrive(0);
  EXPECT_EQ(combo->Drive(), 0);
  EXPECT_EQ(combo->ItemIndex(), -1);
  // The user's choice sets the drive.
  combotest::ChooseByMouse(combo, combo->IndexOfDrive('u'));
  EXPECT_EQ(combo->Drive(), 'u');
  // A current folder on a mapped drive makes it the drive of a new box.
  const std::string old = std::filesystem::current_path().string();
  std::filesystem::current_path(dir_.Path() + "/drive F");
  auto* fresh = Place<TZYLDriveComboBox>(host_, "Fresh", 10, 60, 220);
  std::filesystem::current_path(old);
  EXPECT_EQ(fresh->Drive(), 'f');
  EXPECT_EQ(fresh->Text(), "f: \\\\server\\export\\home");
}

TEST_F(DriveComboTest, ADriveThatVanishesIsDrawnWithoutIconAndDroppedOnRebuild) {
  auto* combo = Place<TZYLDriveComboBox>(host_, "Drives", 10, 10, 220);
  combo->SetDrive('e');
  std::filesystem::remove_all(dir_.Path() + "/drive E");
  combotest::ClickButton(combo);
  ASSERT_TRUE(combo->DroppedDown());
  const win::testkit::TCapture list = combotest::ShotWindow(combo->ListHandle());
  const win::RECT e = combotest::ListItemRect(combo, combo->IndexOfDrive('e'));
  const win::RECT d = combotest::ListItemRect(combo, combo->IndexOfDrive('d'));
  // The icon's square of the vanished drive stays in the item's colour; the listed drive
  // beside it shows its icon.
  const int side = combo->ItemHeight();
  const win::RECT iconE{1, 1 + e.Top, 1 + side, 1 + e.Top + side};
  EXPECT_TRUE(win::testkit::PixelsMatch(
      list, [&](int, int) { return list.Color(iconE.Left, iconE.Top); }, "vanished_icon", iconE));
  const win::RECT iconD{1, 1 + d.Top, 1 + side, 1 + d.Top + side};
  EXPECT_FALSE(win::testkit::PixelsMatch(
      list, [&](int, int) { return list.Color(iconD.Left, iconD.Top); }, "listed_icon", iconD));
  combotest::ClickButton(combo);
  // A new window lists the drives again: the vanished one is gone and nothing is chosen.
  vcl::TFont* font = combo->Font();
  font->SetSize(font->Size() + 2);
  THost::Idle();
  EXPECT_LT(combo->IndexOfDrive('e'), 0);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Drive(), 'e');
}

TEST_F(DriveComboTest, ItemsGrowWithTheFontAndTheListFollows) {
  auto* combo = Place<TZYLDriveComboBox>(host_, "Drives", 10, 10, 220);
  combo->Font()->SetName("Arial");  // scalable to every size
  int last = 0;
  for (int size : {8, 12, 20}) {
    combo->Font()->SetSize(size);
    THost::Idle();
    EXPECT_GT(combo->ItemHeight(), last) << size;
    last = combo->ItemHeight();
    const win::RECT r = combotest::ListItemRect(combo, 0);
    EXPECT_EQ(r.Bottom - r.Top, last) << size;
  }
}

}  // namespace
