// Text to binary: the parser of the text form of a component stream and the conversion of
// what it reads into the binary form.
#include "platform/classes/ObjectText.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

#include "platform/classes/Filer.h"
#include "platform/classes/FilerInternal.h"
#include "platform/classes/ObjectTextInternal.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ClassicNumbers.h"

namespace vcl {
namespace {

using filer_detail::kMaxNesting;

using namespace objecttext_internal;

// ---------------------------------------------------------------------------------------------
// Text to binary.

enum : int { toEOF = 0, toSymbol = 1, toString = 2, toInteger = 3, toFloat = 4, toWString = 5 };

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

class TTextParser {
 public:
  explicit TTextParser(const std::string& text) : s_(text) { NextToken(); }

  int Token() const { return token_; }
  const std::string& TokenString() const { return tokenString_; }
  const std::u16string& TokenWide() const { return tokenWide_; }
  int64_t TokenInt() const { return tokenInt_; }
  long double TokenFloat() const { return tokenFloat_; }
  char FloatType() const { return floatType_; }
  // The float token was "+INF", "-INF", "+NAN" or "-NAN".
  bool SpecialFloat() const { return special_; }
  // Where the current token starts (the text's end at the end).
  size_t TokenStart() const { return tokenStart_; }
  int Line() const { return line_; }

  [[noreturn]] void Error(const std::string& message) const {
    throw EParserError(Format(SParseError, {message, line_}));
  }
  void CheckToken(int t) const {
    if (token_ == t) return;
    switch (t) {
      case toSymbol: Error(SIdentifierExpected);
      case toString: Error(SStringExpected);
      case toInteger:
      case toFloat: Error(SNumberExpected);
      default: Error(Format(SCharExpected, {std::string(1, static_cast<char>(t))}));
    }
  }
  bool TokenSymbolIs(const char* name) const {
    return token_ == toSymbol && SameTextAscii(tokenString_, name);
  }
  void CheckTokenSymbol(const char* name) const {
    if (!TokenSymbolIs(name)) Error(Format(SCharExpected, {name}));
  }
  // A dotted name ("Form1.Button1"), starting at the current symbol.
  std::string ComponentIdent() {
    CheckToken(toSymbol);
    std::string name = tokenString_;
    while (Peek() == '.') {
      ++pos_;
      NextToken();
      CheckToken(toSymbol);
      name += "." + tokenString_;
    }
    return name;
  }

  // Reads the hex digits of a binary value after '{' up to and including '}'.
  std::string HexToBinary() {
    std::string bytes;
    int high = -1;
    for (;;) {
      if (pos_ >= s_.size() || s_[pos_] == '\0') Error(SInvalidBinary);
      const char c = s_[pos_++];
      if (c == '}') break;
      if (c == '\n') ++line_;
      if (static_cast<unsigned char>(c) <= ' ') continue;
      const int h = HexValue(c);
      if (h < 0) Error(SInvalidBinary);
      if (high < 0) {
        high = h;
      } else {
        bytes += static_cast<char>(high * 16 + h);
        high = -1;
      }
    }
    if (high >= 0) Error(SInvalidBinary);
    NextToken();
    return bytes;
  }

  int NextToken() {
    SkipBlanks();
    tokenStart_ = pos_;
    tokenString_.clear();
    tokenWide_.clear();
    floatType_ = 0;
    special_ = false;
    if (pos_ >= s_.size() || s_[pos_] == '\0') return token_ = toEOF;
    const char c = s_[pos_];
    if (IsIdentStart(c)) {
      const size_t start = pos_;
      while (pos_ < s_.size() && IsIdentChar(s_[pos_])) ++pos_;
      tokenString_ = s_.substr(start, pos_ - start);
      return token_ = toSymbol;
    }
    if (c == '\'' || c == '#') return token_ = ReadString();
    if (c == '$') return token_ = ReadHex();
    if ((c == '+' || c == '-') && pos_ + 3 < s_.size() &&
        (SameTextAscii(s_.substr(pos_ + 1, 3), "INF") ||
         SameTextAscii(s_.substr(pos_ + 1, 3), "NAN"))) {
      const bool nan = SameTextAscii(s_.substr(pos_ + 1, 3), "NAN");
      long double v = nan ? std::nanl("") : HUGE_VALL;
      if (c == '-') v = -v;
      tokenFloat_ = v;
      special_ = true;
      pos_ += 4;
      ReadFloatType();
      return token_ = toFloat;
    }
    if (c == '-' || IsDigit(c)) return token_ = ReadNumber();
    ++pos_;
    tokenString_ = std::string(1, c);
    return token_ = static_cast<unsigned char>(c);
  }

