#include "foundation/ZYLStrings.h"

#include <algorithm>

#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

namespace {

inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Position (0-based) and length of field N of S; false when S has no field N.
bool FieldSpan(const std::string& S, char Ch, int N, size_t& start, size_t& len) {
  if (N < 0) return false;
  size_t from = 0;
  for (int k = 0; k < N; ++k) {
    const size_t sep = S.find(Ch, from);
    if (sep == std::string::npos) return false;
    from = sep + 1;
  }
  const size_t sep = S.find(Ch, from);
  start = from;
  len = (sep == std::string::npos ? S.size() : sep) - from;
  return true;
}

}  // namespace

std::string ZYLCopy(const std::string& S, int Index, int Count) {
  if (Count <= 0) return {};
  const int64_t from = Index < 1 ? 0 : static_cast<int64_t>(Index) - 1;
  if (from >= static_cast<int64_t>(S.size())) return {};
  return S.substr(static_cast<size_t>(from), static_cast<size_t>(Count));
}

void ZYLInsert(const std::string& Source, std::string& S, int Index) {
  size_t at = Index < 1 ? 0 : static_cast<size_t>(Index) - 1;
  if (at > S.size()) at = S.size();
  S.insert(at, Source);
}

std::string ZYLFillString(int Count, char Ch) {
  return Count <= 0 ? std::string() : std::string(static_cast<size_t>(Count), Ch);
}

std::string ZYLTrim(const std::string& S) {
  size_t b = 0;
  size_t e = S.size();
  while (b < e && IsBlank(S[b])) ++b;
  while (e > b && IsBlank(S[e - 1])) --e;
  return S.substr(b, e - b);
}

bool ZYLEmpty(const std::string& S) {
  return std::all_of(S.begin(), S.end(), IsBlank);
}

std::string ZYLGetFirstString(const std::string& S, char Ch) {
  const size_t p = S.find(Ch);
  return p == std::string::npos ? S : S.substr(0, p);
}

std::string ZYLGetSecondString(const std::string& S, char Ch) {
  const size_t p = S.find(Ch);
  return p == std::string::npos ? S : S.substr(p + 1);
}

std::string ZYLCodeString(const std::vector<std::string>& Parts, char Ch) {
  std::string r;
  for (size_t i = 0; i < Parts.size(); ++i) {
    if (i > 0) r += Ch;
    r += Parts[i];
  }
  return r;
}

std::string ZYLGetCodedString(const std::string& S, char Ch, int N) {
  size_t start = 0;
  size_t len = 0;
  if (!FieldSpan(S, Ch, N, start, len)) return {};
  return S.substr(start, len);
}

void ZYLSetCodedString(std::string& S, const std::string& Value, char Ch, int N) {
  if (N < 0) return;
  const int fields = static_cast<int>(std::count(S.begin(), S.end(), Ch)) + 1;
  if (N >= fields) S.append(static_cast<size_t>(N - fields + 1), Ch);
  size_t start = 0;
  size_t len = 0;
  FieldSpan(S, Ch, N, start, len);
  S.replace(start, len, Value);
}

std::string ZYLCodeInt(const int32_t* Values, int HighIndex, char Separator) {
  std::string r;
  if (Values == nullptr) return r;
  for (int i = 0; i <= HighIndex; ++i) {
    if (i > 0) r += Separator;
    r += std::to_string(Values[i]);
  }
  return r;
}

std::vector<std::string> ZYLSplitString(const std::string& S, char Ch) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (from < S.size()) {
    const size_t sep = S.find(Ch, from);
    if (sep == std::string::npos) {
      parts.push_back(S.substr(from));
      break;
    }
    parts.push_back(S.substr(from, sep - from));
    from = sep + 1;
  }
  return parts;
}

std::vector<int> ZYLDivisors(int N) {
  std::vector<int> r;
  for (int d = 1; d <= N / 2; ++d) {
    if (N % d == 0) r.push_back(d);
  }
  return r;
}

