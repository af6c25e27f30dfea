// A class's published list as one line of text, for tables of what classes publish: the
// property names in order, "Name=v" for a property with the default v, "Name?" for one stored
// by a rule of the class and "Name!" for one never stored.
#pragma once

#include <string>

#include "platform/classes/TypeInfo.h"

namespace testsupport {

inline std::string DefaultText(const vcl::TPropInfo* p) {
  switch (p->Kind()) {
    case vcl::tkEnumeration: return vcl::GetEnumName(p->PropType, p->Default);
    case vcl::tkSet: return vcl::SetToString(p->PropType, static_cast<uint64_t>(p->Default), true);
    case vcl::tkInteger: {
      std::string ident;
      vcl::TIntToIdent toIdent = vcl::FindIntToIdent(p->PropType);
      if (toIdent && toIdent(static_cast<int32_t>(p->Default), ident)) return ident;
      return std::to_string(p->Default);
    }
    default: return std::to_string(p->Default);
  }
}

inline std::string PublishedList(vcl::TClass cls) {
  std::string s;
  for (const vcl::TPropInfo* p : vcl::GetPropList(cls)) {
    if (!s.empty()) s += ' ';
    s += p->Name;
    if (p->HasDefault()) s += '=' + DefaultText(p);
    if (p->StoredRule == vcl::srPredicate) s += '?';
    if (p->StoredRule == vcl::srNever) s += '!';
  }
  return s;
}

}  // namespace testsupport
