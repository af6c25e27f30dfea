#include "platform/classes/Filer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/base/Restore.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Events.h"
#include "platform/classes/FilerInternal.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

using namespace filer_detail;

// ---------------------------------------------------------------------------------------------
// TReader

ZYL_CLASS_IMPL(TReader) {}

struct TReader::TLoadedList {
  std::vector<TComponent*> Items;
  std::unordered_set<TComponent*> Seen;
  void Forget(const std::unordered_set<TComponent*>& gone) {
    Items.erase(std::remove_if(Items.begin(), Items.end(),
                               [&](TComponent* c) { return gone.count(c) != 0; }),
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
      throw EDamagedStream(SStreamNestingTooDeep);
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
  } catch (...) {  // a destructor lets nothing out
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
    if (bufEnd_ == 0) throw EDamagedStream(SReadError);
  }
  return buffer_[bufPos_++];
}

uint8_t TReader::PeekByte() {
  if (bufPos_ >= bufEnd_) {
    FillBuffer();
    if (bufEnd_ == 0) throw EDamagedStream(SReadError);
  }
  return buffer_[bufPos_];
}

void TReader::Read(void* Buf, size_t Count) {
  auto* dst = static_cast<uint8_t*>(Buf);
  while (Count > 0) {
    if (bufPos_ >= bufEnd_) {
      FillBuffer();
      if (bufEnd_ == 0) throw EDamagedStream(SReadError);
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
  if (left < 0 || Count > static_cast<uint64_t>(left) / UnitSize) throw EDamagedStream(SReadError);
  return static_cast<size_t>(Count);
}

void TReader::PropValueError() { throw EReadError(SInvalidPropertyValue); }

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

// The next sizeof(T) bytes of the stream, little end first.
template <class T>
T ReadLittleEndian(TReader& r) {
  uint8_t b[sizeof(T)];
  r.Read(b, sizeof b);
  return LittleEndian<T>(b, sizeof b);
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
    return static_cast<int64_t>(ReadLittleEndian<uint64_t>(*this));
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
  return std::bit_cast<float>(ReadLittleEndian<uint32_t>(*this));
}

double TReader::ReadDate() {
  if (NextValue() != vaDate) return ReadFloat();
  ReadValue();
  return std::bit_cast<double>(ReadLittleEndian<uint64_t>(*this));
}

int64_t TReader::ReadCurrency() {
  if (NextValue() == vaCurrency) {
    ReadValue();
    return static_cast<int64_t>(ReadLittleEndian<uint64_t>(*this));
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
  // A form file as the IDE saves it: the resource header, then the stream.
  if (PeekByte() == 0xFF) {
    const uint32_t size = ReadFormResourceHeader([this] { return ReadByte(); });
    if (static_cast<int64_t>(size) > BytesLeft()) throw EReadError(SInvalidImage);
  }
  char sig[4];
  Read(sig, 4);
  if (std::memcmp(sig, FilerSignature, 4) != 0) throw EReadError(SInvalidImage);
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
  if (!cls) throw EClassNotFound(Format(SClassNotFound, {ClassName}));
  if (!cls->InheritsFrom(TComponent::StaticClass()) || cls->FactoryKind() != fkComponent)
    throw EReadError(Format(SNotComponentClass, {ClassName}));
  return cls;
}

void TReader::DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                             const TWriterProc&, bool) {
  if (ReadData && !propName_.empty() && SameText(Name, propName_)) {
    ReadData(this);
    propName_.clear();
  }
}

void TReader::ReadRenamedProperty(TPersistent* Instance, const std::string& OldName,
                                  const std::string& NewName) {
  if (propName_.empty() || !Instance) return;
  std::string rest;
  if (SameText(propName_, OldName)) {
    rest = NewName;
  } else if (propName_.size() > OldName.size() && propName_[OldName.size()] == '.' &&
             SameText(propName_.substr(0, OldName.size()), OldName)) {
    rest = NewName + propName_.substr(OldName.size());
  } else {
    return;
  }
  TPersistent* instance = Instance;
  for (size_t dot = rest.find('.'); dot != std::string::npos; dot = rest.find('.')) {
    const TPropInfo* prop = GetPropInfo(instance, rest.substr(0, dot));
    TPersistent* next = prop && prop->Kind() == tkClass
                            ? dynamic_cast<TPersistent*>(GetObjectProp(instance, prop))
                            : nullptr;
    if (!next) return;  // left unclaimed: an unknown property
    instance = next;
    rest.erase(0, dot + 1);
  }
  const TPropInfo* prop = GetPropInfo(instance, rest);
  if (!prop) return;
  propName_.clear();
  ReadPropValue(instance, prop);
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
  throw EReadError(Format(SUnknownProperty, {Name}));
}

int64_t TReader::Position() {
  return bufEnd_ > 0 ? bufBase_ + static_cast<int64_t>(bufPos_) : stream_->Position();
}

void TReader::SetPosition(int64_t Value) {
  stream_->Seek(Value, soBeginning);
  bufPos_ = bufEnd_ = 0;
}

void TReader::ReadProperty(TPersistent* AInstance) {
  if (propDepth_ == 0) errorNamed_ = false;
  TRestore<int> depth(propDepth_, propDepth_ + 1);
  const int64_t nameStart = Position();
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
      if (prop && prop->Kind() == tkClass)
        next = dynamic_cast<TPersistent*>(GetObjectProp(instance, prop));
      if (!next && !prop) {
        // Not a published object: the instance may define the whole path ("Old.Sub").
        const std::string part = propName_;
        propName_ = path.substr(start);
        canRecover = false;
        instance->DefineProperties(this);
        canRecover = true;
        if (!propName_.empty()) PropertyError(part);
        propName_.clear();
        return;
      }
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
  } catch (Exception& e) {
    propName_.clear();
    // Damaged data (the stream ends, nesting too deep) cannot be stepped over; it is no fault
    // of one property.
    const bool damaged = dynamic_cast<const EDamagedStream*>(&e) != nullptr;
    const bool filerError = dynamic_cast<const EFilerError*>(&e) != nullptr;
    // The error names the object and the property it was met at (and the line of a text form);
    // an error of a collection item's property keeps the item's name.
    std::string named = e.Message();
    if (!damaged && !errorNamed_) {
      std::string owner;
      if (auto* c = dynamic_cast<TComponent*>(AInstance)) owner = c->Name();
      if (owner.empty()) owner = AInstance->ClassName();
      named = Format(SPropertyReadError, {owner, path, e.Message()});
      if (const int line = textLines_ ? textLines_->LineAt(nameStart) : 0)
        named = Format(SParseError, {named, line});
    }
    // The error handler hears a stream error as it was raised, any other error named.
    const std::string heard = filerError || errorNamed_ ? e.Message() : named;
    if (canRecover && !damaged && Error(heard)) {
      // Handled: the value is skipped from its start and reading goes on.
      errorNamed_ = false;
      SetPosition(valueStart);
      SkipValue();
      return;
    }
    errorNamed_ = errorNamed_ || !damaged;
    e.SetMessage(named);
    // Errors of the objects being filled (names, conversions, casts) become read errors.
    if (filerError) throw;
    throw EReadError(named);
  }
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo* Prop) {
  const TTypeKind kind = Prop->Kind();
  if (!Prop->IsWritable() && kind != tkClass) {
    SkipValue();
    throw EReadError(Format(SReadOnlyProperty, {Prop->Name}));
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
        const int64_t v = ReadInt64();
        // A type narrower than Integer (Byte, Word, a named subrange) takes only its range.
        const TTypeInfo* type = Prop->PropType;
        const bool narrow = type->MinValue > INT32_MIN || type->MaxValue < INT32_MAX;
        if (narrow && type->OrdType != otULong && (v < type->MinValue || v > type->MaxValue))
          PropValueError();
        SetOrdProp(Instance, Prop, v);
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
        auto* collection = dynamic_cast<TCollection*>(GetObjectProp(Instance, Prop));
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
        TPropFixup fixup{
            Instance, lookupRoot_ ? lookupRoot_ : root_, current_, Prop, std::string(), ident,
            root_};
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
  Collection->BeginUpdate();
  {
    const TFinally endUpdate([Collection] { Collection->EndUpdate(); });
    if (!EndOfList()) {
      // References waiting to be set on the items that go away are forgotten with them.
      std::unordered_set<const TPersistent*> items;
      for (int i = 0; i < Collection->Count(); ++i) items.insert(Collection->Items(i));
      if (!items.empty())
        RemoveFixupsIf([&](const TPropFixup& f) { return items.count(f.Instance) != 0; });
      Collection->Clear();
    }
    while (!EndOfList()) {
      const TValueType next = NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
      TPersistent* item = Collection->Add();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  }
}

void TReader::AddLoaded(TComponent* Component) {
  if (loaded_ && loaded_->Seen.insert(Component).second) loaded_->Items.push_back(Component);
}

void TReader::ReadData(TComponent* Instance) {
  if (fixupsPending_) {
    ReadDataInner(Instance);
    return;
  }
  const TRestore pending(fixupsPending_, true);
  ReadDataInner(Instance);
  DoFixupReferences();
}

void TReader::ReadDataInner(TComponent* Instance) {
  {
    const TRestore current(current_, Instance);
    while (!EndOfList()) ReadProperty(Instance);
    ReadListEnd();
  }
  const TRestore parent(parent_, Instance->GetChildParent());
  const TRestore owner(owner_, Instance->GetChildOwner());
  if (!owner_) owner_ = root_;
  while (!EndOfList()) ReadComponent(nullptr);
  ReadListEnd();
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
    const TOnFailure undo(discard);
    if (!result) {
      if (flags.contains(ffInherited)) {
        // The ancestor part of the owner already made this component.
        FindComponentClass(compClass);
        TComponent* container = owner_ ? owner_ : root_;
        result = container ? container->FindComponent(compName) : nullptr;
        if (!result) throw EReadError(Format(SAncestorNotFound, {compName}));
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
    throw;
  } catch (const Exception& e) {
    // Errors of the component itself (an invalid or duplicate name) become read errors.
    throw EReadError(e.Message());
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
    const TOnFailure undo(fail);
    TFilerFlags flags;
    int32_t position;
    ReadPrefix(flags, position);
    const std::string className = ReadStr();
    std::string name = ReadStr();
    if (!Root) {
      TClass cls = FindClass(className);
      if (!cls->InheritsFrom(TComponent::StaticClass()) || cls->FactoryKind() != fkComponent)
        throw EReadError(Format(SNotComponentClass, {className}));
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
    if (dynamic_cast<const EFilerError*>(&e)) throw;
    throw EReadError(e.Message());
  }
  GlobalFixupReferences();
  return result;
}

}  // namespace vcl
