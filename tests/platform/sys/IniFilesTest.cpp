#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/DateTime.h"
#include "platform/sys/IniFiles.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/StringItems.h"
#include "tests/support/TempDir.h"

using namespace vcl;
using Strs = std::vector<std::string>;

namespace {

using testsupport::Items;

class IniFilesTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& name) const {
    std::ifstream in(dir_.File(name), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream out(dir_.File(name), std::ios::binary | std::ios::trunc);
    out << text;
  }
  testsupport::TempDir dir_;
};

TEST_F(IniFilesTest, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
  TIniFile ini(dir_.File("new.ini"));
  EXPECT_EQ(ini.FileName(), dir_.File("new.ini"));
  EXPECT_EQ(ini.ReadString("S", "k", "def"), "def");
  EXPECT_EQ(ini.ReadInteger("S", "k", 5), 5);
  EXPECT_FALSE(ini.SectionExists("S"));
  EXPECT_FALSE(ini.ValueExists("S", "k"));
  ini.EraseSection("S");  // nothing to erase: no file is made
  ini.DeleteKey("S", "k");
  struct stat st;
  EXPECT_NE(::stat(dir_.File("new.ini").c_str(), &st), 0);
  ini.WriteString("Main", "Name", "value");
  EXPECT_EQ(Read("new.ini"), "[Main]\r\nName=value\r\n");
  EXPECT_TRUE(ini.SectionExists("MAIN"));
  EXPECT_TRUE(ini.ValueExists("main", "NAME"));
}

// The text rules themselves are TIniText's (IniTextTest); here the file reads through them.
TEST_F(IniFilesTest, ReadsTheFileThroughTheTextRules) {
  Write("a.ini", "[Colors]\n  ColorA  =  $00FF00  \ncolora=duplicate\n[Empty]\n[colors]\nLate=1\n");
  TIniFile ini(dir_.File("a.ini"));
  EXPECT_EQ(ini.ReadString("COLORS", "colorA", ""), "$00FF00");
  EXPECT_EQ(ini.ReadInteger("Colors", "ColorA", 0), 0x00FF00);
  EXPECT_EQ(ini.ReadString("Colors", "Late", ""), "1");
  EXPECT_FALSE(ini.SectionExists("Empty"));  // no keys: does not count
  EXPECT_TRUE(ini.SectionExists("colors"));
}

TEST_F(IniFilesTest, WritesKeepCommentsAndOtherLines) {
  Write("c.ini", "; settings\n[A]\n; about x\nx=1\n\n[B]\ny=2\n");
  TIniFile ini(dir_.File("c.ini"));
  ini.WriteInteger("a", "X", 10);
  ini.WriteBool("B", "Flag", true);
  ini.WriteBool("B", "Off", false);
  EXPECT_EQ(Read("c.ini"), "; settings\r\n[A]\r\n; about x\r\nx=10\r\n\r\n[B]\r\ny=2\r\nFlag=1\r\nOff=0\r\n");
  ini.DeleteKey("B", "Y");
  ini.EraseSection("a");
  EXPECT_EQ(Read("c.ini"), "; settings\r\n[B]\r\nFlag=1\r\nOff=0\r\n");
}

TEST_F(IniFilesTest, WritesGoThroughAndOtherWritersAreSeen) {
  TIniFile first(dir_.File("w.ini"));
  TIniFile second(dir_.File("w.ini"));
  first.WriteString("S", "a", "1");
  EXPECT_EQ(second.ReadString("S", "a", ""), "1");
  second.WriteString("S", "b", "2");
  first.WriteString("S", "c", "3");  // keeps the second writer's key
  EXPECT_EQ(Read("w.ini"), "[S]\r\na=1\r\nb=2\r\nc=3\r\n");
  Write("w.ini", "[S]\na=changed outside\n");
  EXPECT_EQ(first.ReadString("S", "a", ""), "changed outside");
  first.UpdateFile();  // nothing pending
  EXPECT_EQ(Read("w.ini"), "[S]\na=changed outside\n");
}

TEST_F(IniFilesTest, ConcurrentWritersLoseNothing) {
  const std::string name = dir_.File("shared.ini");
  Write("shared.ini", "; shared settings\n");
  constexpr int kWriters = 3, kKeys = 12;
  std::vector<pid_t> kids;
  for (int p = 0; p < kWriters; ++p) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int rc = 0;
      try {
        TIniFile ini(name);
        for (int i = 0; i < kKeys; ++i) ini.WriteInteger("P" + std::to_string(p), "k" + std::to_string(i), i);
      } catch (...) {
        rc = 3;
      }
      _exit(rc);
    }
    kids.push_back(pid);
  }
  // Threads of this process write at the same time.
  std::vector<std::thread> threads;
  for (int t = 0; t < 2; ++t)
    threads.emplace_back([&name, t] {
      TIniFile ini(name);
      for (int i = 0; i < kKeys; ++i) ini.WriteString("Threads", "t" + std::to_string(t) + "_" + std::to_string(i), "x");
    });
  for (auto& th : threads) th.join();
  for (pid_t pid : kids) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  TMemIniFile ini(name);
  TStringList keys;
  for (int p = 0; p < kWriters; ++p) {
    ini.ReadSection("P" + std::to_string(p), &keys);
    EXPECT_EQ(keys.Count(), kKeys);
    EXPECT_EQ(ini.ReadInteger("P" + std::to_string(p), "k11", -1), 11);
  }
  ini.ReadSection("Threads", &keys);
  EXPECT_EQ(keys.Count(), 2 * kKeys);
  EXPECT_EQ(Read("shared.ini").rfind("; shared settings\r\n", 0), 0u);
}

