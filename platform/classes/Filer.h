// Form streams: the binary component format read and written by TReader and TWriter.
//
// A stream is "TPF0" and one component. A component is an optional prefix byte 0xF0 | flags
// (ffInherited 1, ffChildPos 2 followed by the child position as an integer value, ffInline 4),
// the class name and the instance name as short strings (length byte + bytes), its properties
// (a short-string name, "Font.Size" for owned objects, then a tagged value) ended by a zero
// byte, then its children ended by a zero byte. Values start with a TValueType tag: integers in
// the smallest of 1, 2, 4 or 8 bytes, little endian; floats as 10-byte extended, 4-byte single,
// 8-byte date or 8-byte currency (ten-thousandths); strings as short (<= 255), long (4-byte
// length) or wide (4-byte count of UTF-16 units); identifiers (enumeration values, named
// integers such as colours, component references "Edit1" / "Form2.Edit1", event handler names)
// as short strings; booleans and nil as bare tags; sets as names ended by an empty name; lists
// as values ended by vaNull; collections as items, each an optional order integer, vaList, the
// item's properties and a zero byte, ended by vaNull; binary data with a 4-byte length.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Sets.h"
#include "platform/classes/Component.h"
#include "platform/classes/ExtendedFloat.h"
#include "platform/classes/Fixups.h"

namespace vcl {

// The tag byte in front of every value of a form stream.
enum TValueType : uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue,
  vaBinary, vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString,
  vaInt64
};
constexpr uint8_t vaLastValueType = vaInt64;

// Flags of a component header; written as one byte 0xF0 | flags in front of the class name.
enum TFilerFlag : uint8_t { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag>;

// The four bytes that open every binary form stream.
constexpr char FilerSignature[5] = "TPF0";

class TStream;
class TTextLines;
struct TMethodCode;

using TReaderProc = std::function<void(TReader* Reader)>;
using TWriterProc = std::function<void(TWriter* Writer)>;
using TStreamProc = std::function<void(TStream* Stream)>;

// What the readers and writers share: the stream, the root and the ancestor, and the extra
// properties a class declares in DefineProperties.
class TFiler : public TObject {
  ZYL_CLASS(TFiler, TObject)
  // BufSize: bytes buffered between the filer and the stream.
  TFiler(TStream* Stream, int BufSize);
  ~TFiler() override;

  // Declares an extra property. A reader calls ReadData when the property being read has this
  // name; a writer calls WriteData when HasData is true (the value differs from the ancestor's
  // or from the default).
  virtual void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                              const TWriterProc& WriteData, bool HasData) = 0;
  // The same for a block of bytes: the callbacks read or write a memory stream.
  virtual void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;
  // Hands buffered bytes to the stream (writer) or gives back unread ones (reader).
  virtual void FlushBuffer() = 0;

  TStream* Stream() const { return stream_; }
  TComponent* Root() const { return root_; }
  // Also the lookup root.
  virtual void SetRoot(TComponent* Value) {
    root_ = Value;
    lookupRoot_ = Value;
  }
  // While writing a descendant: the ancestor object of the one being written.
  TPersistent* Ancestor() const { return ancestor_; }
  void SetAncestor(TPersistent* Value) { ancestor_ = Value; }

 protected:
  TStream* stream_;
  std::vector<uint8_t> buffer_;
  size_t bufPos_ = 0;
  size_t bufEnd_ = 0;
  TComponent* root_ = nullptr;
  TComponent* lookupRoot_ = nullptr;
  TPersistent* ancestor_ = nullptr;
};

// Hooks of the reader, as the framework's reader events.
using TReaderError = std::function<void(TReader* Reader, const std::string& Message, bool& Handled)>;
using TFindMethodEvent = std::function<void(TReader* Reader, const std::string& MethodName,
                                            const TMethodCode*& Address, bool& Error)>;
using TSetNameEvent = std::function<void(TReader* Reader, TComponent* Component, std::string& Name)>;
using TFindComponentClassEvent =
    std::function<void(TReader* Reader, const std::string& ClassName, TClass& ComponentClass)>;
using TCreateComponentEvent =
    std::function<void(TReader* Reader, TClass ComponentClass, TComponent*& Component)>;

