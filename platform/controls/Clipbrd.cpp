#include "platform/controls/Clipbrd.h"

#include <cstring>
#include <memory>

#include "platform/base/LastError.h"
#include "platform/classes/Component.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

win::UINT CF_COMPONENT = win::RegisterClipboardFormatA("ZYL Component");
win::UINT CF_PICTURE = win::RegisterClipboardFormatA("ZYL Picture");

namespace {

// The registered ids follow the window system's atom table, which a fresh test session
// clears: register again on each use.
win::UINT ComponentFormat() { return CF_COMPONENT = win::RegisterClipboardFormatA("ZYL Component"); }
win::UINT PictureFormat() { return CF_PICTURE = win::RegisterClipboardFormatA("ZYL Picture"); }

// Keeps the clipboard open for the guard's lifetime.
class TOpenGuard {
 public:
  explicit TOpenGuard(TClipboard* c) : c_(c) { c_->Open(); }
  ~TOpenGuard() { c_->Close(); }
  TOpenGuard(const TOpenGuard&) = delete;
  TOpenGuard& operator=(const TOpenGuard&) = delete;

 private:
  TClipboard* c_;
};

std::string ReadFormat(win::UINT format) {
  win::HANDLE h = win::GetClipboardData(format);
  if (!h) return {};
  const size_t size = win::GlobalSize(h);
  const char* p = static_cast<const char*>(win::GlobalLock(h));
  std::string out(p ? p : "", p ? size : 0);
  win::GlobalUnlock(h);
  return out;
}

}  // namespace

ZYL_CLASS_IMPL(TClipboard) {}

TClipboard::~TClipboard() {
  while (openCount_ > 0) Close();
}

void TClipboard::Open() {
  if (openCount_ == 0) {
    ComponentFormat();
    PictureFormat();
    if (!win::OpenClipboard(nullptr)) throw Exception(SCannotOpenClipboard);
    emptied_ = false;
  }
  ++openCount_;
}

void TClipboard::Close() {
  if (openCount_ == 0) return;
  if (--openCount_ == 0) win::CloseClipboard();
}

void TClipboard::Clear() {
  TOpenGuard g(this);
  win::EmptyClipboard();
  emptied_ = true;
}

bool TClipboard::HasFormat(win::UINT Format) const {
  return win::IsClipboardFormatAvailable(Format) != 0;
}

int TClipboard::FormatCount() const { return win::CountClipboardFormats(); }

win::UINT TClipboard::Formats(int Index) const {
  auto* self = const_cast<TClipboard*>(this);
  TOpenGuard g(self);
  win::UINT f = 0;
  for (int i = 0; i <= Index; ++i) {
    f = win::EnumClipboardFormats(f);
    if (f == 0) break;
  }
  if (Index < 0 || f == 0) throw EListError(vcl::Format(SListIndexError, {Index}));
  return f;
}

// Within one Open .. Close bracket only the first write empties the clipboard, so that
// several formats of one thing can be put there together.
void TClipboard::SetBuffer(win::UINT Format, const void* Data, size_t Size) {
  TOpenGuard g(this);
  win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, Size);
  if (!h) throw EOutOfMemory(SOutOfMemory);
  if (Size) {
    std::memcpy(win::GlobalLock(h), Data, Size);
    win::GlobalUnlock(h);
  }
  if (!emptied_) Clear();
  if (!win::SetClipboardData(Format, h)) {
    win::GlobalFree(h);
    throw Exception(vcl::Format(SCannotPutFormat, {Format}));
  }
}

std::string TClipboard::AsText() {
  TOpenGuard g(this);
  std::string s = ReadFormat(win::CF_TEXT);
  const size_t end = s.find('\0');
  if (end != std::string::npos) s.resize(end);
  return s;
}

void TClipboard::SetAsText(const std::string& Value) { SetTextBuf(Value.c_str()); }

int TClipboard::GetTextBuf(char* Buffer, int BufSize) {
  if (!Buffer || BufSize <= 0) return 0;
  const std::string s = AsText();
  const int n = static_cast<int>(s.size()) < BufSize - 1 ? static_cast<int>(s.size()) : BufSize - 1;
  std::memcpy(Buffer, s.data(), static_cast<size_t>(n));
  Buffer[n] = '\0';
  return n;
}

void TClipboard::SetTextBuf(const char* Buffer) {
  const char* text = Buffer ? Buffer : "";
  SetBuffer(win::CF_TEXT, text, std::strlen(text) + 1);
}

win::HANDLE TClipboard::GetAsHandle(win::UINT Format) {
  TOpenGuard g(this);
  return win::GetClipboardData(Format);
}

void TClipboard::SetAsHandle(win::UINT Format, win::HANDLE Value) {
  TOpenGuard g(this);
  if (!emptied_) Clear();
  if (!win::SetClipboardData(Format, Value))
    throw Exception(vcl::Format(SCannotPutFormat, {Format}));
}

void TClipboard::SetComponent(TComponent* Component) {
  if (!Component) throw EInvalidOperation(SNoComponentToCopy);
  // Written relative to its owner, as the owner's form file holds it: the controls on a copied
  // panel that the form owns go with it, and references name their targets as the form does.
  TStringStream stream;
  {
    TWriter writer(&stream, 4096);
    writer.SetRoot(Component->Owner() ? Component->Owner() : Component);
    writer.WriteSignature();
    writer.WriteComponent(Component);
  }
  SetBuffer(ComponentFormat(), stream.DataString().data(), stream.DataString().size());
}

