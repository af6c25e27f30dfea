// Conversion of form streams between the binary format and the readable text format
// ("object Name: TClass" ... "end").
#pragma once

#include <string>
#include <vector>

#include "platform/base/Exceptions.h"

namespace vcl {

class TStream;

// Raised for malformed text forms; the message ends with " on line N".
using EParserError = vcl::TNamedException<"EParserError", Exception>;

// A binary form is a "TPF0" stream (as resources hold it) or, as the IDE saves form files, the
// same stream behind a 16-bit resource header: 0xFF 0x0A 0x00, the form's name in capitals,
// 0x00, the flags 0x30 0x10 and the 32-bit size of the stream. Every reader takes both.

// Reads one binary component (with its "TPF0" signature) from the input's position and
// appends its text form to the output. Names the text cannot hold (class, component and
// property names that are not identifiers) raise EReadError. Corrupt or truncated input raises
// EReadError; the input is left after the component.
void ObjectBinaryToText(TStream* Input, TStream* Output);
// Reads one text component from the input's position and appends the binary form, with its
// signature; the input is left at the first token after the component's "end". Malformed text
// raises EParserError.
void ObjectTextToBinary(TStream* Input, TStream* Output);

// Where the properties of a converted text stood: for each property, the offset of its name in
// the binary output (from the signature) and its line in the text. A reader given the map names
// the line in its errors.
class TTextLines {
 public:
  void Add(int64_t Offset, int Line) { entries_.push_back({Offset, Line}); }
  // The line of the property whose name starts at Offset; 0 when none does.
  int LineAt(int64_t Offset) const;

 private:
  struct TEntry {
    int64_t Offset;
    int Line;
  };
  std::vector<TEntry> entries_;  // in increasing offsets
};
// ObjectTextToBinary that also records where each property stood.
void ObjectTextToBinary(TStream* Input, TStream* Output, TTextLines& Lines);

// The same conversions on whole byte strings.
std::string ObjectBinaryToTextString(const std::string& binary);
std::string ObjectTextToBinaryString(const std::string& text);

// The form file of a "TPF0" stream: the resource header (named, as the IDE does, after the
// root component's class in upper case) and the stream. EReadError when the stream does not start
// like one.
std::string BinaryFormFile(const std::string& binary);

enum TStreamOriginalFormat { sofUnknown, sofBinary, sofText };
// Tells a binary form ("TPF0" or the resource header) from a text form ("object", "inherited" or
// "inline" after optional blanks) by the first bytes; the stream position is restored.
TStreamOriginalFormat TestStreamFormat(TStream* Stream);
TStreamOriginalFormat TestStreamFormatString(const std::string& bytes);

}  // namespace vcl