// Reads a binary form stream. Corrupt or truncated data raises EReadError (or EClassNotFound
// for an unknown class); no length is trusted beyond the bytes the stream still holds.
class TReader : public TFiler {
  ZYL_CLASS(TReader, TFiler)
  TReader(TStream* Stream, int BufSize = 4096);
  // Gives unread buffered bytes back to the stream, so that its position follows the data read.
  ~TReader() override;

  void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                      const TWriterProc& WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;
  void FlushBuffer() override;

  // Whole components. ReadRootComponent reads the signature and a root (creating it from the
  // registered class when Root is null), fixes up references and calls Loaded on every
  // component read. ReadComponent reads one component header and body: into Component when
  // given, else into a new component owned by Owner (or the ancestor's existing one when the
  // header says "inherited").
  TComponent* ReadRootComponent(TComponent* Root);
  TComponent* ReadComponent(TComponent* Component);
  // Reads the properties and children of Instance (TComponent::ReadState calls this).
  void ReadData(TComponent* Instance);
  void ReadSignature();
  void ReadPrefix(TFilerFlags& Flags, int32_t& AChildPos);
  void ReadProperty(TPersistent* AInstance);
  void ReadCollection(TCollection* Collection);

  // Values.
  TValueType ReadValue();
  TValueType NextValue();
  void CheckValue(TValueType Value);
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  void SkipValue();
  int32_t ReadInteger();
  int64_t ReadInt64();
  bool ReadBoolean();
  char ReadChar();
  double ReadFloat();
  float ReadSingle();
  double ReadDate();
  // Currency as its count of ten-thousandths.
  int64_t ReadCurrency();
  std::string ReadString();
  std::u16string ReadWideString();
  // Identifiers; also "False", "True", "nil" and "Null" for those value types.
  std::string ReadIdent();
  // A short string without value type (names in headers and property names).
  std::string ReadStr();
  // Set of the elements of `elementType` (an enumeration) as bits.
  uint64_t ReadSet(const TTypeInfo* elementType);
  // Raw bytes; EReadError "Stream read error" when the stream ends first.
  void Read(void* Buf, size_t Count);
  // Bytes left in the buffer and the stream.
  int64_t BytesLeft();
  // Position of the next byte to read, in the stream.
  int64_t Position();
  void SetPosition(int64_t Value);

  // Called with the message of an error met while reading a property (unknown property,
  // invalid value, a setter's exception); returns true when the error is handled: the value is
  // skipped and reading goes on. Also asked about components of unknown classes, which are then
  // skipped. The default asks OnError.
  virtual bool Error(const std::string& Message);
  virtual const TMethodCode* FindMethod(TComponent* Root, const std::string& MethodName);
  virtual void SetName(TComponent* Component, std::string& Name);
  virtual TClass FindComponentClass(const std::string& ClassName);

  TComponent* Owner() const { return owner_; }
  void SetOwner(TComponent* Value) { owner_ = Value; }
  // The parent given to the children read (the control layer gives it meaning).
  TComponent* Parent() const { return parent_; }
  void SetParent(TComponent* Value) { parent_ = Value; }
  // The name of the property being read (while DefineProperties runs). A path whose leading
  // part names no published object property ("Layout.Arrow") comes to DefineProperties whole.
  const std::string& PropName() const { return propName_; }
  // The lines of the text the stream was converted from: errors then name the line of the
  // property they were met at. The map must outlive the reading.
  void SetTextLines(const TTextLines* Lines) { textLines_ = Lines; }
  // For DefineProperties: when the property being read is OldName, or a path below it
  // ("OldName.Sub"), reads its value into Instance's published property NewName (or the same
  // path below it), so that a form written under a former name still reads. Nothing is ever
  // written under the former name.
  void ReadRenamedProperty(TPersistent* Instance, const std::string& OldName,
                           const std::string& NewName);

  // Components waiting for Loaded (opaque).
  struct TLoadedList;

  TReaderError OnError;
  TFindMethodEvent OnFindMethod;
  TSetNameEvent OnSetName;
  TFindComponentClassEvent OnFindComponentClass;
  TCreateComponentEvent OnCreateComponent;

 private:
  static TLoadedList* GlobalLoadedList();
  void ReadDataInner(TComponent* Instance);
  void ReadPropValue(TPersistent* Instance, const TPropInfo* Prop);
  void PropertyError(const std::string& Name);
  [[noreturn]] void PropValueError();
  void SkipSetBody();
  void SkipProperty();
  void SkipComponent(bool SkipHeader);
  void DoFixupReferences();
  void AddLoaded(TComponent* Component);
  size_t CheckedLength(uint64_t Count, size_t UnitSize);
  int64_t bufBase_ = 0;  // stream position of the buffer's first byte
  uint8_t ReadByte();
  uint8_t PeekByte();
  void FillBuffer();