 private:
  char Peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }

  void SkipBlanks() {
    while (pos_ < s_.size()) {
      const unsigned char c = static_cast<unsigned char>(s_[pos_]);
      if (c == 0 || c > ' ') break;
      if (c == '\n') ++line_;
      ++pos_;
    }
  }

  void ReadFloatType() {
    const char t = Peek();
    if (t == 's' || t == 'S' || t == 'c' || t == 'C' || t == 'd' || t == 'D') {
      floatType_ = static_cast<char>(t | 0x20);
      ++pos_;
    }
  }

  int ReadString() {
    std::u16string units;
    bool wide = false;
    for (;;) {
      const char c = Peek();
      if (c == '\'') {
        ++pos_;
        for (;;) {
          if (pos_ >= s_.size() || s_[pos_] == '\0' || s_[pos_] == '\r' || s_[pos_] == '\n')
            Error(SUnterminatedString);
          const char d = s_[pos_++];
          if (d == '\'') {
            if (Peek() != '\'') break;
            ++pos_;
          }
          units += static_cast<char16_t>(static_cast<unsigned char>(d));
        }
      } else if (c == '#') {
        ++pos_;
        uint32_t code = 0;
        bool any = false;
        if (Peek() == '$') {
          ++pos_;
          while (HexValue(Peek()) >= 0) {
            code = code * 16 + static_cast<uint32_t>(HexValue(s_[pos_++]));
            any = true;
            if (code > 0xFFFF) Error(SInvalidCharCode);
          }
        } else {
          while (IsDigit(Peek())) {
            code = code * 10 + static_cast<uint32_t>(s_[pos_++] - '0');
            any = true;
            if (code > 0xFFFF) Error(SInvalidCharCode);
          }
        }
        if (!any) Error(SInvalidCharCode);
        if (code > 255) wide = true;
        units += static_cast<char16_t>(code);
      } else {
        break;
      }
    }
    if (wide) {
      tokenWide_ = units;
      return toWString;
    }
    tokenString_.resize(units.size());
    for (size_t i = 0; i < units.size(); ++i) tokenString_[i] = static_cast<char>(units[i]);
    return toString;
  }

  int ReadHex() {
    const size_t start = pos_++;
    uint64_t v = 0;
    int digits = 0;
    while (HexValue(Peek()) >= 0) {
      v = v * 16 + static_cast<uint64_t>(HexValue(s_[pos_++]));
      if (++digits > 16) Error(SIntegerOutOfRange);
    }
    if (digits == 0) Error(SNumberExpected);
    tokenString_ = s_.substr(start, pos_ - start);
    tokenInt_ = static_cast<int64_t>(v);
    return toInteger;
  }

