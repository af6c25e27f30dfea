#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "foundation/ZYLBuffer.h"
#include "platform/classes/Streams.h"

using namespace zyl;

namespace {

// Receives change notifications and entry disposals.
class TListener : public vcl::TObject {
 public:
  void Changed(vcl::TObject* Sender) {
    ++changes;
    lastSender = Sender;
  }
  void Destroyed(TZYLCustomBuffer* Buffer, void* Entry) {
    lastBuffer = Buffer;
    destroyed.push_back(*static_cast<int32_t*>(Entry));
    TZYLCustomBuffer::DisposeEntry(Entry);
  }
  int changes = 0;
  vcl::TObject* lastSender = nullptr;
  TZYLCustomBuffer* lastBuffer = nullptr;
  std::vector<int32_t> destroyed;
};

int32_t* NewInt(int32_t v) {
  auto* p = static_cast<int32_t*>(TZYLCustomBuffer::AllocEntry(sizeof(int32_t)));
  *p = v;
  return p;
}

int32_t PopInt(TZYLDynLIFOBuffer& b) {
  void* p = b.Get();
  if (!p) return -1;
  const int32_t v = *static_cast<int32_t*>(p);
  TZYLCustomBuffer::DisposeEntry(p);
  return v;
}

std::vector<int32_t> Walk(TZYLDynLIFOBuffer& b) {
  std::vector<int32_t> r;
  for (TZYLBufferNode* n = b.FirstNode(); !b.EOFBuffer(n); n = b.NextNode(n)) {
    r.push_back(*static_cast<int32_t*>(b.GetItem(n)));
  }
  return r;
}

}  // namespace

TEST(ZYLObject, ChangeRespectsTheUpdateFlag) {
  TZYLObject o;
  TListener l;
  o.Change();  // no handler: nothing happens
  o.SetOnChange(vcl::TNotifyEvent(&l, &TListener::Changed));
  o.Change();
  EXPECT_EQ(l.changes, 1);
  EXPECT_EQ(l.lastSender, &o);
  o.BeginUpdate();
  o.BeginUpdate();  // a flag, not a counter
  EXPECT_TRUE(o.Updating());
  o.Change();
  o.GetChange(nullptr);
  EXPECT_EQ(l.changes, 1);
  o.EndUpdate(false);
  EXPECT_FALSE(o.Updating());
  EXPECT_EQ(l.changes, 1);
  o.BeginUpdate();
  o.EndUpdate(true);
  EXPECT_EQ(l.changes, 2);
  o.GetChange(&l);
  EXPECT_EQ(l.changes, 3);
  EXPECT_EQ(l.lastSender, &o);
  EXPECT_EQ(o.GetSetStr(), "{}");
  EXPECT_EQ(o.ClassName(), "TZYLObject");
}

TEST(DynLIFOBuffer, PushesAndPopsLastInFirstOut) {
  TZYLDynLIFOBuffer b;
  EXPECT_TRUE(b.isEmpty());
  EXPECT_FALSE(b.isFull());
  EXPECT_EQ(b.Get(), nullptr);
  for (int i = 1; i <= 4; ++i) b.Put(NewInt(i));
  EXPECT_EQ(b.Count(), 4);
  EXPECT_EQ(Walk(b), (std::vector<int32_t>{4, 3, 2, 1}));
  EXPECT_EQ(PopInt(b), 4);
  EXPECT_EQ(PopInt(b), 3);
  b.Put(NewInt(9));
  EXPECT_EQ(PopInt(b), 9);
  EXPECT_EQ(PopInt(b), 2);
  EXPECT_EQ(PopInt(b), 1);
  EXPECT_EQ(PopInt(b), -1);
  EXPECT_TRUE(b.isEmpty());
  EXPECT_TRUE(b.EOFBuffer(b.FirstNode()));
  b.Put(NewInt(5));  // freed by the destructor
}

