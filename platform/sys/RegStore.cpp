#include "platform/sys/RegStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <unordered_map>

#include "platform/base/Exceptions.h"
#include "platform/base/Finally.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/sys/SysFiles.h"
#include "platform/sys/WinReg.h"

namespace win::regstore {

namespace {

using vcl::ERegistryException;

// Hive files larger than this are refused rather than read into memory.
constexpr off_t kMaxHiveSize = static_cast<off_t>(vcl::sysfiles::kMaxFileSize);
constexpr size_t kMaxKeyNameLen = 255;
constexpr size_t kMaxValueNameLen = 16383;
// Keys nest at most this many levels below a root key.
constexpr size_t kMaxDepth = 512;

struct Node {
  std::string name;  // as created
  std::map<std::string, std::unique_ptr<Node>> subkeys;  // by folded name: sorted order
  std::vector<std::pair<std::string, TValue>> values;    // creation order
  std::unordered_map<std::string, size_t> valueIndex;    // folded name -> position in values
  bool listed = false;  // while parsing: the hive named this key already

  Node() = default;
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;
  // Frees the subtree with a work list: a tree may be as deep as the hive allows.
  ~Node() {
    std::vector<std::unique_ptr<Node>> pending;
    auto take = [&](Node& n) {
      for (auto& [k, s] : n.subkeys)
        if (s) pending.push_back(std::move(s));
      n.subkeys.clear();
    };
    take(*this);
    while (!pending.empty()) {
      std::unique_ptr<Node> n = std::move(pending.back());
      pending.pop_back();
      take(*n);
    }
  }