  int ReadNumber() {
    const size_t start = pos_;
    ++pos_;
    while (IsDigit(Peek())) ++pos_;
    int result = toInteger;
    while (IsDigit(Peek()) || Peek() == '.' || Peek() == 'e' || Peek() == 'E' || Peek() == '+' ||
           Peek() == '-') {
      ++pos_;
      result = toFloat;
    }
    tokenString_ = s_.substr(start, pos_ - start);
    ReadFloatType();
    if (floatType_) result = toFloat;
    if (tokenString_ == "-") Error(SNumberExpected);
    if (result == toInteger ||
        (floatType_ == 'c' && tokenString_.find_first_of(".eE") == std::string::npos)) {
      errno = 0;
      char* end = nullptr;
      const long long v = std::strtoll(tokenString_.c_str(), &end, 10);
      if (errno == ERANGE || *end) Error(SIntegerOutOfRange);
      tokenInt_ = v;
      tokenFloat_ = static_cast<long double>(v);
      return result;
    }
    char* end = nullptr;
    const TClassicNumbers classic;
    tokenFloat_ = std::strtold(tokenString_.c_str(), &end);
    if (end == tokenString_.c_str() || *end) Error(Format(SInvalidFloatText, {tokenString_}));
    return result;
  }

  const std::string& s_;
  size_t pos_ = 0;
  size_t tokenStart_ = 0;
  int line_ = 1;
  int token_ = toEOF;
  std::string tokenString_;
  std::u16string tokenWide_;
  int64_t tokenInt_ = 0;
  long double tokenFloat_ = 0;
  char floatType_ = 0;
  bool special_ = false;
};

class TBinarySink {
 public:
  explicit TBinarySink(std::string& out) : out_(out) {}
  void Value(uint8_t tag) { out_ += static_cast<char>(tag); }
  void Raw(const void* p, size_t n) { out_.append(static_cast<const char*>(p), n); }
  void Unsigned(uint64_t v, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) out_ += static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  void ShortString(const std::string& s, const TTextParser& parser) {
    if (s.size() > 255) parser.Error(SNameTooLong);
    out_ += static_cast<char>(s.size());
    out_ += s;
  }
  void Integer(int64_t v) {
    if (v >= -128 && v <= 127) {
      Value(vaInt8);
      Unsigned(static_cast<uint64_t>(v), 1);
    } else if (v >= -32768 && v <= 32767) {
      Value(vaInt16);
      Unsigned(static_cast<uint64_t>(v), 2);
    } else if (v >= INT32_MIN && v <= INT32_MAX) {
      Value(vaInt32);
      Unsigned(static_cast<uint64_t>(v), 4);
    } else {
      Value(vaInt64);
      Unsigned(static_cast<uint64_t>(v), 8);
    }
  }
  void String(const std::string& s) {
    if (s.size() <= 255) {
      Value(vaString);
      out_ += static_cast<char>(s.size());
    } else {
      Value(vaLString);
      Unsigned(s.size(), 4);
    }
    out_ += s;
  }
  int64_t Size() const { return static_cast<int64_t>(out_.size()); }
  void WideString(const std::u16string& w) {
    Value(vaWString);
    Unsigned(w.size(), 4);
    for (char16_t c : w) Unsigned(c, 2);
  }

 private:
  std::string& out_;
};

class TTextToBinary {
 public:
  TTextToBinary(TTextParser& parser, std::string& out, TTextLines* lines = nullptr)
      : p_(parser), w_(out), lines_(lines) {}

  void Run() {
    w_.Raw(FilerSignature, 4);
    ConvertObject(0);
  }

 private:
  void CheckDepth(int depth) const {
    if (depth > kMaxNesting) p_.Error(SParserNestingTooDeep);
  }

  bool AtObjectKeyword() const {
    return p_.TokenSymbolIs("OBJECT") || p_.TokenSymbolIs("INHERITED") ||
           p_.TokenSymbolIs("INLINE");
  }

