// String routines of the framework over single-byte text in code page 1252. Positions are
// 1-based where the framework's routine is.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/Sets.h"

namespace vcl {

// Copy(S, Index, Count): Index below 1 counts as 1; parts beyond the end are dropped.
std::string Copy(const std::string& s, int64_t index, int64_t count);
// Position (1-based) of the first occurrence, 0 when absent or when `sub` is empty.
int Pos(const std::string& sub, const std::string& s);
// Inserts `source` before position `index` (clamped to 1 .. Length + 1).
void Insert(const std::string& source, std::string& s, int64_t index);
// Deletes up to `count` characters from `index`; nothing when index is out of 1 .. Length.
void Delete(std::string& s, int64_t index, int64_t count);

// Remove characters up to and including the space (control characters too).
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);

// ASCII-only case mapping.
std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
// Case mapping of code page 1252.
std::string AnsiUpperCase(const std::string& s);
std::string AnsiLowerCase(const std::string& s);

// Ordinal comparisons: < 0, 0 or > 0. CompareText ignores the case of A..Z only.
int CompareStr(const std::string& a, const std::string& b);
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
// Locale comparisons (word sort: hyphen and apostrophe only break ties); the Text variants
// ignore case.
int AnsiCompareStr(const std::string& a, const std::string& b);
int AnsiCompareText(const std::string& a, const std::string& b);
bool AnsiSameStr(const std::string& a, const std::string& b);
bool AnsiSameText(const std::string& a, const std::string& b);

// 'It''s': the string in quotes with embedded quotes doubled.
std::string QuotedStr(const std::string& s);
std::string AnsiQuotedStr(const std::string& s, char quote);
// Reads a quoted string at `src` (doubled quotes become one). When `src` does not start with
// `quote` the result is empty and `src` stays; otherwise `src` moves past the closing quote
// (or to the terminating zero when there is none).
std::string AnsiExtractQuotedStr(const char*& src, char quote);
// The unquoted text when `s` is quoted with `quote`, else `s` itself.
std::string AnsiDequotedStr(const std::string& s, char quote);

enum TReplaceFlag : uint8_t { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
std::string StringReplace(const std::string& s, const std::string& oldPattern,
                          const std::string& newPattern, TReplaceFlags flags);

// The last position (1-based) of any of `delimiters` in `s`, 0 when none.
int LastDelimiter(const std::string& delimiters, const std::string& s);
bool IsDelimiter(const std::string& delimiters, const std::string& s, int index);

// Integers as text.
std::string IntToStr(int64_t value);
// Upper-case hexadecimal with at least `digits` digits; a negative 32-bit value shows its
// 32-bit pattern, a negative 64-bit value its 64-bit pattern.
std::string IntToHex(int32_t value, int digits);
std::string IntToHex(int64_t value, int digits);
std::string IntToHex(uint32_t value, int digits);
std::string IntToHex(uint64_t value, int digits);
// Text to integers: optional blanks, a sign, decimal digits or hexadecimal after "$", "0x"
// or "0X". Anything else, or a value out of range, raises EConvertError
// "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& s);
int32_t StrToIntDef(const std::string& s, int32_t def);
bool TryStrToInt(const std::string& s, int32_t& value);
int64_t StrToInt64(const std::string& s);
int64_t StrToInt64Def(const std::string& s, int64_t def);
bool TryStrToInt64(const std::string& s, int64_t& value);

// Zero-terminated strings (PChar); null pointers count as empty where the framework allows.
size_t StrLen(const char* s);
char* StrEnd(char* s);
// Copies at most maxLen characters and always terminates (dest holds maxLen + 1).
char* StrLCopy(char* dest, const char* source, size_t maxLen);
char* StrPCopy(char* dest, const std::string& source);
char* StrPLCopy(char* dest, const std::string& source, size_t maxLen);
std::string StrPas(const char* s);
int StrComp(const char* a, const char* b);
int StrIComp(const char* a, const char* b);
int StrLComp(const char* a, const char* b, size_t maxLen);
int StrLIComp(const char* a, const char* b, size_t maxLen);
const char* StrScan(const char* s, char ch);
const char* StrRScan(const char* s, char ch);
const char* StrPos(const char* s, const char* sub);
// The framework's PChar of a string: null for an empty one.
const char* PCharOrNull(const std::string& s);

char UpCase(char c);
// Every line break (CR, LF, LF CR or CR LF) becomes CR LF.
std::string AdjustLineBreaks(const std::string& s);

// "True"/"False" or "-1"/"0".
std::string BoolToStr(bool b, bool useBoolStrs = false);
// "True"/"False" (any case) or a number (non-zero is true); EConvertError otherwise.
bool StrToBool(const std::string& s);
bool StrToBoolDef(const std::string& s, bool def);

}  // namespace vcl
