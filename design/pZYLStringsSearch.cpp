#include "design/pZYLStringsSearch.h"

#include <algorithm>

#include "platform/rtl/StrUtils.h"

namespace zyl {

namespace {

constexpr std::string_view kBreak = "\r\n";

// The part compared with the search text: as it is with match case, else in upper case.
std::string Compared(std::string_view Part, bool MatchCase) {
  std::string s(Part);
  return MatchCase ? s : vcl::AnsiUpperCase(s);
}

}  // namespace

TZYLTextLines::TZYLTextLines(std::string Text) : text_(std::move(Text)) {
  size_t start = 0;
  while (start < text_.size()) {
    const size_t end = text_.find(kBreak, start);
    const size_t stop = end == std::string::npos ? text_.size() : end;
    starts_.push_back(start);
    lengths_.push_back(stop - start);
    if (end == std::string::npos) break;
    start = end + kBreak.size();
  }
}

std::string_view TZYLTextLines::Line(int Index) const {
  if (Index < 0 || Index >= Count()) return {};
  return std::string_view(text_).substr(starts_[Index], lengths_[Index]);
}

size_t TZYLTextLines::Offset(int Index) const {
  if (Index <= 0 || starts_.empty()) return 0;
  if (Index >= Count()) return text_.size();
  return starts_[Index];
}

int ZYLLastPos(std::string_view Sub, std::string_view S) {
  if (Sub.empty()) return 0;
  const size_t p = S.rfind(Sub);
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::optional<TZYLFindHit> ZYLFindNext(const TZYLTextLines& Lines, const std::string& FindText,
                                       const TZYLFindOptions& Options, TZYLFindState& State) {
  if (FindText.empty()) return std::nullopt;
  const int count = Lines.Count();
  if (State.FindLine > count) State.FindLine = 0;
  if (State.FindLine < 0) State.FindLine = count;
  std::string wanted = Options.WholeWord ? FindText + ' ' : FindText;
  wanted = Compared(wanted, Options.MatchCase);

  TZYLFindHit hit;
  if (Options.Down) {
    int col = std::max(1, State.FindCol);
    int line = std::max(0, State.FindLine - 1);
    for (; line < count; ++line, col = 1) {
      const std::string_view text = Lines.Line(line);
      if (static_cast<size_t>(col - 1) > text.size()) continue;
      const size_t p = Compared(text.substr(col - 1), Options.MatchCase).find(wanted);
      if (p == std::string::npos) continue;
      hit.Line = line;
      hit.Col = col + static_cast<int>(p);
      break;
    }
    if (line >= count) {
      State.FindCol = 1;
      return std::nullopt;
    }
    State.FindLine = hit.Line + 1;
    State.FindCol = hit.Col + 1;
  } else {
    int col = State.FindCol;
    int line = State.FindLine;
    int p = 0;
    while (line >= 0) {
      const std::string_view text = Lines.Line(line);
      const size_t part = static_cast<size_t>(std::clamp<int64_t>(col, 0, text.size()));
      p = ZYLLastPos(wanted, Compared(text.substr(0, part), Options.MatchCase));
      if (p > 0) break;
      if (--line >= 0) col = static_cast<int>(Lines.Line(line).size());
    }
    State.FindCol = col;
    if (p == 0) return std::nullopt;
    hit.Line = line;
    hit.Col = p;
    State.FindLine = line;
    State.FindCol = p - 1;
  }
  hit.Offset = Lines.Offset(hit.Line) + static_cast<size_t>(hit.Col - 1);
  return hit;
}

TZYLReplaceAllResult ZYLReplaceAll(const TZYLTextLines& Lines, const std::string& FindText,
                                   const std::string& ReplaceText, bool MatchCase) {
  TZYLReplaceAllResult result;
  const std::string& whole = Lines.Text();
  if (FindText.empty()) {
    result.Text = whole;
    return result;
  }
  const std::string wanted = Compared(FindText, MatchCase);
  result.Text.reserve(whole.size());
  for (int i = 0; i < Lines.Count(); ++i) {
    const std::string_view line = Lines.Line(i);
    const std::string compared = Compared(line, MatchCase);
    // The line as it reads after a replacement is the inserted text followed by the rest of
    // the original line, so searching on from the end of the match in the original is
    // searching on behind the inserted text.
    size_t from = 0;
    for (size_t p; (p = compared.find(wanted, from)) != std::string::npos;) {
      result.Text.append(line.substr(from, p - from)).append(ReplaceText);
      result.Caret = result.Text.size();
      ++result.Count;
      from = p + wanted.size();
    }
    result.Text.append(line.substr(from));
    // The break (or whatever else lies between this line and the next one, or the end).
    const size_t end = Lines.Offset(i) + line.size();
    const size_t next = i + 1 < Lines.Count() ? Lines.Offset(i + 1) : whole.size();
    result.Text.append(whole, end, next - end);
  }
  return result;
}

}  // namespace zyl
