#include "platform/classes/Streams.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace vcl;

using testsupport::ErrorOf;

namespace {

std::string ReadAll(TStream& s) {
  s.SetPosition(0);
  std::string out(static_cast<size_t>(s.Size()), '\0');
  s.ReadBuffer(out.data(), static_cast<int32_t>(out.size()));
  return out;
}

}  // namespace

TEST(MemoryStream, WriteReadSeekAndBounds) {
  TMemoryStream m;
  EXPECT_EQ(m.Size(), 0);
  m.WriteBuffer("hello", 5);
  EXPECT_EQ(m.Position(), 5);
  EXPECT_EQ(m.Size(), 5);
  m.SetPosition(1);
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 8), 4);  // short read at the end
  EXPECT_STREQ(buf, "ello");
  EXPECT_EQ(m.Read(buf, 8), 0);
  EXPECT_THROW(m.ReadBuffer(buf, 1), EReadError);
  // Seeking past the end: reading gives nothing, writing fills the gap with zeros.
  EXPECT_EQ(m.Seek(3, soEnd), 8);
  EXPECT_EQ(m.Read(buf, 1), 0);
  m.WriteBuffer("!", 1);
  EXPECT_EQ(m.Size(), 9);
  EXPECT_EQ(ReadAll(m), std::string("hello\0\0\0!", 9));
  EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);
  EXPECT_THROW(m.Seek(-10, soEnd), EStreamError);
  EXPECT_EQ(m.Seek(-2, soEnd), 7);
  // Negative counts are refused rather than trusted.
  EXPECT_EQ(m.Read(buf, -5), 0);
  EXPECT_THROW(m.ReadBuffer(buf, -1), EReadError);
}

TEST(MemoryStream, SetSizeClearAndCopy) {
  TMemoryStream m;
  m.SetSize(4);
  EXPECT_EQ(std::memcmp(m.Memory(), "\0\0\0\0", 4), 0);
  m.SetPosition(4);
  m.SetSize(2);
  EXPECT_EQ(m.Position(), 2);
  EXPECT_THROW(m.SetSize(-1), EStreamError);
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
  EXPECT_EQ(m.Position(), 0);

  TStringStream src("abcdef");
  TMemoryStream dst;
  EXPECT_EQ(dst.CopyFrom(&src, 0), 6);  // whole stream from the beginning
  EXPECT_EQ(ReadAll(dst), "abcdef");
  src.SetPosition(2);
  dst.Clear();
  EXPECT_EQ(dst.CopyFrom(&src, 3), 3);
  EXPECT_EQ(ReadAll(dst), "cde");
  EXPECT_THROW(dst.CopyFrom(&src, 5), EReadError);  // only one byte left
}

TEST(StringStream, DataStringAndPartialReads) {
  TStringStream s("abc");
  EXPECT_EQ(s.ReadString(2), "ab");
  EXPECT_EQ(s.ReadString(10), "c");
  EXPECT_EQ(s.ReadString(10), "");
  s.WriteString("XY");
  EXPECT_EQ(s.DataString(), "abcXY");
  s.SetPosition(1);
  s.WriteString("Z");
  EXPECT_EQ(s.DataString(), "aZcXY");
  s.SetSize(2);
  EXPECT_EQ(s.DataString(), "aZ");
  EXPECT_EQ(s.Position(), 2);
}

TEST(FileStream, CreateWriteReopenRead) {
  testsupport::TempDir dir;
  const std::string name = dir.File("data.bin");
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("0123456789", 10);
    EXPECT_EQ(f.Size(), 10);
  }
  {
    TFileStream f(name, fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(f.Seek(-3, soEnd), 7);
    char buf[4] = {};
    EXPECT_EQ(f.Read(buf, 4), 3);
    EXPECT_STREQ(buf, "789");
    EXPECT_EQ(f.Write("x", 1), 0);  // opened for reading only
    EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);
  }
  TMemoryStream m;
  m.LoadFromFile(name);
  EXPECT_EQ(ReadAll(m), "0123456789");
  m.SaveToFile(dir.File("copy.bin"));
  TMemoryStream m2;
  m2.LoadFromFile(dir.File("copy.bin"));
  EXPECT_EQ(ReadAll(m2), "0123456789");
}

TEST(FileStream, OpenErrors) {
  testsupport::TempDir dir;
  EXPECT_THROW(TFileStream(dir.File("missing.bin"), fmOpenRead), EFOpenError);
  EXPECT_THROW(TFileStream(dir.File("no/such/folder/x.bin"), fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(dir.Path(), fmOpenRead), EFOpenError);  // a folder
  EXPECT_EQ(ErrorOf<EFOpenError>([&] { TFileStream f(dir.File("missing.bin"), fmOpenRead); }),
            "Cannot open file " + dir.File("missing.bin"));
}

TEST(FileStream, ShareModesBetweenStreams) {
  testsupport::TempDir dir;
  const std::string name = dir.File("shared.txt");
  { TFileStream f(name, fmCreate); }
  {
    TFileStream reader(name, fmOpenRead | fmShareDenyWrite);
    // Another reader is fine, a writer is refused while the first denies writing.
    TFileStream reader2(name, fmOpenRead | fmShareDenyWrite);
    EXPECT_THROW(TFileStream(name, fmOpenWrite | fmShareDenyNone), EFOpenError);
    EXPECT_THROW(TFileStream(name, fmCreate), EFCreateError);
  }
  {
    TFileStream exclusive(name, fmOpenReadWrite | fmShareExclusive);
    EXPECT_THROW(TFileStream(name, fmOpenRead | fmShareDenyNone), EFOpenError);
  }
  // Released on destruction.
  TFileStream again(name, fmOpenReadWrite | fmShareExclusive);
  EXPECT_EQ(again.Size(), 0);
}

TEST(FileStream, WindowsStyleNamesFollowThePathPolicy) {
  testsupport::TempDir dir;
  // Backslashes separate folders like slashes do.
  std::string name = dir.Path() + "\\sub.bin";
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("ab", 2);
  }
  TFileStream f(dir.File("sub.bin"), fmOpenRead);
  EXPECT_EQ(f.Size(), 2);
  // A drive that maps nowhere cannot hold files.
  EXPECT_THROW(TFileStream("Q:\\nowhere\\x.bin", fmCreate), EFCreateError);
}

TEST(MemoryStream, HugeSizesAndPositionsFailCleanly) {
  TMemoryStream m;
  EXPECT_THROW(m.SetSize(INT64_MAX), EStreamError);
  EXPECT_THROW(m.SetSize(int64_t{INT32_MAX} + 1), EStreamError);
  EXPECT_EQ(m.Size(), 0);
  m.Seek(INT64_MAX - 1, soBeginning);
  EXPECT_THROW(m.WriteBuffer("abc", 3), EStreamError);
  EXPECT_THROW(m.Seek(10, soCurrent), EStreamError);  // past the largest position
  TStringStream s;
  s.Seek(INT64_MAX - 2, soBeginning);
  EXPECT_THROW(s.WriteString("abcd"), EStreamError);
  EXPECT_EQ(s.DataString(), "");
}
