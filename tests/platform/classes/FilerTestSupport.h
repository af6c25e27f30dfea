// Builds binary form streams byte by byte, straight from the format's rules, for the form
// stream tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/classes/Filer.h"

namespace filertest {

class TFormBytes {
 public:
  TFormBytes& Signature() { return Raw("TPF0"); }
  TFormBytes& Byte(uint8_t b) {
    s_ += static_cast<char>(b);
    return *this;
  }
  TFormBytes& Raw(const std::string& bytes) {
    s_ += bytes;
    return *this;
  }
  TFormBytes& Le(uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) Byte(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
  TFormBytes& Short(const std::string& s) { return Byte(static_cast<uint8_t>(s.size())).Raw(s); }
  TFormBytes& Value(vcl::TValueType t) { return Byte(t); }
  TFormBytes& End() { return Byte(vcl::vaNull); }
  TFormBytes& Header(const std::string& cls, const std::string& name) { return Short(cls).Short(name); }
  TFormBytes& Prop(const std::string& name) { return Short(name); }
  TFormBytes& Int8(int8_t v) { return Value(vcl::vaInt8).Le(static_cast<uint8_t>(v), 1); }
  TFormBytes& Int16(int16_t v) { return Value(vcl::vaInt16).Le(static_cast<uint16_t>(v), 2); }
  TFormBytes& Int32(int32_t v) { return Value(vcl::vaInt32).Le(static_cast<uint32_t>(v), 4); }
  TFormBytes& Int64(int64_t v) { return Value(vcl::vaInt64).Le(static_cast<uint64_t>(v), 8); }
  TFormBytes& Str(const std::string& s) { return Value(vcl::vaString).Short(s); }
  TFormBytes& LStr(const std::string& s) { return Value(vcl::vaLString).Le(s.size(), 4).Raw(s); }
  TFormBytes& WStr(const std::u16string& w) {
    Value(vcl::vaWString).Le(w.size(), 4);
    for (char16_t c : w) Le(c, 2);
    return *this;
  }
  TFormBytes& Ident(const std::string& s) { return Value(vcl::vaIdent).Short(s); }
  TFormBytes& Extended(long double v) {
    const vcl::TExtended10 x = vcl::LongDoubleToExtended(v);
    return Value(vcl::vaExtended).Raw(std::string(reinterpret_cast<const char*>(x.Bytes), 10));
  }
  TFormBytes& Single(float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return Value(vcl::vaSingle).Le(bits, 4);
  }
  TFormBytes& Date(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    return Value(vcl::vaDate).Le(bits, 8);
  }
  TFormBytes& Currency(int64_t raw) { return Value(vcl::vaCurrency).Le(static_cast<uint64_t>(raw), 8); }
  TFormBytes& Binary(const std::string& bytes) { return Value(vcl::vaBinary).Le(bytes.size(), 4).Raw(bytes); }

  const std::string& Bytes() const { return s_; }
  operator const std::string&() const { return s_; }

 private:
  std::string s_;
};

}  // namespace filertest
