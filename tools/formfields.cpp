// formfields: makes an editor form's component fields from its form file, for the build.
//
//   formfields LAYOUT OUTDIR NAMESPACE [SHARED...]
//   formfields SHARED OUTDIR
//
// LAYOUT is a form file in text form (<Folder>/<Form>.dfm) of a form class of NAMESPACE,
// declared in <Folder>/<Form>.h. Into OUTDIR it writes
//   <Form>.layout.cpp    the definition of the form class's FormLayout: the form file as it
//                        stands, for the unit that registers it;
//   <Form>.fields.h      one field per component of the file, typed by the component's class,
//                        the template DescribeFields that publishes them and the declaration of
//                        FormLayout; the form's header includes it inside the class body, where
//                        the access is public;
//   <Form>.fieldtypes.h  the declarations of the classes those fields name, for the top of the
//                        form's header.
// A component that one of the SHARED lists declares, by the same name, for a class the form
// derives from (the list names the form) gets no field of its own: the ancestor's is used, and
// its class must agree.
//
// SHARED (<Folder>/<Class>.fields) declares the fields of a base class of several forms:
//   # comment
//   class TZYLListEditorForm
//   forms pZYLBitmapListEditor pZYLImageListEditor    (the forms: one "forms" line or more)
//   lb: TZYLListBox
// and writes <Class>.fields.h and <Class>.fieldtypes.h alike.
//
// A component without a name, one whose class is not in the class table below, a name given
// twice and a name that is no C++ identifier are refused: the build stops with the file, the line
// and what is wrong. Exit codes: 0 written, 1 refused or unreadable, 2 usage.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The classes an editor form may hold, with their namespaces. A form file naming a class not
// listed here is refused: add the class here (and include its header in the form's unit).
struct TKnownClass {
  const char* Name;
  const char* Namespace;
};

constexpr TKnownClass kClasses[] = {
    {"TAnimate", "vcl"},
    {"TBevel", "vcl"},
    {"TBitBtn", "vcl"},
    {"TButton", "vcl"},
    {"TCheckBox", "vcl"},
    {"TColorDialog", "vcl"},
    {"TComboBox", "vcl"},
    {"TDateTimePicker", "vcl"},
    {"TDirectoryListBox", "vcl"},
    {"TDriveComboBox", "vcl"},
    {"TEdit", "vcl"},
    {"TFileListBox", "vcl"},
    {"TFindDialog", "vcl"},
    {"TFontDialog", "vcl"},
    {"TGroupBox", "vcl"},
    {"TImage", "vcl"},
    {"TLabel", "vcl"},
    {"TListBox", "vcl"},
    {"TMainMenu", "vcl"},
    {"TMemo", "vcl"},
    {"TMenuItem", "vcl"},
    {"TOpenDialog", "vcl"},
    {"TOpenPictureDialog", "vcl"},
    {"TPageControl", "vcl"},
    {"TPaintBox", "vcl"},
    {"TPanel", "vcl"},
    {"TPopupMenu", "vcl"},
    {"TPrintDialog", "vcl"},
    {"TRadioButton", "vcl"},
    {"TReplaceDialog", "vcl"},
    {"TSaveDialog", "vcl"},
    {"TSavePictureDialog", "vcl"},
    {"TScrollBox", "vcl"},
    {"TShape", "vcl"},
    {"TSpeedButton", "vcl"},
    {"TStaticText", "vcl"},
    {"TStringGrid", "vcl"},
    {"TTabSheet", "vcl"},
    {"TZYLBitmapList", "zyl"},
    {"TZYLButton", "zyl"},
    {"TZYLCheckBox", "zyl"},
    {"TZYLCheckGroup", "zyl"},
    {"TZYLColorComboBox", "zyl"},
    {"TZYLColorListBox", "zyl"},
    {"TZYLDrawEdge", "zyl"},
    {"TZYLEdit", "zyl"},
    {"TZYLFMDrop", "zyl"},
    {"TZYLFill", "zyl"},
    {"TZYLFontComboBox", "zyl"},
    {"TZYLFontSizeComboBox", "zyl"},
    {"TZYLForm", "zyl"},
    {"TZYLFormStyler", "zyl"},
    {"TZYLGlyphLabel", "zyl"},
    {"TZYLGraphicLabel", "zyl"},
    {"TZYLImageList", "zyl"},
    {"TZYLInformationLabel", "zyl"},
    {"TZYLIniCtrl", "zyl"},
    {"TZYLLEDLabel", "zyl"},
    {"TZYLLImage", "zyl"},
    {"TZYLLabel", "zyl"},
    {"TZYLListBox", "zyl"},
    {"TZYLMRUList", "zyl"},
    {"TZYLNImage", "zyl"},
    {"TZYLProgress", "zyl"},
    {"TZYLProgressFill", "zyl"},
    {"TZYLShapeControl", "zyl"},
    {"TZYLSimpleLabel", "zyl"},
    {"TZYLSimplePanel", "zyl"},
    {"TZYLSpeedButton", "zyl"},
    {"TZYLSpinEdit", "zyl"},
    {"TZYLStatusBar", "zyl"},
    {"TZYLWaveComp", "zyl"},
};

