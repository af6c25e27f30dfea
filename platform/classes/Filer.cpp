#include "platform/classes/Filer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "platform/base/Numbers.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Events.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"

namespace vcl {

// ---------------------------------------------------------------------------------------------
// 10-byte extended floats

long double ExtendedToLongDouble(const TExtended10& x) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<uint64_t>(x.Bytes[i]) << (8 * i);
  const unsigned se = x.Bytes[8] | (static_cast<unsigned>(x.Bytes[9]) << 8);
  const bool negative = (se & 0x8000) != 0;
  const int exponent = static_cast<int>(se & 0x7FFF);
  long double v;
  if (exponent == 0x7FFF) {
    // Infinity has only the integer bit set; anything else there is not a number.
    v = (mantissa & 0x7FFFFFFFFFFFFFFFull) == 0 ? HUGE_VALL : std::nanl("");
  } else {
    // Denormals (exponent 0) scale like exponent 1; the integer bit is explicit.
    const int e = (exponent == 0 ? 1 : exponent) - 16383 - 63;
    v = std::ldexp(static_cast<long double>(mantissa), e);
  }
  return negative ? -v : v;
}

TExtended10 LongDoubleToExtended(long double v) {
  uint64_t mantissa = 0;
  int exponent = 0;
  const bool negative = std::signbit(v);
  if (std::isnan(v)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(v)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (v != 0) {
    int e2 = 0;
    const long double f = std::frexp(std::fabs(v), &e2);  // |v| = f * 2^e2, f in [0.5, 1)
    int biased = e2 - 1 + 16383;
    if (biased >= 0x7FFF) {
      exponent = 0x7FFF;
      mantissa = 0x8000000000000000ull;
    } else if (biased <= 0) {
      // Denormal: the mantissa counts units of 2^-16445.
      const long double m = std::nearbyint(std::ldexp(std::fabs(v), 16445));
      mantissa = static_cast<uint64_t>(m);
      exponent = (mantissa >> 63) != 0 ? 1 : 0;
    } else {
      long double m = std::nearbyint(std::ldexp(f, 64));
      if (m >= 18446744073709551616.0L) {  // rounding carried into the next binade
        m = 9223372036854775808.0L;
        ++biased;
      }
      if (biased >= 0x7FFF) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ull;
      } else {
        exponent = biased;
        mantissa = static_cast<uint64_t>(m);
      }
    }
  }
  TExtended10 x;
  for (int i = 0; i < 8; ++i) x.Bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  const unsigned se = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
  x.Bytes[8] = static_cast<uint8_t>(se & 0xFF);
  x.Bytes[9] = static_cast<uint8_t>(se >> 8);
  return x;
}

double ExtendedToDouble(const TExtended10& x) {
  return static_cast<double>(ExtendedToLongDouble(x));
}

TExtended10 DoubleToExtended(double v) { return LongDoubleToExtended(v); }

namespace {

const char kReadErrorText[] = "Stream read error";
const char kInvalidValueText[] = "Invalid property value";
const char kInvalidFormatText[] = "Invalid stream format";
// Components, lists and collections nested deeper than this are taken as corrupt input.
constexpr int kMaxNesting = 200;

std::string LowerKey(const std::string& s) {
  std::string k = s;
  for (char& c : k)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return k;
}

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// References waiting to be fixed up.

struct TPropFixup {
  TPersistent* Instance;
  TComponent* InstanceRoot;  // the root names are relative to (an inline frame, or the root)
  TComponent* Component;  // the component being read when the reference was met
  const TPropInfo* Prop;
  std::string RootName;
  std::string Name;
  TComponent* Root = nullptr;  // the root of the stream (when InstanceRoot is a frame in it)
};

std::mutex& FixupMutex() {
  static std::mutex m;
  return m;
}
// Waiting references by the root they were read into, so that fixing up one root costs only
// its own references; Cross counts those into other roots.
struct TFixupBucket {
  std::vector<TPropFixup> Items;
  size_t Cross = 0;
};
std::unordered_map<TComponent*, TFixupBucket>& GlobalFixups() {
  static std::unordered_map<TComponent*, TFixupBucket> fixups;
  return fixups;
}
std::mutex& FinderMutex() {
  static std::mutex m;
  return m;
}
std::vector<TFindGlobalComponent>& GlobalFinders() {
  static std::vector<TFindGlobalComponent> finders;
  return finders;
}

void AddFixup(TPropFixup fixup) {
  std::lock_guard<std::mutex> lock(FixupMutex());
  TFixupBucket& bucket = GlobalFixups()[fixup.InstanceRoot];
  if (!fixup.RootName.empty()) ++bucket.Cross;
  bucket.Items.push_back(std::move(fixup));
}

template <class Pred>
void RemoveFixupsIf(Pred pred) {
  std::lock_guard<std::mutex> lock(FixupMutex());
  auto& fixups = GlobalFixups();
  for (auto it = fixups.begin(); it != fixups.end();) {
    auto& items = it->second.Items;
    items.erase(std::remove_if(items.begin(), items.end(), pred), items.end());
    it->second.Cross = static_cast<size_t>(
        std::count_if(items.begin(), items.end(), [](const TPropFixup& f) { return !f.RootName.empty(); }));
    it = items.empty() ? fixups.erase(it) : std::next(it);
  }
}

// Every component owned (directly or not) by c, and c.
void CollectOwned(TComponent* c, std::unordered_set<TComponent*>& out) {
  out.insert(c);
  for (int i = 0; i < c->ComponentCount(); ++i) CollectOwned(c->Components(i), out);
}

// Resolves the reference of one fixup, or nullptr when its target cannot be found (yet).
TComponent* ResolveFixup(const TPropFixup& f) {
  if (f.RootName.empty()) return FindNestedComponent(f.InstanceRoot, f.Name);
  // "Frame1.Button1" may name a component below the root itself.
  for (TComponent* root : {f.InstanceRoot, f.Root}) {
    if (!root) continue;
    if (SameText(f.RootName, root->Name())) return FindNestedComponent(root, f.Name);
    if (TComponent* local = root->FindComponent(f.RootName)) return FindNestedComponent(local, f.Name);
  }
  TComponent* other = FindGlobalComponent(f.RootName);
  return other ? FindNestedComponent(other, f.Name) : nullptr;
}

void ApplyFixup(const TPropFixup& f, TComponent* target) {
  try {
    SetObjectProp(f.Instance, f.Prop, target);
  } catch (const EFilerError&) {
    throw;
  } catch (const Exception& e) {
    throw EReadError("Invalid property value: " + f.Prop->Name + " (" + e.Message() + ")");
  }
}

// Resolves the waiting references of one root, or (crossOnly) those into other roots of every
// root; the lookups run under the lock, the assignments outside it (setters may run any code).
// Unresolved ones are dropped when `dropUnresolved` says so.
template <class Drop>
void ResolveFixups(TComponent* root, bool crossOnly, Drop dropUnresolved) {
  std::vector<std::pair<TPropFixup, TComponent*>> resolved;
  {
    std::lock_guard<std::mutex> lock(FixupMutex());
    auto& fixups = GlobalFixups();
    auto visit = [&](TFixupBucket& bucket) {
      std::vector<TPropFixup> keep;
      size_t cross = 0;
      for (TPropFixup& f : bucket.Items) {
        TComponent* target = crossOnly && f.RootName.empty() ? nullptr : ResolveFixup(f);
        if (target) {
          resolved.emplace_back(std::move(f), target);
        } else if ((crossOnly && f.RootName.empty()) || !dropUnresolved(f)) {
          if (!f.RootName.empty()) ++cross;
          keep.push_back(std::move(f));
        }
      }
      bucket.Items.swap(keep);
      bucket.Cross = cross;
    };
    if (crossOnly) {
      for (auto it = fixups.begin(); it != fixups.end();) {
        if (it->second.Cross > 0) visit(it->second);
        it = it->second.Items.empty() ? fixups.erase(it) : std::next(it);
      }
    } else if (auto it = fixups.find(root); it != fixups.end()) {
      visit(it->second);
      if (it->second.Items.empty()) fixups.erase(it);
    }
  }
  std::unordered_set<TComponent*> touched;
  for (auto& [f, target] : resolved) {
    ApplyFixup(f, target);
    if (f.InstanceRoot) touched.insert(f.InstanceRoot);
  }
  // Roots with no reference left waiting for another root leave the csFixups state.
  std::vector<TComponent*> done;
  {
    std::lock_guard<std::mutex> lock(FixupMutex());
    for (TComponent* r : touched) {
      auto it = GlobalFixups().find(r);
      if (it == GlobalFixups().end() || it->second.Cross == 0) done.push_back(r);
    }
  }
  for (TComponent* r : done) r->SetComponentStateFlag(csFixups, false);
}

// Collections are reached through these few calls only.
TCollection* AsCollection(TObject* obj) { return dynamic_cast<TCollection*>(obj); }
int CollectionCount(TCollection* c) { return c->Count(); }
TPersistent* CollectionItem(TCollection* c, int i) { return c->Items(i); }
void CollectionBeginUpdate(TCollection* c) { c->BeginUpdate(); }
void CollectionEndUpdate(TCollection* c) { c->EndUpdate(); }
void CollectionClear(TCollection* c) { c->Clear(); }
TPersistent* CollectionAdd(TCollection* c) { return c->Add(); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Global fixups

void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  std::lock_guard<std::mutex> lock(FinderMutex());
  GlobalFinders().push_back(Proc);
}

void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc) {
  std::lock_guard<std::mutex> lock(FinderMutex());
  auto& f = GlobalFinders();
  f.erase(std::remove(f.begin(), f.end(), Proc), f.end());
}

