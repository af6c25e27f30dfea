// Single-byte code pages: the ANSI page 1252 every string of the framework uses, the OEM pages
// 437 and 850, character classification and case mapping in page 1252, and the conversions
// to and from UTF-8 used at the edges (file names, environment, terminal output).
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/Types.h"

namespace win {

// Character classification and case mapping in code page 1252 (letters with diacritics,
// the ligatures and the letters of 0x8A..0x9F included).
BOOL IsCharAlphaA(CHAR ch);
BOOL IsCharAlphaNumericA(CHAR ch);
BOOL IsCharUpperA(CHAR ch);
BOOL IsCharLowerA(CHAR ch);
CHAR CharUpperChar(CHAR ch);
CHAR CharLowerChar(CHAR ch);
// Converts a zero-terminated string in place and returns it.
LPSTR CharUpperA(LPSTR s);
DWORD CharUpperBuffA(LPSTR s, DWORD length);
DWORD CharLowerBuffA(LPSTR s, DWORD length);

// ANSI <-> OEM through the OEM page in use (437 unless changed). Characters the target page
// lacks become their nearest look-alike (a letter without its accent) or '?', so a round trip
// is lossy for them. Source and destination may be the same buffer. Return TRUE.
BOOL CharToOemA(LPCSTR src, LPSTR dst);
BOOL OemToCharA(LPCSTR src, LPSTR dst);
BOOL CharToOemBuffA(LPCSTR src, LPSTR dst, DWORD length);
BOOL OemToCharBuffA(LPCSTR src, LPSTR dst, DWORD length);
UINT GetACP();
UINT GetOEMCP();

}  // namespace win

namespace vcl {

// Selects the OEM page used by CharToOemA/OemToCharA: 437 or 850; other values are refused
// (returns false). Returns true when the page was set.
bool SetOemCodePage(unsigned codePage);

// The Unicode code point of a character of page 1252, 437 or 850 (0 .. 0xFFFF).
char32_t AnsiCharToUnicode(unsigned char ch);
// The page-1252 character of a code point, or -1 when the page has none.
int UnicodeToAnsiChar(char32_t cp);

// Text in page 1252 to UTF-8 and back. Code points page 1252 lacks, and malformed UTF-8
// sequences, become '?'.
std::string AnsiToUtf8(const std::string& s);
std::string Utf8ToAnsi(const std::string& s);

}  // namespace vcl
