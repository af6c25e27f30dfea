#pragma once
// What the two directions of the conversion between the binary and the text form of a component
// stream share; not for users of the framework.

#include <string>

#include "platform/classes/Streams.h"

namespace vcl::objecttext_internal {

// The extended value of an unsuffixed float of the text form.
long double ParseExtendedText(const std::string& s);

bool IsIdentStart(char c);
bool IsIdentChar(char c);
bool IsDigit(char c);
// Whether a equals b, ignoring the case of ASCII letters.
bool SameTextAscii(const std::string& a, const char* b);

// Reads everything from the stream's position to its end.
std::string ReadRest(TStream* stream);
// Writes all of bytes, in pieces a single write can take.
void WriteAll(TStream* stream, const std::string& bytes);

}  // namespace vcl::objecttext_internal
