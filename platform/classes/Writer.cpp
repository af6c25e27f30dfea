#include "platform/classes/Filer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/base/Restore.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Events.h"
#include "platform/classes/FilerInternal.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/ClassicNumbers.h"

namespace vcl {

using namespace filer_detail;

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
  } catch (...) {  // a destructor lets nothing out
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

namespace {
// The extended value a double stands for: the one nearest to the double's shortest decimal
// text (what was typed, as a form file holds it), when that converts back to the same double;
// the double itself otherwise.
TExtended10 StreamedExtended(double v) {
  char text[40];
  const auto [end, ec] = std::to_chars(text, text + sizeof text - 1, v);
  if (!std::isfinite(v) || ec != std::errc()) return DoubleToExtended(v);
  *end = '\0';
  const TClassicNumbers classic;
  const long double x = std::strtold(text, nullptr);
  return static_cast<double>(x) == v ? LongDoubleToExtended(x) : DoubleToExtended(v);
}
}  // namespace

void TWriter::WriteFloat(double Value) {
  WriteValue(vaExtended);
  const TExtended10 x = StreamedExtended(Value);
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
  if (Value.size() > UINT32_MAX) throw EWriteError(SStringTooLong);
  WriteValue(vaLString);
  PutLittleEndian(this, Value.size(), 4);
  Write(Value.data(), Value.size());
}

void TWriter::WriteWideString(const std::u16string& Value) {
  if (Value.size() > UINT32_MAX / 2) throw EWriteError(SStringTooLong);
  WriteValue(vaWString);
  PutLittleEndian(this, Value.size(), 4);
  for (char16_t c : Value) PutLittleEndian(this, c, 2);
}

void TWriter::WriteIdent(const std::string& Ident) {
  if (SameText(Ident, "False"))
    WriteValue(vaFalse);
  else if (SameText(Ident, "True"))
    WriteValue(vaTrue);
  else if (SameText(Ident, "Null"))
    WriteValue(vaNull);
  else if (SameText(Ident, "nil"))
    WriteValue(vaNil);
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
  if (size > static_cast<int64_t>(UINT32_MAX)) throw EWriteError(SBinaryTooLarge);
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
  const TRestore ancestor(ancestor_, ancestor_);
  const TRestore rootAncestor(rootAncestor_, rootAncestor_);
  {
    Component->SetComponentStateFlag(csWriting, true);
    const TFinally written([Component] { Component->SetComponentStateFlag(csWriting, false); });
    if (ancestorList_) {
      auto it = ancestorList_->ByName.find(LowerCase(Component->Name()));
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
  }
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
  const TRestore lookupRoot(lookupRoot_, lookupRoot_);
  if (Instance->ComponentState().contains(csInline)) lookupRoot_ = Instance;
  if (ancestorList_ && ancestorList_->Pos < ancestorList_->Items.size()) {
    if (ancestor_) ++ancestorList_->Pos;
    ++childPos_;
  }
  WriteProperties(Instance);
  WriteListEnd();

  {
    TAncestorList list;
    const TRestore ancestorList(ancestorList_, static_cast<TAncestorList*>(nullptr));
    const TRestore childPos(childPos_, 0);
    const TRestore root(root_, root_);
    const TRestore rootAncestor(rootAncestor_, rootAncestor_);
    if (auto* ancestor = dynamic_cast<TComponent*>(ancestor_)) {
      if (ancestor->ComponentState().contains(csInline)) rootAncestor_ = ancestor;
      ancestor->GetChildren(
          [&list](TComponent* child) {
            list.Items.push_back(child);
            list.ByName.emplace(LowerCase(child->Name()), child);
          },
          rootAncestor_);
      ancestorList_ = &list;
    }
    if (Instance->ComponentState().contains(csInline)) root_ = Instance;
    Instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, root_);
  }
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
  const TRestore ancestor(ancestor_, static_cast<TPersistent*>(nullptr));
  const TRestore path(propPath_, std::string());
  {
    WriteValue(vaCollection);
    if (Value) {
      const int count = Value->Count();
      for (int i = 0; i < count; ++i) {
        WriteListBegin();
        WriteProperties(Value->Items(i));
        WriteListEnd();
      }
    }
    WriteListEnd();
  }
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
      if (ancestor ? v == GetFloatProp(ancestor, Prop) : v == 0 && !Prop->EmptyStored) return;
      WritePropName(Prop->Name);
      switch (Prop->PropType->FloatType) {
        case ftSingle: WriteSingle(static_cast<float>(v)); break;
        case ftCurr: WriteCurrency(Round(v * 10000.0)); break;
        default:
          if (Prop->PropType->Name() == "TDateTime")
            WriteDate(v);
          else
            WriteFloat(v);
      }
      break;
    }
    case tkString:
    case tkLString:
    case tkWString: {
      const std::string v = GetStrProp(Instance, Prop);
      if (ancestor ? v == GetStrProp(ancestor, Prop) : v.empty() && !Prop->EmptyStored) return;
      WritePropName(Prop->Name);
      WriteString(v);
      break;
    }
    case tkMethod: {
      const TMethod m = GetMethodProp(Instance, Prop);
      // Handlers are methods of the stream's root, where the reader binds them.
      TComponent* const methodRoot = streamRoot_ ? streamRoot_ : lookupRoot_;
      const std::string name =
          m.Code && methodRoot ? methodRoot->MethodName(m.Code) : std::string();
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
      } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
        if (ancestor && SameObjects(collection, dynamic_cast<TCollection*>(ancestorValue))) return;
        WritePropName(Prop->Name);
        WriteCollection(collection);
      } else if (auto* persistent = dynamic_cast<TPersistent*>(value)) {
        // An owned object: its properties follow with the dotted path.
        const TRestore ownedPath(propPath_, propPath_ + Prop->Name + ".");
        const TRestore ownedAncestor(ancestor_, dynamic_cast<TPersistent*>(ancestorValue));
        WriteProperties(persistent);
      }
      break;
    }
    default: break;
  }
}

}  // namespace vcl