TEST(DynLIFOBuffer, MaximumDropsTheOldestThroughTheCallback) {
  TZYLDynLIFOBuffer b;
  TListener l;
  b.SetOnEntryDestroy(TZYLBufferEntryDestroy(&l, &TListener::Destroyed));
  b.SetMaxCount(3);
  for (int i = 1; i <= 5; ++i) b.Put(NewInt(i));
  EXPECT_TRUE(b.isFull());
  EXPECT_EQ(b.Count(), 3);
  EXPECT_EQ(Walk(b), (std::vector<int32_t>{5, 4, 3}));
  EXPECT_EQ(l.destroyed, (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(l.lastBuffer, &b);

  b.SetMaxCount(1);  // lowering the maximum drops the oldest at once
  EXPECT_EQ(Walk(b), (std::vector<int32_t>{5}));
  EXPECT_EQ(l.destroyed, (std::vector<int32_t>{1, 2, 3, 4}));

  b.SetMaxCount(0);
  b.Put(NewInt(7));  // nothing can be held: the new entry goes at once
  EXPECT_EQ(b.Count(), 0);
  EXPECT_EQ(l.destroyed.back(), 7);

  b.SetMaxCount(-5);
  EXPECT_EQ(b.MaxCount(), -1);
  b.Put(NewInt(8));
  b.Put(NewInt(9));
  b.Clear();  // newest first, each through the callback
  EXPECT_EQ(l.destroyed, (std::vector<int32_t>{1, 2, 3, 4, 5, 7, 9, 8}));
  EXPECT_TRUE(b.isEmpty());
}

TEST(DynLIFOBuffer, NotOwnedEntriesAreLeftAlone) {
  int32_t values[3] = {1, 2, 3};
  {
    TZYLDynLIFOBuffer b;
    b.SetOwnsItems(false);
    for (int32_t& v : values) b.Put(&v);
    b.Clear();
    b.Put(&values[0]);
  }  // the destructor must not free stack memory
  EXPECT_EQ(values[0], 1);
}

TEST(DynLIFOBuffer, ChangesAreReported) {
  TZYLDynLIFOBuffer b;
  TListener l;
  b.SetOnChange(vcl::TNotifyEvent(&l, &TListener::Changed));
  b.Put(NewInt(1));
  b.Put(NewInt(2));
  EXPECT_EQ(l.changes, 2);
  EXPECT_EQ(PopInt(b), 2);
  EXPECT_EQ(l.changes, 3);
  EXPECT_EQ(PopInt(b), 1);
  EXPECT_EQ(l.changes, 4);
  b.Put(NewInt(3));
  b.Clear();
  EXPECT_EQ(l.changes, 6);
  b.Clear();  // already empty: no change
  EXPECT_EQ(l.changes, 6);
}

TEST(BufferStream, WritesTheExactFormat) {
  TZYLDynLIFOBuffer b;
  b.SetItemSize(4);
  b.Put(NewInt(0x11223344));
  b.Put(NewInt(-2));
  vcl::TMemoryStream m;
  b.SaveToStream(&m);
  const std::string expect = std::string("\x17\0\0\0", 4) + "@ZYLBufferStream-V0.1@" +
                             std::string(1, '\0') +
                             std::string("\x02\0\0\0\x04\0\0\0\x44\x33\x22\x11\xFE\xFF\xFF\xFF", 16);
  ASSERT_EQ(m.Size(), static_cast<int64_t>(expect.size()));
  EXPECT_EQ(std::string(static_cast<const char*>(m.Memory()), expect.size()), expect);

  TZYLDynLIFOBuffer empty;
  vcl::TMemoryStream e;
  empty.SaveToStream(&e);  // no entries: streams without an entry size
  EXPECT_EQ(e.Size(), 4 + 23 + 8);
}

TEST(BufferStream, RoundTripKeepsTheOrder) {
  TZYLDynLIFOBuffer a;
  a.SetItemSize(4);
  for (int i = 1; i <= 5; ++i) a.Put(NewInt(i * 10));
  vcl::TMemoryStream m;
  a.SaveToStream(&m);
  m.SetPosition(0);

  TZYLDynLIFOBuffer b;
  b.SetItemSize(4);
  TListener l;
  b.SetOnChange(vcl::TNotifyEvent(&l, &TListener::Changed));
  b.Put(NewInt(99));
  l.changes = 0;
  b.LoadFromStream(&m);
  EXPECT_EQ(l.changes, 1);  // one change for the whole load
  EXPECT_EQ(Walk(b), (std::vector<int32_t>{50, 40, 30, 20, 10}));
  EXPECT_EQ(m.Position(), m.Size());

  // A maximum smaller than the stream keeps the newest entries.
  m.SetPosition(0);
  TZYLDynLIFOBuffer c;
  c.SetItemSize(4);
  c.SetMaxCount(2);
  c.LoadFromStream(&m);
  EXPECT_EQ(Walk(c), (std::vector<int32_t>{50, 40}));
}

TEST(BufferStream, CorruptStreamsRaiseAndLeaveTheBuffer) {
  TZYLDynLIFOBuffer a;
  a.SetItemSize(4);
  a.Put(NewInt(1));
  a.Put(NewInt(2));
  vcl::TMemoryStream m;
  a.SaveToStream(&m);
  const auto* p = static_cast<const uint8_t*>(m.Memory());
  const std::string good(reinterpret_cast<const char*>(p), static_cast<size_t>(m.Size()));

  auto load = [](const std::string& bytes, int32_t itemSize) {
    TZYLDynLIFOBuffer b;
    b.SetItemSize(itemSize);
    b.Put(NewInt(77));
    vcl::TStringStream s(bytes);
    try {
      b.LoadFromStream(&s);
    } catch (...) {
      EXPECT_EQ(Walk(b), (std::vector<int32_t>{77}));  // unchanged
      throw;
    }
  };
  EXPECT_NO_THROW(load(good, 4));
  EXPECT_THROW(load(good, 8), EZYLBufferError);  // entries of another size
  for (size_t cut = 0; cut < good.size(); ++cut) {
    EXPECT_THROW(load(good.substr(0, cut), 4), EZYLBufferError) << cut;
  }
  std::string badLen = good;
  badLen[0] = 22;
  EXPECT_THROW(load(badLen, 4), EZYLBufferError);
  std::string badSig = good;
  badSig[5] = 'z';
  EXPECT_THROW(load(badSig, 4), EZYLBufferError);
  std::string noZero = good;
  noZero[26] = '!';
  EXPECT_THROW(load(noZero, 4), EZYLBufferError);
  std::string negative = good;
  negative[30] = '\xFF';
  EXPECT_THROW(load(negative, 4), EZYLBufferError);
  std::string huge = good;  // a count far beyond the stream allocates nothing
  huge.replace(27, 4, "\xFF\xFF\xFF\x7F");
  EXPECT_THROW(load(huge, 4), EZYLBufferError);
  EXPECT_THROW(load(std::string(), 4), EZYLBufferError);
}

TEST(BufferStream, UnstreamableEntriesRaise) {
  TZYLDynLIFOBuffer b;
  b.Put(NewInt(1));
  vcl::TMemoryStream m;
  EXPECT_THROW(b.SaveToStream(&m), EZYLBufferError);
}
