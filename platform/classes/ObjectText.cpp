// Conversion between the binary and the text form of a component stream: the helpers both
// directions share, binary to text, and telling the two forms apart. Text to binary is in
// ObjectTextParser.cpp.
#include "platform/classes/ObjectText.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/classes/Filer.h"
#include "platform/classes/FilerInternal.h"
#include "platform/classes/ObjectTextInternal.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ClassicNumbers.h"

namespace vcl {
namespace objecttext_internal {

using filer_detail::kMaxNesting;

// Strings are split into pieces of at most this many characters per text line.
constexpr size_t kLineLength = 64;
// Binary values are written with this many bytes (twice as many hex digits) per text line.
constexpr size_t kBytesPerLine = 32;

// ---------------------------------------------------------------------------------------------
// Bounded reading of a binary form.

class TBinarySource {
 public:
  TBinarySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return size_ - pos_; }
  void Need(size_t n) const {
    if (n > Remaining()) throw EReadError(SReadError);
  }
  uint8_t Byte() {
    Need(1);
    return data_[pos_++];
  }
  uint8_t Peek() const {
    Need(1);
    return data_[pos_];
  }
  uint64_t Unsigned(size_t bytes) {
    Need(bytes);
    uint64_t v = 0;
    for (size_t i = 0; i < bytes; ++i) v |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
    pos_ += bytes;
    return v;
  }
  std::string Bytes(size_t n) {
    Need(n);
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }
  std::string ShortString() { return Bytes(Byte()); }
  void ReadRaw(void* dst, size_t n) {
    Need(n);
    std::memcpy(dst, data_ + pos_, n);
    pos_ += n;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Number formatting shared by both directions.

// The framework's general float format: `precision` significant digits, exponent form
// ("1.5E-10", "1E20") when the decimal exponent is 15 or more or below -4, trailing zeros
// dropped.
std::string GeneralFloat(long double v, int precision) {
  const bool negative = std::signbit(v);
  if (v == 0) return negative ? "-0" : "0";
  char buf[80];
  {
    const TClassicNumbers classic;
    std::snprintf(buf, sizeof buf, "%.*Le", precision - 1, std::fabs(v));
  }
  // buf is "d.ddddde+XX" (or "de+XX" for one digit).
  std::string digits;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string s = negative ? "-" : "";
  if (exponent >= 15 || exponent < -4) {
    s += digits[0];
    if (digits.size() > 1) s += "." + digits.substr(1);
    s += "E" + std::to_string(exponent);
  } else if (exponent >= 0) {
    const size_t intDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      s += digits + std::string(intDigits - digits.size(), '0');
    } else {
      s += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
    }
  } else {
    s += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  }
  return s;
}

// The extended value of an unsuffixed float of the text form: the nearest one to the decimal
// text, however many digits it has (long double is the 80-bit extended type on this target).
long double ParseExtendedText(const std::string& s) {
  const TClassicNumbers classic;
  return std::strtold(s.c_str(), nullptr);
}

std::string NonFiniteText(long double v) {
  const char* sign = std::signbit(v) ? "-" : "+";
  return std::string(sign) + (std::isnan(v) ? "NAN" : "INF");
}

bool SameExtended(long double a, long double b) {
  const TExtended10 x = LongDoubleToExtended(a), y = LongDoubleToExtended(b);
  return std::memcmp(x.Bytes, y.Bytes, sizeof x.Bytes) == 0;
}

// The framework writes 15 significant digits; more (up to the 21 that tell every extended
// value apart) only where the value would not read back exactly.
std::string ExtendedText(const TExtended10& x) {
  const long double v = ExtendedToLongDouble(x);
  if (!std::isfinite(v)) return NonFiniteText(v);
  std::string s;
  for (int precision = 15; precision <= 21; ++precision) {
    s = GeneralFloat(v, precision);
    if (SameExtended(ParseExtendedText(s), v)) break;
  }
  // A float must not read back as an integer.
  if (s.find_first_of(".E") == std::string::npos) s += ".0";
  return s;
}

std::string SingleText(float f) {
  if (!std::isfinite(f)) return NonFiniteText(f) + "s";
  std::string s;
  for (int precision = 15; precision <= 17; ++precision) {
    s = GeneralFloat(f, precision);
    const TClassicNumbers classic;
    const float g = std::strtof(s.c_str(), nullptr);
    if (std::memcmp(&g, &f, sizeof f) == 0) break;
  }
  return s + "s";
}

std::string DateText(double d) {
  if (!std::isfinite(d)) return NonFiniteText(d) + "d";
  std::string s;
  for (int precision = 15; precision <= 17; ++precision) {
    s = GeneralFloat(d, precision);
    const TClassicNumbers classic;
    const double e = std::strtod(s.c_str(), nullptr);
    if (std::memcmp(&e, &d, sizeof d) == 0) break;
  }
  return s + "d";
}

// ---------------------------------------------------------------------------------------------
// Binary to text.

// Narrow strings keep the characters of their code page (128..255) between the quotes; wide
// strings write everything beyond ASCII as #nnn.
template <class Unit>
bool PrintableInQuotes(uint32_t c) {
  if (c == '\'' || c < 32 || c == 127) return false;
  return sizeof(Unit) == 1 ? c <= 255 : c <= 126;
}

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsIdent(const std::string& s) {
  if (s.empty() || !IsIdentStart(s[0])) return false;
  return std::all_of(s.begin(), s.end(), IsIdentChar);
}
// Identifiers joined by dots ("Font.Style", "Form2.Edit1").
bool IsDottedIdent(const std::string& s) {
  size_t start = 0;
  for (;;) {
    const size_t dot = s.find('.', start);
    if (!IsIdent(s.substr(start, dot == std::string::npos ? std::string::npos : dot - start)))
      return false;
    if (dot == std::string::npos) return true;
    start = dot + 1;
  }
}
bool SameTextAscii(const std::string& a, const char* b) {
  const size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}
bool IsOneOf(const std::string& s, std::initializer_list<const char*> words) {
  for (const char* w : words)
    if (SameTextAscii(s, w)) return true;
  return false;
}
}  // namespace objecttext_internal

using namespace objecttext_internal;

namespace {

class TBinaryToText {
 public:
  TBinaryToText(TBinarySource& in, std::string& out) : in_(in), out_(out) {}