  TValue* FindValue(const std::string& n) {
    auto it = valueIndex.find(FoldCase(n));
    return it == valueIndex.end() ? nullptr : &values[it->second].second;
  }
  // False when a value of that name exists already.
  bool AddValue(std::string n, TValue v) {
    if (!valueIndex.emplace(FoldCase(n), values.size()).second) return false;
    values.emplace_back(std::move(n), std::move(v));
    return true;
  }
  bool EraseValue(const std::string& n) {
    auto it = valueIndex.find(FoldCase(n));
    if (it == valueIndex.end()) return false;
    const size_t pos = it->second;
    valueIndex.erase(it);
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(pos));
    for (auto& [k, i] : valueIndex)
      if (i > pos) --i;
    return true;
  }
  Node* Sub(const std::string& n) {
    auto it = subkeys.find(FoldCase(n));
    return it == subkeys.end() ? nullptr : it->second.get();
  }
  // The subkey of that name, created when missing (`created` tells).
  Node* SubOrNew(const std::string& n, bool* created = nullptr) {
    auto [it, fresh] = subkeys.try_emplace(FoldCase(n));
    if (fresh) {
      it->second = std::make_unique<Node>();
      it->second->name = n;
      if (created) *created = true;
    }
    return it->second.get();
  }
};

// Copies a subtree; recursion is bounded by the depth limit of paths.
std::unique_ptr<Node> CloneNode(const Node& n) {
  auto c = std::make_unique<Node>();
  c->name = n.name;
  c->values = n.values;
  c->valueIndex = n.valueIndex;
  for (const auto& [k, s] : n.subkeys) c->subkeys.emplace(k, CloneNode(*s));
  return c;
}

// The number of levels of a subtree below its root (0 for a key without subkeys).
size_t Height(const Node& n) {
  size_t h = 0;
  for (const auto& [k, s] : n.subkeys) h = std::max(h, 1 + Height(*s));
  return h;
}

struct Stamp {
  vcl::sysfiles::TFileStamp file;
  std::string token;  // the header's save token ("" for files this store did not write)
  bool operator==(const Stamp&) const = default;
};

struct CachedHive {
  Stamp stamp;
  std::unique_ptr<Node> root;
};

struct HandleEntry {
  HKEY root;
  std::string path;
  DWORD access;
};

// Function-local statics, so that the store also works from static initializers.
std::mutex& Mutex() {
  static std::mutex m;
  return m;
}
std::map<std::string, CachedHive>& Cache() {  // by hive file path
  static std::map<std::string, CachedHive> c;
  return c;
}
std::map<uintptr_t, HandleEntry>& Handles() {
  static std::map<uintptr_t, HandleEntry> h;
  return h;
}
uintptr_t g_nextHandle = 0x10000;

const char* HiveName(HKEY root) {
  switch (reinterpret_cast<uintptr_t>(root)) {
    case 0x80000000: return "HKEY_CLASSES_ROOT";
    case 0x80000001: return "HKEY_CURRENT_USER";
    case 0x80000002: return "HKEY_LOCAL_MACHINE";
    case 0x80000003: return "HKEY_USERS";
    case 0x80000004: return "HKEY_PERFORMANCE_DATA";
    case 0x80000005: return "HKEY_CURRENT_CONFIG";
    case 0x80000006: return "HKEY_DYN_DATA";
    default: return nullptr;
  }
}

std::string ErrnoText(int err) { return std::strerror(err); }

[[noreturn]] void Corrupt(const std::string& file, size_t line, const std::string& what) {
  throw EHiveCorrupt(vcl::Format(vcl::SRegHiveCorrupt, {file, line, what}));
}

// ---- Paths ---------------------------------------------------------------------------------

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool ValidPath(const std::string& path) {
  for (const auto& p : SplitPath(path))
    if (p.size() > kMaxKeyNameLen) return false;
  return true;
}

Node* FindNode(Node& root, const std::string& path) {
  Node* n = &root;
  for (const auto& p : SplitPath(path)) {
    n = n->Sub(p);
    if (!n) return nullptr;
  }
  return n;
}

// ---- The hive file format --------------------------------------------------------------------
//
//   ZYLREG 1 <token>                     the token changes with every save
//   K <depth> :<key name>                one line per key, parents first (depth-first, subkeys in
//                                        sorted order); the root is "K 0 :", a key of depth d
//                                        is a subkey of the last key of depth d - 1 above it
//   V <type> :<value name> <data>        values of the key above, in creation order
//   END <number of K and V lines>
//
// Older files name each key by its whole path instead ("K :<key path>", the root "K :"); both
// forms are read, the first is written (its size grows with the depth, not its square).
// Names escape bytes up to the blank, '%' and DEL as %XX. Data is "s:<escaped text>" (a string
// with one terminating zero), "d:<decimal>" (a 4-byte DWORD) or "x:<hex bytes>".

const char kHeader[] = "ZYLREG 1";

std::string Escape(const std::string& s) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(s.size());
  for (unsigned char c : s) {
    if (c <= 0x20 || c == '%' || c == 0x7F) {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Unescape(const std::string& s, std::string& out) {
  out.clear();
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    if (i + 2 >= s.size()) return false;
    const int h = HexDigit(s[i + 1]), l = HexDigit(s[i + 2]);
    if (h < 0 || l < 0) return false;
    out += static_cast<char>(h * 16 + l);
    i += 2;
  }
  return true;
}

std::string EncodeData(const TValue& v) {
  const std::string& d = v.Data;
  if ((v.Type == REG_SZ || v.Type == REG_EXPAND_SZ) && !d.empty() && d.back() == '\0' &&
      d.find('\0') == d.size() - 1)
    return "s:" + Escape(d.substr(0, d.size() - 1));
  if (v.Type == REG_DWORD && d.size() == 4) {
    uint32_t x = 0;
    for (int i = 3; i >= 0; --i) x = (x << 8) | static_cast<unsigned char>(d[i]);
    return "d:" + std::to_string(x);
  }
  static const char hex[] = "0123456789abcdef";
  std::string out = "x:";
  for (unsigned char c : d) {
    out += hex[c >> 4];
    out += hex[c & 15];
  }
  return out;
}

bool DecodeData(const std::string& tok, std::string& out) {
  out.clear();
  if (tok.size() < 2 || tok[1] != ':') return false;
  const std::string body = tok.substr(2);
  switch (tok[0]) {
    case 's':
      if (!Unescape(body, out)) return false;
      out += '\0';
      return true;
    case 'd': {
      if (body.empty() || body.size() > 10) return false;
      uint64_t x = 0;
      for (char c : body) {
        if (c < '0' || c > '9') return false;
        x = x * 10 + static_cast<uint64_t>(c - '0');
      }
      if (x > 0xFFFFFFFFu) return false;
      for (int i = 0; i < 4; ++i) out += static_cast<char>((x >> (8 * i)) & 0xFF);
      return true;
    }
    case 'x':
      if (body.size() % 2) return false;
      for (size_t i = 0; i < body.size(); i += 2) {
        const int h = HexDigit(body[i]), l = HexDigit(body[i + 1]);
        if (h < 0 || l < 0) return false;
        out += static_cast<char>(h * 16 + l);
      }
      return true;
    default:
      return false;
  }
}

std::string Serialize(const Node& root, const std::string& token) {
  std::string out = std::string(kHeader) + " " + token + "\n";
  size_t records = 0;
  // Depth-first with a work list; subkeys are pushed in reverse to come out in sorted order.
  std::vector<std::pair<const Node*, size_t>> pending{{&root, 0}};
  while (!pending.empty()) {
    const auto [n, depth] = pending.back();
    pending.pop_back();
    out += "K " + std::to_string(depth) + " :" + Escape(depth ? n->name : std::string()) + "\n";
    ++records;
    for (const auto& [name, v] : n->values) {
      out += "V " + std::to_string(v.Type) + " :" + Escape(name) + " " + EncodeData(v) + "\n";
      ++records;
    }
    for (auto it = n->subkeys.rbegin(); it != n->subkeys.rend(); ++it)
      pending.emplace_back(it->second.get(), depth + 1);
  }
  out += "END " + std::to_string(records) + "\n";
  return out;
}

std::vector<std::string> SplitBlanks(const std::string& line) {
  std::vector<std::string> t;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i >= line.size()) break;
    size_t j = line.find(' ', i);
    if (j == std::string::npos) j = line.size();
    t.push_back(line.substr(i, j - i));
    i = j;
  }
  return t;
}

