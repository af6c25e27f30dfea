// Writes the library's reference, one Markdown page per palette page, from the type information
// of its classes: each class of the page with its ancestor chain, its published properties
// (type and default) and events, then the names of every enumeration and set the page's
// properties use. The pages come from the package's registration tables, so the reference
// follows the palette.
//   refdoc OUTDIR     writes OUTDIR/<page>.md ("ZYL Std" -> zyl-std.md)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "design/pZYLRegister.h"
#include "platform/classes/TypeInfo.h"
#include "platform/sys/Packages.h"

extern "C" void Initialize();
extern "C" void Finalize();

namespace {

std::string FileTag(const std::string& page) {
  std::string tag;
  for (char c : page) tag += (c == ' ') ? '-' : static_cast<char>(std::tolower(c));
  return tag;
}

std::string Ancestry(vcl::TClass cls) {
  std::string chain;
  for (vcl::TClass c = cls->ClassParent(); c; c = c->ClassParent()) {
    if (!chain.empty()) chain += " > ";
    chain += c->ClassName();
  }
  return chain;
}

// The default as a form file would show it; "" when the property has none to show.
std::string DefaultText(const vcl::TPropInfo* p) {
  if (!p->HasDefault()) return "";
  const vcl::TTypeInfo* t = p->PropType;
  switch (p->Kind()) {
    case vcl::tkEnumeration:
      if (p->Default >= 0 && p->Default < static_cast<int64_t>(t->Names.size()))
        return t->Names[static_cast<size_t>(p->Default)];
      return std::to_string(p->Default);
    case vcl::tkSet: return vcl::SetToString(t, static_cast<uint64_t>(p->Default), true);
    case vcl::tkInteger: {
      std::string ident;
      if (auto toIdent = vcl::FindIntToIdent(t);
          toIdent && toIdent(static_cast<int32_t>(p->Default), ident))
        return ident;
      return std::to_string(p->Default);
    }
    case vcl::tkChar: return "#" + std::to_string(p->Default);
    default: return std::to_string(p->Default);
  }
}

std::string Escaped(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '|') out += '\\';
    out += c;
  }
  return out;
}

void WriteClass(std::ostream& out, vcl::TClass cls,
                std::map<std::string, const vcl::TTypeInfo*>& enums) {
  out << "## " << cls->ClassName() << "\n\n";
  out << "Ancestors: " << Ancestry(cls) << "\n\n";
  std::ostringstream props, events;
  for (const vcl::TPropInfo* p : vcl::GetPropList(cls)) {
    const vcl::TTypeInfo* t = p->PropType;
    if (p->Kind() == vcl::tkMethod) {
      events << "| " << p->Name << " | " << t->Name() << " |\n";
      continue;
    }
    props << "| " << p->Name << " | " << t->Name() << " | " << Escaped(DefaultText(p)) << " |\n";
    if (p->Kind() == vcl::tkEnumeration && t->Name() != "Boolean") enums[t->Name()] = t;
    if (p->Kind() == vcl::tkSet && t->CompType) enums[t->CompType->Name()] = t->CompType;
  }
  if (!props.str().empty())
    out << "| Property | Type | Default |\n|---|---|---|\n" << props.str() << "\n";
  if (!events.str().empty()) out << "| Event | Type |\n|---|---|\n" << events.str() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: refdoc OUTDIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  Initialize();
  for (const zyl::TZYLRegUnit& unit : zyl::ZYLRegUnits()) {
    if (unit.Components.empty()) continue;
    const auto file = dir / (FileTag(unit.Page) + ".md");
    std::ofstream out(file, std::ios::binary);
    out << "# " << unit.Page << "\n\n"
        << "Generated from the classes' type information by tools/refdoc; do not edit.\n"
        << "Defaults are those a form file leaves out; a property without one is always written"
           " (strings and numbers when not empty or zero).\n\n";
    std::map<std::string, const vcl::TTypeInfo*> enums;
    for (const zyl::TZYLPaletteItem& item : unit.Components)
      if (item.Class) WriteClass(out, item.Class(), enums);
    if (!enums.empty()) {
      out << "## Enumerations\n\n";
      for (const auto& [name, type] : enums) {
        out << "- " << name << ":";
        for (const std::string& v : type->Names) out << " " << v;
        out << "\n";
      }
    }
    if (!out) {
      std::fprintf(stderr, "refdoc: cannot write %s\n", file.c_str());
      return 1;
    }
    std::printf("written %s\n", file.c_str());
  }
  Finalize();
  return 0;
}