  void Run() {
    if (in_.Remaining() > 0 && in_.Peek() == 0xFF) {
      const uint32_t size = filer_detail::ReadFormResourceHeader([this] { return in_.Byte(); });
      if (size > in_.Remaining()) throw EReadError(SInvalidImage);
    }
    if (in_.Remaining() < 4 || in_.Bytes(4) != std::string(FilerSignature, 4))
      throw EReadError(SInvalidImage);
    ConvertObject(0);
  }

 private:
  void NewLine() {
    out_ += "\r\n";
    WriteIndent();
  }
  void WriteIndent() { out_.append(static_cast<size_t>(nesting_) * 2, ' '); }
  bool EndOfList() const { return in_.Peek() == vaNull; }
  void ReadListEnd() {
    if (in_.Byte() != vaNull) throw EReadError(SInvalidImage);
  }
  static void CheckDepth(int depth) {
    if (depth > kMaxNesting) throw EReadError(SStreamNestingTooDeep);
  }

  int64_t ReadInteger() {
    switch (in_.Byte()) {
      case vaInt8: return static_cast<int8_t>(in_.Unsigned(1));
      case vaInt16: return static_cast<int16_t>(in_.Unsigned(2));
      case vaInt32: return static_cast<int32_t>(in_.Unsigned(4));
      default: throw EReadError(SInvalidPropertyValue);
    }
  }