// The token of a header line; false when the line is no header.
bool HeaderToken(const std::string& line, std::string& token) {
  const size_t n = sizeof kHeader - 1;
  token.clear();
  if (line.compare(0, n, kHeader) != 0) return false;
  if (line.size() == n) return true;
  if (line[n] != ' ' || line.size() == n + 1) return false;
  token = line.substr(n + 1);
  return token.find(' ') == std::string::npos;
}

// A decimal number of at most `digits` digits; false for anything else.
bool ParseNumber(const std::string& t, size_t digits, uint64_t& x) {
  if (t.empty() || t.size() > digits || t.find_first_not_of("0123456789") != std::string::npos)
    return false;
  x = std::stoull(t);
  return true;
}

std::unique_ptr<Node> Parse(const std::string& text, const std::string& file, std::string& token) {
  auto root = std::make_unique<Node>();
  // chain[d] is the last key read at depth d; the key a value line belongs to is chain.back().
  std::vector<Node*> chain{root.get()};
  size_t lineNo = 0, records = 0;
  bool header = false, ended = false, keyRead = false;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find('\n', pos);
    if (eol == std::string::npos) eol = text.size();
    std::string line = text.substr(pos, eol - pos);
    pos = eol + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\0') != std::string::npos) Corrupt(file, lineNo, "zero byte");
    if (!header) {
      if (!HeaderToken(line, token)) Corrupt(file, lineNo, "not a registry hive (bad header)");
      header = true;
      continue;
    }
    if (line.empty()) continue;
    if (ended) Corrupt(file, lineNo, "text after the end marker");
    const auto tok = SplitBlanks(line);
    if (tok.empty()) Corrupt(file, lineNo, "line of blanks");
    if (tok[0] == "K") {
      std::vector<std::string> parts;  // names below the key's parent
      Node* parent = root.get();
      std::string name;
      if (tok.size() == 2 && tok[1][0] == ':') {  // whole path
        std::string path;
        if (!Unescape(tok[1].substr(1), path)) Corrupt(file, lineNo, "bad key line");
        if (!path.empty() && (path.front() == '\\' || path.back() == '\\' ||
                              path.find("\\\\") != std::string::npos))
          Corrupt(file, lineNo, "bad key path");
        parts = SplitPath(path);
        chain.assign(1, root.get());
      } else if (tok.size() == 3 && tok[2][0] == ':') {  // depth and name
        uint64_t depth = 0;
        if (!ParseNumber(tok[1], 4, depth) || !Unescape(tok[2].substr(1), name) ||
            (depth == 0) != name.empty() || name.find('\\') != std::string::npos)
          Corrupt(file, lineNo, "bad key line");
        if (depth > kMaxDepth) Corrupt(file, lineNo, "key nested too deep");
        if (depth > chain.size()) Corrupt(file, lineNo, "key without its parent");
        if (depth) {
          parent = chain[depth - 1];
          parts.push_back(name);
        }
        chain.resize(depth ? depth : 1);
      } else {
        Corrupt(file, lineNo, "bad key line");
      }
      if (chain.size() - 1 + parts.size() > kMaxDepth) Corrupt(file, lineNo, "key nested too deep");
      Node* n = parent;
      for (const auto& part : parts) {
        if (part.size() > kMaxKeyNameLen) Corrupt(file, lineNo, "key name too long");
        n = n->SubOrNew(part);
        chain.push_back(n);
      }
      if (n->listed) Corrupt(file, lineNo, "key listed twice");
      n->listed = true;
      keyRead = true;
      ++records;
    } else if (tok[0] == "V") {
      if (!keyRead) Corrupt(file, lineNo, "value before any key");
      if (tok.size() != 4 || tok[2][0] != ':') Corrupt(file, lineNo, "bad value line");
      uint64_t type = 0;
      if (!ParseNumber(tok[1], 10, type) || type > 0xFFFFFFFFull)
        Corrupt(file, lineNo, "bad value type");
      std::string name;
      TValue v;
      v.Type = static_cast<DWORD>(type);
      if (!Unescape(tok[2].substr(1), name) || !DecodeData(tok[3], v.Data))
        Corrupt(file, lineNo, "bad value data");
      if (!chain.back()->AddValue(std::move(name), std::move(v)))
        Corrupt(file, lineNo, "value listed twice");
      ++records;
    } else if (tok[0] == "END") {
      if (tok.size() != 2 || tok[1] != std::to_string(records))
        Corrupt(file, lineNo, "record count does not match the end marker");
      ended = true;
    } else {
      Corrupt(file, lineNo, "unknown record");
    }
  }
  if (!header) Corrupt(file, lineNo, "empty file");
  if (!ended) Corrupt(file, lineNo, "no end marker (truncated file)");
  return root;
}