void ZYLParseToStrList(const std::string& S, char Ch, vcl::TStrings* List) {
  if (List == nullptr) return;
  List->BeginUpdate();
  vcl::TFinally endUpdate([&] { List->EndUpdate(); });
  List->Clear();
  for (const std::string& part : ZYLSplitString(S, Ch)) List->Add(part);
}

void RemoveEmptyLines(vcl::TStrings* List) {
  if (List == nullptr) return;
  List->BeginUpdate();
  vcl::TFinally endUpdate([&] { List->EndUpdate(); });
  for (int i = List->Count() - 1; i >= 0; --i) {
    if (ZYLEmpty(List->Strings(i))) List->Delete(i);
  }
}

void ZYLGetDivider(vcl::TStrings* List, int N) {
  if (List == nullptr) return;
  List->BeginUpdate();
  vcl::TFinally endUpdate([&] { List->EndUpdate(); });
  List->Clear();
  for (int d : ZYLDivisors(N)) List->Add(std::to_string(d));
}

const char* int_Ref(const std::string& S) { return S.empty() ? nullptr : S.c_str(); }

std::string ZYLUpperCase(const std::string& S) { return vcl::AnsiUpperCase(S); }

std::string ZYLLowerCase(const std::string& S) { return vcl::AnsiLowerCase(S); }

std::string ZYLReplaceChar(const std::string& S, char OldCh, char NewCh) {
  std::string r(S);
  std::replace(r.begin(), r.end(), OldCh, NewCh);
  return r;
}

std::string ZYLAddSlash(const std::string& S) {
  if (!S.empty() && S.back() == '\\') return S;
  return S + '\\';
}

std::string ZYLSlashAdd(const std::string& S) { return ZYLAddSlash(S); }

std::string ZYLShrunkFileName(const std::string& Path, int MaxLen) {
  if (MaxLen < 0 || static_cast<int64_t>(Path.size()) <= MaxLen) return Path;
  // Both '\' and '/' separate folders; what the shortening puts in is the name's first one.
  static const char* const kSeparators = "\\/";
  const size_t first = Path.find_first_of(kSeparators);
  const char sep = first == std::string::npos ? '\\' : Path[first];
  auto isSep = [](char c) { return c == '\\' || c == '/'; };
  // The drive part: "C:\" or "\\server\share\" (kept), then the folders, then the name.
  size_t driveEnd = 0;
  if (Path.size() >= 2 && Path[1] == ':') {
    driveEnd = (Path.size() >= 3 && isSep(Path[2])) ? 3 : 2;
  } else if (Path.size() >= 2 && isSep(Path[0]) && isSep(Path[1])) {
    size_t p = Path.find_first_of(kSeparators, 2);
    if (p != std::string::npos) p = Path.find_first_of(kSeparators, p + 1);
    driveEnd = p == std::string::npos ? Path.size() : p + 1;
  } else if (!Path.empty() && isSep(Path[0])) {
    driveEnd = 1;
  }
  const size_t nameStart = Path.find_last_of(kSeparators);
  if (nameStart == std::string::npos || nameStart < driveEnd) return Path;  // no folders
  const std::string drive = Path.substr(0, driveEnd);
  const std::string name = Path.substr(nameStart + 1);
  std::string folders = Path.substr(driveEnd, nameStart - driveEnd);
  std::replace(folders.begin(), folders.end(), '/', '\\');
  std::vector<std::string> dirs = ZYLSplitString(folders, '\\');
  // Drop the leading folders one by one until the path fits.
  std::string candidate;
  for (size_t drop = 1; drop <= dirs.size(); ++drop) {
    candidate = drive + "..." + sep;
    for (size_t k = drop; k < dirs.size(); ++k) candidate += dirs[k] + sep;
    candidate += name;
    if (static_cast<int64_t>(candidate.size()) <= MaxLen) return candidate;
  }
  return candidate.empty() ? Path : candidate;
}

}  // namespace zyl