TEST_F(IniFilesTest, TypedValuesAndBadTextGiveTheDefault) {
  Write("t.ini",
        "[N]\nhex=$1F\nchex=0x10\nneg=-5\njunk=12abc\nblank=\nbig=99999999999\n"
        "zero=0\ntwo=2\nword=yes\nf=2.5\nfbad=2,5x\ndbad=31/31/2000\n");
  TIniFile ini(dir_.File("t.ini"));
  const std::pair<const char*, int> integers[] = {{"hex", 31}, {"chex", 16}, {"neg", -5},
                                                  {"junk", 7}, {"blank", 7}, {"big", 7}};
  for (const auto& [key, value] : integers) EXPECT_EQ(ini.ReadInteger("N", key, 7), value) << key;
  EXPECT_FALSE(ini.ReadBool("N", "zero", true));
  EXPECT_TRUE(ini.ReadBool("N", "two", false));
  EXPECT_TRUE(ini.ReadBool("N", "word", true));  // not a number: the default
  EXPECT_FALSE(ini.ReadBool("N", "word", false));
  EXPECT_EQ(ini.ReadFloat("N", "f", 0), 2.5);
  EXPECT_EQ(ini.ReadFloat("N", "fbad", 1.5), 1.5);
  EXPECT_EQ(ini.ReadFloat("N", "missing", 1.5), 1.5);
  EXPECT_EQ(ini.ReadDate("N", "dbad", 3.0), 3.0);
  EXPECT_EQ(ini.ReadTime("N", "junk", 0.25), 0.25);
  EXPECT_EQ(ini.ReadDateTime("N", "junk", 4.0), 4.0);

  const double date = EncodeDate(2003, 7, 14);
  const double time = EncodeTime(13, 45, 30, 0);
  ini.WriteFloat("V", "f", 0.125);
  ini.WriteDate("V", "d", date);
  ini.WriteTime("V", "t", time);
  ini.WriteDateTime("V", "dt", date + time);
  ini.WriteInteger("V", "i", -2147483647 - 1);
  EXPECT_EQ(ini.ReadString("V", "f", ""), "0.125");
  EXPECT_EQ(ini.ReadFloat("V", "f", 0), 0.125);
  EXPECT_EQ(ini.ReadDate("V", "d", 0), date);
  EXPECT_NEAR(ini.ReadTime("V", "t", 0), time, 1e-9);
  EXPECT_NEAR(ini.ReadDateTime("V", "dt", 0), date + time, 1e-9);
  EXPECT_EQ(ini.ReadInteger("V", "i", 0), -2147483647 - 1);
}

TEST_F(IniFilesTest, BinaryStreamsAsHexText) {
  TMemIniFile ini(dir_.File("b.ini"));
  TMemoryStream src;
  const unsigned char bytes[] = {0x00, 0x7F, 0xAB, 0xFF};
  src.WriteBuffer(bytes, 4);
  src.SetPosition(1);  // from the position to the end
  ini.WriteBinaryStream("B", "data", &src);
  EXPECT_EQ(ini.ReadString("B", "data", ""), "7FABFF");
  TMemoryStream dst;
  dst.WriteBuffer("xy", 2);
  EXPECT_EQ(ini.ReadBinaryStream("B", "data", &dst), 3);
  EXPECT_EQ(dst.Position(), 2);
  EXPECT_EQ(dst.Size(), 5);
  EXPECT_EQ(static_cast<const unsigned char*>(dst.Memory())[4], 0xFF);
  ini.WriteString("B", "bad", "0AZZ11");  // decoding stops at the first non-hex pair
  TMemoryStream part;
  EXPECT_EQ(ini.ReadBinaryStream("B", "bad", &part), 1);
  EXPECT_EQ(ini.ReadBinaryStream("B", "missing", &part), 0);
}

TEST_F(IniFilesTest, FailedWritesAndUnreadableFilesRaise) {
  TIniFile ini(dir_.File("no/such/folder/x.ini"));
  EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
  EXPECT_EQ(testsupport::ErrorOf<EIniFileException>([&] { ini.WriteString("S", "k", "v"); }),
            "Unable to write to " + dir_.File("no/such/folder/x.ini"));
  // A folder where the file should be.
  ::mkdir(dir_.File("dir.ini").c_str(), 0700);
  TIniFile dirIni(dir_.File("dir.ini"));
  EXPECT_THROW(dirIni.ReadString("S", "k", ""), EIniFileException);
  EXPECT_THROW(TMemIniFile{dir_.File("dir.ini")}, EFOpenError);
  TMemIniFile mem(dir_.File("no/such/folder/m.ini"));
  mem.WriteString("S", "k", "v");
  EXPECT_EQ(testsupport::ErrorOf<EFCreateError>([&] { mem.UpdateFile(); }),
            "Cannot create file " + dir_.File("no/such/folder/m.ini"));
}