  void ConvertObject(int depth) {
    CheckDepth(depth);
    TFilerFlags flags;
    int64_t position = 0;
    if ((in_.Peek() & 0xF0) == 0xF0) {
      flags = TFilerFlags::FromBits(in_.Byte() & 0x0F);
      if (flags.contains(ffChildPos)) position = ReadInteger();
    }
    const std::string className = in_.ShortString();
    const std::string objectName = in_.ShortString();
    // The text has no way to write other names: they would not read back.
    if (!IsIdent(className)) throw EReadError(Format(SInvalidName, {className}));
    if (!objectName.empty() && !IsIdent(objectName))
      throw EReadError(Format(SInvalidName, {objectName}));
    WriteIndent();
    if (flags.contains(ffInherited))
      out_ += "inherited ";
    else if (flags.contains(ffInline))
      out_ += "inline ";
    else
      out_ += "object ";
    if (!objectName.empty()) out_ += objectName + ": ";
    out_ += className;
    if (flags.contains(ffChildPos)) out_ += " [" + std::to_string(position) + "]";
    out_ += "\r\n";
    ++nesting_;
    while (!EndOfList()) ConvertProperty(depth);
    ReadListEnd();
    while (!EndOfList()) ConvertObject(depth + 1);
    ReadListEnd();
    --nesting_;
    WriteIndent();
    out_ += "end\r\n";
  }

  void ConvertProperty(int depth) {
    const std::string name = in_.ShortString();
    // A first part that is a keyword of the text would be read as that keyword.
    if (!IsDottedIdent(name) ||
        IsOneOf(name.substr(0, name.find('.')), {"object", "inherited", "inline", "end"}))
      throw EReadError(SInvalidPropertyPath);
    WriteIndent();
    out_ += name + " = ";
    ConvertValue(depth + 1);
    out_ += "\r\n";
  }

  // Writes code units (bytes or UTF-16 units) with the framework's quoting and line splits.
  template <class Units>
  void WriteQuoted(const Units& s) {
    const size_t length = s.size();
    if (length == 0) {
      out_ += "''";
      return;
    }
    ++nesting_;
    if (length > kLineLength) NewLine();
    size_t i = 0, lineStart = 0;
    do {
      bool lineBreak = false;
      using Unit = typename Units::value_type;
      const uint32_t c = static_cast<std::make_unsigned_t<Unit>>(s[i]);
      if (PrintableInQuotes<Unit>(c)) {
        const size_t j = i;
        do {
          ++i;
        } while (i < length &&
                 PrintableInQuotes<Unit>(static_cast<std::make_unsigned_t<Unit>>(s[i])) &&
                 i - lineStart < kLineLength);
        if (i - lineStart >= kLineLength) lineBreak = true;
        out_ += '\'';
        for (size_t k = j; k < i; ++k) out_ += static_cast<char>(s[k]);
        out_ += '\'';
      } else {
        out_ += '#' + std::to_string(c);
        ++i;
        if (i - lineStart >= kLineLength) lineBreak = true;
      }
      if (lineBreak && i < length) {
        out_ += " +";
        NewLine();
        lineStart = i;
      }
    } while (i < length);
    --nesting_;
  }

  void ConvertBinary() {
    size_t count = in_.Unsigned(4);
    in_.Need(count);
    static const char hex[] = "0123456789ABCDEF";
    out_ += '{';
    ++nesting_;
    // Less than a line of data stays on the property's line.
    const bool ownLines = count >= kBytesPerLine;
    while (count > 0) {
      if (ownLines) NewLine();
      const size_t n = count < kBytesPerLine ? count : kBytesPerLine;
      for (size_t k = 0; k < n; ++k) {
        const uint8_t b = in_.Byte();
        out_ += hex[b >> 4];
        out_ += hex[b & 15];
      }
      count -= n;
    }
    --nesting_;
    out_ += '}';
  }

