// The text model of an INI file, shared by TIniFile and TMemIniFile.
//
// Every line of the file is kept, so that rewriting keeps comments, blank lines and lines that
// mean nothing. The rules:
// - Lines are split at CR LF, LF or CR; written back with CR LF.
// - "[name]" (blanks around and inside the brackets trimmed) starts a section; text after the
//   ']' is ignored; a '[' line without ']' means nothing.
// - In a section, "key=value": the key is the text before the first '=', the value the text
//   after it, both with surrounding blanks and tabs trimmed. A line starting with ';' is a
//   comment; lines without '=' or with an empty key, and lines before the first section, mean
//   nothing (they are kept but never read).
// - Section and key names compare case-insensitively (code page 1252). When a key occurs twice,
//   the first occurrence wins; a section that occurs twice reads as one (the first occurrence
//   wins per key).
//
// Reads go through an index of sections and keys, built once after the text changed shape
// (parsing, adding or removing lines), so reading a whole file costs time in proportion to
// its size.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vcl {

class TIniText {
 public:
  void Parse(const std::string& text);
  std::string Text() const;
  void Clear();
  bool Empty() const { return lines_.empty(); }

  // The raw lines, without line ends.
  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);

  bool Read(const std::string& section, const std::string& key, std::string& value) const;
  // Replaces the value of the key's first occurrence (keeping the spelling of its name), or
  // appends the key to the section's first occurrence (after its last key), or appends the
  // section at the end of the file, after a blank line.
  void Write(const std::string& section, const std::string& key, const std::string& value);
  // Section names, each once, in file order (sections without keys included).
  std::vector<std::string> Sections() const;
  // Key names of a section, each once, in file order.
  std::vector<std::string> Keys(const std::string& section) const;
  // Key and value pairs of a section (first occurrences), in file order.
  std::vector<std::pair<std::string, std::string>> Values(const std::string& section) const;
  bool HasSection(const std::string& section) const;
  // The number of distinct keys of a section (0 for a missing one).
  size_t KeyCount(const std::string& section) const;
  // Removes every occurrence of the section with all its lines; false if there was none.
  bool EraseSection(const std::string& section);
  // Removes every occurrence of the key in the section; false if there was none.
  bool DeleteKey(const std::string& section, const std::string& key);

 private:
  enum TKind { lkOther, lkComment, lkSection, lkKey };
  struct TLine {
    TKind Kind = lkOther;
    std::string Raw;
    std::string Name;  // section or key name, trimmed
    std::string Value;
  };
  // A section as the reads see it: every occurrence merged, the first occurrence of a key wins.
  struct TSection {
    std::string Name;           // as first spelled
    size_t Header = 0;          // line of the first occurrence
    std::vector<size_t> Keys;   // line of each distinct key, in file order
    std::unordered_map<std::string, size_t> ByKey;  // folded key name -> line
  };
  static TLine Classify(const std::string& raw);
  // Builds the index when the text changed shape since the last build.
  void Index() const;
  // The section of that name from the index, or nullptr.
  const TSection* Find(const std::string& section) const;
  void Changed() { indexed_ = false; }
  // Calls f(index) for every key line of every occurrence of `section`.
  template <class F>
  void ForKeys(const std::string& section, F f) const;

  std::vector<TLine> lines_;
  mutable std::vector<TSection> sections_;  // file order of first occurrences
  mutable std::unordered_map<std::string, size_t> byName_;  // folded name -> sections_ index
  mutable bool indexed_ = false;
};

// Case-insensitive comparison of names in code page 1252.
bool SameIniName(const std::string& a, const std::string& b);

}  // namespace vcl