namespace {
std::string ClassNameIn(const std::string& bytes) {
  TStringStream stream(bytes);
  TReader reader(&stream);
  reader.ReadSignature();
  TFilerFlags flags;
  int32_t pos = 0;
  reader.ReadPrefix(flags, pos);
  return reader.ReadStr();
}
}  // namespace

std::string TClipboard::ComponentStream() {
  TOpenGuard g(this);
  return ReadFormat(ComponentFormat());
}

void TClipboard::SetComponentStream(const std::string& Bytes) {
  SetBuffer(ComponentFormat(), Bytes.data(), Bytes.size());
}

std::string TClipboard::ComponentClassName() {
  std::string bytes;
  {
    TOpenGuard g(this);
    bytes = ReadFormat(ComponentFormat());
  }
  return bytes.empty() ? std::string() : ClassNameIn(bytes);
}

TComponent* TClipboard::GetComponent(TComponent* Owner, TComponent* Parent) {
  std::string bytes;
  {
    TOpenGuard g(this);
    bytes = ReadFormat(ComponentFormat());
  }
  if (bytes.empty()) return nullptr;
  // The class is checked before anything is created from the stream.
  const std::string className = ClassNameIn(bytes);
  TClass cls = GetClass(className);
  if (!cls || !cls->InheritsFrom(TComponent::StaticClass()))
    throw EClassNotFound(vcl::Format(SClassNotFound, {className}));
  std::unique_ptr<TComponent> made(cls->Create(Owner));
  auto* control = dynamic_cast<TControl*>(made.get());
  auto* parent = dynamic_cast<TWinControl*>(Parent);
  if (control && parent) control->SetParent(parent);
  ReadComponentFromBytes(bytes, made.get());
  return made.release();
}

void TClipboard::Assign(TPersistent* Source) {
  auto* picture = dynamic_cast<TPicture*>(Source);
  TGraphic* graphic = picture ? picture->Graphic() : dynamic_cast<TGraphic*>(Source);
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
    TBitmap copy;
    copy.Assign(bitmap);
    win::HBITMAP h = copy.ReleaseHandle();
    TOpenGuard g(this);
    if (!emptied_) Clear();
    if (!win::SetClipboardData(win::CF_BITMAP, h)) {
      win::DeleteObject(h);
      throw Exception(SCannotPutBitmap);
    }
    return;
  }
  if (graphic) {
    // Other pictures travel as their class name, a zero, and their own stream.
    TStringStream stream(std::string(graphic->ClassName()) + '\0');
    stream.Seek(0, soEnd);
    graphic->SaveToStream(&stream);
    SetBuffer(PictureFormat(), stream.DataString().data(), stream.DataString().size());
    return;
  }
  if (picture) {  // an empty picture
    Clear();
    return;
  }
  inherited::Assign(Source);
}

void TClipboard::AssignTo(TPersistent* Dest) {
  auto* picture = dynamic_cast<TPicture*>(Dest);
  auto* bitmap = dynamic_cast<TBitmap*>(Dest);
  if (!picture && !bitmap) return inherited::AssignTo(Dest);
  std::string dib, other;
  {
    TOpenGuard g(this);
    dib = ReadFormat(win::CF_DIB);
    if (dib.empty()) other = ReadFormat(PictureFormat());
  }
  if (!dib.empty()) {
    // A bitmap file is the packed bitmap behind a file header.
    win::BITMAPFILEHEADER fh;
    fh.bfType = 0x4D42;
    fh.bfSize = static_cast<win::DWORD>(sizeof(fh) + dib.size());
    fh.bfOffBits = static_cast<win::DWORD>(sizeof(fh) + sizeof(win::BITMAPINFOHEADER));
    std::string file(reinterpret_cast<const char*>(&fh), sizeof(fh));
    file += dib;
    TStringStream stream(file);
    if (bitmap) {
      bitmap->LoadFromStream(&stream);
    } else {
      TBitmap loaded;
      loaded.LoadFromStream(&stream);
      picture->SetBitmap(&loaded);
    }
    return;
  }
  const size_t zero = other.find('\0');
  if (picture && zero != std::string::npos) {
    TClass cls = GetClass(other.substr(0, zero));
    if (!cls || !cls->InheritsFrom(TGraphic::StaticClass()))
      throw EInvalidGraphic(SUnknownClipboardFormat);
    std::unique_ptr<TObject> made(cls->CreateInstance());
    auto* graphic = static_cast<TGraphic*>(made.get());
    TStringStream stream(other.substr(zero + 1));
    graphic->LoadFromStream(&stream);
    picture->SetGraphic(graphic);
    return;
  }
  throw EConvertError(SClipboardNoPicture);
}

namespace {
std::unique_ptr<TClipboard>& GlobalClipboard() {
  static std::unique_ptr<TClipboard> c;
  return c;
}
}  // namespace

TClipboard* Clipboard() {
  auto& c = GlobalClipboard();
  if (!c) c = std::make_unique<TClipboard>();
  return c.get();
}

}  // namespace vcl