  void ConvertValue(int depth) {
    CheckDepth(depth);
    const uint8_t tag = in_.Byte();
    switch (tag) {
      case vaNull: out_ += "Null"; break;
      case vaList:
        out_ += '(';
        ++nesting_;
        while (!EndOfList()) {
          NewLine();
          ConvertValue(depth + 1);
        }
        ReadListEnd();
        --nesting_;
        out_ += ')';
        break;
      case vaInt8: out_ += std::to_string(static_cast<int8_t>(in_.Unsigned(1))); break;
      case vaInt16: out_ += std::to_string(static_cast<int16_t>(in_.Unsigned(2))); break;
      case vaInt32: out_ += std::to_string(static_cast<int32_t>(in_.Unsigned(4))); break;
      case vaInt64: out_ += std::to_string(static_cast<int64_t>(in_.Unsigned(8))); break;
      case vaExtended: {
        TExtended10 x;
        in_.ReadRaw(x.Bytes, sizeof x.Bytes);
        out_ += ExtendedText(x);
        break;
      }
      case vaSingle: {
        const uint32_t bits = static_cast<uint32_t>(in_.Unsigned(4));
        float f;
        std::memcpy(&f, &bits, sizeof f);
        out_ += SingleText(f);
        break;
      }
      case vaDate: {
        const uint64_t bits = in_.Unsigned(8);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        out_ += DateText(d);
        break;
      }
      case vaCurrency: out_ += std::to_string(static_cast<int64_t>(in_.Unsigned(8))) + "c"; break;
      case vaString: WriteQuoted(in_.ShortString()); break;
      case vaLString: {
        const size_t n = in_.Unsigned(4);
        WriteQuoted(in_.Bytes(n));
        break;
      }
      case vaWString: {
        const size_t n = in_.Unsigned(4);
        in_.Need(n * 2);
        std::u16string w(n, u'\0');
        for (size_t k = 0; k < n; ++k) w[k] = static_cast<char16_t>(in_.Unsigned(2));
        WriteQuoted(w);
        break;
      }
      case vaIdent: {
        // Identifiers that would read back as other values are refused with the others.
        const std::string ident = in_.ShortString();
        if (!IsDottedIdent(ident) || IsOneOf(ident, {"False", "True", "Null", "nil"}))
          throw EReadError(SInvalidPropertyValue);
        out_ += ident;
        break;
      }
      case vaFalse: out_ += "False"; break;
      case vaTrue: out_ += "True"; break;
      case vaNil: out_ += "nil"; break;
      case vaBinary: ConvertBinary(); break;
      case vaSet: {
        out_ += '[';
        bool first = true;
        for (;;) {
          const std::string name = in_.ShortString();
          if (name.empty()) break;
          if (!IsIdent(name) && !std::all_of(name.begin(), name.end(), IsDigit))
            throw EReadError(SInvalidPropertyValue);
          if (!first) out_ += ", ";
          out_ += name;
          first = false;
        }
        out_ += ']';
        break;
      }
      case vaCollection:
        out_ += '<';
        ++nesting_;
        while (!EndOfList()) {
          NewLine();
          out_ += "item";
          const uint8_t next = in_.Peek();
          if (next == vaInt8 || next == vaInt16 || next == vaInt32)
            out_ += " [" + std::to_string(ReadInteger()) + "]";
          if (in_.Byte() != vaList) throw EReadError(SInvalidPropertyValue);
          out_ += "\r\n";
          ++nesting_;
          while (!EndOfList()) ConvertProperty(depth + 1);
          ReadListEnd();
          --nesting_;
          WriteIndent();
          out_ += "end";
        }
        ReadListEnd();
        --nesting_;
        out_ += '>';
        break;
      default: throw EReadError(SInvalidPropertyValue);
    }
  }