  TComponent* owner_ = nullptr;
  TComponent* parent_ = nullptr;
  TComponent* current_ = nullptr;  // the component whose properties are being read
  std::vector<TComponent*> inlineRoots_;  // inline frames read since the last fixup
  std::string propName_;
  int nesting_ = 0;
  int propDepth_ = 0;        // ReadProperty calls under way (collection items nest them)
  bool errorNamed_ = false;  // the error under way names its object and property already
  const TTextLines* textLines_ = nullptr;
  TLoadedList* loaded_ = nullptr;
  bool fixupsPending_ = false;
};

// Hooks of the writer.
using TFindAncestorEvent = std::function<void(TWriter* Writer, TComponent* Component,
                                              const std::string& Name, TComponent*& Ancestor,
                                              TComponent*& RootAncestor)>;

// Writes a binary form stream: published properties that differ from their default (or, for
// a descendant, from the ancestor), then DefineProperties, then the children.
class TWriter : public TFiler {
  ZYL_CLASS(TWriter, TFiler)
  TWriter(TStream* Stream, int BufSize = 4096);
  // Flushes the buffered bytes.
  ~TWriter() override;

  void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                      const TWriterProc& WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;
  void FlushBuffer() override;

  // Writes Root with only what differs from Ancestor (an instance of Root's ancestor class).
  void WriteDescendent(TComponent* Root, TComponent* Ancestor);
  void WriteComponent(TComponent* Component);
  // Header, properties and children of Instance (TComponent::WriteState calls this).
  void WriteData(TComponent* Instance);
  void WriteSignature();
  void WritePrefix(TFilerFlags Flags, int32_t AChildPos);
  void WriteProperties(TPersistent* Instance);
  void WriteProperty(TPersistent* Instance, const TPropInfo* Prop);
  void WriteCollection(TCollection* Value);

  // Values, each with the smallest fitting encoding.
  void WriteValue(TValueType Value);
  void WriteListBegin();
  void WriteListEnd();
  void WriteInteger(int64_t Value);
  void WriteBoolean(bool Value);
  void WriteChar(char Value);
  void WriteFloat(double Value);
  void WriteSingle(float Value);
  void WriteDate(double Value);
  void WriteCurrency(int64_t TenThousandths);
  void WriteString(const std::string& Value);
  void WriteWideString(const std::u16string& Value);
  // Identifiers; "False", "True", "nil" and "Null" (any case) become those value types.
  void WriteIdent(const std::string& Ident);
  void WriteStr(const std::string& Value);
  void WriteSet(const TTypeInfo* elementType, uint64_t Bits);
  void WriteBinary(const TStreamProc& WriteData);
  void Write(const void* Buf, size_t Count);

  // Position in the stream, buffered bytes included.
  int64_t Position();
  TComponent* RootAncestor() const { return rootAncestor_; }

  TFindAncestorEvent OnFindAncestor;

 private:
  struct TAncestorList;
  void WritePropName(const std::string& Name);
  std::string ComponentReference(TComponent* Component);
  bool SameComponentReference(TComponent* a, TComponent* b);
  bool SameObjects(TCollection* a, TCollection* b);

  std::string propPath_;
  TComponent* rootAncestor_ = nullptr;
  TComponent* streamRoot_ = nullptr;  // the root given to WriteDescendent
  TAncestorList* ancestorList_ = nullptr;
  int childPos_ = 0;
};

// Global loading, for a root read from several streams (one per ancestor class): between
// BeginGlobalLoading and EndGlobalLoading, ReadRootComponent collects the components read
// instead of calling Loaded; NotifyGlobalLoading then calls Loaded once on each, in reading
// order. Per thread; brackets nest.
void BeginGlobalLoading();
void NotifyGlobalLoading();
void EndGlobalLoading();

// Reads a component from a whole binary stream held in memory (Instance may be null) and
// writes one into a byte string: shorthands of TStream::ReadComponent/WriteComponent.
TComponent* ReadComponentFromBytes(const std::string& Bytes, TComponent* Instance);
std::string WriteComponentToBytes(TComponent* Instance, TComponent* Ancestor = nullptr);

}  // namespace vcl