  void ConvertObject(int depth) {
    CheckDepth(depth);
    if (!AtObjectKeyword()) p_.Error(Format(SCharExpected, {"object"}));
    const bool isInherited = p_.TokenSymbolIs("INHERITED");
    const bool isInline = p_.TokenSymbolIs("INLINE");
    p_.NextToken();
    p_.CheckToken(toSymbol);
    std::string className = p_.TokenString(), objectName;
    if (p_.NextToken() == ':') {
      p_.NextToken();
      p_.CheckToken(toSymbol);
      objectName = className;
      className = p_.TokenString();
      p_.NextToken();
    }
    TFilerFlags flags;
    if (isInherited) flags += ffInherited;
    if (isInline) flags += ffInline;
    int64_t position = 0;
    if (p_.Token() == '[') {
      p_.NextToken();
      p_.CheckToken(toInteger);
      position = p_.TokenInt();
      p_.NextToken();
      p_.CheckToken(']');
      p_.NextToken();
      flags += ffChildPos;
    }
    if (!flags.empty()) {
      w_.Value(static_cast<uint8_t>(0xF0 | flags.Bits()));
      if (flags.contains(ffChildPos)) w_.Integer(position);
    }
    w_.ShortString(className, p_);
    w_.ShortString(objectName, p_);
    while (!p_.TokenSymbolIs("END") && !AtObjectKeyword()) ConvertProperty(depth);
    w_.Value(vaNull);
    while (!p_.TokenSymbolIs("END")) ConvertObject(depth + 1);
    w_.Value(vaNull);
    p_.NextToken();
  }

  void ConvertProperty(int depth) {
    p_.CheckToken(toSymbol);
    if (lines_) lines_->Add(w_.Size(), p_.Line());
    std::string name = p_.TokenString();
    p_.NextToken();
    while (p_.Token() == '.') {
      p_.NextToken();
      p_.CheckToken(toSymbol);
      name += "." + p_.TokenString();
      p_.NextToken();
    }
    w_.ShortString(name, p_);
    p_.CheckToken('=');
    p_.NextToken();
    ConvertValue(depth + 1);
  }

  // In a list a Null would end the list: it is refused there.
  void ConvertValue(int depth, bool inList = false) {
    CheckDepth(depth);
    const int token = p_.Token();
    if (token == toString || token == toWString) {
      // Pieces joined with '+'; one wide piece makes the whole value a wide string.
      std::u16string units;
      bool isWide = false;
      for (;;) {
        if (p_.Token() == toString) {
          for (char c : p_.TokenString())
            units += static_cast<char16_t>(static_cast<unsigned char>(c));
        } else {
          isWide = true;
          units += p_.TokenWide();
        }
        p_.NextToken();
        if (p_.Token() != '+') break;
        p_.NextToken();
        if (p_.Token() != toString && p_.Token() != toWString) p_.Error(SStringExpected);
      }
      if (isWide) {
        w_.WideString(units);
      } else {
        std::string narrow(units.size(), '\0');
        for (size_t i = 0; i < units.size(); ++i) narrow[i] = static_cast<char>(units[i]);
        w_.String(narrow);
      }
      return;
    }
    switch (token) {
      case toSymbol: {
        const std::string ident = p_.ComponentIdent();
        if (SameTextAscii(ident, "False"))
          w_.Value(vaFalse);
        else if (SameTextAscii(ident, "True"))
          w_.Value(vaTrue);
        else if (SameTextAscii(ident, "Null") && !inList)
          w_.Value(vaNull);
        else if (SameTextAscii(ident, "Null"))
          p_.Error(SInvalidPropertyValue);
        else if (SameTextAscii(ident, "nil"))
          w_.Value(vaNil);
        else {
          w_.Value(vaIdent);
          w_.ShortString(ident, p_);
        }
        p_.NextToken();
        break;
      }
      case toInteger:
        w_.Integer(p_.TokenInt());
        p_.NextToken();
        break;
      case toFloat: ConvertFloat(); break;
      case '[': {
        p_.NextToken();
        w_.Value(vaSet);
        if (p_.Token() != ']') {
          for (;;) {
            if (p_.Token() != toInteger) p_.CheckToken(toSymbol);
            w_.ShortString(p_.TokenString(), p_);
            if (p_.NextToken() == ']') break;
            p_.CheckToken(',');
            p_.NextToken();
          }
        }
        w_.ShortString("", p_);
        p_.NextToken();
        break;
      }
      case '(':
        p_.NextToken();
        w_.Value(vaList);
        while (p_.Token() != ')') ConvertValue(depth + 1, true);
        w_.Value(vaNull);
        p_.NextToken();
        break;
      case '{': {
        const std::string bytes = p_.HexToBinary();
        w_.Value(vaBinary);
        w_.Unsigned(bytes.size(), 4);
        w_.Raw(bytes.data(), bytes.size());
        break;
      }
      case '<':
        p_.NextToken();
        w_.Value(vaCollection);
        while (p_.Token() != '>') {
          p_.CheckTokenSymbol("item");
          p_.NextToken();
          if (p_.Token() == '[') {
            p_.NextToken();
            p_.CheckToken(toInteger);
            w_.Integer(p_.TokenInt());
            p_.NextToken();
            p_.CheckToken(']');
            p_.NextToken();
          }
          w_.Value(vaList);
          while (!p_.TokenSymbolIs("END")) ConvertProperty(depth + 1);
          w_.Value(vaNull);
          p_.NextToken();
        }
        w_.Value(vaNull);
        p_.NextToken();
        break;
      default: p_.Error(SInvalidPropertyValue);
    }
  }