  TBinarySource& in_;
  std::string& out_;
  int nesting_ = 0;
};

}  // namespace

namespace objecttext_internal {

// Reads everything from the stream's position to its end.
std::string ReadRest(TStream* stream) {
  const int64_t rest = stream->Remaining();
  std::string bytes(rest > 0 ? static_cast<size_t>(rest) : 0, '\0');
  constexpr size_t kChunk = size_t{1} << 30;
  for (size_t done = 0; done < bytes.size();) {
    const size_t n = std::min(kChunk, bytes.size() - done);
    stream->ReadBuffer(bytes.data() + done, static_cast<int32_t>(n));
    done += n;
  }
  return bytes;
}

void WriteAll(TStream* stream, const std::string& bytes) {
  constexpr size_t kChunk = size_t{1} << 30;
  for (size_t done = 0; done < bytes.size();) {
    const size_t n = std::min(kChunk, bytes.size() - done);
    stream->WriteBuffer(bytes.data() + done, static_cast<int32_t>(n));
    done += n;
  }
}

}  // namespace objecttext_internal

std::string ObjectBinaryToTextString(const std::string& binary) {
  TBinarySource in(reinterpret_cast<const uint8_t*>(binary.data()), binary.size());
  std::string text;
  TBinaryToText(in, text).Run();
  return text;
}

void ObjectBinaryToText(TStream* Input, TStream* Output) {
  const int64_t start = Input->Position();
  const std::string bytes = ReadRest(Input);
  TBinarySource in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  std::string text;
  TBinaryToText(in, text).Run();
  Input->Seek(start + static_cast<int64_t>(in.Position()), soBeginning);
  WriteAll(Output, text);
}

TStreamOriginalFormat TestStreamFormatString(const std::string& bytes) {
  if (bytes.size() >= 4 && bytes.compare(0, 4, FilerSignature) == 0) return sofBinary;
  if (bytes.size() >= 3 && bytes.compare(0, 3, std::string("\xFF\x0A\x00", 3)) == 0)
    return sofBinary;
  size_t i = 0;
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) <= ' ' && bytes[i] != '\0') ++i;
  size_t j = i;
  while (j < bytes.size() && IsIdentChar(bytes[j])) ++j;
  const std::string word = bytes.substr(i, j - i);
  if (SameTextAscii(word, "object") || SameTextAscii(word, "inherited") || SameTextAscii(word, "inline"))
    return sofText;
  return sofUnknown;
}

TStreamOriginalFormat TestStreamFormat(TStream* Stream) {
  const int64_t start = Stream->Position();
  std::string head(32, '\0');
  const int32_t n = Stream->Read(head.data(), static_cast<int32_t>(head.size()));
  Stream->Seek(start, soBeginning);
  head.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return TestStreamFormatString(head);
}

std::string BinaryFormFile(const std::string& binary) {
  TBinarySource in(reinterpret_cast<const uint8_t*>(binary.data()), binary.size());
  if (in.Remaining() < 4 || in.Bytes(4) != std::string(FilerSignature, 4))
    throw EReadError(SInvalidImage);
  if ((in.Peek() & 0xF0) == 0xF0 && (in.Byte() & (1 << ffChildPos)) != 0) {
    const uint8_t tag = in.Byte();
    if (tag < vaInt8 || tag > vaInt32) throw EReadError(SInvalidPropertyValue);
    in.Unsigned(tag == vaInt8 ? 1 : tag == vaInt16 ? 2 : 4);
  }
  // The IDE names the resource after the root's class (TFormBmp -> TFORMBMP), whatever the
  // object is called; the object's name only has to be there.
  const std::string className = in.ShortString();
  in.ShortString();
  if (binary.size() > UINT32_MAX) throw EWriteError(SBinaryTooLarge);
  std::string file = std::string("\xFF\x0A\x00", 3);
  for (char c : className) file += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  file += std::string("\x00\x30\x10", 3);
  for (int i = 0; i < 4; ++i) file += static_cast<char>((binary.size() >> (8 * i)) & 0xFF);
  return file + binary;
}

}  // namespace vcl
