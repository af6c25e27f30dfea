#include "platform/user/Clipboard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "platform/base/LastError.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/WinError.h"
#include "platform/user/UserInternal.h"

namespace win {

// ---- Global memory ----

namespace {

struct GlobalBlock {
  std::vector<uint8_t> Bytes;
  int Locks = 0;
};

// Handles are numbers that are never given out twice, so a freed handle stays invalid.
struct GlobalTable {
  std::mutex Mutex;
  std::map<HGLOBAL, std::unique_ptr<GlobalBlock>> Blocks;
  uintptr_t Next = 0x10000;
};

GlobalTable& Globals() {
  static GlobalTable* t = new GlobalTable();  // lives past static destruction
  return *t;
}

GlobalBlock* FindBlock(HGLOBAL mem) {
  auto& t = Globals();
  auto it = t.Blocks.find(mem);
  return it == t.Blocks.end() ? nullptr : it->second.get();
}

// Blocks beyond this size are refused rather than attempted.
constexpr size_t kMaxGlobalBlock = size_t(1) << 30;

}  // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, size_t bytes) {
  if (bytes > kMaxGlobalBlock) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto block = std::make_unique<GlobalBlock>();
  block->Bytes.assign(bytes ? bytes : 1, 0);  // always zeroed
  auto& t = Globals();
  std::lock_guard lock(t.Mutex);
  t.Next += 16;
  HGLOBAL h = reinterpret_cast<HGLOBAL>(t.Next);
  t.Blocks.emplace(h, std::move(block));
  return h;
}

LPVOID GlobalLock(HGLOBAL mem) {
  auto& t = Globals();
  std::lock_guard lock(t.Mutex);
  GlobalBlock* b = FindBlock(mem);
  if (!b) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  ++b->Locks;
  return b->Bytes.data();
}