TComponent* FindGlobalComponent(const std::string& Name) {
  std::vector<TFindGlobalComponent> finders;
  {
    std::lock_guard<std::mutex> lock(FinderMutex());
    finders = GlobalFinders();
  }
  for (auto it = finders.rbegin(); it != finders.rend(); ++it)
    if (TComponent* c = (*it)(Name)) return c;
  return nullptr;
}

void GlobalFixupReferences() {
  ResolveFixups(nullptr, true, [](const TPropFixup&) { return false; });
}

void RemoveFixupReferences(TComponent* Root, const std::string& RootName) {
  RemoveFixupsIf([&](const TPropFixup& f) {
    return (Root == nullptr || f.InstanceRoot == Root) &&
           (RootName.empty() || SameText(f.RootName, RootName));
  });
}

void RemoveFixups(TPersistent* Instance) {
  RemoveFixupsIf([&](const TPropFixup& f) {
    return Instance == nullptr || f.Instance == Instance || f.Component == Instance ||
           f.InstanceRoot == Instance;
  });
}

int PendingFixupCount() {
  std::lock_guard<std::mutex> lock(FixupMutex());
  size_t n = 0;
  for (const auto& entry : GlobalFixups()) n += entry.second.Items.size();
  return static_cast<int>(n);
}

