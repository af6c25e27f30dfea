// A name fixed at compile time, given to a template as its argument: the templates that make a
// family of classes differing only in their names (exception kinds, handle types, the design
// package's settings-object editors) take the class's name as a TFixedName.
#pragma once

#include <cstddef>

namespace vcl {

template <std::size_t N>
struct TFixedName {
  // Implicit, so that a string literal is the template argument.
  constexpr TFixedName(const char (&Text)[N]) {
    for (std::size_t i = 0; i < N; ++i) text[i] = Text[i];
  }
  char text[N] = {};
};

}  // namespace vcl