const char* NamespaceOf(const std::string& className) {
  for (const TKnownClass& c : kClasses)
    if (className == c.Name) return c.Namespace;
  return nullptr;
}

// A problem of an input file, reported as "<file>:<line>: <what>".
class EFormFields : public std::runtime_error {
 public:
  EFormFields(const std::string& file, int line, const std::string& what)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + what) {}
};

struct TField {
  std::string Name;
  std::string Class;
  int Line = 0;
};

// What a form file or a shared list declares: the class that holds the fields, the fields in
// the file's order, and (for a shared list) the forms deriving from the class.
struct TFieldSet {
  std::string File;
  std::string Owner;
  std::vector<TField> Fields;
  std::set<std::string> Forms;
};

bool IsIdentifier(const std::string& s) {
  if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
  return std::all_of(s.begin(), s.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFormFields(path, 0, "cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Adds "Name: Class" (the text after the keyword of an object line, or a line of a shared
// list) to the set, refusing what cannot become a field.
void AddField(TFieldSet& set, const std::string& decl, int line) {
  const size_t colon = decl.find(':');
  if (colon == std::string::npos)
    throw EFormFields(set.File, line, "the component \"" + decl + "\" has no name, so no field");
  TField f{Trim(decl.substr(0, colon)), Trim(decl.substr(colon + 1)), line};
  if (!IsIdentifier(f.Name))
    throw EFormFields(set.File, line, "\"" + f.Name + "\" cannot name a field");
  if (!IsIdentifier(f.Class))
    throw EFormFields(set.File, line, "\"" + f.Class + "\" is no class name");
  if (!NamespaceOf(f.Class))
    throw EFormFields(set.File, line,
                      "the component " + f.Name + " is a " + f.Class +
                          ", a class formfields cannot type: add it to its class table");
  for (const TField& other : set.Fields)
    if (Lower(other.Name) == Lower(f.Name))
      throw EFormFields(set.File, line, "the name " + f.Name + " is given twice");
  set.Fields.push_back(f);
}

// Every "object", "inherited" and "inline" line of a form file in text form: the first is the
// form (its class holds the fields), the others its components.
TFieldSet ReadLayout(const std::string& path) {
  TFieldSet set{path, {}, {}, {}};
  const std::vector<std::string> lines = Lines(ReadText(path));
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    const size_t space = line.find(' ');
    const std::string keyword = line.substr(0, space);
    if (space == std::string::npos ||
        (keyword != "object" && keyword != "inherited" && keyword != "inline"))
      continue;
    const int number = static_cast<int>(i) + 1;
    std::string decl = Trim(line.substr(space + 1));
    if (const size_t index = decl.find('['); index != std::string::npos)
      decl = Trim(decl.substr(0, index));  // "object Name: TClass [2]" (an inline order)
    if (set.Owner.empty()) {
      const size_t colon = decl.find(':');
      set.Owner = Trim(colon == std::string::npos ? decl : decl.substr(colon + 1));
      if (!IsIdentifier(set.Owner)) throw EFormFields(path, number, "the form has no class name");
      continue;
    }
    AddField(set, decl, number);
  }
  if (set.Owner.empty()) throw EFormFields(path, 1, "no form in the file");
  return set;
}

TFieldSet ReadShared(const std::string& path) {
  TFieldSet set{path, {}, {}, {}};
  const std::vector<std::string> lines = Lines(ReadText(path));
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    const int number = static_cast<int>(i) + 1;
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("class ", 0) == 0) {
      set.Owner = Trim(line.substr(6));
      if (!IsIdentifier(set.Owner)) throw EFormFields(path, number, "no class name");
    } else if (line.rfind("forms ", 0) == 0) {
      // Each form named has its form file beside the list (a form renamed or gone is no
      // longer a reason to leave components out).
      const size_t slash = path.find_last_of('/');
      const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
      std::istringstream forms(line.substr(6));
      for (std::string form; forms >> form;) {
        if (!std::ifstream(folder + form + ".dfm"))
          throw EFormFields(path, number,
                            "the form " + form + " has no form file " + folder + form + ".dfm");
        set.Forms.insert(form);
      }
    } else {
      AddField(set, line, number);
    }
  }
  if (set.Owner.empty()) throw EFormFields(path, 1, "no \"class\" line");
  return set;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.substr(0, name.find('.'));
}

// Drops the components an ancestor's shared list declares, checking that the classes agree.
void DropInherited(TFieldSet& form, const TFieldSet& shared) {
  std::vector<TField> own;
  for (const TField& f : form.Fields) {
    // Only the same name is the ancestor's: a component whose name differs in case gets a field
    // of its own, which the reader finds first (it looks at the form's class before its
    // ancestors').
    auto it = std::find_if(shared.Fields.begin(), shared.Fields.end(),
                           [&](const TField& s) { return s.Name == f.Name; });
    if (it == shared.Fields.end()) {
      own.push_back(f);
    } else if (it->Class != f.Class) {
      throw EFormFields(form.File, f.Line,
                        "the component " + f.Name + " is a " + f.Class + ", but " + shared.Owner +
                            " declares it a " + it->Class + " (" + shared.File + ":" +
                            std::to_string(it->Line) + ")");
    }
  }
  form.Fields = own;
}

