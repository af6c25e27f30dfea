// TSet<E>: the framework's "set of E" for enumerations with up to 64 values.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace vcl {

template <class E>
class TSet {
  static_assert(std::is_enum_v<E>, "TSet holds enumeration values");

 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values) bits_ |= Bit(v);
  }
  static constexpr TSet FromBits(uint64_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }

  constexpr uint64_t Bits() const { return bits_; }
  constexpr bool contains(E v) const { return (bits_ & Bit(v)) != 0; }
  constexpr bool empty() const { return bits_ == 0; }
  constexpr TSet& Include(E v) {
    bits_ |= Bit(v);
    return *this;
  }
  constexpr TSet& Exclude(E v) {
    bits_ &= ~Bit(v);
    return *this;
  }

  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
  friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }
  friend constexpr TSet operator+(TSet a, E v) { return a.Include(v); }
  friend constexpr TSet operator-(TSet a, E v) { return a.Exclude(v); }
  TSet& operator+=(TSet b) { bits_ |= b.bits_; return *this; }
  TSet& operator-=(TSet b) { bits_ &= ~b.bits_; return *this; }
  TSet& operator*=(TSet b) { bits_ &= b.bits_; return *this; }
  TSet& operator+=(E v) { return Include(v); }
  TSet& operator-=(E v) { return Exclude(v); }
  friend constexpr bool operator==(TSet a, TSet b) = default;
  // Subset and superset, as Pascal's <= and >= on sets.
  friend constexpr bool operator<=(TSet a, TSet b) { return (a.bits_ & ~b.bits_) == 0; }
  friend constexpr bool operator>=(TSet a, TSet b) { return b <= a; }

 private:
  static constexpr uint64_t Bit(E v) {
    const auto n = static_cast<uint64_t>(static_cast<std::underlying_type_t<E>>(v));
    return n < 64 ? (uint64_t{1} << n) : 0;
  }
  uint64_t bits_ = 0;
};

}  // namespace vcl