// ---- Files ----------------------------------------------------------------------------------

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    int f = fd_;
    fd_ = -1;
    return f;
  }

 private:
  int fd_;
};

// Reads the hive file; false when it does not exist.
bool LoadFile(const std::string& file, std::string& text, Stamp& stamp) {
  stamp = Stamp{};
  Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return false;
    throw ERegistryException(vcl::Format(vcl::SRegHiveOpen, {file, ErrnoText(errno)}));
  }
  switch (const int rc = vcl::sysfiles::ReadOpenFile(fd.get(), text, stamp.file)) {
    case 0: return true;
    case EISDIR: throw ERegistryException(vcl::Format(vcl::SRegHiveNotAFile, {file}));
    case EFBIG: throw ERegistryException(vcl::Format(vcl::SRegHiveTooLarge, {file}));
    default: throw ERegistryException(vcl::Format(vcl::SRegHiveRead, {file, ErrnoText(rc)}));
  }
}

std::unique_ptr<Node> LoadTree(const std::string& file, Stamp& stamp) {
  std::string text;
  if (!LoadFile(file, text, stamp)) {
    stamp = Stamp{};
    return std::make_unique<Node>();
  }
  return Parse(text, file, stamp.token);
}

// The save token in the header of the hive file ("" when there is none or no file).
std::string ReadToken(const std::string& file) {
  Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return "";
  char buf[80];
  ssize_t n;
  do {
    n = ::read(fd.get(), buf, sizeof buf);
  } while (n < 0 && errno == EINTR);
  if (n <= 0) return "";
  std::string line(buf, static_cast<size_t>(n));
  const size_t eol = line.find('\n');
  if (eol == std::string::npos) return "";
  line.resize(eol);
  std::string token;
  return HeaderToken(line, token) ? token : "";
}