TEST_F(IniFilesTest, MemIniFileKeepsChangesUntilUpdateFile) {
  Write("m.ini", "; keep me\n[S]\na=1\n");
  {
    TMemIniFile ini(dir_.File("m.ini"));
    EXPECT_EQ(ini.ReadString("s", "A", ""), "1");
    ini.WriteString("S", "b", "2");
    ini.DeleteKey("S", "a");
    EXPECT_EQ(ini.ReadString("S", "b", ""), "2");
    EXPECT_EQ(Read("m.ini"), "; keep me\n[S]\na=1\n");
    // Changes of the file after loading are not seen.
    Write("m.ini", "[S]\na=outside\n");
    EXPECT_EQ(ini.ReadString("S", "a", "gone"), "gone");
  }
  // Destroying does not write.
  EXPECT_EQ(Read("m.ini"), "[S]\na=outside\n");
  TMemIniFile ini(dir_.File("m.ini"));
  ini.WriteString("T", "c", "3");
  ini.UpdateFile();
  EXPECT_EQ(Read("m.ini"), "[S]\r\na=outside\r\n\r\n[T]\r\nc=3\r\n");
  // Rename without reload keeps the text; with reload reads the new file.
  ini.Rename(dir_.File("copy.ini"), false);
  ini.UpdateFile();
  EXPECT_EQ(Read("copy.ini"), Read("m.ini"));
  ini.Rename(dir_.File("missing.ini"), true);
  EXPECT_EQ(ini.ReadString("S", "a", "empty"), "empty");
  ini.Clear();
  EXPECT_FALSE(ini.SectionExists("S"));
}

TEST_F(IniFilesTest, SectionListsClearTheListAndKeepFileOrder) {
  Write("l.ini",
        "[Custom Colors]\nColorA=FFFFFF\ncolora=dup\nColorB = 00FF00\n; ColorC=comment\n"
        "[Empty]\n[Other]\nx=1\n[CUSTOM COLORS]\nColorC=123\n");
  TIniFile file(dir_.File("l.ini"));
  TMemIniFile mem(dir_.File("l.ini"));
  for (TCustomIniFile* ini : {static_cast<TCustomIniFile*>(&file), static_cast<TCustomIniFile*>(&mem)}) {
    SCOPED_TRACE(ini->ClassName());
    TStringList list;
    list.Add("stale");
    ini->ReadSections(&list);
    EXPECT_EQ(Items(list), (Strs{"Custom Colors", "Empty", "Other"}));
    ini->ReadSection("custom colors", &list);
    EXPECT_EQ(Items(list), (Strs{"ColorA", "ColorB", "ColorC"}));
    ini->ReadSectionValues("Custom Colors", &list);
    EXPECT_EQ(Items(list), (Strs{"ColorA=FFFFFF", "ColorB=00FF00", "ColorC=123"}));
    EXPECT_EQ(list.Values("colorb"), "00FF00");
    ini->ReadSection("Empty", &list);
    EXPECT_EQ(list.Count(), 0);
    ini->ReadSectionValues("Missing", &list);
    EXPECT_EQ(list.Count(), 0);
  }
}

TEST_F(IniFilesTest, MemIniFileStringsRoundTrip) {
  TMemIniFile ini(dir_.File("s.ini"));
  TStringList in;
  in.SetText("; top\r\n[A]\r\nk=v\r\n\r\n[B]\r\nx=1\r\n");
  ini.SetStrings(&in);
  EXPECT_EQ(ini.ReadString("a", "K", ""), "v");
  ini.WriteString("B", "y", "2");
  TStringList out;
  out.Add("kept");
  ini.GetStrings(&out);
  EXPECT_EQ(Items(out), (Strs{"kept", "; top", "[A]", "k=v", "", "[B]", "x=1", "y=2"}));
}

TEST_F(IniFilesTest, WindowsStyleNamesFollowThePathPolicy) {
  setenv("ZYL_DRIVE_Q", dir_.Path().c_str(), 1);
  unsetenv("ZYL_DRIVE_R");
  {
    TIniFile ini("Q:\\app.ini");
    ini.WriteString("S", "k", "v");
    EXPECT_EQ(Read("app.ini"), "[S]\r\nk=v\r\n");
    EXPECT_EQ(ini.FileName(), "Q:\\app.ini");
    TMemIniFile mem("q:\\app.ini");
    EXPECT_EQ(mem.ReadString("s", "K", ""), "v");
  }
  TIniFile unmapped("R:\\app.ini");
  EXPECT_EQ(unmapped.ReadString("S", "k", "none"), "none");
  EXPECT_THROW(unmapped.WriteString("S", "k", "v"), EIniFileException);
  unsetenv("ZYL_DRIVE_Q");
}

}  // namespace