  // A float or a double goes to the stream as its bit pattern behind the value's tag.
  template <class F>
  void FloatValue(TValueType tag, F value) {
    using TBits = std::conditional_t<sizeof(F) == 4, uint32_t, uint64_t>;
    w_.Value(tag);
    w_.Unsigned(std::bit_cast<TBits>(value), sizeof value);
  }

  void ConvertFloat() {
    const long double v = p_.TokenFloat();
    const std::string& text = p_.TokenString();
    const bool special = p_.SpecialFloat();
    const TClassicNumbers classic;
    switch (p_.FloatType()) {
      case 's':
        FloatValue(vaSingle, special ? static_cast<float>(v) : std::strtof(text.c_str(), nullptr));
        break;
      case 'd':
        FloatValue(vaDate, special ? static_cast<double>(v) : std::strtod(text.c_str(), nullptr));
        break;
      case 'c': {
        int64_t raw;
        if (!special && text.find_first_of(".eE") == std::string::npos) {
          raw = p_.TokenInt();
        } else {
          const long double r = std::nearbyint(v);
          if (!(std::fabs(r) < 9.2233720368547758e18L)) p_.Error(SCurrencyOutOfRange);
          raw = static_cast<int64_t>(r);
        }
        w_.Value(vaCurrency);
        w_.Unsigned(static_cast<uint64_t>(raw), 8);
        break;
      }
      default: {
        const TExtended10 x = LongDoubleToExtended(special ? v : ParseExtendedText(text));
        w_.Value(vaExtended);
        w_.Raw(x.Bytes, sizeof x.Bytes);
      }
    }
    p_.NextToken();
  }

  TTextParser& p_;
  TBinarySink w_;
  TTextLines* lines_;
};

}  // namespace

std::string ObjectTextToBinaryString(const std::string& text) {
  TTextParser parser(text);
  std::string binary;
  TTextToBinary(parser, binary).Run();
  return binary;
}

int TTextLines::LineAt(int64_t Offset) const {
  const auto it = std::lower_bound(entries_.begin(), entries_.end(), Offset,
                                   [](const TEntry& e, int64_t o) { return e.Offset < o; });
  return it != entries_.end() && it->Offset == Offset ? it->Line : 0;
}

void ObjectTextToBinary(TStream* Input, TStream* Output) {
  TTextLines ignored;
  ObjectTextToBinary(Input, Output, ignored);
}

void ObjectTextToBinary(TStream* Input, TStream* Output, TTextLines& Lines) {
  const int64_t start = Input->Position();
  const std::string text = ReadRest(Input);
  TTextParser parser(text);
  std::string binary;
  TTextToBinary(parser, binary, &Lines).Run();
  // The input stays at what follows the component's "end".
  Input->Seek(start + static_cast<int64_t>(parser.TokenStart()), soBeginning);
  WriteAll(Output, binary);
}
}  // namespace vcl