// A token no other save of any process is likely to repeat: the process and a random number.
std::string NewToken() {
  static std::mt19937_64 rng(std::random_device{}() ^
                             static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  static const char hex[] = "0123456789abcdef";
  std::string t = std::to_string(::getpid()) + "-";
  uint64_t r = rng();
  for (int i = 0; i < 16; ++i, r >>= 4) t += hex[r & 15];
  return t;
}

void MakeFolder(const std::string& folder) {
  std::string cur;
  for (size_t i = 0; i <= folder.size(); ++i) {
    if (i == folder.size() || (folder[i] == '/' && i > 0)) {
      cur = folder.substr(0, i);
      if (::mkdir(cur.c_str(), 0700) != 0 && errno != EEXIST)
        throw ERegistryException(vcl::Format(vcl::SRegFolderCreate, {cur, ErrnoText(errno)}));
    }
  }
}

void WriteAll(int fd, const std::string& data, const std::string& file) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw ERegistryException(vcl::Format(vcl::SRegHiveWrite, {file, ErrnoText(errno)}));
    done += static_cast<size_t>(n);
  }
}

// Writes the tree to a temporary file and renames it over the hive; answers the new stamp.
Stamp SaveTree(const std::string& file, const Node& root) {
  const std::string tmp = file + ".tmp" + std::to_string(::getpid());
  const std::string token = NewToken();
  const std::string data = Serialize(root, token);
  if (static_cast<off_t>(data.size()) > kMaxHiveSize)
    throw ERegistryException(vcl::Format(vcl::SRegHiveSizeLimit, {file}));
  Fd fd(::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
  if (fd.get() < 0)
    throw ERegistryException(vcl::Format(vcl::SRegHiveWrite, {file, ErrnoText(errno)}));
  {
    const vcl::TOnFailure removeTemporary([&tmp] { ::unlink(tmp.c_str()); });
    WriteAll(fd.get(), data, file);
    if (::fdatasync(fd.get()) != 0)
      throw ERegistryException(vcl::Format(vcl::SRegHiveWrite, {file, ErrnoText(errno)}));
  }
  struct stat st;
  ::fstat(fd.get(), &st);
  ::close(fd.release());
  if (::rename(tmp.c_str(), file.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    throw ERegistryException(vcl::Format(vcl::SRegHiveReplace, {file, ErrnoText(err)}));
  }
  return Stamp{vcl::sysfiles::StampOf(st), token};
}

class FileLock {
 public:
  explicit FileLock(const std::string& path)
      : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_.get() < 0)
      throw ERegistryException(vcl::Format(vcl::SRegLockOpen, {path, ErrnoText(errno)}));
    while (::flock(fd_.get(), LOCK_EX) != 0) {
      if (errno != EINTR)
        throw ERegistryException(vcl::Format(vcl::SRegLock, {path, ErrnoText(errno)}));
    }
  }
  ~FileLock() { ::flock(fd_.get(), LOCK_UN); }

 private:
  Fd fd_;
};

// ---- Operations -------------------------------------------------------------------------------

struct Target {
  std::string file;
  std::string keyPath;  // the handle's key
  std::string path;     // the addressed key (handle's key + sub)
  DWORD access = 0;
};

// Caller holds Mutex().
LONG ResolveLocked(HKEY key, const std::string& sub, Target& t) {
  HKEY root = nullptr;
  if (IsPredefinedKey(key)) {
    root = key;
    t.keyPath.clear();
    t.access = KEY_ALL_ACCESS;
  } else {
    auto it = Handles().find(reinterpret_cast<uintptr_t>(key));
    if (it == Handles().end()) return regerr::kInvalidHandle;
    root = it->second.root;
    t.keyPath = it->second.path;
    t.access = it->second.access;
  }
  if (!ValidPath(sub)) return regerr::kInvalidParameter;
  t.file = HiveFile(root);
  t.path = JoinPath(t.keyPath, sub);
  return regerr::kSuccess;
}

// The current tree of the hive: the loaded one while the file is unchanged, else the file read
// again. Caller holds Mutex().
CachedHive& CurrentTree(const std::string& file) {
  CachedHive& c = Cache()[file];
  struct stat st;
  Stamp now;
  if (::stat(file.c_str(), &st) == 0) now.file = vcl::sysfiles::StampOf(st);
  // Same file facts are not enough (inode numbers are reused, times are coarse): the save
  // token must match too, and files without one are always read again.
  bool fresh = false;
  if (c.root && now.file.Exists && !c.stamp.token.empty()) {
    now.token = c.stamp.token;
    fresh = now == c.stamp && ReadToken(file) == c.stamp.token;
  } else if (c.root && !now.file.Exists && !c.stamp.file.Exists) {
    fresh = true;
  }
  if (!fresh) {
    c.root.reset();
    Stamp s;
    auto tree = LoadTree(file, s);
    c.root = std::move(tree);
    c.stamp = s;
  }
  return c;
}

