#include "platform/rtl/CodePage.h"

#include <array>
#include <atomic>
#include <cstring>

namespace {

// Upper halves (0x80..0xFF) of the pages; the lower halves are ASCII.
constexpr char16_t kCp1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

constexpr char16_t kCp437[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

constexpr char16_t kCp850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

std::atomic<unsigned> g_oemPage{437};

const char16_t* OemTable(unsigned page) { return page == 850 ? kCp850 : kCp437; }

// Nearest ASCII look-alike of a code point a target page lacks ('?' when there is none).
char BestFit(char32_t cp) {
  static const char kLatin1[] =
      "AAAAAAACEEEEIIII"   // C0..CF
      "DNOOOOOxOUUUUYTs"   // D0..DF
      "aaaaaaaceeeeiiii"   // E0..EF
      "dnooooo/ouuuuyty";  // F0..FF
  if (cp >= 0xC0 && cp <= 0xFF) return kLatin1[cp - 0xC0];
  switch (cp) {
    case 0x0160: return 'S';
    case 0x0161: return 's';
    case 0x017D: return 'Z';
    case 0x017E: return 'z';
    case 0x0178: return 'Y';
    case 0x0152: return 'O';
    case 0x0153: return 'o';
    case 0x0192: return 'f';
    case 0x2018: case 0x2019: case 0x201A: case 0x2039: case 0x203A: case 0x00B4: return '\'';
    case 0x201C: case 0x201D: case 0x201E: case 0x00AB: case 0x00BB: return '"';
    case 0x2013: case 0x2014: case 0x00AD: return '-';
    case 0x2026: case 0x2022: case 0x00B7: return '.';
    case 0x02C6: return '^';
    case 0x02DC: return '~';
    case 0x00A0: return ' ';
    case 0x00A9: return 'c';
    case 0x00AE: return 'r';
    case 0x00B9: return '1';
    case 0x00B2: return '2';
    case 0x00B3: return '3';
    case 0x00A6: return '|';
    default: return '?';
  }
}

// Reverse lookup in an upper-half table; -1 when absent.
int Reverse(const char16_t* table, char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (int i = 0; i < 128; ++i)
    if (table[i] == cp) return 0x80 + i;
  return -1;
}

unsigned char ToOem(unsigned char ch) {
  const char32_t cp = ch < 0x80 ? ch : kCp1252[ch - 0x80];
  const int r = Reverse(OemTable(g_oemPage.load()), cp);
  return static_cast<unsigned char>(r >= 0 ? r : BestFit(cp));
}

unsigned char FromOem(unsigned char ch) {
  const char32_t cp = ch < 0x80 ? ch : OemTable(g_oemPage.load())[ch - 0x80];
  const int r = Reverse(kCp1252, cp);
  return static_cast<unsigned char>(r >= 0 ? r : BestFit(cp));
}

bool IsUpper(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F ||
         (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

bool IsLower(unsigned char c) {
  return (c >= 'a' && c <= 'z') || c == 0x83 || c == 0x9A || c == 0x9C || c == 0x9E || c == 0xB5 ||
         (c >= 0xDF && c != 0xF7);
}

bool IsAlpha(unsigned char c) { return IsUpper(c) || IsLower(c) || c == 0xAA || c == 0xBA; }

unsigned char Upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

unsigned char Lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }

}  // namespace

namespace win {

BOOL IsCharAlphaA(CHAR ch) { return IsAlpha(U(ch)) ? TRUE : FALSE; }
BOOL IsCharAlphaNumericA(CHAR ch) { return (IsAlpha(U(ch)) || (ch >= '0' && ch <= '9')) ? TRUE : FALSE; }
BOOL IsCharUpperA(CHAR ch) { return IsUpper(U(ch)) ? TRUE : FALSE; }
BOOL IsCharLowerA(CHAR ch) { return IsLower(U(ch)) ? TRUE : FALSE; }
CHAR CharUpperChar(CHAR ch) { return static_cast<CHAR>(Upper(U(ch))); }
CHAR CharLowerChar(CHAR ch) { return static_cast<CHAR>(Lower(U(ch))); }

LPSTR CharUpperA(LPSTR s) {
  if (s) CharUpperBuffA(s, static_cast<DWORD>(std::strlen(s)));
  return s;
}

DWORD CharUpperBuffA(LPSTR s, DWORD length) {
  if (!s) return 0;
  for (DWORD i = 0; i < length; ++i) s[i] = CharUpperChar(s[i]);
  return length;
}

DWORD CharLowerBuffA(LPSTR s, DWORD length) {
  if (!s) return 0;
  for (DWORD i = 0; i < length; ++i) s[i] = CharLowerChar(s[i]);
  return length;
}

BOOL CharToOemBuffA(LPCSTR src, LPSTR dst, DWORD length) {
  if (!src || !dst) return FALSE;
  for (DWORD i = 0; i < length; ++i) dst[i] = static_cast<CHAR>(ToOem(U(src[i])));
  return TRUE;
}

BOOL OemToCharBuffA(LPCSTR src, LPSTR dst, DWORD length) {
  if (!src || !dst) return FALSE;
  for (DWORD i = 0; i < length; ++i) dst[i] = static_cast<CHAR>(FromOem(U(src[i])));
  return TRUE;
}

BOOL CharToOemA(LPCSTR src, LPSTR dst) {
  if (!src || !dst) return FALSE;
  const DWORD n = static_cast<DWORD>(std::strlen(src));
  CharToOemBuffA(src, dst, n);
  dst[n] = 0;
  return TRUE;
}

BOOL OemToCharA(LPCSTR src, LPSTR dst) {
  if (!src || !dst) return FALSE;
  const DWORD n = static_cast<DWORD>(std::strlen(src));
  OemToCharBuffA(src, dst, n);
  dst[n] = 0;
  return TRUE;
}

UINT GetACP() { return 1252; }
UINT GetOEMCP() { return g_oemPage.load(); }

}  // namespace win

namespace vcl {

bool SetOemCodePage(unsigned codePage) {
  if (codePage != 437 && codePage != 850) return false;
  g_oemPage = codePage;
  return true;
}

char32_t AnsiCharToUnicode(unsigned char ch) { return ch < 0x80 ? ch : kCp1252[ch - 0x80]; }

int UnicodeToAnsiChar(char32_t cp) { return Reverse(kCp1252, cp); }

std::string AnsiToUtf8(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    const char32_t cp = AnsiCharToUnicode(U(c));
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::string Utf8ToAnsi(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  const size_t n = s.size();
  while (i < n) {
    const unsigned char c = U(s[i]);
    char32_t cp;
    size_t len;
    if (c < 0x80) {
      cp = c;
      len = 1;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      len = 3;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07;
      len = 4;
    } else {
      out += '?';
      ++i;
      continue;
    }
    bool ok = i + len <= n;
    for (size_t k = 1; ok && k < len; ++k) {
      const unsigned char cc = U(s[i + k]);
      if ((cc & 0xC0) != 0x80) ok = false;
      else cp = (cp << 6) | (cc & 0x3F);
    }
    // Overlong forms are malformed.
    if (ok && ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000))) ok = false;
    if (!ok) {
      out += '?';
      ++i;
      continue;
    }
    const int a = UnicodeToAnsiChar(cp);
    out += a >= 0 ? static_cast<char>(a) : '?';
    i += len;
  }
  return out;
}

}  // namespace vcl