TComponent* FindNestedComponent(TComponent* Root, const std::string& NamePath) {
  TComponent* result = Root;
  size_t start = 0;
  while (result) {
    const size_t dot = NamePath.find('.', start);
    const std::string name = NamePath.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    TComponent* next = result->FindComponent(name);
    if (!next && SameText(name, "Owner")) next = result;
    result = next;
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return result;
}

// ---------------------------------------------------------------------------------------------
// TFiler

ZYL_CLASS_IMPL(TFiler) {}

TFiler::TFiler(TStream* Stream, int BufSize)
    : stream_(Stream), buffer_(static_cast<size_t>(BufSize > 16 ? BufSize : 16)) {}

TFiler::~TFiler() = default;

// ---------------------------------------------------------------------------------------------
// TReader

ZYL_CLASS_IMPL(TReader) {}

struct TReader::TLoadedList {
  std::vector<TComponent*> Items;
  std::unordered_set<TComponent*> Seen;
  void Forget(const std::unordered_set<TComponent*>& gone) {
    Items.erase(std::remove_if(Items.begin(), Items.end(), [&](TComponent* c) { return gone.count(c) != 0; }),
                Items.end());
    for (TComponent* c : gone) Seen.erase(c);
  }
};

namespace {
// The lists of global loading, innermost last (per thread, as reading is).
thread_local std::vector<std::unique_ptr<TReader::TLoadedList>> globalLoading;
}  // namespace

TReader::TLoadedList* TReader::GlobalLoadedList() {
  return globalLoading.empty() ? nullptr : globalLoading.back().get();
}

void BeginGlobalLoading() { globalLoading.push_back(std::make_unique<TReader::TLoadedList>()); }

void NotifyGlobalLoading() {
  if (globalLoading.empty()) return;
  // Loaded may read further streams: work on a copy.
  const std::vector<TComponent*> items = globalLoading.back()->Items;
  globalLoading.back()->Items.clear();
  globalLoading.back()->Seen.clear();
  for (TComponent* c : items) c->Loaded();
}

void EndGlobalLoading() {
  if (!globalLoading.empty()) globalLoading.pop_back();
}

namespace {

// Counts nesting for the lifetime of a scope and refuses too deep input.
class TNestingGuard {
 public:
  explicit TNestingGuard(int& depth) : depth_(depth) {
    if (++depth_ > kMaxNesting) {
      --depth_;
      throw EReadError("Stream nesting too deep");
    }
  }
  ~TNestingGuard() { --depth_; }
  TNestingGuard(const TNestingGuard&) = delete;
  TNestingGuard& operator=(const TNestingGuard&) = delete;

 private:
  int& depth_;
};

}  // namespace

TReader::TReader(TStream* Stream, int BufSize) : TFiler(Stream, BufSize) {}

TReader::~TReader() {
  try {
    FlushBuffer();
  } catch (...) {
    // A stream that cannot seek back keeps its position after the buffered bytes.
  }
}

void TReader::FlushBuffer() {
  if (bufPos_ < bufEnd_)
    stream_->Seek(static_cast<int64_t>(bufPos_) - static_cast<int64_t>(bufEnd_), soCurrent);
  bufPos_ = bufEnd_ = 0;
}

void TReader::FillBuffer() {
  bufBase_ = stream_->Position();
  const int32_t n = stream_->Read(buffer_.data(), static_cast<int32_t>(buffer_.size()));
  bufPos_ = 0;
  bufEnd_ = n > 0 ? static_cast<size_t>(n) : 0;
}

uint8_t TReader::ReadByte() {
  if (bufPos_ >= bufEnd_) {
    FillBuffer();
    if (bufEnd_ == 0) throw EReadError(kReadErrorText);
  }
  return buffer_[bufPos_++];
}

uint8_t TReader::PeekByte() {
  if (bufPos_ >= bufEnd_) {
    FillBuffer();
    if (bufEnd_ == 0) throw EReadError(kReadErrorText);
  }
  return buffer_[bufPos_];
}

void TReader::Read(void* Buf, size_t Count) {
  auto* dst = static_cast<uint8_t*>(Buf);
  while (Count > 0) {
    if (bufPos_ >= bufEnd_) {
      FillBuffer();
      if (bufEnd_ == 0) throw EReadError(kReadErrorText);
    }
    const size_t n = std::min(Count, bufEnd_ - bufPos_);
    std::memcpy(dst, buffer_.data() + bufPos_, n);
    bufPos_ += n;
    dst += n;
    Count -= n;
  }
}

int64_t TReader::BytesLeft() {
  const int64_t rest = stream_->Size() - stream_->Position();
  return static_cast<int64_t>(bufEnd_ - bufPos_) + (rest > 0 ? rest : 0);
}

size_t TReader::CheckedLength(uint64_t Count, size_t UnitSize) {
  const int64_t left = BytesLeft();
  if (left < 0 || Count > static_cast<uint64_t>(left) / UnitSize) throw EReadError(kReadErrorText);
  return static_cast<size_t>(Count);
}

void TReader::PropValueError() { throw EReadError(kInvalidValueText); }

TValueType TReader::ReadValue() { return static_cast<TValueType>(ReadByte()); }
TValueType TReader::NextValue() { return static_cast<TValueType>(PeekByte()); }

void TReader::CheckValue(TValueType Value) {
  if (ReadValue() != Value) PropValueError();
}

bool TReader::EndOfList() { return NextValue() == vaNull; }
void TReader::ReadListBegin() { CheckValue(vaList); }
void TReader::ReadListEnd() { CheckValue(vaNull); }

namespace {
template <class T>
T LittleEndian(const uint8_t* b, size_t n) {
  uint64_t v = 0;
  for (size_t i = 0; i < n; ++i) v |= static_cast<uint64_t>(b[i]) << (8 * i);
  return static_cast<T>(v);
}
}  // namespace

int32_t TReader::ReadInteger() {
  uint8_t b[4];
  switch (ReadValue()) {
    case vaInt8: return static_cast<int8_t>(ReadByte());
    case vaInt16: Read(b, 2); return static_cast<int16_t>(LittleEndian<uint16_t>(b, 2));
    case vaInt32: Read(b, 4); return static_cast<int32_t>(LittleEndian<uint32_t>(b, 4));
    default: PropValueError();
  }
}

int64_t TReader::ReadInt64() {
  if (NextValue() == vaInt64) {
    ReadValue();
    uint8_t b[8];
    Read(b, 8);
    return static_cast<int64_t>(LittleEndian<uint64_t>(b, 8));
  }
  return ReadInteger();
}

bool TReader::ReadBoolean() {
  const TValueType v = ReadValue();
  if (v == vaTrue) return true;
  if (v == vaFalse) return false;
  PropValueError();
}

char TReader::ReadChar() {
  const std::string s = ReadString();
  if (s.size() != 1) PropValueError();
  return s[0];
}

double TReader::ReadFloat() {
  switch (NextValue()) {
    case vaExtended: {
      ReadValue();
      TExtended10 x;
      Read(x.Bytes, 10);
      return ExtendedToDouble(x);
    }
    case vaSingle: return ReadSingle();
    case vaDate: return ReadDate();
    case vaCurrency: return static_cast<double>(ReadCurrency()) / 10000.0;
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: return static_cast<double>(ReadInt64());
    default: PropValueError();
  }
}

float TReader::ReadSingle() {
  if (NextValue() != vaSingle) return static_cast<float>(ReadFloat());
  ReadValue();
  uint8_t b[4];
  Read(b, 4);
  const uint32_t bits = LittleEndian<uint32_t>(b, 4);
  float f;
  std::memcpy(&f, &bits, 4);
  return f;
}

double TReader::ReadDate() {
  if (NextValue() != vaDate) return ReadFloat();
  ReadValue();
  uint8_t b[8];
  Read(b, 8);
  const uint64_t bits = LittleEndian<uint64_t>(b, 8);
  double d;
  std::memcpy(&d, &bits, 8);
  return d;
}

int64_t TReader::ReadCurrency() {
  if (NextValue() == vaCurrency) {
    ReadValue();
    uint8_t b[8];
    Read(b, 8);
    return static_cast<int64_t>(LittleEndian<uint64_t>(b, 8));
  }
  const double v = ReadFloat() * 10000.0;
  if (!(std::fabs(v) < 9.2e18)) PropValueError();
  return Round(v);
}

std::string TReader::ReadStr() {
  const size_t n = ReadByte();
  std::string s(n, '\0');
  Read(s.data(), n);
  return s;
}

std::string TReader::ReadString() {
  switch (ReadValue()) {
    case vaString: return ReadStr();
    case vaLString: {
      uint8_t b[4];
      Read(b, 4);
      const size_t n = CheckedLength(LittleEndian<uint32_t>(b, 4), 1);
      std::string s(n, '\0');
      Read(s.data(), n);
      return s;
    }
    case vaWString: {
      uint8_t b[4];
      Read(b, 4);
      const size_t n = CheckedLength(LittleEndian<uint32_t>(b, 4), 2);
      std::string s(n, '\0');
      for (size_t i = 0; i < n; ++i) {
        Read(b, 2);
        const uint16_t c = LittleEndian<uint16_t>(b, 2);
        s[i] = c < 256 ? static_cast<char>(c) : '?';
      }
      return s;
    }
    default: PropValueError();
  }
}

std::u16string TReader::ReadWideString() {
  if (NextValue() != vaWString) {
    const std::string s = ReadString();
    std::u16string w(s.size(), u'\0');
    for (size_t i = 0; i < s.size(); ++i) w[i] = static_cast<unsigned char>(s[i]);
    return w;
  }
  ReadValue();
  uint8_t b[4];
  Read(b, 4);
  const size_t n = CheckedLength(LittleEndian<uint32_t>(b, 4), 2);
  std::u16string w(n, u'\0');
  for (size_t i = 0; i < n; ++i) {
    Read(b, 2);
    w[i] = LittleEndian<uint16_t>(b, 2);
  }
  return w;
}

std::string TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: PropValueError();
  }
}

uint64_t TReader::ReadSet(const TTypeInfo* elementType) {
  CheckValue(vaSet);
  uint64_t bits = 0;
  for (;;) {
    const std::string name = ReadStr();
    if (name.empty()) break;
    const int64_t v = elementType ? GetEnumValue(elementType, name) : -1;
    if (v < 0 || v > 63) PropValueError();
    bits |= uint64_t{1} << v;
  }
  return bits;
}

void TReader::SkipSetBody() {
  while (!ReadStr().empty()) {
  }
}