// Runs `f(const Node& root)` on the current tree of the hive.
template <class F>
LONG ReadOp(HKEY key, const std::string& sub, F f) {
  std::lock_guard<std::mutex> guard(Mutex());
  Target t;
  if (LONG rc = ResolveLocked(key, sub, t); rc != regerr::kSuccess) return rc;
  Node& root = *CurrentTree(t.file).root;
  if (!FindNode(root, t.keyPath)) return regerr::kKeyDeleted;
  return f(root, t);
}

// Forgets a loaded tree that a failed change may have left different from its file.
class DropUnlessKept {
 public:
  explicit DropUnlessKept(CachedHive& c) : c_(c) {}
  ~DropUnlessKept() {
    if (!kept_) {
      c_.root.reset();
      c_.stamp = Stamp{};
    }
  }
  void Keep() { kept_ = true; }

 private:
  CachedHive& c_;
  bool kept_ = false;
};

// Runs `f(Node& root, const Target&, bool& changed)` on the hive's current tree under the hive
// lock (the file is read again only when another writer changed it) and writes the result back
// when it changed. `f` changes the tree only when it sets `changed`.
template <class F>
LONG WriteOp(HKEY key, const std::string& sub, DWORD needed, F f) {
  std::lock_guard<std::mutex> guard(Mutex());
  Target t;
  if (LONG rc = ResolveLocked(key, sub, t); rc != regerr::kSuccess) return rc;
  if ((t.access & needed) != needed) return regerr::kAccessDenied;
  const std::string folder = Folder();
  MakeFolder(folder);
  FileLock lock(t.file + ".lock");
  CachedHive& c = CurrentTree(t.file);
  if (!FindNode(*c.root, t.keyPath)) return regerr::kKeyDeleted;
  DropUnlessKept drop(c);
  bool changed = false;
  LONG rc = f(*c.root, t, changed);
  if (rc == regerr::kSuccess && changed) c.stamp = SaveTree(t.file, *c.root);
  drop.Keep();
  return rc;
}

}  // namespace

// ---- Public functions ---------------------------------------------------------------------

std::string FoldCase(const std::string& s) {
  std::string r = s;
  for (char& ch : r) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') c -= 32;
    else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c -= 32;
    else if (c == 0x9A || c == 0x9C || c == 0x9E) c -= 0x10;
    else if (c == 0xFF) c = 0x9F;
    ch = static_cast<char>(c);
  }
  return r;
}

std::string Folder() {
  if (const char* d = std::getenv("ZYL_REGISTRY_DIR"); d && *d) return d;
  std::string base;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) {
    base = x;
  } else if (const char* h = std::getenv("HOME"); h && *h) {
    base = std::string(h) + "/.config";
  } else {
    base = ".";
  }
  return base + "/zyl-registry";
}

bool IsPredefinedKey(HKEY key) { return HiveName(key) != nullptr; }

std::string HiveFile(HKEY root) {
  const char* n = HiveName(root);
  return n ? Folder() + "/" + n + ".hive" : std::string();
}

std::string JoinPath(const std::string& path, const std::string& sub) {
  std::string r;
  for (const auto* s : {&path, &sub})
    for (const auto& p : SplitPath(*s)) {
      if (!r.empty()) r += '\\';
      r += p;
    }
  return r;
}

HKEY OpenHandle(HKEY base, const std::string& path, DWORD access) {
  std::lock_guard<std::mutex> guard(Mutex());
  HandleEntry e;
  if (IsPredefinedKey(base)) {
    e.root = base;
    e.path = JoinPath("", path);
  } else {
    auto it = Handles().find(reinterpret_cast<uintptr_t>(base));
    if (it == Handles().end()) return nullptr;
    e.root = it->second.root;
    e.path = JoinPath(it->second.path, path);
  }
  e.access = access;
  const uintptr_t id = g_nextHandle;
  g_nextHandle += 8;
  Handles().emplace(id, std::move(e));
  return reinterpret_cast<HKEY>(id);
}