BOOL GlobalUnlock(HGLOBAL mem) {
  auto& t = Globals();
  std::lock_guard lock(t.Mutex);
  GlobalBlock* b = FindBlock(mem);
  if (!b || b->Locks == 0) {
    SetLastError(b ? ERROR_SUCCESS : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return --b->Locks > 0 ? TRUE : FALSE;
}

size_t GlobalSize(HGLOBAL mem) {
  auto& t = Globals();
  std::lock_guard lock(t.Mutex);
  GlobalBlock* b = FindBlock(mem);
  if (!b) SetLastError(ERROR_INVALID_HANDLE);
  return b ? b->Bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL mem) {
  auto& t = Globals();
  std::lock_guard lock(t.Mutex);
  if (!t.Blocks.erase(mem)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return mem;
  }
  return nullptr;
}

size_t user::LiveGlobalBlockCount() {
  auto& t = Globals();
  std::lock_guard lock(t.Mutex);
  return t.Blocks.size();
}

// ---- Clipboard ----

namespace {

using Bytes = std::vector<uint8_t>;

// One format on the clipboard. Registered formats are named, so that they survive the
// program's atom table being reset and reach other programs by name.
struct Entry {
  UINT Standard = 0;  // a predefined format, or 0 for a registered one
  std::string Name;   // the registered name
  Bytes Data;         // CF_BITMAP: a packed DIB
  HANDLE Handle = nullptr;  // what GetClipboardData answered (or SetClipboardData received)
};

struct ClipState {
  std::recursive_mutex Mutex;
  std::vector<Entry> Entries;
  bool Open = false;
  bool Changed = false;
  HWND OpenWindow = nullptr;
  HWND Owner = nullptr;
  int LockFd = -1;
  // What was last loaded from (or written to) the shared file.
  uint64_t LoadedSerial = 0;
  bool Loaded = false;
};

ClipState& C() {
  static ClipState* s = new ClipState();
  return *s;
}

constexpr char kMagic[8] = {'Z', 'Y', 'L', 'C', 'L', 'I', 'P', '1'};
constexpr size_t kMaxFile = size_t(256) << 20;
constexpr int kMaxEntries = 4096;

std::string RegisteredName(UINT format) {
  if (format < 0xC000 || format > 0xFFFF) return {};
  auto& s = user::UserState();
  std::lock_guard lock(s.TableMutex);
  const size_t i = format - 0xC000;
  return i < s.MessageNames.size() ? s.MessageNames[i] : std::string();
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

UINT FormatOf(const Entry& e) {
  return e.Standard ? e.Standard : RegisterClipboardFormatA(e.Name.c_str());
}

// Finds the entry of a format; null when absent (or an unknown registered id).
Entry* Find(UINT format) {
  auto& c = C();
  if (format == 0) return nullptr;
  if (format < 0xC000) {
    for (auto& e : c.Entries)
      if (e.Standard == format) return &e;
    return nullptr;
  }
  const std::string name = RegisteredName(format);
  if (name.empty()) return nullptr;
  for (auto& e : c.Entries)
    if (!e.Standard && SameName(e.Name, name)) return &e;
  return nullptr;
}

void ReleaseHandle(Entry& e) {
  if (!e.Handle) return;
  if (e.Standard == CF_BITMAP)
    DeleteObject(e.Handle);
  else
    GlobalFree(e.Handle);
  e.Handle = nullptr;
}

void ClearEntries() {
  for (auto& e : C().Entries) ReleaseHandle(e);
  C().Entries.clear();
}

// ---- Bitmaps as packed DIBs ----

Bytes BitmapToPackedDib(HBITMAP bmp) {
  BITMAP bm{};
  if (!bmp || GetObjectA(bmp, sizeof(bm), &bm) != static_cast<int>(sizeof(bm)) || bm.bmWidth <= 0 ||
      bm.bmHeight <= 0)
    return {};
  BITMAPINFO bi{};
  bi.bmiHeader.biWidth = bm.bmWidth;
  bi.bmiHeader.biHeight = bm.bmHeight;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  const size_t pixels = static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight);
  Bytes out(sizeof(BITMAPINFOHEADER) + pixels * 4);
  HDC dc = CreateCompatibleDC(nullptr);
  const int lines = GetDIBits(dc, bmp, 0, static_cast<UINT>(bm.bmHeight),
                              out.data() + sizeof(BITMAPINFOHEADER), &bi, DIB_RGB_COLORS);
  DeleteDC(dc);
  if (lines != bm.bmHeight) return {};
  bi.bmiHeader.biSizeImage = static_cast<DWORD>(pixels * 4);
  std::memcpy(out.data(), &bi.bmiHeader, sizeof(BITMAPINFOHEADER));
  return out;
}

// A bitmap from a packed DIB with 24 or 32 bits per pixel and no colour table; null for
// anything else or a truncated block.
HBITMAP PackedDibToBitmap(const Bytes& dib) {
  if (dib.size() < sizeof(BITMAPINFOHEADER)) return nullptr;
  BITMAPINFOHEADER h;
  std::memcpy(&h, dib.data(), sizeof(h));
  if (h.biSize != sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0 ||
      h.biHeight == INT32_MIN || (h.biBitCount != 24 && h.biBitCount != 32) ||
      h.biCompression != BI_RGB || h.biClrUsed != 0)
    return nullptr;
  const uint64_t w = static_cast<uint64_t>(h.biWidth);
  const uint64_t ht = static_cast<uint64_t>(h.biHeight < 0 ? -int64_t(h.biHeight) : h.biHeight);
  if (w * ht > (uint64_t(32) << 20)) return nullptr;
  const uint64_t stride = (w * h.biBitCount + 31) / 32 * 4;
  if (dib.size() - sizeof(BITMAPINFOHEADER) < stride * ht) return nullptr;
  BITMAPINFO bi{};
  bi.bmiHeader = h;
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateDIBitmap(screen, &h, CBM_INIT, dib.data() + sizeof(BITMAPINFOHEADER), &bi,
                               DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return bmp;
}

// ---- The shared file ----

std::string Folder() {
  if (const char* d = std::getenv("XDG_RUNTIME_DIR"); d && *d) return d;
  return "/tmp";
}

void PutU32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutU64(Bytes& b, uint64_t v) {
  PutU32(b, static_cast<uint32_t>(v));
  PutU32(b, static_cast<uint32_t>(v >> 32));
}

struct Reader {
  const Bytes& B;
  size_t Pos = 0;
  bool Ok = true;
  uint32_t U32() {
    if (B.size() - Pos < 4) {
      Ok = false;
      return 0;
    }
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(B[Pos + i]) << (8 * i);
    Pos += 4;
    return v;
  }
  uint64_t U64() {
    const uint64_t lo = U32();
    return lo | uint64_t(U32()) << 32;
  }
  Bytes Take(uint32_t n) {
    if (!Ok || B.size() - Pos < n) {
      Ok = false;
      return {};
    }
    Bytes out(B.begin() + static_cast<ptrdiff_t>(Pos), B.begin() + static_cast<ptrdiff_t>(Pos + n));
    Pos += n;
    return out;
  }
};

// An open file descriptor, closed when the guard goes.
struct Fd {
  int F = -1;
  explicit Fd(int f) : F(f) {}
  ~Fd() {
    if (F >= 0) ::close(F);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
};

bool ReadWhole(const std::string& path, Bytes& out) {
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.F < 0) return false;
  struct stat st {};
  if (::fstat(fd.F, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > kMaxFile)
    return false;
  out.resize(static_cast<size_t>(st.st_size));
  size_t got = 0;
  while (got < out.size()) {
    const ssize_t n = ::read(fd.F, out.data() + got, out.size() - got);
    if (n <= 0) return false;
    got += static_cast<size_t>(n);
  }
  return true;
}

// Header: magic, serial, entry count; each entry: standard id, name length, name, data length,
// data. Anything malformed reads as an empty clipboard.
bool Decode(const Bytes& b, uint64_t& serial, std::vector<Entry>& entries) {
  if (b.size() < sizeof(kMagic) || std::memcmp(b.data(), kMagic, sizeof(kMagic)) != 0) return false;
  Reader r{b, sizeof(kMagic)};
  serial = r.U64();
  const uint32_t count = r.U32();
  if (!r.Ok || count > kMaxEntries) return false;
  for (uint32_t i = 0; i < count; ++i) {
    Entry e;
    e.Standard = r.U32();
    const uint32_t nameLen = r.U32();
    if (nameLen > 255) return false;
    const Bytes name = r.Take(nameLen);
    e.Name.assign(name.begin(), name.end());
    const uint32_t dataLen = r.U32();
    e.Data = r.Take(dataLen);
    if (!r.Ok || (e.Standard == 0) == e.Name.empty() || e.Standard >= 0xC000) return false;
    entries.push_back(std::move(e));
  }
  return r.Pos == b.size();
}

Bytes Encode(uint64_t serial, const std::vector<Entry>& entries) {
  Bytes b(kMagic, kMagic + sizeof(kMagic));
  PutU64(b, serial);
  PutU32(b, static_cast<uint32_t>(entries.size()));
  for (const auto& e : entries) {
    PutU32(b, e.Standard);
    PutU32(b, static_cast<uint32_t>(e.Standard ? 0 : e.Name.size()));
    if (!e.Standard) b.insert(b.end(), e.Name.begin(), e.Name.end());
    PutU32(b, static_cast<uint32_t>(e.Data.size()));
    b.insert(b.end(), e.Data.begin(), e.Data.end());
  }
  return b;
}

// The file's serial, 0 when it is missing or unreadable.
uint64_t FileSerial(Bytes& contents) {
  contents.clear();
  if (!ReadWhole(ClipboardFileName(), contents)) return 0;
  uint64_t serial = 0;
  std::vector<Entry> ignored;
  if (contents.size() < sizeof(kMagic) + 8 || std::memcmp(contents.data(), kMagic, sizeof(kMagic)))
    return 0;
  Reader r{contents, sizeof(kMagic)};
  serial = r.U64();
  return serial;
}

// Brings the in-memory content up to date with the shared file (unless the clipboard is open
// here, when the content is this program's own).
void Refresh() {
  auto& c = C();
  if (c.Open) return;
  Bytes contents;
  const uint64_t serial = FileSerial(contents);
  if (c.Loaded && serial == c.LoadedSerial) return;
  std::vector<Entry> entries;
  uint64_t decoded = 0;
  if (serial == 0 || !Decode(contents, decoded, entries)) entries.clear();
  ClearEntries();
  c.Entries = std::move(entries);
  c.LoadedSerial = serial;
  c.Loaded = true;
}

bool Publish() {
  auto& c = C();
  const std::string path = ClipboardFileName();
  Bytes old;
  uint64_t serial = FileSerial(old);
  serial = (serial > c.LoadedSerial ? serial : c.LoadedSerial) + 1;
  const Bytes data = Encode(serial, c.Entries);
  const std::string temp = path + ".new." + std::to_string(::getpid());
  {
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (fd.F < 0) return false;
    size_t put = 0;
    while (put < data.size()) {
      const ssize_t n = ::write(fd.F, data.data() + put, data.size() - put);
      if (n <= 0) {
        ::unlink(temp.c_str());
        return false;
      }
      put += static_cast<size_t>(n);
    }
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  c.LoadedSerial = serial;
  c.Loaded = true;
  return true;
}

bool NeedOpen() {
  if (C().Open) return true;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return false;
}

}  // namespace

std::string ClipboardFileName() {
  if (const char* f = std::getenv("ZYL_CLIPBOARD_FILE"); f && *f) return f;
  return Folder() + "/zyl-clipboard-" + std::to_string(::getuid());
}

BOOL OpenClipboard(HWND newOwner) {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  if (c.Open) {
    // The same window may open it again; any other one has to wait for CloseClipboard.
    if (c.OpenWindow == newOwner) return TRUE;
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const std::string lockName = ClipboardFileName() + ".lock";
  const int fd = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (fd >= 0) ::close(fd);
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  Refresh();
  c.LockFd = fd;
  c.Open = true;
  c.Changed = false;
  c.OpenWindow = newOwner;
  return TRUE;
}

BOOL CloseClipboard() {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  if (!NeedOpen()) return FALSE;
  bool ok = true;
  if (c.Changed) ok = Publish();
  ::flock(c.LockFd, LOCK_UN);
  ::close(c.LockFd);
  c.LockFd = -1;
  c.Open = false;
  c.OpenWindow = nullptr;
  if (c.Changed && c.Owner && IsWindow(c.Owner)) PostMessageA(c.Owner, WM_CLIPBOARDUPDATE, 0, 0);
  c.Changed = false;
  if (!ok) SetLastError(ERROR_ACCESS_DENIED);
  return ok ? TRUE : FALSE;
}

BOOL EmptyClipboard() {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  if (!NeedOpen()) return FALSE;
  HWND previous = c.Owner;
  if (previous && previous != c.OpenWindow && IsWindow(previous))
    SendMessageA(previous, WM_DESTROYCLIPBOARD, 0, 0);
  ClearEntries();
  c.Owner = c.OpenWindow;
  c.Changed = true;
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  if (!NeedOpen()) return nullptr;
  Entry e;
  if (format == 0 || !data) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (format >= 0xC000) {
    e.Name = RegisteredName(format);
    if (e.Name.empty()) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
  } else {
    e.Standard = format;
  }
  if (format == CF_BITMAP) {
    e.Data = BitmapToPackedDib(static_cast<HBITMAP>(data));
    if (e.Data.empty()) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
  } else {
    const size_t size = GlobalSize(data);
    const auto* p = static_cast<const uint8_t*>(GlobalLock(data));
    if (!p) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
    e.Data.assign(p, p + size);
    GlobalUnlock(data);
  }
  e.Handle = data;
  if (Entry* old = Find(format)) {
    if (old->Handle != data) ReleaseHandle(*old);
    *old = std::move(e);
  } else {
    c.Entries.push_back(std::move(e));
  }
  c.Changed = true;
  return data;
}

HANDLE GetClipboardData(UINT format) {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  if (!NeedOpen()) return nullptr;
  SetLastError(ERROR_SUCCESS);
  Entry* e = Find(format);
  if (!e) {
    // Bitmaps and packed DIBs stand in for each other.
    Entry* other = format == CF_DIB ? Find(CF_BITMAP) : format == CF_BITMAP ? Find(CF_DIB) : nullptr;
    if (!other) return nullptr;
    Entry synth;
    synth.Standard = format;
    synth.Data = other->Data;
    c.Entries.push_back(std::move(synth));
    e = &c.Entries.back();
  }
  if (e->Handle) return e->Handle;
  if (format == CF_BITMAP) {
    e->Handle = PackedDibToBitmap(e->Data);
  } else {
    e->Handle = GlobalAlloc(GMEM_MOVEABLE, e->Data.size());
    if (e->Handle && !e->Data.empty()) {
      std::memcpy(GlobalLock(e->Handle), e->Data.data(), e->Data.size());
      GlobalUnlock(e->Handle);
    }
  }
  return e->Handle;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  Refresh();
  if (Find(format)) return TRUE;
  if (format == CF_DIB) return Find(CF_BITMAP) ? TRUE : FALSE;
  if (format == CF_BITMAP) return Find(CF_DIB) ? TRUE : FALSE;
  return FALSE;
}

int CountClipboardFormats() {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  Refresh();
  return static_cast<int>(c.Entries.size());
}

UINT EnumClipboardFormats(UINT format) {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  if (!NeedOpen()) return 0;
  SetLastError(ERROR_SUCCESS);
  size_t next = 0;
  if (format != 0) {
    while (next < c.Entries.size() && FormatOf(c.Entries[next]) != format) ++next;
    ++next;
  }
  return next < c.Entries.size() ? FormatOf(c.Entries[next]) : 0;
}

UINT RegisterClipboardFormatA(LPCSTR name) { return RegisterWindowMessageA(name); }

int GetClipboardFormatNameA(UINT format, LPSTR buffer, int size) {
  const std::string name = RegisteredName(format);
  if (name.empty() || !buffer || size <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int n = static_cast<int>(name.size()) < size - 1 ? static_cast<int>(name.size()) : size - 1;
  std::memcpy(buffer, name.data(), static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}

HWND GetClipboardOwner() {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  return c.Owner && IsWindow(c.Owner) ? c.Owner : nullptr;
}

HWND GetOpenClipboardWindow() {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  return c.Open ? c.OpenWindow : nullptr;
}

DWORD GetClipboardSequenceNumber() {
  auto& c = C();
  std::lock_guard lock(c.Mutex);
  Refresh();
  return static_cast<DWORD>(c.LoadedSerial);
}

}  // namespace win
