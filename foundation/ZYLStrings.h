// String routines of the library: 1-based copying and inserting, trimming, field coding with
// a separator character, splitting into lists, case conversion and path helpers.
// Strings hold single-byte text in code page 1252.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vcl {
class TStrings;
}

namespace zyl {

// The substring of S from Index (1-based), Count characters long. An Index below 1 counts
// from the first character; parts outside S give a shorter or empty string.
std::string ZYLCopy(const std::string& S, int Index, int Count);
// Inserts Source into S before position Index (1-based); an Index below 1 inserts at the
// front, one past the end appends.
void ZYLInsert(const std::string& Source, std::string& S, int Index);
// Count copies of Ch; empty for a Count of 0 or less.
std::string ZYLFillString(int Count, char Ch);
// S without leading and trailing blanks (spaces and control characters).
std::string ZYLTrim(const std::string& S);
// True for an empty or all-blank string.
bool ZYLEmpty(const std::string& S);
// The part of S before the first Ch; all of S when Ch does not occur.
std::string ZYLGetFirstString(const std::string& S, char Ch);
// The part of S after the first Ch; all of S when Ch does not occur.
std::string ZYLGetSecondString(const std::string& S, char Ch);

// The parts joined by Ch.
std::string ZYLCodeString(const std::vector<std::string>& Parts, char Ch);
// Field N (0-based) of S, fields separated by Ch; empty for N beyond the last field or below 0.
std::string ZYLGetCodedString(const std::string& S, char Ch, int N);
// Replaces field N of S, first appending separators when S has fewer fields; a negative N
// changes nothing.
void ZYLSetCodedString(std::string& S, const std::string& Value, char Ch, int N);
// The integers Values[0 .. HighIndex] as decimal text joined by Separator.
std::string ZYLCodeInt(const int32_t* Values, int HighIndex, char Separator);

// S split at Ch; a trailing separator adds no empty part, an empty S gives no parts.
std::vector<std::string> ZYLSplitString(const std::string& S, char Ch);
// Clears List and fills it with the parts of S split at Ch (as ZYLSplitString).
void ZYLParseToStrList(const std::string& S, char Ch, vcl::TStrings* List);
// Removes empty and blank-only lines of List.
void RemoveEmptyLines(vcl::TStrings* List);
// Clears List and fills it with the divisors of N below N in ascending order, as decimal text
// (empty for N of 1 or less).
void ZYLGetDivider(vcl::TStrings* List, int N);
std::vector<int> ZYLDivisors(int N);

// The characters of S as a zero-terminated string; null for an empty string.
const char* int_Ref(const std::string& S);

// Case conversion in code page 1252 (accented letters included).
std::string ZYLUpperCase(const std::string& S);
std::string ZYLLowerCase(const std::string& S);
// S with every OldCh replaced by NewCh.
std::string ZYLReplaceChar(const std::string& S, char OldCh, char NewCh);

// S with a trailing backslash added when it does not end with one ("" gives "\").
std::string ZYLAddSlash(const std::string& S);
std::string ZYLSlashAdd(const std::string& S);
// Path shortened to at most MaxLen characters by replacing directories after the drive with
// "...", keeping the drive and the file name; when even "drive\...\name" is longer, that form.
// Both '\' and '/' separate folders; the ones put in are the path's first separator.
std::string ZYLShrunkFileName(const std::string& Path, int MaxLen);

}  // namespace zyl