bool CloseHandle(HKEY key) {
  std::lock_guard<std::mutex> guard(Mutex());
  if (IsPredefinedKey(key)) return true;
  return Handles().erase(reinterpret_cast<uintptr_t>(key)) > 0;
}

size_t OpenHandleCount() {
  std::lock_guard<std::mutex> lock(Mutex());
  return Handles().size();
}

bool Resolve(HKEY key, HKEY& root, std::string& path, DWORD& access) {
  std::lock_guard<std::mutex> guard(Mutex());
  if (IsPredefinedKey(key)) {
    root = key;
    path.clear();
    access = KEY_ALL_ACCESS;
    return true;
  }
  auto it = Handles().find(reinterpret_cast<uintptr_t>(key));
  if (it == Handles().end()) return false;
  root = it->second.root;
  path = it->second.path;
  access = it->second.access;
  return true;
}

LONG KeyExists(HKEY key, const std::string& sub) {
  return ReadOp(key, sub, [](Node& root, const Target& t) {
    return FindNode(root, t.path) ? regerr::kSuccess : regerr::kFileNotFound;
  });
}

LONG CreateKey(HKEY key, const std::string& sub, bool* created) {
  if (created) *created = false;
  // An existing key opens without write access.
  if (KeyExists(key, sub) == regerr::kSuccess) return regerr::kSuccess;
  return WriteOp(key, sub, KEY_CREATE_SUB_KEY, [&](Node& root, const Target& t, bool& changed) {
    const auto parts = SplitPath(t.path);
    if (parts.size() > kMaxDepth) return regerr::kInvalidParameter;
    Node* n = &root;
    for (const auto& part : parts) n = n->SubOrNew(part, &changed);
    if (created) *created = changed;
    return regerr::kSuccess;
  });
}

LONG DeleteKey(HKEY key, const std::string& sub, bool recursive) {
  return WriteOp(key, sub, KEY_SET_VALUE, [&](Node& root, const Target& t, bool& changed) {
    auto parts = SplitPath(t.path);
    if (parts.empty()) return regerr::kAccessDenied;  // a root key cannot be deleted
    const std::string last = parts.back();
    parts.pop_back();
    Node* parent = &root;
    for (const auto& p : parts) {
      parent = parent->Sub(p);
      if (!parent) return regerr::kFileNotFound;
    }
    auto it = parent->subkeys.find(FoldCase(last));
    if (it == parent->subkeys.end()) return regerr::kFileNotFound;
    if (!recursive && !it->second->subkeys.empty()) return regerr::kAccessDenied;
    parent->subkeys.erase(it);
    changed = true;
    return regerr::kSuccess;
  });
}

LONG QueryValue(HKEY key, const std::string& sub, const std::string& name, TValue& value) {
  return ReadOp(key, sub, [&](Node& root, const Target& t) {
    Node* n = FindNode(root, t.path);
    if (!n) return regerr::kFileNotFound;
    const TValue* v = n->FindValue(name);
    if (!v) return regerr::kFileNotFound;
    value = *v;
    return regerr::kSuccess;
  });
}

LONG SetValue(HKEY key, const std::string& sub, const std::string& name, const TValue& value) {
  if (name.size() > kMaxValueNameLen) return regerr::kInvalidParameter;
  return WriteOp(key, sub, KEY_SET_VALUE, [&](Node& root, const Target& t, bool& changed) {
    Node* n = FindNode(root, t.path);
    if (!n) return regerr::kFileNotFound;
    if (TValue* v = n->FindValue(name)) {
      if (v->Type == value.Type && v->Data == value.Data) return regerr::kSuccess;
      *v = value;
    } else {
      n->AddValue(name, value);
    }
    changed = true;
    return regerr::kSuccess;
  });
}

LONG DeleteValue(HKEY key, const std::string& sub, const std::string& name) {
  return WriteOp(key, sub, KEY_SET_VALUE, [&](Node& root, const Target& t, bool& changed) {
    Node* n = FindNode(root, t.path);
    if (!n) return regerr::kFileNotFound;
    if (!n->EraseValue(name)) return regerr::kFileNotFound;
    changed = true;
    return regerr::kSuccess;
  });
}