void WriteIfChanged(const std::string& path, const std::string& text) {
  {
    std::ifstream old(path, std::ios::binary);
    if (old) {
      std::ostringstream was;
      was << old.rdbuf();
      if (was.str() == text) return;  // an unchanged header rebuilds nothing
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw EFormFields(path, 0, "cannot be written");
}

// Text as "//" comment lines of at most 100 columns.
std::string Comment(const std::string& text) {
  std::string out, line = "//";
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    if (line.size() + 1 + word.size() > 100) {
      out += line + "\n";
      line = "//";
    }
    line += " " + word;
  }
  return out + line + "\n";
}

std::string Header(const TFieldSet& set) {
  return Comment("Generated by tools/formfields from " + set.File + ": do not edit.");
}

std::string FieldTypes(const TFieldSet& set) {
  std::map<std::string, std::set<std::string>> byNamespace;
  for (const TField& f : set.Fields) byNamespace[NamespaceOf(f.Class)].insert(f.Class);
  std::string text = Header(set) +
                     Comment("The classes the fields of " + set.Owner + " name (" +
                             BaseName(set.File) + ".fields.h).") +
                     "#pragma once\n";
  for (const auto& [ns, classes] : byNamespace) {
    text += "\nnamespace " + ns + " {\n";
    for (const std::string& c : classes) text += "class " + c + ";\n";
    text += "}  // namespace " + ns + "\n";
  }
  return text;
}

std::string Fields(const TFieldSet& set, bool form) {
  const std::string which = set.Forms.empty() ? "one per component of the form file"
                                              : "one per component its forms share";
  std::string text = Header(set) + Comment("The fields of " + set.Owner + ", " + which +
                                           " (the reader sets each to the component of its "
                                           "name), and DescribeFields, which publishes them. "
                                           "The class body includes this where the access is "
                                           "public.");
  for (const TField& f : set.Fields)
    text += std::string(NamespaceOf(f.Class)) + "::" + f.Class + "* " + f.Name + " = nullptr;\n";
  text +=
      "\n" + Comment("Publishes the fields above; " + set.Owner + "'s class description calls it.");
  text += "template <class Builder>\n";
  if (set.Fields.empty()) {
    text += "static void DescribeFields(Builder&) {}\n";
  } else {
    text += "static void DescribeFields(Builder& b) {\n";
    for (const TField& f : set.Fields)
      text += "  b.Field(\"" + f.Name + "\", &" + set.Owner + "::" + f.Name + ");\n";
    text += "}\n";
  }
  if (form)
    text += "\n" +
            Comment("The form file " + set.File + " as it stands (" + BaseName(set.File) +
                    ".layout.cpp): what the form's unit registers for " + set.Owner + ".") +
            "static const char* FormLayout();\n";
  return text;
}

// The definition of the form class's FormLayout: the form file as a raw string literal,
// exactly as it stands. The class is declared in the header beside the form file.
std::string Layout(const TFieldSet& form, const std::string& ns) {
  const std::string text = ReadText(form.File);
  if (text.find(")zyllayout\"") != std::string::npos)
    throw EFormFields(form.File, 0, "holds the literal's end marker");
  const std::string header = form.File.substr(0, form.File.size() - 4) + ".h";
  return Header(form) + "#include \"" + header + "\"\n\nconst char* " + ns + "::" + form.Owner +
         "::FormLayout() {\n  return R\"zyllayout(" + text + ")zyllayout\";\n}\n";
}

void Write(const TFieldSet& set, const std::string& outDir, bool form) {
  const std::string stem = outDir + "/" + BaseName(set.File);
  WriteIfChanged(stem + ".fieldtypes.h", FieldTypes(set));
  WriteIfChanged(stem + ".fields.h", Fields(set, form));
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool layout = args.size() >= 3 && EndsWith(args[0], ".dfm") && IsIdentifier(args[2]);
  const bool shared = args.size() == 2 && EndsWith(args[0], ".fields");
  if (!layout && !shared) {
    std::fprintf(stderr,
                 "usage: formfields <Form>.dfm OUTDIR NAMESPACE [<Class>.fields...]\n"
                 "       formfields <Class>.fields OUTDIR\n"
                 "  writes the fields of a form's components (and the form file as a literal)\n");
    return 2;
  }
  try {
    if (shared) {
      Write(ReadShared(args[0]), args[1], false);
      return 0;
    }
    TFieldSet form = ReadLayout(args[0]);
    for (size_t i = 3; i < args.size(); ++i) {
      const TFieldSet ancestor = ReadShared(args[i]);
      if (ancestor.Forms.count(BaseName(args[0]))) DropInherited(form, ancestor);
    }
    Write(form, args[1], true);
    WriteIfChanged(args[1] + "/" + BaseName(args[0]) + ".layout.cpp", Layout(form, args[2]));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "formfields: %s\n", e.what());
    return 1;
  }
}
