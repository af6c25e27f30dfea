// Searching the strings editor's text: the text as lines (a line ends at CR LF, so a line's
// character offset is the sum of the lengths of the lines before it plus two for each break),
// Find Next in either direction from a remembered line and column, and Replace All.
//
// Find Next keeps its place in TZYLFindState (FindLine, FindCol; both 1-based as the editor
// shows them, 0 when the editor is made):
// - Downward the search starts in line FindLine (FindLine 0: the first line) at column
//   FindCol, goes on in the following lines from their first column, and after a hit continues
//   one column after the start of the match (so overlapping matches are found in turn). No hit
//   leaves FindLine as it was and FindCol at 1.
// - Upward FindLine is taken as a line index (past the last line: an empty line); the search
//   looks at the first FindCol characters of that line and then at the whole lines above it,
//   last occurrence first, a match ending at the last character looked at included. After a hit
//   it continues left of the match.
// - A FindLine past the last line starts over at 0, a negative one at the number of lines.
// - With whole word a match must be followed by a blank; without match case both sides are
//   compared in upper case (code page 1252). An empty search text finds nothing.
//
// Replace All goes through the lines first to last and in each line left to right, resuming
// after the inserted text, so it ends for every search and replacement text; it ignores
// direction and whole word. Both run in time linear in the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zyl {

class TZYLTextLines {
 public:
  explicit TZYLTextLines(std::string Text);

  // A break at the very end opens no further line; an empty text has none.
  int Count() const { return static_cast<int>(starts_.size()); }
  // The line without its break; empty for an index outside 0 .. Count-1.
  std::string_view Line(int Index) const;
  // The character offset of the line's start in the text.
  size_t Offset(int Index) const;
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  std::vector<size_t> starts_, lengths_;
};

struct TZYLFindState {
  int32_t FindLine = 0;
  int32_t FindCol = 0;
};

struct TZYLFindOptions {
  bool Down = true;
  bool MatchCase = false;
  bool WholeWord = false;
};

struct TZYLFindHit {
  int Line = 0;       // 0-based line index
  int Col = 0;        // 1-based column of the match's start
  size_t Offset = 0;  // character offset of the match in the text
};

// Find Next from State (which it moves on a hit); nothing when there is no further match.
std::optional<TZYLFindHit> ZYLFindNext(const TZYLTextLines& Lines, const std::string& FindText,
                                       const TZYLFindOptions& Options, TZYLFindState& State);

struct TZYLReplaceAllResult {
  std::string Text;  // the whole text after the replacements
  int Count = 0;     // how many matches were replaced
  size_t Caret = 0;  // the offset just after the last inserted text (0 without a match)
};

TZYLReplaceAllResult ZYLReplaceAll(const TZYLTextLines& Lines, const std::string& FindText,
                                   const std::string& ReplaceText, bool MatchCase);

// The 1-based start of the last occurrence of Sub in S (one ending at S's last character
// included), 0 when there is none or Sub is empty.
int ZYLLastPos(std::string_view Sub, std::string_view S);

}  // namespace zyl
