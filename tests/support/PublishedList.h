// A class's published list as one line of text, for tables of what classes publish: the
// property names in order, "Name=v" for a property with the default v, "Name?" for one stored
// by a rule of the class and "Name!" for one never stored.
#pragma once

#include <string>
#include <utility>

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

// A table row of a published list, with "@control" or "@component" at its start standing for
// what every control publishes through TControl, or every component through TComponent.
inline std::string ExpandPublishedRow(std::string row) {
  static const char* const kControl =
      "Name! Tag=0 Left Top Width Height Cursor=crDefault Hint? HelpContext=0?";
  static const char* const kComponent = "Name! Tag=0";
  for (auto [macro, text] : {std::pair{"@control", kControl}, {"@component", kComponent}})
    if (row.rfind(macro, 0) == 0) row = text + row.substr(std::string(macro).size());
  return row;
}

}  // namespace testsupport