void TReader::SkipValue() {
  TNestingGuard guard(nesting_);
  uint8_t b[4];
  auto skipBytes = [&](uint64_t n) {
    const size_t count = CheckedLength(n, 1);
    std::vector<uint8_t> scratch(std::min<size_t>(count, 4096));
    for (size_t done = 0; done < count;) {
      const size_t k = std::min(scratch.size(), count - done);
      Read(scratch.data(), k);
      done += k;
    }
  };
  switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: break;
    case vaList:
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    case vaInt8: skipBytes(1); break;
    case vaInt16: skipBytes(2); break;
    case vaInt32:
    case vaSingle: skipBytes(4); break;
    case vaExtended: skipBytes(10); break;
    case vaCurrency:
    case vaDate:
    case vaInt64: skipBytes(8); break;
    case vaString:
    case vaIdent: ReadStr(); break;
    case vaBinary:
    case vaLString:
      Read(b, 4);
      skipBytes(LittleEndian<uint32_t>(b, 4));
      break;
    case vaWString:
      Read(b, 4);
      skipBytes(uint64_t{LittleEndian<uint32_t>(b, 4)} * 2);
      break;
    case vaSet: SkipSetBody(); break;
    case vaCollection:
      while (!EndOfList()) {
        const TValueType next = NextValue();
        if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
        ReadListBegin();
        while (!EndOfList()) SkipProperty();
        ReadListEnd();
      }
      ReadListEnd();
      break;
    default: PropValueError();
  }
}

void TReader::SkipProperty() {
  ReadStr();
  SkipValue();
}

void TReader::SkipComponent(bool SkipHeader) {
  TNestingGuard guard(nesting_);
  if (SkipHeader) {
    TFilerFlags flags;
    int32_t pos;
    ReadPrefix(flags, pos);
    ReadStr();
    ReadStr();
  }
  while (!EndOfList()) SkipProperty();
  ReadListEnd();
  while (!EndOfList()) SkipComponent(true);
  ReadListEnd();
}

void TReader::ReadSignature() {
  char sig[4];
  Read(sig, 4);
  if (std::memcmp(sig, FilerSignature, 4) != 0) throw EReadError(kInvalidFormatText);
}

void TReader::ReadPrefix(TFilerFlags& Flags, int32_t& AChildPos) {
  Flags = {};
  AChildPos = 0;
  if ((PeekByte() & 0xF0) == 0xF0) {
    Flags = TFilerFlags::FromBits(ReadByte() & 0x07);
    if (Flags.contains(ffChildPos)) AChildPos = ReadInteger();
  }
}

bool TReader::Error(const std::string& Message) {
  bool handled = false;
  if (OnError) OnError(this, Message, handled);
  return handled;
}

const TMethodCode* TReader::FindMethod(TComponent* ARoot, const std::string& MethodName) {
  const TMethodCode* code = ARoot ? ARoot->MethodAddress(MethodName) : nullptr;
  bool error = code == nullptr;
  if (OnFindMethod) OnFindMethod(this, MethodName, code, error);
  if (error) PropValueError();
  return code;
}

void TReader::SetName(TComponent* Component, std::string& Name) {
  if (OnSetName) OnSetName(this, Component, Name);
  Component->SetName(Name);
}

TClass TReader::FindComponentClass(const std::string& ClassName) {
  TClass cls = GetClass(ClassName);
  if (!cls && OnFindComponentClass) OnFindComponentClass(this, ClassName, cls);
  if (!cls) throw EClassNotFound("Class " + ClassName + " not found");
  if (!cls->InheritsFrom(TComponent::StaticClass()) || cls->FactoryKind() != fkComponent)
    throw EReadError("Class " + ClassName + " is not a component class");
  return cls;
}

void TReader::DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                             const TWriterProc&, bool) {
  if (ReadData && !propName_.empty() && SameText(Name, propName_)) {
    ReadData(this);
    propName_.clear();
  }
}

void TReader::DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                   const TStreamProc&, bool) {
  if (!ReadData || propName_.empty() || !SameText(Name, propName_)) return;
  if (NextValue() != vaBinary) {
    SkipValue();
    PropValueError();
  }
  ReadValue();
  uint8_t b[4];
  Read(b, 4);
  const size_t n = CheckedLength(LittleEndian<uint32_t>(b, 4), 1);
  TMemoryStream data;
  data.SetSize(static_cast<int64_t>(n));
  if (n > 0) Read(data.Memory(), n);
  data.SetPosition(0);
  propName_.clear();
  ReadData(&data);
}

void TReader::PropertyError(const std::string& Name) {
  SkipValue();
  throw EReadError("Property " + Name + " does not exist");
}

int64_t TReader::Position() {
  return bufEnd_ > 0 ? bufBase_ + static_cast<int64_t>(bufPos_) : stream_->Position();
}

void TReader::SetPosition(int64_t Value) {
  stream_->Seek(Value, soBeginning);
  bufPos_ = bufEnd_ = 0;
}

void TReader::ReadProperty(TPersistent* AInstance) {
  const std::string path = ReadStr();
  const int64_t valueStart = Position();
  // An error inside DefineProperties leaves the stream at an unknown place: no recovery.
  bool canRecover = true;
  try {
    TPersistent* instance = AInstance;
    size_t start = 0;
    for (;;) {
      const size_t dot = path.find('.', start);
      propName_ = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
      if (dot == std::string::npos) break;
      const TPropInfo* prop = GetPropInfo(instance, propName_);
      TPersistent* next = nullptr;
      if (prop && prop->Kind() == tkClass) next = dynamic_cast<TPersistent*>(GetObjectProp(instance, prop));
      if (!next) PropertyError(propName_);
      instance = next;
      start = dot + 1;
    }
    if (const TPropInfo* prop = GetPropInfo(instance, propName_)) {
      ReadPropValue(instance, prop);
    } else {
      canRecover = false;
      instance->DefineProperties(this);
      canRecover = true;
      if (!propName_.empty()) PropertyError(propName_);
    }
    propName_.clear();
  } catch (const Exception& e) {
    propName_.clear();
    const bool filerError = dynamic_cast<const EFilerError*>(&e) != nullptr;
    std::string message = e.Message();
    if (!filerError) {
      // Errors of the objects being filled (names, conversions, casts) become read errors.
      std::string owner;
      if (auto* c = dynamic_cast<TComponent*>(AInstance)) owner = c->Name();
      if (owner.empty()) owner = AInstance->ClassName();
      message = "Error reading " + owner + "." + path + ": " + message;
    }
    // Damaged data (the stream ends, nesting too deep) cannot be stepped over.
    const bool damaged = message == kReadErrorText || message == "Stream nesting too deep";
    if (canRecover && !damaged && Error(message)) {
      // Handled: the value is skipped from its start and reading goes on.
      SetPosition(valueStart);
      SkipValue();
      return;
    }
    if (filerError) throw;
    throw EReadError(message);
  }
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo* Prop) {
  const TTypeKind kind = Prop->Kind();
  if (!Prop->IsWritable() && kind != tkClass) {
    SkipValue();
    throw EReadError("Property " + Prop->Name + " is read-only");
  }
  switch (kind) {
    case tkInteger: {
      if (NextValue() == vaIdent) {
        const std::string ident = ReadIdent();
        const TIdentToInt toInt = FindIdentToInt(Prop->PropType);
        int32_t v = 0;
        if (!toInt || !toInt(ident, v)) PropValueError();
        SetOrdProp(Instance, Prop, v);
      } else {
        SetOrdProp(Instance, Prop, ReadInt64());
      }
      break;
    }
    case tkChar:
    case tkWChar: SetOrdProp(Instance, Prop, static_cast<unsigned char>(ReadChar())); break;
    case tkEnumeration: {
      const int64_t v = GetEnumValue(Prop->PropType, ReadIdent());
      if (v < 0) PropValueError();
      SetOrdProp(Instance, Prop, v);
      break;
    }
    case tkFloat: SetFloatProp(Instance, Prop, ReadFloat()); break;
    case tkString:
    case tkLString:
    case tkWString: SetStrProp(Instance, Prop, ReadString()); break;
    case tkSet:
      SetOrdProp(Instance, Prop, static_cast<int64_t>(ReadSet(Prop->PropType->CompType)));
      break;
    case tkInt64: SetInt64Prop(Instance, Prop, ReadInt64()); break;
    case tkClass: {
      const TValueType next = NextValue();
      if (next == vaNil) {
        ReadValue();
        if (!Prop->IsWritable()) PropValueError();
        SetObjectProp(Instance, Prop, nullptr);
      } else if (next == vaCollection) {
        auto* collection = AsCollection(GetObjectProp(Instance, Prop));
        if (!collection) {
          SkipValue();
          PropValueError();
        }
        ReadValue();
        ReadCollection(collection);
      } else {
        const std::string ident = ReadIdent();
        if (!Prop->IsWritable()) PropValueError();
        const size_t dot = ident.find('.');
        TPropFixup fixup{Instance, lookupRoot_ ? lookupRoot_ : root_, current_, Prop, std::string(), ident, root_};
        if (dot != std::string::npos) {
          fixup.RootName = ident.substr(0, dot);
          fixup.Name = ident.substr(dot + 1);
        }
        AddFixup(std::move(fixup));
      }
      break;
    }
    case tkMethod: {
      if (NextValue() == vaNil) {
        ReadValue();
        SetMethodProp(Instance, Prop, TMethod{});
      } else {
        const std::string name = ReadIdent();
        const TMethodCode* code = FindMethod(root_, name);
        TMethod m;
        m.Code = code;
        m.Data = code ? root_ : nullptr;
        SetMethodProp(Instance, Prop, m);
      }
      break;
    }
    default: SkipValue(); PropValueError();
  }
}