LONG RenameValue(HKEY key, const std::string& oldName, const std::string& newName) {
  if (newName.size() > kMaxValueNameLen) return regerr::kInvalidParameter;
  return WriteOp(key, "", KEY_SET_VALUE, [&](Node& root, const Target& t, bool& changed) {
    Node* n = FindNode(root, t.path);
    if (!n) return regerr::kFileNotFound;
    const std::string fo = FoldCase(oldName), fn = FoldCase(newName);
    auto it = n->valueIndex.find(fo);
    if (it == n->valueIndex.end()) return regerr::kFileNotFound;
    const size_t pos = it->second;
    if (fo != fn) {
      if (n->valueIndex.count(fn)) return regerr::kAccessDenied;
      n->valueIndex.erase(it);
      n->valueIndex.emplace(fn, pos);
    }
    n->values[pos].first = newName;
    changed = true;
    return regerr::kSuccess;
  });
}

LONG SubKeyNames(HKEY key, const std::string& sub, std::vector<std::string>& names) {
  names.clear();
  return ReadOp(key, sub, [&](Node& root, const Target& t) {
    Node* n = FindNode(root, t.path);
    if (!n) return regerr::kFileNotFound;
    for (const auto& [k, s] : n->subkeys) names.push_back(s->name);
    return regerr::kSuccess;
  });
}

LONG ValueNames(HKEY key, const std::string& sub, std::vector<std::string>& names) {
  names.clear();
  return ReadOp(key, sub, [&](Node& root, const Target& t) {
    Node* n = FindNode(root, t.path);
    if (!n) return regerr::kFileNotFound;
    for (const auto& v : n->values) names.push_back(v.first);
    return regerr::kSuccess;
  });
}

LONG QueryInfo(HKEY key, const std::string& sub, TKeyInfo& info) {
  info = TKeyInfo{};
  return ReadOp(key, sub, [&](Node& root, const Target& t) {
    Node* n = FindNode(root, t.path);
    if (!n) return regerr::kFileNotFound;
    info.SubKeys = static_cast<DWORD>(n->subkeys.size());
    info.Values = static_cast<DWORD>(n->values.size());
    for (const auto& [k, s] : n->subkeys)
      info.MaxSubKeyLen = std::max<DWORD>(info.MaxSubKeyLen, static_cast<DWORD>(s->name.size()));
    for (const auto& [name, v] : n->values) {
      info.MaxValueNameLen = std::max<DWORD>(info.MaxValueNameLen, static_cast<DWORD>(name.size()));
      info.MaxValueLen = std::max<DWORD>(info.MaxValueLen, static_cast<DWORD>(v.Data.size()));
    }
    return regerr::kSuccess;
  });
}

LONG CopyKey(HKEY key, const std::string& source, const std::string& target, bool deleteSource) {
  if (!ValidPath(source) || !ValidPath(target)) return regerr::kInvalidParameter;
  return WriteOp(key, "", KEY_CREATE_SUB_KEY | KEY_SET_VALUE,
                 [&](Node& root, const Target& t, bool& changed) {
    const std::string src = JoinPath(t.path, source), dst = JoinPath(t.path, target);
    const std::string fs = FoldCase(src), fd = FoldCase(dst);
    if (src.empty() || dst.empty() || fs == fd ||
        (fd.size() > fs.size() && fd.compare(0, fs.size(), fs) == 0 && fd[fs.size()] == '\\'))
      return regerr::kInvalidParameter;
    Node* from = FindNode(root, src);
    if (!from) return regerr::kFileNotFound;
    if (FindNode(root, dst)) return regerr::kAccessDenied;
    auto parts = SplitPath(dst);
    if (parts.size() + Height(*from) > kMaxDepth) return regerr::kInvalidParameter;
    auto copy = CloneNode(*from);
    copy->name = parts.back();
    parts.pop_back();
    Node* n = &root;
    for (const auto& part : parts) n = n->SubOrNew(part);
    n->subkeys.emplace(FoldCase(copy->name), std::move(copy));
    if (deleteSource) {
      auto sp = SplitPath(src);
      const std::string last = sp.back();
      sp.pop_back();
      Node* parent = &root;
      for (const auto& p : sp) parent = parent->Sub(p);
      if (parent) parent->subkeys.erase(FoldCase(last));
    }
    changed = true;
    return regerr::kSuccess;
  });
}

}  // namespace win::regstore