void TReader::ReadCollection(TCollection* Collection) {
  TNestingGuard guard(nesting_);
  CollectionBeginUpdate(Collection);
  try {
    if (!EndOfList()) {
      // References waiting to be set on the items that go away are forgotten with them.
      std::unordered_set<const TPersistent*> items;
      for (int i = 0; i < CollectionCount(Collection); ++i) items.insert(CollectionItem(Collection, i));
      if (!items.empty()) RemoveFixupsIf([&](const TPropFixup& f) { return items.count(f.Instance) != 0; });
      CollectionClear(Collection);
    }
    while (!EndOfList()) {
      const TValueType next = NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
      TPersistent* item = CollectionAdd(Collection);
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    CollectionEndUpdate(Collection);
    throw;
  }
  CollectionEndUpdate(Collection);
}

void TReader::AddLoaded(TComponent* Component) {
  if (loaded_ && loaded_->Seen.insert(Component).second) loaded_->Items.push_back(Component);
}

void TReader::ReadData(TComponent* Instance) {
  if (fixupsPending_) {
    ReadDataInner(Instance);
    return;
  }
  fixupsPending_ = true;
  try {
    ReadDataInner(Instance);
    DoFixupReferences();
  } catch (...) {
    fixupsPending_ = false;
    throw;
  }
  fixupsPending_ = false;
}

void TReader::ReadDataInner(TComponent* Instance) {
  TComponent* const oldCurrent = current_;
  current_ = Instance;
  try {
    while (!EndOfList()) ReadProperty(Instance);
    ReadListEnd();
  } catch (...) {
    current_ = oldCurrent;
    throw;
  }
  current_ = oldCurrent;
  TComponent* const oldParent = parent_;
  TComponent* const oldOwner = owner_;
  parent_ = Instance->GetChildParent();
  owner_ = Instance->GetChildOwner();
  if (!owner_) owner_ = root_;
  try {
    while (!EndOfList()) ReadComponent(nullptr);
    ReadListEnd();
  } catch (...) {
    parent_ = oldParent;
    owner_ = oldOwner;
    throw;
  }
  parent_ = oldParent;
  owner_ = oldOwner;
}

void TReader::DoFixupReferences() {
  // The root's references, then those of the inline frames read below it.
  std::vector<TComponent*> roots = {root_};
  roots.insert(roots.end(), inlineRoots_.begin(), inlineRoots_.end());
  inlineRoots_.clear();
  for (TComponent* root : roots) {
    std::vector<TComponent*> waiting;
    ResolveFixups(root, false, [&waiting](const TPropFixup& f) {
      // A name not found in its own root is dropped; references into other roots wait.
      if (f.RootName.empty()) return true;
      waiting.push_back(f.Component);
      return false;
    });
    if (waiting.empty()) continue;
    // csFixups marks the components whose references wait (they must be forgotten if freed).
    if (root) root->SetComponentStateFlag(csFixups, true);
    for (TComponent* c : waiting)
      if (c) c->SetComponentStateFlag(csFixups, true);
  }
}

TComponent* TReader::ReadComponent(TComponent* Component) {
  TNestingGuard guard(nesting_);
  TFilerFlags flags;
  int32_t position = 0;
  ReadPrefix(flags, position);
  const std::string compClass = ReadStr();
  const std::string compName = ReadStr();

  // Read on its own (not below a root being read): the component is its own frame of reference.
  if (!root_) {
    TComponent* base = Component ? (Component->Owner() ? Component->Owner() : Component) : owner_;
    root_ = base;
    if (!lookupRoot_) lookupRoot_ = base;
    if (!owner_) owner_ = base;
  }
  TLoadedList localLoaded;
  const bool ownLoadedList = loaded_ == nullptr;
  TLoadedList* const global = ownLoadedList ? GlobalLoadedList() : nullptr;
  if (ownLoadedList) loaded_ = global ? global : &localLoaded;

  TComponent* const oldParent = parent_;
  TComponent* const oldLookupRoot = lookupRoot_;
  TComponent* result = Component;
  bool created = false;
  auto restore = [&] {
    parent_ = oldParent;
    lookupRoot_ = oldLookupRoot;
    if (ownLoadedList) loaded_ = nullptr;
  };
  // On failure a component made here goes, with the references waiting on it.
  auto discard = [&] {
    if (created) {
      std::unordered_set<TComponent*> gone;
      CollectOwned(result, gone);
      RemoveFixupsIf([&](const TPropFixup& f) {
        return gone.count(f.Component) != 0 || gone.count(f.InstanceRoot) != 0;
      });
      inlineRoots_.erase(std::remove_if(inlineRoots_.begin(), inlineRoots_.end(),
                                        [&](TComponent* c) { return gone.count(c) != 0; }),
                         inlineRoots_.end());
      if (loaded_) loaded_->Forget(gone);
      delete result;
    }
    restore();
  };
  try {
    if (!result) {
      if (flags.contains(ffInherited)) {
        // The ancestor part of the owner already made this component.
        FindComponentClass(compClass);
        TComponent* container = owner_ ? owner_ : root_;
        result = container ? container->FindComponent(compName) : nullptr;
        if (!result) throw EReadError("Ancestor for '" + compName + "' not found");
        parent_ = result->GetParentComponent();
        if (!parent_) parent_ = root_;
      } else {
        TClass cls = nullptr;
        try {
          cls = FindComponentClass(compClass);
        } catch (const EFilerError& e) {
          // An unknown class: skip the component when the error handler allows it.
          SkipComponent(false);
          if (!Error(e.Message())) throw;
          restore();
          return nullptr;
        }
        if (OnCreateComponent) OnCreateComponent(this, cls, result);
        if (!result) result = cls->Create(owner_);
        created = true;
        if (flags.contains(ffInline)) result->SetComponentStateFlag(csInline, true);
      }
    }
    result->SetComponentStateFlag(csLoading, true);
    if (!flags.contains(ffInherited)) {
      std::string name = compName;
      SetName(result, name);
    }
    if (result->ComponentState().contains(csInline)) {
      // Names inside an inline frame are relative to the frame.
      lookupRoot_ = result;
      inlineRoots_.push_back(result);
    }
    result->SetComponentStateFlag(csReading, true);
    result->ReadState(this);
    result->SetComponentStateFlag(csReading, false);
    if (flags.contains(ffChildPos) && parent_) parent_->SetChildOrder(result, position);
    // Inherited components were loading again as well: every component read gets Loaded.
    AddLoaded(result);
  } catch (const EFilerError&) {
    discard();
    throw;
  } catch (const Exception& e) {
    discard();
    // Errors of the component itself (an invalid or duplicate name) become read errors.
    throw EReadError(e.Message());
  } catch (...) {
    discard();
    throw;
  }
  restore();
  for (TComponent* c : localLoaded.Items) c->Loaded();
  return result;
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  ReadSignature();
  TComponent* result = nullptr;
  bool created = false;
  // Between BeginGlobalLoading and NotifyGlobalLoading, Loaded waits for the last stream.
  TLoadedList* const global = GlobalLoadedList();
  TLoadedList local;
  auto fail = [&] {
    loaded_ = nullptr;
    for (TComponent* frame : inlineRoots_) RemoveFixupReferences(frame, std::string());
    inlineRoots_.clear();
    if (result) {
      RemoveFixupReferences(result, std::string());
      if (global && created) {
        std::unordered_set<TComponent*> gone;
        CollectOwned(result, gone);
        global->Forget(gone);
      }
    }
    if (created) delete result;
  };
  try {
    TFilerFlags flags;
    int32_t position;
    ReadPrefix(flags, position);
    const std::string className = ReadStr();
    std::string name = ReadStr();
    if (!Root) {
      TClass cls = FindClass(className);
      if (!cls->InheritsFrom(TComponent::StaticClass()) || cls->FactoryKind() != fkComponent)
        throw EReadError("Class " + className + " is not a component class");
      result = cls->Create(nullptr);
      created = true;
    } else {
      result = Root;
    }
    if (!result->ComponentState().contains(csDesigning)) {
      result->SetComponentStateFlag(csLoading, true);
      result->SetComponentStateFlag(csReading, true);
      // Another root of that name already known globally: take the first free "Name_n".
      std::string unique = name;
      for (int i = 1; !unique.empty(); ++i) {
        TComponent* other = FindGlobalComponent(unique);
        if (!other || other == result) break;
        unique = name + "_" + std::to_string(i);
      }
      result->SetName(unique);
    }
    root_ = result;
    lookupRoot_ = result;
    loaded_ = global ? global : &local;
    AddLoaded(result);
    owner_ = result;
    result->SetComponentStateFlag(csLoading, true);
    result->SetComponentStateFlag(csReading, true);
    result->ReadState(this);
    result->SetComponentStateFlag(csReading, false);
    loaded_ = nullptr;
    if (!global)
      for (TComponent* c : local.Items) c->Loaded();
  } catch (const Exception& e) {
    fail();
    if (dynamic_cast<const EFilerError*>(&e)) throw;
    throw EReadError(e.Message());
  } catch (...) {
    fail();
    throw;
  }
  GlobalFixupReferences();
  return result;
}

// ---------------------------------------------------------------------------------------------
// TWriter

ZYL_CLASS_IMPL(TWriter) {}

struct TWriter::TAncestorList {
  std::vector<TComponent*> Items;
  std::unordered_map<std::string, TComponent*> ByName;
  size_t Pos = 0;
};

TWriter::TWriter(TStream* Stream, int BufSize) : TFiler(Stream, BufSize) {}

TWriter::~TWriter() {
  try {
    FlushBuffer();
  } catch (...) {
    // Call FlushBuffer before the writer goes to see write errors.
  }
}

void TWriter::FlushBuffer() {
  if (bufPos_ > 0) {
    const size_t n = bufPos_;
    bufPos_ = 0;
    stream_->WriteBuffer(buffer_.data(), static_cast<int32_t>(n));
  }
}

void TWriter::Write(const void* Buf, size_t Count) {
  const auto* src = static_cast<const uint8_t*>(Buf);
  while (Count > 0) {
    if (bufPos_ == buffer_.size()) FlushBuffer();
    const size_t n = std::min(Count, buffer_.size() - bufPos_);
    std::memcpy(buffer_.data() + bufPos_, src, n);
    bufPos_ += n;
    src += n;
    Count -= n;
  }
}

int64_t TWriter::Position() { return stream_->Position() + static_cast<int64_t>(bufPos_); }

namespace {
void PutLittleEndian(TWriter* w, uint64_t v, size_t n) {
  uint8_t b[8];
  for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(v >> (8 * i));
  w->Write(b, n);
}
}  // namespace

void TWriter::WriteValue(TValueType Value) {
  const uint8_t b = Value;
  Write(&b, 1);
}

void TWriter::WriteListBegin() { WriteValue(vaList); }
void TWriter::WriteListEnd() { WriteValue(vaNull); }

void TWriter::WriteInteger(int64_t Value) {
  if (Value >= -128 && Value <= 127) {
    WriteValue(vaInt8);
    PutLittleEndian(this, static_cast<uint64_t>(Value), 1);
  } else if (Value >= -32768 && Value <= 32767) {
    WriteValue(vaInt16);
    PutLittleEndian(this, static_cast<uint64_t>(Value), 2);
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    WriteValue(vaInt32);
    PutLittleEndian(this, static_cast<uint64_t>(Value), 4);
  } else {
    WriteValue(vaInt64);
    PutLittleEndian(this, static_cast<uint64_t>(Value), 8);
  }
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }
void TWriter::WriteChar(char Value) { WriteString(std::string(1, Value)); }

void TWriter::WriteFloat(double Value) {
  WriteValue(vaExtended);
  const TExtended10 x = DoubleToExtended(Value);
  Write(x.Bytes, 10);
}

void TWriter::WriteSingle(float Value) {
  uint32_t bits;
  std::memcpy(&bits, &Value, 4);
  WriteValue(vaSingle);
  PutLittleEndian(this, bits, 4);
}

void TWriter::WriteDate(double Value) {
  uint64_t bits;
  std::memcpy(&bits, &Value, 8);
  WriteValue(vaDate);
  PutLittleEndian(this, bits, 8);
}

void TWriter::WriteCurrency(int64_t TenThousandths) {
  WriteValue(vaCurrency);
  PutLittleEndian(this, static_cast<uint64_t>(TenThousandths), 8);
}

void TWriter::WriteString(const std::string& Value) {
  if (Value.size() <= 255) {
    WriteValue(vaString);
    WriteStr(Value);
    return;
  }
  if (Value.size() > UINT32_MAX) throw EWriteError("String too long");
  WriteValue(vaLString);
  PutLittleEndian(this, Value.size(), 4);
  Write(Value.data(), Value.size());
}

void TWriter::WriteWideString(const std::u16string& Value) {
  if (Value.size() > UINT32_MAX / 2) throw EWriteError("String too long");
  WriteValue(vaWString);
  PutLittleEndian(this, Value.size(), 4);
  for (char16_t c : Value) PutLittleEndian(this, c, 2);
}

void TWriter::WriteIdent(const std::string& Ident) {
  if (SameText(Ident, "False")) WriteValue(vaFalse);
  else if (SameText(Ident, "True")) WriteValue(vaTrue);
  else if (SameText(Ident, "Null")) WriteValue(vaNull);
  else if (SameText(Ident, "nil")) WriteValue(vaNil);
  else {
    WriteValue(vaIdent);
    WriteStr(Ident);
  }
}

void TWriter::WriteStr(const std::string& Value) {
  // Short strings hold at most 255 characters; longer ones are cut, as the framework does.
  const uint8_t n = static_cast<uint8_t>(std::min<size_t>(Value.size(), 255));
  Write(&n, 1);
  Write(Value.data(), n);
}

void TWriter::WriteSet(const TTypeInfo* elementType, uint64_t Bits) {
  WriteValue(vaSet);
  for (int i = 0; i < 64; ++i) {
    if (!(Bits & (uint64_t{1} << i))) continue;
    const std::string name = elementType ? GetEnumName(elementType, i) : std::string();
    if (!name.empty()) WriteStr(name);
  }
  WriteStr(std::string());
}

void TWriter::WriteBinary(const TStreamProc& WriteData) {
  TMemoryStream data;
  WriteData(&data);
  const int64_t size = data.Size();
  if (size > static_cast<int64_t>(UINT32_MAX)) throw EWriteError("Binary value too large");
  WriteValue(vaBinary);
  PutLittleEndian(this, static_cast<uint64_t>(size), 4);
  Write(data.Memory(), static_cast<size_t>(size));
}

void TWriter::WriteSignature() { Write(FilerSignature, 4); }

void TWriter::WritePrefix(TFilerFlags Flags, int32_t AChildPos) {
  if (Flags.empty()) return;
  const uint8_t prefix = static_cast<uint8_t>(0xF0 | (Flags.Bits() & 0x0F));
  Write(&prefix, 1);
  if (Flags.contains(ffChildPos)) WriteInteger(AChildPos);
}

void TWriter::WritePropName(const std::string& Name) { WriteStr(propPath_ + Name); }

void TWriter::DefineProperty(const std::string& Name, const TReaderProc&,
                             const TWriterProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const std::string& Name, const TStreamProc&,
                                   const TStreamProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteBinary(WriteData);
}

void TWriter::WriteRootComponent(TComponent* Root) { WriteDescendent(Root, nullptr); }

void TWriter::WriteDescendent(TComponent* Root, TComponent* AAncestor) {
  rootAncestor_ = AAncestor;
  ancestor_ = AAncestor;
  root_ = Root;
  lookupRoot_ = Root;
  streamRoot_ = Root;
  WriteSignature();
  WriteComponent(Root);
  FlushBuffer();
}

void TWriter::WriteComponent(TComponent* Component) {
  TPersistent* const oldAncestor = ancestor_;
  TComponent* const oldRootAncestor = rootAncestor_;
  try {
    Component->SetComponentStateFlag(csWriting, true);
    if (ancestorList_) {
      auto it = ancestorList_->ByName.find(LowerKey(Component->Name()));
      ancestor_ = it == ancestorList_->ByName.end() ? nullptr : it->second;
    }
    if (OnFindAncestor) {
      auto* ancestorComponent = dynamic_cast<TComponent*>(ancestor_);
      if (!ancestor_ || ancestorComponent) {
        OnFindAncestor(this, Component, Component->Name(), ancestorComponent, rootAncestor_);
        ancestor_ = ancestorComponent;
      }
    }
    Component->WriteState(this);
    Component->SetComponentStateFlag(csWriting, false);
  } catch (...) {
    Component->SetComponentStateFlag(csWriting, false);
    ancestor_ = oldAncestor;
    rootAncestor_ = oldRootAncestor;
    throw;
  }
  ancestor_ = oldAncestor;
  rootAncestor_ = oldRootAncestor;
}

void TWriter::WriteData(TComponent* Instance) {
  TFilerFlags flags;
  if (ancestor_) flags += ffInherited;
  if (Instance->ComponentState().contains(csInline)) flags += ffInline;
  if (ancestorList_ && ancestorList_->Pos < ancestorList_->Items.size() &&
      (!ancestor_ || ancestorList_->Items[ancestorList_->Pos] != ancestor_))
    flags += ffChildPos;
  WritePrefix(flags, childPos_);
  WriteStr(Instance->ClassName());
  WriteStr(Instance->Name());
  // Names inside an inline frame (its references and children) are relative to the frame.
  TComponent* const oldLookupRoot = lookupRoot_;
  if (Instance->ComponentState().contains(csInline)) lookupRoot_ = Instance;
  if (ancestorList_ && ancestorList_->Pos < ancestorList_->Items.size()) {
    if (ancestor_) ++ancestorList_->Pos;
    ++childPos_;
  }
  try {
    WriteProperties(Instance);
  } catch (...) {
    lookupRoot_ = oldLookupRoot;
    throw;
  }
  WriteListEnd();

  TAncestorList* const oldList = ancestorList_;
  const int oldChildPos = childPos_;
  TComponent* const oldRoot = root_;
  TComponent* const oldRootAncestor = rootAncestor_;
  TAncestorList list;
  ancestorList_ = nullptr;
  childPos_ = 0;
  auto restore = [&] {
    ancestorList_ = oldList;
    childPos_ = oldChildPos;
    root_ = oldRoot;
    rootAncestor_ = oldRootAncestor;
    lookupRoot_ = oldLookupRoot;
  };
  try {
    if (!ignoreChildren_) {
      if (auto* ancestor = dynamic_cast<TComponent*>(ancestor_)) {
        if (ancestor->ComponentState().contains(csInline)) rootAncestor_ = ancestor;
        ancestor->GetChildren(
            [&list](TComponent* child) {
              list.Items.push_back(child);
              list.ByName.emplace(LowerKey(child->Name()), child);
            },
            rootAncestor_);
        ancestorList_ = &list;
      }
      if (Instance->ComponentState().contains(csInline)) root_ = Instance;
      Instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, root_);
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance) {
  for (const TPropInfo* prop : GetPropList(Instance))
    if (IsStoredProp(Instance, prop)) WriteProperty(Instance, prop);
  Instance->DefineProperties(this);
}

std::string TWriter::ComponentReference(TComponent* Component) {
  if (Component->Owner() == lookupRoot_) return Component->Name();
  if (Component == lookupRoot_) return "Owner";
  if (Component->Owner() && !Component->Owner()->Name().empty() && !Component->Name().empty())
    return Component->Owner()->Name() + "." + Component->Name();
  if (!Component->Name().empty()) return Component->Name() + ".Owner";
  return std::string();
}

bool TWriter::SameComponentReference(TComponent* a, TComponent* b) {
  if (a == b) return true;
  if (!a || !b) return false;
  // The ancestor's own components correspond to the descendant's of the same name.
  const bool aLocal = a->Owner() == lookupRoot_;
  const bool bLocal = b->Owner() == rootAncestor_;
  return aLocal && bLocal && SameText(a->Name(), b->Name());
}

bool TWriter::SameObjects(TCollection* a, TCollection* b) {
  if (!a || !b) return a == b;
  auto bytesOf = [this](TCollection* c, TComponent* lookup) {
    TMemoryStream data;
    {
      TWriter w(&data, 4096);
      w.root_ = root_;
      w.lookupRoot_ = lookup;
      w.WriteCollection(c);
    }
    return std::string(static_cast<const char*>(data.Memory()), static_cast<size_t>(data.Size()));
  };
  return bytesOf(a, lookupRoot_) == bytesOf(b, rootAncestor_ ? rootAncestor_ : lookupRoot_);
}

void TWriter::WriteCollection(TCollection* Value) {
  TPersistent* const oldAncestor = ancestor_;
  const std::string oldPath = propPath_;
  ancestor_ = nullptr;
  propPath_.clear();
  try {
    WriteValue(vaCollection);
    if (Value) {
      const int count = CollectionCount(Value);
      for (int i = 0; i < count; ++i) {
        WriteListBegin();
        WriteProperties(CollectionItem(Value, i));
        WriteListEnd();
      }
    }
    WriteListEnd();
  } catch (...) {
    ancestor_ = oldAncestor;
    propPath_ = oldPath;
    throw;
  }
  ancestor_ = oldAncestor;
  propPath_ = oldPath;
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo* Prop) {
  const TTypeKind kind = Prop->Kind();
  if (!Prop->IsWritable() && kind != tkClass) return;
  // The ancestor only counts when it has the property.
  TPersistent* ancestor = ancestor_;
  if (ancestor && Prop->OwnerClass && !ancestor->InheritsFrom(Prop->OwnerClass)) ancestor = nullptr;
  switch (kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet: {
      const int64_t v = GetOrdProp(Instance, Prop);
      if (ancestor ? v == GetOrdProp(ancestor, Prop) : (Prop->HasDefault() && v == Prop->Default))
        return;
      WritePropName(Prop->Name);
      if (kind == tkInteger) {
        std::string ident;
        const TIntToIdent toIdent = FindIntToIdent(Prop->PropType);
        if (toIdent && v >= INT32_MIN && v <= INT32_MAX && toIdent(static_cast<int32_t>(v), ident))
          WriteIdent(ident);
        else
          WriteInteger(v);
      } else if (kind == tkEnumeration) {
        WriteIdent(GetEnumName(Prop->PropType, v));
      } else if (kind == tkSet) {
        WriteSet(Prop->PropType->CompType, static_cast<uint64_t>(v));
      } else {
        WriteChar(static_cast<char>(v));
      }
      break;
    }
    case tkInt64: {
      const int64_t v = GetInt64Prop(Instance, Prop);
      if (ancestor ? v == GetInt64Prop(ancestor, Prop)
                   : v == (Prop->HasDefault() ? Prop->Default : 0))
        return;
      WritePropName(Prop->Name);
      WriteInteger(v);
      break;
    }
    case tkFloat: {
      const double v = GetFloatProp(Instance, Prop);
      if (ancestor ? v == GetFloatProp(ancestor, Prop) : v == 0) return;
      WritePropName(Prop->Name);
      switch (Prop->PropType->FloatType) {
        case ftSingle: WriteSingle(static_cast<float>(v)); break;
        case ftCurr: WriteCurrency(Round(v * 10000.0)); break;
        default:
          if (Prop->PropType->Name() == "TDateTime") WriteDate(v);
          else WriteFloat(v);
      }
      break;
    }
    case tkString:
    case tkLString:
    case tkWString: {
      const std::string v = GetStrProp(Instance, Prop);
      if (ancestor ? v == GetStrProp(ancestor, Prop) : v.empty()) return;
      WritePropName(Prop->Name);
      WriteString(v);
      break;
    }
    case tkMethod: {
      const TMethod m = GetMethodProp(Instance, Prop);
      // Handlers are methods of the stream's root, where the reader binds them.
      TComponent* const methodRoot = streamRoot_ ? streamRoot_ : lookupRoot_;
      const std::string name = m.Code && methodRoot ? methodRoot->MethodName(m.Code) : std::string();
      if (ancestor) {
        const TMethod am = GetMethodProp(ancestor, Prop);
        const std::string ancestorName =
            am.Code && rootAncestor_ ? rootAncestor_->MethodName(am.Code) : std::string();
        if (m.Code == am.Code || (!name.empty() && SameText(name, ancestorName))) return;
        if (!m.Code) {
          WritePropName(Prop->Name);
          WriteValue(vaNil);
          return;
        }
      }
      // Only handlers published by the root can be named in a stream.
      if (name.empty()) return;
      WritePropName(Prop->Name);
      WriteIdent(name);
      break;
    }
    case tkClass: {
      TObject* const value = GetObjectProp(Instance, Prop);
      TObject* const ancestorValue = ancestor ? GetObjectProp(ancestor, Prop) : nullptr;
      if (!value) {
        if (ancestorValue && Prop->IsWritable()) {
          WritePropName(Prop->Name);
          WriteValue(vaNil);
        }
        return;
      }
      auto* component = dynamic_cast<TComponent*>(value);
      if (component && !component->ComponentStyle().contains(csSubComponent)) {
        if (!Prop->IsWritable()) return;
        if (ancestor && SameComponentReference(component, dynamic_cast<TComponent*>(ancestorValue)))
          return;
        const std::string ref = ComponentReference(component);
        if (ref.empty()) return;
        WritePropName(Prop->Name);
        WriteIdent(ref);
      } else if (auto* collection = AsCollection(value)) {
        if (ancestor && SameObjects(collection, AsCollection(ancestorValue))) return;
        WritePropName(Prop->Name);
        WriteCollection(collection);
      } else if (auto* persistent = dynamic_cast<TPersistent*>(value)) {
        // An owned object: its properties follow with the dotted path.
        const std::string oldPath = propPath_;
        TPersistent* const oldAncestor = ancestor_;
        propPath_ += Prop->Name + ".";
        ancestor_ = dynamic_cast<TPersistent*>(ancestorValue);
        try {
          WriteProperties(persistent);
        } catch (...) {
          propPath_ = oldPath;
          ancestor_ = oldAncestor;
          throw;
        }
        propPath_ = oldPath;
        ancestor_ = oldAncestor;
      }
      break;
    }
    default: break;
  }
}

// ---------------------------------------------------------------------------------------------
// Streaming entry points of the object model

void TComponent::ReadState(TReader* Reader) { Reader->ReadData(this); }
void TComponent::WriteState(TWriter* Writer) { Writer->WriteData(this); }

TComponent* TStream::ReadComponent(TComponent* Instance) {
  TReader reader(this, 4096);
  return reader.ReadRootComponent(Instance);
}

void TStream::WriteComponent(TComponent* Instance) { WriteDescendent(Instance, nullptr); }

void TStream::WriteDescendent(TComponent* Instance, TComponent* Ancestor) {
  TWriter writer(this, 4096);
  writer.WriteDescendent(Instance, Ancestor);
}

TComponent* ReadComponentFromBytes(const std::string& Bytes, TComponent* Instance) {
  TStringStream stream(Bytes);
  return stream.ReadComponent(Instance);
}

std::string WriteComponentToBytes(TComponent* Instance, TComponent* Ancestor) {
  TStringStream stream;
  stream.WriteDescendent(Instance, Ancestor);
  return stream.DataString();
}

}  // namespace vcl
